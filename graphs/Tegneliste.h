// A graph sheet's draw list: what the sheet shows, kept as drawing steps in
// world coordinates, so that the screen, the printer and an exported file
// can each draw it again on their own surface at their own size.
//
// The list is filled by TOptagendeLaerred, a canvas that stands between the
// graph layer and the sheet's own canvas: it passes every operation on and
// keeps it as a step. A point the graph layer mapped from the world (it says
// so through Laerred::Anker) is kept as that world point plus the few pixels
// a marker lies beside it; any other point as a pixel of the image it was
// drawn on. A fill of the whole image (a new coordinate system, a new graph
// without "Behold graf") hides everything before it, so it empties the list.
// An xor or inverting step drawn again on the same pixels undoes itself:
// both leave the list, so a vector file never holds a tool's erased marks.
//
// Genafspil draws the list on any canvas of any size: each mapping's view
// port is stretched from the image it was drawn on to the new one (as
// TBilledGrafik::TilpasViewPort does) and the world points are mapped again
// by the layer's own pixel rule. At the size it was drawn, the picture is
// the very one drawn. Smooth canvases get positions between pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/Laerred.h"

namespace plotvik {

enum class TTrinArt : std::uint8_t { Linje, Pixel, Ellipse, Rektangel, Tekst };

struct TTrinPunkt {
    double X = 0, Y = 0;  // the world point, or the pixel when not Verden
    int DX = 0, DY = 0;   // pixels beside the world point
    int Afbildning = 0;   // index into TTegneliste::Afbildninger
    bool Verden = false;
    bool operator==(const TTrinPunkt&) const = default;
};

struct TSkrift {
    std::string Navn;
    int Stoerrelse = 8, Stil = Normal;
    bool operator==(const TSkrift&) const = default;
};

struct TTegneTrin {
    TTrinArt Art = TTrinArt::Linje;
    TPenTilstand Tilstand = TPenTilstand::Kopier;
    TPenselStil PenselStil = TPenselStil::Solid;
    int PenBredde = 1;
    TFarve Farve = Sort;        // the pen; a pixel's or a rectangle's own colour
    TFarve PenselFarve = Hvid;
    TTrinPunkt A, B;            // Linje: from A to B; Ellipse, Rektangel: corners; Pixel, Tekst: A
    int Tekst = -1, Skrift = -1;  // indices into Tekster and Skrifter
    bool operator==(const TTegneTrin&) const = default;
};

class TTegneliste {
public:
    std::vector<TTegneTrin> Trin;
    std::vector<TAfbildning> Afbildninger;
    std::vector<std::string> Tekster;
    std::vector<TSkrift> Skrifter;

    void Ryd();
    bool Tom() const { return Trin.empty(); }
    // Grows by one each time the list changes, so a shown copy knows when it is stale.
    std::uint64_t Version() const { return Version_; }

    int TilfoejAfbildning(const TAfbildning& a);  // the index of an equal last one is reused
    int TilfoejSkrift(const TSkrift& s);
    int TilfoejTekst(const std::string& t);
    // Appends a step; an xor/inverting step that repeats an earlier one with
    // only such steps after it removes that one instead.
    void Tilfoej(const TTegneTrin& t);
    void Aendret() { ++Version_; }

private:
    // Equal on the image, whichever entry of the mapping table a point names.
    bool SammePunkt(const TTrinPunkt& a, const TTrinPunkt& b) const;
    bool SammeTrin(const TTegneTrin& a, const TTegneTrin& b) const;

    std::uint64_t Version_ = 0;
};

// Passes everything on to `maal` and keeps it in `liste`.
class TOptagendeLaerred : public Laerred {
public:
    TOptagendeLaerred(Laerred& maal, TTegneliste& liste) : Maal(maal), Liste(liste) {}

    Laerred& Maal;
    TTegneliste& Liste;

    int Bredde() const override { return Maal.Bredde(); }
    int Hoejde() const override { return Maal.Hoejde(); }
    void SaetPenFarve(TFarve f) override { Maal.SaetPenFarve(f); }
    TFarve PenFarve() const override { return Maal.PenFarve(); }
    void SaetPenBredde(int b) override { Maal.SaetPenBredde(b); }
    int PenBredde() const override { return Maal.PenBredde(); }
    void SaetPenTilstand(TPenTilstand t) override { Maal.SaetPenTilstand(t); }
    TPenTilstand PenTilstand() const override { return Maal.PenTilstand(); }
    void SaetPenselFarve(TFarve f) override { Maal.SaetPenselFarve(f); }
    TFarve PenselFarve() const override { return Maal.PenselFarve(); }
    void SaetPenselStil(TPenselStil s) override { Maal.SaetPenselStil(s); }
    TPenselStil PenselStil() const override { return Maal.PenselStil(); }
    void SaetSkrift(const std::string& navn, int stoerrelse, int stil) override;

    void FlytTil(int x, int y) override;
    void LinjeTil(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) override;
    void SaetPixel(int x, int y, TFarve f) override;
    TFarve HentPixel(int x, int y) const override { return Maal.HentPixel(x, y); }
    void SkrivTekst(int x, int y, const std::string& tekst) override;
    int TekstBredde(const std::string& tekst) const override { return Maal.TekstBredde(tekst); }
    int TekstHoejde(const std::string& tekst) const override { return Maal.TekstHoejde(tekst); }

    void Anker(const TAfbildning& a, double x, double y) override;

private:
    TTrinPunkt Punkt(int px, int py);
    TTegneTrin NytTrin(TTrinArt art) const;

    bool HarAnker = false;
    TAfbildning AnkerAfb{};
    double AnkerX = 0, AnkerY = 0;
    int AnkerPX = 0, AnkerPY = 0;
    int PenX = 0, PenY = 0;
    TTrinPunkt PenPunkt{};
    TSkrift Skrift{"Arial", 8, Normal};
};

// Draws the list on `laerred`, an image `bredde` x `hoejde` pixels. `glat`:
// positions between pixels (the canvas draws smoothly); else whole pixels by
// the graph layer's rules. Leaves the canvas's pen and brush as it found them.
void Genafspil(const TTegneliste& liste, Laerred& laerred, int bredde, int hoejde, bool glat);

}  // namespace plotvik
