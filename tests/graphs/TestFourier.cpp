// The Fourier coefficient column: values from closed forms of the sampled
// functions, the layout of the column, and the failures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "support/FakeFlade.h"
#include "graphs/Fourier.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

constexpr double Pi = std::numbers::pi;

std::string Tekst(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

// Table 1: t and y as input, c := fourier(t,y) with 8 positions, 3 decimals.
// Samples of f at t = 2*pi*m/n, m = 0 .. n-1 (one period, period 2*pi).
TProjekt FourierProjekt(int n, const std::function<double(double)>& f,
                        std::string udtryk = "fourier(t,y)") {
    TProjekt p;
    TTabelDef& t = p.Tabeller[1];
    p.AntalTabeller = 1;
    t.AntalVariable = 3;
    t.AntalInddata = 2;
    t.AntalIndgange = n;
    t.Variable[1].Navn = "t";
    t.Variable[2].Navn = "y";
    t.Variable[3].Navn = "c";
    t.Variable[3].Art = TDefinitionsArt::Udtryk;
    t.Variable[3].Udtryk = udtryk;
    t.Variable[3].Positioner = 8;
    t.Variable[3].Decimaler = 3;
    t.Celler.Opret(3, n + 1);
    for (int m = 1; m <= n; ++m) {
        double x = 2 * Pi * (m - 1) / n;
        t.Celler.SaetCelle(Tekst(x), 1, m + 1);
        t.Celler.SaetCelle(Tekst(f(x)), 2, m + 1);
    }
    return p;
}

double Celle(const TProjekt& p, int v, int m) {
    bool fejl = false;
    double x = TekstTilTal(p.Tabeller[1].Celler.HentCelle(v, m + 1), fejl);
    EXPECT_FALSE(fejl) << "cell " << v << "," << m;
    return x;
}

TEST(TestFourier, CoefficientsOfKnownSpectra) {
    struct Raekke {
        const char* navn;
        std::function<double(double)> f;
        int n;
        std::vector<double> a, b;  // a[0..K], b[0..K] (b[0] unused)
    };
    const std::vector<Raekke> raekker = {
        {"3 + 2 cos t", [](double t) { return 3 + 2 * std::cos(t); }, 8, {3, 2, 0, 0}, {0, 0, 0, 0}},
        {"sin t", [](double t) { return std::sin(t); }, 8, {0, 0, 0, 0}, {0, 1, 0, 0}},
        {"1 - 0.5 sin 3t + cos 2t", [](double t) { return 1 - 0.5 * std::sin(3 * t) + std::cos(2 * t); }, 9,
         {1, 0, 1, 0, 0}, {0, 0, 0, -0.5, 0}},
        {"constant 4", [](double) { return 4.0; }, 5, {4, 0, 0}, {0, 0, 0}},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        TProjekt p = FourierProjekt(r.n, r.f);
        TFourierKoefficienter k;
        ASSERT_TRUE(BeregnFourier(p, 1, 3, k));
        EXPECT_FALSE(Fejl);
        EXPECT_TRUE(flade.Vist.empty());
        const int K = (r.n - 1) / 2;
        ASSERT_EQ(k.K, K);
        for (int i = 0; i <= K; ++i) {
            EXPECT_NEAR(k.a[i], r.a[i], 1e-12) << "a" << i;
            EXPECT_NEAR(Celle(p, 3, i + 1), r.a[i], 0.0006) << "cell a" << i;
            if (i >= 1) {
                EXPECT_NEAR(k.b[i], r.b[i], 1e-12) << "b" << i;
                EXPECT_NEAR(Celle(p, 3, K + i + 1), r.b[i], 0.0006) << "cell b" << i;
            }
        }
        EXPECT_TRUE(flade.TimeglasVist);
        EXPECT_EQ(flade.TimeglasTil, 0);
    }
}

TEST(TestFourier, CellsAreFormattedWithTheVariablesPositionsAndDecimals) {
    FakeFlade flade;
    TProjekt p = FourierProjekt(8, [](double t) { return 3 + 2 * std::cos(t); });
    p.Tabeller[1].Celler.SaetCelle("gammel", 3, 9);  // measurement 8: no coefficient goes there
    BeregnFourier(p, 1, 3);
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 2), "3.000");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 3), "2.000");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 9), "gammel");
    // The module arrays hold the cut coefficients.
    const TFourierKoefficienter& k = FourierKoefficienter();
    EXPECT_TRUE(k.Gyldig);
    EXPECT_EQ(k.Tabel, 1);
    EXPECT_EQ(k.K, 3);
    EXPECT_NEAR(k.a[0], 3, 1e-12);
    EXPECT_NEAR(k.a[1], 2, 1e-12);
    for (int i = 2; i <= 3; ++i) EXPECT_EQ(k.a[i], 0.0) << i;
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(k.b[i], 0.0) << i;
}

TEST(TestFourier, NineSamplesFillNineCells) {
    FakeFlade flade;
    TProjekt p = FourierProjekt(9, [](double t) { return std::cos(t); });
    BeregnFourier(p, 1, 3);
    for (int m = 1; m <= 9; ++m) EXPECT_FALSE(p.Tabeller[1].Celler.HentCelle(3, m + 1).empty()) << m;
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 3), "1.000");  // a1
}

TEST(TestFourier, NamesAreReadFromTheExpression) {
    struct Raekke { const char* udtryk; bool ok; const char* u; const char* a; };
    const Raekke raekker[] = {
        {"fourier(t,y)", true, "t", "y"},
        {"Fourier(tid, spaending)", true, "tid", "spaending"},
        {"fourier(t,y", true, "t", "y"},
        {"fourier t,y", false, "", ""},
        {"fourier", false, "", ""},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.udtryk);
        FakeFlade flade;
        Fejl = false;
        std::string u, a;
        EXPECT_EQ(HentFourierVariable(r.udtryk, u, a), r.ok);
        EXPECT_EQ(u, r.u);
        EXPECT_EQ(a, r.a);
        if (!r.ok) {
            EXPECT_TRUE(Fejl);
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
            EXPECT_EQ(flade.Vist[0].Tekst, "Fejl fundet af GetFurierVariables");
        }
        Fejl = false;
    }
}

TEST(TestFourier, FailuresLeaveTheColumnAsItWas) {
    struct Raekke {
        const char* navn;
        std::string udtryk;
        std::function<void(TProjekt&)> forbered;
        std::vector<std::string> beskeder;
    };
    const std::vector<Raekke> raekker = {
        {"unknown independent name", "fourier(s,y)", [](TProjekt&) {}, {"Fejl fundet af FourierTransform"}},
        {"unknown dependent name", "fourier(t,z)", [](TProjekt&) {}, {"Fejl fundet af FourierTransform"}},
        {"cell not a number", "fourier(t,y)",
         [](TProjekt& p) { p.Tabeller[1].Celler.SaetCelle("abc", 2, 4); },
         {"Fejl fundet af FourierTransform"}},
        {"no parenthesis", "fourier[t,y]", [](TProjekt&) {},
         {"Fejl fundet af GetFurierVariables", "Fejl fundet af FourierTransform"}},
        {"all samples at one t", "fourier(t,y)",
         [](TProjekt& p) {
             for (int m = 1; m <= 8; ++m) p.Tabeller[1].Celler.SaetCelle("1", 1, m + 1);
         },
         {"Fejl fundet af FourierTransform"}},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        TProjekt p = FourierProjekt(8, [](double t) { return std::cos(t); }, r.udtryk);
        r.forbered(p);
        for (int m = 1; m <= 8; ++m) p.Tabeller[1].Celler.SaetCelle("old" + std::to_string(m), 3, m + 1);
        TFourierKoefficienter k;
        EXPECT_FALSE(BeregnFourier(p, 1, 3, k));
        EXPECT_FALSE(Fejl);
        EXPECT_FALSE(k.Gyldig);
        EXPECT_EQ(flade.Tekster(), r.beskeder);
        for (int m = 1; m <= 8; ++m)
            EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, m + 1), "old" + std::to_string(m));
        EXPECT_EQ(flade.TimeglasTil, 0);
    }
}

TEST(TestFourier, MoreSamplesThanTheArraysHoldAreRefused) {
    FakeFlade flade;
    TProjekt p = FourierProjekt(2049, [](double t) { return std::cos(t); });
    TFourierKoefficienter k;
    EXPECT_FALSE(BeregnFourier(p, 1, 3, k));
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(flade.Tekster(),
              std::vector<std::string>{"Fourier transformation kan h\xF8jst bruge 2047 m\xE5linger"});
    EXPECT_TRUE(p.Tabeller[1].Celler.HentCelle(3, 2).empty());

    FakeFlade flade2;
    TProjekt q = FourierProjekt(2047, [](double t) { return 1 + std::cos(t); });
    ASSERT_TRUE(BeregnFourier(q, 1, 3, k));
    EXPECT_EQ(k.K, 1023);
    EXPECT_NEAR(k.a[0], 1, 1e-9);
    EXPECT_NEAR(k.a[1], 1, 1e-9);
}

}  // namespace
}  // namespace plotvik
