// A graph sheet's picture follows its own widget, and only while it is shown:
// printing the sheet or grabbing the window, with the other graph sheets
// never shown, leaves the shown picture at its widget's size, and the next
// "Tegn graf" fills the widget (the x axis reaches its bottom-right part).
#include <QImage>

#include "FormTestHjaelp.h"
#include "TestUdskrivHjaelp.h"
#include "ui/GrafBillede.h"

namespace plotvik::test {
namespace {

using BilledStoerrelse = FormTest;

// Pixels that are not white in the part of the picture right of 80 % of its
// width and below 80 % of its height. The x axis lies at 11/12 of the height
// (the window reaches a tenth of the range below y-min) and runs to 11/12 of
// the width, so a picture drawn at its full size has some there; one drawn
// into a smaller top-left corner has none.
int MoerkeINederstTilHoejre(const QImage& b) {
    int n = 0;
    for (int y = b.height() * 8 / 10; y < b.height(); ++y)
        for (int x = b.width() * 8 / 10; x < b.width(); ++x)
            if (qGray(b.pixel(x, y)) < 128) ++n;
    return n;
}

TEST_F(BilledStoerrelse, PrintingOrGrabbingLeavesTheShownPictureAtItsWidgetsSize) {
    struct Raekke {
        const char* hvad;
        QSize vindue;  // empty: the default size
        bool udskriv;  // "Udskriv Ark"; else the window grabbed (as a copy or an export does)
    };
    const std::vector<Raekke> raekker = {
        {"print, default window", {}, true},
        {"grab, default window", {}, false},
        {"print, larger window", {1100, 760}, true},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.hvad);
        NytVindue();
        HentProjekt(Kopi("Fald.prj"));
        Kopi("FaldTabel_1.dat");
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/FaldTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        form->VisArk(3);
        if (!r.vindue.isEmpty()) form->resize(r.vindue);
        QApplication::processEvents();
        TGrafBillede* w = form->GrafBilledeWidget[1];
        Klik(form->TegnGrafButton[1]);
        ASSERT_EQ(form->GrafImage[1].size(), w->size());
        ASSERT_GT(MoerkeINederstTilHoejre(form->GrafImage[1]), 0);
        if (r.vindue.isEmpty()) {
            EXPECT_EQ(w->size(), QSize(550, 490));
        }

        if (r.udskriv) {
            PdfPrinter pdf(mappe + "/ark.pdf");
            Menu("UdskrivArkMenuItem");
            EXPECT_TRUE(pdf.Findes());
        } else {
            (void)form->grab();
        }
        QApplication::processEvents();
        EXPECT_EQ(form->GrafImage[1].size(), w->size());
        EXPECT_GT(MoerkeINederstTilHoejre(form->GrafImage[1]), 0);
        Klik(form->TegnGrafButton[1]);
        EXPECT_EQ(form->GrafImage[1].size(), w->size());
        EXPECT_GT(MoerkeINederstTilHoejre(form->GrafImage[1]), 0);

        // A sheet shown for the first time takes its own widget's size.
        form->VisArk(4);
        QApplication::processEvents();
        EXPECT_EQ(form->GrafImage[2].size(), form->GrafBilledeWidget[2]->size());
    }
}

}  // namespace
}  // namespace plotvik::test
