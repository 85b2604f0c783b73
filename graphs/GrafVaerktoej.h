// Functions on the graph sheets, the graph tools (read-out, derivative,
// tangent), areas and the Fourier coefficients.
#pragma once

#include "core/Projekt.h"
#include "graphs/GrafArk.h"

namespace plotvik {

// The armed tools and the typed function, kept for the whole run.
struct TVaerktoejTilstand {
};

}  // namespace plotvik
