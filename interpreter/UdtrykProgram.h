// A variable expression read once into a small stack program, so that a
// column of 32767 measurements is not re-read 32767 times. The program
// covers the course of an evaluation without errors only: whenever anything
// would need a message, the caller evaluates the text afresh instead, so the
// user sees exactly the same values and messages either way.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/VariabelUdtryk.h"

namespace plotvik {

// PotensHel is "^" with a whole constant exponent (held in Tal), the common
// T^2, taken without the test for a whole exponent.
enum class TOperation : std::uint8_t { Tal, Navn, Neg, Plus, Minus, Gange, Divider, Potens, PotensHel, Funktion };

struct TInstruktion {
    TOperation Op;
    TFunktion Funktion = TFunktion::Abs;
    std::uint16_t Navn = 0;  // index into the program's names
    double Tal = 0;
};

constexpr int MaksStak = 256;
constexpr int MaksNavne = 128;

struct TUdtrykProgram {
    std::vector<TInstruktion> Kode;
    // The names in the order the reader meets them, with what each stood for
    // when the program was made; a program is used only while they still do.
    std::vector<std::string> Navne;
    std::vector<TNavneOpslag> Opslag;
    // The text itself holds a fault (or the reader would stop early): every
    // evaluation of it produces a message, so it is always read afresh.
    bool AltidDirekte = false;
};

TUdtrykProgram OversaetUdtryk(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo);

// Runs the program over the values of its names. False when some step would
// need a message (division by 0, a bad argument, an overflow): the caller
// then reads the text afresh.
bool KoerUdtryk(const TUdtrykProgram& prog, const double* vaerdier, double& resultat);

}  // namespace plotvik
