// The model fit: the GNU Scientific Library's trust-region nonlinear least
// squares (gsl_multifit_nlinear) over the user's model. One run of the
// library stops far from the solution on some hard problems, so the fit
// tries several methods and scalings (Levenberg-Marquardt with and without
// geodesic acceleration, More and Levenberg scaling, dogleg, 2D subspace)
// and several start values, until two runs agree on the same minimum. The
// uncertainties come from the exact Jacobian at the solution.
#include "graphs/ModelFit.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphs/MindsteKvadrater.h"
#include "graphs/ModelUdtryk.h"

namespace plotvik {

namespace {

// A residual where the model cannot be evaluated: a step there is refused.
constexpr double Straf = 1e100;

struct TFitData {
    const TModel* Model;
    std::span<const TPunkt> Punkter;
    int p;
    // 1/u per point for a weighted fit; empty for the plain one.
    std::vector<double> Vaegt = {};
};

// During the search the model runs in double precision; the results at the
// solution are computed exactly as the function expressions compute.
bool Vaerdi(const TFitData& d, const double* pladser, double& y) { return d.Model->Program.BeregnHurtigt(pladser, y); }
bool EksaktVaerdi(const TFitData& d, const double* pladser, double& y) { return d.Model->Program.Beregn(pladser, y); }

int Residualer(const gsl_vector* x, void* data, gsl_vector* f) {
    const auto& d = *static_cast<const TFitData*>(data);
    double pladser[MaksModelParametre + 1];
    for (int j = 0; j < d.p; ++j) pladser[j + 1] = gsl_vector_get(x, std::size_t(j));
    for (std::size_t i = 0; i < d.Punkter.size(); ++i) {
        pladser[0] = d.Punkter[i].x;
        double y = 0;
        const bool ok = Vaerdi(d, pladser, y);
        if (d.Vaegt.empty()) gsl_vector_set(f, i, ok ? y - d.Punkter[i].y : Straf);
        else gsl_vector_set(f, i, ok ? (y - d.Punkter[i].y) * d.Vaegt[i] : Straf);
    }
    return GSL_SUCCESS;
}

// The central difference by parameter j at one point; false when the model
// cannot be evaluated beside it.
bool Difference(const TFitData& d, double* pladser, int j, double& df) {
    const double v = pladser[j + 1];
    const double h = 6e-6 * std::max(std::fabs(v), 1e-6);
    double op = 0, ned = 0;
    pladser[j + 1] = v + h;
    const bool ok1 = Vaerdi(d, pladser, op);
    pladser[j + 1] = v - h;
    const bool ok2 = Vaerdi(d, pladser, ned);
    pladser[j + 1] = v;
    if (!ok1 || !ok2) return false;
    df = (op - ned) / (2 * h);
    return std::isfinite(df);
}

// One row of the Jacobian: the symbolic derivatives where there are any.
void JacobiRaekke(const TFitData& d, double* pladser, double* raekke) {
    for (int j = 0; j < d.p; ++j) {
        double df = 0;
        const auto& afledt = d.Model->Afledte[std::size_t(j)];
        if (!(afledt && afledt->BeregnHurtigt(pladser, df)) && !Difference(d, pladser, j, df)) df = 0;
        raekke[j] = df;
    }
}

int Jacobi(const gsl_vector* x, void* data, gsl_matrix* J) {
    const auto& d = *static_cast<const TFitData*>(data);
    double pladser[MaksModelParametre + 1];
    double raekke[MaksModelParametre];
    for (int j = 0; j < d.p; ++j) pladser[j + 1] = gsl_vector_get(x, std::size_t(j));
    for (std::size_t i = 0; i < d.Punkter.size(); ++i) {
        pladser[0] = d.Punkter[i].x;
        JacobiRaekke(d, pladser, raekke);
        const double w = d.Vaegt.empty() ? 1.0 : d.Vaegt[i];
        for (int j = 0; j < d.p; ++j) gsl_matrix_set(J, i, std::size_t(j), d.Vaegt.empty() ? raekke[j] : raekke[j] * w);
    }
    return GSL_SUCCESS;
}

// A symbolic derivative that disagrees with the differences at the start
// (a text cut short by the differentiation's length limit, say) is not used.
void TjekAfledte(TModel& m, const TFitData& d, const std::vector<double>& start) {
    double pladser[MaksModelParametre + 1];
    for (int j = 0; j < d.p; ++j) pladser[j + 1] = start[std::size_t(j)];
    const std::size_t n = d.Punkter.size();
    const std::size_t proever[] = {0, n / 3, n / 2, (2 * n) / 3, n - 1};
    for (int j = 0; j < d.p; ++j) {
        auto& afledt = m.Afledte[std::size_t(j)];
        if (!afledt) continue;
        int sammenlignet = 0;
        for (std::size_t i : proever) {
            pladser[0] = d.Punkter[i].x;
            double a = 0, fd = 0, y = 0;
            if (!afledt->BeregnHurtigt(pladser, a) || !Difference(d, pladser, j, fd) || !Vaerdi(d, pladser, y)) continue;
            ++sammenlignet;
            const double skala = std::max({std::fabs(a), std::fabs(fd),
                                           1e-6 * std::fabs(y) / std::max(std::fabs(pladser[j + 1]), 1e-6)});
            if (std::fabs(a - fd) > 1e-4 * skala + 1e-300) {
                afledt.reset();
                break;
            }
        }
        (void)sammenlignet;
    }
}

struct TMetode {
    const gsl_multifit_nlinear_trs* trs;
    const gsl_multifit_nlinear_scale* scale;
};

struct TKoersel {
    bool Konvergeret = false;
    bool Endelig = false;
    std::vector<double> x;
    double RSS = std::numeric_limits<double>::infinity();
    int Iterationer = 0;
};

TKoersel Koer(const TFitData& d, const TMetode& metode, const std::vector<double>& start, int maksIter) {
    TKoersel k;
    const std::size_t n = d.Punkter.size(), p = std::size_t(d.p);
    gsl_multifit_nlinear_parameters par = gsl_multifit_nlinear_default_parameters();
    par.trs = metode.trs;
    par.scale = metode.scale;
    par.solver = gsl_multifit_nlinear_solver_qr;
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residualer;
    fdf.df = Jacobi;
    fdf.fvv = nullptr;  // the acceleration's second derivative by differences
    fdf.n = n;
    fdf.p = p;
    fdf.params = const_cast<TFitData*>(&d);
    gsl_multifit_nlinear_workspace* w = gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &par, n, p);
    if (!w) return k;
    gsl_vector* x0 = gsl_vector_alloc(p);
    for (std::size_t j = 0; j < p; ++j) gsl_vector_set(x0, j, start[j]);
    int info = 0;
    int status = gsl_multifit_nlinear_init(x0, &fdf, w);
    if (status == GSL_SUCCESS) status = gsl_multifit_nlinear_driver(std::size_t(maksIter), 1e-12, 1e-12, 1e-15, nullptr, nullptr, &info, w);
    const gsl_vector* x = gsl_multifit_nlinear_position(w);
    const gsl_vector* f = gsl_multifit_nlinear_residual(w);
    k.x.resize(p);
    bool endelig = true;
    for (std::size_t j = 0; j < p; ++j) {
        k.x[j] = gsl_vector_get(x, j);
        endelig = endelig && std::isfinite(k.x[j]);
    }
    double rss = 0;
    gsl_blas_ddot(f, f, &rss);
    k.Endelig = endelig && std::isfinite(rss);
    k.RSS = k.Endelig ? rss : std::numeric_limits<double>::infinity();
    k.Konvergeret = status == GSL_SUCCESS && k.Endelig && rss < 0.5 * Straf;
    k.Iterationer = int(gsl_multifit_nlinear_niter(w));
    gsl_vector_free(x0);
    gsl_multifit_nlinear_free(w);
    return k;
}

bool Enige(const TKoersel& a, const TKoersel& b, double skala) {
    if (!a.Endelig || !b.Endelig) return false;
    if (std::fabs(a.RSS - b.RSS) > 1e-9 * std::max(a.RSS, b.RSS) + 1e-24 * skala) return false;
    for (std::size_t j = 0; j < a.x.size(); ++j)
        if (std::fabs(a.x[j] - b.x[j]) > 1e-5 * std::max(std::fabs(a.x[j]), std::fabs(b.x[j])) + 1e-12) return false;
    return true;
}

// The first data point where the model cannot be evaluated, or -1.
int IkkeBeregnelig(const TFitData& d, const std::vector<double>& v) {
    double pladser[MaksModelParametre + 1];
    for (int j = 0; j < d.p; ++j) pladser[j + 1] = v[std::size_t(j)];
    for (std::size_t i = 0; i < d.Punkter.size(); ++i) {
        pladser[0] = d.Punkter[i].x;
        double y = 0;
        if (!EksaktVaerdi(d, pladser, y)) return int(i);
    }
    return -1;
}

// Turns GSL's default abort on error off while a fit runs.
class TGslFejlHaandtering {
public:
    TGslFejlHaandtering() : forrige_(gsl_set_error_handler_off()) {}
    ~TGslFejlHaandtering() { gsl_set_error_handler(forrige_); }

private:
    gsl_error_handler_t* forrige_;
};

}  // namespace

TFitResultat ModelFit(const std::string& model, const std::string& xNavn, std::span<const TPunkt> punkter,
                      std::span<const TParameter> start) {
    return ModelFit(model, xNavn, punkter, start, {});
}

TFitResultat ModelFit(const std::string& model, const std::string& xNavn, std::span<const TPunkt> punkter,
                      std::span<const TParameter> start, std::span<const TParameter> konstanter) {
    return ModelFit(model, xNavn, punkter, start, konstanter, {});
}

TFitResultat ModelFit(const std::string& model, const std::string& xNavn, std::span<const TPunkt> punkter,
                      std::span<const TParameter> start, std::span<const TParameter> konstanter,
                      std::span<const double> u) {
    TFitResultat r;
    const bool vaegtet = !u.empty();
    auto m = LaesModel(model, xNavn, start, konstanter, r.Besked);
    if (!m) return r;
    const int p = int(m->Parametre.size()), n = int(punkter.size());
    for (const auto& navn : m->Parametre) r.Parametre.push_back({navn, 0, 0});
    if (n < p || n == 0) {
        r.Besked = FlereParametreEndPunkterBesked(p, n);
        return r;
    }
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(punkter[std::size_t(i)].x) || !std::isfinite(punkter[std::size_t(i)].y)) {
            r.Besked = IkkeBeregneligBesked(i + 1, punkter[std::size_t(i)].x);
            return r;
        }

    // Start values: the given ones, 1 for the others.
    std::vector<double> v0(std::size_t(p), 1.0);
    std::vector<bool> givet(std::size_t(p), false);
    for (int j = 0; j < p; ++j)
        for (const TParameter& s : start)
            if (s.Navn == m->Parametre[std::size_t(j)] && std::isfinite(s.Vaerdi)) {
                v0[std::size_t(j)] = s.Vaerdi;
                givet[std::size_t(j)] = true;
            }
    // Restarts: the parameters without a given value take other magnitudes and signs;
    // when all were given, their values are scaled instead.
    std::vector<std::vector<double>> starter{v0};
    const bool alleGivet = std::all_of(givet.begin(), givet.end(), [](bool b) { return b; });
    for (double faktor : {0.1, 10.0, -1.0, 0.01, 100.0, -0.1}) {
        auto v = v0;
        for (int j = 0; j < p; ++j)
            if (!givet[std::size_t(j)] || alleGivet) v[std::size_t(j)] *= faktor;
        starter.push_back(v);
    }

    TFitData d{&*m, punkter, p};
    if (vaegtet) {
        if (u.size() != punkter.size()) {
            r.Besked = "Der skal være en usikkerhed til hvert datapunkt";
            return r;
        }
        for (double ui : u) d.Vaegt.push_back(1 / ui);
    }
    TGslFejlHaandtering gsl;
    const int foerste = IkkeBeregnelig(d, v0);
    const std::vector<TMetode> metoder = {
        {gsl_multifit_nlinear_trs_lm, gsl_multifit_nlinear_scale_more},
        {gsl_multifit_nlinear_trs_lmaccel, gsl_multifit_nlinear_scale_more},
        {gsl_multifit_nlinear_trs_lm, gsl_multifit_nlinear_scale_levenberg},
        {gsl_multifit_nlinear_trs_lmaccel, gsl_multifit_nlinear_scale_levenberg},
        {gsl_multifit_nlinear_trs_dogleg, gsl_multifit_nlinear_scale_more},
        {gsl_multifit_nlinear_trs_subspace2D, gsl_multifit_nlinear_scale_more},
        {gsl_multifit_nlinear_trs_lm, gsl_multifit_nlinear_scale_marquardt},
    };
    double skala = 0;
    for (std::size_t i = 0; i < punkter.size(); ++i)
        skala += vaegtet ? punkter[i].y * punkter[i].y * d.Vaegt[i] * d.Vaegt[i] : punkter[i].y * punkter[i].y;

    std::vector<TKoersel> koersler;
    koersler.reserve(starter.size() * metoder.size());
    const TKoersel* fundet = nullptr;
    bool tjekket = false;
    for (const auto& s : starter) {
        if (IkkeBeregnelig(d, s) >= 0) continue;
        if (!tjekket) {
            TjekAfledte(*m, d, s);
            tjekket = true;
        }
        for (const TMetode& metode : metoder) {
            koersler.push_back(Koer(d, metode, s, 2000));
            for (std::size_t a = 0; a + 1 < koersler.size() && !fundet; ++a)
                if (Enige(koersler[a], koersler.back(), skala) &&
                    (koersler[a].Konvergeret || koersler.back().Konvergeret))
                    fundet = koersler[a].RSS <= koersler.back().RSS ? &koersler[a] : &koersler.back();
            if (fundet) break;
        }
        if (fundet) break;
    }
    if (koersler.empty()) {
        r.Besked = IkkeBeregneligBesked(std::max(foerste, 0) + 1, punkter[std::size_t(std::max(foerste, 0))].x);
        return r;
    }
    if (!fundet) {
        // No two runs agree: the best converged run, if it is clearly the best.
        for (const auto& k : koersler)
            if (k.Konvergeret && (!fundet || k.RSS < fundet->RSS)) fundet = &k;
        for (const auto& k : koersler)
            if (fundet && k.Endelig && k.RSS < fundet->RSS * (1 - 1e-9)) fundet = nullptr;
    }
    if (!fundet) {
        r.Besked = IkkeKonvergeretBesked;
        return r;
    }
    // A last run from the solution settles its digits.
    TKoersel slut = Koer(d, metoder[0], fundet->x, 200);
    if (!(slut.Endelig && slut.RSS <= fundet->RSS)) slut = *fundet;
    r.Iterationer = fundet->Iterationer + (slut.x == fundet->x ? 0 : slut.Iterationer);

    const std::vector<double>& x = slut.x;
    if (const int i = IkkeBeregnelig(d, x); i >= 0) {
        r.Besked = IkkeBeregneligBesked(i + 1, punkter[std::size_t(i)].x);
        return r;
    }
    // The residuals and the Jacobian at the solution, in extended precision.
    std::vector<Reel> J(std::size_t(n) * std::size_t(p));
    double pladser[MaksModelParametre + 1];
    double raekke[MaksModelParametre];
    for (int j = 0; j < p; ++j) pladser[j + 1] = x[std::size_t(j)];
    Reel rss = 0, sy = 0, chi2 = 0;
    std::vector<Reel> residualer(std::size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        pladser[0] = punkter[std::size_t(i)].x;
        double y = 0;
        EksaktVaerdi(d, pladser, y);
        const Reel res = Reel(y) - punkter[std::size_t(i)].y;
        rss += res * res;
        residualer[std::size_t(i)] = res;
        sy += punkter[std::size_t(i)].y;
        JacobiRaekke(d, pladser, raekke);
        for (int j = 0; j < p; ++j) J[std::size_t(i) * std::size_t(p) + std::size_t(j)] = raekke[j];
        if (vaegtet) {
            // The weighted problem: residual and row in units of the point's uncertainty.
            const Reel w = d.Vaegt[std::size_t(i)];
            residualer[std::size_t(i)] = res * w;
            chi2 += res * w * res * w;
            for (int j = 0; j < p; ++j) J[std::size_t(i) * std::size_t(p) + std::size_t(j)] *= w;
        }
    }
    // The Gauss-Newton step left at the solution: at a minimum it is nothing
    // beside the uncertainties; a parameter running off to infinity (a model
    // that approaches the data only in a limit) leaves a large one.
    std::vector<Reel> c, k;
    if (!MindsteKvadrater(J, n, p, residualer, c, k)) {
        r.Besked = SingulaerBesked;
        return r;
    }
    const Reel s2Proeve = n > p ? (vaegtet ? chi2 : rss) / (n - p) : 0;
    for (int j = 0; j < p; ++j) {
        const Reel sd = std::sqrt(std::fabs(s2Proeve * k[std::size_t(j) * std::size_t(p) + std::size_t(j)]));
        if (!(std::fabs(c[std::size_t(j)]) <= 1e-3L * sd + 1e-9L * std::fabs(Reel(x[std::size_t(j)])) + 1e-300L)) {
            r.Besked = IkkeKonvergeretBesked;
            return r;
        }
    }
    Reel syy = 0;
    for (const TPunkt& pk : punkter) syy += (pk.y - sy / n) * (pk.y - sy / n);
    r.Ok = true;
    r.RSS = double(rss);
    r.R2 = syy > 0 ? double(1 - rss / syy) : 1.0;
    r.UsikkerhedKendt = n > p;
    const Reel s2 = r.UsikkerhedKendt ? rss / (n - p) : 0;
    r.s = double(std::sqrt(s2));
    if (!r.UsikkerhedKendt) r.Besked = ForFaaPunkterBesked;
    for (int j = 0; j < p; ++j) {
        r.Parametre[std::size_t(j)].Vaerdi = x[std::size_t(j)];
        r.Parametre[std::size_t(j)].Usikkerhed =
            r.UsikkerhedKendt ? double(std::sqrt(std::fabs(s2 * k[std::size_t(j) * std::size_t(p) + std::size_t(j)]))) : 0.0;
    }
    if (vaegtet) {
        // Known uncertainties of y: the covariance is (J^T W J)^-1 itself.
        r.Vaegtet = true;
        r.Chi2 = double(chi2);
        r.Frihedsgrader = n - p;
        r.ReduceretChi2 = n > p ? double(chi2 / (n - p)) : 0.0;
        r.UsikkerhedKendt = true;
        r.Besked.clear();
        for (int j = 0; j < p; ++j)
            r.Parametre[std::size_t(j)].Usikkerhed =
                double(std::sqrt(std::fabs(k[std::size_t(j) * std::size_t(p) + std::size_t(j)])));
    }
    return r;
}

}  // namespace plotvik
