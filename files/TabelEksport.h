// Tables out to spreadsheets and word processors: a table as a CSV file
// (names and units in the header row, every cell as shown), and a block of
// shown cells as the two clipboard flavours, tab-separated text and an HTML table.
#pragma once

#include <string>
#include <vector>

#include "core/Projekt.h"
#include "files/SikkerSkrivning.h"

namespace plotvik {

// Danish spreadsheets open ';' with decimal commas directly; ',' goes with decimal points.
struct TEksportValg {
    char Separator = ';';
    char DecimalTegn = ',';
    bool Bom = true;  // a UTF-8 byte order mark, so that spreadsheets know the Danish letters
    // A "\xB1 <name>" column beside each variable that has uncertainties.
    bool MedUsikkerheder = true;
};

// The file's text (UTF-8): one column per variable, one line per measurement,
// whatever the table's orientation; CRLF line ends. A number cell gets the
// chosen decimal sign; every other cell goes as shown. A variable with
// uncertainties is followed by their column (when chosen). Fields holding the
// separator, a quote or a line end are quoted.
std::string TabelSomCsv(const TProjekt& p, int tabel, const TEksportValg& valg = {});

// The heading of a variable's uncertainty column: "\xB1 " and the variable's heading.
std::string UsikkerhedsOverskrift(const std::string& overskrift);

// Writes it whole or not at all.
TSkrivning EksporterTabel(const TProjekt& p, int tabel, const std::string& navn, const TEksportValg& valg = {});

// A rectangular block of shown cells (Windows-1252, rows of cells) for the clipboard.
struct TUdklip {
    std::string TekstUtf8;  // text/plain: tab between cells, one row a line ("\n")
    std::string HtmlUtf8;   // text/html: a <table> with every cell escaped
};
TUdklip KopierBlok(const std::vector<std::vector<std::string>>& celler);

}  // namespace plotvik
