// The regression line and the polynomial with the standard uncertainties of
// their coefficients (the covariance matrix of the least-squares fit scaled
// by the residual variance), the fits' messages and the "value ± uncertainty"
// text of the results list.
#include <cmath>
#include <cstdio>
#include <utility>

#include "core/PlotvikTyper.h"
#include "graphs/MindsteKvadrater.h"
#include "graphs/ModelFit.h"

namespace plotvik {

const char* const IkkeKonvergeretBesked =
    "Modelfittet konvergerede ikke: pr\xF8v andre startv\xE6rdier eller en anden model";
const char* const SingulaerBesked =
    "Modelfittet kan ikke bestemme parametrene hver for sig (singul\xE6r Jacobi-matrix): "
    "fjern en parameter eller pr\xF8v andre startv\xE6rdier";
const char* const ForFaaPunkterBesked =
    "Ingen usikkerheder: der skal v\xE6re flere m\xE5linger end parametre";

std::string IkkeBeregneligBesked(int nr, double x) {
    return "Modellen kan ikke beregnes i datapunkt nr. " + std::to_string(nr) + " (x = " +
           FjernMellemrum(FormaterTal(10, 0, x)) + ")";
}

std::string FlereParametreEndPunkterBesked(int p, int n) {
    return "Modellen har " + std::to_string(p) + " parametre, men der er kun " + std::to_string(n) +
           " datapunkter";
}

bool LaesStartVaerdier(const std::string& tekst, std::vector<TParameter>& start, std::string& besked) {
    start.clear();
    const auto skille = [](char c) { return c == ' ' || c == ';' || c == '\t'; };
    std::size_t i = 0;
    while (i < tekst.size()) {
        while (i < tekst.size() && skille(tekst[i])) ++i;
        if (i >= tekst.size()) break;
        std::size_t slut = i;
        while (slut < tekst.size() && !skille(tekst[slut])) ++slut;
        const std::string del = tekst.substr(i, slut - i);
        i = slut;
        const auto lig = del.find('=');
        bool fejl = lig == std::string::npos || lig == 0;
        const double v = fejl ? 0 : TekstTilTal(del.substr(lig + 1), fejl);
        if (fejl) {
            besked = "Fejl i startv\xE6rdien \"" + del + "\": skriv navn=v\xE6rdi, f.eks. k=0,5";
            return false;
        }
        start.push_back({del.substr(0, lig), v, 0});
    }
    return true;
}

namespace {

std::string Fast(double v, int decimaler) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimaler, v);
    std::string t = buf;
    if (t == "-0" || t.find_first_not_of("-0.") == std::string::npos) t.erase(0, t[0] == '-' ? 1 : 0);
    return t;
}

}  // namespace

std::string MedUsikkerhed(const std::string& navn, double v, double u) {
    const std::string start = navn + " = ";
    if (!std::isfinite(v)) return start + "Fejl";
    if (!(u > 0) || !std::isfinite(u)) return start + FjernMellemrum(FormaterTal(10, 0, v));
    // An exact fit leaves only rounding noise: that is an uncertainty of 0.
    if (u < 1e-12 * std::fabs(v)) return start + FjernMellemrum(FormaterTal(10, 0, v)) + " \xB1 0";
    // The decimal place of the uncertainty's second significant digit; the
    // rounding may carry into a new digit (0.0996 -> 0.10).
    int e = int(std::floor(std::log10(u)));
    double skridt = std::pow(10.0, e - 1);
    if (std::nearbyint(u / skridt) >= 100) {
        ++e;
        skridt *= 10;
    }
    const int decimaler = 1 - e;
    const double stoerst = std::max(std::fabs(v), u);
    const int ev = stoerst > 0 ? int(std::floor(std::log10(stoerst))) : 0;
    if (ev < -3 || ev >= 6) {
        // Very small or very large: one power of ten for both, "(m ± um)E<k>".
        const double faktor = std::pow(10.0, ev);
        const int d = std::max(0, ev + decimaler);
        return start + "(" + Fast(v / faktor, d) + " \xB1 " + Fast(u / faktor, d) + ")E" + std::to_string(ev);
    }
    if (decimaler >= 0) return start + Fast(v, decimaler) + " \xB1 " + Fast(u, decimaler);
    // The uncertainty's digits stop left of the point: the value is rounded there too.
    const double enhed = std::pow(10.0, -decimaler);
    return start + Fast(std::nearbyint(v / enhed) * enhed, 0) + " \xB1 " +
           Fast(std::nearbyint(u / enhed) * enhed, 0);
}

namespace {

// Fills parameters, RSS, s, R^2 and the uncertainties of a linear fit with
// design matrix a (n by p) and coefficients c.
TFitResultat LineaertFit(std::span<const TPunkt> punkter, const std::vector<Reel>& a, int p,
                         const std::vector<std::string>& navne) {
    TFitResultat r;
    const int n = int(punkter.size());
    if (n < p) {
        r.Besked = "Der er for f\xE5 m\xE5linger til fittet: mindst " + std::to_string(p) + " skal der v\xE6re";
        return r;
    }
    std::vector<Reel> y(std::size_t(n), 0), c, k;
    for (int i = 0; i < n; ++i) y[std::size_t(i)] = punkter[std::size_t(i)].y;
    if (!MindsteKvadrater(a, n, p, y, c, k)) {
        r.Besked = "Fittet kan ikke beregnes: for f\xE5 forskellige x-v\xE6rdier";
        return r;
    }
    Reel rss = 0, sy = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        Reel f = 0;
        for (int j = 0; j < p; ++j) f += a[std::size_t(i) * std::size_t(p) + std::size_t(j)] * c[std::size_t(j)];
        const Reel d = y[std::size_t(i)] - f;
        rss += d * d;
        sy += y[std::size_t(i)];
    }
    const Reel middel = sy / n;
    for (int i = 0; i < n; ++i) syy += (y[std::size_t(i)] - middel) * (y[std::size_t(i)] - middel);
    r.Ok = true;
    r.RSS = double(rss);
    r.R2 = syy > 0 ? double(1 - rss / syy) : 1.0;
    r.UsikkerhedKendt = n > p;
    const Reel s2 = r.UsikkerhedKendt ? rss / (n - p) : 0;
    r.s = double(std::sqrt(s2));
    if (!r.UsikkerhedKendt) r.Besked = ForFaaPunkterBesked;
    for (int j = 0; j < p; ++j) {
        const Reel var = s2 * k[std::size_t(j) * std::size_t(p) + std::size_t(j)];
        r.Parametre.push_back({navne[std::size_t(j)], double(c[std::size_t(j)]),
                               r.UsikkerhedKendt ? double(std::sqrt(std::fabs(var))) : 0.0});
    }
    return r;
}

}  // namespace

TFitResultat LinRegressionMedUsikkerhed(std::span<const TPunkt> punkter) {
    // Named as Danish schools write the line, y = a*x + b: the slope first.
    TFitResultat r = PolynomiumsFitMedUsikkerhed(punkter, 1);
    if (r.Parametre.size() == 2) {
        std::swap(r.Parametre[0], r.Parametre[1]);
        r.Parametre[0].Navn = "a";
        r.Parametre[1].Navn = "b";
    }
    return r;
}

TFitResultat PolynomiumsFitMedUsikkerhed(std::span<const TPunkt> punkter, int grad) {
    if (grad < 0) {
        TFitResultat r;
        r.Besked = "Polynomiets grad skal v\xE6re mindst 0";
        return r;
    }
    const int n = int(punkter.size()), p = grad + 1;
    // The columns 1, x, x^2, ...: the solver scales each to unit length.
    std::vector<Reel> a(std::size_t(n) * std::size_t(p));
    for (int i = 0; i < n; ++i) {
        Reel v = 1;
        for (int j = 0; j < p; ++j) {
            a[std::size_t(i) * std::size_t(p) + std::size_t(j)] = v;
            v *= punkter[std::size_t(i)].x;
        }
    }
    std::vector<std::string> navne;
    for (int j = 0; j < p; ++j) navne.push_back("c" + std::to_string(j));
    return LineaertFit(punkter, a, p, navne);
}

}  // namespace plotvik
