// Everything the engine asks of the person in front of the screen. The window
// installs a Qt implementation; tests install a scripted one. Engine code
// never opens a window itself.
#pragma once

#include <optional>
#include <string>

namespace plotvik {

class Brugerflade {
public:
    virtual ~Brugerflade() = default;
    virtual bool FejlMedIgnorer(const std::string& tekst) = 0;   // error box OK/Ignore; true = Ignore
    virtual void Fejlboks(const std::string& tekst) = 0;         // error box, OK only
    virtual void Informationsboks(const std::string& tekst) = 0; // plain box, OK only
    virtual bool OkEllerAnnuller(const std::string& tekst) = 0;  // information box; true = OK
    virtual bool JaEllerNej(const std::string& tekst) = 0;       // information box; true = Yes
    virtual void Bip() = 0;                                      // system beep
    virtual std::optional<std::string> AabnFilDialog(const std::string& filter, const std::string& navn) = 0;
    virtual std::optional<std::string> GemFilDialog(const std::string& filter, const std::string& navn) = 0;
    virtual void LadHaendelserKoere() = 0;                       // let pending events run
    virtual void Timeglas(bool til) = 0;                         // hourglass cursor on/off
    // Methods added later get a default body here, so that every
    // implementation keeps compiling.
};

Brugerflade& Flade();                // the installed one
void SaetFlade(Brugerflade* flade);  // install; nullptr restores a silent default (OK, No, Cancel)

// Shows the hourglass for the life of the object.
class Timeglas {
public:
    Timeglas() { Flade().Timeglas(true); }
    ~Timeglas() { Flade().Timeglas(false); }
    Timeglas(const Timeglas&) = delete;
    Timeglas& operator=(const Timeglas&) = delete;
};

}  // namespace plotvik
