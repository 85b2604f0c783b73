// "Tilpas grænser" and the zoom with the mouse in the real window, offscreen:
// the cooling log imported into Fald.prj's table (t = 0, 30, ..., 1800 s, so
// v = g*t runs to 17676 m/s), far outside the project's limits 0..0,6 x 0..6.
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWheelEvent>
#include <cmath>

#include "ui/FormTestHjaelp.h"
#include "graphs/GraenseTilpasning.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafEksport.h"
#include "ui/data/GrafEksportKommando.h"
#include "ui/TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

class TilpasGraenserUI : public FormTest {
protected:
    // Fald.prj with the log imported into t, computed, "Graf Ark 1" in front.
    void FaldMedAfkoeling() {
        HentProjekt(Kopi("Fald.prj"));
        const std::string csv = Kopi("Datalogger_afkoeling.csv");
        ModalSvar svar;
        svar([](QWidget* d) { TrykOK(d); });
        flade.FilSvar.push_back(csv);
        Menu("ImporterDataMenuItem");
        ASSERT_EQ(svar.Besvarede, 1);
        ASSERT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 61);
        Klik(form->BeregnTabelButton[1]);
        form->SideKontrol->setCurrentWidget(form->Ark[3]);
        QApplication::processEvents();
        flade.Vist.clear();
    }

    std::vector<std::string> Resultater() {
        std::vector<std::string> r;
        QListWidget* l = form->GrafResultaterListBox[1];
        for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
        return r;
    }

    double Felt(QLineEdit* e) {
        bool fejl = false;
        const double v = TekstTilTal(FraQString(e->text()), fejl);
        EXPECT_FALSE(fejl) << e->objectName().toStdString() << " " << e->text().toStdString();
        return v;
    }

    // The mapping of the picture, worked out from the four fields as the
    // description gives it: a tenth of margin on every side, the view port
    // the whole image (width - 1 by height - 1 pixels).
    struct Afbildning {
        double wx0, wx1, wy0, wy1, b, h;
        double X(int px) const { return px / (b / (wx1 - wx0)) + wx0; }
        double Y(int py) const { return (h - py) / (h / (wy1 - wy0)) + wy0; }
        double PX(double x) const { return (x - wx0) * (b / (wx1 - wx0)); }
        double PY(double y) const { return h - (y - wy0) * (h / (wy1 - wy0)); }
    };
    Afbildning Kort() {
        const double x0 = Felt(form->xminEdit[1]), x1 = Felt(form->xmaxEdit[1]);
        const double y0 = Felt(form->yminEdit[1]), y1 = Felt(form->ymaxEdit[1]);
        const QSize s = form->GrafVisning[1]->Stoerrelse();
        return {x0 - 0.1 * (x1 - x0), x1 + 0.1 * (x1 - x0), y0 - 0.1 * (y1 - y0), y1 + 0.1 * (y1 - y0),
                double(s.width() - 1), double(s.height() - 1)};
    }

    // The circles of the exported SVG whose centres lie inside the graph.
    int CirklerISvg() {
        TGrafSide side = GrafSide(*form->GrafVisning[1], form->GrafArkene.Ark[1]);
        TEksportValg valg = StandardValg(side, false);
        const QString svg = QString::fromUtf8(GrafSomSvg(side, valg));
        const QRegularExpression cirkel(QStringLiteral("<(?:circle|ellipse)[^>]*\\bcx=\"([-0-9.]+)\"[^>]*\\bcy=\"([-0-9.]+)\""));
        int antal = 0;
        for (auto it = cirkel.globalMatch(svg); it.hasNext();) {
            const auto m = it.next();
            const double cx = m.captured(1).toDouble(), cy = m.captured(2).toDouble();
            if (cx >= 0 && cx <= valg.BreddeCm / 2.54 * 96 && cy >= OverskriftHoejde(side) &&
                cy <= valg.HoejdeCm / 2.54 * 96)
                ++antal;
        }
        return antal;
    }

    void Hjul(QPoint p, int grader) {
        TGrafBillede* b = form->GrafBilledeWidget[1];
        QWheelEvent e(QPointF(p), QPointF(b->mapToGlobal(p)), QPoint(), QPoint(0, grader), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(b, &e);
        QApplication::processEvents();
    }

    void Mus(QEvent::Type type, QPoint p, Qt::MouseButton knap, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        TGrafBillede* b = form->GrafBilledeWidget[1];
        const Qt::MouseButtons knapper = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(knap);
        QMouseEvent e(type, QPointF(p), QPointF(b->mapToGlobal(p)), type == QEvent::MouseMove ? Qt::NoButton : knap,
                      knapper, mod);
        QApplication::sendEvent(b, &e);
        QApplication::processEvents();
    }
    void Traek(QPoint fra, QPoint til, Qt::MouseButton knap, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        Mus(QEvent::MouseButtonPress, fra, knap, mod);
        Mus(QEvent::MouseMove, (fra + til) / 2, knap, mod);
        Mus(QEvent::MouseMove, til, knap, mod);
        Mus(QEvent::MouseButtonRelease, til, knap, mod);
    }
};

TEST_F(TilpasGraenserUI, FitsTheImportedLogAndSaysWhenNothingShows) {
    FaldMedAfkoeling();
    form->CirkelRadioButton[1]->setChecked(true);  // circles can be counted in the SVG
    Klik(form->TegnGrafButton[1]);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    // The regression line's two lines, then the word naming the button.
    std::vector<std::string> r = Resultater();
    ASSERT_FALSE(r.empty());
    // Only (0, 0) lies inside the project's limits.
    EXPECT_EQ(r.back(), "Kun 1 af de 61 punkter ligger inden for gr\xE6nserne - tryk p\xE5 \"Tilpas gr\xE6nser\"");
    EXPECT_EQ(CirklerISvg(), 1);

    auto* knap = Find<QPushButton>("TilpasGraenser1Button");
    ASSERT_NE(knap, nullptr);
    EXPECT_EQ(knap->text(), QString::fromUtf8("Ti&lpas grænser"));
    EXPECT_TRUE(knap->isVisible());
    Klik(knap);
    // By hand: t up to 1800, step 10^3 -> 2000; v up to 17676, step 10^4 -> 20000.
    EXPECT_EQ(form->xminEdit[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("2000"));
    EXPECT_EQ(form->yminEdit[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(form->ymaxEdit[1]->text(), QStringLiteral("20000"));
    EXPECT_DOUBLE_EQ(form->Projekt.Tabeller[1].Grafer[1].XMax, 2000);
    EXPECT_DOUBLE_EQ(form->Projekt.Tabeller[1].Grafer[1].YMax, 20000);
    EXPECT_EQ(CirklerISvg(), 61);
    r = Resultater();
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r[0], "Regressionslinie:");
    EXPECT_EQ(std::count_if(r.begin(), r.end(), [](const std::string& l) { return l.ends_with(TilpasHenvisning); }), 0);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();

    // The menu item and its key do the same on the sheet in front.
    auto* menu = form->findChild<QAction*>(QStringLiteral("TilpasGraenserMenuItem"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    form->xmaxEdit[1]->setText(QStringLiteral("5"));
    Menu("TilpasGraenserMenuItem");
    EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("2000"));
    form->SideKontrol->setCurrentWidget(form->Ark[1]);
    Menu("TilpasGraenserMenuItem");
    EXPECT_EQ(flade.Sidste(), "Denne Menu kan kun anvendes p\xE5 grafarkene");
}

TEST_F(TilpasGraenserUI, WheelZoomsAroundThePointerAndReadValueFollows) {
    FaldMedAfkoeling();
    Klik(Find<QPushButton>("TilpasGraenser1Button"));
    const Afbildning foer = Kort();
    struct Trin {
        QPoint pixel;
        int grader;  // 120 = one notch forwards (in), -120 back (out)
    };
    const Trin trin[] = {{{200, 300}, 120}, {{420, 100}, 120}, {{60, 420}, -120}, {{275, 245}, 240}};
    double bredde = foer.wx1 - foer.wx0;
    for (const Trin& t : trin) {
        const Afbildning a = Kort();
        const double x = a.X(t.pixel.x()), y = a.Y(t.pixel.y());
        Hjul(t.pixel, t.grader);
        const Afbildning b = Kort();
        // The world point under the pointer is still under it.
        EXPECT_NEAR(b.PX(x), t.pixel.x(), 1.0) << t.pixel.x();
        EXPECT_NEAR(b.PY(y), t.pixel.y(), 1.0) << t.pixel.y();
        // A notch scales the width by 0.8 (two notches by 0.64; back by 1.25).
        const double ventet = bredde * std::pow(0.8, t.grader / 120.0);
        EXPECT_NEAR(b.wx1 - b.wx0, ventet, ventet * 1e-3);
        bredde = b.wx1 - b.wx0;
    }
    // Read-value then answers in the new mapping.
    Menu("AflaesFunktionsvaerdiMenuItem");
    const QPoint klik(330, 150);
    QTest::mouseClick(form->GrafBilledeWidget[1], Qt::LeftButton, Qt::NoModifier, klik);
    QApplication::processEvents();
    const Afbildning a = Kort();
    const std::string ventet = "t=" + FormaterTal(10, 0, a.X(klik.x())) + "; v=" + FormaterTal(10, 0, a.Y(klik.y()));
    ASSERT_FALSE(Resultater().empty());
    EXPECT_EQ(Resultater().back(), ventet);
    // "Tilpas grænser" goes back to the data.
    Klik(Find<QPushButton>("TilpasGraenser1Button"));
    EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("2000"));
    EXPECT_EQ(form->ymaxEdit[1]->text(), QStringLiteral("20000"));
}

TEST_F(TilpasGraenserUI, DraggedRectangleBecomesTheLimits) {
    FaldMedAfkoeling();
    Klik(Find<QPushButton>("TilpasGraenser1Button"));
    struct Raekke {
        QPoint fra, til;
        Qt::MouseButton knap;
        Qt::KeyboardModifiers mod;
    };
    const Raekke raekker[] = {
        {{100, 400}, {300, 200}, Qt::RightButton, Qt::NoModifier},
        {{450, 50}, {150, 350}, Qt::LeftButton, Qt::ControlModifier},
    };
    for (const Raekke& r : raekker) {
        const Afbildning a = Kort();
        Traek(r.fra, r.til, r.knap, r.mod);
        const double tol = (a.wx1 - a.wx0) / a.b, toly = (a.wy1 - a.wy0) / a.h;
        EXPECT_NEAR(Felt(form->xminEdit[1]), a.X(std::min(r.fra.x(), r.til.x())), tol);
        EXPECT_NEAR(Felt(form->xmaxEdit[1]), a.X(std::max(r.fra.x(), r.til.x())), tol);
        EXPECT_NEAR(Felt(form->yminEdit[1]), a.Y(std::max(r.fra.y(), r.til.y())), toly);
        EXPECT_NEAR(Felt(form->ymaxEdit[1]), a.Y(std::min(r.fra.y(), r.til.y())), toly);
        EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    }
    // A right click that does not drag opens the pop-up menu and leaves the limits.
    const QString xmax = form->xmaxEdit[1]->text();
    Mus(QEvent::MouseButtonPress, {200, 200}, Qt::RightButton);
    Mus(QEvent::MouseButtonRelease, {201, 200}, Qt::RightButton);
    EXPECT_TRUE(form->GrafPopupMenu->isVisible());
    form->GrafPopupMenu->close();
    EXPECT_EQ(form->xmaxEdit[1]->text(), xmax);
    // A plain left press is the tools' click, never a zoom.
    Mus(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    Mus(QEvent::MouseMove, {300, 300}, Qt::LeftButton);
    Mus(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton);
    EXPECT_EQ(form->xmaxEdit[1]->text(), xmax);
}

}  // namespace
}  // namespace plotvik::test
