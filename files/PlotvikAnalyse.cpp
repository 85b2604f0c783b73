// The project-description parser: one keyword line at a time into the model.
// The parser evaluates nothing; definition texts are stored as written (with
// the blanks outside quotes removed) and analysed when a project is loaded.
#include "files/PlotvikAnalyse.h"

#include <array>
#include <cmath>
#include <string>

#include "files/Opbygning.h"
#include "files/ProjektFil.h"
#include "files/TegnLaeser.h"

namespace plotvik {

namespace {

constexpr std::array<const char*, 7> Noegleord = {"overskrift", "konstant", "tabel", "variabel",
                                                  "graf",       "grafakse", "intet"};
enum { Overskrift_ = 0, Konstant_, Tabel_, Variabel_, Graf_, Grafakse_ };

bool ErTalTegn(char c) { return ErCiffer(c) || (c >= 'A' && c <= 'Z'); }
bool ErTalStart(char c) {
    return c == '+' || c == '-' || c == '.' || ErCiffer(c) || c == 'e' || c == 'i' || c == 'p';
}
bool ErTalVaerdiTegn(char c) { return c == '+' || c == '-' || c == '.' || ErCiffer(c) || c == 'E' || c == 'e'; }

// One line being parsed. Every lookup that fails sets `fejl`; the first
// failure stops the line.
struct TLinieFortolker {
    TProjekt& p;
    TTegnLaeser l;
    bool fejl = false;

    explicit TLinieFortolker(TProjekt& projekt) : p(projekt) {}

    void Fejl_() { fejl = true; }

    // The next character must be a number character; its value, or -1.
    int LaesTalTegn() {
        l.NaesteTegn();
        if (!ErTalTegn(l.ch)) {
            Fejl_();
            return -1;
        }
        return TegnVaerdi(l.ch);
    }
    bool KraevTegn(char c) {
        l.NaesteTegn();
        if (l.ch != c) Fejl_();
        return !fejl;
    }

    // Position just after "k=", searched from the start of the line; npos when absent.
    size_t EfterNoegle(std::string_view noegle) {
        auto i = l.linie.find(std::string(noegle) + "=");
        if (i == std::string::npos) {
            Fejl_();
            return std::string::npos;
        }
        return i + noegle.size() + 1;
    }
    std::string StrengVaerdi(std::string_view noegle) {
        size_t fra = EfterNoegle(noegle);
        if (fra == std::string::npos) return {};
        size_t til = l.linie.find(';', fra);
        if (til == std::string::npos) til = l.linie.size();
        return l.linie.substr(fra, til - fra).substr(0, 128);
    }
    char TegnAfNoegle(std::string_view noegle) {
        size_t fra = EfterNoegle(noegle);
        if (fra == std::string::npos) return SlutTegn;
        if (fra >= l.linie.size()) {
            Fejl_();
            return SlutTegn;
        }
        return l.linie[fra];
    }
    double TalVaerdi(std::string_view noegle) {
        std::string k(noegle);
        auto i = l.linie.find(";" + k + "=");
        if (i == std::string::npos) i = l.linie.find(":" + k + "=");
        if (i == std::string::npos) {
            Fejl_();
            return 0;
        }
        size_t j = i + k.size() + 2;
        if (j >= l.linie.size() || !ErTalStart(l.linie[j])) {
            Fejl_();
            return 0;
        }
        std::string tal(1, l.linie[j++]);
        while (j < l.linie.size() && ErTalVaerdiTegn(l.linie[j])) tal += l.linie[j++];
        bool talFejl = false;
        double v = TekstTilTal(KommaTilPunkt(tal), talFejl);
        if (talFejl) Fejl_();
        return v;
    }

    // The text between the first two double quotes; empty without two.
    static std::string MellemCitater(const std::string& s) {
        auto a = s.find('"');
        if (a == std::string::npos) return {};
        auto b = s.find('"', a + 1);
        if (b == std::string::npos) return {};
        return s.substr(a + 1, b - a - 1);
    }

    // From the 1-based position `fra` up to (not including) the first ";" of
    // the line, or to its end when there is none.
    std::string TilSemikolon(int fra) const {
        size_t start = fra < 1 ? 0 : static_cast<size_t>(fra - 1);
        if (start >= l.linie.size()) return {};
        size_t slut = l.linie.find(';');
        if (slut == std::string::npos) slut = l.linie.size();
        if (slut <= start) return {};
        return l.linie.substr(start, slut - start);
    }

    void Overskrift() {
        std::string v = StrengVaerdi("overskrift");
        if (!fejl) p.Overskrift = Kort(MellemCitater(v));
    }

    void Konstant() {
        int n = LaesTalTegn();
        if (!fejl) {
            p.OpbygTaellere[0] = l.ch;
            auto& t0 = p.Tabeller[0];
            if (n < 1 || n > MaksVariable) {
                Fejl_();
            } else if (n == 1) {
                for (int v = 1; v <= MaksVariable; ++v) t0.Variable[v].Definition.clear();
                t0.Defineret = true;
            } else if (!t0.Defineret) {
                Fejl_();  // no constant 1 yet: there is no list to store into
            }
        }
        if (!fejl) {
            if (p.AntalKonstanter < n) p.AntalKonstanter = n;
            auto kolon = l.linie.find(':');
            if (kolon == std::string::npos) {
                Fejl_();
            } else {
                l.pos = static_cast<int>(kolon) + 1;
                l.NaesteTegn();
                p.Tabeller[0].Variable[n].Definition = Lang(TilSemikolon(l.pos));
            }
        }
        if (fejl) {
            Fejl = true;
            VisFejl(std::string("Fejl ved fortolkning af konstant no ") + p.OpbygTaellere[0] +
                    " KonstantUdtryk: " + TilSemikolon(l.pos));
            // Ignore in that box lets the line pass without the syntax message.
            fejl = Fejl;
        }
    }

    void Tabel() {
        int t = LaesTalTegn();
        if (fejl) return;
        p.OpbygTaellere[1] = l.ch;
        if (t < 1 || t > MaksTabeller) return Fejl_();
        if (p.AntalTabeller < t) p.AntalTabeller = t;
        auto& tabel = p.Tabeller[t];
        std::string type = StrengVaerdi("tabel_type");
        int antalVariable = TekstTilHeltal(StrengVaerdi("antal_variable"));
        int antalIndgange = TekstTilHeltal(StrengVaerdi("antal_indgange"));
        int bredde = TekstTilHeltal(StrengVaerdi("tabel_bredde"));
        if (fejl) return;
        // Numbers the model cannot hold are refused here rather than cut later.
        if (type.empty() || antalVariable < 0 || antalVariable > MaksVariable || antalIndgange < 0 ||
            antalIndgange > MaksIndgange || bredde < 0 || bredde > LangLaengde)
            return Fejl_();
        tabel.TabelType = type[0];
        tabel.AntalVariable = antalVariable;
        tabel.AntalIndgange = antalIndgange;
        tabel.TabelBredde = bredde;
        if (antalVariable != 0) {
            for (int v = 1; v <= MaksVariable; ++v) tabel.Variable[v].Definition.clear();
            tabel.Defineret = true;
        }
    }

    void Variabel() {
        int t = LaesTalTegn();
        if (fejl) return;
        if (t < 1 || t > MaksTabeller || !p.Tabeller[t].Defineret) return Fejl_();
        if (!KraevTegn(',')) return;
        l.NaesteTegn();
        if (!ErCiffer(l.ch)) return Fejl_();
        long v = 0;
        while (ErCiffer(l.ch)) {
            if (v <= MaksVariable) v = v * 10 + (l.ch - '0');
            l.NaesteTegn();
        }
        if (v < 1 || v > MaksVariable) return Fejl_();
        auto& tabel = p.Tabeller[t];
        if (tabel.AntalVariable < v) tabel.AntalVariable = static_cast<int>(v);
        auto i = l.linie.find("):");
        if (i == std::string::npos) return Fejl_();
        l.pos = static_cast<int>(i) + 3;
        l.Opdater();
        tabel.Variable[v].Definition = Lang(TilSemikolon(l.pos));
        // An uncertainty after the definition: "usikkerhed=0,01;", "=2%;" or the
        // name of the input variable that holds it, "=ut;". Only where the line gives one.
        TVariabelDef& var = tabel.Variable[v];
        var.UsikkerhedsArt = TUsikkerhedsArt::Ingen;
        var.UsikkerhedsTekst.clear();
        const auto semikolon = l.linie.find(';');
        if (semikolon == std::string::npos) return;
        const auto u = l.linie.find("usikkerhed=", semikolon);
        if (u == std::string::npos) return;
        auto slut = l.linie.find(';', u);
        if (slut == std::string::npos) slut = l.linie.size();
        if (!LaesUsikkerhedsDel(l.linie.substr(u + 11, slut - u - 11), var.UsikkerhedsArt, var.UsikkerhedsTekst)) {
            l.pos = static_cast<int>(u) + 12;
            Fejl_();
        }
    }

    // "t,g" of a graf or grafakse line; the table becomes the current one.
    bool TabelOgGraf(int& t, int& g) {
        t = LaesTalTegn();
        if (fejl) return false;
        p.OpbygTaellere[1] = l.ch;
        if (!KraevTegn(',')) return false;
        g = LaesTalTegn();
        if (fejl) return false;
        if (t < 1 || t > MaksTabeller || g < 1 || g > MaksGrafer) Fejl_();
        return !fejl;
    }

    void Graf() {
        int t, g;
        if (!TabelOgGraf(t, g)) return;
        auto& tabel = p.Tabeller[t];
        if (tabel.AntalGrafer < g) tabel.AntalGrafer = g;
        auto& graf = tabel.Grafer[g];
        std::string navn = StrengVaerdi("graf_navn");
        int ark = TekstTilHeltal(StrengVaerdi("grafark_no"));
        std::string x = StrengVaerdi("xgraf");
        std::string y = StrengVaerdi("ygraf");
        char type = StortBogstav(TegnAfNoegle("graf_type"));
        if (fejl) return;
        if (ark < 1 || ark > MaksGrafer) return Fejl_();  // there are three graph sheets
        double grad = 0;
        if (type == 'P') {
            grad = TalVaerdi("pol_grad");
            if (fejl) return;
            // The degree is stored unsigned and the project file reads back 0 to 1000:
            // anything else would give a file that cannot be loaded again.
            if (!(grad >= 0 && grad <= 1000)) return Fejl_();
        }
        graf.GrafNavn = MellemCitater(navn);
        graf.GrafArkNo = ark;
        graf.XGraf = x;
        graf.YGraf = y;
        graf.GrafType = type;
        if (type == 'P') graf.PolGrad = static_cast<int>(std::nearbyint(grad));
        if (type == 'M') {
            // The model up to its ";", the start values between quotes (blanks kept).
            graf.Model = StrengVaerdi("model");
            if (fejl || graf.Model.empty()) return Fejl_();
            graf.StartVaerdier = MellemCitater(StrengVaerdi("startvaerdier"));
            fejl = false;  // start values may be left out
        }
    }

    void Grafakse() {
        int t, g;
        if (!TabelOgGraf(t, g)) return;
        auto& graf = p.Tabeller[t].Grafer[g];
        double* graenser[] = {&graf.XMin, &graf.XMax, &graf.YMin, &graf.YMax};
        const char* noegler[] = {"xmin", "xmax", "ymin", "ymax"};
        for (int i = 0; i < 4 && !fejl; ++i) {
            std::string v = StrengVaerdi(noegler[i]);
            if (fejl) return;
            bool talFejl = false;
            double x = TekstTilTal(KommaTilPunkt(v), talFejl);
            if (talFejl) return Fejl_();
            *graenser[i] = x;
        }
        // Logarithmic axes only where the line names them.
        graf.LogX = graf.LogY = false;
        const auto log = l.linie.find("logakse=");
        if (log == std::string::npos) return;
        auto slut = l.linie.find(';', log);
        if (slut == std::string::npos) slut = l.linie.size();
        if (!LaesLogAkseVaerdi(std::string_view(l.linie).substr(log + 8, slut - log - 8), graf.LogX, graf.LogY))
            Fejl_();
    }
};

}  // namespace

int TegnVaerdi(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
}

void FortolkProjektLinie(TProjekt& p, std::string_view linie) {
    Fejl = false;
    TLinieFortolker f(p);
    f.l.linie = std::string(linie);
    f.l.pos = 0;

    int noegleord = -1;
    auto parentes = f.l.linie.find('(');
    if (parentes != std::string::npos) {
        f.l.pos = static_cast<int>(parentes) + 1;
        std::string ord = SmaaBogstaver(f.l.linie.substr(0, parentes));
        for (int i = 0; i < 7; ++i)
            if (ord == Noegleord[static_cast<size_t>(i)]) {
                noegleord = i;
                break;
            }
    }
    if (noegleord < 0 || noegleord > Grafakse_) {
        f.fejl = true;
    } else {
        f.l.linie = Lang(FjernMellemrumUdenforCitat(f.l.linie));
        f.l.Opdater();
        switch (noegleord) {
            case Overskrift_: f.Overskrift(); break;
            case Konstant_: f.Konstant(); break;
            case Tabel_: f.Tabel(); break;
            case Variabel_: f.Variabel(); break;
            case Graf_: f.Graf(); break;
            case Grafakse_: f.Grafakse(); break;
        }
    }
    if (f.fejl) {
        Fejl = true;
        VisFejl(Lang("Syntaksfejl i pos: " + std::to_string(f.l.pos) + " linien: \n\r" + f.l.linie));
    }
}

}  // namespace plotvik
