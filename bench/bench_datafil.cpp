// Reading the largest data file into a table's cells: 32,767 measurements of
// 22 input variables, in the plain form and in the comma form (which is first
// rewritten into its "Format" copy).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/Brugerflade.h"
#include "core/Projekt.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"

namespace {

using namespace plotvik;

// Answers the open dialog with the prepared file and counts the messages.
class BenchFlade : public Brugerflade {
public:
    std::string fil;
    int beskeder = 0;
    bool FejlMedIgnorer(const std::string&) override { return ++beskeder, false; }
    void Fejlboks(const std::string&) override { ++beskeder; }
    void Informationsboks(const std::string&) override { ++beskeder; }
    bool OkEllerAnnuller(const std::string&) override { return true; }
    bool JaEllerNej(const std::string&) override { return true; }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return fil; }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override { return fil; }
    void LadHaendelserKoere() override {}
    void Timeglas(bool) override {}
};

constexpr int Maalinger = 32767;
constexpr int Variable = 22;

void StorTabel(TProjekt& p) {
    StartProjekt(p);
    FortolkProjektLinie(p, "Tabel(1): tabel_type=S; antal_variable=22; antal_indgange= 32767; tabel_bredde= 10;");
    for (int v = 1; v <= Variable; ++v)
        FortolkProjektLinie(p, "Variabel(1," + std::to_string(v) + "): x" + std::to_string(v) + ":=?[m];");
    AnalyserTabel(p, 1);
}

std::string LavFil(bool komma) {
    auto navn = std::filesystem::temp_directory_path() /
                ("plotvik_bench_" + std::to_string(getpid()) + (komma ? "_komma.dat" : "_plain.dat"));
    std::ofstream ud(navn, std::ios::binary);
    char buf[32];
    for (int j = 1; j <= Maalinger; ++j) {
        for (int v = 1; v <= Variable; ++v) {
            std::snprintf(buf, sizeof buf, "%d.%03d", j % 100, (j * v) % 1000);
            ud << buf << (v < Variable ? (komma ? ", " : " ") : "\r\n");
        }
    }
    return navn.string();
}

void Indlaes(benchmark::State& state, bool komma) {
    BenchFlade flade;
    SaetFlade(&flade);
    TProjekt p;
    StorTabel(p);
    flade.fil = LavFil(komma);
    for (auto _ : state) {
        IndlaesDataFil(p, 1);
        benchmark::DoNotOptimize(p.Tabeller[1].Celler.Celle(Variable, Maalinger + 1));
    }
    if (flade.beskeder != 0 || p.Tabeller[1].Celler.Celle(Variable, Maalinger + 1).empty())
        state.SkipWithError("the file was not read whole");
    state.SetItemsProcessed(state.iterations() * Maalinger * Variable);
    std::filesystem::remove(flade.fil);
    if (komma) {
        auto kopi = flade.fil;
        kopi.insert(kopi.rfind('.'), "Format");
        std::filesystem::remove(kopi);
    }
    SaetFlade(nullptr);
}

void BM_IndlaesDataFilPlain(benchmark::State& state) { Indlaes(state, false); }
void BM_IndlaesDataFilKomma(benchmark::State& state) { Indlaes(state, true); }

}  // namespace

BENCHMARK(BM_IndlaesDataFilPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndlaesDataFilKomma)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
