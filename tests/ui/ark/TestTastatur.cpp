// The keyboard reaches the menus: with the Fald example open (g = 9,82;
// v = g*t and s = g*t^2/2 for five measurements of t), keys with Alt or Ctrl
// go to the menus, access keys and shortcuts and never into a cell, in
// program-controlled input and in free editing, in the constants grid and
// in the measurement grid; AltGr characters of a Danish keyboard stay text;
// Ctrl+Z after a typed cell brings the earlier value back.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QUndoStack>
#include <algorithm>
#include <map>

#include "ui/FormTestHjaelp.h"
#include "ui/ark/CelleModel.h"
#include "ui/ark/Tastatur.h"

namespace plotvik::test {
namespace {

constexpr Qt::KeyboardModifiers AltGrSomCtrlAlt = Qt::ControlModifier | Qt::AltModifier;

struct Felt {
    const char* navn;
    int tabel;
    bool fri;       // free editing instead of program-controlled input
    int r, s;       // the grid cell (0-based)
    const char* foer;  // its text before the test types
};

// The constants' g and the first t, in both kinds of input.
const Felt Felter[] = {
    {"konstant, programstyret", 0, false, 1, 0, "9.820"},
    {"konstant, fri", 0, true, 1, 0, "9.820"},
    {"maaling, programstyret", 1, false, 1, 0, "1"},
    {"maaling, fri", 1, true, 1, 0, "1"},
};

class Tastatur : public FormTest {
protected:
    QWidget* Fokus() { return QApplication::focusWidget(); }

    // A key as the keyboard sends it: to whatever has the focus.
    void Tryk(Qt::Key tast, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        ASSERT_NE(Fokus(), nullptr);
        QTest::keyClick(Fokus(), tast, mod);
        QApplication::processEvents();
    }
    void TrykTekst(Qt::Key tast, const QString& tekst, Qt::KeyboardModifiers mod) {
        ASSERT_NE(Fokus(), nullptr);
        QTest::sendKeyEvent(QTest::Press, Fokus(), tast, tekst, mod);
        QTest::sendKeyEvent(QTest::Release, Fokus(), tast, tekst, mod);
        QApplication::processEvents();
    }
    // Esc closes the menu; the focus goes back where it was.
    void LukMenu() {
        if (QWidget* p = QApplication::activePopupWidget()) QTest::keyClick(p, Qt::Key_Escape);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // A button pressed with its access key clicks a moment later, as on screen.
    void VentPaaKlik() { QTest::qWait(250); }

    // Fald with "Målinger" applied and t = 1..5 in the table; no input running.
    void HentFald() {
        for (int t = 0; t <= 1; ++t) form->SaetProgramstyring(t, true);
        HentProjekt(Kopi("Fald.prj"));
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        Maalinger(1, 5);
        for (int m = 1; m <= 5; ++m) form->Projekt.Tabeller[1].Celler.SaetCelle(std::to_string(m), 1, m + 1);
        form->CelleModel[1]->VisAlt();
        form->Fortryd->clear();
        flade.Vist.clear();
    }

    // The focus in the cell, as a student puts it there: a click starts the
    // program-controlled input; in free editing the grid gets the focus at
    // the cell.
    void FokusICelle(const Felt& c) {
        form->SaetProgramstyring(c.tabel, !c.fri);
        if (!c.fri) KlikCelle(c.tabel, c.r, c.s);
        if (c.fri) {
            QTableView* g = form->TabelGrid[c.tabel];
            g->setCurrentIndex(g->model()->index(c.r, c.s));
            g->setFocus();
            QApplication::processEvents();
        }
    }

    // What is being typed into the cell: the program's edit box or the grid's own editor.
    QLineEdit* Redigering(const Felt& c) {
        if (!c.fri) return form->TabelFeltEdit[c.tabel]->isVisible() ? form->TabelFeltEdit[c.tabel] : nullptr;
        return qobject_cast<QLineEdit*>(Fokus());
    }

    // Types into the cell and ends it with Enter.
    void SkrivICelle(const Felt& c, const QString& tekst) {
        if (c.fri) Tryk(Qt::Key_F2);
        QLineEdit* e = Redigering(c);
        ASSERT_NE(e, nullptr) << c.navn;
        e->selectAll();
        QTest::keyClicks(e, tekst);
        QTest::keyClick(e, Qt::Key_Return);
        // The grid commits its editor, then the check runs: two rounds of events.
        QApplication::processEvents();
        QApplication::processEvents();
    }

    std::string Vist(const Felt& c) { return Celle(c.tabel, c.r, c.s); }
};

TEST_F(Tastatur, AltFOpensFilAndLeavesTheCellAlone) {
    for (const Felt& c : Felter) {
        SCOPED_TRACE(c.navn);
        HentFald();
        FokusICelle(c);
        if (c.fri) Tryk(Qt::Key_F2);  // the grid's editor open, as while typing
        QLineEdit* e = Redigering(c);
        ASSERT_NE(e, nullptr);
        ASSERT_EQ(FraQString(e->text()), c.foer);

        Tryk(Qt::Key_F, Qt::AltModifier);
        auto* fil = Find<QMenu>("FilMenu");
        EXPECT_TRUE(fil->isVisible()) << "Alt+F opens \"&Fil\"";
        EXPECT_EQ(QApplication::activePopupWidget(), fil);
        LukMenu();
        EXPECT_FALSE(fil->isVisible());
        // The grid's own editor closes when the menu takes the focus, keeping its text.
        EXPECT_EQ(Fokus(), c.fri ? static_cast<QWidget*>(form->TabelGrid[c.tabel]) : e) << "back in the cell";
        // Alt with a letter no control owns types nothing either.
        if (c.fri) Tryk(Qt::Key_F2);
        e = Redigering(c);
        ASSERT_NE(e, nullptr);
        Tryk(Qt::Key_Q, Qt::AltModifier);
        EXPECT_EQ(FraQString(e->text()), c.foer);
        Tryk(Qt::Key_F, Qt::AltModifier | Qt::ShiftModifier);
        LukMenu();
        Tryk(Qt::Key_F5);
        e = Redigering(c);
        if (e) { EXPECT_EQ(FraQString(e->text()), c.foer); }
        if (e) Tryk(Qt::Key_Return);
        EXPECT_EQ(Vist(c), c.foer);
        EXPECT_TRUE(flade.Vist.empty()) << "no \"Fejl i Tallet\": nothing was typed";
        if (c.tabel == 0) { EXPECT_DOUBLE_EQ(form->Projekt.KonstantVaerdi[1], 9.82); }
    }
}

TEST_F(Tastatur, AltBComputesFromTheCell) {
    for (const Felt& c : Felter) {
        SCOPED_TRACE(c.navn);
        HentFald();
        FokusICelle(c);
        Tryk(Qt::Key_B, Qt::AltModifier);
        VentPaaKlik();
        // v = g*t with g = 9.82: 9.82, 19.64, ... 49.10; s = g*t^2/2 = 4.91 for t = 1.
        EXPECT_EQ(QString::fromStdString(Celle(1, 1, 1)).trimmed(), QStringLiteral("9.82"));
        EXPECT_EQ(QString::fromStdString(Celle(1, 5, 1)).trimmed(), QStringLiteral("49.10"));
        EXPECT_EQ(QString::fromStdString(Celle(1, 1, 2)).trimmed(), QStringLiteral("4.910"));
        EXPECT_EQ(Vist(c), c.foer);
        EXPECT_EQ(form->GrafOverskriftLabel[1]->text(), QStringLiteral("v mod t")) << "the graph fields filled";
    }
}

TEST_F(Tastatur, AltGrCharactersOfADanishKeyboardAreTyped) {
    struct AltGr {
        Qt::Key tast;
        const char* tegn;  // UTF-8
        Qt::KeyboardModifiers mod;
    };
    // AltGr+2 is "@": as Ctrl+Alt (Windows, some X servers) or with the group switch.
    const AltGr taster[] = {
        {Qt::Key_At, "@", AltGrSomCtrlAlt},           {Qt::Key_2, "@", AltGrSomCtrlAlt},
        {Qt::Key_At, "@", Qt::GroupSwitchModifier},   {Qt::Key_sterling, "£", AltGrSomCtrlAlt},
        {Qt::Key_Dollar, "$", AltGrSomCtrlAlt},       {Qt::Key_BraceLeft, "{", AltGrSomCtrlAlt},
        {Qt::Key_BracketLeft, "[", AltGrSomCtrlAlt},  {Qt::Key_BracketRight, "]", AltGrSomCtrlAlt},
        {Qt::Key_BraceRight, "}", AltGrSomCtrlAlt},   {Qt::Key_Bar, "|", AltGrSomCtrlAlt},
        {Qt::Key_E, "€", AltGrSomCtrlAlt},
    };
    for (const Felt& c : Felter) {
        SCOPED_TRACE(c.navn);
        HentFald();
        FokusICelle(c);
        // In free editing the first AltGr key opens the grid's editor, as any typing does.
        QString forventet;
        for (const AltGr& a : taster) {
            const QString tegn = QString::fromUtf8(a.tegn);
            TrykTekst(a.tast, tegn, a.mod);
            forventet += tegn;
        }
        QLineEdit* e = Redigering(c);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->text(), forventet);
        Tryk(Qt::Key_Escape);
    }
}

TEST_F(Tastatur, CtrlZAfterATypedCellBringsTheEarlierValueBack) {
    struct Trin {
        const char* tekst;
        bool kontrol;                 // "&Kontrol af Inddata" on
        const char *besked, *beskedFri;  // the message in each kind of input, or nullptr
    };
    // Free editing checks every value it is given; program-controlled input
    // only with the check on.
    const Trin trin[] = {
        {"5", true, nullptr, nullptr},
        {"123", true, nullptr, nullptr},  // three keys, one step
        {"x", false, nullptr, "Fejl i Tallet: \"x\"\n\rTabel No: "},
        {"x", true, "Fejl i Tallet: x\n\rTabel No: ", "Fejl i Tallet: \"x\"\n\rTabel No: "},
    };
    for (const Felt& c : Felter)
        for (const Trin& t : trin) {
            SCOPED_TRACE(std::string(c.navn) + " / " + t.tekst + (t.kontrol ? " with check" : ""));
            HentFald();
            form->Projekt.KontrolAfInddata = t.kontrol;
            FokusICelle(c);
            SkrivICelle(c, QString::fromLatin1(t.tekst));
            EXPECT_EQ(Vist(c), t.tekst);
            if (const char* besked = c.fri ? t.beskedFri : t.besked) {
                EXPECT_EQ(flade.Vist.size(), 1u);
                if (!flade.Vist.empty()) {
                    EXPECT_EQ(flade.Vist.front().Tekst.substr(0, std::string(besked).size()), besked);
                }
            } else {
                EXPECT_TRUE(flade.Vist.empty());
            }
            EXPECT_EQ(form->Fortryd->count(), 1) << "the typed value is one step";
            Tryk(Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(Vist(c), c.foer);
            if (c.tabel == 0) EXPECT_DOUBLE_EQ(form->Projekt.KonstantVaerdi[1], 9.82);
            else EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(1, 2), c.foer);
            // And Ctrl+Y puts the typed value back.
            Tryk(Qt::Key_Y, Qt::ControlModifier);
            EXPECT_EQ(Vist(c), t.tekst);
        }
}


// Four tables of x and y = 2x, two on each table sheet, every one set up.
class Adgangstaster : public Tastatur {
protected:
    void FireTabeller() {
        std::string prj = "Fire\r\n0\r\n4\r\n";
        for (int t = 1; t <= 4; ++t) prj += "S 2 2 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n0\r\n";
        Skriv(mappe + "/Fire.prj", prj);
        HentProjekt(mappe + "/Fire.prj");
        for (int t = 1; t <= 4; ++t) {
            form->VisArk(t <= 2 ? 1 : 2);
            Klik(form->AntalMaalingerButton[t]);
        }
        flade.Vist.clear();
    }
    // The access letters of the buttons of sheet a and of the menu bar, with their owners.
    std::map<QChar, std::vector<std::string>> Bogstaver(int a) {
        std::map<QChar, std::vector<std::string>> b;
        for (QAbstractButton* k : form->Ark[a]->findChildren<QAbstractButton*>())
            if (k->isVisible() && k->isEnabled() && !Adgangsbogstav(k->text()).isNull())
                b[Adgangsbogstav(k->text())].push_back(k->objectName().toStdString());
        for (QAction* m : form->menuBar()->actions())
            if (m->isVisible() && !Adgangsbogstav(m->text()).isNull())
                b[Adgangsbogstav(m->text())].push_back(m->menu() ? m->menu()->objectName().toStdString()
                                                                 : m->objectName().toStdString());
        return b;
    }
};

TEST_F(Adgangstaster, NoSheetSharesAnAccessLetterBeyondTheDescribedCaptions) {
    FireTabeller();
    // The described captions give two letters twice on each table sheet; the
    // first owner (top to bottom, the sheet before the menu bar) gets the key.
    struct Delt {
        int ark;
        char bogstav;
        std::vector<std::string> ejere;  // in the order the key tries them
    };
    const std::vector<Delt> delte = {
        {1, 'D', {"Diskfil1RadioButton", "DefinerMenu"}},
        {1, 'I', {"IndLaesTabel1Button", "Diskfil2RadioButton"}},
        {2, 'D', {"Diskfil3RadioButton", "DefinerMenu"}},
        {2, 'I', {"IndLaesTabel3Button", "Diskfil4RadioButton"}},
    };
    for (int a = 1; a <= 6; ++a) {
        SCOPED_TRACE("sheet " + std::to_string(a));
        form->VisArk(a);
        QApplication::processEvents();
        for (const auto& [bogstav, ejere] : Bogstaver(a)) {
            if (ejere.size() < 2) continue;
            const auto d = std::find_if(delte.begin(), delte.end(),
                                        [&](const Delt& x) { return x.ark == a && QChar(x.bogstav) == bogstav; });
            ASSERT_NE(d, delte.end()) << "Alt+" << QString(bogstav).toStdString() << " is shared by "
                                      << ::testing::PrintToString(ejere);
            std::vector<std::string> raekkefoelge;
            for (const TAdgangsmaal& m : Adgangsmaal(*form, form->Ark[a], bogstav))
                raekkefoelge.push_back(m.Knap ? m.Knap->objectName().toStdString()
                                              : m.Menu->menu()->objectName().toStdString());
            EXPECT_EQ(raekkefoelge, d->ejere);
        }
        for (const Delt& d : delte)
            if (d.ark == a) { EXPECT_EQ(Bogstaver(a)[QChar(d.bogstav)].size(), 2u) << d.bogstav; }
    }
}

TEST_F(Adgangstaster, EveryAccessKeyOfASheetReachesItsOwnerFromACell) {
    struct Raekke {
        int ark;
        char bogstav;
        const char* ejer;  // a button of the sheet, or a menu of the menu bar
    };
    const Raekke raekker[] = {
        {1, 'O', "AntalMaalinger1Button"}, {1, 'T', "Tastatur1RadioButton"}, {1, 'D', "Diskfil1RadioButton"},
        {1, 'I', "IndLaesTabel1Button"},   {1, 'B', "BeregnTabel1Button"},   {1, 'K', "AntalMaalinger2Button"},
        {1, 'A', "Tastatur2RadioButton"},  {1, 'N', "IndLaesTabel2Button"},  {1, 'E', "BeregnTabel2Button"},
        {1, 'F', "FilMenu"},               {1, 'R', "RedigerMenu"},          {1, 'M', "MatematikMenu"},
        {2, 'O', "AntalMaalinger3Button"}, {2, 'T', "Tastatur3RadioButton"}, {2, 'D', "Diskfil3RadioButton"},
        {2, 'I', "IndLaesTabel3Button"},   {2, 'B', "BeregnTabel3Button"},   {2, 'K', "AntalMaalinger4Button"},
        {2, 'A', "Tastatur4RadioButton"},  {2, 'N', "IndLaesTabel4Button"},  {2, 'E', "BeregnTabel4Button"},
        {2, 'F', "FilMenu"},               {3, 'D', "DefinerMenu"},          {3, 'F', "FilMenu"},
        {4, 'M', "MatematikMenu"},         {5, 'R', "RedigerMenu"},          {6, 'D', "DefinerMenu"},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(std::string("sheet ") + std::to_string(r.ark) + " Alt+" + r.bogstav);
        FireTabeller();
        form->VisArk(r.ark);
        // The focus where a student works on the sheet: in the first input cell of its first table.
        if (r.ark <= 2) Klik(form->IndLaesTabelButton[r.ark == 1 ? 1 : 3]);
        else if (r.ark <= 5) form->xminEdit[r.ark - 2]->setFocus();
        else form->RedigerMemo->setFocus();
        QApplication::processEvents();
        ASSERT_NE(Fokus(), nullptr);
        QString foer;
        if (auto* e = qobject_cast<QLineEdit*>(Fokus())) foer = e->text();
        QWidget* fokus = Fokus();

        std::map<std::string, int> klik;
        std::vector<QMetaObject::Connection> forbindelser;
        for (QAbstractButton* k : form->findChildren<QAbstractButton*>())
            forbindelser.push_back(QObject::connect(k, &QAbstractButton::clicked, [&klik, k] { ++klik[k->objectName().toStdString()]; }));
        Tryk(static_cast<Qt::Key>(r.bogstav), Qt::AltModifier);
        VentPaaKlik();
        QWidget* popup = QApplication::activePopupWidget();
        const bool menu = std::string(r.ejer).find("Menu") != std::string::npos;
        if (menu) {
            ASSERT_NE(popup, nullptr);
            EXPECT_EQ(popup->objectName().toStdString(), r.ejer);
            LukMenu();
            EXPECT_TRUE(klik.empty());
            EXPECT_EQ(Fokus(), fokus) << "the focus goes back where it was";
            if (auto* e = qobject_cast<QLineEdit*>(fokus)) { EXPECT_EQ(e->text(), foer) << "nothing typed"; }
        } else {
            EXPECT_EQ(popup, nullptr);
            EXPECT_EQ(klik, (std::map<std::string, int>{{r.ejer, 1}}));
        }
        for (const auto& f : forbindelser) QObject::disconnect(f);
        if (QWidget* p = QApplication::activePopupWidget()) p->close();
    }
}

// The names of the controls Tab reaches on sheet a, from the first one on,
// until the focus leaves the sheet or comes round again.
std::vector<std::string> TabRaekkefoelge(TPlotvikForm& f, int a, QWidget* foerste) {
    std::vector<std::string> navne;
    foerste->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int i = 0; i < 40; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (!w || !f.Ark[a]->isAncestorOf(w)) break;
        // A spin box's own edit box stands for the spin box.
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w->parentWidget())) w = spin;
        const std::string navn = w->objectName().toStdString();
        if (!navne.empty() && navn == navne.front()) break;
        navne.push_back(navn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }
    return navne;
}

TEST_F(Tastatur, TabRunsDownEachSheet) {
    HentFald();
    struct Ark {
        int ark;
        std::vector<std::string> orden;
    };
    // Top to bottom and left to right as the sheets are laid out; on a graph
    // sheet Tab from "Graf Opløsning" goes on to "Tegn graf" first, as it
    // always has, then to what lies below the resolution box.
    const Ark ark[] = {
        {1, {"KonstanterStringGrid", "AntalMaalinger1SpinEdit", "AntalMaalinger1Button", "Tastatur1RadioButton",
             "IndLaesTabel1Button", "BeregnTabel1Button", "Tabel1StringGrid"}},
        {3, {"Xakse1Edit", "Yakse1Edit", "xmin1Edit", "xmax1Edit", "ymin1Edit", "ymax1Edit",
             "AntalGrafPunkter1Edit", "TegnGraf1Button", "Residualer1CheckBox", "Kryds1RadioButton",
             "Statistik1CheckBox", "TegnKunPunkter1CheckBox", "TilpasGraenser1Button", "GrafResultater1ListBox",
             "LogX1CheckBox", "LogY1CheckBox", "FejlstaengerX1CheckBox", "FejlstaengerY1CheckBox"}},
    };
    Klik(form->BeregnTabelButton[1]);  // the graph sheets' fields shown
    for (const Ark& a : ark) {
        SCOPED_TRACE("sheet " + std::to_string(a.ark));
        form->VisArk(a.ark);
        QApplication::processEvents();
        QWidget* foerste = form->findChild<QWidget*>(QString::fromStdString(a.orden.front()));
        ASSERT_NE(foerste, nullptr);
        EXPECT_EQ(TabRaekkefoelge(*form, a.ark, foerste), a.orden);
    }
}


TEST_F(Tastatur, ReturnInALimitBoxDrawsTheGraph) {
    for (const char* navn : {"xmin1Edit", "xmax1Edit", "ymin1Edit", "ymax1Edit"}) {
        SCOPED_TRACE(navn);
        HentFald();
        Klik(form->BeregnTabelButton[1]);
        form->VisArk(3);
        auto* felt = Find<QLineEdit>(navn);
        felt->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(form->GrafResultaterListBox[1]->count(), 0);
        Tryk(Qt::Key_Return);
        // t = 1..5, v = 9.82 t: the regression line through the points exactly.
        ASSERT_GE(form->GrafResultaterListBox[1]->count(), 2);
        EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
        EXPECT_TRUE(felt->hasFocus()) << "the focus stays in the box, for the next limit";
    }
}

}  // namespace
}  // namespace plotvik::test
