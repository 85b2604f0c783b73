// The table sheets driven as a student drives them: load the Pendul example,
// set the number of measurements, type the values cell by cell with every
// key of the input, read them from a data file, compute, and read the mean
// and standard deviation.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "ui/FormTestHjaelp.h"

namespace plotvik::test {
namespace {

class Tabeller : public FormTest {
protected:
    void Maalinger(int t, int n) {
        form->AntalMaalingerSpinEdit[t]->setValue(n);
        Klik(form->AntalMaalingerButton[t]);
    }
    // The Pendul table with 5 measurements and keyboard input started.
    void StartIndtastning() {
        HentPendul();
        Maalinger(1, 5);
        Klik(form->IndLaesTabelButton[1]);
    }
    std::pair<int, int> EditCelle(int t) {
        QTableView* g = form->TabelGrid[t];
        const QModelIndex i = g->indexAt(form->TabelFeltEdit[t]->geometry().center());
        return {i.row(), i.column()};
    }
};

TEST_F(Tabeller, LoadingPendulShowsTheConstantsAndStartsTheirInput) {
    HentProjekt(Kopi("Pendul.prj"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pendul"));
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Vist[0].Art, Boks::AabnFil);
    EXPECT_EQ(flade.Vist[0].Tekst, "Projekt filer (*.prj)|*.prj|Alle filer (*.*)|*.*|.\\*.prj");
    EXPECT_EQ(flade.Sidste(), "Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter");
    EXPECT_EQ(flade.Vist.back().Art, Boks::Information);
    EXPECT_EQ(form->Projekt.Tilstand, 5);
    EXPECT_TRUE(form->TabelGrid[0]->isVisible());
    EXPECT_TRUE(form->KonstanterLabel->isVisible());
    EXPECT_EQ(Celle(0, 0, 0), "g [m/s^2]");
    EXPECT_EQ(Celle(0, 1, 0), "9.820");
    // Input of the constants waits in the value cell.
    EXPECT_TRUE(form->TabelFeltEdit[0]->isVisible());
    EXPECT_EQ(form->TabelFeltEdit[0]->text(), QStringLiteral("9.820"));
    EXPECT_TRUE(form->IndtastningAktiv[0]);
    // Table 1 is shown with its controls; "Indlæs" and "Beregn" wait for "OK".
    EXPECT_TRUE(form->TabelGrid[1]->isVisible());
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
    EXPECT_FALSE(form->IndLaesTabelButton[1]->isEnabled());
    EXPECT_FALSE(form->BeregnTabelButton[1]->isEnabled());
    EXPECT_FALSE(form->TabelGrid[2]->isVisible());
    EXPECT_FALSE(form->AntalMaalingerSpinEdit[2]->isVisible());
    EXPECT_EQ(Celle(1, 0, 0), "L [m]");
    EXPECT_EQ(Celle(1, 0, 1), "T [s]");
    EXPECT_EQ(Celle(1, 0, 2), "a [m/s^2]");
    // A typed constant is taken at once.
    Tast(0, "9,81", Qt::Key_Return);
    EXPECT_FALSE(form->IndtastningAktiv[0]) << "Enter in the last constant ends the input";
    EXPECT_DOUBLE_EQ(form->Projekt.KonstantVaerdi[1], 9.81);
    EXPECT_EQ(Celle(0, 1, 0), "9,81");
}

TEST_F(Tabeller, OkSizesTheGridAndEnablesTheButtons) {
    HentPendul();
    Maalinger(1, 5);
    QTableView* g = form->TabelGrid[1];
    EXPECT_EQ(g->model()->rowCount(), 6);
    EXPECT_EQ(g->model()->columnCount(), 3);
    // Column width 6 pixels per character of tabel_bredde 10, one pixel of grid line.
    EXPECT_EQ(g->width(), 3 * (60 + 1) + 3);
    EXPECT_EQ(g->height(), 6 * (20 + 1) + 3);
    EXPECT_TRUE(form->IndLaesTabelButton[1]->isEnabled());
    EXPECT_TRUE(form->BeregnTabelButton[1]->isEnabled());
    EXPECT_TRUE(form->Programstyret[1]);
}

TEST_F(Tabeller, TypingWithEnterFillsTheInputCellsAndEndsAfterTheLast) {
    StartIndtastning();
    EXPECT_EQ(EditCelle(1), std::make_pair(1, 0));
    const char* vaerdier[5][2] = {{"0.2", "0.90"}, {"0.4", "1.27"}, {"0.6", "1.55"}, {"0.8", "1.80"}, {"1.0", "2.00"}};
    for (int m = 0; m < 5; ++m)
        for (int v = 0; v < 2; ++v) {
            EXPECT_EQ(EditCelle(1), std::make_pair(m + 1, v)) << m << "," << v;
            Tast(1, vaerdier[m][v]);
        }
    EXPECT_FALSE(form->IndtastningAktiv[1]);
    EXPECT_FALSE(form->TabelFeltEdit[1]->isVisible());
    for (int m = 0; m < 5; ++m)
        for (int v = 0; v < 2; ++v) EXPECT_EQ(Celle(1, m + 1, v), vaerdier[m][v]);
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(2, 4), "1.55");
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(flade.Bip_, 0);
}

TEST_F(Tabeller, EveryMovementKeyOfTheInput) {
    StartIndtastning();
    struct Trin {
        const char* tekst;
        Qt::Key tast;
        int raekke, soejle;  // where the box waits afterwards (0-based); -1 = input ended
        int bip;             // beeps so far
    };
    const Trin trin[] = {
        {"0.2", Qt::Key_PageUp, 1, 0, 1},    // first input cell: beep and stay
        {"0.2", Qt::Key_Up, 1, 0, 2},        // first measurement row: beep and stay
        {"0.2", Qt::Key_Return, 1, 1, 2},
        {"0.9", Qt::Key_PageDown, 2, 0, 2},  // past the last input variable: next row
        {"0.4", Qt::Key_Up, 1, 0, 2},
        {"0.2", Qt::Key_Down, 2, 0, 2},
        {"0.4", Qt::Key_PageUp, 1, 1, 2},    // from the first column back to the row above's last
        {"0.9", Qt::Key_Down, 2, 1, 2},
        {"1.27", Qt::Key_Down, 3, 1, 2},
        {"1.55", Qt::Key_Down, 4, 1, 2},
        {"1.80", Qt::Key_Down, 5, 1, 2},
        {"2.00", Qt::Key_Down, 5, 1, 3},     // last row: beep and stay
        {"2.00", Qt::Key_Escape, -1, -1, 3},
    };
    for (const auto& t : trin) {
        Tast(1, t.tekst, t.tast);
        if (t.raekke < 0) {
            EXPECT_FALSE(form->IndtastningAktiv[1]);
            EXPECT_FALSE(form->TabelFeltEdit[1]->isVisible());
        } else {
            EXPECT_EQ(EditCelle(1), std::make_pair(t.raekke, t.soejle)) << t.tekst;
        }
        EXPECT_EQ(flade.Bip_, t.bip) << t.tekst;
    }
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    EXPECT_EQ(Celle(1, 2, 0), "0.4");
    EXPECT_EQ(Celle(1, 5, 1), "2.00");
    // Tab ends the input too.
    Klik(form->IndLaesTabelButton[1]);
    Tast(1, "0.25", Qt::Key_Tab);
    EXPECT_FALSE(form->IndtastningAktiv[1]);
    EXPECT_EQ(Celle(1, 1, 0), "0.25");
}

TEST_F(Tabeller, AnInvalidNumberBeepsIsReportedAndStaysInTheCell) {
    StartIndtastning();
    Tast(1, "0.2");
    Tast(1, "1,2x");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst, "Fejl i Tallet: 1,2x\n\rTabel No: 1 og 2. r\xE6kke og 2 s\xF8jle");
    EXPECT_EQ(flade.Bip_, 1);
    EXPECT_EQ(Celle(1, 1, 1), "1,2x");
    EXPECT_EQ(EditCelle(1), std::make_pair(2, 0)) << "the input goes on";
    EXPECT_FALSE(Fejl);

    // With the check switched off the text is kept without a word.
    Tast(1, "", Qt::Key_Escape);
    flade.Svar.push_back(true);
    Menu("KontrolafInddataMenuItem");
    flade.Vist.clear();
    Klik(form->IndLaesTabelButton[1]);
    Tast(1, "Anna");
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(flade.Bip_, 1);
    EXPECT_EQ(Celle(1, 1, 0), "Anna");
}

TEST_F(Tabeller, AClickJumpsAndAClickIntoAnotherTableStopsTheInput) {
    StartIndtastning();
    QTest::keyClicks(form->TabelFeltEdit[1], QStringLiteral("0.7"));
    KlikCelle(1, 3, 1);
    EXPECT_EQ(Celle(1, 1, 0), "0.7") << "the cell being typed is kept";
    EXPECT_TRUE(form->IndtastningAktiv[1]);
    EXPECT_EQ(EditCelle(1), std::make_pair(3, 1));
    // Output and header cells do not take the input.
    Tast(1, "1.55", Qt::Key_Return);
    KlikCelle(1, 2, 2);
    EXPECT_NE(EditCelle(1), std::make_pair(2, 2));

    Klik(form->IndLaesTabelButton[1]);
    QTest::keyClicks(form->TabelFeltEdit[1], QStringLiteral("0.3"));
    KlikCelle(0, 1, 0);
    EXPECT_FALSE(form->IndtastningAktiv[1]);
    EXPECT_FALSE(form->TabelFeltEdit[1]->isVisible());
    EXPECT_EQ(Celle(1, 1, 0), "0.3");
    EXPECT_TRUE(form->IndtastningAktiv[0]);
    EXPECT_TRUE(form->TabelFeltEdit[0]->isVisible());
    EXPECT_EQ(form->Projekt.AktivTabel, 0);
}

TEST_F(Tabeller, FreeEditingStoresAndChecksTheCellInTheGrid) {
    HentPendul();
    Maalinger(1, 5);
    form->SaetProgramstyring(1, false);
    KlikCelle(1, 1, 0);
    EXPECT_FALSE(form->TabelFeltEdit[1]->isVisible());
    QTableView* g = form->TabelGrid[1];
    g->setFocus();
    g->setCurrentIndex(g->model()->index(1, 0));
    g->edit(g->currentIndex());
    QApplication::processEvents();
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : g->viewport()->findChildren<QLineEdit*>())
        if (e != form->TabelFeltEdit[1] && e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr) << "the grid's own editor is open";
    QTest::keyClicks(editor, QStringLiteral("0,5x"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid commits the editor, then the check runs: two rounds of events.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(1, 2), "0,5x");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
    EXPECT_EQ(flade.Vist[0].Tekst, "Fejl i Tallet: \"0,5x\"\n\rTabel No: 1: 1. r\xE6kke og 2 s\xF8jle");
    EXPECT_FALSE(Fejl);
    // "Indlæs" from the keyboard in free editing only puts the grid at the first input cell.
    Klik(form->IndLaesTabelButton[1]);
    EXPECT_FALSE(form->IndtastningAktiv[1]);
    EXPECT_EQ(g->currentIndex(), g->model()->index(1, 0));
}

TEST_F(Tabeller, ReadingTheDataFileAndComputing) {
    HentPendul();
    Maalinger(1, 5);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    EXPECT_EQ(Celle(1, 5, 1), "2.00");
    Klik(form->BeregnTabelButton[1]);
    // a = L/T^2 with 8 positions and 3 decimals, by hand: 0.2/0.81, 0.4/1.6129, 0.6/2.4025, 0.8/3.24, 1/4.
    const char* a[] = {"0.247", "0.248", "0.250", "0.247", "0.250"};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(Celle(1, m + 1, 2), a[m]) << m;
    EXPECT_EQ(form->Projekt.AktivTabel, 1);
    // The graph sheet named by the graph is filled and shown.
    EXPECT_EQ(form->GrafOverskriftLabel[1]->text(), QStringLiteral("T mod L"));
    EXPECT_EQ(form->XakseEdit[1]->text(), QStringLiteral("L"));
    EXPECT_EQ(form->YakseEdit[1]->text(), QStringLiteral("T"));
    EXPECT_EQ(form->xminEdit[1]->text(), QStringLiteral("0.100"));
    EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("1.500"));
    EXPECT_EQ(form->yminEdit[1]->text(), QStringLiteral("0.500"));
    EXPECT_EQ(form->ymaxEdit[1]->text(), QStringLiteral("3.000"));
    EXPECT_EQ(form->GrafTypeLabel[1]->text(), QStringLiteral("Graftype: Regressionslinie"));
    EXPECT_FALSE(form->PolGradLabel[1]->isVisibleTo(form->Ark[3]));
    EXPECT_TRUE(form->XakseEdit[1]->isVisibleTo(form->Ark[3]));
    EXPECT_FALSE(form->XakseEdit[2]->isVisibleTo(form->Ark[4]));
}

TEST_F(Tabeller, ACommaFileIsConvertedAndRead) {
    HentPendul();
    Maalinger(1, 3);
    Skriv(mappe + "/komma.dat", "0,2 0,9\r\n0,4 1,27\r\n0,6 1,55\r\n");
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/komma.dat");
    Klik(form->IndLaesTabelButton[1]);
    // Commas separate values in such a file: 0, 2, 0, 9, 0, 4.
    const char* forventet[3][2] = {{"0", "2"}, {"0", "9"}, {"0", "4"}};
    for (int m = 0; m < 3; ++m)
        for (int v = 0; v < 2; ++v) EXPECT_EQ(Celle(1, m + 1, v), forventet[m][v]);
    EXPECT_TRUE(std::filesystem::exists(mappe + "/kommaFormat.dat"));
}

TEST_F(Tabeller, MeanAndStandardDeviationWithUnits) {
    HentPendul();
    Maalinger(1, 5);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Menu("StatistikPaamaalingerMenuItem");
    EXPECT_EQ(flade.Sidste(),
              "Tryk p\xE5 \"Beregn\", efter at dette punkt er valgt\n\r"
              "Hvis ikke edit felterne bliver vist, s\xE5 gentag menuvalget.");
    EXPECT_EQ(flade.Vist.back().Art, Boks::Information);
    EXPECT_FALSE(form->VariabeludtrykEdit[1]->isVisible());
    Klik(form->BeregnTabelButton[1]);
    ASSERT_TRUE(form->VariabeludtrykEdit[1]->isVisible());
    EXPECT_TRUE(form->GennemsnitEdit[1]->isVisible());
    EXPECT_TRUE(form->VariansEdit[1]->isVisible());

    struct Raekke {
        const char* navn;
        const char* gns;
        const char* varians;
    };
    // By hand: T = 0.90 1.27 1.55 1.80 2.00, mean 7.52/5 = 1.504, sum of squared
    // deviations 0.75532, s = sqrt(0.75532/4) = 0.43455; L mean 0.6, s = sqrt(0.1) = 0.31623.
    const Raekke raekker[] = {{"T", "1.504 [s]", "0.435 [s]"}, {"L", "0.600 [m]", "0.316 [m]"}};
    for (const auto& r : raekker) {
        form->VariabeludtrykEdit[1]->clear();
        QTest::keyClicks(form->VariabeludtrykEdit[1], QString::fromLatin1(r.navn));
        QTest::keyClick(form->VariabeludtrykEdit[1], Qt::Key_Return);
        EXPECT_EQ(FraQString(form->GennemsnitEdit[1]->text()), r.gns) << r.navn;
        EXPECT_EQ(FraQString(form->VariansEdit[1]->text()), r.varians) << r.navn;
    }
    flade.Vist.clear();
    form->VariabeludtrykEdit[1]->clear();
    QTest::keyClicks(form->VariabeludtrykEdit[1], QStringLiteral("l"));
    QTest::keyClick(form->VariabeludtrykEdit[1], Qt::Key_Return);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Tekst, " Ukendt variabel: l") << "names are compared exactly";
}

TEST_F(Tabeller, RaisingMaalingerDiscardsTheValuesLoweringKeepsThem) {
    HentPendul();
    Maalinger(1, 5);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Maalinger(1, 3);
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 4);
    EXPECT_EQ(Celle(1, 3, 1), "1.55");
    Maalinger(1, 6);
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 7);
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(Celle(1, m, 0), "") << m;
    EXPECT_EQ(Celle(1, 0, 0), "L [m]");
}

TEST_F(Tabeller, GemInddataAsksBeforeOverwriting) {
    HentPendul();
    Maalinger(1, 5);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    const std::string navn = mappe + "/ud.dat";
    Skriv(navn, "gammel\r\n");
    flade.Vist.clear();
    flade.FilSvar.push_back(navn);
    flade.Svar.push_back(false);
    Menu("GemInddataMenuItem");
    EXPECT_EQ(flade.Sidste(), "Filen: " + navn + " eksisterer\n\rSkal den overskrives?");
    EXPECT_EQ(flade.Vist.back().Art, Boks::JaNej);
    EXPECT_EQ(Laes(navn), "gammel\r\n");
    flade.FilSvar.push_back(navn);
    flade.Svar.push_back(true);
    Menu("GemInddataMenuItem");
    EXPECT_EQ(Laes(navn), "0.2 0.90\r\n0.4 1.27\r\n0.6 1.55\r\n0.8 1.80\r\n1.0 2.00\r\n");
}

TEST_F(Tabeller, ALargeTableOpensAtOnceWithScrollBarsAndFreeEditing) {
    HentPendul();
    form->AntalMaalingerSpinEdit[1]->setValue(32767);
    QElapsedTimer ur;
    ur.start();
    Klik(form->AntalMaalingerButton[1]);
    form->repaint();
    const qint64 ms = ur.elapsed();
    RecordProperty("ms", static_cast<int>(ms));
    EXPECT_LT(ms, 300) << "applying 32767 measurements took " << ms << " ms";
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 32768);
    // Pendul has one table: its grid may grow to 385 pixels, plus the scroll bar's 20 in width.
    EXPECT_EQ(form->TabelGrid[1]->height(), 385);
    EXPECT_EQ(form->TabelGrid[1]->width(), 3 * 61 + 3 + 20);
    EXPECT_EQ(form->TabelGrid[1]->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(form->Programstyret[1]);
    EXPECT_FALSE(form->ProgramstyringMulig[1]);
    form->TabelGrid[1]->scrollToBottom();
    form->Projekt.Tabeller[1].Celler.SaetCelle("4.5", 1, 32768);
    EXPECT_EQ(Celle(1, 32767, 0), "4.5") << "the grid reads the matrix, it keeps no copy";
}

TEST_F(Tabeller, ASmallerProjectAfterABiggerOneShowsNothingOfTheFirst) {
    const std::string stor = mappe + "/Stor.prj";
    Skriv(stor,
          "Stor\r\n0\r\n2\r\n"
          "S 2 3 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n1\r\ny mod x\r\n2\r\nx\r\ny\r\n"
          " 0.0E+0000  1.0E+0001\r\n 0.0E+0000  2.0E+0001\r\nP\r\n2\r\n"
          "R 2 4 8\r\nu:=?\r\nv:=u+1\r\n0\r\n");
    HentProjekt(stor);
    EXPECT_TRUE(flade.Vist.size() == 1u) << "no constants: no message about them";
    EXPECT_FALSE(form->TabelGrid[0]->isVisible());
    EXPECT_TRUE(form->TabelGrid[2]->isVisible());
    Maalinger(1, 3);
    Klik(form->BeregnTabelButton[1]);
    EXPECT_EQ(form->GrafOverskriftLabel[2]->text(), QStringLiteral("y mod x"));
    EXPECT_EQ(form->GrafTypeLabel[2]->text(), QStringLiteral("Graftype: Polynomiumsfit"));
    EXPECT_EQ(form->PolGradLabel[2]->text(), QStringLiteral("Polynomiumsgrad: 2"));
    EXPECT_TRUE(form->PolGradLabel[2]->isVisibleTo(form->Ark[4]));

    HentPendul();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pendul"));
    EXPECT_FALSE(form->TabelGrid[2]->isVisible());
    EXPECT_FALSE(form->AntalMaalingerSpinEdit[2]->isVisible());
    EXPECT_FALSE(form->IndLaesTabelButton[2]->isVisible());
    EXPECT_TRUE(form->TabelGrid[0]->isVisible());
    EXPECT_EQ(form->GrafOverskriftLabel[2]->text(), QString());
    EXPECT_FALSE(form->XakseEdit[2]->isVisibleTo(form->Ark[4]));
    EXPECT_FALSE(form->PolGradLabel[2]->isVisibleTo(form->Ark[4]));
    EXPECT_EQ(form->Projekt.Tabeller[2].AntalVariable, 0);
    EXPECT_EQ(form->Projekt.AntalTabeller, 1);
}

TEST_F(Tabeller, EnterInTheCountMovesToOkAndTheSpinEditNamesTheActiveTable) {
    HentPendul();
    QSpinBox* spin = form->AntalMaalingerSpinEdit[1];
    spin->setFocus();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form->AntalMaalingerButton[1]->hasFocus());
    EXPECT_EQ(form->Projekt.AktivTabel, 1) << "leaving the spin edit makes its table active";
    // Enter in the resolution box of a graph sheet goes on to "Tegn graf".
    form->SideKontrol->setCurrentIndex(2);
    form->AntalGrafPunkterEdit[1]->setFocus();
    QTest::keyClick(form->AntalGrafPunkterEdit[1], Qt::Key_Return);
    EXPECT_TRUE(form->TegnGrafButton[1]->hasFocus());
}

TEST_F(Tabeller, BeregnAndOkIgnoreATableTheProjectDoesNotDefine) {
    HentPendul();
    form->AntalMaalingerButtonClick(2);
    form->UdregnTabelButtonClick(3);
    form->IndLaesTabelButtonClick(4);
    EXPECT_FALSE(form->TabelGrid[2]->isVisible());
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(form->Projekt.AktivTabel, 0);
}

}  // namespace
}  // namespace plotvik::test
