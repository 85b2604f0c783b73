// The user's model for a model fit, read once into a small stack program over
// numbered places: place 0 is the graph's x variable, places 1..k the
// parameters. The language is that of the function expressions (the same
// operators, rules and functions), with names instead of the single x: a name
// is the x variable, pi, e, a constant of the project or else a parameter.
// The derivatives by each parameter come from the project's symbolic
// differentiation; a derivative it cannot give is left out (the fit then
// uses differences).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "interpreter/Funktionsbibliotek.h"

namespace plotvik {

struct TParameter;

enum class TModelOp : std::uint8_t { Tal, Plads, Neg, Plus, Minus, Gange, Divider, Potens, Funktion };

struct TModelInstruktion {
    TModelOp Op;
    TFunktion Funktion = TFunktion::Abs;
    int Plads = 0;
    double Tal = 0;
};

struct TModelProgram {
    std::vector<TModelInstruktion> Kode;
    // Runs the program over the places; false when the model cannot be
    // evaluated there (division by 0, a bad function argument, an overflow).
    // The value is that of the function expressions, bit for bit.
    bool Beregn(const double* pladser, double& y) const { return Koer<false>(pladser, y); }
    // The same in double precision throughout, for the many evaluations
    // while the fit searches (results are computed with Beregn).
    bool BeregnHurtigt(const double* pladser, double& y) const { return Koer<true>(pladser, y); }

private:
    template <bool Hurtig>
    bool Koer(const double* pladser, double& y) const;
};

struct TModel {
    std::string Tekst;                    // the model without blanks
    std::vector<std::string> Parametre;   // place i + 1 is parameter i
    TModelProgram Program;
    // One per parameter: the derivative by it, when the differentiation could give one.
    std::vector<std::optional<TModelProgram>> Afledte;
    std::vector<std::string> AfledteTekster;  // the derivatives as text (empty where none)
};

constexpr int MaksModelParametre = 12;  // the engine's limit; the graph dialog allows six

// Reads the model. `kendte` are the parameter names given with start values:
// they take the first places in their order (whether or not the model uses
// them), the other parameters follow by first appearance. `konstanter` are
// names used with their values. Returns a Danish message on a fault.
std::optional<TModel> LaesModel(const std::string& model, const std::string& xNavn,
                                std::span<const TParameter> kendte,
                                std::span<const TParameter> konstanter, std::string& besked);

// The parameter names of a model (given ones first, as in LaesModel); empty
// with a message when the model cannot be read.
std::vector<std::string> ModelParametre(const std::string& model, const std::string& xNavn,
                                        std::span<const TParameter> konstanter, std::string& besked);

// The model's value at x with the parameters' values (in their places); false
// when it cannot be evaluated there.
bool ModelVaerdi(const TModel& m, double x, std::span<const double> parametre, double& y);

}  // namespace plotvik
