// The dialog of "&Aktive TabelNo og GrafNo": the table and graph the graph
// tools and "Gem Inddata" work on.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TAktivTabelNoOgGrafNoDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TAktivTabelNoOgGrafNoDialog(QWidget* parent = nullptr);
    void Forbered(int aktivTabel, int aktivGraf);  // a value below a minimum shows the minimum

    QSpinBox* TabelNoSpinEdit = nullptr;
    QSpinBox* GrafNoSpinEdit = nullptr;
    std::string TabelNo, GrafNo;

protected:
    void HentFelter() override;
};
