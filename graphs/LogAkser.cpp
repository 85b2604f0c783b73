// The coordinate system of sheets with logarithmic axes or a residual strip.
#include "graphs/LogAkser.h"

#include <cmath>
#include <cstdio>

#include "core/PlotvikTyper.h"
#include "graphs/GrafTegning.h"

namespace plotvik {

namespace {

// Values a hair off a decade (10^-3 computed as 0.0009999...) belong to it.
constexpr double Tolerance = 1e-9;

std::string MedKomma(std::string t) {
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

std::string TalTekst(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return MedKomma(buf);
}

}  // namespace

std::string AkseLabel(double v) {
    if (v == 0) return "0";
    const double a = std::fabs(v);
    if (a >= 1e-4 * (1 - Tolerance) && a < 1e7 * (1 - Tolerance)) {
        // Up to four decimals: the labels 0,0001 .. 1000000 read as plain numbers.
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.4f", v);
        std::string t = buf;
        while (!t.empty() && t.back() == '0') t.pop_back();
        if (!t.empty() && t.back() == '.') t.pop_back();
        if (t == "-0") t = "0";
        if (t != "0") return MedKomma(t);
        return TalTekst(v);
    }
    const int e = int(std::floor(std::log10(a) + Tolerance));
    const double m = v / std::pow(10.0, e);
    return (std::fabs(std::fabs(m) - 1) < 1e-6 ? std::string(m < 0 ? "-1" : "1") : TalTekst(m)) + "E" +
           std::to_string(e);
}

std::vector<TAkseTick> AkseTicks(double lo, double hi, bool log) {
    std::vector<TAkseTick> t;
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return t;
    if (log) {
        if (!(lo > 0)) return t;
        const double l1 = std::log10(lo), l2 = std::log10(hi);
        const int d1 = int(std::floor(l1 + Tolerance)), d2 = int(std::floor(l2 + Tolerance));
        if (d2 - d1 > 300) return t;
        int dekader = 0;
        for (int d = d1; d <= d2; ++d) {
            const double dl = double(d);
            if (dl >= l1 - Tolerance && dl <= l2 + Tolerance) ++dekader;
        }
        for (int d = d1; d <= d2; ++d) {
            const double p = std::pow(10.0, d);
            for (int k = 1; k <= 9; ++k) {
                const double lv = d + std::log10(double(k));
                if (lv < l1 - Tolerance || lv > l2 + Tolerance) continue;
                const double v = k * p;
                const bool label = k == 1 || (dekader < 2 && (k == 2 || k == 5));
                t.push_back({v, k == 1, label ? AkseLabel(v) : std::string()});
            }
        }
        return t;
    }
    // The linear step as on every sheet: a power of ten, halved until four ticks.
    double step = TickStep(lo, hi);
    if (!(step > 0) || !std::isfinite(step)) return t;
    double n = std::nearbyint(std::trunc(hi / step) - std::trunc(lo / step));
    while (n < 4 && step > 0) {
        step /= 2;
        n = std::nearbyint((hi - lo) / step);
    }
    if (!(n >= 1) || n > 1000) return t;
    const int k = (10 / int(n)) * 5;
    const double mindre = k > 1 ? step / k : step;
    int hver = 1;  // a label at every major tick, or every second, fourth ...: at most nine
    for (double m = n; m > 9; m = std::trunc(m / 2)) hver *= 2;
    const double x1 = std::floor(lo / step) * step;
    const double tol = Tolerance * (hi - lo);
    for (int i = 0; i <= int(n) + 1; ++i) {
        const double h = x1 + i * step;
        for (int j = 0; j < (k > 1 ? k : 1); ++j) {
            double v = h + j * mindre;
            if (v < lo - tol || v > hi + tol) continue;
            if (std::fabs(v) < tol) v = 0;
            const bool hoved = j == 0;
            const bool label = hoved && i % hver == 0 && v != 0;
            t.push_back({v, hoved, label ? AkseLabel(v) : std::string()});
        }
    }
    return t;
}

std::optional<std::string> LogGraenseFejl(const TGrafDef& graf) {
    const auto tjek = [](bool log, double v, const char* navn) -> std::optional<std::string> {
        if (!log || v > 0) return std::nullopt;
        return "En logaritmisk " + std::string(1, navn[0]) + "-akse kr\xE6ver positive gr\xE6nser: " + navn +
               " = " + FjernMellemrum(FormaterTal(10, 0, v));
    };
    if (auto f = tjek(graf.LogX, graf.XMin, "x-min")) return f;
    if (auto f = tjek(graf.LogX, graf.XMax, "x-max")) return f;
    if (auto f = tjek(graf.LogY, graf.YMin, "y-min")) return f;
    return tjek(graf.LogY, graf.YMax, "y-max");
}

std::optional<std::string> LogPunktFejl(const TGrafDef& graf, std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char* akse = graf.LogX && !(x[i] > 0) ? "x" : graf.LogY && !(y[i] > 0) ? "y" : nullptr;
        if (!akse) continue;
        const double v = akse[0] == 'x' ? x[i] : y[i];
        return "M\xE5ling nr. " + std::to_string(i + 1) + " har " + akse + " = " + FjernMellemrum(FormaterTal(10, 0, v)) +
               " og kan ikke vises p\xE5 en logaritmisk " + akse + "-akse";
    }
    return std::nullopt;
}

int GrafDelensBund(int billedHoejde) { return int(std::lround(0.72 * (billedHoejde - 1))); }

void OpsaetArkMedLogAkser(TBilledGrafik& g, Laerred& billede, int s, const TGrafDef& graf, bool residualer) {
    const auto tjek = [](double lav, double hoej, const char* akse) {
        const std::string a(akse);
        if (!(lav < hoej))
            throw TGrafFejl("Ugyldige gr\xE6nser for " + a + "-aksen: " + a + "-min skal v\xE6re mindre end " + a +
                            "-max");
        if (!std::isfinite(1.2 * (hoej - lav))) throw TGrafFejl("Gr\xE6nserne for " + a + "-aksen er for store");
    };
    tjek(graf.XMin, graf.XMax, "x");
    tjek(graf.YMin, graf.YMax, "y");
    if (auto f = LogGraenseFejl(graf)) throw TGrafFejl(*f);

    const double x1 = AkseMaal(graf.LogX, graf.XMin), x2 = AkseMaal(graf.LogX, graf.XMax);
    const double y1 = AkseMaal(graf.LogY, graf.YMin), y2 = AkseMaal(graf.LogY, graf.YMax);
    const double xr = x2 - x1, yr = y2 - y1;
    g.SetWindow(s, x1 - 0.1 * xr, y1 - 0.1 * yr, x2 + 0.1 * xr, y2 + 0.1 * yr, graf.LogX, graf.LogY);
    // The whole image first: what was drawn before (a strip too) is gone.
    billede.FyldRektangel(0, 0, billede.Bredde(), billede.Hoejde(), Hvid);
    const int bund = residualer ? GrafDelensBund(billede.Hoejde()) : billede.Hoejde() - 1;
    g.SetViewPort(s, 0, 0, billede.Bredde() - 1, bund, Hvid);
    g.SelectWindow(s);
    g.SelectViewPort(billede, s);
    billede.SaetPenselFarve(Hvid);
    billede.SaetPenFarve(Sort);
    if (!graf.LogX && !graf.LogY) {
        // A linear sheet over a residual strip keeps the axes every sheet has.
        g.TegnAkser(billede, Kort(graf.XGraf), Kort(graf.YGraf), graf.XMin, graf.XMax, graf.YMin, graf.YMax,
                    TickStep(graf.XMin, graf.XMax), TickStep(graf.YMin, graf.YMax), Sort);
        return;
    }
    TegnLogAkser(g, billede, Kort(graf.XGraf), Kort(graf.YGraf), graf.XMin, graf.XMax, graf.YMin, graf.YMax,
                 graf.LogX, graf.LogY);
}

void TegnLogAkser(TBilledGrafik& g, Laerred& billede, const std::string& xTitelInd, const std::string& yTitelInd,
                  double xmin, double xmax, double ymin, double ymax, bool logX, bool logY) {
    const std::string xTitel = Kort(xTitelInd), yTitel = Kort(yTitelInd);
    // Positions in the axes' own measure (decades on a logarithmic axis).
    const double mx1 = AkseMaal(logX, xmin), mx2 = AkseMaal(logX, xmax);
    const double my1 = AkseMaal(logY, ymin), my2 = AkseMaal(logY, ymax);
    const double dx = 0.01 * (mx2 - mx1), dy = 0.01 * (my2 - my1);
    const auto flyt = [&](double mx, double my) {
        g.MoveToW(billede, FraAkseMaal(logX, mx), FraAkseMaal(logY, my));
    };
    const auto linje = [&](double mx, double my) {
        g.LineToW(billede, FraAkseMaal(logX, mx), FraAkseMaal(logY, my));
    };
    const auto tekst = [&](const std::string& t, double mx, double my) {
        g.TextOutW(billede, t, FraAkseMaal(logX, mx), FraAkseMaal(logY, my));
    };

    billede.SaetPenFarve(Sort);
    billede.SaetPenBredde(1);
    billede.SaetPenTilstand(TPenTilstand::Kopier);
    billede.SaetSkrift("Arial", 8, Normal);

    // A logarithmic axis has no zero: the other axis stands at its lower limit.
    const double my0 = logY || ymin * ymax >= 0 ? my1 : 0;
    const double mx0 = logX || xmin * xmax >= 0 ? mx1 : 0;

    billede.NyFigur();
    flyt(mx1, my0);
    linje(mx2, my0);
    linje(mx2 - dx, my0 + dy);
    linje(mx2 - dx, my0 - dy);
    linje(mx2, my0);

    billede.NyFigur();
    flyt(mx0, my1);
    linje(mx0, my2);
    linje(mx0 - dx, my2 - dy);
    linje(mx0 + dx, my2 - dy);
    linje(mx0, my2);

    billede.SaetPenselFarve(g.ViewPortEntry(g.AktuelViewPort()).Farve);
    const double sx = g.Sx() != 0 ? g.Sx() : 1, sy = g.Sy() != 0 ? g.Sy() : 1;
    for (const TAkseTick& t : AkseTicks(xmin, xmax, logX)) {
        const double m = AkseMaal(logX, t.Vaerdi);
        billede.NyFigur();
        flyt(m, my0);
        linje(m, my0 - (t.Hoved ? dy : dy / 2));
        if (t.Label.empty()) continue;
        const double b = billede.TekstBredde(t.Label);
        tekst(t.Label, m - b / 2 / sx, my0 - 2 * dy);
    }
    for (const TAkseTick& t : AkseTicks(ymin, ymax, logY)) {
        const double m = AkseMaal(logY, t.Vaerdi);
        billede.NyFigur();
        flyt(mx0, m);
        linje(mx0 - (t.Hoved ? dx : dx / 2), m);
        if (t.Label.empty()) continue;
        const double b = billede.TekstBredde(t.Label), h = billede.TekstHoejde(t.Label);
        tekst(t.Label, mx0 - 2 * dx - b / sx, m + h / 2 / sy);
    }
    tekst(xTitel, mx2 - double(xTitel.size()) * dx, my0 + 5 * dy);
    tekst(yTitel, mx0 - 2 * dx, my2 + 4 * dy);
    flyt(mx0, my0);
}

void TegnKurveOver(TBilledGrafik& g, Laerred& billede, const std::function<double(double)>& f, double x1,
                   double x2, int N) {
    const bool log = g.Vindue().LogX;
    if (N < 1 || (log && !(x1 > 0 && x2 > 0))) return;
    const double m1 = AkseMaal(log, x1), skridt = (AkseMaal(log, x2) - m1) / N;
    bool paaKurven = false;
    for (int i = 0; i <= N; ++i) {
        const double x = i == N ? x2 : FraAkseMaal(log, m1 + i * skridt);
        const double y = f(x);
        const bool ok = std::isfinite(y);
        if (ok && paaKurven) g.LineToW(billede, x, y);
        else if (ok) g.MoveToW(billede, x, y);
        paaKurven = ok;
    }
}

}  // namespace plotvik
