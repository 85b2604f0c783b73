// The main window made and destroyed again and again, with the Pendul example
// loaded, computed and drawn in between. The controls go after the window's
// own members; none of their last events or signals may reach the window
// then. Under AddressSanitizer a read of a freed control fails the run; in
// every build a question or message shown while the window goes fails here.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/FormTestHjaelp.h"

namespace plotvik::test {
namespace {

class VindueLevetid : public FormTest {
protected:
    // Destroys the window and makes a fresh one; nothing may be shown meanwhile.
    void NytVindue() {
        form->Projekt.TekstGemt = true;
        flade.Vist.clear();
        form.reset();
        QApplication::processEvents();
        EXPECT_TRUE(flade.Vist.empty()) << "shown while the window went: " << flade.Vist.front().Tekst;
        form = std::make_unique<TPlotvikForm>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QApplication::processEvents();
    }

    // Reads the data file into table 1, computes it and draws graph sheet 1.
    void BeregnOgTegnPendul() {
        HentPendul();
        form->AntalMaalingerSpinEdit[1]->setValue(5);
        Klik(form->AntalMaalingerButton[1]);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        Klik(form->TegnGrafButton[1]);
    }
};

TEST_F(VindueLevetid, MadeAndDestroyedWithNothingDone) {
    for (int gang = 0; gang < 4; ++gang) NytVindue();
    EXPECT_EQ(form->Projekt.AntalTabeller, 0);
}

TEST_F(VindueLevetid, EachNewWindowComputesAndDrawsThePendulumAfresh) {
    for (int gang = 0; gang < 3; ++gang) {
        BeregnOgTegnPendul();
        // a = L/T^2, by hand: 0.2/0.81 and 1/4, three decimals.
        EXPECT_EQ(Celle(1, 1, 2), "0.247") << gang;
        EXPECT_EQ(Celle(1, 5, 2), "0.250") << gang;
        ASSERT_GE(form->GrafResultaterListBox[1]->count(), 2) << gang;
        EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
        // Least squares of T on L by hand: b = 0.546/0.4 = 1.365, a = 1.504 - 0.6 b = 0.685.
        EXPECT_EQ(form->GrafResultaterListBox[1]->item(1)->text(), QStringLiteral("T = 1.365*L + 0.685"));
        NytVindue();
    }
}

TEST_F(VindueLevetid, DestroyedWhileTheInputWaitsInACell) {
    // The constants' input of a freshly loaded project holds the focus in its
    // edit box; the box loses it only as the window goes.
    for (int gang = 0; gang < 3; ++gang) {
        HentProjekt(Kopi("Pendul.prj"));
        ASSERT_TRUE(form->TabelFeltEdit[0]->isVisible()) << gang;
        form->TabelFeltEdit[0]->setFocus();
        QTest::keyClicks(form->TabelFeltEdit[0], QStringLiteral("9,8"));
        QApplication::processEvents();
        NytVindue();
    }
}

TEST_F(VindueLevetid, DestroyedWhileACellIsEditedFreely) {
    BeregnOgTegnPendul();
    form->SaetProgramstyring(1, false);
    QTableView* g = form->TabelGrid[1];
    g->setFocus();
    g->setCurrentIndex(g->model()->index(1, 0));
    g->edit(g->currentIndex());
    QApplication::processEvents();
    auto* editor = g->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("0.3"));
    NytVindue();
}

TEST_F(VindueLevetid, ClosedFromItsMenuAfterDrawing) {
    for (int gang = 0; gang < 2; ++gang) {
        BeregnOgTegnPendul();
        form->Projekt.TekstGemt = true;
        flade.Vist.clear();
        Menu("AfslutMenuItem");
        EXPECT_FALSE(form->isVisible()) << gang;
        EXPECT_TRUE(flade.Vist.empty()) << gang;
        NytVindue();
    }
}

}  // namespace
}  // namespace plotvik::test
