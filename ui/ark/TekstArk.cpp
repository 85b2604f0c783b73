// The text sheet: a plain editor in a fixed-pitch font that fills the sheet.
#include "ui/ark/TekstArk.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/flade/Tegnsaet.h"

TTekstArk::TTekstArk(plotvik::TProjekt& p, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TekstArk"));
    RedigerMemo = new QPlainTextEdit(this);
    RedigerMemo->setObjectName(QStringLiteral("RedigerMemo"));
    QFont fast(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}, 10);
    RedigerMemo->setFont(fast);
    RedigerMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(RedigerMemo);
    connect(RedigerMemo, &QPlainTextEdit::textChanged, this, [&p] { p.TekstGemt = false; });
}

std::string TTekstArk::Tekst() const { return plotvik::FraQString(RedigerMemo->toPlainText()); }

void TTekstArk::SaetTekst(const std::string& tekst) { RedigerMemo->setPlainText(plotvik::TilQString(tekst)); }

void TTekstArk::TilfoejLinie(const std::string& linie) { RedigerMemo->appendPlainText(plotvik::TilQString(linie)); }

std::vector<std::string> TTekstArk::Linier() const {
    std::vector<std::string> linier;
    for (const QString& l : RedigerMemo->toPlainText().split(QLatin1Char('\n'))) linier.push_back(plotvik::FraQString(l));
    return linier;
}
