// Qt's own texts in Danish: the standard buttons of a message box and a
// button box read as a Danish student expects once the program has loaded
// Qt's translations; without the files the program still runs, in English.
#include <QApplication>
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

// The caption without its mnemonic mark ("&Ja" -> "Ja").
QString Tekst(QAbstractButton* b) { return b ? b->text().remove('&') : QStringLiteral("<ingen>"); }

struct Knapper {
    QMessageBox boks{QMessageBox::Information, QStringLiteral("Plotvik"), QStringLiteral("?"),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel};
    QDialogButtonBox raekke{QDialogButtonBox::Ok | QDialogButtonBox::Cancel};
};

void Fjern(const std::vector<QTranslator*>& oversaettere) {
    for (QTranslator* t : oversaettere) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

TEST(DanskeQtTekster, StandardButtonsReadDanish) {
    const std::vector<QTranslator*> oversaettere = IndlaesDanskeQtTekster();
    ASSERT_FALSE(oversaettere.empty()) << "Qt's Danish translations were not found";
    {
        Knapper k;
        const struct {
            QAbstractButton* knap;
            const char* forventet;
        } raekker[] = {
            {k.boks.button(QMessageBox::Yes), "Ja"},
            {k.boks.button(QMessageBox::No), "Nej"},
            {k.boks.button(QMessageBox::Cancel), "Annuller"},
            {k.boks.button(QMessageBox::Ok), "OK"},
            {k.raekke.button(QDialogButtonBox::Cancel), "Annuller"},
            {k.raekke.button(QDialogButtonBox::Ok), "OK"},
        };
        for (const auto& r : raekker) EXPECT_EQ(Tekst(r.knap), QString::fromUtf8(r.forventet));
    }
    Fjern(oversaettere);
    // Taken away again, Qt's own English: the buttons really were translated.
    Knapper k;
    EXPECT_EQ(Tekst(k.boks.button(QMessageBox::Yes)), QStringLiteral("Yes"));
}

TEST(DanskeQtTekster, WithoutTheFilesTheProgramRunsInEnglish) {
    QTemporaryDir tom;
    ASSERT_TRUE(tom.isValid());
    const std::vector<QTranslator*> oversaettere = IndlaesDanskeQtTekster(tom.path());
    EXPECT_TRUE(oversaettere.empty());
    Knapper k;
    EXPECT_EQ(Tekst(k.boks.button(QMessageBox::Yes)), QStringLiteral("Yes"));
    EXPECT_EQ(Tekst(k.raekke.button(QDialogButtonBox::Cancel)), QStringLiteral("Cancel"));
    Fjern(oversaettere);
}

}  // namespace
}  // namespace plotvik::test
