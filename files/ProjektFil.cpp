// The positional project file: written from the model after a conversion,
// read back when a project is loaded. A short file leaves the fields it does
// not reach as they were; a line that does not hold what the layout expects
// stops the reading with a message, and the analysis still runs.
#include "files/ProjektFil.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "core/Brugerflade.h"
#include "core/Tegnsaet.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "files/SikkerSkrivning.h"
#include "files/TekstFil.h"

namespace plotvik {

namespace {

const std::string UsikkerhedsOverskrift = "Usikkerheder ";

void GlemUsikkerhed(TVariabelDef& v) {
    v.UsikkerhedsArt = TUsikkerhedsArt::Ingen;
    v.UsikkerhedsTekst.clear();
}

// Two significant digits; an exact tie goes away from zero.
std::string ToCifre(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.30E", x);
    std::string fuld = buf;  // d.ddddd...E+xx
    // Halfway when the third digit is 5 and everything after it is 0.
    bool tie = fuld.size() > 4 && fuld[fuld.find('.') + 2] == '5';
    if (tie) {
        auto e = fuld.find('E');
        for (size_t k = fuld.find('.') + 3; k < e; ++k)
            if (fuld[k] != '0') tie = false;
    }
    if (tie) x = std::nextafter(x, x > 0 ? HUGE_VAL : -HUGE_VAL);
    std::snprintf(buf, sizeof buf, "%.1E", x);
    return buf;
}

// The uncertainties follow the last table, only when some variable or
// constant has one: a project without them is the file it always was. One
// line "Usikkerheder <count>", then per quantity "<table> <variable> <kind> <text>"
// (table 0 holds the constants).
template <class Linie>
void SkrivUsikkerheder(const TProjekt& p, int antalTabeller, Linie& linie) {
    std::vector<std::string> linier;
    for (int t = 0; t <= antalTabeller; ++t) {
        const auto& tabel = p.Tabeller[t];
        const int v = t == 0 ? MinHel(MaxHel(p.AntalKonstanter, 0), MaksVariable)
                             : MinHel(MaxHel(tabel.AntalVariable, 0), MaksVariable);
        for (int i = 1; i <= v; ++i) {
            const auto& var = tabel.Variable[i];
            if (var.UsikkerhedsArt == TUsikkerhedsArt::Ingen) continue;
            linier.push_back(std::to_string(t) + " " + std::to_string(i) + " " +
                             static_cast<char>(var.UsikkerhedsArt) + " " + var.UsikkerhedsTekst);
        }
    }
    if (linier.empty()) return;
    linie(UsikkerhedsOverskrift + std::to_string(linier.size()));
    for (const auto& l : linier) linie(l);
}

}  // namespace

std::string AkseGraenseTekst(double x) {
    if (!std::isfinite(x)) x = 0;  // no limit of a drawn graph is ever infinite
    std::string t = ToCifre(std::fabs(x));  // "1.5E+00"
    auto e = t.find('E');
    std::string mantisse = t.substr(0, e);
    char fortegn = t[e + 1];
    int eksponent = std::abs(std::atoi(t.c_str() + e + 2));
    char eks[8];
    std::snprintf(eks, sizeof eks, "%04d", eksponent % 10000);
    return std::string(1, x < 0 ? '-' : ' ') + mantisse + "E" + fortegn + eks;
}

std::string LogAkseVaerdi(bool logX, bool logY) { return std::string(logX ? "x" : "") + (logY ? "y" : ""); }

bool LaesLogAkseVaerdi(std::string_view v, bool& logX, bool& logY) {
    bool x = false, y = false;
    for (char c : v) {
        if (c == ' ') continue;
        if (c == 'x' || c == 'X') x = true;
        else if (c == 'y' || c == 'Y') y = true;
        else return false;
    }
    if (!x && !y) return false;
    logX = x;
    logY = y;
    return true;
}

std::string ProjektFilIndhold(const TProjekt& p) {
    std::string ud;
    auto linie = [&ud](const std::string& s) {
        ud += s;
        ud += "\r\n";
    };
    linie(p.Overskrift);
    const int k = MinHel(MaxHel(p.AntalKonstanter, 0), MaksVariable);
    linie(std::to_string(k));
    for (int i = 1; i <= k; ++i) linie(p.Tabeller[0].Variable[i].Definition);
    const int n = MinHel(MaxHel(p.AntalTabeller, 0), MaksTabeller);
    linie(std::to_string(n));
    for (int t = 1; t <= n; ++t) {
        const auto& tabel = p.Tabeller[t];
        const int v = MinHel(MaxHel(tabel.AntalVariable, 0), MaksVariable);
        linie(std::string(1, tabel.TabelType) + " " + std::to_string(v) + " " +
              std::to_string(tabel.AntalIndgange) + " " + std::to_string(tabel.TabelBredde));
        for (int i = 1; i <= v; ++i) linie(tabel.Variable[i].Definition);
        const int g = MinHel(MaxHel(tabel.AntalGrafer, 0), MaksGrafer);
        linie(std::to_string(g));
        for (int j = 1; j <= g; ++j) {
            const auto& graf = tabel.Grafer[j];
            linie(graf.GrafNavn);
            linie(std::to_string(graf.GrafArkNo));
            linie(graf.XGraf);
            linie(graf.YGraf);
            linie(AkseGraenseTekst(graf.XMin) + " " + AkseGraenseTekst(graf.XMax));
            linie(AkseGraenseTekst(graf.YMin) + " " + AkseGraenseTekst(graf.YMax));
            // Logarithmic axes ride on the type line, so the lines after it stay where they were.
            const std::string log = LogAkseVaerdi(graf.LogX, graf.LogY);
            linie(std::string(1, graf.GrafType) + (log.empty() ? "" : " logakse=" + log));
            if (graf.GrafType == 'P') linie(std::to_string(graf.PolGrad));
            if (graf.GrafType == 'M') {
                linie(graf.Model);
                linie(graf.StartVaerdier);
            }
        }
    }
    SkrivUsikkerheder(p, n, linie);
    return ud;
}

void SkrivProjektFil(TProjekt& p, const std::string& navn) {
    switch (SkrivFilSikkert(navn.substr(0, FilnavnLaengde), ProjektFilIndhold(p))) {
        case TSkrivning::Skrevet: p.TekstGemt = true; break;
        case TSkrivning::KanIkkeOprettes: break;  // nothing written, as when the file cannot be created
        case TSkrivning::Fejlet:
            Flade().Fejlboks("Fejl ved skrivning af projektfilen " + navn +
                             "\n\rDen tidligere fil er u\xE6ndret.");
            break;
    }
}

namespace {

// The reader of the file's lines; every read is skipped at the end of the file.
struct TProjektLaeser {
    std::vector<std::string> linier;
    size_t naeste = 0;
    std::string fejl;

    bool Slut() const { return naeste >= linier.size() || !fejl.empty(); }
    size_t LinieNr() const { return naeste + 1; }

    bool Linie(std::string& s, int maks) {
        if (Slut()) return false;
        s = linier[naeste++].substr(0, static_cast<size_t>(maks));
        return true;
    }
    void Fejl_(const std::string& hvad) {
        fejl = "Fejl ved l\xE6sning af projektfilen i linie " + std::to_string(naeste) + ": " + hvad;
    }
    // Whole-number fields of one line, separated by blanks.
    static bool Heltal(std::istringstream& ind, long& v) {
        std::string ord;
        if (!(ind >> ord)) return false;
        size_t i = (ord[0] == '+' || ord[0] == '-') ? 1 : 0;
        if (i == ord.size() || ord.size() > 10) return false;
        for (size_t k = i; k < ord.size(); ++k)
            if (ord[k] < '0' || ord[k] > '9') return false;
        v = std::stol(ord);
        return true;
    }
    bool Tal(long& v, long fra, long til, const char* hvad) {
        std::string s;
        if (!Linie(s, LangLaengde)) return false;
        std::istringstream ind(s);
        if (!Heltal(ind, v) || v < fra || v > til) {
            Fejl_(std::string(hvad) + " skal v\xE6re et heltal fra " + std::to_string(fra) + " til " +
                  std::to_string(til));
            return false;
        }
        return true;
    }
    bool ToReelle(double& a, double& b) {
        std::string s;
        if (!Linie(s, LangLaengde)) return false;
        std::istringstream ind(s);
        std::string x, y;
        bool fa = true, fb = true;
        if (ind >> x >> y) {
            a = TekstTilTal(x, fa);
            b = TekstTilTal(y, fb);
        }
        if (fa || fb) {
            Fejl_("to aksegr\xE6nser var ventet");
            return false;
        }
        return true;
    }
};

// The uncertainties after the last table (see SkrivUsikkerheder); a file
// without them ends before.
void LaesUsikkerheder(TProjekt& p, TProjektLaeser& f) {
    if (f.Slut() || !f.linier[f.naeste].starts_with(UsikkerhedsOverskrift)) return;
    std::string s;
    f.Linie(s, LangLaengde);
    std::istringstream hoved(s.substr(UsikkerhedsOverskrift.size()));
    long antal = 0;
    if (!TProjektLaeser::Heltal(hoved, antal) || antal < 0 || antal > (MaksTabeller + 1) * MaksVariable) {
        f.Fejl_("antallet af usikkerheder mangler");
        return;
    }
    for (long i = 0; i < antal && f.Linie(s, LangLaengde); ++i) {
        std::istringstream ind(s);
        long t = -1, v = 0;
        std::string art;
        const bool felter = TProjektLaeser::Heltal(ind, t) && TProjektLaeser::Heltal(ind, v) && (ind >> art);
        const int antalVariable = t == 0 ? p.AntalKonstanter : t >= 1 && t <= p.AntalTabeller ? p.Tabeller[t].AntalVariable : 0;
        if (!felter || v < 1 || v > MinHel(antalVariable, MaksVariable) || art.size() != 1 ||
            (art[0] != 'A' && art[0] != 'R' && art[0] != 'S')) {
            f.Fejl_("en usikkerhed skal beskrives af tabel, variabel, art (A, R eller S) og v\xE6rdi");
            return;
        }
        std::string tekst;
        std::getline(ind, tekst);
        if (!tekst.empty() && tekst[0] == ' ') tekst.erase(0, 1);
        auto& var = p.Tabeller[t].Variable[v];
        var.UsikkerhedsArt = static_cast<TUsikkerhedsArt>(art[0]);
        var.UsikkerhedsTekst = tekst;
    }
}

}  // namespace

std::string LaesProjektTekst(TProjekt& p, const std::string& indhold) {
    TProjektLaeser f;
    f.linier = DelILinier(indhold);
    std::string s;
    long k = 0, n = 0, tal = 0;

    if (f.Linie(s, KortLaengde)) p.Overskrift = s;
    if (f.Tal(k, 0, MaksVariable, "Antal konstanter")) {
        p.AntalKonstanter = static_cast<int>(k);
        auto& t0 = p.Tabeller[0];
        t0.AntalVariable = static_cast<int>(k);
        if (k != 0) {
            for (auto& v : t0.Variable) {
                v.Definition.clear();
                GlemUsikkerhed(v);
            }
            t0.Defineret = true;
            t0.TabelType = 'S';
            t0.AntalInddata = static_cast<int>(k);
            t0.AntalIndgange = 1;
            t0.TabelBredde = 12;
            for (int i = 1; i <= k; ++i)
                if (f.Linie(s, LangLaengde)) t0.Variable[i].Definition = s;
        }
    }
    if (f.Tal(n, 0, MaksTabeller, "Antal tabeller")) p.AntalTabeller = static_cast<int>(n);
    for (int t = 1; t <= n && !f.Slut(); ++t) {
        auto& tabel = p.Tabeller[t];
        if (f.Linie(s, LangLaengde)) {
            std::istringstream ind(s.size() > 1 ? s.substr(1) : std::string());
            long v = 0, r = 0, w = 0;
            if (s.empty() || s[0] == ' ' || !TProjektLaeser::Heltal(ind, v) || !TProjektLaeser::Heltal(ind, r) ||
                !TProjektLaeser::Heltal(ind, w) || v < 0 || v > MaksVariable || r < 0 || r > MaksIndgange ||
                w < 0 || w > LangLaengde) {
                f.Fejl_("tabel " + std::to_string(t) + " skal beskrives af type, antal variable, "
                        "antal m\xE5linger og feltbredde");
                break;
            }
            tabel.TabelType = s[0];
            tabel.AntalVariable = static_cast<int>(v);
            tabel.AntalIndgange = static_cast<int>(r);
            tabel.TabelBredde = static_cast<int>(w);
            for (auto& var : tabel.Variable) {
                var.Definition.clear();
                GlemUsikkerhed(var);
            }
            tabel.Defineret = true;
            for (int i = 1; i <= v; ++i)
                if (f.Linie(s, LangLaengde)) tabel.Variable[i].Definition = s;
        }
        long g = 0;
        if (!f.Tal(g, 0, MaksGrafer, "Antal grafer")) break;
        tabel.AntalGrafer = static_cast<int>(g);
        for (int j = 1; j <= g && !f.Slut(); ++j) {
            auto& graf = tabel.Grafer[j];
            if (f.Linie(s, 25)) graf.GrafNavn = s;
            if (f.Tal(tal, 1, MaksGrafer, "Grafarkets nummer")) graf.GrafArkNo = static_cast<int>(tal);
            if (f.Linie(s, LangLaengde)) graf.XGraf = s;
            if (f.Linie(s, LangLaengde)) graf.YGraf = s;
            f.ToReelle(graf.XMin, graf.XMax);
            f.ToReelle(graf.YMin, graf.YMax);
            if (f.Linie(s, LangLaengde)) {
                if (s.empty()) {
                    f.Fejl_("graftypen mangler");
                    break;
                }
                graf.GrafType = s[0];
                graf.LogX = graf.LogY = false;
                const auto log = s.find(" logakse=");
                if (log != std::string::npos && !LaesLogAkseVaerdi(s.substr(log + 9), graf.LogX, graf.LogY)) {
                    f.Fejl_("de logaritmiske akser skal angives som logakse=x, y eller xy");
                    break;
                }
            }
            if (graf.GrafType == 'P' && f.Tal(tal, 0, 1000, "Polynomiets grad"))
                graf.PolGrad = static_cast<int>(tal);
            if (graf.GrafType == 'M') {
                if (f.Linie(s, LangLaengde)) graf.Model = s;
                if (f.Linie(s, LangLaengde)) graf.StartVaerdier = s;
            }
        }
    }
    LaesUsikkerheder(p, f);
    return f.fejl;
}

void LaesProjektFil(TProjekt& p, const std::string& navnInd) {
    Fejl = false;
    const std::string navn = navnInd.substr(0, FilnavnLaengde);
    auto indhold = LaesTekstFil(navn);
    if (!indhold) {
        Flade().Fejlboks("Projektfilen " + navn + " kan ikke \xE5" "bnes");
    } else {
        std::string fejl = LaesProjektTekst(p, *indhold);
        if (!fejl.empty()) Flade().Fejlboks(fejl);
    }
    // What was read is analysed even after a read failure.
    for (int t = 1; t <= p.AntalTabeller && !Fejl; ++t) AnalyserTabel(p, t);
    if (p.AntalKonstanter != 0 && !Fejl) AnalyserTabel(p, 0);
}

}  // namespace plotvik
