// The picture of one graph sheet (see GrafVisning.h).
#include "ui/graf/GrafVisning.h"

#include <QPainter>
#include <QSettings>
#include <cmath>

#include "graphs/PlotvikImageGraphics.h"
#include "ui/graf/MalerLaerred.h"

namespace plotvik {

const char* const GlatteLinjerNoegle = "Valgmuligheder/GlatteLinjer";

namespace {
int GlatIndstilling = -1;  // -1: not read from the settings yet
}

bool GlatteLinjer() {
    if (GlatIndstilling < 0) GlatIndstilling = QSettings().value(GlatteLinjerNoegle, true).toBool() ? 1 : 0;
    return GlatIndstilling == 1;
}

void SaetGlatteLinjer(bool glat) {
    GlatIndstilling = glat ? 1 : 0;
    QSettings().setValue(GlatteLinjerNoegle, glat);
}

TGrafVisning::TGrafVisning(TBilledGrafik& grafik, int ark, QSize stoerrelse)
    : Grafik(grafik),
      Ark(ark),
      Billede(stoerrelse.expandedTo(QSize(1, 1)), QImage::Format_RGB32),
      Pixel(Billede),
      Optager(Pixel, Liste_) {
    Billede.fill(Qt::white);
}

TGrafVisning::~TGrafVisning() = default;

void TGrafVisning::Ryd() {
    Billede.fill(Qt::white);
    Liste_.Ryd();
}

void TGrafVisning::SaetStoerrelse(QSize stoerrelse) {
    stoerrelse = stoerrelse.expandedTo(QSize(1, 1));
    if (stoerrelse == Billede.size()) return;
    const QSize gammel = Billede.size();
    Billede = QImage(stoerrelse, QImage::Format_RGB32);  // the canvas keeps drawing on this member
    Billede.fill(Qt::white);
    Grafik.TilpasViewPort(Ark, gammel.width(), gammel.height(), stoerrelse.width(), stoerrelse.height());
    Genafspil(Liste_, Pixel, stoerrelse.width(), stoerrelse.height(), false);
    Liste_.Aendret();
}

const QImage& TGrafVisning::Vist(qreal dpr) {
    if (!GlatteLinjer() && dpr == 1) return Billede;
    if (!Glat.isNull() && GlatVersion == Liste_.Version() && GlatDpr == dpr && GlatStoerrelse == Billede.size() &&
        GlatTegnet == GlatteLinjer())
        return Glat;
    const int b = Billede.width(), h = Billede.height();
    if (!GlatteLinjer()) {
        // The described picture, only enlarged whole pixels at a time.
        Glat = Billede.scaled(int(std::lround(b * dpr)), int(std::lround(h * dpr)), Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
    } else {
        Glat = QImage(int(std::lround(b * dpr)), int(std::lround(h * dpr)), QImage::Format_RGB32);
        Glat.setDevicePixelRatio(dpr);
        Glat.fill(Qt::white);
        QPainter maler(&Glat);
        TMalerLaerred l(maler, b, h, true);
        Genafspil(Liste_, l, b, h, true);
    }
    Glat.setDevicePixelRatio(dpr);
    GlatTegnet = GlatteLinjer();
    GlatVersion = Liste_.Version();
    GlatDpr = dpr;
    GlatStoerrelse = Billede.size();
    return Glat;
}

}  // namespace plotvik
