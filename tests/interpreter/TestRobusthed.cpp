// Many random texts through every reader: nothing crashes, no value is
// inf or nan, the compiled evaluation equals reading the text afresh, and an
// accepted derivative never lacks a parenthesis.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "interpreter/Definitionsmaengde.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/VariabelUdtryk.h"
#include "support/FakeFlade.h"
#include "Udtryksprojekt.h"

namespace plotvik {
namespace {

using test::FakeFlade;

std::string Tilfaeldig(std::mt19937& g, std::string_view stumper[], size_t antal) {
    std::uniform_int_distribution<size_t> laengde(0, 14), valg(0, antal - 1);
    std::string s;
    for (size_t i = laengde(g); i > 0; --i) s += stumper[valg(g)];
    return s;
}

TEST(Robusthed, VariabelUdtrykOversatOgDirekteErEnsForTilfaeldigTekst) {
    TProjekt p;
    test::SaetKonstant(p, 1, "g", 9.82);
    test::SaetTabel(p, 1, {"L", "T", "Z"}, {{"1,5", "-2"}, {"0", "3"}, {"", "1e300"}});
    std::string_view stumper[] = {"L", "T", "Z", "g", "pi", "2", "0", "1,5", "e3", "E", ".", "+", "-", "*",
                                  "/", "^", "(", ")", "sqrt(", "ln(", "log(", "asin(", "tan(", "exp(", "int(",
                                  "hsin(", " ", "foo", "sin"};
    std::mt19937 g(20261208);
    for (int n = 0; n < 6000; ++n) {
        const std::string u = Tilfaeldig(g, stumper, std::size(stumper));
        const int m = 1 + n % 2;
        const bool ignorer = n % 3 == 0;
        FakeFlade a;
        if (ignorer) a.Svar = std::deque<bool>(64, true);
        Fejl = false;
        const double va = VariabelUdtryk(p, u, 1, 4, m);
        const bool fa = Fejl;
        const auto vistA = a.Tekster();
        SaetFlade(nullptr);
        FakeFlade b;
        if (ignorer) b.Svar = std::deque<bool>(64, true);
        Fejl = false;
        const double vb = VariabelUdtrykDirekte(p, u, 1, 4, m);
        ASSERT_TRUE(std::isfinite(va)) << u;
        ASSERT_EQ(std::memcmp(&va, &vb, sizeof va), 0) << u;
        ASSERT_EQ(fa, Fejl) << u;
        ASSERT_EQ(vistA, b.Tekster()) << u;
    }
    Fejl = false;
}

TEST(Robusthed, FunktionsudtrykOgDifferentiering) {
    std::string_view stumper[] = {"x", "x", "2", "0.5", "pi", "+", "-", "*", "/", "^", "(", ")", "sin(", "cos(",
                                  "tan(", "sinh(", "cosh(", "ln(", "exp(", "sqrt(", "abs(", "atan(", "asin(",
                                  "erf(", "phi(", " ", "e", "-x^"};
    std::mt19937 g(7);
    FakeFlade flade;
    int accepteret = 0;
    for (int n = 0; n < 6000; ++n) {
        const std::string f = Tilfaeldig(g, stumper, std::size(stumper));
        Fejl = false;
        ASSERT_TRUE(std::isfinite(FunktionsVaerdi(f, 0.7))) << f;
        flade.Vist.clear();
        Fejl = false;
        const std::string d = diff_fx(f);
        if (Fejl) continue;
        ++accepteret;
        ASSERT_LE(d.size(), 255u);
        if (d.size() == 255) continue;  // a cut text need not be whole
        ASSERT_TRUE(flade.Vist.empty()) << f;
        ASSERT_TRUE(std::isfinite(FunktionsVaerdi(d, 0.7))) << f;
        for (const auto& t : flade.Tekster()) ASSERT_EQ(t.find("Mangler"), std::string::npos) << f << " -> " << d;
    }
    EXPECT_GT(accepteret, 100);
    Fejl = false;
}

TEST(Robusthed, Definitionsmaengder) {
    std::string_view stumper[] = {"x", "t", "<", ">", "=", "<>", "0", "5", "-1", "pi", "-pi", "*", "/", "2",
                                  "and", "or", " ", "e", "i", ",", ".", "#", "+"};
    std::mt19937 g(11);
    FakeFlade flade;
    for (int n = 0; n < 6000; ++n) {
        const std::string dm = Tilfaeldig(g, stumper, std::size(stumper));
        if (n % 2) flade.Svar = std::deque<bool>(64, true);
        Fejl = false;
        const auto iv = Definitionsintervaller(dm, -10, 10);
        ASSERT_LE(iv.size(), static_cast<size_t>(MaksIntervaller)) << dm;
        for (const auto& i : iv) {
            ASSERT_TRUE(std::isfinite(i.Nedre) && std::isfinite(i.Oevre)) << dm;
            ASSERT_LT(i.Nedre, i.Oevre) << dm;
        }
        flade.Svar.clear();
    }
    Fejl = false;
}

TEST(Robusthed, FunktionstabellerneIDerenOrden) {
    EXPECT_EQ(FxFunktioner, (std::array<std::string_view, 13>{"abs", "sqrt", "sinh", "sin", "asin", "cosh", "cos",
                                                              "tan", "atan", "ln", "exp", "erf", "phi"}));
    EXPECT_EQ(UdtrykFunktioner, (std::array<std::string_view, 13>{"abs", "int", "sqrt", "sin", "cos", "hsin",
                                                                  "hcos", "tan", "asin", "atan", "ln", "log", "exp"}));
    EXPECT_EQ(DiffFunktioner, (std::array<std::string_view, 13>{"abs", "sqrt", "sin", "hsin", "asin", "cos", "hcos",
                                                                "ftg", "atan", "ln", "exp", "erf", "phi"}));
}

}  // namespace
}  // namespace plotvik
