// The curve fits against certified reference data (NIST StRD Norris and
// Pontius), closed forms and second, independent computations.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/FitRutiner.h"
#include "graphs/Fits.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"

using namespace plotvik;

namespace {

// Fixture files hold "y x" per line after comment lines starting with '#'.
std::vector<TPunkt> LaesNist(const std::string& navn) {
    std::ifstream ind(test::Kildesti("tests/graphs/fixtures/" + navn));
    std::vector<TPunkt> p;
    std::string linje;
    while (std::getline(ind, linje)) {
        if (linje.empty() || linje[0] == '#') continue;
        std::istringstream s(linje);
        double x, y;
        if (s >> y >> x) p.push_back({x, y});
    }
    return p;
}

void NaerRelativ(double faktisk, double forventet, double tol, const char* hvad) {
    EXPECT_LE(std::fabs(faktisk - forventet), tol * std::fabs(forventet))
        << hvad << ": " << faktisk << " != " << forventet;
}

}  // namespace

TEST(Regression, MatchesCertifiedNorrisValues) {
    const auto p = LaesNist("nist-norris.txt");
    ASSERT_EQ(p.size(), 36u);
    const TLinie l = LinRegression(p);
    NaerRelativ(l.a, -0.262323073774029, 1e-9, "B0");
    NaerRelativ(l.b, 1.00211681802045, 1e-9, "B1");
    // The statistics of the fitted line: residual sd with 2 bindings, r = sqrt(R^2).
    std::vector<double> fit, maalt;
    for (const auto& q : p) {
        fit.push_back(l.b * q.x + l.a);
        maalt.push_back(q.y);
    }
    const TStatistik st = KorrelationOgSpredning(fit, maalt, 2);
    ASSERT_TRUE(st.sBeregnet);
    NaerRelativ(st.s, 0.884796396144373, 1e-9, "residual sd");
    NaerRelativ(st.r, std::sqrt(0.999993745883712), 1e-9, "r");
}

TEST(Polynomial, MatchesCertifiedPontiusValues) {
    const auto p = LaesNist("nist-pontius.txt");
    ASSERT_EQ(p.size(), 40u);
    const auto c = PolynomiumsFit(p, 2);
    ASSERT_EQ(c.size(), 3u);
    NaerRelativ(c[0], 0.673565789473684E-03, 1e-9, "B0");
    NaerRelativ(c[1], 0.732059160401003E-06, 1e-9, "B1");
    NaerRelativ(c[2], -0.316081871345029E-14, 1e-9, "B2");
    std::vector<double> fit, maalt;
    for (const auto& q : p) {
        fit.push_back(PolynomiumsVaerdi(c, q.x));
        maalt.push_back(q.y);
    }
    const TStatistik st = KorrelationOgSpredning(fit, maalt, 3);
    NaerRelativ(st.s, 0.205177424076185E-03, 1e-8, "residual sd");
}

TEST(Regression, HandComputedLines) {
    struct Raekke { std::vector<TPunkt> p; double a, b; bool fejl; };
    const std::vector<Raekke> raekker = {
        {{{0, 1}, {1, 3}, {2, 5}, {3, 7}, {4, 9}}, 1, 2, false},      // y = 2x + 1
        {{{0, -1}, {1, 1}, {2, 3}, {3, 5}, {4, 7}}, -1, 2, false},    // y = 2x - 1
        {{{0, 0}, {1, 1}, {2, 1}}, 1.0 / 6, 0.5, false},              // by hand: b = 1/2, a = 1/6
        {{{2, 1}, {2, 5}, {2, 9}}, 0, 0, true},                       // equal x: no line
        {{{0.1, 1}, {0.1, 2}, {0.1, 3}}, 0, 0, true},
        {{{3, 4}}, 0, 0, true},
        {{}, 0, 0, true},
    };
    for (const auto& r : raekker) {
        bool fejl = false;
        const TLinie l = LinRegression(r.p, fejl);
        EXPECT_EQ(fejl, r.fejl);
        EXPECT_NEAR(l.a, r.a, 1e-12);
        EXPECT_NEAR(l.b, r.b, 1e-12);
        EXPECT_TRUE(std::isfinite(LinRegression(r.p).a));
    }
}

TEST(Polynomial, ExactFitsDegreeLimitsAndSingularSystems) {
    struct Raekke { std::vector<TPunkt> p; int grad; std::vector<double> c; };
    const std::vector<Raekke> raekker = {
        {{{0, 0}, {1, 1}, {2, 4}}, 2, {0, 0, 1}},                     // x^2 through three points
        {{{0, 0}, {1, 1}, {2, 4}}, 3, {0, 0, 1}},                     // degree cut to n - 1
        {{{-1, 2}, {0, 1}, {1, 2}, {2, 5}}, 2, {1, 0, 1}},            // x^2 + 1, four points
        {{{0, 1}, {1, 3}, {2, 5}}, 1, {1, 2}},
        {{{1, 2}, {2, 4}, {3, 3}}, 0, {3}},                           // the mean
        {{{0, 0}, {1, 1}, {2, 1}}, 1, {1.0 / 6, 0.5}},                // the regression line, x = 0 counts
        {{{0, 2}, {0, 4}, {1, 1}}, 0, {7.0 / 3}},
        {{{1, 1}, {1, 2}}, 1, {0, 0}},                                // singular: zero polynomial
        {{{1, 1}, {1, 2}, {1, 3}}, 2, {0, 0, 0}},
    };
    for (const auto& r : raekker) {
        const auto c = PolynomiumsFit(r.p, r.grad);
        ASSERT_EQ(c.size(), r.c.size());
        for (std::size_t i = 0; i < c.size(); ++i) EXPECT_NEAR(c[i], r.c[i], 1e-12) << i;
    }
    // Degree 12 asked for: at most 10.
    std::vector<TPunkt> mange;
    for (int i = 0; i < 20; ++i) mange.push_back({i / 10.0, std::exp(i / 10.0)});
    EXPECT_EQ(PolynomiumsFit(mange, 12).size(), 11u);
}

TEST(Polynomial, GaussEliminationPivotsAndReportsSingular) {
    std::vector<std::vector<Reel>> a = {{0, 1, 1}, {1, 0, 2}};  // y = 1, x = 2: needs an exchange
    std::vector<double> c;
    EXPECT_TRUE(GaussElimination(a, 2, c));
    EXPECT_DOUBLE_EQ(c[0], 2);
    EXPECT_DOUBLE_EQ(c[1], 1);
    EXPECT_EQ(c.size(), 11u);
    std::vector<std::vector<Reel>> s = {{1, 2, 3}, {2, 4, 6}};
    EXPECT_FALSE(GaussElimination(s, 2, c));
    EXPECT_EQ(c, std::vector<double>(11, 0.0));
}

TEST(Polynomial, HornerValueAndSlope) {
    const std::vector<double> c = {1, 2, 3};  // 1 + 2x + 3x^2
    struct Raekke { double x, v, m; };
    for (const Raekke& r : {Raekke{0, 1, 2}, Raekke{2, 17, 14}, Raekke{-1, 2, -4}}) {
        EXPECT_DOUBLE_EQ(PolynomiumsVaerdi(c, r.x), r.v);
        EXPECT_DOUBLE_EQ(PolynomiumsHaeldning(c, r.x), r.m);
    }
    EXPECT_EQ(PolynomiumsVaerdi(std::vector<double>{}, 3), 0);
}

namespace {

// The same spline by a second method: second derivatives M from a dense
// system, with the end condition "third derivative equals that of the cubic
// through the four end points" written as (M2 - M1)/h1 = 6 f[x1..x4].
struct MSpline {
    std::vector<double> x, y, M;
    explicit MSpline(const std::vector<TPunkt>& p) {
        const int n = int(p.size());
        for (auto& q : p) { x.push_back(q.x); y.push_back(q.y); }
        auto dd = [&](int i, int k) {  // divided difference f[x_i..x_{i+k}]
            std::vector<long double> f(y.begin() + i, y.begin() + i + k + 1);
            for (int j = 1; j <= k; ++j)
                for (int m = k; m >= j; --m) f[m] = (f[m] - f[m - 1]) / (x[i + m] - x[i + m - j]);
            return f[k];
        };
        std::vector<std::vector<long double>> A(n, std::vector<long double>(n + 1, 0));
        const long double h0 = x[1] - x[0], hn = x[n - 1] - x[n - 2];
        A[0][0] = -1 / h0; A[0][1] = 1 / h0; A[0][n] = n > 3 ? 6 * dd(0, 3) : 0;
        A[n - 1][n - 2] = -1 / hn; A[n - 1][n - 1] = 1 / hn; A[n - 1][n] = n > 3 ? 6 * dd(n - 4, 3) : 0;
        for (int i = 1; i < n - 1; ++i) {
            const long double a = x[i] - x[i - 1], b = x[i + 1] - x[i];
            A[i][i - 1] = a; A[i][i] = 2 * (a + b); A[i][i + 1] = b;
            A[i][n] = 6 * (dd(i, 1) - dd(i - 1, 1));
        }
        // Gauss-Jordan with full row search (a different solver from the one under test).
        for (int k = 0; k < n; ++k) {
            int p2 = k;
            for (int i = k; i < n; ++i) if (std::fabs(A[i][k]) > std::fabs(A[p2][k])) p2 = i;
            std::swap(A[k], A[p2]);
            for (int i = 0; i < n; ++i) {
                if (i == k) continue;
                const long double f = A[i][k] / A[k][k];
                for (int j = k; j <= n; ++j) A[i][j] -= f * A[k][j];
            }
        }
        for (int i = 0; i < n; ++i) M.push_back(double(A[i][n] / A[i][i]));
    }
    double operator()(double t) const {
        int i = 0;
        while (i + 2 < int(x.size()) && t >= x[i + 1]) ++i;
        const double h = x[i + 1] - x[i], a = (x[i + 1] - t) / h, b = (t - x[i]) / h;
        return a * y[i] + b * y[i + 1] + ((a * a * a - a) * M[i] + (b * b * b - b) * M[i + 1]) * h * h / 6;
    }
};

}  // namespace

TEST(Spline, AgreesWithSecondMethodOnUnevenData) {
    const std::vector<std::vector<TPunkt>> saet = {
        {{0, 1}, {0.5, 2.7}, {1.7, 0.3}, {2, -1}, {3.5, 4}, {4, 4.2}, {6, 0}},
        {{-3, 9}, {-1, 1}, {0.2, 0.5}, {1, 2}, {5, -3}},
        {{1, 0}, {2, 1}, {3, 0}, {4, 1}},
    };
    for (const auto& p : saet) {
        const MSpline ref(p);
        const auto kurve = SplineKoefficienter(p, p.front().x, p.back().x, 97);
        ASSERT_EQ(kurve.size(), 97u);
        for (int i = 0; i < 97; ++i) {
            const double x = p.front().x + i * (p.back().x - p.front().x) / 96;
            EXPECT_NEAR(kurve[i].x, x, 1e-12);
            EXPECT_NEAR(kurve[i].y, ref(kurve[i].x), 1e-10) << "x=" << kurve[i].x;
        }
    }
}

TEST(Spline, ReproducesCubicsParabolasAndLines) {
    auto kubisk = [](double x) { return 2 - x + 0.5 * x * x - 0.25 * x * x * x; };
    std::vector<TPunkt> p;
    for (double x : {-2.0, -0.5, 0.0, 1.0, 2.5, 3.0}) p.push_back({x, kubisk(x)});
    TSpline s(p);
    ASSERT_TRUE(s.Gyldig());
    // Inside, at the nodes and outside on both sides (interval 1 below, the last point's cubic above).
    for (double x : {-3.0, -2.0, -1.3, 0.0, 0.7, 2.9, 3.0, 4.0, 1.1, -1.9})
        EXPECT_NEAR(s.Vaerdi(x), kubisk(x), 1e-11) << x;

    // Three points: the end conditions make the spline the parabola through them.
    const std::vector<TPunkt> tre = {{0, 1}, {1, 0}, {3, 4}};  // y = x^2 - 2x + 1
    TSpline s3(tre);
    for (double x : {0.0, 0.5, 1.0, 2.0, 3.0}) EXPECT_NEAR(s3.Vaerdi(x), (x - 1) * (x - 1), 1e-12);

    // Two points: the straight line.
    const std::vector<TPunkt> to = {{1, 1}, {3, 5}};
    const auto kurve = SplineKoefficienter(to, 1, 3, 5);
    ASSERT_EQ(kurve.size(), 5u);
    for (const auto& q : kurve) EXPECT_NEAR(q.y, 2 * q.x - 1, 1e-12);
}

TEST(Spline, NoCurveWhenLimitsOrPointsDoNotAllow) {
    const std::vector<TPunkt> p = {{0, 0}, {1, 1}, {2, 0}, {3, 1}};
    struct Raekke { std::vector<TPunkt> p; double x1, x2; int N; bool tom; };
    const std::vector<Raekke> raekker = {
        {p, 0, 3, 10, false},
        {p, 0.5, 2.5, 2, false},
        {p, -0.1, 3, 10, true},    // starts before the first point
        {p, 0, 3.1, 10, true},     // ends beyond the last
        {p, 0, 3, 1, true},        // fewer than two curve points
        {{{0, 0}}, 0, 0, 10, true},
        {{{0, 0}, {1, 1}, {1, 2}, {2, 0}}, 0, 2, 10, true},  // two points share x
    };
    for (const auto& r : raekker)
        EXPECT_EQ(SplineKoefficienter(r.p, r.x1, r.x2, r.N).empty(), r.tom) << r.x1 << " " << r.x2;
}

TEST(Bezier, AgreesWithDirectBernsteinSum) {
    for (int n : {3, 5, 12, 40, 200}) {
        std::vector<TPunkt> p;
        for (int i = 0; i < n; ++i) p.push_back({double(i), std::sin(i * 0.7) * 10 + i});
        const int N = 101;
        const auto kurve = BezierKurve(p, N);
        ASSERT_EQ(kurve.size(), std::size_t(N));
        const int m = n - 1;
        for (int i = 0; i < N; ++i) {
            const long double t = (long double)i / (N - 1);
            long double sx = 0, sy = 0;
            for (int j = 0; j <= m; ++j) {
                // C(m, j) t^j (1-t)^(m-j), through logarithms of the factorials.
                long double w;
                if (t == 0) w = j == 0 ? 1 : 0;
                else if (t == 1) w = j == m ? 1 : 0;
                else w = std::exp(std::lgamma((long double)m + 1) - std::lgamma((long double)j + 1) -
                                  std::lgamma((long double)m - j + 1) + j * std::log(t) +
                                  (m - j) * std::log1p(-t));
                sx += w * p[j].x;
                sy += w * p[j].y;
            }
            EXPECT_NEAR(kurve[i].x, double(sx), 1e-9 * (1 + std::fabs(double(sx)))) << n << " " << i;
            EXPECT_NEAR(kurve[i].y, double(sy), 1e-9 * (1 + std::fabs(double(sy)))) << n << " " << i;
        }
    }
}

TEST(Bezier, ThreePointsStartAndEndAtTheEndsAndMissTheMiddle) {
    const std::vector<TPunkt> p = {{0, 0}, {1, 4}, {2, 0}};
    const auto k = BezierKurve(p, 3);
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0].x, 0);
    EXPECT_EQ(k[0].y, 0);
    EXPECT_EQ(k[2].x, 2);
    EXPECT_EQ(k[2].y, 0);
    EXPECT_DOUBLE_EQ(k[1].x, 1);  // at t = 1/2: (P1 + 2 P2 + P3) / 4
    EXPECT_DOUBLE_EQ(k[1].y, 2);
    EXPECT_TRUE(BezierKurve(p, 1).empty());
}

TEST(Statistik, CorrelationAndSpreadByHand) {
    test::FakeFlade flade;
    struct Raekke { std::vector<double> a, b; int m; double r, s; bool sBeregnet; };
    const std::vector<Raekke> raekker = {
        {{1, 2, 3}, {1, 2, 3}, 2, 1, 0, true},                                  // exact
        {{1, 2, 3}, {1, 2, 4}, 2, 3 / std::sqrt(28.0 / 3), 1, true},            // by hand
        {{2, 2, 2, 2}, {5, 5, 5, 5}, 2, 1, std::sqrt(36.0 / 2), true},         // D = 0 gives r = 1
        {{1, 2, 3}, {1, 3, 2}, 3, 0.5, 0, false},                               // n = m
    };
    for (const auto& r : raekker) {
        flade.Vist.clear();
        const TStatistik st = KorrelationOgSpredning(r.a, r.b, r.m);
        EXPECT_NEAR(st.r, r.r, 1e-12);
        EXPECT_EQ(st.sBeregnet, r.sBeregnet);
        if (r.sBeregnet) {
            EXPECT_NEAR(st.s, r.s, 1e-12);
            EXPECT_TRUE(flade.Vist.empty());
        } else {
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, test::Boks::FejlMedIgnorer);
            EXPECT_EQ(flade.Vist[0].Tekst,
                      "Kan ikke udregne Standardafvigelse,\n\rn\xE5r antal m\xE5linger =antal bindinger");
        }
    }
}
