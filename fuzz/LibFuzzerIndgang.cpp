// The libFuzzer entry point of a fuzz executable built from one target.
#include <cstdlib>

#include "FuzzStoette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n) {
    const auto& maalene = plotvik::fuzz::Maalene();
    if (maalene.size() != 1) std::abort();  // one target per executable
    plotvik::fuzz::KoerMaal(maalene.front().Maal, std::string_view(reinterpret_cast<const char*>(data), n));
    return 0;
}
