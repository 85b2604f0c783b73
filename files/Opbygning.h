// Building a project with the definition dialogs: the running numbers kept
// in OpbygTaellere, the values the dialogs offer when they open, and the exact
// keyword line each confirmed dialog appends to the text sheet. No window
// here: the dialogs only collect the texts, these functions turn them into
// lines that the project-description parser reads back.
#pragma once

#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

// Index of each running number in TProjekt::OpbygTaellere.
enum TOpbygTaeller { KonstantTaeller = 0, TabelTaeller = 1, VariabelTaeller = 2, GrafTaeller = 3 };

// A counter character holds a value 0..35 as "0".."9", "A".."Z" (the number
// characters of the project-file syntax). Anything else counts as 0.
int TaellerVaerdi(char c);
char TaellerTegn(int vaerdi);  // clamped to 0..35
// The next character ("9" -> "A"); "Z" stays "Z", there is no number after it.
char NaesteTaeller(char c);

// Constants, tables and graphs are written with one number character,
// variables in decimal ("10" for the tenth), both as the parser reads them.
std::string NummerTegn(int vaerdi);
std::string VariabelNummer(int vaerdi);

// Clamps to a spin edit's limits, as the dialogs' spin edits do.
int Klem(int v, int min, int max);

// ---- what the dialogs accept ----

// A table's limits, said when the user asks for one more.
extern const char* const HoejstTreGrafer;         // "En tabel kan h\xF8jst have 3 grafer"
extern const char* const HoejstToOgTyveVariable;  // "En tabel kan h\xF8jst have 22 variable"
// True while the table being built has room for another graph; otherwise the
// limit is shown (an information box) and the graph dialog is not offered.
bool PladsTilGraf(const TProjekt& p);
// The constant dialogs' checks: the message for a field that cannot be
// accepted, or an empty text. A value must be one the loading reads (ErKonstantVaerdi).
std::string KonstantNavnFejl(std::string_view navn);
std::string KonstantVaerdiFejl(std::string_view vaerdi);

// ---- values offered when a dialog opens ----
int TabelNoVedTabelDialog(const TProjekt& p);     // table counter + 1, 1..4
int TabelNoVedVariabelDialog(const TProjekt& p);  // table counter, 1..4
int TabelNoVedGrafDialog(const TProjekt& p);      // table counter, 1..4
int GrafArkNoVedGrafDialog(const TProjekt& p);    // graph counter + 1, 1..3

// ---- the lines (pure: no counter is touched) ----
std::string EnhedsDel(std::string_view enhed);  // " [unit];" or ";"
std::string OverskriftLinie(std::string_view overskrift);
std::string InddataKonstantLinie(std::string_view nr, std::string_view navn, std::string_view enhed);
std::string UddataKonstantLinie(std::string_view nr, std::string_view navn, std::string_view vaerdi,
                                std::string_view enhed);
std::string TabelLinie(std::string_view tabelNo, bool raekke, std::string_view antalVariable,
                       std::string_view antalMaalinger, std::string_view feltBredde);
std::string InddataVariabelLinie(std::string_view tabelNo, std::string_view nr, std::string_view navn,
                                 std::string_view enhed);
std::string UddataVariabelLinie(std::string_view tabelNo, std::string_view nr, std::string_view navn,
                                std::string_view udtryk, std::string_view positioner,
                                std::string_view decimaler, std::string_view enhed);

// The uncertainty part after an input variable's definition: empty for none,
// " usikkerhed=0,01;", " usikkerhed=2%;" (a percentage) or " usikkerhed=ut;"
// (the input variable holding it). LaesUsikkerhedsDel reads the text after
// "usikkerhed=" back; false for a number below 0 or a text that is neither.
std::string UsikkerhedsDel(TUsikkerhedsArt art, std::string_view tekst);
bool LaesUsikkerhedsDel(std::string_view del, TUsikkerhedsArt& art, std::string& tekst);

// What the graph dialog hands over after OK.
struct TGrafValg {
    std::string XGraf, YGraf, XMin, XMax, YMin, YMax, Overskrift;
    std::string TabelNo = "1", GrafArkNo = "1", PolGrad = "1";
    char GrafType = 'R';  // "K", "R", "P", "S", "B", "M", "E" (exponential) or "X" (power regression)
    std::string Model, StartVaerdier;  // a model fit's model and start values
    bool LogX = false, LogY = false;   // logarithmic axes: " logakse=x;", "y" or "xy" after the limits
};
std::string GrafLinie(std::string_view tabelNo, std::string_view grafNo, const TGrafValg& v);
std::string GrafakseLinie(std::string_view tabelNo, std::string_view grafNo, const TGrafValg& v);

// The heading the graph dialog fills in when the y box is left.
std::string GrafOverskriftForslag(std::string_view xgraf, std::string_view ygraf);
// The fit letter of the checked radio button (0 "Kun Punkter" .. 4 "Bezier fit", 5 "Modelfit",
// 6 "Eksponentiel regression", 7 "Potensregression"); "K" for none.
char FitBogstav(int radioKnap);

// ---- a confirmed dialog: update the counters, give the line to append ----
std::string OpbygOverskrift(TProjekt& p, std::string_view overskrift);
std::string OpbygInddataKonstant(TProjekt& p, std::string_view navn, std::string_view enhed);
std::string OpbygUddataKonstant(TProjekt& p, std::string_view navn, std::string_view vaerdi,
                                std::string_view enhed);
std::string OpbygTabel(TProjekt& p, std::string_view tabelNo, bool raekke, std::string_view antalVariable,
                       std::string_view antalMaalinger, std::string_view feltBredde);
std::string OpbygInddataVariabel(TProjekt& p, std::string_view tabelNo, std::string_view navn,
                                 std::string_view enhed);
std::string OpbygUddataVariabel(TProjekt& p, std::string_view tabelNo, std::string_view navn,
                                std::string_view udtryk, std::string_view positioner,
                                std::string_view decimaler, std::string_view enhed);
// Two lines, "Graf(...)" then "Grafakse(...)".
struct TGrafLinier {
    std::string Graf, Grafakse;
};
TGrafLinier OpbygGraf(TProjekt& p, const TGrafValg& v);

}  // namespace plotvik
