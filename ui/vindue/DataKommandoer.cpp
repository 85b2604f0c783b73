// Data in and tables out through "&Fil": "&Importer data...", "&Opsamling..."
// from a measuring device, "Eksporter &tabel...", the recent projects, and
// files dropped on the window. A project
// opened from here goes through HentProjekt, as "&Hent Projekt Fil" does.
#include "ui/vindue/DataKommandoer.h"

#include <QAction>
#include <QMainWindow>
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
#include "ui/vindue/FilKommandoer.h"
#include "ui/vindue/RedigerKommandoer.h"
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

TDataKommandoer::~TDataKommandoer() { delete opsamling_; }

void TDataKommandoer::OpbygMenuPunkter(QMenu* fil) {
    const auto punkt = [this, fil](const QString& tekst, const char* navn, void (TDataKommandoer::*handling)()) {
        QAction* a = fil->addAction(tekst);
        a->setObjectName(QString::fromLatin1(navn));
        QObject::connect(a, &QAction::triggered, &k.Hovedvindue, [this, handling] { (this->*handling)(); });
    };
    punkt(QStringLiteral("&Importer data..."), "ImporterDataMenuItem", &TDataKommandoer::ImporterDataMenuItemClick);
    punkt(QStringLiteral("&Opsamling..."), "OpsamlingMenuItem", &TDataKommandoer::OpsamlingMenuItemClick);
    punkt(QStringLiteral("Eksporter &tabel..."), "EksporterTabelMenuItem", &TDataKommandoer::EksporterTabelMenuItemClick);
}

void TDataKommandoer::OpbygSenesteProjekter(QMenu* fil) {
    SenesteProjekterMenu = fil->addMenu(QStringLiteral("Seneste projekter"));
    SenesteProjekterMenu->setObjectName(QStringLiteral("SenesteProjekterMenu"));
    fil->addSeparator();
    OpdaterSenesteProjekter();
}

bool TDataKommandoer::OpsamlingKoerer() const { return opsamling_ && opsamling_->Koerer(); }

void TDataKommandoer::StopOpsamling() {
    if (OpsamlingKoerer()) opsamling_->StopButtonClick();
}

void TDataKommandoer::OpdaterSenesteProjekter() {
    if (!SenesteProjekterMenu) return;
    SenesteProjekterMenu->clear();
    const QStringList liste = SenesteProjekter();
    for (int i = 0; i < liste.size(); ++i) {
        const QString sti = liste[i];
        QAction* a = SenesteProjekterMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(sti).fileName()));
        a->setObjectName(QStringLiteral("SenesteProjekt%1MenuItem").arg(i + 1));
        a->setToolTip(sti);
        a->setStatusTip(sti);
        QObject::connect(a, &QAction::triggered, &k.Hovedvindue, [this, sti] { k.Filkommandoer->HentProjekt(FraQString(sti)); });
    }
    SenesteProjekterMenu->setEnabled(!liste.isEmpty());
}

// ---------------------------------------------------------------- import

void TDataKommandoer::ImporterDataMenuItemClick() {
    const int t = AktivTabelEllerFoerste(k.Projekt);
    if (t < 1) {
        Flade().Fejlboks("Der er ingen tabel at importere data i. Hent eller opbyg f\xF8rst et projekt.");
        return;
    }
    const auto navn = Flade().AabnFilDialog(DataFilter, "*.csv");
    if (!navn || navn->empty() || FilnavnDel(*navn).find('*') != std::string::npos) return;
    ImporterDataFil(t, *navn);
}

void TDataKommandoer::ImporterDataFil(int t, const std::string& navn) {
    // The table's own faults first, in the words paste uses, before the dialog.
    TCelleBlok proeve;
    proeve.Raekker = proeve.Soejler = 1;
    proeve.Celler = {"0"};
    TIndsaetningsValg tabel;
    tabel.Tabel = t;
    const TIndsaetning kan = ForberedIndsaetning(k.Projekt, proeve, tabel);
    if (!kan.Ok) {
        Flade().Fejlboks(kan.Besked);
        return;
    }
    std::string bytes;
    if (!LaesHeleFilen(navn, bytes)) {
        Flade().Fejlboks("Filen " + navn + " kan ikke \xE5" "bnes");
        return;
    }
    k.StopIndtastning(t);
    TImporterDataDialog d(k.Projekt, t, std::move(bytes), TilQString(navn), &k.Hovedvindue);
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
    valg.Kontrol = k.Projekt.KontrolAfInddata;
    TIndsaetning ind = ForberedIndsaetning(k.Projekt, r.Data, valg);
    if (!ind.Ok) {
        std::string besked = ind.Besked;
        if (ind.FejlLinie > 0) besked += "\n\r(linie " + std::to_string(ind.FejlLinie) + " i filen)";
        Flade().Fejlboks(besked);
        return;
    }
    // A shorter file than the table: old measurements below the file's would
    // look as if they came from it, unless the student wants to keep them.
    const int foer = k.Projekt.Tabeller[t].AntalIndgange, nye = r.Data.Raekker;
    if (nye >= 1 && nye < foer &&
        Flade().JaEllerNej("Tabel " + std::to_string(t) + " har " + std::to_string(foer) + " m\xE5linger, filen har " +
                           std::to_string(nye) + ".\n\rSkal tabellen have " + std::to_string(nye) +
                           " m\xE5linger? Tryk Nej for at beholde de \xF8vrige m\xE5linger."))
        ind.AntalIndgange = nye;
    k.Redigering->SkrivCelleblok(t, ind, QStringLiteral("import"));
    k.VisArk(TTabelArk::ArkForTabel(t));
}

// ---------------------------------------------------------------- live capture

void TDataKommandoer::OpsamlingMenuItemClick() {
    if (AktivTabelEllerFoerste(k.Projekt) < 1) {
        Flade().Fejlboks("Der er ingen tabel at opsamle m\xE5linger i. Hent eller opbyg f\xF8rst et projekt.");
        return;
    }
    if (!opsamling_) opsamling_ = new TOpsamlingDialog(k, &k.Hovedvindue);
    // The ports plugged in since, and the tables of the project as it is now.
    opsamling_->Opdater();
    opsamling_->show();
    opsamling_->raise();
    opsamling_->activateWindow();
}

// ---------------------------------------------------------------- export

void TDataKommandoer::EksporterTabelMenuItemClick() {
    const int t = AktivTabelEllerFoerste(k.Projekt);
    if (t < 1) {
        Flade().Fejlboks("Der er ingen tabel at eksportere. Hent f\xF8rst et projekt.");
        return;
    }
    k.StopIndtastning(t);
    TEksportValg valg;
    if (!Flade().JaEllerNej("Skal tabel " + std::to_string(t) +
                            " skrives med semikolon og decimalkomma, som danske regneark l\xE6ser den?\n\r"
                            "Tryk Nej for komma og decimalpunktum.")) {
        valg.Separator = ',';
        valg.DecimalTegn = '.';
    }
    std::string forslag = SkiftEndelse(k.Projekt.ProjektFilNavn, "");
    forslag = forslag.empty() ? "Tabel_" + std::to_string(t) + ".csv"
                              : forslag.substr(0, forslag.size() - 1) + "Tabel_" + std::to_string(t) + ".csv";
    const auto navn = Flade().GemFilDialog(CsvFilter, forslag);
    if (!navn || navn->empty() || FilnavnDel(*navn).find('*') != std::string::npos) return;
    std::error_code fejl;
    if (std::filesystem::exists(std::filesystem::path(*navn), fejl) &&
        !Flade().JaEllerNej("Filen: " + *navn + " eksisterer" + "\n\r" + "Skal den overskrives?"))
        return;
    const TSkrivning s = EksporterTabel(k.Projekt, t, *navn, valg);
    if (s == TSkrivning::KanIkkeOprettes)
        Flade().Fejlboks("Tabellen kunne ikke eksporteres: filen " + *navn +
                         " kan ikke oprettes.\n\rV\xE6lg en anden mappe eller et andet navn.");
    else if (s == TSkrivning::Fejlet)
        Flade().Fejlboks("Tabellen kunne ikke eksporteres til " + *navn +
                         ".\n\rEn tidligere fil med samme navn er uber\xF8rt.");
}

// ---------------------------------------------------------------- dropped files

bool TDataKommandoer::KanSlippes(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile();
}

void TDataKommandoer::Slip(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    // The question about unsaved text and the import dialog come after the drop has ended.
    const QString fil = urls.front().toLocalFile();
    const QPoint punkt = e->position().toPoint();
    QTimer::singleShot(0, &k.Hovedvindue, [this, fil, punkt] { AabnSluppetFil(fil, punkt); });
}

void TDataKommandoer::AabnSluppetFil(const QString& fil, QPoint punkt) {
    if (QFileInfo(fil).suffix().compare(QStringLiteral("prj"), Qt::CaseInsensitive) == 0) {
        k.Filkommandoer->HentProjekt(FraQString(fil));
        return;
    }
    auto* side = qobject_cast<TTabelArk*>(k.SideKontrol->currentWidget());
    const int t = side ? side->TabelVed(side->mapFrom(&k.Hovedvindue, punkt)) : 0;
    if (t < 1) {
        Flade().Fejlboks("Slip en datafil p\xE5 et tabelark med en tabel, s\xE5 bliver den indl\xE6st i tabellen.\n\r"
                         "En projektfil (.prj) kan slippes hvor som helst i vinduet.");
        return;
    }
    ImporterDataFil(t, FraQString(fil));
}
