// Data files: writing a table's input values, reading them back, the comma
// form with its "Format" copy, and one fixture file per edge case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

using test::LaesBytes;
using test::SkrivBytes;

std::string Fixtur(const std::string& navn) { return test::Kildesti("tests/files/fixtures/" + navn); }

// A table of 3 input variables and one output variable, 2 measurements.
TProjekt Tabel(char type, int maalinger = 2) {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, std::string("Tabel(1): tabel_type=") + type + "; antal_variable=4; antal_indgange= " +
                               std::to_string(maalinger) + "; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): a:=?;");
    FortolkProjektLinie(p, "Variabel(1,2): b:=?;");
    FortolkProjektLinie(p, "Variabel(1,3): c:=?;");
    FortolkProjektLinie(p, "Variabel(1,4): s:=a+b+c;");
    AnalyserTabel(p, 1);
    EXPECT_FALSE(Fejl);
    return p;
}

void Udfyld(TProjekt& p) {
    const char* vaerdier[3][2] = {{"1,5", "4"}, {"2", "5"}, {"3", "6"}};
    for (int v = 1; v <= 3; ++v)
        for (int j = 1; j <= 2; ++j) p.Tabeller[1].Celler.SaetCelle(vaerdier[v - 1][j - 1], v, j + 1);
    p.Tabeller[1].Celler.SaetCelle("15", 4, 2);
}

std::vector<std::string> Kolonne(const TProjekt& p, int v, int maalinger = 2) {
    std::vector<std::string> c;
    for (int j = 1; j <= maalinger; ++j) c.push_back(p.Tabeller[1].Celler.HentCelle(v, j + 1));
    return c;
}

TEST(DataFil, DefaultAndCopyNames) {
    struct {
        const char* projekt;
        int tabel;
        const char* navn;
    } standard[] = {
        {"C:\\lab\\pendul.prj", 2, "C:\\lab\\pendulTabel_2.dat"},
        {"/home/elev/pendul.prj", 1, "/home/elev/pendulTabel_1.dat"},
        {"", 1, "DataFil.dat"},
        {"pendul.PRJ", 1, "DataFil.dat"},
        {"pendul", 3, "DataFil.dat"},
    };
    for (auto t : standard) {
        TProjekt p;
        p.ProjektFilNavn = t.projekt;
        EXPECT_EQ(StandardDataFilNavn(p, t.tabel), t.navn);
    }
    struct {
        const char* navn;
        const char* kopi;
    } kopier[] = {
        {"maaling.dat", "maalingFormat.dat"},
        {"maaling", "maalingFormat.dat"},
        {"maaling.v2.dat", "maalingFormat.v2.dat"},
        {"/home/anne.hansen/maaling.dat", "/home/anne.hansen/maalingFormat.dat"},
        {"C:\\lab.1\\maaling.dat", "C:\\lab.1\\maalingFormat.dat"},
    };
    for (auto t : kopier) EXPECT_EQ(FormatKopiNavn(t.navn), t.kopi);
}

TEST(DataFil, WritingColumnsAndRows) {
    struct {
        char type;
        const char* indhold;
    } tilfaelde[] = {{'S', "1.5 2 3\r\n4 5 6\r\n"}, {'R', "1.5 4\r\n2 5\r\n3 6\r\n"}};
    for (auto t : tilfaelde) {
        FakeFlade flade;
        TProjekt p = Tabel(t.type);
        Udfyld(p);
        const auto mappe = test::NyTempMappe("datafil_skriv");
        p.ProjektFilNavn = mappe + "/pendul.prj";
        GemDataFil(p, 1);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::GemFil);
        EXPECT_EQ(flade.Vist[0].Tekst, "Data filer (*.dat)|*.dat|Alle filer (*.*)|*.*|" + mappe + "/pendulTabel_1.dat");
        EXPECT_EQ(LaesBytes(mappe + "/pendulTabel_1.dat"), t.indhold);
        EXPECT_EQ(DataFilNavn, mappe + "/pendulTabel_1.dat");
        EXPECT_FALSE(Fejl);
    }
}

TEST(DataFil, OverwritingAsksFirst) {
    const auto mappe = test::NyTempMappe("datafil_overskriv");
    const auto navn = mappe + "/d.dat";
    TProjekt p = Tabel('S');
    Udfyld(p);
    {
        FakeFlade flade;
        SkrivBytes(navn, "gammel\r\n");
        flade.FilSvar = {navn};
        flade.Svar = {false};
        GemDataFil(p, 1);
        ASSERT_EQ(flade.Vist.size(), 2u);
        EXPECT_EQ(flade.Vist[1].Art, Boks::JaNej);
        EXPECT_EQ(flade.Vist[1].Tekst, "Filen: " + navn + " eksisterer\n\rSkal den overskrives?");
        EXPECT_EQ(LaesBytes(navn), "gammel\r\n");
    }
    {
        FakeFlade flade;
        flade.FilSvar = {navn};
        flade.Svar = {true};
        GemDataFil(p, 1);
        EXPECT_EQ(LaesBytes(navn), "1.5 2 3\r\n4 5 6\r\n");
    }
    {
        FakeFlade flade;  // cancelled: nothing at all
        flade.FilSvar = {std::nullopt};
        SkrivBytes(navn, "gammel\r\n");
        GemDataFil(p, 1);
        EXPECT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(LaesBytes(navn), "gammel\r\n");
    }
}

TEST(DataFil, WritingMessages) {
    {
        FakeFlade flade;
        TProjekt p = Tabel('S');
        GemDataFil(p, 0);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist[0].Tekst, "Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
    }
    {
        // A folder of the chosen name cannot be replaced.
        FakeFlade flade;
        TProjekt p = Tabel('S');
        Udfyld(p);
        const auto mappe = test::NyTempMappe("datafil_mappe");
        flade.FilSvar = {mappe};
        flade.Svar = {true};
        GemDataFil(p, 1);
        EXPECT_TRUE(Fejl);
        EXPECT_EQ(flade.Vist.back().Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist.back().Tekst, "Fejl ved skrivning af DataFil");
        EXPECT_TRUE(std::filesystem::is_directory(mappe));
        Fejl = false;
    }
    {
        FakeFlade flade;
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(2): tabel_type=S; antal_variable=1; antal_indgange= 2; tabel_bredde= 10;");
        FortolkProjektLinie(p, "Variabel(2,1): y:=2*3;");
        AnalyserTabel(p, 2);
        GemDataFil(p, 2);
        IndlaesDataFil(p, 2);
        ASSERT_EQ(flade.Vist.size(), 2u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[0].Tekst, "Tabel 2 har ingen inddatavariable, s\xE5 der er ingen inddata at gemme");
        EXPECT_EQ(flade.Vist[1].Tekst, "Tabel 2 har ingen inddatavariable, s\xE5 der er ingen inddata at indl\xE6se");
    }
}

TEST(DataFil, ReadingTheFixtures) {
    const std::vector<std::string> a = {"1.5", "4"}, b = {"2", "5"}, c = {"3", "6"};
    struct {
        const char* fil;
        char type;
    } tilfaelde[] = {
        {"plain.dat", 'S'},
        {"uden_slutlinieskift.dat", 'S'},   // the last value has no line end after it
        {"efterstillede_blanke.dat", 'S'},  // blanks and a tab after the last value of a line
        {"komma_spredt.dat", 'S'},          // comma form, one row spread over two lines
        {"utf8_bom.dat", 'S'},              // UTF-8 with a byte order mark, LF line ends
        {"utf8_dansk.dat", 'S'},            // UTF-8 with Danish letters after the values
        {"for_faa_vaerdier.dat", 'S'},      // a short row takes its last value from the next line
    };
    for (auto t : tilfaelde) {
        FakeFlade flade;
        TProjekt p = Tabel(t.type);
        p.Tabeller[1].Celler.SaetCelle("uberoert", 4, 2);
        // A copy, since the comma form writes its plain copy beside the file.
        const auto mappe = test::NyTempMappe("datafil_fixtur");
        const std::string kopi = mappe + "/" + t.fil;
        std::filesystem::copy_file(Fixtur(t.fil), kopi);
        flade.FilSvar = {kopi};
        IndlaesDataFil(p, 1);
        EXPECT_FALSE(Fejl) << t.fil;
        ASSERT_EQ(flade.Vist.size(), 1u) << t.fil << ": " << flade.Sidste();
        EXPECT_EQ(flade.Vist[0].Tekst, "Datafiler (*.dat)|*.dat| Alle Filer (*.*)|*.*|*.dat");
        EXPECT_EQ(Kolonne(p, 1), a) << t.fil;
        EXPECT_EQ(Kolonne(p, 2), b) << t.fil;
        EXPECT_EQ(Kolonne(p, 3), c) << t.fil;
        EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(4, 2), "uberoert") << "output variables are never read";
        EXPECT_EQ(DataFilNavn, kopi);
    }
}

TEST(DataFil, ReadingRows) {
    FakeFlade flade;
    const auto navn = test::NyTempMappe("datafil_raekker") + "/r.dat";
    SkrivBytes(navn, "1.5 4\r\n2 5\r\n3 6\r\n");
    TProjekt p = Tabel('R');
    flade.FilSvar = {navn};
    IndlaesDataFil(p, 1);
    EXPECT_EQ(Kolonne(p, 1), (std::vector<std::string>{"1.5", "4"}));
    EXPECT_EQ(Kolonne(p, 3), (std::vector<std::string>{"3", "6"}));
}

TEST(DataFil, ReadErrorsKeepWhatWasRead) {
    struct {
        const char* fil;
        std::string besked;
        std::vector<std::string> a;  // variable a after the failed read
    } tilfaelde[] = {
        {"tom_linie.dat", "Fejl ved l\xE6sning af tal \"\" i datafil", {"1.5", ""}},
        {"blank_linie.dat", "Fejl ved l\xE6sning af tal \"\" i datafil", {"1.5", ""}},
        {"ugyldigt_tegn.dat", "Fejl ved l\xE6sning af tal \"\" i datafil", {"1.5", ""}},
    };
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        TProjekt p = Tabel('S');
        flade.FilSvar = {Fixtur(t.fil)};
        IndlaesDataFil(p, 1);
        EXPECT_FALSE(Fejl) << "the read clears the flag after its message";
        ASSERT_EQ(flade.Vist.size(), 2u) << t.fil;
        EXPECT_EQ(flade.Vist[1].Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist[1].Tekst, t.besked);
        EXPECT_EQ(Kolonne(p, 1), t.a) << t.fil;
    }
    {
        // Too few values: the file ends before the table is full.
        FakeFlade flade;
        const auto navn = test::NyTempMappe("datafil_kort") + "/k.dat";
        SkrivBytes(navn, "1 2 3\r\n4 5\r\n");
        TProjekt p = Tabel('S');
        flade.FilSvar = {navn};
        IndlaesDataFil(p, 1);
        EXPECT_EQ(flade.Sidste(), "Fejl ved l\xE6sning af tal \"\" i datafil");
        EXPECT_EQ(Kolonne(p, 2), (std::vector<std::string>{"2", "5"}));
        EXPECT_EQ(Kolonne(p, 3), (std::vector<std::string>{"3", ""}));
    }
}

TEST(DataFil, AFirstLineWithADecimalCommaMakesACommaFile) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("datafil_komma");
    std::filesystem::copy_file(Fixtur("komma_foerste_linie.dat"), mappe + "/m.dat");
    TProjekt p = Tabel('S', 1);
    p.Tabeller[1].Variable[4].Definition = "d:=?";
    AnalyserTabel(p, 1);
    ASSERT_EQ(p.Tabeller[1].AntalInddata, 4);
    flade.FilSvar = {mappe + "/m.dat"};
    IndlaesDataFil(p, 1);
    EXPECT_EQ(flade.Vist.size(), 1u) << flade.Sidste();
    for (int v = 1; v <= 4; ++v) EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(v, 2), std::string(1, "1523"[v - 1]));
    EXPECT_EQ(LaesBytes(mappe + "/mFormat.dat"), "1 5 2 3\r\n");
}

TEST(DataFil, TheCommaCopyIsWrittenInThePlainLayout) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("datafil_kopi");
    std::filesystem::copy_file(Fixtur("komma_spredt.dat"), mappe + "/s.dat");
    TProjekt p = Tabel('R');
    flade.FilSvar = {mappe + "/s.dat"};
    IndlaesDataFil(p, 1);
    // Read as rows: a = 1.5 2, b = 3 4, c = 5 6.
    EXPECT_EQ(LaesBytes(mappe + "/sFormat.dat"), "1.5 2\r\n3 4\r\n5 6\r\n");
    EXPECT_EQ(Kolonne(p, 2), (std::vector<std::string>{"3", "4"}));
}

TEST(DataFil, ReadingMessages) {
    {
        FakeFlade flade;
        TProjekt p = Tabel('S');
        const auto navn = test::NyTempMappe("datafil_aabn") + "/mangler.dat";
        flade.FilSvar = {navn};
        IndlaesDataFil(p, 1);
        EXPECT_TRUE(Fejl);
        EXPECT_EQ(flade.Vist.back().Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist.back().Tekst, "Fejl ved indl\xE6sning fra filen " + navn);
        Fejl = false;
    }
    {
        // The copy's name is taken by a folder: the copy cannot be made.
        FakeFlade flade;
        const auto mappe = test::NyTempMappe("datafil_assign");
        std::filesystem::copy_file(Fixtur("komma_spredt.dat"), mappe + "/s.dat");
        std::filesystem::create_directory(mappe + "/sFormat.dat");
        TProjekt p = Tabel('S');
        flade.FilSvar = {mappe + "/s.dat"};
        IndlaesDataFil(p, 1);
        ASSERT_EQ(flade.Vist.size(), 3u);
        EXPECT_EQ(flade.Vist[1].Art, Boks::Information);
        EXPECT_EQ(flade.Vist[1].Tekst,
                  "Fejl ved AssignFile. Filnavne= " + mappe + "/sFormat.dat, " + mappe + "/s.dat");
        EXPECT_EQ(flade.Vist[2].Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist[2].Tekst, "Fejl ved skrivning af filen " + mappe + "/sFormat.dat");
        EXPECT_EQ(Kolonne(p, 1), (std::vector<std::string>{"", ""}));
    }
    {
        // Cancelled, or the pattern itself given back: nothing happens.
        for (std::optional<std::string> svar : {std::optional<std::string>{}, std::optional<std::string>{"*.dat"}}) {
            FakeFlade flade;
            TProjekt p = Tabel('S');
            flade.FilSvar = {svar};
            IndlaesDataFil(p, 1);
            EXPECT_EQ(flade.Vist.size(), 1u);
        }
    }
}

TEST(DataFil, TheValueReader) {
    struct {
        const char* tekst;
        bool komma;
        std::vector<std::string> vaerdier;  // read until the first failure
        bool sidsteFejler;
    } tilfaelde[] = {
        {"1 2\r\n3", false, {"1", "2", "3"}, true},
        {"  -1.5e+3   +2E-2\n", false, {"-1.5e+3", "+2E-2"}, true},
        {"1\n\n2", false, {"1"}, true},
        {"1 \n2", false, {"1", "2"}, true},
        {"1;2 x", false, {"1", "2"}, true},
        {"1,2,,3\n\n, 4", true, {"1", "2", "3", "4"}, true},
        {"1.5, 2\r\r3", true, {"1.5", "2", "3"}, true},
        {"", false, {}, true},
    };
    for (const auto& t : tilfaelde) {
        TDataLaeser l(t.tekst, t.komma);
        std::vector<std::string> laest;
        std::string_view tal;
        bool ok;
        while ((ok = l.LaesTal(tal)) && laest.size() < 10) laest.emplace_back(tal);
        EXPECT_EQ(laest, t.vaerdier) << t.tekst;
        EXPECT_EQ(!ok, t.sidsteFejler) << t.tekst;
    }
    // A value longer than a cell is cut to 32 characters.
    std::string lang(40, '7');
    TDataLaeser l(lang, false);
    std::string_view tal;
    EXPECT_TRUE(l.LaesTal(tal));
    EXPECT_EQ(tal, std::string(32, '7'));
}

TEST(DataFil, WhatIsWrittenIsReadBack) {
    FakeFlade flade;
    const auto mappe = test::NyTempMappe("datafil_rundtur");
    for (char type : {'S', 'R'}) {
        TProjekt p = Tabel(type, 5);
        for (int v = 1; v <= 3; ++v)
            for (int j = 1; j <= 5; ++j) p.Tabeller[1].Celler.SaetCelle(std::to_string(v * 10 + j) + ",25", v, j + 1);
        const auto navn = mappe + "/rundtur" + type + ".dat";
        flade.FilSvar = {navn, navn};
        GemDataFil(p, 1);
        TProjekt q = Tabel(type, 5);
        IndlaesDataFil(q, 1);
        for (int v = 1; v <= 3; ++v)
            for (int j = 1; j <= 5; ++j)
                EXPECT_EQ(q.Tabeller[1].Celler.HentCelle(v, j + 1), std::to_string(v * 10 + j) + ".25");
    }
    EXPECT_FALSE(Fejl);
}

}  // namespace
}  // namespace plotvik

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

// A cell the reader could not take back as one value would shift every later
// value of the file: nothing is written, and the box names the cell.
TEST(DataFil, EnTomEllerDeltCelleGemmesIkke) {
    struct {
        const char* celle;
        const char* forventet;
    } tabel[] = {
        {"", "Kan ikke gemme inddata: m\xE5ling 2 af b i tabel 1 er tom.\n\rRet cellen, og gem igen."},
        {"1 2", "Kan ikke gemme inddata: m\xE5ling 2 af b i tabel 1 indeholder mellemrum.\n\rRet cellen, og gem igen."},
    };
    for (const auto& r : tabel) {
        FakeFlade flade;
        TProjekt p = Tabel('S');
        Udfyld(p);
        p.Tabeller[1].Celler.SaetCelle(r.celle, 2, 3);
        const auto mappe = test::NyTempMappe("datafil_tom");
        p.ProjektFilNavn = mappe + "/pendul.prj";
        GemDataFil(p, 1);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist[0].Tekst, r.forventet);
        EXPECT_FALSE(std::filesystem::exists(mappe + "/pendulTabel_1.dat"));
    }
}

}  // namespace
}  // namespace plotvik
