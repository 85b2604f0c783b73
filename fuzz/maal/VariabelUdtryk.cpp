// A variable expression over a small project: two constants, a table of
// columns and a table of rows, cells with ordinary values, a decimal comma,
// zero, an empty cell and a cell that is no number. Evaluated at several
// variables and measurements (one beyond the table). The fast evaluation
// (a compiled program, kept between calls) must give the same bits, the
// same error flag and the same messages as reading the text afresh.
#include <cmath>
#include <cstring>

#include "FuzzStoette.h"
#include "core/Projekt.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/VariabelUdtryk.h"

namespace {

using namespace plotvik;

TProjekt LilleProjekt() {
    const std::string prj =
        "Fuzz\r\n2\r\ng=9.82[m/s^2]\r\nk=0,5\r\n2\r\n"
        "S 3 4 10\r\nL:=?[m]\r\nT:=?[s]\r\na:=L/T^2:8:3[m/s^2]\r\n0\r\n"
        "R 3 3 10\r\nx:=?\r\ny:=?\r\nz:=x*a:8:3\r\n0\r\n";
    TProjekt p;
    StartProjekt(p);
    if (!LaesProjektTekst(p, prj).empty()) fuzz::Fund("det lille projekt kunne ikke l\xE6ses");
    for (int t = 0; t <= 2; ++t) {
        AnalyserTabel(p, t);
        if (Fejl) fuzz::Fund("det lille projekt kunne ikke analyseres");
    }
    p.KonstantVaerdi[1] = 9.82;
    p.KonstantVaerdi[2] = 0.5;
    const char* t1[3][4] = {{"1.5", "2,25", "0", "-3"}, {"2", "0", "1e300", "abc"}, {"0.375", "", "", ""}};
    for (int v = 0; v < 3; ++v)
        for (int m = 0; m < 4; ++m) p.Tabeller[1].Celler.SaetCelle(t1[v][m], v + 1, m + 2);
    const char* t2[3][3] = {{"1", "-1", ""}, {"1e-300", "4", "5"}, {"", "", ""}};
    for (int v = 0; v < 3; ++v)
        for (int m = 0; m < 3; ++m) p.Tabeller[2].Celler.SaetCelle(t2[v][m], v + 1, m + 2);
    return p;
}

bool SammeBits(double a, double b) {
    if (std::isnan(a) && std::isnan(b)) return true;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

PLOTVIK_FUZZ_MAAL(VariabelUdtryk) {
    static const TProjekt p = LilleProjekt();
    struct Sted {
        int Tabel, Variabel, Maaling;
    };
    static constexpr Sted steder[] = {{1, 3, 1}, {1, 3, 2}, {1, 3, 3}, {1, 3, 4}, {1, 3, 5},
                                      {2, 3, 1}, {2, 3, 2}, {2, 3, 3}, {1, 1, 1}};
    auto& flade = fuzz::DenStilleFlade();
    flade.Optag = true;
    for (const Sted& s : steder) {
        for (int gang = 0; gang < 2; ++gang) {  // the second time from the kept program
            flade.Tekster.clear();
            Fejl = false;
            const double hurtig = VariabelUdtryk(p, input, s.Tabel, s.Variabel, s.Maaling);
            const bool hurtigFejl = Fejl;
            const auto hurtigTekster = flade.Tekster;

            flade.Tekster.clear();
            Fejl = false;
            const double direkte = VariabelUdtrykDirekte(p, input.substr(0, LangLaengde), s.Tabel, s.Variabel,
                                                         s.Maaling);
            const std::string sted = " (tabel " + std::to_string(s.Tabel) + ", variabel " +
                                     std::to_string(s.Variabel) + ", m\xE5ling " + std::to_string(s.Maaling) + ")";
            if (hurtigFejl != Fejl) fuzz::Fund("fejlflaget afviger" + sted);
            if (hurtigTekster != flade.Tekster) fuzz::Fund("beskederne afviger" + sted);
            if (!SammeBits(hurtig, direkte))
                fuzz::Fund("v\xE6rdierne afviger: " + std::to_string(hurtig) + " og " + std::to_string(direkte) + sted);
            if (!std::isfinite(hurtig) && !hurtigFejl)
                fuzz::Fund("VariabelUdtryk gav " + std::to_string(hurtig) + " uden besked" + sted);
        }
    }
}
