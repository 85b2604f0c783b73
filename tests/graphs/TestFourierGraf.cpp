// The Fourier spectrum on a graph sheet through the real drawing pass:
// bars, cosine crosses, sine circles, the coefficient lines and the messages.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/TestLaerred.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::Boks;
using test::FakeFlade;
using test::Op;
using test::TestLaerred;

struct FourierArk {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TestLaerred laerred;

    // Table 1: t, y (8 samples of 3 + 2 cos t over one period) and c := fourier(t,y);
    // graph 1 on sheet 2: x "fourier(t)", y `yGraf`, type "F".
    explicit FourierArk(const std::string& yGraf = "c") {
        TilslutFourier(tt);
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = 3;
        t.AntalInddata = 2;
        t.AntalIndgange = 8;
        t.Variable[1].Navn = "t";
        t.Variable[2].Navn = "y";
        t.Variable[3].Navn = "c";
        t.Variable[3].Udtryk = "fourier(t,y)";
        t.Variable[3].Positioner = 8;
        t.Variable[3].Decimaler = 3;
        t.Celler.Opret(3, 9);
        for (int m = 1; m <= 8; ++m) {
            const double x = 2 * std::numbers::pi * (m - 1) / 8;
            char b[40];
            std::snprintf(b, sizeof b, "%.17g", x);
            t.Celler.SaetCelle(b, 1, m + 1);
            std::snprintf(b, sizeof b, "%.17g", 3 + 2 * std::cos(x));
            t.Celler.SaetCelle(b, 2, m + 1);
        }
        t.AntalGrafer = 1;
        TGrafDef& g = t.Grafer[1];
        g.GrafNavn = "Fourier Koefficienter an og bn";
        g.GrafArkNo = 2;
        g.XGraf = "fourier(t)";
        g.YGraf = yGraf;
        g.GrafType = 'F';
        TGrafArk& a = arkene.Ark[2];
        a.Billede = &laerred;
        a.XAkse = g.XGraf;
        a.YAkse = yGraf;
        a.XMinTekst = "0";
        a.XMaxTekst = "4";
        a.YMinTekst = "-1";
        a.YMaxTekst = "4";
        a.TegnKunPunkter = true;  // left checked by an earlier spectrum
    }
};

TEST(TestFourierGraf, TheSpectrumOf3Plus2CosT) {
    FakeFlade flade;
    FourierArk f;
    TegnGrafKnap(f.p, f.arkene, f.tt, 2);
    EXPECT_TRUE(flade.Vist.empty());
    const std::vector<std::string> forventet = {
        "Fourier Koefficienter: an*cos(nt)+bn*sin(nt)",
        "",
        "an[0]=3.000",
        "an[1]=2.000;  bn[1]=0.000",
        "an[2]=0.000;  bn[2]=0.000",
        "an[3]=0.000;  bn[3]=0.000",
    };
    EXPECT_EQ(f.arkene.Ark[2].Resultater, forventet);
    // The column was computed by the pass as well.
    EXPECT_EQ(f.p.Tabeller[1].Celler.HentCelle(3, 2), "3.000");

    // Four bars of width 3 at k = 0..3, from y = 0 to the amplitude.
    std::vector<test::Optegnelse> barer;
    for (const auto& o : f.laerred.Alle(Op::Linje))
        if (o.PenBredde == 3) barer.push_back(o);
    ASSERT_EQ(barer.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(barer[k].x1, barer[k].x2);
    EXPECT_LT(barer[0].y2, barer[1].y2);  // a0 = 3 is higher than |c1| = 2
    EXPECT_EQ(barer[2].y1, barer[2].y2);  // zero amplitude: no height
    // Crosses for a0..a3 (two lines each, after the bars) and circles for b1..b3.
    std::vector<test::Optegnelse> efter;
    bool forbi = false;
    for (const auto& o : f.laerred.Log) {
        if (o.Art == Op::Linje && o.PenBredde == 3) forbi = true;
        else if (forbi && o.Art == Op::Linje) efter.push_back(o);
    }
    EXPECT_EQ(efter.size(), 8u);
    EXPECT_EQ(f.laerred.Alle(Op::Ellipse).size(), 3u);
    // The sheet's choices stay as the spectrum left them.
    EXPECT_EQ(f.arkene.Ark[2].PunktType, TPunktType::Cirkel);
    EXPECT_TRUE(f.arkene.Ark[2].TegnKunPunkter);
}

TEST(TestFourierGraf, ExpressionsThatNameNoVariableOfTheTable) {
    FakeFlade flade;
    FourierArk f("koef");
    TegnGrafKnap(f.p, f.arkene, f.tt, 2);
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::FejlMedIgnorer);
    EXPECT_EQ(flade.Vist[0].Tekst, "Fejl fundet ved tegning af FourierGraf");
    EXPECT_FALSE(Fejl);
    // The bars are drawn and the coefficients listed; no crosses or circles.
    EXPECT_EQ(f.laerred.Alle(Op::Ellipse).size(), 0u);
    EXPECT_EQ(f.arkene.Ark[2].Resultater.size(), 6u);
    EXPECT_EQ(f.arkene.Ark[2].PunktType, TPunktType::Punkt);
}

TEST(TestFourierGraf, AFailedTransformationDrawsNoStaleSpectrum) {
    FakeFlade flade;
    FourierArk f;
    f.p.Tabeller[1].Celler.SaetCelle("x", 2, 3);
    TegnGrafKnap(f.p, f.arkene, f.tt, 2);
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Fejl fundet af FourierTransform"});
    EXPECT_TRUE(f.arkene.Ark[2].Resultater.empty());
    EXPECT_FALSE(Fejl);
}

TEST(TestFourierGraf, ProjectLinesOfTheDefinitionDialog) {
    TProjekt p;
    p.OpbygTaellere = {'0', '1', '2', '0'};
    TFourierValg v;
    v.Uafhaengig = "t";
    v.EnhedUafhaengig = "s";
    v.Afhaengig = "y";
    v.Koefficienter = "c";
    v.Positioner = "8";
    v.Decimaler = "3";
    v.TabelNo = "1";
    const std::vector<std::string> forventet = {
        "Variabel(1,3): t:=? [s];",
        "Variabel(1,4): y:=?;",
        "Variabel(1,5): c:= Fourier(t,y):8:3;",
        "Graf(1,1): graf_navn=\"t - y graf\"; xgraf=t; ygraf=y; grafark_no=1; graf_type=S;",
        "Grafakse(1,1):  xmin=0; xmax=6.282; ymin=-5; ymax=5;",
        "Graf(1,2): graf_navn=\"Fourier Koefficienter an og bn\"; xgraf=fourier(t); ygraf=c; grafark_no=2; "
        "graf_type=F;",
        "Grafakse(1,2):  xmin=0; xmax=6.282; ymin=-5; ymax=5;",
    };
    EXPECT_EQ(OpbygFourier(p, v), forventet);
    EXPECT_EQ(p.OpbygTaellere[2], '5');
    EXPECT_EQ(p.OpbygTaellere[3], '2');
    EXPECT_EQ(p.OpbygTaellere[1], '1');

    v.VisGrafisk = false;
    v.EnhedKoefficienter = "V";
    auto linjer = OpbygFourier(p, v);
    ASSERT_EQ(linjer.size(), 5u);
    EXPECT_EQ(linjer[0], "Variabel(1,6): t:=? [s];");
    EXPECT_EQ(linjer[2], "Variabel(1,8): c:= Fourier(t,y):8:3 [V];");
    EXPECT_EQ(linjer[3].substr(0, 11), "Graf(1,3): ");
    EXPECT_EQ(p.OpbygTaellere[2], '8');
    EXPECT_EQ(p.OpbygTaellere[3], '3');
}

}  // namespace
}  // namespace plotvik
