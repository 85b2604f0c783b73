// The mathematical functions both evaluators share: the three tables of
// function names, the rule of "^", the functions with their argument
// checks, and Simpson's rule with the error function built on it.
// Arithmetic is done in long double; every result is handed on as a double.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/PlotvikTyper.h"

namespace plotvik {

constexpr double PiVaerdi = 3.141592653589793;

// Names matched as prefixes in this order (sinh before sin, cosh before cos).
inline constexpr std::array<std::string_view, 13> FxFunktioner = {
    "abs", "sqrt", "sinh", "sin", "asin", "cosh", "cos", "tan", "atan", "ln", "exp", "erf", "phi"};
inline constexpr std::array<std::string_view, 13> UdtrykFunktioner = {
    "abs", "int", "sqrt", "sin", "cos", "hsin", "hcos", "tan", "asin", "atan", "ln", "log", "exp"};
inline constexpr std::array<std::string_view, 13> DiffFunktioner = {
    "abs", "sqrt", "sin", "hsin", "asin", "cos", "hcos", "ftg", "atan", "ln", "exp", "erf", "phi"};

enum class TFunktion : std::uint8_t { Abs, Int, Sqrt, Sin, Cos, Sinh, Cosh, Tan, Asin, Atan, Ln, Log, Exp, Erf, Phi };

inline constexpr std::array<TFunktion, 13> FxFunktionsArt = {
    TFunktion::Abs, TFunktion::Sqrt, TFunktion::Sinh, TFunktion::Sin, TFunktion::Asin,
    TFunktion::Cosh, TFunktion::Cos, TFunktion::Tan, TFunktion::Atan, TFunktion::Ln,
    TFunktion::Exp, TFunktion::Erf, TFunktion::Phi};
inline constexpr std::array<TFunktion, 13> UdtrykFunktionsArt = {
    TFunktion::Abs, TFunktion::Int, TFunktion::Sqrt, TFunktion::Sin, TFunktion::Cos,
    TFunktion::Sinh, TFunktion::Cosh, TFunktion::Tan, TFunktion::Asin, TFunktion::Atan,
    TFunktion::Ln, TFunktion::Log, TFunktion::Exp};

// What a checked function found wrong with its argument.
enum class TFunktionsUdfald : std::uint8_t { OK, CosNul, AsinUdenfor, LogIkkePositiv, LnIkkePositiv };

// The value of f at x without any message; r may come out non-finite (an
// overflow), which the evaluators report themselves.
TFunktionsUdfald BeregnFunktion(TFunktion f, double x, double& r);
// Sets Fejl and shows the function's own message in the box with OK only.
void VisFunktionsFejl(TFunktionsUdfald u, double x);

// The checked functions as the user meets them: on a bad argument the
// message is shown, Fejl is set and 0 is returned.
double Tangens(double x);
double ArcSinus(double x);
double HypSinus(double x);
double HypCosinus(double x);
double Log10(double x);
double LnKontrol(double x);

// a^b: false for a negative base with a non-whole exponent (and for base 0
// with a non-whole exponent <= 0); r may come out non-finite.
bool PotensVaerdi(double a, double b, double& r);

inline double SomDouble(Reel v) { return static_cast<double>(v); }

}  // namespace plotvik

namespace plotvik {

// The four operators, in long double and handed on as doubles. Both the
// reading evaluators and the compiled programs use these, so that the two
// give the same bits.
inline double PlusAf(double a, double b) { return SomDouble(static_cast<Reel>(a) + b); }
inline double MinusAf(double a, double b) { return SomDouble(static_cast<Reel>(a) - b); }
inline double GangeAf(double a, double b) { return SomDouble(static_cast<Reel>(a) * b); }
inline double DividerAf(double a, double b) { return SomDouble(static_cast<Reel>(a) / b); }

}  // namespace plotvik
