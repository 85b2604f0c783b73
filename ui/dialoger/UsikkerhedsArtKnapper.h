// The four kinds of uncertainty as radio buttons in a dialog's form (none,
// absolute, relative, a column of its own), with the object names the
// dialogs are known by: both the input-variable and the uncertainty dialog.
#pragma once

#include <array>

#include "core/Projekt.h"

class QButtonGroup;
class QFormLayout;
class QRadioButton;
class QWidget;

class TUsikkerhedsArtKnapper {
public:
    // Texts in the order Ingen, Absolut, Relativ, Soejle (UTF-8); "Ingen" checked.
    TUsikkerhedsArtKnapper(QWidget* dialog, QFormLayout* felter, const std::array<const char*, 4>& tekster);

    plotvik::TUsikkerhedsArt Valgt() const;
    void Vaelg(plotvik::TUsikkerhedsArt art);
    QRadioButton* Soejle() const { return knapper_[3]; }
    QButtonGroup* Gruppe() const { return gruppe_; }

private:
    std::array<QRadioButton*, 4> knapper_{};
    QButtonGroup* gruppe_ = nullptr;
};
