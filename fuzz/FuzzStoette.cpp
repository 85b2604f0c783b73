#include "FuzzStoette.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/PlotvikTyper.h"

namespace plotvik::fuzz {

bool StilleFlade::Vis(const std::string& t, bool svar) {
    // Read every byte of the text, so that a message built past the end of
    // a buffer is caught by the sanitizer right here.
    volatile unsigned sum = 0;
    for (char c : t) sum = sum + static_cast<unsigned char>(c);
    ++Bokse;
    if (Optag) Tekster.push_back(t);
    return svar;
}

StilleFlade& DenStilleFlade() {
    static StilleFlade flade;
    return flade;
}

namespace {
std::vector<TRegistreretMaal>& Liste() {
    static std::vector<TRegistreretMaal> liste;
    return liste;
}
}  // namespace

bool Registrer(const char* navn, TMaal maal) {
    Liste().push_back({navn, maal});
    return true;
}

const std::vector<TRegistreretMaal>& Maalene() { return Liste(); }

void KoerMaal(TMaal maal, std::string_view input) {
    auto& f = DenStilleFlade();
    f.FilSvar.reset();
    f.Bokse = 0;
    f.Optag = false;
    f.Tekster.clear();
    SaetFlade(&f);
    plotvik::Fejl = false;
    maal(input);
    plotvik::Fejl = false;
}

namespace {
std::string& SkrabeMappe() {
    static std::string mappe;
    return mappe;
}
void FjernSkrabeMappe() {
    std::error_code e;
    if (!SkrabeMappe().empty()) std::filesystem::remove_all(SkrabeMappe(), e);
}
}  // namespace

std::string SkrabeFil(const std::string& endelse) {
    std::string& mappe = SkrabeMappe();
    if (mappe.empty()) {
        struct stat info {};
        const bool shm = ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode);
        mappe = std::string(shm ? "/dev/shm" : "/tmp") + "/plotvik_fuzz_" + std::to_string(::getpid());
        std::error_code e;
        std::filesystem::create_directories(mappe, e);
        if (e) std::abort();
        // Gone again when the run ends normally (libFuzzer's time limit, the end of a replay).
        std::atexit(FjernSkrabeMappe);
    }
    return mappe + "/fil" + endelse;
}

void SkrivSkrabeFil(const std::string& navn, std::string_view indhold) {
    std::FILE* f = std::fopen(navn.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (!indhold.empty() && std::fwrite(indhold.data(), 1, indhold.size(), f) != indhold.size()) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

void Fund(const std::string& hvad) {
    std::fprintf(stderr, "FUND: %s\n", hvad.c_str());
    std::abort();
}

std::vector<std::string_view> Linier(std::string_view input) {
    std::vector<std::string_view> linier;
    size_t start = 0, i = 0;
    while (i < input.size()) {
        char c = input[i];
        if (c == '\r' || c == '\n') {
            linier.push_back(input.substr(start, i - start));
            i += (c == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < input.size()) linier.push_back(input.substr(start));
    return linier;
}

unsigned TagByte(std::string_view& input) {
    if (input.empty()) return 0;
    unsigned b = static_cast<unsigned char>(input[0]);
    input.remove_prefix(1);
    return b;
}

}  // namespace plotvik::fuzz
