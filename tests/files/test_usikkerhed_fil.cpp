// Uncertainties in the files: the project file keeps them after the last
// table only when some are given (an old file reads and writes back byte for
// byte), bad lines are named, and the CSV export and the table print carry
// a "\xB1" column beside each variable that has uncertainties.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "files/TabelEksport.h"
#include "files/Udskrift.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

std::string LaesBytes(const std::string& navn) {
    std::ifstream ind(navn, std::ios::binary);
    std::ostringstream ss;
    ss << ind.rdbuf();
    return ss.str();
}

std::string Fald() { return LaesBytes(test::Kildesti("examples/Fald.prj")); }

TEST(UsikkerhedIFil, EveryExampleReadsAndWritesBackByteForByte) {
    for (const char* navn : {"Pendul", "Fald", "Svingning", "Kondensator"}) {
        const std::string fil = LaesBytes(test::Kildesti(std::string("examples/") + navn + ".prj"));
        TProjekt p;
        StartProjekt(p);
        EXPECT_EQ(LaesProjektTekst(p, fil), "") << navn;
        EXPECT_EQ(ProjektFilIndhold(p), fil) << navn;
        for (const auto& t : p.Tabeller)
            for (const auto& v : t.Variable) EXPECT_EQ(v.UsikkerhedsArt, TUsikkerhedsArt::Ingen) << navn;
    }
}

TEST(UsikkerhedIFil, GivenUncertaintiesFollowTheLastTableAndComeBack) {
    const struct {
        int t, v;
        TUsikkerhedsArt art;
        const char* tekst;
        const char* linie;
    } raekker[] = {
        {0, 1, TUsikkerhedsArt::Absolut, "0,01", "0 1 A 0,01"},
        {1, 1, TUsikkerhedsArt::Relativ, "2", "1 1 R 2"},
        {1, 1, TUsikkerhedsArt::Absolut, "0.005", "1 1 A 0.005"},
        {1, 1, TUsikkerhedsArt::Soejle, "ut", "1 1 S ut"},
        {1, 3, TUsikkerhedsArt::Relativ, "", "1 3 R "},
    };
    for (const auto& r : raekker) {
        TProjekt p;
        StartProjekt(p);
        ASSERT_EQ(LaesProjektTekst(p, Fald()), "");
        p.Tabeller[r.t].Variable[r.v].UsikkerhedsArt = r.art;
        p.Tabeller[r.t].Variable[r.v].UsikkerhedsTekst = r.tekst;
        const std::string fil = ProjektFilIndhold(p);
        EXPECT_EQ(fil, Fald() + "Usikkerheder 1\r\n" + r.linie + "\r\n") << r.linie;
        TProjekt q;
        StartProjekt(q);
        EXPECT_EQ(LaesProjektTekst(q, fil), "") << r.linie;
        EXPECT_EQ(q.Tabeller[r.t].Variable[r.v].UsikkerhedsArt, r.art) << r.linie;
        EXPECT_EQ(q.Tabeller[r.t].Variable[r.v].UsikkerhedsTekst, r.tekst) << r.linie;
        EXPECT_EQ(ProjektFilIndhold(q), fil) << r.linie;
    }
    // Several: constants first, then the tables in order, each by variable number.
    TProjekt p;
    StartProjekt(p);
    ASSERT_EQ(LaesProjektTekst(p, Fald()), "");
    p.Tabeller[1].Variable[1].UsikkerhedsArt = TUsikkerhedsArt::Relativ;
    p.Tabeller[1].Variable[1].UsikkerhedsTekst = "2";
    p.Tabeller[0].Variable[1].UsikkerhedsArt = TUsikkerhedsArt::Absolut;
    p.Tabeller[0].Variable[1].UsikkerhedsTekst = "0,01";
    EXPECT_EQ(ProjektFilIndhold(p), Fald() + "Usikkerheder 2\r\n0 1 A 0,01\r\n1 1 R 2\r\n");
}

TEST(UsikkerhedIFil, AnOldFileForgetsTheUncertaintiesOfTheProjectBefore) {
    TProjekt p;
    StartProjekt(p);
    ASSERT_EQ(LaesProjektTekst(p, Fald() + "Usikkerheder 1\r\n1 1 R 2\r\n"), "");
    ASSERT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsArt, TUsikkerhedsArt::Relativ);
    NulstilProjekt(p);
    ASSERT_EQ(LaesProjektTekst(p, Fald()), "");
    EXPECT_EQ(p.Tabeller[1].Variable[1].UsikkerhedsArt, TUsikkerhedsArt::Ingen);
    EXPECT_EQ(ProjektFilIndhold(p), Fald());
}

TEST(UsikkerhedIFil, BadLinesAreNamedByTheirLineNumber) {
    // Fald.prj has 24 lines: the heading of the uncertainties is line 25.
    const std::string kort = "Fejl ved l\xE6sning af projektfilen i linie 26: en usikkerhed skal beskrives af tabel, "
                             "variabel, art (A, R eller S) og v\xE6rdi";
    const struct {
        const char* tillaeg;
        std::string besked;
    } raekker[] = {
        {"Usikkerheder x\r\n", "Fejl ved l\xE6sning af projektfilen i linie 25: antallet af usikkerheder mangler"},
        {"Usikkerheder 1\r\n1 1 Q 2\r\n", kort},
        {"Usikkerheder 1\r\n1 4 A 2\r\n", kort},   // Fald's table has three variables
        {"Usikkerheder 1\r\n2 1 A 2\r\n", kort},   // and there is one table
        {"Usikkerheder 1\r\n1 1\r\n", kort},
        {"Usikkerheder 1\r\n0 2 A 1\r\n", kort},   // one constant
    };
    for (const auto& r : raekker) {
        TProjekt p;
        StartProjekt(p);
        EXPECT_EQ(LaesProjektTekst(p, Fald() + r.tillaeg), r.besked) << r.tillaeg;
    }
}

// Table 1: L typed, a computed, with the uncertainties a computation left.
TProjekt Pendul(char type) {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, std::string("Tabel(1): tabel_type=") + type +
                               "; antal_variable=2; antal_indgange= 2; tabel_bredde= 8;");
    FortolkProjektLinie(p, "Variabel(1,1): L:=?[m];");
    FortolkProjektLinie(p, "Variabel(1,2): a:= 2*L:8:3 [m];");
    AnalyserTabel(p, 1);
    auto& c = p.Tabeller[1].Celler;
    c.SaetCelle("0,2", 1, 2);
    c.SaetCelle("0.400", 2, 2);
    c.SaetCelle("0,4", 1, 3);
    c.SaetCelle("0.800", 2, 3);
    p.Tabeller[1].Usikkerheder[2] = {0, 0.0123, 0.05};
    return p;
}

TEST(UsikkerhedIFil, TheCsvFileHasTheUncertaintyColumn) {
    for (char type : {'S', 'R'}) {
        TProjekt p = Pendul(type);
        EXPECT_EQ(TabelSomCsv(p, 1),
                  "\xEF\xBB\xBFL [m];a [m];\xC2\xB1 a [m]\r\n0,2;0,400;0,012\r\n0,4;0,800;0,050\r\n")
            << type;
        TEksportValg uden;
        uden.MedUsikkerheder = false;
        EXPECT_EQ(TabelSomCsv(p, 1, uden), "\xEF\xBB\xBFL [m];a [m]\r\n0,2;0,400\r\n0,4;0,800\r\n") << type;
    }
}

TEST(UsikkerhedIFil, TheTablePrintHasTheUncertaintyColumn) {
    const std::vector<std::string> soejler = {
        "----------------------------",
        "|   L [m]|   a [m]| \xB1 a [m]|",
        "|--------+--------+--------|",
        "|     0,2|   0.400|   0.012|",
        "|--------+--------+--------|",
        "|     0,4|   0.800|   0.050|",
        "----------------------------",
    };
    EXPECT_EQ(TabelBlokke(Pendul('S'), 1), soejler);
    const std::vector<std::string> raekker = {
        "----------------------------",
        "|   L [m]|     0,2|     0,4|",
        "|--------+--------+--------|",
        "|   a [m]|   0.400|   0.800|",
        "|--------+--------+--------|",
        "| \xB1 a [m]|   0.012|   0.050|",
        "----------------------------",
    };
    EXPECT_EQ(TabelBlokke(Pendul('R'), 1), raekker);
}

}  // namespace
}  // namespace plotvik
