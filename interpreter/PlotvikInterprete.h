// The expression interpreter: variable expressions over the tables, function
// expressions of x with their domains, the function library and symbolic
// differentiation. Further declarations live beside their units in this folder.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"

namespace plotvik {

struct TPunkt { double x, y; };

Reel IntPotens(Reel x, int n);
Reel Simpson(std::span<const TPunkt> punkter);  // n = punkter.size()
double Erf(double x);
double Phi(double x);
double VariabelUdtryk(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo,
                      int maalingNo);
double FunktionsVaerdi(std::string_view udtryk, double x);
struct TInterval { double Nedre, Oevre; };
std::vector<TInterval> Definitionsintervaller(std::string dm, double xmin, double xmax);
std::string diff_fx(std::string_view udtryk);

}  // namespace plotvik
