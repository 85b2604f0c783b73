// Tables out: the CSV file a spreadsheet opens, and its way back in.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/DataImport.h"
#include "files/PlotvikAnalyse.h"
#include "files/TabelEksport.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

// L and T typed (one with a decimal comma, one with a point), a computed as FormaterTal shows it.
TProjekt Pendul(char type) {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, std::string("Tabel(1): tabel_type=") + type +
                               "; antal_variable=3; antal_indgange= 2; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): L:=?[m];");
    FortolkProjektLinie(p, "Variabel(1,2): T:=?[s];");
    FortolkProjektLinie(p, "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];");
    AnalyserTabel(p, 1);
    auto& c = p.Tabeller[1].Celler;
    c.SaetCelle("0,2", 1, 2);
    c.SaetCelle("0.90", 2, 2);
    c.SaetCelle("0.247", 3, 2);
    c.SaetCelle("0,4", 1, 3);
    c.SaetCelle("1,27", 2, 3);
    c.SaetCelle("0.248", 3, 3);
    return p;
}

TEST(TabelEksport, CsvTextForBothSeparators) {
    const std::string semikolon =
        "\xEF\xBB\xBFL [m];T [s];a [m/s^2]\r\n0,2;0,90;0,247\r\n0,4;1,27;0,248\r\n";
    const std::string komma = "L [m],T [s],a [m/s^2]\r\n0.2,0.90,0.247\r\n0.4,1.27,0.248\r\n";
    for (char type : {'S', 'R'}) {
        SCOPED_TRACE(type);
        TProjekt p = Pendul(type);
        EXPECT_EQ(TabelSomCsv(p, 1), semikolon);
        TEksportValg v;
        v.Separator = ',';
        v.DecimalTegn = '.';
        v.Bom = false;
        EXPECT_EQ(TabelSomCsv(p, 1, v), komma);
    }
}

TEST(TabelEksport, RoundTripGivesTheSameValues) {
    for (char sep : {';', ','}) {
        SCOPED_TRACE(sep);
        TProjekt p = Pendul('S');
        TEksportValg v;
        v.Separator = sep;
        v.DecimalTegn = sep == ';' ? ',' : '.';
        const std::string mappe = test::NyTempMappe("eksport");
        const std::string navn = mappe + "/pendul.csv";
        ASSERT_EQ(EksporterTabel(p, 1, navn, v), TSkrivning::Skrevet);

        TImportResultat r = LaesDataTekst(test::LaesBytes(navn));
        EXPECT_EQ(r.Separator, sep);
        EXPECT_EQ(r.DecimalTegn, v.DecimalTegn);
        ASSERT_EQ(r.Hoved.size(), 3u);
        EXPECT_EQ(r.Hoved[2].Navn, "a");
        EXPECT_EQ(r.Hoved[2].Enhed, "m/s^2");

        // Into an empty table of two input variables: L and T only.
        TProjekt tom = Pendul('S');
        for (int m = 2; m <= 3; ++m)
            for (int var = 1; var <= 3; ++var) tom.Tabeller[1].Celler.SaetCelle("", var, m);
        TIndsaetningsValg iv;
        iv.Variabler = {1, 2, 0};
        iv.DecimalTegn = r.DecimalTegn;
        TIndsaetning ind = ForberedIndsaetning(tom, r.Data, iv);
        ASSERT_TRUE(ind.Ok) << ind.Besked;
        UdfoerIndsaetning(tom, 1, ind);
        for (int var = 1; var <= 2; ++var)
            for (int m = 2; m <= 3; ++m) {
                bool f1 = true, f2 = true;
                EXPECT_EQ(TekstTilTal(tom.Tabeller[1].Celler.HentCelle(var, m), f1),
                          TekstTilTal(p.Tabeller[1].Celler.HentCelle(var, m), f2));
                EXPECT_FALSE(f1 || f2);
            }
        // The computed column reads back to the values shown.
        for (int m = 0; m < 2; ++m) {
            bool f = true;
            EXPECT_EQ(TekstTilTal(r.Data.Celle(m, 2), f), m == 0 ? 0.247 : 0.248);
        }
        std::filesystem::remove_all(mappe);
    }
}

}  // namespace
}  // namespace plotvik
