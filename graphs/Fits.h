// Curve fits through measured points (sorted by x; coefficient i belongs to x^i).
#pragma once

#include <span>
#include <vector>

#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

struct TLinie { double a, b; };  // y = b*x + a
TLinie LinRegression(std::span<const TPunkt> punkter);
std::vector<double> PolynomiumsFit(std::span<const TPunkt> punkter, int grad);
double PolynomiumsVaerdi(std::span<const double> c, double x);
std::vector<TPunkt> SplineKoefficienter(std::span<const TPunkt> punkter, double x1, double x2,
                                        int N);  // the N curve points
std::vector<TPunkt> BezierKurve(std::span<const TPunkt> punkter, int N);
struct TStatistik { double r, s; bool sBeregnet; };
TStatistik KorrelationOgSpredning(std::span<const double> fittet, std::span<const double> maalt,
                                  int bindinger);

}  // namespace plotvik
