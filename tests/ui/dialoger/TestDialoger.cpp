// The small dialogs on their own: captions, labels, control names and
// limits, the values set on opening, Enter for OK and Esc for Cancel, and
// the result fields the caller reads.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/TestDialogHjaelp.h"
#include "ui/dialoger/AktivTabelNoOgGrafNoDialogUnit.h"
#include "ui/dialoger/GrafDefinitionUnit.h"
#include "ui/dialoger/InddataKonstantDefinitionUnit.h"
#include "ui/dialoger/InddataVariabelDefinitionUnit.h"
#include "ui/dialoger/OverskriftDefinitionUnit.h"
#include "ui/dialoger/ProgramStyringDialogUnit.h"
#include "ui/dialoger/TabelDefinitionUnit.h"
#include "ui/dialoger/UddataKonstantDefinitionUnit.h"
#include "ui/dialoger/UddataVariabelDefinitionUnit.h"
#include "ui/dialoger/UdskrivTabelUnit.h"

namespace plotvik::test {
namespace {

struct DialogRaekke {
    QWidget* dialog;
    const char* klasse;
    std::string titel;
    std::vector<std::string> tekster;
};

TEST(Dialog, CaptionsNamesAndLabels) {
    TOverskriftDialog overskrift;
    TInddataKonstantDialog inddataKonstant;
    TUddataKonstantDialog uddataKonstant;
    TTabelDialog tabel;
    TIndDataVariabelDialog inddataVariabel;
    TUddataVariabelDialog uddataVariabel;
    TGraferDialog grafer;
    TProgramstyringDialog programstyring;
    TAktivTabelNoOgGrafNoDialog aktiv;
    TUdskrivTabelDialog udskriv;
    std::vector<DialogRaekke> raekker = {
        {&overskrift, "TOverskriftDialog", "Overskrift Definition", {"Overskrift til projektet"}},
        {&inddataKonstant, "TInddataKonstantDialog", "Inddata Konstant", {"Konstantens Navn", "Enhed"}},
        {&uddataKonstant,
         "TUddataKonstantDialog",
         "Definition af Uddata Konstant",
         {"Konstantens Navn", "Numerisk V\xE6rdi", "Enhed"}},
        {&tabel,
         "TTabelDialog",
         "Definition af Tabel",
         {"Tabel No", "Tabel Type", "R\xE6kke", "S\xF8jle", "Antal variable i tabel", "Antal M\xE5linger/Indgange",
          "Feltbredde a 6 pixel", "OK", "Cancel"}},
        {&inddataVariabel, "TIndDataVariabelDialog", "Inddata Variabel", {"Variabel Navn", "Enhed", "Tabel No"}},
        {&uddataVariabel,
         "TUddataVariabelDialog",
         "Uddata Variabel Definition",
         {"Variabel Navn", "Enhed", "Variabel Udtryk", "V\xE6rdi af variabel udskrives  med", "Positioner",
          "Decimaler", "Tabel No"}},
        {&grafer,
         "TGraferDialog",
         "Graf definition til Tabel ",
         {"Beregningsudtryk til akserne. (Kan \xE6ndres under k\xF8rslen)", "x-graf", "y-graf",
          "Koordinatsystemets begr\xE6nsninger. (Kan \xE6ndres under k\xF8rslen)", "x-min", "x-max", "y-min",
          "y-max", "Tabel No", "Graf Overskrift", "GrafArkNo", "V\xE6lg fit til punkterne p\xE5 grafen",
          "Kun Punkter", "Regressionslinie", "Polynomiumsfit", "Spline fit", "Bezier fit", "Polynomiums Grad"}},
        {&programstyring,
         "TProgramstyringDialog",
         "Dialog",
         {"Indl\xE6sning til tabeller kan enten v\xE6re programstyret, hvilket betyder, at focus automatisk "
          "flyttes til det n\xE6ste inddatafelt. Ved programstyret indl\xE6sning, er det ikke muligt, at skrive "
          "i et uddatafelt. ",
          "Uden programstyret indl\xE6sning, skal man selv flytte mark\xF8ren til det n\xE6ste inddatafelt, og "
          "man kan skrive i alle felter. Programstyret indl\xE6sning er kun mulig, n\xE5r hele tabellen kan ses "
          "p\xE5 sk\xE6rmen.",
          "Programstyring af Tabel 1", "Programstyring af Tabel 2", "Programstyring af Tabel 3",
          "Programstyring af Tabel 4", "Programstyring af  Konstant Tabellen"}},
        {&aktiv, "TAktivTabelNoOgGrafNoDialog", "Aktiv tabel og Graf nummer Dialog", {"Aktiv tabel No", "Aktiv Graf No"}},
        {&udskriv, "TUdskrivTabelDialog", "Dialog", {"Overskrift til Tabel", "Tabel No"}},
    };
    for (const auto& r : raekker) {
        EXPECT_EQ(r.dialog->objectName().toStdString(), r.klasse);
        EXPECT_EQ(FraQString(r.dialog->windowTitle()), r.titel) << r.klasse;
        for (const auto& t : r.tekster) EXPECT_TRUE(Viser(r.dialog, t)) << r.klasse << ": " << t;
        auto* ok = Kontrol<QPushButton>(r.dialog, "OKButton");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault()) << r.klasse;
        EXPECT_NE(Kontrol<QPushButton>(r.dialog, "CancelButton"), nullptr);
    }
}

TEST(Dialog, SpinEditLimits) {
    TTabelDialog tabel;
    TIndDataVariabelDialog inddata;
    TUddataVariabelDialog uddata;
    TGraferDialog grafer;
    TAktivTabelNoOgGrafNoDialog aktiv;
    TUdskrivTabelDialog udskriv;
    struct Raekke {
        QWidget* dialog;
        const char* navn;
        int min, max;
    };
    std::vector<Raekke> raekker = {
        {&tabel, "TabNoSpinEdit", 1, 4},          {&tabel, "AntalVariableSpinEdit", 1, 22},
        {&tabel, "AntalMaalingerSpinEdit", 1, 32767}, {&tabel, "FeltBreddeSpinEdit", 3, 20},
        {&inddata, "TabelNoSpinEdit", 1, 4},       {&uddata, "PositionerSpinEdit", 2, 20},
        {&uddata, "DecimalerSpinEdit", 0, 6},      {&uddata, "TabelNoSpinEdit", 1, 4},
        {&grafer, "TabelNoSpinEdit", 1, 4},        {&grafer, "GrafArkNoSpinEdit", 1, 3},
        {&grafer, "PolynomiumsGradSpinEdit", 1, 10}, {&aktiv, "TabelNoSpinEdit", 0, 4},
        {&aktiv, "GrafNoSpinEdit", 1, 3},          {&udskriv, "TabelNoSpinEdit", 0, 4},
    };
    for (const auto& r : raekker) {
        auto* s = Kontrol<QSpinBox>(r.dialog, r.navn);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), r.min) << r.navn;
        EXPECT_EQ(s->maximum(), r.max) << r.navn;
    }
}

TEST(Dialog, EnterConfirmsAndHandsOverTheTypedTexts) {
    TUddataKonstantDialog d;
    d.Forbered();
    d.OKValgt = d.AnnullerValgt = false;
    d.show();
    QTest::keyClicks(d.KonstantNavnEdit, "g");
    QTest::keyClicks(d.KonstantVaerdiEdit, "9,82");
    d.KonstantEnhedEdit->setText(TilQString("m/s\xB2"));
    d.KonstantEnhedEdit->setFocus();
    QTest::keyClick(d.KonstantEnhedEdit, Qt::Key_Return);
    EXPECT_TRUE(d.OKValgt);
    EXPECT_FALSE(d.AnnullerValgt);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.Navn, "g");
    EXPECT_EQ(d.Vaerdi, "9,82");
    EXPECT_EQ(d.Enhed, "m/s\xB2");
}

TEST(Dialog, EscapeCancelsAndFieldsAreEmptiedOnOpening) {
    TInddataKonstantDialog d;
    d.KonstantNavnEdit->setText("gammel");
    d.KonstantEnhedEdit->setText("kg");
    d.Forbered();
    EXPECT_TRUE(d.KonstantNavnEdit->text().isEmpty());
    EXPECT_TRUE(d.KonstantEnhedEdit->text().isEmpty());
    d.OKValgt = d.AnnullerValgt = false;
    d.show();
    QTest::keyClicks(d.KonstantNavnEdit, "m");
    QTest::keyClick(d.KonstantNavnEdit, Qt::Key_Escape);
    EXPECT_FALSE(d.OKValgt);
    EXPECT_TRUE(d.AnnullerValgt);
    EXPECT_FALSE(d.isVisible());
}

TEST(Dialog, ShownModallyTheFlagsAreClearedFirst) {
    TOverskriftDialog d;
    d.OKValgt = true;
    d.AnnullerValgt = true;
    d.Forbered();
    ModalSvar svar;
    svar([](QWidget* m) {
        auto* e = Kontrol<QLineEdit>(m, "OverskriftEdit");
        QTest::keyClicks(e, "Fald");
        QTest::keyClick(e, Qt::Key_Enter);
    });
    EXPECT_TRUE(d.VisModalt());
    EXPECT_FALSE(d.AnnullerValgt);
    EXPECT_EQ(d.Overskrift, "Fald");

    d.Forbered();
    svar([](QWidget* m) { QTest::keyClick(m, Qt::Key_Escape); });
    EXPECT_FALSE(d.VisModalt());
    EXPECT_FALSE(d.OKValgt);
    EXPECT_TRUE(d.AnnullerValgt);
    EXPECT_EQ(svar.Besvarede, 2);
    EXPECT_EQ(svar.Uventede, 0);
}

TEST(Dialog, TableDialogDefaultsAndClamping) {
    TTabelDialog d;
    d.RaekkeRadioButton->setChecked(true);
    d.AntalVariableSpinEdit->setValue(9);
    struct Raekke {
        int tilbudt, vist;
    };
    for (auto r : std::vector<Raekke>{{1, 1}, {2, 2}, {4, 4}, {5, 4}, {0, 1}}) {
        d.Forbered(r.tilbudt);
        EXPECT_EQ(d.TabNoSpinEdit->value(), r.vist);
        EXPECT_TRUE(d.SoejleRadioButton->isChecked());
        EXPECT_FALSE(d.RaekkeRadioButton->isChecked());
        EXPECT_EQ(d.AntalVariableSpinEdit->value(), 5);
        EXPECT_EQ(d.AntalMaalingerSpinEdit->value(), 5);
        EXPECT_EQ(d.FeltBreddeSpinEdit->value(), 10);
    }
    d.show();
    d.RaekkeRadioButton->setChecked(true);
    d.FeltBreddeSpinEdit->setValue(99);  // clamped to 20
    d.OKButton->click();
    EXPECT_TRUE(d.OKValgt);
    EXPECT_TRUE(d.Raekke);
    EXPECT_EQ(d.TabelNo, "1");
    EXPECT_EQ(d.AntalVariable, "5");
    EXPECT_EQ(d.AntalMaalinger, "5");
    EXPECT_EQ(d.FeltBredde, "20");
}

TEST(Dialog, OutputVariablePositionsKeepTheirLastValue) {
    TUddataVariabelDialog d;
    d.Forbered(3);
    EXPECT_EQ(d.PositionerSpinEdit->value(), 8);
    EXPECT_EQ(d.DecimalerSpinEdit->value(), 2);
    EXPECT_EQ(d.TabelNoSpinEdit->value(), 3);
    d.PositionerSpinEdit->setValue(12);
    d.DecimalerSpinEdit->setValue(5);
    d.VariabelNavnEdit->setText("v");
    d.Forbered(1);
    EXPECT_EQ(d.PositionerSpinEdit->value(), 12);
    EXPECT_EQ(d.DecimalerSpinEdit->value(), 2);
    EXPECT_TRUE(d.VariabelNavnEdit->text().isEmpty());
    d.show();
    // A value typed but not yet confirmed in a spin edit is handed over too.
    d.PositionerSpinEdit->setFocus();
    d.PositionerSpinEdit->selectAll();
    QTest::keyClicks(d.PositionerSpinEdit, "9");
    d.OKButton->click();
    EXPECT_EQ(d.Positioner, "9");
    EXPECT_EQ(d.Decimaler, "2");
    EXPECT_EQ(d.TabelNo, "1");
}

TEST(Dialog, GraphDialogHeadingDegreeAndFit) {
    TGraferDialog d;
    d.GrafOverskriftEdit->setText("gammel");
    d.xminEdit->setText("7");
    d.PolynomiumsfitRadioButton->setChecked(true);
    d.Forbered(2, 3);
    EXPECT_EQ(d.TabelNoSpinEdit->value(), 2);
    EXPECT_EQ(d.GrafArkNoSpinEdit->value(), 3);
    EXPECT_TRUE(d.GrafOverskriftEdit->text().isEmpty());
    EXPECT_TRUE(d.xminEdit->text().isEmpty());
    EXPECT_TRUE(d.RegressionslinieRadioButton->isChecked());
    EXPECT_EQ(d.PolynomiumsGradSpinEdit->value(), 1);

    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    QTest::keyClicks(d.xgrafEdit, "t");
    d.ygrafEdit->setFocus();
    QTest::keyClicks(d.ygrafEdit, "v");
    QTest::keyClick(d.ygrafEdit, Qt::Key_Tab);  // leaving the y box
    EXPECT_EQ(FraQString(d.GrafOverskriftEdit->text()), "t - v Diagram");

    d.PolynomiumsfitRadioButton->click();
    EXPECT_EQ(d.PolynomiumsGradSpinEdit->value(), 2);
    d.xminEdit->setText("0");
    d.xmaxEdit->setText("5");
    d.yminEdit->setText("0");
    d.ymaxEdit->setText("50");
    d.OKButton->click();
    EXPECT_TRUE(d.OKValgt);
    EXPECT_EQ(d.Valg.Overskrift, "t - v Diagram");
    EXPECT_EQ(d.Valg.GrafType, 'P');
    EXPECT_EQ(d.Valg.PolGrad, "2");
    EXPECT_EQ(d.Valg.TabelNo, "2");
    EXPECT_EQ(d.Valg.GrafArkNo, "3");
    EXPECT_EQ(d.Valg.XMax, "5");
    EXPECT_EQ(d.Valg.YMax, "50");
}

TEST(Dialog, GraphDialogFitLetterOfEachButton) {
    TGraferDialog d;
    std::vector<std::pair<QRadioButton*, char>> raekker = {
        {d.KunPunkterRadioButton, 'K'},     {d.RegressionslinieRadioButton, 'R'}, {d.PolynomiumsfitRadioButton, 'P'},
        {d.SplinefitRadioButton, 'S'},      {d.BezierfitRadioButton, 'B'},
    };
    for (auto [knap, bogstav] : raekker) {
        d.Forbered(1, 1);
        d.show();
        knap->click();
        d.OKButton->click();
        EXPECT_EQ(d.Valg.GrafType, bogstav);
    }
    // Enter in the y box fills the heading as leaving it does.
    d.Forbered(1, 1);
    d.show();
    d.xgrafEdit->setText("L");
    d.ygrafEdit->setText("T^2");
    d.ygrafEdit->setFocus();
    QTest::keyClick(d.ygrafEdit, Qt::Key_Return);
    EXPECT_EQ(d.Valg.Overskrift, "L - T^2 Diagram");
}

TEST(Dialog, PrintTableDialogEnterWalksToOk) {
    TUdskrivTabelDialog d;
    d.OverskriftEdit->setText("gammel");
    d.TabelNoSpinEdit->setValue(3);
    d.Forbered();
    EXPECT_TRUE(d.OverskriftEdit->text().isEmpty());
    EXPECT_EQ(d.TabelNoSpinEdit->value(), 1);
    d.OKValgt = d.AnnullerValgt = false;
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.OverskriftEdit->setFocus();
    d.OverskriftEdit->setText(TilQString("M\xE5linger"));
    QTest::keyClick(d.OverskriftEdit, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.OKValgt);
    EXPECT_TRUE(d.TabelNoSpinEdit->hasFocus());
    QTest::keyClicks(d.TabelNoSpinEdit, "0");
    QTest::keyClick(d.TabelNoSpinEdit, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.OKButton->hasFocus());
    QTest::keyClick(d.OKButton, Qt::Key_Return);
    EXPECT_TRUE(d.OKValgt);
    EXPECT_EQ(d.Overskrift, "M\xE5linger");
    EXPECT_EQ(d.TabelNo, "0");
}

TEST(Dialog, ProgramControlBoxesFollowWhatIsPossible) {
    TProgramstyringDialog d;
    for (auto* b : d.ProgramstyringCheckBox) EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(Kontrol<QCheckBox>(&d, "ProgramstyringTabel0CheckBox"), d.ProgramstyringCheckBox[0]);
    EXPECT_EQ(Kontrol<QCheckBox>(&d, "ProgramstyringTabel4CheckBox"), d.ProgramstyringCheckBox[4]);
    d.Forbered({true, false, true, true, true}, {false, true, true, true, true});
    EXPECT_FALSE(d.ProgramstyringCheckBox[0]->isChecked());  // needs scroll bars
    EXPECT_FALSE(d.ProgramstyringCheckBox[0]->isEnabled());
    EXPECT_FALSE(d.ProgramstyringCheckBox[1]->isChecked());
    EXPECT_TRUE(d.ProgramstyringCheckBox[1]->isEnabled());
    EXPECT_TRUE(d.ProgramstyringCheckBox[2]->isChecked());
    d.show();
    d.ProgramstyringCheckBox[2]->click();
    d.CancelButton->click();
    EXPECT_TRUE(d.AnnullerValgt);
    d.show();
    d.OKButton->click();
    EXPECT_EQ(d.Programstyret, (std::array<bool, 5>{false, false, false, true, true}));
}

TEST(Dialog, ActiveTableAndGraphShowTheMinimumForLowValues) {
    TAktivTabelNoOgGrafNoDialog d;
    struct Raekke {
        int tabel, graf, visTabel, visGraf;
    };
    for (auto r : std::vector<Raekke>{{0, 0, 0, 1}, {2, 3, 2, 3}, {4, 1, 4, 1}}) {
        d.Forbered(r.tabel, r.graf);
        EXPECT_EQ(d.TabelNoSpinEdit->value(), r.visTabel);
        EXPECT_EQ(d.GrafNoSpinEdit->value(), r.visGraf);
    }
    d.show();
    d.OKButton->click();
    EXPECT_EQ(d.TabelNo, "4");
    EXPECT_EQ(d.GrafNo, "1");
}

}  // namespace
}  // namespace plotvik::test
