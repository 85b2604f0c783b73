// "&Fortryd" and "&Gentag" driven through the menu by object name: typed
// cells one step each, "Målinger" bringing back the values it discarded, a
// block of cells as one step, "Beregn" bringing back the earlier output, the
// constants, the menu texts and a new project clearing the steps.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUndoStack>

#include "FormTestHjaelp.h"
#include "files/DataImport.h"

namespace plotvik::test {
namespace {

class Fortryd : public FormTest {
protected:
    void Maalinger(int t, int n) {
        form->AntalMaalingerSpinEdit[t]->setValue(n);
        Klik(form->AntalMaalingerButton[t]);
    }
    QString MenuTekst(const char* navn) {
        QString s = Find<QAction>(navn)->text();
        return s.remove('&');
    }
    bool Aktiv(const char* navn) { return Find<QAction>(navn)->isEnabled(); }
    // The Pendul table with 5 measurements, its values read from the data file.
    void PendulMedData() {
        HentPendul();
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
    }
};

TEST_F(Fortryd, TheEditMenuSitsBetweenFileAndMathematicsWithUndoAndRedoOnTop) {
    const QList<QAction*> menuer = form->menuBar()->actions();
    ASSERT_GE(menuer.size(), 3);
    EXPECT_EQ(menuer[0]->text(), QStringLiteral("&Fil"));
    EXPECT_EQ(menuer[1]->text(), QStringLiteral("&Rediger"));
    EXPECT_EQ(menuer[1]->menu()->objectName(), QStringLiteral("RedigerMenu"));
    EXPECT_EQ(menuer[2]->text(), QStringLiteral("&Matematik"));
    const QList<QAction*> punkter = menuer[1]->menu()->actions();
    ASSERT_GE(punkter.size(), 2);
    EXPECT_EQ(punkter[0]->objectName(), QStringLiteral("FortrydMenuItem"));
    EXPECT_EQ(punkter[1]->objectName(), QStringLiteral("GentagMenuItem"));
    EXPECT_EQ(punkter[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(punkter[1]->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    // Nothing to undo in a fresh window.
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QStringLiteral("Fortryd"));
    EXPECT_FALSE(Aktiv("FortrydMenuItem"));
    EXPECT_FALSE(Aktiv("GentagMenuItem"));
}

TEST_F(Fortryd, FiveTypedValuesThreeUndoneOneRedone) {
    HentPendul();
    Maalinger(1, 5);
    Klik(form->IndLaesTabelButton[1]);
    const char* vaerdier[5] = {"0.2", "0.90", "0.4", "1.27", "0.6"};
    for (const char* v : vaerdier) Tast(1, v);
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QStringLiteral("Fortryd indtastning"));
    for (int i = 0; i < 3; ++i) Menu("FortrydMenuItem");
    EXPECT_EQ(MenuTekst("GentagMenuItem"), QStringLiteral("Gentag indtastning"));
    Menu("GentagMenuItem");
    // Grid row m + 1, column v: L and T of measurement m. Left: 0.2, 0.90, 0.4, then empty.
    const char* forventet[3][2] = {{"0.2", "0.90"}, {"0.4", ""}, {"", ""}};
    for (int m = 0; m < 3; ++m)
        for (int v = 0; v < 2; ++v) EXPECT_EQ(Celle(1, m + 1, v), forventet[m][v]) << m << "," << v;
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(1, 3), "0.4");
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(2, 3), "");
    EXPECT_TRUE(Aktiv("GentagMenuItem"));
    // Ctrl+Y and Shift+Ctrl+Z redo, Ctrl+Z undoes, from the window.
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Celle(1, 2, 1), "1.27");
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Celle(1, 2, 1), "");
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Celle(1, 2, 1), "1.27");
}

TEST_F(Fortryd, CtrlZInTheInputBoxUndoesTheCellTypedBefore) {
    HentPendul();
    Maalinger(1, 5);
    Klik(form->IndLaesTabelButton[1]);
    Tast(1, "0.2");
    Tast(1, "0.90");
    // The box waits in the next cell with nothing typed: Ctrl+Z goes to the window.
    QLineEdit* e = form->TabelFeltEdit[1];
    ASSERT_TRUE(e->isVisible());
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(Celle(1, 1, 1), "");
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    // Typed text in the box is the box's own to undo first.
    Klik(form->IndLaesTabelButton[1]);
    e = form->TabelFeltEdit[1];
    QTest::keyClicks(e, QStringLiteral("7"));
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    EXPECT_TRUE(e->isVisible());
}

TEST_F(Fortryd, FewerMeasurementsUndoneBringTheDiscardedValuesBack) {
    PendulMedData();
    Maalinger(1, 3);
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 4);
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd Målinger"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
    EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 5);
    ASSERT_EQ(form->TabelGrid[1]->model()->rowCount(), 6);
    EXPECT_EQ(Celle(1, 4, 0), "0.8");
    EXPECT_EQ(Celle(1, 5, 1), "2.00");
    // More measurements start a fresh, empty table; undo brings the values back too.
    Maalinger(1, 7);
    EXPECT_EQ(Celle(1, 1, 0), "");
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
    // And reading the file is a step of its own.
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd Indlæs"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(1, 1, 0), "");
}

TEST_F(Fortryd, ABlockOfCellsIsOneStep) {
    HentPendul();
    Maalinger(1, 2);
    // Three measurements of L and T, the table grown from two to three.
    std::vector<TCelleSkrivning> blok = {{1, 2, "0.1"}, {2, 2, "0.6"}, {1, 3, "0.2"},
                                         {2, 3, "0.9"}, {1, 4, "0.3"}, {2, 4, "1.1"}};
    form->SkrivCeller(1, blok, QString::fromUtf8("indsæt"), 3);
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 3);
    EXPECT_EQ(Celle(1, 3, 1), "1.1");
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd indsæt"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 2);
    for (int m = 1; m <= 2; ++m)
        for (int v = 0; v < 2; ++v) EXPECT_EQ(Celle(1, m, v), "") << m << "," << v;
    // The step before the block is the "Målinger" that set two measurements.
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd Målinger")) << "the block was more than one step";
    Menu("GentagMenuItem");
    EXPECT_EQ(Celle(1, 1, 0), "0.1");
    EXPECT_EQ(Celle(1, 3, 1), "1.1");
}

TEST_F(Fortryd, APastedBlockIsOneStep) {
    HentPendul();
    Maalinger(1, 2);
    form->SaetProgramstyring(1, false);
    form->TabelGrid[1]->setCurrentIndex(form->TabelGrid[1]->model()->index(1, 0));
    form->IndsaetTekst(1, QStringLiteral("0,1\t0,6\n0,2\t0,9\n0,3\t1,1\n"));
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 3);
    EXPECT_EQ(Celle(1, 3, 1), "1,1");
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd indsæt"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 2);
    EXPECT_EQ(Celle(1, 1, 0), "");
    EXPECT_EQ(Celle(1, 2, 1), "");
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QString::fromUtf8("Fortryd Målinger"));
}

TEST_F(Fortryd, ComputeChangeComputeUndoTwiceGivesTheFirstComputedColumn) {
    PendulMedData();
    Klik(form->BeregnTabelButton[1]);
    // a = L/T^2 by hand: 0.2/0.81 = 0.247, 1/4 = 0.250.
    EXPECT_EQ(Celle(1, 1, 2), "0.247");
    // Free editing of the first L, then computing again: 0.4/0.81 = 0.494.
    form->SaetProgramstyring(1, false);
    QAbstractItemModel* m = form->TabelGrid[1]->model();
    ASSERT_TRUE(m->setData(m->index(1, 0), QStringLiteral("0.4")));
    QApplication::processEvents();
    Klik(form->BeregnTabelButton[1]);
    EXPECT_EQ(Celle(1, 1, 2), "0.494");
    EXPECT_EQ(MenuTekst("FortrydMenuItem"), QStringLiteral("Fortryd Beregn"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(1, 1, 0), "0.4");
    EXPECT_EQ(Celle(1, 1, 2), "0.247");
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    const char* a[] = {"0.247", "0.248", "0.250", "0.247", "0.250"};
    for (int r = 0; r < 5; ++r) EXPECT_EQ(Celle(1, r + 1, 2), a[r]) << r;
    // Undoing the first computation empties the output column again.
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(1, 1, 2), "");
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
}

TEST_F(Fortryd, UndoneComputationTakesBackMeanAndGraphFields) {
    PendulMedData();
    Menu("StatistikPaamaalingerMenuItem");
    Klik(form->BeregnTabelButton[1]);
    EXPECT_TRUE(form->GennemsnitEdit[1]->isVisible());
    EXPECT_EQ(form->XakseEdit[1]->text(), QStringLiteral("L"));
    Menu("FortrydMenuItem");
    EXPECT_FALSE(form->GennemsnitEdit[1]->isVisible());
    EXPECT_EQ(form->XakseEdit[1]->text(), QString());
    Menu("GentagMenuItem");
    EXPECT_TRUE(form->GennemsnitEdit[1]->isVisible());
    EXPECT_EQ(form->XakseEdit[1]->text(), QStringLiteral("L"));
    EXPECT_EQ(Celle(1, 1, 2), "0.247");
}

TEST_F(Fortryd, AConstantTypedIsUndoneWithItsValue) {
    HentProjekt(Kopi("Pendul.prj"));
    flade.Vist.clear();
    EXPECT_EQ(form->Projekt.KonstantVaerdi[1], 9.82);
    Tast(0, "9,81", Qt::Key_Escape);
    EXPECT_EQ(Celle(0, 1, 0), "9,81");
    EXPECT_EQ(form->Projekt.KonstantVaerdi[1], 9.81);
    Menu("FortrydMenuItem");
    EXPECT_EQ(Celle(0, 1, 0), "9.820");
    EXPECT_EQ(form->Projekt.KonstantVaerdi[1], 9.82);
    Menu("GentagMenuItem");
    EXPECT_EQ(Celle(0, 1, 0), "9,81");
    EXPECT_EQ(form->Projekt.KonstantVaerdi[1], 9.81);
}

TEST_F(Fortryd, AnotherProjectClearsTheSteps) {
    HentPendul();
    Maalinger(1, 5);
    Klik(form->IndLaesTabelButton[1]);
    Tast(1, "0.2");
    EXPECT_TRUE(Aktiv("FortrydMenuItem"));
    HentProjekt(Kopi("Fald.prj"));
    EXPECT_FALSE(Aktiv("FortrydMenuItem"));
    EXPECT_EQ(form->Fortryd->count(), 0);
}

}  // namespace
}  // namespace plotvik::test
