// Limits that fit the data of a graph sheet ("Tilpas grænser"), the limits
// after a zoom with the mouse, and the word on the sheet when no point of a
// drawn graph can be seen. Pure engine code: the window hands over pixels
// and texts, the sheet is drawn again through "Tegn graf".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/GrafTegning.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

// The end of the results line that tells that (almost) no point lies inside
// the picture: "Ingen af de <n> punkter ligger inden for grænserne" or
// "Kun 1 af de <n> punkter ligger inden for grænserne" ("Punktet ligger uden
// for grænserne" for a single point), then this.
extern const char* const TilpasHenvisning;
std::string PunkterUdenforLinje(int synlige, int alle);
// The information box of "Tilpas grænser" when there is nothing to fit to.
extern const char* const IntetAtTilpasse;

struct TGraenser {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// One axis: the smallest interval that holds [lav, hoej] and whose ends are
// whole multiples of the tick step the sheet computes for that interval
// (TickStep), so the axis ends on ticks. A lower end within a fifth of the
// width above 0 is moved to 0, and likewise an upper end within a fifth of
// the width below 0, so the origin shows. A single value v gets [0, 2v]
// (or [2v, 0]); 0 alone gets [-1, 1]. Empty when the values are not finite
// or the interval would overflow.
std::optional<TInterval> PaentInterval(double lav, double hoej);

// The limits for a set of points (both axes by PaentInterval). Points with a
// coordinate that is not finite are left out; empty when none is left.
std::optional<TGraenser> TilpassedeGraenser(std::span<const TPunkt> punkter);

// The points a typed function is drawn through over [xmin, xmax], inside its
// domain dm ("R" or empty: the whole range), with `antal` steps: the same
// points the sheet's "Tegn Funktion" draws.
std::vector<TPunkt> FunktionsPunkter(const std::string& f, const std::string& dm, int antal, double xmin,
                                     double xmax);

// A limit as the text of its field: the shortest decimal text that reads back
// (TekstTilTal) as exactly this value.
std::string GraenseTekst(double v);

// The limits after a zoom by `faktor` (below 1 zooms in) around the world
// point (x, y): that point keeps its place in the picture. The new ends are
// rounded to a ten-thousandth of the new width, so the fields stay readable.
TGraenser ZoomOmPunkt(const TGraenser& g, double x, double y, double faktor);

// The limits of the rectangle spanned by two world corners (in any order),
// rounded like ZoomOmPunkt. Empty when the rectangle has no width or height.
std::optional<TGraenser> ZoomTilRektangel(double x1, double y1, double x2, double y2);

// The limits of the picture of sheet s as last drawn (its window without the
// tenth of margin on every side). Empty when nothing has been drawn there.
std::optional<TGraenser> VisteGraenser(const TBilledGrafik& g, int s);

// Writes the four limits into the sheet's fields (texts by GraenseTekst).
void SkrivGraenser(TGrafArk& ark, const TGraenser& g);

// "Tilpas grænser" on sheet `ark`: the graph "Tegn graf" would draw there,
// its expressions from the sheet's axis fields, evaluated over the active
// table; the limits that hold its points (and the sheet's function, sampled
// over the new x range); the fields are written and the sheet is drawn by
// TegnGrafKnap. Every message through Flade().
void TilpasGraenserKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int ark);

// After a "Tegn graf" pass of sheet s: when some of the pass's points lie
// outside the picture (its limits and their tenth of margin) and at most one
// lies inside, the line of PunkterUdenforLinje is added to the results. A line from an earlier
// pass is taken out first, so it is there once, and only while it is true.
void MeldPunkterUdenfor(TGrafArk& ark, const TTegneTilstand& tt, int s);
// Takes that line out (a zoom leaves points outside on purpose).
void FjernPunkterUdenfor(TGrafArk& ark);

}  // namespace plotvik
