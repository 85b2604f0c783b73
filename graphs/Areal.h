// Areas between the x axis and a fitted curve or the typed function, between
// two limits: equally spaced samples, Simpson's rule (the exact trapezoid for
// a regression line), the hatching and the two result lines.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

// The sample array holds 1024 pairs; an odd count keeps Simpson's rule exact.
constexpr int MaksArealPunkter = 1023;

// Number of samples: a polynomial uses the larger of 2n + 1 and 21 (at most
// 1023), a regression line, spline or Bezier curve the smaller; n is the
// number of measurements.
int AntalArealPunkter(char grafType, int antalMaalinger);
// The function's area: the smaller of 2n + 1 and 21, n the table's measurements.
int AntalFunktionsArealPunkter(int antalMaalinger);

// m samples x_i = a + (i - 1)(b - a)/(m - 1), y_i = f(x_i). Nothing when f
// gives no value at some x (it has shown its message).
std::optional<std::vector<TPunkt>> ArealPunkter(double a, double b, int m,
                                                const std::function<std::optional<double>(double)>& f);

// Simpson over the samples, checked: a non-finite result gives nothing.
std::optional<double> SimpsonAreal(std::span<const TPunkt> punkter);
// The exact area under the straight line through the first and the last sample.
double LinieAreal(std::span<const TPunkt> punkter);

// "Arealet under grafen i intervallet " and "[a;b] er: area".
std::vector<std::string> ArealLinjer(double a, double b, double areal);

// Reads the two limits; false (and the message "Fejl i tallene for nedre
// grænse eller øvre grænse", Fejl clear) when one is not a number. The
// limits come back ordered.
bool LaesArealGraenser(const std::string& nedre, const std::string& oevre, double& a, double& b);

// The hatching, from y = 0: solid lines at the two ends, dotted lines
// (one pixel every 6) at the inner samples.
class TSkraveringsPen {
public:
    virtual ~TSkraveringsPen() = default;
    virtual void FlytTilW(double x, double y) = 0;
    virtual void LinjeTilW(double x, double y) = 0;
    virtual void SortPixelW(double x, double y) = 0;
    virtual int ScaledY(double dy) = 0;  // a vertical world length in pixels
};
void SkraverAreal(TSkraveringsPen& pen, std::span<const TPunkt> punkter);

// The same on a sheet whose y axis is logarithmic: from the graph's lower
// edge, the dots 6 pixels apart.
class TArkAfbildning;
void SkraverArealLogY(TArkAfbildning& af, std::span<const TPunkt> punkter);

// What the area dialog hands over after OK.
struct TArealValg {
    std::string Nedre, Oevre;
    int TabelNo = 1, GrafNo = 1;
};

struct TProjekt;
struct TGrafArkene;
struct TTegneTilstand;
struct TVaerktoejTilstand;

// "&Areal under graf" and "Areal &Under Funktion" after OK in the dialog;
// `vistArk` is the graph sheet shown (0 when another page is shown).
void ArealUnderGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt,
                    const TArealValg& valg, int vistArk);
void ArealUnderFunktion(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, TVaerktoejTilstand& vt,
                        const TArealValg& valg, int vistArk);

}  // namespace plotvik
