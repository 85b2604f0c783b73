// Start-up of Plotvik: the command line, the application title and icon, the
// start-up screen until its timer stops, the main window with its dialogs, a
// project named on the command line, and the event loop.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ui/flade/DanskeQtTekster.h"
#include "ui/vindue/Kommandolinje.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/flade/QtFlade.h"
#include "ui/vindue/StartSkaerm.h"
#include "ui/vindue/TestKrog.h"
#include "ui/flade/Tegnsaet.h"

#ifndef PLOTVIK_VERSION
#define PLOTVIK_VERSION "?"
#endif

namespace {

void Skriv(std::FILE* f, const QString& tekst) { std::fputs(tekst.toUtf8().constData(), f); }

// The icon renderings built into the program (PNG sizes, or the SVG).
QIcon ProgramIkon() {
    QIcon ikon;
    const QDir mappe(QStringLiteral(":/ikoner"));
    for (const QString& fil : mappe.entryList(QDir::Files)) ikon.addFile(mappe.filePath(fil));
    return ikon;
}

// "--help" and "--version" print and end the run: the exit code, or -1 to go on.
int SvarPaaKommandolinje(const plotvik::TKommandolinje& k) {
    using TArt = plotvik::TKommandolinje::TArt;
    if (k.Art == TArt::Hjaelp) {
        Skriv(stdout, plotvik::KommandolinjeHjaelp(QStringLiteral("plotvik")));
        return 0;
    }
    if (k.Art == TArt::Version) {
        Skriv(stdout, QStringLiteral("Plotvik " PLOTVIK_VERSION "\n"));
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    using plotvik::TKommandolinje;
    // "--help" and "--version" are answered before Qt looks for a display.
    {
        QStringList argumenter;
        for (int i = 0; i < argc; ++i) argumenter << QString::fromLocal8Bit(argv[i]);
        const int slut = SvarPaaKommandolinje(plotvik::LaesKommandolinje(argumenter));
        if (slut >= 0) return slut;
    }

    QApplication app(argc, argv);  // takes Qt's own options (-platform, ...) off the line
    QApplication::setApplicationName(QStringLiteral("Plotvik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Plotvik"));
    QApplication::setApplicationVersion(QStringLiteral(PLOTVIK_VERSION));
    QApplication::setWindowIcon(ProgramIkon());
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.plotvik.Plotvik"));
    // "Ja", "Nej", "Annuller" and Danish file dialogs; without the files Qt's English texts remain.
    plotvik::IndlaesDanskeQtTekster();
    // Read again without Qt's own options, which the first reading took as unknown.
    const TKommandolinje k = plotvik::LaesKommandolinje(QCoreApplication::arguments());
    if (const int slut = SvarPaaKommandolinje(k); slut >= 0) return slut;
    if (k.Art == TKommandolinje::TArt::Fejl) {
        Skriv(stderr, QStringLiteral("plotvik: ") + k.Fejltekst +
                          QString::fromUtf8("\nSkriv \"plotvik --help\" for at se, hvordan programmet bruges.\n"));
        return 2;
    }

    plotvik::QtFlade flade;
    const std::unique_ptr<plotvik::Brugerflade> krog = plotvik::TestKrogFlade();
    plotvik::SaetFlade(krog ? krog.get() : &flade);

    auto* start = new TStartSkaerm();
    if (!krog) start->VisOgVent();  // a test run does not wait for the start-up screen

    TPlotvikForm form;  // its creation step and the thirteen dialogs
    start->hide();
    delete start;
    form.show();
    // Once the window is up: unsaved work of a run that ended abruptly, then
    // "&Hent Projekt Fil" with the name from the command line already chosen.
    const std::string navn =
        k.ProjektFil.isEmpty() ? std::string() : plotvik::FraQString(QFileInfo(k.ProjektFil).absoluteFilePath());
    QTimer::singleShot(0, &form, [&form, navn] {
        form.StartMedProjekt(navn);
        plotvik::KoerTestKroge(form);
    });
    const int resultat = app.exec();
    plotvik::SaetFlade(nullptr);
    return resultat;
}
