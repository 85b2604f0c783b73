// The draw list of a graph sheet: the real passes draw through the recording
// canvas onto a software canvas, and the list is replayed onto fresh ones.
// The canvas is 961 x 601 pixels with limits x 0..8 and y 0..50 (window
// -0.8..8.8 by -5..55): PixelX(x) = 100x + 80, PixelY(y) = 550 - 10y. Twice
// the size, 1921 x 1201, stretches the view port to 1920 x 1200 pixels:
// PixelX(x) = 200x + 160, PixelY(y) = 1100 - 20y. Every expected pixel is
// computed by hand from these.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graphs/Areal.h"
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "graphs/Tegneliste.h"
#include "graphs/TestLaerred.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

using test::FakeFlade;
using test::Op;
using test::Optegnelse;
using test::TestLaerred;

int PX(double x) { return int(std::nearbyint(100 * x)) + 80; }
int PY(double y) { return 550 - int(std::nearbyint(10 * y)); }
int PX2(double x) { return int(std::nearbyint(200 * x)) + 160; }
int PY2(double y) { return 1100 - int(std::nearbyint(20 * y)); }

struct Ark {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TVaerktoejTilstand vt;
    TestLaerred laerred{961, 601};
    TTegneliste liste;
    TOptagendeLaerred optager{laerred, liste};

    Ark(const std::vector<TPunkt>& punkter, char grafType, int polGrad, TPunktType markoer) {
        TilslutFourier(tt);
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = int(punkter.size());
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, t.AntalIndgange + 1);
        for (int m = 1; m <= t.AntalIndgange; ++m)
            for (int k = 1; k <= 2; ++k) {
                char b[40];
                std::snprintf(b, sizeof b, "%.17g", k == 1 ? punkter[m - 1].x : punkter[m - 1].y);
                t.Celler.SaetCelle(b, k, m + 1);
            }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"y - x", 1, "x", "y", grafType, polGrad, 0, 8, 0, 50};
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &optager;
        a.XAkse = "x", a.YAkse = "y", a.XMinTekst = "0", a.XMaxTekst = "8";
        a.YMinTekst = "0", a.YMaxTekst = "50", a.AntalGrafPunkter = "50", a.PunktType = markoer;
    }
    void Tegn() { TegnGrafKnap(p, arkene, tt, 1); }
    void Funktion(const std::string& f) {
        IndtastFunktion(arkene, vt, 1, 1, f, "R");
        TegnFunktionKnap(p, arkene, tt, 1);
    }
    void Tangent(FakeFlade& flade, double x0) {
        flade.Svar.push_back(true);
        ArmerVaerktoej(vt, TVaerktoej::Tangent, true);
        GrafKlik(p, arkene, tt, vt, 1, PX(x0), PY(10));
    }
    void Areal(const char* a, const char* b) { ArealUnderGraf(p, arkene, tt, vt, {a, b, 1, 1}, 1); }
};

const std::vector<TPunkt> Parabel = {{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}, {5, 25}, {6, 36}};
const std::vector<TPunkt> Linie = {{0, 1}, {1, 3}, {2, 5}, {3, 7}, {4, 9}};  // y = 2x + 1

bool SammePixels(const TestLaerred& a, const TestLaerred& b) {
    for (int y = 0; y < a.Hoejde(); ++y)
        for (int x = 0; x < a.Bredde(); ++x)
            if (a.HentPixel(x, y) != b.HentPixel(x, y)) {
                ADD_FAILURE() << "first different pixel (" << x << ", " << y << ")";
                return false;
            }
    return true;
}

std::vector<std::pair<std::string, std::pair<int, int>>> Tekster(const TestLaerred& l) {
    std::vector<std::pair<std::string, std::pair<int, int>>> r;
    for (const Optegnelse& o : l.Alle(Op::Tekst)) r.push_back({o.Tekst, {o.x1, o.y1}});
    return r;
}

TEST(TestTegneliste, ReplayAtTheSameSizeGivesTheSamePicture) {
    struct Raekke {
        const char* navn;
        std::vector<TPunkt> punkter;
        char type;
        int grad;
        TPunktType markoer;
        bool statistik, funktion, tangent, areal;
    };
    const std::vector<Raekke> raekker = {
        {"regression line, crosses, statistics", Linie, 'R', 0, TPunktType::Kryds, true, false, false, false},
        {"polynomial, diamonds, function, tangent, area", Parabel, 'P', 2, TPunktType::Ruder, false, true, true,
         true},
        {"spline, circles, area", Linie, 'S', 0, TPunktType::Cirkel, false, false, false, true},
        {"bezier, dots, function", Parabel, 'B', 0, TPunktType::Punkt, true, true, false, false},
        {"points only, tangent asked of nothing", Parabel, 'K', 0, TPunktType::Kryds, false, false, false, false},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        Ark a(r.punkter, r.type, r.grad, r.markoer);
        a.arkene.Ark[1].Statistik = r.statistik;
        a.Tegn();
        if (r.funktion) a.Funktion("x^2/2+1");
        if (r.tangent) a.Tangent(flade, 3);
        if (r.areal) a.Areal("1", "3");
        ASSERT_FALSE(a.liste.Tom());

        TestLaerred igen(961, 601);
        Genafspil(a.liste, igen, 961, 601, false);
        EXPECT_TRUE(SammePixels(a.laerred, igen));
        EXPECT_EQ(Tekster(igen), Tekster(a.laerred));
    }
}

TEST(TestTegneliste, ANewGraphWithoutKeepingEmptiesTheList) {
    FakeFlade flade;
    Ark a(Linie, 'R', 0, TPunktType::Kryds);
    a.Tegn();
    const std::size_t foerste = a.liste.Trin.size();
    a.Funktion("x");
    EXPECT_GT(a.liste.Trin.size(), foerste);
    a.Tegn();  // "Behold graf" not checked: a fresh coordinate system
    EXPECT_EQ(a.liste.Trin.size(), foerste);
    EXPECT_EQ(a.liste.Trin.front().Art, TTrinArt::Rektangel);
    // With "Behold graf" the graph is added to what is there.
    a.arkene.Ark[1].BeholdGraf = true;
    a.Tegn();
    EXPECT_GT(a.liste.Trin.size(), foerste);
    // A new coordinate system of its own clears it too.
    OpsaetKoordinatsystem(a.tt.Grafik, a.optager, 1, "x", "y", 0, 0, 8, 50);
    EXPECT_LT(a.liste.Trin.size(), foerste);
}

TEST(TestTegneliste, ReplayAtTwiceTheSizeMapsTheWorldAgain) {
    FakeFlade flade;
    Ark a(Linie, 'R', 0, TPunktType::Kryds);
    a.Tegn();
    TestLaerred stor(1921, 1201);
    Genafspil(a.liste, stor, 1921, 1201, false);
    // The whole image is cleared, at its new size.
    const auto fyld = stor.Alle(Op::Fyld);
    ASSERT_EQ(fyld.size(), 1u);
    EXPECT_EQ(std::vector<int>({fyld[0].x1, fyld[0].y1, fyld[0].x2, fyld[0].y2}),
              std::vector<int>({0, 0, 1921, 1201}));
    const auto linjer = stor.Alle(Op::Linje);
    auto har = [&](int x1, int y1, int x2, int y2) {
        for (const Optegnelse& o : linjer)
            if (o.x1 == x1 && o.y1 == y1 && o.x2 == x2 && o.y2 == y2) return true;
        return false;
    };
    // The regression line y = 2x + 1 from x = 0 to 1.2 * 8.
    EXPECT_TRUE(har(PX2(0), PY2(1), PX2(9.6), PY2(20.2)));
    // The crosses keep their size: three pixels each way from the point.
    for (const TPunkt& p : Linie) {
        EXPECT_TRUE(har(PX2(p.x) - 3, PY2(p.y) - 3, PX2(p.x) + 3, PY2(p.y) + 3)) << p.x;
        EXPECT_TRUE(har(PX2(p.x) - 3, PY2(p.y) + 3, PX2(p.x) + 3, PY2(p.y) - 3)) << p.x;
    }
    // The x axis along y = 0 over the limits 0..8.
    EXPECT_TRUE(har(PX2(0), PY2(0), PX2(8), PY2(0)));
}

TEST(TestTegneliste, AnXorMarkDrawnTwiceLeavesNothing) {
    TestLaerred l(961, 601), foer(961, 601);
    TTegneliste liste;
    TOptagendeLaerred optager(l, liste);
    TBilledGrafik g;
    OpsaetKoordinatsystem(g, optager, 1, "x", "y", 0, 0, 8, 50);
    OpsaetKoordinatsystem(g, foer, 1, "x", "y", 0, 0, 8, 50);
    const std::size_t trin = liste.Trin.size();
    optager.SaetPenTilstand(TPenTilstand::Xor);
    for (int gang = 0; gang < 2; ++gang) {  // a crosshair, then the same again to erase it
        g.MoveToW(optager, 0, 25);
        g.LineToW(optager, 8, 25);
        g.MoveToW(optager, 4, 0);
        g.LineToW(optager, 4, 50);
        if (gang == 0) {
            EXPECT_EQ(liste.Trin.size(), trin + 2);
        }
    }
    EXPECT_EQ(liste.Trin.size(), trin);
    EXPECT_TRUE(SammePixels(l, foer));  // the canvas itself is back as it was
    // A mark kept in pixels between the two halves does not hide the twins.
    g.MoveToW(optager, 1, 10);
    g.LineToW(optager, 2, 20);
    optager.Anker(TAfbildning{}, 0, 0);  // what follows is far from any anchor: plain pixels
    optager.FlytTil(900, 50);
    optager.LinjeTil(950, 60);
    g.MoveToW(optager, 1, 10);
    g.LineToW(optager, 2, 20);
    EXPECT_EQ(liste.Trin.size(), trin + 1);  // only the pixel mark is left
    optager.FlytTil(900, 50);
    optager.LinjeTil(950, 60);
    EXPECT_EQ(liste.Trin.size(), trin);
    EXPECT_TRUE(SammePixels(l, foer));
    // A copy-mode line between the two halves keeps both xor lines.
    g.MoveToW(optager, 0, 25);
    g.LineToW(optager, 8, 25);
    optager.SaetPenTilstand(TPenTilstand::Kopier);
    g.LineToW(optager, 8, 40);
    optager.SaetPenTilstand(TPenTilstand::Xor);
    g.MoveToW(optager, 0, 25);
    g.LineToW(optager, 8, 25);
    EXPECT_EQ(liste.Trin.size(), trin + 3);
    TestLaerred igen(961, 601);
    Genafspil(liste, igen, 961, 601, false);
    EXPECT_TRUE(SammePixels(l, igen));
}

TEST(TestTegneliste, AResizedSheetIsReadWithItsNewMapping) {
    FakeFlade flade;
    Ark a(Linie, 'R', 0, TPunktType::Kryds);
    a.Tegn();
    a.tt.Grafik.TilpasViewPort(1, 961, 601, 1921, 1201);
    TArkAfbildning af(a.tt.Grafik, a.laerred, 1);
    EXPECT_DOUBLE_EQ(af.VerdenX(PX2(3)), 3);
    EXPECT_DOUBLE_EQ(af.VerdenY(PY2(20)), 20);
    EXPECT_EQ(a.tt.Grafik.PixelX(4), PX2(4));  // the current view port follows
    EXPECT_EQ(a.tt.Grafik.PixelY(10), PY2(10));
    a.tt.Grafik.TilpasViewPort(1, 1921, 1201, 961, 601);
    EXPECT_EQ(a.tt.Grafik.PixelX(4), PX(4));
    EXPECT_EQ(a.tt.Grafik.PixelY(10), PY(10));
}

}  // namespace
}  // namespace plotvik
