// The graph canvas over a QImage. Thin lines and pixels are set directly in
// the image so that the raster combinations (copy, xor, invert) and the
// "end pixel is not drawn" rule of lines hold exactly; ellipses, thick lines
// and text go through QPainter.
#pragma once

#include <QFont>
#include <QImage>

#include "graphs/Rastrering.h"

class QtLaerred : public plotvik::TLaerredMedPen {
public:
    explicit QtLaerred(QImage& billede);
    ~QtLaerred() override;

    int Bredde() const override;
    int Hoejde() const override;

    void SaetSkrift(const std::string& navn, int stoerrelse, int stil) override;

    void FlytTil(int x, int y) override;
    void LinjeTil(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void FyldRektangel(int x1, int y1, int x2, int y2, plotvik::TFarve f) override;  // x2, y2 excluded
    void SaetPixel(int x, int y, plotvik::TFarve f) override;
    plotvik::TFarve HentPixel(int x, int y) const override;
    void SkrivTekst(int x, int y, const std::string& tekst) override;
    int TekstBredde(const std::string& tekst) const override;
    int TekstHoejde(const std::string& tekst) const override;

private:
    void PenPixel(int x, int y);  // one pixel in the pen colour and mode
    void TykLinje(int x1, int y1, int x2, int y2);
    void SikrFormat();

    QImage& Billede;
    QFont Skrift;
    int PenX = 0, PenY = 0;
};
