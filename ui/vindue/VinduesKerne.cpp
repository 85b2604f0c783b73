// The dispatch of a table's or a graph sheet's command to the sheet that
// holds it, and the undo and autosave parts every command group shares.
#include "ui/vindue/VinduesKerne.h"

#include <QMainWindow>
#include <QTabWidget>
#include <QUndoStack>

#include "ui/ark/TekstArk.h"
#include "ui/fortryd/Autogem.h"
#include "ui/fortryd/Fortryd.h"

using namespace plotvik;

TVinduesKerne::TVinduesKerne(QMainWindow& hovedvindue) : Hovedvindue(hovedvindue) {}

TVinduesKerne::~TVinduesKerne() = default;

void TVinduesKerne::VisArk(int ark) {
    if (ark >= 1 && ark <= 6) SideKontrol->setCurrentWidget(Ark[ark]);
}

int TVinduesKerne::ForrestGrafArk() const {
    QWidget* side = SideKontrol ? SideKontrol->currentWidget() : nullptr;
    for (int s = 1; s <= 3; ++s)
        if (side && side == Ark[s + 2]) return s;
    return 0;
}

std::string TVinduesKerne::MemoTekst() const { return TekstSide->Tekst(); }

void TVinduesKerne::SaetMemoTekst(const std::string& tekst) { TekstSide->SaetTekst(tekst); }

// ---------------------------------------------------------------- dispatch to the sheets

TTabelArk* TVinduesKerne::TabelSideFor(int t) const {
    if (t < 0 || t > MaksTabeller) return nullptr;
    return TabelSide[TTabelArk::ArkForTabel(t)];
}

const TTabelKontroller& TVinduesKerne::TabelKontroller(int t) const {
    static const TTabelKontroller ingen{};
    TTabelArk* side = TabelSideFor(t);
    return side ? side->K(t) : ingen;
}

const QImage& TVinduesKerne::GrafBilledeFor(int s) {
    static const QImage ingen;
    return GrafSideNo(s) ? GrafSide[s]->GrafImage() : ingen;
}

TGrafVisning* TVinduesKerne::GrafVisningFor(int s) { return GrafSideNo(s) ? GrafSide[s]->Visning.get() : nullptr; }

void TVinduesKerne::OpsaetTabelGrid(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->OpsaetTabelGrid(t);
}

void TVinduesKerne::IndtastTabel(int t, int r, int c) {
    if (TTabelArk* side = TabelSideFor(t)) side->IndtastTabel(t, r, c);
}

void TVinduesKerne::StopIndtastning(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->StopIndtastning(t);
}

void TVinduesKerne::StopAlIndtastning() {
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
}

void TVinduesKerne::UdregnTabelButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->UdregnTabelButtonClick(t);
}

void TVinduesKerne::AntalMaalingerButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->AntalMaalingerButtonClick(t);
}

void TVinduesKerne::IndLaesTabelButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->IndLaesTabelButtonClick(t);
}

void TVinduesKerne::SaetProgramstyring(int t, bool programstyret) {
    if (TTabelArk* side = TabelSideFor(t)) side->SaetProgramstyring(t, programstyret);
}

void TVinduesKerne::VisTabelGrafer(int t) {
    if (t < 1 || t > MaksTabeller) return;
    const TTabelDef& T = Projekt.Tabeller[t];
    for (int g = 1; g <= MinHel(T.AntalGrafer, MaksGrafer); ++g)
        if (TGrafArkSide* side = GrafSideNo(T.Grafer[g].GrafArkNo)) side->VisTabelGraf(T.Grafer[g]);
}

void TVinduesKerne::TagGrafArkTilbage(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TagTilbage();
}

void TVinduesKerne::VisGrafArk(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->Vis();
}

void TVinduesKerne::TegnGrafButtonClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TegnGrafButtonClick();
}

void TVinduesKerne::StatistikCheckBoxClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->StatistikCheckBoxClick();
}

void TVinduesKerne::TegnFunktionButtonClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TegnFunktionButtonClick();
}

// ---------------------------------------------------------------- undo and autosave

TFortrydDele TVinduesKerne::FortrydDele() {
    return TFortrydDele{Projekt, GrafArkene, [this](int t) -> const TTabelKontroller& { return TabelKontroller(t); },
                        [this](int t) { OpsaetTabelGrid(t); }, [this](int s) { TagGrafArkTilbage(s); },
                        [this](int s) { VisGrafArk(s); }};
}

void TVinduesKerne::NytFortrydForloeb() {
    if (Fortryd) Fortryd->clear();
}

void TVinduesKerne::DataAendret() {
    if (Autogem) Autogem->Aendret();
}

bool TVinduesKerne::HarArbejde() const {
    return Projekt.AntalTabeller > 0 || Projekt.AntalKonstanter > 0 || !MemoTekst().empty();
}
