// Formatting and re-reading cell values: the work every computed cell costs.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/PlotvikTyper.h"

namespace {

std::vector<double> Vaerdier() {
    std::mt19937_64 g(7);
    std::uniform_real_distribution<double> m(1.0, 10.0);
    std::uniform_int_distribution<int> e(-6, 6);
    std::vector<double> v(4096);
    for (auto& x : v) x = m(g) * std::pow(10.0, e(g));
    return v;
}

void BM_FormaterTal(benchmark::State& s) {
    auto v = Vaerdier();
    size_t i = 0;
    const int w = static_cast<int>(s.range(0)), d = static_cast<int>(s.range(1));
    for (auto _ : s) {
        benchmark::DoNotOptimize(plotvik::FormaterTal(w, d, v[i++ & 4095]));
    }
    s.SetItemsProcessed(s.iterations());
}
BENCHMARK(BM_FormaterTal)->Args({8, 0})->Args({12, 4})->Args({12, 0});

void BM_TekstTilTal(benchmark::State& s) {
    auto v = Vaerdier();
    std::vector<std::string> t;
    for (double x : v) t.push_back(plotvik::FormaterTal(12, 4, x));
    size_t i = 0;
    bool fejl;
    for (auto _ : s) benchmark::DoNotOptimize(plotvik::TekstTilTal(t[i++ & 4095], fejl));
    s.SetItemsProcessed(s.iterations());
}
BENCHMARK(BM_TekstTilTal);

}  // namespace

BENCHMARK_MAIN();
