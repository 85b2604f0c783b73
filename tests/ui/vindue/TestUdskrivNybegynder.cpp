// One newcomer's whole way through the program: build the Fald project with
// the dialogs, convert it, load it, type the measurements, compute, draw a
// polynomial fit with statistics, read a tangent, take an area, and print the
// table and the graph results (read back from the PDF files).
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <cstdlib>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/TestUdskrivHjaelp.h"
#include "ui/graf/GrafBillede.h"
#include "ui/dialoger/GrafDefinitionUnit.h"

namespace plotvik::test {
namespace {

class Nybegynder : public FormTest {
protected:
    ModalSvar svar;


    std::vector<std::string> Resultater() {
        std::vector<std::string> r;
        QListWidget* l = form->GrafResultaterListBox[1];
        for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
        return r;
    }
    static bool BegynderMed(const std::string& s, const std::string& start) { return s.rfind(start, 0) == 0; }
};

TEST_F(Nybegynder, FaldFromTheDialogsToThePrintedPages) {
    // 1. Build the project with the dialogs.
    Menu("OpbygProjektFilMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Tekst, "V\xE6lg Elementerne til Projektfilen fra DefinerMenuen,\n\reller indl\xE6s en fil");
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
        SaetSpin(d, "AntalVariableSpinEdit", 3);
        TrykOK(d);
    });
    Menu("TabelMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "VariabelNavnEdit", "t");
        SkrivIFelt(d, "EnhedEdit", "s");
        TrykOK(d);
    });
    Menu("InddataVariabelMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "VariabelNavnEdit", "v");
        SkrivIFelt(d, "EnhedEdit", "m/s");
        SkrivIFelt(d, "VariabelUdtrykEdit", "g*t");
        TrykOK(d);
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "VariabelNavnEdit", "s");
        SkrivIFelt(d, "EnhedEdit", "m");
        SkrivIFelt(d, "VariabelUdtrykEdit", "g*t^2/2");
        SaetSpin(d, "DecimalerSpinEdit", 3);
        TrykOK(d);
    });
    Menu("UddataVariabelMenuItem");
    svar([](QWidget* d) {
        SkrivIFelt(d, "xgrafEdit", "t");
        SkrivIFelt(d, "ygrafEdit", "s");
        static_cast<TGraferDialog*>(d)->ygrafEditExit();
        Kontrol<QRadioButton>(d, "PolynomiumsfitRadioButton")->click();
        SkrivIFelt(d, "xminEdit", "0");
        SkrivIFelt(d, "xmaxEdit", "0.6");
        SkrivIFelt(d, "yminEdit", "0");
        SkrivIFelt(d, "ymaxEdit", "1,5");
        TrykOK(d);
    });
    Menu("GrafMenuItem");
    ASSERT_EQ(svar.Besvarede, 7);
    const std::string bygget = FraQString(form->RedigerMemo->toPlainText());
    EXPECT_EQ(bygget,
              "Overskrift(1): overskrift=\"Fald\";\n"
              "Konstant(1): g = 9,82 [m/s^2];\n"
              "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;\n"
              "Variabel(1,1): t:=?[s];\n"
              "Variabel(1,2): v:= g*t:8:2 [m/s];\n"
              "Variabel(1,3): s:= g*t^2/2:8:3 [m];\n"
              "Graf(1,1): graf_navn=\"t - s Diagram\"; grafark_no=1; xgraf=t; ygraf=s;graf_type=P; pol_grad=2;\n"
              "Grafakse(1,1):  xmin=0; xmax=0.6; ymin=0; ymax=1,5;");

    // 2. Convert it into a project file (the text itself is not saved).
    const std::string prj = mappe + "/Fald.prj";
    flade.Vist.clear();
    flade.Svar.push_back(false);
    flade.FilSvar.push_back(prj);
    Menu("OmdanTilProjektFilMenuItem");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(Laes(prj).substr(0, 37), "Fald\r\n1\r\ng=9,82[m/s^2]\r\n1\r\nS 3 5 10\r\n");

    // 3. Load it; the constant is kept as it stands (Esc).
    flade.Vist.clear();
    form->Projekt.TekstGemt = true;
    HentProjekt(prj);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Fald"));
    QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(form->Projekt.KonstantVaerdi[1], 9.82);

    // 4. Type the five times and compute.
    form->AntalMaalingerSpinEdit[1]->setValue(5);
    Klik(form->AntalMaalingerButton[1]);
    Klik(form->IndLaesTabelButton[1]);
    for (const char* tid : {"0.1", "0.2", "0.3", "0.4", "0.5"}) Tast(1, tid);
    EXPECT_FALSE(form->IndtastningAktiv[1]);
    Klik(form->BeregnTabelButton[1]);
    // v = 9.82 t with 2 decimals, s = 4.91 t^2 with 3 decimals, by hand.
    const char* v[] = {"0.98", "1.96", "2.95", "3.93", "4.91"};
    const char* s[] = {"0.049", "0.196", "0.442", "0.786"};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(Celle(1, m + 1, 1), v[m]) << m;
    for (int m = 0; m < 4; ++m) EXPECT_EQ(Celle(1, m + 1, 2), s[m]) << m;
    flade.Vist.clear();

    // 5. The polynomial fit with statistics on graph sheet 1.
    form->VisArk(3);
    form->StatistikCheckBox[1]->click();
    Klik(form->TegnGrafButton[1]);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(form->Projekt.AktivGraf, 1);
    const auto fit = Resultater();
    ASSERT_FALSE(fit.empty());

    // 6. A tangent, read where the user clicks, and the area from 0 to 0.5.
    Menu("TegnTangentPaaGrafMenuItem");
    QWidget* billede = form->GrafBilledeWidget[1];
    QTest::mouseClick(billede, Qt::LeftButton, Qt::NoModifier, billede->rect().center());
    QApplication::processEvents();
    auto efterTangent = Resultater();
    ASSERT_EQ(efterTangent.size(), fit.size() + 2);
    EXPECT_TRUE(BegynderMed(efterTangent[fit.size()], "Tangentligning gennem (")) << efterTangent[fit.size()];
    // Clicked in the middle of 0..0.6: near t = 0.3, where the slope of 4.91 t^2 is 2.946.
    EXPECT_TRUE(BegynderMed(efterTangent[fit.size() + 1], "s = 2.9")) << efterTangent[fit.size() + 1];
    svar([](QWidget* d) {
        SkrivIFelt(d, "NedreGraenseEdit", "0");
        SkrivIFelt(d, "OevreGraenseEdit", "0.5");
        TrykOK(d);
    });
    Menu("ArealUnderGrafMenuItem");
    auto alle = Resultater();
    ASSERT_EQ(alle.size(), efterTangent.size() + 2);
    EXPECT_EQ(alle[alle.size() - 2], "Arealet under grafen i intervallet ");
    // 4.91 t^2 from 0 to 0.5 is 0.2046 (the fit of the rounded cells is within 0.0005 of it).
    EXPECT_TRUE(BegynderMed(alle.back(), "[0.000;0.500] er: 0.20")) << alle.back();

    if (const char* billeder = std::getenv("PLOTVIK_BILLEDMAPPE"))
        form->grab().save(QString::fromLocal8Bit(billeder) + QStringLiteral("/nybegynder_graf.png"));

    // 7. Print the table and the graph results.
    {
        PdfPrinter pdf(mappe + "/tabel.pdf");
        svar([](QWidget* d) {
            SkrivIFelt(d, "OverskriftEdit", "Fald m\xE5linger");
            TrykOK(d);
        });
        Menu("UdskrivTabelMenuItem");
        bool laest = false;
        auto ud = pdf.Linier(laest);
        if (laest) {
            ASSERT_EQ(ud.size(), 1u + 13);
            EXPECT_EQ(UdenVenstreMargen(ud[0]), "Fald m\xE5linger");
            EXPECT_EQ(UdenVenstreMargen(ud[1]), std::string(34, '-'));
            EXPECT_EQ(UdenVenstreMargen(ud[2]), "| t [s]| v [m/s]| s [m]|");
            EXPECT_EQ(UdenVenstreMargen(ud[4]), "| 0.1| 0.98| 0.049|");
            EXPECT_EQ(UdenVenstreMargen(ud[6]), "| 0.2| 1.96| 0.196|");
        }
    }
    PdfPrinter pdf(mappe + "/graf.pdf");
    Menu("UdskrivGrafresultaterMenuItem");
    EXPECT_EQ(pdf.Vist, 1);
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::vector<std::string> forventet = {"Grafresultater til t - s Diagram, h\xF8rende til Tabel 1"};
    for (const auto& l : alle)
        if (!UdenVenstreMargen(l).empty()) forventet.push_back(UdenVenstreMargen(l));
    std::vector<std::string> faktisk;
    for (const auto& l : ud) faktisk.push_back(UdenVenstreMargen(l));
    EXPECT_EQ(faktisk, forventet);
}

}  // namespace
}  // namespace plotvik::test
