// The input-constant dialog.
#include "ui/InddataKonstantDefinitionUnit.h"

#include <QLineEdit>

TInddataKonstantDialog::TInddataKonstantDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TInddataKonstantDialog", "Inddata Konstant") {
    KonstantNavnEdit = NyEdit("KonstantNavnEdit", "Konstantens Navn");
    KonstantEnhedEdit = NyEdit("KonstantEnhedEdit", "Enhed");
    LavKnapper();
}

void TInddataKonstantDialog::Forbered() {
    KonstantNavnEdit->clear();
    KonstantEnhedEdit->clear();
    Navn.clear();
    Enhed.clear();
    KonstantNavnEdit->setFocus();
}

void TInddataKonstantDialog::HentFelter() {
    Navn = EditTekst(KonstantNavnEdit);
    Enhed = EditTekst(KonstantEnhedEdit);
}
