// The function dialog.
#include "ui/dialoger/FunktionDialogUnit.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

TFunktionDialogForm::TFunktionDialogForm(QWidget* parent)
    : TPlotvikDialog(parent, "TFunktionDialogForm", "Matematisk Funktion Dialog") {
    Felter->addRow(NyLabel("Funktionsforskrift: F.eks. 1/x+sqrt(x)"));
    FunktionEdit = NyEdit("FunktionEdit", "f(x)=");
    Felter->addRow(NyLabel("Definitionsintervaller: F.eks. 0<x<10 and x<>5"));
    DefinitionsmaengdeEdit = NyEdit("DefinitionsmaengdeEdit", "Dm(f):");
    DefinitionsmaengdeEdit->setText(QStringLiteral("R"));
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    GrafNoSpinEdit = NySpinEdit("GrafNoSpinEdit", "Graf No", 1, 3, 1);
    LavKnapper();
}

void TFunktionDialogForm::HentFelter() {
    Funktion = EditTekst(FunktionEdit);
    Definitionsmaengde = EditTekst(DefinitionsmaengdeEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
    GrafNo = SpinTekst(GrafNoSpinEdit);
}
