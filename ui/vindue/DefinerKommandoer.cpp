// The definition dialogs, the option dialogs, printing and help of the main window.
#include "ui/vindue/DefinerKommandoer.h"

// While a project is being built (Tilstand 2) each "&Definer" item shows its
// dialog and, on OK, appends one keyword line to the text sheet; the lines
// and the running numbers come from files/Opbygning.
#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>
#include <QMainWindow>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <filesystem>
#include <QPainter>
#include <QPrinter>
#include <QTabWidget>

#include "core/Brugerflade.h"
#include "files/Opbygning.h"
#include "files/PlotvikFiler.h"
#include "tabeller/TabelUsikkerhed.h"
#include "files/Udskrift.h"
#include "ui/dialoger/AktivTabelNoOgGrafNoDialogUnit.h"
#include "ui/dialoger/GrafDefinitionUnit.h"
#include "ui/dialoger/InddataKonstantDefinitionUnit.h"
#include "ui/dialoger/InddataVariabelDefinitionUnit.h"
#include "ui/dialoger/OverskriftDefinitionUnit.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"
#include "ui/graf/MalerLaerred.h"
#include "ui/dialoger/ProgramStyringDialogUnit.h"
#include "ui/dialoger/TabelDefinitionUnit.h"
#include "ui/ark/TekstArk.h"
#include "ui/flade/Tegnsaet.h"
#include "core/Tegnsaet.h"
#include "ui/dialoger/UddataKonstantDefinitionUnit.h"
#include "ui/dialoger/UddataVariabelDefinitionUnit.h"
#include "ui/graf/Udskrivning.h"
#include "ui/dialoger/UdskrivTabelUnit.h"
#include "ui/dialoger/UsikkerhedDialogUnit.h"

using namespace plotvik;

namespace {

constexpr int Opbygger = 2;  // Tilstand while a project is built

void TilfoejLinie(TVinduesKerne& k, const std::string& linie) {
    k.TekstSide->TilfoejLinie(linie);
    k.Projekt.TekstGemt = false;
}

}  // namespace

void TDefinerKommandoer::OpretDialoger() {
    if (!InddataKonstantDialog) InddataKonstantDialog = new TInddataKonstantDialog(&k.Hovedvindue);
    if (!UddataKonstantDialog) UddataKonstantDialog = new TUddataKonstantDialog(&k.Hovedvindue);
    if (!TabelDialog) TabelDialog = new TTabelDialog(&k.Hovedvindue);
    if (!IndDataVariabelDialog) IndDataVariabelDialog = new TIndDataVariabelDialog(&k.Hovedvindue);
    if (!UddataVariabelDialog) UddataVariabelDialog = new TUddataVariabelDialog(&k.Hovedvindue);
    if (!GraferDialog) GraferDialog = new TGraferDialog(&k.Hovedvindue);
    if (!OverskriftDialog) OverskriftDialog = new TOverskriftDialog(&k.Hovedvindue);
    if (!UdskrivTabelDialog) UdskrivTabelDialog = new TUdskrivTabelDialog(&k.Hovedvindue);
    if (!ProgramstyringDialog) ProgramstyringDialog = new TProgramstyringDialog(&k.Hovedvindue);
    if (!AktivTabelNoOgGrafNoDialog) AktivTabelNoOgGrafNoDialog = new TAktivTabelNoOgGrafNoDialog(&k.Hovedvindue);
    if (!UsikkerhedDialog) {
        UsikkerhedDialog = new TUsikkerhedDialog(&k.Hovedvindue);
        UsikkerhedDialog->Variable = [this](int t) {
            std::vector<std::pair<int, std::string>> v;
            if (t < 0 || t > MaksTabeller || (t > 0 && t > k.Projekt.AntalTabeller)) return v;
            const TTabelDef& T = k.Projekt.Tabeller[t];
            const int n = MinHel(t == 0 ? k.Projekt.AntalKonstanter : T.AntalInddata, MaksVariable);
            for (int i = 1; i <= n; ++i)
                if (t == 0 || T.Variable[i].Art == TDefinitionsArt::Inddata) v.emplace_back(i, T.Variable[i].Navn);
            return v;
        };
        UsikkerhedDialog->Nuvaerende = [this](int t, int v) {
            const TVariabelDef& var = k.Projekt.Tabeller[t].Variable[v];
            return std::pair{var.UsikkerhedsArt, var.UsikkerhedsTekst};
        };
        UsikkerhedDialog->Saet = [this](int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
            return SaetUsikkerhedFraDialog(t, v, art, tekst);
        };
    }
}

// ---- "&Definer" ----

void TDefinerKommandoer::OverskriftMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = OverskriftDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygOverskrift(k.Projekt, d->Overskrift));
}

void TDefinerKommandoer::InddataKonstantMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = InddataKonstantDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygInddataKonstant(k.Projekt, d->Navn, d->Enhed));
}

void TDefinerKommandoer::UddataKonstantMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = UddataKonstantDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygUddataKonstant(k.Projekt, d->Navn, d->Vaerdi, d->Enhed));
}

void TDefinerKommandoer::TabelMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = TabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedTabelDialog(k.Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygTabel(k.Projekt, d->TabelNo, d->Raekke, d->AntalVariable, d->AntalMaalinger,
                                   d->FeltBredde));
}

void TDefinerKommandoer::InddataVariabelMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = IndDataVariabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedVariabelDialog(k.Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygInddataVariabel(k.Projekt, d->TabelNo, d->Navn, d->Enhed) +
                            UsikkerhedsDel(d->UsikkerhedsArt, d->UsikkerhedsTekst));
}

void TDefinerKommandoer::UddataVariabelMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    auto* d = UddataVariabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedVariabelDialog(k.Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(k, OpbygUddataVariabel(k.Projekt, d->TabelNo, d->Navn, d->Udtryk, d->Positioner,
                                            d->Decimaler, d->Enhed));
}

void TDefinerKommandoer::GrafMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger || !PladsTilGraf(k.Projekt)) return;
    OpretDialoger();
    auto* d = GraferDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedGrafDialog(k.Projekt), GrafArkNoVedGrafDialog(k.Projekt));
    if (!d->VisModalt()) return;
    TGrafLinier l = OpbygGraf(k.Projekt, d->Valg);
    TilfoejLinie(k, l.Graf);
    TilfoejLinie(k, l.Grafakse);
}

// ---- uncertainties ----

std::string TDefinerKommandoer::SaetUsikkerhedFraDialog(int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
    return SaetUsikkerhed(k.Projekt, t, v, art, tekst);
}

void TDefinerKommandoer::UsikkerhedMenuItemClick() {
    // The uncertainties belong to the variables of a project read in; while
    // one is built its variables exist only as lines of the text sheet.
    if (k.Projekt.Tilstand == Opbygger || (k.Projekt.AntalTabeller == 0 && k.Projekt.AntalKonstanter == 0)) {
        Flade().Informationsboks("Hent f\xF8rst et projekt; usikkerheden gives en inddatavariabel eller en konstant");
        return;
    }
    OpretDialoger();
    auto* d = UsikkerhedDialog;
    if (d->VisesAllerede()) return;
    const int aktiv = k.Projekt.AktivTabel >= 1 && k.Projekt.AktivTabel <= k.Projekt.AntalTabeller ? k.Projekt.AktivTabel : 1;
    d->Forbered(k.Projekt.AntalTabeller == 0 ? 0 : aktiv);
    if (!d->VisModalt()) return;
    // Set by the dialog's OK; the next "Beregn" uses it. A project read from a
    // file keeps it there when the student wants it to.
    k.DataAendret();
    const std::string navn = k.Projekt.ProjektFilNavn;
    std::error_code fejl;
    if (!navn.empty() && navn != "Plotvik.prj" && std::filesystem::is_regular_file(navn, fejl) &&
        Flade().JaEllerNej("Gem usikkerhederne i projektfilen " + navn + "?"))
        SkrivProjektFil(k.Projekt, navn);
    Fejl = false;
}

void TDefinerKommandoer::VisUsikkerhederMenuItemClick() {
    k.StopAlIndtastning();
    const bool vis = k.VisUsikkerhederMenuItem->isChecked();
    for (int a = 1; a <= 2; ++a) k.TabelSide[a]->VisUsikkerheder(vis);
}

// ---- "Valgmuligheder" ----

void TDefinerKommandoer::AktiveTabelNoOgGrafNoMenuItemClick() {
    OpretDialoger();
    auto* d = AktivTabelNoOgGrafNoDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(k.Projekt.AktivTabel, k.Projekt.AktivGraf);
    if (!d->VisModalt()) return;
    k.Projekt.AktivTabel = TekstTilHeltal(d->TabelNo);
    k.Projekt.AktivGraf = TekstTilHeltal(d->GrafNo);
}

void TDefinerKommandoer::ProgramstyringMenuItemClick() {
    if (!Flade().OkEllerAnnuller("I \"Programstyring\" kan man frav\xE6lge \n\r"
                                 "programstyring ved indl\xE6sning af tabellerne\n\r"
                                 "Tabellerne er forh\xE5ndsindstillet til programstyring.\n\r"
                                 "Hvis hele tabellen ikke kan vises p\xE5 sk\xE6rmen er programstyring sl\xE5" "et fra"))
        return;
    OpretDialoger();
    auto* d = ProgramstyringDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(k.Programstyret, k.ProgramstyringMulig);
    if (!d->VisModalt()) return;
    // A checked box hands the table to program-controlled input, an unchecked
    // one lets the grid edit its own cells.
    for (int t = 0; t <= MaksTabeller; ++t)
        k.SaetProgramstyring(t, d->Programstyret[t] && k.ProgramstyringMulig[t]);
}

void TDefinerKommandoer::KontrolafInddataMenuItemClick() {
    const std::string tekst =
        "Hvis du sl\xE5r Kontrol af Inddata fra, s\xE5 bliver fejl-\n\r"
        "indtastede tal f\xF8rst kontrolleret ved beregningen\n\r"
        "af tabellen. Sl\xE5 kun kontrollen fra, hvis du har felter,\n\r"
        "som ikke best\xE5r af tal, som f.eks. navne\n\r"
        "Tryk OK for at sl\xE5 fra eller til, ellers tryk Cancel";
    if (Flade().OkEllerAnnuller(tekst)) k.Projekt.KontrolAfInddata = !k.Projekt.KontrolAfInddata;
}

void TDefinerKommandoer::StatistikPaamaalingerMenuItemClick() {
    Flade().Informationsboks(
        "Tryk p\xE5 \"Beregn\", efter at dette punkt er valgt\n\r"
        "Hvis ikke edit felterne bliver vist, s\xE5 gentag menuvalget.");
    const int t = k.Projekt.AktivTabel == 0 ? 1 : k.Projekt.AktivTabel;
    if (t >= 1 && t <= MaksTabeller) k.Projekt.Tabeller[t].VisGnsOgVarians = true;
}

// ---- printing ----

void TDefinerKommandoer::UdskrivTabelMenuItemClick() {
    OpretDialoger();
    auto* d = UdskrivTabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, &k.Hovedvindue)) return;
    UdskrivLinier(printer, TabelUdskrift(k.Projekt, TekstTilHeltal(d->TabelNo), d->Overskrift));
}

void TDefinerKommandoer::UdskrivArkMenuItemClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, &k.Hovedvindue)) return;
    // A graph sheet's graph is drawn again from its list at the printer's
    // resolution, over its place in the window's picture.
    TGrafArkSide* side = k.GrafSideNo(k.ForrestGrafArk());
    std::function<void(QPainter&)> graf;
    if (side)
        graf = [this, side](QPainter& maler) {
            const QPoint sted = side->GrafBilledeWidget->mapTo(&k.Hovedvindue, QPoint(0, 0));
            const QSize stoerrelse = side->Visning->Stoerrelse();
            maler.translate(sted);
            TMalerLaerred laerred(maler, stoerrelse.width(), stoerrelse.height(), GlatteLinjer());
            Genafspil(side->Visning->Liste(), laerred, stoerrelse.width(), stoerrelse.height(), GlatteLinjer());
        };
    UdskrivBillede(printer, k.Hovedvindue.grab().toImage(), k.Hovedvindue.logicalDpiX(), graf);
}

void TDefinerKommandoer::UdskrivGrafresultaterMenuItemClick() {
    int ark = GrafArkForAktivGraf(k.Projekt);
    if (ark == 0 || !k.SideKontrol || k.SideKontrol->currentWidget() != k.Ark[ark + 2]) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, &k.Hovedvindue)) return;
    std::vector<std::string> resultater;
    if (QListWidget* liste = k.GrafResultaterListBox[ark])
        for (int i = 0; i < liste->count(); ++i) resultater.push_back(FraQString(liste->item(i)->text()));
    UdskrivLinier(printer, GrafresultatUdskrift(k.Projekt, k.Projekt.AktivTabel, k.Projekt.AktivGraf, resultater));
}

void TDefinerKommandoer::UdskrivTekstMenuItemClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, &k.Hovedvindue)) return;
    UdskrivLinier(printer, TekstUdskrift(k.TekstSide->Linier()));
}

// ---- "Hjælp" ----


namespace {

// The help file is plain text; a line "@n Title" starts the topic with
// context number n, a line that begins with two blanks is shown as typed.
QString HjaelpSomHtml(const QString& tekst) {
    QString html = QStringLiteral("<html><body style='font-family:Arial,Liberation Sans; font-size:10pt'>");
    bool foruddannet = false, afsnit = false;
    auto slutAfsnit = [&] {
        if (afsnit) html += QStringLiteral("</p>");
        afsnit = false;
    };
    for (QString linie : tekst.split('\n')) {
        linie.remove('\r');
        const bool kode = linie.startsWith(QStringLiteral("  "));
        if (kode != foruddannet) {
            slutAfsnit();
            html += kode ? QStringLiteral("<pre>") : QStringLiteral("</pre>");
            foruddannet = kode;
        }
        if (linie.startsWith('@')) {
            slutAfsnit();
            const int mellemrum = linie.indexOf(' ');
            const QString nr = linie.mid(1, mellemrum < 0 ? -1 : mellemrum - 1);
            const QString titel = mellemrum < 0 ? QString() : linie.mid(mellemrum + 1);
            html += QStringLiteral("<a name='k%1'></a><h2>%2</h2>").arg(nr, titel.toHtmlEscaped());
        } else if (kode) {
            html += linie.toHtmlEscaped() + '\n';
        } else if (linie.trimmed().isEmpty()) {
            slutAfsnit();
        } else {
            if (!afsnit) html += QStringLiteral("<p>");
            afsnit = true;
            html += linie.toHtmlEscaped() + ' ';
        }
    }
    slutAfsnit();
    if (foruddannet) html += QStringLiteral("</pre>");
    return html + QStringLiteral("</body></html>");
}

}  // namespace

void TDefinerKommandoer::HjaelpMenuItemClick() {
    // Beside the program (a build folder), else where the package installs it.
    const QString mappe = QCoreApplication::applicationDirPath();
    const QString sti = mappe + QStringLiteral("/Plotvik.Hlp");
    auto indhold = LaesTekstFil(FraQString(sti));
    if (!indhold) indhold = LaesTekstFil(FraQString(mappe + QStringLiteral("/../share/plotvik/Plotvik.Hlp")));
    if (!indhold) {
        Flade().Fejlboks("Kan ikke \xE5" "bne hj\xE6lpefilen " + FraQString(sti));
        return;
    }
    auto* vindue = k.Hovedvindue.findChild<QDialog*>(QStringLiteral("HjaelpVindue"));
    QTextBrowser* browser = nullptr;
    if (!vindue) {
        vindue = new QDialog(&k.Hovedvindue);
        vindue->setObjectName(QStringLiteral("HjaelpVindue"));
        vindue->setWindowTitle(QString::fromUtf8("Plotvik Hjælp"));
        vindue->resize(780, 540);
        browser = new QTextBrowser(vindue);
        browser->setObjectName(QStringLiteral("HjaelpTekst"));
        auto* l = new QVBoxLayout(vindue);
        l->addWidget(browser);
    } else {
        browser = vindue->findChild<QTextBrowser*>(QStringLiteral("HjaelpTekst"));
    }
    browser->setHtml(HjaelpSomHtml(TilQString(*indhold)));
    browser->scrollToAnchor(QStringLiteral("k1"));
    vindue->show();
    vindue->raise();
}
