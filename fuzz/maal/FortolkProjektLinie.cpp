// A project description typed on the text sheet, converted line by line as
// "Omdan til Projekt Fil" does; then the project file written from the model
// is loaded back (it must load, and then stay as it is) and analysed, as loading the
// converted file would. After a faulty line the next one is still read (the
// user's Ignore), so one input reaches every kind of line.
#include "FuzzStoette.h"
#include "core/Projekt.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"

PLOTVIK_FUZZ_MAAL(FortolkProjektLinie) {
    using namespace plotvik;
    TProjekt p;
    StartProjekt(p);
    for (std::string_view linie : fuzz::Linier(input)) {
        if (linie.empty()) continue;
        Fejl = false;
        FortolkProjektLinie(p, linie);
    }
    Fejl = false;
    // The converted project must load from its file. Loading shortens a graph
    // heading to 25 characters; from then on a save and a load change nothing.
    const std::string fil = ProjektFilIndhold(p);
    TProjekt q;
    StartProjekt(q);
    const std::string fejl = LaesProjektTekst(q, fil);
    if (!fejl.empty()) fuzz::Fund("den skrevne projektfil kan ikke l\xE6ses: " + fejl);
    const std::string igen = ProjektFilIndhold(q);
    TProjekt r;
    StartProjekt(r);
    if (!LaesProjektTekst(r, igen).empty() || ProjektFilIndhold(r) != igen)
        fuzz::Fund("den skrevne projektfil l\xE6ses ikke tilbage som skrevet");
    for (int t = 1; t <= q.AntalTabeller && !Fejl; ++t) AnalyserTabel(q, t);
    if (q.AntalKonstanter != 0 && !Fejl) AnalyserTabel(q, 0);
}
