// Computing a table's output columns, and the mean and standard deviation of
// one column, on projects built from their description lines.
#include <gtest/gtest.h>

#include "tabeller/TabelBeregning.h"
#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

// The Pendul project with the values typed in, as the window holds it.
void Pendul(TProjekt& p, const std::vector<std::pair<std::string, std::string>>& maalinger) {
    StartProjekt(p);
    for (const char* linie : {"Konstant(1): g = 9.82 [m/s^2];",
                              "Tabel(1): tabel_type=S; antal_variable=4; antal_indgange= 5; tabel_bredde= 10;",
                              "Variabel(1,1): L:=?[m];", "Variabel(1,2): T:=?[s];",
                              "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];", "Variabel(1,4): r:= a/g:8:2;"})
        FortolkProjektLinie(p, linie);
    p.Tabeller[1].AntalIndgange = static_cast<int>(maalinger.size());
    AnalyserTabel(p, 1);
    p.Tabeller[0].AntalIndgange = 1;
    AnalyserTabel(p, 0);
    ASSERT_FALSE(Fejl);
    for (size_t m = 0; m < maalinger.size(); ++m) {
        p.Tabeller[1].Celler.SaetCelle(maalinger[m].first, 1, static_cast<int>(m) + 2);
        p.Tabeller[1].Celler.SaetCelle(maalinger[m].second, 2, static_cast<int>(m) + 2);
    }
}

TEST(TabelBeregning, OutputColumnsInVariableOrderWithTheirFormats) {
    test::FakeFlade flade;
    TProjekt p;
    Pendul(p, {{"0.2", "0.90"}, {"0,4", "1.27"}, {"1.0", "2.00"}});
    BeregnTabel(p, 1);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    // By hand: a = L/T^2 and r = a/9.82 (r uses the column a computed just before).
    const struct { int m; const char* a; const char* r; } raekker[] = {
        {1, "0.247", "0.03"},   // 0.2/0.81 = 0.24691, /9.82 = 0.02514
        {2, "0.248", "0.03"},   // 0.4/1.6129 = 0.24800, /9.82 = 0.02525
        {3, "0.250", "0.03"},   // 1/4 = 0.25, /9.82 = 0.02546
    };
    for (const auto& r : raekker) {
        EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, r.m + 1), r.a) << r.m;
        EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(4, r.m + 1), r.r) << r.m;
    }
    // Input cells are never touched.
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 3), "0,4");
}

TEST(TabelBeregning, AnErrorStopsAtTheFailingMeasurementAndKeepsWhatWasComputed) {
    test::FakeFlade flade;
    TProjekt p;
    Pendul(p, {{"0.2", "0.90"}, {"0.4", "x"}, {"1.0", "2.00"}});
    p.Tabeller[1].Celler.SaetCelle("gammel", 3, 4);
    BeregnTabel(p, 1);
    EXPECT_FALSE(Fejl) << "the computation always ends with the flag clear";
    EXPECT_FALSE(flade.Vist.empty()) << "the evaluator reported the bad value";
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 2), "0.247");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 3), "");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(3, 4), "gammel");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(4, 2), "") << "later variables are not computed";
}

TEST(TabelBeregning, ATableOfInputOnlyComputesNothing) {
    test::FakeFlade flade;
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, "Tabel(1): tabel_type=R; antal_variable=1; antal_indgange= 2; tabel_bredde= 8;");
    FortolkProjektLinie(p, "Variabel(1,1): x:=?;");
    AnalyserTabel(p, 1);
    p.Tabeller[1].Celler.SaetCelle("7", 1, 2);
    BeregnTabel(p, 1);
    EXPECT_FALSE(Fejl);
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 2), "7");
}

TEST(TabelBeregning, OnlyLongerExpressionsBeginningWithFourierGoToTheTransformation) {
    const struct { const char* udtryk; bool fourier; } raekker[] = {
        {"fourier(t,y)", true}, {"Fourier(t,y)", true}, {"FOURIER(t,y)", true},
        {"fourier1", false},  // 8 characters: an ordinary expression
        {"fourie(t,y)", false}, {"x+fourier(t,y)", false}, {"", false},
    };
    for (const auto& r : raekker) EXPECT_EQ(ErFourierUdtryk(r.udtryk), r.fourier) << r.udtryk;
}

TEST(TabelBeregning, MeanAndStandardDeviationWithTheUnitRule) {
    struct Raekke {
        const char* overskrift;
        std::vector<const char*> vaerdier;
        const char* gns;
        const char* spredning;
    };
    // By hand: 1..4 mean 2.5, s = sqrt(5/3) = 1.29099; 12345 and 12347 mean 12346, s = sqrt(2) = 1.41421.
    const Raekke raekker[] = {
        {"u", {"1", "2", "3", "4"}, "2.500", "1.291"},
        {"u [m]", {"1", "2", "3", "4"}, "2.500 [m]", "1.291 [m]"},
        {"u [m]", {"12345", "12347"}, "1.2E+04 [m]", "1.414 [m]"},
        {"u", {"12345", "12347"}, "1.23460E+04", "1.414"},  // 12 positions: 6 significant digits
        {"u [s]", {"2,5"}, "2.500 [s]", ""},  // one measurement: no standard deviation
        {"u [m]", {"3", "3", "3"}, "3.000 [m]", "0.000 [m]"},
    };
    for (const auto& r : raekker) {
        TProjekt p;
        TTabelDef& t = p.Tabeller[1];
        t.AntalVariable = 1;
        t.AntalIndgange = static_cast<int>(r.vaerdier.size());
        t.Variable[1].Navn = "u";
        t.Celler.Opret(1, t.AntalIndgange + 1);
        t.Celler.SaetCelle(r.overskrift, 1, 1);
        for (int m = 1; m <= t.AntalIndgange; ++m) t.Celler.SaetCelle(r.vaerdier[m - 1], 1, m + 1);
        const TGnsOgSpredning g = BeregnGnsOgSpredning(p, 1, 1);
        EXPECT_TRUE(g.Ok) << r.overskrift;
        EXPECT_EQ(g.Gennemsnit, r.gns) << r.overskrift << " " << r.vaerdier[0];
        EXPECT_EQ(g.Spredning, r.spredning) << r.overskrift << " " << r.vaerdier[0];
    }
}

TEST(TabelBeregning, AValueThatIsNoNumberStopsTheStatistics) {
    TProjekt p;
    TTabelDef& t = p.Tabeller[2];
    t.AntalVariable = 2;
    t.AntalIndgange = 3;
    t.Celler.Opret(2, 4);
    for (int m = 2; m <= 4; ++m) t.Celler.SaetCelle("1", 2, m);
    t.Celler.SaetCelle("Anna", 2, 3);
    const TGnsOgSpredning g = BeregnGnsOgSpredning(p, 2, 2);
    EXPECT_FALSE(g.Ok);
    EXPECT_EQ(g.FejlKolonne, 3);
    EXPECT_EQ(g.FejlTekst, "Anna");
}

TEST(TabelBeregning, VariablesAreFoundByTheirExactName) {
    TProjekt p;
    p.Tabeller[1].AntalVariable = 2;
    p.Tabeller[1].Variable[1].Navn = "L";
    p.Tabeller[1].Variable[2].Navn = "T";
    const struct { const char* navn; int v; } raekker[] = {{"L", 1}, {"T", 2}, {"l", 0}, {"", 0}, {"L ", 0}};
    for (const auto& r : raekker) EXPECT_EQ(FindVariabel(p, 1, r.navn), r.v) << r.navn;
}

}  // namespace
}  // namespace plotvik
