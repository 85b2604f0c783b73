// Area sampling, integration, hatching and result lines.
#include "graphs/Areal.h"

#include <cmath>
#include <cstdlib>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"

namespace plotvik {

int AntalArealPunkter(char grafType, int antalMaalinger) {
    const int m = 2 * MaxHel(antalMaalinger, 1) + 1;
    if (grafType == 'P') return MinHel(MaxHel(m, 21), MaksArealPunkter);
    return MinHel(m, 21);
}

int AntalFunktionsArealPunkter(int antalMaalinger) { return MinHel(2 * MaxHel(antalMaalinger, 1) + 1, 21); }

std::optional<std::vector<TPunkt>> ArealPunkter(double a, double b, int m,
                                                const std::function<std::optional<double>(double)>& f) {
    if (m < 2) m = 2;
    std::vector<TPunkt> punkter(m);
    const Reel h = (static_cast<Reel>(b) - a) / (m - 1);
    for (int i = 0; i < m; ++i) {
        double x = i == m - 1 ? b : static_cast<double>(a + i * h);
        std::optional<double> y = f(x);
        if (!y || !std::isfinite(*y)) return std::nullopt;
        punkter[i] = {x, *y};
    }
    return punkter;
}

std::optional<double> SimpsonAreal(std::span<const TPunkt> punkter) {
    if (punkter.size() < 3) return LinieAreal(punkter);
    double areal = static_cast<double>(Simpson(punkter));
    if (!std::isfinite(areal)) return std::nullopt;
    return areal;
}

double LinieAreal(std::span<const TPunkt> punkter) {
    if (punkter.empty()) return 0;
    const TPunkt& f = punkter.front();
    const TPunkt& s = punkter.back();
    return static_cast<double>((static_cast<Reel>(s.x) - f.x) * (static_cast<Reel>(f.y) + s.y) / 2);
}

std::vector<std::string> ArealLinjer(double a, double b, double areal) {
    return {"Arealet under grafen i intervallet ", "[" + Tal10(a) + ";" + Tal10(b) + "] er: " + Tal10(areal)};
}

bool LaesArealGraenser(const std::string& nedre, const std::string& oevre, double& a, double& b) {
    bool f1 = false, f2 = false;
    a = TekstTilTal(nedre, f1);
    b = TekstTilTal(oevre, f2);
    if (f1 || f2) {
        Fejl = true;
        VisFejl("Fejl i tallene for nedre gr\xE6nse eller \xF8vre gr\xE6nse");
        Fejl = false;
        return false;
    }
    if (b < a) Byt(a, b);
    return true;
}

void SkraverAreal(TSkraveringsPen& pen, std::span<const TPunkt> punkter) {
    const int m = static_cast<int>(punkter.size());
    if (m == 0) return;
    pen.FlytTilW(punkter[0].x, 0);
    pen.LinjeTilW(punkter[0].x, punkter[0].y);
    for (int i = 1; i < m - 1; ++i) {
        const TPunkt& s = punkter[i];
        // Far outside the image the dots are not seen; the count stays bounded.
        const int p = MinHel(std::abs(pen.ScaledY(s.y)) / 3, 100000);
        const double skridt = p == 0 ? 0 : s.y / p;
        for (int k = 1; k <= p; k += 2) pen.SortPixelW(s.x, k * skridt);
    }
    if (m > 1) {
        pen.FlytTilW(punkter[m - 1].x, 0);
        pen.LinjeTilW(punkter[m - 1].x, punkter[m - 1].y);
    }
}

void SkraverArealLogY(TArkAfbildning& af, std::span<const TPunkt> punkter) {
    // A logarithmic y axis has no zero: the hatching stands on the lower edge of the graph.
    const int m = static_cast<int>(punkter.size());
    const int bund = af.Afbildning().Top + af.Afbildning().Hoejde;
    const double grund = af.VerdenY(bund);
    for (int i = 0; i < m; ++i) {
        const TPunkt& s = punkter[i];
        if (af.Udenfor(s.x, s.y)) continue;
        if (i == 0 || i == m - 1) {
            af.FlytTilW(s.x, grund);
            af.LinjeTilW(s.x, s.y);
            continue;
        }
        const int top = af.PixelY(s.y);
        for (int py = bund - 3; py > top && bund - py <= 300000; py -= 6) af.SortPixelW(s.x, af.VerdenY(py));
    }
}

namespace {

// The graph named in the dialog, when it is defined and drawn on the sheet
// shown; its sheet, or 0.
int AccepteretArk(TProjekt& p, const TArealValg& valg, int vistArk) {
    if (valg.TabelNo < 1 || valg.TabelNo > MaksTabeller || valg.GrafNo < 1 || valg.GrafNo > MaksGrafer) return 0;
    p.AktivTabel = valg.TabelNo;
    p.AktivGraf = valg.GrafNo;
    const TTabelDef& t = p.Tabeller[valg.TabelNo];
    if (valg.GrafNo > t.AntalGrafer) return 0;
    const int s = t.Grafer[valg.GrafNo].GrafArkNo;
    return s >= 1 && s <= 3 && s == vistArk ? s : 0;
}

void SkraverOgList(TGrafArkene& arkene, TTegneTilstand& tt, int s, const std::vector<TPunkt>& punkter,
                   double a, double b, double areal) {
    TGrafArk& ark = arkene.Ark[s];
    Laerred& billede = ArkLaerred(ark);
    TArkAfbildning af(tt.Grafik, billede, s);
    if (af.Gyldig()) {
        billede.SaetPenFarve(Sort);
        billede.SaetPenBredde(1);
        billede.SaetPenTilstand(TPenTilstand::Kopier);
        if (af.LogY())
            SkraverArealLogY(af, punkter);
        else
            SkraverAreal(af, punkter);
    }
    for (auto& l : ArealLinjer(a, b, areal)) ark.Resultater.push_back(l);
}

}  // namespace

void ArealUnderGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt,
                    const TArealValg& valg, int vistArk) {
    double a = 0, b = 0;
    if (!LaesArealGraenser(valg.Nedre, valg.Oevre, a, b)) return;
    const int s = AccepteretArk(p, valg, vistArk);
    if (s == 0) {
        VisFejl("Forkert Tabel eller forkert Grafark\n\rV\xE6lg tabellen til denne graf,ved at trykke p\xE5 beregn");
        Fejl = false;
        return;
    }
    vt.ArealNedre = a;
    vt.ArealOevre = b;
    vt.VaerktoejAktiv = vt.Areal = true;
    tt.Grafik.SelectWindow(s);
    TVaerktoejForespoergsel f;
    f.Art = TVaerktoejArt::Areal;
    try {
        TTegnetFit fit = TegnTabelGraf(p, arkene, tt, p.AktivTabel, p.AktivGraf, &f);
        if (fit.Svarer) {
            const int m = AntalArealPunkter(fit.GrafType, fit.n);
            std::function<std::optional<double>(double)> kurve;
            switch (fit.GrafType) {
                case 'P':
                    kurve = [&fit](double x) -> std::optional<double> {
                        return PolynomiumsVaerdi(fit.Koefficienter, x);
                    };
                    break;
                case 'R':
                    kurve = [&fit](double x) -> std::optional<double> { return fit.Linie.b * x + fit.Linie.a; };
                    break;
                case 'S':
                case 'B':
                    kurve = [&tt](double x) { return KurveVaerdi(tt.KurvePunkter, x); };
                    break;
                case EksponentielType:
                case PotensType:
                    kurve = [&fit](double x) -> std::optional<double> {
                        return LogRegressionsVaerdi(fit.LogRegression, x);
                    };
                    break;
                default: break;
            }
            if (kurve) {
                // A sample outside a sampled curve has been reported; no area then.
                auto punkter = ArealPunkter(a, b, m, kurve);
                std::optional<double> areal;
                if (punkter) areal = fit.GrafType == 'R' ? LinieAreal(*punkter) : SimpsonAreal(*punkter);
                // The fitted exponential or power curve has its area in closed form.
                if (punkter && ErLogRegression(fit.GrafType)) areal = LogRegressionsAreal(fit.LogRegression, a, b);
                if (areal && std::isfinite(*areal)) SkraverOgList(arkene, tt, s, *punkter, a, b, *areal);
            }
        }
    } catch (const std::exception& e) {
        Flade().Fejlboks(e.what());
    }
    vt.VaerktoejAktiv = vt.Areal = false;
    Fejl = false;
}

void ArealUnderFunktion(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt,
                        const TArealValg& valg, int vistArk) {
    double a = 0, b = 0;
    if (!LaesArealGraenser(valg.Nedre, valg.Oevre, a, b)) return;
    const int s = AccepteretArk(p, valg, vistArk);
    if (s == 0) {
        VisFejl(
            "Forkert aktiv tabel eller forkert grafark\n\r"
            "V\xE6lg f\xF8rst tabellen til denne graf, ved at trykke p\xE5 beregn.\n\r"
            "Skift dern\xE6st til grafarket");
        Fejl = false;
        return;
    }
    vt.ArealNedre = a;
    vt.ArealOevre = b;
    const std::string f = arkene.Funktioner[p.AktivTabel][s].Funktion;
    if (f.empty()) {
        Flade().Informationsboks("Der er ingen funktion til den aktive tabel p\xE5 dette grafark");
        return;
    }
    tt.Grafik.SelectWindow(s);
    const int m = AntalFunktionsArealPunkter(p.Tabeller[p.AktivTabel].AntalIndgange);
    Fejl = false;
    auto punkter = ArealPunkter(a, b, m, [&f](double x) -> std::optional<double> {
        double y = FunktionsVaerdi(f, x);
        if (Fejl) return std::nullopt;
        return y;
    });
    Fejl = false;
    if (!punkter) return;
    auto areal = SimpsonAreal(*punkter);
    if (!areal) return;
    SkraverOgList(arkene, tt, s, *punkter, a, b, *areal);
}

}  // namespace plotvik
