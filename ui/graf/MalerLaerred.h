// A graph canvas over a QPainter: the surface the draw list of a sheet is
// replayed on for the screen at any size and device-pixel ratio, for PNG,
// SVG and PDF files, the clipboard and the printer. It draws in logical
// pixels (the painter's transform takes them to the device), anti-aliased
// when asked, and gathers the lines of one figure (a curve, a marker) into
// one path, so that a vector file holds each as one element.
#pragma once

#include <QFont>
#include <QPainterPath>

#include "graphs/Rastrering.h"

class QPainter;

class TMalerLaerred : public plotvik::TLaerredMedPen {
public:
    // Draws on the rectangle (0, 0) - (bredde, hoejde) of the painter's
    // coordinates, clipped to it. `glat`: anti-aliased lines and text.
    TMalerLaerred(QPainter& maler, int bredde, int hoejde, bool glat);
    ~TMalerLaerred() override;

    int Bredde() const override { return B; }
    int Hoejde() const override { return H; }

    void SaetPenFarve(plotvik::TFarve f) override;
    void SaetPenBredde(int b) override;
    void SaetPenTilstand(plotvik::TPenTilstand t) override;
    void SaetSkrift(const std::string& navn, int stoerrelse, int stil) override;

    void FlytTil(int x, int y) override { FlytTilF(x, y); }
    void LinjeTil(int x, int y) override { LinjeTilF(x, y); }
    void Ellipse(int x1, int y1, int x2, int y2) override { EllipseF(x1, y1, x2, y2); }
    void FyldRektangel(int x1, int y1, int x2, int y2, plotvik::TFarve f) override;
    void SaetPixel(int x, int y, plotvik::TFarve f) override { SaetPixelF(x, y, f); }
    plotvik::TFarve HentPixel(int, int) const override { return plotvik::Hvid; }
    void SkrivTekst(int x, int y, const std::string& tekst) override { SkrivTekstF(x, y, tekst); }
    int TekstBredde(const std::string& tekst) const override;
    int TekstHoejde(const std::string& tekst) const override;

    void FlytTilF(double x, double y) override;
    void LinjeTilF(double x, double y) override;
    void EllipseF(double x1, double y1, double x2, double y2) override;
    void SaetPixelF(double x, double y, plotvik::TFarve f) override;
    void SkrivTekstF(double x, double y, const std::string& tekst) override;
    void NyFigur() override { Toem(); }

private:
    void Toem();  // draws the figure gathered so far
    void Kombination();
    // Touches the image at all; what does not is left out (an SVG file keeps no clipping).
    bool Inde(double x1, double y1, double x2, double y2) const;

    QPainter& M;
    int B, H;
    bool Glat;
    QFont Skrift;
    double PX = 0, PY = 0;
    QPainterPath Sti;
    QPointF SidsteSlut;
};
