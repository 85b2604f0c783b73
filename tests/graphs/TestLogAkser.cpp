// Logarithmic axes, the residual strip and the tools on a logarithmic sheet,
// with the real drawing pass on a software canvas of 961 x 601 pixels. With
// x 0..8 (window -0.8..8.8) one x unit is 100 pixels: PixelX(x) = 100x + 80.
// With a logarithmic y axis from 1 to 10 the window is -0.1..1.1 decades,
// 500 pixels a decade: PixelY(y) = 600 - round(500 (log10 y + 0.1)).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphs/Areal.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "graphs/LogAkser.h"
#include "graphs/Residualer.h"
#include "graphs/Tegneliste.h"
#include "graphs/TestLaerred.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::FakeFlade;
using test::Op;
using test::Optegnelse;
using test::TestLaerred;

int PX(double x) { return static_cast<int>(std::nearbyint(100 * x)) + 80; }
int PYlog(double y) { return 600 - static_cast<int>(std::nearbyint(500 * (std::log10(y) + 0.1))); }

struct Ark {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TVaerktoejTilstand vt;
    TestLaerred laerred{961, 601};

    Ark(const std::vector<TPunkt>& punkter, char grafType, const char* ymin, const char* ymax, bool logY) {
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = static_cast<int>(punkter.size());
        t.Variable[1].Navn = "t";
        t.Variable[2].Navn = "N";
        t.Celler.Opret(2, t.AntalIndgange + 1);
        for (int m = 1; m <= t.AntalIndgange; ++m) {
            t.Celler.SaetCelle(Tal(punkter[m - 1].x), 1, m + 1);
            t.Celler.SaetCelle(Tal(punkter[m - 1].y), 2, m + 1);
        }
        t.AntalGrafer = 1;
        TGrafDef& g = t.Grafer[1];
        g.GrafNavn = "henfald";
        g.GrafArkNo = 1;
        g.XGraf = "t";
        g.YGraf = "N";
        g.GrafType = grafType;
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &laerred;
        a.XAkse = "t";
        a.YAkse = "N";
        a.XMinTekst = "0";
        a.XMaxTekst = "8";
        a.YMinTekst = ymin;
        a.YMaxTekst = ymax;
        a.LogY = logY;
    }
    static std::string Tal(double v) {
        char b[40];
        std::snprintf(b, sizeof b, "%.17g", v);
        return b;
    }
    std::vector<Optegnelse> Linjer() const {
        std::vector<Optegnelse> l;
        for (const auto& o : laerred.Log)
            if (o.Art == Op::Linje) l.push_back(o);
        return l;
    }
    std::vector<std::string> Tekster() const {
        std::vector<std::string> t;
        for (const auto& o : laerred.Log)
            if (o.Art == Op::Tekst) t.push_back(o.Tekst);
        return t;
    }
};
// N = 10 * (1/2)^(t/2): a half-life of 2, from 10 down to 0.625 over t = 0..8.
std::vector<TPunkt> Henfald() {
    std::vector<TPunkt> p;
    for (int t = 0; t <= 8; ++t) p.push_back({double(t), 10 * std::pow(0.5, t / 2.0)});
    return p;
}

TEST(LogAkser, TickLabelsReadAsNumbers) {
    const std::vector<std::pair<double, std::string>> raekker = {
        {0.001, "0,001"}, {0.01, "0,01"}, {0.1, "0,1"}, {1, "1"},     {10, "10"},   {100, "100"},
        {1000, "1000"},   {0.5, "0,5"},   {2e-4, "0,0002"}, {0, "0"}, {-2.5, "-2,5"}, {1e7, "1E7"},
        {3e8, "3E8"},     {1e-5, "1E-5"}, {1e6, "1000000"}};
    for (const auto& [v, t] : raekker) EXPECT_EQ(AkseLabel(v), t) << v;
}

TEST(LogAkser, DecadesAndMinorTicks) {
    struct Raekke {
        double lo, hi;
        bool log;
        std::size_t antal;
        std::vector<std::string> labels;
    };
    const std::vector<Raekke> raekker = {
        // Six decades, eight minor ticks between each pair.
        {0.01, 1000, true, 46, {"0,01", "0,1", "1", "10", "100", "1000"}},
        {1, 10, true, 10, {"1", "10"}},
        // No decade inside: the minor ticks 2 and 5 are labelled.
        {2, 8, true, 7, {"2", "5"}},
        {0.5, 30, true, 5 + 9 + 3, {"1", "10"}},
        // A linear axis on a semi-logarithmic sheet: step 1, minor step 0.2, no zero label.
        {0, 8, false, 41, {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const Raekke& r : raekker) {
        const auto ticks = AkseTicks(r.lo, r.hi, r.log);
        std::vector<std::string> labels;
        for (const auto& t : ticks) {
            EXPECT_GE(t.Vaerdi, r.lo * (1 - 1e-9) - 1e-12) << r.lo;
            EXPECT_LE(t.Vaerdi, r.hi * (1 + 1e-9)) << r.hi;
            if (!t.Label.empty()) labels.push_back(t.Label);
        }
        EXPECT_EQ(ticks.size(), r.antal) << r.lo << ".." << r.hi;
        EXPECT_EQ(labels, r.labels) << r.lo << ".." << r.hi;
    }
    // The decades are the major ticks: 2..9 times them the minor ones.
    const auto t = AkseTicks(1, 100, true);
    ASSERT_EQ(t.size(), 19u);
    EXPECT_TRUE(t[0].Hoved && t[9].Hoved && t[18].Hoved);
    EXPECT_FALSE(t[1].Hoved);
    EXPECT_DOUBLE_EQ(t[1].Vaerdi, 2);
    EXPECT_DOUBLE_EQ(t[17].Vaerdi, 90);
}

TEST(LogAkser, TheMappingMeasuresInDecadesAndReadsBack) {
    TestLaerred l(961, 601);
    TBilledGrafik g;
    g.SetViewPort(1, 0, 0, 960, 600, Hvid);
    g.SetWindow(1, -0.8, -0.1, 8.8, 1.1, false, true);
    g.SelectWindow(1);
    g.SelectViewPort(l, 1);
    for (double y : {1.0, 2.0, 3.7, 10.0}) EXPECT_EQ(g.PixelY(y), PYlog(y)) << y;
    EXPECT_EQ(g.PixelY(10), 50);
    EXPECT_EQ(g.PixelX(4), 480);
    // A click reads back the value it points at: half a pixel is 0.23 % of a value here.
    for (double y : {1.3, 2.0, 4.44, 7.9, 9.5}) {
        const double tilbage = g.WorldY(g.PixelY(y));
        EXPECT_NEAR(tilbage, y, 0.005 * y) << y;
    }
    EXPECT_DOUBLE_EQ(g.WorldY(50), 10);
    EXPECT_DOUBLE_EQ(g.WorldX(480), 4);

    // A line to a point the axis cannot show is left out; the pen goes on from the next one.
    l.Nulstil();
    g.MoveToW(l, 1, 2);
    g.LineToW(l, 2, 0);
    g.LineToW(l, 3, 4);
    g.LineToW(l, 4, 5);
    g.TegnKryds(l, 5, -1);
    std::vector<Optegnelse> linjer;
    for (const auto& o : l.Log)
        if (o.Art == Op::Linje) linjer.push_back(o);
    ASSERT_EQ(linjer.size(), 1u);
    EXPECT_EQ(linjer[0].x1, PX(3));
    EXPECT_EQ(linjer[0].y1, PYlog(4));
    EXPECT_EQ(linjer[0].x2, PX(4));
}

TEST(LogAkser, ADecayOnASemiLogSheetIsAStraightLine) {
    FakeFlade flade;
    Ark a(Henfald(), EksponentielType, "0,5", "10", true);
    a.arkene.Ark[1].AntalGrafPunkter = "50";
    TegnGrafKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_TRUE(a.p.Tabeller[1].Grafer[1].LogY);  // taken back from the sheet
    const auto& r = a.arkene.Ark[1].Resultater;
    ASSERT_GE(r.size(), 5u);
    EXPECT_EQ(r[4], "Halveringstid: T\xBD = 2.000");

    // The fitted curve is the last 50 lines; every end lies on the straight
    // line through its first and last pixel, within one pixel.
    const auto linjer = a.Linjer();
    ASSERT_GE(linjer.size(), 50u);
    const std::vector<Optegnelse> kurve(linjer.end() - 50, linjer.end());
    const double x1 = kurve.front().x1, y1 = kurve.front().y1, x2 = kurve.back().x2, y2 = kurve.back().y2;
    EXPECT_EQ(kurve.front().x1, PX(0));
    EXPECT_EQ(kurve.back().x2, PX(8));
    const double laengde = std::hypot(x2 - x1, y2 - y1);
    for (const auto& o : kurve) {
        const double afstand = std::fabs((x2 - x1) * (y1 - o.y2) - (x1 - o.x2) * (y2 - y1)) / laengde;
        EXPECT_LE(afstand, 1.0) << o.x2 << "," << o.y2;
    }
    // Two decades inside the limits: they alone are labelled.
    const auto tekster = a.Tekster();
    for (const char* t : {"1", "10", "t", "N"})
        EXPECT_NE(std::find(tekster.begin(), tekster.end(), t), tekster.end()) << t;
    for (const char* t : {"0,5", "0,6", "20"}) EXPECT_EQ(std::find(tekster.begin(), tekster.end(), t), tekster.end()) << t;
}

TEST(LogAkser, NonPositiveLimitsAndPointsAreRefusedBeforeAnythingIsDrawn) {
    struct Raekke {
        const char* navn;
        std::vector<TPunkt> punkter;
        char type;
        const char *xmin, *ymin, *ymax;
        bool logX, logY;
        std::string besked;
    };
    const std::vector<TPunkt> medNul = {{0, 5}, {1, 0}, {2, 1}};
    const std::vector<TPunkt> medNegativ = {{0, 5}, {1, 2}, {2, -1}};
    const std::vector<Raekke> raekker = {
        {"y-min 0", Henfald(), 'K', "0", "0", "10", false, true,
         "En logaritmisk y-akse kr\xE6ver positive gr\xE6nser: y-min = 0.000"},
        // The limits come before the points (here t = 0 as well).
        {"x-min 0", Henfald(), 'K', "0", "1", "10", true, false,
         "En logaritmisk x-akse kr\xE6ver positive gr\xE6nser: x-min = 0.000"},
        {"point at y = 0", medNul, 'K', "0", "1", "10", false, true,
         "M\xE5ling nr. 2 har y = 0.000 og kan ikke vises p\xE5 en logaritmisk y-akse"},
        {"point at x = 0", medNul, 'K', "1", "1", "10", true, true,
         "M\xE5ling nr. 1 har x = 0.000 og kan ikke vises p\xE5 en logaritmisk x-akse"},
        {"exponential fit", medNegativ, EksponentielType, "0", "-2", "10", false, false,
         "Eksponentiel regression kr\xE6ver positive y-v\xE6rdier: m\xE5ling nr. 3 har y = -1.000"},
        {"power fit", medNul, PotensType, "0", "-2", "10", false, false,
         "Potensregression kr\xE6ver positive x- og y-v\xE6rdier: m\xE5ling nr. 1 har x = 0.000"},
    };
    for (const Raekke& r : raekker) {
        FakeFlade flade;
        Ark a(r.punkter, r.type, r.ymin, r.ymax, r.logY);
        a.arkene.Ark[1].LogX = r.logX;
        a.arkene.Ark[1].XMinTekst = r.xmin;
        a.arkene.Ark[1].Resultater = {"tidligere"};
        TegnGrafKnap(a.p, a.arkene, a.tt, 1);
        EXPECT_EQ(flade.Tekster(), std::vector<std::string>{r.besked}) << r.navn;
        EXPECT_TRUE(a.laerred.Log.empty()) << r.navn;
        EXPECT_EQ(a.arkene.Ark[1].Resultater, std::vector<std::string>{"tidligere"}) << r.navn;
    }
}

TEST(LogAkser, TheResidualsOfTheFitUnderTheGraph) {
    FakeFlade flade;
    const std::vector<TPunkt> punkter = {{0, 1}, {1, 3.5}, {2, 5}, {3, 7}, {4, 9}};
    Ark a(punkter, 'R', "0", "50", false);
    a.arkene.Ark[1].Residualer = true;
    TegnGrafKnap(a.p, a.arkene, a.tt, 1);
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    // The regression line by the closed form: Sx = 10, Sy = 25.5, Sxx = 30, Sxy = 70.5.
    const double b = (70.5 - 10 * 25.5 / 5) / (30 - 100.0 / 5), c = (25.5 - b * 10) / 5;
    const auto& r = a.tt.Fit.Residualer;
    ASSERT_EQ(r.size(), punkter.size());
    double stoerst = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_DOUBLE_EQ(r[i].x, punkter[i].x);
        EXPECT_NEAR(r[i].y, punkter[i].y - (b * punkter[i].x + c), 1e-12);
        stoerst = std::max(stoerst, std::fabs(r[i].y));
    }
    // The graph takes the upper 72 % of the image; its window stays the sheet's for the tools.
    EXPECT_EQ(a.tt.Grafik.ViewPortEntry(1).Bund, GrafDelensBund(601));
    EXPECT_EQ(GrafDelensBund(601), 432);
    EXPECT_DOUBLE_EQ(a.tt.Grafik.WindowEntry(1).YMin, -5);
    EXPECT_DOUBLE_EQ(a.tt.Grafik.WindowEntry(1).YMax, 55);
    // The zero line of the strip (rows 433..600, +-1.25 times the largest
    // residual): its middle row, from x = 0 to x = 8.
    const int nul = 600 - static_cast<int>(std::nearbyint(167 / 2.0));
    const auto linjer = a.Linjer();
    EXPECT_NE(std::find_if(linjer.begin(), linjer.end(),
                           [&](const Optegnelse& o) {
                               return o.y1 == nul && o.y2 == nul && o.x1 == PX(0) && o.x2 == PX(8);
                           }),
              linjer.end());
    EXPECT_DOUBLE_EQ(ResidualGraense(r), 1.25 * stoerst);
}

TEST(LogAkser, ToolsReadTrueValuesOnALogarithmicAxis) {
    FakeFlade flade;
    Ark a(Henfald(), EksponentielType, "1", "10", true);
    TegnGrafKnap(a.p, a.arkene, a.tt, 1);
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    a.arkene.Ark[1].Resultater.clear();

    // Read-value: the pixel of (4, 2.5) reads 4 and 2.5 within 0.5 %.
    flade.Svar.push_back(true);
    ArmerVaerktoej(a.vt, TVaerktoej::AflaesVaerdi, true);
    const double y = a.tt.Grafik.WorldY(PYlog(2.5));
    EXPECT_NEAR(y, 2.5, 0.005 * 2.5);
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, PX(4), PYlog(2.5));
    EXPECT_EQ(a.arkene.Ark[1].Resultater.back(), AflaesLinje("t", 4, "N", y));

    // Slope at t = 4 of N = 10 * 2^(-t/2): ln(1/2)/2 * 2.5.
    flade.Svar.push_back(true);
    ArmerVaerktoej(a.vt, TVaerktoej::Differentialkvotient, true);
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, PX(4), 300);
    EXPECT_EQ(a.arkene.Ark[1].Resultater.back(), DifferentialkvotientLinje("N", 4, std::log(0.5) / 2 * 2.5));

    // The tangent there is a curve on the logarithmic axis: drawn in many pieces.
    a.laerred.Nulstil();
    flade.Svar.push_back(true);
    ArmerVaerktoej(a.vt, TVaerktoej::Tangent, true);
    GrafKlik(a.p, a.arkene, a.tt, a.vt, 1, PX(4), 300);
    EXPECT_GT(a.Linjer().size(), 20u);
    EXPECT_EQ(a.arkene.Ark[1].Resultater.back().substr(0, 6), "N = -0");

    // The area from 0 to 4: 10 * 2/ln 2 * (1 - 1/4), exact for the fitted curve.
    a.arkene.Ark[1].Resultater.clear();
    TArealValg valg{"0", "4", 1, 1};
    ArealUnderGraf(a.p, a.arkene, a.tt, a.vt, valg, 1);
    EXPECT_EQ(a.arkene.Ark[1].Resultater, ArealLinjer(0, 4, 15 / std::log(2.0)));
}

TEST(LogAkser, TheDrawListReplaysALogarithmicSheetAtAnySize) {
    FakeFlade flade;
    TestLaerred skaerm(961, 601);
    TTegneliste liste;
    TOptagendeLaerred optager(skaerm, liste);
    Ark a(Henfald(), EksponentielType, "0,5", "10", true);
    a.arkene.Ark[1].Billede = &optager;
    TegnGrafKnap(a.p, a.arkene, a.tt, 1);
    ASSERT_TRUE(flade.Vist.empty());

    TestLaerred samme(961, 601);
    Genafspil(liste, samme, 961, 601, false);
    std::vector<Optegnelse> f, g;
    for (const auto& o : skaerm.Log)
        if (o.Art == Op::Linje) f.push_back(o);
    for (const auto& o : samme.Log)
        if (o.Art == Op::Linje) g.push_back(o);
    ASSERT_EQ(f.size(), g.size());
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_TRUE(f[i].x1 == g[i].x1 && f[i].y1 == g[i].y1 && f[i].x2 == g[i].x2 && f[i].y2 == g[i].y2) << i;

    // At twice the size the label "1" of the decade moves with the logarithmic mapping.
    TestLaerred dobbelt(1922, 1202);
    Genafspil(liste, dobbelt, 1922, 1202, false);
    const auto y = [](const TestLaerred& l, const std::string& t) {
        for (const auto& o : l.Log)
            if (o.Art == Op::Tekst && o.Tekst == t) return o.y1;
        return -1;
    };
    ASSERT_GE(y(skaerm, "1"), 0);
    EXPECT_NEAR(y(dobbelt, "1"), 2 * y(skaerm, "1"), 3);
    EXPECT_NEAR(y(dobbelt, "10"), 2 * y(skaerm, "10"), 3);
}

}  // namespace
}  // namespace plotvik
