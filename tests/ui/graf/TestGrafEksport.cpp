// A graph out into a report: the file type chosen by the name, the PNG's
// pixel size for its resolution, and the writes that fail.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <sys/mount.h>

#include "graphs/GrafTegning.h"
#include "graphs/PlotvikImageGraphics.h"
#include "graphs/Tegneliste.h"
#include "support/FakeFlade.h"
#include "support/Testdata.h"
#include "ui/graf/GrafEksport.h"
#include "ui/graf/QtLaerred.h"
#include "ui/flade/Tegnsaet.h"

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

}  // namespace
}  // namespace plotvik
