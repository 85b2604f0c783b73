// Symbolic differentiation of a function expression, on text: each term is
// cut into a left operand, an operator and a right operand, and the
// derivative is built from fixed templates, differentiating operand texts by
// complete nested calls. sinh, cosh and tan are read under the internal
// names hsin, hcos and ftg, so that no function name begins another.
#include <string>
#include <string_view>

#include "core/PlotvikTyper.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

namespace {

constexpr char FejlMaerke = '?';

enum class TKlasse { Konstant, X, Sammensat };

// Purely textual, as the rules need it: no x at all, exactly "x", or anything else.
TKlasse Klasse(std::string_view t) {
    if (t.substr(0, 128).find('x') == std::string_view::npos) return TKlasse::Konstant;
    return t == "x" ? TKlasse::X : TKlasse::Sammensat;
}

// Replaces every occurrence, left to right; with undtagA an occurrence right
// after an "a" stays (the tan of atan).
std::string Erstat(std::string_view s, std::string_view fra, std::string_view til, bool undtagA = false) {
    std::string r;
    size_t i = 0;
    while (i < s.size()) {
        if (s.substr(i).starts_with(fra) && !(undtagA && i > 0 && s[i - 1] == 'a')) {
            r += til;
            i += fra.size();
        } else {
            r += s[i++];
        }
    }
    return r;
}

std::string DiffFx(std::string_view udtryk, int niveau);

// The text u as it may stand right after a unary minus. Unary minus binds
// more tightly than "^", so "-2^2" would be (-2)^2: a u with a power outside
// any parentheses is enclosed, so that the minus negates all of it; every
// other u is written as it is.
std::string Negeret(const std::string& u) {
    int dybde = 0;
    for (char c : u) {
        if (c == '(') ++dybde;
        else if (c == ')') --dybde;
        else if (c == '^' && dybde == 0) return "(" + u + ")";
    }
    return u;
}

// The derivative of function i at argument x, and its outer part at a composite argument a.
std::string FunktionVedX(size_t i) {
    static constexpr std::array<std::string_view, 13> skabelon = {
        "abs(x)/x",      "1/(2*sqrt(x))", "cos(x)",    "cosh(x)",
        "1/sqrt(1-x^2)", "(-sin(x))",     "sinh(x)",   "(1+tan(x)^2)",
        "1/(1+x^2)",     "1/x",           "exp(x)",    "2/sqrt(pi)*exp(-x^2)",
        "1/sqrt(2*pi)*exp(-0.5*x^2)"};
    return std::string(skabelon[i]);
}

std::string FunktionVedA(size_t i, const std::string& a) {
    switch (i) {
        case 0: return "abs(" + a + ")/(" + a + ")";
        case 1: return "1/(2*sqrt(" + a + "))";
        case 2: return "cos(" + a + ")";
        case 3: return "cosh(" + a + ")";
        case 4: return "1/sqrt(1-(" + a + ")^2)";
        case 5: return "(-sin(" + a + "))";
        case 6: return "sinh(" + a + ")";
        case 7: return "(1+tan(" + a + ")^2)";
        case 8: return "1/(1+(" + a + ")^2)";
        case 9: return "1/(" + a + ")";
        case 10: return "exp(" + a + ")";
        // The square is taken before the sign changes: unary minus binds tighter
        // than "^", so "-(a)^2" would read as the square of -(a) and give exp(+a^2).
        case 11: return "2/sqrt(pi)*exp(-((" + a + ")^2))";
        default: return "1/sqrt(2*pi)*exp(-0.5*(" + a + ")^2)";
    }
}

class TDiffLaeser {
public:
    TDiffLaeser(const std::string& tekst, int niveau) : niveau_(niveau) {
        l_.Tekst = tekst;
        l_.Laengde = static_cast<int>(tekst.size());
        NaesteTegn();
    }

    std::string Udtryk() {
        std::string d = FortegnLed();
        while (!fejlmaerke_ && (l_.Tegn == '+' || l_.Tegn == '-')) {
            const char fortegn = l_.Tegn;
            NaesteTegn();
            d = Lang(d + fortegn + FortegnLed());
        }
        return d;
    }

    // Read to the end, with no error mark.
    bool LaestHelt() const { return !fejlmaerke_ && l_.Slut(); }

private:
    void NaesteTegn() {
        if (fejlmaerke_) return;
        do l_.NaesteTegn();
        while (!l_.Slut() && l_.Tegn == ' ');
    }

    void SaetFejlmaerke() {
        fejlmaerke_ = true;
        l_.Tegn = FejlMaerke;
        Fejl = true;
    }

    std::string D(const std::string& t) { return DiffFx(t, niveau_ + 1); }

    // ------------------------------------------------------------ text readers

    // After "(" has been read past: the text up to the matching ")", which is
    // read past but not kept.
    std::string BalanceretTekst() {
        int dybde = 1;
        std::string t;
        for (;;) {
            if (fejlmaerke_ || l_.Slut()) {
                SaetFejlmaerke();  // unbalanced parentheses: reported like any other fault in the text
                return t;
            }
            if (l_.Tegn == '(') {
                ++dybde;
            } else if (l_.Tegn == ')' && --dybde == 0) {
                NaesteTegn();
                return t;
            }
            t += l_.Tegn;
            NaesteTegn();
        }
    }

    std::string TalTekst() {
        std::string t;
        while (ErCiffer(l_.Tegn) || l_.Tegn == '.') {
            t += l_.Tegn;
            NaesteTegn();
        }
        if (l_.Tegn == 'e') {
            t += l_.Tegn;
            NaesteTegn();
            if (l_.Tegn == '+' || l_.Tegn == '-') {
                t += l_.Tegn;
                NaesteTegn();
            }
            while (ErCiffer(l_.Tegn)) {
                t += l_.Tegn;
                NaesteTegn();
            }
        }
        return t;
    }

    void Spring(size_t n) {
        for (size_t i = 0; i < n; ++i) NaesteTegn();
    }

    // The index of the function name the text continues with, or -1.
    int FunktionsNavn() const {
        for (size_t i = 0; i < DiffFunktioner.size(); ++i)
            if (l_.Fortsaetter(DiffFunktioner[i])) return static_cast<int>(i);
        return -1;
    }

    std::string FaktorTekst() {
        if (fejlmaerke_) return "";
        if (ErCiffer(l_.Tegn)) return TalTekst();
        if (l_.Fortsaetter("pi")) {
            Spring(2);
            return "pi";
        }
        if (l_.Tegn == 'x') {
            NaesteTegn();
            return "x";
        }
        if (l_.Tegn == '(') {
            NaesteTegn();
            return "(" + BalanceretTekst() + ")";
        }
        const int f = FunktionsNavn();
        if (f >= 0) {
            const auto navn = DiffFunktioner[static_cast<size_t>(f)];
            Spring(navn.size());
            if (l_.Tegn != '(') {
                SaetFejlmaerke();
                return std::string(navn);
            }
            NaesteTegn();
            return std::string(navn) + "(" + BalanceretTekst() + ")";
        }
        SaetFejlmaerke();
        return "";
    }

    std::string FortegnFaktorTekst() {
        if (l_.Tegn == '-') {
            NaesteTegn();
            return "-" + FaktorTekst();
        }
        if (l_.Tegn == '+') NaesteTegn();
        return FaktorTekst();
    }

    // ------------------------------------------------------------ derivatives

    std::string FortegnLed() {
        if (l_.Tegn == '-') {
            NaesteTegn();
            return Lang("-" + Led());
        }
        if (l_.Tegn == '+') NaesteTegn();
        return Led();
    }

    std::string Led() {
        const int startPos = l_.Pos;
        const char startTegn = l_.Tegn;
        std::string w = FortegnFaktorTekst(), u, v;
        char op = 0;
        while (!fejlmaerke_ && (l_.Tegn == '*' || l_.Tegn == '/' || l_.Tegn == '^')) {
            if (l_.Tegn == '*') {
                op = '*';
                u = w;
                NaesteTegn();
                v = FortegnFaktorTekst();
                while (!fejlmaerke_ && (l_.Tegn == '*' || l_.Tegn == '/' || l_.Tegn == '^')) {
                    v += l_.Tegn;
                    NaesteTegn();
                    v = Lang(v + FortegnFaktorTekst());
                }
            } else if (l_.Tegn == '/') {
                op = '/';
                u = w;
                NaesteTegn();
                v = FortegnFaktorTekst();
                while (!fejlmaerke_ && l_.Tegn == '^') {  // a power binds more tightly than the division
                    v += '^';
                    NaesteTegn();
                    v = Lang(v + FortegnFaktorTekst());
                }
                w = Lang(w + "/" + v);
            } else {
                op = '^';
                u = w;
                NaesteTegn();
                v = FortegnFaktorTekst();
                w = Lang(w + "^" + v);
            }
        }
        if (fejlmaerke_) return "";
        if (op == 0) {
            l_.Pos = startPos;
            l_.Tegn = startTegn;
            return FortegnFaktor();
        }
        if (op == '*') return Lang(Produkt(u, v));
        if (op == '/') return Lang(Kvotient(u, v));
        return Lang(Potens(u, v));
    }

    std::string Produkt(const std::string& u, const std::string& v) {
        const TKlasse ku = Klasse(u), kv = Klasse(v);
        if (ku == TKlasse::Konstant) {
            if (kv == TKlasse::Konstant) return "0";
            if (kv == TKlasse::X) return u;
            return u + "*(" + D(v) + ")";
        }
        if (ku == TKlasse::X) {
            if (kv == TKlasse::Konstant) return v;
            if (kv == TKlasse::X) return "2*x";
            return "(" + v + "+x*(" + D(v) + "))";
        }
        if (kv == TKlasse::Konstant) return "(" + D(u) + ")*" + v;
        if (kv == TKlasse::X) return "(" + D(u) + "*x+" + u + ")";
        const std::string du = D(u);
        return "(" + du + "*" + v + "+" + u + "*(" + D(v) + "))";
    }

    std::string Kvotient(const std::string& u, const std::string& v) {
        const TKlasse ku = Klasse(u), kv = Klasse(v);
        if (ku == TKlasse::Konstant) {
            if (kv == TKlasse::Konstant) return "0";
            if (kv == TKlasse::X) return "(-" + Negeret(u) + "/x^2)";
            return "(-" + Negeret(u) + "/" + v + "^2*" + D(v) + ")";
        }
        if (ku == TKlasse::X) {
            if (kv == TKlasse::Konstant) return "1/" + v;
            if (kv == TKlasse::X) return "0";
            return "(" + v + "-x*" + D(v) + ")/" + v + "^2";
        }
        if (kv == TKlasse::Konstant) return D(u) + "/" + v;
        if (kv == TKlasse::X) return "(" + D(u) + "*x-" + u + ")/x^2";
        const std::string du = D(u);
        return "(" + du + "*" + v + "-" + u + "*" + D(v) + ")/" + v + "^2";
    }

    std::string Potens(const std::string& u, const std::string& p) {
        const TKlasse ku = Klasse(u), kp = Klasse(p);
        if (ku == TKlasse::Konstant) {
            if (kp == TKlasse::Konstant) return "0";
            if (kp == TKlasse::X) return u + "^x*ln(" + u + ")";
            return u + "^" + p + "*ln(" + u + ")*" + D(p);
        }
        if (ku == TKlasse::X) {
            if (kp == TKlasse::Konstant) return p + "*x^(" + p + "-1)";
            if (kp == TKlasse::X) return "x^x*(1+ln(x))";
            return "x^" + p + "*(" + p + "/x+ln(x)*" + D(p) + ")";
        }
        if (kp == TKlasse::Konstant) return p + "*" + u + "^(" + p + "-1)*" + D(u);
        if (kp == TKlasse::X) return u + "^x*(ln(" + u + ")+x*1/" + u + "*" + D(u) + ")";
        const std::string dp = D(p);
        return u + "^" + p + "*(" + dp + "*ln(" + u + ")+" + p + "*1/" + u + "*" + D(u) + ")";
    }

    std::string FortegnFaktor() {
        if (l_.Tegn == '-') {
            NaesteTegn();
            return Lang("-" + Faktor());
        }
        if (l_.Tegn == '+') NaesteTegn();
        return Faktor();
    }

    std::string Faktor() {
        if (fejlmaerke_) return "";
        if (ErCiffer(l_.Tegn)) {
            TalTekst();
            return "0";
        }
        if (l_.Fortsaetter("pi")) {
            Spring(2);
            return "0";
        }
        if (l_.Tegn == '(') {
            NaesteTegn();
            if (++dybde_ + niveau_ > MaksIndlejring) {
                SaetFejlmaerke();
                return "";
            }
            const std::string d = Udtryk();
            --dybde_;
            if (fejlmaerke_) return "";
            if (l_.Tegn != ')') {
                SaetFejlmaerke();
                return "";
            }
            NaesteTegn();
            return Lang("(" + d + ")");
        }
        if (l_.Tegn == 'x') {
            NaesteTegn();
            return "1";
        }
        const int f = FunktionsNavn();
        if (f < 0) {
            SaetFejlmaerke();
            return "";
        }
        const auto i = static_cast<size_t>(f);
        Spring(DiffFunktioner[i].size());
        if (l_.Tegn != '(') {
            SaetFejlmaerke();
            return "";
        }
        NaesteTegn();
        const std::string a = BalanceretTekst();
        if (fejlmaerke_) return "";
        switch (Klasse(a)) {
            case TKlasse::Konstant: return "0";
            case TKlasse::X: return FunktionVedX(i);
            case TKlasse::Sammensat: break;
        }
        return Lang(FunktionVedA(i, a) + "*(" + D(a) + ")");
    }

    TLaeser l_;
    int niveau_;
    int dybde_ = 0;
    bool fejlmaerke_ = false;
};

std::string DiffFx(std::string_view udtryk, int niveau) {
    std::string tekst = Lang(SmaaBogstaver(FjernMellemrumUdenforCitat(udtryk)));
    tekst = Erstat(tekst, "sinh", "hsin");
    tekst = Erstat(tekst, "tan", "ftg", true);
    tekst = Erstat(tekst, "cosh", "hcos");
    tekst = Lang(tekst);
    if (niveau > MaksIndlejring) {
        Fejl = true;
        VisFejl(Meddelelse("Fejl i diff_fx " + tekst));
        return "";
    }
    TDiffLaeser laeser(tekst, niveau);
    std::string d = laeser.Udtryk();
    d = Erstat(d, "hsin", "sinh");
    d = Erstat(d, "ftg", "tan");
    d = Erstat(d, "hcos", "cosh");
    if (!laeser.LaestHelt()) {
        Fejl = true;
        VisFejl(Meddelelse("Fejl i diff_fx " + tekst));
        return "";
    }
    return Lang(d);
}

}  // namespace

std::string diff_fx(std::string_view udtryk) { return DiffFx(udtryk, 0); }

}  // namespace plotvik
