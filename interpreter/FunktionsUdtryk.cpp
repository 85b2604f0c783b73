// Function expressions of x ("Funktionsforskrift"), read afresh at each x.
// The user's text is taken exactly as typed: no blanks removed, lower case
// only, and "-x^" at the start of an expression means -(x^...).
#include <cmath>

#include "core/Brugerflade.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/Operatorlaeser.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

namespace {

class TFunktionsLaeser : public TOperatorLaeser<TFunktionsLaeser> {
public:
    static constexpr bool StortE = false;
    static constexpr TOperatorTekster Tekster = {
        "Overl\xF8" "b eller ugyldig regneoperation i funktionsudtryk: \n\r",
        "Division med 0 i funktionsudtryk: \n\r",
        "Illegal negativ rod til exponentialfunktion i funktionsudtryk:\n\r",
        "For mange parenteser inden i hinanden i funktionsudtryk (h\xF8jst 200): \n\r",
    };

    TFunktionsLaeser(std::string_view udtryk, double x) : TOperatorLaeser(udtryk), x_(x) {}

    // "-x^" at the start: the "-" then subtracts the whole power.
    double ForsteLed() { return l_.Fortsaetter("-x^") ? 0 : Led(); }

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

private:
    double x_;
};

}  // namespace

double FunktionsVaerdi(std::string_view udtryk, double x) {
    TFunktionsLaeser laeser(udtryk, x);
    return laeser.Kontroller(laeser.Udtryk());
}

}  // namespace plotvik
