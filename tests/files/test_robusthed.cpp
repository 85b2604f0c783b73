// Arbitrary input never crashes the readers and never leaves them without an
// answer: random lines made of the languages' own pieces, run many times.
#include <gtest/gtest.h>

#include <random>

#include "files/DataFil.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"
#include "support/FakeFlade.h"

namespace plotvik {
namespace {

std::string Tilfaeldig(std::mt19937& r, const std::vector<std::string>& stykker, int maks) {
    std::string s;
    int n = static_cast<int>(r() % static_cast<unsigned>(maks));
    for (int i = 0; i < n; ++i) s += stykker[r() % stykker.size()];
    return s;
}

TEST(Robusthed, RandomLinesDefinitionsProjectFilesAndDataFiles) {
    test::FakeFlade flade;
    std::mt19937 r(4711);
    const std::vector<std::string> linieStykker = {
        "Konstant(", "Tabel(", "Variabel(", "Graf(", "Grafakse(", "Overskrift(", "1", "2", "Z", "23", ",", ")",
        "):", ":", ";", "=", "\"", " ", "tabel_type=", "antal_variable=", "antal_indgange=", "tabel_bredde=",
        "graf_navn=", "grafark_no=", "xgraf=", "ygraf=", "graf_type=", "pol_grad=", "xmin=", "xmax=", "ymin=",
        "ymax=", "overskrift=", "P", "e", "-", "1e999", "\xE6", "\r", std::string(1, '\0')};
    const std::vector<std::string> defStykker = {"x", "=", ":", "?", "[", "]", "1", ",", ".", "e", "*", "/",
                                                 "0", "fourier(", ")", "(", "^", "+", "-", "\xF8", "E", "9"};
    const std::vector<std::string> filStykker = {"1", "0", "S", "R", " ", "\r\n", "\n", "x:=?", "y:=x*2",
                                                 "2", "-1", "99999", "P", "1.0E+0000", "g=1", "\r"};
    const std::vector<std::string> dataStykker = {"1", ".", "e", "-", " ", ",", "\r\n", "\n", "\r", "\t", "x", "9"};
    for (int i = 0; i < 3000; ++i) {
        TProjekt p;
        StartProjekt(p);
        for (int k = 0; k < 6; ++k) FortolkProjektLinie(p, Tilfaeldig(r, linieStykker, 30));
        AnalyserDefinition(Tilfaeldig(r, defStykker, 20));
        for (int t = 0; t <= MaksTabeller; ++t) AnalyserTabel(p, t);
        TProjekt q;
        StartProjekt(q);
        LaesProjektTekst(q, Tilfaeldig(r, filStykker, 40));
        for (int t = 0; t <= MaksTabeller; ++t) AnalyserTabel(q, t);
        EXPECT_LE(q.AntalTabeller, MaksTabeller);
        EXPECT_LE(q.AntalKonstanter, MaksVariable);
        std::string data = Tilfaeldig(r, dataStykker, 40);
        TDataLaeser l(data, i % 2 == 0);
        std::string_view tal;
        int antal = 0;
        while (l.LaesTal(tal) && antal < 1000) {
            EXPECT_FALSE(tal.empty());
            EXPECT_LE(tal.size(), 32u);
            ++antal;
        }
        EXPECT_LT(antal, 1000);
        flade.Vist.clear();
    }
    Fejl = false;
}

}  // namespace
}  // namespace plotvik
