// The dialog of "&Inddata Variabel": a variable whose values are typed or read
// from a file, and how its uncertainty is given (none, a value, a percentage
// or the name of another input variable holding one value per measurement).
#pragma once

#include "core/Projekt.h"
#include <memory>

#include "ui/dialoger/PlotvikDialog.h"
#include "ui/dialoger/UsikkerhedsArtKnapper.h"

class QRadioButton;

class TIndDataVariabelDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TIndDataVariabelDialog(QWidget* parent = nullptr);
    void Forbered(int tabelNo);  // empties name, unit and uncertainty, offers the table

    QLineEdit* VariabelNavnEdit = nullptr;
    QLineEdit* EnhedEdit = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    std::unique_ptr<TUsikkerhedsArtKnapper> ArtKnapper;  // UsikkerhedArt<kind>RadioButton
    QLineEdit* UsikkerhedEdit = nullptr;  // the value, the percentage or the column's name
    std::string Navn, Enhed, TabelNo;
    plotvik::TUsikkerhedsArt UsikkerhedsArt = plotvik::TUsikkerhedsArt::Ingen;
    std::string UsikkerhedsTekst;

protected:
    void HentFelter() override;
    bool FelterGodkendt() override;

private:
};
