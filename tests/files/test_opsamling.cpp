// A live capture fed with bytes: lines cut anywhere between reads, the line
// formats a device prints, and the values growing an input table through the
// paste's check, with the stops and their messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/DataImport.h"
#include "files/Opsamling.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "support/Testdata.h"

namespace plotvik {
namespace {

std::vector<std::string> Linier(TLinieSamler& s, std::string_view bytes) {
    std::vector<std::string> ud;
    s.Modtag(bytes, [&](std::string_view l) { ud.emplace_back(l); });
    return ud;
}

TEST(OpsamlingsLinier, LinesAreTheSameWhereverTheReadsCutThem) {
    struct {
        const char* navn;
        std::string bytes;
        std::vector<std::string> linier;
        std::string rest;
    } tilfaelde[] = {
        {"LF", "1;2\n3;4\n", {"1;2", "3;4"}, ""},
        {"CRLF gives an empty line between", "1;2\r\n3;4\r\n", {"1;2", "", "3;4", ""}, ""},
        {"CR alone", "1;2\r3;4\r", {"1;2", "3;4"}, ""},
        {"a line not ended yet", "1;2\n3;", {"1;2"}, "3;"},
        {"empty lines", "\n\n5\n", {"", "", "5"}, ""},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        for (size_t snit = 0; snit <= t.bytes.size(); ++snit) {
            TLinieSamler s;
            auto l = Linier(s, std::string_view(t.bytes).substr(0, snit));
            auto resten = Linier(s, std::string_view(t.bytes).substr(snit));
            l.insert(l.end(), resten.begin(), resten.end());
            // A CRLF cut between the reads gives the same lines: both make an empty line.
            EXPECT_EQ(l, t.linier) << "cut at " << snit;
            EXPECT_EQ(s.Rest(), t.rest);
        }
        TLinieSamler enkelt;
        std::vector<std::string> l;
        for (char c : t.bytes) {
            auto e = Linier(enkelt, std::string_view(&c, 1));
            l.insert(l.end(), e.begin(), e.end());
        }
        EXPECT_EQ(l, t.linier) << "byte by byte";
    }
}

TEST(OpsamlingsLinier, AnEndlessLineIsDroppedAndCounted) {
    struct {
        const char* navn;
        std::vector<std::string> laesninger;
        std::vector<std::string> linier;
        int forLange;
    } tilfaelde[] = {
        {"exactly the limit is a line", {"12345678\n"}, {"12345678"}, 0},
        {"one byte more is not", {"123456789\n1\n"}, {"1"}, 1},
        {"grown too long over reads", {"12345", "6789", "abc\n2\n"}, {"2"}, 1},
        {"a long line then a short one in the rest", {"123456", "789\n3"}, {}, 1},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TLinieSamler s(8);
        std::vector<std::string> l;
        for (const auto& b : t.laesninger) {
            auto e = Linier(s, b);
            l.insert(l.end(), e.begin(), e.end());
        }
        EXPECT_EQ(l, t.linier);
        EXPECT_EQ(s.ForLange(), t.forLange);
    }
}

// One row per line: "-" empty, "H" header, "F" malformed, or the values with '|' between.
std::vector<std::string> Fortolk(TLinieFortolker& f, const std::vector<std::string>& linier) {
    std::vector<std::string> ud;
    for (const auto& l : linier) {
        switch (f.Fortolk(l)) {
        case TLinieArt::Tom: ud.push_back("-"); break;
        case TLinieArt::Hoved: ud.push_back("H"); break;
        case TLinieArt::Fejl: ud.push_back("F"); break;
        case TLinieArt::Data: {
            std::string s;
            for (auto v : f.Felter()) s += (s.empty() ? "" : "|") + std::string(v);
            ud.push_back(s);
        }
        }
    }
    return ud;
}

TEST(OpsamlingsLinier, LineFormatsAreFoundWithoutSettings) {
    struct {
        const char* navn;
        int felter;  // what the student expects, 0 unknown
        std::vector<std::string> linier, ud;
        char dec;  // 0: no value has shown it yet
        std::vector<std::string> navne;
    } tilfaelde[] = {
        {"tabs, decimal point", 0, {"0.1\t5", "0.2\t6"}, {"0.1|5", "0.2|6"}, '.', {}},
        {"runs of blanks", 0, {"  1   2.5  3 "}, {"1|2.5|3"}, '.', {}},
        {"semicolons, decimal comma, blanks around", 0, {"1,5 ; 2", "3;4,25"}, {"1,5|2", "3|4,25"}, ',', {}},
        {"commas mean decimal points", 0, {"1.5,2", "3,4"}, {"1.5|2", "3|4"}, '.', {}},
        {"commas with blanks after them", 0, {"1, 2, 3"}, {"1|2|3"}, '.', {}},
        {"blanks between decimal commas", 0, {"1,5 2,25", "-3 4,5e2"}, {"1,5|2,25", "-3|4,5e2"}, ',', {}},
        {"one number with a decimal comma where one field is expected", 1, {"1,5", "2,25", "3"},
         {"1,5", "2,25", "3"}, ',', {}},
        {"whole numbers and a comma are two fields otherwise", 0, {"1,5", "2,25"}, {"1|5", "2|25"}, '.', {}},
        {"a header names the fields", 0, {"t;U", "0;1,5"}, {"H", "0|1,5"}, ',', {"t", "U"}},
        {"units in the header are no part of the names", 0, {"t (s)\tU [V]", "0\t1"}, {"H", "0|1"}, 0, {"t", "U"}},
        {"the last header before the values counts", 0, {"Start", "t;U", "0;1"}, {"H", "H", "0|1"}, 0, {"t", "U"}},
        {"a header of another shape names nothing", 0, {"t;U;x", "0;1"}, {"H", "0|1"}, 0, {}},
        {"labels, later in another order", 0, {"t:0.5,A0:512", "A0:513, t:0.6"}, {"0.5|512", "0.6|513"}, '.',
         {"t", "A0"}},
        {"labels with blanks and decimal commas", 0, {"t: 1,5 A0: 7", "t:2 A0:8,25"}, {"1,5|7", "2|8,25"}, ',',
         {"t", "A0"}},
        {"a label with a decimal comma and nothing else", 0, {"U:1,5"}, {"1,5"}, ',', {"U"}},
        {"empty and blank lines", 0, {"", "  \t", "1 2"}, {"-", "-", "1|2"}, 0, {}},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TLinieFortolker f(t.felter);
        EXPECT_EQ(Fortolk(f, t.linier), t.ud);
        EXPECT_EQ(f.Format().DecimalTegn, t.dec);
        EXPECT_EQ(f.Format().Navne, t.navne);
    }
}

TEST(OpsamlingsLinier, MalformedLinesChangeNothing) {
    struct {
        const char* navn;
        int felter;
        std::vector<std::string> linier, ud;
    } tilfaelde[] = {
        {"another number of fields, text, an empty field, a late header", 0,
         {"1;2", "1;2;3", "x;2", "1;", "t;U", "3;4"}, {"1|2", "F", "F", "F", "F", "3|4"}},
        {"both decimal signs in one line", 0, {"1;2", "1.5;2,5", "1;2"}, {"1|2", "F", "1|2"}},
        {"the other decimal sign than before", 0, {"1,5;2", "1.5;2", "2;1,25"}, {"1,5|2", "F", "2|1,25"}},
        {"commas between fields after decimal commas", 0, {"1,5 2,25", "1, 2", "3 4,5"}, {"1,5|2,25", "F", "3|4,5"}},
        {"bytes from a wrong baud rate before the values", 0, {"\xF0\x8A\x13", "\x80\xFF;~", "1;2"},
         {"F", "F", "1|2"}},
        {"no numbers of the program's syntax", 0, {"inf;1", "nan;1", "1e400;1", "0x10;1", "--1;1", "1;2"},
         {"F", "F", "F", "F", "F", "1|2"}},
        {"labels that do not match the first line", 0, {"a:1,b:2", "a:1,c:2", "a:1", "1,2", "a:1,a:2", "b:3,a:4"},
         {"1|2", "F", "F", "F", "F", "4|3"}},
        {"a label twice in the first line", 0, {"a:1,a:2", "a:1,b:2"}, {"F", "1|2"}},
        {"no label or no value", 0, {":1", "a:", "a:1:2", "a:1"}, {"F", "F", "F", "1"}},
        {"a first line cut short when the capture began", 2, {"2", "1;2", "3"}, {"F", "1|2", "F"}},
        {"glued lines have too many fields", 0, {"1,2", "3,4", "5,67,8"}, {"1|2", "3|4", "F"}},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TLinieFortolker f(t.felter);
        EXPECT_EQ(Fortolk(f, t.linier), t.ud);
    }
}

// ---------------------------------------------------------------- into a table

// Table 1: t and A0 typed, U computed; table 2: one input variable; table 3: none.
TProjekt Projekt() {
    TProjekt p;
    StartProjekt(p);
    for (const char* l : {"Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 10; tabel_bredde= 10;",
                          "Variabel(1,1): t:=?[s];", "Variabel(1,2): A0:=?;", "Variabel(1,3): U:= A0*5/1023 [V];",
                          "Tabel(2): tabel_type=S; antal_variable=1; antal_indgange= 5; tabel_bredde= 10;",
                          "Variabel(2,1): x:=?;",
                          "Tabel(3): tabel_type=S; antal_variable=1; antal_indgange= 5; tabel_bredde= 10;",
                          "Variabel(3,1): y:= 2;"})
        FortolkProjektLinie(p, l);
    for (int t = 1; t <= 3; ++t) AnalyserTabel(p, t);
    EXPECT_FALSE(Fejl);
    return p;
}

using Maalinger = std::vector<std::vector<std::string>>;

// The input variables' cells of every measurement shown.
Maalinger Tabel(const TProjekt& p, int t) {
    Maalinger m;
    const TTabelDef& d = p.Tabeller[t];
    for (int k = 1; k <= d.AntalIndgange; ++k) {
        m.emplace_back();
        for (int v = 1; v <= d.AntalInddata; ++v) m.back().push_back(d.Celler.HentCelle(v, k + 1));
    }
    return m;
}

TOpsamlingsValg Valg(int tabel = 1, std::vector<int> variabler = {}, int tid = 0, int foerste = 0) {
    TOpsamlingsValg v;
    v.Tabel = tabel;
    v.Variabler = std::move(variabler);
    v.TidVariabel = tid;
    v.FoersteMaaling = foerste;
    return v;
}

struct TLaesning {
    std::string bytes;
    double tid;
};

TEST(Opsamling, LinesBecomeMeasurementsAsTheyArrive) {
    struct {
        const char* navn;
        TOpsamlingsValg valg;
        std::vector<TLaesning> laesninger;
        Maalinger ud;
        int fejl;
    } tilfaelde[] = {
        {"values in order, an empty table takes their count", Valg(), {{"0;512\n0.1;520\n", 1}}, {{"0", "512"}, {"0.1", "520"}}, 0},
        {"a header of the table's names puts fields where they belong", Valg(), {{"A0\tt\r\n512\t0\r\n", 1}},
         {{"0", "512"}}, 0},
        {"labels likewise, whatever their case", Valg(), {{"a0:7 T:2.5\n", 1}}, {{"2.5", "7"}}, 0},
        {"names that are not the table's leave the order", Valg(), {{"x;y\n1;2\n", 1}}, {{"1", "2"}}, 0},
        {"the student's choice: field 2 to t, field 1 left out", Valg(1, {0, 1}), {{"9;3\n8;4\n", 1}},
         {{"3", ""}, {"4", ""}}, 0},
        {"arrival times for a device without a clock", Valg(1, {}, 1), {{"512\n", 0.25}, {"520\n513\n", 1.5}},
         {{"0.250", "512"}, {"1.500", "520"}, {"1.500", "513"}}, 0},
        {"arrival times take the values' decimal comma", Valg(1, {}, 1), {{"1,5\n", 2}},
         {{"2,000", "1,5"}}, 0},
        {"a line cut between reads is one measurement", Valg(), {{"1;1", 1}, {"0\n2", 2}, {";20\n", 3}},
         {{"1", "10"}, {"2", "20"}}, 0},
        {"a number too long for a cell keeps the sign it was read with", Valg(),
         {{"1;12345678901234567890123456789012345\n2;2,5\n", 1}},
         {{"1", "1.234567890123457e+34"}, {"2", "2,5"}}, 0},
        {"malformed lines are skipped and counted", Valg(), {{"1;2\nxx\n3;4;5\n\n5;6\n", 1}}, {{"1", "2"}, {"5", "6"}}, 2},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TProjekt p = Projekt();
        TOpsamling o(p, t.valg);
        ASSERT_TRUE(o.Start(0)) << o.Besked();
        int antal = 0;
        for (const auto& l : t.laesninger) antal += o.Modtag(l.bytes, l.tid);
        EXPECT_EQ(antal, static_cast<int>(t.ud.size()));
        EXPECT_EQ(o.Maalinger(), static_cast<int>(t.ud.size()));
        EXPECT_EQ(o.Fejllinier(), t.fejl);
        EXPECT_TRUE(o.Koerer());
        o.Stop();
        EXPECT_EQ(Tabel(p, 1), t.ud);
        EXPECT_EQ(o.Besked(), "");
    }
}

// Captured values are stored as the same lines pasted would be: the same cells, the same count.
TEST(Opsamling, StoresWhatAPasteOfTheSameLinesStores) {
    const std::string tekst = "t;A0\n0;1,5\n0,5;2,25\n1;3\n";
    TProjekt fanget = Projekt(), indsat = Projekt();
    TOpsamling o(fanget, {});
    ASSERT_TRUE(o.Start());
    o.Modtag(tekst, 1);
    o.Stop();
    const TImportResultat r = LaesDataTekst(tekst);
    TIndsaetningsValg v;
    v.DecimalTegn = r.DecimalTegn;
    const TIndsaetning ind = ForberedIndsaetning(indsat, r.Data, v);
    ASSERT_TRUE(ind.Ok);
    UdfoerIndsaetning(indsat, 1, ind);
    if (ind.AntalIndgange < indsat.Tabeller[1].AntalIndgange) SaetAntalIndgangeBevar(indsat.Tabeller[1], ind.AntalIndgange);
    EXPECT_EQ(Tabel(fanget, 1), Tabel(indsat, 1));
    EXPECT_EQ(Tabel(fanget, 1), (Maalinger{{"0", "1,5"}, {"0,5", "2,25"}, {"1", "3"}}));
}

TEST(Opsamling, MaalingerGrowsWithTheLinesAndKeepsWhatWasThere) {
    TProjekt p = Projekt();
    p.Tabeller[1].Celler.SaetCelle("7", 1, 2);
    p.Tabeller[1].Celler.SaetCelle("8", 2, 3);
    TOpsamling o(p, {});
    ASSERT_TRUE(o.Start());
    EXPECT_EQ(o.FoersteMaaling(), 3);
    std::string linier;
    for (int i = 1; i <= 1500; ++i) linier += std::to_string(i) + ";" + std::to_string(2 * i) + "\n";
    // In reads of 100 bytes, as a port delivers them: the table grows past
    // its ten measurements and past every step of the matrix behind it.
    int hoejeste = 0;
    for (size_t i = 0; i < linier.size(); i += 100) {
        o.Modtag(std::string_view(linier).substr(i, 100), 1);
        EXPECT_EQ(p.Tabeller[1].AntalIndgange, std::max(10, 2 + o.Maalinger()));
        hoejeste = std::max(hoejeste, p.Tabeller[1].Celler.Soejler());
    }
    o.Stop();
    const TTabelDef& t = p.Tabeller[1];
    ASSERT_EQ(t.AntalIndgange, 1502);
    EXPECT_EQ(t.Celler.Soejler(), 1503);  // no room left over once it stops
    EXPECT_GE(hoejeste, 1503);
    EXPECT_EQ(t.Celler.HentCelle(1, 2), "7");
    EXPECT_EQ(t.Celler.HentCelle(2, 3), "8");
    for (int i = 1; i <= 1500; ++i) {
        ASSERT_EQ(t.Celler.HentCelle(1, i + 3), std::to_string(i));
        ASSERT_EQ(t.Celler.HentCelle(2, i + 3), std::to_string(2 * i));
    }
}

TEST(Opsamling, StopsByItselfWithAMessageAndKeepsTheValues) {
    struct {
        const char* navn;
        int foerste;
        std::string bytes;
        bool afbryd;
        Maalinger sidste;  // the last measurements of the table
        int antal;
        std::string besked;
    } tilfaelde[] = {
        {"the table is full", 32765, "1;1\n2;2\n3;3\n4;4\n5;5\n", false, {{"1", "1"}, {"2", "2"}, {"3", "3"}}, 3,
         "Opsamlingen er stoppet, fordi tabel 1 er fuld: en tabel kan h\xF8jst have 32767 m\xE5linger. "
         "3 m\xE5linger er gemt i tabel 1."},
        {"the device is gone between lines", 1, "1;1\n", true, {{"1", "1"}}, 1,
         "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. 1 m\xE5ling er gemt i tabel 1."},
        {"the device is gone in the middle of a line", 1, "1;1\n2;2\n3;", true, {{"1", "1"}, {"2", "2"}}, 2,
         "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. 2 m\xE5linger er gemt i tabel 1. "
         "Den sidste linie n\xE5" "ede ikke frem i sin helhed og er ikke taget med."},
        {"the device is gone before any line", 1, "1;", true, {}, 0,
         "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. Ingen m\xE5linger er gemt i tabel 1. "
         "Den sidste linie n\xE5" "ede ikke frem i sin helhed og er ikke taget med."},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TProjekt p = Projekt();
        TOpsamlingsValg valg;
        valg.FoersteMaaling = t.foerste;
        TOpsamling o(p, valg);
        ASSERT_TRUE(o.Start());
        o.Modtag(t.bytes, 1);
        if (t.afbryd) o.Afbryd();
        EXPECT_FALSE(o.Koerer());
        EXPECT_EQ(o.Besked(), t.besked);
        EXPECT_EQ(o.Maalinger(), t.antal);
        EXPECT_EQ(o.Modtag("9;9\n", 2), 0);  // nothing after the stop
        Maalinger alle = Tabel(p, 1);
        if (t.antal == 0) {
            EXPECT_EQ(alle, Maalinger(10, {"", ""}));
        } else {
            EXPECT_EQ(static_cast<int>(alle.size()), t.foerste + t.antal - 1);
            EXPECT_EQ(Maalinger(alle.end() - t.antal, alle.end()), t.sidste);
            // Room grown ahead of the count is given back.
            EXPECT_LE(p.Tabeller[1].Celler.Soejler(), std::max(11, p.Tabeller[1].AntalIndgange + 1));
        }
    }
}

TEST(Opsamling, AChoiceTheTableCannotTakeIsRefusedAtStart) {
    struct {
        const char* navn;
        TOpsamlingsValg valg;
        std::string besked;
    } tilfaelde[] = {
        {"no such table", Valg(4, {}, 0, 0), "Der er ingen tabel 4 at opsamle m\xE5linger i."},
        {"a table without input variables", Valg(3, {}, 0, 0),
         "Tabel 3 har ingen inddatavariable, s\xE5 der er intet at opsamle m\xE5linger i."},
        {"a computed variable", Valg(1, {1, 3}),
         "Variablen U i tabel 1 beregnes af programmet; m\xE5linger kan kun skrives i inddatavariable."},
        {"no such variable", Valg(1, {0, 0, 4}), "Der er ingen variabel 4 i tabel 1."},
        {"one variable twice", Valg(1, {2, 0, 2}),
         "Felt 1 og felt 3 skal begge til variablen A0; en variabel kan kun f\xE5 \xE9t felt."},
        {"nothing chosen", Valg(1, {0, 0}), "V\xE6lg mindst \xE9n variabel, som m\xE5lingerne skal skrives i."},
        {"the time into a field's variable", Valg(1, {1, 2}, 2),
         "Variablen A0 kan ikke b\xE5" "de f\xE5 tiden og et felt fra m\xE5leren."},
        {"the time into a computed variable", Valg(1, {1}, 3), "Tiden kan kun skrives i en af tabel 1s inddatavariable."},
        {"the time and nothing else for the fields", Valg(2, {}, 1, 0),
         "Variablen x kan ikke b\xE5" "de f\xE5 tiden og et felt fra m\xE5leren."},
        {"a full table", Valg(1, {}, 0, 32768), "Tabel 1 er fuld: en tabel kan h\xF8jst have 32767 m\xE5linger."},
    };
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TProjekt p = Projekt();
        const Maalinger foer = Tabel(p, 1);
        TOpsamling o(p, t.valg);
        EXPECT_FALSE(o.Start());
        EXPECT_FALSE(o.Koerer());
        EXPECT_EQ(o.Besked(), t.besked);
        EXPECT_EQ(o.Modtag("1;2\n", 1), 0);
        EXPECT_EQ(Tabel(p, 1), foer);
    }
}

TEST(Opsamling, RateIsMeasurementsPerSecondOverTheLastSecond) {
    TProjekt p = Projekt();
    TOpsamling o(p, {});
    ASSERT_TRUE(o.Start(10));
    std::string ti;
    for (int i = 0; i < 10; ++i) ti += "1;2\n";
    struct {
        int laesninger;  // reads of ten lines every tenth of a second so far
        double naa;
        double rate;
    } tilfaelde[] = {
        {5, 10.5, 100},   // half a second: 50 lines since the start
        {30, 13.0, 100},  // the second from 12.0 to 13.0
        {30, 13.5, 50},  // silent for half a second: from the read at 12.5
        {30, 15.0, 0},    // silent for two seconds
    };
    int gjort = 0;
    for (const auto& t : tilfaelde) {
        for (; gjort < t.laesninger; ++gjort) o.Modtag(ti, 10 + (gjort + 1) / 10.0);
        EXPECT_NEAR(o.Rate(t.naa), t.rate, 1e-9) << t.naa;
    }
    EXPECT_EQ(o.Status(), "300 m\xE5linger opsamlet.");
    o.Modtag("x\n", 16);
    EXPECT_EQ(o.Status(), "300 m\xE5linger opsamlet; 1 linie kunne ikke l\xE6ses og er sprunget over.");
    o.Modtag("y\n", 17);
    EXPECT_EQ(o.Status(), "300 m\xE5linger opsamlet; 2 linier kunne ikke l\xE6ses og er sprunget over.");
}

// The example sketch's lines (its header, then the time with three decimals,
// a tab and the reading, each ended by println's CRLF) into the example project.
TEST(Opsamling, TheExampleSketchFillsTheExampleProject) {
    TProjekt p;
    StartProjekt(p);
    LaesProjektFil(p, test::Kildesti("examples/Opsamling.prj"));
    ASSERT_FALSE(Fejl);
    TOpsamling o(p, {});
    ASSERT_TRUE(o.Start()) << o.Besked();
    o.Modtag("t\tA0\r\n0.000\t0\r\n0.100\t511\r\n0.2", 0.2);
    o.Modtag("00\t1023\r\n", 0.3);
    o.Stop();
    EXPECT_EQ(Tabel(p, 1), (Maalinger{{"0.000", "0"}, {"0.100", "511"}, {"0.200", "1023"}}));
    EXPECT_EQ(o.Fejllinier(), 0);
}

}  // namespace
}  // namespace plotvik
