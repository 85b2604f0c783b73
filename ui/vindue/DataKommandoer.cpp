// Data in and tables out through "&Fil": "&Importer data...", "&Opsamling..."
// from a measuring device, "Eksporter &tabel...", the recent projects, and
// files dropped on the window. A project
// opened from here goes through HentProjekt, as "&Hent Projekt Fil" does.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Brugerflade.h"
#include "files/DataImport.h"
#include "files/TabelEksport.h"
#include "ui/vindue/OpsamlingDialog.h"
#include "ui/dialoger/ImporterDataDialogUnit.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/vindue/PlotvikUnitIntern.h"
#include "ui/flade/Indstillinger.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

const char* const DataFilter = "Datafiler (*.csv *.tsv *.txt *.dat)|*.csv *.tsv *.txt *.dat|Alle filer (*.*)|*.*";
const char* const CsvFilter = "CSV filer (*.csv)|*.csv|Alle filer (*.*)|*.*";
constexpr int AntalSeneste = 5;

// The table a command of "&Fil" works on: the active one, else the first.
int AktivTabelEllerFoerste(const TProjekt& p) {
    if (p.AktivTabel >= 1 && p.AktivTabel <= std::min(p.AntalTabeller, MaksTabeller)) return p.AktivTabel;
    return p.AntalTabeller >= 1 ? 1 : 0;
}

bool LaesHeleFilen(const std::string& navn, std::string& indhold) {
    std::ifstream f(std::filesystem::path(navn), std::ios::binary);
    if (!f) return false;
    indhold.assign(std::istreambuf_iterator<char>(f), {});
    return !f.bad();
}

}  // namespace

namespace plotvik {

void OpbygDataPunkter(TPlotvikForm& f, QMenu* fil) {
    QAction* imp = fil->addAction(QStringLiteral("&Importer data..."));
    imp->setObjectName(QStringLiteral("ImporterDataMenuItem"));
    QObject::connect(imp, &QAction::triggered, &f, [&f] { f.ImporterDataMenuItemClick(); });
    QAction* ops = fil->addAction(QStringLiteral("&Opsamling..."));
    ops->setObjectName(QStringLiteral("OpsamlingMenuItem"));
    QObject::connect(ops, &QAction::triggered, &f, [&f] { f.OpsamlingMenuItemClick(); });
    QAction* eks = fil->addAction(QStringLiteral("Eksporter &tabel..."));
    eks->setObjectName(QStringLiteral("EksporterTabelMenuItem"));
    QObject::connect(eks, &QAction::triggered, &f, [&f] { f.EksporterTabelMenuItemClick(); });
}

void OpbygSenesteProjekter(TPlotvikForm& f, QMenu* fil) {
    f.SenesteProjekterMenu = fil->addMenu(QStringLiteral("Seneste projekter"));
    f.SenesteProjekterMenu->setObjectName(QStringLiteral("SenesteProjekterMenu"));
    fil->addSeparator();
    f.OpdaterSenesteProjekter();
}

QStringList SenesteProjekter() {
    QStringList liste = Indstillinger().value(QStringLiteral("SenesteProjekter")).toStringList();
    liste.removeAll(QString());
    while (liste.size() > AntalSeneste) liste.removeLast();
    return liste;
}

void HuskSenesteProjekt(const std::string& navn) {
    const QFileInfo fil(TilQString(navn));
    if (!fil.isFile()) return;
    const QString sti = fil.absoluteFilePath();
    QStringList liste = SenesteProjekter();
    liste.removeAll(sti);
    liste.prepend(sti);
    while (liste.size() > AntalSeneste) liste.removeLast();
    QSettings s = Indstillinger();
    s.setValue(QStringLiteral("SenesteProjekter"), liste);
}

}  // namespace plotvik

void TPlotvikForm::OpdaterSenesteProjekter() {
    if (!SenesteProjekterMenu) return;
    SenesteProjekterMenu->clear();
    const QStringList liste = SenesteProjekter();
    for (int i = 0; i < liste.size(); ++i) {
        const QString sti = liste[i];
        QAction* a = SenesteProjekterMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(sti).fileName()));
        a->setObjectName(QStringLiteral("SenesteProjekt%1MenuItem").arg(i + 1));
        a->setToolTip(sti);
        a->setStatusTip(sti);
        connect(a, &QAction::triggered, this, [this, sti] { HentProjekt(FraQString(sti)); });
    }
    SenesteProjekterMenu->setEnabled(!liste.isEmpty());
}

// ---------------------------------------------------------------- import

void TPlotvikForm::ImporterDataMenuItemClick() {
    const int t = AktivTabelEllerFoerste(Projekt);
    if (t < 1) {
        Flade().Fejlboks("Der er ingen tabel at importere data i. Hent eller opbyg f\xF8rst et projekt.");
        return;
    }
    const auto navn = Flade().AabnFilDialog(DataFilter, "*.csv");
    if (!navn || navn->empty() || FilnavnDel(*navn).find('*') != std::string::npos) return;
    ImporterDataFil(t, *navn);
}

void TPlotvikForm::ImporterDataFil(int t, const std::string& navn) {
    // The table's own faults first, in the words paste uses, before the dialog.
    TCelleBlok proeve;
    proeve.Raekker = proeve.Soejler = 1;
    proeve.Celler = {"0"};
    TIndsaetningsValg tabel;
    tabel.Tabel = t;
    const TIndsaetning kan = ForberedIndsaetning(Projekt, proeve, tabel);
    if (!kan.Ok) {
        Flade().Fejlboks(kan.Besked);
        return;
    }
    std::string bytes;
    if (!LaesHeleFilen(navn, bytes)) {
        Flade().Fejlboks("Filen " + navn + " kan ikke \xE5" "bnes");
        return;
    }
    StopIndtastning(t);
    TImporterDataDialog d(Projekt, t, std::move(bytes), TilQString(navn), this);
    if (d.exec() != QDialog::Accepted) return;
    const TImportResultat& r = d.Resultat();
    if (!r.Besked.empty()) {
        Flade().Fejlboks(r.Besked);
        return;
    }
    TIndsaetningsValg valg;
    valg.Tabel = t;
    valg.Variabler = d.Variabler();
    valg.DecimalTegn = r.DecimalTegn;
    valg.Kontrol = Projekt.KontrolAfInddata;
    TIndsaetning ind = ForberedIndsaetning(Projekt, r.Data, valg);
    if (!ind.Ok) {
        std::string besked = ind.Besked;
        if (ind.FejlLinie > 0) besked += "\n\r(linie " + std::to_string(ind.FejlLinie) + " i filen)";
        Flade().Fejlboks(besked);
        return;
    }
    // A shorter file than the table: old measurements below the file's would
    // look as if they came from it, unless the student wants to keep them.
    const int foer = Projekt.Tabeller[t].AntalIndgange, nye = r.Data.Raekker;
    if (nye >= 1 && nye < foer &&
        Flade().JaEllerNej("Tabel " + std::to_string(t) + " har " + std::to_string(foer) + " m\xE5linger, filen har " +
                           std::to_string(nye) + ".\n\rSkal tabellen have " + std::to_string(nye) +
                           " m\xE5linger? Tryk Nej for at beholde de \xF8vrige m\xE5linger."))
        ind.AntalIndgange = nye;
    SkrivCelleblok(t, ind, QStringLiteral("import"));
    VisArk(TTabelArk::ArkForTabel(t));
}

// ---------------------------------------------------------------- live capture

void TPlotvikForm::OpsamlingMenuItemClick() {
    if (AktivTabelEllerFoerste(Projekt) < 1) {
        Flade().Fejlboks("Der er ingen tabel at opsamle m\xE5linger i. Hent eller opbyg f\xF8rst et projekt.");
        return;
    }
    if (!OpsamlingDialog) OpsamlingDialog = new TOpsamlingDialog(*this, this);
    // The ports plugged in since, and the tables of the project as it is now.
    OpsamlingDialog->Opdater();
    OpsamlingDialog->show();
    OpsamlingDialog->raise();
    OpsamlingDialog->activateWindow();
}

// ---------------------------------------------------------------- export

void TPlotvikForm::EksporterTabelMenuItemClick() {
    const int t = AktivTabelEllerFoerste(Projekt);
    if (t < 1) {
        Flade().Fejlboks("Der er ingen tabel at eksportere. Hent f\xF8rst et projekt.");
        return;
    }
    StopIndtastning(t);
    TEksportValg valg;
    if (!Flade().JaEllerNej("Skal tabel " + std::to_string(t) +
                            " skrives med semikolon og decimalkomma, som danske regneark l\xE6ser den?\n\r"
                            "Tryk Nej for komma og decimalpunktum.")) {
        valg.Separator = ',';
        valg.DecimalTegn = '.';
    }
    std::string forslag = SkiftEndelse(Projekt.ProjektFilNavn, "");
    forslag = forslag.empty() ? "Tabel_" + std::to_string(t) + ".csv"
                              : forslag.substr(0, forslag.size() - 1) + "Tabel_" + std::to_string(t) + ".csv";
    const auto navn = Flade().GemFilDialog(CsvFilter, forslag);
    if (!navn || navn->empty() || FilnavnDel(*navn).find('*') != std::string::npos) return;
    std::error_code fejl;
    if (std::filesystem::exists(std::filesystem::path(*navn), fejl) &&
        !Flade().JaEllerNej("Filen: " + *navn + " eksisterer" + "\n\r" + "Skal den overskrives?"))
        return;
    const TSkrivning s = EksporterTabel(Projekt, t, *navn, valg);
    if (s == TSkrivning::KanIkkeOprettes)
        Flade().Fejlboks("Tabellen kunne ikke eksporteres: filen " + *navn +
                         " kan ikke oprettes.\n\rV\xE6lg en anden mappe eller et andet navn.");
    else if (s == TSkrivning::Fejlet)
        Flade().Fejlboks("Tabellen kunne ikke eksporteres til " + *navn +
                         ".\n\rEn tidligere fil med samme navn er uber\xF8rt.");
}

// ---------------------------------------------------------------- dropped files

void TPlotvikForm::dragEnterEvent(QDragEnterEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) e->acceptProposedAction();
}

void TPlotvikForm::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    // The question about unsaved text and the import dialog come after the drop has ended.
    const QString fil = urls.front().toLocalFile();
    const QPoint punkt = e->position().toPoint();
    QTimer::singleShot(0, this, [this, fil, punkt] { AabnSluppetFil(fil, punkt); });
}

void TPlotvikForm::AabnSluppetFil(const QString& fil, QPoint punkt) {
    if (QFileInfo(fil).suffix().compare(QStringLiteral("prj"), Qt::CaseInsensitive) == 0) {
        HentProjekt(FraQString(fil));
        return;
    }
    auto* side = qobject_cast<TTabelArk*>(SideKontrol->currentWidget());
    const int t = side ? side->TabelVed(side->mapFrom(this, punkt)) : 0;
    if (t < 1) {
        Flade().Fejlboks("Slip en datafil p\xE5 et tabelark med en tabel, s\xE5 bliver den indl\xE6st i tabellen.\n\r"
                         "En projektfil (.prj) kan slippes hvor som helst i vinduet.");
        return;
    }
    ImporterDataFil(t, FraQString(fil));
}
