// The input-variable dialog.
#include "ui/dialoger/InddataVariabelDefinitionUnit.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "core/Brugerflade.h"
#include "files/Opbygning.h"
#include "tabeller/TabelUsikkerhed.h"
#include "ui/flade/Tegnsaet.h"

using plotvik::TUsikkerhedsArt;

TIndDataVariabelDialog::TIndDataVariabelDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TIndDataVariabelDialog", "Inddata Variabel") {
    VariabelNavnEdit = NyEdit("VariabelNavnEdit", "Variabel Navn");
    EnhedEdit = NyEdit("EnhedEdit", "Enhed");
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    ArtKnapper = std::make_unique<TUsikkerhedsArtKnapper>(
        this, Felter,
        std::array{"Ingen usikkerhed", "Absolut (± værdi)", "Relativ (± %)", "Egen søjle (variablens navn)"});
    UsikkerhedEdit = NyEdit("UsikkerhedEdit", "Usikkerhed");
    UsikkerhedEdit->setEnabled(false);
    connect(ArtKnapper->Gruppe(), &QButtonGroup::buttonToggled, this,
            [this] { UsikkerhedEdit->setEnabled(ArtKnapper->Valgt() != TUsikkerhedsArt::Ingen); });
    LavKnapper();
}

void TIndDataVariabelDialog::Forbered(int tabelNo) {
    VariabelNavnEdit->clear();
    EnhedEdit->clear();
    UsikkerhedEdit->clear();
    ArtKnapper->Vaelg(TUsikkerhedsArt::Ingen);
    TabelNoSpinEdit->setValue(tabelNo);
    VariabelNavnEdit->setFocus();
}

bool TIndDataVariabelDialog::FelterGodkendt() {
    const TUsikkerhedsArt art = ArtKnapper->Valgt();
    if (art == TUsikkerhedsArt::Ingen) return true;
    const std::string navn = EditTekst(VariabelNavnEdit) + " i tabel " + SpinTekst(TabelNoSpinEdit);
    const std::string tekst = EditTekst(UsikkerhedEdit);
    std::string besked;
    if (art == TUsikkerhedsArt::Soejle) {
        // The column's variable may be defined after this one; the computation
        // finds it, here only its name is checked.
        TUsikkerhedsArt a{};
        std::string t;
        if (!plotvik::LaesUsikkerhedsDel(tekst, a, t) || a != TUsikkerhedsArt::Soejle ||
            t == EditTekst(VariabelNavnEdit))
            besked = "Usikkerheden p\xE5 " + navn + " skal st\xE5 i en anden inddatavariabel i samme tabel: '" +
                     tekst + "'";
    } else {
        double u = 0;
        plotvik::LaesUsikkerhedsTekst(tekst, navn, u, besked);
    }
    if (besked.empty()) return true;
    plotvik::Flade().Fejlboks(besked);
    VaelgFelt(UsikkerhedEdit);
    return false;
}

void TIndDataVariabelDialog::HentFelter() {
    Navn = EditTekst(VariabelNavnEdit);
    Enhed = EditTekst(EnhedEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
    UsikkerhedsArt = ArtKnapper->Valgt();
    // Kept as the description writes it: the number without blanks or "%".
    std::string t = EditTekst(UsikkerhedEdit);
    std::string kort;
    for (char c : t)
        if (c != ' ' && c != '%') kort += c;
    UsikkerhedsTekst = UsikkerhedsArt == TUsikkerhedsArt::Ingen ? std::string() : kort;
}
