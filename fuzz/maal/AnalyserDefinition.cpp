// The definition text of a constant or variable ("L:=?[m]", "a:=L/T^2:8:3[m/s^2]").
#include "FuzzStoette.h"
#include "files/PlotvikAnalyse.h"

PLOTVIK_FUZZ_MAAL(AnalyserDefinition) {
    const plotvik::TDefinition d = plotvik::AnalyserDefinition(input);
    if (!plotvik::Fejl && (d.Art < 0 || d.Art > 3)) plotvik::fuzz::Fund("ukendt art " + std::to_string(d.Art));
}
