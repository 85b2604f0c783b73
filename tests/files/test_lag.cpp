// The file layer is plain C++: no Qt header may creep into files/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/Testdata.h"

namespace plotvik {
namespace {

TEST(Lag, NoQtInTheFileLayer) {
    const std::regex qt(R"(#\s*include\s*[<"]Q[A-Za-z]*[>/"])");
    int filer = 0;
    for (auto& e : std::filesystem::directory_iterator(test::Kildesti("files"))) {
        auto ext = e.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream ind(e.path());
        std::stringstream ss;
        ss << ind.rdbuf();
        EXPECT_FALSE(std::regex_search(ss.str(), qt)) << e.path();
        ++filer;
    }
    EXPECT_GT(filer, 0);
}

}  // namespace
}  // namespace plotvik
