// A live capture: 100,000 lines of four fields, as a device sends them and a
// port delivers them in reads of 4 kB, cut into lines, checked and written
// into tables within 100 ms. A table holds 32,767 measurements, so the lines
// are four captures of 25,000, one into each of the four tables.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/Projekt.h"
#include "files/Opsamling.h"
#include "files/PlotvikAnalyse.h"

namespace {

using namespace plotvik;

constexpr int Linier = 100000, Tabeller = 4;

// Time in seconds, two readings with a decimal comma, a count: "12,345;1,234;0,567;512".
std::string Linie(int i) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d,%03d;%d,%03d;%d,%03d;%d\r\n", i / 1000, i % 1000, (i * 7) % 5, (i * 37) % 1000,
                  (i * 3) % 2, (i * 11) % 1000, (i * 13) % 1024);
    return buf;
}

void BM_Opsamling100000Linier(benchmark::State& state) {
    std::string stroem[Tabeller];
    for (int t = 0; t < Tabeller; ++t)
        for (int i = 0; i < Linier / Tabeller; ++i) stroem[t] += Linie(t * (Linier / Tabeller) + i);
    for (auto _ : state) {
        state.PauseTiming();
        TProjekt p;
        StartProjekt(p);
        for (int t = 1; t <= Tabeller; ++t) {
            const std::string n = std::to_string(t);
            FortolkProjektLinie(p, "Tabel(" + n + "): tabel_type=S; antal_variable=5; antal_indgange= 10; tabel_bredde= 10;");
            int v = 0;
            for (const char* d : {"t:=?[s];", "a:=?[V];", "b:=?[V];", "c:=?;", "d:= a+b;"})
                FortolkProjektLinie(p, "Variabel(" + n + "," + std::to_string(++v) + "): " + d);
            AnalyserTabel(p, t);
        }
        state.ResumeTiming();
        int antal = 0;
        for (int t = 1; t <= Tabeller; ++t) {
            TOpsamlingsValg valg;
            valg.Tabel = t;
            TOpsamling o(p, valg);
            if (!o.Start()) state.SkipWithError("the capture did not start");
            const std::string& s = stroem[t - 1];
            for (size_t i = 0; i < s.size(); i += 4096) o.Modtag(std::string_view(s).substr(i, 4096), 0.001 * i);
            o.Stop();
            antal += o.Maalinger();
            if (o.Fejllinier() != 0) state.SkipWithError("a line was not read");
        }
        if (antal != Linier) state.SkipWithError("lines were lost");
        benchmark::DoNotOptimize(p);
    }
    state.counters["linier/s"] = benchmark::Counter(static_cast<double>(Linier) * state.iterations(),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Opsamling100000Linier)->Unit(benchmark::kMillisecond)->Iterations(10);

// The line reading alone, without the table.
void BM_Linielaesning100000(benchmark::State& state) {
    std::string s;
    for (int i = 0; i < Linier; ++i) s += Linie(i);
    for (auto _ : state) {
        TLinieSamler samler;
        TLinieFortolker f;
        int data = 0;
        for (size_t i = 0; i < s.size(); i += 4096)
            samler.Modtag(std::string_view(s).substr(i, 4096), [&](std::string_view l) {
                data += f.Fortolk(l) == TLinieArt::Data;
            });
        if (data != Linier) state.SkipWithError("lines were lost");
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_Linielaesning100000)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
