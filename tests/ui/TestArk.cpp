// The main window in rooms: every control lives on the widget of its own
// kind of sheet, under its old name, and the window can be closed in the
// middle of a student's typing without the sheets calling back into a
// window that is going.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

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

TEST_F(Ark, EveryControlSitsOnTheSheetOfItsKind) {
    struct Raekke {
        const char* navn;
        const char* arkNavn;  // objectName of the sheet it must sit on
    };
    const Raekke tabel[] = {
        {"KonstanterStringGrid", "Tabelark1"}, {"Tabelfelt0Edit", "Tabelark1"},
        {"Tabel1StringGrid", "Tabelark1"},     {"AntalMaalinger2SpinEdit", "Tabelark1"},
        {"Tabel3StringGrid", "TabelArk2"},     {"BeregnTabel4Button", "TabelArk2"},
        {"Diskfil4RadioButton", "TabelArk2"},  {"Variabeludtryk3Edit", "TabelArk2"},
    };
    for (const auto& r : tabel) {
        auto* w = Find<QWidget>(r.navn);
        ASSERT_NE(w, nullptr);
        TTabelArk* side = SideAf<TTabelArk>(w);
        ASSERT_NE(side, nullptr) << r.navn;
        EXPECT_EQ(side->objectName(), QString::fromLatin1(r.arkNavn)) << r.navn;
    }
    const Raekke graf[] = {
        {"Graf1Image", "GrafArk1"},           {"Xakse2Edit", "GrafArk2"},
        {"GrafResultater3ListBox", "GrafArk3"}, {"Kryds2RadioButton", "GrafArk2"},
        {"TegnFunktion1Button", "GrafArk1"},  {"Statistik3CheckBox", "GrafArk3"},
    };
    for (const auto& r : graf) {
        auto* w = Find<QWidget>(r.navn);
        ASSERT_NE(w, nullptr);
        TGrafArkSide* side = SideAf<TGrafArkSide>(w);
        ASSERT_NE(side, nullptr) << r.navn;
        EXPECT_EQ(side->objectName(), QString::fromLatin1(r.arkNavn)) << r.navn;
    }
    EXPECT_NE(SideAf<TTekstArk>(Find<QPlainTextEdit>("RedigerMemo")), nullptr);
    // The window's names for them reach the same widgets.
    EXPECT_EQ(form->TabelGrid[3], Find<QTableView>("Tabel3StringGrid"));
    EXPECT_EQ(form->GrafBilledeWidget[2], Find<TGrafBillede>("Graf2Image"));
    EXPECT_EQ(form->TabelGrid[5], nullptr);
    EXPECT_EQ(form->XakseEdit[0], nullptr);
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
        form->Projekt.TekstGemt = true;
        form.reset();
        form = std::make_unique<TPlotvikForm>();
        form->show();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace plotvik::test
