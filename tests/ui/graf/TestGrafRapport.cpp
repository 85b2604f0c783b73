// The Pendul example's graph in the real window, offscreen and by object
// name: drawn with its regression line and statistics, the window resized
// and back, read with the mouse at the new size, exported to PNG, SVG and
// PDF and copied to the clipboard.
//
// By hand: L = 0.2 .. 1.0, T = 0.90, 1.27, 1.55, 1.80, 2.00 give mean L 0.6,
// mean T 1.504, Sxx = 0.4, Sxy = 0.546, so T = 1.365 L + 0.685. The limits
// 0.1..1.5 by 0.5..3 with a tenth of margin give the window -0.04..1.64 by
// 0.25..3.25. On an image b x h pixels the world point (L, T) is pixel
// ((L + 0.04)(b - 1) / 1.68, (h - 1) - (T - 0.25)(h - 1) / 3).
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QXmlStreamReader>
#include <cmath>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/TestSvgHjaelp.h"
#include "ui/TestUdskrivHjaelp.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"

namespace plotvik::test {
namespace {

class GrafRapport : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        SaetGlat(false);
    }
    void TearDown() override {
        SaetGlat(true);
        FormTest::TearDown();
    }
    void TegnPendul() {
        HentPendul();
        form->AntalMaalingerSpinEdit[1]->setValue(5);
        Klik(form->AntalMaalingerButton[1]);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        form->SideKontrol->setCurrentWidget(form->Ark[3]);
        QApplication::processEvents();
        Klik(form->StatistikCheckBox[1]);
        Klik(form->TegnGrafButton[1]);
        flade.Vist.clear();
    }
    void Stoerrelse(int b, int h) {
        form->resize(b, h);
        QApplication::processEvents();
        ASSERT_EQ(form->size(), QSize(b, h));
    }
    std::vector<std::string> Resultater() {
        std::vector<std::string> r;
        QListWidget* l = form->GrafResultaterListBox[1];
        for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
        return r;
    }
    // Where the regression line is at L, by hand, in an image of the given size.
    static QPointF PaaLinjen(double L, QSize billede) {
        const double b = billede.width() - 1, h = billede.height() - 1, T = 1.365 * L + 0.685;
        return {(L + 0.04) * b / 1.68, h - (T - 0.25) * h / 3};
    }
    // The black pixel nearest to y in column x (within 3 pixels), or -1.
    static int SortNaer(const QImage& billede, int x, double y) {
        for (int d = 0; d <= 3; ++d)
            for (int yy : {int(std::floor(y)) - d, int(std::ceil(y)) + d})
                if (billede.pixelColor(x, yy) == QColor(Qt::black)) return yy;
        return -1;
    }
    // Answers the export dialog with a size and a resolution.
    void EksporterMed(ModalSvar& svar, const char* bredde, const char* hoejde, int dpi, bool resultater = true) {
        svar([=](QWidget* d) {
            Kontrol<QLineEdit>(d, "BreddeEdit")->setText(QString::fromLatin1(bredde));
            Kontrol<QLineEdit>(d, "HoejdeEdit")->setText(QString::fromLatin1(hoejde));
            Kontrol<QSpinBox>(d, "DpiSpinEdit")->setValue(dpi);
            Kontrol<QCheckBox>(d, "MedResultaterCheckBox")->setChecked(resultater);
            TrykOK(d);
        });
    }
};

TEST_F(GrafRapport, ResizedTheGraphIsRedrawnReadAndTheSameAgainAtTheDefaultSize) {
    TegnPendul();
    const QImage foer = form->GrafImage[1].copy();
    // The line at L = 0.5 and L = 1.2, where no marker lies.
    const double Ls[2] = {0.5, 1.2};
    for (double L : Ls) {
        const QPointF p = PaaLinjen(L, foer.size());
        EXPECT_NEAR(SortNaer(foer, int(std::nearbyint(p.x())), p.y()), p.y(), 1.0) << L;
    }

    Stoerrelse(1600, 1000);
    // The image takes the 800 x 430 pixels the window grew by.
    const QImage stor = form->GrafImage[1];
    EXPECT_EQ(stor.size(), QSize(1350, 920));
    EXPECT_EQ(form->GrafBilledeWidget[1]->size(), QSize(1350, 920));
    // The same line, its points moved by the image's scale factors 1349 / 549 and 919 / 489.
    for (double L : Ls) {
        const QPointF p = PaaLinjen(L, foer.size()), q = PaaLinjen(L, stor.size());
        EXPECT_NEAR(q.x(), p.x() * 1349 / 549, 1e-9);
        EXPECT_NEAR(q.y(), p.y() * 919 / 489, 1e-9);
        EXPECT_NEAR(SortNaer(stor, int(std::nearbyint(q.x())), q.y()), q.y(), 1.0) << L;
    }
    // Six described lines, the line "T = a*L + b" and the uncertainties of a and
    // b; the list is not drawn again, only the picture.
    EXPECT_EQ(Resultater().size(), 9u);

    // The read-value tool at pixel (434, 577) of the new size, by the line at L = 0.5:
    // L = 434 * 1.68 / 1349 - 0.04 = 0.5005, T = (919 - 577) * 3 / 919 + 0.25 = 1.3664.
    Menu("AflaesFunktionsvaerdiMenuItem");
    QTest::mouseClick(form->GrafBilledeWidget[1], Qt::LeftButton, Qt::NoModifier, QPoint(434, 577));
    QApplication::processEvents();
    EXPECT_EQ(Resultater().back(), "L=0.500; T=1.366");

    Stoerrelse(800, 570);
    EXPECT_EQ(form->GrafImage[1], foer);
}

// The other sheets never shown, a print or a grab leaves the picture at 550 x 490 (the
// line at L = 1.2 lies right of a stale 394 pixels); a sheet shown later takes its own size.
TEST_F(GrafRapport, PrintingOrGrabbingKeepsThePictureAtItsWidgetsSize) {
    for (bool udskriv : {true, false}) {
        NytVindue();
        SaetGlat(false);
        TegnPendul();
        PdfPrinter pdf(mappe + "/ark.pdf");
        if (udskriv) {
            Menu("UdskrivArkMenuItem");
        } else {
            (void)form->grab();
        }
        Klik(form->TegnGrafButton[1]);
        ASSERT_EQ(form->GrafImage[1].size(), QSize(550, 490)) << udskriv;
        const QPointF p = PaaLinjen(1.2, QSize(550, 490));
        EXPECT_NEAR(SortNaer(form->GrafImage[1], int(std::nearbyint(p.x())), p.y()), p.y(), 1.0) << udskriv;
        form->VisArk(4);
        QApplication::processEvents();
        EXPECT_EQ(form->GrafImage[2].size(), form->GrafBilledeWidget[2]->size()) << udskriv;
    }
}

TEST_F(GrafRapport, ExportedAsPngSvgAndPdf) {
    TegnPendul();
    const auto resultater = Resultater();
    ASSERT_GE(resultater.size(), 2u);
    EXPECT_EQ(resultater[0], "Regressionslinie:");

    // PNG, 10 x 8 cm at 300 dpi: 10 / 2.54 * 300 = 1181.1 and 944.9 pixels.
    {
        ModalSvar svar;
        EksporterMed(svar, "10", "8", 300);
        flade.FilSvar.push_back(mappe + "/pendul.png");
        Menu("EksporterGrafMenuItem");
        EXPECT_EQ(svar.Besvarede, 1);
        EXPECT_EQ(flade.Vist.back().Art, Boks::GemFil);
        EXPECT_EQ(flade.Vist.back().Tekst,
                  "PNG billede (*.png)|*.png|SVG tegning (*.svg)|*.svg|PDF dokument (*.pdf)|*.pdf|Graf1.png");
        const QImage png(TilQString(mappe + "/pendul.png"));
        EXPECT_EQ(png.size(), QSize(1181, 945));
    }
    // SVG from the pop-up menu, 150 dpi does not matter for a drawing.
    {
        ModalSvar svar;
        EksporterMed(svar, "14,55", "16", 150);
        flade.FilSvar.push_back(mappe + "/pendul.svg");
        form->findChild<QAction*>(QStringLiteral("EksporterGrafPopupMenuItem"))->trigger();
        QApplication::processEvents();
        QFile fil(TilQString(mappe + "/pendul.svg"));
        ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
        const TSvgTegning svg = LaesSvg(fil.readAll());
        int kryds = 0, lange = 0;
        for (const std::vector<double>& v : svg.Linjer) {
            if (v.size() < 4) continue;
            double x1 = v[0], x2 = v[0], y1 = v[1], y2 = v[1];
            for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
                x1 = std::min(x1, v[i]), x2 = std::max(x2, v[i]);
                y1 = std::min(y1, v[i + 1]), y2 = std::max(y2, v[i + 1]);
            }
            if (std::fabs(x2 - x1 - 6) < 0.01 && std::fabs(y2 - y1 - 6) < 0.01) ++kryds;  // a cross: 6 x 6
            if (x2 - x1 > 250 && y2 - y1 > 150) ++lange;                                  // the regression line
        }
        EXPECT_FALSE(svg.Fejl);
        EXPECT_EQ(kryds, 5);  // one element per measured point
        EXPECT_EQ(lange, 1);
        EXPECT_TRUE(svg.Tekster.contains(QStringLiteral("Regressionslinie:")));
        EXPECT_TRUE(svg.Tekster.contains(QStringLiteral("T mod L")));  // the sheet's heading
    }
    // PDF: the axis titles and the result lines as text.
    {
        ModalSvar svar;
        EksporterMed(svar, "15", "16", 300);
        flade.FilSvar.push_back(mappe + "/pendul.pdf");
        Menu("EksporterGrafMenuItem");
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {TilQString(mappe + "/pendul.pdf"), QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList linjer = tekst.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_TRUE(linjer.contains(QStringLiteral("L"))) << tekst.toStdString();
        EXPECT_TRUE(linjer.contains(QStringLiteral("T"))) << tekst.toStdString();
        for (const std::string& r : resultater)
            EXPECT_TRUE(tekst.contains(TilQString(r).trimmed())) << r << "\n" << tekst.toStdString();
    }
}

TEST_F(GrafRapport, CopiedTheGraphIsAnImageOnTheClipboard) {
    TegnPendul();
    QGuiApplication::clipboard()->clear();
    Menu("KopierGrafMenuItem");
    const QImage kopi = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(kopi.isNull());
    // The sheet's 550 pixels at 96 per inch, at 300 dpi.
    EXPECT_EQ(kopi.width(), int(std::lround(550 * 300 / 96.0)));
}

}  // namespace
}  // namespace plotvik::test
