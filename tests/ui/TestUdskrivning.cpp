// Printing to a PDF file in place of the printer: the laid-out lines come
// out in order (read back with pdftotext), long prints get more pages, and a
// cancelled print dialog prints nothing.
#include <QImage>
#include <gtest/gtest.h>

#include "TestUdskrivHjaelp.h"
#include "support/Testdata.h"

namespace plotvik::test {

namespace {

TEST(Udskriv, LinesComeOutInOrderInTheirFonts) {
    std::string fil = NyTempMappe("udskriv_linier") + "/tabel.pdf";
    PdfPrinter pdf(fil);
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(VaelgPrinter(printer, nullptr));
    std::vector<TUdskriftLinie> linier = {
        {"Times New Roman", 14, "M\xE5linger af fald"},
        {"Times New Roman", 14, ""},
        {"Courier New", 10, "-------------"},
        {"Courier New", 10, "|  t s|v m/s|"},
        {"Courier New", 10, "|-----+-----|"},
        {"Courier New", 10, "|  0.5| 4.91|"},
        {"Courier New", 10, "-------------"},
    };
    UdskrivLinier(printer, linier);
    ASSERT_TRUE(pdf.Findes());
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::vector<std::string> forventet = {"M\xE5linger af fald", "-------------", "| t s|v m/s|", "|-----+-----|",
                                          "| 0.5| 4.91|", "-------------"};
    ASSERT_EQ(ud.size(), forventet.size());
    for (size_t i = 0; i < ud.size(); ++i) EXPECT_EQ(UdenVenstreMargen(ud[i]), forventet[i]) << i;
    EXPECT_EQ(pdf.Sider(), 1);
    // Times New Roman and Courier New, through their metric twins.
    const std::string skrifter = pdf.Skrifter();
    EXPECT_NE(skrifter.find("LiberationSerif"), std::string::npos) << skrifter;
    EXPECT_NE(skrifter.find("LiberationMono"), std::string::npos) << skrifter;
    EXPECT_EQ(skrifter.find("LiberationSans"), std::string::npos) << skrifter;
}

TEST(Udskriv, ALongPrintContinuesOnNewPages) {
    std::string fil = NyTempMappe("udskriv_sider") + "/tekst.pdf";
    PdfPrinter pdf(fil);
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(VaelgPrinter(printer, nullptr));
    std::vector<std::string> tekst;
    for (int i = 1; i <= 200; ++i) tekst.push_back("Linie " + std::to_string(i));
    UdskrivLinier(printer, TekstUdskrift(tekst));
    bool laest = false;
    auto ud = pdf.Linier(laest);
    if (!laest) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(ud.size(), 200u);
    EXPECT_EQ(UdenVenstreMargen(ud.front()), "Linie 1");
    EXPECT_EQ(UdenVenstreMargen(ud.back()), "Linie 200");
    EXPECT_NE(pdf.Skrifter().find("LiberationSans"), std::string::npos);  // Arial
    // Arial 10 has about 11.5 points a line: 200 lines need more than one page, fewer than ten.
    int sider = pdf.Sider();
    EXPECT_GT(sider, 1);
    EXPECT_LT(sider, 10);
}

TEST(Udskriv, CancelledPrintDialogIsReported) {
    std::string fil = NyTempMappe("udskriv_annulleret") + "/ingen.pdf";
    PdfPrinter pdf(fil, false);
    QPrinter printer;
    EXPECT_FALSE(VaelgPrinter(printer, nullptr));
    EXPECT_EQ(pdf.Vist, 1);
    EXPECT_FALSE(pdf.Findes());
}

TEST(Udskriv, WindowImageIsPrintedAtItsSizeOrFittedToThePage) {
    std::string fil = NyTempMappe("udskriv_billede") + "/ark.pdf";
    PdfPrinter pdf(fil);
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(VaelgPrinter(printer, nullptr));
    QImage billede(800, 570, QImage::Format_RGB32);
    billede.fill(Qt::blue);
    UdskrivBillede(printer, billede, 96);
    ASSERT_TRUE(pdf.Findes());
    EXPECT_GT(QFile(QString::fromStdString(fil)).size(), 500);
}

}  // namespace
}  // namespace plotvik::test
