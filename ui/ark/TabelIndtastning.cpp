// The keyboard input of a table sheet and the grids' own cell editing.
// The input does not sit in a loop of its own: it waits for the next key as
// any window waits for an event, so nothing spins while the student thinks,
// and menus, buttons and clicks stay live. The grid, its edit box and the
// "Målinger" box handle their own events and hand them to the sheet.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>

#include "core/Brugerflade.h"
#include "tabeller/Indtastning.h"
#include "ui/ark/CelleModel.h"
#include "ui/ark/TabelArk.h"
#include "ui/ark/TabelIndtastning.h"
#include "ui/ark/Tastatur.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

std::string Tal(int n) { return std::to_string(n); }

// The geometry of table t as the input rules see it; table 0 is one row of values.
TIndtastningsFelt Felt(const TProjekt& p, int t) {
    TIndtastningsFelt f = IndtastningsFelt(p.Tabeller[t]);
    if (t == 0) {
        f.TabelType = 'S';
        f.AntalRaekker = 2;
        f.AntalSoejler = p.Tabeller[0].AntalVariable;
    }
    return f;
}

char Type(const TProjekt& p, int t) { return t == 0 ? 'S' : (p.Tabeller[t].TabelType == 'R' ? 'R' : 'S'); }

}  // namespace

TTabelIndtastning::TTabelIndtastning(TProjekt& p, TIndtastningsTilstand& ind,
                                     const std::array<TTabelKontroller, 5>& kontroller, int foerste, int sidste,
                                     const TStopI& stopIndtastningI, const TSkrivCelleI& skrivCelleI)
    : p_(p), ind_(ind), k_(kontroller), foerste_(foerste), sidste_(sidste), stopIndtastningI_(stopIndtastningI),
      skrivCelleI_(skrivCelleI) {}

bool TTabelIndtastning::FriRedigering(int t) const { return !ind_.Programstyret[t]; }

// ---------------------------------------------------------------- keyboard input

void TTabelIndtastning::SkrivCelle(int t, int v, int k, const std::string& tekst) {
    if (skrivCelleI_) skrivCelleI_(t, v, k, tekst);
    else p_.Tabeller[t].Celler.SaetCelle(tekst, v, k);
}

// Puts the table's edit box over grid cell (r, c), 1-based, with the cell's text.
void TTabelIndtastning::VisFeltEdit(int t, int r, int c) {
    QTableView* g = k_[t].Grid;
    const QModelIndex i = k_[t].Model->index(r - 1, c - 1);
    g->scrollTo(i);
    const QRect celle = g->visualRect(i);
    int v = 0, k = 0;
    MatrixCelle(Type(p_, t), r, c, v, k);
    QLineEdit* e = k_[t].FeltEdit;
    e->setGeometry(celle.adjusted(1, 1, -1, -1));
    e->setText(TilQString(p_.Tabeller[t].Celler.HentCelle(v, k)));
    e->show();
    e->raise();
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

// Takes the edit box's text into the cell and checks it (a step of the input).
void TTabelIndtastning::TagFeltTekst(int t) {
    QLineEdit* e = k_[t].FeltEdit;
    const int r = ind_.IndtastRaekke[t], c = ind_.IndtastSoejle[t];
    const std::string tekst = Kort(FraQString(e->text()));
    e->hide();
    int v = 0, k = 0;
    MatrixCelle(Type(p_, t), r, c, v, k);
    SkrivCelle(t, v, k, tekst);
    k_[t].Model->VisBlok(r - 1, r - 1, c - 1, c - 1);
    if (tekst.empty()) return;
    bool fejl = false;
    const double x = TekstTilTal(tekst, fejl);
    if (!fejl || !p_.KontrolAfInddata) {
        Fejl = false;
        if (t == 0 && c >= 1 && c <= MaksVariable) p_.KonstantVaerdi[c] = fejl ? 0 : x;
    } else {
        Fejl = false;
        Flade().Bip();
        Flade().Fejlboks("Fejl i Tallet: " + tekst + "\n\r" + "Tabel No: " + Tal(t) + " og " + Tal(v) +
                         ". r\xE6kke og " + Tal(k) + " s\xF8jle");
    }
}

void TTabelIndtastning::IndtastTabel(int t, int r, int c) {
    if (!Ejer(t)) return;
    p_.AktivTabel = t;
    ind_.AktuelRaekke = r - 1;
    ind_.AktuelSoejle = c - 1;
    if (FriRedigering(t)) {
        ind_.AktuelRaekke = ind_.AktuelSoejle = -1;
        ind_.IndtastningAktiv[t] = false;
        k_[t].Grid->setCurrentIndex(k_[t].Model->index(r - 1, c - 1));
        k_[t].Grid->setFocus();
        return;
    }
    if (!ErInddataCelle(Felt(p_, t), r, c)) return;
    ind_.IndtastningAktiv[t] = true;
    ind_.SpringTil[t] = false;
    ind_.TastAfsluttet[t] = false;
    ind_.TastTrykket = false;
    ind_.IndtastRaekke[t] = r;
    ind_.IndtastSoejle[t] = c;
    VisFeltEdit(t, r, c);
}

// A navigation key in the edit box: store the cell, then move by the rules.
void TTabelIndtastning::TastIFelt(int t, int tast) {
    ind_.TastAfsluttet[t] = true;
    ind_.TastTrykket = true;
    ind_.SidsteTast = tast;
    if (!ind_.IndtastningAktiv[t]) {
        k_[t].FeltEdit->hide();
        return;
    }
    TagFeltTekst(t);
    if (!ind_.IndtastningAktiv[t]) return;  // a box shown meanwhile may have led elsewhere
    const TFlytning n = FlytIndtastning(Felt(p_, t), ind_.IndtastRaekke[t], ind_.IndtastSoejle[t], tast);
    if (n.Bip) Flade().Bip();
    ind_.AktuelRaekke = n.Raekke - 1;
    ind_.AktuelSoejle = n.Soejle - 1;
    if (n.Slut) {
        ind_.IndtastningAktiv[t] = false;
        return;
    }
    ind_.IndtastRaekke[t] = n.Raekke;
    ind_.IndtastSoejle[t] = n.Soejle;
    ind_.TastAfsluttet[t] = false;
    ind_.TastTrykket = false;
    VisFeltEdit(t, n.Raekke, n.Soejle);
}

// The edit box lost the focus without a navigation key: keep what was typed.
void TTabelIndtastning::FeltForladt(int t) {
    QLineEdit* e = k_[t].FeltEdit;
    const int r = ind_.IndtastRaekke[t], c = ind_.IndtastSoejle[t];
    int v = 0, k = 0;
    MatrixCelle(Type(p_, t), r, c, v, k);
    SkrivCelle(t, v, k, Kort(FraQString(e->text())));
    e->hide();
    k_[t].Model->VisBlok(r - 1, r - 1, c - 1, c - 1);
    GemRedigeretCelle(t, r - 1, c - 1);
}

void TTabelIndtastning::FeltFokusMistet(int t, QFocusEvent* fe) {
    QLineEdit* edit = k_[t].FeltEdit;
    if (!edit->isVisible() || !ind_.IndtastningAktiv[t]) return;
    // A menu opened meanwhile (by the mouse or by its access key) lets the input wait.
    if (fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason ||
        fe->reason() == Qt::MenuBarFocusReason)
        return;
    // A click into the same grid is a jump, handled with the click.
    if (QApplication::focusWidget() == k_[t].Grid) return;
    FeltForladt(t);
}

bool TTabelIndtastning::KlikIGrid(int t, QMouseEvent* me) {
    if (me->button() != Qt::LeftButton) return false;
    const QModelIndex i = k_[t].Grid->indexAt(me->position().toPoint());
    if (!i.isValid()) return false;
    // A "\xB1" cell is only read: a click there changes nothing.
    if (k_[t].Model->ErUsikkerhedsCelle(i)) return true;
    const int aktiv = p_.AktivTabel;
    if (t == aktiv) ind_.TastAfsluttet[t] = true;
    else if (aktiv >= 0 && aktiv <= MaksTabeller && ind_.IndtastningAktiv[aktiv]) {
        if (Ejer(aktiv)) StopIndtastning(aktiv);
        else if (stopIndtastningI_) stopIndtastningI_(aktiv);
    }
    if (FriRedigering(t)) {
        p_.AktivTabel = t;
        ind_.AktuelRaekke = i.row();
        ind_.AktuelSoejle = i.column();
        return false;
    }
    const int r = i.row() + 1, c = i.column() + 1;
    QLineEdit* edit = k_[t].FeltEdit;
    if (!ErInddataCelle(Felt(p_, t), r, c)) {
        if (ind_.IndtastningAktiv[t] && !edit->isHidden()) FeltForladt(t);
        return true;
    }
    if (!ind_.IndtastningAktiv[t]) {
        IndtastTabel(t, r, c);
    } else {
        // A jump: the cell being typed is taken as with Enter, then input goes on at the click.
        ind_.SpringRaekke = r;
        ind_.SpringSoejle = c;
        ind_.SpringTil[t] = true;
        ind_.SidsteTast = Tast::Enter;
        if (!edit->isHidden()) TagFeltTekst(t);
        ind_.SpringTil[t] = false;
        if (ind_.IndtastningAktiv[t]) IndtastTabel(t, r, c);
    }
    return true;
}

// The keyboard's way into a grid whose input the program controls: Enter or
// F2 starts the input at the current cell, or at the first input cell, as a
// click there does.
bool TTabelIndtastning::TastIGrid(int t, QKeyEvent* e) {
    if (FriRedigering(t) || ind_.IndtastningAktiv[t] || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter && e->key() != Qt::Key_F2) return false;
    const TIndtastningsFelt f = Felt(p_, t);
    const QModelIndex i = k_[t].Grid->currentIndex();
    int r = Type(p_, t) == 'R' ? 1 : 2, c = Type(p_, t) == 'R' ? 2 : 1;
    if (i.isValid() && ErInddataCelle(f, i.row() + 1, i.column() + 1)) r = i.row() + 1, c = i.column() + 1;
    if (!ErInddataCelle(f, r, c)) return false;
    IndtastTabel(t, r, c);
    return true;
}

void TTabelIndtastning::StopIndtastning(int t) {
    if (!Ejer(t)) return;
    if (k_[t].Grid) k_[t].Grid->GemAabenCelle();
    QLineEdit* e = k_[t].FeltEdit;
    if (ind_.IndtastningAktiv[t] && e && !e->isHidden()) {
        const int r = ind_.IndtastRaekke[t], c = ind_.IndtastSoejle[t];
        int v = 0, k = 0;
        MatrixCelle(Type(p_, t), r, c, v, k);
        SkrivCelle(t, v, k, Kort(FraQString(e->text())));
        k_[t].Model->VisBlok(r - 1, r - 1, c - 1, c - 1);
    }
    ind_.IndtastningAktiv[t] = false;
    ind_.SpringTil[t] = false;
    if (e) e->hide();
}

void TTabelIndtastning::GemRedigeretCelle(int t, int raekke, int soejle) {
    if (!Ejer(t) || raekke < 0 || soejle < 0) return;
    if (k_[t].Model->ErFastCelle(raekke, soejle)) return;
    int v = 0, k = 0;
    MatrixCelle(Type(p_, t), raekke + 1, soejle + 1, v, k);
    TTabelDef& T = p_.Tabeller[t];
    if (v < 1 || v > T.AntalVariable) return;
    const std::string tekst = T.Celler.HentCelle(v, k);
    ind_.AktuelRaekke = raekke;
    ind_.AktuelSoejle = soejle;
    if (tekst.empty()) return;
    bool fejl = false;
    const double x = TekstTilTal(tekst, fejl);
    Fejl = fejl;
    if (!fejl) {
        if (t == 0 && soejle + 1 <= MaksVariable) p_.KonstantVaerdi[soejle + 1] = x;
    } else {
        VisFejl("Fejl i Tallet: \"" + tekst + "\"\n\rTabel No: " + Tal(t) + (Type(p_, t) == 'R' ? " og " : ": ") +
                Tal(v) + ". r\xE6kke og " + Tal(k) + " s\xF8jle");
    }
    Fejl = false;
}

