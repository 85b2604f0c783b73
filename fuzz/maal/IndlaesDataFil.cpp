// A data file of arbitrary bytes read into table 1. The first byte chooses
// the table: bit 0 the type ("S" or "R"), bits 1-2 the number of input
// variables (1..4), bits 3-7 the number of measurements (1..32); the rest is
// the file. A first line with a comma takes the comma form (the "Format"
// copy is written beside the file), any other the plain form. The table's
// output variable is never touched, and no cell holds more than a value.
#include "FuzzStoette.h"
#include "core/Projekt.h"
#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/ProjektFil.h"

namespace {

bool ErVaerdiTegn(char c) {
    return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 'E' || c == 'e';
}

}  // namespace

PLOTVIK_FUZZ_MAAL(IndlaesDataFil) {
    using namespace plotvik;
    const unsigned valg = fuzz::TagByte(input);
    const char type = (valg & 1) ? 'R' : 'S';
    const int n = 1 + static_cast<int>((valg >> 1) & 3);
    const int m = 1 + static_cast<int>((valg >> 3) & 31);

    std::string prj = "Data\r\n0\r\n1\r\n" + std::string(1, type) + " " + std::to_string(n + 1) + " " +
                      std::to_string(m) + " 10\r\n";
    for (int v = 1; v <= n; ++v) prj += "v" + std::to_string(v) + ":=?[m]\r\n";
    prj += "u:=v1*2:8:3[m]\r\n0\r\n";
    TProjekt p;
    StartProjekt(p);
    if (!LaesProjektTekst(p, prj).empty()) fuzz::Fund("tabellen til datafilen kunne ikke opbygges");
    AnalyserTabel(p, 1);
    if (Fejl || p.Tabeller[1].AntalInddata != n) fuzz::Fund("tabellen til datafilen kunne ikke analyseres");
    const TTabelDef& tabel = p.Tabeller[1];
    const std::string overskrift = tabel.Celler.HentCelle(n + 1, 1);

    static const std::string navn = fuzz::SkrabeFil(".dat");
    fuzz::SkrivSkrabeFil(navn, input);
    fuzz::DenStilleFlade().FilSvar = navn;
    Fejl = false;
    IndlaesDataFil(p, 1);

    if (tabel.Celler.HentCelle(n + 1, 1) != overskrift) fuzz::Fund("uddatavariablens overskrift blev \xE6ndret");
    for (int j = 1; j <= m; ++j) {
        if (!tabel.Celler.HentCelle(n + 1, j + 1).empty()) fuzz::Fund("uddatavariablen fik en v\xE6rdi");
        for (int v = 1; v <= n; ++v) {
            const std::string celle = tabel.Celler.HentCelle(v, j + 1);
            if (celle.size() > 32) fuzz::Fund("en celle fik mere end 32 tegn");
            for (char c : celle)
                if (!ErVaerdiTegn(c)) fuzz::Fund("en celle fik tegnet " + std::to_string(static_cast<unsigned char>(c)));
        }
    }
}
