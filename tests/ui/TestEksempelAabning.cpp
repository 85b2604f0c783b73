// An example from the welcome panel opens read, computed and drawn, with a
// line on what to try next; "Hent Projekt Fil" of the same file stays as it
// always was: the constants' message and an empty table.
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUndoStack>

#include "FormTestHjaelp.h"

namespace plotvik::test {
namespace {

using EksempelAabning = FormTest;

TEST_F(EksempelAabning, TheWelcomeExampleOpensComputedAndDrawnTheMenuLoadsItAsAlways) {
    const std::string eksempel =
        FraQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/Eksempler/Fald.prj";
    // FaldTabel_1.dat holds t = 0.10 .. 0.50; v = g*t with g = 9.82 is 0.982 at t = 0.10.
    const struct {
        bool velkomst;  // the welcome's button; else "Hent Projekt Fil"
        std::vector<std::string> bokse;
        int forrest;
        const char *t1, *v1, *resultat;
    } raekker[] = {
        {true, {}, 3, "0.10", "0.98", "Regressionslinie:"},
        {false, {"Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter"}, 1, "", "", ""},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.velkomst);
        NytVindue();
        if (r.velkomst) {
            Klik(Find<QPushButton>("EksempelFaldButton"));
        } else {
            HentProjekt(eksempel);
            flade.Vist.erase(flade.Vist.begin());  // the open dialog
        }
        EXPECT_EQ(flade.Tekster(), r.bokse);
        flade.Vist.clear();
        EXPECT_EQ(form->Projekt.ProjektFilNavn, eksempel);
        EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[r.forrest]);
        EXPECT_EQ(Celle(1, 1, 0), r.t1);
        EXPECT_EQ(Celle(1, 1, 1), r.v1);
        QListWidget* liste = form->GrafResultaterListBox[1];
        EXPECT_EQ(liste->count() > 0 ? FraQString(liste->item(0)->text()) : std::string(), r.resultat);
        const QImage& b = form->GrafImage[1];
        int tegnet = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) tegnet += b.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(tegnet > 0, r.velkomst);
        EXPECT_EQ(Find<QLabel>("EksempelTipLabel")->isVisible(), r.velkomst);
        EXPECT_FALSE(form->Fortryd->canUndo());
    }
    // Another project takes the example's line with it.
    HentProjekt(Kopi("Pendul.prj"));
    EXPECT_FALSE(Find<QLabel>("EksempelTipLabel")->isVisible());
}

}  // namespace
}  // namespace plotvik::test
