// The dialog of "&Eksporter graf..." (see EksporterGrafDialogUnit.h).
#include "ui/dialoger/EksporterGrafDialogUnit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <cstdio>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

QString Cm(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.1f", v);
    return QString::fromLatin1(t).replace('.', ',');
}

}  // namespace

TEksporterGrafDialog::TEksporterGrafDialog(QWidget* parent)
    : TPlotvikDialog(parent, "EksporterGrafDialog", "Eksporter graf") {
    BreddeEdit = NyEdit("BreddeEdit", "Bredde (cm)");
    HoejdeEdit = NyEdit("HoejdeEdit", "H\xF8jde (cm)");
    DpiSpinEdit = NySpinEdit("DpiSpinEdit", "Opl\xF8sning (dpi) for PNG", 72, 1200, 300);
    MedResultaterCheckBox = new QCheckBox(TilQString("Medtag resultatlisten under grafen"), this);
    MedResultaterCheckBox->setObjectName("MedResultaterCheckBox");
    MedResultaterCheckBox->setChecked(true);
    Felter->addRow(MedResultaterCheckBox);
    LavKnapper();
}

void TEksporterGrafDialog::Vis(const TEksportValg& valg) {
    BreddeEdit->setText(Cm(valg.BreddeCm));
    HoejdeEdit->setText(Cm(valg.HoejdeCm));
    DpiSpinEdit->setValue(valg.Dpi);
    MedResultaterCheckBox->setChecked(valg.MedResultater);
}

std::optional<TEksportValg> TEksporterGrafDialog::Valg() const {
    TEksportValg v;
    bool f1 = false, f2 = false;
    v.BreddeCm = TekstTilTal(FraQString(BreddeEdit->text()), f1);
    v.HoejdeCm = TekstTilTal(FraQString(HoejdeEdit->text()), f2);
    if (f1 || f2 || !(v.BreddeCm >= 1 && v.BreddeCm <= 100) || !(v.HoejdeCm >= 1 && v.HoejdeCm <= 100)) {
        Fejl = false;
        Flade().Fejlboks("Bredde og h\xF8jde skal v\xE6re tal fra 1 til 100 cm");
        return std::nullopt;
    }
    DpiSpinEdit->interpretText();
    v.Dpi = DpiSpinEdit->value();
    v.MedResultater = MedResultaterCheckBox->isChecked();
    return v;
}
