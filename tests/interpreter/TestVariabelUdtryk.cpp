// Variable expressions over a small project: precedence, name lookup,
// values read from cell texts, every message with its box, and the compiled
// evaluation agreeing with reading the text afresh.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "interpreter/PlotvikInterprete.h"
#include "interpreter/UdtrykProgram.h"
#include "interpreter/VariabelUdtryk.h"
#include "support/FakeFlade.h"
#include "Udtryksprojekt.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
using test::Visning;

const double Pi = 3.141592653589793;

TProjekt Eksempel() {
    TProjekt p;
    test::SaetKonstant(p, 1, "g", 9.82);
    test::SaetKonstant(p, 2, "k", 2);
    test::SaetKonstant(p, 3, "D", 100);
    test::SaetTabel(p, 1, {"L", "T", "D", "R"},
                    {{"1,5", "2.0", "abc"}, {"2", "4", "0"}, {"7", "8", "9"}, {"3.1", "", "1e3"}});
    test::SaetTabel(p, 2, {"a", "b", "c", "d"},
                    {{"3", "-2", "0.5", "x"}, {"4", "1", "2", "5"}, {"", "", "", ""}, {"11", "12", "13", "14"}});
    test::SaetTabel(p, 3, {"pi", "sin"}, {{"3", "3"}, {"5", "5"}});
    return p;
}

std::string Syntaks(int v, int m) {
    return "Syntaksfejl fundet i tal eller udtryk!  " + std::to_string(v) + ". variabel " + std::to_string(m) +
           ". m\xE5ling";
}

TEST(VariabelUdtryk, PraecedensOgTalUdenNavne) {
    FakeFlade flade;
    const TProjekt p = Eksempel();
    struct Raekke { const char* udtryk; double forventet; };
    const std::vector<Raekke> tabel = {
        {"2+3*4", 14},      {"2*3+4", 10},      {"10-4-3", 3},       {"64/4/2", 8},
        {"2^3^2", 64},      {"2^-2", 0.25},     {"-2^2", 4},         {"2*-3", -6},
        {"(2+3)*4", 20},    {"2+3 4", 5},       {"2)", 2},           {"2x", 2},
        {"1,5", 1.5},       {"1,5E2", 150},     {"1,5e2", 150},      {"1e-3", 0.001},
        {"0^0", 0},         {"0^-1", 0},        {"4^0.5", 2},        {"int(-2.7)", -2},
        {"hsin(0)", 0},     {"hcos(0)", 1},     {"abs(-3)", 3},      {"sqrt(16)", 4},
        {"exp(0)", 1},      {"ln(1)", 0},       {"log(1000)", 3},    {"sin(0)", 0},
        {"cos(0)", 1},      {"tan(0)", 0},      {"asin(1)", Pi / 2}, {"atan(1)", Pi / 4},
        {"pi", Pi},         {"sin(pi/6)", 0.5}, {"-3+2", -1},        {"2^3*2", 16},
        {"2*2^3", 16},      {"-(2+1)^2", 9},    {"8/2^2", 2},        {"2^2^-1", 0.25},
        {"abs(-2)^2", 4},   {"sqrt(4)*3", 6},   {"2-3-4", -5},       {"((7))", 7},
    };
    for (const auto& r : tabel) {
        Fejl = false;
        EXPECT_NEAR(VariabelUdtryk(p, r.udtryk, 1, 5, 1), r.forventet, 1e-15 * std::max(1.0, std::fabs(r.forventet)))
            << r.udtryk;
        EXPECT_FALSE(Fejl) << r.udtryk;
    }
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(VariabelUdtryk, NavneFraKonstanterOgTabeller) {
    FakeFlade flade;
    const TProjekt p = Eksempel();
    struct Raekke { const char* udtryk; int tabel, variabel, maaling; double forventet; };
    const std::vector<Raekke> tabel = {
        {"L", 1, 5, 1, 1.5},               // decimal comma in the cell
        {"T^2", 1, 5, 1, 4},
        {"(L+2*g)/T^2-sqrt(abs(L))", 1, 5, 1, 21.14 / 4 - 1.2247448713915890491},
        {"-L^2", 1, 5, 1, 2.25},           // (-L)^2
        {"D", 1, 5, 1, 100},               // the constant hides the variable
        {"k*R", 1, 5, 1, 6.2},             // the rounded text of an output cell
        {"R", 1, 5, 3, 1000},
        {"a+b", 2, 3, 1, 7},               // variables left of variable 3
        {"L+a", 2, 3, 1, 4.5},             // a lower table, same measurement
        {"a*T", 2, 3, 2, -8},
        {"d", 2, 5, 1, 11},                // a graph sees every variable of its table
        {"pi", 2, 3, 1, Pi},               // table 3 is not visible from table 2
        {"pi", 3, 3, 1, 3},                // a variable named pi hides the constant
        {"sin(2)", 3, 3, 1, 5},            // and one named sin hides the function
        {"g*a", 3, 3, 2, -19.64},
    };
    for (const auto& r : tabel) {
        Fejl = false;
        EXPECT_NEAR(VariabelUdtryk(p, r.udtryk, r.tabel, r.variabel, r.maaling), r.forventet, 1e-14) << r.udtryk;
        EXPECT_FALSE(Fejl) << r.udtryk;
    }
    EXPECT_TRUE(flade.Vist.empty());
}

struct Fejlraekke {
    const char* udtryk;
    int tabel, variabel, maaling;
    std::vector<Visning> forventet;
};

void KontrollerFejl(const TProjekt& p, const std::vector<Fejlraekke>& tabel) {
    for (const auto& r : tabel) {
        FakeFlade flade;
        Fejl = false;
        const double v = VariabelUdtryk(p, r.udtryk, r.tabel, r.variabel, r.maaling);
        EXPECT_TRUE(std::isfinite(v)) << r.udtryk;
        EXPECT_TRUE(Fejl) << r.udtryk;
        ASSERT_EQ(flade.Vist.size(), r.forventet.size()) << r.udtryk;
        for (size_t i = 0; i < r.forventet.size(); ++i) {
            EXPECT_EQ(flade.Vist[i].Tekst, r.forventet[i].Tekst) << r.udtryk;
            EXPECT_EQ(flade.Vist[i].Art, r.forventet[i].Art) << r.udtryk << " box " << i;
        }
    }
    Fejl = false;
}

TEST(VariabelUdtryk, MeddelelserOgDeresRaekkefoelge) {
    const TProjekt p = Eksempel();
    const Boks V = Boks::FejlMedIgnorer, F = Boks::Fejl;
    const std::string s52 = Syntaks(5, 2);
    const std::string ov = "Overl\xF8" "b eller ugyldig regneoperation i udtryk: \n\r";
    KontrollerFejl(p, {
        {"1/0", 1, 5, 2, {{V, "Division med 0 i udtryk: \n\r1/0"}, {V, s52}}},
        {"T/(T-4)", 1, 5, 2, {{V, "Division med 0 i udtryk: \n\rT/(T-4)"}, {V, s52}}},
        {"(-8)^(1/3)", 1, 5, 2,
         {{V, "Illegal negativ rod til exponentialfunktion i funktionsudtryk: \n\r(-8)^(1/3)"}, {V, s52}}},
        {"(2+3", 1, 5, 2, {{V, "Mangler \")\" i funktionsudtryk: (2+3"}, {V, s52}}},
        {"sqrt 4", 1, 5, 2, {{V, "Mangler \"(\" i funktionsudtryk: sqrt"}, {V, s52}}},
        {"foo+1", 1, 5, 2, {{V, "Variabel eller funktion \"foo\" er ukendt! "}, {V, s52}}},
        {"Sin(0)", 1, 5, 2, {{V, "Variabel eller funktion \"Sin\" er ukendt! "}, {V, s52}}},
        {"3*", 1, 5, 2, {{V, "Variabel eller funktion \"\" er ukendt! "}, {V, s52}}},
        {"+3", 1, 5, 2, {{V, "Variabel eller funktion \"+\" er ukendt! "}, {V, s52}}},
        {"1.2.3", 1, 5, 2, {{V, "Fejl i tal \"1.2.3\" i funktionsudtryk!"}, {V, s52}}},
        {"2E", 1, 5, 2, {{V, "Fejl i tal \"2E\" i funktionsudtryk!"}, {V, s52}}},
        {"R", 1, 5, 2, {{V, "Fejl i variabel:  i tabel 1"}, {V, s52}}},
        {"L", 1, 5, 3, {{V, "Fejl i variabel: abc i tabel 1"}, {V, Syntaks(5, 3)}}},
        {"a", 2, 3, 4, {{V, "Fejl i variabel: x i tabel 2"}, {V, Syntaks(3, 4)}}},
        {"L", 2, 3, 4, {{V, "Fejl i variabel:  i tabel 1"}, {V, Syntaks(3, 4)}}},  // table 1 has 3 measurements
        {"d", 2, 3, 1, {{V, "Variabel eller funktion \"d\" er ukendt! "}, {V, Syntaks(3, 1)}}},
        {"c", 2, 3, 1, {{V, "Variabel eller funktion \"c\" er ukendt! "}, {V, Syntaks(3, 1)}}},
        {"sin", 2, 3, 1, {{V, "Mangler \"(\" i funktionsudtryk: sin"}, {V, Syntaks(3, 1)}}},
        {"ln(0)", 1, 5, 2, {{F, " x<=0 i ln(x)!"}, {V, s52}}},
        {"log(-1)", 1, 5, 2, {{F, " x<=0 i log(x)!"}, {V, s52}}},
        {"asin(1.5)", 1, 5, 2, {{F, "1.50 er illegalt argument til asin(x)!"}, {V, s52}}},
        // The function is applied even after its argument failed.
        {"ln(R)", 1, 5, 2, {{V, "Fejl i variabel:  i tabel 1"}, {F, " x<=0 i ln(x)!"}, {V, s52}}},
        {"exp(5000)", 1, 5, 2, {{V, ov + "exp(5000)"}, {V, s52}}},
        {"10^400", 1, 5, 2, {{V, ov + "10^400"}, {V, s52}}},
        {"sqrt(-1)", 1, 5, 2, {{V, ov + "sqrt(-1)"}, {V, s52}}},
        {"1e308*10", 1, 5, 2, {{V, ov + "1e308*10"}, {V, s52}}},
        {"hsin(20000)", 1, 5, 2, {{V, ov + "hsin(20000)"}, {V, s52}}},
        // After a division by 0 the term ends but the expression reads on.
        {"1/0+foo", 1, 5, 2,
         {{V, "Division med 0 i udtryk: \n\r1/0+foo"}, {V, "Variabel eller funktion \"foo\" er ukendt! "}, {V, s52}}},
        {"1/0*foo", 1, 5, 2, {{V, "Division med 0 i udtryk: \n\r1/0*foo"}, {V, s52}}},
        // A negative root ends the powers; the rest of the text is not read.
        {"(-8)^0.5^2+foo", 1, 5, 2,
         {{V, "Illegal negativ rod til exponentialfunktion i funktionsudtryk: \n\r(-8)^0.5^2+foo"}, {V, s52}}},
        // An error already standing skips the multiplication and reads on.
        {"R*foo", 1, 5, 2, {{V, "Fejl i variabel:  i tabel 1"}, {V, "Variabel eller funktion \"foo\" er ukendt! "}, {V, s52}}},
    });
}

TEST(VariabelUdtryk, MeddelelseKortesTil255Tegn) {
    const TProjekt p = Eksempel();
    std::string udtryk = "1/0";
    while (udtryk.size() < 300) udtryk += "+1";
    FakeFlade flade;
    Fejl = false;
    VariabelUdtryk(p, udtryk, 1, 5, 1);
    ASSERT_EQ(flade.Vist.size(), 2u);
    const std::string forventet = ("Division med 0 i udtryk: \n\r" + udtryk.substr(0, 255)).substr(0, 255);
    EXPECT_EQ(flade.Vist[0].Tekst, forventet);
    EXPECT_EQ(flade.Vist[0].Tekst.size(), 255u);
    Fejl = false;
}

TEST(VariabelUdtryk, IgnorerRydderFlagetOgSpringerSyntakslinjenOver) {
    const TProjekt p = Eksempel();
    FakeFlade flade;
    flade.Svar = {true};
    Fejl = false;
    EXPECT_EQ(VariabelUdtryk(p, "1/0", 1, 5, 1), 1);  // the term returns its value so far
    EXPECT_FALSE(Fejl);
    ASSERT_EQ(flade.Tekster(), std::vector<std::string>{"Division med 0 i udtryk: \n\r1/0"});
}

TEST(VariabelUdtryk, StaaendeFejlGiverSyntakslinjen) {
    const TProjekt p = Eksempel();
    FakeFlade flade;
    Fejl = true;
    EXPECT_EQ(VariabelUdtryk(p, "2+2", 1, 5, 7), 4);
    ASSERT_EQ(flade.Tekster(), std::vector<std::string>{Syntaks(5, 7)});
    Fejl = false;
}

TEST(VariabelUdtryk, DybIndlejringStopperMedEnMeddelelse) {
    const TProjekt p = Eksempel();
    {
        FakeFlade flade;
        Fejl = false;
        const std::string udtryk = std::string(100, '(') + "7" + std::string(100, ')');
        EXPECT_EQ(VariabelUdtryk(p, udtryk, 1, 5, 1), 7);
        EXPECT_TRUE(flade.Vist.empty());
    }
    FakeFlade flade;
    Fejl = false;
    const std::string udtryk = std::string(254, '(') + "1";
    VariabelUdtryk(p, udtryk, 1, 5, 1);
    EXPECT_TRUE(Fejl);
    ASSERT_EQ(flade.Vist.size(), 2u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst,
              ("For mange parenteser inden i hinanden i udtryk (h\xF8jst 200): \n\r" + udtryk).substr(0, 255));
    EXPECT_EQ(flade.Vist[1].Tekst, Syntaks(5, 1));
    Fejl = false;
}

// The compiled evaluation against reading the text afresh: the same bits and
// the same boxes in the same order, with and without the user's Ignore.
TEST(VariabelUdtryk, OversatOgDirekteErEns) {
    const TProjekt p = Eksempel();
    const std::vector<const char*> udtryk = {
        "(L+2*g)/T^2-sqrt(abs(L))", "L/T", "T/(T-4)", "1/0+foo", "(-8)^(1/3)", "ln(T-2)", "R*k",
        "L^T^0.5", "asin(L/2)", "exp(R)", "log(R)-ln(T)", "-L^2+D", "sqrt(L-2)", "int(L*3)+hcos(T)",
        "tan(L)", "(L+T", "2+3 4", "L)", "3*", "L+-T", "atan(L)*pi", "D^-T", "0^L", "(0-L)^0.5",
        "T^2", "L^3*R", "(T-3)^-1", "2^-T", "L^(1/2)", "R^2^2^2", "1e200*R^50", "R/T", "-T^2", "T^(2)",
    };
    for (const char* u : udtryk) {
        for (int m = 1; m <= 3; ++m) {
            for (bool ignorer : {false, true}) {
                FakeFlade a;
                if (ignorer) a.Svar = std::deque<bool>(8, true);
                Fejl = false;
                const double va = VariabelUdtryk(p, u, 1, 5, m);
                const bool fa = Fejl;
                const auto vistA = a.Tekster();
                SaetFlade(nullptr);
                FakeFlade b;
                if (ignorer) b.Svar = std::deque<bool>(8, true);
                Fejl = false;
                const double vb = VariabelUdtrykDirekte(p, u, 1, 5, m);
                EXPECT_EQ(std::memcmp(&va, &vb, sizeof va), 0) << u << " m=" << m << " " << va << " " << vb;
                EXPECT_EQ(fa, Fejl) << u << " m=" << m;
                EXPECT_EQ(vistA, b.Tekster()) << u << " m=" << m;
            }
        }
    }
    Fejl = false;
}

// A constant that is not a real number (set by hand, not typed) must never
// come out as a value, whichever way the expression is evaluated.
TEST(VariabelUdtryk, IkkeEndeligKonstantGiverMeddelelse) {
    TProjekt p = Eksempel();
    test::SaetKonstant(p, 4, "h", HUGE_VAL);
    for (const char* u : {"h", "1/abs(h)", "1/h", "h*0", "-h", "h^0", "sqrt(h)", "int(h)-h"}) {
        FakeFlade a;
        Fejl = false;
        const double va = VariabelUdtryk(p, u, 1, 5, 1);
        const auto vistA = a.Tekster();
        const bool fa = Fejl;
        SaetFlade(nullptr);
        FakeFlade b;
        Fejl = false;
        const double vb = VariabelUdtrykDirekte(p, u, 1, 5, 1);
        EXPECT_TRUE(std::isfinite(va)) << u;
        EXPECT_EQ(va, vb) << u;
        EXPECT_EQ(fa, Fejl) << u;
        EXPECT_EQ(vistA, b.Tekster()) << u;
    }
    Fejl = false;
}

TEST(VariabelUdtryk, ProgramLavesKunForTekstUdenFejl) {
    const TProjekt p = Eksempel();
    struct Raekke { const char* udtryk; bool altidDirekte; };
    const std::vector<Raekke> tabel = {
        {"(L+2*g)/T^2-sqrt(abs(L))", false}, {"1/0", false}, {"ln(0)", false}, {"2+3 4", false},
        {"L)", false}, {"pi*D", false},
        {"foo+1", true}, {"(2", true}, {"3*", true}, {"1.2.3", true}, {"sqrt 2", true}, {"+3", true}, {"", true},
    };
    for (const auto& r : tabel)
        EXPECT_EQ(OversaetUdtryk(p, r.udtryk, 1, 5).AltidDirekte, r.altidDirekte) << r.udtryk;
    const TUdtrykProgram prog = OversaetUdtryk(p, "(L+2*g)/T^2-sqrt(abs(L))+L", 1, 5);
    EXPECT_EQ(prog.Navne, (std::vector<std::string>{"L", "g", "T", "sqrt", "abs"}));
}

TEST(VariabelUdtryk, NavneOgCellerLaesesVedHvertKald) {
    TProjekt p = Eksempel();
    FakeFlade flade;
    Fejl = false;
    EXPECT_EQ(VariabelUdtryk(p, "a+b", 2, 3, 1), 7);
    p.Tabeller[2].Celler.SaetCelle("10", 1, 2);  // a new value in the cell
    EXPECT_EQ(VariabelUdtryk(p, "a+b", 2, 3, 1), 14);
    test::SaetKonstant(p, 4, "b", 0.5);  // a constant now hides b
    EXPECT_EQ(VariabelUdtryk(p, "a+b", 2, 3, 1), 10.5);
    p.Tabeller[2].Variable[1].Navn = "sqrt";  // a becomes unknown, sqrt a variable
    EXPECT_EQ(VariabelUdtryk(p, "sqrt(4)", 2, 3, 1), 10);
    EXPECT_TRUE(flade.Vist.empty());
    VariabelUdtryk(p, "a+b", 2, 3, 1);
    EXPECT_EQ(flade.Tekster(),
              (std::vector<std::string>{"Variabel eller funktion \"a\" er ukendt! ", Syntaks(3, 1)}));
    Fejl = false;
    // Another project with the same expression, table and variable.
    const TProjekt q = Eksempel();
    EXPECT_EQ(VariabelUdtryk(q, "a+b", 2, 3, 2), -1);
    EXPECT_EQ(VariabelUdtryk(p, "sqrt(4)", 2, 3, 1), 10);
    // An unknown name that the next project knows.
    flade.Vist.clear();
    VariabelUdtryk(p, "e2+1", 2, 3, 1);
    EXPECT_EQ(flade.Vist.size(), 2u);
    Fejl = false;
    p.Tabeller[1].Variable[4].Navn = "e2";
    EXPECT_NEAR(VariabelUdtryk(p, "e2+1", 2, 3, 1), 4.1, 1e-15);
    EXPECT_EQ(flade.Vist.size(), 2u);
    EXPECT_FALSE(Fejl);
}

TEST(VariabelUdtryk, EnBlankStopperUdtrykket) {
    FakeFlade flade;
    const TProjekt p = Eksempel();
    Fejl = false;
    EXPECT_EQ(VariabelUdtryk(p, "L *1000", 1, 5, 1), 1.5);
    EXPECT_EQ(VariabelUdtryk(p, " L", 1, 5, 1), 0);  // a blank first: no factor
    EXPECT_TRUE(Fejl);
    EXPECT_EQ(flade.Tekster(),
              (std::vector<std::string>{"Variabel eller funktion \" \" er ukendt! ", Syntaks(5, 1)}));
    Fejl = false;
}

}  // namespace
}  // namespace plotvik
