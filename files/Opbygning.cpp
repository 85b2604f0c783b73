// Building a project with the definition dialogs: counters and lines.
#include "files/Opbygning.h"

#include <cmath>

#include "core/Brugerflade.h"
#include "files/PlotvikAnalyse.h"
#include "files/ProjektFil.h"

namespace plotvik {

int TaellerVaerdi(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 0;
}

char TaellerTegn(int vaerdi) {
    vaerdi = Klem(vaerdi, 0, 35);
    return vaerdi < 10 ? static_cast<char>('0' + vaerdi) : static_cast<char>('A' + vaerdi - 10);
}

char NaesteTaeller(char c) { return TaellerTegn(TaellerVaerdi(c) + 1); }

std::string NummerTegn(int vaerdi) { return std::string(1, TaellerTegn(vaerdi)); }

std::string VariabelNummer(int vaerdi) { return std::to_string(vaerdi < 0 ? 0 : vaerdi); }

int Klem(int v, int min, int max) { return v < min ? min : (v > max ? max : v); }

const char* const HoejstTreGrafer = "En tabel kan h\xF8jst have 3 grafer";
const char* const HoejstToOgTyveVariable = "En tabel kan h\xF8jst have 22 variable";

bool PladsTilGraf(const TProjekt& p) {
    if (TaellerVaerdi(p.OpbygTaellere[GrafTaeller]) < MaksGrafer) return true;
    Flade().Informationsboks(HoejstTreGrafer);
    return false;
}

std::string KonstantNavnFejl(std::string_view navn) {
    if (!FjernMellemrum(navn).empty()) return {};
    return "Konstanten skal have et navn";
}

std::string KonstantVaerdiFejl(std::string_view vaerdi) {
    if (ErKonstantVaerdi(vaerdi)) return {};
    // The wording of a typed number that is wrong, and what is asked for.
    return "Fejl i Tallet: " + std::string(vaerdi) + "\n\rNumerisk V\xE6rdi skal v\xE6re et tal, f.eks. 9,82";
}

int TabelNoVedTabelDialog(const TProjekt& p) {
    return Klem(TaellerVaerdi(p.OpbygTaellere[TabelTaeller]) + 1, 1, MaksTabeller);
}

int TabelNoVedVariabelDialog(const TProjekt& p) {
    return Klem(TaellerVaerdi(p.OpbygTaellere[TabelTaeller]), 1, MaksTabeller);
}

int TabelNoVedGrafDialog(const TProjekt& p) { return TabelNoVedVariabelDialog(p); }

int GrafArkNoVedGrafDialog(const TProjekt& p) {
    return Klem(TaellerVaerdi(p.OpbygTaellere[GrafTaeller]) + 1, 1, MaksGrafer);
}

std::string EnhedsDel(std::string_view enhed) {
    if (enhed.empty()) return ";";
    return " [" + std::string(enhed) + "];";
}

std::string OverskriftLinie(std::string_view overskrift) {
    return "Overskrift(1): overskrift=\"" + std::string(overskrift) + "\";";
}

std::string InddataKonstantLinie(std::string_view nr, std::string_view navn, std::string_view enhed) {
    return "Konstant(" + std::string(nr) + "): " + std::string(navn) + " = ?" + EnhedsDel(enhed);
}

std::string UddataKonstantLinie(std::string_view nr, std::string_view navn, std::string_view vaerdi,
                                std::string_view enhed) {
    return "Konstant(" + std::string(nr) + "): " + std::string(navn) + " = " + std::string(vaerdi) +
           EnhedsDel(enhed);
}

std::string TabelLinie(std::string_view tabelNo, bool raekke, std::string_view antalVariable,
                       std::string_view antalMaalinger, std::string_view feltBredde) {
    return "Tabel(" + std::string(tabelNo) + "): tabel_type=" + (raekke ? "R" : "S") +
           "; antal_variable=" + std::string(antalVariable) + "; antal_indgange= " +
           std::string(antalMaalinger) + "; tabel_bredde= " + std::string(feltBredde) + ";";
}

std::string InddataVariabelLinie(std::string_view tabelNo, std::string_view nr, std::string_view navn,
                                 std::string_view enhed) {
    // No blank before the bracket here, unlike the other unit parts.
    std::string enhedsdel = enhed.empty() ? ";" : "[" + std::string(enhed) + "];";
    return "Variabel(" + std::string(tabelNo) + "," + std::string(nr) + "): " + std::string(navn) +
           ":=?" + enhedsdel;
}

std::string UsikkerhedsDel(TUsikkerhedsArt art, std::string_view tekst) {
    switch (art) {
        case TUsikkerhedsArt::Absolut:
        case TUsikkerhedsArt::Soejle: return " usikkerhed=" + std::string(tekst) + ";";
        case TUsikkerhedsArt::Relativ: return " usikkerhed=" + std::string(tekst) + "%;";
        default: return {};
    }
}

bool LaesUsikkerhedsDel(std::string_view del, TUsikkerhedsArt& art, std::string& tekst) {
    // The letters a variable's name may hold, the Danish ones too.
    auto ErBogstav = [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || u == 0xC5 || u == 0xC6 ||
               u == 0xD8 || u == 0xE5 || u == 0xE6 || u == 0xF8;
    };
    std::string t(del);
    if (t.empty()) return false;
    if (ErBogstav(t[0])) {
        for (char c : t)
            if (!ErBogstav(c) && !(c >= '0' && c <= '9')) return false;
        art = TUsikkerhedsArt::Soejle;
        tekst = t;
        return true;
    }
    const bool procent = t.back() == '%';
    if (procent) t.pop_back();
    bool fejl = t.empty();
    const double u = fejl ? 0 : TekstTilTal(t, fejl);
    if (fejl || !std::isfinite(u) || u < 0) return false;
    art = procent ? TUsikkerhedsArt::Relativ : TUsikkerhedsArt::Absolut;
    tekst = t;
    return true;
}

std::string UddataVariabelLinie(std::string_view tabelNo, std::string_view nr, std::string_view navn,
                                std::string_view udtryk, std::string_view positioner,
                                std::string_view decimaler, std::string_view enhed) {
    return "Variabel(" + std::string(tabelNo) + "," + std::string(nr) + "): " + std::string(navn) +
           ":= " + std::string(udtryk) + ":" + std::string(positioner) + ":" + std::string(decimaler) +
           EnhedsDel(enhed);
}

std::string GrafLinie(std::string_view tabelNo, std::string_view grafNo, const TGrafValg& v) {
    std::string linie = "Graf(" + std::string(tabelNo) + "," + std::string(grafNo) +
                        "): graf_navn=\"" + v.Overskrift + "\"; grafark_no=" + v.GrafArkNo +
                        "; xgraf=" + v.XGraf + "; ygraf=" + v.YGraf + ";graf_type=" +
                        std::string(1, v.GrafType) + ";";
    if (v.GrafType == 'P') linie += " pol_grad=" + v.PolGrad + ";";
    if (v.GrafType == 'M') linie += " model=" + v.Model + "; startvaerdier=\"" + v.StartVaerdier + "\";";
    return linie;
}

std::string GrafakseLinie(std::string_view tabelNo, std::string_view grafNo, const TGrafValg& v) {
    std::string linie = "Grafakse(" + std::string(tabelNo) + "," + std::string(grafNo) + "):  xmin=" + v.XMin +
                        "; xmax=" + v.XMax + "; ymin=" + v.YMin + "; ymax=" + v.YMax + ";";
    const std::string log = LogAkseVaerdi(v.LogX, v.LogY);
    if (!log.empty()) linie += " logakse=" + log + ";";
    return linie;
}

std::string GrafOverskriftForslag(std::string_view xgraf, std::string_view ygraf) {
    return std::string(xgraf) + " - " + std::string(ygraf) + " Diagram";
}

char FitBogstav(int radioKnap) {
    static constexpr char bogstaver[] = {'K', 'R', 'P', 'S', 'B', 'M', 'E', 'X'};
    if (radioKnap < 0 || radioKnap > 7) return 'K';
    return bogstaver[radioKnap];
}

namespace {

// The next value of counter i, stored back as its character.
int TaelOp(TProjekt& p, int i) {
    p.OpbygTaellere[i] = NaesteTaeller(p.OpbygTaellere[i]);
    return TaellerVaerdi(p.OpbygTaellere[i]);
}

}  // namespace

std::string OpbygOverskrift(TProjekt&, std::string_view overskrift) { return OverskriftLinie(overskrift); }

std::string OpbygInddataKonstant(TProjekt& p, std::string_view navn, std::string_view enhed) {
    int n = TaelOp(p, KonstantTaeller);
    return InddataKonstantLinie(NummerTegn(n), navn, enhed);
}

std::string OpbygUddataKonstant(TProjekt& p, std::string_view navn, std::string_view vaerdi,
                                std::string_view enhed) {
    int n = TaelOp(p, KonstantTaeller);
    return UddataKonstantLinie(NummerTegn(n), navn, vaerdi, enhed);
}

std::string OpbygTabel(TProjekt& p, std::string_view tabelNo, bool raekke, std::string_view antalVariable,
                       std::string_view antalMaalinger, std::string_view feltBredde) {
    p.OpbygTaellere[TabelTaeller] = TaellerTegn(TekstTilHeltal(tabelNo));
    p.OpbygTaellere[VariabelTaeller] = '0';
    p.OpbygTaellere[GrafTaeller] = '0';
    return TabelLinie(tabelNo, raekke, antalVariable, antalMaalinger, feltBredde);
}

std::string OpbygInddataVariabel(TProjekt& p, std::string_view tabelNo, std::string_view navn,
                                 std::string_view enhed) {
    int n = TaelOp(p, VariabelTaeller);
    return InddataVariabelLinie(tabelNo, VariabelNummer(n), navn, enhed);
}

std::string OpbygUddataVariabel(TProjekt& p, std::string_view tabelNo, std::string_view navn,
                                std::string_view udtryk, std::string_view positioner,
                                std::string_view decimaler, std::string_view enhed) {
    int n = TaelOp(p, VariabelTaeller);
    return UddataVariabelLinie(tabelNo, VariabelNummer(n), navn, udtryk, positioner, decimaler, enhed);
}

TGrafLinier OpbygGraf(TProjekt& p, const TGrafValg& v) {
    std::string g = NummerTegn(TaelOp(p, GrafTaeller));
    return {GrafLinie(v.TabelNo, g, v), GrafakseLinie(v.TabelNo, g, v)};
}

}  // namespace plotvik
