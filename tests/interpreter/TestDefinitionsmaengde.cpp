// Domains of function expressions: conditions, their sorting, the intervals
// with strict bounds moved inward, and every message of the domain reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/Definitionsmaengde.h"
#include "interpreter/PlotvikInterprete.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

const double Pi = 3.141592653589793;

TEST(Definitionsmaengde, IntervallerMedEpsIndsnaevring) {
    FakeFlade flade;
    const double e = 2e-5;  // (10 - -10) * 1e-6
    struct Raekke { const char* dm; std::vector<TInterval> forventet; };
    const std::vector<Raekke> tabel = {
        {"R", {{-10, 10}}},
        {"r", {{-10, 10}}},
        {"", {{-10, 10}}},
        {" R ", {{-10, 10}}},
        {"x", {{-10, 10}}},                                  // no condition: the whole range
        {"and or", {{-10, 10}}},
        {"0<x<10 and x<>5", {{e, 5 - e}, {5 + e, 10 - e}}},
        {"x<-1 or x>1", {{-10, -1 - e}, {1 + e, 10}}},
        {"x>=2", {{2, 10}}},
        {"x<=2", {{-10, 2}}},
        {"x>5", {{5 + e, 10}}},
        {"5<x", {{5 + e, 10}}},
        {"t>0", {{e, 10}}},
        {"X > 0", {{e, 10}}},                               // blanks and upper case are prepared away
        {"x<>5", {{-10, 5 - e}, {5 + e, 10}}},
        {"x>pi/2", {{Pi / 2 + e, 10}}},
        {"x>-pi", {{-Pi + e, 10}}},
        {"x<2*pi", {{-10, 2 * Pi - e}}},
        {"x<8/2/2", {{-10, 8 - e}}},                         // a/b/c is a/(b/c)
        {"-2<=x<=3", {{-2, 3}}},
        {"x<5 and x>1", {{1 + e, 5 - e}}},                   // sorted by number
        {"x>1 and x>3 and x<5 and x<7", {{3 + e, 5 - e}}},   // largest lower, smallest upper bound
        {"x>20", {}},                                         // beyond the range: nothing
        {"x<-3 or 2<x<3 or x>=4", {{-10, -3 - e}, {2 + e, 3 - e}, {4, 10}}},
        {"x>1e-3", {{0.001 + e, 10}}},
    };
    for (const auto& r : tabel) {
        Fejl = false;
        const auto iv = Definitionsintervaller(r.dm, -10, 10);
        EXPECT_FALSE(Fejl) << r.dm;
        ASSERT_EQ(iv.size(), r.forventet.size()) << r.dm;
        for (size_t i = 0; i < iv.size(); ++i) {
            EXPECT_NEAR(iv[i].Nedre, r.forventet[i].Nedre, 1e-12) << r.dm;
            EXPECT_NEAR(iv[i].Oevre, r.forventet[i].Oevre, 1e-12) << r.dm;
        }
    }
    EXPECT_TRUE(flade.Vist.empty());
    // Two intervals in another range: eps = 45 * 1e-6.
    const auto iv = Definitionsintervaller("0<x<10 or 20<x<30", -5, 40);
    ASSERT_EQ(iv.size(), 2u);
    EXPECT_NEAR(iv[0].Nedre, 45e-6, 1e-15);
    EXPECT_NEAR(iv[0].Oevre, 10 - 45e-6, 1e-13);
    EXPECT_NEAR(iv[1].Nedre, 20 + 45e-6, 1e-13);
    EXPECT_NEAR(iv[1].Oevre, 30 - 45e-6, 1e-13);
}

TEST(Definitionsmaengde, BetingelserForberedtOgSorteret) {
    FakeFlade flade;
    std::string dm = "X < 5 AND 1 < x";
    Fejl = true;  // a new domain starts from a clear flag
    const auto b = LaesDefinitionsmaengde(dm);
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(dm, "x<5and1<x");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].Relation, ">");
    EXPECT_EQ(b[0].Tal, 1);
    EXPECT_EQ(b[1].Relation, "<");
    EXPECT_EQ(b[1].Tal, 5);
    // Equal numbers keep their order; number <= x is turned around to >=.
    dm = "x<>5 and 5<=x and x>=5";
    const auto c = LaesDefinitionsmaengde(dm);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].Relation, "<");
    EXPECT_EQ(c[1].Relation, ">");
    EXPECT_EQ(c[2].Relation, ">=");
    EXPECT_EQ(c[3].Relation, ">=");
    dm = " ";
    Fejl = true;
    EXPECT_TRUE(LaesDefinitionsmaengde(dm).empty());
    EXPECT_EQ(dm, "r");
    EXPECT_TRUE(Fejl);  // the whole range leaves the flag alone
    Fejl = false;
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(Definitionsmaengde, MeddelelserIRaekkefoelge) {
    const std::string tegn = "Illegalt tegn i Definitionsm\xE6ngde!\n\r";
    const std::string fortolk = "Fejl ved fortolkning af Definitionsm\xE6ngde for funktion:\n\r";
    const std::string tal = "Fejl i tal i definitionsm\xE6ngde for funktion!\n\r";
    const std::string op = "Illegal operator i definitionsm\xE6ngde:  ";
    struct Raekke { const char* dm; std::vector<std::string> forventet; };
    const std::vector<Raekke> tabel = {
        {"x<2#", {tegn + "x<2#", fortolk + "x<2#"}},
        {"x>1,5", {tegn + "x>1,5", fortolk + "x>1,5"}},
        {"x>1+1", {tal + "x>1+1", fortolk + "x>1+1"}},
        {"1+1<x", {tal + "1+1<x", fortolk + "1+1<x", fortolk + "1+1<x"}},
        {"x=<5", {op + "x=<5", fortolk + "x=<5", fortolk + "x=<5"}},
        {"x==5", {op + "x==5", fortolk + "x==5", fortolk + "x==5"}},
        {"5", {op + "5", fortolk + "5", fortolk + "5"}},
        {"0<x<<3", {op + "0<x<<3", fortolk + "0<x<<3", fortolk + "0<x<<3"}},
        {"<5", {fortolk + "<5"}},
        {"=x", {fortolk + "=x"}},
        {"e", {fortolk + "e"}},
        {"x>1/0", {tal + "x>1/0", fortolk + "x>1/0"}},
        {"x>1e999", {tal + "x>1e999", fortolk + "x>1e999"}},
        {"x>i", {tal + "x>i", fortolk + "x>i"}},
        {"x>0andx>1andx>2andx>3andx>4andx>5andx>6andx>7andx>8andx>9andx>10",
         {fortolk + "x>0andx>1andx>2andx>3andx>4andx>5andx>6andx>7andx>8andx>9andx>10"}},
    };
    for (const auto& r : tabel) {
        FakeFlade flade;
        Fejl = false;
        const auto iv = Definitionsintervaller(r.dm, -10, 10);
        EXPECT_TRUE(Fejl) << r.dm;
        EXPECT_TRUE(iv.empty()) << r.dm;  // a domain that failed is not drawn
        EXPECT_EQ(flade.Tekster(), r.forventet) << r.dm;
        for (const auto& v : flade.Vist) EXPECT_EQ(v.Art, Boks::FejlMedIgnorer) << r.dm;
    }
    Fejl = false;
}

TEST(Definitionsmaengde, HoejstFemIntervaller) {
    const std::string fem = "x<1 or 2<x<3 or 4<x<5 or 6<x<7 or 8<x<9";
    {
        FakeFlade flade;
        Fejl = false;
        EXPECT_EQ(Definitionsintervaller(fem, 0, 10).size(), 5u);
        EXPECT_FALSE(Fejl);
        EXPECT_TRUE(flade.Vist.empty());
    }
    FakeFlade flade;
    Fejl = false;
    EXPECT_TRUE(Definitionsintervaller(fem + " or x>9.5", 0, 10).empty());
    EXPECT_TRUE(Fejl);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Fejl ved fortolkning af Definitionsm\xE6ngde for funktion:\n\r"
                                                        "x<1or2<x<3or4<x<5or6<x<7or8<x<9orx>9.5"});
    // Ignoring the message keeps the first five.
    flade.Svar = {true};
    Fejl = false;
    EXPECT_EQ(Definitionsintervaller(fem + " or x>9.5", 0, 10).size(), 5u);
    EXPECT_FALSE(Fejl);
}

}  // namespace
}  // namespace plotvik
