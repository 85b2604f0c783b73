// A graph sheet's picture follows its own widget, and only while it is shown:
// printing the sheet or grabbing the window with the other graph sheets
// never shown leaves the picture at its widget's size, and "Tegn graf" fills it.
#include <QImage>

#include "FormTestHjaelp.h"
#include "TestUdskrivHjaelp.h"
#include "ui/GrafBillede.h"

namespace plotvik::test {
namespace {

using BilledStoerrelse = FormTest;

TEST_F(BilledStoerrelse, PrintingOrGrabbingLeavesTheShownPictureAtItsWidgetsSize) {
    const struct {
        const char* hvad;
        QSize vindue;  // empty: the default size
        bool udskriv;  // "Udskriv Ark"; else the window grabbed
    } raekker[] = {{"print", {}, true}, {"grab", {}, false}, {"print, larger window", {1100, 760}, true}};
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.hvad);
        NytVindue();
        PendulMedData();
        Klik(form->BeregnTabelButton[1]);
        form->VisArk(3);
        if (!r.vindue.isEmpty()) form->resize(r.vindue);
        QApplication::processEvents();
        TGrafBillede* w = form->GrafBilledeWidget[1];
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
        Klik(form->TegnGrafButton[1]);
        const QImage& b = form->GrafImage[1];
        EXPECT_EQ(b.size(), w->size());
        // The x axis lies at 11/12 of the height and runs to 11/12 of the
        // width: drawn at the full size, some of it is right of 80 % and below 80 %.
        int moerke = 0;
        for (int y = b.height() * 8 / 10; y < b.height(); ++y)
            for (int x = b.width() * 8 / 10; x < b.width(); ++x) moerke += qGray(b.pixel(x, y)) < 128;
        EXPECT_GT(moerke, 0);
        // A sheet shown for the first time takes its own widget's size.
        form->VisArk(4);
        QApplication::processEvents();
        EXPECT_EQ(form->GrafImage[2].size(), form->GrafBilledeWidget[2]->size());
    }
}

}  // namespace
}  // namespace plotvik::test
