// Logarithmic axes (base 10) of a graph sheet: the coordinate system of a
// semi-logarithmic or double-logarithmic sheet, with a tick at every decade,
// minor ticks at 2 to 9 times it and labels that read as numbers (0,001 ...
// 1000). Also the layout of a sheet that shows the residuals of its fit in a
// strip under the graph. Everything is drawn through the graph layer, so the
// draw list keeps it for the screen, the printer and the exported files.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/PlotvikImageGraphics.h"

namespace plotvik {

struct TAkseTick {
    double Vaerdi = 0;
    bool Hoved = false;   // a decade (a major tick of a linear axis)
    std::string Label;    // empty: no label
    bool operator==(const TAkseTick&) const = default;
};

// The ticks of an axis from lo to hi (lo < hi; positive on a logarithmic axis).
// Logarithmic: every decade, and 2..9 times each decade, inside [lo, hi];
// the decades are labelled, and when fewer than two decades lie inside, the
// minor ticks 2 and 5 are labelled too. Linear: the step of the graph sheets
// (a power of ten, halved until there are four ticks), labels at most nine.
std::vector<TAkseTick> AkseTicks(double lo, double hi, bool log);

// A tick label: the number with a decimal comma and no trailing zeros
// ("0,001", "0,5", "1", "1000"); beyond 10^6 or below 10^-4 as "1E7", "1E-5".
std::string AkseLabel(double v);

// "En logaritmisk x-akse kræver positive grænser: x-min = 0", or nothing
// when the limits of the logarithmic axes are positive.
std::optional<std::string> LogGraenseFejl(const TGrafDef& graf);

// The first measurement (in table order, from 1) that a logarithmic axis of
// the graph cannot show: "Måling nr. 3 har y = -0.5 og kan ikke vises på en
// logaritmisk y-akse". Nothing when all can be shown.
std::optional<std::string> LogPunktFejl(const TGrafDef& graf, std::span<const double> x,
                                        std::span<const double> y);

// The part of the image (pixel rows from the top) that the graph itself
// takes when the residuals are shown under it; the strip gets the rest.
int GrafDelensBund(int billedHoejde);

// Prepares sheet s for graph `graf` when one of its axes is logarithmic or
// the residuals are shown: clears the whole image, sets the window (a tenth
// of each range, in decades on a logarithmic axis, as margin) and the view
// port (the upper part of the image when `residualer`), and draws the axes.
// Throws TGrafFejl for limits that are equal, reversed or not positive on a
// logarithmic axis.
void OpsaetArkMedLogAkser(TBilledGrafik& g, Laerred& billede, int s, const TGrafDef& graf, bool residualer);

// The axes of the current window and view port: the x axis at the lower limit
// of a logarithmic y axis (else at y = 0 when the range holds it), the y
// axis likewise; arrowheads, ticks, labels and titles.
void TegnLogAkser(TBilledGrafik& g, Laerred& billede, const std::string& xTitel, const std::string& yTitel,
                  double xmin, double xmax, double ymin, double ymax, bool logX, bool logY);

// The curve y = f(x) from x1 to x2 in N steps, equal in the x axis's own
// measure (so equal in decades on a logarithmic x axis). It breaks off where
// f has no finite value, and where a logarithmic axis cannot show the point.
void TegnKurveOver(TBilledGrafik& g, Laerred& billede, const std::function<double(double)>& f, double x1,
                   double x2, int N);

}  // namespace plotvik
