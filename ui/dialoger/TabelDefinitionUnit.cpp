// The table dialog.
#include "ui/dialoger/TabelDefinitionUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

#include "files/Opbygning.h"
#include "ui/flade/Tegnsaet.h"

using plotvik::TilQString;

TTabelDialog::TTabelDialog(QWidget* parent) : TPlotvikDialog(parent, "TTabelDialog", "Definition af Tabel") {
    TabNoSpinEdit = NySpinEdit("TabNoSpinEdit", "Tabel No", 1, 4, 1);

    auto* type = new QGroupBox(QStringLiteral("Tabel Type"), this);
    type->setObjectName("TabelTypeGroupBox");
    auto* typeLayout = new QHBoxLayout(type);
    RaekkeRadioButton = new QRadioButton(TilQString("R\xE6kke"), type);
    RaekkeRadioButton->setObjectName("RaekkeRadioButton");
    SoejleRadioButton = new QRadioButton(TilQString("S\xF8jle"), type);
    SoejleRadioButton->setObjectName("SoejleRadioButton");
    SoejleRadioButton->setChecked(true);
    typeLayout->addWidget(RaekkeRadioButton);
    typeLayout->addWidget(SoejleRadioButton);
    Felter->addRow(type);

    AntalVariableSpinEdit = NySpinEdit("AntalVariableSpinEdit", "Antal variable i tabel", 1, plotvik::MaksVariable,
                                       5, plotvik::HoejstToOgTyveVariable);
    AntalMaalingerSpinEdit =
        NySpinEdit("AntalMaalingerSpinEdit", "Antal M\xE5linger/Indgange", 1, 32767, 5);
    FeltBreddeSpinEdit = NySpinEdit("FeltBreddeSpinEdit", "Feltbredde a 6 pixel", 3, 20, 10);
    LavKnapper();
}

void TTabelDialog::Forbered(int tabelNo) {
    TabNoSpinEdit->setValue(tabelNo);  // the spin edit clamps to 1..4
    SoejleRadioButton->setChecked(true);
    AntalVariableSpinEdit->setValue(5);
    AntalMaalingerSpinEdit->setValue(5);
    FeltBreddeSpinEdit->setValue(10);
    TabNoSpinEdit->setFocus();
}

void TTabelDialog::HentFelter() {
    TabelNo = SpinTekst(TabNoSpinEdit);
    Raekke = RaekkeRadioButton->isChecked();
    AntalVariable = SpinTekst(AntalVariableSpinEdit);
    AntalMaalinger = SpinTekst(AntalMaalingerSpinEdit);
    FeltBredde = SpinTekst(FeltBreddeSpinEdit);
}
