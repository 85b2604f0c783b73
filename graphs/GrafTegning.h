// The drawing pass of a table graph on a graph sheet (the "Tegn graf" button),
// the sheet preparation and the coordinate system.
#pragma once

#include "core/Projekt.h"
#include "graphs/GrafArk.h"

namespace plotvik {

// State of the graph layer and drawing passes kept for the whole run.
struct TTegneTilstand {
};

}  // namespace plotvik
