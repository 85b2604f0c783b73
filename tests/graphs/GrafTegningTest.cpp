// The "Tegn graf" pass without a window: the sheet struct in, the canvas and
// the result lines out, every message through the scripted user.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphs/GrafTegning.h"
#include "graphs/Statistik.h"
#include "graphs/TestLaerred.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

using namespace plotvik;
using test::Boks;
using test::Op;
using test::TestLaerred;

namespace {

std::string Tekst(double v) {
    char s[40];
    std::snprintf(s, sizeof s, "%.17g", v);
    return s;
}

struct Opstilling {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TestLaerred l[4];
    test::FakeFlade flade;

    // Table 1 with input variables x and y holding the measurements; graph 1 on sheet 1.
    Opstilling(const std::vector<TPunkt>& maal, char type, int grad = 0, double xmin = 0,
               double xmax = 5, double ymin = 0, double ymax = 10) {
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        TTabelDef& t = p.Tabeller[1];
        t.Defineret = true;
        t.AntalVariable = 2;
        t.AntalInddata = 2;
        t.AntalIndgange = int(maal.size());
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, int(maal.size()) + 1);
        for (std::size_t m = 0; m < maal.size(); ++m) {
            t.Celler.SaetCelle(Tekst(maal[m].x), 1, int(m) + 2);
            t.Celler.SaetCelle(Tekst(maal[m].y), 2, int(m) + 2);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"Forsoeg", 1, "x", "y", type, grad, xmin, xmax, ymin, ymax};
        for (int s = 1; s <= 3; ++s) {
            arkene.Ark[s].Billede = &l[s];
            arkene.Ark[s].XAkse = "x";
            arkene.Ark[s].YAkse = "y";
            arkene.Ark[s].XMinTekst = Tekst(xmin);
            arkene.Ark[s].XMaxTekst = Tekst(xmax);
            arkene.Ark[s].YMinTekst = Tekst(ymin);
            arkene.Ark[s].YMaxTekst = Tekst(ymax);
        }
    }
    TGrafArk& Ark(int s = 1) { return arkene.Ark[s]; }
    void Tegn(int s = 1) { TegnGrafKnap(p, arkene, tt, s); }
};

std::vector<TPunkt> Linje(double b, double a, int n) {
    std::vector<TPunkt> r;
    for (int i = 0; i < n; ++i) r.push_back({double(i), b * i + a});
    return r;
}

using Linjer = std::vector<std::string>;

}  // namespace

TEST(TegnGraf, ResultLinesOfEachFit) {
    struct Raekke { std::vector<TPunkt> maal; char type; int grad; bool statistik; Linjer linjer; };
    const std::vector<Raekke> raekker = {
        {Linje(2, 1, 5), 'R', 0, false, {"Regressionslinie:", "y = 2.000*x + 1.000"}},
        {Linje(2, -1, 5), 'R', 0, false, {"Regressionslinie:", "y = 2.000*x -1.000"}},
        {Linje(2, 1, 5), 'R', 0, true,
         {"Regressionslinie:", "y = 2.000*x + 1.000", "", "Statistik", "Korrelationskoefficient: 1.000000",
          "Standardafvigelse: 0.000000", "y = a*x + b", "a = 2.000 \xB1 0", "b = 1.000 \xB1 0"}},
        // Three points (0,0) (1,1) (2,1): b = 1/2, a = 1/6; residuals 1/6, -1/3, 1/6: s = sqrt(1/6 / 1).
        {{{0, 0}, {1, 1}, {2, 1}}, 'R', 0, true,
         {"Regressionslinie:", "y = 0.500*x + 0.167", "", "Statistik",
          "Korrelationskoefficient: 0.866025", "Standardafvigelse: 0.408248",
          // s^2 = 1/6, Sxx = 2: sd b = sqrt(1/12) = 0.289, sd a = sqrt(1/6 * (1/3 + 1/2)) = 0.373.
          // As schools write the line, y = a*x + b: a is the slope, b the intercept.
          "y = a*x + b", "a = 0.50 \xB1 0.29", "b = 0.17 \xB1 0.37"}},
        // n < 3: no statistics, and the uncertainty line says why there are none.
        {Linje(2, 1, 2), 'R', 0, true,
         {"Regressionslinie:", "y = 2.000*x + 1.000", "Ingen usikkerheder: der skal v\xE6re flere m\xE5linger end parametre"}},
        {{{0, 1}, {1, 3}, {2, 7}, {3, 13}}, 'P', 2, false,  // x^2 + x + 1
         {"Polynomiums Koefficienter", "P[0]=1.000", "P[1]=1.000", "P[2]=1.000"}},
        {{{0, 1}, {1, 3}, {2, 7}, {3, 13}}, 'P', 2, true,
         {"Polynomiums Koefficienter", "P[0]=1.000", "P[1]=1.000", "P[2]=1.000", "", "Statistik",
          "Korrelationskoefficient (bedst 1): 1.000000", "Standardafvigelse:0.000000", "y = P[0] + P[1]*x + P[2]*x^2", "P[0] = 1.000 \xB1 0",
          "P[1] = 1.000 \xB1 0", "P[2] = 1.000 \xB1 0"}},
        {{{0, 1}, {1, 3}, {2, 7}}, 'P', 3, true, {"gammel"}},  // degree not below n: nothing
        {Linje(1, 0, 5), 'S', 0, true, {"gammel"}},
        {Linje(1, 0, 5), 'B', 0, true, {"gammel"}},
        {Linje(1, 0, 5), 'K', 0, true, {"gammel"}},
    };
    for (const auto& r : raekker) {
        Opstilling o(r.maal, r.type, r.grad, 0, 5, 0, 20);
        o.p.Tabeller[1].Statistik[1] = r.statistik;
        o.Ark().Resultater = {"gammel"};
        o.Tegn();
        EXPECT_EQ(o.Ark().Resultater, r.linjer) << r.type << r.grad;
        EXPECT_TRUE(o.flade.Vist.empty()) << o.flade.Sidste();
    }
}

TEST(TegnGraf, PolynomialThroughAsManyPointsAsBindingsWarnsAboutTheSpread) {
    Opstilling o({{0, 1}, {1, 3}, {2, 7}}, 'P', 2, 0, 5, 0, 20);
    o.p.Tabeller[1].Statistik[1] = true;
    o.Tegn();
    ASSERT_EQ(o.flade.Vist.size(), 1u);
    EXPECT_EQ(o.flade.Vist[0].Art, Boks::FejlMedIgnorer);
    EXPECT_EQ(o.flade.Vist[0].Tekst,
              "Kan ikke udregne Standardafvigelse,\n\rn\xE5r antal m\xE5linger =antal bindinger");
    EXPECT_EQ(o.Ark().Resultater,
              (Linjer{"Polynomiums Koefficienter", "P[0]=1.000", "P[1]=1.000", "P[2]=1.000", "",
                      "Statistik", "Korrelationskoefficient (bedst 1): 1.000000", "Standardafvigelse:",
                      "Ingen usikkerheder: der skal v\xE6re flere m\xE5linger end parametre"}));
}

TEST(TegnGraf, ButtonChoosesTheGraphAndTakesTheBoxesBack) {
    Opstilling o(Linje(2, 1, 5), 'R');
    TTabelDef& t = o.p.Tabeller[1];
    t.AntalGrafer = 2;
    t.Grafer[1].GrafArkNo = 2;
    t.Grafer[2] = t.Grafer[1];
    t.Grafer[2].GrafNavn = "Anden";
    o.Ark(2).XMinTekst = " 0,5 ";
    o.Ark(2).YAkse = "y*2";
    o.Tegn(2);
    EXPECT_TRUE(o.flade.Vist.empty()) << o.flade.Sidste();
    EXPECT_EQ(o.p.AktivGraf, 2);
    EXPECT_EQ(o.Ark(2).Overskrift, "Anden");
    EXPECT_EQ(t.Grafer[2].XMin, 0.5);
    EXPECT_EQ(t.Grafer[2].YGraf, "y*2");
    EXPECT_EQ(t.Grafer[1].YGraf, "y");
    EXPECT_EQ(o.Ark(2).Resultater, (Linjer{"Regressionslinie:", "y*2 = 4.000*x + 2.000"}));
    EXPECT_TRUE(o.Ark(2).BeholdGrafAktiv);
    EXPECT_FALSE(o.Ark(1).BeholdGrafAktiv);

    struct Raekke { int ark; int felt; std::string tekst; };
    const std::vector<Raekke> fejl = {
        {3, -1, "Der er ingen graf defineret i tabel: 1 til GrafArk: 3"},
        {2, 0, "Fejl i edit felter i GrafArk No 2\n\rTabel No :1 Graf No: 1"},
        {2, 1, "Fejl i edit felter i GrafArk No 2\n\rTabel No :1 Graf No: 1"},
        {2, 3, "Fejl i edit felter i GrafArk No 2\n\rTabel No :1 Graf No: 1"},
    };
    for (const auto& r : fejl) {
        Opstilling f(Linje(2, 1, 5), 'R');
        f.p.Tabeller[1].Grafer[1].GrafArkNo = 2;
        std::string* felter[4] = {&f.Ark(2).XMinTekst, &f.Ark(2).XMaxTekst, &f.Ark(2).YMinTekst,
                                  &f.Ark(2).YMaxTekst};
        if (r.felt >= 0) *felter[r.felt] = "1,2,3";
        f.Tegn(r.ark);
        ASSERT_EQ(f.flade.Vist.size(), 1u);
        EXPECT_EQ(f.flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(f.flade.Vist[0].Tekst, r.tekst);
        EXPECT_TRUE(f.l[2].Log.empty());
        EXPECT_TRUE(f.Ark(2).Resultater.empty());
    }
    // No active table at all.
    Opstilling ingen(Linje(2, 1, 5), 'R');
    ingen.p.AktivTabel = 0;
    ingen.Tegn(1);
    EXPECT_EQ(ingen.flade.Sidste(), "Der er ingen graf defineret i tabel: 0 til GrafArk: 1");
}

TEST(TegnGraf, FaultsInsideThePassBecomeAnErrorBox) {
    struct Raekke { std::string oploesning, xmax; std::string tekst; };
    const std::vector<Raekke> raekker = {
        {"abc", "5", "'abc' er ikke et gyldigt heltal"},
        {"1", "5", "Graf Opl\xF8sning skal v\xE6re mindst 2"},
        {"50", "0", "Ugyldige gr\xE6nser for x-aksen: x-min skal v\xE6re mindre end x-max"},
    };
    for (const auto& r : raekker) {
        Opstilling o(Linje(1, 0, 4), 'P', 1);
        o.Ark().AntalGrafPunkter = r.oploesning;
        o.Ark().XMaxTekst = r.xmax;
        o.Tegn();
        ASSERT_EQ(o.flade.Vist.size(), 1u) << r.tekst;
        EXPECT_EQ(o.flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(o.flade.Vist[0].Tekst, r.tekst);
    }
}

TEST(TegnGraf, ResolutionIsCappedAndWrittenBack) {
    struct Raekke { std::string tekst; int N; std::string efter; };
    for (const Raekke& r : {Raekke{"5000", 1024, "1024"}, Raekke{" 64 ", 64, " 64 "},
                            Raekke{"1024", 1024, "1024"}, Raekke{"99999999999999", 1024, "1024"}}) {
        Opstilling o(Linje(1, 0, 4), 'P', 1);
        o.Ark().AntalGrafPunkter = r.tekst;
        o.Tegn();
        EXPECT_EQ(o.Ark().AntalGrafPunkter, r.efter);
        EXPECT_EQ(o.tt.Fit.N, r.N);
        // The polynomial is drawn from XMin in N steps: N line segments after the axes.
        int linjer = 0;
        bool efterFlyt = false;
        for (const auto& op : o.l[1].Log) {
            if (op.Art == Op::Flyt) efterFlyt = true, linjer = 0;
            else if (op.Art == Op::Linje && efterFlyt) ++linjer;
        }
        EXPECT_EQ(linjer, r.N) << r.tekst;
    }
}

TEST(TegnGraf, MarkersFollowTheSheetsChoice) {
    struct Raekke { TPunktType type; int pixels, linjer, ellipser; };
    for (const Raekke& r : {Raekke{TPunktType::Punkt, 4, 0, 0}, Raekke{TPunktType::Kryds, 0, 8, 0},
                            Raekke{TPunktType::Cirkel, 4, 0, 4}, Raekke{TPunktType::Ruder, 4, 16, 0}}) {
        Opstilling o({{1, 1}, {2, 2}, {3, 3}, {4, 4}}, 'K');
        o.Ark().PunktType = r.type;
        o.Tegn();
        std::size_t start = 0;
        for (std::size_t i = 0; i < o.l[1].Log.size(); ++i)
            if (o.l[1].Log[i].Art == Op::Tekst) start = i + 1;  // after the last axis label
        int pixels = 0, linjer = 0, ellipser = 0;
        for (std::size_t i = start; i < o.l[1].Log.size(); ++i) {
            pixels += o.l[1].Log[i].Art == Op::Pixel;
            linjer += o.l[1].Log[i].Art == Op::Linje;
            ellipser += o.l[1].Log[i].Art == Op::Ellipse;
        }
        EXPECT_EQ(pixels, r.pixels);
        EXPECT_EQ(linjer, r.linjer);
        EXPECT_EQ(ellipser, r.ellipser);
    }
    EXPECT_EQ(PunktType(TGrafArk{}), 'K');
}

TEST(TegnGraf, OnlyPointsKeepsTheResultsAndDrawsNoFit) {
    Opstilling o(Linje(2, 1, 5), 'R');
    o.Ark().TegnKunPunkter = true;
    o.p.Tabeller[1].Statistik[1] = true;
    o.Ark().Resultater = {"gammel"};
    o.Tegn();
    EXPECT_EQ(o.Ark().Resultater, Linjer{"gammel"});
    EXPECT_FALSE(o.tt.Fit.Beregnet);
    // Two axes with arrowheads, x ticks 5 + 5*9, y ticks 10 + 10*4, five crosses.
    EXPECT_EQ(o.l[1].Alle(Op::Linje).size(), 8u + 50u + 50u + 10u);
}

TEST(TegnGraf, KeepGraphDrawsOverThePreviousOne) {
    Opstilling o(Linje(2, 1, 5), 'R');
    EXPECT_FALSE(o.Ark().BeholdGrafAktiv);
    o.Tegn();
    EXPECT_TRUE(o.Ark().BeholdGrafAktiv);
    EXPECT_EQ(o.l[1].Alle(Op::Fyld).size(), 2u);  // the clear and the white view port
    o.Ark().BeholdGraf = true;
    o.l[1].Nulstil();
    o.Tegn();
    EXPECT_TRUE(o.l[1].Alle(Op::Fyld).empty());
    EXPECT_TRUE(o.l[1].Alle(Op::Tekst).empty());
    EXPECT_EQ(o.Ark().Resultater.size(), 4u);  // appended, not replaced
}

TEST(TegnGraf, SplineAndBezierCurvesFromSortedPoints) {
    // Measurements typed out of x order; the spline of points on a line is the line.
    Opstilling s({{3, 7}, {0, 1}, {4, 9}, {1, 3}, {2, 5}}, 'S', 0, 0, 5, 0, 10);
    s.Ark().AntalGrafPunkter = "9";
    s.Tegn();
    ASSERT_EQ(s.tt.Punkter.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.tt.Punkter[i].x, i);
    ASSERT_EQ(s.tt.KurvePunkter.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(s.tt.KurvePunkter[i].x, 0.5 * i, 1e-12);
        EXPECT_NEAR(s.tt.KurvePunkter[i].y, 2 * 0.5 * i + 1, 1e-12);
    }
    EXPECT_EQ(s.tt.KontrolPunkter.size(), 5u);

    Opstilling b({{2, 0}, {0, 0}, {1, 4}}, 'B');
    b.Tegn();
    ASSERT_EQ(b.tt.KurvePunkter.size(), 50u);
    EXPECT_EQ(b.tt.KurvePunkter.front().x, 0);
    EXPECT_EQ(b.tt.KurvePunkter.front().y, 0);
    EXPECT_EQ(b.tt.KurvePunkter.back().x, 2);
    EXPECT_EQ(b.tt.KurvePunkter.back().y, 0);
    double top = 0;
    for (const auto& q : b.tt.KurvePunkter) top = std::max(top, q.y);
    EXPECT_LT(top, 2.01);  // never reaches the middle point (1, 4)

    Opstilling to(Linje(1, 0, 2), 'S');
    to.Tegn();
    EXPECT_FALSE(to.tt.Fit.Beregnet);
}

TEST(TegnGraf, GuardedFaultsGiveMessages) {
    {
        Opstilling o({{2, 1}, {2, 5}, {2, 9}}, 'R');
        o.Ark().Resultater = {"gammel"};
        o.Tegn();
        ASSERT_EQ(o.flade.Vist.size(), 1u);
        EXPECT_EQ(o.flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(o.flade.Vist[0].Tekst, "Regressionslinien kan ikke beregnes, da alle x-v\xE6rdier er ens");
        EXPECT_EQ(o.Ark().Resultater, Linjer{"gammel"});
    }
    {
        Opstilling o({{0, 1}, {1, 5}, {1, 9}, {2, 3}}, 'S');
        o.Tegn();
        ASSERT_EQ(o.flade.Vist.size(), 1u);
        EXPECT_EQ(o.flade.Vist[0].Tekst,
                  "Spline fit kan ikke beregnes, da flere m\xE5linger har samme x-v\xE6rdi");
        EXPECT_FALSE(o.tt.Fit.Beregnet);
    }
    {
        std::vector<TPunkt> mange;
        for (int i = 0; i < 1100; ++i) mange.push_back({double(1100 - i), double(i)});
        Opstilling o(mange, 'K', 0, 0, 1100, 0, 1100);
        o.Tegn();
        ASSERT_EQ(o.flade.Vist.size(), 1u);
        EXPECT_EQ(o.flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(o.flade.Vist[0].Tekst, "Kun de f\xF8rste 1023 m\xE5linger kan vises i grafen");
        ASSERT_EQ(o.tt.Punkter.size(), 1023u);
        EXPECT_EQ(o.tt.Punkter.front().x, 1100 - 1022);  // the first 1023 measurements, sorted
        EXPECT_EQ(o.tt.Punkter.back().x, 1100);
    }
}

TEST(TegnGraf, EvaluationErrorEndsThePassQuietly) {
    Opstilling o(Linje(2, 1, 5), 'R');
    o.Ark().XAkse = "x+";
    o.Tegn();
    EXPECT_FALSE(o.flade.Vist.empty());  // the evaluator's own message
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(o.l[1].Log.empty());
    EXPECT_TRUE(o.Ark().Resultater.empty());
}

TEST(TegnGraf, ToolsGetTheFitWithoutARedraw) {
    struct Raekke { char type; TVaerktoejArt art; bool svarer; bool tegner; };
    const std::vector<Raekke> raekker = {
        {'P', TVaerktoejArt::Differentialkvotient, true, false},
        {'P', TVaerktoejArt::Tangent, true, false},
        {'P', TVaerktoejArt::Areal, true, false},
        {'R', TVaerktoejArt::Areal, true, false},
        {'R', TVaerktoejArt::Tangent, true, false},  // the slope of a line is its b
        {'R', TVaerktoejArt::Differentialkvotient, true, false},
        {'S', TVaerktoejArt::Differentialkvotient, true, false},
        {'B', TVaerktoejArt::Areal, true, false},
        {'K', TVaerktoejArt::Tangent, false, false},
    };
    for (const auto& r : raekker) {
        Opstilling o({{0, 0}, {1, 1}, {2, 4}, {3, 9}}, r.type, 2);
        o.Tegn();  // first the ordinary drawing
        o.l[1].Nulstil();
        o.Ark().Resultater = {"gammel"};
        const TVaerktoejForespoergsel v{r.art, 1.5};
        const TTegnetFit f = TegnTabelGraf(o.p, o.arkene, o.tt, 1, 1, &v);
        EXPECT_EQ(f.Svarer, r.svarer) << r.type;
        EXPECT_TRUE(o.l[1].Alle(Op::Fyld).empty());
        EXPECT_TRUE(o.l[1].Alle(Op::Ellipse).empty());
        EXPECT_EQ(!o.l[1].Alle(Op::Linje).empty(), r.tegner) << r.type;
        EXPECT_EQ(o.Ark().Resultater.size() > 1, r.tegner) << r.type;
        EXPECT_EQ(f.n, 4);
        EXPECT_EQ(f.N, 50);
        if (r.type == 'P') {
            ASSERT_EQ(f.Koefficienter.size(), 3u);
            EXPECT_NEAR(f.Koefficienter[2], 1, 1e-12);
        }
        if (r.type == 'R') {
            EXPECT_NEAR(f.Linie.b, 3, 1e-12);  // by hand: Sxy = 36, Sx = 6, Sy = 14, Sxx = 14
            EXPECT_NEAR(f.Linie.a, -1, 1e-12);
        }
        if (r.type == 'S' || r.type == 'B') {
            EXPECT_EQ(o.tt.KurvePunkter.size(), 50u);
        }
    }
}

TEST(TegnGraf, FourierTablesUseTheHooks) {
    Opstilling o(Linje(1, 0, 5), 'F');
    TTabelDef& t = o.p.Tabeller[1];
    t.AntalVariable = 3;
    t.Variable[3].Navn = "c";
    t.Variable[3].Art = TDefinitionsArt::Udtryk;
    t.Variable[3].Udtryk = "Fourier(x,y)";
    t.Grafer[1].XGraf = "fourier(x)";
    o.Ark().XAkse = "fourier(x)";
    std::vector<int> beregnet;
    int tegnet = 0;
    o.tt.BeregnFourier = [&](TProjekt&, int tabel, int var) { beregnet.push_back(tabel * 100 + var); };
    o.tt.TegnFourierGraf = [&](TProjekt& p, TGrafArkene& a, TTegneTilstand& tt, int tabel, int graf) {
        ++tegnet;
        // The spectrum bars through the ordinary pass: pen width 3 from the x axis.
        const std::vector<TPunkt> c = {{0, 2}, {1, 1}};
        TegnPunkterOgFit(p, a, tt, tabel, graf, c);
    };
    o.Tegn();
    EXPECT_EQ(beregnet, std::vector<int>{103});
    EXPECT_EQ(tegnet, 1);
    EXPECT_TRUE(o.tt.FourierTabel[1]);
    int tykke = 0;
    for (const auto& op : o.l[1].Alle(Op::Linje)) tykke += op.PenBredde == 3;
    EXPECT_EQ(tykke, 2);
    EXPECT_EQ(o.l[1].PenBredde(), 1);

    // Without the hooks the Fourier graph is simply not drawn.
    Opstilling u(Linje(1, 0, 5), 'F');
    u.p.Tabeller[1].AntalVariable = 3;
    u.p.Tabeller[1].Variable[3].Udtryk = "fourier(x,y)";
    u.Ark().XAkse = "fourier(x)";
    u.Tegn();
    EXPECT_TRUE(u.flade.Vist.empty());
}

TEST(TegnGraf, StatistikBoxBelongsToTheActiveTable) {
    Opstilling o(Linje(1, 0, 3), 'R');
    o.p.AntalTabeller = 3;
    o.p.AktivTabel = 3;
    o.Ark(2).Statistik = true;
    StatistikKlik(o.p, o.arkene, 2);
    for (int t = 1; t <= 4; ++t)
        for (int s = 1; s <= 3; ++s) EXPECT_EQ(o.p.Tabeller[t].Statistik[s], t == 3 && s == 2);
    o.Ark(2).Statistik = false;
    StatistikKlik(o.p, o.arkene, 2);
    EXPECT_FALSE(o.p.Tabeller[3].Statistik[2]);
}

TEST(GrafLag, IncludesNoWindowToolkit) {
    // The graph layer reaches the screen only through its canvas; a Qt include
    // here would tie the fits and passes to the window.
    namespace fs = std::filesystem;
    int filer = 0;
    for (const auto& f : fs::directory_iterator(test::Kildesti("graphs"))) {
        const std::string navn = f.path().filename().string();
        std::ifstream ind(f.path());
        std::string linje;
        while (std::getline(ind, linje)) {
            const auto p = linje.find("#include");
            if (p == std::string::npos) continue;
            EXPECT_EQ(linje.find("<Q", p), std::string::npos) << navn << ": " << linje;
            EXPECT_EQ(linje.find("ui/", p), std::string::npos) << navn << ": " << linje;
        }
        ++filer;
    }
    EXPECT_GT(filer, 5);
}

TEST(TegnGraf, KeptGraphLandsInItsOwnSheetsCoordinatesAfterAnotherSheet) {
    Opstilling o({{1, 1}, {2, 3}}, 'K', 0, 0, 5, 0, 10);
    TTabelDef& t = o.p.Tabeller[1];
    t.AntalGrafer = 2;
    t.Grafer[2] = t.Grafer[1];
    t.Grafer[2].GrafArkNo = 2;
    o.Ark(2).XMaxTekst = "100";
    o.Ark(2).YMaxTekst = "1000";
    o.Tegn(1);
    std::vector<test::Optegnelse> foer;
    for (const auto& op : o.l[1].Alle(Op::Linje)) foer.push_back(op);
    foer.erase(foer.begin(), foer.end() - 4);  // the two crosses
    o.Tegn(2);
    o.Ark(1).BeholdGraf = true;
    o.l[1].Nulstil();
    o.Tegn(1);
    const auto efter = o.l[1].Alle(Op::Linje);
    ASSERT_EQ(efter.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(efter[i].x1, foer[i].x1);
        EXPECT_EQ(efter[i].y1, foer[i].y1);
    }
}

TEST(TegnGraf, AGraphWithoutAValidSheetIsRefused) {
    Opstilling o(Linje(1, 0, 3), 'R');
    o.p.Tabeller[1].Grafer[1].GrafArkNo = 5;
    try {
        TegnTabelGraf(o.p, o.arkene, o.tt, 1, 1);
        ADD_FAILURE() << "no message";
    } catch (const TGrafFejl& e) {
        EXPECT_EQ(std::string(e.what()), "Graf 1 i tabel 1 har intet gyldigt grafark");
    }
    for (int s = 1; s <= 3; ++s) EXPECT_TRUE(o.l[s].Log.empty());
}

// y = 3 exp(-0.5 x) + 1 exactly: the model fit lists the model, every
// parameter with its uncertainty (0 for exact data), s, R² and the iterations,
// and draws its curve.
TEST(TegnModelFit, ListsTheModelAndItsParameters) {
    std::vector<TPunkt> maal;
    for (int i = 0; i < 8; ++i) maal.push_back({0.5 * i, 3 * std::exp(-0.25 * i) + 1});
    Opstilling o(maal, 'M', 0, 0, 4, 0, 5);
    o.p.Tabeller[1].Grafer[1].Model = "A*exp(-k*x) + C";
    o.p.Tabeller[1].Grafer[1].StartVaerdier = "k=1";
    o.Tegn();
    EXPECT_TRUE(o.flade.Vist.empty()) << o.flade.Sidste();
    const auto& r = o.Ark().Resultater;
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[0], "Modelfit:");
    EXPECT_EQ(r[1], "y = A*exp(-k*x)+C");
    EXPECT_EQ(r[2], "k = 0.500 \xB1 0");
    EXPECT_EQ(r[3], "A = 3.000 \xB1 0");
    EXPECT_EQ(r[4], "C = 1.000 \xB1 0");
    EXPECT_EQ(r[5].substr(0, 4), "s = ");
    EXPECT_EQ(r[6], "R\xB2 = 1.000000");
    EXPECT_EQ(r[7].substr(0, 13), "Iterationer: ");
    EXPECT_TRUE(o.tt.Fit.Beregnet);
}

// A fault is shown in an error box and listed; no parameter value is shown.
TEST(TegnModelFit, AFailedFitShowsItsMessageAndNoNumbers) {
    struct { const char* Model; const char* Start; std::string Besked; } raekker[] = {
        {"a*b*x", "", "Modelfittet kan ikke bestemme parametrene hver for sig (singul\xE6r Jacobi-matrix): "
                      "fjern en parameter eller pr\xF8v andre startv\xE6rdier"},
        {"a*x", "a=to", "Fejl i startv\xE6rdien \"a=to\": skriv navn=v\xE6rdi, f.eks. k=0,5"},
        {"a+b*x+c*x^2+d*x^3+f*x^4+g*x^5+h*x^6", "", "Modellen har 7 parametre; h\xF8jst 6 kan fittes p\xE5 et grafark"},
    };
    for (const auto& rk : raekker) {
        Opstilling o(Linje(2, 1, 10), 'M', 0, 0, 10, 0, 25);
        o.p.Tabeller[1].Grafer[1].Model = rk.Model;
        o.p.Tabeller[1].Grafer[1].StartVaerdier = rk.Start;
        o.Tegn();
        ASSERT_EQ(o.flade.Vist.size(), 1u) << rk.Model;
        EXPECT_EQ(o.flade.Vist[0].Tekst, rk.Besked);
        EXPECT_EQ(o.Ark().Resultater, (Linjer{"Modelfit:", std::string("y = ") + rk.Model, rk.Besked}));
        EXPECT_FALSE(o.tt.Fit.Beregnet);
    }
}
