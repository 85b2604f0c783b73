// The model fit on a graph sheet and the uncertainty lines of the described fits.
#include "graphs/ModelFitTegning.h"
#include "graphs/Usikkerhed.h"

#include <cmath>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "graphs/ModelUdtryk.h"
#include "interpreter/VariabelUdtryk.h"

namespace plotvik {

namespace {

std::string Tal(double x) { return FjernMellemrum(FormaterTal(10, 0, x)); }

bool ErNavn(const std::string& s) {
    if (s.empty() || !ErNavneBogstav(s[0])) return false;
    for (char c : s)
        if (!ErNavneBogstav(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

void ListParametre(std::vector<std::string>& linjer, const TFitResultat& r) {
    if (!r.Ok) {
        linjer.push_back(r.Besked);
        return;
    }
    for (const TParameter& par : r.Parametre)
        linjer.push_back(MedUsikkerhed(par.Navn, par.Vaerdi, r.UsikkerhedKendt ? par.Usikkerhed : 0));
    if (!r.UsikkerhedKendt) linjer.push_back(r.Besked);
}

std::vector<TParameter> Konstanter(const TProjekt& p) {
    std::vector<TParameter> k;
    for (int i = 1; i <= p.AntalKonstanter && i <= MaksVariable; ++i)
        if (!p.Tabeller[0].Variable[i].Navn.empty()) k.push_back({p.Tabeller[0].Variable[i].Navn, p.KonstantVaerdi[i]});
    return k;
}

std::string XNavn(const TGrafDef& graf) {
    const std::string x = FjernMellemrum(graf.XGraf);
    return ErNavn(x) ? x : "x";
}

// The uncertainty lines of a linear fit with p parameters, under the line
// `form` that names where each coefficient stands.
void ListLineaer(std::vector<std::string>& linjer, const TFitResultat& r, std::size_t antal, int p,
                 const std::vector<std::string>& navne, const std::string& form) {
    if (int(antal) <= p) {
        linjer.push_back(ForFaaPunkterBesked);
        return;
    }
    if (!r.Ok) return;
    linjer.push_back(form);
    for (std::size_t i = 0; i < r.Parametre.size() && i < navne.size(); ++i)
        linjer.push_back(MedUsikkerhed(navne[i], r.Parametre[i].Vaerdi, r.Parametre[i].Usikkerhed));
}

}  // namespace

TFitResultat ModelFitAfGraf(const TProjekt& p, const TGrafDef& graf, std::span<const TPunkt> punkter,
                            std::span<const double> u) {
    std::vector<TParameter> start;
    const std::vector<TParameter> konstanter = Konstanter(p);
    std::string besked;
    if (!LaesStartVaerdier(graf.StartVaerdier, start, besked)) {
        TFitResultat r;
        r.Besked = besked;
        return r;
    }
    const std::string xNavn = XNavn(graf);
    const auto navne = ModelParametre(graf.Model, xNavn, konstanter, besked);
    if (int(navne.size()) > MaksGrafModelParametre) {
        TFitResultat r;
        r.Besked = "Modellen har " + std::to_string(navne.size()) + " parametre; h\xF8jst " +
                   std::to_string(MaksGrafModelParametre) + " kan fittes p\xE5 et grafark";
        return r;
    }
    if (!u.empty()) return ModelFit(graf.Model, xNavn, punkter, start, konstanter, u);
    return ModelFit(graf.Model, xNavn, punkter, start, konstanter);
}

TFitResultat TegnModelFit(const TProjekt& p, const TGrafDef& graf, TGrafArk& ark, TBilledGrafik& g, Laerred& l,
                          std::span<const TPunkt> punkter, int N, std::span<const double> u) {
    TFitResultat r;
    {
        Timeglas timeglas;
        r = ModelFitAfGraf(p, graf, punkter, u);
    }
    if (!ark.BeholdGraf) ark.Resultater.clear();
    ark.Resultater.push_back("Modelfit:");
    ark.Resultater.push_back(ark.YAkse + " = " + FjernMellemrum(graf.Model));
    if (!r.Ok) {
        ark.Resultater.push_back(r.Besked);
        Flade().Fejlboks(r.Besked);
        return r;
    }
    // The curve; where the model cannot be evaluated it breaks off.
    std::string besked;
    const auto model = LaesModel(graf.Model, XNavn(graf), r.Parametre, Konstanter(p), besked);
    if (model) {
        std::vector<double> v;
        for (const auto& par : r.Parametre) v.push_back(par.Vaerdi);
        const double skridt = (graf.XMax - graf.XMin) / N;
        bool paaKurven = false;
        for (int i = 0; i <= N; ++i) {
            const double xv = graf.XMin + i * skridt;
            double y = 0;
            const bool ok = ModelVaerdi(*model, xv, v, y);
            if (ok && paaKurven) g.LineToW(l, xv, y);
            else if (ok) g.MoveToW(l, xv, y);
            paaKurven = ok;
        }
    }
    ListParametre(ark.Resultater, r);
    ark.Resultater.push_back("s = " + Tal(r.s));
    ark.Resultater.push_back("R\xB2 = " + FjernMellemrum(FormaterTal(10, 6, r.R2)));
    ark.Resultater.push_back("Iterationer: " + std::to_string(r.Iterationer));
    ListVaegtning(ark.Resultater, r);
    return r;
}

void ListRegressionsUsikkerhed(std::vector<std::string>& linjer, bool statistik, std::span<const TPunkt> punkter,
                               const std::string& xAkse, const std::string& yAkse) {
    if (!statistik) return;
    ListLineaer(linjer, LinRegressionMedUsikkerhed(punkter), punkter.size(), 2, {"a", "b"},
                yAkse + " = a*" + xAkse + " + b");
}

namespace {

// Where each coefficient of the polynomial of degree d stands, and its name.
std::string PolynomiumsForm(int d, const std::string& xAkse, const std::string& yAkse,
                            std::vector<std::string>& navne) {
    std::string form = yAkse + " =";
    for (int i = 0; i <= d; ++i) {
        navne.push_back("P[" + std::to_string(i) + "]");
        form += (i == 0 ? " " : " + ") + navne.back();
        if (i >= 1) form += "*" + xAkse;
        if (i >= 2) form += "^" + std::to_string(i);
    }
    return form;
}

void ListVaegtetLineaer(std::vector<std::string>& linjer, const TFitResultat& r,
                        const std::vector<std::string>& navne, const std::string& form) {
    if (!r.Ok) {
        linjer.push_back(r.Besked);
        return;
    }
    linjer.push_back(form);
    for (std::size_t i = 0; i < r.Parametre.size() && i < navne.size(); ++i)
        linjer.push_back(MedUsikkerhed(navne[i], r.Parametre[i].Vaerdi, r.Parametre[i].Usikkerhed));
    ListVaegtning(linjer, r);
}

}  // namespace

void ListRegressionsUsikkerhed(std::vector<std::string>& linjer, std::span<const TPunkt> punkter,
                               std::span<const double> u, const std::string& xAkse, const std::string& yAkse) {
    ListVaegtetLineaer(linjer, VaegtetLinRegression(punkter, u), {"a", "b"}, yAkse + " = a*" + xAkse + " + b");
}

void ListPolynomiumsUsikkerhed(std::vector<std::string>& linjer, std::span<const TPunkt> punkter,
                               std::span<const double> u, int grad, const std::string& xAkse,
                               const std::string& yAkse) {
    if (grad < 0) return;
    const int d = std::min(grad, 10);
    std::vector<std::string> navne;
    const std::string form = PolynomiumsForm(d, xAkse, yAkse, navne);
    ListVaegtetLineaer(linjer, VaegtetPolynomiumsFit(punkter, u, d), navne, form);
}

void ListPolynomiumsUsikkerhed(std::vector<std::string>& linjer, bool statistik, std::span<const TPunkt> punkter,
                               int grad, const std::string& xAkse, const std::string& yAkse) {
    if (!statistik || grad < 0) return;
    const int d = std::min(grad, 10);
    std::vector<std::string> navne;
    std::string form = yAkse + " =";
    for (int i = 0; i <= d; ++i) {
        navne.push_back("P[" + std::to_string(i) + "]");
        form += (i == 0 ? " " : " + ") + navne.back();
        if (i >= 1) form += "*" + xAkse;
        if (i >= 2) form += "^" + std::to_string(i);
    }
    ListLineaer(linjer, PolynomiumsFitMedUsikkerhed(punkter, d), punkter.size(), d + 1, navne, form);
}

}  // namespace plotvik
