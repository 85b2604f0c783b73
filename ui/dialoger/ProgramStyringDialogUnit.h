// The program-control dialog of "123": per table, whether input into its grid
// is steered by the program (focus moves to the next input cell by itself)
// or free (the user edits any cell).
#pragma once

#include <array>

#include "ui/dialoger/PlotvikDialog.h"

class QCheckBox;

class TProgramstyringDialog : public TPlotvikDialog {
    Q_OBJECT
public:
    explicit TProgramstyringDialog(QWidget* parent = nullptr);
    // The boxes show the current choice; a table whose grid needs scroll bars
    // cannot be program-controlled, so its box is unchecked and disabled.
    void Forbered(const std::array<bool, 5>& programstyret, const std::array<bool, 5>& mulig);

    // Index 0 is the constants table, 1..4 the tables.
    std::array<QCheckBox*, 5> ProgramstyringCheckBox{};
    std::array<bool, 5> Programstyret{true, true, true, true, true};  // filled when the dialog closes

protected:
    void HentFelter() override;
};
