// Reading a variable expression afresh: one routine per grammar rule over
// one reader state. Values of variables come from the text of their cells,
// as the user sees them. The evaluator never clears Fejl; only the user's
// Ignore in a message box does.
#include "interpreter/VariabelUdtryk.h"

#include <algorithm>
#include <cmath>

#include "core/Brugerflade.h"
#include "interpreter/Funktionsbibliotek.h"
#include "interpreter/Operatorlaeser.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/Skanner.h"

namespace plotvik {

TNavneOpslag SlaaNavnOp(const TProjekt& p, std::string_view navn, int tabelNo, int variabelNo) {
    using Art = TNavneOpslag::Art;
    const int antalKonstanter = std::clamp(p.AntalKonstanter, 0, MaksVariable);
    for (int i = 1; i <= antalKonstanter; ++i)
        if (p.Tabeller[0].Variable[static_cast<size_t>(i)].Navn == navn) return {Art::Konstant, 0, i};
    for (int t = std::min(tabelNo, MaksTabeller); t >= 1; --t) {
        const TTabelDef& tabel = p.Tabeller[static_cast<size_t>(t)];
        int antal = std::clamp(tabel.AntalVariable, 0, MaksVariable);
        if (t == tabelNo) antal = std::min(antal, variabelNo - 1);
        for (int i = 1; i <= antal; ++i)
            if (tabel.Variable[static_cast<size_t>(i)].Navn == navn) return {Art::Variabel, t, i};
    }
    for (size_t f = 0; f < UdtrykFunktioner.size(); ++f)
        if (UdtrykFunktioner[f] == navn) return {Art::Funktion, 0, static_cast<int>(f)};
    if (navn == "pi") return {Art::Pi, 0, 0};
    return {};
}

const std::string& CelleTekst(const TProjekt& p, int t, int nr, int m) {
    static const std::string tom;
    const TTabelDef& tabel = p.Tabeller[static_cast<size_t>(t)];
    if (m < 1 || m > tabel.AntalIndgange) return tom;  // beyond the table's measurements: an empty cell
    return tabel.Celler.Celle(nr, m + 1);
}

namespace {

class TVariabelLaeser : public TOperatorLaeser<TVariabelLaeser> {
public:
    static constexpr bool StortE = true;
    static constexpr TOperatorTekster Tekster = {
        "Overl\xF8" "b eller ugyldig regneoperation i udtryk: \n\r",
        "Division med 0 i udtryk: \n\r",
        "Illegal negativ rod til exponentialfunktion i funktionsudtryk: \n\r",
        "For mange parenteser inden i hinanden i udtryk (h\xF8jst 200): \n\r",
    };

    TVariabelLaeser(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo, int maalingNo)
        : TOperatorLaeser(udtryk), p_(p), tabelNo_(tabelNo), variabelNo_(variabelNo), maalingNo_(maalingNo) {}

    double ForsteLed() { return Led(); }

    double Faktor() {
        if (afbrudt_) return 0;
        if (ErCiffer(l_.Tegn)) return Tal();
        if (l_.Tegn == '(') return Parentes();
        if (ErNavneBogstav(l_.Tegn)) return Navn();
        // A trailing operator or a unary "+": no factor begins here.
        const std::string navn = l_.Slut() ? std::string() : std::string(1, l_.Tegn);
        Fejl = true;
        VisFejl(Meddelelse("Variabel eller funktion \"" + navn + "\" er ukendt! "));
        return 0;
    }

    double Navn() {
        const int start = l_.Pos;
        while (ErNavneBogstav(l_.Tegn) || ErCiffer(l_.Tegn)) l_.NaesteTegn();
        const std::string navn =
            Kort(std::string_view(l_.Tekst).substr(static_cast<size_t>(start - 1), static_cast<size_t>(l_.Pos - start)));
        const TNavneOpslag o = SlaaNavnOp(p_, navn, tabelNo_, variabelNo_);
        switch (o.art) {
            case TNavneOpslag::Art::Konstant: return p_.KonstantVaerdi[static_cast<size_t>(o.Nr)];
            case TNavneOpslag::Art::Variabel: {
                const std::string& celle = CelleTekst(p_, o.Tabel, o.Nr, maalingNo_);
                bool fejl = false;
                const double v = TekstTilTal(celle, fejl);
                if (fejl) {
                    Fejl = true;
                    VisFejl(Meddelelse("Fejl i variabel: " + celle + " i tabel " + std::to_string(o.Tabel)));
                    return 0;
                }
                return v;
            }
            case TNavneOpslag::Art::Funktion: {
                if (l_.Tegn != '(') {
                    Fejl = true;
                    VisFejl(Meddelelse("Mangler \"(\" i funktionsudtryk: " + navn));
                    return 0;
                }
                const double x = Faktor();
                if (afbrudt_) return 0;
                double r = 0;
                const TFunktionsUdfald u = BeregnFunktion(UdtrykFunktionsArt[static_cast<size_t>(o.Nr)], x, r);
                if (u != TFunktionsUdfald::OK) {
                    VisFunktionsFejl(u, x);
                    return 0;
                }
                return Kontroller(r);
            }
            case TNavneOpslag::Art::Pi: return PiVaerdi;
            case TNavneOpslag::Art::Ukendt: break;
        }
        Fejl = true;
        VisFejl(Meddelelse("Variabel eller funktion \"" + navn + "\" er ukendt! "));
        return 0;
    }

private:
    const TProjekt& p_;
    int tabelNo_, variabelNo_, maalingNo_;
};

}  // namespace

double VariabelUdtrykDirekte(const TProjekt& p, std::string_view udtryk, int tabelNo, int variabelNo,
                             int maalingNo) {
    TVariabelLaeser laeser(p, udtryk, tabelNo, variabelNo, maalingNo);
    const double v = laeser.Kontroller(laeser.Udtryk());
    if (Fejl)
        VisFejl("Syntaksfejl fundet i tal eller udtryk!  " + std::to_string(variabelNo) + ". variabel " +
                std::to_string(maalingNo) + ". m\xE5ling");
    return v;
}

}  // namespace plotvik
