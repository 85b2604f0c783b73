// A user who is never asked: every box answers at once (no, or cancel) and
// nothing is shown; whether an error would have been shown is kept. Used
// while the window redraws behind a running capture, when no box may stop
// the lines coming in.
#pragma once

#include <optional>
#include <string>

#include "core/Brugerflade.h"

namespace plotvik {

class TStilleFlade : public Brugerflade {
public:
    bool Sagt = false;
    bool FejlMedIgnorer(const std::string&) override { return Sig(), true; }
    void Fejlboks(const std::string&) override { Sig(); }
    void Informationsboks(const std::string&) override {}
    bool OkEllerAnnuller(const std::string&) override { return false; }
    bool JaEllerNej(const std::string&) override { return false; }
    void Bip() override {}
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> GemFilDialog(const std::string&, const std::string&) override { return {}; }
    void LadHaendelserKoere() override {}
    void Timeglas(bool) override {}

private:
    void Sig() { Sagt = true; }
};

}  // namespace plotvik
