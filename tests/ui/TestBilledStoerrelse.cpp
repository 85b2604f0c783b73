// A graph sheet's picture follows its own widget while it is shown: printing
// the sheet or grabbing the window, the other graph sheets never shown,
// leaves it at the widget's size, and the next "Tegn graf" fills it.
#include "FormTestHjaelp.h"
#include "TestUdskrivHjaelp.h"
#include "ui/GrafBillede.h"

namespace plotvik::test {
namespace {

using BilledStoerrelse = FormTest;

TEST_F(BilledStoerrelse, PrintingOrGrabbingLeavesTheShownPictureAtItsWidgetsSize) {
    const struct {
        QSize vindue;  // empty: the default size, where the picture is 550 x 490
        bool udskriv;  // "Udskriv Ark"; else the window grabbed
    } raekker[] = {{{}, true}, {{}, false}, {{1100, 760}, true}};
    for (const auto& r : raekker) {
        NytVindue();
        PendulMedData();
        Klik(form->BeregnTabelButton[1]);
        form->VisArk(3);
        if (!r.vindue.isEmpty()) form->resize(r.vindue);
        QApplication::processEvents();
        const QSize w = form->GrafBilledeWidget[1]->size();
        EXPECT_TRUE(!r.vindue.isEmpty() || w == QSize(550, 490));
        PdfPrinter pdf(mappe + "/ark.pdf");
        if (r.udskriv) {
            Menu("UdskrivArkMenuItem");
        } else {
            (void)form->grab();
        }
        QApplication::processEvents();
        Klik(form->TegnGrafButton[1]);
        const QImage& b = form->GrafImage[1];
        EXPECT_EQ(b.size(), w);
        // The x axis lies at 11/12 of the height and reaches 11/12 of the width:
        // drawn at full size, some of it is right of 80 % and below 80 %.
        int moerke = 0;
        for (int y = b.height() * 8 / 10; y < b.height(); ++y)
            for (int x = b.width() * 8 / 10; x < b.width(); ++x) moerke += qGray(b.pixel(x, y)) < 128;
        EXPECT_GT(moerke, 0);
        form->VisArk(4);  // shown for the first time: its own widget's size
        QApplication::processEvents();
        EXPECT_EQ(form->GrafImage[2].size(), form->GrafBilledeWidget[2]->size());
    }
}

}  // namespace
}  // namespace plotvik::test
