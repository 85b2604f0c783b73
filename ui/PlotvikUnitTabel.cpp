// The table sheets: grid layout, "Målinger", "Indlæs", "Beregn", the
// program-controlled keyboard input, free editing and the mean/variance row.
// The input does not sit in a loop of its own: it waits for the next key as
// any window waits for an event, so nothing spins while the student thinks,
// and menus, buttons and clicks stay live.
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

#include "core/Brugerflade.h"
#include "core/Indtastning.h"
#include "core/TabelBeregning.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "ui/CelleModel.h"
#include "ui/PlotvikUnit.h"
#include "ui/PlotvikUnitIntern.h"
#include "ui/Tegnsaet.h"

using namespace plotvik;

namespace {

int SoejleBredde(const TPlotvikForm& f, int t) {
    const int b = f.Projekt.Tabeller[t].TabelBredde * PixelPrTegn;
    return b > 0 ? b : StandardSoejleBredde;
}

// The largest height of each table's grid.
int MaksHoejde(const TProjekt& p, int t) {
    switch (t) {
        case 1: return p.AntalTabeller == 1 ? 385 : 195;
        case 2: return 150;
        case 3: return p.AntalTabeller == 3 ? 385 : 195;
        default: return 195;
    }
}

bool GyldigTabel(const TProjekt& p, int t) { return t >= 1 && t <= p.AntalTabeller && t <= MaksTabeller; }

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

// ---------------------------------------------------------------- layout

void TPlotvikForm::SaetProgramstyring(int t, bool programstyret) {
    if (t < 0 || t > MaksTabeller) return;
    Programstyret[t] = programstyret;
    if (!programstyret && IndtastningAktiv[t]) StopIndtastning(t);
    TabelGrid[t]->setSelectionMode(programstyret ? QAbstractItemView::NoSelection
                                                 : QAbstractItemView::SingleSelection);
}

void TPlotvikForm::OpsaetTabelGrid(int t) {
    if (t < 1 || t > MaksTabeller) return;
    TTabelDef& T = Projekt.Tabeller[t];
    T.AntalIndgange = AntalMaalingerSpinEdit[t]->value();
    SaetTabelStoerrelse(T);
    QTableView* g = TabelGrid[t];
    const int cw = SoejleBredde(*this, t);
    g->horizontalHeader()->setDefaultSectionSize(cw + 1);
    g->verticalHeader()->setDefaultSectionSize(RaekkeHoejde + 1);
    CelleModel[t]->Opdater();

    int bredde = T.AntalSoejler * (cw + 1) + 3;
    int hoejde = T.AntalRaekker * (RaekkeHoejde + 1) + 3;
    const bool forBred = bredde > 790;
    if (forBred) bredde = 790;
    const int maks = MaksHoejde(Projekt, t);
    const bool forHoej = hoejde > maks;
    if (forHoej) hoejde = maks;
    if (forBred) hoejde += 20;
    if (forHoej) bredde += 20;
    g->setHorizontalScrollBarPolicy(forBred ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(forHoej ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (forBred || forHoej) {
        // Program-controlled input needs the whole table in view.
        SaetProgramstyring(t, false);
        ProgramstyringMulig[t] = false;
    } else {
        ProgramstyringMulig[t] = true;
    }
    g->resize(bredde, hoejde);
    TabelFeltEdit[t]->resize(cw, RaekkeHoejde);
    g->show();
    PlacerGnsRaekke(*this, t);
    VisOverskrifter(t);
}

void TPlotvikForm::VisOverskrifter(int t) {
    if (t < 0 || t > MaksTabeller) return;
    if (Type(Projekt, t) == 'R') CelleModel[t]->VisBlok(0, CelleModel[t]->rowCount() - 1, 0, 0);
    else CelleModel[t]->VisBlok(0, t == 0 ? 1 : 0, 0, CelleModel[t]->columnCount() - 1);
}

void TPlotvikForm::VisCelleblok(int t, int r1, int r2, int c1, int c2) {
    if (t < 0 || t > MaksTabeller) return;
    CelleModel[t]->VisBlok(r1 - 1, r2 - 1, c1 - 1, c2 - 1);  // the blocks are 1-based
}

// ---------------------------------------------------------------- "Målinger", "Indlæs", "Beregn"

void TPlotvikForm::AntalMaalingerButtonClick(int t) {
    if (!GyldigTabel(Projekt, t)) return;
    TTabelDef& T = Projekt.Tabeller[t];
    const int n = AntalMaalingerSpinEdit[t]->value();
    if (n > T.AntalIndgange) {
        // A larger table starts empty: the values typed before are dropped.
        StopIndtastning(t);
        T.AntalIndgange = n;
        T.Celler.Frigiv();
        AnalyserTabel(Projekt, t);
    }
    if (Fejl) {
        Fejl = false;
        return;
    }
    OpsaetTabelGrid(t);
    for (QPushButton* k : {IndLaesTabelButton[t], BeregnTabelButton[t]}) {
        k->show();
        k->setEnabled(true);
    }
}

void TPlotvikForm::IndLaesTabelButtonClick(int t) {
    if (!GyldigTabel(Projekt, t)) return;
    const TTabelDef& T = Projekt.Tabeller[t];
    Projekt.AktivTabel = t;
    if (!TastaturRadioButton[t]->isChecked()) {
        StopIndtastning(t);
        Fejl = false;
        IndlaesDataFil(Projekt, t);
        Fejl = false;
        if (T.TabelType == 'R') VisCelleblok(t, 1, T.AntalInddata, 2, T.AntalIndgange + 1);
        else VisCelleblok(t, 2, T.AntalIndgange + 1, 1, T.AntalInddata);
        return;
    }
    if (T.AntalInddata < 1) return;  // nothing to type
    if (T.TabelType == 'R') IndtastTabel(t, 1, 2);
    else IndtastTabel(t, 2, 1);
}

void TPlotvikForm::UdregnTabelButtonClick(int t) {
    if (!GyldigTabel(Projekt, t)) return;
    // The graph buttons work on the table last computed.
    Projekt.AktivTabel = t;
    {
        Timeglas timeglas;
        BeregnTabel(Projekt, t);
    }
    const TTabelDef& T = Projekt.Tabeller[t];
    CelleModel[t]->VisAlt();
    if (T.VisGnsOgVarians) {
        for (QWidget* w : {static_cast<QWidget*>(VariabelLabel[t]), static_cast<QWidget*>(VariabeludtrykEdit[t]),
                           static_cast<QWidget*>(GnsLabel[t]), static_cast<QWidget*>(GennemsnitEdit[t]),
                           static_cast<QWidget*>(VariansLabel[t]), static_cast<QWidget*>(VariansEdit[t])}) {
            w->setEnabled(true);
            w->show();
        }
    }
    for (int g = 1; g <= MinHel(T.AntalGrafer, MaksGrafer); ++g) {
        const TGrafDef& graf = T.Grafer[g];
        const int s = graf.GrafArkNo;
        if (s < 1 || s > 3) continue;
        TagGrafArkTilbage(s);
        TGrafArk& a = GrafArkene.Ark[s];
        a.Overskrift = graf.GrafNavn;
        a.XAkse = graf.XGraf;
        a.YAkse = graf.YGraf;
        a.XMinTekst = FormaterTal(8, 0, graf.XMin);
        a.XMaxTekst = FormaterTal(8, 0, graf.XMax);
        a.YMinTekst = FormaterTal(8, 0, graf.YMin);
        a.YMaxTekst = FormaterTal(8, 0, graf.YMax);
        std::string type;
        switch (graf.GrafType) {
            case 'B': type = "Bezierfit"; break;
            case 'M': type = "Modelfit"; break;
            case 'P': type = "Polynomiumsfit"; break;
            case 'R': type = "Regressionslinie"; break;
            case 'S': type = "Splinefit"; break;
            default: break;
        }
        a.GrafTypeTekst = "Graftype: " + type;
        a.PolGradSynlig = graf.GrafType == 'P';
        a.PolGradTekst = std::string(s == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: ") +
                         (a.PolGradSynlig ? Tal(graf.PolGrad) : std::string());
        a.FelterSynlige = true;
        VisGrafArk(s);
    }
}

// ---------------------------------------------------------------- keyboard input

namespace {

// Puts the table's edit box over grid cell (r, c), 1-based, with the cell's text.
void VisFeltEdit(TPlotvikForm& f, int t, int r, int c) {
    QTableView* g = f.TabelGrid[t];
    const QModelIndex i = f.CelleModel[t]->index(r - 1, c - 1);
    g->scrollTo(i);
    const QRect celle = g->visualRect(i);
    int v = 0, k = 0;
    MatrixCelle(Type(f.Projekt, t), r, c, v, k);
    QLineEdit* e = f.TabelFeltEdit[t];
    e->setGeometry(celle.adjusted(1, 1, -1, -1));
    e->setText(TilQString(f.Projekt.Tabeller[t].Celler.HentCelle(v, k)));
    e->show();
    e->raise();
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

// Takes the edit box's text into the cell and checks it (a step of the input).
void TagFeltTekst(TPlotvikForm& f, int t) {
    QLineEdit* e = f.TabelFeltEdit[t];
    const int r = f.IndtastRaekke[t], c = f.IndtastSoejle[t];
    const std::string tekst = Kort(FraQString(e->text()));
    e->hide();
    int v = 0, k = 0;
    MatrixCelle(Type(f.Projekt, t), r, c, v, k);
    f.Projekt.Tabeller[t].Celler.SaetCelle(tekst, v, k);
    f.CelleModel[t]->VisBlok(r - 1, r - 1, c - 1, c - 1);
    if (tekst.empty()) return;
    bool fejl = false;
    const double x = TekstTilTal(tekst, fejl);
    if (!fejl || !f.Projekt.KontrolAfInddata) {
        Fejl = false;
        if (t == 0 && c >= 1 && c <= MaksVariable) f.Projekt.KonstantVaerdi[c] = fejl ? 0 : x;
    } else {
        Fejl = false;
        Flade().Bip();
        Flade().Fejlboks("Fejl i Tallet: " + tekst + "\n\r" + "Tabel No: " + Tal(t) + " og " + Tal(v) +
                         ". r\xE6kke og " + Tal(k) + " s\xF8jle");
    }
}

}  // namespace

void TPlotvikForm::IndtastTabel(int t, int r, int c) {
    if (t < 0 || t > MaksTabeller) return;
    Projekt.AktivTabel = t;
    AktuelRaekke = r - 1;
    AktuelSoejle = c - 1;
    if (FriRedigering(t)) {
        AktuelRaekke = AktuelSoejle = -1;
        IndtastningAktiv[t] = false;
        TabelGrid[t]->setCurrentIndex(CelleModel[t]->index(r - 1, c - 1));
        TabelGrid[t]->setFocus();
        return;
    }
    if (!ErInddataCelle(Felt(Projekt, t), r, c)) return;
    IndtastningAktiv[t] = true;
    SpringTil[t] = false;
    TastAfsluttet[t] = false;
    TastTrykket = false;
    IndtastRaekke[t] = r;
    IndtastSoejle[t] = c;
    VisFeltEdit(*this, t, r, c);
}

// A navigation key in the edit box: store the cell, then move by the rules.
static void TastIFelt(TPlotvikForm& f, int t, int tast) {
    f.TastAfsluttet[t] = true;
    f.TastTrykket = true;
    f.SidsteTast = tast;
    if (!f.IndtastningAktiv[t]) {
        f.TabelFeltEdit[t]->hide();
        return;
    }
    TagFeltTekst(f, t);
    if (!f.IndtastningAktiv[t]) return;  // a box shown meanwhile may have led elsewhere
    const TFlytning n = FlytIndtastning(Felt(f.Projekt, t), f.IndtastRaekke[t], f.IndtastSoejle[t], tast);
    if (n.Bip) Flade().Bip();
    f.AktuelRaekke = n.Raekke - 1;
    f.AktuelSoejle = n.Soejle - 1;
    if (n.Slut) {
        f.IndtastningAktiv[t] = false;
        return;
    }
    f.IndtastRaekke[t] = n.Raekke;
    f.IndtastSoejle[t] = n.Soejle;
    f.TastAfsluttet[t] = false;
    f.TastTrykket = false;
    VisFeltEdit(f, t, n.Raekke, n.Soejle);
}

// The edit box lost the focus without a navigation key: keep what was typed.
static void FeltForladt(TPlotvikForm& f, int t) {
    QLineEdit* e = f.TabelFeltEdit[t];
    const int r = f.IndtastRaekke[t], c = f.IndtastSoejle[t];
    int v = 0, k = 0;
    MatrixCelle(Type(f.Projekt, t), r, c, v, k);
    f.Projekt.Tabeller[t].Celler.SaetCelle(Kort(FraQString(e->text())), v, k);
    e->hide();
    f.CelleModel[t]->VisBlok(r - 1, r - 1, c - 1, c - 1);
    f.GemRedigeretCelle(t, r - 1, c - 1);
}

void TPlotvikForm::StopIndtastning(int t) {
    if (t < 0 || t > MaksTabeller) return;
    QLineEdit* e = TabelFeltEdit[t];
    if (IndtastningAktiv[t] && e && !e->isHidden()) {
        const int r = IndtastRaekke[t], c = IndtastSoejle[t];
        int v = 0, k = 0;
        MatrixCelle(Type(Projekt, t), r, c, v, k);
        Projekt.Tabeller[t].Celler.SaetCelle(Kort(FraQString(e->text())), v, k);
        CelleModel[t]->VisBlok(r - 1, r - 1, c - 1, c - 1);
    }
    IndtastningAktiv[t] = false;
    SpringTil[t] = false;
    if (e) e->hide();
}

void TPlotvikForm::GemRedigeretCelle(int t, int raekke, int soejle) {
    if (t < 0 || t > MaksTabeller || raekke < 0 || soejle < 0) return;
    if (CelleModel[t]->ErFastCelle(raekke, soejle)) return;
    int v = 0, k = 0;
    MatrixCelle(Type(Projekt, t), raekke + 1, soejle + 1, v, k);
    TTabelDef& T = Projekt.Tabeller[t];
    if (v < 1 || v > T.AntalVariable) return;
    const std::string tekst = T.Celler.HentCelle(v, k);
    AktuelRaekke = raekke;
    AktuelSoejle = soejle;
    if (tekst.empty()) return;
    bool fejl = false;
    const double x = TekstTilTal(tekst, fejl);
    Fejl = fejl;
    if (!fejl) {
        if (t == 0 && soejle + 1 <= MaksVariable) Projekt.KonstantVaerdi[soejle + 1] = x;
    } else {
        VisFejl("Fejl i Tallet: \"" + tekst + "\"\n\rTabel No: " + Tal(t) + (Type(Projekt, t) == 'R' ? " og " : ": ") +
                Tal(v) + ". r\xE6kke og " + Tal(k) + " s\xF8jle");
    }
    Fejl = false;
}

// ---------------------------------------------------------------- mean and standard deviation

void TPlotvikForm::VariabeludtrykEditExit(int t) {
    if (!GyldigTabel(Projekt, t) || !VariabeludtrykEdit[t]->isVisible()) return;
    const std::string navn = Kort(FraQString(VariabeludtrykEdit[t]->text()));
    const int v = FindVariabel(Projekt, t, navn);
    if (v == 0) {
        Flade().Informationsboks(" Ukendt variabel: " + navn);
        return;
    }
    const TGnsOgSpredning r = BeregnGnsOgSpredning(Projekt, t, v);
    if (!r.Ok) {
        // Old figures next to a new name would mislead.
        GennemsnitEdit[t]->clear();
        VariansEdit[t]->clear();
        if (r.FejlKolonne > 0)
            Flade().Fejlboks("Fejl i Tallet: \"" + r.FejlTekst + "\"\n\rTabel No: " + Tal(t) + " og " + Tal(v) +
                             ". r\xE6kke og " + Tal(r.FejlKolonne) + " s\xF8jle");
        Fejl = false;
        return;
    }
    GennemsnitEdit[t]->setText(TilQString(r.Gennemsnit));
    if (!r.Spredning.empty()) VariansEdit[t]->setText(TilQString(r.Spredning));
    Fejl = false;
}

// ---------------------------------------------------------------- events

namespace plotvik {

int VirtuelTast(int q) {
    switch (q) {
        case Qt::Key_Tab: case Qt::Key_Backtab: return Tast::Tab;
        case Qt::Key_Return: case Qt::Key_Enter: return Tast::Enter;
        case Qt::Key_Escape: return Tast::Esc;
        case Qt::Key_PageUp: return Tast::PageUp;
        case Qt::Key_PageDown: return Tast::PageDown;
        case Qt::Key_Up: return Tast::Op;
        case Qt::Key_Down: return Tast::Ned;
        default: return 0;
    }
}

TTabelHaendelser::TTabelHaendelser(TPlotvikForm& f) : f_(f) {}

bool TTabelHaendelser::eventFilter(QObject* o, QEvent* e) {
    for (int t = 0; t <= MaksTabeller; ++t) {
        if (o == f_.TabelFeltEdit[t]) {
            if (e->type() == QEvent::KeyPress) {
                const int tast = VirtuelTast(static_cast<QKeyEvent*>(e)->key());
                if (tast == 0) return false;
                TastIFelt(f_, t, tast);
                return true;
            }
            if (e->type() == QEvent::ShortcutOverride) {
                // Navigation keys belong to the input, not to menu shortcuts.
                if (VirtuelTast(static_cast<QKeyEvent*>(e)->key()) != 0) {
                    e->accept();
                    return true;
                }
            }
            if (e->type() == QEvent::FocusOut) {
                auto* fe = static_cast<QFocusEvent*>(e);
                QLineEdit* edit = f_.TabelFeltEdit[t];
                if (!edit->isVisible() || !f_.IndtastningAktiv[t]) return false;
                if (fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason)
                    return false;
                // A click into the same grid is a jump, handled with the click.
                if (QApplication::focusWidget() == f_.TabelGrid[t]) return false;
                FeltForladt(f_, t);
            }
            return false;
        }
        if (o == f_.TabelGrid[t]->viewport() && e->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() != Qt::LeftButton) return false;
            const QModelIndex i = f_.TabelGrid[t]->indexAt(me->position().toPoint());
            if (!i.isValid()) return false;
            TProjekt& p = f_.Projekt;
            const int aktiv = p.AktivTabel;
            if (t == aktiv) f_.TastAfsluttet[t] = true;
            else if (aktiv >= 0 && aktiv <= MaksTabeller && f_.IndtastningAktiv[aktiv]) f_.StopIndtastning(aktiv);
            if (f_.FriRedigering(t)) {
                p.AktivTabel = t;
                f_.AktuelRaekke = i.row();
                f_.AktuelSoejle = i.column();
                return false;
            }
            const int r = i.row() + 1, c = i.column() + 1;
            QLineEdit* edit = f_.TabelFeltEdit[t];
            if (!ErInddataCelle(Felt(p, t), r, c)) {
                if (f_.IndtastningAktiv[t] && !edit->isHidden()) FeltForladt(f_, t);
                return true;
            }
            if (!f_.IndtastningAktiv[t]) {
                f_.IndtastTabel(t, r, c);
            } else {
                // A jump: the cell being typed is taken as with Enter, then input goes on at the click.
                f_.SpringRaekke = r;
                f_.SpringSoejle = c;
                f_.SpringTil[t] = true;
                f_.SidsteTast = Tast::Enter;
                if (!edit->isHidden()) TagFeltTekst(f_, t);
                f_.SpringTil[t] = false;
                if (f_.IndtastningAktiv[t]) f_.IndtastTabel(t, r, c);
            }
            return true;
        }
        if (o == f_.TabelGrid[t] && e->type() == QEvent::FocusOut && f_.FriRedigering(t)) {
            // A grid in free editing that loses the focus has no current cell any more.
            f_.AktuelRaekke = f_.AktuelSoejle = -1;
            return false;
        }
        if (t >= 1 && (o == f_.AntalMaalingerSpinEdit[t] || o->parent() == f_.AntalMaalingerSpinEdit[t])) {
            if (e->type() == QEvent::KeyPress) {
                const int k = static_cast<QKeyEvent*>(e)->key();
                if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                    f_.AntalMaalingerButton[t]->setFocus();
                    return true;
                }
            }
            if (e->type() == QEvent::FocusOut) {
                f_.Projekt.AktivTabel = t;
                auto* fe = static_cast<QFocusEvent*>(e);
                if (fe->reason() == Qt::TabFocusReason && GyldigTabel(f_.Projekt, t))
                    f_.AntalMaalingerButton[t]->setFocus();
            }
            return false;
        }
    }
    return false;
}

}  // namespace plotvik
