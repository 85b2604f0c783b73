// The printed pages as text lines with their fonts.
#include "files/Udskrift.h"

#include <algorithm>
#include <utility>

#include "files/TabelEksport.h"

namespace plotvik {

namespace {

const char* const Overskriftsskrift = "Times New Roman";
const char* const Tabelskrift = "Courier New";
const char* const Tekstskrift = "Arial";

// The cell right-aligned in w positions; a longer text is kept whole.
std::string Hoejrestillet(const std::string& tekst, int w) {
    int mangler = w - static_cast<int>(tekst.size());
    return mangler > 0 ? std::string(mangler, ' ') + tekst : tekst;
}

// One block: the grid of the printed columns [fra, til] over every printed line.
// celle(linje, soejle) gives the text of a printed line in a printed column.
template <class Celle>
void SkrivBlok(std::vector<std::string>& ud, int fra, int til, int antalLinier, int w, Celle celle) {
    int n = til - fra + 1;
    SkrivTegnLn(ud, '-', n * (w + 1) + 1);
    for (int l = 1; l <= antalLinier; ++l) {
        if (l > 1) {
            std::string skille = "|" + SkrivTegn('-', w);
            for (int k = 2; k <= n; ++k) skille += "+" + SkrivTegn('-', w);
            ud.push_back(skille + "|");
        }
        std::string linje;
        for (int k = fra; k <= til; ++k) linje += "|" + Hoejrestillet(celle(l, k), w);
        ud.push_back(linje + "|");
    }
    SkrivTegnLn(ud, '-', n * (w + 1) + 1);
}

}  // namespace

std::string SkrivTegn(char c, int n) { return n > 0 ? std::string(n, c) : std::string(); }

void SkrivTegnLn(std::vector<std::string>& linier, char c, int n) { linier.push_back(SkrivTegn(c, n)); }

int SoejlerPrBlok(int w) {
    if (w < 0) w = 0;
    return std::max(1, 93 / (w + 2));
}

std::vector<std::string> TabelBlokke(const TProjekt& p, int tabel) {
    std::vector<std::string> ud;
    if (tabel < 0 || tabel > MaksTabeller) return ud;
    const TTabelDef& t = p.Tabeller[tabel];
    // A table read from a hand-made file may claim more than the model holds.
    int antalVariable = std::clamp(t.AntalVariable, 0, MaksVariable);
    // The printed variables: each one, followed by its uncertainties when it has them.
    std::vector<std::pair<int, bool>> printet;
    for (int v = 1; v <= antalVariable; ++v) {
        printet.push_back({v, false});
        if (tabel != 0 && !t.Usikkerheder[v].empty()) printet.push_back({v, true});
    }
    antalVariable = static_cast<int>(printet.size());
    int antalKolonner = std::clamp(t.AntalIndgange, 0, MaksIndgange) + 1;
    int w = std::max(0, t.TabelBredde);
    bool raekke = t.TabelType == 'R';
    int printedeSoejler = raekke ? antalKolonner : antalVariable;
    int printedeLinier = raekke ? antalVariable : antalKolonner;
    if (printedeSoejler < 1 || printedeLinier < 1) return ud;

    auto celle = [&](int linje, int soejle) -> std::string {
        const int var = raekke ? linje : soejle, k = raekke ? soejle : linje;
        const auto [v, u] = printet[static_cast<std::size_t>(var - 1)];
        if (!u) return t.Celler.HentCelle(v, k);
        return k == 1 ? UsikkerhedsOverskrift(t.Celler.HentCelle(v, 1)) : UsikkerhedsCelle(t, v, k - 1);
    };
    int cpb = SoejlerPrBlok(w);
    for (int fra = 1; fra <= printedeSoejler; fra += cpb)
        SkrivBlok(ud, fra, std::min(fra + cpb - 1, printedeSoejler), printedeLinier, w, celle);
    return ud;
}

std::vector<TUdskriftLinie> TabelUdskrift(const TProjekt& p, int tabel, std::string_view overskrift) {
    std::vector<TUdskriftLinie> ud{{Overskriftsskrift, 14, std::string(overskrift)}, {Overskriftsskrift, 14, ""}};
    for (auto& linje : TabelBlokke(p, tabel)) ud.push_back({Tabelskrift, 10, std::move(linje)});
    return ud;
}

std::vector<TUdskriftLinie> GrafresultatUdskrift(const TProjekt& p, int tabel, int graf,
                                                 const std::vector<std::string>& resultater) {
    std::string navn;
    if (tabel >= 1 && tabel <= MaksTabeller && graf >= 1 && graf <= MaksGrafer)
        navn = p.Tabeller[tabel].Grafer[graf].GrafNavn;
    std::vector<TUdskriftLinie> ud{
        {Overskriftsskrift, 14, "Grafresultater til " + navn + ", h\xF8rende til Tabel " + std::to_string(tabel)},
        {Overskriftsskrift, 14, ""}};
    for (const auto& r : resultater) ud.push_back({Overskriftsskrift, 10, r});
    return ud;
}

int GrafArkForAktivGraf(const TProjekt& p) {
    int t = p.AktivTabel, g = p.AktivGraf;
    if (t < 1 || t > MaksTabeller || g < 1 || g > MaksGrafer) return 0;
    if (g > p.Tabeller[t].AntalGrafer) return 0;
    int ark = p.Tabeller[t].Grafer[g].GrafArkNo;
    return ark >= 1 && ark <= MaksGrafer ? ark : 0;
}

std::vector<TUdskriftLinie> TekstUdskrift(const std::vector<std::string>& linier) {
    std::vector<TUdskriftLinie> ud;
    ud.reserve(linier.size());
    for (const auto& l : linier) ud.push_back({Tekstskrift, 10, l});
    return ud;
}

}  // namespace plotvik
