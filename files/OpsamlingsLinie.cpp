// Reading a device's lines (see the header). The separator is found in each
// line; the decimal sign and the number of fields are fixed by the first line
// of values, so that a later line that could be read two ways is read as the
// earlier ones were.
#include "files/OpsamlingsLinie.h"

#include <algorithm>

#include "core/Tegnsaet.h"
#include "files/DataImport.h"

namespace plotvik {

namespace {

bool ErBlank(char c) { return c == ' ' || static_cast<unsigned char>(c) < 32; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && ErBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && ErBlank(s.back())) s.remove_suffix(1);
    return s;
}

void Del(std::string_view linie, char adskiller, std::vector<std::string_view>& felter) {
    for (;;) {
        const size_t k = linie.find(adskiller);
        felter.push_back(Trim(linie.substr(0, k)));
        if (k == std::string_view::npos) return;
        linie.remove_prefix(k + 1);
    }
}

// Runs of blanks (and tabs) between the fields.
void DelVedBlanke(std::string_view linie, std::vector<std::string_view>& felter) {
    size_t i = 0;
    while (i < linie.size()) {
        while (i < linie.size() && ErBlank(linie[i])) ++i;
        const size_t start = i;
        while (i < linie.size() && !ErBlank(linie[i])) ++i;
        if (i > start) felter.push_back(linie.substr(start, i - start));
    }
}

// A name in a header: beginning with a letter, printable, and Danish letters
// either in UTF-8 or as Latin letters, as a sketch's print("t;A0") gives;
// bytes from a wrong baud rate seldom look like that.
bool LignerNavn(std::string_view f) {
    if (f.empty()) return false;
    const auto c = static_cast<unsigned char>(f[0]);
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0xC0)) return false;
    const bool utf8 = ErUtf8MedIkkeAscii(f);
    return std::none_of(f.begin(), f.end(), [utf8](char t) {
        const auto u = static_cast<unsigned char>(t);
        if (u < 32 || u == 127) return true;
        return u >= 128 && !utf8 && (u < 0xC0 || u == 0xD7 || u == 0xF7);
    });
}

std::string SomNavn(std::string_view felt) {
    std::string tekst = ErUtf8MedIkkeAscii(felt) ? Utf8TilCp1252(felt) : std::string(felt);
    std::string navn, enhed;
    DelOverskrift(tekst, navn, enhed);
    return navn;
}

}  // namespace

char TLinieFortolker::DelFelter(std::string_view linie, bool etiketter) {
    felter_.clear();
    for (char c : {';', '\t'}) {
        if (linie.find(c) != std::string_view::npos) {
            Del(linie, c, felter_);
            return c;
        }
    }
    if (linie.find(',') == std::string_view::npos) {
        DelVedBlanke(linie, felter_);
        return ' ';
    }

    // Blanks between numbers with decimal commas ("1,5 2,25"), unless the
    // blanks only follow the commas ("1, 2, 3").
    if (linie.find(' ') != std::string_view::npos) {
        DelVedBlanke(linie, felter_);
        const bool vedKomma = std::any_of(felter_.begin(), felter_.end(),
                                          [](std::string_view f) { return f.front() == ',' || f.back() == ','; });
        if (felter_.size() >= 2 && !vedKomma) return ' ';
        felter_.clear();
        Del(linie, ',', felter_);
        return ',';
    }

    // Only commas: separators or decimal commas.
    bool delVedKomma;
    if (etiketter) {
        // "a:1,b:2" is two pairs; "a:1,5" one value with a decimal comma.
        Del(linie, ',', felter_);
        delVedKomma = std::all_of(felter_.begin(), felter_.end(),
                                  [](std::string_view f) { return f.find(':') != std::string_view::npos; });
        if (delVedKomma) return ',';
        felter_.clear();
    } else if (format_.DecimalTegn != 0) {
        delVedKomma = format_.DecimalTegn == '.';
    } else if (linie.find('.') != std::string_view::npos) {
        delVedKomma = true;
    } else {
        const int felter = format_.AntalFelter ? format_.AntalFelter : forventet_;
        delVedKomma = felter != 1;
    }
    if (!delVedKomma) {
        felter_.push_back(linie);
        return 0;
    }
    Del(linie, ',', felter_);
    return ',';
}

TLinieArt TLinieFortolker::Fortolk(std::string_view linie) {
    linie = Trim(linie);
    if (linie.empty()) return TLinieArt::Tom;
    const bool etiketter = linie.find(':') != std::string_view::npos;
    if (etiketter) {
        // "t: 1.5, A0: 512" reads as "t:1.5, A0:512".
        arbejde_.clear();
        for (size_t i = 0; i < linie.size(); ++i) {
            if (linie[i] == ':') {
                while (!arbejde_.empty() && arbejde_.back() == ' ') arbejde_.pop_back();
                arbejde_ += ':';
                while (i + 1 < linie.size() && linie[i + 1] == ' ') ++i;
            } else {
                arbejde_ += linie[i];
            }
        }
        linie = arbejde_;
    }
    return Vaerdier(etiketter, DelFelter(linie, etiketter));
}

TLinieArt TLinieFortolker::Vaerdier(bool etiketter, char adskiller) {
    vaerdier_.clear();
    etiketter_.clear();
    if (etiketter) {
        for (std::string_view f : felter_) {
            const size_t k = f.find(':');
            if (k == std::string_view::npos || k == 0 || k + 1 == f.size() ||
                f.find(':', k + 1) != std::string_view::npos)
                return TLinieArt::Fejl;
            etiketter_.push_back(Trim(f.substr(0, k)));
            vaerdier_.push_back(Trim(f.substr(k + 1)));
        }
    } else {
        vaerdier_ = felter_;
    }

    // Every value a number, all with one decimal sign.
    char fundet = 0;
    int tal = 0;
    bool alle = true;
    for (std::string_view v : vaerdier_) {
        const bool k = v.find(',') != std::string_view::npos, p = v.find('.') != std::string_view::npos;
        const char tegn = k ? ',' : (p ? '.' : 0);
        bool ok = !v.empty() && !(k && p);
        if (tegn && ((format_.DecimalTegn && tegn != format_.DecimalTegn) || (fundet && tegn != fundet))) ok = false;
        if (ok) ok = ErTalMedDecimalTegn(v, tegn ? tegn : '.');
        if (ok) {
            ++tal;
            if (tegn) fundet = tegn;
        } else {
            alle = false;
        }
    }
    if (!alle) {
        const bool navne = std::all_of(felter_.begin(), felter_.end(), LignerNavn);
        if (!etiketter && format_.AntalFelter == 0 && tal == 0 && navne) {
            format_.Navne.clear();
            for (std::string_view f : felter_) format_.Navne.push_back(SomNavn(f));
            return TLinieArt::Hoved;
        }
        return TLinieArt::Fejl;
    }

    // Commas between the fields of a stream with decimal commas: no telling what was meant.
    if (adskiller == ',' && format_.DecimalTegn == ',') return TLinieArt::Fejl;
    const int n = static_cast<int>(vaerdier_.size());
    if (format_.AntalFelter == 0) {
        // Fewer fields than the student uses: a line cut short when the capture began.
        if (forventet_ > 0 && n < forventet_) return TLinieArt::Fejl;
        format_.AntalFelter = n;
        format_.Etiketter = etiketter;
        if (etiketter) {
            format_.Navne.clear();
            raaEtiketter_.clear();
            for (std::string_view e : etiketter_) {
                format_.Navne.push_back(SomNavn(e));
                raaEtiketter_.emplace_back(e);
            }
            // Two fields of one label could not be told apart in the next line.
            auto navne = format_.Navne;
            std::sort(navne.begin(), navne.end());
            if (std::adjacent_find(navne.begin(), navne.end()) != navne.end()) {
                format_ = {};
                return TLinieArt::Fejl;
            }
        } else if (static_cast<int>(format_.Navne.size()) != n) {
            format_.Navne.clear();  // a header of another shape names nothing
        }
    } else {
        if (n != format_.AntalFelter || etiketter != format_.Etiketter) return TLinieArt::Fejl;
        if (etiketter && !std::equal(etiketter_.begin(), etiketter_.end(), raaEtiketter_.begin())) {
            // The values in the order of the first line's labels.
            felter_.assign(vaerdier_.begin(), vaerdier_.end());
            for (int i = 0; i < n; ++i) {
                const auto j = std::find(etiketter_.begin(), etiketter_.end(), raaEtiketter_[static_cast<size_t>(i)]);
                if (j == etiketter_.end()) return TLinieArt::Fejl;
                vaerdier_[static_cast<size_t>(i)] = felter_[static_cast<size_t>(j - etiketter_.begin())];
            }
        }
    }
    if (fundet) format_.DecimalTegn = fundet;
    else if (adskiller == ',') format_.DecimalTegn = '.';
    return TLinieArt::Data;
}

}  // namespace plotvik
