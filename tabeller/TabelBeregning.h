// Table computation, the top layer of the engine: it drives the interpreter
// (each output cell), the definition analysis and the Fourier column of the
// graph layer. Beside it the mean and standard deviation of one column, shown
// under a table.
#pragma once

#include <string>

#include "core/Projekt.h"

namespace plotvik {

// Computes every output variable of table `tabel`; ends with Fejl clear.
void BeregnTabel(TProjekt& p, int tabel);

// True for an expression that hands its column to the Fourier transformation.
bool ErFourierUdtryk(const std::string& udtryk);

// Mean and sample standard deviation of variable v of table t, as the two
// boxes under the table show them.
struct TGnsOgSpredning {
    bool Ok = false;            // every value was a number
    std::string Gennemsnit;     // text of the "Gns." box
    std::string Spredning;      // text of the "Varians" box; empty when n is 1
    int FejlKolonne = 0;        // matrix column of the first non-number
    std::string FejlTekst;      // that cell's text
};
TGnsOgSpredning BeregnGnsOgSpredning(const TProjekt& p, int tabel, int variabel);

// The variable of table t whose name is exactly `navn` (cut to 32
// characters); 0 when there is none.
int FindVariabel(const TProjekt& p, int tabel, const std::string& navn);

}  // namespace plotvik
