// The Fourier coefficient column of a "fourier(t,y)" variable: one period of
// a tabulated function, sampled at equally spaced t, is turned into
// a0 .. aK and b1 .. bK, written into the variable's cells and kept in the
// coefficient arrays for the spectrum on a graph sheet.
#include "graphs/Fourier.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "core/Brugerflade.h"
#include "files/Opbygning.h"
#include "graphs/GrafTegning.h"

namespace plotvik {

namespace {

const char* const FejlTransform = "Fejl fundet af FourierTransform";

std::string UdenMellemrum(std::string_view s) { return FjernMellemrum(s); }

// The last variable of the table with exactly this name; 0 when none has it.
int FindVariabel(const TTabelDef& tabel, const std::string& navn) {
    int fundet = 0;
    for (int v = 1; v <= tabel.AntalVariable && v <= MaksVariable; ++v)
        if (!navn.empty() && tabel.Variable[v].Navn == navn) fundet = v;
    return fundet;
}

// Coefficients below a thousandth of the largest one of their series are
// noise of the sums. A series that is all noise (the sine series of an even
// function) has only noise as its largest one, so values at the rounding
// level of the largest coefficient of both series are cut as well.
void FjernSmaaKoefficienter(TFourierKoefficienter& k) {
    auto stoerst = [&k](const std::array<double, MaksFourierKoefficienter>& c, int fra) {
        double m = 0;
        for (int i = fra; i <= k.K; ++i) m = std::max(m, std::fabs(c[i]));
        return m;
    };
    const double sa = stoerst(k.a, 0), sb = stoerst(k.b, 1);
    const double stoej = 1e-12 * std::max(sa, sb);
    for (int i = 0; i <= k.K; ++i) {
        if (std::fabs(k.a[i]) < 0.001 * sa || std::fabs(k.a[i]) < stoej) k.a[i] = 0;
        if (i >= 1 && (std::fabs(k.b[i]) < 0.001 * sb || std::fabs(k.b[i]) < stoej)) k.b[i] = 0;
    }
}

}  // namespace

TFourierKoefficienter& FourierKoefficienter() {
    static TFourierKoefficienter k;
    return k;
}

bool HentFourierVariable(std::string_view udtryk, std::string& uafhaengig, std::string& afhaengig) {
    uafhaengig.clear();
    afhaengig.clear();
    if (udtryk.size() < 8 || udtryk[7] != '(') {
        Fejl = true;
        VisFejl("Fejl fundet af GetFurierVariables");
        return false;
    }
    std::string_view rest = udtryk.substr(8);
    auto komma = rest.find(',');
    if (komma == std::string_view::npos) {
        uafhaengig = UdenMellemrum(rest.substr(0, rest.find(')')));
        return true;
    }
    uafhaengig = UdenMellemrum(rest.substr(0, komma));
    std::string_view efter = rest.substr(komma + 1);
    afhaengig = UdenMellemrum(efter.substr(0, efter.find(')')));
    return true;
}

bool BeregnFourier(TProjekt& p, int tabelNo, int variabel, TFourierKoefficienter& k) {
    if (tabelNo < 1 || tabelNo > MaksTabeller || variabel < 1 || variabel > MaksVariable) return false;
    Timeglas timeglas;
    TTabelDef& tabel = p.Tabeller[tabelNo];
    const int n = tabel.AntalIndgange;

    // Without the two names nothing is found below, and the transformation
    // reports its own failure after the reader's message.
    std::string uNavn, aNavn;
    HentFourierVariable(tabel.Variable[variabel].Udtryk, uNavn, aNavn);
    const int i = FindVariabel(tabel, uNavn), j = FindVariabel(tabel, aNavn);
    bool fejl = i == 0 || j == 0 || n < 1;

    // Every sample is read before anything is written, so a bad cell leaves
    // the column as it was.
    std::vector<Reel> t(n + 1), y(n + 1);
    for (int m = 1; m <= n && !fejl; ++m) {
        bool f1 = false, f2 = false;
        t[m] = TekstTilTal(tabel.Celler.HentCelle(i, m + 1), f1);
        y[m] = TekstTilTal(tabel.Celler.HentCelle(j, m + 1), f2);
        fejl = f1 || f2;
    }
    if (fejl) {
        VisFejl(FejlTransform);
        Fejl = false;
        return false;
    }
    // K is bounded by the size of the coefficient arrays.
    if (n > MaksFourierSampler) {
        VisFejl("Fourier transformation kan h\xF8jst bruge " + std::to_string(MaksFourierSampler) +
                " m\xE5linger");
        Fejl = false;
        return false;
    }

    const int K = (n - 1) / 2;
    Reel periode = n > 1 ? (t[n] - t[1]) * n / (n - 1) : 0;
    if (K >= 1 && !(std::isfinite(static_cast<double>(periode)) && periode != 0)) {
        // All samples at the same t: there is no period to divide by.
        VisFejl(FejlTransform);
        Fejl = false;
        return false;
    }

    TFourierKoefficienter ny;
    ny.K = K;
    ny.Tabel = tabelNo;
    Reel sum0 = 0;
    for (int m = 1; m <= n; ++m) sum0 += y[m];
    ny.a[0] = static_cast<double>(sum0 / n);
    const Reel toPi = 2 * std::numbers::pi_v<Reel>;
    for (int kk = 1; kk <= K; ++kk) {
        Reel sa = 0, sb = 0;
        for (int m = 1; m <= n; ++m) {
            Reel v = toPi * kk * t[m] / periode;
            sa += y[m] * std::cos(v);
            sb += y[m] * std::sin(v);
        }
        ny.a[kk] = static_cast<double>(2 * sa / n);
        ny.b[kk] = static_cast<double>(2 * sb / n);
    }
    for (int kk = 0; kk <= K; ++kk)
        if (!std::isfinite(ny.a[kk]) || !std::isfinite(ny.b[kk])) {
            VisFejl(FejlTransform);
            Fejl = false;
            return false;
        }

    // Positions as the table computation uses them: the table's field width
    // when the variable has none of its own.
    const TVariabelDef& var = tabel.Variable[variabel];
    const int pos = var.Positioner > 0 ? var.Positioner : tabel.TabelBredde;
    for (int kk = 0; kk <= K; ++kk) {
        tabel.Celler.SaetCelle(FormaterTal(pos, var.Decimaler, ny.a[kk]), variabel, kk + 2);
        if (kk >= 1)
            tabel.Celler.SaetCelle(FormaterTal(pos, var.Decimaler, ny.b[kk]), variabel, K + kk + 2);
    }
    FjernSmaaKoefficienter(ny);
    ny.Gyldig = true;
    k = ny;
    return true;
}

void BeregnFourier(TProjekt& p, int tabel, int variabel) {
    // A failed transformation leaves no coefficients for the spectrum to show.
    if (!BeregnFourier(p, tabel, variabel, FourierKoefficienter())) FourierKoefficienter().Gyldig = false;
    Fejl = false;
}

namespace {

// The text between "(" and ")" (or the end).
std::string IParentes(const std::string& s) {
    auto start = s.find('(');
    if (start == std::string::npos) return "";
    auto slut = s.find(')', start + 1);
    return FjernMellemrum(s.substr(start + 1, slut == std::string::npos ? std::string::npos : slut - start - 1));
}

}  // namespace

void TegnFourierGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k) {
    if (t < 1 || t > MaksTabeller || k < 1 || k > MaksGrafer) return;
    const TFourierKoefficienter& fk = FourierKoefficienter();
    if (!fk.Gyldig || fk.Tabel != t) return;  // the transformation has shown why
    const TGrafDef& graf = p.Tabeller[t].Grafer[k];
    const int s = graf.GrafArkNo;
    if (s < 1 || s > 3) return;
    TGrafArk& ark = arkene.Ark[s];
    Timeglas timeglas;
    const int K = fk.K;
    const TFourierKoefficienter c = fk;

    std::vector<TPunkt> punkter;
    punkter.push_back({0, c.a[0]});
    for (int i = 1; i <= K; ++i) punkter.push_back({double(i), std::sqrt(c.a[i] * c.a[i] + c.b[i] * c.b[i])});
    // "Tegn kun punkter" stays checked after a spectrum; cleared here so that
    // drawing the spectrum again still draws its bars.
    ark.PunktType = TPunktType::Punkt;
    ark.TegnKunPunkter = false;
    TegnPunkterOgFit(p, arkene, tt, t, k, punkter);

    Fejl = false;
    const TTabelDef& tabel = p.Tabeller[t];
    if (FindVariabel(tabel, IParentes(graf.XGraf)) == 0 || FindVariabel(tabel, graf.YGraf) == 0) Fejl = true;
    if (!Fejl) {
        // Every a[0..K] and b[1..K] gets its marker.
        ark.PunktType = TPunktType::Kryds;
        ark.TegnKunPunkter = true;
        punkter.clear();
        for (int i = 0; i <= K; ++i) punkter.push_back({double(i), c.a[i]});
        TegnPunkterOgFit(p, arkene, tt, t, k, punkter);
        ark.PunktType = TPunktType::Cirkel;
        punkter.clear();
        for (int i = 1; i <= K; ++i) punkter.push_back({double(i), c.b[i]});
        if (!punkter.empty()) TegnPunkterOgFit(p, arkene, tt, t, k, punkter);
    }

    if (!ark.BeholdGraf) ark.Resultater.clear();
    ark.Resultater.push_back("Fourier Koefficienter: an*cos(nt)+bn*sin(nt)");
    ark.Resultater.push_back("");
    ark.Resultater.push_back("an[0]=" + FormaterTal(10, 0, c.a[0]));
    for (int i = 1; i <= K; ++i)
        ark.Resultater.push_back("an[" + std::to_string(i) + "]=" + FormaterTal(10, 0, c.a[i]) + ";  bn[" +
                                 std::to_string(i) + "]=" + FormaterTal(10, 0, c.b[i]));
    if (Fejl) {
        VisFejl("Fejl fundet ved tegning af FourierGraf");
        Fejl = false;
    }
}

void TilslutFourier(TTegneTilstand& tt) {
    tt.BeregnFourier = [](TProjekt& p, int t, int r) { BeregnFourier(p, t, r); };
    tt.TegnFourierGraf = [](TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tilstand, int t, int k) {
        TegnFourierGraf(p, arkene, tilstand, t, k);
    };
}

std::vector<std::string> OpbygFourier(TProjekt& p, const TFourierValg& v) {
    const std::string& T = v.TabelNo;
    auto naesteVariabel = [&p] {
        p.OpbygTaellere[VariabelTaeller] = NaesteTaeller(p.OpbygTaellere[VariabelTaeller]);
        return VariabelNummer(TaellerVaerdi(p.OpbygTaellere[VariabelTaeller]));
    };
    auto naesteGraf = [&p] {
        p.OpbygTaellere[GrafTaeller] = NaesteTaeller(p.OpbygTaellere[GrafTaeller]);
        return NummerTegn(TaellerVaerdi(p.OpbygTaellere[GrafTaeller]));
    };
    auto grafakse = [&T](const std::string& g) {
        return "Grafakse(" + T + "," + g + "):  xmin=0; xmax=6.282; ymin=-5; ymax=5;";
    };
    std::vector<std::string> linjer;
    linjer.push_back("Variabel(" + T + "," + naesteVariabel() + "): " + v.Uafhaengig + ":=?" +
                     EnhedsDel(v.EnhedUafhaengig));
    linjer.push_back("Variabel(" + T + "," + naesteVariabel() + "): " + v.Afhaengig + ":=?" +
                     EnhedsDel(v.EnhedAfhaengig));
    linjer.push_back("Variabel(" + T + "," + naesteVariabel() + "): " + v.Koefficienter + ":= Fourier(" +
                     v.Uafhaengig + "," + v.Afhaengig + "):" + v.Positioner + ":" + v.Decimaler +
                     EnhedsDel(v.EnhedKoefficienter));
    std::string g = naesteGraf();
    linjer.push_back("Graf(" + T + "," + g + "): graf_navn=\"" + v.Uafhaengig + " - " + v.Afhaengig +
                     " graf\"; xgraf=" + v.Uafhaengig + "; ygraf=" + v.Afhaengig +
                     "; grafark_no=1; graf_type=S;");
    linjer.push_back(grafakse(g));
    if (v.VisGrafisk) {
        g = naesteGraf();
        linjer.push_back("Graf(" + T + "," + g +
                         "): graf_navn=\"Fourier Koefficienter an og bn\"; xgraf=fourier(" + v.Uafhaengig +
                         "); ygraf=" + v.Koefficienter + "; grafark_no=2; graf_type=F;");
        linjer.push_back(grafakse(g));
    }
    return linjer;
}

}  // namespace plotvik
