// The function dialog "Matematisk Funktion Dialog": the function rule f(x),
// its domain Dm(f), and the table and graph sheet it belongs to.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TFunktionDialogForm : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TFunktionDialogForm(QWidget* parent = nullptr);

    QLineEdit* FunktionEdit = nullptr;            // "f(x)="
    QLineEdit* DefinitionsmaengdeEdit = nullptr;  // "Dm(f):", "R" at start
    QSpinBox* TabelNoSpinEdit = nullptr;          // 1..4
    QSpinBox* GrafNoSpinEdit = nullptr;           // 1..3
    // The texts and numbers kept when the dialog closes.
    std::string Funktion, Definitionsmaengde, TabelNo, GrafNo;

protected:
    void HentFelter() override;
};
