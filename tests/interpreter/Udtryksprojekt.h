// A small project for the variable-expression tests: constants, and tables
// whose cells hold texts as a user or a computation left them.
#pragma once

#include <string>
#include <vector>

#include "core/Projekt.h"

namespace plotvik::test {

inline void SaetKonstant(TProjekt& p, int i, const std::string& navn, double vaerdi) {
    if (i > p.AntalKonstanter) p.AntalKonstanter = i;
    p.Tabeller[0].Variable[static_cast<size_t>(i)].Navn = navn;
    p.KonstantVaerdi[static_cast<size_t>(i)] = vaerdi;
}

// kolonner[v - 1][m - 1] is the cell of variable v in measurement m.
inline void SaetTabel(TProjekt& p, int t, const std::vector<std::string>& navne,
                      const std::vector<std::vector<std::string>>& kolonner) {
    TTabelDef& tabel = p.Tabeller[static_cast<size_t>(t)];
    tabel.AntalVariable = static_cast<int>(navne.size());
    tabel.AntalIndgange = kolonner.empty() ? 0 : static_cast<int>(kolonner[0].size());
    tabel.Celler.Opret(tabel.AntalVariable, tabel.AntalIndgange + 1);
    for (size_t v = 0; v < navne.size(); ++v) {
        tabel.Variable[v + 1].Navn = navne[v];
        tabel.Celler.SaetCelle(navne[v], static_cast<int>(v + 1), 1);
        for (size_t m = 0; m < kolonner[v].size(); ++m)
            tabel.Celler.SaetCelle(kolonner[v][m], static_cast<int>(v + 1), static_cast<int>(m + 2));
    }
    if (t > p.AntalTabeller) p.AntalTabeller = t;
}

}  // namespace plotvik::test
