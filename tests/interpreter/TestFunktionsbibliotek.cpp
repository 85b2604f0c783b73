// The function library: powers, Simpson's rule, the coarse error function
// and the normal distribution, and the messages of the checked functions.
// Expected values are closed forms or the Simpson sums worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/PlotvikInterprete.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

const long double SqrtPi = std::sqrt(3.141592653589793L);

TEST(Funktionsbibliotek, IntPotensGangerGentagetOgGiverNulForNul) {
    struct Raekke { long double x; int n; long double forventet; };
    const std::vector<Raekke> tabel = {
        {2, 10, 1024},  {2, -2, 0.25},   {0, 0, 0},   {0, -1, 0},  {0, 5, 0},
        {-2, 3, -8},    {5, 0, 1},       {-1, 65535, -1}, {-1, 65534, 1}, {10, -3, 0.001L},
        {1.5L, 2, 2.25L},
    };
    for (const auto& r : tabel)
        EXPECT_NEAR(static_cast<double>(IntPotens(r.x, r.n)), static_cast<double>(r.forventet),
                    1e-15 * std::fabs(static_cast<double>(r.forventet)))
            << r.x << "^" << r.n;
}

TEST(Funktionsbibliotek, IntPotensUdoverGentagelsesTaelleren) {
    // Beyond 65535 repetitions the power is still the power, not a wrapped count.
    const long double forventet = std::exp(100000.0L * std::log1p(0.0001L));
    EXPECT_NEAR(static_cast<double>(IntPotens(1.0001L, 100000) / forventet), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(IntPotens(1.0001L, -100000) * forventet), 1.0, 1e-12);
}

TEST(Funktionsbibliotek, SimpsonsRegel) {
    struct Raekke { std::vector<TPunkt> p; long double forventet; };
    const std::vector<Raekke> tabel = {
        {{{0, 0}, {1, 1}, {2, 4}}, 8.0L / 3},                          // x^2 on [0,2]: exact
        {{{0, 0}, {1, 1}, {2, 8}, {3, 27}, {4, 64}}, 64},             // x^3 on [0,4]: exact
        {{{0, 0}, {1, 1}, {2, 4}, {3, 9}}, 8.0L / 3},                  // even count: h = 1, last point only in h
        {{{1, 5}, {2, 5}}, 0},                                         // no full panel
        {{{1, 5}}, 0},
        {{}, 0},
        {{{0, 1}, {0.5, 2}, {1, 3}}, 2},                               // straight line: area 2
    };
    for (size_t i = 0; i < tabel.size(); ++i)
        EXPECT_NEAR(static_cast<double>(Simpson(tabel[i].p)), static_cast<double>(tabel[i].forventet), 1e-15)
            << "row " << i;
}

// Erf by hand: m samples of e^(-t^2) at t = k*h, Simpson, times 2/sqrt(pi).
long double ErfIHaanden(long double a, int m) {
    const long double h = a / (m - 1);
    auto f = [&](int j) { return std::exp(-(j * h) * (j * h)); };  // j from 0
    long double sum = 0;
    for (int k = 1; k + 1 < m; k += 2) sum += f(k - 1) + 4 * f(k) + f(k + 1);
    return 2 / SqrtPi * h / 3 * sum;
}

TEST(Funktionsbibliotek, ErfErDenGrovSimpsonsum) {
    struct Raekke { double x; long double forventet; };
    const long double erf1 = 2 / SqrtPi * (0.5L / 3) * (1 + 4 * std::exp(-0.25L) + std::exp(-1.0L));
    const long double erf04 = 2 / SqrtPi * (0.2L / 3) * (1 + 4 * std::exp(-0.04L) + std::exp(-0.16L));
    const std::vector<Raekke> tabel = {
        {0, 0},
        {1, erf1},                     // m = 3, h = 0.5: 0.84310... (the true erf(1) is 0.84270...)
        {-1, -erf1},
        {0.4, erf04},                  // round(0.4) = 0: still 3 samples
        {1.5, ErfIHaanden(1.5L, 5)},   // round(1.5) = 2 (half to even): 5 samples
        {2.5, ErfIHaanden(2.5L, 5)},   // round(2.5) = 2 as well
        {2.6, ErfIHaanden(2.6L, 7)},
        {511.5, 1},                    // would need 1025 samples
        {-600, -1},
    };
    for (const auto& r : tabel) EXPECT_NEAR(Erf(r.x), static_cast<double>(r.forventet), 1e-15) << r.x;
    EXPECT_NEAR(Erf(1), 0.8431028, 1e-7);  // worked on paper: (1 + 4*0.7788008 + 0.3678794)/6 * 1.1283792
}

TEST(Funktionsbibliotek, PhiFraErf) {
    const long double a = 1 / std::sqrt(2.0L);  // round(0.707) = 1: 3 samples, h = a/2
    const long double erf = 2 / SqrtPi * (a / 2 / 3) * (1 + 4 * std::exp(-a * a / 4) + std::exp(-a * a));
    struct Raekke { double x; long double forventet; };
    const std::vector<Raekke> tabel = {
        {0, 0.5L}, {1, (1 + erf) / 2}, {-1, (1 - erf) / 2}, {1000, 1}, {-1000, 0},
    };
    for (const auto& r : tabel) EXPECT_NEAR(Phi(r.x), static_cast<double>(r.forventet), 1e-15) << r.x;
}

TEST(Funktionsbibliotek, FunktionerUdenKontrol) {
    struct Raekke { TFunktion f; double x; long double forventet; };
    const long double e = std::exp(1.0L);
    const std::vector<Raekke> tabel = {
        {TFunktion::Abs, -3, 3},           {TFunktion::Int, -2.7, -2},        {TFunktion::Int, 2.7, 2},
        {TFunktion::Sqrt, 16, 4},          {TFunktion::Sinh, 0, 0},           {TFunktion::Cosh, 0, 1},
        {TFunktion::Sinh, 1, (e - 1 / e) / 2}, {TFunktion::Cosh, 1, (e + 1 / e) / 2},
        {TFunktion::Asin, 1, 3.141592653589793L / 2}, {TFunktion::Asin, -1, -3.141592653589793L / 2},
        {TFunktion::Asin, 0.5, 3.141592653589793L / 6}, {TFunktion::Atan, 1, 3.141592653589793L / 4},
        {TFunktion::Log, 1000, 3},         {TFunktion::Ln, 1, 0},             {TFunktion::Exp, 0, 1},
        {TFunktion::Tan, 0, 0},            {TFunktion::Sin, 0, 0},            {TFunktion::Cos, 0, 1},
    };
    for (const auto& r : tabel) {
        double v = 0;
        EXPECT_EQ(BeregnFunktion(r.f, r.x, v), TFunktionsUdfald::OK);
        EXPECT_NEAR(v, static_cast<double>(r.forventet), 1e-15) << static_cast<int>(r.f) << " " << r.x;
    }
    EXPECT_EQ(ArcSinus(1), 3.141592653589793 / 2);  // exactly pi/2
}

TEST(Funktionsbibliotek, KontrolleredeFunktionersMeddelelser) {
    FakeFlade flade;
    Fejl = false;
    EXPECT_EQ(ArcSinus(1.5), 0);
    EXPECT_TRUE(Fejl);
    EXPECT_EQ(LnKontrol(0), 0);
    EXPECT_EQ(Log10(-1), 0);
    VisFunktionsFejl(TFunktionsUdfald::CosNul, 0);  // cos of a double is never exactly 0 in practice
    EXPECT_EQ(ArcSinus(-2), 0);
    const std::vector<std::string> forventet = {
        "1.50 er illegalt argument til asin(x)!", " x<=0 i ln(x)!", " x<=0 i log(x)!",
        " cos(x)=0 i tan(x)!", "-2.00 er illegalt argument til asin(x)!"};
    ASSERT_EQ(flade.Tekster(), forventet);
    for (const auto& v : flade.Vist) EXPECT_EQ(v.Art, Boks::Fejl);  // OK only: the flag stays set
    EXPECT_TRUE(Fejl);
    Fejl = false;
    EXPECT_NEAR(HypSinus(0), 0, 0);
    EXPECT_NEAR(HypCosinus(0), 1, 0);
    EXPECT_NEAR(Tangens(0), 0, 0);
    EXPECT_FALSE(Fejl);
}

TEST(Funktionsbibliotek, PotensReglen) {
    struct Raekke { double a, b; bool ok; long double forventet; };
    const std::vector<Raekke> tabel = {
        {2, 3, true, 8},   {2, -2, true, 0.25L}, {0, 0, true, 0},  {0, -1, true, 0},
        {0, 0.5, true, 0}, {4, 0.5, true, 2},    {-8, 1.0 / 3, false, 0},
        {0, -0.5, false, 0}, {-2, 2, true, 4},   {9, 1.5, true, 27},
    };
    for (const auto& r : tabel) {
        double v = -1;
        EXPECT_EQ(PotensVaerdi(r.a, r.b, v), r.ok) << r.a << "^" << r.b;
        if (r.ok) {
            EXPECT_NEAR(v, static_cast<double>(r.forventet), 1e-14) << r.a << "^" << r.b;
        }
    }
}

}  // namespace
}  // namespace plotvik
