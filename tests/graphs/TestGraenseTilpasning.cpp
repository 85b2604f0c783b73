// "Tilpas grænser" without a window: the limit rule for each kind of data,
// the zoom around a point, and the word on the sheet when no point shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/PlotvikTyper.h"
#include "graphs/GraenseTilpasning.h"

using namespace plotvik;

namespace {

// The sheet's step for a pair of limits is 10^(ceil(log10 M) - 1) with M the
// larger absolute limit; the fitted ends must be whole multiples of it.
struct Tilfaelde {
    const char* navn;
    std::vector<TPunkt> punkter;
    TGraenser forventet;
};

// Every row worked by hand (w = width of the data, "a fifth" = w / 5):
const std::vector<Tilfaelde> Tabel = {
    // The cooling log imported into Fald.prj: t = 0, 30, ..., 1800 s and
    // v = 9.82 * t, so v runs from 0 to 17676.
    //   x: M = 1800, log10 = 3.26, step 10^3; 0 stays, 1800 -> 2000.
    //   y: M = 17676, log10 = 4.25, step 10^4; 17676 -> 20000.
    {"afkoeling", {{0, 0}, {30, 294.6}, {900, 8838}, {1800, 17676}}, {0, 2000, 0, 20000}},
    // Across 0: x -3.5..7.2: M = 7.2, step 1 -> [-4, 8];
    //           y -12..30:   M = 30, step 10 -> [-20, 30].
    {"krydser nul", {{-3.5, 30}, {0, 1}, {7.2, -12}}, {-4, 8, -20, 30}},
    // Negative only: x -9.6..-2.4: w 7.2, a fifth 1.44 < 2.4, M = 9.6, step 1 -> [-10, -2];
    //   y -0.75..-0.1: w 0.65, a fifth 0.13 >= 0.1 so the top goes to 0;
    //   M = 0.75, log10 = -0.12, step 0.1 -> [-0.8, 0].
    {"kun negative", {{-9.6, -0.75}, {-5, -0.3}, {-2.4, -0.1}}, {-10, -2, -0.8, 0}},
    // Near the origin: x 12..95: w 83, a fifth 16.6 >= 12 -> starts at 0 (else [10, 100]);
    //   M = 95, step 10 -> [0, 100].
    //   y 0.15..0.9: w 0.75, a fifth 0.15 >= 0.15 -> 0 (else [0.1, 0.9]); step 0.1 -> [0, 0.9].
    {"naer origo", {{12, 0.15}, {95, 0.9}}, {0, 100, 0, 0.9}},
    // Just beyond a fifth: x 13..70: a fifth of 57 is 11.4 < 13, step 10 -> [10, 70];
    //   y 1..2: a fifth 0.2 < 1, M = 2, step 1 -> [1, 2].
    {"ikke naer nok", {{13, 1}, {70, 2}}, {10, 70, 1, 2}},
    // One point (3, 5): x [0, 6] (M 6, step 1); y [0, 10] (M = 10 gives step 1).
    {"et punkt", {{3, 5}}, {0, 6, 0, 10}},
    // One point at (-0.4, 0): x [-0.8, 0] (M 0.8, step 0.1); y 0 alone -> [-1, 1] (M 1, step 0.1).
    {"et punkt i nul", {{-0.4, 0}}, {-0.8, 0, -1, 1}},
    // A constant column y = 17 over x = 1..5: x w 4, a fifth 0.8 < 1, M 5, step 1 -> [1, 5];
    //   y [0, 34] -> M 34, step 10 -> [0, 40].
    {"konstant soejle", {{1, 17}, {2, 17}, {3, 17}, {5, 17}}, {1, 5, 0, 40}},
    // Around 1E-6: x 1.2E-6..4.7E-6: w 3.5E-6, a fifth 0.7E-6 < 1.2E-6;
    //   log10 4.7E-6 = -5.33, step 1E-6 -> [1E-6, 5E-6].
    //   y 2.5E-7..8.6E-7: a fifth of 6.1E-7 is 1.22E-7 < 2.5E-7; log10 8.6E-7 = -6.07,
    //   step 1E-7 -> [2E-7, 9E-7].
    {"omkring 1E-6", {{1.2e-6, 8.6e-7}, {4.7e-6, 2.5e-7}}, {1e-6, 5e-6, 2e-7, 9e-7}},
    // Around 1E6: x 1.23E6..1.87E6: a fifth of 0.64E6 is 0.128E6; log10 1.87E6 = 6.27,
    //   step 1E6 -> [1E6, 2E6].  y 3.5E5..8.7E5: log10 8.7E5 = 5.94, step 1E5 -> [3E5, 9E5].
    {"omkring 1E6", {{1.23e6, 3.5e5}, {1.87e6, 8.7e5}}, {1e6, 2e6, 3e5, 9e5}},
};

}  // namespace

TEST(TilpasGraenser, LimitsHoldTheDataAndEndOnTicks) {
    for (const Tilfaelde& c : Tabel) {
        SCOPED_TRACE(c.navn);
        const auto g = TilpassedeGraenser(c.punkter);
        ASSERT_TRUE(g.has_value());
        EXPECT_DOUBLE_EQ(g->XMin, c.forventet.XMin);
        EXPECT_DOUBLE_EQ(g->XMax, c.forventet.XMax);
        EXPECT_DOUBLE_EQ(g->YMin, c.forventet.YMin);
        EXPECT_DOUBLE_EQ(g->YMax, c.forventet.YMax);
        // The texts of the fields read back as exactly these limits.
        for (double v : {g->XMin, g->XMax, g->YMin, g->YMax}) {
            bool fejl = true;
            EXPECT_EQ(TekstTilTal(GraenseTekst(v), fejl), v) << GraenseTekst(v);
            EXPECT_FALSE(fejl);
        }
    }
}

TEST(TilpasGraenser, NothingToFitGivesNoLimits) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<TPunkt>> tabel = {{}, {{nan, 1}}, {{1, inf}}, {{-1e308, 0}, {1e308, 1}}};
    for (const auto& punkter : tabel) EXPECT_FALSE(TilpassedeGraenser(punkter).has_value());
    // A point that is not a number is left out; the others still fit.
    const std::vector<TPunkt> blandet = {{nan, 3}, {2, 4}, {4, 8}};
    const auto g = TilpassedeGraenser(blandet);
    ASSERT_TRUE(g.has_value());
    // x 2..4: w 2, a fifth 0.4 < 2, step 1 -> [2, 4]; y 4..8 likewise [4, 8].
    EXPECT_DOUBLE_EQ(g->XMin, 2);
    EXPECT_DOUBLE_EQ(g->XMax, 4);
    EXPECT_DOUBLE_EQ(g->YMin, 4);
    EXPECT_DOUBLE_EQ(g->YMax, 8);
}

TEST(TilpasGraenser, ZoomKeepsThePointInPlace) {
    struct Zoom {
        TGraenser foer;
        double x, y, faktor;
        TGraenser efter;  // x - (x - min) * f, x + (max - x) * f, rounded to 1E-4 of the width
    };
    const std::vector<Zoom> tabel = {
        // Around (2, 5) in [0, 10] x [0, 20] by 0.5: x [1, 6], y [2.5, 12.5].
        {{0, 10, 0, 20}, 2, 5, 0.5, {1, 6, 2.5, 12.5}},
        // Out by 2 around the middle of [0, 1] x [-1, 1]: [-0.5, 1.5] x [-2, 2].
        {{0, 1, -1, 1}, 0.5, 0, 2, {-0.5, 1.5, -2, 2}},
        // By 0.8 around (1/3, 1/3) in [0, 1]^2: 1/3 - 0.8/3 = 0.0666.. -> width 0.8, step 1E-5:
        // 0.06667 and 0.33333.. + 0.8 * 2/3 = 0.86666.. -> 0.86667.
        {{0, 1, 0, 1}, 1.0 / 3, 1.0 / 3, 0.8, {0.06667, 0.86667, 0.06667, 0.86667}},
    };
    for (const Zoom& z : tabel) {
        const TGraenser g = ZoomOmPunkt(z.foer, z.x, z.y, z.faktor);
        EXPECT_NEAR(g.XMin, z.efter.XMin, 1e-12);
        EXPECT_NEAR(g.XMax, z.efter.XMax, 1e-12);
        EXPECT_NEAR(g.YMin, z.efter.YMin, 1e-12);
        EXPECT_NEAR(g.YMax, z.efter.YMax, 1e-12);
    }
    // A rectangle drawn from its lower right to its upper left corner.
    const auto r = ZoomTilRektangel(8, 1, 2, 4);
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(r->XMin, 2);
    EXPECT_DOUBLE_EQ(r->XMax, 8);
    EXPECT_DOUBLE_EQ(r->YMin, 1);
    EXPECT_DOUBLE_EQ(r->YMax, 4);
    EXPECT_FALSE(ZoomTilRektangel(3, 1, 3, 4).has_value());
}


TEST(TilpasGraenser, TellsWhenAtMostOnePointShows) {
    // The picture of limits 0..10 x 0..10 is the window -1..11 x -1..11. The
    // list holds a line of its own and a word from an earlier pass.
    const std::string slut = " - tryk p\xE5 \"Tilpas gr\xE6nser\"";
    const std::string egen = "Regressionslinie:", gammel = "9 af 9 punkter ligger uden for gr\xE6nserne" + slut;
    struct Raekke {
        std::vector<TPunkt> punkter;
        std::vector<std::string> forventet;
    };
    const std::vector<Raekke> tabel = {
        {{{20, 5}, {5, -2}, {-1.5, 30}}, {egen, "Ingen af de 3 punkter ligger inden for gr\xE6nserne" + slut}},
        // (11, 11) lies on the window's corner: it shows.
        {{{20, 5}, {5, 12}, {30, 1}, {11, 11}}, {egen, "Kun 1 af de 4 punkter ligger inden for gr\xE6nserne" + slut}},
        {{{20, 5}, {5, 12}, {0, 0}, {-1, -1}}, {egen}},  // two show: nothing is said
        {{{5, 5}}, {egen}},                              // the one point shows
        {{{5, 50}}, {egen, "Punktet ligger uden for gr\xE6nserne" + slut}},
        {{}, {egen, gammel}},  // no points (a pass that failed): the list stays
    };
    for (const Raekke& r : tabel) {
        TGrafArk ark;
        ark.Resultater = {egen, gammel};
        TTegneTilstand tt;
        tt.Grafik.SetWindow(1, -1, -1, 11, 11);
        tt.Punkter = r.punkter;
        MeldPunkterUdenfor(ark, tt, 1);
        EXPECT_EQ(ark.Resultater, r.forventet) << r.punkter.size();
    }
}
