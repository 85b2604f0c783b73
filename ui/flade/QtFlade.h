// The user seam in Qt: message boxes of the program's four kinds, the beep,
// the file dialogs, letting events run and the hourglass.
#pragma once

#include <QString>
#include <QStringList>

#include "core/Brugerflade.h"

namespace plotvik {

class QtFlade : public Brugerflade {
public:
    bool FejlMedIgnorer(const std::string& tekst) override;
    void Fejlboks(const std::string& tekst) override;
    void Informationsboks(const std::string& tekst) override;
    bool OkEllerAnnuller(const std::string& tekst) override;
    bool JaEllerNej(const std::string& tekst) override;
    void Bip() override;
    std::optional<std::string> AabnFilDialog(const std::string& filter, const std::string& navn) override;
    std::optional<std::string> GemFilDialog(const std::string& filter, const std::string& navn) override;
    void LadHaendelserKoere() override;
    void Timeglas(bool til) override;

private:
    int timeglas_ = 0;
};

// "Beskrivelse|*.ext|Beskrivelse|*.ext" as Qt's list of name filters.
QStringList QtFilter(const std::string& filter);
// The text of a message as a box shows it: the program's "\n\r" line breaks
// become plain line breaks.
QString BoksTekst(const std::string& tekst);

}  // namespace plotvik
