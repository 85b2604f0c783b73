// The function library. Erf is deliberately the coarse Simpson sum that the
// program has always shown: a few samples per unit of x, not the C library's erf.
#include "interpreter/Funktionsbibliotek.h"

#include <cmath>
#include <cstdlib>

#include "core/Brugerflade.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

namespace {
constexpr int MaksSimpsonPunkter = 1024;
constexpr long long MaksGentagelser = 65535;  // the repetition count of IntPotens
}  // namespace

Reel IntPotens(Reel x, int n) {
    if (x == 0) return 0;
    long long m = n;
    const bool negativ = m < 0;
    if (negativ) m = -m;
    // Beyond the repetition count the product is taken in one step rather
    // than wrapped around, which would give a plainly wrong power.
    if (m > MaksGentagelser) return std::pow(x, static_cast<Reel>(n));
    if (negativ) x = SomDouble(1 / x);  // x is a double, and so is its reciprocal
    Reel r = 1;
    for (long long i = 0; i < m; ++i) r *= x;
    return r;
}

Reel Simpson(std::span<const TPunkt> punkter) {
    const size_t n = punkter.size();
    if (n < 2) return 0;
    const Reel h = (static_cast<Reel>(punkter[n - 1].x) - punkter[0].x) / static_cast<Reel>(n - 1);
    Reel sum = 0;
    Reel f0 = punkter[0].y;
    // With an even count the last point enters only h: the sum never reads past the points.
    for (size_t k = 2; k + 1 <= n; k += 2) {
        sum += f0 + 4 * static_cast<Reel>(punkter[k - 1].y) + punkter[k].y;
        f0 = punkter[k].y;
    }
    return h / 3 * sum;
}

double Erf(double x) {
    if (x == 0) return 0;
    if (std::isnan(x)) return x;
    const Reel a = std::fabs(static_cast<Reel>(x));
    const Reel rund = std::nearbyint(a);
    // More samples than the point array holds: the function is 1 to within
    // any printable digit there.
    if (rund > (MaksSimpsonPunkter - 2) / 2) return x < 0 ? -1.0 : 1.0;
    const int m = std::max(3, 2 * static_cast<int>(rund) + 1);
    const Reel h = a / (m - 1);
    std::array<TPunkt, MaksSimpsonPunkter> p;
    for (int k = 0; k < m; ++k) {
        const Reel t = k * h;
        p[static_cast<size_t>(k)] = {SomDouble(t), SomDouble(std::exp(-t * t))};
    }
    const Reel integral = Simpson(std::span<const TPunkt>(p.data(), static_cast<size_t>(m)));
    const Reel r = 2 / std::sqrt(static_cast<Reel>(PiVaerdi)) * integral;
    return SomDouble(x < 0 ? -r : r);
}

double Phi(double x) {
    const double e = Erf(SomDouble(std::fabs(static_cast<Reel>(x)) / std::sqrt(static_cast<Reel>(2))));
    return SomDouble(x >= 0 ? (1 + static_cast<Reel>(e)) / 2 : (1 - static_cast<Reel>(e)) / 2);
}

TFunktionsUdfald BeregnFunktion(TFunktion f, double x, double& r) {
    const Reel v = x;
    switch (f) {
        case TFunktion::Abs: r = std::fabs(x); break;
        case TFunktion::Int: r = std::trunc(x); break;
        case TFunktion::Sqrt: r = SomDouble(std::sqrt(v)); break;
        case TFunktion::Sin: r = SomDouble(std::sin(v)); break;
        case TFunktion::Cos: r = SomDouble(std::cos(v)); break;
        case TFunktion::Sinh: r = SomDouble((std::exp(v) - std::exp(-v)) / 2); break;
        case TFunktion::Cosh: r = SomDouble((std::exp(v) + std::exp(-v)) / 2); break;
        case TFunktion::Tan: {
            const Reel c = std::cos(v);
            if (c == 0) return r = 0, TFunktionsUdfald::CosNul;
            r = SomDouble(std::sin(v) / c);
            break;
        }
        case TFunktion::Asin: {
            const Reel a = std::fabs(v);
            if (a > 1) return r = 0, TFunktionsUdfald::AsinUdenfor;
            if (a == 1) r = SomDouble(v * static_cast<Reel>(PiVaerdi) / 2);
            else r = SomDouble(std::atan(v / std::sqrt(1 - v * v)));
            break;
        }
        case TFunktion::Atan: r = SomDouble(std::atan(v)); break;
        case TFunktion::Ln:
            if (v <= 0) return r = 0, TFunktionsUdfald::LnIkkePositiv;
            r = SomDouble(std::log(v));
            break;
        case TFunktion::Log:
            if (v <= 0) return r = 0, TFunktionsUdfald::LogIkkePositiv;
            r = SomDouble(std::log(v) / std::log(static_cast<Reel>(10)));
            break;
        case TFunktion::Exp: r = SomDouble(std::exp(v)); break;
        case TFunktion::Erf: r = Erf(x); break;
        case TFunktion::Phi: r = Phi(x); break;
    }
    return TFunktionsUdfald::OK;
}

void VisFunktionsFejl(TFunktionsUdfald u, double x) {
    std::string tekst;
    switch (u) {
        case TFunktionsUdfald::OK: return;
        case TFunktionsUdfald::CosNul: tekst = " cos(x)=0 i tan(x)!"; break;
        case TFunktionsUdfald::AsinUdenfor:
            tekst = FormaterTal(6, 2, x) + " er illegalt argument til asin(x)!";
            break;
        case TFunktionsUdfald::LogIkkePositiv: tekst = " x<=0 i log(x)!"; break;
        case TFunktionsUdfald::LnIkkePositiv: tekst = " x<=0 i ln(x)!"; break;
    }
    Fejl = true;
    Flade().Fejlboks(tekst);
}

namespace {
double Kontrolleret(TFunktion f, double x) {
    double r = 0;
    TFunktionsUdfald u = BeregnFunktion(f, x, r);
    if (u != TFunktionsUdfald::OK) {
        VisFunktionsFejl(u, x);
        return 0;
    }
    return r;
}
}  // namespace

double Tangens(double x) { return Kontrolleret(TFunktion::Tan, x); }
double ArcSinus(double x) { return Kontrolleret(TFunktion::Asin, x); }
double HypSinus(double x) { return Kontrolleret(TFunktion::Sinh, x); }
double HypCosinus(double x) { return Kontrolleret(TFunktion::Cosh, x); }
double Log10(double x) { return Kontrolleret(TFunktion::Log, x); }
double LnKontrol(double x) { return Kontrolleret(TFunktion::Ln, x); }

bool PotensVaerdi(double a, double b, double& r) {
    if (std::trunc(b) == b) {
        if (std::fabs(b) <= static_cast<double>(MaksGentagelser)) {
            r = SomDouble(IntPotens(a, static_cast<int>(b)));
        } else {
            r = a == 0 ? 0.0 : SomDouble(std::pow(static_cast<Reel>(a), static_cast<Reel>(b)));
        }
        return true;
    }
    if (a == 0 && b > 0) {
        r = 0;
        return true;
    }
    if (a > 0) {
        r = SomDouble(std::exp(static_cast<Reel>(b) * std::log(static_cast<Reel>(a))));
        return true;
    }
    r = 0;
    return false;
}

}  // namespace plotvik
