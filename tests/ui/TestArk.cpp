// The main window in rooms: every control lives on the widget of its own
// kind of sheet, under its old name, and the window can be closed in the
// middle of a student's typing without the sheets calling back into a
// window that is going.
#include <QListWidget>
#include <QPlainTextEdit>

#include "FormTestHjaelp.h"
#include "ui/GrafArkSide.h"
#include "ui/GrafBillede.h"
#include "ui/TabelArk.h"
#include "ui/TekstArk.h"

namespace plotvik::test {
namespace {

class Ark : public FormTest {};

// The sheet widget a control is found on.
template <class Side>
Side* SideAf(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* s = qobject_cast<Side*>(p)) return s;
    return nullptr;
}

// Control navn sits on the sheet of kind Side called ark.
template <class Side>
void PaaArk(QWidget* w, const char* navn, const char* ark) {
    ASSERT_NE(w, nullptr);
    Side* side = SideAf<Side>(w);
    ASSERT_NE(side, nullptr) << navn;
    EXPECT_EQ(side->objectName(), QString::fromLatin1(ark)) << navn;
}

TEST_F(Ark, EveryControlSitsOnTheSheetOfItsKind) {
    for (auto [navn, ark] : {std::pair{"KonstanterStringGrid", "Tabelark1"}, {"Tabel1StringGrid", "Tabelark1"},
                             {"AntalMaalinger2SpinEdit", "Tabelark1"}, {"Tabel3StringGrid", "TabelArk2"},
                             {"BeregnTabel4Button", "TabelArk2"}, {"Variabeludtryk3Edit", "TabelArk2"}})
        PaaArk<TTabelArk>(Find<QWidget>(navn), navn, ark);
    for (auto [navn, ark] : {std::pair{"Graf1Image", "GrafArk1"}, {"Xakse2Edit", "GrafArk2"},
                             {"GrafResultater3ListBox", "GrafArk3"}, {"TegnFunktion1Button", "GrafArk1"}})
        PaaArk<TGrafArkSide>(Find<QWidget>(navn), navn, ark);
    EXPECT_NE(SideAf<TTekstArk>(Find<QPlainTextEdit>("RedigerMemo")), nullptr);
    // The window's names for them reach the same widgets.
    EXPECT_EQ(form->TabelGrid[3], Find<QTableView>("Tabel3StringGrid"));
    EXPECT_EQ(form->GrafBilledeWidget[2], Find<TGrafBillede>("Graf2Image"));
}

TEST_F(Ark, AGridClickOnOneSheetEndsTheInputOnTheOther) {
    // Two tables, one per sheet: typing in table 3 stops when table 1 is clicked.
    std::string prj = "To\r\n0\r\n3\r\n";
    for (int t = 1; t <= 3; ++t) prj += "S 2 2 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n0\r\n";
    Skriv(mappe + "/To.prj", prj);
    HentProjekt(mappe + "/To.prj");
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
    std::string prj = "To\r\n0\r\n2\r\n";
    for (int t = 1; t <= 2; ++t) prj += "S 2 40 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n0\r\n";
    Skriv(mappe + "/To.prj", prj);
    HentProjekt(mappe + "/To.prj");
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
