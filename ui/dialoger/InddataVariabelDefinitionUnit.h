// The dialog of "&Inddata Variabel": a variable whose values are typed or read from a file.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TIndDataVariabelDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TIndDataVariabelDialog(QWidget* parent = nullptr);
    void Forbered(int tabelNo);  // empties name and unit, offers the table

    QLineEdit* VariabelNavnEdit = nullptr;
    QLineEdit* EnhedEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    std::string Navn, Enhed, TabelNo;

protected:
    void HentFelter() override;
};
