// Tables as CSV text and blocks of cells for the clipboard (see the header).
#include "files/TabelEksport.h"

#include <algorithm>

#include "core/Tegnsaet.h"
#include "files/DataImport.h"

namespace plotvik {

namespace {

// A cell that reads as a number gets the file's decimal sign; what the
// student sees otherwise stays as it is.
std::string MedDecimalTegn(const std::string& celle, char dec) {
    const char anden = dec == ',' ? '.' : ',';
    if (celle.find(anden) == std::string::npos || !ErTalMedDecimalTegn(celle, anden)) return celle;
    std::string s = celle;
    s[s.find(anden)] = dec;
    return s;
}

void SkrivFelt(std::string& ud, const std::string& cp1252, char sep) {
    const std::string felt = Cp1252TilUtf8(cp1252);
    if (felt.find_first_of(std::string{sep, '"', '\r', '\n'}) == std::string::npos) {
        ud += felt;
        return;
    }
    ud += '"';
    for (char c : felt) {
        if (c == '"') ud += '"';
        ud += c;
    }
    ud += '"';
}

}  // namespace

std::string UsikkerhedsOverskrift(const std::string& overskrift) { return "\xB1 " + overskrift; }

std::string TabelSomCsv(const TProjekt& p, int tabel, const TEksportValg& valg) {
    std::string ud;
    if (tabel < 0 || tabel > MaksTabeller) return ud;
    const TTabelDef& t = p.Tabeller[tabel];
    const int n = std::min(t.AntalVariable, MaksVariable);
    const int m = tabel == 0 ? 1 : t.AntalIndgange;
    const char sep = valg.Separator;
    const char dec = valg.DecimalTegn == ',' ? ',' : '.';
    ud.reserve(static_cast<size_t>(n) * static_cast<size_t>(m + 1) * 10 + 3);
    if (valg.Bom) ud += "\xEF\xBB\xBF";
    for (int k = 1; k <= m + 1; ++k) {
        for (int v = 1; v <= n; ++v) {
            if (v > 1) ud += sep;
            const std::string& celle = t.Celler.Celle(v, k);
            SkrivFelt(ud, k == 1 ? celle : MedDecimalTegn(celle, dec), sep);
            if (valg.MedUsikkerheder && tabel != 0 && !t.Usikkerheder[v].empty()) {
                ud += sep;
                SkrivFelt(ud, k == 1 ? UsikkerhedsOverskrift(celle) : MedDecimalTegn(UsikkerhedsCelle(t, v, k - 1), dec),
                          sep);
            }
        }
        ud += "\r\n";
    }
    return ud;
}

TSkrivning EksporterTabel(const TProjekt& p, int tabel, const std::string& navn, const TEksportValg& valg) {
    return SkrivFilSikkert(navn, TabelSomCsv(p, tabel, valg));
}

TUdklip KopierBlok(const std::vector<std::vector<std::string>>& celler) {
    TUdklip u;
    u.HtmlUtf8 = "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"><table>";
    for (const auto& raekke : celler) {
        u.HtmlUtf8 += "<tr>";
        bool foerste = true;
        for (const auto& celle : raekke) {
            if (!foerste) u.TekstUtf8 += '\t';
            foerste = false;
            const std::string tekst = Cp1252TilUtf8(celle);
            // A tab or a line end inside a cell would split it in the receiving program.
            for (char c : tekst) u.TekstUtf8 += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
            u.HtmlUtf8 += "<td>";
            for (char c : tekst) {
                switch (c) {
                    case '&': u.HtmlUtf8 += "&amp;"; break;
                    case '<': u.HtmlUtf8 += "&lt;"; break;
                    case '>': u.HtmlUtf8 += "&gt;"; break;
                    case '"': u.HtmlUtf8 += "&quot;"; break;
                    default: u.HtmlUtf8 += c;
                }
            }
            u.HtmlUtf8 += "</td>";
        }
        u.TekstUtf8 += '\n';
        u.HtmlUtf8 += "</tr>";
    }
    u.HtmlUtf8 += "</table>";
    return u;
}

}  // namespace plotvik
