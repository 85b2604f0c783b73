// The model fit on a graph sheet and the uncertainty lines of the regression
// line and the polynomial: what the "Tegn graf" pass draws and lists for them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/ModelFit.h"
#include "graphs/PlotvikImageGraphics.h"

namespace plotvik {

// The model fit of graph `graf` of the project: start values from the graph,
// the project's constants with their values, the x variable named by the
// graph's x axis (a plain name; "x" when the axis is an expression).
TFitResultat ModelFitAfGraf(const TProjekt& p, const TGrafDef& graf, std::span<const TPunkt> punkter,
                            std::span<const double> u = {});

// Fits, draws the curve over the graph's x range in N steps and lists the
// result; a fit that fails shows its message and draws and lists no number.
TFitResultat TegnModelFit(const TProjekt& p, const TGrafDef& graf, TGrafArk& ark, TBilledGrafik& g,
                          Laerred& l, std::span<const TPunkt> punkter, int N, std::span<const double> u = {});

// The uncertainty lines of the regression line: first "<y> = a*<x> + b"
// with the axes' texts, then "a = v ± u" (the slope) and "b = v ± u" (the
// intercept), or why there are none.
void ListRegressionsUsikkerhed(std::vector<std::string>& linjer, bool statistik,
                               std::span<const TPunkt> punkter, const std::string& xAkse = "x",
                               const std::string& yAkse = "y");
// The same for the polynomial of degree grad: "<y> = P[0] + P[1]*<x> + P[2]*<x>^2 ..."
// and the lines "P[i] = v ± u", named as the coefficients listed above them.
void ListPolynomiumsUsikkerhed(std::vector<std::string>& linjer, bool statistik,
                               std::span<const TPunkt> punkter, int grad, const std::string& xAkse = "x",
                               const std::string& yAkse = "y");

// The weighted fits (u: the points' y uncertainties): the same lines with
// the weighted uncertainties, then chi^2, its reduced value and the degrees
// of freedom; listed whether or not "Statistik" is checked.
void ListRegressionsUsikkerhed(std::vector<std::string>& linjer, std::span<const TPunkt> punkter,
                               std::span<const double> u, const std::string& xAkse, const std::string& yAkse);
void ListPolynomiumsUsikkerhed(std::vector<std::string>& linjer, std::span<const TPunkt> punkter,
                               std::span<const double> u, int grad, const std::string& xAkse,
                               const std::string& yAkse);

}  // namespace plotvik
