// Functions on the graph sheets, the graph tools, areas and Fourier: the
// window takes the sheets' boxes back, the engine does the work on the sheet
// structs and images, and the window shows the result.
#include <QAction>
#include <QEventLoop>
#include <QPushButton>
#include <QTabWidget>

#include "graphs/Areal.h"
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "ui/dialoger/ArealUnderGrafDialogUnit.h"
#include "ui/dialoger/FourierTransformationDefinitionUnit.h"
#include "ui/dialoger/FunktionDialogUnit.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/ark/TekstArk.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

constexpr int Opbygger = 2;  // Tilstand while a project is built

// The graph sheet shown (1..3), or 0 when another page is in front.
int VistGrafArk(const TPlotvikForm& f) {
    QWidget* side = f.SideKontrol ? f.SideKontrol->currentWidget() : nullptr;
    for (int s = 1; s <= 3; ++s)
        if (side && side == f.Ark[s + 2]) return s;
    return 0;
}

// The sheets' boxes into their structs before a command, and back after it,
// so that nothing typed into a sheet is lost by showing the result.
void TagAlleTilbage(TPlotvikForm& f) {
    for (int s = 1; s <= 3; ++s) f.TagGrafArkTilbage(s);
}
void VisAlle(TPlotvikForm& f) {
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

}  // namespace

void TPlotvikForm::OpretVaerktoejsDialoger() {
    if (!FourierTransformationDialog) FourierTransformationDialog = new TFourierTransformationDialog(this);
    if (!FunktionDialogForm) FunktionDialogForm = new TFunktionDialogForm(this);
    if (!ArealUnderGrafDialog) ArealUnderGrafDialog = new TArealUnderGrafDialog(this);
    if (!TegneTilstand.TegnFourierGraf) TilslutFourier(TegneTilstand);
}

void TPlotvikForm::TegnMatematiskFunktionMenuItemClick() {
    OpretVaerktoejsDialoger();
    TFunktionDialogForm* d = FunktionDialogForm;
    if (!VisOgVent(d) || d->Funktion.empty()) return;
    TagAlleTilbage(*this);
    IndtastFunktion(GrafArkene, VaerktoejTilstand, Heltal(d->TabelNo), Heltal(d->GrafNo), d->Funktion,
                    d->Definitionsmaengde);
    VisAlle(*this);
}

void TPlotvikForm::DifferentialkvotientAfFunktionMenuItemClick() {
    TagAlleTilbage(*this);
    DifferentialkvotientAfFunktion(Projekt, GrafArkene, VaerktoejTilstand);
    VisAlle(*this);
}

void TPlotvikForm::TegnTangentTilFunktionMenuItemClick() {
    ArmerVaerktoej(VaerktoejTilstand, TVaerktoej::FunktionsTangent, VistGrafArk(*this) != 0);
}

void TPlotvikForm::AflaesFunktionsvaerdiMenuItemClick() {
    ArmerVaerktoej(VaerktoejTilstand, TVaerktoej::AflaesVaerdi, VistGrafArk(*this) != 0);
}

void TPlotvikForm::FindDifferentialKvotientMenuItemClick() {
    ArmerVaerktoej(VaerktoejTilstand, TVaerktoej::Differentialkvotient, VistGrafArk(*this) != 0);
}

void TPlotvikForm::TegnTangentPaaGrafMenuItemClick() {
    ArmerVaerktoej(VaerktoejTilstand, TVaerktoej::Tangent, VistGrafArk(*this) != 0);
}

namespace {

template <class Handling>
void Areal(TPlotvikForm& f, Handling handling) {
    f.OpretVaerktoejsDialoger();
    TArealUnderGrafDialog* d = f.ArealUnderGrafDialog;
    if (!d->VisModalt()) return;
    TagAlleTilbage(f);
    handling(f.Projekt, f.GrafArkene, f.TegneTilstand, f.VaerktoejTilstand,
             TArealValg{d->Nedre, d->Oevre, Heltal(d->TabelNo), Heltal(d->GrafNo)}, VistGrafArk(f));
    VisAlle(f);
}

}  // namespace

void TPlotvikForm::ArealUnderGrafMenuItemClick() { Areal(*this, ArealUnderGraf); }

void TPlotvikForm::ArealUnderFunktionMenuItemClick() { Areal(*this, ArealUnderFunktion); }

void TPlotvikForm::FourierTransformationMenuItemClick() {
    if (Projekt.Tilstand != Opbygger) return;
    OpretVaerktoejsDialoger();
    TFourierTransformationDialog* d = FourierTransformationDialog;
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
    for (const std::string& linie : OpbygFourier(Projekt, v))
        TekstSide->TilfoejLinie(linie);
    Projekt.TekstGemt = false;
}

void TPlotvikForm::GrafImageMouseDown(int ark, Qt::MouseButton knap, int x, int y) {
    if (knap != Qt::LeftButton || ark < 1 || ark > 3) return;
    if (!VaerktoejTilstand.VaerktoejAktiv && !VaerktoejTilstand.FunktionsTangent) return;
    TagAlleTilbage(*this);
    GrafKlik(Projekt, GrafArkene, TegneTilstand, VaerktoejTilstand, ark, x, y);
    VisAlle(*this);
}
