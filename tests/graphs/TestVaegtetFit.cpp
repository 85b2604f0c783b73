// Weighted fits checked against independent weighted least squares (the
// closed form of the line, the GNU Scientific Library's weighted linear
// solver for the polynomial, a model fit of a known case), the lines they
// add to the results, and the error bars kept in the sheet's draw list.
#include <gtest/gtest.h>
#include <gsl/gsl_multifit.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "graphs/GrafTegning.h"
#include "graphs/Tegneliste.h"
#include "graphs/TestLaerred.h"
#include "graphs/Usikkerhed.h"
#include "support/FakeFlade.h"

using namespace plotvik;

namespace {

// Measurements of a falling ball's speed with growing uncertainties.
const std::vector<TPunkt> Punkter = {{0.1, 1.02}, {0.2, 1.93}, {0.3, 2.99}, {0.4, 3.88}, {0.5, 4.97}, {0.6, 5.86}};
const std::vector<double> U = {0.05, 0.05, 0.1, 0.1, 0.2, 0.3};

struct TGslFit {
    std::vector<double> c, u;
    double chi2 = 0;
};

// gsl_multifit_wlinear on the columns 1, x, ..., x^grad with w = 1/u^2.
TGslFit GslPolynomium(const std::vector<TPunkt>& pk, const std::vector<double>& u, int grad) {
    const std::size_t n = pk.size(), p = std::size_t(grad) + 1;
    gsl_matrix* X = gsl_matrix_alloc(n, p);
    gsl_vector *y = gsl_vector_alloc(n), *w = gsl_vector_alloc(n), *c = gsl_vector_alloc(p);
    gsl_matrix* cov = gsl_matrix_alloc(p, p);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < p; ++j) gsl_matrix_set(X, i, j, std::pow(pk[i].x, double(j)));
        gsl_vector_set(y, i, pk[i].y);
        gsl_vector_set(w, i, 1 / (u[i] * u[i]));
    }
    gsl_multifit_linear_workspace* ws = gsl_multifit_linear_alloc(n, p);
    TGslFit r;
    gsl_multifit_wlinear(X, w, y, c, cov, &r.chi2, ws);
    for (std::size_t j = 0; j < p; ++j) {
        r.c.push_back(gsl_vector_get(c, j));
        r.u.push_back(std::sqrt(gsl_matrix_get(cov, j, j)));
    }
    gsl_multifit_linear_free(ws);
    gsl_matrix_free(X);
    gsl_matrix_free(cov);
    gsl_vector_free(y);
    gsl_vector_free(w);
    gsl_vector_free(c);
    return r;
}

void Naer(double faktisk, double ventet, double relativ, const std::string& hvad) {
    EXPECT_NEAR(faktisk, ventet, relativ * std::max(std::fabs(ventet), 1e-300)) << hvad;
}

}  // namespace

TEST(VaegtetFit, TheLineAgreesWithTheClosedForm) {
    // Sums S = sum w, Sx, Sy, Sxx, Sxy with w = 1/u^2; D = S*Sxx - Sx^2.
    long double S = 0, Sx = 0, Sy = 0, Sxx = 0, Sxy = 0;
    for (std::size_t i = 0; i < Punkter.size(); ++i) {
        const long double w = 1.0L / (U[i] * (long double)U[i]), x = Punkter[i].x, y = Punkter[i].y;
        S += w, Sx += w * x, Sy += w * y, Sxx += w * x * x, Sxy += w * x * y;
    }
    const long double D = S * Sxx - Sx * Sx;
    const long double haeldning = (S * Sxy - Sx * Sy) / D, skaering = (Sxx * Sy - Sx * Sxy) / D;
    long double chi2 = 0;
    for (std::size_t i = 0; i < Punkter.size(); ++i) {
        const long double r = (Punkter[i].y - haeldning * Punkter[i].x - skaering) / U[i];
        chi2 += r * r;
    }
    const TFitResultat r = VaegtetLinRegression(Punkter, U);
    ASSERT_TRUE(r.Ok);
    ASSERT_EQ(r.Parametre.size(), 2u);
    EXPECT_EQ(r.Parametre[0].Navn, "a");
    Naer(r.Parametre[0].Vaerdi, double(haeldning), 1e-10, "slope");
    Naer(r.Parametre[1].Vaerdi, double(skaering), 1e-10, "intercept");
    Naer(r.Parametre[0].Usikkerhed, double(std::sqrt(S / D)), 1e-10, "u(slope)");
    Naer(r.Parametre[1].Usikkerhed, double(std::sqrt(Sxx / D)), 1e-10, "u(intercept)");
    Naer(r.Chi2, double(chi2), 1e-10, "chi2");
    EXPECT_EQ(r.Frihedsgrader, 4);
    Naer(r.ReduceretChi2, double(chi2 / 4), 1e-10, "reduced chi2");
}

TEST(VaegtetFit, ThePolynomialAgreesWithGslWeightedLinear) {
    for (int grad : {0, 1, 2, 3}) {
        const TGslFit g = GslPolynomium(Punkter, U, grad);
        const TFitResultat r = VaegtetPolynomiumsFit(Punkter, U, grad);
        ASSERT_TRUE(r.Ok) << grad;
        ASSERT_EQ(r.Parametre.size(), std::size_t(grad) + 1);
        for (int j = 0; j <= grad; ++j) {
            Naer(r.Parametre[std::size_t(j)].Vaerdi, g.c[std::size_t(j)], 1e-10, "c" + std::to_string(j));
            Naer(r.Parametre[std::size_t(j)].Usikkerhed, g.u[std::size_t(j)], 1e-10, "u(c" + std::to_string(j) + ")");
        }
        Naer(r.Chi2, g.chi2, 1e-10, "chi2 of degree " + std::to_string(grad));
        EXPECT_EQ(r.Frihedsgrader, 6 - grad - 1);
    }
}

TEST(VaegtetFit, EqualUncertaintiesGiveTheUnweightedCoefficients) {
    const std::vector<double> ens(Punkter.size(), 0.1);
    const TFitResultat v = VaegtetPolynomiumsFit(Punkter, ens, 2);
    const TFitResultat u = PolynomiumsFitMedUsikkerhed(Punkter, 2);
    ASSERT_TRUE(v.Ok && u.Ok);
    for (std::size_t j = 0; j < 3; ++j) {
        Naer(v.Parametre[j].Vaerdi, u.Parametre[j].Vaerdi, 1e-10, "c" + std::to_string(j));
        // The unweighted uncertainty is s*sqrt(k), the weighted one u*sqrt(k).
        Naer(v.Parametre[j].Usikkerhed, u.Parametre[j].Usikkerhed * 0.1 / u.s, 1e-9, "u" + std::to_string(j));
    }
    Naer(v.Chi2, u.RSS / 0.01, 1e-10, "chi2 = RSS/u^2");
}

TEST(VaegtetFit, AWeightedModelFitReproducesKnownCases) {
    // A straight-line model gives the weighted line itself.
    const TFitResultat linje = VaegtetLinRegression(Punkter, U);
    const std::vector<TParameter> start = {{"a", 1}, {"b", 0}};
    const TFitResultat m = ModelFit("a*x+b", "x", Punkter, start, {}, U);
    ASSERT_TRUE(m.Ok) << m.Besked;
    EXPECT_TRUE(m.Vaegtet);
    Naer(m.Parametre[0].Vaerdi, linje.Parametre[0].Vaerdi, 1e-9, "a");
    Naer(m.Parametre[1].Vaerdi, linje.Parametre[1].Vaerdi, 1e-9, "b");
    Naer(m.Parametre[0].Usikkerhed, linje.Parametre[0].Usikkerhed, 1e-7, "u(a)");
    Naer(m.Parametre[1].Usikkerhed, linje.Parametre[1].Usikkerhed, 1e-7, "u(b)");
    Naer(m.Chi2, linje.Chi2, 1e-8, "chi2");
    EXPECT_EQ(m.Frihedsgrader, 4);

    // A decay y = A*exp(-k*t) through exact points: the weights change nothing, chi^2 is 0,
    // and u(A) follows from the covariance: at one point per parameter... checked
    // against the one-parameter closed form with k fixed: u(A)^2 = 1/sum(w e^(-2kt)).
    std::vector<TPunkt> henfald;
    std::vector<double> u;
    for (int i = 0; i < 8; ++i) {
        const double t = 0.5 * i;
        henfald.push_back({t, 3 * std::exp(-0.7 * t)});
        u.push_back(0.01 * (1 + i));
    }
    const TFitResultat e = ModelFit("A*exp(-k*t)", "t", henfald, std::vector<TParameter>{{"A", 2}, {"k", 1}}, {}, u);
    ASSERT_TRUE(e.Ok) << e.Besked;
    Naer(e.Parametre[0].Vaerdi, 3, 1e-9, "A");
    Naer(e.Parametre[1].Vaerdi, 0.7, 1e-9, "k");
    EXPECT_LT(e.Chi2, 1e-16);
    const TFitResultat a = ModelFit("A*exp(-0.7*t)", "t", henfald, std::vector<TParameter>{{"A", 2}}, {}, u);
    ASSERT_TRUE(a.Ok) << a.Besked;
    double sum = 0;
    for (std::size_t i = 0; i < henfald.size(); ++i) sum += std::exp(-1.4 * henfald[i].x) / (u[i] * u[i]);
    Naer(a.Parametre[0].Usikkerhed, 1 / std::sqrt(sum), 1e-7, "u(A) with k fixed");
}

namespace {

std::string Tekst(double v) {
    char s[40];
    std::snprintf(s, sizeof s, "%.17g", v);
    return s;
}

// Table 1 with x and y, the y uncertainties as the table computation leaves them; graph 1 on sheet 1.
struct Opstilling {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    test::TestLaerred l[4];
    test::FakeFlade flade;

    Opstilling(char type, const std::vector<double>& uy, int grad = 0) {
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        TTabelDef& t = p.Tabeller[1];
        t.Defineret = true;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = int(Punkter.size());
        t.Variable[1].Navn = "x";
        t.Variable[2].Navn = "y";
        t.Celler.Opret(2, t.AntalIndgange + 1);
        // Typed in reverse order: the pass sorts, the uncertainties must follow their points.
        for (int m = 1; m <= t.AntalIndgange; ++m) {
            const TPunkt& pk = Punkter[Punkter.size() - std::size_t(m)];
            t.Celler.SaetCelle(Tekst(pk.x), 1, m + 1);
            t.Celler.SaetCelle(Tekst(pk.y), 2, m + 1);
        }
        if (!uy.empty()) {
            t.Usikkerheder[2].assign(1, 0.0);
            for (int m = 1; m <= t.AntalIndgange; ++m) t.Usikkerheder[2].push_back(uy[uy.size() - std::size_t(m)]);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"v mod t", 1, "x", "y", type, grad, 0, 1, 0, 8, "", ""};
        for (int s = 1; s <= 3; ++s) {
            auto& a = arkene.Ark[s];
            a.Billede = &l[s];
            a.XAkse = "x";
            a.YAkse = "y";
            a.XMinTekst = "0";
            a.XMaxTekst = "1";
            a.YMinTekst = "0";
            a.YMaxTekst = "8";
        }
    }
    std::vector<std::string>& Resultater() { return arkene.Ark[1].Resultater; }
};

bool Har(const std::vector<std::string>& linjer, const std::string& l) {
    for (const auto& x : linjer)
        if (x == l) return true;
    return false;
}

}  // namespace

TEST(VaegtetFit, TheGraphPassWeighsAndListsChiSquare) {
    const TFitResultat linje = VaegtetLinRegression(Punkter, U);
    const TFitResultat pol = VaegtetPolynomiumsFit(Punkter, U, 2);
    const struct {
        char type;
        int grad;
        const TFitResultat* ventet;
        const char* forste;  // the first uncertainty line
    } raekker[] = {{'R', 0, &linje, "a"}, {'P', 2, &pol, "P[0]"}};
    for (const auto& r : raekker) {
        Opstilling o(r.type, U, r.grad);
        TegnGrafKnap(o.p, o.arkene, o.tt, 1);
        EXPECT_TRUE(o.flade.Vist.empty()) << r.type;
        const auto& linjer = o.Resultater();
        EXPECT_TRUE(Har(linjer, "V\xE6gtet med 1/u\xB2")) << r.type;
        EXPECT_TRUE(Har(linjer, "Chi\xB2 = " + FjernMellemrum(FormaterTal(10, 0, r.ventet->Chi2)))) << r.type;
        EXPECT_TRUE(Har(linjer, "Reduceret Chi\xB2 = " + FjernMellemrum(FormaterTal(10, 0, r.ventet->ReduceretChi2))));
        EXPECT_TRUE(Har(linjer, "Frihedsgrader = " + std::to_string(6 - r.grad - (r.type == 'R' ? 2 : 1))));
        EXPECT_TRUE(Har(linjer, MedUsikkerhed(r.forste, r.ventet->Parametre[0].Vaerdi, r.ventet->Parametre[0].Usikkerhed)))
            << r.type;
    }
    // The drawn fit is the weighted one: for the line, y = b*x + a with the weighted slope.
    Opstilling o('R', U);
    const TTegnetFit f = TegnTabelGraf(o.p, o.arkene, o.tt, 1, 1);
    Naer(f.Linie.b, linje.Parametre[0].Vaerdi, 1e-12, "drawn slope");
    Naer(f.Linie.a, linje.Parametre[1].Vaerdi, 1e-12, "drawn intercept");
}

TEST(VaegtetFit, AZeroUncertaintyNamesTheMeasurementAndFitsNothing) {
    for (char type : {'R', 'P', 'M'}) {
        std::vector<double> u = U;
        u[1] = 0;  // the point typed as measurement 5 (the table is in reverse order)
        Opstilling o(type, u, 1);
        o.p.Tabeller[1].Grafer[1].Model = "a*x+b";
        TegnGrafKnap(o.p, o.arkene, o.tt, 1);
        ASSERT_EQ(o.flade.Tekster(),
                  std::vector<std::string>{"Usikkerheden p\xE5 y er 0 i m\xE5ling 5: et v\xE6gtet fit kr\xE6ver "
                                           "usikkerheder st\xF8rre end 0"})
            << type;
        EXPECT_TRUE(o.Resultater().empty()) << type;
    }
}

TEST(VaegtetFit, WithoutUncertaintiesTheResultsAreThoseOfTheUnweightedFit) {
    for (char type : {'R', 'P', 'M'}) {
        Opstilling o(type, {}, 2);
        o.p.Tabeller[1].Grafer[1].Model = "a*x+b";
        o.p.Tabeller[1].Statistik[1] = true;
        TegnGrafKnap(o.p, o.arkene, o.tt, 1);
        const auto vaegtet = o.Resultater();
        // The same pass with the uncertainties of a table that has them, taken away again.
        Opstilling q(type, U, 2);
        q.p.Tabeller[1].Grafer[1].Model = "a*x+b";
        q.p.Tabeller[1].Statistik[1] = true;
        for (auto& u : q.p.Tabeller[1].Usikkerheder) u.clear();
        TegnGrafKnap(q.p, q.arkene, q.tt, 1);
        EXPECT_EQ(q.Resultater(), vaegtet) << type;
        EXPECT_FALSE(Har(vaegtet, "V\xE6gtet med 1/u\xB2")) << type;
        EXPECT_TRUE(q.tt.UsikkerhedY.empty());
    }
}

TEST(VaegtetFit, ErrorBarsAreStepsOfTheDrawList) {
    // Per bar: the bar and a cross line at each end, all world lines of the list.
    const struct {
        bool x, y;
        std::vector<double> ux, uy;
        int linjer;
    } raekker[] = {
        {false, true, {}, {0.1, 0.2, 0.3}, 9},
        {true, false, {0.01, 0.02, 0.03}, {}, 9},
        {true, true, {0.01, 0.02, 0.03}, {0.1, 0.2, 0.3}, 18},
        {false, true, {}, {0.1, 0, 0.3}, 6},  // no bar of length 0
    };
    const std::vector<TPunkt> pk = {{0.2, 1}, {0.4, 2}, {0.6, 3}};
    for (const auto& r : raekker) {
        test::TestLaerred l;
        TTegneliste liste;
        TOptagendeLaerred optager(l, liste);
        TBilledGrafik g;
        g.SetWindow(1, 0, 0, 1, 5);
        g.SetViewPort(1, 0, 0, l.Bredde() - 1, l.Hoejde() - 1, Hvid);
        g.SelectWindow(1);
        g.SelectViewPort(optager, 1);
        liste.Ryd();
        TegnFejlstaenger(g, optager, pk, r.x ? std::span<const double>(r.ux) : std::span<const double>(),
                         r.y ? std::span<const double>(r.uy) : std::span<const double>());
        int linjer = 0, verden = 0;
        for (const auto& t : liste.Trin) {
            linjer += t.Art == TTrinArt::Linje;
            verden += t.Art == TTrinArt::Linje && t.A.Verden && t.B.Verden;
        }
        EXPECT_EQ(linjer, r.linjer);
        EXPECT_EQ(verden, r.linjer) << "every end is kept as its world point";
    }
    // Through the pass: the sheet's box draws them, unchecked nothing more is drawn.
    Opstilling uden('K', U), med('K', U);
    med.arkene.Ark[1].FejlstaengerY = true;
    TegnGrafKnap(uden.p, uden.arkene, uden.tt, 1);
    TegnGrafKnap(med.p, med.arkene, med.tt, 1);
    auto antal = [](const test::TestLaerred& l) {
        int n = 0;
        for (const auto& o : l.Log) n += o.Art == test::Op::Linje;
        return n;
    };
    EXPECT_EQ(antal(med.l[1]) - antal(uden.l[1]), 3 * int(Punkter.size()));
}
