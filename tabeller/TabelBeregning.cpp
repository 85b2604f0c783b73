// Computing a table's output columns, and the statistics of one column.
#include "tabeller/TabelBeregning.h"

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "core/Brugerflade.h"
#include "graphs/Fourier.h"
#include "graphs/Usikkerhed.h"
#include "interpreter/PlotvikInterprete.h"
#include "interpreter/UdtrykProgram.h"
#include "tabeller/TabelUsikkerhed.h"

namespace plotvik {
namespace {

// One output column. The expression is read once into a program, and each
// measurement only fetches its values and runs it; nothing in the project
// changes meanwhile, so the names keep what they stood for. A measurement
// whose course needs a message (a cell that is no number, a division by 0,
// ...) goes through VariabelUdtryk, which reads the text afresh and shows the
// message in its place, exactly as the user would otherwise see it.
// The values of the cells that expressions read, converted once per
// computation: an input column used by twenty expressions is read once.
// A column is converted only when first read, which is after it was
// computed, since an expression reads only variables left of its own.
class TCelleVaerdier {
public:
    // False when the cell is no number (its value is then not used).
    bool Hent(const TProjekt& p, int t, int nr, int m, double& x) {
        if (t < 0 || t > MaksTabeller || nr < 1 || nr > MaksVariable) return false;
        TSoejle& s = soejler_[t][nr];
        if (!s.Klar) {
            const int n = p.Tabeller[t].AntalIndgange;
            s.Vaerdi.assign(static_cast<size_t>(n) + 1, 0.0);
            s.Tal.assign(static_cast<size_t>(n) + 1, 0);
            for (int i = 1; i <= n; ++i) {
                bool fejl = false;
                s.Vaerdi[i] = TekstTilTal(CelleTekst(p, t, nr, i), fejl);
                s.Tal[i] = !fejl;
            }
            s.Klar = true;
        }
        if (m < 1 || m >= static_cast<int>(s.Tal.size()) || !s.Tal[m]) return false;
        x = s.Vaerdi[m];
        return true;
    }

private:
    struct TSoejle {
        bool Klar = false;
        std::vector<double> Vaerdi;
        std::vector<char> Tal;
    };
    std::array<std::array<TSoejle, MaksVariable + 1>, MaksTabeller + 1> soejler_{};
};

void BeregnSoejle(TProjekt& p, int tabel, int v, TCelleVaerdier& celler) {
    TTabelDef& t = p.Tabeller[tabel];
    const TVariabelDef& var = t.Variable[v];
    const int positioner = var.Positioner > 0 ? var.Positioner : t.TabelBredde;
    const std::string_view tekst = std::string_view(var.Udtryk).substr(0, LangLaengde);
    const TUdtrykProgram prog = OversaetUdtryk(p, tekst, tabel, v);
    const bool hurtig = !prog.AltidDirekte && prog.Navne.size() <= static_cast<size_t>(MaksNavne);
    std::array<double, MaksNavne> vaerdier{};
    std::vector<size_t> celleNavne;
    if (hurtig) {
        for (size_t i = 0; i < prog.Opslag.size(); ++i) {
            const TNavneOpslag& o = prog.Opslag[i];
            if (o.art == TNavneOpslag::Art::Konstant) vaerdier[i] = p.KonstantVaerdi[static_cast<size_t>(o.Nr)];
            else if (o.art == TNavneOpslag::Art::Variabel) celleNavne.push_back(i);
        }
    }
    TTalPlads plads;
    for (int m = 1; m <= t.AntalIndgange && !Fejl; ++m) {
        double x = 0;
        bool klar = hurtig;
        for (size_t k = 0; klar && k < celleNavne.size(); ++k) {
            const TNavneOpslag& o = prog.Opslag[celleNavne[k]];
            klar = celler.Hent(p, o.Tabel, o.Nr, m, vaerdier[celleNavne[k]]);
        }
        if (!(klar && KoerUdtryk(prog, vaerdier.data(), x))) x = VariabelUdtryk(p, var.Udtryk, tabel, v, m);
        if (Fejl) break;
        // A fault the evaluator let through must not reach a cell as inf or nan.
        if (!std::isfinite(x)) {
            Fejl = true;
            VisFejl(Lang("Beregningen giver ikke et tal: variabel " + var.Navn + ", m\xE5ling " +
                         std::to_string(m) + "\n\r" + var.Udtryk));
            break;
        }
        // Formatted into a buffer and copied into the cell's own string: no string in between.
        t.Celler.SaetCelle(FormaterTal(positioner, var.Decimaler, x, plads), v, m + 1);
    }
}

// Whether any value of table t, of a lower table or any constant has an uncertainty.
bool NogenUsikkerhed(const TProjekt& p, int tabel) {
    for (int k = 0; k <= tabel; ++k)
        for (const auto& u : p.Tabeller[k].Usikkerheder)
            if (!u.empty()) return true;
    return false;
}

// The uncertainties of output column v, propagated from those of the
// quantities its formula reads; a column reading none gets none. False
// after a message: then the table holds no uncertainties.
bool ForplantSoejle(TProjekt& p, int tabel, int v, TCelleVaerdier& celler) {
    TTabelDef& t = p.Tabeller[tabel];
    t.Usikkerheder[v].clear();
    const TVariabelDef& var = t.Variable[v];
    TForplantning f(p, std::string_view(var.Udtryk).substr(0, LangLaengde), tabel, v);
    const TUdtrykProgram& prog = f.Program();
    const std::size_t k = prog.Navne.size();
    std::vector<double> vaerdier(k, 0.0), u(k, 0.0);
    std::vector<std::size_t> variable;
    bool nogen = false;
    for (std::size_t i = 0; i < k; ++i) {
        if (!f.ErKilde(i)) continue;
        const TNavneOpslag& o = prog.Opslag[i];
        if (o.art == TNavneOpslag::Art::Konstant) {
            vaerdier[i] = p.KonstantVaerdi[static_cast<std::size_t>(o.Nr)];
            u[i] = GemtUsikkerhed(p, 0, o.Nr, 1);
            nogen = nogen || u[i] > 0;
        } else {
            variable.push_back(i);
            nogen = nogen || !p.Tabeller[o.Tabel].Usikkerheder[o.Nr].empty();
        }
    }
    if (!nogen || prog.AltidDirekte) return true;
    const int n = t.AntalIndgange;
    std::vector<double> ud(static_cast<std::size_t>(n) + 1, std::nan(""));
    for (int m = 1; m <= n; ++m) {
        bool klar = true;
        for (std::size_t j = 0; j < variable.size() && klar; ++j) {
            const std::size_t i = variable[j];
            const TNavneOpslag& o = prog.Opslag[i];
            klar = celler.Hent(p, o.Tabel, o.Nr, m, vaerdier[i]);
            u[i] = GemtUsikkerhed(p, o.Tabel, o.Nr, m);
            klar = klar && !std::isnan(u[i]);
        }
        if (!klar) continue;  // the value itself is no number: no uncertainty either
        double r = 0;
        if (!f.Usikkerhed(vaerdier.data(), u.data(), r)) {
            for (auto& w : t.Usikkerheder) w.clear();
            Flade().Fejlboks("Usikkerheden kan ikke beregnes: variabel " + var.Navn + ", m\xE5ling " +
                             std::to_string(m) + "\n\r" + var.Udtryk);
            return false;
        }
        ud[static_cast<std::size_t>(m)] = r;
    }
    t.Usikkerheder[v] = std::move(ud);
    return true;
}

}  // namespace

bool ErFourierUdtryk(const std::string& udtryk) {
    return udtryk.size() > 8 && SmaaBogstaver(std::string_view(udtryk).substr(0, 7)) == "fourier";
}

void BeregnTabel(TProjekt& p, int tabel) {
    if (tabel < 0 || tabel > MaksTabeller) return;
    TTabelDef& t = p.Tabeller[tabel];
    const int sidste = MinHel(t.AntalVariable, MaksVariable);
    auto celler = std::make_unique<TCelleVaerdier>();
    bool forplant = BeregnIndUsikkerheder(p, tabel) && NogenUsikkerhed(p, tabel);
    for (int v = t.AntalInddata + 1; v <= sidste && !Fejl; ++v) {
        const TVariabelDef& var = t.Variable[v];
        if (ErFourierUdtryk(var.Udtryk)) {
            BeregnFourier(p, tabel, v);
            continue;
        }
        BeregnSoejle(p, tabel, v, *celler);
        if (forplant && !Fejl) forplant = ForplantSoejle(p, tabel, v, *celler);
    }
    Fejl = false;
}

int FindVariabel(const TProjekt& p, int tabel, const std::string& navn) {
    if (tabel < 0 || tabel > MaksTabeller) return 0;
    const std::string kort = Kort(navn);
    const TTabelDef& t = p.Tabeller[tabel];
    for (int v = 1; v <= MinHel(t.AntalVariable, MaksVariable); ++v)
        if (!kort.empty() && t.Variable[v].Navn == kort) return v;
    return 0;
}

TGnsOgSpredning BeregnGnsOgSpredning(const TProjekt& p, int tabel, int variabel) {
    TGnsOgSpredning r;
    const TTabelDef& t = p.Tabeller[tabel];
    const int n = t.AntalIndgange;
    if (n < 1) return r;
    Reel sum = 0, kvadrater = 0;
    for (int m = 1; m <= n; ++m) {
        const std::string& tekst = t.Celler.Celle(variabel, m + 1);
        bool fejl = false;
        Reel x = TekstTilTal(tekst, fejl);
        if (fejl) {
            r.FejlKolonne = m + 1;
            r.FejlTekst = tekst;
            return r;
        }
        sum += x;
        kvadrater += x * x;
    }
    const Reel gns = sum / n;
    std::string enhed;
    const std::string overskrift = t.Celler.HentCelle(variabel, 1);
    auto start = overskrift.find('['), slut = overskrift.find(']', start == std::string::npos ? 0 : start);
    if (start != std::string::npos && slut != std::string::npos)
        enhed = " " + overskrift.substr(start, slut - start + 1);
    r.Gennemsnit = FormaterTal(enhed.empty() ? 12 : 8, 0, gns) + enhed;
    if (n > 1) {
        // Rounding can make the difference a hair below zero for equal values.
        Reel kvadratsum = kvadrater - n * gns * gns;
        if (kvadratsum < 0) kvadratsum = 0;
        r.Spredning = FormaterTal(12, 0, std::sqrt(kvadratsum / (n - 1))) + enhed;
    }
    r.Ok = std::isfinite(static_cast<double>(gns));
    return r;
}

}  // namespace plotvik
