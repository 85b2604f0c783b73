// The dialog of "&Eksporter graf...": the picture's size in centimetres,
// the resolution of a PNG file and whether the results list goes along.
#pragma once

#include <optional>

#include "ui/graf/GrafEksport.h"
#include "ui/dialoger/PlotvikDialog.h"

class QCheckBox;

class TEksporterGrafDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TEksporterGrafDialog(QWidget* parent = nullptr);

    QLineEdit* BreddeEdit = nullptr;  // "Bredde (cm)"
    QLineEdit* HoejdeEdit = nullptr;  // "Højde (cm)"
    QSpinBox* DpiSpinEdit = nullptr;  // "Opløsning (dpi)", for PNG and the clipboard
    QCheckBox* MedResultaterCheckBox = nullptr;

    // Fills the fields from the choices.
    void Vis(const plotvik::TEksportValg& valg);
    // The choices of the fields; a size that is no number from 1 to 100 cm
    // is told through the user seam and gives nothing.
    std::optional<plotvik::TEksportValg> Valg() const;
};
