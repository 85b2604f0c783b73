// A cell matrix given another number of columns keeps every cell that fits,
// at its own row and column, and the new cells are empty.
#include <gtest/gtest.h>

#include <string>

#include "core/PlotvikPtrArray.h"

namespace plotvik {
namespace {

TEST(TekstMatrix, AnotherNumberOfColumnsKeepsTheCellsThatFit) {
    struct {
        const char* navn;
        int soejler;
    } tilfaelde[] = {{"more", 9}, {"fewer", 2}, {"the same", 4}, {"one", 1}};
    for (const auto& t : tilfaelde) {
        SCOPED_TRACE(t.navn);
        TTekstMatrix m;
        m.Opret(3, 4);
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 4; ++s) m.SaetCelle(std::to_string(10 * r + s), r, s);
        m.SkiftSoejler(t.soejler);
        EXPECT_EQ(m.Raekker(), 3);
        EXPECT_EQ(m.Soejler(), t.soejler);
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= t.soejler; ++s)
                EXPECT_EQ(m.HentCelle(r, s), s <= 4 ? std::to_string(10 * r + s) : "") << r << "," << s;
        // Grown again, the columns cut off come back empty.
        m.SkiftSoejler(6);
        for (int r = 1; r <= 3; ++r)
            for (int s = t.soejler + 1; s <= 6; ++s) EXPECT_EQ(m.HentCelle(r, s), "") << r << "," << s;
    }
}

}  // namespace
}  // namespace plotvik
