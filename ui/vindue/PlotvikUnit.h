// The main window: the window's core (VinduesKerne.h: the project, the
// sheets, the undo stack and the dispatch to the sheets) with the menus
// around it. Each kind of sheet is a widget of its own that owns its controls
// and their handlers: TTabelArk (TabelArk.h), TGrafArkSide (GrafArkSide.h),
// TTekstArk (TekstArk.h). The commands are classes of their own, each handed
// the core:
//   FilKommandoer            project and file commands
//   DataKommandoer           import, capture, table export, recent projects, dropped files
//   RedigerKommandoer        "&Rediger": undo and redo, copy and paste, the undo steps
//   GendannelsesKommandoer   the recovery file and restoring from it
//   VelkomstKommandoer       the welcome panel (Velkomst.h) and the examples
//   GrafKommandoer           functions, graph tools, areas, Fourier, graph export
//   DefinerKommandoer        definition and option dialogs, printing, help
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/vindue/VinduesKerne.h"

namespace plotvik {
struct TGendannelse;
}

class TPlotvikForm : public QMainWindow, public TVinduesKerne {
    Q_OBJECT
public:
    explicit TPlotvikForm(QWidget* parent = nullptr);
    ~TPlotvikForm() override;

    // The creation step, also run again before a project is loaded.
    void FormCreate() override;

    // What the program's start and the tests ask of the window by name.
    // "&Hent Projekt Fil" with the name already chosen.
    void HentProjekt(const std::string& navn);
    // At start: recovery first, then the file named on the command line (empty: none).
    void StartMedProjekt(const std::string& navn);
    void GendanArbejde(const plotvik::TGendannelse& g);
    // What the recovery file keeps of the open project and its text sheet now.
    std::string GendannelsesBytes(std::int64_t tidspunkt) const;
    // Delimited text (the clipboard's) into table t from its current cell on.
    void IndsaetTekst(int tabel, const QString& tekst);

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // The menu bar and the graph images' pop-up menu, each item tied to its command.
    void OpbygMenuer();

    std::unique_ptr<TFilKommandoer> fil_;
    std::unique_ptr<TDataKommandoer> data_;
    std::unique_ptr<TRedigerKommandoer> rediger_;
    std::unique_ptr<TGendannelsesKommandoer> gendannelse_;
    std::unique_ptr<TVelkomstKommandoer> velkomst_;
    std::unique_ptr<TGrafKommandoer> graf_;
    std::unique_ptr<TDefinerKommandoer> definer_;
    QObject* tastatur_ = nullptr;  // the window's keyboard rules (Tastatur.h)
};
