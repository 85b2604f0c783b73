// The input-variable dialog.
#include "ui/dialoger/InddataVariabelDefinitionUnit.h"

#include <QLineEdit>
#include <QSpinBox>

TIndDataVariabelDialog::TIndDataVariabelDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TIndDataVariabelDialog", "Inddata Variabel") {
    VariabelNavnEdit = NyEdit("VariabelNavnEdit", "Variabel Navn");
    EnhedEdit = NyEdit("EnhedEdit", "Enhed");
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    LavKnapper();
}

void TIndDataVariabelDialog::Forbered(int tabelNo) {
    VariabelNavnEdit->clear();
    EnhedEdit->clear();
    TabelNoSpinEdit->setValue(tabelNo);
    VariabelNavnEdit->setFocus();
}

void TIndDataVariabelDialog::HentFelter() {
    Navn = EditTekst(VariabelNavnEdit);
    Enhed = EditTekst(EnhedEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
}
