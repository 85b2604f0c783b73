// "&Fortryd" and "&Gentag" driven through the menu by object name: typed
// cells one step each, "Målinger" bringing back the values it discarded, a
// pasted block as one step, "Beregn" bringing back the earlier output, and a
// new project clearing the steps.
#include <QAction>
#include <QUndoStack>

#include "ui/FormTestHjaelp.h"

namespace plotvik::test {
namespace {

class Fortryd : public FormTest {
protected:
    QString MenuTekst(const char* navn) { return Find<QAction>(navn)->text().remove('&'); }
    bool Aktiv(const char* navn) { return Find<QAction>(navn)->isEnabled(); }
    // Pendul with 5 measurements and the cell input box open.
    void PendulTastes() {
        HentPendul();
        Maalinger(1, 5);
        Klik(form->IndLaesTabelButton[1]);
    }
};

TEST_F(Fortryd, FiveTypedValuesThreeUndoneOneRedone) {
    PendulTastes();
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

TEST_F(Fortryd, AnotherProjectClearsTheSteps) {
    PendulTastes();
    Tast(1, "0.2");
    EXPECT_TRUE(Aktiv("FortrydMenuItem"));
    HentProjekt(Kopi("Fald.prj"));
    EXPECT_FALSE(Aktiv("FortrydMenuItem"));
    EXPECT_EQ(form->Fortryd->count(), 0);
}

}  // namespace
}  // namespace plotvik::test
