// Tables out: the CSV file a spreadsheet opens, its way back in, and the
// clipboard's two flavours of a block of cells.
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

TEST(TabelEksport, FieldsAreQuotedAndLettersBecomeUtf8) {
    TProjekt p = Pendul('S');
    auto& c = p.Tabeller[1].Celler;
    c.SaetCelle("Hansen; \"B\"", 1, 2);  // a text cell with the separator and quotes
    c.SaetCelle("l\xE6ngde", 1, 1);       // a header with a Danish letter
    c.SaetCelle("1,2,3", 2, 2);           // no number: left as typed
    TEksportValg v;
    v.Bom = false;
    EXPECT_EQ(TabelSomCsv(p, 1, v),
              "l\xC3\xA6ngde;T [s];a [m/s^2]\r\n\"Hansen; \"\"B\"\"\";1,2,3;0,247\r\n0,4;1,27;0,248\r\n");
    v.Separator = ',';
    v.DecimalTegn = '.';
    EXPECT_EQ(TabelSomCsv(p, 1, v),
              "l\xC3\xA6ngde,T [s],a [m/s^2]\r\n\"Hansen; \"\"B\"\"\",\"1,2,3\",0.247\r\n0.4,1.27,0.248\r\n");
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

TEST(TabelEksport, FailedWriteLeavesTheOldFile) {
    const std::string mappe = test::NyTempMappe("eksport_fejl");
    TProjekt p = Pendul('S');
    EXPECT_EQ(EksporterTabel(p, 1, mappe + "/findes/ikke/x.csv"), TSkrivning::KanIkkeOprettes);
    std::filesystem::remove_all(mappe);
}

TEST(TabelEksport, ClipboardBlock) {
    TUdklip u = KopierBlok({{"L [m]", "T [s]"}, {"0,2", "<1&2> \"x\""}, {"l\xE6ngde", "a\tb"}});
    EXPECT_EQ(u.TekstUtf8, "L [m]\tT [s]\n0,2\t<1&2> \"x\"\nl\xC3\xA6ngde\ta b\n");
    EXPECT_EQ(u.HtmlUtf8,
              "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"><table>"
              "<tr><td>L [m]</td><td>T [s]</td></tr>"
              "<tr><td>0,2</td><td>&lt;1&amp;2&gt; &quot;x&quot;</td></tr>"
              "<tr><td>l\xC3\xA6ngde</td><td>a\tb</td></tr></table>");
    // What the clipboard text holds comes back as the same block when pasted.
    TImportResultat r = LaesDataTekst("0,2\t0,90\n0,4\t1,27\n");
    EXPECT_EQ(r.Separator, '\t');
    EXPECT_EQ(r.DecimalTegn, ',');
    EXPECT_EQ(KopierBlok({{"0,2", "0,90"}, {"0,4", "1,27"}}).TekstUtf8, "0,2\t0,90\n0,4\t1,27\n");
}

}  // namespace
}  // namespace plotvik
