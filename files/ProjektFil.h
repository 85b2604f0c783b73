// Helpers of the project file (".prj") beside SkrivProjektFil and LaesProjektFil.
#pragma once

#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

// An axis limit as the project file holds it: a sign position, one digit, a
// point, one digit, "E", the exponent's sign and four digits (" 1.5E+0000").
std::string AkseGraenseTekst(double x);

// Logarithmic axes of a graph as both project texts keep them, only when one
// is set: the value "x", "y" or "xy" of the key "logakse" (empty: both linear).
std::string LogAkseVaerdi(bool logX, bool logY);
// Reads such a value (either case, blanks ignored); false for anything else.
bool LaesLogAkseVaerdi(std::string_view v, bool& logX, bool& logY);

// The whole project file for the model, CRLF line ends.
std::string ProjektFilIndhold(const TProjekt& p);

// Reads a project file's text into the model (no analysis). Returns the
// Danish message of the first read failure, empty when the text was whole
// or merely ended early.
std::string LaesProjektTekst(TProjekt& p, const std::string& indhold);

}  // namespace plotvik
