// Replays a checked-in corpus without libFuzzer, as part of the normal test
// run: every file of the folder goes once through the target's function.
// A crash, a sanitizer report or a hang fails the test. A file whose name
// begins with "dyb-besked" holds input nested thousands deep and must end
// with a message box rather than a silent stop or a stack overflow.
//
//   fuzz_afspil TARGET FOLDER
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzStoette.h"

namespace fs = std::filesystem;
using namespace plotvik::fuzz;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "brug: %s TARGET FOLDER\n", argv[0]);
        return 2;
    }
    const std::string navn = argv[1];
    const auto& maalene = Maalene();
    auto it = std::find_if(maalene.begin(), maalene.end(), [&](const auto& m) { return m.Navn == navn; });
    if (it == maalene.end()) {
        std::fprintf(stderr, "ukendt target: %s\n", navn.c_str());
        return 2;
    }
    std::vector<fs::path> filer;
    std::error_code fejl;
    for (const auto& e : fs::directory_iterator(argv[2], fejl))
        if (e.is_regular_file()) filer.push_back(e.path());
    if (fejl || filer.empty()) {
        std::fprintf(stderr, "intet korpus i %s\n", argv[2]);
        return 1;
    }
    std::sort(filer.begin(), filer.end());

    int fejlede = 0;
    double langsomst = 0;
    std::string langsomstNavn;
    for (const auto& fil : filer) {
        std::ifstream ind(fil, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(ind)), std::istreambuf_iterator<char>());
        const auto start = std::chrono::steady_clock::now();
        KoerMaal(it->Maal, data);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > langsomst) {
            langsomst = ms;
            langsomstNavn = fil.filename().string();
        }
        if (fil.filename().string().rfind("dyb-besked", 0) == 0 && DenStilleFlade().Bokse == 0) {
            std::fprintf(stderr, "%s: dyb indlejring endte uden besked\n", fil.filename().c_str());
            ++fejlede;
        }
    }
    std::printf("%s: %zu filer afspillet, langsomst %.1f ms (%s)\n", navn.c_str(), filer.size(), langsomst,
                langsomstNavn.c_str());
    return fejlede == 0 ? 0 : 1;
}
