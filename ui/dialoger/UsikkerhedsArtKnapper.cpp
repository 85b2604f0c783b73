#include "ui/dialoger/UsikkerhedsArtKnapper.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QRadioButton>

using plotvik::TUsikkerhedsArt;

namespace {
constexpr std::array<TUsikkerhedsArt, 4> Arter = {TUsikkerhedsArt::Ingen, TUsikkerhedsArt::Absolut,
                                                  TUsikkerhedsArt::Relativ, TUsikkerhedsArt::Soejle};
constexpr std::array<const char*, 4> Navne = {"UsikkerhedArtIngenRadioButton", "UsikkerhedArtAbsolutRadioButton",
                                              "UsikkerhedArtRelativRadioButton", "UsikkerhedArtSoejleRadioButton"};
}  // namespace

TUsikkerhedsArtKnapper::TUsikkerhedsArtKnapper(QWidget* dialog, QFormLayout* felter,
                                               const std::array<const char*, 4>& tekster)
    : gruppe_(new QButtonGroup(dialog)) {
    for (std::size_t i = 0; i < knapper_.size(); ++i) {
        knapper_[i] = new QRadioButton(QString::fromUtf8(tekster[i]), dialog);
        knapper_[i]->setObjectName(Navne[i]);
        gruppe_->addButton(knapper_[i]);
        felter->addRow(knapper_[i]);
    }
    knapper_[0]->setChecked(true);
}

TUsikkerhedsArt TUsikkerhedsArtKnapper::Valgt() const {
    for (std::size_t i = 0; i < knapper_.size(); ++i)
        if (knapper_[i]->isChecked()) return Arter[i];
    return TUsikkerhedsArt::Ingen;
}

void TUsikkerhedsArtKnapper::Vaelg(TUsikkerhedsArt art) {
    for (std::size_t i = 0; i < knapper_.size(); ++i)
        if (Arter[i] == art) knapper_[i]->setChecked(true);
}
