// The movement rules of keyboard input into a table, key by key, for both
// table orientations.
#include <gtest/gtest.h>

#include "tabeller/Indtastning.h"

namespace plotvik {
namespace {

struct FlytRaekke {
    char type;
    int r, c, tast;
    int nyR, nyC;
    bool slut, bip;
};

// "S": 2 input variables of 3, 5 measurements (grid rows 2..6, columns 1..2 typed).
// "R": 2 input variables of 3, 4 measurements (grid rows 1..2, columns 2..5 typed).
const TIndtastningsFelt S{'S', 2, 6, 3};
const TIndtastningsFelt R{'R', 2, 3, 5};

TEST(Indtastning, EveryKeyMovesAsTheTableSays) {
    const FlytRaekke raekker[] = {
        // "S": along the row across the input variables, then down.
        {'S', 2, 1, Tast::Enter, 2, 2, false, false},
        {'S', 2, 2, Tast::Enter, 3, 1, false, false},
        {'S', 2, 2, Tast::PageDown, 3, 1, false, false},
        {'S', 6, 1, Tast::Enter, 6, 2, false, false},
        {'S', 6, 2, Tast::Enter, 7, 1, true, false},     // past the last input cell: done
        {'S', 2, 1, Tast::PageUp, 2, 1, false, true},    // first input cell: beep, stay
        {'S', 3, 1, Tast::PageUp, 2, 2, false, false},
        {'S', 3, 2, Tast::PageUp, 3, 1, false, false},
        {'S', 2, 2, Tast::Op, 2, 2, false, true},
        {'S', 4, 2, Tast::Op, 3, 2, false, false},
        {'S', 5, 1, Tast::Ned, 6, 1, false, false},
        {'S', 6, 1, Tast::Ned, 6, 1, false, true},
        {'S', 4, 1, Tast::Tab, 4, 1, true, false},
        {'S', 4, 1, Tast::Esc, 4, 1, true, false},
        // "R": along the row across the measurements, then the next variable.
        {'R', 1, 2, Tast::Enter, 1, 3, false, false},
        {'R', 1, 5, Tast::Enter, 2, 2, false, false},
        {'R', 1, 5, Tast::PageDown, 2, 2, false, false},
        {'R', 2, 5, Tast::Enter, 3, 2, true, false},
        {'R', 1, 2, Tast::PageUp, 1, 2, false, true},
        {'R', 2, 2, Tast::PageUp, 1, 5, false, false},
        {'R', 2, 4, Tast::PageUp, 2, 3, false, false},
        {'R', 1, 3, Tast::Op, 1, 3, false, true},
        {'R', 2, 3, Tast::Op, 1, 3, false, false},
        {'R', 1, 4, Tast::Ned, 2, 4, false, false},
        {'R', 2, 4, Tast::Ned, 2, 4, false, true},       // last input variable: beep
        {'R', 2, 4, Tast::Tab, 2, 4, true, false},
        {'R', 1, 2, Tast::Esc, 1, 2, true, false},
    };
    for (const auto& r : raekker) {
        const TFlytning n = FlytIndtastning(r.type == 'S' ? S : R, r.r, r.c, r.tast);
        const std::string hvor = std::string(1, r.type) + " (" + std::to_string(r.r) + "," +
                                 std::to_string(r.c) + ") key " + std::to_string(r.tast);
        EXPECT_EQ(n.Slut, r.slut) << hvor;
        EXPECT_EQ(n.Bip, r.bip) << hvor;
        if (!r.slut || r.tast == Tast::Enter) {
            EXPECT_EQ(n.Raekke, r.nyR) << hvor;
            EXPECT_EQ(n.Soejle, r.nyC) << hvor;
        }
    }
}

TEST(Indtastning, ATableWithoutInputVariablesEndsAtOnce) {
    const TIndtastningsFelt tom{'S', 0, 6, 3};
    EXPECT_TRUE(FlytIndtastning(tom, 2, 1, Tast::Enter).Slut);
}

TEST(Indtastning, OnlyInputCellsTakeInput) {
    const struct { char type; int r, c; bool inddata; } raekker[] = {
        {'S', 1, 1, false},  // header row
        {'S', 2, 1, true},  {'S', 6, 2, true},
        {'S', 2, 3, false},  // output variable
        {'S', 7, 1, false},  // below the table
        {'R', 1, 1, false},  // header column
        {'R', 1, 2, true},  {'R', 2, 5, true},
        {'R', 3, 2, false},  // output variable
        {'R', 2, 6, false},  // right of the table
        {'R', 0, 2, false},
    };
    for (const auto& r : raekker)
        EXPECT_EQ(ErInddataCelle(r.type == 'S' ? S : R, r.r, r.c), r.inddata)
            << r.type << " " << r.r << "," << r.c;
}

TEST(Indtastning, GridCellsMapToTheMatrix) {
    const struct { char type; int r, c, v, k; } raekker[] = {
        {'R', 2, 3, 2, 3},  // row = variable, column = measurement + 1
        {'S', 4, 2, 2, 4},  // column = variable, row = measurement + 1
        {'S', 1, 3, 3, 1},  // the header
    };
    for (const auto& r : raekker) {
        int v = 0, k = 0;
        MatrixCelle(r.type, r.r, r.c, v, k);
        EXPECT_EQ(v, r.v);
        EXPECT_EQ(k, r.k);
    }
}

TEST(Indtastning, NavigationKeys) {
    for (int tast : {9, 13, 27, 33, 34, 38, 40}) EXPECT_TRUE(ErNavigationsTast(tast)) << tast;
    for (int tast : {0, 8, 37, 39, 65}) EXPECT_FALSE(ErNavigationsTast(tast)) << tast;
}

}  // namespace
}  // namespace plotvik
