// Printing to a PDF file in place of the printer: the laid-out lines come
// out in order (read back with pdftotext), long prints get more pages, and a
// cancelled print dialog prints nothing; a print that cannot start or is
// aborted says so.
#include <QFileInfo>
#include <QImage>
#include <QPaintEngine>
#include <QPrintEngine>
#include <memory>
#include <gtest/gtest.h>

#include "ui/TestUdskrivHjaelp.h"
#include "support/FakeFlade.h"
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

namespace plotvik::test {
namespace {

// A print that cannot start says where it was going and that nothing was
// printed, for the line prints and the window's image alike; no file is left.
TEST(Udskriv, AnOutputFileThatCannotBeWrittenIsReportedAndNothingIsPrinted) {
    const std::string mappe = NyTempMappe("udskriv_fejl");
    struct Tilfaelde {
        const char* Navn;
        std::string Fil;
    };
    const Tilfaelde tilfaelde[] = {
        {"missing folder", mappe + "/findes_ikke/tabel.pdf"},
        {"the name is a folder", mappe},
    };
    const std::vector<TUdskriftLinie> linier = {{"Arial", 10, "L = 0,2 m"}};
    QImage billede(40, 30, QImage::Format_RGB32);
    billede.fill(Qt::white);
    for (const Tilfaelde& t : tilfaelde) {
        for (int slags = 0; slags < 2; ++slags) {
            FakeFlade flade;
            PdfPrinter pdf(t.Fil);
            QPrinter printer(QPrinter::HighResolution);
            ASSERT_TRUE(VaelgPrinter(printer, nullptr));
            const bool udskrevet = slags == 0 ? UdskrivLinier(printer, linier) : UdskrivBillede(printer, billede, 96);
            EXPECT_FALSE(udskrevet) << t.Navn << " " << slags;
            ASSERT_EQ(flade.Vist.size(), 1u) << t.Navn << " " << slags;
            EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
            EXPECT_EQ(flade.Vist[0].Tekst,
                      "Udskriften kunne ikke startes p\xE5 filen \"" + t.Fil + "\".\n\rIntet er udskrevet.")
                << t.Navn;
            EXPECT_FALSE(QFileInfo(QString::fromStdString(t.Fil)).isFile()) << t.Navn;
        }
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(mappe)).isDir());  // the folder named as the file stays
}

// A printer whose platform side answers as told: it may refuse to start,
// fail at the end or end up aborted or in error, as a spooler that went away
// does. It counts the pages and reports its name as a real printer would.
struct TPlatformSvar {
    bool Starter = true;
    bool Slutter = true;
    QPrinter::PrinterState Til = QPrinter::Idle;  // the state after the end
    std::string Fil;                              // printing into a file; empty: to the printer
};

class SvarendeMotor : public QPaintEngine, public QPrintEngine {
public:
    explicit SvarendeMotor(TPlatformSvar svar) : svar_(svar) {}
    // The painting side.
    bool begin(QPaintDevice*) override {
        tilstand_ = svar_.Starter ? QPrinter::Active : QPrinter::Error;
        return svar_.Starter;
    }
    bool end() override {
        // What the platform had written before it gave up.
        if (!svar_.Fil.empty()) {
            QFile f(QString::fromStdString(svar_.Fil));
            if (f.open(QIODevice::WriteOnly)) f.write("%PDF-1.4\n");
        }
        tilstand_ = svar_.Til;
        return svar_.Slutter;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    QPaintEngine::Type type() const override { return QPaintEngine::User; }
    // The printer side.
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey k) const override {
        if (k == PPK_PrinterName) return QStringLiteral("Laboratoriets printer");
        if (k == PPK_OutputFileName) return QString::fromStdString(svar_.Fil);
        if (k == PPK_Resolution) return 300;
        return {};
    }
    bool newPage() override { return tilstand_ == QPrinter::Active; }
    bool abort() override {
        tilstand_ = QPrinter::Aborted;
        return true;
    }
    int metric(QPaintDevice::PaintDeviceMetric m) const override {
        switch (m) {
            case QPaintDevice::PdmWidth: return 2480;
            case QPaintDevice::PdmHeight: return 3508;
            case QPaintDevice::PdmWidthMM: return 210;
            case QPaintDevice::PdmHeightMM: return 297;
            case QPaintDevice::PdmDpiX: case QPaintDevice::PdmDpiY:
            case QPaintDevice::PdmPhysicalDpiX: case QPaintDevice::PdmPhysicalDpiY: return 300;
            case QPaintDevice::PdmDepth: return 24;
            case QPaintDevice::PdmNumColors: return 16777216;
            case QPaintDevice::PdmDevicePixelRatio: return 1;
            case QPaintDevice::PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }
    QPrinter::PrinterState printerState() const override { return tilstand_; }

private:
    TPlatformSvar svar_;
    QPrinter::PrinterState tilstand_ = QPrinter::Idle;
};

class SvarendePrinter : public QPrinter {
public:
    explicit SvarendePrinter(TPlatformSvar svar) : motor_(std::make_unique<SvarendeMotor>(svar)) {
        setEngines(motor_.get(), motor_.get());
    }

private:
    std::unique_ptr<SvarendeMotor> motor_;
};

// A print the platform refuses or gives up on is reported with the
// printer's name, for the line prints and the window's image alike; one
// that ends well says nothing.
TEST(Udskriv, APrintThePlatformRefusesOrAbortsIsReported) {
    const std::string startes = "Udskriften kunne ikke startes p\xE5 printeren \"Laboratoriets printer\".\n\rIntet er udskrevet.";
    const std::string fil = NyTempMappe("udskriv_afbrudt") + "/halv.pdf";
    const std::string afbrudt = "Udskriften til printeren \"Laboratoriets printer\" blev afbrudt.\n\rIntet er udskrevet.";
    struct Tilfaelde {
        const char* Navn;
        TPlatformSvar Svar;
        std::string Besked;  // empty: printed without a word
    };
    const Tilfaelde tilfaelde[] = {
        {"refuses to start", {false, true, QPrinter::Idle}, startes},
        {"fails at the end", {true, false, QPrinter::Idle}, afbrudt},
        {"aborted", {true, true, QPrinter::Aborted}, afbrudt},
        {"in error", {true, true, QPrinter::Error}, afbrudt},
        {"printed", {true, true, QPrinter::Idle}, ""},
        // The half-written file goes: nothing is left that looks printed.
        {"aborted into a file", {true, true, QPrinter::Aborted, fil},
         "Udskriften til filen \"" + fil + "\" blev afbrudt.\n\rIntet er udskrevet."},
    };
    const std::vector<TUdskriftLinie> linier = {{"Arial", 10, "T = 0,90 s"}};
    QImage billede(40, 30, QImage::Format_RGB32);
    billede.fill(Qt::white);
    for (const Tilfaelde& t : tilfaelde) {
        for (int slags = 0; slags < 2; ++slags) {
            FakeFlade flade;
            SvarendePrinter printer(t.Svar);
            const bool udskrevet = slags == 0 ? UdskrivLinier(printer, linier) : UdskrivBillede(printer, billede, 96);
            EXPECT_EQ(udskrevet, t.Besked.empty()) << t.Navn << " " << slags;
            if (t.Besked.empty()) {
                EXPECT_TRUE(flade.Vist.empty()) << t.Navn;
                continue;
            }
            ASSERT_EQ(flade.Vist.size(), 1u) << t.Navn << " " << slags;
            EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl) << t.Navn;
            EXPECT_EQ(flade.Vist[0].Tekst, t.Besked) << t.Navn << " " << slags;
            if (!t.Svar.Fil.empty()) EXPECT_FALSE(QFile::exists(QString::fromStdString(t.Svar.Fil))) << t.Navn;
        }
    }
}

}  // namespace
}  // namespace plotvik::test
