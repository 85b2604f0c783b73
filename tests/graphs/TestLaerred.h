// A software canvas for the graph tests: keeps its pixels in memory (same
// line rule as the window's canvas: Bresenham, end pixel left out, far end
// points clipped to a frame just outside the image) and records every
// operation, so tests can check both what was asked and what was drawn.
// Text is 6 pixels a character and 13 pixels high.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphs/Rastrering.h"

namespace plotvik::test {

enum class Op { Flyt, Linje, Ellipse, Fyld, Pixel, Tekst };

struct Optegnelse {
    Op Art;
    int x1, y1, x2, y2;  // Linje: from (x1, y1) to (x2, y2); Tekst/Pixel/Flyt: (x1, y1)
    TFarve Farve;        // pen colour (Linje, Ellipse), the given colour (Fyld, Pixel)
    std::string Tekst;
    int PenBredde;
    TFarve Pensel;       // brush colour at the time (Tekst, Ellipse)
};

class TestLaerred : public TLaerredMedPen {
public:
    std::vector<Optegnelse> Log;
    std::string Skriftnavn;
    int Skriftstoerrelse = 0, Skriftstil = -1;

    TestLaerred(int bredde = 550, int hoejde = 490)
        : B(bredde), H(hoejde), Pixels(std::size_t(bredde) * hoejde, Hvid) {}

    int Bredde() const override { return B; }
    int Hoejde() const override { return H; }
    void SaetSkrift(const std::string& navn, int stoerrelse, int stil) override {
        Skriftnavn = navn;
        Skriftstoerrelse = stoerrelse;
        Skriftstil = stil;
    }

    void FlytTil(int x, int y) override {
        Log.push_back({Op::Flyt, x, y, x, y, Pen, "", PenB, Pensel});
        PX = x;
        PY = y;
    }
    void LinjeTil(int x, int y) override {
        Log.push_back({Op::Linje, PX, PY, x, y, Pen, "", PenB, Pensel});
        TegnTyndLinje(PX, PY, x, y, B, H, [this](int px, int py) { PenPixel(px, py); });
        PX = x;
        PY = y;
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Log.push_back({Op::Ellipse, x1, y1, x2, y2, Pen, "", PenB, Pensel});
        // Inside filled with the brush, the rim in the pen (right/bottom edge excluded).
        const double cx = (x1 + x2 - 1) / 2.0, cy = (y1 + y2 - 1) / 2.0;
        const double rx = (x2 - x1 - 1) / 2.0, ry = (y2 - y1 - 1) / 2.0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) {
                const double u = (x - cx) / (rx + 0.5), v = (y - cy) / (ry + 0.5);
                const double r = u * u + v * v;
                if (r > 1) continue;
                const double ui = (x - cx) / (rx - 0.5), vi = (y - cy) / (ry - 0.5);
                if (ui * ui + vi * vi > 1) PenPixel(x, y);
                else if (PenselS == TPenselStil::Solid) SaetPixelRaa(x, y, Pensel);
            }
    }
    void FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) override {
        Log.push_back({Op::Fyld, x1, y1, x2, y2, f, "", PenB, Pensel});
        for (int y = std::max(y1, 0); y < std::min(y2, H); ++y)
            for (int x = std::max(x1, 0); x < std::min(x2, B); ++x) SaetPixelRaa(x, y, f);
    }
    void SaetPixel(int x, int y, TFarve f) override {
        Log.push_back({Op::Pixel, x, y, x, y, f, "", PenB, Pensel});
        SaetPixelRaa(x, y, f);
    }
    TFarve HentPixel(int x, int y) const override {
        if (x < 0 || y < 0 || x >= B || y >= H) return Hvid;
        return Pixels[std::size_t(y) * B + x];
    }
    void SkrivTekst(int x, int y, const std::string& tekst) override {
        Log.push_back({Op::Tekst, x, y, x, y, Pen, tekst, PenB, Pensel});
    }
    int TekstBredde(const std::string& tekst) const override { return 6 * int(tekst.size()); }
    int TekstHoejde(const std::string&) const override { return 13; }

    // Helpers for the tests.
    std::vector<Optegnelse> Alle(Op art) const {
        std::vector<Optegnelse> r;
        for (const auto& o : Log)
            if (o.Art == art) r.push_back(o);
        return r;
    }
    int AntalPixels(TFarve f) const { return int(std::count(Pixels.begin(), Pixels.end(), f)); }
    void Nulstil() { Log.clear(); }

private:
    void SaetPixelRaa(int x, int y, TFarve f) {
        if (x < 0 || y < 0 || x >= B || y >= H) return;
        Pixels[std::size_t(y) * B + x] = f;
    }
    void PenPixel(int x, int y) {
        if (x < 0 || y < 0 || x >= B || y >= H) return;
        TFarve& p = Pixels[std::size_t(y) * B + x];
        p = PenOverPixel(p, Pen, PenT);
    }
    int B, H;
    std::vector<TFarve> Pixels;
    int PX = 0, PY = 0;
};

}  // namespace plotvik::test
