// "Tilpas grænser", the limits after a zoom and the word when nothing shows
// (see GraenseTilpasning.h).
#include "graphs/GraenseTilpasning.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "graphs/Fourier.h"
#include "graphs/FunktionsTegning.h"

namespace plotvik {

const char* const TilpasHenvisning = " - tryk p\xE5 \"Tilpas gr\xE6nser\"";
const char* const IntetAtTilpasse = "Der er ingen punkter at tilpasse gr\xE6nserne til";

namespace {

constexpr int MaksPunkter = 1023;  // as many as "Tegn graf" draws

// k * 10^e as the double nearest to that decimal number: a negative power is
// divided by, since 10^-e is exact in a double and 0.1 is not.
double Multiplum(double k, int e) {
    return e >= 0 ? k * double(IntPotens(10, e)) : k / double(IntPotens(10, -e));
}

int Eksponent(double trin) { return int(std::lround(std::log10(trin))); }

// The largest multiple of 10^e at or below v, and the smallest at or above;
// the quotient may land a hair beside a whole number, so the neighbour is tried.
double NedTil(double v, int e) {
    double k = std::floor(Multiplum(v, -e));
    if (Multiplum(k + 1, e) <= v) k += 1;
    if (Multiplum(k, e) > v) k -= 1;
    return Multiplum(k, e);
}
double OpTil(double v, int e) {
    double k = std::ceil(Multiplum(v, -e));
    if (Multiplum(k - 1, e) >= v) k -= 1;
    if (Multiplum(k, e) < v) k += 1;
    return Multiplum(k, e);
}

double Afrund(double v, int e) { return Multiplum(std::nearbyint(Multiplum(v, -e)), e); }

// An interval's ends rounded to a ten-thousandth of its width.
std::optional<TInterval> Afrundet(double a, double b) {
    if (a > b) std::swap(a, b);
    const double bredde = b - a;
    if (!(bredde > 0) || !std::isfinite(bredde)) return std::nullopt;
    const int e = int(std::floor(std::log10(bredde))) - 4;
    const TInterval iv{Afrund(a, e), Afrund(b, e)};
    if (!(iv.Oevre > iv.Nedre)) return std::nullopt;
    return iv;
}

bool Endelig(const TPunkt& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A pen that only remembers where the function would be drawn.
class TOpsamlendePen : public TVerdensPen {
public:
    std::vector<TPunkt> Punkter;
    void FlytTilW(double x, double y) override { Punkter.push_back({x, y}); }
    void LinjeTilW(double x, double y) override { Punkter.push_back({x, y}); }
};

int GrafPaaArket(const TProjekt& p, int t, int s) {
    int k = 0;
    if (t < 1 || t > MaksTabeller) return 0;
    const TTabelDef& tabel = p.Tabeller[t];
    for (int g = 1; g <= tabel.AntalGrafer && g <= MaksGrafer; ++g)
        if (tabel.Grafer[g].GrafArkNo == s) k = g;  // the highest wins, as with "Tegn graf"
    return k;
}

// The points the graph of the sheet's fields would show; false after an
// evaluation error (the evaluator has shown its message).
bool GrafensPunkter(const TProjekt& p, int t, const std::string& xUdtryk, const std::string& yUdtryk,
                    std::vector<TPunkt>& punkter) {
    const TTabelDef& tabel = p.Tabeller[t];
    if (SmaaBogstaver(xUdtryk).find("fourier") != std::string::npos) {
        // The spectrum of the coefficients computed by the last pass of this table.
        const TFourierKoefficienter& c = FourierKoefficienter();
        if (!c.Gyldig || c.Tabel != t) return true;
        for (int i = 0; i <= c.K && i < MaksFourierKoefficienter; ++i) {
            punkter.push_back({double(i), c.a[i]});
            punkter.push_back({double(i), std::sqrt(c.a[i] * c.a[i] + c.b[i] * c.b[i])});
            if (i > 0) punkter.push_back({double(i), c.b[i]});
        }
        return true;
    }
    const int n = std::min(tabel.AntalIndgange, MaksPunkter);
    Fejl = false;
    for (int i = 1; i <= n; ++i) {
        const double x = VariabelUdtryk(p, xUdtryk, t, tabel.AntalVariable + 1, i);
        if (Fejl) break;
        const double y = VariabelUdtryk(p, yUdtryk, t, tabel.AntalVariable + 1, i);
        if (Fejl) break;
        punkter.push_back({x, y});
    }
    if (Fejl) {
        Fejl = false;
        return false;
    }
    return true;
}

}  // namespace

std::optional<TInterval> PaentInterval(double lav, double hoej) {
    if (!std::isfinite(lav) || !std::isfinite(hoej)) return std::nullopt;
    if (lav > hoej) std::swap(lav, hoej);
    if (lav == hoej) {
        // One value: from the origin to twice the value, so it sits in the middle.
        if (lav == 0) {
            lav = -1;
            hoej = 1;
        } else if (lav > 0) {
            lav = 0;
            hoej *= 2;
        } else {
            lav *= 2;
            hoej = 0;
        }
    }
    const double bredde = hoej - lav;
    if (!std::isfinite(bredde)) return std::nullopt;
    if (lav > 0 && lav <= bredde / 5)
        lav = 0;
    else if (hoej < 0 && -hoej <= bredde / 5)
        hoej = 0;
    // The step depends on the ends it produces; rounding outwards never moves
    // the largest end past the next power of ten, but the sheet's own rule
    // decides, so it is asked again until the ends agree with it.
    double trin = TickStep(lav, hoej);
    TInterval iv{lav, hoej};
    for (int forsoeg = 0; forsoeg < 4; ++forsoeg) {
        const int e = Eksponent(trin);
        iv = {NedTil(lav, e), OpTil(hoej, e)};
        if (!std::isfinite(iv.Nedre) || !std::isfinite(iv.Oevre)) return std::nullopt;
        const double nyt = TickStep(iv.Nedre, iv.Oevre);
        if (nyt == trin) break;
        trin = nyt;
    }
    if (!(iv.Oevre > iv.Nedre) || !std::isfinite(1.2 * (iv.Oevre - iv.Nedre))) return std::nullopt;
    return iv;
}

std::optional<TGraenser> TilpassedeGraenser(std::span<const TPunkt> punkter) {
    bool nogen = false;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (const TPunkt& p : punkter) {
        if (!Endelig(p)) continue;
        if (!nogen) {
            x1 = x2 = p.x;
            y1 = y2 = p.y;
            nogen = true;
            continue;
        }
        x1 = std::min(x1, p.x);
        x2 = std::max(x2, p.x);
        y1 = std::min(y1, p.y);
        y2 = std::max(y2, p.y);
    }
    if (!nogen) return std::nullopt;
    const auto x = PaentInterval(x1, x2), y = PaentInterval(y1, y2);
    if (!x || !y) return std::nullopt;
    return TGraenser{x->Nedre, x->Oevre, y->Nedre, y->Oevre};
}

std::vector<TPunkt> FunktionsPunkter(const std::string& f, const std::string& dm, int antal, double xmin,
                                     double xmax) {
    TOpsamlendePen pen;
    if (HeleXAksen(dm))
        TegnFunktionInterval(pen, f, antal, xmin, xmax);
    else
        TegnFunktionDm(pen, f, dm, antal, xmin, xmax);
    Fejl = false;
    return pen.Punkter;
}

std::string GraenseTekst(double v) {
    if (v == 0) return "0";  // also for -0
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

TGraenser ZoomOmPunkt(const TGraenser& g, double x, double y, double faktor) {
    const auto xs = Afrundet(x - (x - g.XMin) * faktor, x + (g.XMax - x) * faktor);
    const auto ys = Afrundet(y - (y - g.YMin) * faktor, y + (g.YMax - y) * faktor);
    if (!xs || !ys || !std::isfinite(1.2 * (xs->Oevre - xs->Nedre)) ||
        !std::isfinite(1.2 * (ys->Oevre - ys->Nedre)))
        return g;
    return TGraenser{xs->Nedre, xs->Oevre, ys->Nedre, ys->Oevre};
}

std::optional<TGraenser> ZoomTilRektangel(double x1, double y1, double x2, double y2) {
    const auto xs = Afrundet(x1, x2), ys = Afrundet(y1, y2);
    if (!xs || !ys) return std::nullopt;
    return TGraenser{xs->Nedre, xs->Oevre, ys->Nedre, ys->Oevre};
}

std::optional<TGraenser> VisteGraenser(const TBilledGrafik& g, int s) {
    if (s < 1 || s > 3) return std::nullopt;
    const TVindue& v = g.WindowEntry(s);
    if (!(v.XMax > v.XMin) || !(v.YMax > v.YMin)) return std::nullopt;
    // The window is the limits widened by a tenth of their range on each side.
    const double mx = (v.XMax - v.XMin) / 12, my = (v.YMax - v.YMin) / 12;
    return TGraenser{v.XMin + mx, v.XMax - mx, v.YMin + my, v.YMax - my};
}

void SkrivGraenser(TGrafArk& ark, const TGraenser& g) {
    ark.XMinTekst = GraenseTekst(g.XMin);
    ark.XMaxTekst = GraenseTekst(g.XMax);
    ark.YMinTekst = GraenseTekst(g.YMin);
    ark.YMaxTekst = GraenseTekst(g.YMax);
}

void TilpasGraenserKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int s) {
    if (s < 1 || s > 3) return;
    const int t = p.AktivTabel;
    const int k = GrafPaaArket(p, t, s);
    if (k == 0) {
        TegnGrafKnap(p, arkene, tt, s);  // says there is no graph, as "Tegn graf" does
        return;
    }
    TGrafArk& ark = arkene.Ark[s];
    std::vector<TPunkt> punkter;
    if (!GrafensPunkter(p, t, Lang(ark.XAkse), Lang(ark.YAkse), punkter)) return;
    std::optional<TGraenser> g = TilpassedeGraenser(punkter);

    const TFunktionPaaArk& fn = arkene.Funktioner[t][s];
    if (!fn.Funktion.empty()) {
        // The function over the new x range (over the sheet's own when there
        // are no points), so that its curve fits as well.
        double xmin = 0, xmax = 0;
        if (g) {
            xmin = g->XMin;
            xmax = g->XMax;
        } else {
            bool f1 = false, f2 = false;
            xmin = TekstTilTal(ark.XMinTekst, f1);
            xmax = TekstTilTal(ark.XMaxTekst, f2);
            Fejl = false;
            if (f1 || f2 || !(xmax > xmin)) xmin = xmax = 0;
        }
        if (xmax > xmin) {
            int antal = 50;
            TGrafArk kopi = ark;
            try {
                antal = LaesOploesning(kopi);
            } catch (const TGrafFejl&) {
                // "Tegn graf" reports a bad resolution below.
            }
            std::vector<TPunkt> alle = punkter;
            for (const TPunkt& pk : FunktionsPunkter(fn.Funktion, fn.Definitionsmaengde, antal, xmin, xmax))
                alle.push_back(pk);
            // y from the points and the curve together; x stays that of the points.
            if (auto mf = TilpassedeGraenser(alle)) {
                mf->XMin = xmin;
                mf->XMax = xmax;
                g = mf;
            }
        }
    }
    if (!g) {
        Flade().Informationsboks(IntetAtTilpasse);
        return;
    }
    SkrivGraenser(ark, *g);
    TegnGrafKnap(p, arkene, tt, s);
}

std::string PunkterUdenforLinje(int synlige, int alle) {
    const std::string n = std::to_string(alle);
    if (alle == 1) return std::string("Punktet ligger uden for gr\xE6nserne") + TilpasHenvisning;
    if (synlige <= 0) return "Ingen af de " + n + " punkter ligger inden for gr\xE6nserne" + TilpasHenvisning;
    return "Kun " + std::to_string(synlige) + " af de " + n + " punkter ligger inden for gr\xE6nserne" +
           TilpasHenvisning;
}

void FjernPunkterUdenfor(TGrafArk& ark) {
    const std::string slut(TilpasHenvisning);
    std::erase_if(ark.Resultater, [&slut](const std::string& l) { return l.ends_with(slut); });
}

void MeldPunkterUdenfor(TGrafArk& ark, const TTegneTilstand& tt, int s) {
    if (tt.Punkter.empty() || s < 1 || s > 3) return;
    FjernPunkterUdenfor(ark);
    const TVindue& v = tt.Grafik.WindowEntry(s);
    int synlige = 0;
    for (const TPunkt& p : tt.Punkter) {
        // The window of a logarithmic axis is in decades.
        const double x = AkseMaal(v.LogX, p.x), y = AkseMaal(v.LogY, p.y);
        if (x >= v.XMin && x <= v.XMax && y >= v.YMin && y <= v.YMax) ++synlige;
    }
    const int alle = int(tt.Punkter.size());
    // One lone marker (often the origin, hidden where the axes cross) shows nothing of the data.
    if (synlige < alle && synlige <= 1) ark.Resultater.push_back(PunkterUdenforLinje(synlige, alle));
}

}  // namespace plotvik
