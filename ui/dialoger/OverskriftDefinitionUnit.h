// The heading dialog of "&Overskrift": the project's heading for the built text.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TOverskriftDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TOverskriftDialog(QWidget* parent = nullptr);
    void Forbered();  // empties the edit

    QLineEdit* OverskriftEdit = nullptr;
    std::string Overskrift;

protected:
    void HentFelter() override;
};
