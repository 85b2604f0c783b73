// The graph canvas over a QImage (see QtLaerred.h).
#include "ui/QtLaerred.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace plotvik;

namespace {

QColor TilQColor(TFarve f) { return QColor((f >> 16) & 255, (f >> 8) & 255, f & 255); }

QPainter::CompositionMode Kombination(TPenTilstand t) {
    switch (t) {
        case TPenTilstand::Xor: return QPainter::RasterOp_SourceXorDestination;
        case TPenTilstand::Invers: return QPainter::RasterOp_NotDestination;
        default: return QPainter::CompositionMode_SourceOver;
    }
}

// "Arial" and its siblings are drawn with their metric twins where installed.
QString Skriftnavn(const std::string& navn) {
    if (navn == "Arial") return QStringLiteral("Liberation Sans");
    if (navn == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (navn == "Courier New") return QStringLiteral("Liberation Mono");
    return QString::fromLatin1(navn.data(), qsizetype(navn.size()));
}

}  // namespace

QtLaerred::QtLaerred(QImage& billede) : Billede(billede) {
    SikrFormat();
    SaetSkrift("Arial", 8, Normal);
}

// Pixels are written as 32-bit words; an image replaced by the window in
// another format is converted before it is drawn on.
void QtLaerred::SikrFormat() {
    if (Billede.format() != QImage::Format_RGB32 && Billede.format() != QImage::Format_ARGB32)
        Billede = Billede.convertToFormat(QImage::Format_RGB32);
}

QtLaerred::~QtLaerred() = default;

QString QtLaerred::TilQString(const std::string& tekst) {
    // 0x80..0x9F differ between Windows-1252 and Latin-1; the rest is the same.
    static const char16_t Cp1252[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString s;
    s.reserve(qsizetype(tekst.size()));
    for (unsigned char c : tekst)
        s.append(c >= 0x80 && c < 0xA0 ? QChar(Cp1252[c - 0x80]) : QChar(char16_t(c)));
    return s;
}

int QtLaerred::Bredde() const { return Billede.width(); }
int QtLaerred::Hoejde() const { return Billede.height(); }

void QtLaerred::SaetPenFarve(TFarve f) { PenF = f & 0xFFFFFF; }
TFarve QtLaerred::PenFarve() const { return PenF; }
void QtLaerred::SaetPenBredde(int b) { PenB = b < 1 ? 1 : b; }
int QtLaerred::PenBredde() const { return PenB; }
void QtLaerred::SaetPenTilstand(TPenTilstand t) { PenT = t; }
TPenTilstand QtLaerred::PenTilstand() const { return PenT; }
void QtLaerred::SaetPenselFarve(TFarve f) { PenselF = f & 0xFFFFFF; }
TFarve QtLaerred::PenselFarve() const { return PenselF; }
void QtLaerred::SaetPenselStil(TPenselStil s) { PenselS = s; }
TPenselStil QtLaerred::PenselStil() const { return PenselS; }

void QtLaerred::SaetSkrift(const std::string& navn, int stoerrelse, int stil) {
    QFont f(Skriftnavn(navn));
    // Point sizes at 96 pixels per inch, so text has the same pixel size on every screen.
    f.setPixelSize(std::max(1, int(std::lround(stoerrelse * 96.0 / 72.0))));
    f.setBold(stil & Fed);
    f.setItalic(stil & Kursiv);
    f.setUnderline(stil & Understreget);
    f.setStyleStrategy(QFont::NoAntialias);
    Skrift = f;
}

void QtLaerred::FlytTil(int x, int y) {
    PenX = x;
    PenY = y;
}

void QtLaerred::PenPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= Billede.width() || y >= Billede.height()) return;
    QRgb* p = reinterpret_cast<QRgb*>(Billede.scanLine(y)) + x;
    switch (PenT) {
        case TPenTilstand::Kopier: *p = 0xFF000000u | PenF; break;
        case TPenTilstand::Xor: *p = 0xFF000000u | ((*p ^ PenF) & 0xFFFFFF); break;
        case TPenTilstand::Invers: *p = 0xFF000000u | (~*p & 0xFFFFFF); break;
    }
}

// Far-away end points (a steep curve leaving the graph) are moved onto the
// edge of a frame just outside the image, so a line never walks millions of
// invisible pixels. Lines inside the image are not changed. False: nothing visible.
bool QtLaerred::Klip(int& x1, int& y1, int& x2, int& y2) const {
    const double l = -2, t = -2, r = Billede.width() + 1, b = Billede.height() + 1;
    auto inde = [&](int x, int y) { return x >= l && x <= r && y >= t && y <= b; };
    if (inde(x1, y1) && inde(x2, y2)) return true;
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - l, r - x1, y1 - t, b - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double u = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, u);
            else t1 = std::min(t1, u);
        }
    }
    if (t0 > t1) return false;
    const int ax = int(std::lround(x1 + t0 * dx)), ay = int(std::lround(y1 + t0 * dy));
    const int bx = int(std::lround(x1 + t1 * dx)), by = int(std::lround(y1 + t1 * dy));
    x1 = ax;
    y1 = ay;
    x2 = bx;
    y2 = by;
    return true;
}

void QtLaerred::LinjeTil(int x, int y) {
    SikrFormat();
    if (PenB > 1) {
        TykLinje(PenX, PenY, x, y);
    } else if (int x0 = PenX, y0 = PenY, xs = x, ys = y; Klip(x0, y0, xs, ys)) {
        // Bresenham from the pen to (x, y), leaving out the end pixel.
        const int ax = std::abs(xs - x0), ay = -std::abs(ys - y0);
        const int sx = x0 < xs ? 1 : -1, sy = y0 < ys ? 1 : -1;
        int fejl = ax + ay;
        while (x0 != xs || y0 != ys) {
            PenPixel(x0, y0);
            const int e2 = 2 * fejl;
            if (e2 >= ay) {
                fejl += ay;
                x0 += sx;
            }
            if (e2 <= ax) {
                fejl += ax;
                y0 += sy;
            }
        }
    }
    PenX = x;
    PenY = y;
}

void QtLaerred::TykLinje(int x1, int y1, int x2, int y2) {
    if (!Klip(x1, y1, x2, y2)) return;
    QPainter maler(&Billede);
    maler.setCompositionMode(Kombination(PenT));
    maler.setPen(QPen(TilQColor(PenF), PenB, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.drawLine(x1, y1, x2, y2);
}

void QtLaerred::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    QPainter maler(&Billede);
    maler.setCompositionMode(Kombination(PenT));
    maler.setPen(QPen(TilQColor(PenF), PenB));
    switch (PenselS) {
        case TPenselStil::Solid: maler.setBrush(QBrush(TilQColor(PenselF))); break;
        case TPenselStil::Tom: maler.setBrush(Qt::NoBrush); break;
        case TPenselStil::Skraa: maler.setBrush(QBrush(TilQColor(PenselF), Qt::BDiagPattern)); break;
    }
    // The box's right and bottom edges lie outside the figure.
    maler.drawEllipse(QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)));
}

void QtLaerred::FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) {
    SikrFormat();
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, Billede.width());
    y2 = std::min(y2, Billede.height());
    const QRgb v = 0xFF000000u | (f & 0xFFFFFF);
    for (int y = y1; y < y2; ++y) {
        QRgb* linje = reinterpret_cast<QRgb*>(Billede.scanLine(y));
        for (int x = x1; x < x2; ++x) linje[x] = v;
    }
}

void QtLaerred::SaetPixel(int x, int y, TFarve f) {
    SikrFormat();
    if (x < 0 || y < 0 || x >= Billede.width() || y >= Billede.height()) return;
    reinterpret_cast<QRgb*>(Billede.scanLine(y))[x] = 0xFF000000u | (f & 0xFFFFFF);
}

TFarve QtLaerred::HentPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Billede.width() || y >= Billede.height()) return Hvid;
    return Billede.pixel(x, y) & 0xFFFFFF;
}

void QtLaerred::SkrivTekst(int x, int y, const std::string& tekst) {
    if (tekst.empty()) return;
    const QString s = TilQString(tekst);
    QFontMetrics m(Skrift);
    const QRect boks(x, y, m.horizontalAdvance(s), m.height());
    QPainter maler(&Billede);
    if (PenselS == TPenselStil::Solid) maler.fillRect(boks, TilQColor(PenselF));
    maler.setFont(Skrift);
    maler.setPen(Qt::black);  // the font colour, which the program never changes
    maler.drawText(QPoint(x, y + m.ascent()), s);
}

int QtLaerred::TekstBredde(const std::string& tekst) const {
    return QFontMetrics(Skrift).horizontalAdvance(TilQString(tekst));
}

int QtLaerred::TekstHoejde(const std::string&) const { return QFontMetrics(Skrift).height(); }
