// The cost of uncertainties: the table of 22 variables over 32767
// measurements (2 typed, 20 computed, each from the constants and the
// variable before it) computed without any uncertainty, and with
// uncertainties on both typed variables and a constant, so that every one of
// the 20 output columns is propagated. The propagation must cost at most as
// much again as the computation without it.
#include <benchmark/benchmark.h>

#include <string>

#include "files/PlotvikAnalyse.h"
#include "tabeller/TabelBeregning.h"
#include "tabeller/TabelUsikkerhed.h"

namespace {

using namespace plotvik;

constexpr int Maalinger = MaksIndgange;
constexpr int Udtryk = 20;

TProjekt& StorTabel(bool usikkerhed) {
    static TProjekt projekter[2];
    static bool klar[2] = {false, false};
    TProjekt& p = projekter[usikkerhed];
    if (klar[usikkerhed]) return p;
    StartProjekt(p);
    FortolkProjektLinie(p, "Konstant(1): g = 9.82 [m/s^2];");
    FortolkProjektLinie(p, "Konstant(2): k = 0.5;");
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=22; antal_indgange= 32767; tabel_bredde= 10;");
    FortolkProjektLinie(p, "Variabel(1,1): x:=?[m];");
    FortolkProjektLinie(p, "Variabel(1,2): y:=?[s];");
    const char* former[] = {"x*g+y", "x/y+k", "sqrt(x*x+y*y)", "sin(x)*k+g", "(x+y)^2/g"};
    for (int v = 3; v <= 22; ++v) {
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
    if (usikkerhed) {
        SaetUsikkerhed(p, 1, 1, TUsikkerhedsArt::Relativ, "1");
        SaetUsikkerhed(p, 1, 2, TUsikkerhedsArt::Absolut, "0,001");
        SaetUsikkerhed(p, 0, 1, TUsikkerhedsArt::Absolut, "0,01");
    }
    klar[usikkerhed] = true;
    return p;
}

void Beregn(benchmark::State& s, bool usikkerhed) {
    TProjekt& p = StorTabel(usikkerhed);
    for (auto _ : s) {
        BeregnTabel(p, 1);
        benchmark::DoNotOptimize(p.Tabeller[1].Celler.Celle(22, Maalinger + 1).size());
    }
    if (usikkerhed && p.Tabeller[1].Usikkerheder[22].size() != Maalinger + 1) s.SkipWithError("nothing propagated");
    s.counters["celler"] = Udtryk * Maalinger;
}

void BM_TabelUdenUsikkerhed(benchmark::State& s) { Beregn(s, false); }
void BM_TabelMedUsikkerhed(benchmark::State& s) { Beregn(s, true); }
BENCHMARK(BM_TabelUdenUsikkerhed)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_TabelMedUsikkerhed)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
