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
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;
using namespace plotvik::ark;

namespace {

bool GyldigTabel(const TProjekt& p, int t) { return t >= 1 && t <= p.AntalTabeller && t <= MaksTabeller; }

std::vector<QWidget*> GnsRaekke(const TTabelKontroller& k) {
    return {k.VariabelLabel, k.VariabeludtrykEdit, k.GnsLabel, k.GennemsnitEdit, k.VariansLabel, k.VariansEdit};
}

}  // namespace

void TTabelArk::SkrivCelleblok(int t, const TIndsaetning& ind) {
    if (t < 1 || !Ejer(t) || !ind.Ok) return;
    // Input that is running would write its cell over the block when it ends.
    StopIndtastning(t);
    UdfoerIndsaetning(p_, t, ind);
    // The block may also set a smaller count (an imported file that replaces the table).
    if (ind.AntalIndgange >= 1 && ind.AntalIndgange < p_.Tabeller[t].AntalIndgange)
        SaetAntalIndgangeBevar(p_.Tabeller[t], ind.AntalIndgange);
    p_.AktivTabel = t;
    TTabelKontroller& k = k_[t];
    {
        const QSignalBlocker stille(k.AntalMaalingerSpinEdit);
        k.AntalMaalingerSpinEdit->setValue(p_.Tabeller[t].AntalIndgange);
    }
    OpsaetTabelGrid(t);
    k.Model->VisAlt();
    // The values are there as after "OK": they can be computed at once.
    for (QPushButton* b : {k.IndLaesTabelButton, k.BeregnTabelButton}) {
        b->show();
        b->setEnabled(true);
    }
    if (k.VariabeludtrykEdit->isVisible() && !k.VariabeludtrykEdit->text().isEmpty()) VariabeludtrykEditExit(t);
}

int TTabelArk::TabelVed(QPoint punkt) const {
    int valgt = 0;
    for (int t = foerste_ < 1 ? 1 : foerste_; t <= sidste_; ++t) {
        const TTabelKontroller& k = k_[t];
        if (!k.Grid || !k.Grid->isVisible()) continue;
        // A table's part of the sheet starts at its controls row.
        if (valgt == 0 || punkt.y() >= k.AntalMaalingerSpinEdit->y() - 8) valgt = t;
    }
    return valgt;
}

// ---------------------------------------------------------------- "Målinger", "Indlæs", "Beregn"

void TTabelArk::AntalMaalingerButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !Ejer(t)) return;
    Trin(t, QString::fromUtf8("Målinger"), [this, t] { SaetAntalMaalinger(t); });
}

void TTabelArk::SaetAntalMaalinger(int t) {
    TTabelDef& T = p_.Tabeller[t];
    const int n = k_[t].AntalMaalingerSpinEdit->value();
    if (n > T.AntalIndgange) {
        // A larger table starts empty: the values typed before are dropped.
        StopIndtastning(t);
        T.AntalIndgange = n;
        T.Celler.Frigiv();
        AnalyserTabel(p_, t);
    }
    if (Fejl) {
        Fejl = false;
        return;
    }
    OpsaetTabelGrid(t);
    for (QPushButton* k : {k_[t].IndLaesTabelButton, k_[t].BeregnTabelButton}) {
        k->show();
        k->setEnabled(true);
    }
}

void TTabelArk::IndLaesTabelButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !Ejer(t)) return;
    const TTabelDef& T = p_.Tabeller[t];
    p_.AktivTabel = t;
    if (!k_[t].TastaturRadioButton->isChecked()) {
        StopIndtastning(t);
        Trin(t, QString::fromUtf8("Indlæs"), [this, t, &T] {
            Fejl = false;
            IndlaesDataFil(p_, t);
            Fejl = false;
            if (T.TabelType == 'R') VisCelleblok(t, 1, T.AntalInddata, 2, T.AntalIndgange + 1);
            else VisCelleblok(t, 2, T.AntalIndgange + 1, 1, T.AntalInddata);
        });
        return;
    }
    if (T.AntalInddata < 1) return;  // nothing to type
    if (T.TabelType == 'R') IndtastTabel(t, 1, 2);
    else IndtastTabel(t, 2, 1);
}

void TTabelArk::UdregnTabelButtonClick(int t) {
    if (!GyldigTabel(p_, t) || !Ejer(t)) return;
    Trin(t, QStringLiteral("Beregn"), [this, t] { UdregnTabel(t); });
}

void TTabelArk::UdregnTabel(int t) {
    // The graph buttons work on the table last computed.
    p_.AktivTabel = t;
    {
        Timeglas timeglas;
        BeregnTabel(p_, t);
    }
    OpdaterUsikkerheder(t);
    k_[t].Model->VisAlt();
    if (p_.Tabeller[t].VisGnsOgVarians) {
        for (QWidget* w : GnsRaekke(k_[t])) {
            w->setEnabled(true);
            w->show();
        }
    }
    emit TabelBeregnet(t);
}

// ---------------------------------------------------------------- mean and standard deviation

void TTabelArk::VariabeludtrykEditExit(int t) {
    if (!GyldigTabel(p_, t) || !Ejer(t) || !k_[t].VariabeludtrykEdit->isVisible()) return;
    const std::string navn = Kort(FraQString(k_[t].VariabeludtrykEdit->text()));
    const int v = FindVariabel(p_, t, navn);
    if (v == 0) {
        Flade().Informationsboks(" Ukendt variabel: " + navn);
        return;
    }
    const TGnsOgSpredning r = BeregnGnsOgSpredning(p_, t, v);
    if (!r.Ok) {
        // Old figures next to a new name would mislead.
        k_[t].GennemsnitEdit->clear();
        k_[t].VariansEdit->clear();
        if (r.FejlKolonne > 0)
            Flade().Fejlboks("Fejl i Tallet: \"" + r.FejlTekst + "\"\n\rTabel No: " + std::to_string(t) + " og " +
                             std::to_string(v) + ". r\xE6kke og " + std::to_string(r.FejlKolonne) + " s\xF8jle");
        Fejl = false;
        return;
    }
    k_[t].GennemsnitEdit->setText(TilQString(r.Gennemsnit));
    if (!r.Spredning.empty()) k_[t].VariansEdit->setText(TilQString(r.Spredning));
    Fejl = false;
}
