// Redrawing a graph sheet from its draw list at 1600 x 1000, as when the
// window is resized: 1023 measurements marked with crosses, a 1024-point
// spline through them, a function of 1024 points and a hatched area under
// the spline. Target: at most 10 ms a redraw, so resizing stays smooth.
// Smooth: the anti-aliased QPainter canvas of the screen; Pixel: the sheet's
// own pixel canvas ("Glatte linjer" off).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "graphs/Areal.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "graphs/Tegneliste.h"
#include "ui/graf/MalerLaerred.h"
#include "ui/graf/QtLaerred.h"

using namespace plotvik;

namespace {

struct Ark {
    TProjekt p;
    TGrafArkene arkene;
    TTegneTilstand tt;
    TVaerktoejTilstand vt;
    QImage billede{550, 490, QImage::Format_RGB32};
    QtLaerred laerred{billede};
    TTegneliste liste;
    TOptagendeLaerred optager{laerred, liste};

    Ark() {
        const int n = 1023;
        billede.fill(Qt::white);
        p.AntalTabeller = 1;
        p.AktivTabel = 1;
        TTabelDef& t = p.Tabeller[1];
        t.Defineret = true;
        t.AntalVariable = t.AntalInddata = 2;
        t.AntalIndgange = n;
        t.Variable[1].Navn = "t";
        t.Variable[2].Navn = "s";
        t.Celler.Opret(2, n + 1);
        char tekst[40];
        for (int m = 1; m <= n; ++m) {
            const double x = 0.01 * m;
            std::snprintf(tekst, sizeof tekst, "%.6g", x);
            t.Celler.SaetCelle(tekst, 1, m + 1);
            std::snprintf(tekst, sizeof tekst, "%.6g", 4 + 3 * std::sin(x));
            t.Celler.SaetCelle(tekst, 2, m + 1);
        }
        t.AntalGrafer = 1;
        t.Grafer[1] = TGrafDef{"Maaling", 1, "t", "s", 'S', 3, 0, 10.3, 0, 8};
        TGrafArk& a = arkene.Ark[1];
        a.Billede = &optager;
        a.XAkse = "t";
        a.YAkse = "s";
        a.XMinTekst = "0";
        a.XMaxTekst = "10,3";
        a.YMinTekst = "0";
        a.YMaxTekst = "8";
        a.AntalGrafPunkter = "1024";
        a.PunktType = TPunktType::Kryds;
        TegnGrafKnap(p, arkene, tt, 1);
        IndtastFunktion(arkene, vt, 1, 1, "4+2*cos(x)", "R");
        TegnFunktionKnap(p, arkene, tt, 1);
        ArealUnderGraf(p, arkene, tt, vt, {"2", "6", 1, 1}, 1);
    }
};

Ark& Faelles() {
    static Ark ark;
    return ark;
}

void Genafspilning(benchmark::State& state, bool glat, double dpr) {
    Ark& a = Faelles();
    if (a.liste.Trin.size() < 4000) state.SkipWithError("the sheet was not drawn in full");
    const int b = 1600, h = 1000;
    QImage billede(int(b * dpr), int(h * dpr), QImage::Format_RGB32);
    billede.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        billede.fill(Qt::white);
        if (glat) {
            QPainter maler(&billede);
            TMalerLaerred l(maler, b, h, true);
            Genafspil(a.liste, l, b, h, true);
        } else {
            QtLaerred l(billede);
            Genafspil(a.liste, l, b, h, false);
        }
        benchmark::DoNotOptimize(billede.constBits());
    }
    state.counters["trin"] = double(a.liste.Trin.size());
}

void BM_GenafspilGlat1600x1000(benchmark::State& s) { Genafspilning(s, true, 1); }
void BM_GenafspilGlat1600x1000Dpr2(benchmark::State& s) { Genafspilning(s, true, 2); }
void BM_GenafspilPixel1600x1000(benchmark::State& s) { Genafspilning(s, false, 1); }

}  // namespace

BENCHMARK(BM_GenafspilGlat1600x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenafspilGlat1600x1000Dpr2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenafspilPixel1600x1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
