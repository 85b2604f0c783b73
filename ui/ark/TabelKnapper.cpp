// A table sheet's commands on a whole table: "Målinger", "Indlæs",
// "Beregn", a checked block of cells (paste, import) written in one step,
// and which table a dropped file is meant for.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/Brugerflade.h"
#include "files/DataImport.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "tabeller/TabelBeregning.h"
#include "ui/ark/ArkKontroller.h"
#include "ui/ark/CelleModel.h"
#include "ui/ark/TabelArk.h"
#include "ui/ark/TabelKnapper.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;
using namespace plotvik::ark;

namespace {

bool GyldigTabel(const TProjekt& p, int t) { return t >= 1 && t <= p.AntalTabeller && t <= MaksTabeller; }

std::vector<QWidget*> GnsRaekke(const TTabelKontroller& k) {
    return {k.VariabelLabel, k.VariabeludtrykEdit, k.GnsLabel, k.GennemsnitEdit, k.VariansLabel, k.VariansEdit};
}

}  // namespace

TTabelKnapper::TTabelKnapper(TTabelArk& ark, TProjekt& p) : ark_(ark), p_(p) {}

void TTabelKnapper::SkrivCelleblok(int t, const TIndsaetning& ind) {
    if (t < 1 || !ark_.Ejer(t) || !ind.Ok) return;
    // Input that is running would write its cell over the block when it ends.
    ark_.StopIndtastning(t);
    UdfoerIndsaetning(p_, t, ind);
    // The block may also set a smaller count (an imported file that replaces the table).
    if (ind.AntalIndgange >= 1 && ind.AntalIndgange < p_.Tabeller[t].AntalIndgange)
        SaetAntalIndgangeBevar(p_.Tabeller[t], ind.AntalIndgange);
    p_.AktivTabel = t;
    const TTabelKontroller& k = ark_.K(t);
    {
        const QSignalBlocker stille(k.AntalMaalingerSpinEdit);
        k.AntalMaalingerSpinEdit->setValue(p_.Tabeller[t].AntalIndgange);
    }
    ark_.OpsaetTabelGrid(t);
    k.Model->VisAlt();
    // The values are there as after "OK": they can be computed at once.
    for (QPushButton* b : {k.IndLaesTabelButton, k.BeregnTabelButton}) {
        b->show();
        b->setEnabled(true);
    }
    if (k.VariabeludtrykEdit->isVisible() && !k.VariabeludtrykEdit->text().isEmpty()) VariabeludtrykEditExit(t);
}

void TTabelKnapper::Trin(int t, const QString& navn, const std::function<void()>& handling) {
    if (ark_.SomTrin) ark_.SomTrin(t, navn, handling);
    else handling();
}

int TTabelKnapper::TabelVed(QPoint punkt) const {
    int valgt = 0;
    for (int t = 1; t <= MaksTabeller; ++t) {
        if (!ark_.Ejer(t)) continue;
        const TTabelKontroller& k = ark_.K(t);
        if (!k.Grid || !k.Grid->isVisible()) continue;
        // A table's part of the sheet starts at its controls row.
        if (valgt == 0 || punkt.y() >= k.AntalMaalingerSpinEdit->y() - 8) valgt = t;
    }
    return valgt;
}

// ---------------------------------------------------------------- "Målinger", "Indlæs", "Beregn"

void TTabelKnapper::AntalMaalingerButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !ark_.Ejer(t)) return;
    Trin(t, QString::fromUtf8("Målinger"), [this, t] { SaetAntalMaalinger(t); });
}

void TTabelKnapper::SaetAntalMaalinger(int t) {
    TTabelDef& T = p_.Tabeller[t];
    const int n = ark_.K(t).AntalMaalingerSpinEdit->value();
    if (n > T.AntalIndgange) {
        // A larger table starts empty: the values typed before are dropped.
        ark_.StopIndtastning(t);
        T.AntalIndgange = n;
        T.Celler.Frigiv();
        AnalyserTabel(p_, t);
    }
    if (Fejl) {
        Fejl = false;
        return;
    }
    ark_.OpsaetTabelGrid(t);
    for (QPushButton* k : {ark_.K(t).IndLaesTabelButton, ark_.K(t).BeregnTabelButton}) {
        k->show();
        k->setEnabled(true);
    }
}

void TTabelKnapper::IndLaesTabelButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !ark_.Ejer(t)) return;
    const TTabelDef& T = p_.Tabeller[t];
    p_.AktivTabel = t;
    if (!ark_.K(t).TastaturRadioButton->isChecked()) {
        ark_.StopIndtastning(t);
        Trin(t, QString::fromUtf8("Indlæs"), [this, t, &T] {
            Fejl = false;
            IndlaesDataFil(p_, t);
            Fejl = false;
            if (T.TabelType == 'R') ark_.VisCelleblok(t, 1, T.AntalInddata, 2, T.AntalIndgange + 1);
            else ark_.VisCelleblok(t, 2, T.AntalIndgange + 1, 1, T.AntalInddata);
        });
        return;
    }
    if (T.AntalInddata < 1) return;  // nothing to type
    if (T.TabelType == 'R') ark_.IndtastTabel(t, 1, 2);
    else ark_.IndtastTabel(t, 2, 1);
}

void TTabelKnapper::UdregnTabelButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !ark_.Ejer(t)) return;
    Trin(t, QStringLiteral("Beregn"), [this, t] { UdregnTabel(t); });
}

void TTabelKnapper::UdregnTabel(int t) {
    // The graph buttons work on the table last computed.
    p_.AktivTabel = t;
    {
        Timeglas timeglas;
        BeregnTabel(p_, t);
    }
    ark_.OpdaterUsikkerheder(t);
    ark_.K(t).Model->VisAlt();
    if (p_.Tabeller[t].VisGnsOgVarians) {
        for (QWidget* w : GnsRaekke(ark_.K(t))) {
            w->setEnabled(true);
            w->show();
        }
    }
    emit ark_.TabelBeregnet(t);
}

// ---------------------------------------------------------------- mean and standard deviation

void TTabelKnapper::VariabeludtrykEditExit(int t) {
    if (!GyldigTabel(p_, t) || !ark_.Ejer(t) || !ark_.K(t).VariabeludtrykEdit->isVisible()) return;
    const std::string navn = Kort(FraQString(ark_.K(t).VariabeludtrykEdit->text()));
    const int v = FindVariabel(p_, t, navn);
    if (v == 0) {
        Flade().Informationsboks(" Ukendt variabel: " + navn);
        return;
    }
    const TGnsOgSpredning r = BeregnGnsOgSpredning(p_, t, v);
    if (!r.Ok) {
        // Old figures next to a new name would mislead.
        ark_.K(t).GennemsnitEdit->clear();
        ark_.K(t).VariansEdit->clear();
        if (r.FejlKolonne > 0)
            Flade().Fejlboks("Fejl i Tallet: \"" + r.FejlTekst + "\"\n\rTabel No: " + std::to_string(t) + " og " +
                             std::to_string(v) + ". r\xE6kke og " + std::to_string(r.FejlKolonne) + " s\xF8jle");
        Fejl = false;
        return;
    }
    ark_.K(t).GennemsnitEdit->setText(TilQString(r.Gennemsnit));
    if (!r.Spredning.empty()) ark_.K(t).VariansEdit->setText(TilQString(r.Spredning));
    Fejl = false;
}
