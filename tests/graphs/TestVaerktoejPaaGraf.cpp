// The graph tools, function plotting and areas on a drawn graph sheet, with
// the real drawing pass and a software canvas. The canvas is 961 x 601
// pixels, so with the limits x 0..8 and y 0..50 (window -0.8..8.8 by -5..55)
// one x unit is 100 pixels and one y unit 10 pixels: PixelX(x) = 100x + 80
// and PixelY(y) = 550 - 10y, and every expected pixel is computed by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/FakeFlade.h"
#include "graphs/TestLaerred.h"
#include "graphs/Areal.h"
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
using test::Op;
using test::TestLaerred;

int PX(double x) { return static_cast<int>(std::nearbyint(100 * x)) + 80; }
int PY(double y) { return 550 - static_cast<int>(std::nearbyint(10 * y)); }

struct Ark {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TVaerktoejTilstand vt;
    TestLaerred laerred{961, 601};

    // Table 1 with x and y as input, one graph of y against x on sheet 1.
    Ark(const std::vector<TPunkt>& punkter, char grafType, int polGrad = 0) {
        TilslutFourier(tt);
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = static_cast<int>(punkter.size());
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, t.AntalIndgange + 1);
        for (int m = 1; m <= t.AntalIndgange; ++m) {
            t.Celler.SaetCelle(Tal(punkter[m - 1].x), 1, m + 1);
            t.Celler.SaetCelle(Tal(punkter[m - 1].y), 2, m + 1);
        }
        t.AntalGrafer = 1;
        TGrafDef& g = t.Grafer[1];
        g.GrafNavn = "y - x";
        g.GrafArkNo = 1;
        g.XGraf = "x";
        g.YGraf = "y";
        g.GrafType = grafType;
        g.PolGrad = polGrad;
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &laerred;
        a.XAkse = "x";
        a.YAkse = "y";
        a.XMinTekst = "0";
        a.XMaxTekst = "8";
        a.YMinTekst = "0";
        a.YMaxTekst = "50";
        a.AntalGrafPunkter = "50";
    }
    static std::string Tal(double v) {
        char b[40];
        std::snprintf(b, sizeof b, "%.17g", v);
        return b;
    }
    void Tegn() {
        TegnGrafKnap(p, arkene, tt, 1);
        laerred.Nulstil();
    }
    std::vector<std::string>& Resultater() { return arkene.Ark[1].Resultater; }
    // Arms the tool (OK to its question, which is then forgotten) and clicks at (x, y).
    void Klik(FakeFlade& flade, TVaerktoej v, double x, double y) {
        flade.Svar.push_back(true);
        ArmerVaerktoej(vt, v, true);
        flade.Vist.clear();
        GrafKlik(p, arkene, tt, vt, 1, PX(x), PY(y));
    }
};

const std::vector<TPunkt> Parabel = {{0, 0}, {1, 1}, {2, 4}};
const std::vector<TPunkt> Linie = {{0, 1}, {1, 3}, {2, 5}, {3, 7}, {4, 9}};  // y = 2x + 1

TEST(TestVaerktoejPaaGraf, ReadingAValueListsWhereTheMousePoints) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    FakeFlade svar;
    ArmerVaerktoej(a.vt, TVaerktoej::AflaesVaerdi, true);
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, 280, 500);  // x = 2, y = 5
    EXPECT_EQ(a.Resultater(), std::vector<std::string>{"x=2.000; y=5.000"});
    EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.AflaesVaerdi);
    // A second click without arming does nothing.
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, 300, 300);
    EXPECT_EQ(a.Resultater().size(), 1u);
}

TEST(TestVaerktoejPaaGraf, DerivativeAndTangentOfFits) {
    struct Raekke {
        const char* navn;
        std::vector<TPunkt> punkter;
        char type;
        int grad;
        TVaerktoej vaerktoej;
        double x0;
        std::vector<std::string> linjer;
    };
    const std::vector<Raekke> raekker = {
        // The degree-2 fit through (0,0), (1,1), (2,4) is x^2: slope 2*x0.
        {"polynomial slope", Parabel, 'P', 2, TVaerktoej::Differentialkvotient, 1.5, {"y ' (1.500) = 3.000"}},
        {"polynomial tangent", Parabel, 'P', 2, TVaerktoej::Tangent, 1.5,
         {"Tangentligning gennem (1.500,2.250)", "y = 3.000*x-2.250"}},
        // A spline through points of a line is the line.
        {"spline slope", Linie, 'S', 0, TVaerktoej::Differentialkvotient, 2.5, {"y ' (2.500) = 2.000"}},
        {"spline tangent", Linie, 'S', 0, TVaerktoej::Tangent, 2.5,
         {"Tangentligning gennem (2.500,6.000)", "y = 2.000*x + 1.000"}},
        // The Bezier curve over collinear points lies on their line.
        {"bezier slope", Linie, 'B', 0, TVaerktoej::Differentialkvotient, 1.5, {"y ' (1.500) = 2.000"}},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(r.punkter, r.type, r.grad);
        a.Tegn();
        a.Resultater().clear();
        a.Klik(flade, r.vaerktoej, r.x0, 10);
        EXPECT_EQ(a.Resultater(), r.linjer);
        EXPECT_TRUE(flade.Vist.empty());
        EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Differentialkvotient || a.vt.Tangent);
        // Answering neither clears the sheet nor marks the points again.
        EXPECT_TRUE(a.laerred.Alle(Op::Fyld).empty());
    }
}

TEST(TestVaerktoejPaaGraf, TheTangentIsDrawnOverHalfTheXRange) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Klik(flade, TVaerktoej::Tangent, 1.5, 0);
    // y = 3x - 2.25 from x = 1.5 - 2 to 1.5 + 2 (w = (8 - 0)/4).
    auto linjer = a.laerred.Alle(Op::Linje);
    ASSERT_FALSE(linjer.empty());
    const auto& l = linjer.back();
    // y = -3.75 and 8.25 fall on half pixels: either neighbour is right.
    EXPECT_EQ(l.x1, PX(-0.5));
    EXPECT_NEAR(l.y1, PY(-3.75), 1);
    EXPECT_EQ(l.x2, PX(3.5));
    EXPECT_NEAR(l.y2, PY(8.25), 1);
    EXPECT_EQ(l.Farve, Sort);
}

TEST(TestVaerktoejPaaGraf, ClickOutsideASampledCurve) {
    FakeFlade flade;
    Ark a(Parabel, 'B');
    a.Tegn();
    a.Resultater().clear();
    a.Klik(flade, TVaerktoej::Differentialkvotient, -0.5, 0);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Kan ikke udregne funktionsv\xE6rdier i -0.500"});
    EXPECT_TRUE(a.Resultater().empty());
    EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Differentialkvotient);
    EXPECT_FALSE(Fejl);
}

// The regression line through points of y = 2x + 1 is that line: its slope
// is 2 at every x, and its tangent is the line itself.
TEST(TestVaerktoejPaaGraf, ARegressionLineAnswersWithItsSlopeAndEndsTheTool) {
    struct Raekke {
        TVaerktoej vaerktoej;
        double x0;
        std::vector<std::string> linjer;
    };
    const std::vector<Raekke> raekker = {
        {TVaerktoej::Differentialkvotient, 2, {"y ' (2.000) = 2.000"}},
        {TVaerktoej::Differentialkvotient, 0.5, {"y ' (0.500) = 2.000"}},
        {TVaerktoej::Tangent, 2, {"Tangentligning gennem (2.000,5.000)", "y = 2.000*x + 1.000"}},
    };
    for (const auto& r : raekker) {
        FakeFlade flade;
        Ark a(Linie, 'R');
        a.Tegn();
        a.Resultater().clear();
        a.Klik(flade, r.vaerktoej, r.x0, 0);
        EXPECT_EQ(a.Resultater(), r.linjer);
        EXPECT_TRUE(flade.Vist.empty());
        EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Differentialkvotient || a.vt.Tangent);
        // Neither cleared nor drawn again: only the tangent, if asked for.
        EXPECT_TRUE(a.laerred.Alle(Op::Fyld).empty());
        auto linjer = a.laerred.Alle(Op::Linje);
        if (r.vaerktoej == TVaerktoej::Differentialkvotient) {
            EXPECT_TRUE(linjer.empty());
        } else {
            // y = 2x + 1 from x = 0 to 4 (w = (8 - 0)/4).
            ASSERT_EQ(linjer.size(), 1u);
            EXPECT_EQ(linjer[0].x1, PX(0));
            EXPECT_EQ(linjer[0].y1, PY(1));
            EXPECT_EQ(linjer[0].x2, PX(4));
            EXPECT_EQ(linjer[0].y2, PY(9));
        }
    }
}

// A graph of points only has no curve to read a slope from: the tools say where
// one can be read, list nothing and end.
TEST(TestVaerktoejPaaGraf, SlopeToolsOnAGraphOfPointsOnly) {
    const std::string besked =
        "H\xE6ldning og tangent kan afl\xE6ses p\xE5 polynomium-, spline- og Bezier-grafer og p\xE5 funktioner";
    struct Raekke {
        const char* navn;
        char type;
        bool kunPunkter;  // "Tegn kun punkter" checked
        TVaerktoej vaerktoej;
    };
    const std::vector<Raekke> raekker = {
        {"points only, slope", 'K', false, TVaerktoej::Differentialkvotient},
        {"points only, tangent", 'K', false, TVaerktoej::Tangent},
        {"polynomial shown as points only", 'P', true, TVaerktoej::Differentialkvotient},
        {"regression line shown as points only", 'R', true, TVaerktoej::Tangent},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(Parabel, r.type, 2);
        a.arkene.Ark[1].TegnKunPunkter = r.kunPunkter;
        a.Tegn();
        a.Resultater().clear();
        a.Klik(flade, r.vaerktoej, 1.5, 0);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[0].Tekst, besked);
        EXPECT_TRUE(a.Resultater().empty());
        EXPECT_TRUE(a.laerred.Alle(Op::Linje).empty());
        EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Differentialkvotient || a.vt.Tangent);
        EXPECT_FALSE(Fejl);
    }
}

// A polynomial fit that cannot be computed (degree not below the number of
// points) is not a graph of points only: no such message.
TEST(TestVaerktoejPaaGraf, AFitThatCouldNotBeComputedIsNotCalledPointsOnly) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 5);
    a.Tegn();
    a.Resultater().clear();
    a.Klik(flade, TVaerktoej::Differentialkvotient, 1.5, 0);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Differentialkvotient);
}

TEST(TestVaerktoejPaaGraf, AClickOnASheetWithoutAGraphOfTheActiveTable) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.p.Tabeller[1].Grafer[1].GrafArkNo = 2;  // the table's graph is drawn elsewhere
    FakeFlade svar;
    ArmerVaerktoej(a.vt, TVaerktoej::AflaesVaerdi, true);
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, 280, 500);
    ASSERT_EQ(svar.Vist.size(), 2u);
    EXPECT_EQ(svar.Vist[1].Art, Boks::FejlMedIgnorer);
    EXPECT_EQ(svar.Vist[1].Tekst,
              "Forkert aktiv tabel eller forkert grafark\n\r"
              "V\xE6lg f\xF8rst tabellen til denne graf, ved at trykke p\xE5 \"Beregn\".\n\r"
              "Skift dern\xE6st til grafarket");
    EXPECT_TRUE(a.vt.VaerktoejAktiv);  // still waiting for a click on the right sheet
}

TEST(TestVaerktoejPaaGraf, TheFunctionIsDrawnOnTheGraphsCoordinates) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
    a.arkene.Ark[1].AntalGrafPunkter = "4";
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_EQ(a.Resultater(), std::vector<std::string>{"f(x) = x^2; Dm(f) = R"});
    EXPECT_EQ(a.p.AktivGraf, 1);
    auto linjer = a.laerred.Alle(Op::Linje);
    ASSERT_EQ(linjer.size(), 4u);  // 0..8 in four steps
    const int xs[] = {0, 2, 4, 6, 8};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(linjer[i].x1, PX(xs[i]));
        EXPECT_EQ(linjer[i].y1, PY(xs[i] * xs[i]));
        EXPECT_EQ(linjer[i].x2, PX(xs[i + 1]));
        EXPECT_EQ(linjer[i].y2, PY(xs[i + 1] * xs[i + 1]));
    }
    EXPECT_TRUE(a.laerred.Alle(Op::Fyld).empty());  // no new axes
}

TEST(TestVaerktoejPaaGraf, FunctionCommandsWithoutAFunction) {
    const std::string besked = "Der er ingen funktion til den aktive tabel p\xE5 dette grafark";
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 2, 1, "x^2", "R");  // entered for table 2, table 1 is active
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    DifferentialkvotientAfFunktion(a.p, a.arkene, a.vt);
    a.Klik(flade, TVaerktoej::FunktionsTangent, 2, 0);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{besked});  // the tangent's (earlier ones cleared)
    EXPECT_TRUE(a.Resultater().empty());
    EXPECT_TRUE(a.laerred.Alle(Op::Linje).empty());
    EXPECT_FALSE(a.vt.FunktionsTangent);
}

// "Tegn Funktion" on a sheet where the active table has no graph says what to
// do first, and changes nothing.
TEST(TestVaerktoejPaaGraf, DrawingAFunctionNeedsAGraphOfTheActiveTableOnTheSheet) {
    const std::string besked = "Tegn f\xF8rst en graf af den aktive tabel p\xE5 dette ark";
    struct Raekke {
        const char* navn;
        int aktivTabel;
        int grafArk;  // the sheet of the table's only graph
    };
    const std::vector<Raekke> raekker = {
        {"the graph is on another sheet", 1, 2},
        {"another table is active", 2, 1},
        {"no table is active", 0, 1},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(Parabel, 'P', 2);
        a.Tegn();
        a.Resultater().clear();
        a.p.AktivGraf = 1;
        a.p.AktivTabel = r.aktivTabel;
        a.p.Tabeller[1].Grafer[1].GrafArkNo = r.grafArk;
        for (int t = 1; t <= 2; ++t) IndtastFunktion(a.arkene, a.vt, t, 1, "x^2", "R");
        a.arkene.Ark[1].XAkse = "ny";
        TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[0].Tekst, besked);
        EXPECT_TRUE(a.Resultater().empty());
        EXPECT_TRUE(a.laerred.Log.empty());
        EXPECT_EQ(a.p.AktivGraf, 1);
        EXPECT_EQ(a.p.Tabeller[1].Grafer[1].XGraf, "x") << "no graph took the sheet's boxes";
    }
}

// The function belongs to the graph of the active table that is on the sheet,
// whatever its number: that graph takes the boxes and becomes the active graph,
// so the function's derivative and tangent find the same sheet.
TEST(TestVaerktoejPaaGraf, TheFunctionUsesTheGraphOnTheSheet) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    TTabelDef& t = a.p.Tabeller[1];
    t.AntalGrafer = 2;
    t.Grafer[2] = t.Grafer[1];  // graph 2 is the one on sheet 1
    t.Grafer[1].GrafArkNo = 3;
    t.Grafer[1].XGraf = "y";
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_EQ(a.Resultater(), std::vector<std::string>{"f(x) = x^2; Dm(f) = R"});
    EXPECT_EQ(a.p.AktivGraf, 2);
    EXPECT_EQ(t.Grafer[1].XGraf, "y") << "the graph on sheet 3 keeps its axes";
    EXPECT_EQ(t.Grafer[1].GrafArkNo, 3);
    DifferentialkvotientAfFunktion(a.p, a.arkene, a.vt);
    ASSERT_EQ(a.Resultater().size(), 2u);
    EXPECT_EQ(a.Resultater()[1].rfind("f'(x) = ", 0), 0u);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
}

TEST(TestVaerktoejPaaGraf, ABadLimitStopsTheFunctionWithoutAMessage) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
    a.arkene.Ark[1].YMaxTekst = "fem";
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_TRUE(a.Resultater().empty());
    EXPECT_TRUE(a.laerred.Log.empty());
    EXPECT_FALSE(Fejl);
}

TEST(TestVaerktoejPaaGraf, AFunctionOnAnEmptySheetGetsTheAxesOfItsBoxesFirst) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);  // nothing drawn yet
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x", "R");
    a.arkene.Ark[1].AntalGrafPunkter = "2";
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_FALSE(a.laerred.Alle(Op::Fyld).empty());  // the image was cleared and given axes
    auto linjer = a.laerred.Alle(Op::Linje);
    ASSERT_FALSE(linjer.empty());
    EXPECT_EQ(linjer.back().x1, PX(4));
    EXPECT_EQ(linjer.back().y1, PY(4));
    EXPECT_EQ(linjer.back().x2, PX(8));
    EXPECT_EQ(linjer.back().y2, PY(8));
}

TEST(TestVaerktoejPaaGraf, AResolutionAbove1024IsCappedAndWrittenBack) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x", "0<x<4");
    a.arkene.Ark[1].AntalGrafPunkter = "5000";
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_EQ(a.arkene.Ark[1].AntalGrafPunkter, "1024");
    EXPECT_EQ(a.laerred.Alle(Op::Linje).size(), 512u);  // half of the range, half of the steps
}

TEST(TestVaerktoejPaaGraf, TangentAndDerivativeOfTheTypedFunction) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
    a.p.AktivGraf = 1;
    DifferentialkvotientAfFunktion(a.p, a.arkene, a.vt);
    ASSERT_EQ(a.Resultater().size(), 1u);
    const std::string& linje = a.Resultater()[0];
    ASSERT_EQ(linje.rfind("f'(x) = ", 0), 0u);
    EXPECT_NEAR(FunktionsVaerdi(linje.substr(8), 3), 6, 1e-12);
    EXPECT_EQ(a.vt.Afledet[1][1], linje.substr(8));

    a.Resultater().clear();
    a.Klik(flade, TVaerktoej::FunktionsTangent, 1.5, 0);
    EXPECT_EQ(a.Resultater(), (std::vector<std::string>{"Tangentligning gennem (1.500,2.250)",
                                                        "y = 3.000*x -2.250"}));
    EXPECT_FALSE(a.vt.FunktionsTangent);
    const auto l = a.laerred.Alle(Op::Linje).back();
    // y = -3.75 and 8.25 fall on half pixels: either neighbour is right.
    EXPECT_EQ(l.x1, PX(-0.5));
    EXPECT_NEAR(l.y1, PY(-3.75), 1);
    EXPECT_EQ(l.x2, PX(3.5));
    EXPECT_NEAR(l.y2, PY(8.25), 1);
}

TEST(TestVaerktoejPaaGraf, AnErrorInTheFunctionEndsTheTangentQuietly) {
    FakeFlade flade;
    Ark a(Parabel, 'P', 2);
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "sqrt(x-3)", "R");
    a.Klik(flade, TVaerktoej::FunktionsTangent, 1.5, 0);
    EXPECT_TRUE(a.Resultater().empty());
    EXPECT_FALSE(a.vt.FunktionsTangent);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(a.laerred.Alle(Op::Linje).empty());
}

TEST(TestVaerktoejPaaGraf, AreasUnderFits) {
    struct Raekke {
        const char* navn;
        std::vector<TPunkt> punkter;
        char type;
        int grad;
        const char *nedre, *oevre;
        const char* linje;
    };
    const std::vector<TPunkt> toX = {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}};
    const std::vector<Raekke> raekker = {
        {"regression y = 2x over 0..2", toX, 'R', 0, "0", "2", "[0.000;2.000] er: 4.000"},
        {"x^2 over 0..2", Parabel, 'P', 2, "0", "2", "[0.000;2.000] er: 2.667"},
        {"limits given backwards", Parabel, 'P', 2, "2", "0", "[0.000;2.000] er: 2.667"},
        {"spline of y = 2x + 1 over 1..3", Linie, 'S', 0, "1", "3", "[1.000;3.000] er: 10.000"},
        {"below the axis", {{0, -1}, {1, -1}, {2, -1}}, 'R', 0, "0", "2", "[0.000;2.000] er: -2.000"},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(r.punkter, r.type, r.grad);
        a.Tegn();
        a.Resultater().clear();
        ArealUnderGraf(a.p, a.arkene, a.tt, a.vt, {r.nedre, r.oevre, 1, 1}, 1);
        EXPECT_EQ(a.Resultater(), (std::vector<std::string>{"Arealet under grafen i intervallet ", r.linje}));
        EXPECT_TRUE(flade.Vist.empty());
        EXPECT_FALSE(a.vt.VaerktoejAktiv || a.vt.Areal);
        EXPECT_TRUE(a.laerred.Alle(Op::Fyld).empty());
    }
}

TEST(TestVaerktoejPaaGraf, TheHatchingOfALine) {
    // y = 2x over 0..2 with 5 measurements: 11 samples, y_i = 0.4 i. Solid lines
    // at x = 0 and x = 2 from y = 0; the inner samples are 4, 8, ..., 36 pixels
    // high, so p = 1, 2, 4, 5, 6, 8, 9, 10, 12 and 1+1+2+3+3+4+5+5+6 = 30 dots.
    FakeFlade flade;
    Ark a({{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}}, 'R');
    a.Tegn();
    ArealUnderGraf(a.p, a.arkene, a.tt, a.vt, {"0", "2", 1, 1}, 1);
    auto linjer = a.laerred.Alle(Op::Linje);
    ASSERT_EQ(linjer.size(), 2u);
    EXPECT_EQ(linjer[0].x1, PX(0));
    EXPECT_EQ(linjer[0].y1, PY(0));
    EXPECT_EQ(linjer[0].y2, PY(0));  // the first sample is 0 high
    EXPECT_EQ(linjer[1].x1, PX(2));
    EXPECT_EQ(linjer[1].y1, PY(0));
    EXPECT_EQ(linjer[1].x2, PX(2));
    EXPECT_EQ(linjer[1].y2, PY(4));
    auto prikker = a.laerred.Alle(Op::Pixel);
    EXPECT_EQ(prikker.size(), 30u);
    for (const auto& p : prikker) EXPECT_EQ(p.Farve, Sort);
    // the first dot of the sample at x = 1.8 (36 pixels high) lies 3 pixels above the axis
    bool fundet = false;
    for (const auto& p : prikker) fundet = fundet || (p.x1 == PX(1.8) && p.y1 == PY(0) - 3);
    EXPECT_TRUE(fundet);
}

TEST(TestVaerktoejPaaGraf, AreaUnderTheFunction) {
    FakeFlade flade;
    Ark a({{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}}, 'K');  // 5 measurements: 11 samples
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
    ArealUnderFunktion(a.p, a.arkene, a.tt, a.vt, {"0", "3", 1, 1}, 1);
    EXPECT_EQ(a.Resultater(),
              (std::vector<std::string>{"Arealet under grafen i intervallet ", "[0.000;3.000] er: 9.000"}));
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(a.laerred.Alle(Op::Pixel).size() > 0, true);
}

TEST(TestVaerktoejPaaGraf, AnErrorInTheFunctionGivesNoArea) {
    FakeFlade flade;
    Ark a(Parabel, 'K');
    a.Tegn();
    a.Resultater().clear();
    IndtastFunktion(a.arkene, a.vt, 1, 1, "sqrt(x-1)", "R");
    ArealUnderFunktion(a.p, a.arkene, a.tt, a.vt, {"0", "2", 1, 1}, 1);
    EXPECT_EQ(flade.Vist.size(), 1u);  // the evaluator's own message, once
    EXPECT_TRUE(a.Resultater().empty());
    EXPECT_TRUE(a.laerred.Log.empty());
    EXPECT_FALSE(Fejl);
}

TEST(TestVaerktoejPaaGraf, AreaRequestsThatAreRefused) {
    const std::string grafBesked =
        "Forkert Tabel eller forkert Grafark\n\rV\xE6lg tabellen til denne graf,ved at trykke p\xE5 beregn";
    const std::string funktionsBesked =
        "Forkert aktiv tabel eller forkert grafark\n\r"
        "V\xE6lg f\xF8rst tabellen til denne graf, ved at trykke p\xE5 beregn.\n\r"
        "Skift dern\xE6st til grafarket";
    const std::string talBesked = "Fejl i tallene for nedre gr\xE6nse eller \xF8vre gr\xE6nse";
    struct Raekke {
        const char* navn;
        bool funktion;
        TArealValg valg;
        int vistArk;
        std::string besked;
    };
    const std::vector<Raekke> raekker = {
        {"graph on another sheet than the one shown", false, {"0", "2", 1, 1}, 2, grafBesked},
        {"graph number not defined", false, {"0", "2", 1, 2}, 1, grafBesked},
        {"no graph sheet shown", false, {"0", "2", 1, 1}, 0, grafBesked},
        {"function: another sheet", true, {"0", "2", 1, 1}, 3, funktionsBesked},
        {"function: another table", true, {"0", "2", 2, 1}, 1, funktionsBesked},
        {"bad lower limit", false, {"nul", "2", 1, 1}, 1, talBesked},
        {"bad upper limit (function)", true, {"0", "", 1, 1}, 1, talBesked},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(Parabel, 'P', 2);
        a.Tegn();
        a.Resultater().clear();
        IndtastFunktion(a.arkene, a.vt, 1, 1, "x^2", "R");
        if (r.funktion)
            ArealUnderFunktion(a.p, a.arkene, a.tt, a.vt, r.valg, r.vistArk);
        else
            ArealUnderGraf(a.p, a.arkene, a.tt, a.vt, r.valg, r.vistArk);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist[0].Tekst, r.besked);
        EXPECT_TRUE(a.Resultater().empty());
        EXPECT_FALSE(Fejl);
        EXPECT_FALSE(a.vt.VaerktoejAktiv);
    }
}

TEST(TestVaerktoejPaaGraf, SplineAreaOutsideTheCurveGivesNoResult) {
    FakeFlade flade;
    Ark a(Linie, 'S');
    a.Tegn();
    a.Resultater().clear();
    ArealUnderGraf(a.p, a.arkene, a.tt, a.vt, {"-1", "2", 1, 1}, 1);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Kan ikke udregne funktionsv\xE6rdier i -1.000"});
    EXPECT_TRUE(a.Resultater().empty());
}

}  // namespace
}  // namespace plotvik
