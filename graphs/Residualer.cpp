// The residual strip under a graph.
#include "graphs/Residualer.h"

#include <cmath>

#include "core/PlotvikTyper.h"
#include "graphs/LogAkser.h"

namespace plotvik {

std::vector<TPunkt> Residualer(std::span<const TPunkt> punkter, const std::function<double(double)>& f) {
    std::vector<TPunkt> r;
    r.reserve(punkter.size());
    for (const TPunkt& p : punkter) {
        const double d = p.y - f(p.x);
        if (std::isfinite(d)) r.push_back({p.x, d});
    }
    return r;
}

double ResidualGraense(std::span<const TPunkt> residualer) {
    double m = 0;
    for (const TPunkt& p : residualer) m = std::max(m, std::fabs(p.y));
    return m > 0 ? 1.25 * m : 1.0;
}

void TegnResidualPlot(TBilledGrafik& g, Laerred& billede, int s, std::span<const TPunkt> residualer) {
    const TViewPort graf = g.ViewPortEntry(s);
    const TVindue vindue = g.WindowEntry(s);
    const int top = GrafDelensBund(billede.Hoejde()) + 1;
    // Only under a graph drawn with room for the strip (not over one kept with "Behold graf").
    if (billede.Hoejde() - 1 - top < 4 || graf.Hoejre <= graf.Venstre || graf.Bund != top - 1) return;

    const double r = ResidualGraense(residualer);
    g.SetViewPort(s, graf.Venstre, top, graf.Hoejre, billede.Hoejde() - 1, Hvid);
    g.SetWindow(s, vindue.XMin, -r, vindue.XMax, r, vindue.LogX, false);
    g.SelectWindow(s);
    g.SelectViewPort(billede, s);

    billede.SaetPenFarve(Sort);
    billede.SaetPenBredde(1);
    billede.SaetPenTilstand(TPenTilstand::Kopier);
    billede.SaetPenselFarve(Hvid);
    billede.SaetSkrift("Arial", 8, Normal);
    // The zero line spans the graph's limits: its window has a tenth of margin on each side.
    const double m = (vindue.XMax - vindue.XMin) / 12;
    const double x1 = FraAkseMaal(vindue.LogX, vindue.XMin + m), x2 = FraAkseMaal(vindue.LogX, vindue.XMax - m);
    billede.NyFigur();
    g.MoveToW(billede, x1, 0);
    g.LineToW(billede, x2, 0);
    billede.NyFigur();
    g.MoveToW(billede, x1, -r / 1.25);
    g.LineToW(billede, x1, r / 1.25);
    g.TextOutW(billede, "Residualer", x1, r);
    g.TextOutW(billede, FjernMellemrum(FormaterTal(10, 0, r / 1.25)), FraAkseMaal(vindue.LogX, vindue.XMin), r / 1.25);
    for (const TPunkt& p : residualer) {
        billede.NyFigur();
        g.MoveToW(billede, p.x, 0);
        g.LineToW(billede, p.x, p.y);
        g.TegnKryds(billede, p.x, p.y);
    }

    g.SetViewPort(s, graf.Venstre, graf.Top, graf.Hoejre, graf.Bund, graf.Farve);
    g.SetWindow(s, vindue.XMin, vindue.YMin, vindue.XMax, vindue.YMax, vindue.LogX, vindue.LogY);
    g.SelectWindow(s);
}

}  // namespace plotvik
