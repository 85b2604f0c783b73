// The "Tegn graf" pass: choose the graph, evaluate its expressions over the
// measurements, sort, prepare the sheet, mark the points and draw and list
// the fit. Also the answering mode used by the graph tools (GrafTegning.h).
#include "graphs/GrafTegning.h"

#include <cmath>
#include <string>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "graphs/FitRutiner.h"
#include "graphs/GraenseTilpasning.h"
#include "graphs/LogAkser.h"
#include "graphs/ModelFitTegning.h"
#include "graphs/Rastrering.h"
#include "graphs/Residualer.h"
#include "graphs/Statistik.h"
#include "graphs/Usikkerhed.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

const char* const RegressionsFejl =
    "Regressionslinien kan ikke beregnes, da alle x-v\xE6rdier er ens";
const char* const SplineFejl =
    "Spline fit kan ikke beregnes, da flere m\xE5linger har samme x-v\xE6rdi";
const char* const ForMangePunkter = "Kun de f\xF8rste 1023 m\xE5linger kan vises i grafen";

namespace {

constexpr int MaksPunkter = 1023;
constexpr int MaksOploesning = 1024;

// Stands in for a sheet without an image: the pass still computes and lists.
class TNulLaerred : public TLaerredMedPen {
public:
    int Bredde() const override { return 0; }
    int Hoejde() const override { return 0; }
    void SaetSkrift(const std::string&, int, int) override {}
    void FlytTil(int, int) override {}
    void LinjeTil(int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void FyldRektangel(int, int, int, int, TFarve) override {}
    void SaetPixel(int, int, TFarve) override {}
    TFarve HentPixel(int, int) const override { return Hvid; }
    void SkrivTekst(int, int, const std::string&) override {}
    int TekstBredde(const std::string&) const override { return 0; }
    int TekstHoejde(const std::string&) const override { return 0; }
};

std::string Tal(double x) { return FormaterTal(10, 0, x); }

bool Indeholder(const std::string& tekst, const char* ord) {
    return SmaaBogstaver(tekst).find(ord) != std::string::npos;
}

bool GyldigGraf(const TProjekt& p, int t, int k) {
    return t >= 1 && t <= MaksTabeller && k >= 1 && k <= MaksGrafer &&
           p.Tabeller[t].Grafer[k].GrafArkNo >= 1 && p.Tabeller[t].Grafer[k].GrafArkNo <= 3;
}

void TjekGraf(const TProjekt& p, int t, int k) {
    if (!GyldigGraf(p, t, k))
        throw TGrafFejl("Graf " + std::to_string(k) + " i tabel " + std::to_string(t) +
                        " har intet gyldigt grafark");
}

void TegnMarkoerer(TBilledGrafik& g, Laerred& l, char type, std::span<const TPunkt> punkter) {
    for (const TPunkt& p : punkter) {
        switch (type) {
            case 'P': g.PutPixelW(l, Sort, p.x, p.y); break;
            case 'C': g.TegnCirkel(l, p.x, p.y); break;
            case 'R': g.TegnRuder(l, p.x, p.y); break;
            default: g.TegnKryds(l, p.x, p.y); break;
        }
    }
}

void TegnPolynomium(TBilledGrafik& g, Laerred& l, std::span<const double> c, const TGrafDef& graf,
                    int N) {
    const double skridt = (graf.XMax - graf.XMin) / N;
    g.MoveToW(l, graf.XMin, PolynomiumsVaerdi(c, graf.XMin));
    for (int i = 1; i <= N; ++i) {
        const double x = graf.XMin + i * skridt;
        g.LineToW(l, x, PolynomiumsVaerdi(c, x));
    }
}

void TegnKurve(TBilledGrafik& g, Laerred& l, const std::vector<TPunkt>& kurve) {
    if (kurve.empty()) return;
    g.MoveToW(l, kurve.front().x, kurve.front().y);
    for (std::size_t i = 1; i < kurve.size(); ++i) g.LineToW(l, kurve[i].x, kurve[i].y);
}

}  // namespace

Laerred& ArkLaerred(TGrafArk& ark) {
    static TNulLaerred ingen;
    return ark.Billede ? *ark.Billede : ingen;
}

char PunktType(const TGrafArk& ark) {
    switch (ark.PunktType) {
        case TPunktType::Punkt: return 'P';
        case TPunktType::Cirkel: return 'C';
        case TPunktType::Ruder: return 'R';
        default: return 'K';
    }
}

int LaesOploesning(TGrafArk& ark) {
    const std::string& tekst = ark.AntalGrafPunkter;
    std::size_t i = 0, slut = tekst.size();
    while (i < slut && tekst[i] == ' ') ++i;
    while (slut > i && tekst[slut - 1] == ' ') --slut;
    bool negativ = false;
    if (i < slut && (tekst[i] == '+' || tekst[i] == '-')) negativ = tekst[i++] == '-';
    if (i == slut) throw TGrafFejl("'" + tekst + "' er ikke et gyldigt heltal");
    long long v = 0;
    for (; i < slut; ++i) {
        if (tekst[i] < '0' || tekst[i] > '9') throw TGrafFejl("'" + tekst + "' er ikke et gyldigt heltal");
        if (v <= MaksOploesning) v = v * 10 + (tekst[i] - '0');
    }
    if (negativ) v = -v;
    if (v > MaksOploesning) {
        ark.AntalGrafPunkter = std::to_string(MaksOploesning);
        return MaksOploesning;
    }
    if (v < 2) throw TGrafFejl("Graf Opl\xF8sning skal v\xE6re mindst 2");
    return int(v);
}

double TickStep(double a, double b) {
    const double M = MaxReel(std::fabs(b), std::fabs(a));
    const int e = int(std::ceil(std::log(M) / std::log(10.0))) - 1;
    // A negative power as 1 / 10^|e|: repeated multiplication by 0.1 lands a
    // hair off (0.01 slightly too large), and xmax / step then loses its last tick.
    return e >= 0 ? double(IntPotens(10, e)) : 1.0 / double(IntPotens(10, -e));
}

void OpsaetKoordinatsystem(TBilledGrafik& g, Laerred& billede, int s, const std::string& xTitel,
                           const std::string& yTitel, double xmin, double ymin, double xmax,
                           double ymax) {
    // Equal or reversed limits would leave no scale (and no tick step for two zeros).
    const auto tjek = [](double lav, double hoej, const char* akse) {
        const std::string a(akse);
        if (!(lav < hoej))
            throw TGrafFejl("Ugyldige gr\xE6nser for " + a + "-aksen: " + a + "-min skal v\xE6re mindre end " +
                            a + "-max");
        if (!std::isfinite(1.2 * (hoej - lav)))
            throw TGrafFejl("Gr\xE6nserne for " + a + "-aksen er for store");
    };
    tjek(xmin, xmax, "x");
    tjek(ymin, ymax, "y");
    const double xr = xmax - xmin, yr = ymax - ymin;
    g.SetWindow(s, xmin - 0.1 * xr, ymin - 0.1 * yr, xmax + 0.1 * xr, ymax + 0.1 * yr);
    const double xStep = TickStep(xmin, xmax), yStep = TickStep(ymin, ymax);
    g.SetViewPort(s, 0, 0, billede.Bredde() - 1, billede.Hoejde() - 1, Hvid);
    g.SelectWindow(s);
    g.SelectViewPort(billede, s);
    billede.SaetPenselFarve(Hvid);
    billede.SaetPenFarve(Sort);
    g.TegnAkser(billede, xTitel, yTitel, xmin, xmax, ymin, ymax, xStep, yStep, Sort);
}

void ForberedArk(const TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                 bool vaerktoejVenter) {
    TjekGraf(p, t, k);
    const TGrafDef& graf = p.Tabeller[t].Grafer[k];
    const int s = graf.GrafArkNo;
    TGrafArk& ark = arkene.Ark[s];
    ark.BeholdGrafAktiv = true;
    if (ark.BeholdGraf || vaerktoejVenter) {
        tt.Grafik.SelectWindow(s);
        return;
    }
    Laerred& l = ArkLaerred(ark);
    if (graf.LogX || graf.LogY || ark.Residualer) {
        OpsaetArkMedLogAkser(tt.Grafik, l, s, graf, ark.Residualer);
        return;
    }
    tt.Grafik.ClearViewPort(l, s);
    OpsaetKoordinatsystem(tt.Grafik, l, s, Kort(graf.XGraf), Kort(graf.YGraf), graf.XMin,
                          graf.YMin, graf.XMax, graf.YMax);
}

TTegnetFit TegnPunkterOgFit(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                              std::span<const TPunkt> punkter,
                              const TVaerktoejForespoergsel* vaerktoej) {
    TjekGraf(p, t, k);
    const TGrafDef& graf = p.Tabeller[t].Grafer[k];
    const int s = graf.GrafArkNo;
    TGrafArk& ark = arkene.Ark[s];
    Laerred& l = ArkLaerred(ark);
    TBilledGrafik& g = tt.Grafik;

    TTegnetFit res;
    res.Tabel = t;
    res.Graf = k;
    res.Ark = s;
    res.GrafType = graf.GrafType;
    res.n = int(punkter.size());
    res.XMin = graf.XMin;
    res.XMax = graf.XMax;
    res.XGraf = graf.XGraf;
    res.YGraf = graf.YGraf;
    res.N = LaesOploesning(ark);
    tt.Fit = res;
    const int n = res.n, N = res.N;

    if (!vaerktoej) TegnMarkoerer(g, l, PunktType(ark), punkter);
    // The uncertainties belong to the pass's own points only.
    const bool egne = punkter.data() == tt.Punkter.data();
    const std::span<const double> ux =
        egne && tt.UsikkerhedX.size() == punkter.size() ? std::span<const double>(tt.UsikkerhedX) : std::span<const double>();
    const std::span<const double> uy =
        egne && tt.UsikkerhedY.size() == punkter.size() ? std::span<const double>(tt.UsikkerhedY) : std::span<const double>();
    if (!vaerktoej && (ark.FejlstaengerX || ark.FejlstaengerY))
        TegnFejlstaenger(g, l, punkter, ark.FejlstaengerX ? ux : std::span<const double>(),
                         ark.FejlstaengerY ? uy : std::span<const double>());
    if (ark.TegnKunPunkter) return res;
    const bool vaegtet = !uy.empty();
    if (vaegtet && !tt.VaegtFejl.empty() &&
        (graf.GrafType == 'R' || graf.GrafType == 'P' || graf.GrafType == 'M')) {
        // No fit rather than one that silently leaves a point out.
        Flade().Fejlboks(tt.VaegtFejl);
        tt.Fit = res;
        return res;
    }

    const bool statistik = p.Tabeller[t].Statistik[s];
    switch (graf.GrafType) {
        case 'F': {
            l.SaetPenBredde(3);
            for (const TPunkt& pk : punkter) {
                g.MoveToW(l, pk.x, 0);
                g.LineToW(l, pk.x, pk.y);
            }
            l.SaetPenBredde(1);
            break;
        }
        case 'P': {
            if (graf.PolGrad < 0 || graf.PolGrad >= n) break;
            TFitResultat vf;
            if (vaegtet) {
                vf = VaegtetPolynomiumsFit(punkter, uy, MinHel(graf.PolGrad, 10));
                if (!vf.Ok) {
                    Flade().Fejlboks(vf.Besked);
                    break;
                }
                res.Koefficienter.clear();
                for (const TParameter& c : vf.Parametre) res.Koefficienter.push_back(c.Vaerdi);
            } else {
                res.Koefficienter = PolynomiumsFit(punkter, graf.PolGrad);
            }
            res.Beregnet = true;
            if (vaerktoej) {
                res.Svarer = true;
                break;
            }
            TegnPolynomium(g, l, res.Koefficienter, graf, N);
            if (!ark.BeholdGraf) ark.Resultater.clear();
            ark.Resultater.push_back("Polynomiums Koefficienter");
            // Degrees above 10 are fitted with degree 10; only existing coefficients are listed.
            for (std::size_t i = 0; i < res.Koefficienter.size(); ++i)
                ark.Resultater.push_back("P[" + std::to_string(i) + "]=" + Tal(res.Koefficienter[i]));
            ListPolynomiumsStatistik(ark.Resultater, statistik, punkter, res.Koefficienter,
                                     graf.PolGrad);
            if (vaegtet) ListPolynomiumsUsikkerhed(ark.Resultater, punkter, uy, graf.PolGrad, ark.XAkse, ark.YAkse);
            else ListPolynomiumsUsikkerhed(ark.Resultater, statistik, punkter, graf.PolGrad, ark.XAkse, ark.YAkse);
            break;
        }
        case 'R': {
            bool fejl = false;
            TLinie linie{};
            if (vaegtet) {
                const TFitResultat vf = VaegtetLinRegression(punkter, uy);
                fejl = !vf.Ok;
                if (vf.Ok) linie = {vf.Parametre[1].Vaerdi, vf.Parametre[0].Vaerdi};
            } else {
                linie = LinRegression(punkter, fejl);
            }
            if (fejl) {
                Flade().Fejlboks(RegressionsFejl);
                break;
            }
            res.Linie = linie;
            res.Beregnet = true;
            if (vaerktoej) {
                res.Svarer = true;
                break;
            }
            if (graf.LogX || graf.LogY) {
                // A straight line is a curve on a logarithmic axis.
                TegnKurveOver(g, l, [linie](double x) { return linie.b * x + linie.a; }, graf.XMin, 1.2 * graf.XMax, N);
            } else {
                g.MoveToW(l, graf.XMin, linie.b * graf.XMin + linie.a);
                g.LineToW(l, 1.2 * graf.XMax, linie.b * 1.2 * graf.XMax + linie.a);
            }
            if (!ark.BeholdGraf) ark.Resultater.clear();
            ark.Resultater.push_back("Regressionslinie:");
            ark.Resultater.push_back(ark.YAkse + " = " + Tal(linie.b) + "*" + ark.XAkse +
                                     (linie.a >= 0 ? " + " : " ") + Tal(linie.a));
            if (!vaerktoej) {
                ListRegressionsStatistik(ark.Resultater, statistik, punkter, linie);
                if (vaegtet) ListRegressionsUsikkerhed(ark.Resultater, punkter, uy, ark.XAkse, ark.YAkse);
                else ListRegressionsUsikkerhed(ark.Resultater, statistik, punkter, ark.XAkse, ark.YAkse);
            }
            break;
        }
        case EksponentielType:
        case PotensType: {
            res.LogRegression = LogRegression(graf.GrafType, punkter);
            res.Beregnet = res.LogRegression.Ok;
            if (vaerktoej) {
                res.Svarer = res.Beregnet;
                break;
            }
            const TLogRegression& f = res.LogRegression;
            if (res.Beregnet)
                TegnKurveOver(g, l, [&f](double x) { return LogRegressionsVaerdi(f, x); }, graf.XMin, graf.XMax, N);
            if (!ark.BeholdGraf) ark.Resultater.clear();
            for (std::string& linje : LogRegressionsLinjer(f, ark.XAkse, ark.YAkse, statistik))
                ark.Resultater.push_back(std::move(linje));
            if (!res.Beregnet) Flade().Fejlboks(f.Besked);
            break;
        }
        case 'M': {
            // The model fit answers no tool: it draws and lists as without one.
            res.Beregnet = TegnModelFit(p, graf, ark, g, l, punkter, N, uy).Ok;
            break;
        }
        case 'S':
        case 'B': {
            if (n <= 2) break;
            if (punkter.data() != tt.KontrolPunkter.data())
                tt.KontrolPunkter.assign(punkter.begin(), punkter.end());
            if (graf.GrafType == 'S') {
                tt.KurvePunkter = SplineKoefficienter(punkter, punkter.front().x, punkter.back().x, N);
                if (tt.KurvePunkter.empty()) {
                    Flade().Fejlboks(SplineFejl);
                    break;
                }
            } else {
                tt.KurvePunkter = BezierKurve(punkter, N);
            }
            res.Beregnet = true;
            if (vaerktoej) {
                res.Svarer = true;
                break;
            }
            TegnKurve(g, l, tt.KurvePunkter);
            break;
        }
        default: break;
    }
    if (ark.Residualer && !vaerktoej && res.Beregnet) {
        std::function<double(double)> f;
        if (graf.GrafType == 'R') f = [&res](double x) { return res.Linie.b * x + res.Linie.a; };
        if (graf.GrafType == 'P') f = [&res](double x) { return PolynomiumsVaerdi(res.Koefficienter, x); };
        if (ErLogRegression(graf.GrafType)) f = [&res](double x) { return LogRegressionsVaerdi(res.LogRegression, x); };
        if (f) {
            res.Residualer = Residualer(punkter, f);
            TegnResidualPlot(g, l, s, res.Residualer);
        }
    }
    tt.Fit = res;
    return res;
}

TTegnetFit TegnTabelGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k,
                           const TVaerktoejForespoergsel* vaerktoej) {
    TjekGraf(p, t, k);
    Fejl = false;  // a fault left over from before would stop the evaluation at once
    TTabelDef& tabel = p.Tabeller[t];
    const TGrafDef& graf = tabel.Grafer[k];
    tt.Punkter.clear();
    tt.UsikkerhedX.clear();
    tt.UsikkerhedY.clear();
    tt.VaegtFejl.clear();

    tt.FourierTabel[t] = false;
    for (int v = tabel.AntalInddata + 1; v <= tabel.AntalVariable && v <= MaksVariable; ++v) {
        if (SmaaBogstaver(tabel.Variable[v].Udtryk).rfind("fourier", 0) == 0) {
            tt.FourierTabel[t] = true;
            if (tt.BeregnFourier) tt.BeregnFourier(p, t, v);
        }
    }

    const bool fourierGraf = Indeholder(graf.XGraf, "fourier");
    if (!fourierGraf) {
        int n = tabel.AntalIndgange;
        if (n > MaksPunkter) {
            n = MaksPunkter;
            if (!vaerktoej) Flade().Informationsboks(ForMangePunkter);
        }
        std::vector<double> X(MaksPunkter + 1, 0.0), Y(MaksPunkter + 1, 0.0);
        for (int i = 1; i <= n && !Fejl; ++i) {
            X[i] = VariabelUdtryk(p, graf.XGraf, t, tabel.AntalVariable + 1, i);
            if (!Fejl) Y[i] = VariabelUdtryk(p, graf.YGraf, t, tabel.AntalVariable + 1, i);
        }
        if (Fejl) {
            Fejl = false;
            tt.Fit = TTegnetFit{};
            return tt.Fit;
        }
        // A point a logarithmic axis or the regression's logarithm cannot
        // take stops the pass before anything is drawn: the sheet stays as it was.
        const std::span<const double> xs(X.data() + 1, std::size_t(n)), ys(Y.data() + 1, std::size_t(n));
        // The limits typed on the sheet first: a logarithmic axis needs them positive.
        if (auto f = LogGraenseFejl(graf)) {
            tt.LogAfvist = true;
            throw TGrafFejl(*f);
        }
        std::optional<std::string> besked = LogPunktFejl(graf, xs, ys);
        tt.LogAfvist = besked.has_value();
        if (!besked && ErLogRegression(graf.GrafType) && !arkene.Ark[graf.GrafArkNo].TegnKunPunkter)
            besked = LogRegressionPunktFejl(graf.GrafType, xs, ys);
        if (besked) {
            Flade().Fejlboks(*besked);
            tt.Fit = TTegnetFit{};
            return tt.Fit;
        }
        const std::vector<double> ux = AkseUsikkerheder(p, graf.XGraf, t, n);
        const std::vector<double> uy = AkseUsikkerheder(p, graf.YGraf, t, n);
        std::vector<double> raekkefoelge;
        if (!ux.empty() || !uy.empty()) {
            // The same sort once more over the measurement numbers: where each point came from.
            std::vector<double> x(X);
            raekkefoelge.assign(MaksPunkter + 1, 0.0);
            for (int i = 1; i <= n; ++i) raekkefoelge[std::size_t(i)] = i;
            SorterPar(n, x.data(), raekkefoelge.data());
            for (int m = 1; m <= n && !uy.empty() && tt.VaegtFejl.empty(); ++m)
                if (!(uy[std::size_t(m)] > 0)) tt.VaegtFejl = NulUsikkerhedBesked(Kort(graf.YGraf), uy[std::size_t(m)], m);
        }
        SorterPar(n, X.data(), Y.data());
        tt.Punkter.reserve(n);
        for (int i = 1; i <= n; ++i) tt.Punkter.push_back({X[i], Y[i]});
        for (int i = 1; i <= n && !raekkefoelge.empty(); ++i) {
            const auto m = std::size_t(raekkefoelge[std::size_t(i)]);
            if (!ux.empty()) tt.UsikkerhedX.push_back(ux[m]);
            if (!uy.empty()) tt.UsikkerhedY.push_back(uy[m]);
        }
    }

    ForberedArk(p, arkene, tt, t, k, vaerktoej != nullptr);

    if (tt.FourierTabel[t] && fourierGraf) {
        tt.Fit = TTegnetFit{};
        tt.Fit.Tabel = t;
        tt.Fit.Graf = k;
        tt.Fit.Ark = graf.GrafArkNo;
        tt.Fit.GrafType = graf.GrafType;
        if (tt.TegnFourierGraf) tt.TegnFourierGraf(p, arkene, tt, t, k);
        return tt.Fit;
    }
    return TegnPunkterOgFit(p, arkene, tt, t, k, tt.Punkter, vaerktoej);
}

void TegnGrafKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int s) {
    if (s < 1 || s > 3) return;
    Fejl = false;
    const int t = p.AktivTabel;
    int k = 0;
    if (t >= 1 && t <= MaksTabeller) {
        const TTabelDef& tabel = p.Tabeller[t];
        for (int g = 1; g <= tabel.AntalGrafer && g <= MaksGrafer; ++g)
            if (tabel.Grafer[g].GrafArkNo == s) k = g;
    }
    if (k == 0) {
        Flade().Fejlboks("Der er ingen graf defineret i tabel: " + std::to_string(t) +
                         " til GrafArk: " + std::to_string(s));
        return;
    }
    try {
        TGrafArk& ark = arkene.Ark[s];
        TGrafDef& graf = p.Tabeller[t].Grafer[k];
        p.AktivGraf = k;
        ark.Overskrift = graf.GrafNavn;
        graf.XGraf = Lang(ark.XAkse);
        graf.YGraf = Lang(ark.YAkse);
        const bool logXFoer = graf.LogX, logYFoer = graf.LogY;
        graf.LogX = ark.LogX;
        graf.LogY = ark.LogY;
        tt.LogAfvist = false;
        const auto logTilbage = [&] {
            if (!tt.LogAfvist) return;
            graf.LogX = ark.LogX = logXFoer;
            graf.LogY = ark.LogY = logYFoer;
        };
        // The limits in the order x-min, x-max, y-min, y-max; the first bad one stops the rest.
        const std::string* tekster[4] = {&ark.XMinTekst, &ark.XMaxTekst, &ark.YMinTekst,
                                         &ark.YMaxTekst};
        double* graenser[4] = {&graf.XMin, &graf.XMax, &graf.YMin, &graf.YMax};
        for (int i = 0; i < 4; ++i) {
            bool fejl = false;
            const double v = TekstTilTal(*tekster[i], fejl);
            if (fejl) {
                Flade().Fejlboks("Fejl i edit felter i GrafArk No " + std::to_string(s) +
                                 "\n\rTabel No :" + std::to_string(t) + " Graf No: " +
                                 std::to_string(k));
                return;
            }
            *graenser[i] = v;
        }
        try {
            TegnTabelGraf(p, arkene, tt, t, k);
        } catch (const std::exception&) {
            logTilbage();
            throw;
        }
        logTilbage();
        MeldPunkterUdenfor(ark, tt, s);
    } catch (const std::exception& e) {
        Flade().Fejlboks(e.what());
    }
}

void StatistikKlik(TProjekt& p, const TGrafArkene& arkene, int s) {
    const int t = p.AktivTabel;
    if (t < 1 || t > MaksTabeller || s < 1 || s > 3) return;
    p.Tabeller[t].Statistik[s] = arkene.Ark[s].Statistik;
}

}  // namespace plotvik
