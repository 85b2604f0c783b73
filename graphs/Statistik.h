// How well a regression line or a polynomial fit matches the measurements:
// the correlation between fitted and measured y values and the standard
// deviation of the residuals, listed under the fit's own result lines when
// the sheet's "Statistik" box is checked for the table.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "graphs/Fits.h"

namespace plotvik {

// The message shown (OK/Ignore) when there are no more measurements than bindings.
extern const char* const StandardafvigelseFejl;

// Appends "", "Statistik", the correlation and the standard deviation of a
// regression line when `statistik` is set and there are at least three points.
void ListRegressionsStatistik(std::vector<std::string>& linjer, bool statistik,
                              std::span<const TPunkt> punkter, TLinie linie);

// The same for a polynomial of degree `polGrad` (its coefficients c[0..]):
// only below degree 10 and below the number of points.
void ListPolynomiumsStatistik(std::vector<std::string>& linjer, bool statistik,
                              std::span<const TPunkt> punkter, std::span<const double> c,
                              int polGrad);

}  // namespace plotvik
