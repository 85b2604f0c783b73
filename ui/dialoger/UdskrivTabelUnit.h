// The dialog of "Udskriv &Tabel": the heading to print above the table and
// the table's number (0 is the constants table).
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TUdskrivTabelDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TUdskrivTabelDialog(QWidget* parent = nullptr);
    void Forbered();  // empty heading, table 1

    QLineEdit* OverskriftEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    std::string Overskrift, TabelNo;

protected:
    void HentFelter() override;
    // Enter walks heading -> table number -> OK instead of closing at once.
    bool eventFilter(QObject* o, QEvent* e) override;
};
