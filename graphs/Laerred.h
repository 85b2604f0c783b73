// The drawing surface of a graph image. The graph layer draws only through
// this; the window adapts it to a QImage, tests use a recording or software canvas.
#pragma once

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
};

}  // namespace plotvik
