// A function rule differentiated, then the derivative evaluated at a few x
// as the tangent tool does, and differentiated once more.
#include <cmath>

#include "FuzzStoette.h"
#include "interpreter/PlotvikInterprete.h"

PLOTVIK_FUZZ_MAAL(diff_fx) {
    using namespace plotvik;
    const std::string d = diff_fx(input);
    if (Fejl) return;
    if (d.size() > LangLaengde) fuzz::Fund("den afledte er over 255 tegn");
    static constexpr double xer[] = {0.0, 1.0, -2.5, 0.5, 1e300};
    for (double x : xer) {
        Fejl = false;
        const double y = FunktionsVaerdi(d, x);
        if (!std::isfinite(y) && !Fejl) fuzz::Fund("den afledte gav " + std::to_string(y) + " uden besked");
    }
    Fejl = false;
    (void)diff_fx(d);
}
