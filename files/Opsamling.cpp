// A live capture into an input table (see the header). The complete lines of
// each read are gathered into one block and written by the paste's own check
// and write, so a captured value is stored exactly as a pasted one would be.
// The cell matrix grows ahead of "Målinger" in two steps (4096 measurements,
// then the table's limit), so that a long capture does not copy the table at
// every line; it is cut back to "Målinger" when the capture ends.
#include "files/Opsamling.h"

#include <algorithm>
#include <cstdio>

namespace plotvik {

namespace {

bool ErTom(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || static_cast<unsigned char>(c) < 32; });
}

std::string AntalMaalinger(int n) {
    if (n == 0) return "Ingen m\xE5linger";
    if (n == 1) return "1 m\xE5ling";
    return std::to_string(n) + " m\xE5linger";
}

std::string TidTekst(double sekunder, char dec) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", std::max(0.0, sekunder));
    std::string s(buf);
    if (dec == ',') std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// The matrix cut to the measurements shown, once the capture no longer needs room ahead.
void SkaerTilMaalinger(TTabelDef& t) {
    if (t.Celler.Soejler() > t.AntalIndgange + 1) t.Celler.SkiftSoejler(t.AntalIndgange + 1);
}

}  // namespace

int NaesteTommeMaaling(const TTabelDef& t) {
    const int inddata = std::min(t.AntalInddata, t.Celler.Raekker());
    for (int m = std::min(t.AntalIndgange, t.Celler.Soejler() - 1); m >= 1; --m)
        for (int v = 1; v <= inddata; ++v)
            if (!ErTom(t.Celler.Celle(v, m + 1))) return m + 1;
    return 1;
}

namespace {

// How many fields the student's choice reads; 1 also where the values can
// only fill one variable, so that "1,5" is one number with a decimal comma.
int ForventedeFelter(const TProjekt& p, const TOpsamlingsValg& valg) {
    if (!valg.Variabler.empty()) {
        int n = 0;
        for (int i = 0; i < static_cast<int>(valg.Variabler.size()); ++i)
            if (valg.Variabler[static_cast<size_t>(i)] != 0) n = i + 1;
        return n;
    }
    if (valg.Tabel < 1 || valg.Tabel > MaksTabeller) return 0;
    const int inddata = p.Tabeller[valg.Tabel].AntalInddata;
    const int frie = inddata - (valg.TidVariabel >= 1 && valg.TidVariabel <= inddata ? 1 : 0);
    return frie == 1 ? 1 : 0;
}

}  // namespace

TOpsamling::TOpsamling(TProjekt& p, TOpsamlingsValg valg)
    : p_(p), valg_(std::move(valg)), fortolker_(ForventedeFelter(p, valg_)) {}

bool TOpsamling::Start(double tid) {
    if (koerer_) return true;
    besked_.clear();
    const int t = valg_.Tabel;
    if (t < 1 || t > MaksTabeller || !p_.Tabeller[t].Celler.Oprettet() || p_.Tabeller[t].AntalVariable < 1) {
        besked_ = "Der er ingen tabel " + std::to_string(t) + " at opsamle m\xE5linger i.";
        return false;
    }
    const TTabelDef& tabel = p_.Tabeller[t];
    if (tabel.AntalInddata < 1) {
        besked_ = "Tabel " + std::to_string(t) +
                  " har ingen inddatavariable, s\xE5 der er intet at opsamle m\xE5linger i.";
        return false;
    }
    if (valg_.TidVariabel < 0 || valg_.TidVariabel > tabel.AntalInddata) {
        besked_ = "Tiden kan kun skrives i en af tabel " + std::to_string(t) + "s inddatavariable.";
        return false;
    }
    const bool nogen = valg_.Variabler.empty() || valg_.TidVariabel != 0 ||
                       std::any_of(valg_.Variabler.begin(), valg_.Variabler.end(), [](int v) { return v != 0; });
    if (!nogen) {
        besked_ = "V\xE6lg mindst \xE9n variabel, som m\xE5lingerne skal skrives i.";
        return false;
    }
    for (size_t i = 0; i < valg_.Variabler.size(); ++i) {
        const int v = valg_.Variabler[i];
        if (v == 0) continue;
        if (v < 0 || v > tabel.AntalVariable) {
            besked_ = "Der er ingen variabel " + std::to_string(v) + " i tabel " + std::to_string(t) + ".";
            return false;
        }
        if (v > tabel.AntalInddata) {
            besked_ = "Variablen " + tabel.Variable[v].Navn + " i tabel " + std::to_string(t) +
                      " beregnes af programmet; m\xE5linger kan kun skrives i inddatavariable.";
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            if (valg_.Variabler[j] == v) {
                besked_ = "Felt " + std::to_string(j + 1) + " og felt " + std::to_string(i + 1) +
                          " skal begge til variablen " + tabel.Variable[v].Navn +
                          "; en variabel kan kun f\xE5 \xE9t felt.";
                return false;
            }
        }
    }
    foerste_ = valg_.FoersteMaaling >= 1 ? valg_.FoersteMaaling : NaesteTommeMaaling(tabel);
    if (foerste_ > MaksIndgange) {
        besked_ = "Tabel " + std::to_string(t) + " er fuld: en tabel kan h\xF8jst have " +
                  std::to_string(MaksIndgange) + " m\xE5linger.";
        return false;
    }

    // The student's choice of variables passes the paste's check before any line arrives.
    TCelleBlok proeve;
    TIndsaetningsValg v;
    v.Tabel = t;
    v.FoersteMaaling = foerste_;
    v.Kontrol = p_.KontrolAfInddata;
    for (int var : valg_.Variabler.empty() ? std::vector<int>{valg_.TidVariabel == 1 && tabel.AntalInddata > 1 ? 2 : 1}
                                           : valg_.Variabler) {
        if (var == 0) continue;
        v.Variabler.push_back(var);
        proeve.Celler.emplace_back("0");
    }
    if (valg_.TidVariabel != 0) {
        if (std::find(v.Variabler.begin(), v.Variabler.end(), valg_.TidVariabel) != v.Variabler.end() ||
            (valg_.Variabler.empty() && tabel.AntalInddata == 1)) {
            besked_ = "Variablen " + tabel.Variable[valg_.TidVariabel].Navn +
                      " kan ikke b\xE5" "de f\xE5 tiden og et felt fra m\xE5leren.";
            return false;
        }
        v.Variabler.push_back(valg_.TidVariabel);
        proeve.Celler.emplace_back("0");
    }
    proeve.Raekker = 1;
    proeve.Soejler = static_cast<int>(proeve.Celler.size());
    const TIndsaetning ind = ForberedIndsaetning(p_, proeve, v);
    if (!ind.Ok) {
        besked_ = ind.Besked;
        return false;
    }

    start_ = sidsteTid_ = tid;
    antal_ = fejl_ = blokLinier_ = 0;
    blokTegn_ = 0;
    kapacitet_ = false;
    variabler_.clear();
    blokFelter_.clear();
    blok_ = {};
    rate_.clear();
    rate_.emplace_back(tid, 0);
    samler_.Nulstil();
    fortolker_ = TLinieFortolker(ForventedeFelter(p_, valg_));
    koerer_ = true;
    return true;
}

void TOpsamling::BestemVariabler() {
    const TTabelDef& tabel = p_.Tabeller[valg_.Tabel];
    const TLinieFormat& f = fortolker_.Format();
    const int n = f.AntalFelter;
    variabler_.assign(static_cast<size_t>(n), 0);
    if (!valg_.Variabler.empty()) {
        for (int i = 0; i < n && i < static_cast<int>(valg_.Variabler.size()); ++i)
            variabler_[static_cast<size_t>(i)] = valg_.Variabler[static_cast<size_t>(i)];
    } else {
        std::vector<int> frie;
        for (int v = 1; v <= tabel.AntalInddata; ++v)
            if (v != valg_.TidVariabel) frie.push_back(v);
        // Names that are the table's variable names say where their fields go.
        bool vedNavn = false;
        if (static_cast<int>(f.Navne.size()) == n) {
            std::vector<bool> brugt(frie.size(), false);
            for (int i = 0; i < n; ++i) {
                const std::string navn = SmaaBogstaver(f.Navne[static_cast<size_t>(i)]);
                for (size_t j = 0; j < frie.size(); ++j) {
                    if (!brugt[j] && SmaaBogstaver(tabel.Variable[frie[j]].Navn) == navn) {
                        variabler_[static_cast<size_t>(i)] = frie[j];
                        brugt[j] = true;
                        vedNavn = true;
                        break;
                    }
                }
            }
        }
        if (!vedNavn)
            for (int i = 0; i < n && i < static_cast<int>(frie.size()); ++i)
                variabler_[static_cast<size_t>(i)] = frie[static_cast<size_t>(i)];
    }
    blokFelter_.clear();
    for (int i = 0; i < n; ++i)
        if (variabler_[static_cast<size_t>(i)] != 0) blokFelter_.push_back(i);
    blok_.Soejler = static_cast<int>(blokFelter_.size()) + (valg_.TidVariabel != 0 ? 1 : 0);
}

void TOpsamling::Linie(std::string_view linie) {
    switch (fortolker_.Fortolk(linie)) {
    case TLinieArt::Tom:
    case TLinieArt::Hoved:
        return;
    case TLinieArt::Fejl:
        ++fejl_;
        return;
    case TLinieArt::Data:
        break;
    }
    if (variabler_.empty()) BestemVariabler();
    if (Plads() <= 0 || blok_.Soejler == 0) return;
    // The lines before the first decimal sign are written with the sign they
    // were read with (a long number is written back in its shortest form).
    const char tegn = fortolker_.Format().DecimalTegn;
    if (blokLinier_ > 0 && tegn != blokTegn_ && !SkrivBlok(tid_)) return;
    blokTegn_ = tegn;
    const auto& felter = fortolker_.Felter();
    for (int i : blokFelter_) blok_.Celler.emplace_back(felter[static_cast<size_t>(i)]);
    if (valg_.TidVariabel != 0) blok_.Celler.emplace_back();
    ++blokLinier_;
}

bool TOpsamling::SkrivBlok(double tid) {
    if (blokLinier_ == 0) return true;
    const char dec = blokTegn_ == ',' ? ',' : '.';
    blok_.Raekker = blokLinier_;
    TIndsaetningsValg v;
    v.Tabel = valg_.Tabel;
    v.FoersteMaaling = foerste_ + antal_;
    v.DecimalTegn = dec;
    v.Kontrol = p_.KontrolAfInddata;
    for (int i : blokFelter_) v.Variabler.push_back(variabler_[static_cast<size_t>(i)]);
    if (valg_.TidVariabel != 0) {
        v.Variabler.push_back(valg_.TidVariabel);
        const std::string tekst = TidTekst(tid - start_, dec);
        const size_t s = static_cast<size_t>(blok_.Soejler);
        for (size_t r = 0; r < static_cast<size_t>(blokLinier_); ++r) blok_.Celler[r * s + s - 1] = tekst;
    }
    const TIndsaetning ind = ForberedIndsaetning(p_, blok_, v);
    const int linier = blokLinier_;
    blok_.Celler.clear();
    blok_.Raekker = blokLinier_ = 0;
    if (!ind.Ok) {
        Afslut(ind.Besked);
        return false;
    }

    TTabelDef& t = p_.Tabeller[valg_.Tabel];
    if (ind.AntalIndgange + 1 > t.Celler.Soejler()) {
        // Cells beyond "Målinger" left from an earlier, larger count are emptied
        // as the measurements come into view, as in any growth of the table.
        // A short capture stays small; a long one gets the whole table at once,
        // since every step would touch the memory of all the cells again.
        t.Celler.SkiftSoejler((ind.AntalIndgange <= 4096 ? 4096 : MaksIndgange) + 1);
        kapacitet_ = true;
    }
    UdfoerIndsaetning(p_, valg_.Tabel, ind);
    // An empty table takes the capture's count, as it takes a pasted block's.
    if (ind.AntalIndgange < t.AntalIndgange) SaetAntalIndgangeBevar(t, ind.AntalIndgange);
    antal_ += linier;
    return true;
}

int TOpsamling::Modtag(std::string_view bytes, double tid) {
    if (!koerer_) return 0;
    const int foer = antal_;
    bool fuld = false;
    tid_ = tid;
    samler_.Modtag(bytes, [&](std::string_view linie) {
        if (fuld || !koerer_) return;
        Linie(linie);
        fuld = Plads() <= 0;
    });
    sidsteTid_ = tid;
    if (!koerer_ || !SkrivBlok(tid)) return antal_ - foer;
    rate_.emplace_back(tid, antal_);
    while (rate_.size() >= 2 && rate_[1].first <= tid - 1.0 + 1e-9) rate_.pop_front();
    if (Plads() <= 0) {
        const std::string t = std::to_string(valg_.Tabel);
        Afslut("Opsamlingen er stoppet, fordi tabel " + t + " er fuld: en tabel kan h\xF8jst have " +
               std::to_string(MaksIndgange) + " m\xE5linger. " + AntalMaalinger(antal_) + " er gemt i tabel " + t +
               ".");
    }
    return antal_ - foer;
}

double TOpsamling::Rate(double naa) const {
    if (rate_.empty()) return 0;
    if (naa < sidsteTid_) naa = sidsteTid_;
    // From the last read a second or more ago (the start, before a second
    // has passed) up to now: a device that falls silent goes towards 0.
    auto base = rate_.front();
    for (const auto& proeve : rate_)
        if (proeve.first <= naa - 1.0 + 1e-9) base = proeve;
    const double spand = naa - base.first;
    return spand > 0 ? (antal_ - base.second) / spand : 0;
}

void TOpsamling::Stop() {
    if (koerer_) Afslut("");
}

void TOpsamling::Afbryd() {
    if (!koerer_) return;
    std::string besked = "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. " +
                         AntalMaalinger(antal_) + " er gemt i tabel " + std::to_string(valg_.Tabel) + ".";
    if (samler_.HarRest())
        besked += " Den sidste linie n\xE5" "ede ikke frem i sin helhed og er ikke taget med.";
    Afslut(std::move(besked));
}

void TOpsamling::Afslut(std::string besked) {
    koerer_ = false;
    besked_ = std::move(besked);
    samler_.Nulstil();
    if (kapacitet_) SkaerTilMaalinger(p_.Tabeller[valg_.Tabel]);
    kapacitet_ = false;
}

std::string TOpsamling::Status() const {
    std::string s = AntalMaalinger(antal_) + " opsamlet";
    const int fejl = Fejllinier();
    if (fejl == 1) s += "; 1 linie kunne ikke l\xE6ses og er sprunget over";
    else if (fejl > 1) s += "; " + std::to_string(fejl) + " linier kunne ikke l\xE6ses og er sprunget over";
    return s + ".";
}

}  // namespace plotvik
