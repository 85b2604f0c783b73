// The drawing pass of a table graph on a graph sheet (the "Tegn graf"
// button), the sheet preparation and the coordinate system. The pass reads
// and writes the sheet's TGrafArk and draws on its canvas; it knows no window.
//
// The same pass answers the graph tools (value/slope/tangent of a fit, area
// under a fit): call TegnTabelGraf with a TVaerktoejForespoergsel. Then the
// sheet is neither cleared nor marked, the fit is computed again and handed
// back in TTegnetFit (and kept in TTegneTilstand::Fit); the caller computes
// and lists the tool's answer from it:
//   'P'  Koefficienter c[0..d]: y0 = PolynomiumsVaerdi(c, x0),
//        slope = PolynomiumsHaeldning(c, x0) (graphs/FitRutiner.h)
//   'R'  Linie: y = b*x + a (its slope b is the same at every x0)
//   'S','B'  TTegneTilstand::KurvePunkter, the N sampled curve points
//   'E','X'  LogRegression: LogRegressionsVaerdi / LogRegressionsHaeldning
// A graph without a fitted curve (points only, a Fourier spectrum) answers
// no tool (Svarer stays false); the caller tells the user.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "graphs/Fits.h"
#include "graphs/GrafArk.h"
#include "graphs/LogRegression.h"
#include "graphs/PlotvikImageGraphics.h"

namespace plotvik {

struct TTegneTilstand;

// A fault inside a pass (a resolution that is not a whole number, equal axis
// limits, ...). The "Tegn graf" handler shows what() in an error box; other
// callers of TegnTabelGraf should catch it the same way.
struct TGrafFejl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Messages of the pass for faults the fits cannot work around.
extern const char* const RegressionsFejl;  // all x values equal: no regression line
extern const char* const SplineFejl;       // two points with the same x: no spline
extern const char* const ForMangePunkter;  // more than 1023 measurements: the first 1023 drawn

// The tool waiting for the pass to answer.
enum class TVaerktoejArt { Differentialkvotient, Tangent, Areal };
struct TVaerktoejForespoergsel {
    TVaerktoejArt Art = TVaerktoejArt::Differentialkvotient;
    double x0 = 0;  // world x of the click (for the caller's own use; the pass does not read it)
};

// The fit computed by the last pass.
struct TTegnetFit {
    int Tabel = 0, Graf = 0, Ark = 0;
    char GrafType = 'K';          // the graph's fit letter
    bool Beregnet = false;        // a fitted curve exists (degree < n, n > 2, x not all equal)
    bool Svarer = false;          // a tool waited and this fit answers its kind
    int n = 0;                    // the number of measured points
    int N = 0;                    // the resolution used ("Graf Opl\xF8sning", at most 1024)
    TLinie Linie{};               // 'R'
    std::vector<double> Koefficienter;  // 'P': c[i] belongs to x^i, i = 0..PolGrad
    TLogRegression LogRegression{};     // 'E', 'X'
    std::vector<TPunkt> Residualer;     // shown under the graph (the sheet's "Residualer")
    double XMin = 0, XMax = 0;    // the graph's x limits
    std::string XGraf, YGraf;     // the graph's axis expressions
};

// Kept for the whole run (one per main window).
struct TTegneTilstand {
    TBilledGrafik Grafik;                // the world-coordinate layer of the three images
    std::vector<TPunkt> Punkter;         // X, Y of the last pass, sorted by x (at most 1023)
    std::vector<TPunkt> KontrolPunkter;  // the measured points packed for spline/Bezier
    std::vector<TPunkt> KurvePunkter;    // the N points of the last spline or Bezier curve
    TTegnetFit Fit;                    // the fit of the last pass
    std::array<bool, 5> FourierTabel{};  // per table: an output variable begins with "fourier"

    // Fourier hooks, set by the Fourier unit; empty until then (nothing is computed/drawn).
    // BeregnFourier(p, t, r): the coefficients of output variable r of table t.
    std::function<void(TProjekt&, int, int)> BeregnFourier;
    // TegnFourierGraf(p, arkene, tilstand, t, k): the spectrum of graph k, sheet already prepared.
    std::function<void(TProjekt&, TGrafArkene&, TTegneTilstand&, int, int)> TegnFourierGraf;

    // The uncertainties of the last pass's points, in their order; empty when
    // no quantity of the axis has one. With y uncertainties the regression
    // line, the polynomial and the model fit are weighted by 1/u^2.
    std::vector<double> UsikkerhedX, UsikkerhedY;
    // Why the points cannot weight a fit (a zero uncertainty); empty when they can.
    std::string VaegtFejl;
    // The last pass stopped at a limit or a point that a logarithmic axis cannot show.
    bool LogAfvist = false;
};

// "Tegn graf" on sheet `ark` (1..3): picks the graph of the active table,
// takes the sheet's boxes back into it and draws; every message through Flade().
// Axes the pass cannot make logarithmic (a limit or a point not positive)
// go back, on the sheet and in the graph, to what they were.
void TegnGrafKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int ark);

// The "Statistik" box of sheet `ark`: stores its state for the active table.
void StatistikKlik(TProjekt& p, const TGrafArkene& arkene, int ark);

// Evaluates graph k of table t, sorts, prepares its sheet and draws points
// and fit (or the Fourier spectrum). With a tool: answering mode (above).
// Throws TGrafFejl. Returns the fit (also in tt.Fit).
TTegnetFit TegnTabelGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                           const TVaerktoejForespoergsel* vaerktoej = nullptr);

// Marks the points (already sorted by x; all of them are used) by the sheet's
// marker choice and draws/lists the fit of graph k. Used by TegnTabelGraf and
// by the Fourier spectrum. Throws TGrafFejl.
TTegnetFit TegnPunkterOgFit(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                              std::span<const TPunkt> punkter,
                              const TVaerktoejForespoergsel* vaerktoej = nullptr);

// Prepares sheet s for graph k of table t: enables "Behold graf"; keeps the
// drawing (only SelectWindow) when it is checked or a tool waits; else clears
// and draws the coordinate system. Throws TGrafFejl for unusable limits.
void ForberedArk(const TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                 bool vaerktoejVenter);

// Window with a tenth of margin, tick steps, white view port, black axes.
// Throws TGrafFejl when a pair of limits is equal, reversed or not finite.
void OpsaetKoordinatsystem(TBilledGrafik& g, Laerred& billede, int s, const std::string& xTitel,
                           const std::string& yTitel, double xmin, double ymin, double xmax,
                           double ymax);

// The tick step for limits a, b: 10^(ceil(log10 max(|a|,|b|)) - 1).
double TickStep(double a, double b);

// The sheet's "Graf Opl\xF8sning" as a whole number, capped at 1024 (written
// back). Throws TGrafFejl for a text that is not a whole number or below 2
// (a curve needs two points).
int LaesOploesning(TGrafArk& ark);

// The marker letter of the sheet: 'P', 'K', 'C' or 'R'.
char PunktType(const TGrafArk& ark);

// The canvas of a sheet, or a canvas that draws nothing when the sheet has none.
Laerred& ArkLaerred(TGrafArk& ark);

}  // namespace plotvik
