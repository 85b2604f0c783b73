// The four print items of "&Fil" on the loaded Pendul example, printed into
// PDF files: the table with its dialog, the graph results only on the graph's
// own sheet, the text sheet and the window's image; Cancel prints nothing,
// and a print that cannot start says so.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/TestUdskrivHjaelp.h"
#include "files/Udskrift.h"

namespace plotvik::test {
namespace {

class UdskrivMenuTest : public FormTest {
protected:
    ModalSvar svar;

    void BeregnPendul() {
        HentPendul();
        form->AntalMaalingerSpinEdit[1]->setValue(5);
        Klik(form->AntalMaalingerButton[1]);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        flade.Vist.clear();
    }
    std::vector<std::string> Normaliseret(const std::vector<std::string>& linier) {
        std::vector<std::string> ud;
        for (const auto& l : linier)
            if (!UdenVenstreMargen(l).empty()) ud.push_back(UdenVenstreMargen(l));
        return ud;
    }
};

TEST_F(UdskrivMenuTest, TablePrintsHeadingAndBlocks) {
    BeregnPendul();
    PdfPrinter pdf(mappe + "/tabel.pdf");
    svar([](QWidget* d) {
        EXPECT_EQ(Kontrol<QSpinBox>(d, "TabelNoSpinEdit")->value(), 1);
        Kontrol<QLineEdit>(d, "OverskriftEdit")->setText(TilQString("Pendul m\xE5linger"));
        Kontrol<QPushButton>(d, "OKButton")->click();
    });
    Menu("UdskrivTabelMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
    EXPECT_EQ(pdf.Vist, 1);
    ASSERT_TRUE(pdf.Findes());
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // One block of 3 variables of width 10: rules of 3 * 11 + 1 dashes; a = L/T^2
    // by hand: 0.2/0.81, 0.4/1.6129, 0.6/2.4025, 0.8/3.24, 1.0/4 with 3 decimals.
    const std::string regel(34, '-'), skille = "|----------+----------+----------|";
    std::vector<std::string> forventet = {
        "Pendul m\xE5linger", regel, "|     L [m]|     T [s]| a [m/s^2]|", skille,
        "|       0.2|      0.90|     0.247|", skille, "|       0.4|      1.27|     0.248|", skille,
        "|       0.6|      1.55|     0.250|", skille, "|       0.8|      1.80|     0.247|", skille,
        "|       1.0|      2.00|     0.250|", regel};
    EXPECT_EQ(Normaliseret(ud), Normaliseret(forventet));
    // The same lines as laid out for the printer, to the character.
    std::vector<std::string> blokke = TabelBlokke(form->Projekt, 1);
    EXPECT_EQ(blokke, std::vector<std::string>(forventet.begin() + 1, forventet.end()));
}

TEST_F(UdskrivMenuTest, ConstantsTableAndCancelledDialogs) {
    BeregnPendul();
    {
        // Cancel in the table dialog: the print dialog is not even shown.
        PdfPrinter pdf(mappe + "/ingen.pdf");
        svar([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
        Menu("UdskrivTabelMenuItem");
        EXPECT_EQ(pdf.Vist, 0);
        EXPECT_FALSE(pdf.Findes());
    }
    {
        // Cancel in the print dialog prints nothing.
        PdfPrinter pdf(mappe + "/ingen2.pdf", false);
        svar([](QWidget* d) { Kontrol<QPushButton>(d, "OKButton")->click(); });
        Menu("UdskrivTabelMenuItem");
        EXPECT_EQ(pdf.Vist, 1);
        EXPECT_FALSE(pdf.Findes());
    }
    PdfPrinter pdf(mappe + "/konstanter.pdf");
    svar([](QWidget* d) {
        Kontrol<QLineEdit>(d, "OverskriftEdit")->setText("Konstanter");
        Kontrol<QSpinBox>(d, "TabelNoSpinEdit")->setValue(0);
        Kontrol<QPushButton>(d, "OKButton")->click();
    });
    Menu("UdskrivTabelMenuItem");
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_GE(ud.size(), 4u);
    EXPECT_EQ(UdenVenstreMargen(ud[0]), "Konstanter");
    EXPECT_NE(ud[2].find("g [m/s^2]"), std::string::npos) << ud[2];
    EXPECT_NE(ud[4].find("9.82"), std::string::npos) << ud[4];
}

TEST_F(UdskrivMenuTest, GraphResultsOnlyOnTheGraphsSheet) {
    BeregnPendul();
    form->VisArk(3);
    Klik(form->TegnGrafButton[1]);
    ASSERT_EQ(form->Projekt.AktivTabel, 1);
    ASSERT_EQ(form->Projekt.AktivGraf, 1);
    QListWidget* liste = form->GrafResultaterListBox[1];
    ASSERT_GT(liste->count(), 0);

    for (int ark : {1, 2, 4, 5, 6}) {
        form->VisArk(ark);
        PdfPrinter pdf(mappe + "/intet.pdf");
        Menu("UdskrivGrafresultaterMenuItem");
        EXPECT_EQ(pdf.Vist, 0) << ark;
        EXPECT_FALSE(pdf.Findes()) << ark;
    }

    form->VisArk(3);
    PdfPrinter pdf(mappe + "/graf.pdf");
    Menu("UdskrivGrafresultaterMenuItem");
    EXPECT_EQ(pdf.Vist, 1);
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::vector<std::string> forventet = {"Grafresultater til T mod L, h\xF8rende til Tabel 1"};
    for (int i = 0; i < liste->count(); ++i) {
        std::string l = UdenVenstreMargen(FraQString(liste->item(i)->text()));
        if (!l.empty()) forventet.push_back(l);
    }
    EXPECT_EQ(Normaliseret(ud), forventet);
}

TEST_F(UdskrivMenuTest, TextSheetAndWindowImage) {
    form->RedigerMemo->setPlainText(TilQString(Laes(Kildesti("examples/Fald.txt"))));
    PdfPrinter pdf(mappe + "/tekst.pdf");
    Menu("UdskrivTekstMenuItem");
    EXPECT_EQ(pdf.Vist, 1);
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (laest) {
        ASSERT_EQ(ud.size(), 10u);
        EXPECT_EQ(UdenVenstreMargen(ud[0]), "Overskrift(1): overskrift=\"Fald\";");
        EXPECT_EQ(UdenVenstreMargen(ud[9]), "Grafakse(1,2): xmin=0; xmax=0.6; ymin=0; ymax=1,5;");
    }

    PdfPrinter ark(mappe + "/ark.pdf");
    Menu("UdskrivArkMenuItem");
    EXPECT_EQ(ark.Vist, 1);
    EXPECT_TRUE(ark.Findes());
    if (laest) {
        EXPECT_EQ(ark.Sider(), 1);
    }

    PdfPrinter annulleret(mappe + "/ingen.pdf", false);
    Menu("UdskrivArkMenuItem");
    Menu("UdskrivTekstMenuItem");
    EXPECT_EQ(annulleret.Vist, 2);
    EXPECT_FALSE(annulleret.Findes());
    form->Projekt.TekstGemt = true;
}

// Each of the four print commands, aimed at a file in a folder that does
// not exist, tells the student so in one box and leaves no file behind.
TEST_F(UdskrivMenuTest, EveryPrintCommandSaysWhenItsFileCannotBeWritten) {
    BeregnPendul();
    form->VisArk(3);
    Klik(form->TegnGrafButton[1]);
    ASSERT_GT(form->GrafResultaterListBox[1]->count(), 0);
    const std::string fil = mappe + "/findes_ikke/udskrift.pdf";
    const std::string besked = "Udskriften kunne ikke startes p\xE5 filen \"" + fil + "\".\n\rIntet er udskrevet.";
    const char* const kommandoer[] = {"UdskrivTabelMenuItem", "UdskrivArkMenuItem", "UdskrivGrafresultaterMenuItem",
                                      "UdskrivTekstMenuItem"};
    for (const char* kommando : kommandoer) {
        flade.Vist.clear();
        PdfPrinter pdf(fil);
        if (std::string(kommando) == "UdskrivTabelMenuItem")
            svar([](QWidget* d) { Kontrol<QPushButton>(d, "OKButton")->click(); });
        Menu(kommando);
        EXPECT_EQ(pdf.Vist, 1) << kommando;
        ASSERT_EQ(flade.Vist.size(), 1u) << kommando;
        EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl) << kommando;
        EXPECT_EQ(flade.Vist[0].Tekst, besked) << kommando;
        EXPECT_FALSE(pdf.Findes()) << kommando;
    }
    EXPECT_TRUE(svar.Tom());
    form->Projekt.TekstGemt = true;
}

}  // namespace
}  // namespace plotvik::test
