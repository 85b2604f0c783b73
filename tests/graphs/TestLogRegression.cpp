// Exponential and power regression against the closed-form least squares on
// the logarithms, computed here from the raw (uncentred) sums, and their
// results lines byte for byte (the numbers worked out beforehand from the
// same closed form).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graphs/LogRegression.h"

namespace plotvik {
namespace {

struct TLukketForm {
    double k, c, r2, uk, uc;
};

// The straight line v = c + k*u by the textbook formulas on raw sums.
TLukketForm LukketForm(const std::vector<double>& u, const std::vector<double>& v) {
    const double n = double(u.size());
    double Su = 0, Sv = 0, Suu = 0, Suv = 0, Svv = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        Su += u[i];
        Sv += v[i];
        Suu += u[i] * u[i];
        Suv += u[i] * v[i];
        Svv += v[i] * v[i];
    }
    const double D = n * Suu - Su * Su;
    TLukketForm f{};
    f.k = (n * Suv - Su * Sv) / D;
    f.c = (Sv - f.k * Su) / n;
    f.r2 = (n * Suv - Su * Sv) * (n * Suv - Su * Sv) / (D * (n * Svv - Sv * Sv));
    double rss = 0;
    for (std::size_t i = 0; i < u.size(); ++i) rss += std::pow(v[i] - f.c - f.k * u[i], 2);
    const double s2 = rss / (n - 2);
    f.uk = std::sqrt(n * s2 / D);
    f.uc = std::sqrt(s2 * Suu / D);
    return f;
}

std::vector<TPunkt> Punkter(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<TPunkt> p;
    for (std::size_t i = 0; i < x.size(); ++i) p.push_back({x[i], y[i]});
    return p;
}

struct TDatasaet {
    const char* navn;
    char type;
    std::vector<double> x, y;
};

const std::vector<TDatasaet> Datasaet = {
    // A die experiment: 100 dice thrown, the sixes taken out each time (a = 5/6 in theory).
    {"dice decay", EksponentielType, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {100, 84, 70, 59, 48, 41, 33, 28, 24, 20, 16}},
    // Bacteria doubling about once per hour.
    {"growth", EksponentielType, {0, 1, 2, 3, 4, 5}, {2.1, 3.9, 8.3, 15.8, 32.5, 63.0}},
    // A pendulum: period against length, T = 2*L^0.5.
    {"pendulum", PotensType, {0.2, 0.4, 0.6, 0.8, 1.0, 1.2}, {0.90, 1.27, 1.55, 1.80, 2.01, 2.20}},
    // Exact decay with a half-life of 5: N = 1000 * (1/2)^(t/5).
    {"exact half-life", EksponentielType, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
     {1000, 870.5505632961241, 757.8582832551990, 659.7539553864471, 574.3491774985174, 500,
      435.2752816480621, 378.9291416275995, 329.8769776932236, 287.1745887492587, 250}},
};

TEST(LogRegression, ReproducesTheClosedFormLeastSquaresOnTheLogarithms) {
    for (const TDatasaet& d : Datasaet) {
        std::vector<double> u, v;
        for (std::size_t i = 0; i < d.x.size(); ++i) {
            u.push_back(d.type == PotensType ? std::log(d.x[i]) : d.x[i]);
            v.push_back(std::log(d.y[i]));
        }
        const TLukketForm l = LukketForm(u, v);
        const TLogRegression f = LogRegression(d.type, Punkter(d.x, d.y));
        ASSERT_TRUE(f.Ok) << d.navn;
        const double a = d.type == PotensType ? l.k : std::exp(l.k), b = std::exp(l.c);
        EXPECT_NEAR(f.a, a, 1e-12 * std::fabs(a)) << d.navn;
        EXPECT_NEAR(f.b, b, 1e-12 * b) << d.navn;
        EXPECT_NEAR(f.r2, l.r2, 1e-12) << d.navn;
        // Uncertainties of a and b carried over from those of the line (exact data: none to speak of).
        const double ua = d.type == PotensType ? l.uk : a * l.uk;
        EXPECT_NEAR(f.ua, ua, 1e-9 * std::fabs(a)) << d.navn;
        EXPECT_NEAR(f.ub, b * l.uc, 1e-9 * b) << d.navn;
        for (double x : {0.5, 1.0, 3.0}) {
            const double y = d.type == PotensType ? b * std::pow(x, a) : b * std::pow(a, x);
            EXPECT_NEAR(LogRegressionsVaerdi(f, x), y, 1e-11 * y) << d.navn << " x=" << x;
        }
    }
}

TEST(LogRegression, HalfLifeDoublingTimeSlopeAndArea) {
    const TLogRegression exakt = EksponentielRegression(Punkter(Datasaet[3].x, Datasaet[3].y));
    ASSERT_TRUE(FordoblingEllerHalvering(exakt));
    EXPECT_NEAR(*FordoblingEllerHalvering(exakt), 5.0, 1e-12);
    // y = 1000 * 2^(-t/5): slope ln(1/2)/5 * y; area from 0 to 5 = 1000 * 5/ln 2 * (1 - 1/2).
    EXPECT_NEAR(LogRegressionsHaeldning(exakt, 5), std::log(0.5) / 5 * 500, 1e-9);
    EXPECT_NEAR(LogRegressionsAreal(exakt, 0, 5), 2500 / std::log(2.0), 1e-8);

    const TLogRegression vaekst = EksponentielRegression(std::vector<TPunkt>{{0, 1}, {1, 2}, {2, 4}});
    EXPECT_NEAR(*FordoblingEllerHalvering(vaekst), 1.0, 1e-12);
    EXPECT_GT(vaekst.k, 0);

    // y = 3 x^2: slope 6x, area from 1 to 2 = 7.
    const TLogRegression potens = PotensRegression(std::vector<TPunkt>{{1, 3}, {2, 12}, {3, 27}});
    EXPECT_NEAR(LogRegressionsHaeldning(potens, 2), 12, 1e-10);
    EXPECT_NEAR(LogRegressionsAreal(potens, 1, 2), 7, 1e-10);
    EXPECT_FALSE(FordoblingEllerHalvering(potens));
    // y = 2/x: the area is 2 ln(x2/x1).
    const TLogRegression hyperbel = PotensRegression(std::vector<TPunkt>{{1, 2}, {2, 1}, {4, 0.5}});
    EXPECT_NEAR(LogRegressionsAreal(hyperbel, 1, 4), 2 * std::log(4.0), 1e-10);
    EXPECT_TRUE(std::isnan(LogRegressionsVaerdi(hyperbel, 0)));
}

TEST(LogRegression, ResultsLinesByteForByte) {
    struct Raekke {
        int saet;
        const char *x, *y;
        bool statistik;
        std::vector<std::string> linjer;
    };
    const std::vector<Raekke> raekker = {
        {0, "n", "N", true,
         {"Eksponentiel regression:", "N = b*a^n", "a = 0.834", "b = 100.501", "Halveringstid: T\xBD = 3.816",
          "r\xB2 = 0.999343", "Fittet med mindste kvadraters metode p\xE5 ln(N) mod n", "", "Statistik",
          "a = 0.8339 \xB1 0.0013", "b = 100.50 \xB1 0.92", "T\xBD = 3.816 \xB1 0.033"}},
        {1, "t", "N", true,
         {"Eksponentiel regression:", "N = b*a^t", "a = 1.986", "b = 2.052", "Fordoblingstid: T2 = 1.010",
          "r\xB2 = 0.999544", "Fittet med mindste kvadraters metode p\xE5 ln(N) mod t", "", "Statistik",
          "a = 1.986 \xB1 0.015", "b = 2.052 \xB1 0.046", "T2 = 1.010 \xB1 0.011"}},
        {2, "L", "T", true,
         {"Potensregression:", "T = b*L^a", "a = 0.499", "b = 2.008", "r\xB2 = 0.999961",
          "Fittet med mindste kvadraters metode p\xE5 ln(T) mod ln(L)", "", "Statistik", "a = 0.4995 \xB1 0.0016",
          "b = 2.0082 \xB1 0.0025"}},
        {3, "t", "N", false,
         {"Eksponentiel regression:", "N = b*a^t", "a = 0.871", "b = 1000.000", "Halveringstid: T\xBD = 5.000",
          "r\xB2 = 1.000000", "Fittet med mindste kvadraters metode p\xE5 ln(N) mod t"}},
    };
    for (const Raekke& r : raekker) {
        const TDatasaet& d = Datasaet[std::size_t(r.saet)];
        const TLogRegression f = LogRegression(d.type, Punkter(d.x, d.y));
        EXPECT_EQ(LogRegressionsLinjer(f, r.x, r.y, r.statistik), r.linjer) << d.navn;
    }
}

TEST(LogRegression, PointsTheLogarithmCannotTakeAndOtherRefusals) {
    struct Raekke {
        char type;
        std::vector<double> x, y;
        std::optional<std::string> besked;
    };
    const std::vector<Raekke> raekker = {
        {EksponentielType, {0, 1, 2}, {5, 2, 1}, std::nullopt},
        {EksponentielType, {-3, 1, 2}, {5, 2, 1}, std::nullopt},  // x may be anything
        {EksponentielType, {0, 1, 2, 3}, {5, 0, -1, 1},
         "Eksponentiel regression kr\xE6ver positive y-v\xE6rdier: m\xE5ling nr. 2 har y = 0.000"},
        {PotensType, {1, 0, 2}, {1, 1, -1},
         "Potensregression kr\xE6ver positive x- og y-v\xE6rdier: m\xE5ling nr. 2 har x = 0.000"},
        {PotensType, {1, 2, 3}, {1, 1, -2.5},
         "Potensregression kr\xE6ver positive x- og y-v\xE6rdier: m\xE5ling nr. 3 har y = -2.500"},
    };
    for (const Raekke& r : raekker) EXPECT_EQ(LogRegressionPunktFejl(r.type, r.x, r.y), r.besked);

    const TLogRegression en = EksponentielRegression(std::vector<TPunkt>{{1, 2}});
    EXPECT_FALSE(en.Ok);
    EXPECT_EQ(en.Besked, LogRegressionForFaaBesked);
    const TLogRegression ensX = PotensRegression(std::vector<TPunkt>{{2, 1}, {2, 3}, {2, 4}});
    EXPECT_FALSE(ensX.Ok);
    EXPECT_EQ(LogRegressionsLinjer(ensX, "x", "y", true),
              (std::vector<std::string>{"Potensregression:", "y = b*x^a",
                                        "Regressionen kan ikke beregnes, da alle x-v\xE6rdier er ens"}));
    // Two points: a line through them, but no uncertainties.
    const TLogRegression to = EksponentielRegression(std::vector<TPunkt>{{0, 1}, {1, 3}});
    ASSERT_TRUE(to.Ok);
    const auto linjer = LogRegressionsLinjer(to, "x", "y", true);
    EXPECT_EQ(linjer.back(), "Ingen usikkerheder: der skal v\xE6re flere m\xE5linger end parametre");
}

}  // namespace
}  // namespace plotvik
