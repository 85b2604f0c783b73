// A graph sheet's picture in the window's terms: the real passes draw on
// the sheet's recording canvas over its pixel image, shown smoothly at a
// device-pixel ratio; each sheet keeps a size of its own.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>

#include "graphs/Areal.h"
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "graphs/PlotvikImageGraphics.h"
#include "support/FakeFlade.h"
#include "ui/graf/GrafVisning.h"

namespace plotvik {
namespace {

struct Ark {
    test::FakeFlade flade;
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TVaerktoejTilstand vt;
    TGrafVisning visning{tt.Grafik, 1};

    Ark() {
        TilslutFourier(tt);
        TTabelDef& t = p.Tabeller[1];
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = 7;
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, 8);
        for (int m = 1; m <= 7; ++m) {
            t.Celler.SaetCelle(std::to_string(m - 1), 1, m + 1);
            t.Celler.SaetCelle(std::to_string((m - 1) * (m - 1) + (m % 2)), 2, m + 1);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"y - x", 1, "x", "y", 'P', 2, 0, 8, 0, 50};
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &visning.Tegneflade();
        a.XAkse = "x";
        a.YAkse = "y";
        a.XMinTekst = "0";
        a.XMaxTekst = "8";
        a.YMinTekst = "0";
        a.YMaxTekst = "50";
        a.AntalGrafPunkter = "200";
        a.Statistik = true;
        TegnGrafKnap(p, arkene, tt, 1);
        IndtastFunktion(arkene, vt, 1, 1, "5*sin(x)+20", "R");
        TegnFunktionKnap(p, arkene, tt, 1);
        flade.Svar.push_back(true);
        ArmerVaerktoej(vt, TVaerktoej::Tangent, true);
        TArkAfbildning af(tt.Grafik, visning.Tegneflade(), 1);
        GrafKlik(p, arkene, tt, vt, 1, af.PixelX(4), af.PixelY(10));
        ArealUnderGraf(p, arkene, tt, vt, {"1", "3", 1, 1}, 1);
    }
};

TEST(TestGrafVisning, SmoothLinesAreDrawnAtTheScreensResolution) {
    SaetGlatteLinjer(true);
    Ark a;
    const QImage& vist = a.visning.Vist(2);
    EXPECT_EQ(vist.size(), QSize(1100, 980));
    EXPECT_DOUBLE_EQ(vist.devicePixelRatio(), 2);
    // Anti-aliased: shades between black and white along the curves.
    int graa = 0;
    for (int y = 0; y < vist.height(); y += 3)
        for (int x = 0; x < vist.width(); x += 3) {
            const int g = qGray(vist.pixel(x, y));
            if (g > 40 && g < 215) ++graa;
        }
    EXPECT_GT(graa, 50);
    // The same list and ratio give the kept picture again, a change a new one.
    const qint64 noegle = vist.cacheKey();
    EXPECT_EQ(a.visning.Vist(2).cacheKey(), noegle);
    TegnFunktionKnap(a.p, a.arkene, a.tt, 1);
    EXPECT_NE(a.visning.Vist(2).cacheKey(), noegle);
    if (const char* mappe = std::getenv("PLOTVIK_BILLEDMAPPE")) {
        a.visning.Vist(2).save(QString::fromLocal8Bit(mappe) + QStringLiteral("/grafvisning_glat_dpr2.png"));
        a.visning.Pixelbillede().save(QString::fromLocal8Bit(mappe) + QStringLiteral("/grafvisning_pixel.png"));
    }
}

TEST(TestGrafVisning, EachSheetFollowsItsOwnSizeOnly) {
    // Sheets 1 and 2 set up at 550 x 490, then only sheet 1 resized.
    TBilledGrafik g;
    TGrafVisning en(g, 1), to(g, 2);
    OpsaetKoordinatsystem(g, en.Tegneflade(), 1, "x", "y", 0, 0, 8, 50);
    OpsaetKoordinatsystem(g, to.Tegneflade(), 2, "x", "y", 0, 0, 8, 50);
    en.SaetStoerrelse(QSize(1100, 980));
    EXPECT_EQ(to.Stoerrelse(), QSize(550, 490));
    // The window runs from -0.8 to 8.8: x = 0 lies 0.8 / 9.6 of the view port's width in.
    const struct { int ark, hoejre, bund, x0; } raekker[] = {{1, 1099, 979, 92}, {2, 549, 489, 46}};
    for (const auto& r : raekker) {
        g.SelectWindow(r.ark);  // each sheet maps with its own view port
        EXPECT_EQ(g.ViewPortEntry(r.ark).Hoejre, r.hoejre);
        EXPECT_EQ(g.ViewPortEntry(r.ark).Bund, r.bund);
        EXPECT_EQ(g.PixelX(0), r.x0);  // 0.8 * 1099 / 9.6 = 91.58, 0.8 * 549 / 9.6 = 45.75
    }
}

}  // namespace
}  // namespace plotvik
