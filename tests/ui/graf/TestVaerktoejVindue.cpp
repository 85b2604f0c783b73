// The graph tools in the window, offscreen: a graph of y = x^2 through
// (0,0), (1,1), (2,4) drawn on sheet 1 with the limits x 0..8 and y 0..50,
// the tools armed from the menus and answered by a click on the image.
//
// The image is 550 x 490: view port 0..549 by 0..489 over the window
// -0.8..8.8 by -5..55, so sx = 549/9.6 and sy = 489/60 = 8.15. The pixel
// (160, 407) is x = 160*9.6/549 - 0.8 = 1.9978142 and
// y = (489 - 407)/8.15 - 5 = 5.0613497.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "graphs/GrafVaerktoej.h"
#include "ui/dialoger/ArealUnderGrafDialogUnit.h"
#include "ui/dialoger/FourierTransformationDefinitionUnit.h"
#include "ui/dialoger/FunktionDialogUnit.h"
#include "ui/graf/GrafBillede.h"
#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

class VaerktoejVindue : public FormTest {
protected:
    // Table 1: x and y typed in; graph 1 of y against x on sheet 1.
    void TegnParabel(char grafType = 'P') {
        TProjekt& p = form->Projekt;
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = 3;
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, 4);
        const char* xs[] = {"0", "1", "2"};
        const char* ys[] = {"0", "1", "4"};
        for (int m = 1; m <= 3; ++m) {
            t.Celler.SaetCelle(xs[m - 1], 1, m + 1);
            t.Celler.SaetCelle(ys[m - 1], 2, m + 1);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"y mod x", 1, "x", "y", grafType, 2, 0, 8, 0, 50};
        TGrafArk& a = form->GrafArkene.Ark[1];
        a.FelterSynlige = true;
        a.XAkse = "x";
        a.YAkse = "y";
        a.XMinTekst = "0";
        a.XMaxTekst = "8";
        a.YMinTekst = "0";
        a.YMaxTekst = "50";
        form->VisGrafArk(1);
        form->SideKontrol->setCurrentWidget(form->Ark[3]);
        Klik(form->TegnGrafButton[1]);
        form->GrafResultaterListBox[1]->clear();
        form->GrafArkene.Ark[1].Resultater.clear();
        flade.Vist.clear();
    }

    std::vector<std::string> Resultater(int ark = 1) {
        std::vector<std::string> r;
        QListWidget* l = Find<QListWidget>(("GrafResultater" + std::to_string(ark) + "ListBox").c_str());
        for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
        return r;
    }

    void KlikBillede(int x, int y) {
        QTest::mouseClick(form->GrafBilledeWidget[1], Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QApplication::processEvents();
    }

    void IndtastFunktion(const char* f, const char* dm, int tabel = 1, int graf = 1) {
        ModalSvar svar;
        svar([f, dm, tabel, graf](QWidget* d) {
            Kontrol<QLineEdit>(d, "FunktionEdit")->setText(QString::fromLatin1(f));
            Kontrol<QLineEdit>(d, "DefinitionsmaengdeEdit")->setText(QString::fromLatin1(dm));
            Kontrol<QSpinBox>(d, "TabelNoSpinEdit")->setValue(tabel);
            Kontrol<QSpinBox>(d, "GrafNoSpinEdit")->setValue(graf);
            Kontrol<QPushButton>(d, "OKButton")->click();
        });
        Menu("TegnMatematiskFunktionMenuItem");
        EXPECT_EQ(svar.Besvarede, 1);
    }
};

TEST_F(VaerktoejVindue, ReadingAValueWithTheMouse) {
    TegnParabel();
    Menu("AflaesFunktionsvaerdiMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::OkAnnuller);
    EXPECT_EQ(flade.Vist[0].Tekst, "Klik med musen p\xE5 det punkt,\n\rsom du vil afl\xE6se");
    KlikBillede(160, 407);
    EXPECT_EQ(Resultater(), std::vector<std::string>{"x=1.998; y=5.061"});
}

TEST_F(VaerktoejVindue, DerivativeAndTangentOnThePolynomialFit) {
    TegnParabel();
    Menu("FindDifferentialKvotientMenuItem");
    KlikBillede(160, 407);
    // The fit is x^2: the slope at 1.9978142 is 3.9956284.
    EXPECT_EQ(Resultater(), std::vector<std::string>{"y ' (1.998) = 3.996"});

    Menu("TegnTangentPaaGrafPopupMenuItem");
    KlikBillede(160, 300);  // only the column counts
    EXPECT_EQ(Resultater(), (std::vector<std::string>{"y ' (1.998) = 3.996", "Tangentligning gennem (1.998,3.991)",
                                                      "y = 3.996*x-3.991"}));
    EXPECT_FALSE(form->VaerktoejTilstand.VaerktoejAktiv);
}

TEST_F(VaerktoejVindue, ToolsOnlyFromAGraphSheet) {
    TegnParabel();
    form->SideKontrol->setCurrentWidget(form->Ark[1]);
    for (const char* menu : {"AflaesFunktionsvaerdiMenuItem", "FindDifferentialKvotientMenuItem",
                             "TegnTangentPaaGrafMenuItem"}) {
        flade.Vist.clear();
        Menu(menu);
        ASSERT_EQ(flade.Vist.size(), 1u) << menu;
        EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[0].Tekst, "Denne Menu kan kun anvendes p\xE5 grafarkene");
    }
    EXPECT_FALSE(form->VaerktoejTilstand.VaerktoejAktiv);
}

TEST_F(VaerktoejVindue, TheFunctionDialogAndDrawingTheFunction) {
    TegnParabel('K');
    EXPECT_FALSE(form->TegnFunktionButton[1]->isEnabled());
    EXPECT_FALSE(form->DifferentialkvotientAfFunktionMenuItem->isEnabled());
    IndtastFunktion("x^2", "0<x<10");
    EXPECT_TRUE(form->TegnFunktionButton[1]->isEnabled());
    EXPECT_FALSE(form->TegnFunktionButton[2]->isEnabled());
    EXPECT_TRUE(form->DifferentialkvotientAfFunktionMenuItem->isEnabled());
    EXPECT_TRUE(form->TegnTangentTilFunktionMenuItem->isEnabled());
    EXPECT_TRUE(form->ArealUnderFunktionMenuItem->isEnabled());
    EXPECT_TRUE(Resultater().empty());  // nothing drawn yet

    const QImage foer = form->GrafImage[1].copy();
    Klik(form->TegnFunktionButton[1]);
    EXPECT_EQ(Resultater(), std::vector<std::string>{"f(x) = x^2; Dm(f) = 0<x<10"});
    EXPECT_NE(form->GrafImage[1], foer);
    // The curve passes the pixel of (2, 4): x 2.8*57.1875 = 160, y 489 - round(9*8.15) = 416
    // (give or take a pixel of the line drawing).
    bool sort = false;
    for (int y = 414; y <= 418; ++y) sort = sort || form->GrafImage[1].pixelColor(160, y) == QColor(Qt::black);
    EXPECT_TRUE(sort);

    Menu("DifferentialkvotientAfFunktionMenuItem");
    ASSERT_EQ(Resultater().size(), 2u);
    const std::string afledet = Resultater()[1];
    ASSERT_EQ(afledet.rfind("f'(x) = ", 0), 0u);
    EXPECT_NEAR(FunktionsVaerdi(afledet.substr(8), 1.5), 3.0, 1e-12);
}

TEST_F(VaerktoejVindue, TheTangentToTheFunction) {
    TegnParabel('K');
    IndtastFunktion("x^2", "R");
    flade.Svar.push_back(false);  // Cancel: the function tangent waits for a click anyway
    Menu("TegnTangentTilFunktionMenuItem");
    EXPECT_EQ(flade.Vist.back().Tekst,
              "Klik med musen p\xE5 f\xF8rstekoordinaten til det punkt,\n\rhvor du vil tegne tangenten");
    KlikBillede(160, 100);
    EXPECT_EQ(Resultater(), (std::vector<std::string>{"Tangentligning gennem (1.998,3.991)", "y = 3.996*x -3.991"}));
    EXPECT_FALSE(form->VaerktoejTilstand.FunktionsTangent);
}

TEST_F(VaerktoejVindue, AreaUnderTheFitAndUnderTheFunction) {
    TegnParabel();
    {
        ModalSvar svar;
        svar([](QWidget* d) {
            EXPECT_EQ(FraQString(d->windowTitle()), "Areal Under Graf Dialog");
            EXPECT_TRUE(Viser(d, "Nedre Gr\xE6nse for areal"));
            EXPECT_TRUE(Viser(d, "\xD8vre Gr\xE6nse for areal"));
            Kontrol<QLineEdit>(d, "NedreGraenseEdit")->setText("2");
            Kontrol<QLineEdit>(d, "OevreGraenseEdit")->setText("0");
            Kontrol<QPushButton>(d, "OKButton")->click();
        });
        Menu("ArealUnderGrafPopupMenuItem");
    }
    // x^2 over 0..2 is 8/3.
    EXPECT_EQ(Resultater(),
              (std::vector<std::string>{"Arealet under grafen i intervallet ", "[0.000;2.000] er: 2.667"}));

    IndtastFunktion("x^2", "R");
    form->GrafResultaterListBox[1]->clear();
    form->GrafArkene.Ark[1].Resultater.clear();
    {
        ModalSvar svar;
        svar([](QWidget* d) {
            Kontrol<QLineEdit>(d, "NedreGraenseEdit")->setText("0");
            Kontrol<QLineEdit>(d, "OevreGraenseEdit")->setText("3");
            Kontrol<QPushButton>(d, "OKButton")->click();
        });
        Menu("ArealUnderFunktionMenuItem");
    }
    EXPECT_EQ(Resultater(),
              (std::vector<std::string>{"Arealet under grafen i intervallet ", "[0.000;3.000] er: 9.000"}));
    EXPECT_TRUE(flade.Vist.empty());
}

TEST_F(VaerktoejVindue, TheFourierDefinitionAppendsItsLinesWhileBuilding) {
    form->Projekt.Tilstand = 2;
    form->Projekt.OpbygTaellere = {'0', '1', '0', '0'};
    ModalSvar svar;
    svar([](QWidget* d) {
        EXPECT_EQ(FraQString(d->windowTitle()), "FourierTransformationDialog");
        EXPECT_TRUE(Viser(d, "Tabuleret Funktion, der skal Fourier transformeres"));
        EXPECT_TRUE(Viser(d, "V\xE6rdien af Fourierkoefficienter udskrives  med"));
        EXPECT_TRUE(Viser(d, "Vis Fourierkoefficienter grafisk"));
        EXPECT_EQ(Kontrol<QSpinBox>(d, "PositionerSpinEdit")->value(), 8);
        EXPECT_EQ(Kontrol<QSpinBox>(d, "DecimalerSpinEdit")->value(), 3);
        EXPECT_TRUE(Kontrol<QCheckBox>(d, "VisFourierkoefficienterGrafiskCheckBox")->isChecked());
        Kontrol<QLineEdit>(d, "UafhaengigVariabelEdit")->setText("t");
        Kontrol<QLineEdit>(d, "EnhedUafhaengigVariabelEdit")->setText("s");
        Kontrol<QLineEdit>(d, "AfhaengigVariabelEdit")->setText("U");
        Kontrol<QLineEdit>(d, "EnhedAfhaengigVariabelEdit")->setText("V");
        Kontrol<QLineEdit>(d, "FourierKoefficienterNavnEdit")->setText("c");
        Kontrol<QLineEdit>(d, "EnhedFourierKoefficienterNavnEdit")->setText("V");
        Kontrol<QPushButton>(d, "OKButton")->click();
    });
    Menu("FourierTransformationMenuItem");
    const QString forventet = QStringLiteral(
        "Variabel(1,1): t:=? [s];\n"
        "Variabel(1,2): U:=? [V];\n"
        "Variabel(1,3): c:= Fourier(t,U):8:3 [V];\n"
        "Graf(1,1): graf_navn=\"t - U graf\"; xgraf=t; ygraf=U; grafark_no=1; graf_type=S;\n"
        "Grafakse(1,1):  xmin=0; xmax=6.282; ymin=-5; ymax=5;\n"
        "Graf(1,2): graf_navn=\"Fourier Koefficienter an og bn\"; xgraf=fourier(t); ygraf=c; grafark_no=2; "
        "graf_type=F;\n"
        "Grafakse(1,2):  xmin=0; xmax=6.282; ymin=-5; ymax=5;");
    EXPECT_EQ(form->RedigerMemo->toPlainText(), forventet);

    // Outside building mode the item does nothing.
    form->Projekt.Tilstand = 0;
    Menu("FourierTransformationMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
    EXPECT_EQ(svar.Uventede, 0);
}

// The Svingning example samples U = 2 + 3 cos(wt) + sin(2wt) (to three decimals)
// at 9 times over one period: "Beregn" fills the coefficient column and "Tegn
// Graf" on sheet 2 lists the spectrum (coefficients computed independently:
// a0 = 2, a1 = 2.99993, b2 = 1.00013, all others below the cut).
TEST_F(VaerktoejVindue, TheSpectrumOfTheSvingningExample) {
    HentProjekt(Kopi("Svingning.prj"));
    Kopi("SvingningTabel_1.dat");
    form->AntalMaalingerSpinEdit[1]->setValue(9);
    Klik(form->AntalMaalingerButton[1]);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/SvingningTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Klik(form->BeregnTabelButton[1]);
    const TTekstMatrix& celler = form->Projekt.Tabeller[1].Celler;
    EXPECT_EQ(celler.HentCelle(3, 2), "2.000");  // a0
    EXPECT_EQ(celler.HentCelle(3, 3), "3.000");  // a1
    EXPECT_EQ(celler.HentCelle(3, 8), "1.000");  // b2, measurement K + 2 + 1 = 7

    form->SideKontrol->setCurrentWidget(form->Ark[4]);
    Klik(form->TegnGrafButton[2]);
    const std::vector<std::string> forventet = {
        "Fourier Koefficienter: an*cos(nt)+bn*sin(nt)",
        "",
        "an[0]=2.000",
        "an[1]=3.000;  bn[1]=0.000",
        "an[2]=0.000;  bn[2]=1.000",
        "an[3]=0.000;  bn[3]=0.000",
        "an[4]=0.000;  bn[4]=0.000",
    };
    EXPECT_EQ(Resultater(2), forventet);
    EXPECT_TRUE(form->CirkelRadioButton[2]->isChecked());
    EXPECT_TRUE(form->TegnKunPunkterCheckBox[2]->isChecked());
    const char* mappeNavn = std::getenv("PLOTVIK_BILLEDMAPPE");
    if (mappeNavn) form->grab().save(QString::fromLocal8Bit(mappeNavn) + "/vaerktoej_fourier.png");
}

TEST_F(VaerktoejVindue, TheFunctionDialogsTexts) {
    ModalSvar svar;
    svar([](QWidget* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("TFunktionDialogForm"));
        EXPECT_EQ(FraQString(d->windowTitle()), "Matematisk Funktion Dialog");
        EXPECT_TRUE(Viser(d, "Funktionsforskrift: F.eks. 1/x+sqrt(x)"));
        EXPECT_TRUE(Viser(d, "Definitionsintervaller: F.eks. 0<x<10 and x<>5"));
        EXPECT_TRUE(Viser(d, "f(x)="));
        EXPECT_TRUE(Viser(d, "Dm(f):"));
        EXPECT_EQ(Kontrol<QLineEdit>(d, "DefinitionsmaengdeEdit")->text(), QStringLiteral("R"));
        EXPECT_EQ(Kontrol<QSpinBox>(d, "TabelNoSpinEdit")->maximum(), 4);
        Kontrol<QPushButton>(d, "CancelButton")->click();
    });
    Menu("TegnMatematiskFunktionMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
    EXPECT_FALSE(form->VaerktoejTilstand.FunktionsMenuerAktive);
}

// Screenshots of a function with a domain, a tangent and a hatched area, for
// a person to look at (saved only when PLOTVIK_BILLEDMAPPE names a folder).
TEST_F(VaerktoejVindue, Skaermbilleder) {
    const char* mappe = std::getenv("PLOTVIK_BILLEDMAPPE");
    TegnParabel();
    IndtastFunktion("1/x+sqrt(x)", "0<x<10 and x<>5");
    Klik(form->TegnFunktionButton[1]);
    Menu("TegnTangentPaaGrafMenuItem");
    KlikBillede(200, 300);
    ModalSvar svar;
    svar([](QWidget* d) {
        Kontrol<QLineEdit>(d, "NedreGraenseEdit")->setText("1");
        Kontrol<QLineEdit>(d, "OevreGraenseEdit")->setText("2,5");
        Kontrol<QPushButton>(d, "OKButton")->click();
    });
    Menu("ArealUnderGrafMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
    if (!mappe) return;
    form->GrafImage[1].save(QString::fromLocal8Bit(mappe) + "/vaerktoej_graf1.png");
    form->grab().save(QString::fromLocal8Bit(mappe) + "/vaerktoej_vindue.png");
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

const char* const KunKurver =
    "H\xE6ldning og tangent kan afl\xE6ses p\xE5 polynomium-, spline- og Bezier-grafer og p\xE5 funktioner";

// "Tegn Funktion" on a sheet where the active table has no graph says what
// to do first instead of doing nothing.
TEST_F(VaerktoejVindue, DrawingAFunctionOnASheetWithoutAGraphOfTheActiveTable) {
    TegnParabel();  // table 1's graph is on sheet 1
    IndtastFunktion("x^2", "R", 1, 2);
    form->SideKontrol->setCurrentWidget(form->Ark[4]);
    ASSERT_TRUE(form->TegnFunktionButton[2]->isEnabled());
    const QImage foer = form->GrafImage[2].copy();
    Klik(form->TegnFunktionButton[2]);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
    EXPECT_EQ(flade.Vist[0].Tekst, "Tegn f\xF8rst en graf af den aktive tabel p\xE5 dette ark");
    EXPECT_TRUE(Resultater(2).empty());
    EXPECT_EQ(form->GrafImage[2], foer);
    EXPECT_EQ(form->Projekt.AktivGraf, 1) << "the active graph is left as it was";
}

// Slope and tangent on a graph of points only: the tool says where they can be read.
TEST_F(VaerktoejVindue, SlopeAndTangentOnAGraphOfPointsOnly) {
    TegnParabel('K');
    for (const char* menu : {"FindDifferentialKvotientMenuItem", "TegnTangentPaaGrafMenuItem"}) {
        SCOPED_TRACE(menu);
        flade.Vist.clear();
        Menu(menu);
        KlikBillede(160, 407);
        ASSERT_EQ(flade.Vist.size(), 2u);  // the question, then the answer
        EXPECT_EQ(flade.Vist[1].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[1].Tekst, KunKurver);
        EXPECT_TRUE(Resultater().empty());
        EXPECT_FALSE(form->VaerktoejTilstand.VaerktoejAktiv);
    }
}

// The slope of a regression line is its b, the same at every x: the tools
// list it (b = 2, a = -1/3 for (0,0), (1,1), (2,4), computed by hand) and the
// tangent is the line itself.
TEST_F(VaerktoejVindue, SlopeAndTangentOfARegressionLine) {
    TegnParabel('R');
    Menu("FindDifferentialKvotientMenuItem");
    KlikBillede(160, 407);  // x0 = 1.9978142
    EXPECT_EQ(Resultater(), std::vector<std::string>{"y ' (1.998) = 2.000"});
    Menu("TegnTangentPaaGrafMenuItem");
    KlikBillede(160, 300);
    // y0 = 2 * 1.9978142 - 1/3 = 3.6622951
    EXPECT_EQ(Resultater(), (std::vector<std::string>{"y ' (1.998) = 2.000", "Tangentligning gennem (1.998,3.662)",
                                                      "y = 2.000*x-0.333"}));
    EXPECT_EQ(flade.Vist.size(), 2u) << "only the two questions";
    EXPECT_FALSE(form->VaerktoejTilstand.VaerktoejAktiv);
}

// A function can be entered for table 4 as for the other tables.
TEST_F(VaerktoejVindue, TheFunctionDialogOffersTable4) {
    IndtastFunktion("x^3", "R", 4, 2);
    EXPECT_EQ(form->GrafArkene.Funktioner[4][2].Funktion, "x^3");
    EXPECT_TRUE(form->GrafArkene.Funktioner[3][2].Funktion.empty());
    EXPECT_TRUE(form->TegnFunktionButton[2]->isEnabled());
}

}  // namespace
}  // namespace plotvik::test
