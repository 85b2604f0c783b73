#include "core/Brugerflade.h"

namespace plotvik {
namespace {

// Used when no window is installed: answers every box with OK, No or Cancel.
class StilleFlade : public Brugerflade {
public:
    bool FejlMedIgnorer(const std::string&) override { return false; }
    void Fejlboks(const std::string&) override {}
    void Informationsboks(const std::string&) override {}
    bool OkEllerAnnuller(const std::string&) override { return false; }
    bool JaEllerNej(const std::string&) override { return false; }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override { return std::nullopt; }
    void LadHaendelserKoere() override {}
    void Timeglas(bool) override {}
};

StilleFlade stille;
Brugerflade* installeret = &stille;

}  // namespace

Brugerflade& Flade() { return *installeret; }
void SaetFlade(Brugerflade* flade) { installeret = flade ? flade : &stille; }

}  // namespace plotvik
