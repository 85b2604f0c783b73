// The sequences of texts indexed from 1 in which the model keeps its
// variable-level data, and a table's cell matrix. Stored as arrays; the
// length cuts (32 and 255 characters) are applied when a text is stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plotvik {

template <int MaxLaengde>
class TTekstListe {
public:
    // Creates n + 1 empty texts, so positions 1 to n + 1 exist.
    void Opret(int n) { tekster_.assign(n < 0 ? 1 : n + 1, std::string()); }
    void Frigiv() { tekster_.clear(); }
    bool Oprettet() const { return !tekster_.empty(); }
    int Antal() const { return static_cast<int>(tekster_.size()); }
    // Position 0 and 1 both address the first text; outside the list nothing is stored.
    void Saet(std::string_view tekst, int p) {
        int i = p <= 1 ? 0 : p - 1;
        if (i < Antal()) tekster_[i] = std::string(tekst.substr(0, MaxLaengde));
    }
    std::string Hent(int p) const {
        int i = p <= 1 ? 0 : p - 1;
        return i < Antal() ? tekster_[i] : std::string();
    }

private:
    std::vector<std::string> tekster_;
};

using TKortListe = TTekstListe<32>;
using TLangListe = TTekstListe<255>;

// Rows by variable; column 1 the header, column m + 1 measurement m.
class TTekstMatrix {
public:
    void Opret(int raekker, int soejler);  // at least one row; every cell empty
    // Another number of columns, keeping every cell that still fits (moved,
    // not copied); new cells are empty. Fewer columns keep the memory.
    void SkiftSoejler(int soejler);
    void Frigiv();
    bool Oprettet() const { return raekker_ > 0; }
    int Raekker() const { return raekker_; }
    int Soejler() const { return soejler_; }
    // 1-based (0 addresses the first row or column, as 1 does). Outside the
    // matrix a read gives the empty text and a write is ignored.
    std::string HentCelle(int raekke, int soejle) const;
    void SaetCelle(std::string_view tekst, int raekke, int soejle);
    // The stored text without a copy; the empty text outside the matrix.
    const std::string& Celle(int raekke, int soejle) const;

private:
    int raekker_ = 0, soejler_ = 0;
    std::vector<std::string> celler_;
};

}  // namespace plotvik
