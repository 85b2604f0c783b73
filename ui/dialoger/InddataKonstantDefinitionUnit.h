// The dialog of "&Inddata Konstant": a constant whose value is typed when the project runs.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TInddataKonstantDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TInddataKonstantDialog(QWidget* parent = nullptr);
    void Forbered();  // empties both edits

    QLineEdit* KonstantNavnEdit = nullptr;
    QLineEdit* KonstantEnhedEdit = nullptr;
    std::string Navn, Enhed;

protected:
    void HentFelter() override;
    bool FelterGodkendt() override;  // a name is needed
};
