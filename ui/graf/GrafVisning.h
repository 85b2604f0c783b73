// The picture of one graph sheet: the draw list the drawing passes fill
// (through the recording canvas over the sheet's pixel image) and the ways
// it is shown. The pixel image is the described picture at the image's
// logical size; after a resize it is redrawn from the list, and the graph
// layer's view port follows, so the mouse read-out uses the new mapping.
// On screen the list is replayed smoothly at the screen's device-pixel
// ratio, unless "Glatte linjer" is off; then the pixel image is shown.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

#include "graphs/Tegneliste.h"
#include "ui/graf/QtLaerred.h"

namespace plotvik {

class TBilledGrafik;

// "Glatte linjer" (Valgmuligheder), kept with QSettings under this key.
extern const char* const GlatteLinjerNoegle;
bool GlatteLinjer();
void SaetGlatteLinjer(bool glat);  // remembered for the next run too

class TGrafVisning {
public:
    TGrafVisning(TBilledGrafik& grafik, int ark, QSize stoerrelse = QSize(550, 490));
    ~TGrafVisning();
    TGrafVisning(const TGrafVisning&) = delete;
    TGrafVisning& operator=(const TGrafVisning&) = delete;

    // The canvas the drawing passes draw on (TGrafArk::Billede).
    Laerred& Tegneflade() { return Optager; }
    const TTegneliste& Liste() const { return Liste_; }
    const QImage& Pixelbillede() const { return Billede; }
    QSize Stoerrelse() const { return Billede.size(); }

    // A white sheet and an empty list.
    void Ryd();
    // A new logical size of this sheet's picture: the pixel image is drawn
    // again from the list and the sheet's view port is stretched to it. The
    // other sheets keep theirs: each follows its own widget.
    void SaetStoerrelse(QSize stoerrelse);
    // What the screen shows at device-pixel ratio dpr.
    const QImage& Vist(qreal dpr);

private:
    TBilledGrafik& Grafik;
    int Ark;
    QImage Billede;
    QtLaerred Pixel;
    TTegneliste Liste_;
    TOptagendeLaerred Optager;

    QImage Glat;
    std::uint64_t GlatVersion = ~std::uint64_t(0);
    qreal GlatDpr = 0;
    QSize GlatStoerrelse;
    bool GlatTegnet = false;
};

}  // namespace plotvik
