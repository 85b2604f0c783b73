// The area dialog "Areal Under Graf Dialog": the two limits and the table
// and graph whose fit (or function) is integrated.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TArealUnderGrafDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TArealUnderGrafDialog(QWidget* parent = nullptr);

    QLineEdit* NedreGraenseEdit = nullptr;  // "Nedre Grænse for areal"
    QLineEdit* OevreGraenseEdit = nullptr;  // "Øvre Grænse for areal"
    QSpinBox* TabelNoSpinEdit = nullptr;    // 1..4
    QSpinBox* GrafNoSpinEdit = nullptr;     // 1..3
    std::string Nedre, Oevre, TabelNo, GrafNo;

protected:
    void HentFelter() override;
};
