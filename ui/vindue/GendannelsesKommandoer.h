// Recovery: what the recovery file keeps of the open project, its text sheet
// and how the window looked, and bringing it back at start.
#pragma once

#include <cstdint>
#include <string>

#include "ui/vindue/VinduesKerne.h"

namespace plotvik {
struct TGendannelse;
}

class TGendannelsesKommandoer {
public:
    explicit TGendannelsesKommandoer(TVinduesKerne& kerne) : k(kerne) {}

    // What the recovery file keeps of the open project and its text sheet now.
    std::string GendannelsesBytes(std::int64_t tidspunkt) const;
    // At start: offers to restore unsaved work found in the recovery file; true when restored.
    bool SoegGendannelse();
    // At start: recovery first, then "&Hent Projekt Fil" of the file named on
    // the command line (empty: none), over restored work only on "Ja".
    void StartMedProjekt(const std::string& navn);
    void GendanArbejde(const plotvik::TGendannelse& g);
    // The window's part of the recovery file (the sheet in front, the graph
    // sheets' fields) and laying it over the restored project.
    std::string VindueTilstand() const;
    void GenskabVindue(const std::string& vindue);

private:
    TVinduesKerne& k;
};
