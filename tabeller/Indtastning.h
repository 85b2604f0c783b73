// The movement rules of program-controlled keyboard input into a table: which
// cell the input goes to after a key, when it ends, and when it only beeps.
// The window places its edit box; this unit decides where. Positions are the
// grid's 1-based row and column, as the input routine counts them: in an "R"
// table the row is the variable and column c holds measurement c - 1, in an
// "S" table the column is the variable and row r holds measurement r - 1.
#pragma once

namespace plotvik {

struct TTabelDef;

// Virtual-key codes of the keys that end the typing of one cell.
namespace Tast {
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Esc = 27;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int Op = 38;
constexpr int Ned = 40;
}  // namespace Tast

bool ErNavigationsTast(int tast);

// The shape of the input block of a table.
struct TIndtastningsFelt {
    char TabelType = 'S';
    int AntalInddata = 0;
    int AntalRaekker = 0;
    int AntalSoejler = 0;
};
TIndtastningsFelt IndtastningsFelt(const TTabelDef& t);

struct TFlytning {
    int Raekke = 0, Soejle = 0;  // the next cell (unchanged when the key only beeps)
    bool Slut = false;           // input ends
    bool Bip = false;            // the key leads nowhere: beep and stay
};

// Where the key `tast` leads from the cell (raekke, soejle).
TFlytning FlytIndtastning(const TIndtastningsFelt& f, int raekke, int soejle, int tast);

// True when the cell holds an input value (not a header, not an output variable).
bool ErInddataCelle(const TIndtastningsFelt& f, int raekke, int soejle);

// The cell of the matrix (variable, column) that grid cell (raekke, soejle) shows.
void MatrixCelle(char tabelType, int raekke, int soejle, int& variabel, int& kolonne);

}  // namespace plotvik
