// Variable expressions over the constants and the tables' variables: the
// name lookup, the reader that evaluates the text afresh, and the messages
// that name the variable and the measurement.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

// What a name in a variable expression stands for.
struct TNavneOpslag {
    enum class Art : std::uint8_t { Konstant, Variabel, Funktion, Pi, Ukendt };
    Art art = Art::Ukendt;
    int Tabel = 0;  // for a variable
    int Nr = 0;     // constant number, variable number or index in UdtrykFunktioner
    bool operator==(const TNavneOpslag&) const = default;
};

inline bool ErNavneBogstav(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u == 0xC6 || u == 0xD8 ||
           u == 0xC5 || u == 0xE6 || u == 0xF8 || u == 0xE5;
}

// Constants first, then the variables left of variabelNo in table tabelNo,
// then every variable of the lower tables, then the functions, then "pi".
TNavneOpslag SlaaNavnOp(const TProjekt& p, std::string_view navn, int tabelNo, int variabelNo);

// The text of variable nr of table t in measurement m; the empty text for a
// measurement the table does not have.
const std::string& CelleTekst(const TProjekt& p, int t, int nr, int m);

// Evaluates by reading the text afresh, exactly as described for the user;
// VariabelUdtryk gives the same values and messages faster.
double VariabelUdtrykDirekte(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo,
                             int maalingNo);

}  // namespace plotvik
