#include "support/Testdata.h"

#include <filesystem>
#include <fstream>
#include <sstream>
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

std::string LaesBytes(const std::string& navn) {
    std::ifstream ind(navn, std::ios::binary);
    std::ostringstream ss;
    ss << ind.rdbuf();
    return ss.str();
}

void SkrivBytes(const std::string& navn, const std::string& indhold) {
    std::ofstream ud(navn, std::ios::binary);
    ud << indhold;
}

}  // namespace plotvik::test
