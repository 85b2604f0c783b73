// Propagation of uncertainties, the weighted linear fits and the error bars
// (see the header).
#include "graphs/Usikkerhed.h"

#include <algorithm>
#include <cmath>

#include "core/PlotvikTyper.h"
#include "graphs/MindsteKvadrater.h"

namespace plotvik {

namespace {

// Never the name of anything in a formula: the model's x is not used.
const std::string IntetX = "\x01";

std::string Tal(double x) { return FjernMellemrum(FormaterTal(10, 0, x)); }

}  // namespace

TForplantning::TForplantning(const TProjekt& p, std::string_view udtryk, int tabel, int variabel)
    : Program_(OversaetUdtryk(p, udtryk, tabel, variabel)) {
    Parameter_.assign(Program_.Navne.size(), -1);
    std::string besked;
    Model_ = LaesModel(std::string(udtryk), IntetX, {}, {}, besked);
    if (!Model_) return;
    // Every parameter of the model must be a name of the formula that stands
    // for a quantity; anything else means the two readers differ.
    for (std::size_t j = 0; j < Model_->Parametre.size(); ++j) {
        bool fundet = false;
        for (std::size_t i = 0; i < Program_.Navne.size(); ++i)
            if (Program_.Navne[i] == Model_->Parametre[j] && ErKilde(i)) {
                Parameter_[i] = int(j);
                fundet = true;
            }
        if (!fundet) {
            Model_.reset();
            Parameter_.assign(Program_.Navne.size(), -1);
            return;
        }
    }
}

bool TForplantning::ErKilde(std::size_t i) const {
    if (i >= Program_.Opslag.size()) return false;
    const auto art = Program_.Opslag[i].art;
    return art == TNavneOpslag::Art::Konstant || art == TNavneOpslag::Art::Variabel;
}

bool TForplantning::Symbolsk(std::size_t i) const {
    return Model_ && i < Parameter_.size() && Parameter_[i] >= 0 &&
           Model_->Afledte[std::size_t(Parameter_[i])].has_value();
}

bool TForplantning::Difference(std::size_t i, const double* vaerdier, double& df) const {
    std::vector<double> v(vaerdier, vaerdier + Program_.Navne.size());
    const double x = v[i];
    const double h = 6e-6 * std::max(std::fabs(x), 1e-6);
    double op = 0, ned = 0;
    v[i] = x + h;
    const bool ok1 = KoerUdtryk(Program_, v.data(), op);
    v[i] = x - h;
    const bool ok2 = KoerUdtryk(Program_, v.data(), ned);
    if (!ok1 || !ok2) return false;
    df = (op - ned) / (2 * h);
    return std::isfinite(df);
}

bool TForplantning::Afledt(std::size_t i, const double* vaerdier, double& df) {
    if (Symbolsk(i)) {
        double pladser[MaksModelParametre + 1] = {0};
        for (std::size_t k = 0; k < Parameter_.size(); ++k)
            if (Parameter_[k] >= 0) pladser[Parameter_[k] + 1] = vaerdier[k];
        if (Model_->Afledte[std::size_t(Parameter_[i])]->BeregnHurtigt(pladser, df)) return true;
    }
    return Difference(i, vaerdier, df);
}

void TForplantning::Tjek(const double* vaerdier) {
    Tjekket_ = true;
    if (!Model_) return;
    // The model must give the formula's value, and each derivative its difference.
    double pladser[MaksModelParametre + 1] = {0};
    for (std::size_t k = 0; k < Parameter_.size(); ++k)
        if (Parameter_[k] >= 0) pladser[Parameter_[k] + 1] = vaerdier[k];
    double y = 0, f = 0;
    if (!Model_->Program.Beregn(pladser, y) || !KoerUdtryk(Program_, vaerdier, f) ||
        std::fabs(y - f) > 1e-9 * std::max(std::fabs(f), 1e-300)) {
        Model_.reset();
        return;
    }
    for (std::size_t i = 0; i < Parameter_.size(); ++i) {
        if (!Symbolsk(i)) continue;
        double a = 0, fd = 0;
        auto& afledt = Model_->Afledte[std::size_t(Parameter_[i])];
        if (!afledt->BeregnHurtigt(pladser, a) || !Difference(i, vaerdier, fd)) continue;
        const double skala = std::max({std::fabs(a), std::fabs(fd),
                                       1e-6 * std::fabs(f) / std::max(std::fabs(vaerdier[i]), 1e-6)});
        if (std::fabs(a - fd) > 1e-4 * skala + 1e-300) afledt.reset();
    }
}

bool TForplantning::Usikkerhed(const double* vaerdier, const double* u, double& resultat) {
    if (!Tjekket_) Tjek(vaerdier);
    // The model's places once for all its derivatives.
    double pladser[MaksModelParametre + 1] = {0};
    if (Model_)
        for (std::size_t k = 0; k < Parameter_.size(); ++k)
            if (Parameter_[k] >= 0) pladser[Parameter_[k] + 1] = vaerdier[k];
    Reel sum = 0;
    for (std::size_t i = 0; i < Program_.Navne.size(); ++i) {
        if (!(u[i] > 0) || !ErKilde(i)) continue;
        double df = 0;
        const bool symbolsk = Symbolsk(i) && Model_->Afledte[std::size_t(Parameter_[i])]->BeregnHurtigt(pladser, df);
        if (!symbolsk && !Difference(i, vaerdier, df)) return false;
        const Reel led = Reel(df) * u[i];
        sum += led * led;
    }
    resultat = double(std::sqrt(sum));
    return std::isfinite(resultat);
}

double GemtUsikkerhed(const TProjekt& p, int t, int nr, int m) {
    if (t < 0 || t > MaksTabeller || nr < 1 || nr > MaksVariable) return 0;
    const auto& u = p.Tabeller[t].Usikkerheder[nr];
    if (t == 0) return u.size() > 1 ? u[1] : 0;
    return m >= 1 && m < int(u.size()) ? u[std::size_t(m)] : 0;
}

std::vector<double> AkseUsikkerheder(const TProjekt& p, const std::string& udtryk, int t, int n) {
    std::vector<double> ud;
    if (t < 1 || t > MaksTabeller || n < 1) return ud;
    // Most projects have none: then nothing is read at all.
    bool findes = false;
    for (int k = 0; k <= t && !findes; ++k)
        for (const auto& u : p.Tabeller[k].Usikkerheder) findes = findes || !u.empty();
    if (!findes) return ud;
    const int variabel = MinHel(p.Tabeller[t].AntalVariable, MaksVariable) + 1;
    TForplantning f(p, udtryk, t, variabel);
    const TUdtrykProgram& prog = f.Program();
    const std::size_t k = prog.Navne.size();
    bool nogen = false;
    for (std::size_t i = 0; i < k && !nogen; ++i) {
        if (!f.ErKilde(i)) continue;
        const TNavneOpslag& o = prog.Opslag[i];
        nogen = o.art == TNavneOpslag::Art::Konstant ? GemtUsikkerhed(p, 0, o.Nr, 1) > 0
                                                    : !p.Tabeller[o.Tabel].Usikkerheder[o.Nr].empty();
    }
    if (!nogen || prog.AltidDirekte) return ud;
    ud.assign(std::size_t(n) + 1, 0.0);
    std::vector<double> v(k, 0.0), u(k, 0.0);
    for (int m = 1; m <= n; ++m) {
        bool klar = true;
        for (std::size_t i = 0; i < k && klar; ++i) {
            if (!f.ErKilde(i)) continue;
            const TNavneOpslag& o = prog.Opslag[i];
            if (o.art == TNavneOpslag::Art::Konstant) {
                v[i] = p.KonstantVaerdi[std::size_t(o.Nr)];
                u[i] = GemtUsikkerhed(p, 0, o.Nr, 1);
            } else {
                bool fejl = false;
                v[i] = TekstTilTal(CelleTekst(p, o.Tabel, o.Nr, m), fejl);
                u[i] = GemtUsikkerhed(p, o.Tabel, o.Nr, m);
                klar = !fejl && std::isfinite(u[i]);
            }
        }
        double r = 0;
        if (klar && f.Usikkerhed(v.data(), u.data(), r)) ud[std::size_t(m)] = r;
    }
    return ud;
}

namespace {

// The weighted linear fit with design matrix a (n by p): rows and y divided
// by u, so the solver's covariance is (A^T W A)^-1 with W = diag(1/u^2).
TFitResultat VaegtetLineaertFit(std::span<const TPunkt> punkter, std::span<const double> u,
                                std::vector<Reel> a, int p, const std::vector<std::string>& navne) {
    TFitResultat r;
    const int n = int(punkter.size());
    if (n < p || int(u.size()) != n) {
        r.Besked = "Der er for f\xE5 m\xE5linger til fittet: mindst " + std::to_string(p) + " skal der v\xE6re";
        return r;
    }
    std::vector<Reel> y(static_cast<std::size_t>(n)), c, k;
    for (int i = 0; i < n; ++i) {
        const Reel w = 1 / Reel(u[std::size_t(i)]);
        y[std::size_t(i)] = punkter[std::size_t(i)].y * w;
        for (int j = 0; j < p; ++j) a[std::size_t(i) * std::size_t(p) + std::size_t(j)] *= w;
    }
    if (!MindsteKvadrater(a, n, p, y, c, k)) {
        r.Besked = "Fittet kan ikke beregnes: for f\xE5 forskellige x-v\xE6rdier";
        return r;
    }
    Reel chi2 = 0, rss = 0, sy = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        Reel f = 0;
        for (int j = 0; j < p; ++j) f += a[std::size_t(i) * std::size_t(p) + std::size_t(j)] * c[std::size_t(j)];
        const Reel d = y[std::size_t(i)] - f;  // in units of u
        chi2 += d * d;
        rss += d * d * Reel(u[std::size_t(i)]) * Reel(u[std::size_t(i)]);
        sy += punkter[std::size_t(i)].y;
    }
    for (int i = 0; i < n; ++i) syy += (punkter[std::size_t(i)].y - sy / n) * (punkter[std::size_t(i)].y - sy / n);
    r.Ok = true;
    r.Vaegtet = true;
    r.Chi2 = double(chi2);
    r.Frihedsgrader = n - p;
    r.ReduceretChi2 = n > p ? double(chi2 / (n - p)) : 0.0;
    r.RSS = double(rss);
    r.R2 = syy > 0 ? double(1 - rss / syy) : 1.0;
    r.s = n > p ? double(std::sqrt(rss / (n - p))) : 0.0;
    // The uncertainties are known from the measurements themselves, even without degrees of freedom.
    r.UsikkerhedKendt = true;
    for (int j = 0; j < p; ++j)
        r.Parametre.push_back({navne[std::size_t(j)], double(c[std::size_t(j)]),
                               double(std::sqrt(std::fabs(k[std::size_t(j) * std::size_t(p) + std::size_t(j)])))});
    return r;
}

}  // namespace

TFitResultat VaegtetPolynomiumsFit(std::span<const TPunkt> punkter, std::span<const double> u, int grad) {
    if (grad < 0) {
        TFitResultat r;
        r.Besked = "Polynomiets grad skal v\xE6re mindst 0";
        return r;
    }
    const int n = int(punkter.size()), p = grad + 1;
    std::vector<Reel> a(std::size_t(n) * std::size_t(p));
    for (int i = 0; i < n; ++i) {
        Reel v = 1;
        for (int j = 0; j < p; ++j) {
            a[std::size_t(i) * std::size_t(p) + std::size_t(j)] = v;
            v *= punkter[std::size_t(i)].x;
        }
    }
    std::vector<std::string> navne;
    for (int j = 0; j < p; ++j) navne.push_back("c" + std::to_string(j));
    return VaegtetLineaertFit(punkter, u, std::move(a), p, navne);
}

TFitResultat VaegtetLinRegression(std::span<const TPunkt> punkter, std::span<const double> u) {
    TFitResultat r = VaegtetPolynomiumsFit(punkter, u, 1);
    if (r.Parametre.size() == 2) {
        std::swap(r.Parametre[0], r.Parametre[1]);
        r.Parametre[0].Navn = "a";
        r.Parametre[1].Navn = "b";
    }
    return r;
}

int UbrugeligVaegt(std::span<const double> u) {
    for (std::size_t i = 0; i < u.size(); ++i)
        if (!(u[i] > 0) || !std::isfinite(1 / u[i])) return int(i);
    return -1;
}

std::string NulUsikkerhedBesked(const std::string& yAkse, double u, int maaling) {
    return "Usikkerheden p\xE5 " + yAkse + " er " + (u == 0 ? std::string("0") : std::isfinite(u) ? Tal(u) : std::string("ikke et tal")) +
           " i m\xE5ling " + std::to_string(maaling) +
           ": et v\xE6gtet fit kr\xE6ver usikkerheder st\xF8rre end 0";
}

void ListVaegtning(std::vector<std::string>& linjer, const TFitResultat& r) {
    if (!r.Vaegtet) return;
    linjer.push_back("V\xE6gtet med 1/u\xB2");
    linjer.push_back("Chi\xB2 = " + Tal(r.Chi2));
    if (r.Frihedsgrader > 0) linjer.push_back("Reduceret Chi\xB2 = " + Tal(r.ReduceretChi2));
    linjer.push_back("Frihedsgrader = " + std::to_string(r.Frihedsgrader));
}

void TegnFejlstaenger(TBilledGrafik& g, Laerred& l, std::span<const TPunkt> punkter,
                      std::span<const double> ux, std::span<const double> uy) {
    constexpr int Ende = 3;  // half the cross line, in pixels
    for (std::size_t i = 0; i < punkter.size(); ++i) {
        const double x = punkter[i].x, y = punkter[i].y;
        if (i < uy.size() && uy[i] > 0 && std::isfinite(uy[i])) {
            g.MoveToW(l, x, y - uy[i]);
            g.LineToW(l, x, y + uy[i]);
            for (double ende : {y - uy[i], y + uy[i]}) {
                const int X = g.PixelX(x), Y = g.PixelY(ende);
                l.Anker(g.Afbildning(), x, ende);
                l.FlytTil(X - Ende, Y);
                l.LinjeTil(X + Ende + 1, Y);
            }
        }
        if (i < ux.size() && ux[i] > 0 && std::isfinite(ux[i])) {
            g.MoveToW(l, x - ux[i], y);
            g.LineToW(l, x + ux[i], y);
            for (double ende : {x - ux[i], x + ux[i]}) {
                const int X = g.PixelX(ende), Y = g.PixelY(y);
                l.Anker(g.Afbildning(), ende, y);
                l.FlytTil(X, Y - Ende);
                l.LinjeTil(X, Y + Ende + 1);
            }
        }
    }
}

}  // namespace plotvik
