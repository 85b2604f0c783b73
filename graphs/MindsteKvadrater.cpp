// Householder QR in long double for least squares and covariance matrices.
#include "graphs/MindsteKvadrater.h"

#include <algorithm>
#include <cmath>

namespace plotvik {

bool MindsteKvadrater(std::vector<Reel> a, int n, int p, std::vector<Reel> y,
                      std::vector<Reel>& c, std::vector<Reel>& k) {
    c.assign(std::size_t(p), 0);
    k.assign(std::size_t(p) * std::size_t(p), 0);
    if (p < 1 || n < p) return false;
    const auto A = [&](int i, int j) -> Reel& { return a[std::size_t(i) * std::size_t(p) + std::size_t(j)]; };
    const bool medY = int(y.size()) == n;
    // Unit columns: the scale of one parameter does not spoil the others.
    std::vector<Reel> d(std::size_t(p), 0);
    for (int j = 0; j < p; ++j) {
        Reel s = 0;
        for (int i = 0; i < n; ++i) s += A(i, j) * A(i, j);
        d[std::size_t(j)] = std::sqrt(s);
        if (!(d[std::size_t(j)] > 0) || !std::isfinite(d[std::size_t(j)])) return false;
        for (int i = 0; i < n; ++i) A(i, j) /= d[std::size_t(j)];
    }
    std::vector<Reel> diag(std::size_t(p), 0);
    for (int j = 0; j < p; ++j) {
        Reel norm = 0;
        for (int i = j; i < n; ++i) norm += A(i, j) * A(i, j);
        norm = std::sqrt(norm);
        const Reel alfa = A(j, j) > 0 ? -norm : norm;
        diag[std::size_t(j)] = alfa;
        if (norm == 0) continue;
        // v = column j below the diagonal minus alfa*e_j; reflection I - 2 v v^T / (v^T v).
        A(j, j) -= alfa;
        Reel vv = 0;
        for (int i = j; i < n; ++i) vv += A(i, j) * A(i, j);
        if (vv == 0) continue;
        for (int l = j + 1; l < p; ++l) {
            Reel s = 0;
            for (int i = j; i < n; ++i) s += A(i, j) * A(i, l);
            s = 2 * s / vv;
            for (int i = j; i < n; ++i) A(i, l) -= s * A(i, j);
        }
        if (medY) {
            Reel s = 0;
            for (int i = j; i < n; ++i) s += A(i, j) * y[std::size_t(i)];
            s = 2 * s / vv;
            for (int i = j; i < n; ++i) y[std::size_t(i)] -= s * A(i, j);
        }
    }
    Reel stoerst = 0;
    for (Reel r : diag) stoerst = std::max(stoerst, std::fabs(r));
    for (Reel r : diag)
        if (!(std::fabs(r) > 1e-14L * stoerst)) return false;
    // R: diagonal in diag, above it in a.
    const auto R = [&](int i, int j) -> Reel { return i == j ? diag[std::size_t(i)] : A(i, j); };
    if (medY) {
        for (int i = p - 1; i >= 0; --i) {
            Reel s = y[std::size_t(i)];
            for (int j = i + 1; j < p; ++j) s -= R(i, j) * c[std::size_t(j)];
            c[std::size_t(i)] = s / R(i, i);
        }
        for (int j = 0; j < p; ++j) c[std::size_t(j)] /= d[std::size_t(j)];
    }
    // R^-1 column by column, then (R^-1)(R^-1)^T scaled back.
    std::vector<Reel> ri(std::size_t(p) * std::size_t(p), 0);
    for (int col = 0; col < p; ++col)
        for (int i = col; i >= 0; --i) {
            Reel s = i == col ? 1 : 0;
            for (int j = i + 1; j <= col; ++j) s -= R(i, j) * ri[std::size_t(j) * std::size_t(p) + std::size_t(col)];
            ri[std::size_t(i) * std::size_t(p) + std::size_t(col)] = s / R(i, i);
        }
    for (int i = 0; i < p; ++i)
        for (int j = 0; j < p; ++j) {
            Reel s = 0;
            for (int l = std::max(i, j); l < p; ++l)
                s += ri[std::size_t(i) * std::size_t(p) + std::size_t(l)] * ri[std::size_t(j) * std::size_t(p) + std::size_t(l)];
            k[std::size_t(i) * std::size_t(p) + std::size_t(j)] = s / (d[std::size_t(i)] * d[std::size_t(j)]);
        }
    return true;
}

}  // namespace plotvik
