// The shared frame of the small dialogs.
#include "ui/dialoger/PlotvikDialog.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Brugerflade.h"
#include "ui/flade/Tegnsaet.h"

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

bool TPlotvikDialog::VisesAllerede() {
    if (!isVisible()) return false;
    raise();
    activateWindow();
    return true;
}

bool TPlotvikDialog::VisModalt() {
    // Asked for again while it is open: the open dialog comes to the front
    // and keeps what is typed in it; its first caller gets the answer.
    if (VisesAllerede()) return false;
    OKValgt = false;
    AnnullerValgt = false;
    exec();
    return OKValgt;
}

void TPlotvikDialog::done(int r) {
    if (r == QDialog::Accepted && !FelterGodkendt()) return;
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
                                     int start, const std::string& overMaksimum) {
    auto* s = overMaksimum.empty() ? new QSpinBox(this) : new TGraenseSpinBox(this, overMaksimum);
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

void TPlotvikDialog::VaelgFelt(QLineEdit* e) {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

TGraenseSpinBox::TGraenseSpinBox(QWidget* parent, std::string overMaksimum)
    : QSpinBox(parent), OverMaksimum(std::move(overMaksimum)) {}

QAbstractSpinBox::StepEnabled TGraenseSpinBox::stepEnabled() const {
    // Up stays possible at the maximum, so that asking for one more is heard.
    StepEnabled s = QSpinBox::stepEnabled();
    if (!isReadOnly() && isEnabled()) s |= StepUpEnabled;
    return s;
}

void TGraenseSpinBox::stepBy(int skridt) {
    const bool forMange = skridt > 0 && value() + static_cast<long long>(skridt) > maximum();
    QSpinBox::stepBy(skridt);
    if (forMange) plotvik::Flade().Informationsboks(OverMaksimum);
}

void TGraenseSpinBox::keyPressEvent(QKeyEvent* e) {
    // A digit that would make the number larger than the maximum is refused
    // by the spin edit; say why.
    QLineEdit* l = lineEdit();
    const QString foer = l->text();
    const int start = l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    const int laengde = l->hasSelectedText() ? static_cast<int>(l->selectedText().size()) : 0;
    QSpinBox::keyPressEvent(e);
    const QString tegn = e->text();
    if (tegn.size() != 1 || !tegn[0].isDigit() || l->text() != foer) return;
    bool ok = false;
    const long long tal = QString(foer).replace(start, laengde, tegn).trimmed().toLongLong(&ok);
    if (ok && tal > maximum()) plotvik::Flade().Informationsboks(OverMaksimum);
}

std::string SpinTekst(QSpinBox* s) {
    s->interpretText();
    return std::to_string(s->value());
}

std::string EditTekst(const QLineEdit* e) { return FraQString(e->text()); }
