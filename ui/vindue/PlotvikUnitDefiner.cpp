// The definition dialogs, the option dialogs and printing of the main window.
// While a project is being built (Tilstand 2) each "&Definer" item shows its
// dialog and, on OK, appends one keyword line to the text sheet; the lines
// and the running numbers come from files/Opbygning.
#include <QListWidget>
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
#include "ui/vindue/PlotvikUnit.h"
#include "ui/dialoger/ProgramStyringDialogUnit.h"
#include "ui/dialoger/TabelDefinitionUnit.h"
#include "ui/ark/TekstArk.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/dialoger/UddataKonstantDefinitionUnit.h"
#include "ui/dialoger/UddataVariabelDefinitionUnit.h"
#include "ui/graf/Udskrivning.h"
#include "ui/dialoger/UdskrivTabelUnit.h"
#include "ui/dialoger/UsikkerhedDialogUnit.h"

using namespace plotvik;

namespace {

constexpr int Opbygger = 2;  // Tilstand while a project is built

void TilfoejLinie(TPlotvikForm& f, const std::string& linie) {
    f.TekstSide->TilfoejLinie(linie);
    f.Projekt.TekstGemt = false;
}

}  // namespace

void TPlotvikForm::OpretDefinitionsDialoger() {
    if (!InddataKonstantDialog) InddataKonstantDialog = new TInddataKonstantDialog(this);
    if (!UddataKonstantDialog) UddataKonstantDialog = new TUddataKonstantDialog(this);
    if (!TabelDialog) TabelDialog = new TTabelDialog(this);
    if (!IndDataVariabelDialog) IndDataVariabelDialog = new TIndDataVariabelDialog(this);
    if (!UddataVariabelDialog) UddataVariabelDialog = new TUddataVariabelDialog(this);
    if (!GraferDialog) GraferDialog = new TGraferDialog(this);
    if (!OverskriftDialog) OverskriftDialog = new TOverskriftDialog(this);
    if (!UdskrivTabelDialog) UdskrivTabelDialog = new TUdskrivTabelDialog(this);
    if (!ProgramstyringDialog) ProgramstyringDialog = new TProgramstyringDialog(this);
    if (!AktivTabelNoOgGrafNoDialog) AktivTabelNoOgGrafNoDialog = new TAktivTabelNoOgGrafNoDialog(this);
    if (!UsikkerhedDialog) {
        UsikkerhedDialog = new TUsikkerhedDialog(this);
        UsikkerhedDialog->Variable = [this](int t) {
            std::vector<std::pair<int, std::string>> v;
            if (t < 0 || t > MaksTabeller || (t > 0 && t > Projekt.AntalTabeller)) return v;
            const TTabelDef& T = Projekt.Tabeller[t];
            const int n = MinHel(t == 0 ? Projekt.AntalKonstanter : T.AntalInddata, MaksVariable);
            for (int i = 1; i <= n; ++i)
                if (t == 0 || T.Variable[i].Art == TDefinitionsArt::Inddata) v.emplace_back(i, T.Variable[i].Navn);
            return v;
        };
        UsikkerhedDialog->Nuvaerende = [this](int t, int v) {
            const TVariabelDef& var = Projekt.Tabeller[t].Variable[v];
            return std::pair{var.UsikkerhedsArt, var.UsikkerhedsTekst};
        };
        UsikkerhedDialog->Saet = [this](int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
            return SaetUsikkerhedFraDialog(t, v, art, tekst);
        };
    }
}

// ---- "&Definer" ----

void TPlotvikForm::OverskriftMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = OverskriftDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygOverskrift(Projekt, d->Overskrift));
}

void TPlotvikForm::InddataKonstantMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = InddataKonstantDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygInddataKonstant(Projekt, d->Navn, d->Enhed));
}

void TPlotvikForm::UddataKonstantMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = UddataKonstantDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygUddataKonstant(Projekt, d->Navn, d->Vaerdi, d->Enhed));
}

void TPlotvikForm::TabelMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = TabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedTabelDialog(Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygTabel(Projekt, d->TabelNo, d->Raekke, d->AntalVariable, d->AntalMaalinger,
                                   d->FeltBredde));
}

void TPlotvikForm::InddataVariabelMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = IndDataVariabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedVariabelDialog(Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygInddataVariabel(Projekt, d->TabelNo, d->Navn, d->Enhed) +
                            UsikkerhedsDel(d->UsikkerhedsArt, d->UsikkerhedsTekst));
}

void TPlotvikForm::UddataVariabelMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretDefinitionsDialoger();
    auto* d = UddataVariabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedVariabelDialog(Projekt));
    if (!d->VisModalt()) return;
    TilfoejLinie(*this, OpbygUddataVariabel(Projekt, d->TabelNo, d->Navn, d->Udtryk, d->Positioner,
                                            d->Decimaler, d->Enhed));
}

void TPlotvikForm::GrafMenuItemClick() {
    if (Projekt.Tilstand != Opbygger || !PladsTilGraf(Projekt)) return;
    OpretDefinitionsDialoger();
    auto* d = GraferDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(TabelNoVedGrafDialog(Projekt), GrafArkNoVedGrafDialog(Projekt));
    if (!d->VisModalt()) return;
    TGrafLinier l = OpbygGraf(Projekt, d->Valg);
    TilfoejLinie(*this, l.Graf);
    TilfoejLinie(*this, l.Grafakse);
}

// ---- uncertainties ----

std::string TPlotvikForm::SaetUsikkerhedFraDialog(int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
    return SaetUsikkerhed(Projekt, t, v, art, tekst);
}

void TPlotvikForm::UsikkerhedMenuItemClick() {
    // The uncertainties belong to the variables of a project read in; while
    // one is built its variables exist only as lines of the text sheet.
    if (Projekt.Tilstand == Opbygger || (Projekt.AntalTabeller == 0 && Projekt.AntalKonstanter == 0)) {
        Flade().Informationsboks("Hent f\xF8rst et projekt; usikkerheden gives en inddatavariabel eller en konstant");
        return;
    }
    OpretDefinitionsDialoger();
    auto* d = UsikkerhedDialog;
    if (d->VisesAllerede()) return;
    const int aktiv = Projekt.AktivTabel >= 1 && Projekt.AktivTabel <= Projekt.AntalTabeller ? Projekt.AktivTabel : 1;
    d->Forbered(Projekt.AntalTabeller == 0 ? 0 : aktiv);
    if (!d->VisModalt()) return;
    // Set by the dialog's OK; the next "Beregn" uses it. A project read from a
    // file keeps it there when the student wants it to.
    DataAendret();
    const std::string navn = Projekt.ProjektFilNavn;
    std::error_code fejl;
    if (!navn.empty() && navn != "Plotvik.prj" && std::filesystem::is_regular_file(navn, fejl) &&
        Flade().JaEllerNej("Gem usikkerhederne i projektfilen " + navn + "?"))
        SkrivProjektFil(Projekt, navn);
    Fejl = false;
}

void TPlotvikForm::VisUsikkerhederMenuItemClick() {
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
    const bool vis = VisUsikkerhederMenuItem->isChecked();
    for (int a = 1; a <= 2; ++a) TabelSide[a]->VisUsikkerheder(vis);
}

// ---- "Valgmuligheder" ----

void TPlotvikForm::AktiveTabelNoOgGrafNoMenuItemClick() {
    OpretDefinitionsDialoger();
    auto* d = AktivTabelNoOgGrafNoDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(Projekt.AktivTabel, Projekt.AktivGraf);
    if (!d->VisModalt()) return;
    Projekt.AktivTabel = TekstTilHeltal(d->TabelNo);
    Projekt.AktivGraf = TekstTilHeltal(d->GrafNo);
}

void TPlotvikForm::ProgramstyringMenuItemClick() {
    if (!Flade().OkEllerAnnuller("I \"Programstyring\" kan man frav\xE6lge \n\r"
                                 "programstyring ved indl\xE6sning af tabellerne\n\r"
                                 "Tabellerne er forh\xE5ndsindstillet til programstyring.\n\r"
                                 "Hvis hele tabellen ikke kan vises p\xE5 sk\xE6rmen er programstyring sl\xE5" "et fra"))
        return;
    OpretDefinitionsDialoger();
    auto* d = ProgramstyringDialog;
    if (d->VisesAllerede()) return;
    d->Forbered(Programstyret, ProgramstyringMulig);
    if (!d->VisModalt()) return;
    // A checked box hands the table to program-controlled input, an unchecked
    // one lets the grid edit its own cells.
    for (int t = 0; t <= MaksTabeller; ++t)
        SaetProgramstyring(t, d->Programstyret[t] && ProgramstyringMulig[t]);
}

// ---- printing ----

void TPlotvikForm::UdskrivTabelMenuItemClick() {
    OpretDefinitionsDialoger();
    auto* d = UdskrivTabelDialog;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!d->VisModalt()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, this)) return;
    UdskrivLinier(printer, TabelUdskrift(Projekt, TekstTilHeltal(d->TabelNo), d->Overskrift));
}

void TPlotvikForm::UdskrivArkMenuItemClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, this)) return;
    // A graph sheet's graph is drawn again from its list at the printer's
    // resolution, over its place in the window's picture.
    TGrafArkSide* side = GrafSideNo(ForrestGrafArk());
    std::function<void(QPainter&)> graf;
    if (side)
        graf = [this, side](QPainter& maler) {
            const QPoint sted = side->GrafBilledeWidget->mapTo(this, QPoint(0, 0));
            const QSize stoerrelse = side->Visning->Stoerrelse();
            maler.translate(sted);
            TMalerLaerred laerred(maler, stoerrelse.width(), stoerrelse.height(), GlatteLinjer());
            Genafspil(side->Visning->Liste(), laerred, stoerrelse.width(), stoerrelse.height(), GlatteLinjer());
        };
    UdskrivBillede(printer, grab().toImage(), logicalDpiX(), graf);
}

void TPlotvikForm::UdskrivGrafresultaterMenuItemClick() {
    int ark = GrafArkForAktivGraf(Projekt);
    if (ark == 0 || !SideKontrol || SideKontrol->currentWidget() != Ark[ark + 2]) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, this)) return;
    std::vector<std::string> resultater;
    if (QListWidget* liste = GrafResultaterListBox[ark])
        for (int i = 0; i < liste->count(); ++i) resultater.push_back(FraQString(liste->item(i)->text()));
    UdskrivLinier(printer, GrafresultatUdskrift(Projekt, Projekt.AktivTabel, Projekt.AktivGraf, resultater));
}

void TPlotvikForm::UdskrivTekstMenuItemClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!VaelgPrinter(printer, this)) return;
    UdskrivLinier(printer, TekstUdskrift(TekstSide->Linier()));
}
