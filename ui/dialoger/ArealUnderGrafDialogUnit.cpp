// The area dialog.
#include "ui/dialoger/ArealUnderGrafDialogUnit.h"

#include <QLineEdit>
#include <QSpinBox>

TArealUnderGrafDialog::TArealUnderGrafDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TArealUnderGrafDialog", "Areal Under Graf Dialog") {
    NedreGraenseEdit = NyEdit("NedreGraenseEdit", "Nedre Gr\xE6nse for areal");
    OevreGraenseEdit = NyEdit("OevreGraenseEdit", "\xD8vre Gr\xE6nse for areal");
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    GrafNoSpinEdit = NySpinEdit("GrafNoSpinEdit", "Graf No", 1, 3, 1);
    LavKnapper();
}

void TArealUnderGrafDialog::HentFelter() {
    Nedre = EditTekst(NedreGraenseEdit);
    Oevre = EditTekst(OevreGraenseEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
    GrafNo = SpinTekst(GrafNoSpinEdit);
}
