// The printed pages laid out as text lines, each with the font it is printed
// in: a table as column blocks drawn with "-", "|" and "+", the results of a
// graph, and the text sheet. The window only sends these lines to a printer,
// so what is printed can be checked here to the character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"

namespace plotvik {

struct TUdskriftLinie {
    std::string Skrift;  // font name, e.g. "Courier New"
    int Stoerrelse = 10; // points
    std::string Tekst;
    bool operator==(const TUdskriftLinie&) const = default;
};

// The two small writers of the table print.
std::string SkrivTegn(char c, int n);                          // c repeated n times (none for n < 1)
void SkrivTegnLn(std::vector<std::string>& linier, char c, int n);  // ... as a line of its own

// Grid columns in one block: 93 divided by (w + 2), at least 1.
int SoejlerPrBlok(int w);

// The table's grid in blocks, without fonts: every line of every block.
// Table 0 is the constants table. An unknown table gives no lines.
std::vector<std::string> TabelBlokke(const TProjekt& p, int tabel);

// "Udskriv Tabel": the heading (Times New Roman 14), an empty line, then the blocks (Courier New 10).
std::vector<TUdskriftLinie> TabelUdskrift(const TProjekt& p, int tabel, std::string_view overskrift);

// "Udskriv Grafresultater": the heading line for graph `graf` of `tabel`, an empty line, the results.
std::vector<TUdskriftLinie> GrafresultatUdskrift(const TProjekt& p, int tabel, int graf,
                                                 const std::vector<std::string>& resultater);

// The graph sheet (1..3) on which the active graph of the active table is drawn;
// 0 when there is no active graph. "Udskriv Grafresultater" prints only while that sheet is shown.
int GrafArkForAktivGraf(const TProjekt& p);

// "Udskriv Tekst": every line of the text sheet in Arial 10.
std::vector<TUdskriftLinie> TekstUdskrift(const std::vector<std::string>& linier);

}  // namespace plotvik
