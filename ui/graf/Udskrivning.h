// Sends the laid-out print lines (files/Udskrift.h) and the window's image to
// a printer. The printer is chosen with the platform's print dialog; the
// choice can be replaced, so that tests print into a PDF file without a dialog.
#pragma once

#include <QImage>
#include <functional>
#include <vector>

#include "files/Udskrift.h"

class QPainter;
class QPrinter;
class QWidget;

namespace plotvik {

// Sets up the printer and tells whether to print (false: the user cancelled).
using TPrinterValg = std::function<bool(QPrinter& printer, QWidget* foraelder)>;

// Replaces the print dialog; an empty function restores it.
void SaetPrinterValg(TPrinterValg valg);
// Shows the print dialog (or the replacement).
bool VaelgPrinter(QPrinter& printer, QWidget* foraelder);

// Writes the lines one below the other, each in its own font, and starts a
// new page when the next line does not fit. A print that cannot start, or
// that the platform aborts, is reported to the user ("Intet er udskrevet")
// and answers false; so do the image prints below.
bool UdskrivLinier(QPrinter& printer, const std::vector<TUdskriftLinie>& linier);

// Prints an image shown on a screen of skaermDpi dots per inch at the same
// size on paper (made smaller, keeping its shape, when it does not fit the page).
bool UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi);
// The same, then `tegnOven` draws on top in the image's logical pixels at
// the printer's own resolution: a graph replayed from its draw list over
// its place in the window's image.
bool UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi,
                    const std::function<void(QPainter&)>& tegnOven);

}  // namespace plotvik
