// Speed of computing a large table: an "S" table of 22 variables (2 typed,
// 20 computed from constants and earlier variables, 4 decimals) over 32767
// measurements, against only formatting and re-reading the same number of
// values. The table must stay within a small multiple of the formatting.
#include <benchmark/benchmark.h>

#include <string>

#include "core/Brugerflade.h"
#include "tabeller/TabelBeregning.h"
#include "files/PlotvikAnalyse.h"

namespace {

using namespace plotvik;

constexpr int Maalinger = MaksIndgange;
constexpr int Udtryk = 20;

TProjekt& StorTabel() {
    static TProjekt p;
    static bool klar = false;
    if (klar) return p;
    StartProjekt(p);
    FortolkProjektLinie(p, "Konstant(1): g = 9.82 [m/s^2];");
    FortolkProjektLinie(p, "Konstant(2): k = 0.5;");
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=22; antal_indgange= 32767; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): x:=?[m];");
    FortolkProjektLinie(p, "Variabel(1,2): y:=?[s];");
    const char* former[] = {"x*g+y", "x/y+k", "sqrt(x*x+y*y)", "sin(x)*k+g", "(x+y)^2/g"};
    for (int v = 3; v <= 22; ++v) {
        // Each output uses the constants and the variable just before it.
        std::string udtryk = std::string(former[v % 5]) + "+v" + std::to_string(v - 1) + "*k";
        if (v == 3) udtryk = former[0];
        FortolkProjektLinie(p, "Variabel(1," + std::to_string(v) + "): v" + std::to_string(v) + ":=" + udtryk + ":12:4;");
    }
    p.Tabeller[0].AntalIndgange = 1;
    AnalyserTabel(p, 0);
    AnalyserTabel(p, 1);
    for (int m = 1; m <= Maalinger; ++m) {
        p.Tabeller[1].Celler.SaetCelle(std::to_string(0.001 * m), 1, m + 1);
        p.Tabeller[1].Celler.SaetCelle(std::to_string(1.0 + 0.0001 * m), 2, m + 1);
    }
    klar = true;
    return p;
}

void BM_BeregnTabel(benchmark::State& s) {
    TProjekt& p = StorTabel();
    for (auto _ : s) {
        BeregnTabel(p, 1);
        benchmark::DoNotOptimize(p.Tabeller[1].Celler.Celle(22, Maalinger + 1).size());
    }
    s.counters["celler"] = Udtryk * Maalinger;
}
BENCHMARK(BM_BeregnTabel)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The floor: formatting each value into its cell text and reading it back.
void BM_FormaterOgLaesTilbage(benchmark::State& s) {
    for (auto _ : s) {
        double sum = 0;
        for (int v = 0; v < Udtryk; ++v)
            for (int m = 1; m <= Maalinger; ++m) {
                const std::string t = FormaterTal(12, 4, static_cast<Reel>(m) * 0.37 + v);
                bool fejl = false;
                sum += TekstTilTal(t, fejl);
            }
        benchmark::DoNotOptimize(sum);
    }
    s.counters["celler"] = Udtryk * Maalinger;
}
BENCHMARK(BM_FormaterOgLaesTilbage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
