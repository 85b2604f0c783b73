// The table print dialog.
#include "ui/dialoger/UdskrivTabelUnit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

TUdskrivTabelDialog::TUdskrivTabelDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TUdskrivTabelDialog", "Dialog") {
    OverskriftEdit = NyEdit("OverskriftEdit", "Overskrift til Tabel");
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 0, 4, 1);
    LavKnapper();
    OverskriftEdit->installEventFilter(this);
    TabelNoSpinEdit->installEventFilter(this);
}

void TUdskrivTabelDialog::Forbered() {
    OverskriftEdit->clear();
    TabelNoSpinEdit->setValue(1);
    OverskriftEdit->setFocus();
}

bool TUdskrivTabelDialog::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        int tast = static_cast<QKeyEvent*>(e)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            if (o == OverskriftEdit) {
                TabelNoSpinEdit->setFocus();
                TabelNoSpinEdit->selectAll();
                return true;
            }
            if (o == TabelNoSpinEdit) {
                TabelNoSpinEdit->interpretText();
                OKButton->setFocus();
                return true;
            }
        }
    }
    return TPlotvikDialog::eventFilter(o, e);
}

void TUdskrivTabelDialog::HentFelter() {
    Overskrift = EditTekst(OverskriftEdit);
    TabelNo = SpinTekst(TabelNoSpinEdit);
}
