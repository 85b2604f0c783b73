// The one in-memory project: heading, constants, up to four tables with
// their variables and cells, and up to three graphs per table. Numbered as
// the user numbers them: tables 1..4 (0 is the constants table), variables
// and constants 1..22, graphs 1..3; slot 0 is unused where numbering starts at 1.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/PlotvikPtrArray.h"
#include "core/PlotvikTyper.h"

namespace plotvik {

constexpr int MaksTabeller = 4;
constexpr int MaksVariable = 22;
constexpr int MaksGrafer = 3;
constexpr int MaksIndgange = 32767;

enum class TDefinitionsArt { Tal, Inddata, Udtryk };

// How the uncertainty of a measured quantity is given: not at all, as one
// value for every measurement, as a percentage of each value, or as the
// values of another input variable of the same table (one per measurement).
enum class TUsikkerhedsArt : char { Ingen = 0, Absolut = 'A', Relativ = 'R', Soejle = 'S' };

struct TVariabelDef {
    std::string Definition, Navn, Enhed;
    TDefinitionsArt Art = TDefinitionsArt::Inddata;
    std::string Udtryk;
    int Positioner = 0, Decimaler = 0;
    // Input variables and constants: the number ("0,01"), the percentage
    // ("2") or the name of the variable holding the uncertainties.
    TUsikkerhedsArt UsikkerhedsArt = TUsikkerhedsArt::Ingen;
    std::string UsikkerhedsTekst;
};
// A constant has the shape of a variable; its value text is cell (i, 2) of
// table 0 and its value KonstantVaerdi[i].
using TKonstantDef = TVariabelDef;

struct TGrafDef {
    std::string GrafNavn;
    int GrafArkNo = 1;
    std::string XGraf, YGraf;
    char GrafType = 'K';
    int PolGrad = 0;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    // A model fit (GrafType 'M'): the model and the start values ("k=0,5 A=2").
    std::string Model, StartVaerdier;
    // Logarithmic (base 10) axes of the sheet, taken back from the sheet like its limits.
    bool LogX = false, LogY = false;
};

struct TTabelDef {
    char TabelType = 'S';
    int AntalRaekker = 0, AntalSoejler = 0, TabelBredde = 12, AntalVariable = 0, AntalInddata = 0,
        AntalIndgange = 1, AntalGrafer = 0;
    std::array<TGrafDef, 4> Grafer{};     // 1..3
    std::array<bool, 4> Statistik{};      // per graph sheet 1..3
    bool VisGnsOgVarians = false;
    std::array<TVariabelDef, 23> Variable{};  // 1..22
    TTekstMatrix Celler;
    // The table has been defined (its definition sequence exists): set by a
    // "tabel" line, for table 0 by constant 1.
    bool Defineret = false;
    // The standard uncertainty of every value, [variable][measurement 1..n],
    // as the last computation found it; empty for a variable without one.
    // For the constants table, [constant][1].
    std::array<std::vector<double>, 23> Usikkerheder{};
};

struct TProjekt {
    std::string Overskrift;
    int AntalKonstanter = 0, AntalTabeller = 0, AktivTabel = 0, AktivGraf = 0, Tilstand = 0;
    std::string ProjektFilNavn, TekstFilNavn;
    bool TekstGemt = true, KontrolAfInddata = true;
    std::array<char, 4> OpbygTaellere{'0', '0', '0', '0'};
    std::array<double, 23> KonstantVaerdi{};  // 1..22
    std::array<TTabelDef, 5> Tabeller{};      // 0 = constants, 1..4
};

// Clears the project before a load or a conversion (see the .cpp for the order).
void NulstilProjekt(TProjekt& p);

// The model as the main window sets it up at start: every graph on sheet
// 1, no mean/variance rows, then NulstilProjekt and the start defaults.
void StartProjekt(TProjekt& p);

// True when some variable of the table (or constant, for table 0) has an uncertainty given.
bool HarUsikkerhedsDefinition(const TTabelDef& t);
// The uncertainty of variable v in measurement m as the grid's "\xB1" column shows
// it (formatted as the value is); empty when there is none.
std::string UsikkerhedsCelle(const TTabelDef& t, int v, int m);

// "R": a row per variable; "S": a column per variable (rule kept whenever AntalIndgange changes).
void SaetTabelStoerrelse(TTabelDef& t);

}  // namespace plotvik
