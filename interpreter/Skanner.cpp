// The shared character reader and number scanner.
#include "interpreter/Skanner.h"

#include "core/PlotvikTyper.h"

namespace plotvik {

TLaeser::TLaeser(std::string_view tekst) : Tekst(Lang(tekst)) {
    Laengde = static_cast<int>(Tekst.size());
    NaesteTegn();
}

bool TLaeser::Fortsaetter(std::string_view s) const {
    if (Pos < 1 || Slut()) return false;
    return std::string_view(Tekst).substr(static_cast<size_t>(Pos - 1)).starts_with(s);
}

std::string LaesTalTekst(TLaeser& l, bool storeE) {
    const int start = l.Pos;
    while (!l.Slut() && (ErCiffer(l.Tegn) || l.Tegn == '.' || l.Tegn == ',')) l.NaesteTegn();
    if (!l.Slut() && (l.Tegn == 'e' || (storeE && l.Tegn == 'E'))) {
        l.NaesteTegn();
        if (!l.Slut() && (l.Tegn == '+' || l.Tegn == '-')) l.NaesteTegn();
        while (!l.Slut() && ErCiffer(l.Tegn)) l.NaesteTegn();
    }
    return l.Tekst.substr(static_cast<size_t>(start - 1), static_cast<size_t>(l.Pos - start));
}

std::string Meddelelse(std::string_view tekst) { return Lang(tekst); }

}  // namespace plotvik
