#include "core/PlotvikPtrArray.h"

#include <cstring>

namespace plotvik {

namespace {
const std::string tom;
}

void TTekstMatrix::Opret(int raekker, int soejler) {
    raekker_ = raekker < 1 ? 1 : raekker;
    soejler_ = soejler < 0 ? 0 : soejler;
    celler_.assign(static_cast<size_t>(raekker_) * static_cast<size_t>(soejler_), std::string());
}

void TTekstMatrix::SkiftSoejler(int soejler) {
    soejler = soejler < 0 ? 0 : soejler;
    if (soejler == soejler_ || raekker_ == 0) return;
    const size_t raekker = static_cast<size_t>(raekker_), gammel = static_cast<size_t>(soejler_),
                 ny = static_cast<size_t>(soejler);
    if (ny < gammel) {
        // In place: every cell moves to a lower position, so front to back
        // never overwrites one still to be moved. The memory stays for the
        // next growth.
        for (size_t r = 1; r < raekker; ++r)
            for (size_t s = 0; s < ny; ++s) celler_[r * ny + s] = std::move(celler_[r * gammel + s]);
        celler_.resize(raekker * ny);
    } else {
        std::vector<std::string> nye(raekker * ny);
        for (size_t r = 0; r < raekker; ++r)
            for (size_t s = 0; s < gammel; ++s) nye[r * ny + s] = std::move(celler_[r * gammel + s]);
        celler_ = std::move(nye);
    }
    soejler_ = soejler;
}

void TTekstMatrix::Frigiv() {
    raekker_ = soejler_ = 0;
    celler_.clear();
    celler_.shrink_to_fit();
}

const std::string& TTekstMatrix::Celle(int raekke, int soejle) const {
    int r = raekke <= 1 ? 0 : raekke - 1;
    int s = soejle <= 1 ? 0 : soejle - 1;
    if (r >= raekker_ || s >= soejler_) return tom;
    return celler_[static_cast<size_t>(r) * static_cast<size_t>(soejler_) + static_cast<size_t>(s)];
}

std::string TTekstMatrix::HentCelle(int raekke, int soejle) const { return Celle(raekke, soejle); }

void TTekstMatrix::SaetCelle(std::string_view tekst, int raekke, int soejle) {
    int r = raekke <= 1 ? 0 : raekke - 1;
    int s = soejle <= 1 ? 0 : soejle - 1;
    if (r >= raekker_ || s >= soejler_) return;
    // Written in place: the cell keeps its buffer, so a computed column that
    // is written again (every time the table is computed) needs no new string.
    // The text may be part of this very cell; then it is no longer than the
    // cell: memmove copies the overlap right, and only then does the shrinking
    // resize write its terminator (which could land inside the text).
    std::string& celle = celler_[static_cast<size_t>(r) * static_cast<size_t>(soejler_) + static_cast<size_t>(s)];
    const std::string_view t = tekst.substr(0, 32);
    if (t.size() > celle.size()) {
        celle = std::string(t);
        return;
    }
    std::memmove(celle.data(), t.data(), t.size());
    celle.resize(t.size());
}

}  // namespace plotvik
