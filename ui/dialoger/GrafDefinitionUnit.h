// The graph dialog of "&Graf": the axis expressions, the limits, the sheet,
// the heading and the fit of a graph being built.
#pragma once

#include "files/Opbygning.h"
#include "ui/dialoger/PlotvikDialog.h"

class QCheckBox;
class QRadioButton;

class TGraferDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TGraferDialog(QWidget* parent = nullptr);
    // Offers the table and sheet; empties the six expression and limit boxes
    // and the heading, sets the lowest degree, checks "Regressionslinie" and
    // leaves both axes linear.
    void Forbered(int tabelNo, int grafArkNo);

    QLineEdit* xgrafEdit = nullptr;
    QLineEdit* ygrafEdit = nullptr;
    QLineEdit* xminEdit = nullptr;
    QLineEdit* xmaxEdit = nullptr;
    QLineEdit* yminEdit = nullptr;
    QLineEdit* ymaxEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    QLineEdit* GrafOverskriftEdit = nullptr;
    QSpinBox* GrafArkNoSpinEdit = nullptr;
    QRadioButton* KunPunkterRadioButton = nullptr;
    QRadioButton* RegressionslinieRadioButton = nullptr;
    QRadioButton* PolynomiumsfitRadioButton = nullptr;
    QRadioButton* SplinefitRadioButton = nullptr;
    QRadioButton* BezierfitRadioButton = nullptr;
    QRadioButton* ModelfitRadioButton = nullptr;
    QRadioButton* EksponentielRegressionRadioButton = nullptr;  // y = b*a^x, fitted on ln y
    QRadioButton* PotensRegressionRadioButton = nullptr;        // y = b*x^a, fitted on ln x and ln y
    QCheckBox* LogXCheckBox = nullptr;  // the sheet's axes logarithmic from the start
    QCheckBox* LogYCheckBox = nullptr;
    QSpinBox* PolynomiumsGradSpinEdit = nullptr;
    QLineEdit* ModelEdit = nullptr;          // the model of a model fit, e.g. A*exp(-k*t)+C
    QLineEdit* StartVaerdierEdit = nullptr;  // its start values, e.g. k=0,5 A=2

    plotvik::TGrafValg Valg;  // filled when the dialog closes

    // Leaving the y box (or Enter in it) proposes the heading from the two axes.
    void ygrafEditExit();

    // OK with "Modelfit" checked keeps the dialog open, with a message, while
    // the model or its start values cannot be read.
    void done(int r) override;

protected:
    void HentFelter() override;
    bool eventFilter(QObject* o, QEvent* e) override;
};
