// The program-control dialog.
#include "ui/dialoger/ProgramStyringDialogUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>

#include "ui/flade/Tegnsaet.h"

using plotvik::TilQString;

TProgramstyringDialog::TProgramstyringDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TProgramstyringDialog", "Dialog") {
    Felter->addRow(NyLabel(
        "Indl\xE6sning til tabeller kan enten v\xE6re programstyret, hvilket betyder, at focus automatisk "
        "flyttes til det n\xE6ste inddatafelt. Ved programstyret indl\xE6sning, er det ikke muligt, at "
        "skrive i et uddatafelt. "));
    Felter->addRow(NyLabel(
        "Uden programstyret indl\xE6sning, skal man selv flytte mark\xF8ren til det n\xE6ste inddatafelt, og "
        "man kan skrive i alle felter. Programstyret indl\xE6sning er kun mulig, n\xE5r hele tabellen kan "
        "ses p\xE5 sk\xE6rmen."));
    auto boks = [&](int t, const char* tekst) {
        auto* b = new QCheckBox(TilQString(tekst), this);
        b->setObjectName(QString("ProgramstyringTabel%1CheckBox").arg(t));
        b->setChecked(true);
        ProgramstyringCheckBox[t] = b;
    };
    boks(1, "Programstyring af Tabel 1");
    boks(2, "Programstyring af Tabel 2");
    boks(3, "Programstyring af Tabel 3");
    boks(4, "Programstyring af Tabel 4");
    boks(0, "Programstyring af  Konstant Tabellen");
    for (int t : {1, 2, 3, 4, 0}) Felter->addRow(ProgramstyringCheckBox[t]);
    setMinimumWidth(460);
    LavKnapper();
}

void TProgramstyringDialog::Forbered(const std::array<bool, 5>& programstyret, const std::array<bool, 5>& mulig) {
    for (int t = 0; t < 5; ++t) {
        ProgramstyringCheckBox[t]->setChecked(programstyret[t] && mulig[t]);
        ProgramstyringCheckBox[t]->setEnabled(mulig[t]);
    }
    Programstyret = programstyret;
}

void TProgramstyringDialog::HentFelter() {
    for (int t = 0; t < 5; ++t) Programstyret[t] = ProgramstyringCheckBox[t]->isChecked();
}
