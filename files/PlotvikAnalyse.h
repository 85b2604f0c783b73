// The project-description language (keyword lines) and the definition texts
// of constants and variables.
#pragma once

#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

void FortolkProjektLinie(TProjekt& p, std::string_view linie);
struct TDefinition {
    int Art;  // kind 0..3
    std::string Navn, VaerdiTekst, Udtryk, Enhed;
    int Positioner, Decimaler;
};
TDefinition AnalyserDefinition(std::string_view tekst);
void AnalyserTabel(TProjekt& p, int tabel);

}  // namespace plotvik
