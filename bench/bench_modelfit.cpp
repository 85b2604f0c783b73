// A model fit of 1,000 measured points with four parameters (a damped
// oscillation), start values near but not at the solution; the limit is 50 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "graphs/ModelFit.h"

namespace {

void BM_ModelFit1000Punkter4Parametre(benchmark::State& state) {
    std::vector<plotvik::TPunkt> punkter;
    for (int i = 0; i < 1000; ++i) {
        const double t = 0.01 * i;
        const double wobble = ((i * 7919) % 13 - 6) * 1e-3;
        punkter.push_back({t, 2.0 * std::exp(-0.3 * t) * std::cos(3.0 * t + 0.4) + wobble});
    }
    const std::vector<plotvik::TParameter> start = {{"A", 1.5}, {"b", 0.2}, {"w", 2.8}, {"f", 0}};
    for (auto _ : state) {
        auto r = plotvik::ModelFit("A*exp(-b*t)*cos(w*t+f)", "t", punkter, start);
        if (!r.Ok) state.SkipWithError("the fit did not succeed");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ModelFit1000Punkter4Parametre)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
