// Function expressions of x ("Funktionsforskrift"), read afresh at each x.
// The user's text is taken exactly as typed: no blanks removed, lower case
// only, and "-x^" at the start of an expression means -(x^...).
#include <cmath>

#include "core/Brugerflade.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

namespace {

class TFunktionsLaeser {
public:
    TFunktionsLaeser(std::string_view udtryk, double x) : l_(udtryk), x_(x) {}

    double Udtryk() {
        if (afbrudt_) return 0;
        double v;
        if (l_.Fortsaetter("-x^")) v = 0;  // the "-" then subtracts the whole power
        else v = Led();
        while (!afbrudt_ && (l_.Tegn == '+' || l_.Tegn == '-')) {
            const char op = l_.Tegn;
            l_.NaesteTegn();
            const double r = Led();
            if (afbrudt_) return 0;
            v = Kontroller(op == '+' ? PlusAf(v, r) : MinusAf(v, r));
        }
        return v;
    }

    double Kontroller(double v) {
        if (std::isfinite(v)) return v;
        if (!Fejl) {
            Fejl = true;
            VisFejl(Meddelelse("Overl\xF8" "b eller ugyldig regneoperation i funktionsudtryk: \n\r" + l_.Tekst));
        }
        return 0;
    }

private:
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
                VisFejl(Meddelelse("Division med 0 i funktionsudtryk: \n\r" + l_.Tekst));
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
                VisFejl(Meddelelse("Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r" + l_.Tekst));
                return v;
            }
            v = Kontroller(r);
        }
        return v;
    }

    double Fortegn() {
        if (l_.Tegn == '-') {
            l_.NaesteTegn();
            return -Faktor();
        }
        return Faktor();
    }

    double Faktor() {
        if (afbrudt_) return 0;
        if (ErCiffer(l_.Tegn)) return Tal();
        if (l_.Tegn == '(') return Parentes();
        if (l_.Tegn == 'x') {
            l_.NaesteTegn();
            return x_;
        }
        for (size_t f = 0; f < FxFunktioner.size(); ++f)
            if (l_.Fortsaetter(FxFunktioner[f])) return Funktion(f);
        if (l_.Fortsaetter("pi")) {
            l_.NaesteTegn();
            l_.NaesteTegn();
            return PiVaerdi;
        }
        Fejl = true;
        VisFejl(Meddelelse("Ukendt variabel i funktionsudtryk: \n\r" + l_.Tekst));
        return 0;
    }

    double Tal() {
        const std::string tekst = LaesTalTekst(l_, false);
        bool fejl = false;
        const double v = TekstTilTal(tekst, fejl);
        if (fejl) {
            Fejl = true;
            VisFejl(Meddelelse("Fejl i tal \"" + tekst + "\" i funktionsudtryk!"));
            return 0;
        }
        return v;
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
        if (l_.Tegn != ')') {
            Fejl = true;
            VisFejl(Meddelelse("Mangler \")\" i funktionsudtryk: " + l_.Tekst));
        } else {
            l_.NaesteTegn();
        }
        return v;
    }

    double Funktion(size_t f) {
        for (size_t i = 0; i < FxFunktioner[f].size(); ++i) l_.NaesteTegn();
        if (l_.Tegn != '(') {
            Fejl = true;
            VisFejl(Meddelelse("Mangler \"(\" i funktionsudtryk:\n\r" + l_.Tekst));
            return 0;
        }
        const double x = Faktor();
        if (afbrudt_ || Fejl) return 0;
        const TFunktion art = FxFunktionsArt[f];
        if (art == TFunktion::Sqrt && x < 0) {
            Fejl = true;
            VisFejl(Meddelelse("Negativt tal i Kvadratrod i funktionsudtryk: " + l_.Tekst));
            return 0;
        }
        if (art == TFunktion::Ln && x < 0) {
            Fejl = true;
            VisFejl(Meddelelse("Illegalt argument til ln(x) i funktionsudtryk:\n\r" + l_.Tekst));
            return 0;
        }
        double r = 0;
        const TFunktionsUdfald u = BeregnFunktion(art, x, r);
        if (u != TFunktionsUdfald::OK) {
            VisFunktionsFejl(u, x);
            return 0;
        }
        return Kontroller(r);
    }

    void Afbryd() {
        afbrudt_ = true;
        Fejl = true;
        Flade().Fejlboks(
            Meddelelse("For mange parenteser inden i hinanden i funktionsudtryk (h\xF8jst 200): \n\r" + l_.Tekst));
        l_.Pos = l_.Laengde + 1;
        l_.Tegn = SlutTegn;
    }

    TLaeser l_;
    double x_;
    int dybde_ = 0;
    bool afbrudt_ = false;
};

}  // namespace

double FunktionsVaerdi(std::string_view udtryk, double x) {
    TFunktionsLaeser laeser(udtryk, x);
    return laeser.Kontroller(laeser.Udtryk());
}

}  // namespace plotvik
