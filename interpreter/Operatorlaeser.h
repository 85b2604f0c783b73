// The operator rules that the variable-expression and function-expression
// readers share: sums, products, powers, the unary minus, parentheses, the
// nesting limit and the check for non-finite results. Each reader supplies
// its own factors (names, numbers, functions), its first term and its texts.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/Skanner.h"

namespace plotvik {

// The messages in which the two readers differ.
struct TOperatorTekster {
    const char* Overloeb;    // a non-finite result
    const char* Division;    // division by 0
    const char* NegativRod;  // a negative number to a fractional power
    const char* ForDyb;      // parentheses nested too deeply
};

// Afledt provides Faktor(), ForsteLed(), a static Tekster and a static StortE
// (whether "E" as well as "e" starts an exponent in its numbers).
template <typename Afledt>
class TOperatorLaeser {
public:
    explicit TOperatorLaeser(std::string_view udtryk) : l_(udtryk) {}

    double Udtryk() {
        if (afbrudt_) return 0;
        double v = selv().ForsteLed();
        while (!afbrudt_ && (l_.Tegn == '+' || l_.Tegn == '-')) {
            const char op = l_.Tegn;
            l_.NaesteTegn();
            const double r = Led();
            if (afbrudt_) return 0;
            v = Kontroller(op == '+' ? PlusAf(v, r) : MinusAf(v, r));
        }
        return v;
    }

    // A non-finite result is an arithmetic fault the user must hear about;
    // it never travels on as a value.
    double Kontroller(double v) {
        if (std::isfinite(v)) return v;
        if (!Fejl) {
            Fejl = true;
            VisFejl(Meddelelse(Afledt::Tekster.Overloeb + l_.Tekst));
        }
        return 0;
    }

protected:
    double Led() {
        double v = Potens();
        while (!afbrudt_ && (l_.Tegn == '*' || l_.Tegn == '/')) {
            const char op = l_.Tegn;
            l_.NaesteTegn();
            const double r = Potens();
            if (afbrudt_) return 0;
            if (Fejl) continue;
            if (op == '*') {
                v = Kontroller(GangeAf(v, r));
            } else if (r == 0) {
                Fejl = true;
                VisFejl(Meddelelse(Afledt::Tekster.Division + l_.Tekst));
                return v;
            } else {
                v = Kontroller(DividerAf(v, r));
            }
        }
        return v;
    }

    double Potens() {
        double v = Fortegn();
        while (!afbrudt_ && l_.Tegn == '^') {
            l_.NaesteTegn();
            const double b = Fortegn();
            if (afbrudt_) return 0;
            double r = 0;
            if (!PotensVaerdi(v, b, r)) {
                Fejl = true;
                VisFejl(Meddelelse(Afledt::Tekster.NegativRod + l_.Tekst));
                return v;
            }
            v = Kontroller(r);
        }
        return v;
    }

    double Tal() {
        const std::string tekst = LaesTalTekst(l_, Afledt::StortE);
        bool fejl = false;
        const double v = TekstTilTal(tekst, fejl);
        if (fejl) {
            Fejl = true;
            VisFejl(Meddelelse("Fejl i tal \"" + tekst + "\" i funktionsudtryk!"));
            return 0;
        }
        return v;
    }

    // Unary minus binds tighter than "^".
    double Fortegn() {
        if (l_.Tegn == '-') {
            l_.NaesteTegn();
            return -selv().Faktor();
        }
        return selv().Faktor();
    }

    double Parentes() {
        if (++dybde_ > MaksIndlejring) {
            Afbryd();
            return 0;
        }
        l_.NaesteTegn();
        const double v = Udtryk();
        --dybde_;
        if (afbrudt_) return 0;
        if (l_.Tegn == ')') {
            l_.NaesteTegn();
        } else {
            Fejl = true;
            VisFejl(Meddelelse("Mangler \")\" i funktionsudtryk: " + l_.Tekst));
        }
        return v;
    }

    // Too deeply nested to follow: stop reading altogether, with one message
    // that the user cannot ignore, since no value was computed.
    void Afbryd() {
        afbrudt_ = true;
        Fejl = true;
        Flade().Fejlboks(Meddelelse(Afledt::Tekster.ForDyb + l_.Tekst));
        l_.Pos = l_.Laengde + 1;
        l_.Tegn = SlutTegn;
    }

    TLaeser l_;
    int dybde_ = 0;
    bool afbrudt_ = false;

private:
    Afledt& selv() { return static_cast<Afledt&>(*this); }
};

}  // namespace plotvik
