// The example projects: each description converts into its project file byte
// for byte, loads without a message, and its data file fills the table with
// physically sensible values.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/ProjektFil.h"
#include "files/TekstFil.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using test::FakeFlade;

std::string LaesBytes(const std::string& navn) {
    std::ifstream ind(navn, std::ios::binary);
    std::ostringstream ss;
    ss << ind.rdbuf();
    return ss.str();
}

std::string Eksempel(const std::string& navn) { return test::Kildesti("examples/" + navn); }

double Tal(const TProjekt& p, int v, int j) {
    bool fejl = false;
    double x = TekstTilTal(p.Tabeller[1].Celler.HentCelle(v, j + 1), fejl);
    EXPECT_FALSE(fejl) << v << "," << j;
    return x;
}

TEST(Eksempler, EachDescriptionConvertsIntoItsProjectFile) {
    for (const char* navn : {"Pendul", "Fald", "Svingning", "Kondensator", "Opsamling", "Terninger"}) {
        FakeFlade flade;
        TProjekt p;
        StartProjekt(p);
        auto linier = LaesTekstLinier(Eksempel(std::string(navn) + ".txt"));
        ASSERT_TRUE(linier.has_value()) << navn;
        for (const auto& l : *linier) {
            if (l.empty()) continue;
            FortolkProjektLinie(p, l);
            ASSERT_FALSE(Fejl) << navn << ": " << l;
        }
        EXPECT_EQ(ProjektFilIndhold(p), LaesBytes(Eksempel(std::string(navn) + ".prj"))) << navn;
        EXPECT_TRUE(flade.Vist.empty()) << navn;
    }
}

// Loads the example and reads its data file by the default name.
TProjekt Hent(const std::string& navn, FakeFlade& flade) {
    TProjekt p;
    StartProjekt(p);
    p.ProjektFilNavn = Eksempel(navn + ".prj");
    LaesProjektFil(p, p.ProjektFilNavn);
    EXPECT_FALSE(Fejl) << navn;
    flade.FilSvar = {StandardDataFilNavn(p, 1)};
    IndlaesDataFil(p, 1);
    EXPECT_FALSE(Fejl) << navn;
    EXPECT_EQ(flade.Vist.size(), 1u) << navn << ": " << flade.Sidste();
    return p;
}

TEST(Eksempler, PendulPeriodsFollowTheLengths) {
    FakeFlade flade;
    TProjekt p = Hent("Pendul", flade);
    EXPECT_EQ(StandardDataFilNavn(p, 1), Eksempel("PendulTabel_1.dat"));
    EXPECT_EQ(p.Tabeller[1].AntalInddata, 2);
    const double g = p.KonstantVaerdi[1];
    EXPECT_DOUBLE_EQ(g, 9.82);
    for (int j = 1; j <= 5; ++j) {
        double L = Tal(p, 1, j), T = Tal(p, 2, j);
        EXPECT_NEAR(L, 0.2 * j, 1e-12);
        // A measured period within 1 % of 2 pi sqrt(L / g).
        EXPECT_NEAR(T, 2 * M_PI * std::sqrt(L / g), 0.01 * T) << "L = " << L;
    }
}

TEST(Eksempler, FaldHasItsConstantWithADecimalComma) {
    FakeFlade flade;
    TProjekt p = Hent("Fald", flade);
    EXPECT_DOUBLE_EQ(p.KonstantVaerdi[1], 9.82);
    EXPECT_EQ(p.Tabeller[0].Celler.HentCelle(1, 2), "9.820");
    const auto& t = p.Tabeller[1];
    EXPECT_EQ(t.AntalInddata, 1);
    EXPECT_EQ(t.Variable[2].Udtryk, "g*t");
    EXPECT_EQ(t.Variable[3].Udtryk, "g*t^2/2");
    EXPECT_EQ(t.Grafer[2].GrafType, 'P');
    EXPECT_EQ(t.Grafer[2].PolGrad, 2);
    // The graphs' axes hold every computed value: v = g t up to 4.91 m/s, s = g t^2 / 2 up to 1.23 m.
    for (int j = 1; j <= 5; ++j) {
        double tid = Tal(p, 1, j);
        EXPECT_LE(t.Grafer[1].XMin, tid);
        EXPECT_GE(t.Grafer[1].XMax, tid);
        EXPECT_GE(t.Grafer[1].YMax, 9.82 * tid);
        EXPECT_GE(t.Grafer[2].YMax, 9.82 * tid * tid / 2);
    }
}

TEST(Eksempler, SvingningSamplesOnePeriodForItsFourierColumn) {
    FakeFlade flade;
    TProjekt p = Hent("Svingning", flade);
    const auto& t = p.Tabeller[1];
    EXPECT_EQ(t.Variable[3].Udtryk, "Fourier(t,U)");
    EXPECT_EQ(t.Variable[3].Positioner, 8);
    EXPECT_EQ(t.Variable[3].Decimaler, 3);
    EXPECT_EQ(t.Grafer[2].GrafType, 'F');
    EXPECT_EQ(t.Grafer[2].XGraf, "fourier(t)");
    EXPECT_EQ(t.Grafer[2].GrafArkNo, 2);
    // U = 2 + 3 cos(w t) + sin(2 w t), 9 samples over T = 18 ms: the sums of
    // the coefficients computed here by hand give back 2, 3 and 1.
    const int n = 9;
    const double periode = (Tal(p, 1, n) - Tal(p, 1, 1)) * n / (n - 1);
    EXPECT_NEAR(periode, 0.018, 1e-12);
    double a0 = 0, a1 = 0, b2 = 0;
    for (int j = 1; j <= n; ++j) {
        double x = 2 * M_PI * Tal(p, 1, j) / periode, u = Tal(p, 2, j);
        a0 += u / n;
        a1 += 2.0 / n * u * std::cos(x);
        b2 += 2.0 / n * u * std::sin(2 * x);
    }
    EXPECT_NEAR(a0, 2, 0.002);
    EXPECT_NEAR(a1, 3, 0.002);
    EXPECT_NEAR(b2, 1, 0.002);
}

}  // namespace
}  // namespace plotvik
