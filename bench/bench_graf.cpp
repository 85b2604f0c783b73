// The "Tegn graf" pass at full size: 1023 measurements marked with crosses
// and a 1024-point spline onto a 550 x 490 software canvas (the window's
// canvas draws thin lines the same way, pixel by pixel). Target: 10 ms a pass.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "graphs/GrafTegning.h"
#include "tests/graphs/TestLaerred.h"

using namespace plotvik;

namespace {

struct Opstilling {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    test::TestLaerred l{550, 490};

    explicit Opstilling(char type) {
        const int n = 1023;
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        TTabelDef& t = p.Tabeller[1];
        t.Defineret = true;
        t.AntalVariable = 2;
        t.AntalInddata = 2;
        t.AntalIndgange = n;
        t.Variable[1].Navn = "t";
        t.Variable[2].Navn = "s";
        t.Celler.Opret(2, n + 1);
        char tekst[40];
        for (int m = 1; m <= n; ++m) {
            // Measured in reverse order, so the sort has work to do.
            const double x = 0.01 * (n - m);
            std::snprintf(tekst, sizeof tekst, "%.6g", x);
            t.Celler.SaetCelle(tekst, 1, m + 1);
            std::snprintf(tekst, sizeof tekst, "%.6g", 4 + 3 * std::sin(x));
            t.Celler.SaetCelle(tekst, 2, m + 1);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"Maaling", 1, "t", "s", type, 3, 0, 10.3, 0, 8};
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &l;
        a.XAkse = "t";
        a.YAkse = "s";
        a.XMinTekst = "0";
        a.XMaxTekst = "10,3";
        a.YMinTekst = "0";
        a.YMaxTekst = "8";
        a.AntalGrafPunkter = "1024";
        a.PunktType = TPunktType::Kryds;
    }
};

void Pass(benchmark::State& state, char type) {
    Opstilling o(type);
    for (auto _ : state) {
        o.l.Nulstil();
        TegnGrafKnap(o.p, o.arkene, o.tt, 1);
        benchmark::DoNotOptimize(o.tt.KurvePunkter.data());
    }
    if (o.tt.KurvePunkter.size() != (type == 'S' || type == 'B' ? 1024u : 0u))
        state.SkipWithError("the curve was not drawn");
}

void BM_TegnGrafSpline(benchmark::State& state) { Pass(state, 'S'); }
void BM_TegnGrafBezier(benchmark::State& state) { Pass(state, 'B'); }
void BM_TegnGrafPolynomium(benchmark::State& state) { Pass(state, 'P'); }

}  // namespace

BENCHMARK(BM_TegnGrafSpline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TegnGrafBezier)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TegnGrafPolynomium)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
