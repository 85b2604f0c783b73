// Autosave must never hold up typing: serializing the session of the largest
// table (22 variables x 32,767 measurements) and writing the recovery file
// atomically is to take at most 100 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "core/Projekt.h"
#include "files/Gendannelse.h"
#include "files/PlotvikAnalyse.h"

namespace {

using namespace plotvik;

std::string StorBeskrivelse() {
    std::string t = "Tabel(1): tabel_type=S; antal_variable=22; antal_indgange= 32767; tabel_bredde= 10;\r\n";
    for (int v = 1; v <= 22; ++v) t += "Variabel(1," + std::to_string(v) + "): x" + std::to_string(v) + ":=?[m];\r\n";
    return t;
}

TProjekt StorSession(const std::string& beskrivelse) {
    TProjekt p;
    StartProjekt(p);
    size_t start = 0;
    while (start < beskrivelse.size()) {
        size_t slut = beskrivelse.find("\r\n", start);
        FortolkProjektLinie(p, beskrivelse.substr(start, slut - start));
        start = slut + 2;
    }
    AnalyserTabel(p, 1);
    // Typed-looking values of the usual length: "12,345" and the like.
    for (int v = 1; v <= 22; ++v)
        for (int m = 1; m <= 32767; ++m) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%d,%03d", (m * 7 + v) % 100, (m * 13 + v * 17) % 1000);
            p.Tabeller[1].Celler.SaetCelle(buf, v, m + 1);
        }
    return p;
}

void BM_GendannelsesFil(benchmark::State& state) {
    const std::string beskrivelse = StorBeskrivelse();
    const TProjekt p = StorSession(beskrivelse);
    const std::string navn = (std::filesystem::temp_directory_path() /
                              ("plotvik_bench_gendannelse_" + std::to_string(getpid()) + ".bin")).string();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string ud = SerialiserGendannelse(p, beskrivelse, 1796810400);
        bytes = ud.size();
        if (SkrivFilSikkert(navn, ud) != TSkrivning::Skrevet) state.SkipWithError("the recovery file was not written");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    std::filesystem::remove(navn);
}
BENCHMARK(BM_GendannelsesFil)->Unit(benchmark::kMillisecond)->Iterations(10);

// The parts: the copy the window takes on its own thread, and the bytes.
void BM_TagGendannelse(benchmark::State& state) {
    const std::string beskrivelse = StorBeskrivelse();
    const TProjekt p = StorSession(beskrivelse);
    for (auto _ : state) benchmark::DoNotOptimize(TagGendannelse(p, beskrivelse, 1));
}
BENCHMARK(BM_TagGendannelse)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SerialiserGendannelse(benchmark::State& state) {
    const std::string beskrivelse = StorBeskrivelse();
    const TGendannelse g = TagGendannelse(StorSession(beskrivelse), beskrivelse, 1);
    for (auto _ : state) benchmark::DoNotOptimize(SerialiserGendannelse(g));
}
BENCHMARK(BM_SerialiserGendannelse)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LaesGendannelse(benchmark::State& state) {
    const std::string beskrivelse = StorBeskrivelse();
    const std::string ud = SerialiserGendannelse(TagGendannelse(StorSession(beskrivelse), beskrivelse, 1));
    for (auto _ : state) {
        TGendannelsesLaesning l = LaesGendannelse(ud);
        if (!l.Ok) state.SkipWithError("the recovery file was not read");
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_LaesGendannelse)->Unit(benchmark::kMillisecond)->Iterations(10);

// What the window does on its own thread when the autosave timer fires: the
// bytes straight from the project (the write then runs on a thread of its own).
void BM_GendannelsesBytesPaaVinduetsTraad(benchmark::State& state) {
    const std::string beskrivelse = StorBeskrivelse();
    const TProjekt p = StorSession(beskrivelse);
    for (auto _ : state) benchmark::DoNotOptimize(SerialiserGendannelse(p, beskrivelse, 1796810400));
}
BENCHMARK(BM_GendannelsesBytesPaaVinduetsTraad)->Unit(benchmark::kMillisecond)->Iterations(10);

// An undo step of a whole-table command ("Beregn", "Målinger") keeps the
// table before and after and compares them: two copies and one comparison.
void BM_FortrydTrinAfStoersteTabel(benchmark::State& state) {
    const TProjekt p = StorSession(StorBeskrivelse());
    const TTekstMatrix& m = p.Tabeller[1].Celler;
    for (auto _ : state) {
        TTekstMatrix foer = m, efter = m;
        bool ens = true;
        for (int r = 1; r <= m.Raekker() && ens; ++r)
            for (int k = 1; k <= m.Soejler() && ens; ++k) ens = foer.Celle(r, k) == efter.Celle(r, k);
        benchmark::DoNotOptimize(ens);
    }
}
BENCHMARK(BM_FortrydTrinAfStoersteTabel)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
