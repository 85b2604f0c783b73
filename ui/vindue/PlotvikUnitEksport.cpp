// The main window's commands that take a graph sheet into a report:
// "&Eksporter graf...", "Kopier graf" (menu and pop-up menu) and the
// "Glatte linjer" option. The sheet in front is the one taken.
#include <QAction>
#include <QTabWidget>

#include "core/Brugerflade.h"
#include "ui/dialoger/EksporterGrafDialogUnit.h"
#include "ui/graf/GrafBillede.h"
#include "ui/data/GrafEksportKommando.h"
#include "ui/graf/GrafVisning.h"
#include "ui/vindue/PlotvikUnit.h"

using namespace plotvik;

namespace {
const char* const KunGrafark = "Denne Menu kan kun anvendes p\xE5 grafarkene";
}

int TPlotvikForm::ForrestGrafArk() const {
    QWidget* side = SideKontrol ? SideKontrol->currentWidget() : nullptr;
    for (int s = 1; s <= 3; ++s)
        if (side && side == Ark[s + 2]) return s;
    return 0;
}

void TPlotvikForm::EksporterGrafMenuItemClick() {
    const int s = ForrestGrafArk();
    TGrafArkSide* side = GrafSideNo(s);
    if (!side) {
        Flade().Informationsboks(KunGrafark);
        return;
    }
    side->TagTilbage();
    TEksporterGrafDialog dialog(this);
    EksporterGrafKommando(dialog, plotvik::GrafSide(*side->Visning, side->Data()), s);
}

void TPlotvikForm::KopierGrafMenuItemClick() {
    TGrafArkSide* side = GrafSideNo(ForrestGrafArk());
    if (!side) {
        Flade().Informationsboks(KunGrafark);
        return;
    }
    KopierGrafKommando(plotvik::GrafSide(*side->Visning, side->Data()));
}

void TPlotvikForm::GlatteLinjerMenuItemClick() {
    SaetGlatteLinjer(GlatteLinjerMenuItem->isChecked());
    for (int s = 1; s <= 3; ++s)
        if (TGrafArkSide* side = GrafSideNo(s)) side->GrafBilledeWidget->update();
}
