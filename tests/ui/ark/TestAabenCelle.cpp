// A cell open in the grid's own editor when a command rebuilds its table:
// what was typed is written to the cell first (and so is part of the undo
// step before the command), never left in an editor the grid has forgotten.
// And a dialog asked for while it is open comes to the front instead of
// being dropped. Qt warns of neither silently here: its warnings are faults.
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <functional>

#include "ui/FormTestHjaelp.h"
#include "ui/QtAdvarsler.h"
#include "ui/TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

class AabenCelle : public FormTest {
protected:
    // Pendul with its five measurements read from the file, free editing on,
    // and "0.25" typed over the first L (0.2) in the grid's own editor.
    QLineEdit* TastIGridden() {
        PendulMedData();
        form->SaetProgramstyring(1, false);
        QTableView* g = form->TabelGrid[1];
        g->setFocus();
        g->setCurrentIndex(g->model()->index(1, 0));
        g->edit(g->currentIndex());
        QApplication::processEvents();
        auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex()));
        if (!editor) return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("0.25"));
        flade.Vist.clear();
        return editor;
    }
    bool EditorAaben() {
        QTableView* g = form->TabelGrid[1];
        for (QWidget* w : g->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != form->TabelFeltEdit[1] && w->isVisible()) return true;
        return false;
    }
};

// The commands run as a menu item, a shortcut or a program step runs them:
// the focus stays in the editor, nothing but the command closes it.
struct TGenopbygning {
    const char* Navn;
    std::function<void(AabenCelle&, TPlotvikForm&, FakeFlade&, const std::string& mappe)> Kommando;
    std::string CelleEfter;   // the first L right after the command
    const char* Tilbage;      // the menu item that goes back one step
    std::string CelleTilbage; // the first L after it
};

TEST_F(AabenCelle, ATypedCellIsWrittenBeforeItsTableIsRebuilt) {
    const TGenopbygning tilfaelde[] = {
        // "Målinger" unchanged keeps the values: the typed one among them.
        {"Maalinger uaendret", [](AabenCelle&, TPlotvikForm& f, FakeFlade&, const std::string&) {
             f.AntalMaalingerButton[1]->click();
         }, "0.25", "FortrydMenuItem", "0.2"},
        // More measurements start an empty table; undo brings back the typed value.
        {"Maalinger flere", [](AabenCelle&, TPlotvikForm& f, FakeFlade&, const std::string&) {
             f.AntalMaalingerSpinEdit[1]->setValue(6);
             f.AntalMaalingerButton[1]->click();
         }, "", "FortrydMenuItem", "0.25"},
        // "Indlæs" reads the file over it; undo gives the typed value back.
        {"Indlaes", [](AabenCelle&, TPlotvikForm& f, FakeFlade& fl, const std::string& m) {
             fl.FilSvar.push_back(m + "/PendulTabel_1.dat");
             f.IndLaesTabelButton[1]->click();
         }, "0.2", "FortrydMenuItem", "0.25"},
        // A pasted block at the cell; undo gives the typed value back.
        {"Saet ind", [](AabenCelle&, TPlotvikForm& f, FakeFlade&, const std::string&) {
             f.IndsaetTekst(1, QStringLiteral("0,3\t0,95\n"));
         }, "0,3", "FortrydMenuItem", "0.25"},
        // Undo takes the typing as the last step and undoes it; redo brings it back.
        {"Fortryd", [](AabenCelle&, TPlotvikForm& f, FakeFlade&, const std::string&) {
             f.findChild<QAction*>(QStringLiteral("FortrydMenuItem"))->trigger();
         }, "0.2", "GentagMenuItem", "0.25"},
    };
    for (const TGenopbygning& t : tilfaelde) {
        NytVindue();
        QtAdvarsler advarsler;
        QLineEdit* editor = TastIGridden();
        ASSERT_NE(editor, nullptr) << t.Navn;
        t.Kommando(*this, *form, flade, mappe);
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_FALSE(EditorAaben()) << t.Navn;
        EXPECT_EQ(Celle(1, 1, 0), t.CelleEfter) << t.Navn;
        for (const Visning& v : flade.Vist)
            EXPECT_TRUE(v.Art == Boks::AabnFil) << t.Navn << ": " << v.Tekst;
        Menu(t.Tilbage);
        EXPECT_EQ(Celle(1, 1, 0), t.CelleTilbage) << t.Navn;
        EXPECT_EQ(advarsler.Tag(), std::vector<std::string>{}) << t.Navn;
    }
}

// A project loaded while a cell is open: the typing belonged to the old
// project and goes with it; it never turns up in the new one.
TEST_F(AabenCelle, ALoadedProjectGetsNothingFromTheOldEditor) {
    QtAdvarsler advarsler;
    ASSERT_NE(TastIGridden(), nullptr);
    form->HentProjekt(Kopi("Pendul.prj"));
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_FALSE(EditorAaben());
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(Celle(1, r, 0), "") << r;
    EXPECT_EQ(advarsler.Tag(), std::vector<std::string>{});
}

// A click on the current cell opens its editor after the double-click
// time; whatever happens to the table meanwhile decides whether it still
// opens. Qt warned "edit: index was invalid" when the table had been
// rebuilt in between.
TEST_F(AabenCelle, AClickOnTheCurrentCellOpensItsEditorOnlyIfTheCellIsStillThere) {
    struct TImellem {
        const char* Navn;
        std::function<void(TPlotvikForm&)> Handling;  // right after the click
        bool Aabnes;
    };
    const TImellem tilfaelde[] = {
        {"nothing", [](TPlotvikForm&) {}, true},
        {"Maalinger flere", [](TPlotvikForm& f) {
             f.AntalMaalingerSpinEdit[1]->setValue(7);
             f.AntalMaalingerButton[1]->click();
         }, false},
        {"Maalinger faerre", [](TPlotvikForm& f) {
             f.AntalMaalingerSpinEdit[1]->setValue(1);
             f.AntalMaalingerButton[1]->click();
         }, false},
        {"program-controlled input", [](TPlotvikForm& f) { f.SaetProgramstyring(1, true); }, false},
        {"project loaded", [](TPlotvikForm& f) { f.FormCreate(); }, false},
    };
    for (const TImellem& t : tilfaelde) {
        NytVindue();
        PendulMedData();
        form->SaetProgramstyring(1, false);
        QtAdvarsler advarsler;
        KlikCelle(1, 5, 1);  // the last T: current and selected
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        ASSERT_FALSE(EditorAaben()) << t.Navn;
        KlikCelle(1, 5, 1);  // a click on the current cell
        t.Handling(*form);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        EXPECT_EQ(EditorAaben(), t.Aabnes) << t.Navn;
        EXPECT_EQ(advarsler.Tag(), std::vector<std::string>{}) << t.Navn;
    }
}

// Each dialog asked for a second time while it is open: the open one comes
// to the front with what was typed in it and is answered once.
TEST_F(AabenCelle, ADialogAskedForWhileOpenComesToTheFront) {
    HentPendul();
    struct TDialogKald {
        const char* Menu;
        const char* Dialog;
        const char* Felt;  // a box typed into before the second request
    };
    const TDialogKald kald[] = {
        {"UdskrivTabelMenuItem", "TUdskrivTabelDialog", "OverskriftEdit"},
        {"AktiveTabelNoOgGrafNoMenuItem", "TAktivTabelNoOgGrafNoDialog", nullptr},
        {"ArealUnderGrafMenuItem", "TArealUnderGrafDialog", nullptr},
    };
    for (const TDialogKald& k : kald) {
        QtAdvarsler advarsler;
        ModalSvar svar;
        bool foran = false, somFoer = false, aaben = false, aktivFoer = false;
        svar([&](QWidget* d) {
            EXPECT_EQ(d->objectName(), QString::fromLatin1(k.Dialog));
            QLineEdit* felt = k.Felt ? Kontrol<QLineEdit>(d, k.Felt) : nullptr;
            if (felt) felt->setText(QStringLiteral("Pendul 2"));
            aktivFoer = QApplication::activeWindow() == d;
            form->activateWindow();
            QApplication::processEvents();
            form->findChild<QAction*>(QString::fromLatin1(k.Menu))->trigger();
            QApplication::processEvents();
            aaben = d->isVisible();
            foran = QApplication::activeWindow() == d;
            somFoer = !felt || felt->text() == QStringLiteral("Pendul 2");
            Kontrol<QPushButton>(d, "CancelButton")->click();
        });
        Menu(k.Menu);
        EXPECT_EQ(svar.Besvarede, 1) << k.Menu;
        EXPECT_EQ(svar.Uventede, 0) << k.Menu;
        EXPECT_TRUE(aaben) << k.Menu;
        EXPECT_TRUE(foran) << k.Menu << " aktiv foer: " << aktivFoer;
        EXPECT_TRUE(somFoer) << k.Menu;
        EXPECT_EQ(advarsler.Tag(), std::vector<std::string>{}) << k.Menu;
    }
}

}  // namespace
}  // namespace plotvik::test
