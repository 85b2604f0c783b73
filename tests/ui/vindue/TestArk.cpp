// The main window in rooms: input ends across sheets, the window closes in
// the middle of typing, and the sheets grow and shrink with the window.
#include <QListWidget>
#include <QPlainTextEdit>

#include "ui/FormTestHjaelp.h"
#include "ui/graf/GrafBillede.h"

namespace plotvik::test {
namespace {

class Ark : public FormTest {
protected:
    // A project of n tables of x and y = x*2, each with m measurements.
    void Tabeller(int n, int m) {
        std::string prj = "To\r\n0\r\n" + std::to_string(n) + "\r\n";
        for (int t = 1; t <= n; ++t) prj += "S 2 " + std::to_string(m) + " 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n0\r\n";
        Skriv(mappe + "/To.prj", prj);
        HentProjekt(mappe + "/To.prj");
    }
};

TEST_F(Ark, AGridClickOnOneSheetEndsTheInputOnTheOther) {
    // Two tables, one per sheet: typing in table 3 stops when table 1 is clicked.
    Tabeller(3, 2);
    for (int t : {1, 3}) Klik(form->AntalMaalingerButton[t]);
    form->VisArk(2);
    Klik(form->IndLaesTabelButton[3]);
    ASSERT_TRUE(form->IndtastningAktiv[3]);
    QTest::keyClicks(form->TabelFeltEdit[3], QStringLiteral("4.5"));
    form->VisArk(1);
    KlikCelle(1, 1, 0);
    EXPECT_FALSE(form->IndtastningAktiv[3]);
    EXPECT_EQ(form->Projekt.Tabeller[3].Celler.HentCelle(1, 2), "4.5") << "what was typed is kept";
    EXPECT_TRUE(form->IndtastningAktiv[1]);
}

TEST_F(Ark, TheWindowClosesInTheMiddleOfTyping) {
    for (int runde = 0; runde < 3; ++runde) {
        HentPendul();
        Klik(form->AntalMaalingerButton[1]);
        Klik(form->IndLaesTabelButton[1]);
        ASSERT_TRUE(form->IndtastningAktiv[1]);
        QTest::keyClicks(form->TabelFeltEdit[1], QStringLiteral("0.3"));
        NytVindue();
    }
}

TEST_F(Ark, TheWindowGrowsAndEveryControlReturnsToItsPlace) {
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) << "the window can be maximised";
    EXPECT_LE(form->minimumSizeHint().height(), 570);
    HentPendul();
    Maalinger(1, 30);
    Klik(form->BeregnTabelButton[1]);
    // 31 rows of 21 pixels and the frame: more than the default sheet shows.
    QTableView* g = form->TabelGrid[1];
    const QRect grid = g->geometry();
    EXPECT_EQ(grid.height(), 385);
    EXPECT_EQ(g->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    form->VisArk(3);
    QApplication::processEvents();
    QWidget* billede = form->GrafBilledeWidget[1];
    EXPECT_EQ(billede->size(), QSize(550, 490));
    const QRect felt = form->XakseEdit[1]->geometry();
    const QPoint feltPaaArk = form->XakseEdit[1]->mapTo(form->Ark[3], QPoint());
    const int listeHoejde = form->GrafResultaterListBox[1]->height();

    form->resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_GT(billede->width(), 550);
    EXPECT_GT(billede->height(), 490);
    const QPoint feltNu = form->XakseEdit[1]->mapTo(form->Ark[3], QPoint());
    EXPECT_GT(feltNu.x(), billede->geometry().right()) << "the fields stay beside the image";
    EXPECT_EQ(feltNu.y(), feltPaaArk.y());
    EXPECT_GT(form->GrafResultaterListBox[1]->height(), listeHoejde);
    form->VisArk(1);
    QApplication::processEvents();
    EXPECT_EQ(g->geometry().topLeft(), grid.topLeft()) << "the grid grows downwards";
    EXPECT_EQ(g->height(), 31 * 21 + 3) << "the whole table shows";
    EXPECT_EQ(g->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GT(form->VariabeludtrykEdit[1]->y(), g->geometry().bottom());

    form->resize(800, 570);
    QApplication::processEvents();
    EXPECT_EQ(g->geometry(), grid);
    form->VisArk(3);
    QApplication::processEvents();
    EXPECT_EQ(billede->size(), QSize(550, 490));
    EXPECT_EQ(form->XakseEdit[1]->geometry(), felt);
    EXPECT_EQ(form->XakseEdit[1]->mapTo(form->Ark[3], QPoint()), feltPaaArk);
    EXPECT_EQ(form->GrafResultaterListBox[1]->height(), listeHoejde);
}

TEST_F(Ark, TwoTablesShareTheExtraHeightAndKeepTheirOrder) {
    Tabeller(2, 40);
    for (int t : {1, 2}) Klik(form->AntalMaalingerButton[t]);
    // The largest heights of the two grids at the default size.
    EXPECT_EQ(form->TabelGrid[1]->height(), 195);
    EXPECT_EQ(form->TabelGrid[2]->height(), 150);
    const int raekke2 = form->AntalMaalingerButton[2]->y();
    form->resize(1000, 800);
    QApplication::processEvents();
    EXPECT_GT(form->TabelGrid[1]->height(), 195);
    EXPECT_GT(form->TabelGrid[2]->height(), 150);
    EXPECT_GT(form->AntalMaalingerButton[2]->y(), raekke2);
    // Table 2's row stays below table 1's mean row, and all stays on the sheet.
    EXPECT_GT(form->AntalMaalingerButton[2]->y(), form->VariabeludtrykEdit[1]->geometry().bottom());
    EXPECT_LE(form->VariabeludtrykEdit[2]->geometry().bottom(), form->Ark[1]->height());
    form->resize(800, 570);
    QApplication::processEvents();
    EXPECT_EQ(form->AntalMaalingerButton[2]->y(), raekke2);
    EXPECT_EQ(form->TabelGrid[2]->height(), 150);
}

}  // namespace
}  // namespace plotvik::test
