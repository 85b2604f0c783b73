// The curve fits of the graph sheets: regression line, least-squares
// polynomial by the normal equations, the Forsythe-Malcolm-Moler cubic spline
// and the Bezier curve through all measured points. Sums are kept in
// extended precision; results leave as doubles.
#include <algorithm>
#include <cmath>

#include "graphs/FitRutiner.h"
#include "graphs/Fits.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

namespace {

// x^n by repeated multiplication with x^0 = 1 for every x: the library's
// IntPotens gives 0 for x = 0 whatever n, which would drop every measurement
// at x = 0 from the constant term of the normal equations.
Reel Potens(Reel x, int n) {
    Reel r = 1;
    for (int i = 0; i < n; ++i) r *= x;
    return r;
}

}  // namespace

TLinie LinRegression(std::span<const TPunkt> punkter, bool& fejl) {
    const Reel n = Reel(punkter.size());
    Reel sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const TPunkt& p : punkter) {
        sx += p.x;
        sy += p.y;
        sxx += Reel(p.x) * p.x;
        sxy += Reel(p.x) * p.y;
    }
    // Equal x values leave no slope to find (the sums could leave a rounding
    // remainder instead of the zero denominator, so they are compared directly).
    bool alleEns = true;
    for (const TPunkt& p : punkter) alleEns = alleEns && p.x == punkter.front().x;
    const Reel naevner = n > 0 ? sxx - sx * sx / n : 0;
    fejl = alleEns || !(naevner > 0) || !std::isfinite(double(naevner));
    if (fejl) return TLinie{0, 0};
    const Reel b = (sxy - sx * sy / n) / naevner;
    const Reel a = (sy - b * sx) / n;
    fejl = !std::isfinite(double(a)) || !std::isfinite(double(b));
    if (fejl) return TLinie{0, 0};
    return TLinie{double(a), double(b)};
}

TLinie LinRegression(std::span<const TPunkt> punkter) {
    bool fejl = false;
    return LinRegression(punkter, fejl);
}

bool GaussElimination(std::vector<std::vector<Reel>>& a, int m, std::vector<double>& c) {
    c.assign(std::max(m, 11), 0.0);
    for (int k = 0; k < m; ++k) {
        int pivot = k;
        for (int i = k + 1; i < m; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[pivot][k])) pivot = i;
        if (a[pivot][k] == 0) return false;
        std::swap(a[pivot], a[k]);
        for (int i = k + 1; i < m; ++i) {
            const Reel f = a[i][k] / a[k][k];
            for (int j = k; j <= m; ++j) a[i][j] -= f * a[k][j];
        }
    }
    std::vector<Reel> loesning(m, 0);
    for (int i = m - 1; i >= 0; --i) {
        Reel sum = a[i][m];
        for (int j = i + 1; j < m; ++j) sum -= a[i][j] * loesning[j];
        loesning[i] = sum / a[i][i];
    }
    for (int i = 0; i < m; ++i) c[i] = double(loesning[i]);
    return true;
}

std::vector<double> PolynomiumsFit(std::span<const TPunkt> punkter, int grad) {
    const int n = int(punkter.size());
    const int d = std::min({grad, n - 1, 10});
    if (d < 0) return {};
    std::vector<Reel> s(2 * d + 1, 0), t(d + 1, 0);
    for (const TPunkt& p : punkter) {
        for (int j = 0; j <= 2 * d; ++j) s[j] += Potens(p.x, j);
        for (int j = 0; j <= d; ++j) t[j] += p.y * Potens(p.x, j);
    }
    std::vector<std::vector<Reel>> a(d + 1, std::vector<Reel>(d + 2, 0));
    for (int i = 0; i <= d; ++i) {
        for (int j = 0; j <= d; ++j) a[i][j] = s[i + j];
        a[i][d + 1] = t[i];
    }
    std::vector<double> c;
    GaussElimination(a, d + 1, c);  // singular: the zero polynomial
    c.resize(d + 1);
    for (double& v : c)
        if (!std::isfinite(v)) v = 0;  // overflowing sums give no usable fit either
    return c;
}

double PolynomiumsVaerdi(std::span<const double> c, double x) {
    Reel v = 0;
    for (std::size_t i = c.size(); i-- > 0;) v = v * x + c[i];
    return double(v);
}

double PolynomiumsHaeldning(std::span<const double> c, double x) {
    Reel v = 0;
    for (std::size_t i = c.size(); i-- > 1;) v = v * x + Reel(i) * c[i];
    return double(v);
}

TSpline::TSpline(std::span<const TPunkt> punkter) {
    const int n = int(punkter.size());
    if (n < 2) return;
    x.assign(n + 1, 0);
    y.assign(n + 1, 0);
    b.assign(n + 1, 0);
    c.assign(n + 1, 0);
    d.assign(n + 1, 0);
    for (int i = 1; i <= n; ++i) {
        x[i] = punkter[i - 1].x;
        y[i] = punkter[i - 1].y;
    }
    for (int i = 1; i < n; ++i)
        if (!(x[i + 1] > x[i])) return;  // equal x: no interval to fit in
    ErGyldig = true;
    if (n == 2) {
        b[1] = b[2] = (y[2] - y[1]) / (x[2] - x[1]);
        return;
    }
    // The tridiagonal system for the second-derivative terms: d holds the
    // interval widths, b the diagonal, c the right-hand side.
    d[1] = x[2] - x[1];
    c[2] = (y[2] - y[1]) / d[1];
    for (int i = 2; i < n; ++i) {
        d[i] = x[i + 1] - x[i];
        b[i] = 2 * (d[i - 1] + d[i]);
        c[i + 1] = (y[i + 1] - y[i]) / d[i];
        c[i] = c[i + 1] - c[i];
    }
    // Ends: the third derivative matches that of the cubic through the four end points.
    b[1] = -d[1];
    b[n] = -d[n - 1];
    c[1] = 0;
    c[n] = 0;
    if (n > 3) {
        c[1] = c[3] / (x[4] - x[2]) - c[2] / (x[3] - x[1]);
        c[n] = c[n - 1] / (x[n] - x[n - 2]) - c[n - 2] / (x[n - 1] - x[n - 3]);
        c[1] = c[1] * d[1] * d[1] / (x[4] - x[1]);
        c[n] = -c[n] * d[n - 1] * d[n - 1] / (x[n] - x[n - 3]);
    }
    for (int i = 2; i <= n; ++i) {
        const Reel t = d[i - 1] / b[i - 1];
        b[i] -= t * d[i - 1];
        c[i] -= t * c[i - 1];
    }
    c[n] /= b[n];
    for (int i = n - 1; i >= 1; --i) c[i] = (c[i] - d[i] * c[i + 1]) / b[i];
    b[n] = (y[n] - y[n - 1]) / d[n - 1] + d[n - 1] * (c[n - 1] + 2 * c[n]);
    for (int i = 1; i < n; ++i) {
        b[i] = (y[i + 1] - y[i]) / d[i] - d[i] * (c[i + 1] + 2 * c[i]);
        d[i] = (c[i + 1] - c[i]) / d[i];
        c[i] = 3 * c[i];
    }
    c[n] = 3 * c[n];
    d[n] = d[n - 1];
}

double TSpline::Vaerdi(double xv) {
    if (!ErGyldig) return 0;
    const int n = int(x.size()) - 1;
    int i = Sidst;
    if (i < 1 || i >= n) i = 1;
    if (xv < x[i] || xv >= x[i + 1]) {
        // Binary search: below x[1] gives 1, at or beyond x[n] gives n.
        i = 1;
        int j = n + 1;
        while (j > i + 1) {
            const int k = (i + j) / 2;
            if (xv < x[k])
                j = k;
            else
                i = k;
        }
    }
    Sidst = i;
    const Reel t = xv - x[i];
    return double(y[i] + t * (b[i] + t * (c[i] + t * d[i])));
}

std::vector<TPunkt> SplineKoefficienter(std::span<const TPunkt> punkter, double x1, double x2,
                                        int N) {
    std::vector<TPunkt> kurve;
    const int n = int(punkter.size());
    if (n < 2 || N < 2 || !(x1 >= punkter.front().x) || !(x2 <= punkter.back().x)) return kurve;
    TSpline spline(punkter);
    if (!spline.Gyldig()) return kurve;
    kurve.reserve(N);
    for (int i = 1; i <= N; ++i) {
        const double xv = double(x1 + Reel(i - 1) * (Reel(x2) - x1) / (N - 1));
        kurve.push_back({xv, spline.Vaerdi(xv)});
    }
    return kurve;
}

std::vector<TPunkt> BezierKurve(std::span<const TPunkt> punkter, int N) {
    std::vector<TPunkt> kurve;
    const int n = int(punkter.size());
    if (n < 1 || N < 2) return kurve;
    const int m = n - 1;
    std::vector<Reel> binom(m + 1, 1);
    for (int j = 0; j < m; ++j) binom[j + 1] = binom[j] * Reel(m - j) / Reel(j + 1);
    binom[m] = 1;
    kurve.reserve(N);
    for (int i = 1; i <= N; ++i) {
        const Reel t = Reel(i - 1) / Reel(N - 1);
        Reel sx = 0, sy = 0, faktor;
        if (t <= 0.5L) {
            // (1-t)^m * sum C[j] u^j P[j], u = t/(1-t) <= 1, Horner from the last point.
            const Reel u = t / (1 - t);
            for (int j = m; j >= 0; --j) {
                sx = sx * u + binom[j] * punkter[j].x;
                sy = sy * u + binom[j] * punkter[j].y;
            }
            faktor = Potens(1 - t, m);
        } else {
            // t^m * sum C[j] v^(m-j) P[j], v = (1-t)/t < 1, Horner from the first point.
            const Reel v = (1 - t) / t;
            for (int j = 0; j <= m; ++j) {
                sx = sx * v + binom[j] * punkter[j].x;
                sy = sy * v + binom[j] * punkter[j].y;
            }
            faktor = Potens(t, m);
        }
        kurve.push_back({double(faktor * sx), double(faktor * sy)});
    }
    return kurve;
}

}  // namespace plotvik
