// Measurements in: a CSV file of 32,767 rows and 10 columns (decimal comma,
// ';', a header row) read, detected and checked into an input table within
// 300 ms; the same block as a spreadsheet puts it on the clipboard likewise.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/Projekt.h"
#include "files/DataImport.h"
#include "files/PlotvikAnalyse.h"

namespace {

using namespace plotvik;

std::string Tekst(char sep) {
    std::string t;
    for (int s = 1; s <= 10; ++s) t += (s > 1 ? std::string(1, sep) : "") + "\"Kanal " + std::to_string(s) + " (V)\"";
    t += "\r\n";
    for (int m = 1; m <= 32767; ++m) {
        for (int s = 1; s <= 10; ++s) {
            char buf[24];
            std::snprintf(buf, sizeof buf, "%s%d,%04d", s > 1 ? (sep == ';' ? ";" : "\t") : "", (m + s) % 50,
                          (m * 37 + s * 11) % 10000);
            t += buf;
        }
        t += "\r\n";
    }
    return t;
}

TProjekt Tabel() {
    TProjekt p;
    StartProjekt(p);
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=10; antal_indgange= 1; tabel_bredde= 10;");
    for (int v = 1; v <= 10; ++v)
        FortolkProjektLinie(p, "Variabel(1," + std::to_string(v) + "): u" + std::to_string(v) + ":=?[V];");
    AnalyserTabel(p, 1);
    return p;
}

void Importer(benchmark::State& state, char sep) {
    const std::string tekst = Tekst(sep);
    for (auto _ : state) {
        TProjekt p = Tabel();
        TImportResultat r = LaesDataTekst(tekst);
        TIndsaetningsValg v;
        v.DecimalTegn = r.DecimalTegn;
        TIndsaetning ind = ForberedIndsaetning(p, r.Data, v);
        if (!ind.Ok || r.Data.Raekker != 32767) state.SkipWithError("the block was not taken");
        UdfoerIndsaetning(p, 1, ind);
        benchmark::DoNotOptimize(p);
    }
}

void BM_ImporterCsv(benchmark::State& state) { Importer(state, ';'); }
void BM_IndsaetUdklip(benchmark::State& state) { Importer(state, '\t'); }
BENCHMARK(BM_ImporterCsv)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_IndsaetUdklip)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
