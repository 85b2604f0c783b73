// Reading the user's model into a stack program, and its derivatives by the
// parameters through the project's differentiation (diff_fx), which knows
// only x: the parameter in question is written as x, every other name as a
// numbered marker that the differentiation treats as a number.
#include "graphs/ModelUdtryk.h"

#include <cmath>
#include <map>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "graphs/ModelFit.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"
#include "interpreter/VariabelUdtryk.h"

namespace plotvik {

namespace {

constexpr double EulersTal = 2.718281828459045;

// ------------------------------------------------------------ tokens

enum class TTegnArt { Tal, Navn, Operator, Slut };

struct TSymbol {
    TTegnArt Art;
    std::string Tekst;
    double Vaerdi = 0;
};

bool LaesSymboler(const std::string& t, std::vector<TSymbol>& ud, std::string& besked) {
    std::size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (ErCiffer(c) || (c == '.' && i + 1 < t.size() && ErCiffer(t[i + 1]))) {
            const std::size_t start = i;
            while (i < t.size() && (ErCiffer(t[i]) || t[i] == '.' || t[i] == ',')) ++i;
            if (i < t.size() && t[i] == 'e' &&
                (i + 1 < t.size() && (ErCiffer(t[i + 1]) || t[i + 1] == '+' || t[i + 1] == '-'))) {
                ++i;
                if (t[i] == '+' || t[i] == '-') ++i;
                while (i < t.size() && ErCiffer(t[i])) ++i;
            }
            const std::string tekst = t.substr(start, i - start);
            bool fejl = false;
            const double v = TekstTilTal(tekst, fejl);
            if (fejl) {
                besked = "Fejl i tal \"" + tekst + "\" i modellen";
                return false;
            }
            ud.push_back({TTegnArt::Tal, tekst, v});
        } else if (ErNavneBogstav(c)) {
            const std::size_t start = i;
            while (i < t.size() && (ErNavneBogstav(t[i]) || ErCiffer(t[i]))) ++i;
            ud.push_back({TTegnArt::Navn, t.substr(start, i - start)});
        } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')') {
            ud.push_back({TTegnArt::Operator, std::string(1, c)});
            ++i;
        } else {
            besked = std::string("Ugyldigt tegn '") + c + "' i modellen";
            return false;
        }
    }
    ud.push_back({TTegnArt::Slut, ""});
    return true;
}

int FunktionsNr(const std::string& navn) {
    const std::string lille = SmaaBogstaver(navn);
    for (std::size_t f = 0; f < FxFunktioner.size(); ++f)
        if (lille == FxFunktioner[f]) return int(f);
    return -1;
}

// What a name stands for in the model.
struct TNavneRum {
    std::string XNavn;
    std::map<std::string, double> Konstanter;  // pi, e and those of the project
    std::vector<std::string>* Parametre = nullptr;  // grows by first appearance
    // In a derivative's text: "x" is the parameter differentiated by.
    int DiffPlads = -1;
};

// ------------------------------------------------------------ the reader

// The operator rules of the function expressions: sums, products, powers
// (left to right), a unary minus that binds tighter than "^" except that a
// leading "-name^" negates the power, and functions followed by a factor.
class TModelLaeser {
public:
    TModelLaeser(const std::vector<TSymbol>& s, TNavneRum& rum, TModelProgram& prog)
        : s_(s), rum_(rum), kode_(prog.Kode) {}

    bool Laes(std::string& besked) {
        Udtryk();
        if (fejl_.empty() && s_[pos_].Art != TTegnArt::Slut)
            fejl_ = s_[pos_].Tekst == ")" ? "For mange \")\" i modellen" : "Uventet \"" + s_[pos_].Tekst + "\" i modellen";
        besked = fejl_;
        return fejl_.empty();
    }

private:
    const TSymbol& Nu() const { return s_[pos_]; }
    bool Er(const char* op) const { return Nu().Art == TTegnArt::Operator && Nu().Tekst == op; }
    void Saet(TModelOp op, int plads = 0, double tal = 0, TFunktion f = TFunktion::Abs) {
        kode_.push_back({op, f, plads, tal});
    }

    void Udtryk() {
        if (++dybde_ > MaksIndlejring) {
            if (fejl_.empty()) fejl_ = "For mange parenteser inden i hinanden i modellen";
            return;
        }
        // "-name^..." first: 0 minus the power, as the function expressions read "-x^".
        if (Er("-") && s_[pos_ + 1].Art == TTegnArt::Navn && FunktionsNr(s_[pos_ + 1].Tekst) < 0 &&
            s_[pos_ + 2].Art == TTegnArt::Operator && s_[pos_ + 2].Tekst == "^")
            Saet(TModelOp::Tal, 0, 0);
        else
            Led();
        while (fejl_.empty() && (Er("+") || Er("-"))) {
            const bool plus = Er("+");
            ++pos_;
            Led();
            Saet(plus ? TModelOp::Plus : TModelOp::Minus);
        }
        --dybde_;
    }

    void Led() {
        Potens();
        while (fejl_.empty() && (Er("*") || Er("/"))) {
            const bool gange = Er("*");
            ++pos_;
            Potens();
            Saet(gange ? TModelOp::Gange : TModelOp::Divider);
        }
    }

    void Potens() {
        Fortegn();
        while (fejl_.empty() && Er("^")) {
            ++pos_;
            Fortegn();
            Saet(TModelOp::Potens);
        }
    }

    void Fortegn() {
        if (Er("-")) {
            ++pos_;
            // A derivative's text may hold "--": its sign is read the same way again.
            if (rum_.DiffPlads >= 0 && (Er("-") || Er("+"))) Fortegn(); else Faktor();
            Saet(TModelOp::Neg);
            return;
        }
        if (rum_.DiffPlads >= 0 && Er("+")) ++pos_;
        Faktor();
    }

    void Faktor() {
        if (!fejl_.empty()) return;
        const TSymbol& sym = Nu();
        if (sym.Art == TTegnArt::Tal) {
            ++pos_;
            if (rum_.DiffPlads >= 0 && Markoer(sym.Tekst)) return;
            Saet(TModelOp::Tal, 0, sym.Vaerdi);
            return;
        }
        if (Er("(")) {
            ++pos_;
            Udtryk();
            if (!fejl_.empty()) return;
            if (!Er(")")) {
                fejl_ = "Mangler \")\" i modellen";
                return;
            }
            ++pos_;
            return;
        }
        if (sym.Art == TTegnArt::Navn) {
            ++pos_;
            const int f = FunktionsNr(sym.Tekst);
            if (f >= 0) {
                if (!Er("(")) {
                    fejl_ = "Mangler \"(\" efter " + sym.Tekst + " i modellen";
                    return;
                }
                Faktor();
                Saet(TModelOp::Funktion, 0, 0, FxFunktionsArt[std::size_t(f)]);
                return;
            }
            Navn(sym.Tekst);
            return;
        }
        fejl_ = sym.Art == TTegnArt::Slut ? "Modellen slutter for tidligt" : "Uventet \"" + sym.Tekst + "\" i modellen";
    }

    void Navn(const std::string& navn) {
        if (rum_.DiffPlads >= 0) {
            if (navn == "x") Saet(TModelOp::Plads, rum_.DiffPlads);
            else if (navn == "pi") Saet(TModelOp::Tal, 0, PiVaerdi);
            else fejl_ = "Ukendt navn i afledt";
            return;
        }
        if (navn == rum_.XNavn) {
            Saet(TModelOp::Plads, 0);
            return;
        }
        if (auto k = rum_.Konstanter.find(navn); k != rum_.Konstanter.end()) {
            Saet(TModelOp::Tal, 0, k->second);
            return;
        }
        auto& p = *rum_.Parametre;
        for (std::size_t i = 0; i < p.size(); ++i)
            if (p[i] == navn) {
                Saet(TModelOp::Plads, int(i) + 1);
                return;
            }
        p.push_back(navn);
        Saet(TModelOp::Plads, int(p.size()));
    }

    // A marker "1e<n>" stands for place n - 100, "2e<n>" for number n - 100 of Tal.
    bool Markoer(const std::string& t) {
        if (t.size() < 5 || (t[0] != '1' && t[0] != '2') || t[1] != 'e') return false;
        const int n = std::atoi(t.c_str() + 2) - 100;
        if (t[0] == '1') Saet(TModelOp::Plads, n);
        else Saet(TModelOp::Tal, 0, MarkoerTal[std::size_t(n)]);
        return true;
    }

public:
    std::vector<double> MarkoerTal;

private:
    const std::vector<TSymbol>& s_;
    TNavneRum& rum_;
    std::vector<TModelInstruktion>& kode_;
    std::size_t pos_ = 0;
    int dybde_ = 0;
    std::string fejl_;
};

// Keeps the differentiation's own messages from the user while it works on
// a text the program made; Fejl is left as it was.
class TStilleDifferentiering {
public:
    TStilleDifferentiering() : forrige_(&Flade()), fejl_(Fejl) { SaetFlade(nullptr); }
    ~TStilleDifferentiering() {
        SaetFlade(forrige_);
        Fejl = fejl_;
    }

private:
    Brugerflade* forrige_;
    bool fejl_;
};

std::string Markoer(int mantisse, int n) { return std::to_string(mantisse) + "e" + std::to_string(n + 100); }

// The derivative by parameter j (place j + 1), or nothing.
std::optional<TModelProgram> Afledt(const std::vector<TSymbol>& sym, const TNavneRum& rum,
                                    int j, std::string& tekst) {
    // The model written for diff_fx: the parameter as x, other places as
    // markers, numbers and named constants as markers of their values.
    std::string t;
    std::vector<double> tal;
    const auto& parametre = *rum.Parametre;
    for (const TSymbol& s : sym) {
        switch (s.Art) {
            case TTegnArt::Slut: break;
            case TTegnArt::Operator: t += s.Tekst; break;
            case TTegnArt::Tal:
                tal.push_back(s.Vaerdi);
                t += Markoer(2, int(tal.size()) - 1);
                break;
            case TTegnArt::Navn: {
                if (const int f = FunktionsNr(s.Tekst); f >= 0) {
                    t += FxFunktioner[std::size_t(f)];
                    break;
                }
                if (s.Tekst == rum.XNavn) {
                    t += Markoer(1, 0);
                    break;
                }
                if (auto k = rum.Konstanter.find(s.Tekst); k != rum.Konstanter.end()) {
                    if (s.Tekst == "pi") {
                        t += "pi";
                        break;
                    }
                    tal.push_back(k->second);
                    t += Markoer(2, int(tal.size()) - 1);
                    break;
                }
                for (std::size_t i = 0; i < parametre.size(); ++i)
                    if (parametre[i] == s.Tekst) t += int(i) == j ? "x" : Markoer(1, int(i) + 1);
                break;
            }
        }
    }
    std::string d;
    {
        TStilleDifferentiering stille;
        Fejl = false;
        d = diff_fx(t);
        if (Fejl) d.clear();
    }
    // A text at the length limit may have been cut short on the way.
    if (d.empty() || d.size() >= 250) return std::nullopt;
    tekst = d;
    std::vector<TSymbol> ds;
    std::string besked;
    if (!LaesSymboler(d, ds, besked)) return std::nullopt;
    TNavneRum drum;
    drum.DiffPlads = j + 1;
    TModelProgram prog;
    TModelLaeser laeser(ds, drum, prog);
    laeser.MarkoerTal = tal;
    if (!laeser.Laes(besked)) return std::nullopt;
    return prog;
}

}  // namespace

namespace {

// The functions in double precision with the same domains as the library's.
bool HurtigFunktion(TFunktion f, double x, double& r) {
    switch (f) {
        case TFunktion::Sqrt: r = std::sqrt(x); return x >= 0;
        case TFunktion::Sin: r = std::sin(x); return true;
        case TFunktion::Cos: r = std::cos(x); return true;
        case TFunktion::Sinh: r = std::sinh(x); return true;
        case TFunktion::Cosh: r = std::cosh(x); return true;
        case TFunktion::Tan: r = std::tan(x); return std::cos(x) != 0;
        case TFunktion::Asin: r = std::asin(x); return std::fabs(x) <= 1;
        case TFunktion::Atan: r = std::atan(x); return true;
        case TFunktion::Ln: r = std::log(x); return x > 0;
        case TFunktion::Exp: r = std::exp(x); return true;
        default: return BeregnFunktion(f, x, r) == TFunktionsUdfald::OK;
    }
}

}  // namespace

template <bool Hurtig>
bool TModelProgram::Koer(const double* pladser, double& y) const {
    double stak[MaksIndlejring * 2 + 64];
    int n = 0;
    constexpr int Graense = int(sizeof(stak) / sizeof(stak[0]));
    for (const TModelInstruktion& ins : Kode) {
        switch (ins.Op) {
            case TModelOp::Tal:
                if (n >= Graense) return false;
                stak[n++] = ins.Tal;
                break;
            case TModelOp::Plads:
                if (n >= Graense) return false;
                stak[n++] = pladser[ins.Plads];
                break;
            case TModelOp::Neg: stak[n - 1] = -stak[n - 1]; break;
            case TModelOp::Plus:
                --n;
                stak[n - 1] = Hurtig ? stak[n - 1] + stak[n] : PlusAf(stak[n - 1], stak[n]);
                break;
            case TModelOp::Minus:
                --n;
                stak[n - 1] = Hurtig ? stak[n - 1] - stak[n] : MinusAf(stak[n - 1], stak[n]);
                break;
            case TModelOp::Gange:
                --n;
                stak[n - 1] = Hurtig ? stak[n - 1] * stak[n] : GangeAf(stak[n - 1], stak[n]);
                break;
            case TModelOp::Divider:
                --n;
                if (stak[n] == 0) return false;
                stak[n - 1] = Hurtig ? stak[n - 1] / stak[n] : DividerAf(stak[n - 1], stak[n]);
                break;
            case TModelOp::Potens: {
                --n;
                double r = 0;
                if (Hurtig && stak[n] == 2) {
                    r = stak[n - 1] * stak[n - 1];
                } else if (Hurtig && stak[n - 1] > 0 && std::trunc(stak[n]) != stak[n]) {
                    r = std::pow(stak[n - 1], stak[n]);
                } else if (!PotensVaerdi(stak[n - 1], stak[n], r)) {
                    return false;
                }
                stak[n - 1] = r;
                break;
            }
            case TModelOp::Funktion: {
                const double a = stak[n - 1];
                if ((ins.Funktion == TFunktion::Sqrt || ins.Funktion == TFunktion::Ln) && a < 0) return false;
                double r = 0;
                if (Hurtig) {
                    if (!HurtigFunktion(ins.Funktion, a, r)) return false;
                } else if (BeregnFunktion(ins.Funktion, a, r) != TFunktionsUdfald::OK) {
                    return false;
                }
                stak[n - 1] = r;
                break;
            }
        }
        if (!std::isfinite(stak[n - 1])) return false;
    }
    if (n != 1) return false;
    y = stak[0];
    return true;
}

template bool TModelProgram::Koer<false>(const double*, double&) const;
template bool TModelProgram::Koer<true>(const double*, double&) const;

std::optional<TModel> LaesModel(const std::string& model, const std::string& xNavn,
                                std::span<const TParameter> kendte,
                                std::span<const TParameter> konstanter, std::string& besked) {
    TModel m;
    m.Tekst = FjernMellemrum(model);
    const std::string x = FjernMellemrum(xNavn);
    if (m.Tekst.empty()) {
        besked = "Der er ingen model at fitte";
        return std::nullopt;
    }
    std::vector<TSymbol> sym;
    if (!LaesSymboler(m.Tekst, sym, besked)) return std::nullopt;

    TNavneRum rum;
    rum.XNavn = x;
    for (const TParameter& k : konstanter) rum.Konstanter[k.Navn] = k.Vaerdi;
    rum.Konstanter["pi"] = PiVaerdi;
    rum.Konstanter["e"] = EulersTal;
    // First the names the model uses, then their places: the given ones
    // first in their order (a given name the model does not use is left out).
    std::vector<std::string> brugte;
    rum.Parametre = &brugte;
    {
        TModelProgram proeve;
        TModelLaeser laeser(sym, rum, proeve);
        if (!laeser.Laes(besked)) return std::nullopt;
    }
    for (const TParameter& k : kendte) {
        const std::string navn = FjernMellemrum(k.Navn);
        bool brugt = false, findes = false;
        for (const auto& p : brugte) brugt = brugt || p == navn;
        for (const auto& p : m.Parametre) findes = findes || p == navn;
        if (brugt && !findes) m.Parametre.push_back(navn);
    }
    for (const auto& p : brugte) {
        bool findes = false;
        for (const auto& q : m.Parametre) findes = findes || p == q;
        if (!findes) m.Parametre.push_back(p);
    }
    rum.Parametre = &m.Parametre;
    TModelLaeser laeser(sym, rum, m.Program);
    if (!laeser.Laes(besked)) return std::nullopt;
    if (m.Parametre.empty()) {
        besked = "Modellen har ingen parametre at fitte";
        return std::nullopt;
    }
    if (int(m.Parametre.size()) > MaksModelParametre) {
        besked = "Modellen har " + std::to_string(m.Parametre.size()) +
                 " parametre; h\xF8jst " + std::to_string(MaksModelParametre) + " kan fittes";
        return std::nullopt;
    }
    for (std::size_t j = 0; j < m.Parametre.size(); ++j) {
        std::string tekst;
        m.Afledte.push_back(Afledt(sym, rum, int(j), tekst));
        m.AfledteTekster.push_back(m.Afledte.back() ? tekst : "");
    }
    return m;
}

std::vector<std::string> ModelParametre(const std::string& model, const std::string& xNavn,
                                        std::span<const TParameter> konstanter, std::string& besked) {
    besked.clear();
    auto m = LaesModel(model, xNavn, {}, konstanter, besked);
    return m ? m->Parametre : std::vector<std::string>{};
}

bool ModelVaerdi(const TModel& m, double x, std::span<const double> parametre, double& y) {
    double pladser[MaksModelParametre + 1] = {x};
    for (std::size_t i = 0; i < parametre.size() && i < MaksModelParametre; ++i) pladser[i + 1] = parametre[i];
    return m.Program.Beregn(pladser, y);
}

}  // namespace plotvik
