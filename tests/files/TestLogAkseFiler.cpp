// The exponential and power fits and the logarithmic axes in both project
// texts: written only for graphs that use them, read back as written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/Opbygning.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::FakeFlade;

TProjekt EnGraf(char type, bool logX, bool logY) {
    TProjekt p;
    StartProjekt(p);
    p.AntalTabeller = 1;
    TTabelDef& t = p.Tabeller[1];
    t.AntalVariable = 2;
    t.AntalIndgange = 11;
    t.Variable[1].Definition = "t:=?[s]";
    t.Variable[2].Definition = "N:=?";
    t.AntalGrafer = 1;
    TGrafDef& g = t.Grafer[1];
    g.GrafNavn = "Henfald";
    g.GrafArkNo = 1;
    g.XGraf = "t";
    g.YGraf = "N";
    g.GrafType = type;
    g.XMin = 0;
    g.XMax = 10;
    g.YMin = 1;
    g.YMax = 100;
    g.LogX = logX;
    g.LogY = logY;
    return p;
}

TEST(LogAkseFiler, TheProjectFileKeepsFitAndAxesOnTheTypeLine) {
    struct Raekke {
        char type;
        bool logX, logY;
        std::string typeLinie;
    };
    const std::vector<Raekke> raekker = {
        {'R', false, false, "R"},  // as every file without the new things
        {'E', false, true, "E logakse=y"},
        {'X', true, true, "X logakse=xy"},
        {'K', true, false, "K logakse=x"},
    };
    for (const Raekke& r : raekker) {
        const TProjekt p = EnGraf(r.type, r.logX, r.logY);
        const std::string fil = ProjektFilIndhold(p);
        const std::string slut = "\r\n" + r.typeLinie + "\r\n";
        ASSERT_GE(fil.size(), slut.size());
        EXPECT_EQ(fil.substr(fil.size() - slut.size()), slut) << r.typeLinie;

        TProjekt q;
        StartProjekt(q);
        EXPECT_EQ(LaesProjektTekst(q, fil), "") << r.typeLinie;
        const TGrafDef& g = q.Tabeller[1].Grafer[1];
        EXPECT_EQ(g.GrafType, r.type);
        EXPECT_EQ(g.LogX, r.logX);
        EXPECT_EQ(g.LogY, r.logY);
        EXPECT_EQ(ProjektFilIndhold(q), fil) << r.typeLinie;
    }
}

TEST(LogAkseFiler, ABadAxisWordInTheProjectFileIsNamed) {
    std::string fil = ProjektFilIndhold(EnGraf('E', false, true));
    fil.replace(fil.find("logakse=y"), 9, "logakse=q");
    TProjekt q;
    StartProjekt(q);
    EXPECT_EQ(LaesProjektTekst(q, fil),
              "Fejl ved l\xE6sning af projektfilen i linie 14: de logaritmiske akser skal angives som "
              "logakse=x, y eller xy");
}

TEST(LogAkseFiler, TheDescriptionNamesLogarithmicAxesAfterTheLimits) {
    struct Raekke {
        const char* linie;
        bool fejl, logX, logY;
    };
    const std::vector<Raekke> raekker = {
        {"Grafakse(1,1):  xmin=0; xmax=10; ymin=1; ymax=1000;", false, false, false},
        {"Grafakse(1,1):  xmin=0; xmax=10; ymin=1; ymax=1000; logakse=y;", false, false, true},
        {"Grafakse(1,1):  xmin=1; xmax=10; ymin=1; ymax=1000; logakse=XY;", false, true, true},
        {"Grafakse(1,1):  xmin=1; xmax=10; ymin=1; ymax=1000; logakse=x", false, true, false},
        {"Grafakse(1,1):  xmin=1; xmax=10; ymin=1; ymax=1000; logakse=z;", true, false, false},
        {"Grafakse(1,1):  xmin=1; xmax=10; ymin=1; ymax=1000; logakse=;", true, false, false},
    };
    for (const Raekke& r : raekker) {
        FakeFlade flade;
        TProjekt p;
        StartProjekt(p);
        FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=2; antal_indgange= 5; tabel_bredde= 10;");
        FortolkProjektLinie(p, "Graf(1,1): graf_navn=\"N mod t\"; grafark_no=1; xgraf=t; ygraf=N;graf_type=e;");
        ASSERT_FALSE(Fejl);
        EXPECT_EQ(p.Tabeller[1].Grafer[1].GrafType, 'E');
        FortolkProjektLinie(p, r.linie);
        EXPECT_EQ(Fejl, r.fejl) << r.linie;
        Fejl = false;
        EXPECT_EQ(p.Tabeller[1].Grafer[1].LogX, r.logX) << r.linie;
        EXPECT_EQ(p.Tabeller[1].Grafer[1].LogY, r.logY) << r.linie;
    }
}

TEST(LogAkseFiler, TheGraphDialogsLinesAndLetters) {
    TGrafValg v;
    v.XGraf = "t";
    v.YGraf = "N";
    v.XMin = "0";
    v.XMax = "10";
    v.YMin = "1";
    v.YMax = "100";
    v.Overskrift = "Henfald";
    v.GrafType = FitBogstav(6);
    EXPECT_EQ(v.GrafType, 'E');
    EXPECT_EQ(FitBogstav(7), 'X');
    EXPECT_EQ(FitBogstav(8), 'K');
    EXPECT_EQ(GrafLinie("1", "1", v),
              "Graf(1,1): graf_navn=\"Henfald\"; grafark_no=1; xgraf=t; ygraf=N;graf_type=E;");
    EXPECT_EQ(GrafakseLinie("1", "1", v), "Grafakse(1,1):  xmin=0; xmax=10; ymin=1; ymax=100;");
    v.LogY = true;
    EXPECT_EQ(GrafakseLinie("1", "1", v), "Grafakse(1,1):  xmin=0; xmax=10; ymin=1; ymax=100; logakse=y;");
}

}  // namespace
}  // namespace plotvik
