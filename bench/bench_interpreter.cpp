// Speed of variable expressions. The evaluation of a read program is
// measured on its own (the figure that matters for a column of 32767
// measurements), then the whole call per cell including name lookup and the
// reading of cell texts, and reading the text afresh for comparison.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/Projekt.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/UdtrykProgram.h"
#include "interpreter/VariabelUdtryk.h"

namespace plotvik {
namespace {

const char* const Typisk = "(L+2*g)/T^2-sqrt(abs(L))";

TProjekt Pendul(int maalinger) {
    TProjekt p;
    p.AntalKonstanter = 1;
    p.Tabeller[0].Variable[1].Navn = "g";
    p.KonstantVaerdi[1] = 9.82;
    TTabelDef& t = p.Tabeller[1];
    t.AntalVariable = 3;
    t.AntalIndgange = maalinger;
    t.Variable[1].Navn = "L";
    t.Variable[2].Navn = "T";
    t.Variable[3].Navn = "A";
    t.Celler.Opret(3, maalinger + 1);
    for (int m = 1; m <= maalinger; ++m) {
        t.Celler.SaetCelle(std::to_string(0.5 + m % 97 * 0.01), 1, m + 1);
        t.Celler.SaetCelle(std::to_string(1.2 + m % 89 * 0.003), 2, m + 1);
    }
    p.AntalTabeller = 1;
    return p;
}

void EvalueringAfProgram(benchmark::State& state) {
    const TProjekt p = Pendul(1);
    const TUdtrykProgram prog = OversaetUdtryk(p, Typisk, 1, 3);
    if (prog.AltidDirekte) state.SkipWithError("the program was not made");
    std::array<std::array<double, MaksNavne>, 4> vaerdier{};
    for (size_t i = 0; i < vaerdier.size(); ++i) {
        // names in reading order: L, g, T
        vaerdier[i][0] = 0.5 + 0.1 * static_cast<double>(i);
        vaerdier[i][1] = 9.82;
        vaerdier[i][2] = 1.2 + 0.01 * static_cast<double>(i);
    }
    size_t i = 0;
    for (auto _ : state) {
        double v;
        bool ok = KoerUdtryk(prog, vaerdier[i++ & 3].data(), v);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(EvalueringAfProgram);

void VariabelUdtrykPerCelle(benchmark::State& state) {
    const int n = 32767;
    const TProjekt p = Pendul(n);
    int m = 0;
    for (auto _ : state) {
        m = m % n + 1;
        benchmark::DoNotOptimize(VariabelUdtryk(p, Typisk, 1, 3, m));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(VariabelUdtrykPerCelle);

void VariabelUdtrykLaestHverGang(benchmark::State& state) {
    const int n = 32767;
    const TProjekt p = Pendul(n);
    int m = 0;
    for (auto _ : state) {
        m = m % n + 1;
        benchmark::DoNotOptimize(VariabelUdtrykDirekte(p, Typisk, 1, 3, m));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(VariabelUdtrykLaestHverGang);

void FunktionsVaerdiPerPunkt(benchmark::State& state) {
    double x = 0.1;
    for (auto _ : state) {
        x = x < 10 ? x + 0.01 : 0.1;
        benchmark::DoNotOptimize(FunktionsVaerdi("1/x+sqrt(x)*sin(2*x)", x));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(FunktionsVaerdiPerPunkt);

}  // namespace
}  // namespace plotvik

BENCHMARK_MAIN();
