// Printing through QPrinter.
#include "ui/graf/Udskrivning.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "core/Brugerflade.h"
#include "ui/flade/Tegnsaet.h"

namespace plotvik {

namespace {

// The print layouts name the fonts of the old office machines; the metric
// twins of the Liberation family stand in where those are not installed.
void SaetSkriftErstatninger() {
    static const bool gjort = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)gjort;
}

TPrinterValg& Valg() {
    static TPrinterValg valg;
    return valg;
}

// Where the print goes, as the student chose it in the print dialog.
std::string Modtager(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return "filen \"" + FraQString(QDir::toNativeSeparators(printer.outputFileName())) + "\"";
    if (printer.printerName().isEmpty()) return "standardprinteren";
    return "printeren \"" + FraQString(printer.printerName()) + "\"";
}

// An output file whose folder is missing or read-only cannot be written.
bool FilKanSkrives(const QPrinter& printer) {
    if (printer.outputFileName().isEmpty()) return true;
    const QFileInfo fil(printer.outputFileName());
    const QFileInfo mappe(fil.absolutePath());
    if (!mappe.isDir() || !mappe.isWritable()) return false;
    return !fil.exists() || (fil.isFile() && fil.isWritable());
}

// Starts the print; when it cannot start, says so and answers false.
bool StartUdskrift(QPainter& maler, QPrinter& printer) {
    if (FilKanSkrives(printer) && maler.begin(&printer)) return true;
    Flade().Fejlboks("Udskriften kunne ikke startes p\xE5 " + Modtager(printer) + ".\n\rIntet er udskrevet.");
    return false;
}

// Ends the print; a print the platform gave up on is reported and a
// half-written output file removed, so that nothing looks printed.
bool AfslutUdskrift(QPainter& maler, QPrinter& printer) {
    const bool sluttet = maler.end();
    const QPrinter::PrinterState tilstand = printer.printerState();
    if (sluttet && tilstand != QPrinter::Aborted && tilstand != QPrinter::Error) return true;
    if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
    Flade().Fejlboks("Udskriften til " + Modtager(printer) + " blev afbrudt.\n\rIntet er udskrevet.");
    return false;
}

}  // namespace

void SaetPrinterValg(TPrinterValg valg) { Valg() = std::move(valg); }

bool VaelgPrinter(QPrinter& printer, QWidget* foraelder) {
    if (Valg()) return Valg()(printer, foraelder);
    QPrintDialog dialog(&printer, foraelder);
    return dialog.exec() == QDialog::Accepted;
}

bool UdskrivLinier(QPrinter& printer, const std::vector<TUdskriftLinie>& linier) {
    SaetSkriftErstatninger();
    QPainter maler;
    if (!StartUdskrift(maler, printer)) return false;
    const int hoejde = maler.viewport().height();
    int y = 0;
    for (const auto& linje : linier) {
        QFont skrift(TilQString(linje.Skrift));
        skrift.setPointSize(linje.Stoerrelse);
        maler.setFont(skrift);
        QFontMetrics maal = maler.fontMetrics();
        if (y > 0 && y + maal.height() > hoejde) {
            printer.newPage();
            y = 0;
        }
        maler.drawText(0, y + maal.ascent(), TilQString(linje.Tekst));
        y += maal.lineSpacing();
    }
    return AfslutUdskrift(maler, printer);
}

bool UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi) {
    return UdskrivBillede(printer, billede, skaermDpi, {});
}

bool UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi,
                    const std::function<void(QPainter&)>& tegnOven) {
    QPainter maler;
    if (!StartUdskrift(maler, printer)) return false;
    if (skaermDpi <= 0) skaermDpi = 96;
    double skala = printer.resolution() / skaermDpi;
    // The image's size on the screen: a high-resolution screen's grab holds
    // more pixels than that, which must not make the print larger.
    const QSizeF logisk = billede.deviceIndependentSize();
    QSizeF stoerrelse(logisk.width() * skala, logisk.height() * skala);
    QSizeF side = maler.viewport().size();
    if (stoerrelse.width() > side.width() || stoerrelse.height() > side.height())
        stoerrelse.scale(side, Qt::KeepAspectRatio);
    maler.drawImage(QRectF(QPointF(0, 0), stoerrelse), billede);
    if (tegnOven && logisk.width() > 0 && logisk.height() > 0) {
        maler.save();
        maler.scale(stoerrelse.width() / logisk.width(), stoerrelse.height() / logisk.height());
        tegnOven(maler);
        maler.restore();
    }
    return AfslutUdskrift(maler, printer);
}

}  // namespace plotvik
