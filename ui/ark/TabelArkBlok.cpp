// A table sheet's side of pasting and importing: a whole checked block of
// cells written in one step, and which table a dropped file is meant for.
#include <QPushButton>
#include <QSignalBlocker>

#include "files/DataImport.h"
#include "ui/ark/CelleModel.h"
#include "ui/ark/TabelArk.h"

using namespace plotvik;

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
