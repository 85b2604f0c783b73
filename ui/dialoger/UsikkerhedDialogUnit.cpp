// The uncertainty dialog.
#include "ui/dialoger/UsikkerhedDialogUnit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Brugerflade.h"
#include "ui/flade/Tegnsaet.h"

using plotvik::TUsikkerhedsArt;

TUsikkerhedDialog::TUsikkerhedDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TUsikkerhedDialog", "Usikkerhed") {
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No (0: konstanter)", 0, plotvik::MaksTabeller, 1);
    VariabelComboBox = new QComboBox(this);
    VariabelComboBox->setObjectName("VariabelComboBox");
    Felter->addRow(QStringLiteral("Variabel"), VariabelComboBox);

    ArtKnapper = std::make_unique<TUsikkerhedsArtKnapper>(
        this, Felter, std::array{"&Ingen", "&Absolut (± værdi)", "&Relativ (± %)", "&Egen søjle"});
    UsikkerhedEdit = NyEdit("UsikkerhedEdit", "Usikkerhed");
    UsikkerhedSoejleComboBox = new QComboBox(this);
    UsikkerhedSoejleComboBox->setObjectName("UsikkerhedSoejleComboBox");
    Felter->addRow(QString::fromUtf8("Søjle"), UsikkerhedSoejleComboBox);
    LavKnapper();

    connect(TabelNoSpinEdit, &QSpinBox::valueChanged, this, [this] { TabelValgt(); });
    connect(VariabelComboBox, &QComboBox::currentIndexChanged, this, [this] { VariabelValgt(); });
    connect(ArtKnapper->Gruppe(), &QButtonGroup::buttonToggled, this, [this] { ArtValgt(); });
    ArtValgt();
}

void TUsikkerhedDialog::Forbered(int tabelNo) {
    const bool samme = TabelNoSpinEdit->value() == tabelNo;
    TabelNoSpinEdit->setValue(tabelNo);
    if (samme) TabelValgt();
    VariabelComboBox->setFocus();
}

void TUsikkerhedDialog::TabelValgt() {
    const int t = TabelNoSpinEdit->value();
    const auto variable = Variable ? Variable(t) : std::vector<std::pair<int, std::string>>{};
    const QSignalBlocker blok(VariabelComboBox);
    VariabelComboBox->clear();
    UsikkerhedSoejleComboBox->clear();
    for (const auto& [v, navn] : variable) {
        VariabelComboBox->addItem(plotvik::TilQString(navn), v);
        // A constant has one value: there is no column to hold its uncertainties.
        if (t != 0) UsikkerhedSoejleComboBox->addItem(plotvik::TilQString(navn), v);
    }
    ArtKnapper->Soejle()->setEnabled(t != 0);
    VariabelComboBox->setCurrentIndex(variable.empty() ? -1 : 0);
    VariabelValgt();
}

void TUsikkerhedDialog::VariabelValgt() {
    const int v = VariabelComboBox->currentData().toInt();
    std::pair<TUsikkerhedsArt, std::string> nu{TUsikkerhedsArt::Ingen, {}};
    if (v > 0 && Nuvaerende) nu = Nuvaerende(TabelNoSpinEdit->value(), v);
    UsikkerhedEdit->clear();
    ArtKnapper->Vaelg(nu.first);
    if (nu.first == TUsikkerhedsArt::Soejle) {
        const int i = UsikkerhedSoejleComboBox->findText(plotvik::TilQString(nu.second));
        if (i >= 0) UsikkerhedSoejleComboBox->setCurrentIndex(i);
    } else {
        UsikkerhedEdit->setText(plotvik::TilQString(nu.second));
    }
    ArtValgt();
}

void TUsikkerhedDialog::ArtValgt() {
    const TUsikkerhedsArt art = ArtKnapper->Valgt();
    UsikkerhedEdit->setEnabled(art == TUsikkerhedsArt::Absolut || art == TUsikkerhedsArt::Relativ);
    UsikkerhedSoejleComboBox->setEnabled(art == TUsikkerhedsArt::Soejle);
}

std::string TUsikkerhedDialog::ValgtTekst() const {
    switch (ArtKnapper->Valgt()) {
        case TUsikkerhedsArt::Ingen: return {};
        case TUsikkerhedsArt::Soejle: return plotvik::FraQString(UsikkerhedSoejleComboBox->currentText());
        default: return EditTekst(UsikkerhedEdit);
    }
}

void TUsikkerhedDialog::HentFelter() {
    TabelNo = TabelNoSpinEdit->value();
    VariabelNo = VariabelComboBox->currentData().toInt();
    Art = ArtKnapper->Valgt();
    Tekst = ValgtTekst();
}

bool TUsikkerhedDialog::FelterGodkendt() {
    const int t = TabelNoSpinEdit->value();
    const int v = VariabelComboBox->currentData().toInt();
    if (v <= 0) {
        plotvik::Flade().Fejlboks(t == 0 ? "Projektet har ingen konstanter"
                                         : "Tabel " + std::to_string(t) + " har ingen inddatavariable");
        TabelNoSpinEdit->setFocus();
        return false;
    }
    const std::string besked = Saet ? Saet(t, v, ArtKnapper->Valgt(), ValgtTekst()) : std::string();
    if (besked.empty()) return true;
    plotvik::Flade().Fejlboks(besked);
    if (UsikkerhedEdit->isEnabled()) VaelgFelt(UsikkerhedEdit);
    return false;
}
