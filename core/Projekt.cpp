// Clearing the project before a load or a conversion, and the start defaults.
#include "core/Projekt.h"

namespace plotvik {

void NulstilProjekt(TProjekt& p) {
    // 1. Release the variable-level data of every table that exists.
    for (int t = 0; t <= MaksTabeller; ++t) {
        auto& tabel = p.Tabeller[t];
        for (auto& v : tabel.Variable) {
            v.Definition.clear();
            v.Navn.clear();
            v.Udtryk.clear();
            v.Enhed.clear();
            v.Art = TDefinitionsArt::Inddata;
            v.UsikkerhedsArt = TUsikkerhedsArt::Ingen;
            v.UsikkerhedsTekst.clear();
        }
        for (auto& u : tabel.Usikkerheder) u.clear();
        tabel.Celler.Frigiv();
    }
    // 2. Counters.
    p.AntalKonstanter = 0;
    p.AntalTabeller = 0;
    p.AktivTabel = 0;
    p.AktivGraf = 0;
    p.OpbygTaellere = {'0', '0', '0', '0'};
    // 3. Each table: variables, counts and graph definitions.
    for (int t = 0; t <= MaksTabeller; ++t) {
        auto& tabel = p.Tabeller[t];
        tabel.Defineret = false;
        for (int v = 1; v <= MaksVariable; ++v) {
            tabel.Variable[v].Positioner = 0;
            tabel.Variable[v].Decimaler = 0;
        }
        tabel.AntalVariable = 0;
        tabel.AntalInddata = 0;
        tabel.AntalGrafer = 0;
        for (int g = 1; g <= MaksGrafer; ++g) {
            auto& graf = tabel.Grafer[g];
            graf.XGraf.clear();
            graf.YGraf.clear();
            graf.GrafNavn.clear();
            graf.XMin = graf.XMax = graf.YMin = graf.YMax = 0;
            graf.PolGrad = 0;
            graf.GrafArkNo = 1;
            graf.GrafType = 'K';
            tabel.Statistik[g] = false;
        }
    }
    // Nothing of an earlier project may show in the next one, which need not
    // set a heading or give every constant a value.
    p.Overskrift.clear();
    p.KonstantVaerdi.fill(0);
}

void StartProjekt(TProjekt& p) {
    for (int t = 1; t <= MaksTabeller; ++t) {
        p.Tabeller[t].VisGnsOgVarians = false;
        for (int g = 1; g <= MaksGrafer; ++g) p.Tabeller[t].Grafer[g].GrafArkNo = g;
    }
    NulstilProjekt(p);
    p.Tilstand = 0;
    p.TekstGemt = true;
    p.KontrolAfInddata = true;
    p.TekstFilNavn.clear();
    p.ProjektFilNavn.clear();
}

bool HarUsikkerhedsDefinition(const TTabelDef& t) {
    for (int v = 1; v <= MinHel(MaxHel(t.AntalVariable, 0), MaksVariable); ++v)
        if (t.Variable[v].UsikkerhedsArt != TUsikkerhedsArt::Ingen) return true;
    return false;
}

std::string UsikkerhedsCelle(const TTabelDef& t, int v, int m) {
    if (v < 1 || v > MaksVariable) return {};
    const auto& u = t.Usikkerheder[v];
    if (m < 1 || m >= static_cast<int>(u.size()) || !(u[m] >= 0 && u[m] <= 1e300)) return {};
    const TVariabelDef& var = t.Variable[v];
    return FormaterTal(var.Positioner > 0 ? var.Positioner : t.TabelBredde, var.Decimaler, u[m]);
}

void SaetTabelStoerrelse(TTabelDef& t) {
    if (t.TabelType == 'R') {
        t.AntalRaekker = t.AntalVariable;
        t.AntalSoejler = t.AntalIndgange + 1;
    } else {
        t.AntalRaekker = t.AntalIndgange + 1;
        t.AntalSoejler = t.AntalVariable;
    }
}

}  // namespace plotvik
