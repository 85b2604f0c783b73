// Driving the main window in tests: a fresh window with the scripted user,
// controls found by their names, cells read as the grid shows them, and the
// Pendul example loaded the way a student loads it.
#pragma once

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "support/FakeFlade.h"
#include "support/Testdata.h"
#include "ui/graf/GrafVisning.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/flade/Tegnsaet.h"

namespace plotvik::test {

class FormTest : public ::testing::Test {
protected:
    FakeFlade flade;
    std::unique_ptr<TPlotvikForm> form;
    std::string mappe;

    void SetUp() override {
        Fejl = false;
        form = std::make_unique<TPlotvikForm>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QApplication::processEvents();
        mappe = NyTempMappe(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override {
        // Nothing left unsaved may ask a question after the test.
        form->Projekt.TekstGemt = true;
        form.reset();
        Fejl = false;
    }

    template <class T>
    T* Find(const char* navn) {
        T* w = form->findChild<T*>(QString::fromLatin1(navn));
        EXPECT_NE(w, nullptr) << navn;
        return w;
    }

    // A control of another window (a dialog) by its name.
    template <class T>
    T* Find(QWidget* w, const char* navn) {
        T* k = w->findChild<T*>(QString::fromLatin1(navn));
        EXPECT_NE(k, nullptr) << navn;
        return k;
    }

    // The text of grid cell (row, column), 0-based, of a table's grid.
    std::string Celle(int tabel, int raekke, int soejle) {
        QAbstractItemModel* m = form->TabelGrid[tabel]->model();
        return FraQString(m->data(m->index(raekke, soejle)).toString());
    }

    std::string Kopi(const std::string& eksempel) {
        namespace fs = std::filesystem;
        const std::string maal = mappe + "/" + eksempel;
        fs::copy_file(Kildesti("examples/" + eksempel), maal, fs::copy_options::overwrite_existing);
        return maal;
    }

    static void Skriv(const std::string& navn, const std::string& indhold) {
        std::ofstream f(navn, std::ios::binary);
        f << indhold;
    }
    static std::string Laes(const std::string& navn) {
        std::ifstream f(navn, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    void Menu(const char* navn) {
        QAction* a = form->findChild<QAction*>(QString::fromLatin1(navn));
        ASSERT_NE(a, nullptr) << navn;
        a->trigger();
        QApplication::processEvents();
    }

    // "&Hent Projekt Fil" of a file, as the open dialog would answer.
    void HentProjekt(const std::string& navn) {
        flade.FilSvar.push_back(navn);
        Menu("HentProjektFilMenuItem");
    }

    // Loads the Pendul example and ends the constants' input with Esc.
    void HentPendul() {
        HentProjekt(Kopi("Pendul.prj"));
        Kopi("PendulTabel_1.dat");
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        flade.Vist.clear();
    }

    // "Glatte linjer" set from its menu: off, the image's pixels can be read exactly.
    void SaetGlat(bool glat) {
        QAction* a = form->findChild<QAction*>(QStringLiteral("GlatteLinjerMenuItem"));
        ASSERT_NE(a, nullptr);
        if (a->isChecked() != glat) a->trigger();
        EXPECT_EQ(GlatteLinjer(), glat);
    }

    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); QApplication::processEvents(); }

    // "Målinger" of table t set to n.
    void Maalinger(int t, int n) {
        form->AntalMaalingerSpinEdit[t]->setValue(n);
        Klik(form->AntalMaalingerButton[t]);
    }

    // Pendul with 5 measurements, their values read from the data file.
    void PendulMedData() {
        HentPendul();
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
    }

    // The window closed with nothing asked and a fresh one shown.
    void NytVindue() {
        form->Projekt.TekstGemt = true;
        form.reset();
        form = std::make_unique<TPlotvikForm>();
        form->show();
        QApplication::processEvents();
    }

    void KlikCelle(int tabel, int raekke, int soejle) {
        QTableView* g = form->TabelGrid[tabel];
        const QRect r = g->visualRect(g->model()->index(raekke, soejle));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QApplication::processEvents();
    }

    // Types a text into the table's cell edit box and ends it with a key.
    void Tast(int tabel, const std::string& tekst, Qt::Key slut = Qt::Key_Return) {
        QLineEdit* e = form->TabelFeltEdit[tabel];
        ASSERT_TRUE(e->isVisible()) << "the cell edit box of table " << tabel << " is not shown";
        e->selectAll();
        QTest::keyClicks(e, TilQString(tekst));
        QTest::keyClick(e, slut);
        QApplication::processEvents();
    }
};

}  // namespace plotvik::test
