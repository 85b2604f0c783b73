// The shared frame of the small dialogs.
#include "ui/PlotvikDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/Tegnsaet.h"

using plotvik::FraQString;
using plotvik::TilQString;

TPlotvikDialog::TPlotvikDialog(QWidget* parent, const char* navn, const std::string& titel)
    : QDialog(parent) {
    setObjectName(navn);
    setWindowTitle(TilQString(titel));
    setModal(true);
    Hovedlayout = new QVBoxLayout(this);
    Felter = new QFormLayout;
    Hovedlayout->addLayout(Felter);
}

bool TPlotvikDialog::VisModalt() {
    OKValgt = false;
    AnnullerValgt = false;
    exec();
    return OKValgt;
}

void TPlotvikDialog::done(int r) {
    HentFelter();
    if (r == QDialog::Accepted)
        OKValgt = true;
    else
        AnnullerValgt = true;
    QDialog::done(r);
}

QLabel* TPlotvikDialog::NyLabel(const std::string& tekst) {
    auto* l = new QLabel(TilQString(tekst), this);
    l->setWordWrap(true);
    return l;
}

QLineEdit* TPlotvikDialog::NyEdit(const char* navn, const std::string& ledetekst) {
    auto* e = new QLineEdit(this);
    e->setObjectName(navn);
    e->setMinimumWidth(220);
    Felter->addRow(TilQString(ledetekst), e);
    return e;
}

QSpinBox* TPlotvikDialog::NySpinEdit(const char* navn, const std::string& ledetekst, int min, int max,
                                     int start) {
    auto* s = new QSpinBox(this);
    s->setObjectName(navn);
    s->setRange(min, max);
    s->setValue(start);
    s->setMaximumWidth(110);  // a number, not a text: no need to stretch
    if (!ledetekst.empty()) Felter->addRow(TilQString(ledetekst), s);
    return s;
}

void TPlotvikDialog::LavKnapper() {
    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    knapper->addWidget(OKButton);
    knapper->addWidget(CancelButton);
    Hovedlayout->addLayout(knapper);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::string SpinTekst(QSpinBox* s) {
    s->interpretText();
    return std::to_string(s->value());
}

std::string EditTekst(const QLineEdit* e) { return FraQString(e->text()); }
