// The residuals of a sheet's fit, measured y minus fitted y at every measured
// x, shown in a strip under the graph against the same x axis, with a zero line.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "graphs/Laerred.h"
#include "graphs/PlotvikImageGraphics.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

// (x_i, y_i - f(x_i)) for every point; a point where f has no value is left out.
std::vector<TPunkt> Residualer(std::span<const TPunkt> punkter, const std::function<double(double)>& f);

// The strip under the graph of sheet s (the image below GrafDelensBund): the
// x axis of the graph, a zero line, each residual as a cross on a line from
// zero, and the largest residual as the scale. The sheet's own window and
// view port stay those of the graph, so the tools read the graph as before.
void TegnResidualPlot(TBilledGrafik& g, Laerred& billede, int s, std::span<const TPunkt> residualer);

// The y range of the strip: the largest |residual| and a quarter more (1 when all are 0).
double ResidualGraense(std::span<const TPunkt> residualer);

}  // namespace plotvik
