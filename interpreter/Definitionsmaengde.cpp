// The domain reader and the intervals built from its conditions. The words
// "and" and "or" carry no meaning: conditions are only collected, then sorted
// by number, and a strict bound is moved inward by a millionth of the x range.
#include "interpreter/Definitionsmaengde.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/PlotvikTyper.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

namespace {

constexpr std::string_view TilladteTegn = "*+-./0123456789<=>adeinoprtx";
constexpr std::string_view TalTegn = "+-.,0123456789eip";

bool Blandt(char c, std::string_view tegn) { return tegn.find(c) != std::string_view::npos; }

std::string FortolkningsMeddelelse(const std::string& dm) {
    return Meddelelse("Fejl ved fortolkning af Definitionsm\xE6ngde for funktion:\n\r" + dm);
}

class TDomaeneLaeser {
public:
    explicit TDomaeneLaeser(const std::string& dm) : dm_(dm) {
        l_.Tekst = dm;
        l_.Laengde = static_cast<int>(dm.size());
        NaesteTegn();
    }

    std::vector<TBetingelse> Laes() {
        while (!l_.Slut() && !Fejl) {
            if (Blandt(l_.Tegn, "adnor")) NaesteTegn();
            else Betingelse();
        }
        return std::move(betingelser_);
    }

private:
    // A character outside the domain alphabet is reported and the current
    // character stays as it was; the position still moves on.
    void NaesteTegn() {
        ++l_.Pos;
        if (l_.Slut()) {
            l_.Tegn = SlutTegn;
            return;
        }
        const char c = l_.Tekst[static_cast<size_t>(l_.Pos - 1)];
        if (Blandt(c, TilladteTegn)) {
            l_.Tegn = c;
        } else {
            Fejl = true;
            VisFejl(Meddelelse("Illegalt tegn i Definitionsm\xE6ngde!\n\r" + dm_));
        }
    }

    bool ErRelationsTegn() const { return !l_.Slut() && Blandt(l_.Tegn, "<=>"); }
    bool ErVariabel() const { return !l_.Slut() && (l_.Tegn == 'x' || l_.Tegn == 't'); }
    char TegnEfter(int n) const {
        const int p = l_.Pos + n;
        return p >= 1 && p <= l_.Laengde ? l_.Tekst[static_cast<size_t>(p - 1)] : SlutTegn;
    }

    bool TalFejl() {
        Fejl = true;
        VisFejl(Meddelelse("Fejl i tal i definitionsm\xE6ngde for funktion!\n\r" + dm_));
        return false;
    }

    // pi, -pi or a decimal number, then "*" or "/" and a further number
    // (so a/b/c is a/(b/c)). A "+" or "-" inside only makes it fail to convert.
    bool Tal(double& v) {
        if (l_.Tegn == 'p' && TegnEfter(1) == 'i') {
            v = PiVaerdi;
            NaesteTegn();
            NaesteTegn();
        } else if (l_.Tegn == '-' && TegnEfter(1) == 'p' && TegnEfter(2) == 'i') {
            v = -PiVaerdi;
            NaesteTegn();
            NaesteTegn();
            NaesteTegn();
        } else {
            std::string tekst;
            while (!l_.Slut() && Blandt(l_.Tegn, TalTegn)) {
                tekst += l_.Tegn;
                NaesteTegn();
            }
            bool fejl = false;
            v = TekstTilTal(tekst, fejl);
            if (fejl) return TalFejl();
        }
        if (!l_.Slut() && (l_.Tegn == '*' || l_.Tegn == '/')) {
            const char op = l_.Tegn;
            NaesteTegn();
            double w = 0;
            if (!Tal(w)) return false;
            if (op == '/' && w == 0) return TalFejl();
            v = op == '*' ? GangeAf(v, w) : DividerAf(v, w);
            if (!std::isfinite(v)) return TalFejl();
        }
        return true;
    }

    bool Relation(std::string& r) {
        r.clear();
        while (ErRelationsTegn()) {
            if (r.size() < 2) r += l_.Tegn;
            NaesteTegn();
        }
        if (r == "<" || r == "<=" || r == ">" || r == ">=" || r == "<>") return true;
        Fejl = true;
        VisFejl(Meddelelse("Illegal operator i definitionsm\xE6ngde:  " + dm_));
        return false;
    }

    bool Fortolkningsfejl() {
        VisFejl(FortolkningsMeddelelse(dm_));
        return false;
    }

    void Gem(const std::string& relation, double tal) {
        if (relation == "<>") {
            Gem("<", tal);
            Gem(">", tal);
            return;
        }
        // More conditions than a domain holds end the reading.
        if (static_cast<int>(betingelser_.size()) >= MaksBetingelser) {
            Fejl = true;
            return;
        }
        betingelser_.push_back({relation, tal});
    }

    static std::string Vendt(const std::string& r) {
        if (r == "<") return ">";
        if (r == "<=") return ">=";
        if (r == ">") return "<";
        if (r == ">=") return "<=";
        return r;
    }

    void Betingelse() {
        double tal = 0;
        std::string r;
        if (Blandt(l_.Tegn, "+-.0123456789ip")) {
            if (!Tal(tal)) return (void)Fortolkningsfejl();
            if (!Relation(r)) return (void)Fortolkningsfejl();
            if (!ErVariabel()) return;
            Gem(Vendt(r), tal);
            NaesteTegn();
            if (!ErRelationsTegn()) return;
            if (!Relation(r)) return (void)Fortolkningsfejl();
            if (!Tal(tal)) return;
            Gem(r, tal);
        } else if (ErVariabel()) {
            NaesteTegn();
            if (!ErRelationsTegn()) return;
            if (!Relation(r)) return (void)Fortolkningsfejl();
            if (!Tal(tal)) return;
            Gem(r, tal);
        } else {
            // "<5", "=x", "*2", "e": nothing here begins a condition, and the
            // reading could not move on.
            Fejl = true;
        }
    }

    const std::string& dm_;
    TLaeser l_;
    std::vector<TBetingelse> betingelser_;
};

}  // namespace

std::vector<TBetingelse> LaesDefinitionsmaengde(std::string& dm) {
    dm = SmaaBogstaver(FjernMellemrumUdenforCitat(dm)).substr(0, FilnavnLaengde);
    if (dm.empty()) dm.assign(1, 'r');
    if (dm == "r") return {};
    Fejl = false;
    std::vector<TBetingelse> b = TDomaeneLaeser(dm).Laes();
    if (Fejl) VisFejl(FortolkningsMeddelelse(dm));
    // Sorted also after a fault the user chose to ignore: the intervals are
    // built from sorted conditions.
    std::stable_sort(b.begin(), b.end(), [](const TBetingelse& a, const TBetingelse& c) { return a.Tal < c.Tal; });
    return b;
}

std::vector<TInterval> Definitionsintervaller(std::string dm, double xmin, double xmax) {
    const std::vector<TBetingelse> b = LaesDefinitionsmaengde(dm);
    if (dm == "r") return {{xmin, xmax}};
    if (Fejl) return {};  // a domain that failed to read is not drawn
    if (b.empty()) return {{xmin, xmax}};  // no condition at all: the whole range
    const double eps = SomDouble((static_cast<Reel>(xmax) - xmin) * static_cast<Reel>(1e-6));
    auto erOevre = [&](int k) { return b[static_cast<size_t>(k - 1)].Relation[0] == '<'; };
    auto rel = [&](int k) -> const std::string& { return b[static_cast<size_t>(k - 1)].Relation; };
    auto tal = [&](int k) { return b[static_cast<size_t>(k - 1)].Tal; };
    const int antal = static_cast<int>(b.size());
    std::vector<TInterval> intervaller;
    int k = 1;
    double lo = xmin, hi = xmax;
    while (k <= antal) {
        if (erOevre(k)) {
            hi = rel(k) == "<" ? MinusAf(tal(k), eps) : tal(k);
            while (k < antal && erOevre(k + 1)) ++k;  // the smallest upper bound counts
        } else {
            while (k < antal && !erOevre(k + 1)) ++k;  // the largest lower bound counts
            lo = rel(k) == ">" ? PlusAf(tal(k), eps) : tal(k);
            ++k;
            if (k > antal) {
                hi = xmax;
            } else {
                hi = rel(k) == "<" ? MinusAf(tal(k), eps) : tal(k);
                while (k < antal && erOevre(k + 1)) ++k;
            }
        }
        if (lo < hi) {
            if (static_cast<int>(intervaller.size()) >= MaksIntervaller) {
                Fejl = true;
                VisFejl(FortolkningsMeddelelse(dm));
                if (Fejl) return {};
                break;
            }
            intervaller.push_back({lo, hi});
        }
        ++k;
        lo = hi;
    }
    return intervaller;
}

}  // namespace plotvik
