// Start-up of Plotvik: the application title, the start-up screen until its
// timer stops, the main window with its dialogs, and the event loop.
#include <QApplication>

#include "ui/PlotvikUnit.h"
#include "ui/QtFlade.h"
#include "ui/StartSkaerm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plotvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Plotvik"));
    // The help file is Plotvik.Hlp beside the program (opened by "Hjælp").

    plotvik::QtFlade flade;
    plotvik::SaetFlade(&flade);

    auto* start = new TStartSkaerm();
    start->VisOgVent();

    TPlotvikForm form;  // its creation step and the thirteen dialogs
    start->hide();
    delete start;
    form.show();
    const int resultat = app.exec();
    plotvik::SaetFlade(nullptr);
    return resultat;
}
