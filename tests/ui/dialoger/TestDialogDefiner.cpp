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

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"

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
    void Opbyg() {
        Menu("OpbygProjektFilMenuItem");
        flade.Vist.clear();
    }
};

TEST_F(DefinerTest, BuildingFaldAppendsTheExampleLines) {
    Opbyg();
    svar([](QWidget* d) {
        SkrivIFelt(d, "OverskriftEdit", "Fald");
        TrykOK(d);
    });
    Menu("OverskriftMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "KonstantNavnEdit", "g");
        SkrivIFelt(d, "KonstantVaerdiEdit", "9,82");
        SkrivIFelt(d, "KonstantEnhedEdit", "m/s^2");
        TrykOK(d);
    });
    Menu("UddataKonstantMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabNoSpinEdit"), 1);
        SaetSpin(d, "AntalVariableSpinEdit", 3);
        TrykOK(d);
    });
    Menu("TabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabelNoSpinEdit"), 1);
        SkrivIFelt(d, "VariabelNavnEdit", "t");
        SkrivIFelt(d, "EnhedEdit", "s");
        TrykOK(d);
    });
    Menu("InddataVariabelMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "VariabelNavnEdit", "v");
        SkrivIFelt(d, "EnhedEdit", "m/s");
        SkrivIFelt(d, "VariabelUdtrykEdit", "g*t");
        TrykOK(d);  // positions and decimals untouched
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabelNoSpinEdit"), 1);
        EXPECT_EQ(SpinVaerdi(d, "GrafArkNoSpinEdit"), 1);
        SkrivIFelt(d, "xgrafEdit", "t");
        auto* y = Kontrol<QLineEdit>(d, "ygrafEdit");
        y->setText("v");
        // Leaving the y box (the offscreen platform does not move the real
        // focus between windows reliably; the Tab key itself is tested on the dialog alone).
        QFocusEvent ud(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(y, &ud);
        Kontrol<QRadioButton>(d, "PolynomiumsfitRadioButton")->click();
        SkrivIFelt(d, "xminEdit", "0");
        SkrivIFelt(d, "xmaxEdit", "5");
        SkrivIFelt(d, "yminEdit", "0");
        SkrivIFelt(d, "ymaxEdit", "50");
        TrykOK(d);
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
        SkrivIFelt(d, "KonstantNavnEdit", "m");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("InddataKonstantMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "KonstantNavnEdit", "m");
        SkrivIFelt(d, "KonstantEnhedEdit", "kg");
        TrykOK(d);
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
        EXPECT_EQ(SpinVaerdi(d, "TabelNoSpinEdit"), 1);  // before any table: counter "0" clamped
        SkrivIFelt(d, "VariabelNavnEdit", "a");
        TrykOK(d);
    });
    Menu("InddataVariabelMenuItem");
    svar([](QWidget* d) { TrykOK(d); });
    Menu("TabelMenuItem");
    for (int i = 1; i <= 3; ++i) {
        svar([i](QWidget* d) {
            EXPECT_EQ(SpinVaerdi(d, "GrafArkNoSpinEdit"), i) << i;
            TrykOK(d);
        });
        Menu("GrafMenuItem");
    }
    // A fourth graph of the table is not offered: the limit is said instead.
    Menu("GrafMenuItem");
    EXPECT_EQ(flade.Sidste(), "En tabel kan h\xF8jst have 3 grafer");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabNoSpinEdit"), 2);
        Kontrol<QRadioButton>(d, "RaekkeRadioButton")->click();
        TrykOK(d);
    });
    Menu("TabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabelNoSpinEdit"), 2);
        SkrivIFelt(d, "VariabelNavnEdit", "x");
        SaetSpin(d, "PositionerSpinEdit", 12);
        SaetSpin(d, "DecimalerSpinEdit", 4);
        SkrivIFelt(d, "VariabelUdtrykEdit", "2*y");
        TrykOK(d);
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "PositionerSpinEdit"), 12);  // kept
        EXPECT_EQ(SpinVaerdi(d, "DecimalerSpinEdit"), 2);    // reset
        EXPECT_TRUE(Kontrol<QLineEdit>(d, "VariabelUdtrykEdit")->text().isEmpty());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("UddataVariabelMenuItem");
    EXPECT_EQ(svar.Besvarede, 8);
    EXPECT_EQ(svar.Uventede, 0);
    auto l = MemoLinier();
    ASSERT_EQ(l.size(), 10u);
    EXPECT_EQ(l[0], "Variabel(1,1): a:=?;");
    EXPECT_EQ(l[1], "Tabel(1): tabel_type=S; antal_variable=5; antal_indgange= 5; tabel_bredde= 10;");
    EXPECT_EQ(l[2], "Graf(1,1): graf_navn=\"\"; grafark_no=1; xgraf=; ygraf=;graf_type=R;");
    EXPECT_EQ(l[3], "Grafakse(1,1):  xmin=; xmax=; ymin=; ymax=;");
    EXPECT_EQ(l[6], "Graf(1,3): graf_navn=\"\"; grafark_no=3; xgraf=; ygraf=;graf_type=R;");
    EXPECT_EQ(l[8], "Tabel(2): tabel_type=R; antal_variable=5; antal_indgange= 5; tabel_bredde= 10;");
    EXPECT_EQ(l[9], "Variabel(2,1): x:= 2*y:12:4;");
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
        TrykOK(d);
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
        TrykOK(d);
    });
    Menu("ProgramstyringMenuItem");
    EXPECT_FALSE(form->Programstyret[0]);
}

TEST_F(DefinerTest, ActiveTableAndGraph) {
    form->Projekt.AktivTabel = 0;
    form->Projekt.AktivGraf = 0;
    svar([](QWidget* d) {
        EXPECT_EQ(SpinVaerdi(d, "TabelNoSpinEdit"), 0);
        EXPECT_EQ(SpinVaerdi(d, "GrafNoSpinEdit"), 1);  // below the minimum shows the minimum
        SaetSpin(d, "TabelNoSpinEdit", 3);
        SaetSpin(d, "GrafNoSpinEdit", 2);
        TrykOK(d);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 3);
    EXPECT_EQ(form->Projekt.AktivGraf, 2);
    svar([](QWidget* d) {
        SaetSpin(d, "TabelNoSpinEdit", 1);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 3);

    // Table 0 makes "Gem Inddata" report that there is no table.
    svar([](QWidget* d) {
        SaetSpin(d, "TabelNoSpinEdit", 0);
        TrykOK(d);
    });
    Menu("AktiveTabelNoOgGrafNoMenuItem");
    EXPECT_EQ(form->Projekt.AktivTabel, 0);
    Menu("GemInddataMenuItem");
    ASSERT_FALSE(flade.Vist.empty());
    EXPECT_EQ(flade.Sidste(), "Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
}

}  // namespace
}  // namespace plotvik::test
