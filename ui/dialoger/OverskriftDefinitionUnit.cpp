// The heading dialog.
#include "ui/dialoger/OverskriftDefinitionUnit.h"

#include <QLineEdit>

TOverskriftDialog::TOverskriftDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TOverskriftDialog", "Overskrift Definition") {
    OverskriftEdit = NyEdit("OverskriftEdit", "Overskrift til projektet");
    LavKnapper();
}

void TOverskriftDialog::Forbered() {
    OverskriftEdit->clear();
    Overskrift.clear();
    OverskriftEdit->setFocus();
}

void TOverskriftDialog::HentFelter() { Overskrift = EditTekst(OverskriftEdit); }
