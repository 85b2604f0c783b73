// Measurement uncertainties in the graph layer: first-order propagation of
// the uncertainties of a formula's quantities through it, the weighted
// regression line and polynomial (each point weighted by 1/u^2, with chi^2
// and the parameters' uncertainties from the weighted covariance), the
// lines they add to "Graf Resultater", and the error bars of a sheet.
//
// Propagation: u(f)^2 = sum over the formula's quantities of (df/dx_i * u(x_i))^2.
// The partial derivatives come from the project's symbolic differentiation
// (the formula is read as a model whose parameters are its variables and
// constants); a derivative it cannot give, or one that disagrees with the
// central difference at the first measurement, is taken by differences.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"
#include "graphs/ModelFit.h"
#include "graphs/ModelUdtryk.h"
#include "graphs/PlotvikImageGraphics.h"
#include "interpreter/UdtrykProgram.h"

namespace plotvik {

// A formula prepared for propagation. Values and uncertainties are handed in
// per name of Program (the order of Program.Navne, as KoerUdtryk takes them).
class TForplantning {
public:
    TForplantning(const TProjekt& p, std::string_view udtryk, int tabel, int variabel);

    const TUdtrykProgram& Program() const { return Program_; }
    // Name i stands for a variable or a constant (the only names with uncertainties).
    bool ErKilde(std::size_t i) const;
    // Name i is differentiated symbolically (after the first check).
    bool Symbolsk(std::size_t i) const;

    // u of the formula at the values; false when it cannot be evaluated there.
    // The first call compares the symbolic derivatives with differences.
    bool Usikkerhed(const double* vaerdier, const double* u, double& resultat);
    // The partial derivative by name i, symbolic where there is one.
    bool Afledt(std::size_t i, const double* vaerdier, double& df);
    // The same by a central difference.
    bool Difference(std::size_t i, const double* vaerdier, double& df) const;

private:
    void Tjek(const double* vaerdier);

    TUdtrykProgram Program_;
    std::optional<TModel> Model_;
    std::vector<int> Parameter_;  // name i -> model parameter, -1 where none
    bool Tjekket_ = false;
};

// The uncertainty of variable nr of table t in measurement m as the last
// table computation left it (constants: t = 0, any m); 0 when there is none.
double GemtUsikkerhed(const TProjekt& p, int t, int nr, int m);

// The uncertainties of a graph axis over measurements 1..n of table t
// (index 0 unused): a variable's own, or propagated through the axis
// expression. Empty when no quantity of the axis has one.
std::vector<double> AkseUsikkerheder(const TProjekt& p, const std::string& udtryk, int t, int n);

// The weighted fits (u one per point, all > 0). Parameters named as the
// unweighted ones: LinRegression gives a (slope) and b (intercept).
TFitResultat VaegtetPolynomiumsFit(std::span<const TPunkt> punkter, std::span<const double> u, int grad);
TFitResultat VaegtetLinRegression(std::span<const TPunkt> punkter, std::span<const double> u);

// The first point (0-based) whose uncertainty cannot weight a fit (0, negative
// or not a number); -1 when all can.
int UbrugeligVaegt(std::span<const double> u);
// "Usikkerheden p\xE5 <y> er 0 i m\xE5ling <m>: et v\xE6gtet fit kr\xE6ver usikkerheder st\xF8rre end 0"
std::string NulUsikkerhedBesked(const std::string& yAkse, double u, int maaling);

// "V\xE6gtet med 1/u\xB2", "Chi\xB2 = ...", "Reduceret Chi\xB2 = ...", "Frihedsgrader = ...".
void ListVaegtning(std::vector<std::string>& linjer, const TFitResultat& r);

// A bar of +-u through every point in the pen's colour with a short cross
// line at each end; a zero or missing uncertainty draws none. ux or uy may be empty.
void TegnFejlstaenger(TBilledGrafik& g, Laerred& l, std::span<const TPunkt> punkter,
                      std::span<const double> ux, std::span<const double> uy);

}  // namespace plotvik
