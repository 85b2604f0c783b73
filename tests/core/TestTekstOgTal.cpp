// Text to number, the text helpers and the paired sort.
#include <gtest/gtest.h>

#include "core/PlotvikTyper.h"
#include "support/FakeFlade.h"

using namespace plotvik;

namespace {

TEST(TekstTilTal, LaeserTalMedKommaOgEksponent) {
    struct { const char* tekst; double vaerdi; } gyldige[] = {
        {"  2,5  ", 2.5}, {"2.5", 2.5}, {"1e3", 1000}, {"1E3", 1000}, {"-1,5E-2", -0.015},
        {"+7", 7}, {"\t3.5\r\n", 3.5}, {"\x01" "42\x1F", 42}, {"0", 0}, {"-0,25", -0.25},
        {".5", 0.5}, {"5.", 5}, {"1e+2", 100}, {"3,14", 3.14},
        // Only the first 32 characters count.
        {"00000000000000000000000000000001" "5", 1},
    };
    for (const auto& g : gyldige) {
        bool fejl = true;
        EXPECT_DOUBLE_EQ(TekstTilTal(g.tekst, fejl), g.vaerdi) << g.tekst;
        EXPECT_FALSE(fejl) << g.tekst;
    }
    const char* ugyldige[] = {"", "   ", "2,5,1", "abc", "1 000", "1.2.3", "1e", "e3", "--1",
                              "1,5x", "+", ".", "1e400", "1'000", "0x10", "inf", "nan"};
    for (const char* u : ugyldige) {
        bool fejl = false;
        EXPECT_EQ(TekstTilTal(u, fejl), 0.0) << u;
        EXPECT_TRUE(fejl) << u;
    }
}

TEST(TekstTilTal, SkriverFejlflagetVedHvertKald) {
    Fejl = true;
    EXPECT_EQ(TekstTilTal("12"), 12.0);
    EXPECT_FALSE(Fejl);
    TekstTilTal("x");
    EXPECT_TRUE(Fejl);
    Fejl = false;
}

TEST(TekstTilHeltal, LaeserHeltalEllerGiverNul) {
    struct { const char* tekst; int vaerdi; } tabel[] = {
        {"12", 12}, {"-7", -7}, {"+3", 3}, {"1.5", 0}, {"abc", 0}, {"", 0}, {"-", 0},
        {"99999999999", 0}, {"2147483647", 2147483647}, {" 8 ", 8},
    };
    for (const auto& r : tabel) EXPECT_EQ(TekstTilHeltal(r.tekst), r.vaerdi) << r.tekst;
}

TEST(IndsaetVed, DeFemTilfaelde) {
    struct { int p; const char* t; const char* forventet; } tabel[] = {
        {0, "XY", "abcdef"},       // p = 0: unchanged
        {7, "XY", "abcdefXY"},     // just after the end: appended
        {9, "XY", "abcdef  XY"},   // beyond: padded with blanks to p - 1, then appended
        {5, "XYZ", "abcdXYZ"},     // reaches past the end: cut before p, then appended
        {2, "XY", "aXYdef"},       // inside: replaced
    };
    for (const auto& r : tabel) {
        std::string s = "abcdef";
        IndsaetVed(s, r.p, r.t);
        EXPECT_EQ(s, r.forventet) << r.p;
    }
}

TEST(Tekster, BlankeOgCitater) {
    EXPECT_EQ(FjernMellemrum(" a b  c "), "abc");
    struct { const char* ind; const char* ud; } tabel[] = {
        {"a = \"hej med dig\" ;", "a=\"hej med dig\";"},
        {"\"a b\" c d", "\"a b\"cd"},
        {"x = 1 \"y z\" w \"q r", "x=1\"y z\"w\"q r"},
        {"", ""},
    };
    for (const auto& r : tabel) EXPECT_EQ(FjernMellemrumUdenforCitat(r.ind), r.ud);
    EXPECT_EQ(Gentag(' ', 3), "   ");
    EXPECT_EQ(Gentag('x', 0), "");
    EXPECT_EQ(KommaTilPunkt("1,2,3"), "1.2,3");
    EXPECT_EQ(KommaTilPunkt(std::string(40, '9')).size(), 32u);
}

TEST(Tekster, DanskeBogstaver) {
    struct { char ind, stort, lille; } tabel[] = {
        {'a', 'A', 'a'}, {'Z', 'Z', 'z'}, {'\xF8', '\xD8', '\xF8'}, {'\xE6', '\xC6', '\xE6'},
        {'\xE5', '\xC5', '\xE5'}, {'\xC5', '\xC5', '\xE5'}, {'\xE9', '\xE9', '\xE9'},
        {'\xC9', '\xC9', '\xC9'}, {'1', '1', '1'}, {'[', '[', '['},
    };
    for (const auto& r : tabel) {
        EXPECT_EQ(StortBogstav(r.ind), r.stort);
        EXPECT_EQ(LilleBogstav(r.ind), r.lille);
    }
    EXPECT_EQ(SmaaBogstaver("\xC6\xD8\xC5 ABC \xC9"), "\xE6\xF8\xE5 abc \xC9");
}

TEST(SorterPar, SortererXOgFoelgerMedY) {
    double x[] = {0, 3, 1, 2, 1};
    double y[] = {0, 30, 10, 20, 11};
    SorterPar(4, x, y);
    EXPECT_EQ((std::vector<double>(x + 1, x + 5)), (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ((std::vector<double>(y + 1, y + 5)), (std::vector<double>{10, 11, 20, 30}));
    double a[] = {0, 5}, b[] = {0, 6};
    SorterPar(1, a, b);
    SorterPar(0, a, b);
    EXPECT_EQ(a[1], 5);
}

TEST(VisFejl, IgnorerRydderFejlOgOkBeholderDen) {
    test::FakeFlade flade;
    flade.Svar = {false, true};
    Fejl = true;
    VisFejl("Fejl i Tallet: x");
    EXPECT_TRUE(Fejl);
    VisFejl("igen");
    EXPECT_FALSE(Fejl);
    ASSERT_EQ(flade.Vist.size(), 2u);
    EXPECT_EQ(flade.Vist[0].Art, test::Boks::FejlMedIgnorer);
    EXPECT_EQ(flade.Vist[0].Tekst, "Fejl i Tallet: x");
}

}  // namespace
