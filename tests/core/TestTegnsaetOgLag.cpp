// Windows-1252 texts, UTF-8 files, the rule that the engine knows no Qt, and
// the rule that every include points down the layers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>

#include "core/Tegnsaet.h"
#include "support/Testdata.h"

using namespace plotvik;

namespace {

TEST(Tegnsaet, Cp1252OgUtf8) {
    struct { const char* cp1252; const char* utf8; } tabel[] = {
        {"M\xE5linger", "M\xC3\xA5linger"},
        {"\xC6\xD8\xC5\xE6\xF8\xE5", "\xC3\x86\xC3\x98\xC3\x85\xC3\xA6\xC3\xB8\xC3\xA5"},
        {"\x80 5", "\xE2\x82\xAC 5"},
        {"ren tekst", "ren tekst"},
    };
    for (const auto& r : tabel) {
        EXPECT_EQ(Cp1252TilUtf8(r.cp1252), r.utf8);
        EXPECT_EQ(Utf8TilCp1252(r.utf8), r.cp1252);
    }
    EXPECT_TRUE(ErUtf8MedIkkeAscii("M\xC3\xA5linger"));
    EXPECT_FALSE(ErUtf8MedIkkeAscii("Maalinger"));
    EXPECT_FALSE(ErUtf8MedIkkeAscii("M\xE5linger"));  // a lone 1252 byte is not UTF-8
    EXPECT_EQ(Utf8TilCp1252("\xE2\x88\x9A"), "?");    // no such character in 1252
}

TEST(Tegnsaet, LaesTekstFilGenkenderUtf8) {
    auto mappe = test::NyTempMappe("tegnsaet");
    struct { const char* indhold; const char* forventet; } tabel[] = {
        {"L\xC3\xA6ngde\r\n", "L\xE6ngde\r\n"},
        {"\xEF\xBB\xBFTid\r\n", "Tid\r\n"},
        {"L\xE6ngde\r\n", "L\xE6ngde\r\n"},
        {"", ""},
    };
    int i = 0;
    for (const auto& r : tabel) {
        std::string navn = mappe + "/f" + std::to_string(i++) + ".txt";
        std::ofstream(navn, std::ios::binary) << r.indhold;
        auto laest = LaesTekstFil(navn);
        ASSERT_TRUE(laest.has_value());
        EXPECT_EQ(*laest, r.forventet);
    }
    EXPECT_FALSE(LaesTekstFil(mappe + "/findes_ikke.txt").has_value());
}

TEST(Lag, MotorenInkludererIngenQt) {
    namespace fs = std::filesystem;
    const std::regex qt(R"(^\s*#\s*include\s*[<"]Q[A-Za-z]*[>/"])");
    int filer = 0;
    for (const char* mappe : {"core", "interpreter", "files", "graphs", "tabeller"}) {
        for (const auto& f : fs::recursive_directory_iterator(test::Kildesti(mappe))) {
            if (!f.is_regular_file()) continue;
            auto ext = f.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            ++filer;
            std::ifstream ind(f.path());
            std::string linie;
            int nr = 0;
            while (std::getline(ind, linie)) {
                ++nr;
                EXPECT_FALSE(std::regex_search(linie, qt)) << f.path() << ":" << nr << ": " << linie;
            }
        }
    }
    EXPECT_GT(filer, 5);
}

// The layers from the bottom up; a file may include from its own layer and
// those below it, never from one above.
const char* const Lagene[] = {"core", "interpreter", "files", "graphs", "tabeller", "ui", "app"};

int Lagnummer(const std::string& mappe) {
    for (int i = 0; i < static_cast<int>(std::size(Lagene)); ++i)
        if (mappe == Lagene[i]) return i;
    return -1;
}

// The layer a quoted include line reaches into, or none for a system header,
// a file beside the includer or a folder that is no layer.
std::optional<std::string> InkluderetLag(const std::string& linie) {
    static const std::regex inkl(R"(^\s*#\s*include\s*"(?:\.\./)*([A-Za-z_]+)/)");
    std::smatch m;
    if (!std::regex_search(linie, m, inkl) || Lagnummer(m[1]) < 0) return std::nullopt;
    return m[1].str();
}

TEST(Lag, InkluderingsLinierGenkendes) {
    struct { const char* linie; const char* lag; } tabel[] = {
        {"#include \"graphs/Fourier.h\"", "graphs"},
        {"  #  include \"tabeller/TabelBeregning.h\"", "tabeller"},
        {"#include \"../ui/CelleModel.h\"", "ui"},
        {"#include <QString>", nullptr},
        {"#include \"Fourier.h\"", nullptr},
        {"#include \"support/Testdata.h\"", nullptr},
        {"// #include \"ui/x.h\" in a comment", nullptr},
    };
    for (const auto& r : tabel) {
        auto lag = InkluderetLag(r.linie);
        if (r.lag) {
            ASSERT_TRUE(lag.has_value()) << r.linie;
            EXPECT_EQ(*lag, r.lag) << r.linie;
        } else {
            EXPECT_FALSE(lag.has_value()) << r.linie;
        }
    }
    EXPECT_LT(Lagnummer("core"), Lagnummer("interpreter"));
    EXPECT_LT(Lagnummer("graphs"), Lagnummer("tabeller"));
    EXPECT_LT(Lagnummer("tabeller"), Lagnummer("ui"));
}

TEST(Lag, IngenInkluderingPegerOpad) {
    namespace fs = std::filesystem;
    int filer = 0;
    for (const char* mappe : Lagene) {
        const int eget = Lagnummer(mappe);
        for (const auto& f : fs::recursive_directory_iterator(test::Kildesti(mappe))) {
            if (!f.is_regular_file()) continue;
            auto ext = f.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            ++filer;
            std::ifstream ind(f.path());
            std::string linie;
            int nr = 0;
            while (std::getline(ind, linie)) {
                ++nr;
                auto lag = InkluderetLag(linie);
                if (lag) {
                    EXPECT_LE(Lagnummer(*lag), eget) << f.path() << ":" << nr << ": " << linie;
                }
            }
        }
    }
    EXPECT_GT(filer, 20);
}

}  // namespace
