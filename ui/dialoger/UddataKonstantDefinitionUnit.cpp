// The output-constant dialog.
#include "ui/dialoger/UddataKonstantDefinitionUnit.h"

#include <QLineEdit>

#include "core/Brugerflade.h"
#include "files/Opbygning.h"
#include "ui/flade/Tegnsaet.h"

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

bool TUddataKonstantDialog::FelterGodkendt() {
    // The name first, then the value: the first field that cannot be accepted gets the focus.
    const std::pair<QLineEdit*, std::string> felter[] = {
        {KonstantNavnEdit, plotvik::KonstantNavnFejl(plotvik::FraQString(KonstantNavnEdit->text()))},
        {KonstantVaerdiEdit, plotvik::KonstantVaerdiFejl(plotvik::FraQString(KonstantVaerdiEdit->text()))},
    };
    for (const auto& [felt, fejl] : felter) {
        if (fejl.empty()) continue;
        plotvik::Flade().Fejlboks(fejl);
        VaelgFelt(felt);
        return false;
    }
    return true;
}
