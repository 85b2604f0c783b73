// Uncertainties computed with the table: propagation through output
// variables checked against hand calculations and a Monte-Carlo estimate,
// the symbolic derivatives against differences, and the messages for bad
// uncertainties.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/ProjektFil.h"
#include <fstream>
#include <sstream>
#include "graphs/GrafTegning.h"
#include "graphs/Usikkerhed.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"
#include "tabeller/TabelBeregning.h"
#include "tabeller/TabelUsikkerhed.h"

namespace plotvik {
namespace {

// Constant c = 3, table 1 with inputs x, y, uy and the output f (formula
// given), measurements x = 2, 1; y = 4, 5; uy = 0.2, 0.3; table 2 with the
// output w = 2*x reading table 1.
void Projekt(TProjekt& p, const std::string& formel) {
    StartProjekt(p);
    for (const std::string& linie :
         {std::string("Konstant(1): c = 3;"),
          std::string("Tabel(1): tabel_type=S; antal_variable=4; antal_indgange= 2; tabel_bredde= 10;"),
          std::string("Variabel(1,1): x:=?;"), std::string("Variabel(1,2): y:=?;"),
          std::string("Variabel(1,3): uy:=?;"), "Variabel(1,4): f:= " + formel + ":14:0;",
          std::string("Tabel(2): tabel_type=S; antal_variable=1; antal_indgange= 2; tabel_bredde= 10;"),
          std::string("Variabel(2,1): w:= 2*x:14:0;")})
        FortolkProjektLinie(p, linie);
    p.Tabeller[0].AntalIndgange = 1;
    AnalyserTabel(p, 0);
    AnalyserTabel(p, 1);
    AnalyserTabel(p, 2);
    ASSERT_FALSE(Fejl);
    const char* celler[3][2] = {{"2", "1"}, {"4", "5"}, {"0,2", "0.3"}};
    for (int v = 1; v <= 3; ++v)
        for (int m = 1; m <= 2; ++m) p.Tabeller[1].Celler.SaetCelle(celler[v - 1][m - 1], v, m + 1);
}

void Saet(TProjekt& p, int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
    ASSERT_EQ(SaetUsikkerhed(p, t, v, art, tekst), "") << tekst;
}

TEST(Usikkerhed, PropagationAgreesWithHandCalculations) {
    // u(x) = 0.1 (absolute; 5 % of 2 for the relative rows), u(y) = 0.2 (its
    // column), u(c) = 0.5. Expected values by hand for measurement 1
    // (x = 2, y = 4): sqrt(sum of (df/dxi * u(xi))^2).
    const struct {
        const char* formel;
        TUsikkerhedsArt xArt;
        const char* xTekst;
        double u;
    } raekker[] = {
        {"x*y", TUsikkerhedsArt::Absolut, "0,1", std::sqrt(0.4 * 0.4 + 0.4 * 0.4)},       // y ux, x uy
        {"x/y", TUsikkerhedsArt::Absolut, "0.1", std::sqrt(2.0) * 0.025},                 // ux/y, x uy/y^2
        {"x^3", TUsikkerhedsArt::Relativ, "5", 3 * 4 * 0.1},                              // 3 x^2 ux
        {"x+c", TUsikkerhedsArt::Absolut, "0,1", std::sqrt(0.01 + 0.25)},                 // ux, uc
        {"sin(x)", TUsikkerhedsArt::Relativ, "5 %", std::fabs(std::cos(2.0)) * 0.1},      // |cos x| ux
        {"ln(y)", TUsikkerhedsArt::Ingen, "", 0.2 / 4},                                   // uy / y
        {"x^2*y", TUsikkerhedsArt::Absolut, "0,1", std::sqrt(std::pow(2 * 2 * 4 * 0.1, 2) + std::pow(4 * 0.2, 2))},
    };
    for (const auto& r : raekker) {
        test::FakeFlade flade;
        TProjekt p;
        Projekt(p, r.formel);
        Saet(p, 1, 1, r.xArt, r.xTekst);
        Saet(p, 1, 2, TUsikkerhedsArt::Soejle, "uy");
        Saet(p, 0, 1, TUsikkerhedsArt::Absolut, "0,5");
        BeregnTabel(p, 1);
        EXPECT_TRUE(flade.Vist.empty()) << r.formel;
        ASSERT_EQ(p.Tabeller[1].Usikkerheder[4].size(), 3u) << r.formel;
        EXPECT_NEAR(p.Tabeller[1].Usikkerheder[4][1], r.u, 1e-12 * r.u) << r.formel;
    }
}

TEST(Usikkerhed, AVariableOfALowerTableCarriesItsUncertainty) {
    test::FakeFlade flade;
    TProjekt p;
    Projekt(p, "x*y");
    Saet(p, 1, 1, TUsikkerhedsArt::Relativ, "10");
    BeregnTabel(p, 1);
    BeregnTabel(p, 2);
    EXPECT_TRUE(flade.Vist.empty());
    // w = 2x, u(x) = 10 % of x: 0.4 for x = 2, 0.2 for x = 1.
    ASSERT_EQ(p.Tabeller[2].Usikkerheder[1].size(), 3u);
    EXPECT_NEAR(p.Tabeller[2].Usikkerheder[1][1], 0.4, 1e-15);
    EXPECT_NEAR(p.Tabeller[2].Usikkerheder[1][2], 0.2, 1e-15);
    EXPECT_EQ(UsikkerhedsCelle(p.Tabeller[2], 1, 1), FormaterTal(14, 0, 0.4L));
}

TEST(Usikkerhed, PropagationAgreesWithAMonteCarloEstimate) {
    // g = 2*h/t^2 (a fall from rest) with h = 1,5 +- 0,01 m and t = 0,55 +- 0,01 s.
    test::FakeFlade flade;
    TProjekt p;
    Projekt(p, "2*x/y^2");
    p.Tabeller[1].Celler.SaetCelle("1,5", 1, 2);
    p.Tabeller[1].Celler.SaetCelle("0,55", 2, 2);
    Saet(p, 1, 1, TUsikkerhedsArt::Absolut, "0,01");
    Saet(p, 1, 2, TUsikkerhedsArt::Absolut, "0,01");
    BeregnTabel(p, 1);
    const double u = p.Tabeller[1].Usikkerheder[4][1];
    std::mt19937_64 gen(20261210);
    std::normal_distribution<double> h(1.5, 0.01), t(0.55, 0.01);
    const int n = 1000000;
    double sum = 0, kvadrater = 0;
    for (int i = 0; i < n; ++i) {
        const double tt = t(gen), g = 2 * h(gen) / (tt * tt);
        sum += g;
        kvadrater += g * g;
    }
    const double middel = sum / n, spredning = std::sqrt((kvadrater - n * middel * middel) / (n - 1));
    EXPECT_NEAR(u, spredning, 0.01 * spredning);
}

TEST(Usikkerhed, SymbolicDerivativesAgreeWithDifferences) {
    // symbolsk: whether every derivative is expected to be symbolic. In the
    // last one the derivative by y, with x a number, is a minus before a
    // power, (-(x^2)/(1+y)^2...): it must keep its sign (a minus binds
    // tighter than ^) and so stay symbolic.
    const struct {
        const char* formel;
        bool symbolsk;
    } raekker[] = {{"x*y", true},          {"x/y", true},           {"x^3+2*y", true},
                   {"sin(x)*cos(y)", true}, {"ln(x*y)", true},      {"exp(-x/y)", true},
                   {"sqrt(x^2+y^2)", true}, {"atan(y/x)", true},    {"x^y", true},
                   {"c*x^2/(1+y)", true}};
    for (const auto& [formel, symbolsk] : raekker) {
        test::FakeFlade flade;
        TProjekt p;
        Projekt(p, formel);
        TForplantning f(p, formel, 1, 4);
        const TUdtrykProgram& prog = f.Program();
        std::vector<double> v(prog.Navne.size(), 0.0);
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (prog.Navne[i] == "x") v[i] = 0.7;
            if (prog.Navne[i] == "y") v[i] = 1.3;
            if (prog.Navne[i] == "c") v[i] = 3;
        }
        std::vector<double> u(v.size(), 0.1);
        double r = 0;
        ASSERT_TRUE(f.Usikkerhed(v.data(), u.data(), r)) << formel;
        bool alle = true;
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (!f.ErKilde(i)) continue;
            alle = alle && f.Symbolsk(i);
            double a = 0, d = 0;
            ASSERT_TRUE(f.Afledt(i, v.data(), a)) << formel;
            ASSERT_TRUE(f.Difference(i, v.data(), d)) << formel;
            EXPECT_NEAR(a, d, 1e-6 * std::max(1.0, std::fabs(d))) << formel << " by " << prog.Navne[i];
        }
        EXPECT_EQ(alle, symbolsk) << formel;
    }
}

TEST(Usikkerhed, BadUncertaintiesAreNamedAndNothingIsHalfApplied) {
    const struct {
        const char* celle;  // uy of measurement 2
        const char* besked;
    } raekker[] = {
        {"-0,3", "Usikkerheden i tabel 1, variabel uy, m\xE5ling 2 er negativ: '-0,3'"},
        {"abc", "Usikkerheden i tabel 1, variabel uy, m\xE5ling 2 er ikke et tal: 'abc'"},
        {"", "Usikkerheden i tabel 1, variabel uy, m\xE5ling 2 er ikke et tal: ''"},
    };
    for (const auto& r : raekker) {
        test::FakeFlade flade;
        TProjekt p;
        Projekt(p, "x*y");
        Saet(p, 1, 1, TUsikkerhedsArt::Absolut, "0,1");
        Saet(p, 1, 2, TUsikkerhedsArt::Soejle, "uy");
        p.Tabeller[1].Celler.SaetCelle(r.celle, 3, 3);
        BeregnTabel(p, 1);
        ASSERT_EQ(flade.Tekster(), std::vector<std::string>{r.besked});
        for (const auto& u : p.Tabeller[1].Usikkerheder) EXPECT_TRUE(u.empty()) << r.celle;
        bool fejl = false;
        EXPECT_EQ(TekstTilTal(p.Tabeller[1].Celler.HentCelle(4, 2), fejl), 8.0) << "the values are still computed";
    }
}

TEST(Usikkerhed, BadDefinitionsAreRefusedAndLeaveTheOldOne) {
    const struct {
        int t, v;
        TUsikkerhedsArt art;
        const char* tekst;
        const char* besked;
    } raekker[] = {
        {1, 1, TUsikkerhedsArt::Absolut, "-1", "Usikkerheden p\xE5 x i tabel 1 skal v\xE6re et tal p\xE5 mindst 0: '-1'"},
        {1, 1, TUsikkerhedsArt::Relativ, "to %", "Usikkerheden p\xE5 x i tabel 1 skal v\xE6re et tal p\xE5 mindst 0: 'to %'"},
        {1, 1, TUsikkerhedsArt::Absolut, "", "Usikkerheden p\xE5 x i tabel 1 skal v\xE6re et tal p\xE5 mindst 0: ''"},
        {0, 1, TUsikkerhedsArt::Absolut, "x", "Usikkerheden p\xE5 konstanten c skal v\xE6re et tal p\xE5 mindst 0: 'x'"},
        {1, 1, TUsikkerhedsArt::Soejle, "q",
         "Usikkerheden p\xE5 x i tabel 1 skal st\xE5 i en anden inddatavariabel i samme tabel: 'q'"},
        {1, 1, TUsikkerhedsArt::Soejle, "x",
         "Usikkerheden p\xE5 x i tabel 1 skal st\xE5 i en anden inddatavariabel i samme tabel: 'x'"},
        {1, 1, TUsikkerhedsArt::Soejle, "f",
         "Usikkerheden p\xE5 x i tabel 1 skal st\xE5 i en anden inddatavariabel i samme tabel: 'f'"},
    };
    for (const auto& r : raekker) {
        TProjekt p;
        Projekt(p, "x*y");
        Saet(p, r.t, r.v, TUsikkerhedsArt::Absolut, "0,5");
        EXPECT_EQ(SaetUsikkerhed(p, r.t, r.v, r.art, r.tekst), r.besked);
        EXPECT_EQ(p.Tabeller[r.t].Variable[r.v].UsikkerhedsArt, TUsikkerhedsArt::Absolut) << r.tekst;
        EXPECT_EQ(p.Tabeller[r.t].Variable[r.v].UsikkerhedsTekst, "0,5") << r.tekst;
    }
}

TEST(Usikkerhed, AProjectWithoutUncertaintiesComputesNone) {
    test::FakeFlade flade;
    TProjekt p;
    Projekt(p, "x*y");
    BeregnTabel(p, 1);
    BeregnTabel(p, 2);
    for (int t = 0; t <= 2; ++t)
        for (const auto& u : p.Tabeller[t].Usikkerheder) EXPECT_TRUE(u.empty()) << t;
    // A definition taken away again leaves nothing behind after the next computation.
    Saet(p, 1, 1, TUsikkerhedsArt::Absolut, "0,1");
    BeregnTabel(p, 1);
    EXPECT_FALSE(p.Tabeller[1].Usikkerheder[4].empty());
    Saet(p, 1, 1, TUsikkerhedsArt::Ingen, "");
    BeregnTabel(p, 1);
    for (const auto& u : p.Tabeller[1].Usikkerheder) EXPECT_TRUE(u.empty());
}

TEST(Usikkerhed, TheFallExampleGivesGWithItsUncertainty) {
    test::FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    const std::string navn = test::Kildesti("examples/Faldlod.prj");
    p.ProjektFilNavn = navn;
    LaesProjektFil(p, navn);
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    std::ifstream ind(navn, std::ios::binary);
    std::ostringstream fil;
    fil << ind.rdbuf();
    EXPECT_EQ(ProjektFilIndhold(p), fil.str()) << "written back byte for byte";
    flade.FilSvar = {StandardDataFilNavn(p, 1)};
    IndlaesDataFil(p, 1);
    BeregnTabel(p, 1);
    ASSERT_EQ(flade.Vist.size(), 1u) << flade.Sidste();  // the data file's own notice
    // g = 2h/t^2, u(g)^2 = (2 u(h)/t^2)^2 + (4h u(t)/t^3)^2 with u(h) = 0,005 m
    // and u(t) from the column ut, by hand for each measurement.
    const double g[] = {9.707, 9.919, 9.740, 9.901, 9.789, 9.875};
    const double u[] = {0.453, 0.306, 0.185, 0.160, 0.100, 0.090};
    for (int m = 1; m <= 6; ++m) {
        bool fejl = false;
        EXPECT_NEAR(TekstTilTal(p.Tabeller[1].Celler.HentCelle(4, m + 1), fejl), g[m - 1], 0.006) << m;
        EXPECT_NEAR(p.Tabeller[1].Usikkerheder[4][std::size_t(m)], u[m - 1], 0.0006) << m;
    }
    // The graph h against t^2 is a weighted line whose slope is g/2.
    TGrafArkene arkene;
    TTegneTilstand tt;
    const TTegnetFit f = TegnTabelGraf(p, arkene, tt, 1, 1);
    ASSERT_TRUE(f.Beregnet);
    EXPECT_NEAR(2 * f.Linie.b, 9.82, 0.15);
    EXPECT_EQ(tt.UsikkerhedX.size(), 6u) << "t^2 carries the uncertainty of t";
    EXPECT_EQ(tt.UsikkerhedY.size(), 6u);
    // u(t^2) = 2 t u(t): for the first point 2 * 0,203 * 0,004.
    EXPECT_NEAR(tt.UsikkerhedX[0], 2 * 0.203 * 0.004, 1e-12);
}

}  // namespace
}  // namespace plotvik
