// Function plotting over the x range and over a domain.
#include "graphs/FunktionsTegning.h"

#include <cmath>

#include "core/PlotvikTyper.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

namespace {

// A value is usable when it was computed without error and is a real number.
bool Brugbar(double y) { return !Fejl && std::isfinite(y); }

}  // namespace

bool HeleXAksen(std::string_view dm) {
    std::string s = FjernMellemrum(dm);
    return s.empty() || s == "R" || s == "r";
}

void TegnFunktionInterval(TVerdensPen& pen, std::string_view f, int antalSkridt, double a, double b) {
    if (a > b) Byt(a, b);
    Fejl = false;
    Reel x = a;
    double y = FunktionsVaerdi(f, static_cast<double>(x));
    if (!Brugbar(y)) {
        Fejl = false;
        return;
    }
    pen.FlytTilW(static_cast<double>(x), y);
    if (antalSkridt < 1) return;
    const Reel h = (static_cast<Reel>(b) - a) / antalSkridt;
    for (int i = 1; i <= antalSkridt; ++i) {
        x = a + i * h;  // no running sum, so the last point lands on b
        y = FunktionsVaerdi(f, static_cast<double>(x));
        if (!Brugbar(y)) break;
        pen.LinjeTilW(static_cast<double>(x), y);
    }
    Fejl = false;
}

void TegnFunktionDm(TVerdensPen& pen, std::string_view f, const std::string& dm, int antalSkridt,
                    double xmin, double xmax) {
    Fejl = false;
    std::vector<TInterval> intervaller = Definitionsintervaller(dm, xmin, xmax);
    if (Fejl) {
        // The domain could not be read; its message has been shown.
        Fejl = false;
        return;
    }
    const double bredde = xmax - xmin;
    for (const TInterval& iv : intervaller) {
        double andel = bredde != 0 ? (iv.Oevre - iv.Nedre) / bredde : 1.0;
        double skridt = std::nearbyint(antalSkridt * andel);
        if (!std::isfinite(skridt)) skridt = 0;
        if (skridt > MaksFunktionsSkridt) skridt = MaksFunktionsSkridt;
        TegnFunktionInterval(pen, f, static_cast<int>(skridt), iv.Nedre, iv.Oevre);
    }
}

}  // namespace plotvik
