// The graph canvas over a QImage (see QtLaerred.h).
#include "ui/graf/QtLaerred.h"

#include "ui/flade/Tegnsaet.h"

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

int QtLaerred::Bredde() const { return Billede.width(); }
int QtLaerred::Hoejde() const { return Billede.height(); }

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
    *p = 0xFF000000u | PenOverPixel(*p & 0xFFFFFF, Pen, PenT);
}

void QtLaerred::LinjeTil(int x, int y) {
    SikrFormat();
    if (PenB > 1) {
        TykLinje(PenX, PenY, x, y);
    } else {
        TegnTyndLinje(PenX, PenY, x, y, Billede.width(), Billede.height(),
                      [this](int px, int py) { PenPixel(px, py); });
    }
    PenX = x;
    PenY = y;
}

void QtLaerred::TykLinje(int x1, int y1, int x2, int y2) {
    if (!KlipLinje(x1, y1, x2, y2, Billede.width(), Billede.height())) return;
    QPainter maler(&Billede);
    maler.setCompositionMode(Kombination(PenT));
    maler.setPen(QPen(TilQColor(Pen), PenB, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.drawLine(x1, y1, x2, y2);
}

void QtLaerred::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    QPainter maler(&Billede);
    maler.setCompositionMode(Kombination(PenT));
    maler.setPen(QPen(TilQColor(Pen), PenB));
    switch (PenselS) {
        case TPenselStil::Solid: maler.setBrush(QBrush(TilQColor(Pensel))); break;
        case TPenselStil::Tom: maler.setBrush(Qt::NoBrush); break;
        case TPenselStil::Skraa: maler.setBrush(QBrush(TilQColor(Pensel), Qt::BDiagPattern)); break;
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
    const QString s = plotvik::TilQString(tekst);
    QFontMetrics m(Skrift);
    const QRect boks(x, y, m.horizontalAdvance(s), m.height());
    QPainter maler(&Billede);
    if (PenselS == TPenselStil::Solid) maler.fillRect(boks, TilQColor(Pensel));
    maler.setFont(Skrift);
    maler.setPen(Qt::black);  // the font colour, which the program never changes
    maler.drawText(QPoint(x, y + m.ascent()), s);
}

int QtLaerred::TekstBredde(const std::string& tekst) const {
    return QFontMetrics(Skrift).horizontalAdvance(plotvik::TilQString(tekst));
}

int QtLaerred::TekstHoejde(const std::string&) const { return QFontMetrics(Skrift).height(); }
