// Fit statistics (see Statistik.h). When the standard deviation cannot be
// computed the line keeps its caption and shows no number, so the list still
// says which value is missing.
#include "graphs/Statistik.h"

#include <cmath>

#include "core/PlotvikTyper.h"

namespace plotvik {

const char* const StandardafvigelseFejl =
    "Kan ikke udregne Standardafvigelse,\n\rn\xE5r antal m\xE5linger =antal bindinger";

TStatistik KorrelationOgSpredning(std::span<const double> fittet, std::span<const double> maalt,
                                  int bindinger) {
    const std::size_t antal = fittet.size() < maalt.size() ? fittet.size() : maalt.size();
    const Reel n = Reel(antal);
    Reel sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (std::size_t i = 0; i < antal; ++i) {
        const Reel a = fittet[i], b = maalt[i];
        sa += a;
        sb += b;
        saa += a * a;
        sbb += b * b;
        sab += a * b;
    }
    TStatistik st{1, 0, false};
    if (antal > 0) {
        const Reel D = std::sqrt(std::fabs(saa - sa * sa / n) * std::fabs(sbb - sb * sb / n));
        if (D != 0) st.r = double(std::fabs(sab - sa * sb / n) / D);
    }
    if (Reel(bindinger) < n) {
        st.s = double(std::sqrt(std::fabs(saa + sbb - 2 * sab) / (n - bindinger)));
        st.sBeregnet = true;
    } else {
        VisFejl(StandardafvigelseFejl);
    }
    return st;
}

namespace {

void ListLinjer(std::vector<std::string>& linjer, const std::string& korrelationsTekst,
                const std::string& spredningsTekst, const TStatistik& st) {
    linjer.push_back("");
    linjer.push_back("Statistik");
    linjer.push_back(korrelationsTekst + (std::isfinite(st.r) ? FormaterTal(8, 6, st.r) : ""));
    linjer.push_back(spredningsTekst +
                     (st.sBeregnet && std::isfinite(st.s) ? FormaterTal(8, 6, st.s) : ""));
}

}  // namespace

void ListRegressionsStatistik(std::vector<std::string>& linjer, bool statistik,
                              std::span<const TPunkt> punkter, TLinie linie) {
    if (!statistik || punkter.size() < 3) return;
    std::vector<double> fittet, maalt;
    for (const TPunkt& p : punkter) {
        fittet.push_back(linie.b * p.x + linie.a);
        maalt.push_back(p.y);
    }
    ListLinjer(linjer, "Korrelationskoefficient: ", "Standardafvigelse: ",
               KorrelationOgSpredning(fittet, maalt, 2));
}

void ListPolynomiumsStatistik(std::vector<std::string>& linjer, bool statistik,
                              std::span<const TPunkt> punkter, std::span<const double> c,
                              int polGrad) {
    if (!statistik || polGrad >= 10 || polGrad >= int(punkter.size())) return;
    std::vector<double> fittet, maalt;
    for (const TPunkt& p : punkter) {
        fittet.push_back(PolynomiumsVaerdi(c, p.x));
        maalt.push_back(p.y);
    }
    ListLinjer(linjer, "Korrelationskoefficient (bedst 1): ", "Standardafvigelse:",
               KorrelationOgSpredning(fittet, maalt, polGrad + 1));
}

}  // namespace plotvik
