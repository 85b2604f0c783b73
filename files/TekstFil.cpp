#include "files/TekstFil.h"

#include "core/Brugerflade.h"
#include "core/Tegnsaet.h"
#include "files/SikkerSkrivning.h"

namespace plotvik {

std::vector<std::string> DelILinier(std::string_view tekst) {
    std::vector<std::string> linier;
    size_t start = 0, i = 0;
    while (i < tekst.size()) {
        char c = tekst[i];
        if (c == '\r' || c == '\n') {
            linier.emplace_back(tekst.substr(start, i - start));
            i += (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < tekst.size()) linier.emplace_back(tekst.substr(start));
    return linier;
}

std::optional<std::vector<std::string>> LaesTekstLinier(const std::string& navn) {
    auto indhold = LaesTekstFil(navn);
    if (!indhold) {
        Flade().Fejlboks("Fejl ved indl\xE6sning fra filen " + navn);
        return std::nullopt;
    }
    return DelILinier(*indhold);
}

bool SkrivTekstLinier(const std::string& navn, const std::vector<std::string>& linier) {
    std::string indhold;
    size_t stoerrelse = 0;
    for (const auto& l : linier) stoerrelse += l.size() + 2;
    indhold.reserve(stoerrelse);
    for (const auto& l : linier) {
        indhold += l;
        indhold += "\r\n";
    }
    if (SkrivFilSikkert(navn, indhold) == TSkrivning::Skrevet) return true;
    Flade().Fejlboks("Fejl ved skrivning af filen " + navn + "\n\rDen tidligere fil er u\xE6ndret.");
    return false;
}

}  // namespace plotvik
