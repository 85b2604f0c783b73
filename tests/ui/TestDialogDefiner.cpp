// The "&Definer" and "Valgmuligheder" items of the window: building the Fald
// project with the dialogs line by line, numbering across tables, Cancel,
// items outside building mode, program control and the active table.
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "FormTestHjaelp.h"
#include "TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

class DefinerTest : public FormTest {
protected:
    ModalSvar svar;

    std::vector<std::string> MemoLinier() {
        std::vector<std::string> l;
        for (const QString& s : form->RedigerMemo->toPlainText().split('\n'))
            if (!s.isEmpty()) l.push_back(FraQString(s));
        return l;
    }
    static void Skriv(QWidget* d, const char* navn, const std::string& tekst) {
        auto* e = Kontrol<QLineEdit>(d, navn);
        if (e) e->setText(TilQString(tekst));
    }
    static void Saet(QWidget* d, const char* navn, int v) {
        auto* s = Kontrol<QSpinBox>(d, navn);
        if (s) s->setValue(v);
    }
    static int Vaerdi(QWidget* d, const char* navn) {
        auto* s = Kontrol<QSpinBox>(d, navn);
        return s ? s->value() : -1;
    }
    static void OK(QWidget* d) { Kontrol<QPushButton>(d, "OKButton")->click(); }
    void Opbyg() {
        Menu("OpbygProjektFilMenuItem");
        flade.Vist.clear();
    }
};

TEST_F(DefinerTest, BuildingFaldAppendsTheExampleLines) {
    Opbyg();
    svar([](QWidget* d) {
        Skriv(d, "OverskriftEdit", "Fald");
        OK(d);
    });
    Menu("OverskriftMenuItem");
    svar([](QWidget* d) {
        Skriv(d, "KonstantNavnEdit", "g");
        Skriv(d, "KonstantVaerdiEdit", "9,82");
        Skriv(d, "KonstantEnhedEdit", "m/s^2");
        OK(d);
    });
    Menu("UddataKonstantMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabNoSpinEdit"), 1);
        Saet(d, "AntalVariableSpinEdit", 3);
        OK(d);
    });
    Menu("TabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabelNoSpinEdit"), 1);
        Skriv(d, "VariabelNavnEdit", "t");
        Skriv(d, "EnhedEdit", "s");
        OK(d);
    });
    Menu("InddataVariabelMenuItem");
    svar([](QWidget* d) {
        Skriv(d, "VariabelNavnEdit", "v");
        Skriv(d, "EnhedEdit", "m/s");
        Skriv(d, "VariabelUdtrykEdit", "g*t");
        OK(d);  // positions and decimals untouched
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabelNoSpinEdit"), 1);
        EXPECT_EQ(Vaerdi(d, "GrafArkNoSpinEdit"), 1);
        Skriv(d, "xgrafEdit", "t");
        auto* y = Kontrol<QLineEdit>(d, "ygrafEdit");
        y->setText("v");
        // Leaving the y box (the offscreen platform does not move the real
        // focus between windows reliably; the Tab key itself is tested on the dialog alone).
        QFocusEvent ud(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(y, &ud);
        Kontrol<QRadioButton>(d, "PolynomiumsfitRadioButton")->click();
        Skriv(d, "xminEdit", "0");
        Skriv(d, "xmaxEdit", "5");
        Skriv(d, "yminEdit", "0");
        Skriv(d, "ymaxEdit", "50");
        OK(d);
    });
    Menu("GrafMenuItem");

    EXPECT_EQ(svar.Besvarede, 6);
    EXPECT_EQ(svar.Uventede, 0);
    std::vector<std::string> forventet = {
        "Overskrift(1): overskrift=\"Fald\";",
        "Konstant(1): g = 9,82 [m/s^2];",
        "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;",
        "Variabel(1,1): t:=?[s];",
        "Variabel(1,2): v:= g*t:8:2 [m/s];",
        "Graf(1,1): graf_navn=\"t - v Diagram\"; grafark_no=1; xgraf=t; ygraf=v;graf_type=P; pol_grad=2;",
        "Grafakse(1,1):  xmin=0; xmax=5; ymin=0; ymax=50;",
    };
    EXPECT_EQ(MemoLinier(), forventet);
    EXPECT_FALSE(form->Projekt.TekstGemt);
    EXPECT_TRUE(flade.Vist.empty());
}

TEST_F(DefinerTest, CancelAppendsNothingAndKeepsTheCounters) {
    Opbyg();
    svar([](QWidget* d) {
        Skriv(d, "KonstantNavnEdit", "m");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("InddataKonstantMenuItem");
    svar([](QWidget* d) {
        Skriv(d, "KonstantNavnEdit", "m");
        Skriv(d, "KonstantEnhedEdit", "kg");
        OK(d);
    });
    Menu("InddataKonstantMenuItem");
    svar([](QWidget* d) { Kontrol<QPushButton>(d, "CancelButton")->click(); });
    Menu("TabelMenuItem");
    EXPECT_EQ(svar.Besvarede, 3);
    EXPECT_EQ(MemoLinier(), std::vector<std::string>{"Konstant(1): m = ? [kg];"});
    EXPECT_EQ(form->Projekt.OpbygTaellere, (std::array<char, 4>{'1', '0', '0', '0'}));
}

TEST_F(DefinerTest, OutsideBuildingModeTheItemsDoNothing) {
    ASSERT_NE(form->Projekt.Tilstand, 2);
    for (const char* punkt : {"OverskriftMenuItem", "InddataKonstantMenuItem", "UddataKonstantMenuItem",
                              "TabelMenuItem", "InddataVariabelMenuItem", "UddataVariabelMenuItem", "GrafMenuItem"})
        Menu(punkt);
    EXPECT_EQ(svar.Uventede, 0);  // no dialog was shown
    EXPECT_TRUE(MemoLinier().empty());
    EXPECT_TRUE(flade.Vist.empty());
}

TEST_F(DefinerTest, SecondTableRestartsVariablesAndGraphSheetsStopAtThree) {
    Opbyg();
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabelNoSpinEdit"), 1);  // before any table: counter "0" clamped
        Skriv(d, "VariabelNavnEdit", "a");
        OK(d);
    });
    Menu("InddataVariabelMenuItem");
    svar([](QWidget* d) { OK(d); });
    Menu("TabelMenuItem");
    for (int i = 1; i <= 4; ++i) {
        svar([i](QWidget* d) {
            EXPECT_EQ(Vaerdi(d, "GrafArkNoSpinEdit"), i < 3 ? i : 3) << i;
            OK(d);
        });
        Menu("GrafMenuItem");
    }
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabNoSpinEdit"), 2);
        Kontrol<QRadioButton>(d, "RaekkeRadioButton")->click();
        OK(d);
    });
    Menu("TabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabelNoSpinEdit"), 2);
        Skriv(d, "VariabelNavnEdit", "x");
        Saet(d, "PositionerSpinEdit", 12);
        Saet(d, "DecimalerSpinEdit", 4);
        Skriv(d, "VariabelUdtrykEdit", "2*y");
        OK(d);
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "PositionerSpinEdit"), 12);  // kept
        EXPECT_EQ(Vaerdi(d, "DecimalerSpinEdit"), 2);    // reset
        EXPECT_TRUE(Kontrol<QLineEdit>(d, "VariabelUdtrykEdit")->text().isEmpty());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("UddataVariabelMenuItem");
    EXPECT_EQ(svar.Besvarede, 9);
    auto l = MemoLinier();
    ASSERT_EQ(l.size(), 12u);
    EXPECT_EQ(l[0], "Variabel(1,1): a:=?;");
    EXPECT_EQ(l[1], "Tabel(1): tabel_type=S; antal_variable=5; antal_indgange= 5; tabel_bredde= 10;");
    EXPECT_EQ(l[2], "Graf(1,1): graf_navn=\"\"; grafark_no=1; xgraf=; ygraf=;graf_type=R;");
    EXPECT_EQ(l[3], "Grafakse(1,1):  xmin=; xmax=; ymin=; ymax=;");
    EXPECT_EQ(l[8], "Graf(1,4): graf_navn=\"\"; grafark_no=3; xgraf=; ygraf=;graf_type=R;");
    EXPECT_EQ(l[10], "Tabel(2): tabel_type=R; antal_variable=5; antal_indgange= 5; tabel_bredde= 10;");
    EXPECT_EQ(l[11], "Variabel(2,1): x:= 2*y:12:4;");
}

TEST_F(DefinerTest, ProgramControlAsksFirstThenSwitchesTheGrids) {
    const std::string spoergsmaal =
        "I \"Programstyring\" kan man frav\xE6lge \n\r"
        "programstyring ved indl\xE6sning af tabellerne\n\r"
        "Tabellerne er forh\xE5ndsindstillet til programstyring.\n\r"
        "Hvis hele tabellen ikke kan vises p\xE5 sk\xE6rmen er programstyring sl\xE5"
        "et fra";
    flade.Svar.push_back(false);  // Cancel on the question
    Menu("ProgramstyringMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::OkAnnuller);
    EXPECT_EQ(flade.Vist[0].Tekst, spoergsmaal);
    EXPECT_EQ(svar.Uventede, 0);

    svar([](QWidget* d) {
        auto* b = Kontrol<QCheckBox>(d, "ProgramstyringTabel2CheckBox");
        EXPECT_TRUE(b->isChecked());
        b->click();
        OK(d);
    });
    Menu("ProgramstyringMenuItem");
    EXPECT_EQ(form->Programstyret, (std::array<bool, 5>{true, true, false, true, true}));

    // Cancel changes nothing, and the box keeps its state for the next opening.
    svar([](QWidget* d) {
        auto* b = Kontrol<QCheckBox>(d, "ProgramstyringTabel2CheckBox");
        EXPECT_FALSE(b->isChecked());
        Kontrol<QCheckBox>(d, "ProgramstyringTabel1CheckBox")->click();
        Kontrol<QPushButton>(d, "CancelButton")->click();
    });
    Menu("ProgramstyringMenuItem");
    EXPECT_EQ(form->Programstyret, (std::array<bool, 5>{true, true, false, true, true}));
    EXPECT_EQ(svar.Besvarede, 2);

    // A table whose grid needs scroll bars cannot be program-controlled.
    form->ProgramstyringMulig[0] = false;
    svar([](QWidget* d) {
        auto* b = Kontrol<QCheckBox>(d, "ProgramstyringTabel0CheckBox");
        EXPECT_FALSE(b->isChecked());
        EXPECT_FALSE(b->isEnabled());
        OK(d);
    });
    Menu("ProgramstyringMenuItem");
    EXPECT_FALSE(form->Programstyret[0]);
}

TEST_F(DefinerTest, ActiveTableAndGraph) {
    form->Projekt.AktivTabel = 0;
    form->Projekt.AktivGraf = 0;
    svar([](QWidget* d) {
        EXPECT_EQ(Vaerdi(d, "TabelNoSpinEdit"), 0);
        EXPECT_EQ(Vaerdi(d, "GrafNoSpinEdit"), 1);  // below the minimum shows the minimum
        Saet(d, "TabelNoSpinEdit", 3);
        Saet(d, "GrafNoSpinEdit", 2);
        OK(d);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 3);
    EXPECT_EQ(form->Projekt.AktivGraf, 2);
    svar([](QWidget* d) {
        Saet(d, "TabelNoSpinEdit", 1);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 3);

    // Table 0 makes "Gem Inddata" report that there is no table.
    svar([](QWidget* d) {
        Saet(d, "TabelNoSpinEdit", 0);
        OK(d);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 0);
    Menu("GemInddataMenuItem");
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Sidste(), "Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
}

}  // namespace
}  // namespace plotvik::test
