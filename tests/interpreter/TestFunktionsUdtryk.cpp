// Function expressions of x: the "-x^" rule, prefix-matched function names,
// the function checks and every message of the evaluator.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "interpreter/PlotvikInterprete.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
using test::Visning;

const double Pi = 3.141592653589793;

TEST(FunktionsVaerdi, PraecedensOgMinusXPotens) {
    FakeFlade flade;
    const long double e = std::exp(1.0L);
    struct Raekke { const char* udtryk; double x; long double forventet; };
    const std::vector<Raekke> tabel = {
        {"-x^2", 3, -9},        {"-x^2", 2, -4},         {"(-x)^2", 2, 4},      {"2*-x^2", 2, 8},
        {"-x^2+1", 3, -8},      {"(-x^2)", 3, -9},       {"-x*2", 3, -6},       {"-x", 3, -3},
        {"2^3^2", 0, 64},       {"2^-2", 0, 0.25L},      {"x^2", 3, 9},         {"x^0.5", 9, 3},
        {"1,5e2", 0, 150},      {"1,5E2", 0, 1.5L},      {"1.5", 0, 1.5L},      {"1,5", 0, 1.5L},
        {"2x", 5, 2},           {"1/x + 1", 2, 0.5L},    {"2+3 4", 0, 5},       {"2)", 0, 2},
        {"10-4-3", 0, 3},       {"64/4/2", 0, 8},        {"0^0", 0, 0},         {"0^-1", 0, 0},
        {"sinh(1)", 0, (e - 1 / e) / 2},                 {"cosh(1)", 0, (e + 1 / e) / 2},
        {"sin(x)^2", 0.5, std::sin(0.5L) * std::sin(0.5L)},
        {"asin(1)", 0, Pi / 2}, {"asin(x)", 0.5, Pi / 6}, {"atan(1)", 0, Pi / 4},
        {"tan(x)", 1, std::tan(1.0L)},                   {"abs(x)", -2, 2},
        {"sqrt(x)", 9, 3},      {"ln(exp(2))", 0, 2},    {"exp(x)", 1, e},
        {"phi(0)", 0, 0.5L},    {"erf(0)", 0, 0},        {"pi", 0, Pi},         {"2*pi*x", 1, 2 * Pi},
        {"cos(pi)", 0, -1},     {"sqrt(0)", 0, 0},
    };
    for (const auto& r : tabel) {
        Fejl = false;
        EXPECT_NEAR(FunktionsVaerdi(r.udtryk, r.x), static_cast<double>(r.forventet), 1e-14) << r.udtryk;
        EXPECT_FALSE(Fejl) << r.udtryk;
    }
    Fejl = false;
    EXPECT_EQ(FunktionsVaerdi("erf(-1)", 0), -FunktionsVaerdi("erf(1)", 0));
    EXPECT_EQ(FunktionsVaerdi("erf(x)", 1.5), Erf(1.5));
    EXPECT_EQ(FunktionsVaerdi("phi(x)", -0.3), Phi(-0.3));
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(FunktionsVaerdi, MeddelelserOgDeresBokse) {
    const Boks V = Boks::FejlMedIgnorer, F = Boks::Fejl;
    const std::string ov = "Overl\xF8" "b eller ugyldig regneoperation i funktionsudtryk: \n\r";
    struct Raekke { const char* udtryk; double x; std::vector<Visning> forventet; };
    const std::vector<Raekke> tabel = {
        {"1/x", 0, {{V, "Division med 0 i funktionsudtryk: \n\r1/x"}}},
        {"(-8)^(1/3)", 0, {{V, "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r(-8)^(1/3)"}}},
        {"x^0.5", -4, {{V, "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\rx^0.5"}}},
        {"(x+1", 0, {{V, "Mangler \")\" i funktionsudtryk: (x+1"}}},
        {"sinx", 0, {{V, "Mangler \"(\" i funktionsudtryk:\n\rsinx"}}},
        {"sin x", 0, {{V, "Mangler \"(\" i funktionsudtryk:\n\rsin x"}}},
        {"e^x", 0, {{V, "Ukendt variabel i funktionsudtryk: \n\re^x"}}},
        {"Sin(x)", 0, {{V, "Ukendt variabel i funktionsudtryk: \n\rSin(x)"}}},
        {"x+", 0, {{V, "Ukendt variabel i funktionsudtryk: \n\rx+"}}},
        {"+x", 0, {{V, "Ukendt variabel i funktionsudtryk: \n\r+x"}}},
        {".5", 0, {{V, "Ukendt variabel i funktionsudtryk: \n\r.5"}}},
        {"sqrt(-1)", 0, {{V, "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(-1)"}}},
        {"sqrt(x)", -0.5, {{V, "Negativt tal i Kvadratrod i funktionsudtryk: sqrt(x)"}}},
        {"ln(-1)", 0, {{V, "Illegalt argument til ln(x) i funktionsudtryk:\n\rln(-1)"}}},
        {"ln(0)", 0, {{F, " x<=0 i ln(x)!"}}},
        {"asin(x)", 2, {{F, "2.00 er illegalt argument til asin(x)!"}}},
        {"2.3.4", 0, {{V, "Fejl i tal \"2.3.4\" i funktionsudtryk!"}}},
        {"2e", 0, {{V, "Fejl i tal \"2e\" i funktionsudtryk!"}}},
        {"exp(1000)", 0, {{V, ov + "exp(1000)"}}},
        {"x*x", 1e200, {{V, ov + "x*x"}}},
        {"cosh(x)", 12000, {{V, ov + "cosh(x)"}}},
        // A failed argument is not handed to the function.
        {"ln(1/x)", 0, {{V, "Division med 0 i funktionsudtryk: \n\rln(1/x)"}}},
        // The division ends the term; the expression reads on.
        {"1/x+e", 0, {{V, "Division med 0 i funktionsudtryk: \n\r1/x+e"}, {V, "Ukendt variabel i funktionsudtryk: \n\r1/x+e"}}},
    };
    for (const auto& r : tabel) {
        FakeFlade flade;
        Fejl = false;
        const double v = FunktionsVaerdi(r.udtryk, r.x);
        EXPECT_TRUE(std::isfinite(v)) << r.udtryk;
        EXPECT_TRUE(Fejl) << r.udtryk;
        ASSERT_EQ(flade.Vist.size(), r.forventet.size()) << r.udtryk;
        for (size_t i = 0; i < r.forventet.size(); ++i) {
            EXPECT_EQ(flade.Vist[i].Tekst, r.forventet[i].Tekst) << r.udtryk;
            EXPECT_EQ(flade.Vist[i].Art, r.forventet[i].Art) << r.udtryk;
        }
    }
    Fejl = false;
}

TEST(FunktionsVaerdi, DybIndlejringOgLangTekst) {
    {
        FakeFlade flade;
        Fejl = false;
        const std::string udtryk = std::string(120, '(') + "x" + std::string(120, ')');
        EXPECT_EQ(FunktionsVaerdi(udtryk, 4), 4);
        EXPECT_TRUE(flade.Vist.empty());
    }
    FakeFlade flade;
    Fejl = false;
    const std::string udtryk = std::string(230, '(') + "x";
    FunktionsVaerdi(udtryk, 1);
    EXPECT_TRUE(Fejl);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst,
              ("For mange parenteser inden i hinanden i funktionsudtryk (h\xF8jst 200): \n\r" + udtryk).substr(0, 255));
    Fejl = false;
    // Only the first 255 characters are an expression.
    std::string lang = "x";
    while (lang.size() < 254) lang += "+0";
    EXPECT_EQ(FunktionsVaerdi(lang + "+1000", 1), 1);
}

TEST(FunktionsVaerdi, IgnorerLaeserVidere) {
    FakeFlade flade;
    flade.Svar = {true};
    Fejl = false;
    EXPECT_EQ(FunktionsVaerdi("sqrt(x)+1", -1), 1);
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Negativt tal i Kvadratrod i funktionsudtryk: sqrt(x)+1"});
}

}  // namespace
}  // namespace plotvik
