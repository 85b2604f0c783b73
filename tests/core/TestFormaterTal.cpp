// The cell number format: every case worked out by hand from the rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "core/PlotvikTyper.h"

using namespace plotvik;

namespace {

struct Raekke {
    int w, d;
    long double x;
    const char* forventet;
};

TEST(FormaterTal, SkriverHvertCifferSomReglerneSiger) {
    const Raekke tabel[] = {
        // The examples of the description.
        {8, 0, 12.3456L, "12.346"},
        {8, 0, 0.5L, "0.500"},
        {8, 0, 0.05L, "5.0E-02"},
        {8, 0, 123456.0L, "1.2E+05"},
        {8, 2, 3.14159L, "3.14"},
        {8, 0, -0.001L, "-1.0E-03"},
        {8, 0, 1e200L, "1.0E+0200"},
        // Zero.
        {8, 0, 0.0L, "0.000"},
        {8, 2, 0.0L, "0.00"},
        {3, 0, 0.0L, "0.000"},
        // Fixed with automatic decimals: min(3, w - e - 2).
        {12, 0, 9.81L, "9.810"},
        {6, 0, 1234.5L, "1234.5"},
        {5, 0, 1234.5L, "1235"},          // exact tie goes away from zero
        {8, 0, 9999.0L, "9999.000"},
        {8, 0, 9999.9996L, "10000.000"},   // e is 3, so fixed with 3 decimals
        {8, 0, 0.1, "0.100"},              // the double nearest 0.1 lies above it
        {8, 0, -12.3456L, "-12.346"},
        {4, 0, 12.0L, "12.0"},
        // Very narrow field: scientific in w characters, four exponent digits.
        {4, 0, 1234.5L, "1.2E+0003"},
        {2, 0, 50.0L, "5.0E+0001"},
        {2, 0, 5.0L, "5"},                 // min(3, 2 - 0 - 2) = 0 decimals
        // Scientific: significant digits = (w + 2) - 8, at least 2.
        {8, 0, 10000.0L, "1.0E+04"},
        {8, 0, 0.099L, "9.9E-02"},
        {12, 0, 0.05L, "5.00000E-02"},
        {10, 0, 123456.0L, "1.235E+05"},
        {8, 0, -123456.0L, "-1.2E+05"},
        {18, 0, 123456.0L, "1.23456000000E+05"},
        {8, 0, 2.5e-7L, "2.5E-07"},
        {8, 0, 1e-200L, "1.0E-0200"},
        {8, 0, -3.0e150L, "-3.0E+0150"},
        // Rounding from the exact binary value, ties away from zero.
        {2, 2, 0.125L, "0.13"},
        {2, 0, 2.5L, "3"},
        {8, 2, -0.375L, "-0.38"},
        {8, 1, 0.25L, "0.3"},
        {8, 1, -0.25L, "-0.3"},
        {8, 2, 1.005, "1.00"},   // the double of 1.005 lies below it: no tie
        {8, 3, 2.0L / 3.0L, "0.667"},
        {8, 6, 1.0L / 3.0L, "0.333333"},
    };
    for (const auto& r : tabel)
        EXPECT_EQ(FormaterTal(r.w, r.d, r.x), r.forventet) << "w=" << r.w << " d=" << r.d << " x=" << (double)r.x;
}

// Most cells take the quick route (the shown digits as one whole number from
// the long double product); ties, values too close to a half and products
// at or above 2^53 take the exact one. Both give the digits worked out by
// hand from the exact binary value.
TEST(FormaterTal, HurtigOgNoejagtigVejGiverDeSammeCifre) {
    const Raekke tabel[] = {
        // Around 2^53 = 9007199254740992 for the product x * 10^d.
        {8, 1, 900719925474099.125L, "900719925474099.1"},   // 9007199254740991.25: quick
        {8, 1, 900719925474099.25L, "900719925474099.3"},    // 9007199254740992.5: exact, a tie
        {8, 1, 900719925474099.375L, "900719925474099.4"},   // above 2^53: exact
        {8, 1, -900719925474099.375L, "-900719925474099.4"},
        {8, 1, 450359962737049.25L, "450359962737049.3"},    // a tie below 2^53
        {8, 1, -450359962737049.25L, "-450359962737049.3"},
        // Ties as exact binary fractions: away from zero.
        {8, 3, 0.0625L, "0.063"},
        {8, 3, -1.0625L, "-1.063"},
        {8, 4, 0.03125L, "0.0313"},
        // Decimal fractions whose double lies just below the half: no tie.
        {8, 2, 1.015, "1.01"},
        {8, 2, 2.675, "2.67"},
        {8, 2, 0.045, "0.04"},
        // Carries through every digit, and values that round to zero.
        {8, 3, 9.9996, "10.000"},
        {8, 4, -0.99996, "-1.0000"},
        {8, 4, 0.00004, "0.0000"},
        {8, 4, -0.00004, "-0.0000"},   // the sign of the computed value stays
        {8, 18, 0.5L, "0.500000000000000000"},
        {8, 18, -0.001L, "-1.0000000000000E-03"},  // 21 characters in fixed form: too wide
        // Scientific: a tie, a carry into the next decade, far from both.
        {12, 0, 123456.5L, "1.23457E+05"},
        {12, 0, 999999.5L, "1.00000E+06"},
        {12, 0, 999999.4L, "9.99999E+05"},
        {8, 0, 0.000999999L, "1.0E-03"},
        {21, 0, 1234567890123456.0L, "1.2345678901235E+15"},
    };
    for (const auto& r : tabel) {
        EXPECT_EQ(FormaterTal(r.w, r.d, r.x), r.forventet) << "w=" << r.w << " d=" << r.d << " x=" << (double)r.x;
        TTalPlads plads;
        EXPECT_EQ(FormaterTal(r.w, r.d, r.x, plads), r.forventet) << "into a buffer";
    }
}

// Where the literal cuts would show another number than the computed one,
// the value is shown in the scientific form that fits in 20 characters.
TEST(FormaterTal, ViserAldrigEtAndetTalEndDetBeregnede) {
    const Raekke tabel[] = {
        {19, 0, 1e-5L, "1.000000000000E-05"},
        {20, 0, 1e-5L, "1.0000000000000E-05"},
        {8, 2, 1e30L, "1.0000000000000E+30"},
        {25, 2, 3.14159L, "3.14"},
        {30, 0, 0.5e-1L, "5.0000000000000E-02"},
        {8, 0, 5e-100L, "5.0E-0100"},
        {8, 0, 9.96e99L, "1.0E+0100"},
    };
    for (const auto& r : tabel)
        EXPECT_EQ(FormaterTal(r.w, r.d, r.x), r.forventet) << "w=" << r.w << " d=" << r.d;
}

TEST(FormaterTal, IkkeEndeligeVaerdierGiverEtKortOrd) {
    bool fejl = false;
    for (long double x : {std::numeric_limits<long double>::infinity(),
                          -std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN()}) {
        EXPECT_EQ(FormaterTal(8, 0, x), "Fejl");
        EXPECT_EQ(FormaterTal(8, 2, x), "Fejl");
        TekstTilTal(FormaterTal(8, 0, x), fejl);
        EXPECT_TRUE(fejl);
    }
}

// The text read back is the value to the precision the text shows.
double Tolerance(const std::string& t) {
    auto e = t.find('E');
    std::string mantisse = e == std::string::npos ? t : t.substr(0, e);
    auto p = mantisse.find('.');
    int decimaler = p == std::string::npos ? 0 : static_cast<int>(mantisse.size() - p - 1);
    int eksp = e == std::string::npos ? 0 : std::atoi(t.c_str() + e + 1);
    return 0.5 * std::pow(10.0, eksp - decimaler);
}

TEST(FormaterTal, TekstenLaesesTilbageTilVaerdien) {
    std::mt19937_64 tilfaeldig(20261208);
    std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
    std::uniform_int_distribution<int> eksponent(-120, 120);
    for (int n = 0; n < 1500; ++n) {
        double x = mantisse(tilfaeldig) * std::pow(10.0, eksponent(tilfaeldig));
        for (int w = 2; w <= 20; ++w) {
            for (int d = 0; d <= 6; ++d) {
                std::string t = FormaterTal(w, d, x);
                bool fejl = true;
                double tilbage = TekstTilTal(t, fejl);
                ASSERT_FALSE(fejl) << t;
                ASSERT_LE(t.size(), 20u) << t;
                // A double holds only about 16 digits: one unit in its last place is allowed too.
                double tol = Tolerance(t) * (1 + 1e-9) + 2 * (std::nextafter(std::fabs(x), 1e308) - std::fabs(x));
                ASSERT_LE(std::fabs(tilbage - x), tol) << "w=" << w << " d=" << d << " x=" << x << " -> " << t;
            }
        }
    }
}

}  // namespace
