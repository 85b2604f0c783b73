// The world-coordinate layer: mappings with halves to even, markers, and the
// axes with their ticks, labels and titles, read off a recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "graphs/GrafTegning.h"
#include "graphs/PlotvikImageGraphics.h"
#include "graphs/TestLaerred.h"
#include "support/FakeFlade.h"

using namespace plotvik;
using test::Op;
using test::TestLaerred;

namespace {

// The mapping of a sheet, written out independently of the layer: view port
// 0,0,549,489 and the window of the given limits with the tenth of margin.
struct ArkKort {
    double xmin, ymin, xmax, ymax, sx, sy;
    ArkKort(double a, double b, double c, double d) {
        xmin = a - 0.1 * (c - a);
        xmax = c + 0.1 * (c - a);
        ymin = b - 0.1 * (d - b);
        ymax = d + 0.1 * (d - b);
        sx = 549 / (xmax - xmin);
        sy = 489 / (ymax - ymin);
    }
    int X(double x) const { return int(std::nearbyint((x - xmin) * sx)); }
    int Y(double y) const { return 489 - int(std::nearbyint((y - ymin) * sy)); }
};

std::vector<std::pair<std::string, std::pair<int, int>>> Tekster(const TestLaerred& l) {
    std::vector<std::pair<std::string, std::pair<int, int>>> r;
    for (const auto& o : l.Alle(Op::Tekst)) r.push_back({o.Tekst, {o.x1, o.y1}});
    return r;
}

bool HarLinje(const TestLaerred& l, int x1, int y1, int x2, int y2) {
    for (const auto& o : l.Alle(Op::Linje))
        if (o.x1 == x1 && o.y1 == y1 && o.x2 == x2 && o.y2 == y2) return true;
    return false;
}

}  // namespace

TEST(Billedgrafik, MappingRoundsHalvesToEvenAndMapsBack) {
    TBilledGrafik g;
    TestLaerred l(201, 101);
    g.SetViewPort(2, 10, 20, 210, 120, Hvid);  // width 200, height 100
    g.SetWindow(2, 0, 0, 100, 50);            // 2 pixels per unit both ways
    g.SelectWindow(2);
    g.SelectViewPort(l, 2);
    EXPECT_DOUBLE_EQ(g.Sx(), 2);
    EXPECT_DOUBLE_EQ(g.Sy(), 2);
    struct Raekke { double x; int px; double y; int py; };
    const Raekke raekker[] = {
        {1.25, 12, 1.25, 118},   // 2.5 -> 2
        {1.75, 14, 1.75, 116},   // 3.5 -> 4
        {-1.25, 8, -1.25, 122},  // -2.5 -> -2
        {0, 10, 0, 120},
        {100, 210, 50, 20},
    };
    for (const auto& r : raekker) {
        EXPECT_EQ(g.PixelX(r.x), r.px) << r.x;
        EXPECT_EQ(g.PixelY(r.y), r.py) << r.y;
    }
    EXPECT_EQ(g.ScaledY(1.25), 2);
    EXPECT_EQ(g.ScaledY(-1.75), -4);
    for (int px : {10, 11, 57, 210}) EXPECT_EQ(g.PixelX(g.WorldX(px)), px);
    for (int py : {20, 21, 99, 120}) EXPECT_EQ(g.PixelY(g.WorldY(py)), py);
    EXPECT_DOUBLE_EQ(g.WorldX(110), 50);
    EXPECT_DOUBLE_EQ(g.WorldY(70), 25);
    // The current point went to the window's lower left corner; the whole rectangle was filled.
    EXPECT_EQ(g.AktuelX(), 0);
    EXPECT_EQ(g.AktuelY(), 0);
    const auto fyld = l.Alle(Op::Fyld);
    ASSERT_EQ(fyld.size(), 1u);
    EXPECT_EQ(fyld[0].x1, 10);
    EXPECT_EQ(fyld[0].y1, 20);
    EXPECT_EQ(fyld[0].x2, 211);
    EXPECT_EQ(fyld[0].y2, 121);
    // Huge or undefined world values stay within the int range.
    EXPECT_EQ(g.PixelX(1e300), 1073741824);
    EXPECT_EQ(g.PixelX(-1e300), -1073741824);
    EXPECT_EQ(g.PixelY(std::nan("")), -1073741824);
}

TEST(Billedgrafik, SelectWindowRescalesAndClearKeepsTheWindow) {
    TBilledGrafik g;
    TestLaerred l(101, 101);
    g.SetViewPort(1, 0, 0, 100, 100, Hvid);
    g.SetWindow(1, 0, 0, 10, 10);
    g.SetWindow(2, 0, 0, 100, 100);
    g.SelectWindow(1);
    g.SelectViewPort(l, 1);
    g.MoveToW(l, 3, 4);
    g.SelectWindow(2);
    EXPECT_DOUBLE_EQ(g.Sx(), 1);  // window 2 on the current view port
    EXPECT_EQ(g.PixelX(5), 5);
    g.SelectWindow(3);            // never set: the scale stays
    EXPECT_DOUBLE_EQ(g.Sx(), 1);
    g.SelectWindow(1);
    g.ClearViewPort(l, 1);
    EXPECT_EQ(g.AktuelX(), 3);
    EXPECT_EQ(g.AktuelY(), 4);
    EXPECT_DOUBLE_EQ(g.Sx(), 10);
    g.LineRelW(l, 1, 1);
    EXPECT_TRUE(HarLinje(l, 30, 60, 40, 50));
    g.MoveRelW(l, -4, -5);
    g.LineToW(l, 2, 0);
    EXPECT_TRUE(HarLinje(l, 0, 100, 20, 100));
    EXPECT_EQ(g.AktuelX(), 2);
}

TEST(Billedgrafik, MarkersDrawTheirShapesAndRestoreTheCanvas) {
    TBilledGrafik g;
    TestLaerred l(101, 101);
    g.SetViewPort(1, 0, 0, 100, 100, Hvid);
    g.SetWindow(1, 0, 0, 100, 100);
    g.SelectWindow(1);
    g.SelectViewPort(l, 1);
    l.SaetPenFarve(RGB(200, 0, 0));
    l.SaetPenselFarve(RGB(0, 0, 200));
    l.SaetPenselStil(TPenselStil::Skraa);
    l.Nulstil();

    g.TegnCirkel(l, 50, 50);  // pixel (50, 50)
    EXPECT_EQ(l.PenFarve(), RGB(200, 0, 0));
    EXPECT_EQ(l.PenselFarve(), RGB(0, 0, 200));
    EXPECT_EQ(l.PenselStil(), TPenselStil::Skraa);
    const auto e = l.Alle(Op::Ellipse);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(std::vector<int>({e[0].x1, e[0].y1, e[0].x2, e[0].y2}), std::vector<int>({46, 46, 54, 54}));
    EXPECT_EQ(e[0].Farve, Sort);
    EXPECT_EQ(e[0].Pensel, Hvid);
    EXPECT_EQ(l.HentPixel(50, 50), Sort);

    l.Nulstil();
    g.TegnRuder(l, 20, 80);  // pixel (20, 20)
    EXPECT_EQ(l.HentPixel(20, 20), RGB(200, 0, 0));
    EXPECT_EQ(l.PenFarve(), RGB(200, 0, 0));
    const auto r = l.Alle(Op::Linje);
    ASSERT_EQ(r.size(), 4u);
    const int forventet[4][4] = {{16, 20, 20, 24}, {20, 24, 24, 20}, {24, 20, 20, 16}, {20, 16, 16, 20}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::vector<int>({r[i].x1, r[i].y1, r[i].x2, r[i].y2}),
                  std::vector<int>(forventet[i], forventet[i] + 4));
        EXPECT_EQ(r[i].Farve, Sort);
    }

    l.Nulstil();
    g.TegnKryds(l, 80, 20);  // pixel (80, 80)
    EXPECT_TRUE(HarLinje(l, 77, 77, 83, 83));
    EXPECT_TRUE(HarLinje(l, 77, 83, 83, 77));
    EXPECT_EQ(l.Alle(Op::Linje).size(), 2u);
    EXPECT_EQ(l.Alle(Op::Linje)[0].Farve, RGB(200, 0, 0));

    l.Nulstil();
    g.PutPixelW(l, Sort, 10, 90);
    EXPECT_EQ(l.HentPixel(10, 10), Sort);
    g.TextOutW(l, "abc", 10, 90);
    ASSERT_EQ(l.Alle(Op::Tekst).size(), 1u);
    EXPECT_EQ(l.Alle(Op::Tekst)[0].x1, 10);
    EXPECT_EQ(l.Alle(Op::Tekst)[0].y1, 10);
}

TEST(Akser, ZeroToEightAndZeroToFifty) {
    test::FakeFlade flade;
    TBilledGrafik g;
    TestLaerred l;
    OpsaetKoordinatsystem(g, l, 1, "x", "y", 0, 0, 8, 50);
    const TVindue v = g.WindowEntry(1);
    EXPECT_NEAR(v.XMin, -0.8, 1e-12);
    EXPECT_NEAR(v.XMax, 8.8, 1e-12);
    EXPECT_NEAR(v.YMin, -5, 1e-12);
    EXPECT_NEAR(v.YMax, 55, 1e-12);
    EXPECT_EQ(g.ViewPortEntry(1).Hoejre, 549);
    EXPECT_EQ(g.ViewPortEntry(1).Bund, 489);
    EXPECT_EQ(l.Skriftnavn, "Arial");
    EXPECT_EQ(l.Skriftstoerrelse, 8);
    EXPECT_EQ(l.Skriftstil, 0);

    const ArkKort k(0, 0, 8, 50);
    const double dx = 0.08, dy = 0.5;
    // Axes through the origin with their arrowheads at x = 8 and y = 50.
    EXPECT_TRUE(HarLinje(l, k.X(0), k.Y(0), k.X(8), k.Y(0)));
    EXPECT_TRUE(HarLinje(l, k.X(8), k.Y(0), k.X(8 - dx), k.Y(dy)));
    EXPECT_TRUE(HarLinje(l, k.X(8 - dx), k.Y(dy), k.X(8 - dx), k.Y(-dy)));
    EXPECT_TRUE(HarLinje(l, k.X(8 - dx), k.Y(-dy), k.X(8), k.Y(0)));
    EXPECT_TRUE(HarLinje(l, k.X(0), k.Y(0), k.X(0), k.Y(50)));
    EXPECT_TRUE(HarLinje(l, k.X(0), k.Y(50), k.X(-dx), k.Y(50 - dy)));
    EXPECT_TRUE(HarLinje(l, k.X(-dx), k.Y(50 - dy), k.X(dx), k.Y(50 - dy)));

    // Ticks: 8 major x ticks at 0..7 with 4 minor ticks each (step 0.2); 5 major y ticks
    // at 0..40 with 9 minor ticks each (step 1).
    std::multiset<int> xMajor, xMinor, yMajor, yMinor;
    for (const auto& o : l.Alle(Op::Linje)) {
        if (o.x1 == o.x2 && o.y1 == k.Y(0) && o.y2 == k.Y(-dy)) xMajor.insert(o.x1);
        if (o.x1 == o.x2 && o.y1 == k.Y(0) && o.y2 == k.Y(-dy / 2)) xMinor.insert(o.x1);
        if (o.y1 == o.y2 && o.x1 == k.X(0) && o.x2 == k.X(-dx)) yMajor.insert(o.y1);
        if (o.y1 == o.y2 && o.x1 == k.X(0) && o.x2 == k.X(-dx / 2)) yMinor.insert(o.y1);
    }
    ASSERT_EQ(xMajor.size(), 8u);
    ASSERT_EQ(xMinor.size(), 32u);
    ASSERT_EQ(yMajor.size(), 5u);
    ASSERT_EQ(yMinor.size(), 45u);
    int i = 0;
    for (int px : xMajor) EXPECT_NEAR(px, k.X(i++), 1);
    i = 0;
    for (auto it = yMajor.rbegin(); it != yMajor.rend(); ++it) EXPECT_NEAR(*it, k.Y(10 * i++), 1);
    i = 0;
    for (int px : xMinor) {
        const int major = i / 4, minor = i % 4 + 1;
        EXPECT_NEAR(px, k.X(major + 0.2 * minor), 1) << i;
        ++i;
    }

    // Labels and titles: texts and their pixel positions.
    std::vector<std::pair<std::string, std::pair<int, int>>> forventet;
    forventet.push_back({"x", {k.X(8 - 1 * dx), k.Y(5 * dy)}});
    for (int v = 1; v <= 7; ++v)
        forventet.push_back({" " + std::to_string(v) + ".0", {k.X(v - 2 * dx), k.Y(-2 * dy)}});
    forventet.push_back({"y *1.0E+01", {k.X(-2 * dx), k.Y(50 + 4 * dy)}});
    for (int v = 1; v <= 4; ++v)
        forventet.push_back({" " + std::to_string(v) + ".0", {k.X(-6 * dx), k.Y(10 * v + dy)}});
    EXPECT_EQ(Tekster(l), forventet);
    // Text is written on the view port's colour, in black.
    for (const auto& o : l.Alle(Op::Tekst)) EXPECT_EQ(o.Pensel, Hvid);
    EXPECT_TRUE(flade.Vist.empty());
}

TEST(Akser, AxisPositionsAndLabelsForMixedSigns) {
    TBilledGrafik g;
    TestLaerred l;
    OpsaetKoordinatsystem(g, l, 2, "t", "s", -5, 2, 5, 8);
    const ArkKort k(-5, 2, 5, 8);
    const double dx = 0.1, dy = 0.06;
    EXPECT_TRUE(HarLinje(l, k.X(-5), k.Y(2), k.X(5), k.Y(2)));  // x axis at the lower limit
    EXPECT_TRUE(HarLinje(l, k.X(0), k.Y(2), k.X(0), k.Y(8)));   // y axis at x = 0
    std::vector<std::pair<std::string, std::pair<int, int>>> forventet;
    forventet.push_back({"t", {k.X(5 - dx), k.Y(2 + 5 * dy)}});
    // Ten major ticks halved to five labels at a doubled step: -5, -3, -1, 1, 3.
    for (int v : {-5, -3, -1, 1, 3})
        forventet.push_back({(v < 0 ? "" : " ") + std::to_string(v) + ".0", {k.X(v - 2 * dx), k.Y(2 - 2 * dy)}});
    forventet.push_back({"s", {k.X(-2 * dx), k.Y(8 + 4 * dy)}});
    for (int v = 2; v <= 7; ++v)
        forventet.push_back({" " + std::to_string(v) + ".0", {k.X(-6 * dx), k.Y(v + dy)}});
    EXPECT_EQ(Tekster(l), forventet);
}

TEST(Akser, ShortRangesHalveTheStepAndSmallValuesScaleTheLabels) {
    {
        TBilledGrafik g;
        TestLaerred l;
        OpsaetKoordinatsystem(g, l, 1, "x", "y", 0, 0, 2, 8);
        const ArkKort k(0, 0, 2, 8);
        const double dy = 0.08;
        std::set<int> major;
        int minor = 0;
        for (const auto& o : l.Alle(Op::Linje)) {
            if (o.x1 == o.x2 && o.y1 == k.Y(0) && o.y2 == k.Y(-dy)) major.insert(o.x1);
            if (o.x1 == o.x2 && o.y1 == k.Y(0) && o.y2 == k.Y(-dy / 2)) ++minor;
        }
        // Step 1 gives two ticks, halved to 0.5: four ticks with ten subdivisions each.
        EXPECT_EQ(major.size(), 4u);
        EXPECT_EQ(minor, 4 * 9);
        std::vector<std::string> x;
        for (const auto& t : Tekster(l))
            if (t.second.second == k.Y(-2 * dy)) x.push_back(t.first);
        EXPECT_EQ(x, (std::vector<std::string>{" 0.5", " 1.0", " 1.5"}));
    }
    {
        TBilledGrafik g;
        TestLaerred l;
        OpsaetKoordinatsystem(g, l, 1, "tid", "v", 0, -300, 0.08, 300);
        const auto t = Tekster(l);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.front().first, "tid *1.0E-02");  // 0.9 * 0.08 = 7.2E-02
        bool yTitel = false;
        for (const auto& x : t) yTitel = yTitel || x.first == "v *1.0E+02";
        EXPECT_TRUE(yTitel);
        std::vector<std::string> labels;
        for (const auto& x : t) labels.push_back(x.first);
        // x labels: the step 0.01, 8 ticks from 0, divided by 0.01; y labels divided by 100.
        for (const char* s : {" 1.0", " 7.0", "-3.0", "-1.0", " 2.0"})
            EXPECT_NE(std::find(labels.begin(), labels.end(), std::string(s)), labels.end()) << s;
        EXPECT_EQ(std::find(labels.begin(), labels.end(), std::string(" 0.0")), labels.end());
    }
}

TEST(Akser, TickStepRule) {
    struct Raekke { double a, b, step; };
    for (const Raekke& r : {Raekke{0, 50, 10}, Raekke{0, 10, 1}, Raekke{-0.5, 0.2, 0.1},
                            Raekke{-120, 3, 100}, Raekke{0, 0.003, 0.001}, Raekke{0, 9.9, 1}})
        EXPECT_EQ(TickStep(r.a, r.b), r.step) << r.a << " " << r.b;  // the double nearest to 10^e
}

TEST(Akser, UnusableLimitsGiveAMessageInsteadOfAFault) {
    struct Raekke { double xmin, ymin, xmax, ymax; std::string tekst; };
    const std::vector<Raekke> raekker = {
        {1, 0, 1, 5, "Ugyldige gr\xE6nser for x-aksen: x-min skal v\xE6re mindre end x-max"},
        {0, 0, 0, 0, "Ugyldige gr\xE6nser for x-aksen: x-min skal v\xE6re mindre end x-max"},
        {0, 3, 5, 3, "Ugyldige gr\xE6nser for y-aksen: y-min skal v\xE6re mindre end y-max"},
        {0, 5, 5, 1, "Ugyldige gr\xE6nser for y-aksen: y-min skal v\xE6re mindre end y-max"},
        {-1e308, 0, 1e308, 1, "Gr\xE6nserne for x-aksen er for store"},
        {0, 0, std::nan(""), 1, "Ugyldige gr\xE6nser for x-aksen: x-min skal v\xE6re mindre end x-max"},
    };
    for (const auto& r : raekker) {
        TBilledGrafik g;
        TestLaerred l;
        try {
            OpsaetKoordinatsystem(g, l, 1, "x", "y", r.xmin, r.ymin, r.xmax, r.ymax);
            ADD_FAILURE() << "no message for " << r.tekst;
        } catch (const TGrafFejl& e) {
            EXPECT_EQ(std::string(e.what()), r.tekst);
        }
        EXPECT_TRUE(l.Log.empty());
    }
}
