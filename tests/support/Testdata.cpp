#include "support/Testdata.h"

#include <filesystem>
#include <unistd.h>

#ifndef PLOTVIK_KILDEMAPPE
#define PLOTVIK_KILDEMAPPE "."
#endif

namespace plotvik::test {

std::string Kildesti(const std::string& relativ) {
    return std::string(PLOTVIK_KILDEMAPPE) + "/" + relativ;
}

std::string NyTempMappe(const std::string& navn) {
    namespace fs = std::filesystem;
    fs::path m = fs::temp_directory_path() / ("plotvik_" + navn + "_" + std::to_string(getpid()));
    fs::remove_all(m);
    fs::create_directories(m);
    return m.string();
}

}  // namespace plotvik::test
