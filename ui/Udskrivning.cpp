// Printing through QPrinter.
#include "ui/Udskrivning.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/Tegnsaet.h"

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

}  // namespace

void SaetPrinterValg(TPrinterValg valg) { Valg() = std::move(valg); }

bool VaelgPrinter(QPrinter& printer, QWidget* foraelder) {
    if (Valg()) return Valg()(printer, foraelder);
    QPrintDialog dialog(&printer, foraelder);
    return dialog.exec() == QDialog::Accepted;
}

void UdskrivLinier(QPrinter& printer, const std::vector<TUdskriftLinie>& linier) {
    SaetSkriftErstatninger();
    QPainter maler;
    if (!maler.begin(&printer)) return;  // the platform has already told the user
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
    maler.end();
}

void UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi) {
    UdskrivBillede(printer, billede, skaermDpi, {});
}

void UdskrivBillede(QPrinter& printer, const QImage& billede, double skaermDpi,
                    const std::function<void(QPainter&)>& tegnOven) {
    QPainter maler;
    if (!maler.begin(&printer)) return;
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
    maler.end();
}

}  // namespace plotvik
