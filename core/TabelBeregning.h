// Table computation. This unit sits on top of the engine rather than at the
// bottom of core: it drives the interpreter (each output cell), the
// definition analysis and the Fourier column of the graph layer.
#pragma once

#include "core/Projekt.h"

namespace plotvik {

// Computes every output variable of table `tabel`; ends with Fejl clear.
void BeregnTabel(TProjekt& p, int tabel);

}  // namespace plotvik
