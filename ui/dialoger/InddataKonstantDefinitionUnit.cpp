// The input-constant dialog.
#include "ui/dialoger/InddataKonstantDefinitionUnit.h"

#include <QLineEdit>

#include "core/Brugerflade.h"
#include "files/Opbygning.h"
#include "ui/flade/Tegnsaet.h"

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

bool TInddataKonstantDialog::FelterGodkendt() {
    const std::string fejl = plotvik::KonstantNavnFejl(plotvik::FraQString(KonstantNavnEdit->text()));
    if (fejl.empty()) return true;
    plotvik::Flade().Fejlboks(fejl);
    VaelgFelt(KonstantNavnEdit);
    return false;
}
