// A graph out into a report: the picture files made from a sheet's draw
// list, checked as a reader of the file sees them (the PNG's pixel size
// for its resolution, the SVG's elements, the PDF's text), the writes that
// fail, and the smooth canvas's pixel rule at twice the resolution.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <filesystem>
#include <sys/mount.h>

#include "graphs/GrafTegning.h"
#include "graphs/PlotvikImageGraphics.h"
#include "graphs/Tegneliste.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"
#include "ui/GrafEksport.h"
#include "ui/MalerLaerred.h"
#include "ui/QtLaerred.h"
#include "ui/Tegnsaet.h"

namespace plotvik {
namespace {

using test::FakeFlade;

const std::vector<TPunkt> Punkter = {{0.5, 0.3}, {1, 1.2}, {1.5, 2.1}, {2, 2.8}, {2.5, 4.1}, {3, 4.9}};

// A sheet as the window draws it: axes, crosses and a regression line.
struct Side {
    QImage billede{550, 490, QImage::Format_RGB32};
    QtLaerred laerred{billede};
    TTegneliste liste;
    TOptagendeLaerred optager{laerred, liste};
    TBilledGrafik g;
    TGrafSide side;

    Side() {
        billede.fill(Qt::white);
        OpsaetKoordinatsystem(g, optager, 1, "t/s", "s/m", 0, 0, 3.5, 6);
        for (const TPunkt& p : Punkter) g.TegnKryds(optager, p.x, p.y);
        g.MoveToW(optager, 0, -0.55);
        g.LineToW(optager, 3.5, 5.75);
        side.Liste = &liste;
        side.Overskrift = "Faldlov";
        side.Resultater = {"y = 1.800*x - 0.550", "r = 0.998"};
    }
};

TEST(TestGrafEksport, TheFormatFollowsTheFileType) {
    const std::vector<std::pair<std::string, TGrafFormat>> raekker = {
        {"graf.png", TGrafFormat::Png},  {"GRAF.PNG", TGrafFormat::Png},  {"a.b/graf.svg", TGrafFormat::Svg},
        {"rapport.Pdf", TGrafFormat::Pdf}, {"graf", TGrafFormat::Ukendt}, {"graf.jpg", TGrafFormat::Ukendt},
        {"mappe.png/graf", TGrafFormat::Ukendt},
    };
    for (const auto& [navn, format] : raekker) EXPECT_EQ(GrafFormat(navn), format) << navn;
}

TEST(TestGrafEksport, APngHasThePixelsOfItsSizeAndResolution) {
    struct Raekke {
        double cm_b, cm_h;
        int dpi, px_b, px_h;
    };
    // cm / 2.54 * dpi, rounded: 10 cm at 300 dpi is 1181.1 pixels.
    const std::vector<Raekke> raekker = {{10, 8, 300, 1181, 945}, {10, 8, 150, 591, 472}, {2.54, 2.54, 600, 600, 600}};
    Side s;
    const std::string mappe = test::NyTempMappe("PngStoerrelse");
    for (const Raekke& r : raekker) {
        FakeFlade flade;
        TEksportValg valg;
        valg.BreddeCm = r.cm_b;
        valg.HoejdeCm = r.cm_h;
        valg.Dpi = r.dpi;
        const std::string navn = mappe + "/graf.png";
        ASSERT_TRUE(EksporterGraf(navn, s.side, valg));
        EXPECT_TRUE(flade.Vist.empty());
        QImage laest(TilQString(navn));
        EXPECT_EQ(laest.width(), r.px_b) << r.dpi;
        EXPECT_EQ(laest.height(), r.px_h) << r.dpi;
        EXPECT_NEAR(laest.dotsPerMeterX() * 0.0254, r.dpi, 0.5);
    }
}

TEST(TestGrafEksport, TheDefaultSizeIsTheSheetWithItsTexts) {
    Side s;
    const TEksportValg uden = StandardValg(s.side, false);
    EXPECT_NEAR(uden.BreddeCm, 550 * 2.54 / 96, 1e-9);
    EXPECT_NEAR(uden.HoejdeCm, (490 + OverskriftHoejde(s.side)) * 2.54 / 96, 1e-9);
    EXPECT_GT(StandardValg(s.side, true).HoejdeCm, uden.HoejdeCm + 2 * ResultatLinjeHoejde() * 2.54 / 96 - 1e-9);
    EXPECT_EQ(uden.Dpi, 300);
}

// The corners of every path and polyline of an SVG file, in document order.
std::vector<QRectF> SvgFigurer(const QByteArray& svg, QStringList* tekster) {
    std::vector<QRectF> r;
    QXmlStreamReader x(svg);
    static const QRegularExpression tal(QStringLiteral("-?[0-9]+(\\.[0-9]+)?(e-?[0-9]+)?"));
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        if (x.name() == QLatin1String("text") && tekster) {
            tekster->append(x.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
            continue;
        }
        QString punkter;
        if (x.name() == QLatin1String("path")) punkter = x.attributes().value(QLatin1String("d")).toString();
        else if (x.name() == QLatin1String("polyline")) punkter = x.attributes().value(QLatin1String("points")).toString();
        else continue;
        std::vector<double> v;
        for (auto it = tal.globalMatch(punkter); it.hasNext();) v.push_back(it.next().captured(0).toDouble());
        if (v.size() < 4) continue;
        double x1 = v[0], x2 = v[0], y1 = v[1], y2 = v[1];
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            x1 = std::min(x1, v[i]);
            x2 = std::max(x2, v[i]);
            y1 = std::min(y1, v[i + 1]);
            y2 = std::max(y2, v[i + 1]);
        }
        r.push_back(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return r;
}

TEST(TestGrafEksport, AnSvgHoldsTheLineOneElementPerMarkerAndTheTexts) {
    Side s;
    TEksportValg valg = StandardValg(s.side);
    const QByteArray svg = GrafSomSvg(s.side, valg);
    QStringList tekster;
    const auto figurer = SvgFigurer(svg, &tekster);
    // A cross is six pixels each way; the line crosses most of the graph.
    int kryds = 0, linjer = 0;
    for (const QRectF& f : figurer) {
        if (std::fabs(f.width() - 6) < 0.01 && std::fabs(f.height() - 6) < 0.01) ++kryds;
        if (f.width() > 300 && f.height() > 250) ++linjer;
    }
    EXPECT_EQ(kryds, int(Punkter.size()));
    EXPECT_EQ(linjer, 1);
    for (const char* t : {"Faldlov", "t/s", "s/m", "y = 1.800*x - 0.550", "r = 0.998"})
        EXPECT_TRUE(tekster.contains(QString::fromLatin1(t))) << t;
    // Without the results list they are left out.
    valg.MedResultater = false;
    tekster.clear();
    SvgFigurer(GrafSomSvg(s.side, valg), &tekster);
    EXPECT_FALSE(tekster.contains(QStringLiteral("r = 0.998")));
    EXPECT_TRUE(tekster.contains(QStringLiteral("Faldlov")));
}

TEST(TestGrafEksport, APdfHoldsTheAxisTitlesAndTheResultLines) {
    Side s;
    FakeFlade flade;
    const std::string navn = test::NyTempMappe("PdfTekst") + "/graf.pdf";
    ASSERT_TRUE(EksporterGraf(navn, s.side, StandardValg(s.side)));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {TilQString(navn), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* t : {"Faldlov", "t/s", "s/m", "y = 1.800*x - 0.550", "r = 0.998"})
        EXPECT_TRUE(tekst.contains(QString::fromLatin1(t))) << t << "\n" << tekst.toStdString();
}

TEST(TestGrafEksport, AFailedWriteSaysSoAndKeepsTheEarlierFile) {
    Side s;
    const std::string mappe = test::NyTempMappe("EksportFejl");
    {
        FakeFlade flade;
        const std::string navn = mappe + "/findes/ikke/graf.png";
        EXPECT_FALSE(EksporterGraf(navn, s.side, StandardValg(s.side)));
        EXPECT_EQ(flade.Tekster(),
                  std::vector<std::string>{"Fejl ved skrivning af filen " + navn + "\n\rDen tidligere fil er u\xE6ndret."});
    }
    {
        FakeFlade flade;
        EXPECT_FALSE(EksporterGraf(mappe + "/graf.jpg", s.side, StandardValg(s.side)));
        EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Grafen kan gemmes som PNG (.png), SVG (.svg) eller PDF "
                                                            "(.pdf).\n\rV\xE6lg en af filtyperne."});
        EXPECT_FALSE(std::filesystem::exists(mappe + "/graf.jpg"));
    }
    // A disk that fills up during the write: the earlier file stays whole.
    const std::string disk = test::NyTempMappe("EksportLilleDisk");
    if (::mount("tmpfs", disk.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    const std::string navn = disk + "/graf.png";
    test::SkrivBytes(navn, "tidligere graf");
    FakeFlade flade;
    TEksportValg valg = StandardValg(s.side);  // far more than 16 KiB at 300 dpi
    EXPECT_FALSE(EksporterGraf(navn, s.side, valg));
    EXPECT_EQ(flade.Tekster(),
              std::vector<std::string>{"Fejl ved skrivning af filen " + navn + "\n\rDen tidligere fil er u\xE6ndret."});
    EXPECT_EQ(test::LaesBytes(navn), "tidligere graf");
    ::umount2(disk.c_str(), MNT_DETACH);
}

TEST(TestGrafEksport, SmoothLinesAtTwiceTheResolutionCoverWholeDevicePixels) {
    // A level line through pixel row 10 and an upright one through column 20 of
    // a 40 x 30 image, drawn at a device-pixel ratio of 2: rows 20 and 21 and
    // columns 40 and 41 are fully black, their neighbours untouched.
    QImage billede(80, 60, QImage::Format_RGB32);
    billede.fill(Qt::white);
    billede.setDevicePixelRatio(2);
    {
        QPainter maler(&billede);
        TMalerLaerred l(maler, 40, 30, true);
        l.FlytTilF(2, 10);
        l.LinjeTilF(30, 10);
        l.NyFigur();
        l.FlytTilF(20, 15);
        l.LinjeTilF(20, 28);
    }
    auto graa = [&](int x, int y) { return qGray(billede.pixel(x, y)); };
    for (int x = 10; x < 55; ++x) {
        EXPECT_EQ(graa(x, 20), 0) << x;
        EXPECT_EQ(graa(x, 21), 0) << x;
        EXPECT_EQ(graa(x, 19), 255) << x;
        EXPECT_EQ(graa(x, 22), 255) << x;
    }
    for (int y = 32; y < 54; ++y) {
        EXPECT_EQ(graa(40, y), 0) << y;
        EXPECT_EQ(graa(41, y), 0) << y;
        EXPECT_EQ(graa(39, y), 255) << y;
        EXPECT_EQ(graa(42, y), 255) << y;
    }
}

}  // namespace
}  // namespace plotvik
