// Drawing a typed function f(x) into a graph image, over the whole x range or
// interval by interval over its domain. The drawing goes through a pen in
// world coordinates, so it can be recorded in tests and sent to the graph
// layer of a sheet in the program.
#pragma once

#include <string>
#include <string_view>

namespace plotvik {

class TVerdensPen {
public:
    virtual ~TVerdensPen() = default;
    virtual void FlytTilW(double x, double y) = 0;
    virtual void LinjeTilW(double x, double y) = 0;
};

// The largest number of steps a function is drawn with (the sheet's resolution is capped to it).
constexpr int MaksFunktionsSkridt = 1024;

// Draws f from a to b in antalSkridt equal steps. An evaluation error ends
// this interval only and leaves Fejl clear; the failing point is not joined.
void TegnFunktionInterval(TVerdensPen& pen, std::string_view f, int antalSkridt, double a, double b);

// Draws f over the intervals of the domain dm inside [xmin, xmax]; each interval
// gets its share of the steps, rounded to the nearest (halves to even).
void TegnFunktionDm(TVerdensPen& pen, std::string_view f, const std::string& dm, int antalSkridt,
                    double xmin, double xmax);

// "R" (any case, blanks around it allowed) or an empty text: the whole x range.
bool HeleXAksen(std::string_view dm);

}  // namespace plotvik
