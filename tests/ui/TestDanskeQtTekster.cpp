// Qt's own texts in Danish once the program has loaded Qt's translations;
// without the files the program still runs, with Qt's English texts.
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include "ui/DanskeQtTekster.h"

namespace plotvik::test {
namespace {

TEST(DanskeQtTekster, StandardButtonsReadDanishAndMissingFilesLeaveEnglish) {
    QTemporaryDir tom;
    const struct {
        QString mappe;  // empty: Qt's own translation folder
        const char *ja, *nej, *annuller;
    } raekker[] = {{QString(), "Ja", "Nej", "Annuller"}, {tom.path(), "Yes", "No", "Cancel"}};
    for (const auto& r : raekker) {
        const std::vector<QTranslator*> oversaettere = IndlaesDanskeQtTekster(r.mappe);
        EXPECT_EQ(oversaettere.empty(), !r.mappe.isEmpty());
        QMessageBox boks(QMessageBox::Information, QStringLiteral("Plotvik"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
        QDialogButtonBox raekke(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        EXPECT_EQ(boks.button(QMessageBox::Yes)->text().remove('&'), QString::fromLatin1(r.ja));
        EXPECT_EQ(boks.button(QMessageBox::No)->text().remove('&'), QString::fromLatin1(r.nej));
        EXPECT_EQ(raekke.button(QDialogButtonBox::Cancel)->text().remove('&'), QString::fromLatin1(r.annuller));
        for (QTranslator* t : oversaettere) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
}

}  // namespace
}  // namespace plotvik::test
