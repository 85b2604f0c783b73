// The bytes of a measuring device, fed to a live capture whole and in reads
// of the sizes the first byte picks: both give the same table, and every
// stored cell is a number.
#include "FuzzStoette.h"
#include "files/Opsamling.h"
#include "files/PlotvikAnalyse.h"

namespace {

plotvik::TProjekt Tabel() {
    using namespace plotvik;
    TProjekt q;
    StartProjekt(q);
    FortolkProjektLinie(q, "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 5; tabel_bredde= 10;");
    FortolkProjektLinie(q, "Variabel(1,1): t:=?;");
    FortolkProjektLinie(q, "Variabel(1,2): A0:=?;");
    FortolkProjektLinie(q, "Variabel(1,3): U:= A0*2;");
    AnalyserTabel(q, 1);
    return q;
}

}  // namespace

PLOTVIK_FUZZ_MAAL(Opsamling) {
    using namespace plotvik;
    if (input.empty()) return;
    const size_t skridt = static_cast<unsigned char>(input[0]) % 17 + 1;
    const std::string_view bytes = input.substr(1);
    static const TProjekt tom = Tabel();
    TProjekt hel = tom, delt = tom;
    TOpsamling a(hel, {}), b(delt, {});
    if (!a.Start() || !b.Start()) fuzz::Fund("opsamlingen startede ikke");
    a.Modtag(bytes, 1);
    for (size_t i = 0; i < bytes.size(); i += skridt) b.Modtag(bytes.substr(i, skridt), 1);
    a.Afbryd();
    b.Afbryd();
    if (a.Maalinger() != b.Maalinger() || a.Fejllinier() != b.Fejllinier() || a.Besked() != b.Besked())
        fuzz::Fund("en anden opdeling gav en anden opsamling");
    const TTabelDef& t = hel.Tabeller[1];
    if (t.AntalIndgange != delt.Tabeller[1].AntalIndgange) fuzz::Fund("forskelligt antal m\xE5linger");
    if (t.Celler.Soejler() < t.AntalIndgange + 1) fuzz::Fund("matricen er mindre end tabellen");
    for (int k = 2; k <= t.AntalIndgange + 1; ++k)
        for (int v = 1; v <= 2; ++v) {
            const std::string& c = t.Celler.Celle(v, k);
            if (c != delt.Tabeller[1].Celler.Celle(v, k)) fuzz::Fund("forskellige celler");
            if (c.empty()) continue;
            bool fejl = false;
            TekstTilTal(c, fejl);
            if (fejl) fuzz::Fund("en opsamlet celle er ikke et tal: " + c);
        }
}
