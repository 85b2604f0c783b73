// The printed layouts: table blocks, graph results and the text sheet,
// line by line and font by font.
#include <gtest/gtest.h>

#include "files/Udskrift.h"

namespace plotvik {
namespace {

// A table of type `type` with v variables, m measurements and field width w;
// cell (variable i, column c) holds "i.c" (headers "h<i>").
TProjekt Tabel(char type, int v, int m, int w, int t = 1) {
    TProjekt p;
    TTabelDef& d = p.Tabeller[t];
    d.TabelType = type;
    d.AntalVariable = v;
    d.AntalIndgange = m;
    d.TabelBredde = w;
    d.Celler.Opret(v, m + 1);
    for (int i = 1; i <= v; ++i) {
        d.Celler.SaetCelle("h" + std::to_string(i), i, 1);
        for (int c = 2; c <= m + 1; ++c) d.Celler.SaetCelle(std::to_string(i) + "." + std::to_string(c - 1), i, c);
    }
    return p;
}

TEST(Udskrift, TwoByTwoExampleWithWidthFive) {
    TProjekt p;
    TTabelDef& d = p.Tabeller[1];
    d.TabelType = 'S';
    d.AntalVariable = 2;
    d.AntalIndgange = 2;
    d.TabelBredde = 5;
    d.Celler.Opret(2, 3);
    d.Celler.SaetCelle("t s", 1, 1);
    d.Celler.SaetCelle("v m/s", 2, 1);
    d.Celler.SaetCelle("0.5", 1, 2);
    d.Celler.SaetCelle("4.91", 2, 2);
    d.Celler.SaetCelle("1.0", 1, 3);
    d.Celler.SaetCelle("9.82", 2, 3);
    std::vector<std::string> forventet = {
        "-------------",
        "|  t s|v m/s|",
        "|-----+-----|",
        "|  0.5| 4.91|",
        "|-----+-----|",
        "|  1.0| 9.82|",
        "-------------",
    };
    EXPECT_EQ(TabelBlokke(p, 1), forventet);
    for (const auto& l : forventet) EXPECT_EQ(l.size(), 13u);
}

TEST(Udskrift, ColumnsPerBlockFollowTheFieldWidth) {
    std::vector<std::pair<int, int>> raekker = {{10, 7}, {20, 4}, {3, 18}, {5, 13}, {12, 6}, {91, 1},
                                                {92, 1}, {200, 1}, {0, 46}, {-5, 46}};
    for (auto [w, cpb] : raekker) EXPECT_EQ(SoejlerPrBlok(w), cpb) << w;
}

// Counts the blocks and the columns of each block from the top rules.
std::vector<int> BlokBredder(const std::vector<std::string>& linier, int w) {
    std::vector<int> bredder;
    for (size_t i = 0; i < linier.size(); ++i)
        if (linier[i][0] == '-' && (i == 0 || linier[i - 1][0] == '-'))
            bredder.push_back(static_cast<int>(linier[i].size() - 1) / (w + 1));
    return bredder;
}

TEST(Udskrift, VariablesAreSplitIntoBlocksEachWithAllRows) {
    struct Raekke {
        int variable, w;
        std::vector<int> blokke;
    };
    std::vector<Raekke> raekker = {
        {7, 10, {7}}, {8, 10, {7, 1}}, {9, 20, {4, 4, 1}}, {18, 3, {18}}, {19, 3, {18, 1}}, {1, 10, {1}},
    };
    for (const auto& r : raekker) {
        TProjekt p = Tabel('S', r.variable, 3, r.w);
        auto linier = TabelBlokke(p, 1);
        EXPECT_EQ(BlokBredder(linier, r.w), r.blokke) << r.variable << " " << r.w;
        // Each block: top rule, 4 cell lines (header + 3 measurements), 3 separators, bottom rule.
        EXPECT_EQ(linier.size(), r.blokke.size() * 9) << r.variable << " " << r.w;
    }
}

TEST(Udskrift, EightVariablesOfWidthTenGiveBlocksOfSevenAndOne) {
    TProjekt p = Tabel('S', 8, 1, 10);
    std::vector<std::string> forventet = {
        std::string(78, '-'),
        "|        h1|        h2|        h3|        h4|        h5|        h6|        h7|",
        "|----------+----------+----------+----------+----------+----------+----------|",
        "|       1.1|       2.1|       3.1|       4.1|       5.1|       6.1|       7.1|",
        std::string(78, '-'),
        std::string(12, '-'),
        "|        h8|",
        "|----------|",
        "|       8.1|",
        std::string(12, '-'),
    };
    EXPECT_EQ(TabelBlokke(p, 1), forventet);
}

TEST(Udskrift, RowTablePrintsHeaderAndMeasurementsAsColumns) {
    TProjekt p = Tabel('R', 2, 2, 4);
    std::vector<std::string> forventet = {
        "----------------",
        "|  h1| 1.1| 1.2|",
        "|----+----+----|",
        "|  h2| 2.1| 2.2|",
        "----------------",
    };
    EXPECT_EQ(TabelBlokke(p, 1), forventet);
}

TEST(Udskrift, ALongCellIsPrintedWholeAndPushesTheLine) {
    TProjekt p = Tabel('S', 2, 1, 3);
    p.Tabeller[1].Celler.SaetCelle("lang tekst", 1, 1);
    auto linier = TabelBlokke(p, 1);
    ASSERT_EQ(linier.size(), 5u);
    EXPECT_EQ(linier[0], "---------");
    EXPECT_EQ(linier[1], "|lang tekst| h2|");
    EXPECT_EQ(linier[2], "|---+---|");
    EXPECT_EQ(linier[3], "|1.1|2.1|");
}

TEST(Udskrift, ConstantsTablePrintsHeadingsAndValues) {
    TProjekt p;
    TTabelDef& k = p.Tabeller[0];
    k.TabelType = 'S';
    k.AntalVariable = 2;
    k.AntalIndgange = 1;
    k.TabelBredde = 12;
    k.Celler.Opret(2, 2);
    k.Celler.SaetCelle("g m/s^2", 1, 1);
    k.Celler.SaetCelle("9.82", 1, 2);
    k.Celler.SaetCelle("m kg", 2, 1);
    k.Celler.SaetCelle("1.5", 2, 2);
    std::vector<std::string> forventet = {
        "---------------------------",
        "|     g m/s^2|        m kg|",
        "|------------+------------|",
        "|        9.82|         1.5|",
        "---------------------------",
    };
    EXPECT_EQ(TabelBlokke(p, 0), forventet);
}

TEST(Udskrift, EmptyOrUnknownTablesPrintNoGrid) {
    TProjekt p;
    EXPECT_TRUE(TabelBlokke(p, 1).empty());  // no variables
    EXPECT_TRUE(TabelBlokke(p, 5).empty());
    EXPECT_TRUE(TabelBlokke(p, -1).empty());
    // A table that claims more variables than the model holds prints at most 22.
    TProjekt q = Tabel('S', 2, 1, 10);
    q.Tabeller[1].AntalVariable = 1000;
    auto bredder = BlokBredder(TabelBlokke(q, 1), 10);
    EXPECT_EQ(bredder, (std::vector<int>{7, 7, 7, 1}));
}

TEST(Udskrift, TablePrintHasHeadingInTimesAndGridInCourier) {
    TProjekt p = Tabel('S', 1, 1, 3);
    std::vector<TUdskriftLinie> forventet = {
        {"Times New Roman", 14, "M\xE5linger"}, {"Times New Roman", 14, ""},
        {"Courier New", 10, "-----"},           {"Courier New", 10, "| h1|"},
        {"Courier New", 10, "|---|"},           {"Courier New", 10, "|1.1|"},
        {"Courier New", 10, "-----"},
    };
    EXPECT_EQ(TabelUdskrift(p, 1, "M\xE5linger"), forventet);
}

TEST(Udskrift, GraphResultsHeadingThenLinesInSizeTen) {
    TProjekt p;
    p.Tabeller[2].AntalGrafer = 1;
    p.Tabeller[2].Grafer[1].GrafNavn = "t - v Diagram";
    std::vector<TUdskriftLinie> forventet = {
        {"Times New Roman", 14, "Grafresultater til t - v Diagram, h\xF8rende til Tabel 2"},
        {"Times New Roman", 14, ""},
        {"Times New Roman", 10, "a = 1"},
        {"Times New Roman", 10, "b = 2"},
    };
    EXPECT_EQ(GrafresultatUdskrift(p, 2, 1, {"a = 1", "b = 2"}), forventet);
    // An empty list prints only the heading and the empty line.
    EXPECT_EQ(GrafresultatUdskrift(p, 2, 1, {}).size(), 2u);
}

TEST(Udskrift, TheSheetOfTheActiveGraph) {
    TProjekt p;
    p.Tabeller[1].AntalGrafer = 2;
    p.Tabeller[1].Grafer[1].GrafArkNo = 1;
    p.Tabeller[1].Grafer[2].GrafArkNo = 3;
    struct Raekke {
        int tabel, graf, ark;
    };
    std::vector<Raekke> raekker = {{1, 1, 1}, {1, 2, 3}, {1, 3, 0}, {0, 1, 0}, {2, 1, 0}, {1, 0, 0}, {5, 1, 0}};
    for (const auto& r : raekker) {
        p.AktivTabel = r.tabel;
        p.AktivGraf = r.graf;
        EXPECT_EQ(GrafArkForAktivGraf(p), r.ark) << r.tabel << "," << r.graf;
    }
}

TEST(Udskrift, TextSheetInArialTen) {
    std::vector<TUdskriftLinie> forventet = {
        {"Arial", 10, "Overskrift(1): overskrift=\"Fald\";"}, {"Arial", 10, ""}, {"Arial", 10, "\xC6\xD8\xC5"}};
    EXPECT_EQ(TekstUdskrift({"Overskrift(1): overskrift=\"Fald\";", "", "\xC6\xD8\xC5"}), forventet);
}

}  // namespace
}  // namespace plotvik
