// The graph tools without a drawing pass: the three-point read-out of a
// sampled curve, the result lines, and arming the tools from the menu.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/FakeFlade.h"
#include "graphs/GrafVaerktoej.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

// y = x^3 sampled at x = 0, 1, ..., 10 (N = 11).
std::vector<TPunkt> Kubik() {
    std::vector<TPunkt> p;
    for (int i = 0; i <= 10; ++i) p.push_back({double(i), double(i * i * i)});
    return p;
}

TEST(TestVaerktoej, CurveValueAndSlopeFromThreeNeighbouringPoints) {
    // Expected values: the quadratic through the chosen triple, by divided
    // differences by hand (for y = x^3 it is not the cubic itself).
    struct Raekke { double x; double vaerdi; double haeldning; const char* triple; };
    const Raekke raekker[] = {
        {2.5, 16.0, 19.0, "points 2,3,4: x = 1,2,3"},
        {0.5, -0.25, 1.0, "i = 2: points 1,2,3: x = 0,1,2"},
        {8.5, 613.75, 217.0, "i = N-1: points 9,10,11: x = 8,9,10"},
        {3.0, 27.0, 25.0, "exact point for the value; slope from x = 1,2,3"},
    };
    auto kurve = Kubik();
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.triple);
        FakeFlade flade;
        auto v = KurveVaerdi(kurve, r.x);
        auto m = KurveHaeldning(kurve, r.x);
        ASSERT_TRUE(v);
        ASSERT_TRUE(m);
        EXPECT_NEAR(*v, r.vaerdi, 1e-9);
        EXPECT_NEAR(*m, r.haeldning, 1e-9);
        EXPECT_TRUE(flade.Vist.empty());
    }
}

TEST(TestVaerktoej, QuadraticCurvesAreReadExactly) {
    std::vector<TPunkt> kurve;
    for (int i = 0; i <= 20; ++i) kurve.push_back({i * 0.25, 3 * i * 0.25 * i * 0.25 - 1});  // 3x^2 - 1
    for (double x : {0.3, 1.1, 2.6, 4.7}) {
        FakeFlade flade;
        EXPECT_NEAR(KurveVaerdi(kurve, x).value(), 3 * x * x - 1, 1e-12) << x;
        EXPECT_NEAR(KurveHaeldning(kurve, x).value(), 6 * x, 1e-12) << x;
    }
}

TEST(TestVaerktoej, CurveEndsCannotBeRead) {
    struct Raekke { double x; bool vaerdi; bool haeldning; const char* besked; };
    const Raekke raekker[] = {
        {0, true, false, "Kan ikke udregne funktionsv\xE6rdier i 0.000"},     // first point: value exact only
        {-1, false, false, "Kan ikke udregne funktionsv\xE6rdier i -1.000"},  // left of the curve
        {10, true, false, "Kan ikke udregne funktionsv\xE6rdier i 10.000"},   // last point
        {12, false, false, "Kan ikke udregne funktionsv\xE6rdier i 12.000"},  // right of the curve
        {0.0001, true, true, ""},                                          // just inside: i = 2
    };
    auto kurve = Kubik();
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.x);
        FakeFlade flade;
        EXPECT_EQ(KurveVaerdi(kurve, r.x).has_value(), r.vaerdi);
        EXPECT_EQ(KurveHaeldning(kurve, r.x).has_value(), r.haeldning);
        const int forventet = (r.vaerdi ? 0 : 1) + (r.haeldning ? 0 : 1);
        ASSERT_EQ(static_cast<int>(flade.Vist.size()), forventet);
        for (const auto& v : flade.Vist) {
            EXPECT_EQ(v.Art, Boks::FejlMedIgnorer);
            EXPECT_EQ(v.Tekst, r.besked);
        }
    }
    FakeFlade flade;
    std::vector<TPunkt> to = {{0, 0}, {1, 1}};
    EXPECT_FALSE(KurveHaeldning(to, 0.5));
    std::vector<TPunkt> tom;
    EXPECT_FALSE(KurveVaerdi(tom, 0.5));
    std::vector<TPunkt> samme = {{0, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 2}};
    EXPECT_FALSE(KurveHaeldning(samme, 0.9));  // two points at one x: no quadratic
}

TEST(TestVaerktoej, ResultLines) {
    struct Raekke { std::string faktisk, forventet; };
    const Raekke raekker[] = {
        {AflaesLinje("t", 2, "s", 5), "t=2.000; s=5.000"},
        {AflaesLinje("x", -0.05, "y^2", 12346), "x=-5.000E-02; y^2=1.235E+04"},
        {DifferentialkvotientLinje("v", 1.5, 3), "v ' (1.500) = 3.000"},
        {TangentLinjer("t", "s", 1, 1, 2)[0], "Tangentligning gennem (1.000,1.000)"},
        {TangentLinjer("t", "s", 1, 1, 2)[1], "s = 2.000*t-1.000"},
        {TangentLinjer("t", "s", 0, 3, 2)[1], "s = 2.000*t + 3.000"},
        {TangentLinjer("t", "s", 2, 4, 2)[1], "s = 2.000*t + 0.000"},
        {FunktionsTangentLinjer(2, 4, 4)[0], "Tangentligning gennem (2.000,4.000)"},
        {FunktionsTangentLinjer(2, 4, 4)[1], "y = 4.000*x -4.000"},
        {FunktionsTangentLinjer(2, 5, 1)[1], "y = 1.000*x + 3.000"},
        {FunktionLinje("1/x+sqrt(x)", "0<x<10"), "f(x) = 1/x+sqrt(x); Dm(f) = 0<x<10"},
        {FunktionLinje("x^2", "R"), "f(x) = x^2; Dm(f) = R"},
    };
    for (const auto& r : raekker) EXPECT_EQ(r.faktisk, r.forventet);
}

TEST(TestVaerktoej, ArmingAsksAndArmsOnlyOnOk) {
    const std::string aflaes = "Klik med musen p\xE5 det punkt,\n\rsom du vil afl\xE6se";
    const std::string diff =
        "Klik med musen p\xE5 f\xF8rstekoordinaten til det punkt,\n\rhvor du vil afl\xE6se differentialkvotienten";
    const std::string tangent =
        "Klik med musen p\xE5 f\xF8rstekoordinaten til det punkt,\n\rhvor du vil tegne tangenten";
    struct Raekke {
        TVaerktoej v;
        bool ok;
        std::string spoergsmaal;
        bool aktiv, aflaes, diff, tangent, funktionsTangent;
    };
    const Raekke raekker[] = {
        {TVaerktoej::AflaesVaerdi, true, aflaes, true, true, false, false, false},
        {TVaerktoej::AflaesVaerdi, false, aflaes, false, false, false, false, false},
        {TVaerktoej::Differentialkvotient, true, diff, true, false, true, false, false},
        {TVaerktoej::Differentialkvotient, false, diff, false, false, false, false, false},
        {TVaerktoej::Tangent, true, tangent, true, false, false, true, false},
        {TVaerktoej::Tangent, false, tangent, false, false, false, false, false},
        {TVaerktoej::FunktionsTangent, true, tangent, false, false, false, false, true},
        {TVaerktoej::FunktionsTangent, false, tangent, false, false, false, false, true},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(static_cast<int>(r.v) * 2 + r.ok);
        FakeFlade flade;
        flade.Svar.push_back(r.ok);
        TVaerktoejTilstand vt;
        // A tool armed before and never answered must not survive the new choice.
        vt.VaerktoejAktiv = vt.Differentialkvotient = true;
        ArmerVaerktoej(vt, r.v, true);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::OkAnnuller);
        EXPECT_EQ(flade.Vist[0].Tekst, r.spoergsmaal);
        EXPECT_EQ(vt.VaerktoejAktiv, r.aktiv);
        EXPECT_EQ(vt.AflaesVaerdi, r.aflaes);
        EXPECT_EQ(vt.Differentialkvotient, r.diff);
        EXPECT_EQ(vt.Tangent, r.tangent);
        EXPECT_EQ(vt.FunktionsTangent, r.funktionsTangent);
    }
}

TEST(TestVaerktoej, ArmingOutsideTheGraphSheetsOnlyTellsSo) {
    for (TVaerktoej v : {TVaerktoej::AflaesVaerdi, TVaerktoej::Differentialkvotient, TVaerktoej::Tangent,
                         TVaerktoej::FunktionsTangent}) {
        FakeFlade flade;
        TVaerktoejTilstand vt;
        ArmerVaerktoej(vt, v, false);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[0].Tekst, "Denne Menu kan kun anvendes p\xE5 grafarkene");
        EXPECT_FALSE(vt.VaerktoejAktiv || vt.AflaesVaerdi || vt.Differentialkvotient || vt.Tangent ||
                     vt.FunktionsTangent);
    }
}

TEST(TestVaerktoej, EnteringAFunctionEnablesItsSheetOnly) {
    TGrafArkene arkene;
    TVaerktoejTilstand vt;
    IndtastFunktion(arkene, vt, 2, 3, "x^2", "0<x<10");
    EXPECT_TRUE(arkene.Ark[3].TegnFunktionAktiv);
    EXPECT_FALSE(arkene.Ark[1].TegnFunktionAktiv);
    EXPECT_FALSE(arkene.Ark[2].TegnFunktionAktiv);
    EXPECT_TRUE(vt.FunktionsMenuerAktive);
    EXPECT_TRUE(vt.FunktionIndtastet[2][3]);
    EXPECT_EQ(arkene.Funktioner[2][3].Funktion, "x^2");
    EXPECT_EQ(arkene.Funktioner[2][3].Definitionsmaengde, "0<x<10");
    EXPECT_TRUE(arkene.Ark[1].Resultater.empty());

    TVaerktoejTilstand tom;
    TGrafArkene urort;
    IndtastFunktion(urort, tom, 1, 1, "", "R");  // an empty f(x) changes nothing
    EXPECT_FALSE(tom.FunktionsMenuerAktive);
    EXPECT_FALSE(urort.Ark[1].TegnFunktionAktiv);
    IndtastFunktion(urort, tom, 1, 1, std::string(200, 'x'), "R");
    EXPECT_EQ(urort.Funktioner[1][1].Funktion.size(), 128u);
}

}  // namespace
}  // namespace plotvik
