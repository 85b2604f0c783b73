// The dialog of "Definer > &Usikkerhed...": how the uncertainty of one input
// variable or constant is given (none, a value, a percentage or a column of
// its own). The window tells it what the tables hold and sets what is
// chosen; the dialog itself never touches the project.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/Projekt.h"
#include <memory>

#include "ui/dialoger/PlotvikDialog.h"
#include "ui/dialoger/UsikkerhedsArtKnapper.h"

class QComboBox;
class QRadioButton;

class TUsikkerhedDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TUsikkerhedDialog(QWidget* parent = nullptr);
    // Offers table tabelNo (0: the constants) with its first variable.
    void Forbered(int tabelNo);

    // The input variables of a table (the constants for 0) by number and name.
    std::function<std::vector<std::pair<int, std::string>>(int tabel)> Variable;
    // What a variable has now.
    std::function<std::pair<plotvik::TUsikkerhedsArt, std::string>(int tabel, int variabel)> Nuvaerende;
    // Sets what is chosen when OK is pressed: the message of a fault (nothing
    // is then changed and the dialog stays open), or an empty text.
    std::function<std::string(int tabel, int variabel, plotvik::TUsikkerhedsArt art, const std::string& tekst)> Saet;

    QSpinBox* TabelNoSpinEdit = nullptr;
    QComboBox* VariabelComboBox = nullptr;
    std::unique_ptr<TUsikkerhedsArtKnapper> ArtKnapper;  // UsikkerhedArt<kind>RadioButton
    QLineEdit* UsikkerhedEdit = nullptr;
    QComboBox* UsikkerhedSoejleComboBox = nullptr;

    // The choice, after OK.
    int TabelNo = 1, VariabelNo = 0;
    plotvik::TUsikkerhedsArt Art = plotvik::TUsikkerhedsArt::Ingen;
    std::string Tekst;

protected:
    void HentFelter() override;
    bool FelterGodkendt() override;

private:
    void TabelValgt();
    void VariabelValgt();
    void ArtValgt();
    std::string ValgtTekst() const;
};
