// A project file of arbitrary bytes, loaded into a freshly started model
// (the read and the analysis of every table), as "Hent Projekt Fil" does.
// What was loaded, written again, must read back as it was written.
#include "FuzzStoette.h"
#include "core/Projekt.h"
#include "files/PlotvikFiler.h"
#include "files/ProjektFil.h"

PLOTVIK_FUZZ_MAAL(LaesProjektFil) {
    using namespace plotvik;
    static const std::string navn = fuzz::SkrabeFil(".prj");
    fuzz::SkrivSkrabeFil(navn, input);
    TProjekt p;
    StartProjekt(p);
    LaesProjektFil(p, navn);

    Fejl = false;
    const std::string fil = ProjektFilIndhold(p);
    TProjekt q;
    StartProjekt(q);
    const std::string fejl = LaesProjektTekst(q, fil);
    if (!fejl.empty()) fuzz::Fund("den skrevne projektfil kan ikke l\xE6ses: " + fejl);
    if (ProjektFilIndhold(q) != fil) fuzz::Fund("den skrevne projektfil l\xE6ses ikke tilbage som skrevet");
}
