// Functions on the graph sheets, the graph tools (read-out, derivative,
// tangent), areas and the Fourier coefficients.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "graphs/Areal.h"
#include "graphs/FunktionsTegning.h"
#include "graphs/GrafArk.h"
#include "graphs/PlotvikImageGraphics.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

// The armed tools and the typed function, kept for the whole run.
struct TVaerktoejTilstand {
    // A graph tool waits for a click; while set, a redraw of the graph
    // neither clears the sheet nor draws markers or curves.
    bool VaerktoejAktiv = false;
    bool AflaesVaerdi = false;        // the next click reads a value
    bool Differentialkvotient = false;  // ... asks for the derivative on the graph
    bool Tangent = false;             // ... draws a tangent to the graph
    bool FunktionsTangent = false;    // ... draws a tangent to the typed function
    bool Areal = false;               // the redraw answers the area request
    double x0 = 0;                    // world x of the last click
    double ArealNedre = 0, ArealOevre = 0;  // limits of the last area request, ordered

    // The menu items "Differential&kvotient af funktion", "Areal &Under
    // Funktion" and "Tegn T&angent til funktion" (enabled once a function is entered).
    bool FunktionsMenuerAktive = false;
    // Per table 1..4 and sheet 1..3: a function has been entered, and the last
    // symbolic derivative of it (the texts themselves are in TGrafArkene::Funktioner).
    std::array<std::array<bool, 4>, 5> FunktionIndtastet{};
    std::array<std::array<std::string, 4>, 5> Afledet{};
};

// Which of the graph tools a menu item arms.
enum class TVaerktoej { AflaesVaerdi, Differentialkvotient, Tangent, FunktionsTangent };

// ---- the sampled curves of spline and Bezier fits ----

// Value of the curve through the points at x: the point's own y when one lies
// exactly at x, otherwise the quadratic through three neighbouring points.
// Outside the inner points the message "Kan ikke udregne funktionsvÃ¦rdier i "
// with x is shown and nothing is returned.
std::optional<double> KurveVaerdi(std::span<const TPunkt> kurve, double x);
// Slope of the quadratic through three neighbouring points at x.
std::optional<double> KurveHaeldning(std::span<const TPunkt> kurve, double x);

// ---- result lines (numbers in the width-10 automatic format) ----
std::string Tal10(double x);
std::string AflaesLinje(const std::string& xGraf, double x, const std::string& yGraf, double y);
std::string DifferentialkvotientLinje(const std::string& yGraf, double x0, double m);
std::vector<std::string> TangentLinjer(const std::string& xGraf, const std::string& yGraf, double x0,
                                       double y0, double m);
std::vector<std::string> FunktionsTangentLinjer(double x0, double y0, double m);
std::string FunktionLinje(const std::string& f, const std::string& dm);

// ---- drawing on a sheet ----

// World <-> pixel of one sheet, from the layer's stored window and view port
// of that sheet, whichever view port was selected last: a click is read and a
// tangent, function or hatching is drawn in the coordinates its sheet was drawn with.
class TArkAfbildning : public TVerdensPen, public TSkraveringsPen {
public:
    TArkAfbildning(const TBilledGrafik& grafik, Laerred& billede, int ark);
    bool Gyldig() const { return gyldig_; }  // the sheet has a coordinate system
    int PixelX(double x) const;
    int PixelY(double y) const;
    double VerdenX(int px) const;
    double VerdenY(int py) const;
    TAfbildning Afbildning() const;
    int ScaledY(double dy) override;
    void FlytTilW(double x, double y) override;
    void LinjeTilW(double x, double y) override;
    void SortPixelW(double x, double y) override;
    bool LogX() const { return v_.LogX; }
    bool LogY() const { return v_.LogY; }
    // The point cannot be shown: an axis it lies on is logarithmic and it is not positive.
    bool Udenfor(double x, double y) const;

private:
    Laerred& billede_;
    TViewPort vp_{};
    TVindue v_{};
    double sx_ = 0, sy_ = 0;
    bool gyldig_ = false;
    bool penUdenfor_ = false;
};

// ---- the commands ----

// After OK in the function dialog with a non-empty f(x): remembers f and its
// domain for (table, sheet) and enables "Tegn Funktion" of the sheet and the
// function menu items. Nothing is drawn.
void IndtastFunktion(TGrafArkene& arkene, TVaerktoejTilstand& vt, int tabel, int ark,
                     const std::string& f, const std::string& dm);

struct TTegneTilstand;

// "Tegn Funktion" of sheet `ark`: takes the sheet's boxes into the active
// table's graph on that sheet (which becomes AktivGraf), lists "f(x) = ...;
// Dm(f) = ..." and draws the function over the x limits (or its domain) on the
// coordinate system already there. A sheet without a graph of the active table
// gets "Tegn først en graf af den aktive tabel på dette ark" instead.
void TegnFunktionKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int ark);

// "Differential&kvotient af funktion": lists "f'(x) = " and the derivative.
void DifferentialkvotientAfFunktion(TProjekt& p, TGrafArkene& arkene, TVaerktoejTilstand& vt);

// The menu items that arm a tool; `paaGrafArk` tells whether a graph sheet is shown.
void ArmerVaerktoej(TVaerktoejTilstand& vt, TVaerktoej vaerktoej, bool paaGrafArk);

// A left click at pixel (px, py) of the image of sheet `ark`. The slope tools
// answer on polynomial, spline and Bezier fits and on a regression line (its
// b); on a graph of points only they say where a slope can be read.
void GrafKlik(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt, int ark,
              int px, int py);

// The tangent to the typed function at vt.x0, on the sheet of the active graph.
void TegnFunktionsTangent(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt);

}  // namespace plotvik
