// Delimited text in: what spreadsheets put on the clipboard and what data
// loggers and phone apps write; then the all-or-nothing check into a table.
#include <gtest/gtest.h>

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
        {"commas and points: a comma separated file", "1.5,2,3\n2.5,4,6\n", ',', '.', 0,
         {{"1.5", "2", "3"}, {"2.5", "4", "6"}}},
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

// A column copied from a Danish spreadsheet has decimal commas: it is one
// column wherever that reading explains every line; a pair of whole numbers
// could be two columns and is, when only that fits, said in a note otherwise.
TEST(DataImport, OneColumnWithDecimalCommas) {
    struct {
        const char* navn;
        std::string tekst;
        int inddata;  // input variables from the target column, 0 unknown
        char sep, dec;
        int hoved;
        Raekker data;
        bool note;
    } tilfaelde[] = {
        {"a column with its header", "t\n0,1\n0,2\n0,3\n", 1, '\t', ',', 1, {{"0,1"}, {"0,2"}, {"0,3"}}, false},
        {"the same without a header", "0,1\n0,2\n0,3\n", 1, '\t', ',', 0, {{"0,1"}, {"0,2"}, {"0,3"}}, false},
        {"whole numbers among the decimals", "t (s)\n0\n0,5\n1\n1,5\n", 2, '\t', ',', 1,
         {{"0"}, {"0,5"}, {"1"}, {"1,5"}}, false},
        {"signs and exponents", "v [m/s]\n-2,25\n1,5E-3\n+4\n", 0, '\t', ',', 1, {{"-2,25"}, {"1,5E-3"}, {"+4"}}, false},
        {"CRLF and a last empty line", "t\r\n0,1\r\n0,25\r\n\r\n", 1, '\t', ',', 1, {{"0,1"}, {"0,25"}}, false},
        {"names, then units in brackets", "t\n[s]\n0,5\n1,5\n", 1, '\t', ',', 2, {{"0,5"}, {"1,5"}}, false},
        {"two columns with tabs and decimal commas", "L\tT\n0,2\t0,90\n0,4\t1,27\n", 1, '\t', ',', 1,
         {{"0,2", "0,90"}, {"0,4", "1,27"}}, false},
        {"a comma separated file with decimal points", "t,v\n0.1,2.5\n0.2,3\n", 2, ',', '.', 1,
         {{"0.1", "2.5"}, {"0.2", "3"}}, false},
        {"a header of two names splits on commas", "t,v\n1,2\n3,4\n", 2, ',', '.', 1, {{"1", "2"}, {"3", "4"}}, false},
        {"ambiguous pairs, one variable left", "1,2\n3,4\n", 1, '\t', ',', 0, {{"1,2"}, {"3,4"}}, false},
        {"ambiguous pairs, two variables", "1,2\n3,4\n", 2, '\t', ',', 0, {{"1,2"}, {"3,4"}}, true},
        {"ambiguous pairs, variables not known", "1,2\n3,4\n", 0, '\t', ',', 0, {{"1,2"}, {"3,4"}}, true},
        {"three fields a line are no decimal numbers", "1,2,3\n4,5,6\n", 3, ',', '.', 0,
         {{"1", "2", "3"}, {"4", "5", "6"}}, false},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TImportValg v;
        v.Inddatavariabler = t.inddata;
        TImportResultat r = LaesDataTekst(t.tekst, v);
        EXPECT_EQ(r.Separator, t.sep);
        EXPECT_EQ(r.DecimalTegn, t.dec);
        EXPECT_EQ(r.HovedLinier, t.hoved);
        EXPECT_EQ(Som(r.Data), t.data);
        EXPECT_EQ(!r.Note.empty(), t.note) << r.Note;
    }
    TImportResultat r = LaesDataTekst("t\n[s]\n0,5\n");
    ASSERT_EQ(r.Hoved.size(), 1u);
    EXPECT_EQ(r.Hoved[0].Navn, "t");
    EXPECT_EQ(r.Hoved[0].Enhed, "s");
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
    // "Tid (Â°C)" with a degree sign: 0xB0 in Windows-1252, C2 B0 in UTF-8.
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

// Pendul: L and T typed, a computed; 5 measurements.
TProjekt Pendul(char type) {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, std::string("Tabel(1): tabel_type=") + type +
                               "; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;");
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
        TProjekt p = Pendul(t.type);
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

// "Målinger" after a block: a table with nothing typed takes the block's
// count; one with values keeps every measurement it has and grows to fit.
TEST(Indsaetning, MeasurementCountAfterABlock) {
    struct {
        const char* navn;
        const char* foer;  // L of measurement 5 before the block, "" for none
        int maaling;       // where the block starts
        int antal;
    } tilfaelde[] = {
        {"empty table, three rows", "", 1, 3},
        {"empty table, from measurement 4", "", 4, 6},
        {"a value in measurement 5", "1,5", 1, 5},
        {"a value, block beyond the end", "1,5", 4, 6},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TProjekt p = Pendul('S');
        p.Tabeller[1].Celler.SaetCelle(t.foer, 1, 6);
        TIndsaetningsValg v;
        v.DecimalTegn = ',';
        v.FoersteMaaling = t.maaling;
        TIndsaetning ind = ForberedIndsaetning(p, Blok({{"0,1"}, {"0,2"}, {"0,3"}}), v);
        ASSERT_TRUE(ind.Ok) << ind.Besked;
        EXPECT_EQ(ind.AntalIndgange, t.antal);
    }
}

// ---------------------------------------------------------------- the example files

TEST(Indsaetning, RefusedBlocks) {
    TProjekt p = Pendul('S');
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

}  // namespace
}  // namespace plotvik
