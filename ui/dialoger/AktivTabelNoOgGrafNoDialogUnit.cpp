// The active table and graph dialog.
#include "ui/dialoger/AktivTabelNoOgGrafNoDialogUnit.h"

#include <QSpinBox>

TAktivTabelNoOgGrafNoDialog::TAktivTabelNoOgGrafNoDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TAktivTabelNoOgGrafNoDialog", "Aktiv tabel og Graf nummer Dialog") {
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Aktiv tabel No", 0, 4, 0);
    GrafNoSpinEdit = NySpinEdit("GrafNoSpinEdit", "Aktiv Graf No", 1, 3, 1);
    LavKnapper();
}

void TAktivTabelNoOgGrafNoDialog::Forbered(int aktivTabel, int aktivGraf) {
    TabelNoSpinEdit->setValue(aktivTabel);
    GrafNoSpinEdit->setValue(aktivGraf);
    TabelNoSpinEdit->setFocus();
}

void TAktivTabelNoOgGrafNoDialog::HentFelter() {
    TabelNo = SpinTekst(TabelNoSpinEdit);
    GrafNo = SpinTekst(GrafNoSpinEdit);
}
