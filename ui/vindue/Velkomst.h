// The welcome on the first table sheet while no project is loaded or being
// built: a few Danish lines, "Hent projekt...", "Opbyg nyt projekt", one
// button per example project and one per recent project. An example opens as
// a copy in the user's data folder, so the examples themselves stay intact,
// and opens with its data read, its table computed and its first graph drawn.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

class QVBoxLayout;

class TVelkomst : public QFrame {
    Q_OBJECT
public:
    explicit TVelkomst(QWidget* parent = nullptr);
    // Rebuilds the example and recent buttons.
    void Opdater(const QStringList& seneste);

    // The folder of the example projects: beside the program (a build in the
    // source tree) or where the package installs them; empty when none is found.
    static QString EksempelMappe();
    // Copies an example project and the files of the same name into the
    // user's data folder (a file already there is kept: it may hold the
    // student's own changes) and gives the copy's path; empty on failure.
    static QString KopierEksempel(const QString& prj);

signals:
    void HentProjekt();
    void OpbygProjekt();
    void AabnProjekt(const QString& sti);
    void AabnEksempel(const QString& sti);  // the copy of an example project

private:
    QVBoxLayout* knapper_ = nullptr;
};
