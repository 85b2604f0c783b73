// An example from the welcome panel shows something at once: its data read,
// its table computed, its first graph drawn and one line on what to try
// next. "Hent Projekt Fil" of the same file stays as it always was: the
// constants' message, the constants' input, an empty table.
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUndoStack>

#include "FormTestHjaelp.h"
#include "ui/Velkomst.h"

namespace plotvik::test {
namespace {

using EksempelAabning = FormTest;

int IkkeHvide(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
}

TEST_F(EksempelAabning, TheWelcomeExampleOpensComputedAndDrawnTheMenuLoadsItAsAlways) {
    struct Raekke {
        const char* hvad;
        bool velkomst;                   // the welcome's button; else "Hent Projekt Fil"
        std::vector<std::string> bokse;  // the texts shown, in order
        int forrest;                     // the sheet in front
        // FaldTabel_1.dat holds t = 0.10 .. 0.50; v = g*t with g = 9.82: 0.982 at t = 0.10 (two decimals).
        std::string t1, v1, t5;
        std::string resultat;            // first line of "Graf Resultater" on sheet 1
        bool tip;
    };
    const std::string eksempel =
        FraQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/Eksempler/Fald.prj";
    const std::vector<Raekke> raekker = {
        {"the welcome's example", true, {}, 3, "0.10", "0.98", "0.50", "Regressionslinie:", true},
        {"Hent Projekt Fil", false, {"Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter"}, 1, "", "", "", "",
         false},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.hvad);
        NytVindue();
        flade.Vist.clear();
        if (r.velkomst) {
            Klik(Find<QPushButton>("EksempelFaldButton"));
        } else {
            HentProjekt(eksempel);
            flade.Vist.erase(flade.Vist.begin());  // the open dialog
        }
        EXPECT_EQ(flade.Tekster(), r.bokse);
        EXPECT_EQ(form->Projekt.ProjektFilNavn, eksempel);
        EXPECT_FALSE(Find<TVelkomst>("VelkomstPanel")->isVisible());
        EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[r.forrest]);
        EXPECT_EQ(Celle(1, 1, 0), r.t1);
        EXPECT_EQ(Celle(1, 1, 1), r.v1);
        EXPECT_EQ(Celle(1, 5, 0), r.t5);
        QListWidget* liste = form->GrafResultaterListBox[1];
        EXPECT_EQ(liste->count() > 0 ? FraQString(liste->item(0)->text()) : std::string(), r.resultat);
        EXPECT_EQ(IkkeHvide(form->GrafImage[1]) > 0, r.velkomst);
        auto* tip = Find<QLabel>("EksempelTipLabel");
        EXPECT_EQ(tip->isVisible(), r.tip);
        if (r.tip) {
            EXPECT_EQ(tip->text(), QString::fromUtf8("Prøv: ret en måling, tryk Beregn og Tegn graf igen"));
        }
        // Opened, not changed by the student: nothing to undo.
        EXPECT_FALSE(form->Fortryd->canUndo());
    }
    // Another project takes the example's line with it.
    NytVindue();
    Klik(Find<QPushButton>("EksempelFaldButton"));
    HentProjekt(Kopi("Pendul.prj"));
    EXPECT_FALSE(Find<QLabel>("EksempelTipLabel")->isVisible());
}

}  // namespace
}  // namespace plotvik::test
