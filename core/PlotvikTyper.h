// Text and number helpers used everywhere: Danish-aware case conversion,
// blank removal, text-to-number with a decimal comma, the cell number format,
// the program-wide error flag with its error box, and the paired sort.
// Texts are Windows-1252 bytes: one byte is one character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plotvik {

using Reel = long double;

// The error flag of the whole program: whoever finds a fault sets it and
// shows a message; callers test it after each step and stop.
inline bool Fejl = false;

constexpr int KortLaengde = 32;   // names, headers, cells
constexpr int FilnavnLaengde = 128;
constexpr int LangLaengde = 255;  // definitions, expressions, file lines

std::string Kort(std::string_view s);  // first 32 characters
std::string Lang(std::string_view s);  // first 255 characters

char StortBogstav(char c);
char LilleBogstav(char c);
std::string SmaaBogstaver(std::string_view s);
std::string FjernMellemrum(std::string_view s);
std::string FjernMellemrumUdenforCitat(std::string_view s);
std::string Gentag(char c, int n);
void IndsaetVed(std::string& s, int p, std::string_view t);
std::string KommaTilPunkt(std::string_view s);
double TekstTilTal(std::string_view s, bool& fejl);
inline double TekstTilTal(std::string_view s) { return TekstTilTal(s, Fejl); }
int TekstTilHeltal(std::string_view s);
std::string FormaterTal(int positioner, int decimaler, Reel x);
// The same text written into the caller's buffer, without a string of its
// own: the table computation formats every cell and copies the text straight
// into it. The view points into `plads`.
struct TTalPlads { char Tegn[64]; };
std::string_view FormaterTal(int positioner, int decimaler, Reel x, TTalPlads& plads);
void VisFejl(const std::string& meddelelse);

inline int MinHel(int a, int b) { return a < b ? a : b; }
inline int MaxHel(int a, int b) { return a > b ? a : b; }
inline double MaxReel(double a, double b) { return a > b ? a : b; }
inline bool IOmraade(std::uint16_t v, std::uint16_t lav, std::uint16_t hoej) { return lav <= v && v <= hoej; }
inline void Byt(double& a, double& b) { double t = a; a = b; b = t; }

// Sorts x[1..n] ascending and applies every exchange to y[1..n] (index 0 unused).
void SorterPar(int n, double x[], double y[]);

}  // namespace plotvik
