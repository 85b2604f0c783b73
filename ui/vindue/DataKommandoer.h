// Data in and tables out through "&Fil": "&Importer data...", "&Opsamling..."
// from a measuring device, "Eksporter &tabel...", the recent projects, and a
// file dropped on the window.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <string>

#include "ui/vindue/VinduesKerne.h"

class QDropEvent;
class QMenu;
class QMimeData;
class TOpsamlingDialog;

namespace plotvik {

// The recent projects, newest first (QSettings), and adding one.
QStringList SenesteProjekter();
void HuskSenesteProjekt(const std::string& navn);

}  // namespace plotvik

class TDataKommandoer {
public:
    explicit TDataKommandoer(TVinduesKerne& kerne) : k(kerne) {}
    // The capture dialog goes with its commands, before the window's core it works on.
    ~TDataKommandoer();
    TDataKommandoer(const TDataKommandoer&) = delete;
    TDataKommandoer& operator=(const TDataKommandoer&) = delete;

    // "&Importer data...", "&Opsamling..." and "Eksporter &tabel..." in "&Fil".
    void OpbygMenuPunkter(QMenu* fil);
    // "Seneste projekter" in "&Fil", and bringing it up to date.
    void OpbygSenesteProjekter(QMenu* fil);
    void OpdaterSenesteProjekter();

    void ImporterDataMenuItemClick();
    void OpsamlingMenuItemClick();
    void EksporterTabelMenuItemClick();

    // The import dialog for a data file, then the values into table t.
    void ImporterDataFil(int tabel, const std::string& navn);

    // The dialog that reads a measuring device into a table, made once and
    // kept, modeless so that the grid and the graph stay in view.
    bool OpsamlingKoerer() const;
    void StopOpsamling();  // ends a running capture, keeping its values

    // One local file dropped on the window: a project is opened, data imported
    // into the table under the point.
    static bool KanSlippes(const QMimeData* data);
    void Slip(QDropEvent* e);
    void AabnSluppetFil(const QString& fil, QPoint punkt);

private:
    TVinduesKerne& k;
    TOpsamlingDialog* opsamling_ = nullptr;
    QMenu* SenesteProjekterMenu = nullptr;
};
