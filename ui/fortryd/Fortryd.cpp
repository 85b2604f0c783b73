// The undo steps of the data and the table states they bring back.
#include "ui/fortryd/Fortryd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ark/CelleModel.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/ark/TabelArk.h"

using namespace plotvik;

namespace {

bool SammeCeller(const TTekstMatrix& a, const TTekstMatrix& b) {
    if (a.Raekker() != b.Raekker() || a.Soejler() != b.Soejler()) return false;
    for (int r = 1; r <= a.Raekker(); ++r)
        for (int s = 1; s <= a.Soejler(); ++s)
            if (a.Celle(r, s) != b.Celle(r, s)) return false;
    return true;
}

}  // namespace

TTabelTilstand TagTabelTilstand(TPlotvikForm& f, int t) {
    TTabelTilstand s;
    s.Tabel = t;
    const TTabelDef& T = f.Projekt.Tabeller[t];
    s.Celler = T.Celler;
    s.Konstanter = f.Projekt.Tabeller[0].Celler;
    s.AntalIndgange = T.AntalIndgange;
    s.KonstantVaerdi = f.Projekt.KonstantVaerdi;
    const TTabelKontroller& k = f.TabelKontroller(t);
    if (t >= 1 && k.GennemsnitEdit) {
        s.Variabeludtryk = k.VariabeludtrykEdit->text();
        s.Gennemsnit = k.GennemsnitEdit->text();
        s.Varians = k.VariansEdit->text();
        s.GnsVist = !k.GennemsnitEdit->isHidden() && k.GennemsnitEdit->isEnabled();
        s.KnapperAktive = k.BeregnTabelButton->isEnabled();
    }
    for (int a = 1; a <= 3; ++a) {
        f.TagGrafArkTilbage(a);
        s.GrafArk[a] = f.GrafArkene.Ark[a];
        s.GrafArk[a].Billede = nullptr;
    }
    return s;
}

void SaetTabelTilstand(TPlotvikForm& f, const TTabelTilstand& s) {
    const int t = s.Tabel;
    TTabelDef& T = f.Projekt.Tabeller[t];
    T.Celler = s.Celler;
    f.Projekt.Tabeller[0].Celler = s.Konstanter;
    f.Projekt.KonstantVaerdi = s.KonstantVaerdi;
    const TTabelKontroller& k = f.TabelKontroller(t);
    if (t >= 1 && k.AntalMaalingerSpinEdit) {
        T.AntalIndgange = s.AntalIndgange;
        k.AntalMaalingerSpinEdit->setValue(s.AntalIndgange);
        f.OpsaetTabelGrid(t);
        k.VariabeludtrykEdit->setText(s.Variabeludtryk);
        k.GennemsnitEdit->setText(s.Gennemsnit);
        k.VariansEdit->setText(s.Varians);
        for (QWidget* w : {static_cast<QWidget*>(k.VariabelLabel), static_cast<QWidget*>(k.VariabeludtrykEdit),
                           static_cast<QWidget*>(k.GnsLabel), static_cast<QWidget*>(k.GennemsnitEdit),
                           static_cast<QWidget*>(k.VariansLabel), static_cast<QWidget*>(k.VariansEdit)}) {
            w->setVisible(s.GnsVist);
            w->setEnabled(s.GnsVist);
        }
        for (QPushButton* b : {k.IndLaesTabelButton, k.BeregnTabelButton}) {
            if (s.KnapperAktive) b->show();
            b->setEnabled(s.KnapperAktive);
        }
    }
    if (k.Model) k.Model->VisAlt();
    if (TCelleModel* m = f.CelleModel[0]) m->VisAlt();
    for (int a = 1; a <= 3; ++a) {
        Laerred* billede = f.GrafArkene.Ark[a].Billede;
        f.GrafArkene.Ark[a] = s.GrafArk[a];
        f.GrafArkene.Ark[a].Billede = billede;
        f.VisGrafArk(a);
    }
}

bool DataForskellige(const TTabelTilstand& a, const TTabelTilstand& b) {
    return a.AntalIndgange != b.AntalIndgange || a.KonstantVaerdi != b.KonstantVaerdi ||
           !SammeCeller(a.Celler, b.Celler) || !SammeCeller(a.Konstanter, b.Konstanter);
}

// ---------------------------------------------------------------- one cell

TCelleKommando::TCelleKommando(TPlotvikForm& f, int t, int v, int k, std::string ny)
    : f_(f), tabel_(t), variabel_(v), kolonne_(k), ny_(std::move(ny)) {
    setText(QStringLiteral("indtastning"));
    gammel_ = f.Projekt.Tabeller[t].Celler.HentCelle(v, k);
    if (t == 0 && v >= 1 && v <= MaksVariable) gammelKonstant_ = f.Projekt.KonstantVaerdi[v];
}

void TCelleKommando::Skriv(const std::string& tekst, double konstant) {
    f_.Projekt.Tabeller[tabel_].Celler.SaetCelle(tekst, variabel_, kolonne_);
    if (tabel_ == 0 && variabel_ >= 1 && variabel_ <= MaksVariable) f_.Projekt.KonstantVaerdi[variabel_] = konstant;
    if (TCelleModel* m = f_.CelleModel[tabel_]) m->VisAlt();
}

void TCelleKommando::redo() {
    if (foerste_) {
        // The typing itself decides the constant's value after this write.
        foerste_ = false;
        f_.Projekt.Tabeller[tabel_].Celler.SaetCelle(ny_, variabel_, kolonne_);
        return;
    }
    Skriv(ny_, nyKonstant_);
}

void TCelleKommando::undo() {
    if (tabel_ == 0 && variabel_ >= 1 && variabel_ <= MaksVariable) nyKonstant_ = f_.Projekt.KonstantVaerdi[variabel_];
    Skriv(gammel_, gammelKonstant_);
}

// ---------------------------------------------------------------- a whole table

TTabelKommando::TTabelKommando(TPlotvikForm& f, const QString& tekst, TTabelTilstand foer, TTabelTilstand efter)
    : f_(f), foer_(std::move(foer)), efter_(std::move(efter)) {
    setText(tekst);
}

void TTabelKommando::redo() {
    if (foerste_) {
        foerste_ = false;
        return;
    }
    SaetTabelTilstand(f_, efter_);
}

void TTabelKommando::undo() { SaetTabelTilstand(f_, foer_); }
