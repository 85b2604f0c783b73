// An example from the welcome panel opens read, computed and drawn, with a
// line on what to try next; "Hent Projekt Fil" of the same file stays as it was.
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QTabWidget>

#include "FormTestHjaelp.h"

namespace plotvik::test {
namespace {

using EksempelAabning = FormTest;

TEST_F(EksempelAabning, TheWelcomesExampleOpensComputedAndDrawnTheMenuLoadsItAsAlways) {
    const std::string fald =
        FraQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/Eksempler/Fald.prj";
    // FaldTabel_1.dat holds t = 0.10 .. 0.50; v = g*t with g = 9.82 is 0.982 at t = 0.10.
    const struct {
        bool velkomst;
        std::vector<std::string> bokse;
        int forrest;
        const char *t1, *v1, *resultat;
    } raekker[] = {
        {true, {}, 3, "0.10", "0.98", "Regressionslinie:"},
        {false, {"Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter"}, 1, "", "", ""},
    };
    for (const auto& r : raekker) {
        NytVindue();
        if (r.velkomst) {
            Klik(Find<QPushButton>("EksempelFaldButton"));
        } else {
            HentProjekt(fald);
        }
        std::erase_if(flade.Vist, [](const Visning& v) { return v.Art == Boks::AabnFil; });
        EXPECT_EQ(flade.Tekster(), r.bokse);
        flade.Vist.clear();
        EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[r.forrest]);
        EXPECT_EQ(Celle(1, 1, 0), r.t1);
        EXPECT_EQ(Celle(1, 1, 1), r.v1);
        QListWidget* liste = form->GrafResultaterListBox[1];
        EXPECT_EQ(liste->count() ? FraQString(liste->item(0)->text()) : std::string(), r.resultat);
        QImage hvid(form->GrafImage[1].size(), form->GrafImage[1].format());
        hvid.fill(Qt::white);
        EXPECT_EQ(form->GrafImage[1] != hvid, r.velkomst);  // drawn
        EXPECT_EQ(Find<QLabel>("EksempelTipLabel")->isVisible(), r.velkomst);
    }
    HentProjekt(Kopi("Pendul.prj"));  // another project takes the example's line with it
    EXPECT_FALSE(Find<QLabel>("EksempelTipLabel")->isVisible());
}

}  // namespace
}  // namespace plotvik::test
