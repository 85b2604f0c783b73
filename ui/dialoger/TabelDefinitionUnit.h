// The dialog of "&Tabel": number, orientation and size of a table being built.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class QRadioButton;

class TTabelDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TTabelDialog(QWidget* parent = nullptr);
    // The offered table number; "Søjle", 5 variables, 5 measurements, width 10.
    void Forbered(int tabelNo);

    QSpinBox* TabNoSpinEdit = nullptr;
    QRadioButton* RaekkeRadioButton = nullptr;
    QRadioButton* SoejleRadioButton = nullptr;
    QSpinBox* AntalVariableSpinEdit = nullptr;
    QSpinBox* AntalMaalingerSpinEdit = nullptr;
    QSpinBox* FeltBreddeSpinEdit = nullptr;

    std::string TabelNo, AntalVariable, AntalMaalinger, FeltBredde;
    bool Raekke = false;

protected:
    void HentFelter() override;
};
