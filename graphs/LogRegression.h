// Exponential regression (y = b*a^x) and power regression (y = b*x^a) the
// way the school curriculum defines them: the least-squares straight line
// through (x, ln y), resp. (ln x, ln y). The results lines of "Graf
// Resultater" (a, b, the doubling time or half-life, r^2, with "Statistik"
// the uncertainties), the value and slope of the fitted curve for the graph
// tools, its exact area, and the messages for points the logarithm cannot take.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

// The fit letters of the two regressions in the graph definition.
constexpr char EksponentielType = 'E';  // "Eksponentiel regression"
constexpr char PotensType = 'X';        // "Potensregression"

bool ErLogRegression(char grafType);

struct TLogRegression {
    bool Ok = false;
    std::string Besked;  // Danish, when !Ok
    char Type = EksponentielType;
    int n = 0;
    // The straight line ln y = c + k*u, u = x (exponential) or ln x (power),
    // with the standard uncertainties of its slope and intercept.
    double k = 0, c = 0, uk = 0, uc = 0;
    double a = 0, b = 0, ua = 0, ub = 0;  // y = b*a^x, resp. y = b*x^a
    double r2 = 0;                        // of the straight line through the logarithms
    bool UsikkerhedKendt = false;         // more than two points
};

// The messages. "nr" counts the measurements as the table numbers them.
std::string EksponentielPositivBesked(int nr, double y);
std::string PotensPositivBesked(int nr, char akse, double v);
extern const char* const LogRegressionEnsXBesked;      // all x (resp. ln x) equal
extern const char* const LogRegressionForFaaBesked;    // fewer than two points

// The first measurement (in table order, from 1) the fit cannot take: y <= 0,
// and for the power fit x <= 0 as well. Nothing when all can be used.
std::optional<std::string> LogRegressionPunktFejl(char type, std::span<const double> x,
                                                  std::span<const double> y);

// The fit over the points (no point may be refused by LogRegressionPunktFejl).
TLogRegression EksponentielRegression(std::span<const TPunkt> punkter);
TLogRegression PotensRegression(std::span<const TPunkt> punkter);
TLogRegression LogRegression(char type, std::span<const TPunkt> punkter);

// The fitted curve and its slope at x (the power curve has no value at x <= 0: NaN).
double LogRegressionsVaerdi(const TLogRegression& f, double x);
double LogRegressionsHaeldning(const TLogRegression& f, double x);
// The exact area under the fitted curve from x1 to x2.
double LogRegressionsAreal(const TLogRegression& f, double x1, double x2);

// The doubling time ln 2 / ln a (a > 1) or the half-life ln 1/2 / ln a
// (0 < a < 1); nothing for a = 1. Exponential fit only.
std::optional<double> FordoblingEllerHalvering(const TLogRegression& f);

// The results lines under the axis texts xAkse and yAkse.
std::vector<std::string> LogRegressionsLinjer(const TLogRegression& f, const std::string& xAkse,
                                              const std::string& yAkse, bool statistik);

}  // namespace plotvik
