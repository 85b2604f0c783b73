// The dialog of "&Uddata Konstant": a constant with its value written in the project.
#pragma once

#include "ui/dialoger/PlotvikDialog.h"

class TUddataKonstantDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TUddataKonstantDialog(QWidget* parent = nullptr);
    void Forbered();  // empties the three edits

    QLineEdit* KonstantNavnEdit = nullptr;
    QLineEdit* KonstantVaerdiEdit = nullptr;
    QLineEdit* KonstantEnhedEdit = nullptr;
    std::string Navn, Vaerdi, Enhed;

protected:
    void HentFelter() override;
    bool FelterGodkendt() override;  // a name and a number are needed
};
