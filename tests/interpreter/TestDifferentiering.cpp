// Symbolic differentiation: the templates literally, the failures with
// their messages, and every derivative checked numerically against a
// central difference of the original function.
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

TEST(Differentiering, SkabelonerneOrdret) {
    FakeFlade flade;
    struct Raekke { const char* f; const char* d; };
    const std::vector<Raekke> tabel = {
        {"x^2", "2*x^(2-1)"},        {"x*x", "2*x"},             {"x", "1"},
        {"5", "0"},                  {"pi", "0"},                {"2.5e-3", "0"},
        {"sin(2*x)", "cos(2*x)*(2)"},
        {"sin(x)^2", "2*sin(x)^(2-1)*cos(x)"},
        {"1/x", "(-1/x^2)"},         {"2^x", "2^x*ln(2)"},       {"x^x", "x^x*(1+ln(x))"},
        {"ln(x)", "1/x"},            {"sinh(x)", "cosh(x)"},     {"cosh(x)", "sinh(x)"},
        {"tan(x)", "(1+tan(x)^2)"},  {"atan(x)", "1/(1+x^2)"},   {"abs(x)", "abs(x)/x"},
        {"sqrt(x)", "1/(2*sqrt(x))"}, {"sin(x)", "cos(x)"},      {"asin(x)", "1/sqrt(1-x^2)"},
        {"cos(x)", "(-sin(x))"},     {"exp(x)", "exp(x)"},
        {"erf(x)", "2/sqrt(pi)*exp(-x^2)"},
        {"phi(x)", "1/sqrt(2*pi)*exp(-0.5*x^2)"},
        {"erf(2*x)", "2/sqrt(pi)*exp(-((2*x)^2))*(2)"},
        {"phi(x^2)", "1/sqrt(2*pi)*exp(-0.5*(x^2)^2)*(2*x^(2-1))"},
        {"abs(2*x)", "abs(2*x)/(2*x)*(2)"},
        {"sqrt(3*x)", "1/(2*sqrt(3*x))*(3)"},
        {"asin(x/2)", "1/sqrt(1-(x/2)^2)*(1/2)"},
        {"atan(x^2)", "1/(1+(x^2)^2)*(2*x^(2-1))"},
        {"ln(2*x)", "1/(2*x)*(2)"},
        {"exp(3*x)", "exp(3*x)*(3)"},
        {"cos(2*x)", "(-sin(2*x))*(2)"},
        {"sinh(x^2)", "cosh(x^2)*(2*x^(2-1))"},
        {"cosh(3*x)", "sinh(3*x)*(3)"},
        {"tan(2*x)", "(1+tan(2*x)^2)*(2)"},
        {"sin(3)", "0"},             {"exp(2)", "0"},
        {"3*x", "3"},                {"x*3", "3"},               {"2*3", "0"},
        {"x*sin(x)", "(sin(x)+x*(cos(x)))"},
        {"sin(x)*3", "(cos(x))*3"},
        {"sin(x)*x", "(cos(x)*x+sin(x))"},
        {"sin(x)*cos(x)", "(cos(x)*cos(x)+sin(x)*((-sin(x))))"},
        {"2*sin(x)", "2*(cos(x))"},
        {"x/2", "1/2"},              {"x/x", "0"},               {"2/3", "0"},
        {"2/(x+1)", "(-2/(x+1)^2*(1+0))"},
        {"x/(x+1)", "((x+1)-x*(1+0))/(x+1)^2"},
        {"sin(x)/2", "cos(x)/2"},
        {"sin(x)/x", "(cos(x)*x-sin(x))/x^2"},
        {"sin(x)/cos(x)", "(cos(x)*cos(x)-sin(x)*(-sin(x)))/cos(x)^2"},
        {"2/x^2", "(-2/x^2^2*2*x^(2-1))"},
        {"2^3", "0"},                {"2^(2*x)", "2^(2*x)*ln(2)*(2)"},
        {"x^(2*x)", "x^(2*x)*((2*x)/x+ln(x)*(2))"},
        {"sin(x)^x", "sin(x)^x*(ln(sin(x))+x*1/sin(x)*cos(x))"},
        {"sin(x)^cos(x)", "sin(x)^cos(x)*((-sin(x))*ln(sin(x))+cos(x)*1/sin(x)*cos(x))"},
        {"x-x*x^2", "1-(x^2+x*(2*x^(2-1)))"},
        {"-x^2+3*x", "-2*x^(2-1)+3"},
        {"+x", "1"},                 {"x*+2", "2"},
        {"SIN( X )", "cos(x)"},      {"Sinh (X)", "cosh(x)"},
        {"atan(tan(x))", "1/(1+(tan(x))^2)*((1+tan(x)^2))"},
    };
    for (const auto& r : tabel) {
        Fejl = false;
        EXPECT_EQ(diff_fx(r.f), r.d) << r.f;
        EXPECT_FALSE(Fejl) << r.f;
    }
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(Differentiering, FejlMedMeddelelse) {
    struct Raekke { const char* f; std::vector<std::string> forventet; };
    const std::string m = "Fejl i diff_fx ";
    const std::vector<Raekke> tabel = {
        {"sin x", {m + "sinx"}},
        {"sinh x", {m + "hsinx"}},           // the internal name is shown
        {"tan x", {m + "ftgx"}},
        {"2,5*x", {m + "2,5*x"}},           // no decimal comma here
        {"x)", {m + "x)"}},
        {"foo(x)", {m + "foo(x)"}},
        {"e^x", {m + "e^x"}},
        {"sin(x", {m + "sin(x"}},
        {"(x+1", {m + "(x+1"}},
        {"x*(x", {m + "x*(x"}},
        {"", {m}},
        {"x+", {m + "x+"}},
        {"x*", {m + "x*"}},
        {"sin(x+)", {m + "x+"}},             // the nested call reports its own operand
        {"sin(x+)+)", {m + "x+", m + "sin(x+)+)"}},
        {"x*y", {m + "x*y"}},
    };
    for (const auto& r : tabel) {
        FakeFlade flade;
        Fejl = false;
        diff_fx(r.f);
        EXPECT_TRUE(Fejl) << r.f;
        EXPECT_EQ(flade.Tekster(), r.forventet) << r.f;
        for (const auto& v : flade.Vist) EXPECT_EQ(v.Art, Boks::FejlMedIgnorer);
    }
    Fejl = false;
}

TEST(Differentiering, DybIndlejringStopper) {
    FakeFlade flade;
    Fejl = false;
    const std::string f = std::string(120, '(') + "x" + std::string(120, ')');
    EXPECT_EQ(diff_fx(f), std::string(120, '(') + "1" + std::string(120, ')'));
    EXPECT_TRUE(flade.Vist.empty());
    const std::string g = std::string(230, '(') + "x";
    diff_fx(g);
    EXPECT_TRUE(Fejl);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Fejl i diff_fx " + g.substr(0, 240)});
    Fejl = false;
}

// Each derivative text must evaluate without a message and agree with a
// central difference of the function itself.
TEST(Differentiering, NumeriskKontrol) {
    struct Raekke { const char* f; std::vector<double> x; };
    const std::vector<Raekke> tabel = {
        {"x^2", {-2, 0.5, 3}},            {"x*x", {-1, 2}},                 {"3*x^3-2*x+1", {-1.5, 0.3, 2}},
        {"sin(x)", {-1, 0.2, 2}},         {"cos(x)", {-1, 0.2, 2}},         {"tan(x)", {-1, 0.2, 1.2}},
        {"sinh(x)", {-1, 0.5, 2}},        {"cosh(x)", {-1, 0.5, 2}},        {"asin(x/2)", {-1.5, 0.3, 1.2}},
        {"asin(x)", {-0.8, 0.1, 0.7}},    {"atan(x)", {-2, 0.5, 3}},        {"ln(x)", {0.3, 1, 4}},
        {"exp(x)", {-1, 0.5, 2}},         {"sqrt(x)", {0.3, 1, 4}},         {"abs(x)", {-2, 0.7}},
        {"sin(2*x)", {-1, 0.3, 2}},       {"sin(x)^2", {-1, 0.3, 2}},       {"cos(x^2)", {-1, 0.3, 1.5}},
        {"exp(-x^2)", {-1, 0.3, 1.5}},    {"ln(x^2+1)", {-1, 0.3, 2}},      {"sqrt(x^2+1)", {-1, 0.3, 2}},
        {"1/x", {-2, 0.5, 3}},            {"2/x^2", {-2, 0.5, 3}},          {"x/(x+1)", {0.5, 2}},
        {"(x+1)/(x-1)", {-0.5, 0.5, 3}},  {"sin(x)/x", {-2, 0.5, 3}},       {"x^x", {0.5, 1, 2}},
        {"2^x", {-1, 0.5, 2}},            {"x^sin(x)", {0.5, 1, 2}},        {"(x+1)^2", {-1, 0.5, 2}},
        {"(x^2+1)^x", {-1, 0.5, 2}},      {"(x+2)^sin(x)", {-1, 0.5, 2}},   {"2^sin(x)", {-1, 0.5, 2}},
        {"x-x*x^2", {-1, 0.5, 2}},        {"x*sin(x)", {-1, 0.5, 2}},       {"sin(x)*cos(x)", {-1, 0.5, 2}},
        {"exp(x)*ln(x)", {0.5, 1, 2}},    {"x*exp(x)*sin(x)", {-1, 0.5, 2}}, {"sin(cos(x))", {-1, 0.5, 2}},
        {"ln(sin(x))", {0.3, 1, 2}},      {"atan(x^2)", {-1, 0.5, 2}},      {"sqrt(1+sin(x)^2)", {-1, 0.5, 2}},
        {"abs(sin(x))", {-1, 0.5, 2}},    {"tan(x^2)", {-1, 0.5, 1.1}},     {"sinh(2*x)+cosh(x^2)", {-1, 0.5, 1.5}},
        {"x^-1", {-2, 0.5, 3}},           {"x^(1/3)", {0.5, 1, 2}},         {"x^0.5", {0.5, 1, 2}},
        {"pi*x^2", {-1, 0.5, 2}},         {"-x^2+3*x", {-1, 0.5, 2}},       {"(x^2-1)/(x^2+1)", {-1, 0.5, 2}},
        {"sin(x)/cos(x)", {-1, 0.5, 1.2}}, {"exp(2)*x", {-1, 2}},           {"x/2", {-1, 2}},
        {"3/(x+1)", {0.5, 2}},            {"x^2^3", {-1, 0.5, 1.5}},        {"1/x/x", {-2, 0.5, 3}},
        {"x*x*x", {-1, 0.5, 2}},          {"sqrt(x)*ln(x)", {0.5, 1, 2}},   {"2*x*sin(x)", {-1, 0.5, 2}},
        {"cos(x)^3", {-1, 0.5, 2}},       {"exp(sin(x))*x^2", {-1, 0.5, 2}}, {"1/(1+exp(-x))", {-1, 0.5, 2}},
        {"x/sqrt(x^2+1)", {-1, 0.5, 2}},  {"(x-1)*(x+1)", {-1, 0.5, 2}},    {"ln(ln(x+3))", {-1, 0.5, 2}},
        {"sinh(x)/cosh(x)", {-1, 0.5, 2}}, {"abs(x^3-1)", {-1, 0.5, 2}},    {"2-sin(x)*3", {-1, 0.5, 2}},
        {"x^3/3-x", {-1, 0.5, 2}},        {"-sin(x)", {-1, 0.5, 2}},        {"(2*x+1)^-2", {0.5, 2}},
        {"x*-x", {-1, 0.5, 2}},           {"2^-x", {-1, 0.5, 2}},           {"x^-x", {0.5, 1, 2}},
        {"sin(x)^-1", {0.5, 1, 2}},       {"x^2/x", {-1, 0.5, 2}},          {"x^2*3", {-1, 0.5, 2}},
        {"(x)^2", {-1, 0.5, 2}},          {"sqrt(abs(x))", {-1, 0.5, 2}},   {"exp(x)/(1+x^2)^2", {-1, 0.5, 2}},
        // A constant numerator that is a power keeps its sign behind the quotient rule's minus.
        {"2^2/x", {-2, 0.5, 3}},          {"pi^2/(x+1)", {0.5, 2}},         {"x-3^2/x", {-2, 0.5, 3}},
        {"2^3/sin(x)", {0.5, 1, 2}},
    };
    ASSERT_GE(tabel.size(), 40u);
    FakeFlade flade;
    for (const auto& r : tabel) {
        Fejl = false;
        const std::string d = diff_fx(r.f);
        ASSERT_FALSE(Fejl) << r.f;
        for (double x : r.x) {
            const double h = 1e-5 * std::max(1.0, std::fabs(x));
            const double numerisk = (FunktionsVaerdi(r.f, x + h) - FunktionsVaerdi(r.f, x - h)) / (2 * h);
            const double symbolsk = FunktionsVaerdi(d, x);
            ASSERT_FALSE(Fejl) << r.f << " -> " << d << " at " << x;
            EXPECT_NEAR(symbolsk, numerisk, 1e-6 * std::max(1.0, std::fabs(numerisk)))
                << r.f << " -> " << d << " at " << x;
        }
    }
    EXPECT_TRUE(flade.Vist.empty());
}

}  // namespace
}  // namespace plotvik

namespace {

// The derivative of erf of a composite argument is the exact density times the
// inner derivative: d/dx erf(2x) = 4/sqrt(pi) * exp(-4x^2).
TEST(DiffFx, ErfAfSammensatArgumentHarNegativEksponent) {
    plotvik::Fejl = false;
    for (double x : {-0.7, 0.0, 0.5, 1.2}) {
        double v = plotvik::FunktionsVaerdi(plotvik::diff_fx("erf(2*x)"), x);
        EXPECT_NEAR(v, 4.0 / std::sqrt(M_PI) * std::exp(-4 * x * x), 1e-12) << x;
    }
    EXPECT_FALSE(plotvik::Fejl);
}

}  // namespace
