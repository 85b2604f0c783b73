// The commands that take a graph sheet out into a report: "&Eksporter
// graf..." (size dialog, file dialog through the user seam, the format by
// the file type) and "Kopier graf" (the picture on the clipboard at 300 dpi).
#pragma once

#include "ui/graf/GrafEksport.h"
#include "ui/graf/GrafVisning.h"

class QWidget;
class TEksporterGrafDialog;

namespace plotvik {

struct TGrafArk;

// What sheet `ark` shows, for an export: its list at its image's size,
// its heading and its results.
TGrafSide GrafSide(const TGrafVisning& visning, const TGrafArk& ark);

// The filter of the save dialog; the first type is the one a name without
// a type gets.
extern const char* const GrafFilFilter;

// Asks for the size and the file and writes it. False when cancelled or failed
// (a failure has been told).
bool EksporterGrafKommando(TEksporterGrafDialog& dialog, const TGrafSide& side, int ark);

// The picture (heading, graph and results) on the clipboard at 300 dpi.
void KopierGrafKommando(const TGrafSide& side);

}  // namespace plotvik
