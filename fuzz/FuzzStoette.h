// What every fuzz target shares: a user who answers every box with its first
// button, the error flag cleared before each input, a scratch file on a
// memory-backed folder for the readers that take a file name, and the list
// of targets by name, so that one replay driver and the libFuzzer entry
// point both find them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Brugerflade.h"

namespace plotvik::fuzz {

// Answers like a user who always presses the first button: OK, Yes, OK (not
// Ignore). A file dialog answers with the name set in FilSvar, or cancels
// when there is none. Only counts what it is shown: recording every text
// would make the fuzzer slower without finding more.
class StilleFlade : public Brugerflade {
public:
    std::optional<std::string> FilSvar;
    int Bokse = 0;                     // boxes shown since the last input began
    bool Optag = false;                // keep the texts too (for targets that compare two runs)
    std::vector<std::string> Tekster;  // the texts kept while Optag is set

    bool FejlMedIgnorer(const std::string& t) override { return Vis(t, false); }
    void Fejlboks(const std::string& t) override { Vis(t, false); }
    void Informationsboks(const std::string& t) override { Vis(t, false); }
    bool OkEllerAnnuller(const std::string& t) override { return Vis(t, true); }
    bool JaEllerNej(const std::string& t) override { return Vis(t, true); }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return FilSvar; }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override { return FilSvar; }
    void LadHaendelserKoere() override {}
    void Timeglas(bool) override {}

private:
    bool Vis(const std::string& t, bool svar);
};

// The seam installed for every input; reset (no file answer, no boxes, no texts kept) before each.
StilleFlade& DenStilleFlade();

using TMaal = void (*)(std::string_view input);
bool Registrer(const char* navn, TMaal maal);
struct TRegistreretMaal {
    std::string Navn;
    TMaal Maal;
};
const std::vector<TRegistreretMaal>& Maalene();

// Installs the silent seam, clears Fejl, then runs the target on one input.
void KoerMaal(TMaal maal, std::string_view input);

// A file in a folder of this process on a memory-backed file system (/dev/shm
// when it exists), so that a reader that takes a name costs no disk write per
// input. The folder, with whatever the readers wrote beside the file, is
// removed when the process ends normally.
std::string SkrabeFil(const std::string& endelse);
// Writes the bytes to the file whole; aborts when it cannot (the target would test nothing).
void SkrivSkrabeFil(const std::string& navn, std::string_view indhold);

// A property of the result that must hold was broken: says which, then aborts,
// so that libFuzzer keeps the input and the replay fails.
[[noreturn]] void Fund(const std::string& hvad);

// Splits the input at line ends (CR, LF or CRLF); no final empty line.
std::vector<std::string_view> Linier(std::string_view input);

// Takes the first byte as a small number for the target's own choices; 0 when empty.
unsigned TagByte(std::string_view& input);

}  // namespace plotvik::fuzz

// Defines a target: the body receives `std::string_view input`.
#define PLOTVIK_FUZZ_MAAL(navn)                                                                  \
    static void FuzzMaal_##navn(std::string_view input);                                         \
    [[maybe_unused]] static const bool registreret_##navn =                                      \
        plotvik::fuzz::Registrer(#navn, &FuzzMaal_##navn);                                       \
    static void FuzzMaal_##navn(std::string_view input)
