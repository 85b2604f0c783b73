// The dialog of "&Uddata Variabel": a variable computed from an expression,
// with the positions and decimals its values are shown with.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TUddataVariabelDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TUddataVariabelDialog(QWidget* parent = nullptr);
    // Empties name, unit and expression, sets 2 decimals, offers the table;
    // the positions keep their last value (8 the first time).
    void Forbered(int tabelNo);

    QLineEdit* VariabelNavnEdit = nullptr;
    QLineEdit* EnhedEdit = nullptr;
    QLineEdit* VariabelUdtrykEdit = nullptr;
    QSpinBox* PositionerSpinEdit = nullptr;
    QSpinBox* DecimalerSpinEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    std::string Navn, Enhed, Udtryk, Positioner, Decimaler, TabelNo;

protected:
    void HentFelter() override;
};
