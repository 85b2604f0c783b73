// The output-constant dialog.
#include "ui/UddataKonstantDefinitionUnit.h"

#include <QLineEdit>

TUddataKonstantDialog::TUddataKonstantDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TUddataKonstantDialog", "Definition af Uddata Konstant") {
    KonstantNavnEdit = NyEdit("KonstantNavnEdit", "Konstantens Navn");
    KonstantVaerdiEdit = NyEdit("KonstantVaerdiEdit", "Numerisk V\xE6rdi");
    KonstantEnhedEdit = NyEdit("KonstantEnhedEdit", "Enhed");
    LavKnapper();
}

void TUddataKonstantDialog::Forbered() {
    KonstantNavnEdit->clear();
    KonstantVaerdiEdit->clear();
    KonstantEnhedEdit->clear();
    Navn.clear();
    Vaerdi.clear();
    Enhed.clear();
    KonstantNavnEdit->setFocus();
}

void TUddataKonstantDialog::HentFelter() {
    Navn = EditTekst(KonstantNavnEdit);
    Vaerdi = EditTekst(KonstantVaerdiEdit);
    Enhed = EditTekst(KonstantEnhedEdit);
}
