// Project files, data files and text files.
#pragma once

#include <string>

#include "core/Projekt.h"

namespace plotvik {

void SkrivProjektFil(TProjekt& p, const std::string& navn);
void LaesProjektFil(TProjekt& p, const std::string& navn);  // model only; the window sets itself up
void GemDataFil(TProjekt& p, int tabel);      // file name through Flade().GemFilDialog
void IndlaesDataFil(TProjekt& p, int tabel);  // file name through Flade().AabnFilDialog

}  // namespace plotvik
