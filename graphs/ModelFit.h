// Fits with parameter uncertainties: the regression line and the polynomial
// with the standard uncertainty of every coefficient, and the user's own
// model fitted by the trust-region Levenberg-Marquardt method of the GNU
// Scientific Library, with its uncertainties from the covariance matrix
// scaled by the residual variance.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

struct TParameter { std::string Navn; double Vaerdi = 0, Usikkerhed = 0; };
struct TFitResultat {
    bool Ok = false;
    std::string Besked;                  // Danish message when !Ok
    std::vector<TParameter> Parametre;   // those of start in their order, then the others by first appearance
    double RSS = 0, s = 0, R2 = 0;       // residual sum of squares, residual standard deviation, R^2
    bool UsikkerhedKendt = false;        // false when no degrees of freedom are left (Besked says why)
    int Iterationer = 0;
    // A fit weighted by 1/u^2: chi^2 (the weighted residual sum of squares), chi^2
    // per degree of freedom and the degrees of freedom n - p; the uncertainties
    // are then those of the weighted covariance, unscaled.
    bool Vaegtet = false;
    double Chi2 = 0, ReduceretChi2 = 0;
    int Frihedsgrader = 0;
};
// y = model(x), with x named xNavn (an "x" in a model whose xNavn is "t" is a parameter like any other
// name); blanks in the model are ignored. start gives names and start values; a parameter found in
// the model but missing from start starts at 1 here (the window may propose better start values
// from the data before it calls this).
TFitResultat ModelFit(const std::string& model, const std::string& xNavn,
                      std::span<const TPunkt> punkter, std::span<const TParameter> start);
TFitResultat LinRegressionMedUsikkerhed(std::span<const TPunkt> punkter);          // Parametre: a (slope), b (intercept): y = a*x + b
TFitResultat PolynomiumsFitMedUsikkerhed(std::span<const TPunkt> punkter, int grad); // Parametre: c0..c<grad>

// The same with the project's constants: a name in the model that is one of
// `konstanter` stands for its value and is no parameter.
TFitResultat ModelFit(const std::string& model, const std::string& xNavn,
                      std::span<const TPunkt> punkter, std::span<const TParameter> start,
                      std::span<const TParameter> konstanter);

// The same weighted: u holds one uncertainty of y per point, all > 0.
TFitResultat ModelFit(const std::string& model, const std::string& xNavn,
                      std::span<const TPunkt> punkter, std::span<const TParameter> start,
                      std::span<const TParameter> konstanter, std::span<const double> u);

// The messages of the fits.
extern const char* const IkkeKonvergeretBesked;   // no convergence
extern const char* const SingulaerBesked;         // singular Jacobian
extern const char* const ForFaaPunkterBesked;     // no degrees of freedom left for uncertainties
// "Modellen kan ikke beregnes i datapunkt nr. <i> (x = <x>)"
std::string IkkeBeregneligBesked(int nr, double x);
// "Modellen har <p> parametre, men der er kun <n> datapunkter"
std::string FlereParametreEndPunkterBesked(int p, int n);

// A graph sheet fits at most six parameters.
constexpr int MaksGrafModelParametre = 6;

// Start values as the user types them: "name=value" separated by blanks or
// ";", a decimal comma or point ("k=0,5 A=2"). False with a Danish message.
bool LaesStartVaerdier(const std::string& tekst, std::vector<TParameter>& start, std::string& besked);

// "navn = value ± uncertainty": the uncertainty to two significant digits,
// the value to the same decimal place, with a decimal comma (0xB1 is '±').
std::string MedUsikkerhed(const std::string& navn, double vaerdi, double usikkerhed);

}  // namespace plotvik
