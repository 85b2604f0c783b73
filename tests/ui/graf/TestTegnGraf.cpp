// "Tegn graf" on each graph sheet of the real window, offscreen: the Fald
// example (v = g*t, s = g*t^2/2 for t = 0.1 .. 0.5) with a regression line on
// sheet 1 and a degree-2 polynomial on sheet 2; sheet 3 has no graph.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/FormTestHjaelp.h"

namespace plotvik::test {
namespace {

using TegnGrafUI = FormTest;

std::vector<std::string> Liste(QListWidget* l) {
    std::vector<std::string> r;
    for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
    return r;
}

TEST_F(TegnGrafUI, EachSheetListsItsFit) {
    HentProjekt(Kopi("Fald.prj"));
    Kopi("FaldTabel_1.dat");
    form->AntalMaalingerSpinEdit[1]->setValue(5);
    Klik(form->AntalMaalingerButton[1]);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/FaldTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Klik(form->BeregnTabelButton[1]);
    flade.Vist.clear();

    Klik(form->StatistikCheckBox[1]);
    EXPECT_TRUE(form->Projekt.Tabeller[1].Statistik[1]);
    Klik(form->TegnGrafButton[1]);
    // v = 0.98, 1.96, 2.95, 3.93, 4.91 (two decimals): b = 0.983 / 0.1, a = 2.946 - 0.3 b.
    const auto r1 = Liste(form->GrafResultaterListBox[1]);
    ASSERT_GE(r1.size(), 2u);
    EXPECT_EQ(r1[0], "Regressionslinie:");
    EXPECT_EQ(r1[1], "v = 9.830*t -3.000E-03");
    // Under the statistics the uncertainties, by hand: s^2 = RSS / 3, Sxx = 0.1,
    // sd slope = s / sqrt(Sxx) = 0.010, sd intercept = s * sqrt(1/5 + 0.3^2 / Sxx) = 0.0033.
    // a is the slope and b the intercept, as the line "v = a*t + b" over them says.
    ASSERT_EQ(r1.size(), 9u);
    EXPECT_EQ(r1[6], "v = a*t + b");
    EXPECT_EQ(r1[7], "a = 9.830 \xB1 0.010");
    EXPECT_EQ(r1[8], "b = -0.0030 \xB1 0.0033");
    EXPECT_TRUE(form->BeholdGrafCheckBox[1]->isEnabled());

    Klik(form->TegnGrafButton[2]);
    const auto r2 = Liste(form->GrafResultaterListBox[2]);
    ASSERT_EQ(r2.size(), 4u);
    EXPECT_EQ(r2[0], "Polynomiums Koefficienter");
    EXPECT_EQ(r2[3].substr(0, 5), "P[2]=");

    Klik(form->TegnGrafButton[3]);
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Sidste(), "Der er ingen graf defineret i tabel: 1 til GrafArk: 3");
    EXPECT_FALSE(form->BeholdGrafCheckBox[3]->isEnabled());
}

}  // namespace
}  // namespace plotvik::test
