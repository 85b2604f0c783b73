// A graph sheet out into a report (see GrafEksport.h).
#include "ui/graf/GrafEksport.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "files/SikkerSkrivning.h"
#include "ui/graf/MalerLaerred.h"
#include "ui/flade/Tegnsaet.h"

namespace plotvik {

namespace {

constexpr int Margen = 6;

QFont OverskriftSkrift() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

QFont ResultatSkrift() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    return f;
}

QSizeF LogiskStoerrelse(const TEksportValg& valg) {
    return {CmTilLogisk(valg.BreddeCm), CmTilLogisk(valg.HoejdeCm)};
}

}  // namespace

TGrafFormat GrafFormat(const std::string& navn) {
    const auto punkt = navn.find_last_of('.');
    if (punkt == std::string::npos || navn.find_first_of("/\\", punkt) != std::string::npos) return TGrafFormat::Ukendt;
    const std::string ext = SmaaBogstaver(navn.substr(punkt + 1));
    if (ext == "png") return TGrafFormat::Png;
    if (ext == "svg") return TGrafFormat::Svg;
    if (ext == "pdf") return TGrafFormat::Pdf;
    return TGrafFormat::Ukendt;
}

double CmTilLogisk(double cm) { return cm / 2.54 * LogiskePrTomme; }

int OverskriftHoejde(const TGrafSide& side) {
    return side.Overskrift.empty() ? 0 : int(std::ceil(QFontMetricsF(OverskriftSkrift()).height())) + 2 * Margen;
}

int ResultatLinjeHoejde() { return int(std::ceil(QFontMetricsF(ResultatSkrift()).height())) + 2; }

TEksportValg StandardValg(const TGrafSide& side, bool medResultater) {
    TEksportValg v;
    v.MedResultater = medResultater;
    int hoejde = side.Hoejde + OverskriftHoejde(side);
    if (medResultater && !side.Resultater.empty())
        hoejde += int(side.Resultater.size()) * ResultatLinjeHoejde() + 2 * Margen;
    v.BreddeCm = side.Bredde * 2.54 / LogiskePrTomme;
    v.HoejdeCm = hoejde * 2.54 / LogiskePrTomme;
    return v;
}

void TegnGrafSide(QPainter& maler, const TGrafSide& side, QSizeF logisk, bool medResultater, bool glat) {
    const double b = logisk.width(), h = logisk.height();
    maler.save();
    maler.fillRect(QRectF(0, 0, b, h), Qt::white);
    maler.setRenderHint(QPainter::TextAntialiasing, glat);
    maler.setPen(Qt::black);

    double top = 0;
    const int oh = OverskriftHoejde(side);
    if (oh > 0) {
        maler.setFont(OverskriftSkrift());
        maler.drawText(QRectF(Margen, Margen, b - 2 * Margen, oh - 2 * Margen), Qt::AlignLeft | Qt::AlignVCenter,
                       TilQString(side.Overskrift));
        top = oh;
    }
    const bool resultater = medResultater && !side.Resultater.empty();
    const int lh = ResultatLinjeHoejde();
    const double rh = resultater ? double(side.Resultater.size()) * lh + 2 * Margen : 0;
    // The graph keeps at least a fifth of the picture, however long the list.
    const double gh = std::max(h - top - rh, h / 5);

    if (side.Liste) {
        const int gb = std::max(1, int(std::lround(b))), ghi = std::max(1, int(std::lround(gh)));
        maler.save();
        maler.translate(0, top);
        {
            TMalerLaerred laerred(maler, gb, ghi, glat);
            Genafspil(*side.Liste, laerred, gb, ghi, glat);
        }
        maler.restore();
    }
    if (resultater) {
        maler.setFont(ResultatSkrift());
        maler.setPen(Qt::black);
        double y = top + gh + Margen;
        for (const std::string& linje : side.Resultater) {
            maler.drawText(QRectF(Margen, y, b - 2 * Margen, lh), Qt::AlignLeft | Qt::AlignVCenter, TilQString(linje));
            y += lh;
        }
    }
    maler.restore();
}

QImage GrafSomBillede(const TGrafSide& side, const TEksportValg& valg) {
    const double skala = valg.Dpi / LogiskePrTomme;
    const QSizeF logisk = LogiskStoerrelse(valg);
    const int b = std::max(1, int(std::lround(valg.BreddeCm / 2.54 * valg.Dpi)));
    const int h = std::max(1, int(std::lround(valg.HoejdeCm / 2.54 * valg.Dpi)));
    QImage billede(b, h, QImage::Format_RGB32);
    billede.fill(Qt::white);
    const int prMeter = int(std::lround(valg.Dpi / 0.0254));
    billede.setDotsPerMeterX(prMeter);
    billede.setDotsPerMeterY(prMeter);
    QPainter maler(&billede);
    maler.scale(skala, skala);
    TegnGrafSide(maler, side, logisk, valg.MedResultater, valg.Glat);
    return billede;
}

QByteArray GrafSomPng(const TGrafSide& side, const TEksportValg& valg) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter skriver(&buffer, "png");
    if (!skriver.write(GrafSomBillede(side, valg))) return {};
    return data;
}

QByteArray GrafSomSvg(const TGrafSide& side, const TEksportValg& valg) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF logisk = LogiskStoerrelse(valg);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(int(LogiskePrTomme));
    svg.setSize(logisk.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), logisk));
    svg.setTitle(TilQString(side.Overskrift));
    svg.setDescription(QStringLiteral("Plotvik"));
    {
        QPainter maler(&svg);
        TegnGrafSide(maler, side, logisk, valg.MedResultater, valg.Glat);
    }
    return data;
}

QByteArray GrafSomPdf(const TGrafSide& side, const TEksportValg& valg) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF logisk = LogiskStoerrelse(valg);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(TilQString(side.Overskrift));
        pdf.setCreator(QStringLiteral("Plotvik"));
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QSizeF(valg.BreddeCm * 10, valg.HoejdeCm * 10), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter maler(&pdf);
        const double skala = pdf.resolution() / LogiskePrTomme;
        maler.scale(skala, skala);
        TegnGrafSide(maler, side, logisk, valg.MedResultater, valg.Glat);
    }
    return data;
}

bool EksporterGraf(const std::string& navn, const TGrafSide& side, const TEksportValg& valg) {
    QByteArray data;
    switch (GrafFormat(navn)) {
        case TGrafFormat::Png: data = GrafSomPng(side, valg); break;
        case TGrafFormat::Svg: data = GrafSomSvg(side, valg); break;
        case TGrafFormat::Pdf: data = GrafSomPdf(side, valg); break;
        case TGrafFormat::Ukendt:
            Flade().Fejlboks("Grafen kan gemmes som PNG (.png), SVG (.svg) eller PDF (.pdf).\n\rV\xE6lg en af "
                             "filtyperne.");
            return false;
    }
    if (!data.isEmpty() &&
        SkrivFilSikkert(navn, std::string_view(data.constData(), std::size_t(data.size()))) == TSkrivning::Skrevet)
        return true;
    Flade().Fejlboks("Fejl ved skrivning af filen " + navn + "\n\rDen tidligere fil er u\xE6ndret.");
    return false;
}

}  // namespace plotvik
