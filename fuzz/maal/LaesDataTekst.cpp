// Delimited text from a file or the clipboard, and its check into a table.
#include "FuzzStoette.h"
#include "files/DataImport.h"
#include "files/PlotvikAnalyse.h"

PLOTVIK_FUZZ_MAAL(LaesDataTekst) {
    using namespace plotvik;
    const TImportResultat r = LaesDataTekst(input);
    if (r.Data.Celler.size() != static_cast<size_t>(r.Data.Raekker) * static_cast<size_t>(r.Data.Soejler) ||
        r.Data.Linie.size() != static_cast<size_t>(r.Data.Raekker))
        fuzz::Fund("blokken er ikke rektangul\xE6r");
    if (r.Forhaandsvisning.size() > 20) fuzz::Fund("mere end 20 linier vist");
    static TProjekt p = [] {
        TProjekt q;
        StartProjekt(q);
        FortolkProjektLinie(q, "Tabel(1): tabel_type=S; antal_variable=3; antal_indgange= 1; tabel_bredde= 10;");
        FortolkProjektLinie(q, "Variabel(1,1): a:=?;");
        FortolkProjektLinie(q, "Variabel(1,2): b:=?;");
        FortolkProjektLinie(q, "Variabel(1,3): c:=?;");
        AnalyserTabel(q, 1);
        return q;
    }();
    TIndsaetningsValg v;
    v.DecimalTegn = r.DecimalTegn;
    const TIndsaetning ind = ForberedIndsaetning(p, r.Data, v);
    if (!ind.Ok && ind.Besked.empty()) fuzz::Fund("afvist uden besked");
    for (const auto& s : ind.Skrivninger) {
        if (s.Tekst.empty()) continue;
        bool fejl = false;
        TekstTilTal(s.Tekst, fejl);
        if (fejl) fuzz::Fund("en godkendt celle er ikke et tal: " + s.Tekst);
    }
}
