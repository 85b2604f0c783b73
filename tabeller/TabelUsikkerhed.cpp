// The input side of the uncertainties: reading what the user gave and
// turning it into one uncertainty per value (see the header).
#include "tabeller/TabelUsikkerhed.h"

#include <cmath>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "tabeller/TabelBeregning.h"

namespace plotvik {

namespace {

std::string Hvem(int t, const std::string& navn) {
    return t == 0 ? "konstanten " + navn : navn + " i tabel " + std::to_string(t);
}

std::string Trimmet(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    return s.substr(a, b - a);
}

}  // namespace

std::string UsikkerhedsCelleBesked(int t, const std::string& navn, int m, const std::string& tekst,
                                   bool negativ) {
    return "Usikkerheden i tabel " + std::to_string(t) + ", variabel " + navn + ", m\xE5ling " +
           std::to_string(m) + (negativ ? " er negativ: " : " er ikke et tal: ") + "'" + tekst + "'";
}

bool LaesUsikkerhedsTekst(const std::string& tekst, const std::string& navn, double& u, std::string& besked) {
    std::string t = Trimmet(tekst);
    if (!t.empty() && t.back() == '%') t = Trimmet(t.substr(0, t.size() - 1));
    bool fejl = t.empty();
    if (!fejl) u = TekstTilTal(t, fejl);
    if (fejl || !std::isfinite(u) || u < 0) {
        besked = "Usikkerheden p\xE5 " + navn + " skal v\xE6re et tal p\xE5 mindst 0: '" + tekst + "'";
        return false;
    }
    return true;
}

std::string SaetUsikkerhed(TProjekt& p, int t, int v, TUsikkerhedsArt art, const std::string& tekst) {
    if (t < 0 || t > MaksTabeller || v < 1 || v > MaksVariable) return "Ukendt variabel";
    TTabelDef& tabel = p.Tabeller[t];
    TVariabelDef& var = tabel.Variable[v];
    std::string besked;
    double u = 0;
    std::string gemt = Trimmet(tekst);
    switch (art) {
        case TUsikkerhedsArt::Ingen: gemt.clear(); break;
        case TUsikkerhedsArt::Absolut:
        case TUsikkerhedsArt::Relativ:
            if (!LaesUsikkerhedsTekst(tekst, Hvem(t, var.Navn), u, besked)) return besked;
            if (!gemt.empty() && gemt.back() == '%') gemt = Trimmet(gemt.substr(0, gemt.size() - 1));
            break;
        case TUsikkerhedsArt::Soejle: {
            const int kilde = t == 0 ? 0 : FindVariabel(p, t, gemt);
            if (kilde == 0 || kilde == v || kilde > tabel.AntalInddata ||
                tabel.Variable[kilde].Art != TDefinitionsArt::Inddata)
                return "Usikkerheden p\xE5 " + Hvem(t, var.Navn) +
                       " skal st\xE5 i en anden inddatavariabel i samme tabel: '" + tekst + "'";
            break;
        }
    }
    var.UsikkerhedsArt = art;
    var.UsikkerhedsTekst = gemt;
    return {};
}

bool BeregnIndUsikkerheder(TProjekt& p, int tabel) {
    auto ryd = [&p, tabel] {
        for (auto& u : p.Tabeller[tabel].Usikkerheder) u.clear();
    };
    // The constants: one uncertainty each.
    TTabelDef& k = p.Tabeller[0];
    for (int i = 1; i <= MaksVariable; ++i) {
        k.Usikkerheder[i].clear();
        const TVariabelDef& var = k.Variable[i];
        if (i > p.AntalKonstanter || var.UsikkerhedsArt == TUsikkerhedsArt::Ingen ||
            var.UsikkerhedsArt == TUsikkerhedsArt::Soejle)
            continue;
        double u = 0;
        std::string besked;
        if (!LaesUsikkerhedsTekst(var.UsikkerhedsTekst, Hvem(0, var.Navn), u, besked)) {
            for (auto& w : k.Usikkerheder) w.clear();
            ryd();
            Flade().Fejlboks(besked);
            return false;
        }
        if (var.UsikkerhedsArt == TUsikkerhedsArt::Relativ) u = std::fabs(p.KonstantVaerdi[i]) * u / 100;
        k.Usikkerheder[i] = {0.0, u};
    }
    if (tabel == 0) return true;
    ryd();
    TTabelDef& t = p.Tabeller[tabel];
    const int n = MinHel(MaxHel(t.AntalIndgange, 0), MaksIndgange);
    const int inddata = MinHel(MaxHel(t.AntalInddata, 0), MaksVariable);
    for (int v = 1; v <= inddata; ++v) {
        const TVariabelDef& var = t.Variable[v];
        if (var.UsikkerhedsArt == TUsikkerhedsArt::Ingen) continue;
        auto& ud = t.Usikkerheder[v];
        ud.assign(static_cast<std::size_t>(n) + 1, 0.0);
        std::string besked;
        double u = 0;
        if (var.UsikkerhedsArt == TUsikkerhedsArt::Soejle) {
            const int kilde = FindVariabel(p, tabel, var.UsikkerhedsTekst);
            if (kilde == 0 || kilde == v || kilde > inddata) {
                besked = "Usikkerheden p\xE5 " + Hvem(tabel, var.Navn) +
                         " skal st\xE5 i en anden inddatavariabel i samme tabel: '" + var.UsikkerhedsTekst + "'";
            }
            for (int m = 1; m <= n && besked.empty(); ++m) {
                const std::string& celle = t.Celler.Celle(kilde, m + 1);
                bool fejl = false;
                u = TekstTilTal(celle, fejl);
                if (fejl || !std::isfinite(u) || u < 0)
                    besked = UsikkerhedsCelleBesked(tabel, t.Variable[kilde].Navn, m, celle, !fejl && u < 0);
                else
                    ud[static_cast<std::size_t>(m)] = u;
            }
        } else if (LaesUsikkerhedsTekst(var.UsikkerhedsTekst, Hvem(tabel, var.Navn), u, besked)) {
            for (int m = 1; m <= n; ++m) {
                if (var.UsikkerhedsArt == TUsikkerhedsArt::Absolut) {
                    ud[static_cast<std::size_t>(m)] = u;
                    continue;
                }
                bool fejl = false;
                const double x = TekstTilTal(t.Celler.Celle(v, m + 1), fejl);
                // A value not yet typed has no uncertainty either; its own message comes with the value.
                ud[static_cast<std::size_t>(m)] = fejl ? std::nan("") : std::fabs(x) * u / 100;
            }
        }
        if (!besked.empty()) {
            ryd();
            Flade().Fejlboks(besked);
            return false;
        }
    }
    return true;
}

}  // namespace plotvik
