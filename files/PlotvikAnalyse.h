// The project-description language (keyword lines) and the definition texts
// of constants and variables.
#pragma once

#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

// One keyword line into the model; the result is Fejl (clear: accepted).
void FortolkProjektLinie(TProjekt& p, std::string_view linie);
// Value of a number character of a keyword line: "0".."9" 0..9, "A".."Z" 10..35, else -1.
int TegnVaerdi(char c);
struct TDefinition {
    int Art;  // kind 0..3
    std::string Navn, VaerdiTekst, Udtryk, Enhed;
    int Positioner, Decimaler;
};
TDefinition AnalyserDefinition(std::string_view tekst);
// Whether a text is the value of an output constant as the loading reads it
// (a number, decimal comma allowed, or numbers joined by "*" and "/"), with
// nothing after it. Shows no message and leaves Fejl alone.
bool ErKonstantVaerdi(std::string_view tekst);
void AnalyserTabel(TProjekt& p, int tabel);

}  // namespace plotvik
