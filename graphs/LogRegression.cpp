// Exponential and power regression through the straight line of the logarithms.
#include "graphs/LogRegression.h"

#include <cmath>

#include "core/PlotvikTyper.h"
#include "graphs/ModelFit.h"

namespace plotvik {

const char* const LogRegressionEnsXBesked =
    "Regressionen kan ikke beregnes, da alle x-v\xE6rdier er ens";
const char* const LogRegressionForFaaBesked =
    "Regressionen kan ikke beregnes: der skal v\xE6re mindst to m\xE5linger";

namespace {

std::string Tal(double v) { return FjernMellemrum(FormaterTal(10, 0, v)); }

}  // namespace

bool ErLogRegression(char grafType) { return grafType == EksponentielType || grafType == PotensType; }

std::string EksponentielPositivBesked(int nr, double y) {
    return "Eksponentiel regression kr\xE6ver positive y-v\xE6rdier: m\xE5ling nr. " + std::to_string(nr) +
           " har y = " + Tal(y);
}

std::string PotensPositivBesked(int nr, char akse, double v) {
    return "Potensregression kr\xE6ver positive x- og y-v\xE6rdier: m\xE5ling nr. " + std::to_string(nr) + " har " +
           std::string(1, akse) + " = " + Tal(v);
}

std::optional<std::string> LogRegressionPunktFejl(char type, std::span<const double> x, std::span<const double> y) {
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int nr = int(i) + 1;
        if (type == PotensType && !(x[i] > 0)) return PotensPositivBesked(nr, 'x', x[i]);
        if (!(y[i] > 0))
            return type == PotensType ? PotensPositivBesked(nr, 'y', y[i]) : EksponentielPositivBesked(nr, y[i]);
    }
    return std::nullopt;
}

TLogRegression LogRegression(char type, std::span<const TPunkt> punkter) {
    TLogRegression f;
    f.Type = type == PotensType ? PotensType : EksponentielType;
    f.n = int(punkter.size());
    if (f.n < 2) {
        f.Besked = LogRegressionForFaaBesked;
        return f;
    }
    // Centred sums of u and v = ln y: the straight line through the logarithms.
    std::vector<Reel> u(punkter.size()), v(punkter.size());
    Reel su = 0, sv = 0;
    for (std::size_t i = 0; i < punkter.size(); ++i) {
        u[i] = f.Type == PotensType ? std::log(Reel(punkter[i].x)) : Reel(punkter[i].x);
        v[i] = std::log(Reel(punkter[i].y));
        su += u[i];
        sv += v[i];
    }
    const Reel um = su / f.n, vm = sv / f.n;
    Reel suu = 0, suv = 0, svv = 0;
    for (std::size_t i = 0; i < punkter.size(); ++i) {
        suu += (u[i] - um) * (u[i] - um);
        suv += (u[i] - um) * (v[i] - vm);
        svv += (v[i] - vm) * (v[i] - vm);
    }
    if (!(suu > 0) || !std::isfinite(double(suu + svv))) {
        f.Besked = LogRegressionEnsXBesked;
        return f;
    }
    const Reel k = suv / suu, c = vm - k * um;
    f.k = double(k);
    f.c = double(c);
    f.r2 = svv > 0 ? double(suv * suv / (suu * svv)) : 1.0;
    f.UsikkerhedKendt = f.n > 2;
    if (f.UsikkerhedKendt) {
        Reel rss = 0;
        for (std::size_t i = 0; i < punkter.size(); ++i) {
            const Reel d = v[i] - (c + k * u[i]);
            rss += d * d;
        }
        const Reel s2 = rss / (f.n - 2);
        f.uk = double(std::sqrt(s2 / suu));
        f.uc = double(std::sqrt(s2 * (Reel(1) / f.n + um * um / suu)));
    }
    f.b = double(std::exp(c));
    f.ub = f.b * f.uc;
    if (f.Type == PotensType) {
        f.a = f.k;
        f.ua = f.uk;
    } else {
        f.a = double(std::exp(k));
        f.ua = f.a * f.uk;
    }
    f.Ok = std::isfinite(f.a) && std::isfinite(f.b);
    if (!f.Ok) f.Besked = LogRegressionEnsXBesked;
    return f;
}

TLogRegression EksponentielRegression(std::span<const TPunkt> punkter) {
    return LogRegression(EksponentielType, punkter);
}

TLogRegression PotensRegression(std::span<const TPunkt> punkter) { return LogRegression(PotensType, punkter); }

double LogRegressionsVaerdi(const TLogRegression& f, double x) {
    if (f.Type == PotensType) return x > 0 ? double(std::exp(Reel(f.c) + f.k * std::log(Reel(x)))) : NAN;
    return double(std::exp(Reel(f.c) + Reel(f.k) * x));
}

double LogRegressionsHaeldning(const TLogRegression& f, double x) {
    // d/dx b*e^(kx) = k*y; d/dx b*x^a = a*y/x.
    const double y = LogRegressionsVaerdi(f, x);
    return f.Type == PotensType ? f.a * y / x : f.k * y;
}

double LogRegressionsAreal(const TLogRegression& f, double x1, double x2) {
    if (f.Type == PotensType) {
        if (!(x1 >= 0) || !(x2 >= 0)) return NAN;
        const Reel e = Reel(f.a) + 1;
        if (std::fabs(e) < 1e-12) return double(Reel(f.b) * (std::log(Reel(x2)) - std::log(Reel(x1))));
        return double(Reel(f.b) / e * (std::pow(Reel(x2), e) - std::pow(Reel(x1), e)));
    }
    if (f.k == 0) return f.b * (x2 - x1);
    return double(Reel(f.b) / f.k * (std::exp(Reel(f.k) * x2) - std::exp(Reel(f.k) * x1)));
}

std::optional<double> FordoblingEllerHalvering(const TLogRegression& f) {
    if (f.Type != EksponentielType || f.k == 0) return std::nullopt;
    return (f.k > 0 ? std::log(2.0) : std::log(0.5)) / f.k;
}

std::vector<std::string> LogRegressionsLinjer(const TLogRegression& f, const std::string& xAkse,
                                              const std::string& yAkse, bool statistik) {
    std::vector<std::string> l;
    const bool potens = f.Type == PotensType;
    l.push_back(potens ? "Potensregression:" : "Eksponentiel regression:");
    l.push_back(yAkse + " = b*" + (potens ? xAkse + "^a" : "a^" + xAkse));
    if (!f.Ok) {
        l.push_back(f.Besked);
        return l;
    }
    l.push_back("a = " + Tal(f.a));
    l.push_back("b = " + Tal(f.b));
    const std::optional<double> T = FordoblingEllerHalvering(f);
    const bool fordobling = f.k > 0;
    if (T) l.push_back(fordobling ? "Fordoblingstid: T2 = " + Tal(*T) : "Halveringstid: T\xBD = " + Tal(*T));
    l.push_back("r\xB2 = " + FjernMellemrum(FormaterTal(10, 6, f.r2)));
    l.push_back("Fittet med mindste kvadraters metode p\xE5 ln(" + yAkse + ") mod " +
                (potens ? "ln(" + xAkse + ")" : xAkse));
    if (!statistik) return l;
    l.push_back("");
    l.push_back("Statistik");
    if (!f.UsikkerhedKendt) {
        l.push_back(ForFaaPunkterBesked);
        return l;
    }
    l.push_back(MedUsikkerhed("a", f.a, f.ua));
    l.push_back(MedUsikkerhed("b", f.b, f.ub));
    // T = ln q / k: u(T) = |T| * u(k) / |k|.
    if (T) l.push_back(MedUsikkerhed(fordobling ? "T2" : "T\xBD", *T, std::fabs(*T) * f.uk / std::fabs(f.k)));
    return l;
}

}  // namespace plotvik
