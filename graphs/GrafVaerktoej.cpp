// The graph tools: value and slope of a sampled curve, the result lines,
// arming a tool and answering the click, and the typed function (entering,
// drawing, its derivative and its tangent). Drawing on a sheet goes through
// the sheet's own mapping, so the answer lands where the graph was drawn.
#include "graphs/GrafVaerktoej.h"

#include <cmath>
#include <exception>
#include <string_view>

#include "core/Brugerflade.h"
#include "graphs/FitRutiner.h"
#include "graphs/GrafTegning.h"

namespace plotvik {

namespace {

// The three points around x, numbered from 0; nothing when x does not lie
// between the second and the last-but-one point (the message has been shown).
std::optional<std::array<TPunkt, 3>> TrePunkter(std::span<const TPunkt> P, double x) {
    const int N = static_cast<int>(P.size());
    int i = 1;  // numbered from 1 as the curve arrays are
    while (i < N && P[i - 1].x < x) ++i;
    if (N < 3 || i == 1 || i == N) {
        VisFejl("Kan ikke udregne funktionsv\xE6rdier i " + Tal10(x));
        return std::nullopt;
    }
    int foerste = i == 2 ? 1 : (i == N - 1 ? N - 2 : i - 2);
    std::array<TPunkt, 3> t{P[foerste - 1], P[foerste], P[foerste + 1]};
    if (t[0].x == t[1].x || t[0].x == t[2].x || t[1].x == t[2].x) {
        // Points on top of each other give no quadratic through them.
        VisFejl("Kan ikke udregne funktionsv\xE6rdier i " + Tal10(x));
        return std::nullopt;
    }
    return t;
}

}  // namespace

std::optional<double> KurveVaerdi(std::span<const TPunkt> kurve, double x) {
    for (const TPunkt& p : kurve)
        if (p.x == x) return p.y;
    auto t = TrePunkter(kurve, x);
    if (!t) return std::nullopt;
    const Reel x1 = (*t)[0].x, x2 = (*t)[1].x, x3 = (*t)[2].x;
    const Reel y1 = (*t)[0].y, y2 = (*t)[1].y, y3 = (*t)[2].y;
    Reel v = y1 * (x - x2) * (x - x3) / ((x1 - x2) * (x1 - x3)) +
             y2 * (x - x1) * (x - x3) / ((x2 - x1) * (x2 - x3)) +
             y3 * (x - x1) * (x - x2) / ((x3 - x1) * (x3 - x2));
    return static_cast<double>(v);
}

std::optional<double> KurveHaeldning(std::span<const TPunkt> kurve, double x) {
    auto t = TrePunkter(kurve, x);
    if (!t) return std::nullopt;
    const Reel x1 = (*t)[0].x, x2 = (*t)[1].x, x3 = (*t)[2].x;
    const Reel y1 = (*t)[0].y, y2 = (*t)[1].y, y3 = (*t)[2].y;
    Reel m = y1 * (2 * x - x2 - x3) / ((x1 - x2) * (x1 - x3)) +
             y2 * (2 * x - x1 - x3) / ((x2 - x1) * (x2 - x3)) +
             y3 * (2 * x - x1 - x2) / ((x3 - x1) * (x3 - x2));
    return static_cast<double>(m);
}

std::string Tal10(double x) { return FormaterTal(10, 0, x); }

std::string AflaesLinje(const std::string& xGraf, double x, const std::string& yGraf, double y) {
    return xGraf + "=" + Tal10(x) + "; " + yGraf + "=" + Tal10(y);
}

std::string DifferentialkvotientLinje(const std::string& yGraf, double x0, double m) {
    return yGraf + " ' (" + Tal10(x0) + ") = " + Tal10(m);
}

namespace {
std::string Konstantled(const std::string& plus, const std::string& minus, double b) {
    return (b >= 0 ? plus : minus) + Tal10(b);
}
}  // namespace

std::vector<std::string> TangentLinjer(const std::string& xGraf, const std::string& yGraf, double x0,
                                       double y0, double m) {
    double b = y0 - m * x0;
    return {"Tangentligning gennem (" + Tal10(x0) + "," + Tal10(y0) + ")",
            yGraf + " = " + Tal10(m) + "*" + xGraf + Konstantled(" + ", "", b)};
}

std::vector<std::string> FunktionsTangentLinjer(double x0, double y0, double m) {
    double b = y0 - m * x0;
    return {"Tangentligning gennem (" + Tal10(x0) + "," + Tal10(y0) + ")",
            "y = " + Tal10(m) + Konstantled("*x + ", "*x ", b)};
}

std::string FunktionLinje(const std::string& f, const std::string& dm) {
    return "f(x) = " + f + "; Dm(f) = " + dm;
}

// ---- the sheet mapping ----

namespace {
constexpr double PixelGraense = 1073741824.0;  // 2^30: far outside any image, never an int overflow

int TilPixel(double v) {
    if (!(v > -PixelGraense)) return -static_cast<int>(PixelGraense);
    if (v > PixelGraense) return static_cast<int>(PixelGraense);
    return static_cast<int>(std::nearbyint(v));
}
}  // namespace

TArkAfbildning::TArkAfbildning(const TBilledGrafik& grafik, Laerred& billede, int ark) : billede_(billede) {
    if (ark < 1 || ark > 3) return;
    vp_ = grafik.ViewPortEntry(ark);
    v_ = grafik.WindowEntry(ark);
    const double b = vp_.Hoejre - vp_.Venstre, h = vp_.Bund - vp_.Top;
    const double dx = v_.XMax - v_.XMin, dy = v_.YMax - v_.YMin;
    gyldig_ = b > 0 && h > 0 && dx > 0 && dy > 0 && std::isfinite(dx) && std::isfinite(dy);
    if (gyldig_) {
        sx_ = b / dx;
        sy_ = h / dy;
    }
}

int TArkAfbildning::PixelX(double x) const {
    return TilPixel((AkseMaal(v_.LogX, x) - v_.XMin) * sx_) + vp_.Venstre;
}
int TArkAfbildning::PixelY(double y) const { return vp_.Bund - TilPixel((AkseMaal(v_.LogY, y) - v_.YMin) * sy_); }
int TArkAfbildning::ScaledY(double dy) { return TilPixel(dy * sy_); }
double TArkAfbildning::VerdenX(int px) const { return FraAkseMaal(v_.LogX, (px - vp_.Venstre) / sx_ + v_.XMin); }
double TArkAfbildning::VerdenY(int py) const { return FraAkseMaal(v_.LogY, (vp_.Bund - py) / sy_ + v_.YMin); }
TAfbildning TArkAfbildning::Afbildning() const {
    TAfbildning a;
    a.Venstre = vp_.Venstre;
    a.Top = vp_.Top;
    a.Bredde = vp_.Hoejre - vp_.Venstre;
    a.Hoejde = vp_.Bund - vp_.Top;
    a.XMin = v_.XMin;
    a.YMin = v_.YMin;
    a.Sx = sx_;
    a.Sy = sy_;
    a.LogX = v_.LogX;
    a.LogY = v_.LogY;
    return a;
}
bool TArkAfbildning::Udenfor(double x, double y) const {
    return (v_.LogX && !(x > 0)) || (v_.LogY && !(y > 0));
}
void TArkAfbildning::FlytTilW(double x, double y) {
    penUdenfor_ = Udenfor(x, y);
    if (penUdenfor_) return;
    billede_.Anker(Afbildning(), x, y);
    billede_.FlytTil(PixelX(x), PixelY(y));
}
void TArkAfbildning::LinjeTilW(double x, double y) {
    // A point a logarithmic axis cannot show breaks the line (as in the graph layer).
    if (penUdenfor_ || Udenfor(x, y)) {
        FlytTilW(x, y);
        return;
    }
    billede_.Anker(Afbildning(), x, y);
    billede_.LinjeTil(PixelX(x), PixelY(y));
}
void TArkAfbildning::SortPixelW(double x, double y) {
    if (Udenfor(x, y)) return;
    billede_.Anker(Afbildning(), x, y);
    billede_.SaetPixel(PixelX(x), PixelY(y), Sort);
}

// ---- the commands ----

namespace {

const char* const KunGrafark = "Denne Menu kan kun anvendes p\xE5 grafarkene";
const char* const IngenFunktion = "Der er ingen funktion til den aktive tabel p\xE5 dette grafark";
const char* const TegnFoerstEnGraf = "Tegn f\xF8rst en graf af den aktive tabel p\xE5 dette ark";
const char* const KunKurverHarHaeldning =
    "H\xE6ldning og tangent kan afl\xE6ses p\xE5 polynomium-, spline- og Bezier-grafer og p\xE5 funktioner";
const char* const ForkertArk =
    "Forkert aktiv tabel eller forkert grafark\n\r"
    "V\xE6lg f\xF8rst tabellen til denne graf, ved at trykke p\xE5 \"Beregn\".\n\r"
    "Skift dern\xE6st til grafarket";

bool GyldigTabel(int t) { return t >= 1 && t <= MaksTabeller; }
bool GyldigArk(int s) { return s >= 1 && s <= 3; }

// The highest-numbered graph of table t drawn on sheet s; 0 when none.
int GrafPaaArk(const TProjekt& p, int t, int s) {
    if (!GyldigTabel(t)) return 0;
    const TTabelDef& tabel = p.Tabeller[t];
    int k = 0;
    for (int g = 1; g <= MinHel(tabel.AntalGrafer, MaksGrafer); ++g)
        if (tabel.Grafer[g].GrafArkNo == s) k = g;
    return k;
}

void SortPen(Laerred& b) {
    b.SaetPenFarve(Sort);
    b.SaetPenBredde(1);
    b.SaetPenTilstand(TPenTilstand::Kopier);
}

// The line y = m*x + c over x0 - w .. x0 + w; on a logarithmic axis it is a
// curve, drawn in short pieces (and only where the axes can show it).
void TegnLinie(TArkAfbildning& af, Laerred& b, double x0, double w, double m, double c) {
    SortPen(b);
    const int stykker = af.LogX() || af.LogY() ? 200 : 1;
    af.FlytTilW(x0 - w, m * (x0 - w) + c);
    for (int i = 1; i <= stykker; ++i) {
        const double x = x0 - w + 2 * w * i / stykker;
        af.LinjeTilW(x, m * x + c);
    }
}

bool Endelig(double v) { return std::isfinite(v); }

// A graph shown as points only (or as a spectrum) has no curve to read a slope
// from; a fit that could not be computed is a different matter and is not meant.
bool KunPunkter(const TGrafArk& ark, char grafType) {
    return ark.TegnKunPunkter || std::string_view("PRSBEX").find(grafType) == std::string_view::npos;
}

// The fit's answer to the derivative or tangent tool at vt.x0.
void SvarPaaFit(const TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt,
                const TTegnetFit& fit, int t, int k, int s) {
    const double x0 = vt.x0;
    std::optional<double> y0, m;
    if (fit.GrafType == 'P') {
        y0 = PolynomiumsVaerdi(fit.Koefficienter, x0);
        m = PolynomiumsHaeldning(fit.Koefficienter, x0);
    } else if (fit.GrafType == 'S' || fit.GrafType == 'B') {
        y0 = KurveVaerdi(tt.KurvePunkter, x0);
        if (y0) m = KurveHaeldning(tt.KurvePunkter, x0);
    } else if (fit.GrafType == 'R') {
        // A straight line has its slope b at every x; its tangent is the line itself.
        m = fit.Linie.b;
        y0 = fit.Linie.b * x0 + fit.Linie.a;
    } else if (ErLogRegression(fit.GrafType)) {
        y0 = LogRegressionsVaerdi(fit.LogRegression, x0);
        m = LogRegressionsHaeldning(fit.LogRegression, x0);
    }
    if (!y0 || !m || !Endelig(*y0) || !Endelig(*m)) return;
    const TGrafDef& g = p.Tabeller[t].Grafer[k];
    TGrafArk& ark = arkene.Ark[s];
    if (vt.Differentialkvotient) {
        ark.Resultater.push_back(DifferentialkvotientLinje(g.YGraf, x0, *m));
        return;
    }
    for (auto& l : TangentLinjer(g.XGraf, g.YGraf, x0, *y0, *m)) ark.Resultater.push_back(l);
    Laerred& b = ArkLaerred(ark);
    TArkAfbildning af(tt.Grafik, b, s);
    if (af.Gyldig()) TegnLinie(af, b, x0, (g.XMax - g.XMin) / 4, *m, *y0 - *m * x0);
}

}  // namespace

void IndtastFunktion(TGrafArkene& arkene, TVaerktoejTilstand& vt, int tabel, int ark, const std::string& f,
                     const std::string& dm) {
    if (!GyldigTabel(tabel) || !GyldigArk(ark) || f.empty()) return;
    arkene.Ark[ark].TegnFunktionAktiv = true;
    vt.FunktionsMenuerAktive = true;
    vt.FunktionIndtastet[tabel][ark] = true;
    arkene.Funktioner[tabel][ark] = {f.substr(0, FilnavnLaengde), dm.substr(0, FilnavnLaengde)};
}

void TegnFunktionKnap(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int ark) {
    if (!GyldigArk(ark)) return;
    const int t = p.AktivTabel;
    // The function is drawn on the coordinate system of the active table's
    // graph on this sheet; without one it would land nowhere the user expects.
    const int k = GrafPaaArk(p, t, ark);
    if (k == 0) {
        Flade().Informationsboks(TegnFoerstEnGraf);
        return;
    }
    p.AktivGraf = k;
    TGrafArk& a = arkene.Ark[ark];
    TGrafDef& g = p.Tabeller[t].Grafer[k];
    g.XGraf = a.XAkse;
    g.YGraf = a.YAkse;
    for (auto [tekst, felt] : {std::pair{&a.XMinTekst, &g.XMin}, std::pair{&a.XMaxTekst, &g.XMax},
                               std::pair{&a.YMinTekst, &g.YMin}, std::pair{&a.YMaxTekst, &g.YMax}}) {
        bool fejl = false;
        double v = TekstTilTal(*tekst, fejl);
        if (fejl) return;  // a limit that is not a number: nothing is drawn
        *felt = v;
    }
    const TFunktionPaaArk fn = arkene.Funktioner[t][ark];
    if (fn.Funktion.empty()) {
        Flade().Informationsboks(IngenFunktion);
        return;
    }
    a.Resultater.push_back(FunktionLinje(fn.Funktion, fn.Definitionsmaengde));
    Laerred& b = ArkLaerred(a);
    try {
        const int N = LaesOploesning(a);
        // On a sheet without a coordinate system the function would land
        // nowhere; it gets the axes of the sheet's boxes first.
        if (!TArkAfbildning(tt.Grafik, b, ark).Gyldig())
            OpsaetKoordinatsystem(tt.Grafik, b, ark, Kort(g.XGraf), Kort(g.YGraf), g.XMin, g.YMin, g.XMax,
                                  g.YMax);
        tt.Grafik.SelectWindow(ark);
        TArkAfbildning af(tt.Grafik, b, ark);
        SortPen(b);
        if (HeleXAksen(fn.Definitionsmaengde))
            TegnFunktionInterval(af, fn.Funktion, N, g.XMin, g.XMax);
        else
            TegnFunktionDm(af, fn.Funktion, fn.Definitionsmaengde, N, g.XMin, g.XMax);
    } catch (const std::exception& e) {
        Flade().Fejlboks(e.what());
    }
    Fejl = false;
}

void DifferentialkvotientAfFunktion(TProjekt& p, TGrafArkene& arkene, TVaerktoejTilstand& vt) {
    const int t = p.AktivTabel, k = p.AktivGraf;
    const int s = GyldigTabel(t) && k >= 1 && k <= MaksGrafer ? p.Tabeller[t].Grafer[k].GrafArkNo : 0;
    if (!GyldigArk(s) || arkene.Funktioner[t][s].Funktion.empty()) {
        Flade().Informationsboks(IngenFunktion);
        return;
    }
    Fejl = false;
    std::string d = diff_fx(arkene.Funktioner[t][s].Funktion);
    if (Fejl) {
        Fejl = false;
        return;
    }
    vt.Afledet[t][s] = Lang(d);
    arkene.Ark[s].Resultater.push_back("f'(x) = " + vt.Afledet[t][s]);
}

void ArmerVaerktoej(TVaerktoejTilstand& vt, TVaerktoej vaerktoej, bool paaGrafArk) {
    if (!paaGrafArk) {
        Flade().Informationsboks(KunGrafark);
        return;
    }
    const char* spoergsmaal = "";
    switch (vaerktoej) {
        case TVaerktoej::AflaesVaerdi:
            spoergsmaal = "Klik med musen p\xE5 det punkt,\n\rsom du vil afl\xE6se";
            break;
        case TVaerktoej::Differentialkvotient:
            spoergsmaal =
                "Klik med musen p\xE5 f\xF8rstekoordinaten til det punkt,\n\r"
                "hvor du vil afl\xE6se differentialkvotienten";
            break;
        case TVaerktoej::Tangent:
        case TVaerktoej::FunktionsTangent:
            spoergsmaal =
                "Klik med musen p\xE5 f\xF8rstekoordinaten til det punkt,\n\rhvor du vil tegne tangenten";
            break;
    }
    const bool ok = Flade().OkEllerAnnuller(spoergsmaal);
    // Only the tool chosen last waits; an earlier one that was never answered
    // must not answer this click too.
    vt.VaerktoejAktiv = vt.AflaesVaerdi = vt.Differentialkvotient = vt.Tangent = vt.FunktionsTangent = false;
    switch (vaerktoej) {
        case TVaerktoej::AflaesVaerdi: vt.VaerktoejAktiv = vt.AflaesVaerdi = ok; break;
        case TVaerktoej::Differentialkvotient: vt.VaerktoejAktiv = vt.Differentialkvotient = ok; break;
        case TVaerktoej::Tangent: vt.VaerktoejAktiv = vt.Tangent = ok; break;
        case TVaerktoej::FunktionsTangent: vt.FunktionsTangent = true; break;  // waits either way
    }
}

void GrafKlik(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt, int ark, int px,
              int py) {
    if (!GyldigArk(ark) || (!vt.VaerktoejAktiv && !vt.FunktionsTangent)) return;
    const int t = p.AktivTabel;
    const int k = GrafPaaArk(p, t, ark);
    if (k == 0) {
        VisFejl(ForkertArk);
        Fejl = false;
        return;
    }
    p.AktivGraf = k;
    TArkAfbildning af(tt.Grafik, ArkLaerred(arkene.Ark[ark]), ark);
    if (!af.Gyldig()) return;  // nothing has been drawn on the sheet to click on
    tt.Grafik.SelectWindow(ark);
    const TGrafDef& g = p.Tabeller[t].Grafer[k];
    if (vt.VaerktoejAktiv && vt.AflaesVaerdi) {
        arkene.Ark[ark].Resultater.push_back(AflaesLinje(g.XGraf, af.VerdenX(px), g.YGraf, af.VerdenY(py)));
        vt.VaerktoejAktiv = vt.AflaesVaerdi = false;
        return;
    }
    if (!vt.Differentialkvotient && !vt.Tangent) {
        vt.VaerktoejAktiv = false;
        if (vt.FunktionsTangent) {
            vt.x0 = af.VerdenX(px);
            TegnFunktionsTangent(p, arkene, tt, vt);
        }
        return;
    }
    vt.x0 = af.VerdenX(px);
    TVaerktoejForespoergsel f;
    f.Art = vt.Differentialkvotient ? TVaerktoejArt::Differentialkvotient : TVaerktoejArt::Tangent;
    f.x0 = vt.x0;
    try {
        TTegnetFit fit = TegnTabelGraf(p, arkene, tt, t, k, &f);
        if (fit.Svarer)
            SvarPaaFit(p, arkene, tt, vt, fit, t, k, ark);
        else if (fit.Tabel == t && KunPunkter(arkene.Ark[ark], fit.GrafType))
            Flade().Informationsboks(KunKurverHarHaeldning);
    } catch (const std::exception& e) {
        Flade().Fejlboks(e.what());
    }
    // A graph that gives no answer ends the tool as well.
    vt.VaerktoejAktiv = vt.Differentialkvotient = vt.Tangent = false;
    Fejl = false;
}

void TegnFunktionsTangent(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt) {
    vt.FunktionsTangent = false;
    const int t = p.AktivTabel, k = p.AktivGraf;
    const int s = GyldigTabel(t) && k >= 1 && k <= MaksGrafer ? p.Tabeller[t].Grafer[k].GrafArkNo : 0;
    if (!GyldigArk(s) || arkene.Funktioner[t][s].Funktion.empty()) {
        Flade().Informationsboks(IngenFunktion);
        return;
    }
    const std::string f = arkene.Funktioner[t][s].Funktion;
    const double x0 = vt.x0;
    Fejl = false;
    double y0 = FunktionsVaerdi(f, x0);
    if (Fejl || !Endelig(y0)) {
        Fejl = false;
        return;
    }
    std::string d = diff_fx(f);
    if (Fejl) {
        Fejl = false;
        return;
    }
    vt.Afledet[t][s] = Lang(d);
    double m = FunktionsVaerdi(d, x0);
    if (Fejl || !Endelig(m)) {
        Fejl = false;
        return;
    }
    TGrafArk& ark = arkene.Ark[s];
    for (auto& l : FunktionsTangentLinjer(x0, y0, m)) ark.Resultater.push_back(l);
    const TGrafDef& g = p.Tabeller[t].Grafer[k];
    Laerred& b = ArkLaerred(ark);
    tt.Grafik.SelectWindow(s);
    TArkAfbildning af(tt.Grafik, b, s);
    if (af.Gyldig()) TegnLinie(af, b, x0, (g.XMax - g.XMin) / 4, m, y0 - m * x0);
}

}  // namespace plotvik
