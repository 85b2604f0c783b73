// Fits against certified reference results (NIST StRD: Norris, Pontius and the
// nonlinear problems from both start points), known parameters, the messages
// and the "± uncertainty" text.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/ModelFit.h"
#include "graphs/ModelUdtryk.h"
#include "support/Testdata.h"

using namespace plotvik;

namespace {

struct TNistOpgave {
    std::string Model;
    std::vector<double> Start1, Start2, Certificeret, Sd;
    double RSS = 0;
    std::vector<TPunkt> Punkter;
};

std::vector<double> Tal(const std::string& linje) {
    std::istringstream s(linje);
    std::vector<double> v;
    double x;
    while (s >> x) v.push_back(x);
    return v;
}

// "# key: values" header lines, then "x y" per line.
TNistOpgave LaesNls(const std::string& navn) {
    std::ifstream ind(test::Kildesti("tests/graphs/fixtures/nist-nls/" + navn));
    EXPECT_TRUE(ind.good()) << navn;
    TNistOpgave o;
    std::string linje;
    while (std::getline(ind, linje)) {
        if (linje.empty()) continue;
        if (linje[0] != '#') {
            const auto v = Tal(linje);
            if (v.size() == 2) o.Punkter.push_back({v[0], v[1]});
            continue;
        }
        const auto kolon = linje.find(':');
        if (kolon == std::string::npos) continue;
        const std::string noegle = linje.substr(2, kolon - 2), rest = linje.substr(kolon + 1);
        if (noegle == "model") o.Model = rest.substr(rest.find('=') + 1);
        if (noegle == "start1") o.Start1 = Tal(rest);
        if (noegle == "start2") o.Start2 = Tal(rest);
        if (noegle == "certified") o.Certificeret = Tal(rest);
        if (noegle == "certified-sd") o.Sd = Tal(rest);
        if (noegle == "certified-rss") o.RSS = Tal(rest).at(0);
    }
    return o;
}

std::vector<TPunkt> LaesLineaer(const std::string& navn) {
    std::ifstream ind(test::Kildesti("tests/graphs/fixtures/" + navn));
    std::vector<TPunkt> p;
    std::string linje;
    while (std::getline(ind, linje)) {
        if (linje.empty() || linje[0] == '#') continue;
        const auto v = Tal(linje);
        if (v.size() == 2) p.push_back({v[1], v[0]});
    }
    return p;
}

void Relativ(double faktisk, double forventet, double tol, const std::string& hvad) {
    EXPECT_LE(std::fabs(faktisk - forventet), tol * std::fabs(forventet))
        << hvad << ": " << faktisk << " != " << forventet;
}

std::vector<TParameter> Start(const std::vector<double>& v) {
    std::vector<TParameter> s;
    for (std::size_t i = 0; i < v.size(); ++i) s.push_back({"b" + std::to_string(i + 1), v[i]});
    return s;
}

}  // namespace

// The linear reference sets: the parameters with their standard deviations,
// s and R2 to eight significant digits.
TEST(FitUsikkerhed, LinearSetsMatchTheirCertifiedValues) {
    struct TCert { double v, sd; };
    const struct {
        const char* Fil;
        std::size_t Antal;
        int Grad;  // 0: the regression line
        std::vector<std::string> Navne;
        std::vector<TCert> Cert;
        double s, R2;
    } raekker[] = {
        // The line y = a*x + b: a is the certified slope B1, b the intercept B0.
        {"nist-norris.txt", 36, 0, {"a", "b"},
         {{1.00211681802045, 0.429796848199937E-03}, {-0.262323073774029, 0.232818234301152}},
         0.884796396144373, 0.999993745883712},
        {"nist-pontius.txt", 40, 2, {"c0", "c1", "c2"},
         {{0.673565789473684E-03, 0.107938612033077E-03}, {0.732059160401003E-06, 0.157817399981659E-09},
          {-0.316081871345029E-14, 0.486652849992036E-16}},
         0.205177424076185E-03, 0.999999900178537},
    };
    for (const auto& rk : raekker) {
        SCOPED_TRACE(rk.Fil);
        const auto p = LaesLineaer(rk.Fil);
        ASSERT_EQ(p.size(), rk.Antal);
        const TFitResultat r = rk.Grad == 0 ? LinRegressionMedUsikkerhed(p) : PolynomiumsFitMedUsikkerhed(p, rk.Grad);
        ASSERT_TRUE(r.Ok);
        ASSERT_EQ(r.Parametre.size(), rk.Cert.size());
        for (std::size_t j = 0; j < rk.Cert.size(); ++j) {
            EXPECT_EQ(r.Parametre[j].Navn, rk.Navne[j]);
            Relativ(r.Parametre[j].Vaerdi, rk.Cert[j].v, 1e-8, "B" + std::to_string(j));
            Relativ(r.Parametre[j].Usikkerhed, rk.Cert[j].sd, 1e-8, "sd B" + std::to_string(j));
        }
        Relativ(r.s, rk.s, 1e-8, "s");
        Relativ(r.R2, rk.R2, 1e-8, "R2");
        EXPECT_TRUE(r.UsikkerhedKendt);
    }
}

// Every nonlinear reference problem from both certified start points: the
// parameters, their standard deviations and the residual sum of squares to
// six significant digits.
TEST(ModelFitNist, ReproducesCertifiedValuesFromBothStartPoints) {
    for (const char* navn : {"misra1a.txt", "danwood.txt", "boxbod.txt", "rat42.txt", "rat43.txt",
                             "mgh09.txt", "mgh10.txt"}) {
        const TNistOpgave o = LaesNls(navn);
        ASSERT_FALSE(o.Punkter.empty()) << navn;
        for (int startNr = 1; startNr <= 2; ++startNr) {
            const auto start = Start(startNr == 1 ? o.Start1 : o.Start2);
            const std::string hvad = std::string(navn) + " start " + std::to_string(startNr);
            const TFitResultat r = ModelFit(o.Model, "x", o.Punkter, start);
            ASSERT_TRUE(r.Ok) << hvad << ": " << r.Besked;
            ASSERT_EQ(r.Parametre.size(), o.Certificeret.size()) << hvad;
            for (std::size_t j = 0; j < r.Parametre.size(); ++j) {
                EXPECT_EQ(r.Parametre[j].Navn, "b" + std::to_string(j + 1));
                Relativ(r.Parametre[j].Vaerdi, o.Certificeret[j], 1e-6, hvad + " " + r.Parametre[j].Navn);
                Relativ(r.Parametre[j].Usikkerhed, o.Sd[j], 1e-6, hvad + " sd " + r.Parametre[j].Navn);
            }
            Relativ(r.RSS, o.RSS, 1e-6, hvad + " RSS");
            Relativ(r.s, std::sqrt(o.RSS / double(o.Punkter.size() - o.Certificeret.size())), 1e-6, hvad + " s");
            EXPECT_TRUE(r.UsikkerhedKendt);
            EXPECT_GT(r.Iterationer, 0);
        }
    }
}

// Data computed from known parameters (no noise, and with a small known
// wobble): the fit finds the parameters from rough start values or none.
TEST(ModelFitGenereret, FindsKnownParameters) {
    struct TRaekke {
        const char* Model;
        const char* XNavn;
        std::vector<TParameter> Sand;   // the parameters the data come from
        std::vector<TParameter> Start;  // what the user gives
    };
    const TRaekke raekker[] = {
        {"A*exp(-k*t)+C", "t", {{"A", 5}, {"k", 0.7}, {"C", 1}}, {}},
        {"U0 * exp(-t/tau)", "t", {{"U0", 9}, {"tau", 2.5}}, {{"tau", 1}}},
        {"A*exp(-b*t)*cos(w*t+f)", "t", {{"A", 2}, {"b", 0.3}, {"w", 3}, {"f", 0.4}},
         {{"A", 1.5}, {"b", 0.2}, {"w", 2.8}, {"f", 0}}},
        {"a*x^n", "x", {{"a", 3}, {"n", 1.5}}, {}},
        {"Q*(1-exp(-t/RC))", "t", {{"Q", 4}, {"RC", 0.8}}, {}},
        {"v0*T + 0.5*g*T^2", "T", {{"v0", 2}, {"g", -9.82}}, {}},
    };
    for (const auto& rk : raekker) {
        std::string besked;
        auto m = LaesModel(rk.Model, rk.XNavn, rk.Sand, {}, besked);
        ASSERT_TRUE(m) << rk.Model << besked;
        std::vector<double> sand;
        for (const auto& p : rk.Sand) sand.push_back(p.Vaerdi);
        std::vector<TPunkt> punkter;
        for (int i = 0; i < 60; ++i) {
            const double x = 0.1 + 0.1 * i;
            // The "noise" is a fixed alternating wobble well below the signal.
            double y = 0;
            ASSERT_TRUE(ModelVaerdi(*m, x, sand, y));
            punkter.push_back({x, y + ((i % 2) ? 1e-3 : -1e-3)});
        }
        const TFitResultat r = ModelFit(rk.Model, rk.XNavn, punkter, rk.Start);
        ASSERT_TRUE(r.Ok) << rk.Model << ": " << r.Besked;
        ASSERT_EQ(r.Parametre.size(), rk.Sand.size());
        // The given ones first, then the others in the order the model names them.
        std::vector<TParameter> orden = rk.Start;
        for (const auto& sp : rk.Sand) {
            bool givet = false;
            for (const auto& g : rk.Start) givet = givet || g.Navn == sp.Navn;
            if (!givet) orden.push_back(sp);
        }
        for (std::size_t j = 0; j < rk.Sand.size(); ++j) {
            EXPECT_EQ(r.Parametre[j].Navn, orden[j].Navn) << rk.Model;
            double sand = 0;
            for (const auto& sp : rk.Sand)
                if (sp.Navn == r.Parametre[j].Navn) sand = sp.Vaerdi;
            EXPECT_NEAR(r.Parametre[j].Vaerdi, sand, 1e-2 * std::fabs(sand)) << rk.Model;
            EXPECT_GT(r.Parametre[j].Usikkerhed, 0) << rk.Model;
        }
        EXPECT_NEAR(r.s, 1e-3, 2e-4) << rk.Model;
        EXPECT_GT(r.R2, 0.9999) << rk.Model;
    }
}

TEST(ModelFitNavne, ParametersConstantsAndTheXVariable) {
    std::string besked;
    const std::vector<TParameter> konstanter = {{"g", 9.82}};
    struct { const char* Model; const char* X; std::vector<TParameter> Start; std::vector<std::string> Forventet; } raekker[] = {
        {"A*exp(-k*t)+C", "t", {}, {"A", "k", "C"}},
        {"A * exp( - k * t ) + C", "t", {{"C", 0}}, {"C", "A", "k"}},
        {"x*t + a", "t", {}, {"x", "a"}},           // x is a parameter when the variable is t
        {"a*sin(w*x+pi/2)*e", "x", {}, {"a", "w"}},  // pi, e and functions are no parameters
        {"h0 - 0.5*g*t^2", "t", {}, {"h0"}},         // g is the project's constant
        {"b*x", "x", {{"q", 2}, {"b", 1}}, {"b"}},   // a given name the model does not use is left out
    };
    for (const auto& r : raekker) {
        auto m = LaesModel(r.Model, r.X, r.Start, konstanter, besked);
        ASSERT_TRUE(m) << r.Model << ": " << besked;
        EXPECT_EQ(m->Parametre, r.Forventet) << r.Model;
    }
    // The constant takes its value: h0 - 0.5*9.82*t^2 at t = 2 with h0 = 30.
    auto m = LaesModel("h0 - 0.5*g*t^2", "t", {}, konstanter, besked);
    double y = 0;
    ASSERT_TRUE(ModelVaerdi(*m, 2, std::vector<double>{30}, y));
    EXPECT_DOUBLE_EQ(y, 30 - 0.5 * 9.82 * 4);
}

// The operator rules are those of the function expressions.
TEST(ModelFitNavne, EvaluatesLikeFunctionExpressions) {
    const char* udtryk[] = {"-x^2+3*x", "2^3^2", "-2^2", "x/2/4", "sqrt(x)*ln(x)+exp(-x)", "sinh(x)-cosh(x)+tan(x)",
                            "atan(x)+asin(x/4)", "abs(-x)*erf(x)+phi(x)", "3*-x^2", "(1+x)^(1/3)", "1.5e-1*x", "0,5*x"};
    for (const char* u : udtryk) {
        for (double x : {0.5, 1.0, 2.5}) {
            std::string besked;
            auto m = LaesModel(std::string(u) + "+0*q", "x", {}, {}, besked);
            ASSERT_TRUE(m) << u << besked;
            double y = 0;
            ASSERT_TRUE(ModelVaerdi(*m, x, std::vector<double>{1}, y)) << u;
            EXPECT_DOUBLE_EQ(y, FunktionsVaerdi(u, x)) << u << " at " << x;
        }
    }
}

TEST(ModelFitBeskeder, EveryFaultHasItsDanishMessage) {
    const std::vector<TPunkt> p = {{1, 2}, {2, 3.9}, {3, 6.1}, {4, 8}};
    const std::vector<TPunkt> negativ = {{-1, 2}, {2, 3.9}, {3, 6.1}, {4, 8}};
    std::vector<TPunkt> trin;
    for (int i = 0; i < 20; ++i) trin.push_back({double(i), i < 10 ? 0.0 : 1.0});
    struct {
        const char* Model;
        std::vector<TPunkt> Punkter;
        std::vector<TParameter> Start;
        std::string Besked;
    } raekker[] = {
        {"a*x^2+b*x+c+d*x^3+f*x^4", p, {}, "Modellen har 5 parametre, men der er kun 4 datapunkter"},
        {"a*b*x", p, {}, "Modelfittet kan ikke bestemme parametrene hver for sig (singul\xE6r Jacobi-matrix): "
                         "fjern en parameter eller pr\xF8v andre startv\xE6rdier"},
        {"a*sqrt(x)", negativ, {}, "Modellen kan ikke beregnes i datapunkt nr. 1 (x = -1.000)"},
        {"a*x + ", p, {}, "Modellen slutter for tidligt"},
        {"a*(x+1", p, {}, "Mangler \")\" i modellen"},
        {"a*x#2", p, {}, "Ugyldigt tegn '#' i modellen"},
        {"2*x", p, {}, "Modellen har ingen parametre at fitte"},
        {"a+b*x+c*x^2+d*x^3+f*x^4+g*x^5+h*x^6+i*x^7+j*x^8+k*x^9+l*x^10+m*x^11+n*x^12", p, {},
         "Modellen har 13 parametre; h\xF8jst 12 kan fittes"},
        {"", p, {}, "Der er ingen model at fitte"},
        // A step no smooth model reaches: a ridge the runs never agree on.
        {"1/(1+exp(-k*(x-m)))", trin, {{"k", 1}, {"m", 3}},
         "Modelfittet konvergerede ikke: pr\xF8v andre startv\xE6rdier eller en anden model"},
    };
    for (const auto& r : raekker) {
        const TFitResultat res = ModelFit(r.Model, "x", r.Punkter, r.Start);
        EXPECT_FALSE(res.Ok) << r.Model;
        EXPECT_EQ(res.Besked, r.Besked) << r.Model;
    }
    // As many points as parameters: a fit without uncertainties, and why.
    const std::vector<TPunkt> to = {{1, 2}, {2, 3}};
    const TFitResultat res = ModelFit("a*x+b", "x", to, {});
    EXPECT_TRUE(res.Ok);
    EXPECT_FALSE(res.UsikkerhedKendt);
    EXPECT_EQ(res.Besked, "Ingen usikkerheder: der skal v\xE6re flere m\xE5linger end parametre");
}

TEST(ModelFitTekst, ValueWithUncertaintyToTwoSignificantDigits) {
    struct { double v, u; const char* Tekst; } raekker[] = {
        {0.25012, 0.0034, "a = 0.2501 \xB1 0.0034"},
        {0.250, 0.003, "a = 0.2500 \xB1 0.0030"},
        {9.8123, 0.0996, "a = 9.81 \xB1 0.10"},
        {12345.6, 123, "a = 12350 \xB1 120"},
        {-1.23456, 0.5, "a = -1.23 \xB1 0.50"},
        {238.94212918, 2.7070075241, "a = 238.9 \xB1 2.7"},
        {5.5015643181E-04, 7.2668688436E-06, "a = (5.502 \xB1 0.073)E-4"},
        {3.0e9, 2.1e7, "a = (3.000 \xB1 0.021)E9"},
        {1.5, 0, "a = 1.500"},
        {2.0, 4e-19, "a = 2.000 \xB1 0"},
    };
    for (const auto& r : raekker) EXPECT_EQ(MedUsikkerhed("a", r.v, r.u), r.Tekst) << r.v;
}
