// Logarithmic axes, the two logarithmic regressions, residuals and error
// bars in the real window, offscreen: the Terninger example (dice thrown,
// those showing a six taken out: 100, 84, ..., 16 left after 0..10 throws)
// with exponential regression on a semi-logarithmic sheet, and the Faldlod
// example's measured uncertainties as error bars in an exported drawing.
//
// By hand for Terninger, least squares on ln y: k = -0.181636 per throw,
// so a = e^k = 0.83391 and the half-life ln(1/2) / k = 3.8161 throws. Its
// limits 0..10 by 10..100 (one decade) with a tenth of margin give the window
// -1..11 by 10^0.9..10^2.1; on the 550 x 490 image the point (x, y) is pixel
// ((x + 1) * 549 / 12, (2.1 - log10 y) * 489 / 1.2).
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <cmath>

#include "ui/FormTestHjaelp.h"
#include "ui/graf/GrafBillede.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/TestSvgHjaelp.h"

namespace plotvik::test {
namespace {

class LogAkserVindue : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        SaetGlat(false);
    }
    void TearDown() override {
        SaetGlat(true);
        FormTest::TearDown();
    }

    // An example with its data file read into table 1 and computed, sheet 1 shown.
    void Hent(const char* projekt, const char* data, int maalinger) {
        HentProjekt(Kopi(projekt));
        Kopi(data);
        Maalinger(1, maalinger);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/" + data);
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        form->SideKontrol->setCurrentWidget(form->Ark[3]);
        QApplication::processEvents();
        flade.Vist.clear();
    }
    void TegnTerninger() {
        Hent("Terninger.prj", "TerningerTabel_1.dat", 11);
        Klik(form->TegnGrafButton[1]);
    }

    std::vector<std::string> Resultater() {
        std::vector<std::string> r;
        for (int i = 0; i < form->GrafResultaterListBox[1]->count(); ++i)
            r.push_back(FraQString(form->GrafResultaterListBox[1]->item(i)->text()));
        return r;
    }
    static double Tal(const std::string& s, std::size_t fra) {
        std::string t = s.substr(fra);
        for (char& c : t)
            if (c == ',') c = '.';
        return std::stod(t);
    }
    // The horizontal and the vertical lines of 7 pixels in an SVG drawing.
    static std::pair<int, int> Tvaerstreger(const QByteArray& svg) {
        std::pair<int, int> n{0, 0};
        for (const std::vector<double>& v : LaesSvg(svg).Linjer)
            for (std::size_t i = 0; i + 3 < v.size(); i += 2) {
                const double dx = std::fabs(v[i + 2] - v[i]), dy = std::fabs(v[i + 3] - v[i + 1]);
                n.first += std::fabs(dx - 7) < 0.01 && dy < 0.01;
                n.second += std::fabs(dy - 7) < 0.01 && dx < 0.01;
            }
        return n;
    }
    static bool Hvid(QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; }
};

TEST_F(LogAkserVindue, DecayOnASemiLogSheetIsAStraightFittedLine) {
    TegnTerninger();
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_TRUE(Find<QCheckBox>("LogY1CheckBox")->isChecked()) << "the graph's logarithmic y axis reaches the sheet";
    EXPECT_FALSE(Find<QCheckBox>("LogX1CheckBox")->isChecked());
    EXPECT_EQ(FraQString(form->GrafTypeLabel[1]->text()), "Graftype: Eksponentiel regression");
    const auto r = Resultater();
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0], "Eksponentiel regression:");
    const std::string halv = "Halveringstid: T\xBD = ";
    bool fundet = false;
    for (const std::string& linie : r)
        if (linie.rfind(halv, 0) == 0) {
            fundet = true;
            EXPECT_NEAR(Tal(linie, halv.size()), 3.8161, 0.0005) << linie;
        }
    EXPECT_TRUE(fundet);

    // Between the markers (at whole throws) each column of the plot holds the
    // fitted curve only, away from the x axis at the bottom: take its rows.
    const QImage& b = form->GrafImage[1];
    ASSERT_EQ(b.size(), QSize(550, 490));
    const int akse = int(std::lround((2.1 - 1.0) * 489 / 1.2));
    std::vector<QPointF> kurve;
    for (double x = 0.5; x < 10; x += 1) {
        const int px = int(std::lround((x + 1) * 549 / 12));
        std::vector<int> raekker;
        for (int py = 5; py < akse - 8; ++py)
            if (!Hvid(b.pixel(px, py))) raekker.push_back(py);
        ASSERT_FALSE(raekker.empty()) << "no curve at x = " << x;
        ASSERT_LE(raekker.back() - raekker.front(), 3) << "one curve at x = " << x;
        kurve.emplace_back(px, (raekker.front() + raekker.back()) / 2.0);
        // Where the curve should be: the fit b * a^x on the log axis.
        const double y = 100.501 * std::pow(0.833905, x);
        EXPECT_NEAR(kurve.back().y(), (2.1 - std::log10(y)) * 489 / 1.2, 1.5) << x;
    }
    // A straight line through the first and the last: every other within a pixel.
    const QPointF a = kurve.front(), c = kurve.back();
    for (const QPointF& p : kurve)
        EXPECT_NEAR(p.y(), a.y() + (c.y() - a.y()) * (p.x() - a.x()) / (c.x() - a.x()), 1.0) << p.x();
}

TEST_F(LogAkserVindue, ReadingAValueOnTheLogAxis) {
    TegnTerninger();
    flade.Vist.clear();
    Menu("AflaesFunktionsvaerdiMenuItem");
    form->GrafResultaterListBox[1]->clear();
    form->GrafArkene.Ark[1].Resultater.clear();
    // x = 5, y = 40: pixel (274.5, 202.9).
    QTest::mouseClick(form->GrafBilledeWidget[1], Qt::LeftButton, Qt::NoModifier, QPoint(274, 203));
    QApplication::processEvents();
    const auto r = Resultater();
    ASSERT_EQ(r.size(), 1u);
    // Named by the graph's axes: "kast=...; antal=...".
    const std::size_t y = r[0].find("; antal=");
    ASSERT_EQ(r[0].rfind("kast=", 0), 0u) << r[0];
    ASSERT_NE(y, std::string::npos) << r[0];
    EXPECT_NEAR(Tal(r[0], 5), 5.0, 5.0 * 0.005) << r[0];
    EXPECT_NEAR(Tal(r[0], y + 8), 40.0, 40.0 * 0.005) << r[0];
}

TEST_F(LogAkserVindue, TheExportedDrawingHoldsTheDecadeLabels) {
    TegnTerninger();
    ModalSvar svar;
    svar([](QWidget* d) {
        Kontrol<QCheckBox>(d, "MedResultaterCheckBox")->setChecked(false);
        TrykOK(d);
    });
    flade.FilSvar.push_back(mappe + "/terninger.svg");
    Menu("EksporterGrafMenuItem");
    QFile fil(TilQString(mappe + "/terninger.svg"));
    ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
    const TSvgTegning svg = LaesSvg(fil.readAll());
    EXPECT_FALSE(svg.Fejl);
    const QStringList& tekster = svg.Tekster;
    // Two decades inside the limits: they are labelled, the minor ticks are not.
    for (const char* l : {"10", "100"}) EXPECT_TRUE(tekster.contains(QLatin1String(l))) << l;
    EXPECT_FALSE(tekster.contains(QLatin1String("20")));
}

// A limit or a point the logarithmic axis cannot show: the message, the box
// as before and the picture untouched.
TEST_F(LogAkserVindue, WhatALogAxisCannotShowIsNamedAndTheSheetStaysAsItWas) {
    struct Tilfaelde {
        const char* boks;
        const char* felt;
        const char* vaerdi;
        bool foer;  // the box's state before
        const char* besked;
    };
    const Tilfaelde tilfaelde[] = {
        {"LogY1CheckBox", "ymin1Edit", "0", true, "En logaritmisk y-akse kr\xE6ver positive gr\xE6nser: y-min = 0.000"},
        {"LogX1CheckBox", "xmin1Edit", "1", false,
         "M\xE5ling nr. 1 har x = 0.000 og kan ikke vises p\xE5 en logaritmisk x-akse"},
    };
    for (const Tilfaelde& t : tilfaelde) {
        SCOPED_TRACE(t.boks);
        TegnTerninger();
        const QImage foer = form->GrafImage[1].copy();
        const auto resultater = Resultater();
        flade.Vist.clear();
        Find<QLineEdit>(t.felt)->setText(QString::fromLatin1(t.vaerdi));
        QCheckBox* boks = Find<QCheckBox>(t.boks);
        if (boks->isChecked() == t.foer) {
            if (t.foer)
                Klik(form->TegnGrafButton[1]);  // the box stays checked, the limit is typed
            else
                Klik(boks);
        }
        ASSERT_FALSE(flade.Vist.empty());
        EXPECT_EQ(flade.Sidste(), t.besked);
        EXPECT_EQ(boks->isChecked(), t.foer);
        EXPECT_EQ(form->Projekt.Tabeller[1].Grafer[1].LogX, false);
        EXPECT_EQ(form->Projekt.Tabeller[1].Grafer[1].LogY, true);
        EXPECT_TRUE(form->GrafImage[1] == foer) << "the picture is as it was";
        EXPECT_EQ(Resultater(), resultater);
    }
}

TEST_F(LogAkserVindue, TheGraphDialogOffersTheRegressionsAndTheAxes) {
    struct Tilfaelde {
        const char* knap;
        bool logX, logY;
        const char* graf;
        const char* akser;
    };
    const Tilfaelde tilfaelde[] = {
        {"PotensRegressionRadioButton", true, true, "graf_type=X;", "Grafakse(1,1):  xmin=1; xmax=11; ymin=1; ymax=100; logakse=xy;"},
        {"EksponentielRegressionRadioButton", false, true, "graf_type=E;", "Grafakse(1,2):  xmin=1; xmax=11; ymin=1; ymax=100; logakse=y;"},
    };
    Menu("OpbygProjektFilMenuItem");
    flade.Vist.clear();
    for (const Tilfaelde& t : tilfaelde) {
        SCOPED_TRACE(t.knap);
        ModalSvar svar;
        svar([&](QWidget* d) {
            // A new graph starts with linear axes, whatever the last one had.
            EXPECT_FALSE(Kontrol<QCheckBox>(d, "LogXCheckBox")->isChecked());
            EXPECT_FALSE(Kontrol<QCheckBox>(d, "LogYCheckBox")->isChecked());
            SkrivIFelt(d, "xgrafEdit", "kast");
            SkrivIFelt(d, "ygrafEdit", "antal");
            for (const char* g : {"xminEdit", "yminEdit"}) SkrivIFelt(d, g, "1");
            SkrivIFelt(d, "xmaxEdit", "11");
            SkrivIFelt(d, "ymaxEdit", "100");
            Kontrol<QRadioButton>(d, t.knap)->setChecked(true);
            Kontrol<QCheckBox>(d, "LogXCheckBox")->setChecked(t.logX);
            Kontrol<QCheckBox>(d, "LogYCheckBox")->setChecked(t.logY);
            TrykOK(d);
        });
        Menu("GrafMenuItem");
        EXPECT_EQ(svar.Besvarede, 1);
        const QStringList l = form->RedigerMemo->toPlainText().split('\n', Qt::SkipEmptyParts);
        ASSERT_GE(l.size(), 2);
        EXPECT_TRUE(l[l.size() - 2].endsWith(QLatin1String(t.graf))) << l[l.size() - 2].toStdString();
        EXPECT_EQ(l.back().toStdString(), t.akser);
    }
}

// Faldlod gives h an uncertainty of 0,005 m and t its own column ut; the
// graph of h against t^2 gets an error bar per point and axis, each bar with
// a cross line of 7 pixels at both ends.
TEST_F(LogAkserVindue, ErrorBarsReachTheExportedDrawing) {
    Hent("Faldlod.prj", "FaldlodTabel_1.dat", 6);
    const auto ender = [&](const char* navn) {
        ModalSvar svar;
        svar([](QWidget* d) { TrykOK(d); });
        flade.FilSvar.push_back(mappe + "/" + navn);
        Menu("EksporterGrafMenuItem");
        QFile fil(TilQString(mappe + "/" + navn));
        EXPECT_TRUE(fil.open(QIODevice::ReadOnly)) << navn;
        return Tvaerstreger(fil.readAll());
    };
    Klik(form->TegnGrafButton[1]);
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    const auto uden = ender("uden.svg");
    Klik(Find<QCheckBox>("FejlstaengerX1CheckBox"));
    const auto medX = ender("x.svg");
    Klik(Find<QCheckBox>("FejlstaengerY1CheckBox"));
    const auto begge = ender("xy.svg");
    for (const auto& b : flade.Vist) EXPECT_NE(b.Art, Boks::Fejl) << b.Tekst;
    EXPECT_EQ(medX.second - uden.second, 12);  // vertical ends of six horizontal bars
    EXPECT_EQ(begge.second, medX.second);
    EXPECT_EQ(begge.first - medX.first, 12);  // horizontal ends of six vertical bars
}

}  // namespace
}  // namespace plotvik::test
