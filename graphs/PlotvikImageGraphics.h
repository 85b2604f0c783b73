// The world-coordinate graphics layer of the graph images. Per graph sheet
// (index 1..3) it keeps a rectangle of the image (the view port) and a
// rectangle of world coordinates (the window), maps between the two, and
// draws pen moves, lines, text, pixels, the three point markers and a
// complete pair of axes. Everything is drawn through the canvas seam.
#pragma once

#include <array>
#include <string>

#include "graphs/Laerred.h"

namespace plotvik {

struct TViewPort {
    int Venstre = 0, Top = 0, Hoejre = 0, Bund = 0;
    TFarve Farve = Sort;
};

// On a logarithmic axis the window's limits are in decades (base-10 logarithms).
struct TVindue {
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
    bool LogX = false, LogY = false;
};

// A run of pixels [start, start + laengde] of an image `gammel` pixels wide,
// stretched to an image `ny` pixels wide: the whole image stays the whole image.
void StraekInterval(int& start, int& laengde, int gammel, int ny);

// One instance lives for the whole run (TTegneTilstand::Grafik). The layer
// checks nothing: callers make sure a window has non-empty ranges.
class TBilledGrafik {
public:
    void SetViewPort(int i, int venstre, int top, int hoejre, int bund, TFarve farve);
    void SetWindow(int i, double xmin, double ymin, double xmax, double ymax);
    // A window with logarithmic axes: the limits of such an axis in decades.
    void SetWindow(int i, double xmin, double ymin, double xmax, double ymax, bool logX, bool logY);
    // Takes the window of sheet i, makes view port i current once it has been
    // set up (each sheet's image has its own size), and recomputes the scale,
    // so each sheet keeps its own mapping.
    void SelectWindow(int i);
    // Makes view port i current, computes the scale from the current window,
    // moves the current point to the window's lower left corner and fills the rectangle.
    void SelectViewPort(Laerred& billede, int i);
    // Makes view port i current and fills it; scale, window and current point stay.
    void ClearViewPort(Laerred& billede, int i);

    // A new size of sheet i's image: view port i is stretched from the old to
    // the new image size, as a redrawn sheet is (StraekInterval), and the
    // scale follows when it is the current one.
    void TilpasViewPort(int i, int gammelBredde, int gammelHoejde, int nyBredde, int nyHoejde);

    // The current mapping, as the canvas's draw list keeps it.
    TAfbildning Afbildning() const;

    // Pixel <-> world, rounding halves to even. Pixels far outside any image
    // are held within +-2^30 so that a huge world value never overflows.
    int PixelX(double x) const;
    int PixelY(double y) const;
    int ScaledY(double dy) const;
    double WorldX(int px) const;
    double WorldY(int py) const;

    // On a logarithmic axis a point that is not positive cannot be shown: a
    // line to it is left out and the pen goes on from the next point that can.
    void MoveToW(Laerred& billede, double x, double y);
    void MoveRelW(Laerred& billede, double dx, double dy);
    void LineToW(Laerred& billede, double x, double y);
    void LineRelW(Laerred& billede, double dx, double dy);
    void TextOutW(Laerred& billede, const std::string& tekst, double x, double y);
    void PutPixelW(Laerred& billede, TFarve farve, double x, double y);

    void TegnKryds(Laerred& billede, double x, double y);
    void TegnCirkel(Laerred& billede, double x, double y);  // leaves pen and brush as found
    void TegnRuder(Laerred& billede, double x, double y);   // centre pixel in the pen's colour

    // The complete pair of axes with ticks, labels, arrowheads and titles
    // (titles cut to 32 characters).
    void TegnAkser(Laerred& billede, std::string xTitel, std::string yTitel, double xmin,
                   double xmax, double ymin, double ymax, double xStep, double yStep, TFarve farve);

    // The stored tables and the current state, for the mouse read-out and for tests.
    const TViewPort& ViewPortEntry(int i) const { return ViewPorte[Indeks(i)]; }
    const TVindue& WindowEntry(int i) const { return Vinduer[Indeks(i)]; }
    int AktuelViewPort() const { return ViewPortNo; }
    int AktueltVindue() const { return VindueNo; }
    const TVindue& Vindue() const { return Aktuelt; }
    double Sx() const { return SkalaX; }
    double Sy() const { return SkalaY; }
    double AktuelX() const { return PunktX; }
    double AktuelY() const { return PunktY; }

private:
    static int Indeks(int i) { return i < 0 || i > 5 ? 0 : i; }
    bool Udenfor(double x, double y) const {
        return (Aktuelt.LogX && !(x > 0)) || (Aktuelt.LogY && !(y > 0));
    }
    void FyldViewPort(Laerred& billede);
    void GoerViewPortAktuel(int i);  // the entry becomes the current view port

    std::array<TViewPort, 6> ViewPorte{};
    std::array<TVindue, 6> Vinduer{};
    int ViewPortNo = 0, VindueNo = 0;
    int Venstre = 0, Top = 0, Bredde = 0, Hoejde = 0;
    TFarve ViewPortFarve = Sort;
    TVindue Aktuelt{};
    double SkalaX = 0, SkalaY = 0;
    double PunktX = 0, PunktY = 0;
    bool PenUdenfor = false;  // the current point cannot be shown on a logarithmic axis
};

}  // namespace plotvik
