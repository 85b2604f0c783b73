// Windows-1252 texts, UTF-8 files, and the rule that the engine knows no Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
    for (const char* mappe : {"core", "interpreter", "files", "graphs"}) {
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

}  // namespace
