// The Fourier definition dialog.
#include "ui/dialoger/FourierTransformationDefinitionUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/flade/Tegnsaet.h"

using plotvik::TilQString;

TFourierTransformationDialog::TFourierTransformationDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TFourierTransformationDialog", "FourierTransformationDialog") {
    Felter->addRow(NyLabel("Tabuleret Funktion, der skal Fourier transformeres"));
    // Each name with its unit on one row.
    auto* gitter = new QGridLayout;
    auto par = [&](int raekke, const char* navn, const char* tekst, const char* enhedNavn, QLineEdit*& e,
                   QLineEdit*& enhed) {
        e = new QLineEdit(this);
        e->setObjectName(navn);
        enhed = new QLineEdit(this);
        enhed->setObjectName(enhedNavn);
        enhed->setMaximumWidth(90);
        gitter->addWidget(NyLabel(tekst), raekke, 0);
        gitter->addWidget(e, raekke, 1);
        gitter->addWidget(NyLabel("Enhed"), raekke, 2);
        gitter->addWidget(enhed, raekke, 3);
    };
    par(0, "UafhaengigVariabelEdit", "Uafh\xE6ngig variabel", "EnhedUafhaengigVariabelEdit",
        UafhaengigVariabelEdit, EnhedUafhaengigVariabelEdit);
    par(1, "AfhaengigVariabelEdit", "Afh\xE6ngig variabel", "EnhedAfhaengigVariabelEdit", AfhaengigVariabelEdit,
        EnhedAfhaengigVariabelEdit);
    par(2, "FourierKoefficienterNavnEdit", "Variabel navn til Fourier Koefficienter",
        "EnhedFourierKoefficienterNavnEdit", FourierKoefficienterNavnEdit, EnhedFourierKoefficienterNavnEdit);
    Felter->addRow(gitter);
    Felter->addRow(NyLabel("V\xE6rdien af Fourierkoefficienter udskrives  med"));
    PositionerSpinEdit = NySpinEdit("PositionerSpinEdit", "", 1, 20, 8);
    DecimalerSpinEdit = NySpinEdit("DecimalerSpinEdit", "", 0, 6, 3);
    auto* format = new QHBoxLayout;
    format->addWidget(NyLabel("Positioner"));
    format->addWidget(PositionerSpinEdit);
    format->addWidget(NyLabel("Decimaler"));
    format->addWidget(DecimalerSpinEdit);
    Felter->addRow(format);
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "TabelNo", 1, 4, 1);
    VisFourierkoefficienterGrafiskCheckBox = new QCheckBox(TilQString("Vis Fourierkoefficienter grafisk"), this);
    VisFourierkoefficienterGrafiskCheckBox->setObjectName("VisFourierkoefficienterGrafiskCheckBox");
    VisFourierkoefficienterGrafiskCheckBox->setChecked(true);
    Felter->addRow(VisFourierkoefficienterGrafiskCheckBox);
    LavKnapper();
}

void TFourierTransformationDialog::Forbered() {
    for (QLineEdit* e : {UafhaengigVariabelEdit, EnhedUafhaengigVariabelEdit, AfhaengigVariabelEdit,
                         EnhedAfhaengigVariabelEdit, FourierKoefficienterNavnEdit,
                         EnhedFourierKoefficienterNavnEdit})
        e->clear();
    PositionerSpinEdit->setValue(8);
    DecimalerSpinEdit->setValue(3);
    TabelNoSpinEdit->setValue(1);
    VisFourierkoefficienterGrafiskCheckBox->setChecked(true);
    UafhaengigVariabelEdit->setFocus();
}

void TFourierTransformationDialog::HentFelter() {
    Uafhaengig = EditTekst(UafhaengigVariabelEdit);
    EnhedUafhaengig = EditTekst(EnhedUafhaengigVariabelEdit);
    Afhaengig = EditTekst(AfhaengigVariabelEdit);
    EnhedAfhaengig = EditTekst(EnhedAfhaengigVariabelEdit);
    Koefficienter = EditTekst(FourierKoefficienterNavnEdit);
    EnhedKoefficienter = EditTekst(EnhedFourierKoefficienterNavnEdit);
    Positioner = SpinTekst(PositionerSpinEdit);
    Decimaler = SpinTekst(DecimalerSpinEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
    VisGrafisk = VisFourierkoefficienterGrafiskCheckBox->isChecked();
}
