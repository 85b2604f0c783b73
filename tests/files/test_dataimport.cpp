// Delimited text in: what spreadsheets put on the clipboard and what data
// loggers and phone apps write; then the all-or-nothing check into a table.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/DataImport.h"
#include "files/PlotvikAnalyse.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

using Raekker = std::vector<std::vector<std::string>>;

Raekker Som(const TCelleBlok& b) {
    Raekker r;
    for (int i = 0; i < b.Raekker; ++i) {
        r.emplace_back();
        for (int s = 0; s < b.Soejler; ++s) r.back().push_back(b.Celle(i, s));
    }
    return r;
}

TEST(DataImport, FindsSeparatorDecimalSignAndHeader) {
    struct {
        const char* navn;
        std::string tekst;
        char sep, dec;
        int hoved;
        Raekker data;
    } tilfaelde[] = {
        {"spreadsheet tabs, decimal comma, header", "L\tT\r\n0,2\t0,90\r\n0,4\t1,27\r\n", '\t', ',', 1,
         {{"0,2", "0,90"}, {"0,4", "1,27"}}},
        {"semicolon, decimal comma", "1,5;2\n3;4,25\n", ';', ',', 0, {{"1,5", "2"}, {"3", "4,25"}}},
        {"semicolon, decimal point", "t;x\n0.5;1.25\n1.0;2.5\n", ';', '.', 1, {{"0.5", "1.25"}, {"1.0", "2.5"}}},
        {"comma separated means decimal point", "a,b\n1.5,2\n3,4.5\n", ',', '.', 0 + 1, {{"1.5", "2"}, {"3", "4.5"}}},
        {"a block without ; or tab splits on commas", "1,5\n2,5\n", ',', '.', 0, {{"1", "5"}, {"2", "5"}}},
        {"one column of numbers", "1.5\n2\n3e2\n", '\t', '.', 0, {{"1.5"}, {"2"}, {"3e2"}}},
        {"CR line ends and no last line end", "1;2\r3;4", ';', '.', 0, {{"1", "2"}, {"3", "4"}}},
        {"empty lines are skipped", "\n1;2\n\n  \n3;4\n\n", ';', '.', 0, {{"1", "2"}, {"3", "4"}}},
        {"quoted fields with separators, quotes and line ends", "\"a;b\";\"x\"\"y\"\n\"1,5\";\"2\"\n", ';', ',', 1,
         {{"1,5", "2"}}},
        {"trailing separators are no column", "1;2;\n3;4;\n", ';', '.', 0, {{"1", "2"}, {"3", "4"}}},
        {"short rows are padded", "1;2;3\n4;5\n", ';', '.', 0, {{"1", "2", "3"}, {"4", "5", ""}}},
        {"blanks around fields", " 1 ; 2 \n 3 ;4\n", ';', '.', 0, {{"1", "2"}, {"3", "4"}}},
        {"logger notes above the names", "Logger 7\nt;U\n0;1,5\n1;1,75\n", ';', ',', 2, {{"0", "1,5"}, {"1", "1,75"}}},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TImportResultat r = LaesDataTekst(t.tekst);
        EXPECT_EQ(r.Separator, t.sep);
        EXPECT_EQ(r.DecimalTegn, t.dec);
        EXPECT_EQ(r.HovedLinier, t.hoved);
        EXPECT_EQ(Som(r.Data), t.data);
    }
}

TEST(DataImport, QuotedFieldMayHoldALineEnd) {
    TImportResultat r = LaesDataTekst("\"Tid\r\n(s)\";\"x\"\r\n1;2\r\n3;4\r\n");
    ASSERT_EQ(r.Hoved.size(), 2u);
    EXPECT_EQ(r.Hoved[0].Tekst, "Tid\r\n(s)");
    EXPECT_EQ(r.Hoved[0].Enhed, "s");
    ASSERT_EQ(r.Data.Raekker, 2);
    EXPECT_EQ(r.Data.Linie[0], 3);  // the quoted line end counts as a line
    EXPECT_EQ(r.Data.Linie[1], 4);
}

TEST(DataImport, HeaderNamesAndUnits) {
    struct {
        std::string tekst;
        std::vector<std::string> navne, enheder;
    } tilfaelde[] = {
        {"\"Time (s)\";\"Acceleration x (m/s^2)\"\n0;1\n", {"Time", "Acceleration x"}, {"s", "m/s^2"}},
        {"t [s]\tx [m]\n0\t1\n", {"t", "x"}, {"s", "m"}},
        {"t\tx\n[s]\t[m]\n0\t1\n", {"t", "x"}, {"s", "m"}},
        {"t\tx\ns\tm\n0\t1\n", {"t", "x"}, {"s", "m"}},
        {"tid\tvej\n0\t1\n", {"tid", "vej"}, {"", ""}},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.tekst);
        TImportResultat r = LaesDataTekst(t.tekst);
        ASSERT_EQ(r.Hoved.size(), t.navne.size());
        for (size_t i = 0; i < t.navne.size(); ++i) {
            EXPECT_EQ(r.Hoved[i].Navn, t.navne[i]);
            EXPECT_EQ(r.Hoved[i].Enhed, t.enheder[i]);
        }
        EXPECT_EQ(Som(r.Data), (Raekker{{"0", "1"}}));
    }
}

TEST(DataImport, CodePages) {
    // "Tid (°C)" with a degree sign: 0xB0 in Windows-1252, C2 B0 in UTF-8.
    struct {
        const char* navn;
        std::string bytes;
        TTegnsaetValg valg;
        bool utf8, bom;
        std::string hoved;
    } tilfaelde[] = {
        {"UTF-8", "T (\xC2\xB0" "C);x\n1;2\n", TTegnsaetValg::Auto, true, false, "T (\xB0" "C)"},
        {"UTF-8 with BOM", "\xEF\xBB\xBFT (\xC2\xB0" "C);x\n1;2\n", TTegnsaetValg::Auto, true, true, "T (\xB0" "C)"},
        {"Windows-1252", "T (\xB0" "C);x\n1;2\n", TTegnsaetValg::Auto, false, false, "T (\xB0" "C)"},
        {"forced Windows-1252 keeps the UTF-8 bytes", "T (\xC2\xB0" "C);x\n1;2\n", TTegnsaetValg::Windows1252, false,
         false, "T (\xC2\xB0" "C)"},
        {"UTF-16 little endian with BOM", std::string("\xFF\xFET\0;\0x\0\n\0" "1\0;\0" "2\0\n\0", 18),
         TTegnsaetValg::Auto, true, true, "T"},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TImportValg v;
        v.Tegnsaet = t.valg;
        TImportResultat r = LaesDataTekst(t.bytes, v);
        EXPECT_EQ(r.Utf8, t.utf8);
        EXPECT_EQ(r.Bom, t.bom);
        ASSERT_FALSE(r.Hoved.empty());
        EXPECT_EQ(r.Hoved[0].Tekst, t.hoved);
        EXPECT_EQ(Som(r.Data), (Raekker{{"1", "2"}}));
    }
}

TEST(DataImport, AColumnOfDecimalCommasFromTheClipboard) {
    struct {
        const char* tekst;
        bool udklip;
        char sep, dec;
        Raekker data;
    } tilfaelde[] = {
        {"1,5\n2,25\n", true, '\t', ',', {{"1,5"}, {"2,25"}}},
        {"1,5\n2,25\n", false, ',', '.', {{"1", "5"}, {"2", "25"}}},
        {"1,5", true, '\t', ',', {{"1,5"}}},
        {"1,5,2\n2,25,3\n", true, ',', '.', {{"1", "5", "2"}, {"2", "25", "3"}}},  // three commas: a CSV text
        {"a,b\n1,5\n", true, ',', '.', {{"1", "5"}}},                            // a header names two columns
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.tekst);
        TImportValg v;
        v.Udklip = t.udklip;
        TImportResultat r = LaesDataTekst(t.tekst, v);
        EXPECT_EQ(r.Separator, t.sep);
        EXPECT_EQ(r.DecimalTegn, t.dec);
        EXPECT_EQ(Som(r.Data), t.data);
    }
}

TEST(DataImport, OptionsOverrideDetection) {
    TImportValg v;
    v.Separator = ',';
    v.DecimalTegn = ',';
    v.Hoved = THovedValg::Nej;
    TImportResultat r = LaesDataTekst("a,b\n\"1,5\",2\n", v);
    EXPECT_EQ(r.HovedLinier, 0);
    EXPECT_EQ(r.DecimalTegn, ',');
    EXPECT_EQ(Som(r.Data), (Raekker{{"a", "b"}, {"1,5", "2"}}));

    TImportValg ja;
    ja.Hoved = THovedValg::Ja;
    r = LaesDataTekst("1;2\n3;4\n", ja);
    EXPECT_EQ(r.HovedLinier, 1);
    EXPECT_EQ(Som(r.Data), (Raekker{{"3", "4"}}));
}

TEST(DataImport, ATextFarTooLargeIsRefusedNotSpreadOut) {
    std::string tekst = "1";
    for (int i = 0; i < 1000; ++i) tekst += ";1";
    tekst += "\n1;2\n";
    TImportResultat r = LaesDataTekst(tekst);
    EXPECT_EQ(r.Besked, "Teksten har 2 linier og op til 1001 felter i en linie; det er for meget til at blive l\xE6st som en tabel.");
    EXPECT_EQ(r.Data.Raekker, 0);
    EXPECT_TRUE(r.Data.Celler.empty());
    tekst = "1";
    for (int i = 0; i < 999; ++i) tekst += ";1";
    EXPECT_EQ(LaesDataTekst(tekst).Data.Soejler, 1000);
}

TEST(DataImport, PreviewShowsTheFirstTwentyLinesAsRead) {
    std::string tekst = "t;x\n";
    for (int i = 0; i < 30; ++i) tekst += std::to_string(i) + ";" + std::to_string(2 * i) + ",5\n";
    TImportResultat r = LaesDataTekst(tekst);
    ASSERT_EQ(r.Forhaandsvisning.size(), 20u);
    EXPECT_EQ(r.Forhaandsvisning[0], (std::vector<std::string>{"t", "x"}));
    EXPECT_EQ(r.Forhaandsvisning[1], (std::vector<std::string>{"0", "0,5"}));
    EXPECT_EQ(r.Forhaandsvisning[19], (std::vector<std::string>{"18", "36,5"}));
    EXPECT_EQ(r.Data.Raekker, 30);
}

TEST(DataImport, NumbersWithADecimalSign) {
    struct {
        const char* tekst;
        char dec;
        bool tal;
    } tilfaelde[] = {
        {"2,5", ',', true},   {"2.5", '.', true},    {" 2,5 ", ',', true}, {"-1,5E-3", ',', true},
        {"1.234,5", ',', false}, {"1,234.5", '.', false}, {"1.234", ',', false}, {"1,234", '.', false},
        {"2,5,1", ',', false}, {"", '.', false},       {"abc", '.', false},  {"1e999", '.', false},
        {"+.5", '.', true},    {"1 234", '.', false},  {"\xA0" "1", '.', false},
    };
    for (const auto& t : tilfaelde) EXPECT_EQ(ErTalMedDecimalTegn(t.tekst, t.dec), t.tal) << t.tekst << " " << t.dec;
}

// ---------------------------------------------------------------- into a table

// Pendul: L and T typed, a computed; an "S" table of 5 measurements.
TProjekt Pendul(char type = 'S', int maalinger = 5) {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, std::string("Tabel(1): tabel_type=") + type + "; antal_variable=3; antal_indgange= " +
                               std::to_string(maalinger) + "; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): L:=?[m];");
    FortolkProjektLinie(p, "Variabel(1,2): T:=?[s];");
    FortolkProjektLinie(p, "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];");
    AnalyserTabel(p, 1);
    EXPECT_FALSE(Fejl);
    return p;
}

TCelleBlok Blok(const Raekker& r) {
    TCelleBlok b;
    b.Raekker = static_cast<int>(r.size());
    b.Soejler = r.empty() ? 0 : static_cast<int>(r[0].size());
    for (size_t i = 0; i < r.size(); ++i) {
        for (const auto& c : r[i]) b.Celler.push_back(c);
        b.Linie.push_back(static_cast<int>(i) + 1);
    }
    return b;
}

TEST(Indsaetning, ValuesReadBackAsTyped) {
    struct {
        const char* celle;
        char dec;
        std::string gemt;
    } tilfaelde[] = {
        {"0,25", ',', "0,25"},
        {"0.25", '.', "0.25"},
        {"  1,5E-3 ", ',', "1,5E-3"},
        {"", '.', ""},
        // Longer than a cell: the shortest text of the same double, not a cut one.
        {"1.2345678901234567890123456789e-5", '.', "1.2345678901234568e-05"},
        {"3,14159265358979323846264338327950", ',', "3,141592653589793"},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.celle);
        TProjekt p = Pendul();
        TIndsaetningsValg v;
        v.DecimalTegn = t.dec;
        TIndsaetning ind = ForberedIndsaetning(p, Blok({{t.celle}}), v);
        ASSERT_TRUE(ind.Ok) << ind.Besked;
        ASSERT_EQ(ind.Skrivninger.size(), 1u);
        EXPECT_EQ(ind.Skrivninger[0].Tekst, t.gemt);
        if (!t.gemt.empty()) {
            bool fejl = true;
            double gemt = TekstTilTal(ind.Skrivninger[0].Tekst, fejl);
            EXPECT_FALSE(fejl);
            std::string punkt = t.celle;
            for (char& c : punkt)
                if (c == ',') c = '.';
            EXPECT_EQ(gemt, std::strtod(punkt.c_str(), nullptr));
        }
    }
}

TEST(Indsaetning, WritesFromTheCurrentCellAndGrowsMeasurements) {
    TProjekt p = Pendul('S', 2);
    p.Tabeller[1].Celler.SaetCelle("9", 1, 2);  // measurement 1 of L stays
    TIndsaetningsValg v;
    v.FoersteVariabel = 1;
    v.FoersteMaaling = 2;
    v.DecimalTegn = ',';
    TIndsaetning ind = ForberedIndsaetning(p, Blok({{"0,2", "0,90"}, {"0,4", "1,27"}, {"0,6", "1,55"}}), v);
    ASSERT_TRUE(ind.Ok) << ind.Besked;
    EXPECT_EQ(ind.AntalIndgange, 4);
    EXPECT_EQ(p.Tabeller[1].AntalIndgange, 2);  // nothing done before it is carried out
    UdfoerIndsaetning(p, 1, ind);
    const TTabelDef& t = p.Tabeller[1];
    EXPECT_EQ(t.AntalIndgange, 4);
    EXPECT_EQ(t.AntalRaekker, 5);
    EXPECT_EQ(t.AntalSoejler, 3);
    EXPECT_EQ(t.Celler.HentCelle(1, 1), "L [m]");
    EXPECT_EQ(t.Celler.HentCelle(1, 2), "9");
    const char* L[] = {"0,2", "0,4", "0,6"};
    const char* T[] = {"0,90", "1,27", "1,55"};
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(t.Celler.HentCelle(1, m + 3), L[m]);
        EXPECT_EQ(t.Celler.HentCelle(2, m + 3), T[m]);
    }
}

TEST(Indsaetning, RowsAsVariablesAndAChosenColumnOrder) {
    TProjekt p = Pendul('R', 3);
    TIndsaetningsValg v;
    v.RaekkerErMaalinger = false;  // an "R" grid: a block row is a variable
    TIndsaetning ind = ForberedIndsaetning(p, Blok({{"1", "2", "3"}, {"4", "5", "6"}}), v);
    ASSERT_TRUE(ind.Ok) << ind.Besked;
    UdfoerIndsaetning(p, 1, ind);
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 4), "3");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 2), "4");

    TProjekt q = Pendul('S', 1);
    TIndsaetningsValg fil;
    fil.Variabler = {0, 2, 1};  // file column 1 skipped, 2 to T, 3 to L
    ind = ForberedIndsaetning(q, Blok({{"x", "1,5", "0,5"}}), fil);
    ASSERT_FALSE(ind.Ok);  // decimal point block: "1,5" has a thousands separator
    fil.DecimalTegn = ',';
    ind = ForberedIndsaetning(q, Blok({{"x", "1,5", "0,5"}}), fil);
    ASSERT_TRUE(ind.Ok) << ind.Besked;
    UdfoerIndsaetning(q, 1, ind);
    EXPECT_EQ(q.Tabeller[1].Celler.HentCelle(1, 2), "0,5");
    EXPECT_EQ(q.Tabeller[1].Celler.HentCelle(2, 2), "1,5");
}

TEST(Indsaetning, ABadCellStopsEverythingAndIsNamed) {
    struct {
        const char* navn;
        char type;
        Raekker blok;
        char dec;
        std::string besked;
        int raekke, soejle;
    } tilfaelde[] = {
        {"letters in an S table", 'S', {{"0,2", "0,90"}, {"0,4", "1,2x"}}, ',',
         "Fejl i Tallet: \"1,2x\"\n\rTabel No: 1: 2. r\xE6kke og 3 s\xF8jle", 1, 1},
        {"thousands separator in an R table", 'R', {{"0,2", "0,90"}, {"1.234,5", "1"}}, ',',
         "Fejl i Tallet: \"1.234,5\"\n\rTabel No: 1 og 1. r\xE6kke og 3 s\xF8jle", 1, 0},
        {"decimal comma in a point block", 'S', {{"1,5", "2"}}, '.',
         "Fejl i Tallet: \"1,5\"\n\rTabel No: 1: 1. r\xE6kke og 2 s\xF8jle", 0, 0},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TProjekt p = Pendul(t.type, 5);
        TIndsaetningsValg v;
        v.DecimalTegn = t.dec;
        TIndsaetning ind = ForberedIndsaetning(p, Blok(t.blok), v);
        EXPECT_FALSE(ind.Ok);
        EXPECT_EQ(ind.Besked, t.besked);
        EXPECT_EQ(ind.FejlRaekke, t.raekke);
        EXPECT_EQ(ind.FejlSoejle, t.soejle);
        EXPECT_EQ(ind.FejlLinie, t.raekke + 1);
        EXPECT_TRUE(ind.Skrivninger.empty());
        UdfoerIndsaetning(p, 1, ind);  // a refused insertion changes nothing
        for (int m = 2; m <= 6; ++m) EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, m), "");
    }
}

TEST(Indsaetning, WithTheCheckOffNonNumbersGoInAsTyped) {
    TProjekt p = Pendul();
    TIndsaetningsValg v;
    v.Kontrol = false;
    TIndsaetning ind = ForberedIndsaetning(p, Blok({{"Hansen", "2"}}), v);
    ASSERT_TRUE(ind.Ok);
    EXPECT_EQ(ind.Skrivninger[0].Tekst, "Hansen");
}

TEST(Indsaetning, RefusedBlocks) {
    TProjekt p = Pendul('S', 5);
    struct {
        const char* navn;
        int tabel, variabel, maaling;
        int raekker, soejler;
        std::string besked;
    } tilfaelde[] = {
        {"constants", 0, 1, 1, 1, 1,
         "Der kan ikke s\xE6ttes ind i konstanttabellen. Skriv konstanternes v\xE6rdier i den \xE9n ad gangen."},
        {"no such table", 2, 1, 1, 1, 1, "Der er ingen tabel 2 at s\xE6tte ind i."},
        {"into the computed column", 1, 3, 1, 1, 1,
         "Variablen a i tabel 1 beregnes af programmet; der kan kun s\xE6ttes ind i inddatavariable. Intet er sat ind."},
        {"too many rows", 1, 1, 1, 32768, 1,
         "Blokken har 32768 m\xE5linger, men en tabel kan h\xF8jst have 32767 m\xE5linger. Intet er sat ind."},
        {"too many rows from a later measurement", 1, 1, 32000, 769, 1,
         "Blokken har 769 m\xE5linger fra m\xE5ling 32000 og n\xE5r til m\xE5ling 32768"
         ", men en tabel kan h\xF8jst have 32767 m\xE5linger. Intet er sat ind."},
        {"empty", 1, 1, 1, 0, 0, "Der er ingen tal at s\xE6tte ind."},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TCelleBlok b;
        b.Raekker = t.raekker;
        b.Soejler = t.soejler;
        b.Celler.assign(static_cast<size_t>(t.raekker) * static_cast<size_t>(t.soejler), "1");
        TIndsaetningsValg v;
        v.Tabel = t.tabel;
        v.FoersteVariabel = t.variabel;
        v.FoersteMaaling = t.maaling;
        TIndsaetning ind = ForberedIndsaetning(p, b, v);
        EXPECT_FALSE(ind.Ok);
        EXPECT_EQ(ind.Besked, t.besked);
    }
    // Exactly 32767 measurements fit.
    TCelleBlok fuld;
    fuld.Raekker = 32767 - 4;
    fuld.Soejler = 1;
    fuld.Celler.assign(32763, "1");
    TIndsaetningsValg v;
    v.FoersteMaaling = 5;
    TIndsaetning ind = ForberedIndsaetning(p, fuld, v);
    ASSERT_TRUE(ind.Ok) << ind.Besked;
    EXPECT_EQ(ind.AntalIndgange, 32767);
}

TEST(Indsaetning, BlocksThatDoNotFitTheInputVariables) {
    TProjekt p = Pendul('S', 5);
    FortolkProjektLinie(p, "Tabel(2): tabel_type=S; antal_variable=1; antal_indgange= 2; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(2,1): c:= 2*2;");
    AnalyserTabel(p, 2);
    ASSERT_FALSE(Fejl);
    struct {
        const char* navn;
        int tabel, variabel;
        bool raekkerErMaalinger;
        std::vector<int> variabler;
        Raekker blok;
        std::string besked;
    } tilfaelde[] = {
        {"from the computed column", 1, 3, true, {}, {{"1"}},
         "Variablen a i tabel 1 beregnes af programmet; der kan kun s\xE6ttes ind i inddatavariable. Intet er sat ind."},
        {"chosen for the computed column", 1, 1, true, {1, 3}, {{"1", "2"}},
         "Variablen a i tabel 1 beregnes af programmet; der kan kun s\xE6ttes ind i inddatavariable. Intet er sat ind."},
        {"three columns from T", 1, 2, true, {}, {{"1", "2", "3"}},
         "Blokken har 3 s\xF8jler, men tabel 1 har kun 1 inddatavariabel fra variabel 2 og frem. Intet er sat ind."},
        {"four columns", 1, 1, true, {}, {{"1", "2", "3", "4"}},
         "Blokken har 4 s\xF8jler, men tabel 1 har kun 2 inddatavariable fra variabel 1 og frem. Intet er sat ind."},
        {"four rows of an R grid", 1, 1, false, {}, {{"1"}, {"2"}, {"3"}, {"4"}},
         "Blokken har 4 r\xE6kker, men tabel 1 har kun 2 inddatavariable fra variabel 1 og frem. Intet er sat ind."},
        {"a variable that is not there", 1, 1, true, {1, 7}, {{"1", "2"}},
         "Der er ingen variabel 7 i tabel 1. Intet er sat ind."},
        {"two columns to one variable", 1, 1, true, {2, 2}, {{"1", "2"}},
         "To s\xF8jler skal til samme variabel T. Intet er sat ind."},
        {"no column chosen", 1, 1, true, {0, 0}, {{"1", "2"}},
         "Ingen af blokkens s\xF8jler er valgt til en variabel."},
        {"a table of computed variables only", 2, 1, true, {}, {{"1"}},
         "Tabel 2 har ingen inddatavariable, s\xE5 der er ingen inddata at s\xE6tte ind."},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TIndsaetningsValg v;
        v.Tabel = t.tabel;
        v.FoersteVariabel = t.variabel;
        v.RaekkerErMaalinger = t.raekkerErMaalinger;
        v.Variabler = t.variabler;
        TIndsaetning ind = ForberedIndsaetning(p, Blok(t.blok), v);
        EXPECT_FALSE(ind.Ok);
        EXPECT_EQ(ind.Besked, t.besked);
    }
}

TEST(Indsaetning, KeepsValuesWhenMeasurementsGrow) {
    TProjekt p = Pendul('R', 2);
    p.Tabeller[1].Celler.SaetCelle("7", 2, 3);
    SaetAntalIndgangeBevar(p.Tabeller[1], 10);
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 3), "7");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 1), "T [s]");
    EXPECT_EQ(p.Tabeller[1].AntalSoejler, 11);
    EXPECT_EQ(p.Tabeller[1].AntalRaekker, 3);

    // "Målinger" lowered from 10 to 2 keeps the matrix; growing again shows empty cells.
    p.Tabeller[1].Celler.SaetCelle("8", 1, 9);
    p.Tabeller[1].AntalIndgange = 2;
    SaetTabelStoerrelse(p.Tabeller[1]);
    TIndsaetningsValg v;
    v.FoersteMaaling = 10;
    TIndsaetning ind = ForberedIndsaetning(p, Blok({{"1", "2"}}), v);
    ASSERT_TRUE(ind.Ok) << ind.Besked;
    UdfoerIndsaetning(p, 1, ind);
    EXPECT_EQ(p.Tabeller[1].AntalIndgange, 10);
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 9), "");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(2, 3), "7");
    EXPECT_EQ(p.Tabeller[1].Celler.HentCelle(1, 11), "1");
}

// ---------------------------------------------------------------- the example files

TEST(DataImport, ExampleFilesImportWithoutTouchingASetting) {
    struct {
        const char* fil;
        char sep, dec;
        int raekker, soejler;
        std::vector<std::string> navne, enheder;
        std::string foerste, sidste;  // first cell of the first and of the last row
    } tilfaelde[] = {
        {"examples/Datalogger_afkoeling.csv", ';', ',', 61, 3, {"Tid", "Temperatur", "Sp\xE6nding"},
         {"s", "\xB0" "C", "mV"}, "0,0", "1800,0"},
        {"examples/Telefon_pendul.csv", ',', '.', 1000, 5,
         {"Time", "Acceleration x", "Acceleration y", "Acceleration z", "Absolute acceleration"},
         {"s", "m/s^2", "m/s^2", "m/s^2", "m/s^2"}, "0.000000000E+00", "9.990000000E+00"},
        {"examples/Fjeder.tsv", '\t', ',', 10, 3, {"Masse", "Udstr\xE6kning", "Kraft"}, {"kg", "m", "N"}, "0,050",
         "0,500"},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.fil);
        const std::string bytes = test::LaesBytes(test::Kildesti(t.fil));
        ASSERT_FALSE(bytes.empty());
        TImportResultat r = LaesDataTekst(bytes);
        EXPECT_EQ(r.Separator, t.sep);
        EXPECT_EQ(r.DecimalTegn, t.dec);
        EXPECT_EQ(r.Data.Raekker, t.raekker);
        EXPECT_EQ(r.Data.Soejler, t.soejler);
        ASSERT_EQ(r.Hoved.size(), t.navne.size());
        for (size_t i = 0; i < t.navne.size(); ++i) {
            EXPECT_EQ(r.Hoved[i].Navn, t.navne[i]);
            EXPECT_EQ(r.Hoved[i].Enhed, t.enheder[i]);
        }
        EXPECT_EQ(r.Data.Celle(0, 0), t.foerste);
        EXPECT_EQ(r.Data.Celle(r.Data.Raekker - 1, 0), t.sidste);

        // Every value passes the typed check into a table of enough input variables.
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=5; antal_indgange= 1; tabel_bredde= 10;");
        for (int v = 1; v <= 5; ++v)
            FortolkProjektLinie(p, "Variabel(1," + std::to_string(v) + "): v" + std::to_string(v) + ":=?;");
        AnalyserTabel(p, 1);
        TIndsaetningsValg v;
        v.DecimalTegn = r.DecimalTegn;
        TIndsaetning ind = ForberedIndsaetning(p, r.Data, v);
        ASSERT_TRUE(ind.Ok) << ind.Besked;
        UdfoerIndsaetning(p, 1, ind);
        EXPECT_EQ(p.Tabeller[1].AntalIndgange, t.raekker);
        bool fejl = true;
        TekstTilTal(p.Tabeller[1].Celler.HentCelle(1, t.raekker + 1), fejl);
        EXPECT_FALSE(fejl);
    }
}

TEST(DataImport, PhonePendulumDataArePhysical) {
    // The phone hangs from a 0.80 m string: the swing's period is 2 pi sqrt(L/g),
    // and the string's pull reads twice per swing. Count maxima of y to check.
    TImportResultat r = LaesDataTekst(test::LaesBytes(test::Kildesti("examples/Telefon_pendul.csv")));
    ASSERT_EQ(r.Data.Raekker, 1000);
    std::vector<double> y;
    for (int i = 0; i < r.Data.Raekker; ++i) y.push_back(std::strtod(r.Data.Celle(i, 2).c_str(), nullptr));
    double stoerst = 0;
    for (double v : y) stoerst = std::max(stoerst, v);
    EXPECT_GT(stoerst, 9.81);          // the bottom of the swing pulls more than gravity
    EXPECT_LT(stoerst, 9.81 * 1.2);
    const double T = 2 * M_PI * std::sqrt(0.80 / 9.81);
    EXPECT_NEAR(T, 1.794, 0.001);
}

}  // namespace
}  // namespace plotvik
