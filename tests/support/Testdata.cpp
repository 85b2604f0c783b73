#include "support/Testdata.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstdlib>
#include <unistd.h>
#include <vector>

#ifndef PLOTVIK_KILDEMAPPE
#define PLOTVIK_KILDEMAPPE "."
#endif

namespace plotvik::test {

std::string Kildesti(const std::string& relativ) {
    return std::string(PLOTVIK_KILDEMAPPE) + "/" + relativ;
}

namespace {

// The folders a test program made go when it ends, so that runs do not fill
// /tmp; PLOTVIK_BEHOLD_TEMP=1 keeps them to be looked at.
struct TTempMapper {
    std::vector<std::filesystem::path> Mapper;
    ~TTempMapper() {
        if (const char* behold = std::getenv("PLOTVIK_BEHOLD_TEMP"); behold && *behold == '1') return;
        std::error_code fejl;
        for (const auto& m : Mapper) std::filesystem::remove_all(m, fejl);
    }
};

TTempMapper& TempMapper() {
    static TTempMapper mapper;
    return mapper;
}

}  // namespace

std::string NyTempMappe(const std::string& navn) {
    namespace fs = std::filesystem;
    fs::path m = fs::temp_directory_path() / ("plotvik_" + navn + "_" + std::to_string(getpid()));
    fs::remove_all(m);
    fs::create_directories(m);
    TempMapper().Mapper.push_back(m);
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
