// Areas: sample counts, the integrals against closed forms, the result lines,
// the limits and the hatching.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/FakeFlade.h"
#include "graphs/Areal.h"
#include "graphs/Fits.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

TEST(TestAreal, SampleCounts) {
    struct Raekke { char type; int n; int m; };
    const Raekke raekker[] = {
        {'P', 3, 21},   {'P', 10, 21},   {'P', 11, 23},  {'P', 511, 1023}, {'P', 512, 1023},
        {'P', 5000, 1023}, {'R', 3, 7},  {'R', 10, 21},  {'R', 40, 21},    {'S', 5, 11},
        {'B', 4, 9},    {'S', 1000, 21},
    };
    for (const auto& r : raekker) {
        EXPECT_EQ(AntalArealPunkter(r.type, r.n), r.m) << r.type << " n=" << r.n;
        EXPECT_EQ(AntalArealPunkter(r.type, r.n) % 2, 1);
    }
    EXPECT_EQ(AntalFunktionsArealPunkter(5), 11);
    EXPECT_EQ(AntalFunktionsArealPunkter(1), 3);
    EXPECT_EQ(AntalFunktionsArealPunkter(10), 21);
    EXPECT_EQ(AntalFunktionsArealPunkter(32767), 21);
}

TEST(TestAreal, IntegralsMatchClosedForms) {
    struct Raekke {
        const char* navn;
        double a, b;
        int m;
        double (*f)(double);
        double areal;
        bool linie;
    };
    const Raekke raekker[] = {
        {"x^2 over 0..3", 0, 3, 11, [](double x) { return x * x; }, 9, false},
        {"2x over 0..2 (line)", 0, 2, 7, [](double x) { return 2 * x; }, 4, true},
        {"2x - 5 over 0..2 (line, below the axis)", 0, 2, 21, [](double x) { return 2 * x - 5; }, -6, true},
        {"x^3 over -1..2", -1, 2, 21, [](double x) { return x * x * x; }, 3.75, false},
        {"-x^2 over 0..3", 0, 3, 21, [](double x) { return -x * x; }, -9, false},
        {"constant 2 over 1..4", 1, 4, 3, [](double) { return 2.0; }, 6, false},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        auto punkter = ArealPunkter(r.a, r.b, r.m, [&](double x) -> std::optional<double> { return r.f(x); });
        ASSERT_TRUE(punkter);
        ASSERT_EQ(static_cast<int>(punkter->size()), r.m);
        EXPECT_DOUBLE_EQ(punkter->front().x, r.a);
        EXPECT_DOUBLE_EQ(punkter->back().x, r.b);
        EXPECT_NEAR((*punkter)[1].x - (*punkter)[0].x, (r.b - r.a) / (r.m - 1), 1e-14);
        double areal = r.linie ? LinieAreal(*punkter) : SimpsonAreal(*punkter).value();
        EXPECT_NEAR(areal, r.areal, 1e-12);
    }
}

TEST(TestAreal, PolynomialThroughThreePointsOfXSquared) {
    // The degree-2 fit through (0,0), (1,1), (2,4) is x^2; its area over 0..2 is 8/3.
    std::vector<TPunkt> maalt = {{0, 0}, {1, 1}, {2, 4}};
    std::vector<double> c = {0, 0, 1};
    int m = AntalArealPunkter('P', 3);
    auto punkter = ArealPunkter(0, 2, m, [&](double x) -> std::optional<double> { return c[2] * x * x; });
    ASSERT_TRUE(punkter);
    EXPECT_NEAR(SimpsonAreal(*punkter).value(), 8.0 / 3.0, 1e-12);
}

TEST(TestAreal, ASampleWithoutValueGivesNoArea) {
    int kald = 0;
    auto punkter = ArealPunkter(0, 1, 11, [&](double x) -> std::optional<double> {
        ++kald;
        if (x > 0.5) return std::nullopt;
        return x;
    });
    EXPECT_FALSE(punkter);
    EXPECT_EQ(kald, 7);  // stops at the first sample that has no value
    auto uendelig = ArealPunkter(0, 1, 3, [](double) -> std::optional<double> { return INFINITY; });
    EXPECT_FALSE(uendelig);
}

TEST(TestAreal, ResultLines) {
    struct Raekke { double a, b, areal; const char* linie2; };
    const Raekke raekker[] = {
        {0, 2, 4, "[0.000;2.000] er: 4.000"},
        {1, 3, 8.0 / 3.0, "[1.000;3.000] er: 2.667"},
        {0, 3, -9, "[0.000;3.000] er: -9.000"},
        {-2.5, 100, 12345.6, "[-2.500;100.000] er: 1.235E+04"},
    };
    for (const auto& r : raekker) {
        auto linjer = ArealLinjer(r.a, r.b, r.areal);
        ASSERT_EQ(linjer.size(), 2u);
        EXPECT_EQ(linjer[0], "Arealet under grafen i intervallet ");
        EXPECT_EQ(linjer[1], r.linie2);
    }
}

TEST(TestAreal, LimitsAreReadAndOrdered) {
    struct Raekke { const char* nedre; const char* oevre; bool ok; double a, b; };
    const Raekke raekker[] = {
        {"1", "3", true, 1, 3},     {"3", "1", true, 1, 3},    {" 0,5 ", "2", true, 0.5, 2},
        {"-1e1", "0", true, -10, 0}, {"a", "3", false, 0, 0},  {"1", "", false, 0, 0},
        {"1", "2,5,1", false, 0, 0},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(std::string(r.nedre) + " / " + r.oevre);
        FakeFlade flade;
        double a = 99, b = 99;
        EXPECT_EQ(LaesArealGraenser(r.nedre, r.oevre, a, b), r.ok);
        EXPECT_FALSE(Fejl);
        if (r.ok) {
            EXPECT_TRUE(flade.Vist.empty());
            EXPECT_EQ(a, r.a);
            EXPECT_EQ(b, r.b);
        } else {
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
            EXPECT_EQ(flade.Vist[0].Tekst, "Fejl i tallene for nedre gr\xE6nse eller \xF8vre gr\xE6nse");
        }
    }
}

// Records the hatching; one world unit is 10 pixels vertically.
struct SkraveringsLog : TSkraveringsPen {
    std::vector<std::string> log;
    void FlytTilW(double x, double y) override { log.push_back("M " + s(x) + " " + s(y)); }
    void LinjeTilW(double x, double y) override { log.push_back("L " + s(x) + " " + s(y)); }
    void SortPixelW(double x, double y) override { log.push_back("P " + s(x) + " " + s(y)); }
    int ScaledY(double dy) override { return static_cast<int>(std::nearbyint(dy * 10)); }
    static std::string s(double v) {
        char b[32];
        std::snprintf(b, sizeof b, "%g", v);
        return b;
    }
};

TEST(TestAreal, HatchingStartsAtZeroWithDotsEverySixPixels) {
    // y = 1.8 is 18 pixels: p = 6 steps of 0.3, dots after steps 1, 3, 5.
    // y = -1.2 is 12 pixels: p = 4 steps of -0.3, dots after steps 1 and 3.
    // y = 0.2 is 2 pixels: p = 0, no dots.
    std::vector<TPunkt> punkter = {{0, 1}, {1, 1.8}, {2, -1.2}, {3, 0.2}, {4, 3}};
    SkraveringsLog pen;
    SkraverAreal(pen, punkter);
    const std::vector<std::string> forventet = {
        "M 0 0", "L 0 1",                           // first sample: solid
        "P 1 0.3", "P 1 0.9", "P 1 1.5",            // dotted up
        "P 2 -0.3", "P 2 -0.9",                     // dotted down from y = 0
        "M 4 0", "L 4 3",                           // last sample: solid
    };
    EXPECT_EQ(pen.log, forventet);
}

}  // namespace
}  // namespace plotvik
