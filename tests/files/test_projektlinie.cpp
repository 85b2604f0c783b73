// The keyword lines of a project description, one at a time into the model.
#include <gtest/gtest.h>

#include "files/PlotvikAnalyse.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;

TProjekt NytProjekt() {
    TProjekt p;
    StartProjekt(p);
    return p;
}

TEST(ProjektLinie, PendulLinesFillTheModel) {
    FakeFlade flade;
    TProjekt p = NytProjekt();
    const char* linier[] = {
        "Overskrift(1): overskrift=\"Pendul\";",
        "Konstant(1): g = 9.82 [m/s^2];",
        "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;",
        "Variabel(1,1): L:=?[m];",
        "Variabel(1,2): T:=?[s];",
        "Variabel(1,3): a:= L/T^2:8:3 [m/s^2];",
        "Graf(1,1): graf_navn=\"T mod L\"; grafark_no=1; xgraf=L; ygraf=T;graf_type=R;",
        "Grafakse(1,1):  xmin=0.1; xmax=1.5; ymin=0.5; ymax=3;",
    };
    for (auto l : linier) {
        FortolkProjektLinie(p, l);
        ASSERT_FALSE(Fejl) << l;
    }
    EXPECT_TRUE(flade.Vist.empty());
    EXPECT_EQ(p.Overskrift, "Pendul");
    EXPECT_EQ(p.AntalKonstanter, 1);
    EXPECT_EQ(p.Tabeller[0].Variable[1].Definition, "g=9.82[m/s^2]");
    EXPECT_EQ(p.AntalTabeller, 1);
    const auto& t = p.Tabeller[1];
    EXPECT_EQ(t.TabelType, 'S');
    EXPECT_EQ(t.AntalVariable, 3);
    EXPECT_EQ(t.AntalIndgange, 5);
    EXPECT_EQ(t.TabelBredde, 10);
    EXPECT_EQ(t.Variable[1].Definition, "L:=?[m]");
    EXPECT_EQ(t.Variable[2].Definition, "T:=?[s]");
    EXPECT_EQ(t.Variable[3].Definition, "a:=L/T^2:8:3[m/s^2]");
    EXPECT_EQ(t.AntalGrafer, 1);
    const auto& g = t.Grafer[1];
    EXPECT_EQ(g.GrafNavn, "T mod L");
    EXPECT_EQ(g.GrafArkNo, 1);
    EXPECT_EQ(g.XGraf, "L");
    EXPECT_EQ(g.YGraf, "T");
    EXPECT_EQ(g.GrafType, 'R');
    EXPECT_DOUBLE_EQ(g.XMin, 0.1);
    EXPECT_DOUBLE_EQ(g.XMax, 1.5);
    EXPECT_DOUBLE_EQ(g.YMin, 0.5);
    EXPECT_DOUBLE_EQ(g.YMax, 3.0);
    EXPECT_EQ(p.OpbygTaellere[0], '1');
    EXPECT_EQ(p.OpbygTaellere[1], '1');
}

// Lines that must be refused, with the exact message of the common syntax error.
TEST(ProjektLinie, SyntaxErrorsNameThePositionAndTheLine) {
    struct Tilfaelde {
        const char* linie;
        std::string besked;
    } tilfaelde[] = {
        {"  Konstant(1): g = 9.82;", "Syntaksfejl i pos: 11 linien: \n\r  Konstant(1): g = 9.82;"},
        {"Konstant (1): g = 9.82;", "Syntaksfejl i pos: 10 linien: \n\rKonstant (1): g = 9.82;"},
        {"     ", "Syntaksfejl i pos: 0 linien: \n\r     "},
        {"intet(1): x;", "Syntaksfejl i pos: 6 linien: \n\rintet(1): x;"},
        {"Variabel(1,A): x:=?;", "Syntaksfejl i pos: 12 linien: \n\rVariabel(1,A):x:=?;"},
        {"Variabel(1;1): x:=?;", "Syntaksfejl i pos: 11 linien: \n\rVariabel(1;1):x:=?;"},
        {"Variabel(1,1) x:=?;", "Syntaksfejl i pos: 13 linien: \n\rVariabel(1,1)x:=?;"},
        {"Variabel(1,23): x:=?;", "Syntaksfejl i pos: 14 linien: \n\rVariabel(1,23):x:=?;"},
        {"Variabel(1,0): x:=?;", "Syntaksfejl i pos: 13 linien: \n\rVariabel(1,0):x:=?;"},
        {"Variabel(2,1): x:=?;", "Syntaksfejl i pos: 10 linien: \n\rVariabel(2,1):x:=?;"},
        {"Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5;",
         "Syntaksfejl i pos: 7 linien: \n\rTabel(1):tabel_type=S;antal_variable=3;antal_indgange=5;"},
        {"Tabel(5): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;",
         "Syntaksfejl i pos: 7 linien: \n\rTabel(5):tabel_type=S;antal_variable=3;antal_indgange=5;tabel_bredde=10;"},
        {"Tabel(0): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;",
         "Syntaksfejl i pos: 7 linien: \n\rTabel(0):tabel_type=S;antal_variable=3;antal_indgange=5;tabel_bredde=10;"},
        {"Tabel(2): tabel_type=S; antal_variable=23; antal_indgange= 5; tabel_bredde= 10;",
         "Syntaksfejl i pos: 7 linien: \n\rTabel(2):tabel_type=S;antal_variable=23;antal_indgange=5;tabel_bredde=10;"},
        {"Tabel(a): tabel_type=S;", "Syntaksfejl i pos: 7 linien: \n\rTabel(a):tabel_type=S;"},
        {"Graf(1,4): graf_navn=\"x\"; grafark_no=1; xgraf=L; ygraf=T; graf_type=R;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,4):graf_navn=\"x\";grafark_no=1;xgraf=L;ygraf=T;graf_type=R;"},
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=1; xgraf=L; graf_type=R;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=1;xgraf=L;graf_type=R;"},
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=4; xgraf=L; ygraf=T; graf_type=R;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=4;xgraf=L;ygraf=T;graf_type=R;"},
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=1; xgraf=L; ygraf=T; graf_type=P;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=1;xgraf=L;ygraf=T;graf_type=P;"},
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=1; xgraf=L; ygraf=T; graf_type=P; pol_grad=x;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=1;xgraf=L;ygraf=T;graf_type=P;pol_grad=x;"},
        // A degree the project file could not read back.
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=1; xgraf=L; ygraf=T; graf_type=P; pol_grad=-2;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=1;xgraf=L;ygraf=T;graf_type=P;pol_grad=-2;"},
        {"Graf(1,1): graf_navn=\"x\"; grafark_no=1; xgraf=L; ygraf=T; graf_type=P; pol_grad=5000;",
         "Syntaksfejl i pos: 8 linien: \n\rGraf(1,1):graf_navn=\"x\";grafark_no=1;xgraf=L;ygraf=T;graf_type=P;pol_grad=5000;"},
        {"Graf(1.1): graf_navn=\"x\";", "Syntaksfejl i pos: 7 linien: \n\rGraf(1.1):graf_navn=\"x\";"},
        {"Grafakse(1,1): xmin=0.1; xmax=1.5; ymin=a; ymax=3;",
         "Syntaksfejl i pos: 12 linien: \n\rGrafakse(1,1):xmin=0.1;xmax=1.5;ymin=a;ymax=3;"},
        {"Grafakse(1,1): xmin=0.1; xmax=1.5; ymin=0.5;",
         "Syntaksfejl i pos: 12 linien: \n\rGrafakse(1,1):xmin=0.1;xmax=1.5;ymin=0.5;"},
        {"Overskrift(1) \"Pendul\";", "Syntaksfejl i pos: 11 linien: \n\rOverskrift(1)\"Pendul\";"},
    };
    for (const auto& t : tilfaelde) {
        FakeFlade flade;
        TProjekt p = NytProjekt();
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;");
        ASSERT_FALSE(Fejl);
        FortolkProjektLinie(p, t.linie);
        EXPECT_TRUE(Fejl) << t.linie;
        ASSERT_EQ(flade.Vist.size(), 1u) << t.linie;
        EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
        EXPECT_EQ(flade.Vist[0].Tekst, t.besked);
    }
}

TEST(ProjektLinie, AcceptedLinesAndTheirFields) {
    FakeFlade flade;
    TProjekt p = NytProjekt();
    FortolkProjektLinie(p, "KONSTANT(1): g = ? [m/s^2];");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Tabeller[0].Variable[1].Definition, "g=?[m/s^2]");
    EXPECT_EQ(p.AntalKonstanter, 1);

    FortolkProjektLinie(p, "Konstant(B): k = 3;");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.AntalKonstanter, 11);
    EXPECT_EQ(p.Tabeller[0].Variable[11].Definition, "k=3");
    EXPECT_EQ(p.OpbygTaellere[0], 'B');

    // A second constant 1 starts the list afresh.
    FortolkProjektLinie(p, "Konstant(1): h = 2;");
    EXPECT_EQ(p.Tabeller[0].Variable[11].Definition, "");
    EXPECT_EQ(p.Tabeller[0].Variable[1].Definition, "h=2");
    EXPECT_EQ(p.AntalKonstanter, 11);

    FortolkProjektLinie(p, "Tabel(2): tabel_type=R; antal_variable=x; antal_indgange= 7; tabel_bredde= 8;");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.AntalTabeller, 2);
    EXPECT_EQ(p.Tabeller[2].TabelType, 'R');
    EXPECT_EQ(p.Tabeller[2].AntalVariable, 0);  // not an integer: 0
    EXPECT_EQ(p.OpbygTaellere[1], '2');
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 5; tabel_bredde= 10;");
    EXPECT_EQ(p.AntalTabeller, 2);  // only grows

    FortolkProjektLinie(p, "Variabel(1,12): x:=?;");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Tabeller[1].AntalVariable, 12);
    EXPECT_EQ(p.Tabeller[1].Variable[12].Definition, "x:=?");
    FortolkProjektLinie(p, "Variabel(1,3): y:= x*2:8:2");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Tabeller[1].Variable[3].Definition, "y:=x*2:8:2");
    EXPECT_EQ(p.Tabeller[1].AntalVariable, 12);

    FortolkProjektLinie(p, "Overskrift(1): overskrift=Pendul;");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Overskrift, "");
    FortolkProjektLinie(p, "Overskrift(1): overskrift=\"Svingninger af et matematisk pendul i laboratoriet\";");
    EXPECT_EQ(p.Overskrift, "Svingninger af et matematisk pen");
    FortolkProjektLinie(p, "Overskrift(1): overskrift=\"M\xE5lt p\xE5 fald\";");
    EXPECT_EQ(p.Overskrift, "M\xE5lt p\xE5 fald");

    FortolkProjektLinie(p, "Graf(1,2): graf_navn=\"y mod x\"; grafark_no=3; xgraf=x; ygraf=y*2; graf_type=p; pol_grad=2.6;");
    EXPECT_FALSE(Fejl);
    const auto& g = p.Tabeller[1].Grafer[2];
    EXPECT_EQ(g.GrafType, 'P');
    EXPECT_EQ(g.PolGrad, 3);
    EXPECT_EQ(g.GrafArkNo, 3);
    EXPECT_EQ(g.YGraf, "y*2");
    EXPECT_EQ(p.Tabeller[1].AntalGrafer, 2);
    EXPECT_EQ(p.OpbygTaellere[1], '1');

    // Halves of the degree go to the even integer.
    FortolkProjektLinie(p, "Graf(1,1): graf_navn=\"a\"; grafark_no=1; xgraf=x; ygraf=y; graf_type=P; pol_grad=2,5;");
    EXPECT_EQ(p.Tabeller[1].Grafer[1].PolGrad, 2);
    FortolkProjektLinie(p, "Graf(1,1): graf_navn=\"a\"; grafark_no=1; xgraf=x; ygraf=y; graf_type=P; pol_grad=3.5;");
    EXPECT_EQ(p.Tabeller[1].Grafer[1].PolGrad, 4);

    FortolkProjektLinie(p, "Grafakse(1,1): xmin=0,5; xmax=-1e2; ymin= -2,25; ymax=3;");
    EXPECT_FALSE(Fejl);
    EXPECT_DOUBLE_EQ(p.Tabeller[1].Grafer[1].XMin, 0.5);
    EXPECT_DOUBLE_EQ(p.Tabeller[1].Grafer[1].XMax, -100.0);
    EXPECT_DOUBLE_EQ(p.Tabeller[1].Grafer[1].YMin, -2.25);
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(ProjektLinie, KeywordNumberCharacters) {
    struct {
        char c;
        int v;
    } tabel[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'B', 11}, {'Z', 35}, {'a', -1}, {',', -1}, {'\xC6', -1}};
    for (auto t : tabel) EXPECT_EQ(TegnVaerdi(t.c), t.v) << t.c;
}

TEST(ProjektLinie, AConstantLineThatFailsShowsTheConstantMessageFirst) {
    {
        FakeFlade flade;
        TProjekt p = NytProjekt();
        FortolkProjektLinie(p, "Konstant(1) g = 9.82;");
        EXPECT_TRUE(Fejl);
        ASSERT_EQ(flade.Tekster().size(), 2u);
        EXPECT_EQ(flade.Tekster()[0], "Fejl ved fortolkning af konstant no 1 KonstantUdtryk: 1)g=9.82");
        EXPECT_EQ(flade.Tekster()[1], "Syntaksfejl i pos: 10 linien: \n\rKonstant(1)g=9.82;");
    }
    {
        // Ignore in the constant's box: no syntax message, the line counts as accepted.
        FakeFlade flade;
        flade.Svar = {true};
        TProjekt p = NytProjekt();
        FortolkProjektLinie(p, "Konstant(1) g = 9.82;");
        EXPECT_FALSE(Fejl);
        EXPECT_EQ(flade.Vist.size(), 1u);
    }
    {
        // A constant before constant 1 has no list to go into.
        FakeFlade flade;
        TProjekt p = NytProjekt();
        FortolkProjektLinie(p, "Konstant(2): g = 9.82;");
        EXPECT_TRUE(Fejl);
        ASSERT_EQ(flade.Tekster().size(), 2u);
        EXPECT_EQ(flade.Tekster()[0], "Fejl ved fortolkning af konstant no 2 KonstantUdtryk: 2):g=9.82");
        EXPECT_EQ(flade.Tekster()[1], "Syntaksfejl i pos: 10 linien: \n\rKonstant(2):g=9.82;");
        EXPECT_EQ(p.Tabeller[0].Variable[2].Definition, "");
    }
    {
        // Constant 23 has no slot; the number character was not a valid one for "x".
        FakeFlade flade;
        TProjekt p = NytProjekt();
        FortolkProjektLinie(p, "Konstant(1): g = 9.82;");
        FortolkProjektLinie(p, "Konstant(N): k = 1;");
        EXPECT_TRUE(Fejl);
        EXPECT_EQ(flade.Tekster()[0], "Fejl ved fortolkning af konstant no N KonstantUdtryk: N):k=1");
        flade.Vist.clear();
        FortolkProjektLinie(p, "Konstant(x): k = 1;");
        EXPECT_EQ(flade.Tekster()[0], "Fejl ved fortolkning af konstant no N KonstantUdtryk: x):k=1");
        EXPECT_EQ(p.AntalKonstanter, 1);
    }
}

TEST(ProjektLinie, IgnoreLetsTheConversionGoOn) {
    FakeFlade flade;
    flade.Svar = {true};
    TProjekt p = NytProjekt();
    FortolkProjektLinie(p, "Tabel(9): tabel_type=S;");
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(flade.Vist.size(), 1u);
}

TEST(ProjektLinie, LongLinesAreCutTo255) {
    FakeFlade flade;
    TProjekt p = NytProjekt();
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=1; antal_indgange= 5; tabel_bredde= 10;");
    std::string lang = "Variabel(1,1): x:=" + std::string(300, '1');
    FortolkProjektLinie(p, lang);
    EXPECT_FALSE(Fejl);
    EXPECT_EQ(p.Tabeller[1].Variable[1].Definition.size(), 255u - 14u);
    // The message is never longer than 255 characters.
    FortolkProjektLinie(p, std::string(400, 'x'));
    EXPECT_EQ(flade.Sidste().size(), 255u);
}

}  // namespace
}  // namespace plotvik
