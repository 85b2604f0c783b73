// The world-coordinate graphics layer (see PlotvikImageGraphics.h).
#include "graphs/PlotvikImageGraphics.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/PlotvikTyper.h"
#include "interpreter/PlotvikInterprete.h"

namespace plotvik {

namespace {

constexpr double PixelGraense = 1073741824.0;  // 2^30

int TilPixel(double v) {
    if (!(v > -PixelGraense)) return -int(PixelGraense);
    if (v > PixelGraense) return int(PixelGraense);
    return int(v);
}

// The exponent of x written with two significant digits and a four-digit
// exponent whose two leading digits are dropped: only the last two digits
// count (1E+100 gives E+00).
int LabelEksponent(double x) {
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.1E", x);
    const char* e = std::strchr(tekst, 'E');
    if (!e) return 0;
    const int eksponent = std::atoi(e + 1);
    return eksponent < 0 ? -(-eksponent % 100) : eksponent % 100;
}

std::string EksponentTekst(int e) {
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%c%02d", e < 0 ? '-' : '+', std::abs(e));
    return tekst;
}

std::string Label(double v) {
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%4.1f", v);
    return tekst;
}

bool TaetPaaHeltal(double v) { return std::fabs(v - std::nearbyint(v)) <= 0.1; }

// The major-tick count for the limits a..b and the step, halving the step
// until there are at least four ticks.
int TickAntal(double a, double b, double& step) {
    int n = TilPixel(std::nearbyint(std::trunc(b / step) - std::trunc(a / step)));
    while (n < 4 && step > 0) {
        step /= 2;
        n = TilPixel(std::nearbyint((b - a) / step));
    }
    // A step that is not positive, or absurdly small for the range, gives no ticks
    // rather than millions of them.
    return n >= 0 && n <= 1000 && step > 0 ? n : 0;
}

}  // namespace

void StraekInterval(int& start, int& laengde, int gammel, int ny) {
    if (gammel <= 0 || ny <= 0 || gammel == ny) return;
    const double f = double(ny) / gammel;
    const int a = int(std::lround(start * f));
    const int b = int(std::lround((double(start) + laengde + 1) * f)) - 1;
    start = a;
    laengde = b > a ? b - a : 0;
}

void TBilledGrafik::TilpasViewPort(int i, int gammelBredde, int gammelHoejde, int nyBredde, int nyHoejde) {
    TViewPort& v = ViewPorte[Indeks(i)];
    if (v.Hoejre <= v.Venstre || v.Bund <= v.Top) return;  // never set up
    int x = v.Venstre, b = v.Hoejre - v.Venstre, y = v.Top, h = v.Bund - v.Top;
    StraekInterval(x, b, gammelBredde, nyBredde);
    StraekInterval(y, h, gammelHoejde, nyHoejde);
    v.Venstre = x;
    v.Hoejre = x + b;
    v.Top = y;
    v.Bund = y + h;
    if (ViewPortNo != Indeks(i)) return;
    GoerViewPortAktuel(i);
    if (Aktuelt.XMax != Aktuelt.XMin && Aktuelt.YMax != Aktuelt.YMin) {
        SkalaX = Bredde / (Aktuelt.XMax - Aktuelt.XMin);
        SkalaY = Hoejde / (Aktuelt.YMax - Aktuelt.YMin);
    }
}

TAfbildning TBilledGrafik::Afbildning() const {
    TAfbildning a;
    a.Venstre = Venstre;
    a.Top = Top;
    a.Bredde = Bredde;
    a.Hoejde = Hoejde;
    a.XMin = Aktuelt.XMin;
    a.YMin = Aktuelt.YMin;
    a.Sx = SkalaX;
    a.Sy = SkalaY;
    a.LogX = Aktuelt.LogX;
    a.LogY = Aktuelt.LogY;
    return a;
}

void TBilledGrafik::SetViewPort(int i, int venstre, int top, int hoejre, int bund, TFarve farve) {
    ViewPorte[Indeks(i)] = TViewPort{venstre, top, hoejre, bund, farve};
}

void TBilledGrafik::SetWindow(int i, double xmin, double ymin, double xmax, double ymax) {
    Vinduer[Indeks(i)] = TVindue{xmin, ymin, xmax, ymax};
}

void TBilledGrafik::SetWindow(int i, double xmin, double ymin, double xmax, double ymax, bool logX,
                              bool logY) {
    Vinduer[Indeks(i)] = TVindue{xmin, ymin, xmax, ymax, logX, logY};
}

void TBilledGrafik::SelectWindow(int i) {
    VindueNo = Indeks(i);
    Aktuelt = Vinduer[VindueNo];
    // The sheet's own view port too, once it has one: each sheet's picture
    // follows its own widget, so a sheet not shown may have another size.
    const TViewPort& v = ViewPorte[VindueNo];
    if (v.Hoejre > v.Venstre && v.Bund > v.Top) GoerViewPortAktuel(i);
    // The scale follows the window: otherwise a sheet redrawn with "Behold
    // graf", or read with the mouse, after another sheet was drawn would be
    // mapped with that sheet's scale. A window never set keeps the old scale.
    if (Aktuelt.XMax != Aktuelt.XMin && Aktuelt.YMax != Aktuelt.YMin) {
        SkalaX = Bredde / (Aktuelt.XMax - Aktuelt.XMin);
        SkalaY = Hoejde / (Aktuelt.YMax - Aktuelt.YMin);
    }
}

void TBilledGrafik::FyldViewPort(Laerred& billede) {
    // The rectangle includes its right and bottom edges, so a view port of
    // the whole image clears every pixel of it.
    billede.FyldRektangel(Venstre, Top, Venstre + Bredde + 1, Top + Hoejde + 1, ViewPortFarve);
}

void TBilledGrafik::GoerViewPortAktuel(int i) {
    ViewPortNo = Indeks(i);
    const TViewPort& v = ViewPorte[ViewPortNo];
    Venstre = v.Venstre;
    Top = v.Top;
    Bredde = v.Hoejre - v.Venstre;
    Hoejde = v.Bund - v.Top;
    ViewPortFarve = v.Farve;
}

void TBilledGrafik::SelectViewPort(Laerred& billede, int i) {
    GoerViewPortAktuel(i);
    SkalaX = Bredde / (Aktuelt.XMax - Aktuelt.XMin);
    SkalaY = Hoejde / (Aktuelt.YMax - Aktuelt.YMin);
    PunktX = Aktuelt.XMin;
    PunktY = Aktuelt.YMin;
    FyldViewPort(billede);
}

void TBilledGrafik::ClearViewPort(Laerred& billede, int i) {
    GoerViewPortAktuel(i);
    FyldViewPort(billede);
}

int TBilledGrafik::PixelX(double x) const { return AfbildX(Afbildning(), x); }

int TBilledGrafik::PixelY(double y) const { return AfbildY(Afbildning(), y); }

int TBilledGrafik::ScaledY(double dy) const { return TilPixel(std::nearbyint(dy * SkalaY)); }

double TBilledGrafik::WorldX(int px) const {
    return FraAkseMaal(Aktuelt.LogX, (px - Venstre) / SkalaX + Aktuelt.XMin);
}

double TBilledGrafik::WorldY(int py) const {
    return FraAkseMaal(Aktuelt.LogY, (double(Top) + Hoejde - py) / SkalaY + Aktuelt.YMin);
}

void TBilledGrafik::MoveToW(Laerred& billede, double x, double y) {
    PunktX = x;
    PunktY = y;
    PenUdenfor = Udenfor(x, y);
    if (PenUdenfor) return;
    billede.Anker(Afbildning(), x, y);
    billede.FlytTil(PixelX(x), PixelY(y));
}

void TBilledGrafik::MoveRelW(Laerred& billede, double dx, double dy) {
    MoveToW(billede, PunktX + dx, PunktY + dy);
}

void TBilledGrafik::LineToW(Laerred& billede, double x, double y) {
    if (PenUdenfor || Udenfor(x, y)) {
        MoveToW(billede, x, y);
        return;
    }
    billede.Anker(Afbildning(), x, y);
    billede.LinjeTil(PixelX(x), PixelY(y));
    PunktX = x;
    PunktY = y;
}

void TBilledGrafik::LineRelW(Laerred& billede, double dx, double dy) {
    LineToW(billede, PunktX + dx, PunktY + dy);
}

void TBilledGrafik::TextOutW(Laerred& billede, const std::string& tekst, double x, double y) {
    if (Udenfor(x, y)) return;
    billede.Anker(Afbildning(), x, y);
    billede.SkrivTekst(PixelX(x), PixelY(y), tekst);
}

void TBilledGrafik::PutPixelW(Laerred& billede, TFarve farve, double x, double y) {
    if (Udenfor(x, y)) return;
    billede.Anker(Afbildning(), x, y);
    billede.SaetPixel(PixelX(x), PixelY(y), farve);
}

void TBilledGrafik::TegnKryds(Laerred& billede, double x, double y) {
    if (Udenfor(x, y)) return;
    const int X = PixelX(x), Y = PixelY(y);
    billede.Anker(Afbildning(), x, y);  // the marker's pixels are offsets from its point
    billede.FlytTil(X - 3, Y - 3);
    billede.LinjeTil(X + 3, Y + 3);
    billede.FlytTil(X - 3, Y + 3);
    billede.LinjeTil(X + 3, Y - 3);
}

void TBilledGrafik::TegnCirkel(Laerred& billede, double x, double y) {
    if (Udenfor(x, y)) return;
    const int X = PixelX(x), Y = PixelY(y);
    billede.Anker(Afbildning(), x, y);  // the marker's pixels are offsets from its point
    const TPenselStil stil = billede.PenselStil();
    const TFarve pen = billede.PenFarve(), pensel = billede.PenselFarve();
    billede.SaetPenselStil(TPenselStil::Solid);
    billede.SaetPenFarve(Sort);
    billede.SaetPenselFarve(Hvid);
    billede.Ellipse(X - 4, Y - 4, X + 4, Y + 4);
    billede.SaetPixel(X, Y, Sort);
    billede.SaetPenselStil(stil);
    billede.SaetPenFarve(pen);
    billede.SaetPenselFarve(pensel);
}

void TBilledGrafik::TegnRuder(Laerred& billede, double x, double y) {
    if (Udenfor(x, y)) return;
    const int X = PixelX(x), Y = PixelY(y);
    billede.Anker(Afbildning(), x, y);  // the marker's pixels are offsets from its point
    const TFarve pen = billede.PenFarve();
    billede.SaetPenFarve(Sort);
    billede.FlytTil(X - 4, Y);
    billede.LinjeTil(X, Y + 4);
    billede.LinjeTil(X + 4, Y);
    billede.LinjeTil(X, Y - 4);
    billede.LinjeTil(X - 4, Y);
    billede.SaetPixel(X, Y, pen);
    billede.SaetPenFarve(pen);
}

void TBilledGrafik::TegnAkser(Laerred& billede, std::string xTitel, std::string yTitel, double xmin,
                              double xmax, double ymin, double ymax, double xStep, double yStep,
                              TFarve farve) {
    xTitel = Kort(xTitel);
    yTitel = Kort(yTitel);
    const double xr = xmax - xmin, yr = ymax - ymin, dx = 0.01 * xr, dy = 0.01 * yr;

    billede.SaetPenFarve(farve);
    billede.SaetPenBredde(1);
    billede.SaetPenTilstand(TPenTilstand::Kopier);
    billede.SaetSkrift("Arial", 8, Normal);

    const int ex = LabelEksponent(0.9 * MaxReel(std::fabs(xmax), std::fabs(xmin)));
    const int ey = LabelEksponent(0.9 * MaxReel(std::fabs(ymax), std::fabs(ymin)));
    const double fx = double(IntPotens(10, std::abs(ex))), fy = double(IntPotens(10, std::abs(ey)));
    const double fxv = ex < 0 ? 1 / fx : fx, fyv = ey < 0 ? 1 / fy : fy;
    if (ex != 0) xTitel += " *1.0E" + EksponentTekst(ex);
    if (ey != 0) yTitel += " *1.0E" + EksponentTekst(ey);

    const double y0 = ymin * ymax >= 0 ? ymin : 0;
    const double x0 = xmin * xmax >= 0 ? xmin : 0;

    MoveToW(billede, xmin, y0);
    LineToW(billede, xmax, y0);
    LineRelW(billede, -dx, dy);
    LineRelW(billede, 0, -2 * dy);
    LineRelW(billede, dx, dy);

    MoveToW(billede, x0, ymin);
    LineToW(billede, x0, ymax);
    LineRelW(billede, -dx, -dy);
    LineRelW(billede, 2 * dx, 0);
    LineRelW(billede, -dx, dy);

    double xs = xStep;
    int nx = TickAntal(xmin, xmax, xs);
    const int kx = (10 / (nx > 0 ? nx : 1)) * 5;
    const double xMindre = kx > 1 ? xs / kx : xs;
    const double x1 = std::trunc(xmin / xs) * xs;
    MoveToW(billede, x1, y0);
    for (int i = 0; i < nx; ++i) {
        LineRelW(billede, 0, -dy);
        MoveRelW(billede, xMindre, dy);
        for (int j = 1; j < kx; ++j) {
            LineRelW(billede, 0, -dy / 2);
            MoveRelW(billede, xMindre, dy / 2);
        }
    }

    billede.SaetPenselFarve(ViewPortFarve);

    double ys = yStep;
    int ny = TickAntal(ymin, ymax, ys);
    const int ky = (10 / (ny > 0 ? ny : 1)) * 5;
    const double yMindre = ky > 1 ? ys / ky : ys;
    const double y1 = std::trunc(ymin / ys) * ys;
    MoveToW(billede, x0, y1);
    for (int i = 0; i < ny; ++i) {
        LineRelW(billede, -dx, 0);
        MoveRelW(billede, dx, yMindre);
        for (int j = 1; j < ky; ++j) {
            LineRelW(billede, -dx / 2, 0);
            MoveRelW(billede, dx / 2, yMindre);
        }
    }

    TextOutW(billede, xTitel, xmax - double(xTitel.size()) * dx, y0 + 5 * dy);

    while (nx > 9) {
        nx /= 2;
        xs *= 2;
    }
    for (int i = 0; i < nx; ++i) {
        const double v = x1 + i * xs;
        if (std::fabs(v) > dx && TaetPaaHeltal(std::fabs(v / fxv) * 10))
            TextOutW(billede, Label(v / fxv), v - 2 * dx, y0 - 2 * dy);
    }

    TextOutW(billede, yTitel, x0 - 2 * dx, ymax + 4 * dy);

    while (ny > 9) {
        ny /= 2;
        ys *= 2;
    }
    for (int i = 0; i < ny; ++i) {
        const double v = y1 + i * ys;
        if (std::fabs(v) > 0.001 * yr && TaetPaaHeltal(std::fabs(v / fyv) * 10))
            TextOutW(billede, Label(v / fyv), x0 - 6 * dx, v + dy);
    }

    MoveToW(billede, x0, y0);
}

}  // namespace plotvik
