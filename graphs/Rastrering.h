// What every graph canvas shares, whatever it draws on: the pen and brush it
// remembers, the raster combinations of the pen, the line rule (Bresenham,
// the end pixel left out) and the clipping of far-away end points, so that
// a steep curve leaving the graph never walks millions of invisible pixels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphs/Laerred.h"

namespace plotvik {

// A canvas that keeps its pen and brush; the drawing itself is the subclass's.
class TLaerredMedPen : public Laerred {
public:
    void SaetPenFarve(TFarve f) override { Pen = f & 0xFFFFFF; }
    TFarve PenFarve() const override { return Pen; }
    void SaetPenBredde(int b) override { PenB = b < 1 ? 1 : b; }
    int PenBredde() const override { return PenB; }
    void SaetPenTilstand(TPenTilstand t) override { PenT = t; }
    TPenTilstand PenTilstand() const override { return PenT; }
    void SaetPenselFarve(TFarve f) override { Pensel = f & 0xFFFFFF; }
    TFarve PenselFarve() const override { return Pensel; }
    void SaetPenselStil(TPenselStil s) override { PenselS = s; }
    TPenselStil PenselStil() const override { return PenselS; }

protected:
    TFarve Pen = Sort, Pensel = Hvid;
    int PenB = 1;
    TPenTilstand PenT = TPenTilstand::Kopier;
    TPenselStil PenselS = TPenselStil::Solid;
};

// The colour a pixel gets when the pen passes over it.
inline TFarve PenOverPixel(TFarve gammel, TFarve pen, TPenTilstand t) {
    switch (t) {
        case TPenTilstand::Xor: return (gammel ^ pen) & 0xFFFFFF;
        case TPenTilstand::Invers: return ~gammel & 0xFFFFFF;
        default: return pen & 0xFFFFFF;
    }
}

// Far-away end points are moved onto a frame just outside an image of the
// given size; lines inside the image are not changed. False: nothing visible.
inline bool KlipLinje(int& x1, int& y1, int& x2, int& y2, int bredde, int hoejde) {
    const double l = -2, t = -2, r = bredde + 1, b = hoejde + 1;
    auto inde = [&](int x, int y) { return x >= l && x <= r && y >= t && y <= b; };
    if (inde(x1, y1) && inde(x2, y2)) return true;
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - l, r - x1, y1 - t, b - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double u = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, u);
            else t1 = std::min(t1, u);
        }
    }
    if (t0 > t1) return false;
    const int ax = int(std::lround(x1 + t0 * dx)), ay = int(std::lround(y1 + t0 * dy));
    const int bx = int(std::lround(x1 + t1 * dx)), by = int(std::lround(y1 + t1 * dy));
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

// The pixels of a thin line from (x0, y0) towards (xs, ys), clipped to the
// image; the end pixel is left out, as the graph layer expects.
template <typename SaetPixel>
void TegnTyndLinje(int x0, int y0, int xs, int ys, int bredde, int hoejde, SaetPixel saet) {
    if (!KlipLinje(x0, y0, xs, ys, bredde, hoejde)) return;
    const int ax = std::abs(xs - x0), ay = -std::abs(ys - y0);
    const int sx = x0 < xs ? 1 : -1, sy = y0 < ys ? 1 : -1;
    int fejl = ax + ay;
    while (x0 != xs || y0 != ys) {
        saet(x0, y0);
        const int e2 = 2 * fejl;
        if (e2 >= ay) {
            fejl += ay;
            x0 += sx;
        }
        if (e2 <= ax) {
            fejl += ax;
            y0 += sy;
        }
    }
}

}  // namespace plotvik
