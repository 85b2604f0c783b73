// The working routines behind the curve fits (graphs/Fits.h): the linear
// solver of the normal equations, the regression with its fault report, the
// slope of a polynomial and the evaluable cubic spline.
#pragma once

#include <span>
#include <vector>

#include "graphs/Fits.h"

namespace plotvik {

// Solves the m x m system whose right-hand side is column m of `a` (rows and
// columns from 0), with partial pivoting (the first of equal candidates).
// The solution is 0 wherever nothing was solved; false when singular.
bool GaussElimination(std::vector<std::vector<Reel>>& a, int m, std::vector<double>& c);

// The regression line; fejl is set when all x are equal (or there is no point),
// and the line is then y = 0.
TLinie LinRegression(std::span<const TPunkt> punkter, bool& fejl);

// The derivative of the polynomial c at x (coefficient i belongs to x^i).
double PolynomiumsHaeldning(std::span<const double> c, double x);

// The cubic spline of Forsythe, Malcolm and Moler through points sorted by x.
// It needs at least two points with strictly increasing x; otherwise Gyldig() is false.
class TSpline {
public:
    explicit TSpline(std::span<const TPunkt> punkter);
    bool Gyldig() const { return ErGyldig; }
    double Vaerdi(double x);  // SplineVaerdi; remembers the interval for the next call
    // The coefficients by point i = 1..n (index 0 unused): on [x[i], x[i+1]]
    // the spline is y[i] + t*(b[i] + t*(c[i] + t*d[i])) with t = x - x[i].
    const std::vector<Reel>& B() const { return b; }
    const std::vector<Reel>& C() const { return c; }
    const std::vector<Reel>& D() const { return d; }

private:
    std::vector<Reel> x, y, b, c, d;
    int Sidst = 0;
    bool ErGyldig = false;
};

}  // namespace plotvik
