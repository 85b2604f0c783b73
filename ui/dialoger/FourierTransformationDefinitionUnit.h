// The Fourier definition dialog: the names and units of the tabulated
// function's two variables and of the coefficient variable, the number
// format of the coefficients, the table, and whether they are shown as a graph.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class QCheckBox;

class TFourierTransformationDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TFourierTransformationDialog(QWidget* parent = nullptr);
    // The values it has when opened: empty names and units, 8 positions,
    // 3 decimals, table 1, "Vis Fourierkoefficienter grafisk" checked.
    void Forbered();

    QLineEdit* UafhaengigVariabelEdit = nullptr;
    QLineEdit* EnhedUafhaengigVariabelEdit = nullptr;
    QLineEdit* AfhaengigVariabelEdit = nullptr;
    QLineEdit* EnhedAfhaengigVariabelEdit = nullptr;
    QLineEdit* FourierKoefficienterNavnEdit = nullptr;
    QLineEdit* EnhedFourierKoefficienterNavnEdit = nullptr;
    QSpinBox* PositionerSpinEdit = nullptr;
    QSpinBox* DecimalerSpinEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    QCheckBox* VisFourierkoefficienterGrafiskCheckBox = nullptr;

    std::string Uafhaengig, EnhedUafhaengig, Afhaengig, EnhedAfhaengig, Koefficienter,
        EnhedKoefficienter, Positioner, Decimaler, TabelNo;
    bool VisGrafisk = true;

protected:
    void HentFelter() override;
};
