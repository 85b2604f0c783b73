// Data files: the measured input values of one table, one measurement (or one
// variable) a line, values separated by blanks. A file whose first line holds
// a comma is first rewritten into a blank-separated copy with "Format" in its
// name, and that copy is read.
#pragma once

#include <string>
#include <string_view>

#include "core/Projekt.h"

namespace plotvik {

// The file last chosen for writing or reading a data file. The window's
// start-up empties it.
inline std::string DataFilNavn;

// "C:\lab\pendul.prj" gives "C:\lab\pendulTabel_2.dat" for table 2; without ".prj", "DataFil.dat".
std::string StandardDataFilNavn(const TProjekt& p, int tabel);
// "maaling.dat" gives "maalingFormat.dat"; the first "." of the file's own
// name counts, not one in a folder name. No ".": "Format.dat" appended.
std::string FormatKopiNavn(const std::string& navn);

// The values of one data file in the order they stand, read as LaesTal reads them.
class TDataLaeser {
public:
    TDataLaeser(std::string_view indhold, bool komma) : tekst_(indhold), komma_(komma) {}
    // The next value (at most 32 characters, viewing the text); false, with
    // the characters collected, when a value is missing or is not made of
    // value characters.
    bool LaesTal(std::string_view& tal);

private:
    std::string_view tekst_;
    size_t i_ = 0;
    bool komma_;
    bool linieHarIndhold_ = false;

    bool Slut() const { return i_ >= tekst_.size(); }
    bool VedLinieSlut() const { return !Slut() && (tekst_[i_] == '\r' || tekst_[i_] == '\n'); }
    void NaesteLinie();
};

// The data file's text for table `tabel` (input variables only), CRLF line ends.
std::string DataFilIndhold(const TProjekt& p, int tabel);

}  // namespace plotvik
