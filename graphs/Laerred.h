// The drawing surface of a graph image. The graph layer draws only through
// this; the window adapts it to a QImage, tests use a recording or software canvas.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace plotvik {

using TFarve = std::uint32_t;  // 0xRRGGBB
constexpr TFarve Sort = 0x000000;
constexpr TFarve Hvid = 0xFFFFFF;
inline constexpr TFarve RGB(int r, int g, int b) {
    return (TFarve(r & 255) << 16) | (TFarve(g & 255) << 8) | TFarve(b & 255);
}

enum class TPenTilstand { Kopier, Xor, Invers };
enum class TPenselStil { Solid, Tom, Skraa };  // Skraa: diagonal hatching
enum TSkriftStil : int { Normal = 0, Fed = 1, Kursiv = 2, Understreget = 4 };

// A world-to-pixel mapping as the graph layer uses it: the view port's left
// and top pixel and its size, the window's lower left corner and the scale.
// The image size is filled in by whoever keeps the mapping with a drawing.
// On a logarithmic axis XMin (YMin) and the scale are in decades: the
// mapping measures a value by its base-10 logarithm there.
struct TAfbildning {
    int Venstre = 0, Top = 0, Bredde = 0, Hoejde = 0;
    double XMin = 0, YMin = 0, Sx = 0, Sy = 0;
    int BilledBredde = 0, BilledHoejde = 0;
    bool LogX = false, LogY = false;
    bool operator==(const TAfbildning&) const = default;
};

// A value as an axis measures it: itself, or its base-10 logarithm on a
// logarithmic axis (minus infinity for a value that is not positive, which
// lands far outside any image).
inline double AkseMaal(bool log, double v) {
    if (!log) return v;
    return v > 0 ? std::log10(v) : -HUGE_VAL;
}
// Back from the axis measure to the value.
inline double FraAkseMaal(bool log, double m) { return log ? std::pow(10.0, m) : m; }

// Pixels far outside any image are held within +-2^30 so that a huge world
// value never overflows.
inline int KlemPixel(double v) {
    constexpr double g = 1073741824.0;
    if (!(v > -g)) return -int(g);
    if (v > g) return int(g);
    return int(v);
}
// The pixel rule of the graph layer, rounding halves to even.
inline int AfbildX(const TAfbildning& a, double x) {
    return KlemPixel(std::nearbyint((AkseMaal(a.LogX, x) - a.XMin) * a.Sx) + a.Venstre);
}
inline int AfbildY(const TAfbildning& a, double y) {
    return KlemPixel(double(a.Top) + a.Hoejde - std::nearbyint((AkseMaal(a.LogY, y) - a.YMin) * a.Sy));
}

class Laerred {
public:
    virtual ~Laerred() = default;
    virtual int Bredde() const = 0;
    virtual int Hoejde() const = 0;

    virtual void SaetPenFarve(TFarve f) = 0;
    virtual TFarve PenFarve() const = 0;
    virtual void SaetPenBredde(int b) = 0;
    virtual int PenBredde() const = 0;
    virtual void SaetPenTilstand(TPenTilstand t) = 0;
    virtual TPenTilstand PenTilstand() const = 0;

    virtual void SaetPenselFarve(TFarve f) = 0;
    virtual TFarve PenselFarve() const = 0;
    virtual void SaetPenselStil(TPenselStil s) = 0;
    virtual TPenselStil PenselStil() const = 0;

    virtual void SaetSkrift(const std::string& navn, int stoerrelse, int stil) = 0;

    virtual void FlytTil(int x, int y) = 0;
    virtual void LinjeTil(int x, int y) = 0;  // the end pixel is not drawn
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;  // outline in the pen, filled with the brush
    virtual void FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) = 0;
    virtual void SaetPixel(int x, int y, TFarve f) = 0;
    virtual TFarve HentPixel(int x, int y) const = 0;
    virtual void SkrivTekst(int x, int y, const std::string& tekst) = 0;  // top-left corner, on the brush colour
    virtual int TekstBredde(const std::string& tekst) const = 0;
    virtual int TekstHoejde(const std::string& tekst) const = 0;

    // Where the pixel coordinates that follow come from: the world point
    // (x, y) under mapping a. A canvas that keeps a sheet's draw list uses it
    // to redraw the sheet at another size; other canvases ignore it.
    virtual void Anker(const TAfbildning& a, double x, double y) {
        (void)a, (void)x, (void)y;
    }

    // Positions between pixels, for canvases that draw smoothly at any
    // resolution (pixel (i, j) has its centre at i + 0.5, j + 0.5 there).
    // A pixel canvas rounds them to whole pixels.
    virtual void FlytTilF(double x, double y) { FlytTil(Rund(x), Rund(y)); }
    virtual void LinjeTilF(double x, double y) { LinjeTil(Rund(x), Rund(y)); }
    virtual void EllipseF(double x1, double y1, double x2, double y2) {
        Ellipse(Rund(x1), Rund(y1), Rund(x2), Rund(y2));
    }
    virtual void SaetPixelF(double x, double y, TFarve f) { SaetPixel(Rund(x), Rund(y), f); }
    virtual void SkrivTekstF(double x, double y, const std::string& tekst) {
        SkrivTekst(Rund(x), Rund(y), tekst);
    }
    // What follows is a new figure (a marker, a curve, a tick): a vector
    // file keeps each figure as one element. Pixel canvases ignore it.
    virtual void NyFigur() {}

protected:
    static int Rund(double v) { return KlemPixel(std::nearbyint(v)); }
};

}  // namespace plotvik
