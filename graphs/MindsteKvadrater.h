// Linear least squares by Householder QR in extended precision, with the
// columns scaled to unit length first: the solution and (J^T J)^-1, the
// unscaled covariance matrix, of the polynomial fits and the model fit.
#pragma once

#include <vector>

#include "core/PlotvikTyper.h"

namespace plotvik {

// a: n rows by p columns, row by row. Solves min |a c - y| (y may be empty:
// then only the covariance) and gives k = (a^T a)^-1, p by p, row by row.
// False when the columns are linearly dependent to working precision.
bool MindsteKvadrater(std::vector<Reel> a, int n, int p, std::vector<Reel> y,
                      std::vector<Reel>& c, std::vector<Reel>& k);

}  // namespace plotvik
