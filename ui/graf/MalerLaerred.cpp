// The graph canvas over a QPainter (see MalerLaerred.h).
#include "ui/graf/MalerLaerred.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

QColor TilQColor(TFarve f) { return QColor((f >> 16) & 255, (f >> 8) & 255, f & 255); }

QString Skriftnavn(const std::string& navn) {
    if (navn == "Arial") return QStringLiteral("Liberation Sans");
    if (navn == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (navn == "Courier New") return QStringLiteral("Liberation Mono");
    return QString::fromLatin1(navn.data(), qsizetype(navn.size()));
}

// A line is cut at the image's edge (an SVG file is not clipped by the painter), so that
// no device ever sees coordinates of millions of pixels.
bool Klip(double& x1, double& y1, double& x2, double& y2, double b, double h) {
    const double l = 0, t = 0, r = b, u = h;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - l, r - x1, y1 - t, u - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double v = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, v);
            else t1 = std::min(t1, v);
        }
    }
    if (t0 > t1) return false;
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

}  // namespace

TMalerLaerred::TMalerLaerred(QPainter& maler, int bredde, int hoejde, bool glat)
    : M(maler), B(bredde), H(hoejde), Glat(glat) {
    M.save();
    M.setClipRect(QRectF(0, 0, B, H), Qt::IntersectClip);
    M.setRenderHint(QPainter::Antialiasing, Glat);
    M.setRenderHint(QPainter::TextAntialiasing, Glat);
    SaetSkrift("Arial", 8, Normal);
}

TMalerLaerred::~TMalerLaerred() {
    Toem();
    M.restore();
}

void TMalerLaerred::SaetPenFarve(TFarve f) {
    if ((f & 0xFFFFFF) != Pen) Toem();
    TLaerredMedPen::SaetPenFarve(f);
}

void TMalerLaerred::SaetPenBredde(int b) {
    if (b != PenB) Toem();
    TLaerredMedPen::SaetPenBredde(b);
}

void TMalerLaerred::SaetPenTilstand(TPenTilstand t) {
    if (t != PenT) Toem();
    TLaerredMedPen::SaetPenTilstand(t);
}

void TMalerLaerred::SaetSkrift(const std::string& navn, int stoerrelse, int stil) {
    QFont f(Skriftnavn(navn));
    // Point sizes at 96 pixels per inch, as on the sheet's own image.
    f.setPixelSize(std::max(1, int(std::lround(stoerrelse * 96.0 / 72.0))));
    f.setBold(stil & Fed);
    f.setItalic(stil & Kursiv);
    f.setUnderline(stil & Understreget);
    f.setStyleStrategy(Glat ? QFont::PreferAntialias : QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);  // the same letters at every scale
    Skrift = f;
}

// Xor and invert exist only on images; elsewhere the pen simply draws.
void TMalerLaerred::Kombination() {
    QPainter::CompositionMode k = QPainter::CompositionMode_SourceOver;
    if (PenT != TPenTilstand::Kopier && M.paintEngine() &&
        M.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        k = PenT == TPenTilstand::Xor ? QPainter::RasterOp_SourceXorDestination : QPainter::RasterOp_NotDestination;
    M.setCompositionMode(k);
}

void TMalerLaerred::Toem() {
    if (Sti.isEmpty()) return;
    Kombination();
    QPen pen(TilQColor(Pen), PenB, Qt::SolidLine, PenB > 1 ? Qt::RoundCap : Qt::FlatCap,
             PenB > 1 ? Qt::RoundJoin : Qt::BevelJoin);
    M.setPen(pen);
    M.setBrush(Qt::NoBrush);
    M.drawPath(Sti);
    Sti = QPainterPath();
}

void TMalerLaerred::FlytTilF(double x, double y) {
    PX = x;
    PY = y;
}

// Positions are pixel numbers; a pixel's centre lies half a pixel further on.
void TMalerLaerred::LinjeTilF(double x, double y) {
    double x1 = PX + 0.5, y1 = PY + 0.5, x2 = x + 0.5, y2 = y + 0.5;
    PX = x;
    PY = y;
    if (!Klip(x1, y1, x2, y2, B, H)) return;
    const QPointF a(x1, y1), b(x2, y2);
    if (Sti.isEmpty() || a != SidsteSlut) Sti.moveTo(a);
    Sti.lineTo(b);
    SidsteSlut = b;
}

bool TMalerLaerred::Inde(double x1, double y1, double x2, double y2) const {
    return x2 >= 0 && y2 >= 0 && x1 < B && y1 < H;
}

void TMalerLaerred::EllipseF(double x1, double y1, double x2, double y2) {
    Toem();
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (!Inde(x1, y1, x2, y2)) return;
    Kombination();
    M.setPen(QPen(TilQColor(Pen), PenB));
    switch (PenselS) {
        case TPenselStil::Solid: M.setBrush(QBrush(TilQColor(Pensel))); break;
        case TPenselStil::Tom: M.setBrush(Qt::NoBrush); break;
        case TPenselStil::Skraa: M.setBrush(QBrush(TilQColor(Pensel), Qt::BDiagPattern)); break;
    }
    // The box's right and bottom edges lie outside the figure, as on the image.
    const QPointF c((x1 + x2) / 2 + 0.5, (y1 + y2) / 2 + 0.5);
    M.drawEllipse(c, std::max(0.5, (x2 - x1) / 2 - 0.5), std::max(0.5, (y2 - y1) / 2 - 0.5));
}

void TMalerLaerred::FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) {
    Toem();
    M.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRectF r = QRectF(x1, y1, x2 - x1, y2 - y1).intersected(QRectF(0, 0, B, H));
    if (!r.isEmpty()) M.fillRect(r, TilQColor(f));
}

void TMalerLaerred::SaetPixelF(double x, double y, TFarve f) {
    Toem();
    if (!Inde(x, y, x + 1, y + 1) || x + 1 > B || y + 1 > H || x < 0 || y < 0) return;
    M.setCompositionMode(QPainter::CompositionMode_SourceOver);
    M.fillRect(QRectF(x, y, 1, 1), TilQColor(f));
}

void TMalerLaerred::SkrivTekstF(double x, double y, const std::string& tekst) {
    Toem();
    if (tekst.empty()) return;
    const QString s = TilQString(tekst);
    const QFontMetricsF m(Skrift);
    if (!Inde(x, y, x + m.horizontalAdvance(s), y + m.height())) return;
    M.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (PenselS == TPenselStil::Solid)
        M.fillRect(QRectF(x, y, m.horizontalAdvance(s), m.height()), TilQColor(Pensel));
    M.setFont(Skrift);
    M.setPen(Qt::black);  // the font colour, which the program never changes
    M.drawText(QPointF(x, y + m.ascent()), s);
}

int TMalerLaerred::TekstBredde(const std::string& tekst) const {
    return int(std::lround(QFontMetricsF(Skrift).horizontalAdvance(TilQString(tekst))));
}

int TMalerLaerred::TekstHoejde(const std::string&) const {
    return int(std::lround(QFontMetricsF(Skrift).height()));
}
