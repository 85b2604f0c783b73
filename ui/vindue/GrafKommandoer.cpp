// The graph tools of "&Matematik" and the graph pop-up menu: functions on the
// graph sheets, read value, slope, tangent, areas, and Fourier; the sheets'
// boxes are taken back, the engine does the work on the sheet structs and
// images, and the sheets show the result. Also the commands that take a
// graph sheet into a report: "&Eksporter graf...", "Kopier graf" and the
// "Glatte linjer" option, on the sheet in front.
#include "ui/vindue/GrafKommandoer.h"

#include <QAction>
#include <QMainWindow>
#include <QEventLoop>
#include <QPushButton>
#include <QTabWidget>

#include "graphs/Areal.h"
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "core/Brugerflade.h"
#include "ui/data/GrafEksportKommando.h"
#include "ui/dialoger/ArealUnderGrafDialogUnit.h"
#include "ui/dialoger/EksporterGrafDialogUnit.h"
#include "ui/dialoger/FourierTransformationDefinitionUnit.h"
#include "ui/dialoger/FunktionDialogUnit.h"
#include "ui/ark/TekstArk.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"

using namespace plotvik;

namespace {

constexpr int Opbygger = 2;  // Tilstand while a project is built

// The sheets' boxes into their structs before a command, and back after it,
// so that nothing typed into a sheet is lost by showing the result.
void TagAlleTilbage(TVinduesKerne& f) {
    for (int s = 1; s <= 3; ++s) f.TagGrafArkTilbage(s);
}
void VisAlle(TVinduesKerne& f) {
    for (int s = 1; s <= 3; ++s) f.VisGrafArk(s);
    const bool aktive = f.VaerktoejTilstand.FunktionsMenuerAktive;
    for (QAction* a : {f.DifferentialkvotientAfFunktionMenuItem, f.TegnTangentTilFunktionMenuItem,
                       f.ArealUnderFunktionMenuItem})
        if (a) a->setEnabled(aktive);
}

// Shows a dialog without blocking the window and lets events run until it
// has been closed with OK or Cancel.
bool VisOgVent(TPlotvikDialog* d) {
    if (d->VisesAllerede()) return false;  // already waited for; the first request answers
    d->OKValgt = d->AnnullerValgt = false;
    QEventLoop loekke;
    QObject::connect(d, &QDialog::finished, &loekke, &QEventLoop::quit);
    d->show();
    d->activateWindow();
    if (!d->OKValgt && !d->AnnullerValgt) loekke.exec();
    return d->OKValgt;
}

int Heltal(const std::string& s) { return TekstTilHeltal(s); }

const char* const KunGrafark = "Denne Menu kan kun anvendes p\xE5 grafarkene";

}  // namespace

void TGrafKommandoer::OpretDialoger() {
    if (!fourier_) fourier_ = new TFourierTransformationDialog(&k.Hovedvindue);
    if (!funktion_) funktion_ = new TFunktionDialogForm(&k.Hovedvindue);
    if (!areal_) areal_ = new TArealUnderGrafDialog(&k.Hovedvindue);
    if (!k.TegneTilstand.TegnFourierGraf) TilslutFourier(k.TegneTilstand);
}

void TGrafKommandoer::TegnMatematiskFunktionMenuItemClick() {
    OpretDialoger();
    TFunktionDialogForm* d = funktion_;
    if (!VisOgVent(d) || d->Funktion.empty()) return;
    TagAlleTilbage(k);
    IndtastFunktion(k.GrafArkene, k.VaerktoejTilstand, Heltal(d->TabelNo), Heltal(d->GrafNo), d->Funktion,
                    d->Definitionsmaengde);
    VisAlle(k);
}

void TGrafKommandoer::DifferentialkvotientAfFunktionMenuItemClick() {
    TagAlleTilbage(k);
    DifferentialkvotientAfFunktion(k.Projekt, k.GrafArkene, k.VaerktoejTilstand);
    VisAlle(k);
}

void TGrafKommandoer::TegnTangentTilFunktionMenuItemClick() {
    ArmerVaerktoej(k.VaerktoejTilstand, TVaerktoej::FunktionsTangent, k.ForrestGrafArk() != 0);
}

void TGrafKommandoer::AflaesFunktionsvaerdiMenuItemClick() {
    ArmerVaerktoej(k.VaerktoejTilstand, TVaerktoej::AflaesVaerdi, k.ForrestGrafArk() != 0);
}

void TGrafKommandoer::FindDifferentialKvotientMenuItemClick() {
    ArmerVaerktoej(k.VaerktoejTilstand, TVaerktoej::Differentialkvotient, k.ForrestGrafArk() != 0);
}

void TGrafKommandoer::TegnTangentPaaGrafMenuItemClick() {
    ArmerVaerktoej(k.VaerktoejTilstand, TVaerktoej::Tangent, k.ForrestGrafArk() != 0);
}

template <class Handling>
void TGrafKommandoer::Areal(Handling handling) {
    OpretDialoger();
    TArealUnderGrafDialog* d = areal_;
    if (!d->VisModalt()) return;
    TagAlleTilbage(k);
    handling(k.Projekt, k.GrafArkene, k.TegneTilstand, k.VaerktoejTilstand,
             TArealValg{d->Nedre, d->Oevre, Heltal(d->TabelNo), Heltal(d->GrafNo)}, k.ForrestGrafArk());
    VisAlle(k);
}

void TGrafKommandoer::ArealUnderGrafMenuItemClick() { Areal(ArealUnderGraf); }

void TGrafKommandoer::ArealUnderFunktionMenuItemClick() { Areal(ArealUnderFunktion); }

void TGrafKommandoer::FourierTransformationMenuItemClick() {
    if (k.Projekt.Tilstand != Opbygger) return;
    OpretDialoger();
    TFourierTransformationDialog* d = fourier_;
    if (d->VisesAllerede()) return;
    d->Forbered();
    if (!VisOgVent(d)) return;
    TFourierValg v;
    v.Uafhaengig = d->Uafhaengig;
    v.EnhedUafhaengig = d->EnhedUafhaengig;
    v.Afhaengig = d->Afhaengig;
    v.EnhedAfhaengig = d->EnhedAfhaengig;
    v.Koefficienter = d->Koefficienter;
    v.EnhedKoefficienter = d->EnhedKoefficienter;
    v.Positioner = d->Positioner;
    v.Decimaler = d->Decimaler;
    v.TabelNo = d->TabelNo;
    v.VisGrafisk = d->VisGrafisk;
    // The lines appear on the text sheet while the project is being built.
    for (const std::string& linie : OpbygFourier(k.Projekt, v))
        k.TekstSide->TilfoejLinie(linie);
    k.Projekt.TekstGemt = false;
}

void TGrafKommandoer::GrafImageMouseDown(int ark, Qt::MouseButton knap, int x, int y) {
    if (knap != Qt::LeftButton || ark < 1 || ark > 3) return;
    if (!k.VaerktoejTilstand.VaerktoejAktiv && !k.VaerktoejTilstand.FunktionsTangent) return;
    TagAlleTilbage(k);
    GrafKlik(k.Projekt, k.GrafArkene, k.TegneTilstand, k.VaerktoejTilstand, ark, x, y);
    VisAlle(k);
}

// ---------------------------------------------------------------- into a report

void TGrafKommandoer::EksporterGrafMenuItemClick() {
    const int s = k.ForrestGrafArk();
    TGrafArkSide* side = k.GrafSideNo(s);
    if (!side) {
        Flade().Informationsboks(KunGrafark);
        return;
    }
    side->TagTilbage();
    TEksporterGrafDialog dialog(&k.Hovedvindue);
    EksporterGrafKommando(dialog, plotvik::GrafSide(*side->Visning, side->Data()), s);
}

void TGrafKommandoer::KopierGrafMenuItemClick() {
    TGrafArkSide* side = k.GrafSideNo(k.ForrestGrafArk());
    if (!side) {
        Flade().Informationsboks(KunGrafark);
        return;
    }
    KopierGrafKommando(plotvik::GrafSide(*side->Visning, side->Data()));
}

void TGrafKommandoer::GlatteLinjerMenuItemClick() {
    SaetGlatteLinjer(k.GlatteLinjerMenuItem->isChecked());
    for (int s = 1; s <= 3; ++s)
        if (TGrafArkSide* side = k.GrafSideNo(s)) side->GrafBilledeWidget->update();
}
