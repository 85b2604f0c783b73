// Measurements from outside: delimited text as spreadsheets put it on the
// clipboard and as data loggers and phone sensor apps write it (tab, ';' or
// ',' between fields, decimal point or comma, a header row with units, quoted
// fields), read into a block of cell texts; and the step that turns such a
// block into the cell writes of an input table, every value checked as a
// typed one, all or nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"

namespace plotvik {

enum class TTegnsaetValg { Auto, Utf8, Windows1252 };
enum class THovedValg { Auto, Ja, Nej };

// What the reader should assume; 0 / Auto means "find out from the text".
struct TImportValg {
    char Separator = 0;    // '\t', ';' or ','
    char DecimalTegn = 0;  // '.' or ','
    TTegnsaetValg Tegnsaet = TTegnsaetValg::Auto;
    THovedValg Hoved = THovedValg::Auto;
    // How many input variables the table has from the column the block is
    // meant for; 0 when not known. A block without tabs or ';' whose every line
    // is one number with a decimal comma is a column of such numbers ("1,5" is
    // one and a half, not 1 and 5), also where its whole number pairs ("1,2")
    // could be two columns; then Note says so, unless one variable is left,
    // where two columns would not fit anyway.
    int Inddatavariabler = 0;
};

// A rectangular block of cell texts (Windows-1252), rows of the source in order.
struct TCelleBlok {
    int Raekker = 0, Soejler = 0;
    std::vector<std::string> Celler;  // row by row, Soejler a row
    std::vector<int> Linie;           // the source line (1-based) each row starts on
    const std::string& Celle(int r, int s) const {  // 0-based
        return Celler[static_cast<size_t>(r) * static_cast<size_t>(Soejler) + static_cast<size_t>(s)];
    }
};

// One column of the header: the cell text, its name and its unit (from
// "(s)" or "[m/s^2]" in the cell, or from a units row under the names).
struct TKolonneNavn {
    std::string Tekst, Navn, Enhed;
};

struct TImportResultat {
    // What was used: detected, or as given in the options.
    char Separator = '\t';
    char DecimalTegn = '.';
    bool Utf8 = false;  // the bytes were UTF-8 (or UTF-16 with a byte order mark) and were converted
    bool Bom = false;   // a byte order mark was found and dropped
    int HovedLinier = 0;  // lines above the values (names, units, logger notes)
    std::string Besked;   // not empty when the text is far too large to be a table (Data is then empty)
    std::string Note;     // one line for the student when the block could also have been read otherwise
    std::vector<TKolonneNavn> Hoved;  // one per column when there is a header
    TCelleBlok Data;                  // the values, header lines left out, empty lines skipped
    // The first 20 lines as they will be read, header lines included
    // (the first HovedLinier of them), split into cells.
    std::vector<std::vector<std::string>> Forhaandsvisning;
};

TImportResultat LaesDataTekst(std::string_view bytes, const TImportValg& valg = {});

// "Time (s)" gives "Time" and "s"; "a [m/s^2]" gives "a" and "m/s^2"; no unit: the whole text.
void DelOverskrift(std::string_view tekst, std::string& navn, std::string& enhed);

// True when the text is a number with the given decimal sign: the number syntax
// of a typed value, without the other sign (a thousands separator is no number).
bool ErTalMedDecimalTegn(std::string_view tekst, char decimalTegn);

// ---------------------------------------------------------------- into a table

// Where a block goes. Positions are counted as the model counts them:
// variable 1..22, measurement 1..32767.
struct TIndsaetningsValg {
    int Tabel = 1;
    int FoersteVariabel = 1;
    int FoersteMaaling = 1;
    // Block rows are measurements (the table's grid of an "S" table, and
    // every file); false: block rows are variables (the grid of an "R" table).
    bool RaekkerErMaalinger = true;
    // Block column (or row, when rows are variables) i goes to variable
    // Variabler[i]; 0 leaves it out. Empty: consecutive from FoersteVariabel.
    std::vector<int> Variabler;
    char DecimalTegn = '.';  // of the block, as the reader found it
    bool Kontrol = true;     // the project's check of typed numbers (KontrolAfInddata)
};

struct TCelleSkrivning {
    int Variabel = 0, Kolonne = 0;  // matrix position: column = measurement + 1
    std::string Tekst;
};

struct TIndsaetning {
    bool Ok = false;
    std::string Besked;             // the Danish message when not Ok
    int FejlRaekke = -1, FejlSoejle = -1;  // 0-based block position of a bad cell
    int FejlLinie = 0;              // its source line, when known
    int AntalIndgange = 0;          // the table's number of measurements after the writes
    std::vector<TCelleSkrivning> Skrivninger;
};

// Checks the whole block before anything is written and gives either every
// cell write or the first fault. The project is not changed.
TIndsaetning ForberedIndsaetning(const TProjekt& p, const TCelleBlok& blok, const TIndsaetningsValg& valg);

// Carries out a prepared insertion: grows the table to AntalIndgange keeping
// every value already there, then writes the cells.
void UdfoerIndsaetning(TProjekt& p, int tabel, const TIndsaetning& ind);

// Changes a table's number of measurements keeping the values shown that
// fit (the model's own "OK" starts a fresh matrix instead). Measurements that
// come into view are empty, also where a lowered "Målinger" left old values.
void SaetAntalIndgangeBevar(TTabelDef& t, int antal);

// The message of a typed value that is not a number in free editing, naming
// the table, the variable and the matrix column.
std::string TalFejlTekst(int tabel, char tabelType, int variabel, int kolonne, const std::string& tekst);

}  // namespace plotvik
