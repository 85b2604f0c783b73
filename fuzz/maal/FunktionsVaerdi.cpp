// A function rule as typed in the function dialog, evaluated at a few x:
// ordinary points, zero, and points where the rule easily overflows.
#include <cmath>

#include "FuzzStoette.h"
#include "interpreter/PlotvikInterprete.h"

PLOTVIK_FUZZ_MAAL(FunktionsVaerdi) {
    static constexpr double xer[] = {0.0, 1.0, -2.5, 0.5, 3.141592653589793, 1e-300, 1e300, -1e308};
    for (double x : xer) {
        plotvik::Fejl = false;
        const double y = plotvik::FunktionsVaerdi(input, x);
        // An arithmetic fault is reported, never handed on silently as inf or nan.
        if (!std::isfinite(y) && !plotvik::Fejl)
            plotvik::fuzz::Fund("FunktionsVaerdi gav " + std::to_string(y) + " uden besked");
    }
}
