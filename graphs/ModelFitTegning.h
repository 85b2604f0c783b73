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
TFitResultat ModelFitAfGraf(const TProjekt& p, const TGrafDef& graf, std::span<const TPunkt> punkter);

// Fits, draws the curve over the graph's x range in N steps and lists the
// result; a fit that fails shows its message and draws and lists no number.
TFitResultat TegnModelFit(const TProjekt& p, const TGrafDef& graf, TGrafArk& ark, TBilledGrafik& g,
                          Laerred& l, std::span<const TPunkt> punkter, int N);

// The lines "a = v ± u" and "b = v ± u" of the regression line (or why there are none).
void ListRegressionsUsikkerhed(std::vector<std::string>& linjer, bool statistik,
                               std::span<const TPunkt> punkter);
// The lines "P[i] = v ± u" of the polynomial of degree grad (or why there are none).
void ListPolynomiumsUsikkerhed(std::vector<std::string>& linjer, bool statistik,
                               std::span<const TPunkt> punkter, int grad);

}  // namespace plotvik
