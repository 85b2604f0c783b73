// A graph sheet out into a report: the sheet's heading, its graph replayed
// from the draw list and (by choice) its results list below, drawn on any
// QPainter: a PNG image at a chosen resolution, an SVG or a PDF file (vector),
// the clipboard and the printer. Files are written whole or not at all.
#pragma once

#include <QImage>
#include <QSizeF>
#include <string>
#include <vector>

#include "graphs/Tegneliste.h"

class QPainter;

namespace plotvik {

// What a sheet shows, as an export takes it.
struct TGrafSide {
    const TTegneliste* Liste = nullptr;
    int Bredde = 550, Hoejde = 490;  // the sheet's image in logical pixels
    std::string Overskrift;
    std::vector<std::string> Resultater;
};

struct TEksportValg {
    double BreddeCm = 0, HoejdeCm = 0;  // the whole picture
    int Dpi = 300;                      // PNG and clipboard
    bool MedResultater = true;
    bool Glat = true;
};

enum class TGrafFormat { Ukendt, Png, Svg, Pdf };

// The format a file name asks for, by its extension (any case).
TGrafFormat GrafFormat(const std::string& navn);

// Logical pixels are 1/96 inch.
constexpr double LogiskePrTomme = 96.0;
double CmTilLogisk(double cm);

// The heading's and one result line's height, in logical pixels.
int OverskriftHoejde(const TGrafSide& side);
int ResultatLinjeHoejde();
// The sheet at its own size with the heading and (by choice) the results.
TEksportValg StandardValg(const TGrafSide& side, bool medResultater = true);

// Draws heading, graph and results into the rectangle (0, 0) - logisk of
// the painter's coordinates (logical pixels); the graph gets what the texts leave.
void TegnGrafSide(QPainter& maler, const TGrafSide& side, QSizeF logisk, bool medResultater, bool glat);

// The picture at the chosen resolution: (cm / 2.54 * dpi) pixels each way.
QImage GrafSomBillede(const TGrafSide& side, const TEksportValg& valg);
QByteArray GrafSomPng(const TGrafSide& side, const TEksportValg& valg);
QByteArray GrafSomSvg(const TGrafSide& side, const TEksportValg& valg);
QByteArray GrafSomPdf(const TGrafSide& side, const TEksportValg& valg);

// Writes the file in the format its name asks for, whole or not at all; a
// failure is told through the user seam (the earlier file is unchanged).
bool EksporterGraf(const std::string& navn, const TGrafSide& side, const TEksportValg& valg);

}  // namespace plotvik
