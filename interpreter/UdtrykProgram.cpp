// Translation of a variable expression into a stack program, its run, and
// VariabelUdtryk itself with the cache of programs per expression, table and
// variable.
#include "interpreter/UdtrykProgram.h"

#include <cmath>
#include <unordered_map>

#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

namespace {

// Follows the reader's grammar step for step, emitting code instead of
// computing. The first fault in the text ends the translation.
class TOversaetter {
public:
    TOversaetter(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo)
        : p_(p), l_(udtryk), tabelNo_(tabelNo), variabelNo_(variabelNo) {}

    TUdtrykProgram Oversaet() {
        Udtryk();
        if (prog_.Kode.empty()) prog_.AltidDirekte = true;
        if (prog_.AltidDirekte) prog_.Kode.clear();
        return std::move(prog_);
    }

private:
    bool Stop() const { return prog_.AltidDirekte; }
    void Fejlfundet() { prog_.AltidDirekte = true; }

    void Emit(TInstruktion i, int stak) {
        prog_.Kode.push_back(i);
        stak_ += stak;
        if (stak_ > MaksStak) Fejlfundet();
    }

    void Udtryk() {
        Led();
        while (!Stop() && (l_.Tegn == '+' || l_.Tegn == '-')) {
            const char op = l_.Tegn;
            l_.NaesteTegn();
            Led();
            Emit({op == '+' ? TOperation::Plus : TOperation::Minus}, -1);
        }
    }

    void Led() {
        Potens();
        while (!Stop() && (l_.Tegn == '*' || l_.Tegn == '/')) {
            const char op = l_.Tegn;
            l_.NaesteTegn();
            Potens();
            Emit({op == '*' ? TOperation::Gange : TOperation::Divider}, -1);
        }
    }

    void Potens() {
        Fortegn();
        while (!Stop() && l_.Tegn == '^') {
            l_.NaesteTegn();
            Fortegn();
            if (Stop()) return;
            TInstruktion& sidste = prog_.Kode.back();
            if (sidste.Op == TOperation::Tal && std::trunc(sidste.Tal) == sidste.Tal &&
                std::fabs(sidste.Tal) <= 65535) {
                sidste.Op = TOperation::PotensHel;  // the same IntPotens the general rule would take
                --stak_;
            } else {
                Emit({TOperation::Potens}, -1);
            }
        }
    }

    void Fortegn() {
        if (l_.Tegn == '-') {
            l_.NaesteTegn();
            Faktor();
            Emit({TOperation::Neg}, 0);
        } else {
            Faktor();
        }
    }

    void Faktor() {
        if (Stop()) return;
        if (ErCiffer(l_.Tegn)) {
            const std::string tekst = LaesTalTekst(l_, true);
            bool fejl = false;
            const double v = TekstTilTal(tekst, fejl);
            if (fejl) return Fejlfundet();
            Emit({TOperation::Tal, TFunktion::Abs, 0, v}, 1);
        } else if (l_.Tegn == '(') {
            if (++dybde_ > MaksIndlejring) return Fejlfundet();
            l_.NaesteTegn();
            Udtryk();
            --dybde_;
            if (Stop()) return;
            if (l_.Tegn != ')') return Fejlfundet();
            l_.NaesteTegn();
        } else if (ErNavneBogstav(l_.Tegn)) {
            Navn();
        } else {
            Fejlfundet();
        }
    }

    void Navn() {
        const int start = l_.Pos;
        while (ErNavneBogstav(l_.Tegn) || ErCiffer(l_.Tegn)) l_.NaesteTegn();
        const std::string navn =
            Kort(std::string_view(l_.Tekst).substr(static_cast<size_t>(start - 1), static_cast<size_t>(l_.Pos - start)));
        const TNavneOpslag o = SlaaNavnOp(p_, navn, tabelNo_, variabelNo_);
        const auto nr = static_cast<std::uint16_t>(Husk(navn, o));
        switch (o.art) {
            case TNavneOpslag::Art::Konstant:
            case TNavneOpslag::Art::Variabel: Emit({TOperation::Navn, TFunktion::Abs, nr, 0}, 1); return;
            case TNavneOpslag::Art::Funktion:
                if (l_.Tegn != '(') return Fejlfundet();
                Faktor();
                Emit({TOperation::Funktion, UdtrykFunktionsArt[static_cast<size_t>(o.Nr)]}, 0);
                return;
            case TNavneOpslag::Art::Pi: Emit({TOperation::Tal, TFunktion::Abs, 0, PiVaerdi}, 1); return;
            case TNavneOpslag::Art::Ukendt: Fejlfundet(); return;
        }
    }

    int Husk(const std::string& navn, const TNavneOpslag& o) {
        for (size_t i = 0; i < prog_.Navne.size(); ++i)
            if (prog_.Navne[i] == navn) return static_cast<int>(i);
        if (static_cast<int>(prog_.Navne.size()) >= MaksNavne) {
            Fejlfundet();
            return 0;
        }
        prog_.Navne.push_back(navn);
        prog_.Opslag.push_back(o);
        return static_cast<int>(prog_.Navne.size()) - 1;
    }

    const TProjekt& p_;
    TLaeser l_;
    int tabelNo_, variabelNo_;
    int dybde_ = 0;
    int stak_ = 0;
    TUdtrykProgram prog_;
};

}  // namespace

TUdtrykProgram OversaetUdtryk(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo) {
    return TOversaetter(p, udtryk, tabelNo, variabelNo).Oversaet();
}

bool KoerUdtryk(const TUdtrykProgram& prog, const double* vaerdier, double& resultat) {
    std::array<double, MaksStak + 1> s;
    int sp = 0;
    for (const TInstruktion& i : prog.Kode) {
        switch (i.Op) {
            case TOperation::Tal: s[static_cast<size_t>(sp++)] = i.Tal; continue;
            case TOperation::Navn: s[static_cast<size_t>(sp++)] = vaerdier[i.Navn]; continue;
            case TOperation::Neg: s[static_cast<size_t>(sp - 1)] = -s[static_cast<size_t>(sp - 1)]; continue;
            case TOperation::PotensHel: {
                double& x = s[static_cast<size_t>(sp - 1)];
                x = SomDouble(IntPotens(x, static_cast<int>(i.Tal)));
                if (!std::isfinite(x)) return false;
                continue;
            }
            case TOperation::Funktion: {
                double& x = s[static_cast<size_t>(sp - 1)];
                // The two commonest functions without the call; the same arithmetic as the library.
                if (i.Funktion == TFunktion::Abs) {
                    x = std::fabs(x);
                    if (!std::isfinite(x)) return false;
                    continue;
                }
                if (i.Funktion == TFunktion::Sqrt) {
                    x = SomDouble(std::sqrt(static_cast<Reel>(x)));
                    if (!std::isfinite(x)) return false;
                    continue;
                }
                double r;
                if (BeregnFunktion(i.Funktion, x, r) != TFunktionsUdfald::OK || !std::isfinite(r)) return false;
                x = r;
                continue;
            }
            default: break;
        }
        const double b = s[static_cast<size_t>(--sp)];
        double& a = s[static_cast<size_t>(sp - 1)];
        double r;
        switch (i.Op) {
            case TOperation::Plus: r = PlusAf(a, b); break;
            case TOperation::Minus: r = MinusAf(a, b); break;
            case TOperation::Gange: r = GangeAf(a, b); break;
            case TOperation::Divider:
                if (b == 0) return false;
                r = DividerAf(a, b);
                break;
            default:
                if (!PotensVaerdi(a, b, r)) return false;
                break;
        }
        if (!std::isfinite(r)) return false;
        a = r;
    }
    resultat = s[0];
    return std::isfinite(resultat);
}

namespace {

// Programs by expression text, table and variable. Bounded, since a user may
// type many different graph expressions in one session.
class TProgramLager {
public:
    TUdtrykProgram& Find(const TProjekt& p, std::string_view tekst, int tabelNo, int variabelNo) {
        noegle_.assign(tekst);
        noegle_.push_back('\0');
        noegle_.append(reinterpret_cast<const char*>(&tabelNo), sizeof tabelNo);
        noegle_.append(reinterpret_cast<const char*>(&variabelNo), sizeof variabelNo);
        if (sidste_ && sidsteNoegle_ == noegle_) return *sidste_;
        auto it = lager_.find(noegle_);
        if (it == lager_.end()) {
            if (lager_.size() >= 512) lager_.clear();
            it = lager_.emplace(noegle_, OversaetUdtryk(p, tekst, tabelNo, variabelNo)).first;
        }
        sidste_ = &it->second;
        sidsteNoegle_ = noegle_;
        return it->second;
    }

private:
    std::unordered_map<std::string, TUdtrykProgram> lager_;
    std::string noegle_, sidsteNoegle_;
    TUdtrykProgram* sidste_ = nullptr;
};

TProgramLager& Lager() {
    static TProgramLager lager;
    return lager;
}

enum class TNavneUdfald { Klar, NavneAendret, CelleFejl };

// Checks that every name of the program still stands for what it stood for
// when the program was made (the project may have been loaded afresh), and
// with medVaerdier fills their values for this measurement. CelleFejl: a
// cell that does not convert, which needs its message.
TNavneUdfald HentVaerdier(const TProjekt& p, const TUdtrykProgram& prog, int tabelNo, int variabelNo,
                          int maalingNo, bool medVaerdier, double* vaerdier) {
    TNavneUdfald udfald = TNavneUdfald::Klar;
    for (size_t i = 0; i < prog.Navne.size(); ++i) {
        const TNavneOpslag o = SlaaNavnOp(p, prog.Navne[i], tabelNo, variabelNo);
        if (!(o == prog.Opslag[i])) return TNavneUdfald::NavneAendret;
        if (!medVaerdier || udfald != TNavneUdfald::Klar) continue;
        if (o.art == TNavneOpslag::Art::Konstant) {
            vaerdier[i] = p.KonstantVaerdi[static_cast<size_t>(o.Nr)];
        } else if (o.art == TNavneOpslag::Art::Variabel) {
            bool fejl = false;
            vaerdier[i] = TekstTilTal(CelleTekst(p, o.Tabel, o.Nr, maalingNo), fejl);
            if (fejl) udfald = TNavneUdfald::CelleFejl;
        }
    }
    return udfald;
}

}  // namespace

double VariabelUdtryk(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo, int maalingNo) {
    const std::string_view tekst = udtryk.substr(0, LangLaengde);
    // An error already standing changes the course of the reading; leave that to the reader.
    if (Fejl) return VariabelUdtrykDirekte(p, tekst, tabelNo, variabelNo, maalingNo);
    TUdtrykProgram& prog = Lager().Find(p, tekst, tabelNo, variabelNo);
    std::array<double, MaksNavne> vaerdier;
    TNavneUdfald u = HentVaerdier(p, prog, tabelNo, variabelNo, maalingNo, !prog.AltidDirekte, vaerdier.data());
    if (u == TNavneUdfald::NavneAendret) {
        prog = OversaetUdtryk(p, tekst, tabelNo, variabelNo);
        u = HentVaerdier(p, prog, tabelNo, variabelNo, maalingNo, !prog.AltidDirekte, vaerdier.data());
    }
    double v;
    if (!prog.AltidDirekte && u == TNavneUdfald::Klar && KoerUdtryk(prog, vaerdier.data(), v)) return v;
    // Something needs a message: read the text afresh, which shows it in its place.
    return VariabelUdtrykDirekte(p, tekst, tabelNo, variabelNo, maalingNo);
}

}  // namespace plotvik
