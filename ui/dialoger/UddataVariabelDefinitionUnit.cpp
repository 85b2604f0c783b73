// The output-variable dialog.
#include "ui/dialoger/UddataVariabelDefinitionUnit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/flade/Tegnsaet.h"

TUddataVariabelDialog::TUddataVariabelDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TUddataVariabelDialog", "Uddata Variabel Definition") {
    VariabelNavnEdit = NyEdit("VariabelNavnEdit", "Variabel Navn");
    EnhedEdit = NyEdit("EnhedEdit", "Enhed");
    VariabelUdtrykEdit = NyEdit("VariabelUdtrykEdit", "Variabel Udtryk");
    Felter->addRow(NyLabel("V\xE6rdi af variabel udskrives  med"));
    PositionerSpinEdit = NySpinEdit("PositionerSpinEdit", "", 2, 20, 8);
    DecimalerSpinEdit = NySpinEdit("DecimalerSpinEdit", "", 0, 6, 2);
    auto* format = new QHBoxLayout;
    format->addWidget(NyLabel("Positioner"));
    format->addWidget(PositionerSpinEdit);
    format->addWidget(NyLabel("Decimaler"));
    format->addWidget(DecimalerSpinEdit);
    Felter->addRow(format);
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    LavKnapper();
}

void TUddataVariabelDialog::Forbered(int tabelNo) {
    VariabelNavnEdit->clear();
    EnhedEdit->clear();
    VariabelUdtrykEdit->clear();
    DecimalerSpinEdit->setValue(2);
    TabelNoSpinEdit->setValue(tabelNo);
    VariabelNavnEdit->setFocus();
}

void TUddataVariabelDialog::HentFelter() {
    Navn = EditTekst(VariabelNavnEdit);
    Enhed = EditTekst(EnhedEdit);
    Udtryk = EditTekst(VariabelUdtrykEdit);
    Positioner = SpinTekst(PositionerSpinEdit);
    Decimaler = SpinTekst(DecimalerSpinEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
}
