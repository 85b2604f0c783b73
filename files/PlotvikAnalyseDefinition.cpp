// Definition texts of constants and variables, and the analysis of a table's
// definitions into names, expressions, units, positions and header cells.
#include <cmath>
#include <string>

#include "files/PlotvikAnalyse.h"
#include "files/TegnLaeser.h"

namespace plotvik {

namespace {

bool ErBogstav(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || u == 0xC5 || u == 0xC6 ||
           u == 0xD8 || u == 0xE5 || u == 0xE6 || u == 0xF8;
}
// A typed number may carry a decimal comma, as every number the user types may.
bool ErTalTegn(char c) {
    return c == '+' || c == '-' || c == '.' || c == ',' || ErCiffer(c) || c == 'E' || c == 'e';
}
bool ErUdtrykTegn(char c) {
    return c == '(' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^' || ErBogstav(c) ||
           ErCiffer(c) || c == '.';
}

struct TDefinitionsLaeser {
    TTegnLaeser l;
    TDefinition d{0, {}, {}, {}, {}, 0, 0};
    bool fejl = false;

    void Navn() {
        if (!ErBogstav(l.ch)) {
            fejl = true;
            return;
        }
        std::string navn;
        while (ErBogstav(l.ch) || ErCiffer(l.ch)) {
            navn += l.ch;
            l.NaesteTegn();
        }
        d.Navn = Kort(navn);
    }

    // A factor, then "*" or "/" and a further number: a*b/c is a*(b/c).
    Reel Tal() {
        int start = l.pos;
        l.NaesteTegn();
        while (ErTalTegn(l.ch)) l.NaesteTegn();
        std::string tekst;
        if (start >= 1 && start <= l.Laengde())
            tekst = l.linie.substr(static_cast<size_t>(start - 1), static_cast<size_t>(l.pos - start));
        bool talFejl = false;
        Reel v = TekstTilTal(KommaTilPunkt(tekst), talFejl);
        if (talFejl) {
            fejl = true;
            return 0;
        }
        if (l.ch == '*') {
            l.NaesteTegn();
            Reel r = Tal();
            if (fejl) return 0;
            v *= r;
        } else if (l.ch == '/') {
            l.NaesteTegn();
            Reel r = Tal();
            if (fejl) return 0;
            if (r == 0) {
                fejl = true;
                return 0;
            }
            v /= r;
        }
        if (!std::isfinite(v)) fejl = true;
        return v;
    }

    // Positions or decimals: at least one digit; only the first two count.
    int Cifre() {
        if (!ErCiffer(l.ch)) {
            fejl = true;
            return 0;
        }
        int v = 0, antal = 0;
        while (ErCiffer(l.ch)) {
            if (antal < 2) v = v * 10 + (l.ch - '0');
            ++antal;
            l.NaesteTegn();
        }
        return v;
    }

    void Udtryk() {
        // A Fourier column: "fourier(x,y)" up to its first ")".
        if (SmaaBogstaver(l.linie.substr(static_cast<size_t>(l.pos - 1), 7)) == "fourier") {
            auto slut = l.linie.find(')', static_cast<size_t>(l.pos - 1));
            if (slut == std::string::npos) {
                fejl = true;
                return;
            }
            d.Udtryk = l.linie.substr(static_cast<size_t>(l.pos - 1), slut + 2 - static_cast<size_t>(l.pos));
            l.pos = static_cast<int>(slut) + 1;
            l.NaesteTegn();
            return;
        }
        std::string u;
        while (ErUdtrykTegn(l.ch)) {
            u += l.ch;
            l.NaesteTegn();
        }
        if (u.empty()) fejl = true;
        d.Udtryk = u;
    }

    void Enhed() {
        std::string e(1, '[');
        l.NaesteTegn();
        while (l.ch != ']') {
            if (l.pos > l.Laengde()) {
                fejl = true;
                return;
            }
            e += l.ch;
            l.NaesteTegn();
        }
        d.Enhed = e + "]";
        l.NaesteTegn();
    }

    void Laes() {
        l.NaesteTegn();
        Navn();
        if (fejl) return;
        if (l.ch == '=') {
            l.NaesteTegn();
            if (l.ch == '?') {
                d.Art = 0;
                l.NaesteTegn();
            } else {
                d.Art = 1;
                Reel v = Tal();
                if (fejl) return;
                d.VaerdiTekst = FormaterTal(12, 0, v);
            }
        } else if (l.ch == ':') {
            l.NaesteTegn();
            if (l.ch != '=') {
                fejl = true;
                return;
            }
            l.NaesteTegn();
            if (l.ch == '?') {
                d.Art = 2;
                l.NaesteTegn();
            } else {
                d.Art = 3;
                Udtryk();
                if (fejl) return;
                if (l.ch == ':') {
                    l.NaesteTegn();
                    d.Positioner = Cifre();
                    if (fejl) return;
                    if (l.ch == ':') {
                        l.NaesteTegn();
                        d.Decimaler = Cifre();
                        if (fejl) return;
                    }
                }
            }
        } else {
            fejl = true;
            return;
        }
        if (l.ch == '[') Enhed();
        if (fejl) return;
        if (l.ch != SlutTegn || l.pos <= l.Laengde()) fejl = true;
    }
};

TDefinitionsArt ArtAf(int art) {
    switch (art) {
        case 1: return TDefinitionsArt::Tal;
        case 3: return TDefinitionsArt::Udtryk;
        default: return TDefinitionsArt::Inddata;
    }
}

}  // namespace

TDefinition AnalyserDefinition(std::string_view tekst) {
    Fejl = false;
    TDefinitionsLaeser d;
    d.l.linie = std::string(tekst);
    d.Laes();
    if (d.fejl) {
        Fejl = true;
        VisFejl(Lang("Syntaksfejl i pos: " + std::to_string(d.l.pos) + " i variabeludtryk: \n\r" +
                     d.l.linie));
    }
    return d.d;
}

bool ErKonstantVaerdi(std::string_view tekst) {
    // A unit or a second definition would be taken for part of the line.
    if (tekst.find_first_of("[;") != std::string_view::npos) return false;
    TDefinitionsLaeser d;
    d.l.linie = "k=" + FjernMellemrumUdenforCitat(tekst);
    d.Laes();
    return !d.fejl && d.d.Art == 1;
}

void AnalyserTabel(TProjekt& p, int i) {
    Fejl = false;
    if (i < 0 || i > MaksTabeller) return;
    auto& tabel = p.Tabeller[i];
    if (i == 0) tabel.AntalVariable = p.AntalKonstanter;
    tabel.AntalVariable = MinHel(MaxHel(tabel.AntalVariable, 0), MaksVariable);
    tabel.AntalIndgange = MinHel(MaxHel(tabel.AntalIndgange, 0), MaksIndgange);
    if (i > 0) tabel.AntalInddata = 0;

    for (int v = 1; v <= MaksVariable; ++v) {
        auto& var = tabel.Variable[v];
        var.Navn.clear();
        var.Udtryk.clear();
        var.Enhed.clear();
        var.Art = TDefinitionsArt::Inddata;
        var.Positioner = var.Decimaler = 0;
    }
    // The constants' value texts live in column 2, so that table has two
    // columns however it was set up.
    int soejler = (i == 0 ? MaxHel(tabel.AntalIndgange, 1) : tabel.AntalIndgange) + 1;
    tabel.Celler.Opret(tabel.AntalVariable, soejler);
    SaetTabelStoerrelse(tabel);

    int laengsteOverskrift = 0;
    for (int v = 1; v <= tabel.AntalVariable; ++v) {
        auto& var = tabel.Variable[v];
        std::string tekst = FjernMellemrumUdenforCitat(var.Definition);
        TDefinition d = AnalyserDefinition(tekst);
        if (Fejl) return;
        var.Navn = d.Navn;
        var.Enhed = d.Enhed;
        var.Art = ArtAf(d.Art);
        var.Positioner = d.Positioner;
        var.Decimaler = d.Decimaler;
        std::string overskrift = Kort(d.Navn + " " + d.Enhed);
        tabel.Celler.SaetCelle(overskrift, v, 1);
        const std::string udtrykFejl = "Fejl i udtryk \"" + tekst + "\" i tabel: " + std::to_string(i);

        if (i > 0) {
            var.Udtryk = d.Udtryk;
            if (d.Art == 2) {
                if (v != tabel.AntalInddata + 1) {
                    Fejl = true;
                    VisFejl(Lang(udtrykFejl));
                    return;
                }
                tabel.AntalInddata = v;
            } else if (d.Art == 3) {
                if (var.Positioner == 0) {
                    var.Positioner = tabel.TabelBredde;
                    var.Decimaler = 0;
                }
            } else {
                Fejl = true;
                VisFejl(Lang(udtrykFejl));
                return;
            }
        } else {
            laengsteOverskrift = MaxHel(laengsteOverskrift, static_cast<int>(overskrift.size()));
            tabel.Celler.SaetCelle(d.VaerdiTekst, v, 2);
            if (d.Art == 1) {
                bool talFejl = false;
                double x = TekstTilTal(d.VaerdiTekst, talFejl);
                if (talFejl) {
                    Fejl = true;
                    VisFejl(Lang("Fejl i tal \"" + d.VaerdiTekst + "\" i tabel: 0"));
                    return;
                }
                p.KonstantVaerdi[static_cast<size_t>(v)] = x;
            }
        }
    }

    // A long constant header widens the constants' columns while they still fit.
    if (i == 0 && laengsteOverskrift > tabel.TabelBredde &&
        p.AntalKonstanter * (6 * laengsteOverskrift + 2) + 2 < 750)
        tabel.TabelBredde = laengsteOverskrift;
}

}  // namespace plotvik
