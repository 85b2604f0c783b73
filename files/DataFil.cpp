// Writing and reading a table's input values. Values travel as cell texts:
// nothing is converted here, the table computation reads them as numbers.
#include "files/DataFil.h"

#include <sys/stat.h>

#include "core/Brugerflade.h"
#include "core/Tegnsaet.h"
#include "files/PlotvikFiler.h"
#include "files/SikkerSkrivning.h"

namespace plotvik {

namespace {

bool ErVaerdiTegn(char c) {
    return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 'E' || c == 'e';
}
bool ErBlank(char c) { return c == ' ' || c == '\t'; }

bool Findes(const std::string& navn) {
    struct stat info {};
    return ::stat(navn.c_str(), &info) == 0;
}

std::string IngenInddata(int tabel, const char* hvad) {
    return "Tabel " + std::to_string(tabel) + " har ingen inddatavariable, s\xE5 der er ingen inddata at " + hvad;
}

}  // namespace

std::string StandardDataFilNavn(const TProjekt& p, int tabel) {
    auto i = p.ProjektFilNavn.find(".prj");
    if (i == std::string::npos) return "DataFil.dat";
    return (p.ProjektFilNavn.substr(0, i) + "Tabel_" + std::to_string(tabel) + ".dat").substr(0, FilnavnLaengde);
}

std::string FormatKopiNavn(const std::string& navn) {
    auto skel = navn.find_last_of("/\\");
    auto punkt = navn.find('.', skel == std::string::npos ? 0 : skel + 1);
    std::string kopi = punkt == std::string::npos ? navn + "Format.dat"
                                                  : navn.substr(0, punkt) + "Format" + navn.substr(punkt);
    return kopi.substr(0, FilnavnLaengde);
}

void TDataLaeser::NaesteLinie() {
    if (Slut()) return;
    if (tekst_[i_] == '\r' && i_ + 1 < tekst_.size() && tekst_[i_ + 1] == '\n') ++i_;
    ++i_;
    linieHarIndhold_ = false;
}

bool TDataLaeser::LaesTal(std::string_view& tal) {
    tal = {};
    for (;;) {
        if (Slut()) return false;
        if (VedLinieSlut()) {
            // Blanks after the last value of a line end that line; an empty line is no value.
            if (komma_ || linieHarIndhold_) {
                NaesteLinie();
                continue;
            }
            return false;
        }
        char c = tekst_[i_];
        if (ErBlank(c) || (komma_ && c == ',')) {
            ++i_;
            continue;
        }
        break;
    }
    const size_t start = i_;
    while (!Slut() && ErVaerdiTegn(tekst_[i_])) ++i_;
    tal = tekst_.substr(start, MinHel(static_cast<int>(i_ - start), KortLaengde));
    if (tal.empty()) return false;
    linieHarIndhold_ = true;
    if (VedLinieSlut()) {
        if (!komma_) NaesteLinie();
    } else if (!Slut()) {
        ++i_;  // the character that ended the value is read with it
    }
    return true;
}

std::string DataFilIndhold(const TProjekt& p, int t) {
    const auto& tabel = p.Tabeller[t];
    const int n = MinHel(tabel.AntalInddata, MaksVariable);
    const int m = tabel.AntalIndgange;
    std::string ud;
    ud.reserve(static_cast<size_t>(n) * static_cast<size_t>(m) * 8);
    auto vaerdi = [&](int v, int j) {
        // The first comma becomes a point: files always carry decimal points.
        const std::string& c = tabel.Celler.Celle(v, j + 1);
        auto k = c.find(',');
        if (k == std::string::npos) {
            ud += c;
        } else {
            ud.append(c, 0, k);
            ud += '.';
            ud.append(c, k + 1);
        }
    };
    if (tabel.TabelType == 'R') {
        for (int v = 1; v <= n; ++v) {
            for (int j = 1; j <= m; ++j) {
                if (j > 1) ud += ' ';
                vaerdi(v, j);
            }
            ud += "\r\n";
        }
    } else {
        for (int j = 1; j <= m; ++j) {
            for (int v = 1; v <= n; ++v) {
                if (v > 1) ud += ' ';
                vaerdi(v, j);
            }
            ud += "\r\n";
        }
    }
    return ud;
}

void GemDataFil(TProjekt& p, int t) {
    if (t < 1 || t > MaksTabeller) {
        Flade().Fejlboks("Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
        return;
    }
    if (p.Tabeller[t].AntalInddata <= 0) {
        Flade().Informationsboks(IngenInddata(t, "gemme"));
        return;
    }
    // A value the reader cannot take back as one value (an empty cell, or one
    // with a blank inside) would shift every later value in the file: refuse
    // before anything is written, and say which cell it is.
    {
        const auto& tabel = p.Tabeller[t];
        for (int v = 1; v <= MinHel(tabel.AntalInddata, MaksVariable); ++v) {
            for (int j = 1; j <= tabel.AntalIndgange; ++j) {
                const std::string& c = tabel.Celler.Celle(v, j + 1);
                bool tom = c.find_first_not_of(" \t") == std::string::npos;
                if (tom || c.find_first_of(" \t") != std::string::npos) {
                    Flade().Fejlboks("Kan ikke gemme inddata: m\xE5ling " + std::to_string(j) + " af " +
                                     tabel.Variable[v].Navn + " i tabel " + std::to_string(t) +
                                     (tom ? " er tom." : " indeholder mellemrum.") +
                                     "\n\rRet cellen, og gem igen.");
                    return;
                }
            }
        }
    }
    auto valgt = Flade().GemFilDialog("Data filer (*.dat)|*.dat|Alle filer (*.*)|*.*", StandardDataFilNavn(p, t));
    if (!valgt) return;
    const std::string navn = valgt->substr(0, FilnavnLaengde);
    DataFilNavn = navn;
    if (Findes(navn) && !Flade().JaEllerNej("Filen: " + navn + " eksisterer\n\rSkal den overskrives?")) return;
    if (SkrivFilSikkert(navn, DataFilIndhold(p, t)) != TSkrivning::Skrevet) {
        Fejl = true;
        VisFejl("Fejl ved skrivning af DataFil");
    }
}

namespace {

// Reads the table's values in the order of its layout into the cells (or,
// for the comma form, into the plain copy's text). False after a read error,
// which has been shown.
template <typename Modtag>
bool LaesVaerdier(const TTabelDef& tabel, TDataLaeser& laeser, Modtag modtag) {
    const int n = MinHel(tabel.AntalInddata, MaksVariable);
    const int m = tabel.AntalIndgange;
    std::string_view tal;
    auto en = [&](int v, int j) {
        if (laeser.LaesTal(tal)) {
            modtag(v, j, tal);
            return true;
        }
        VisFejl("Fejl ved l\xE6sning af tal \"" + std::string(tal) + "\" i datafil");
        Fejl = false;
        return false;
    };
    if (tabel.TabelType == 'R') {
        for (int v = 1; v <= n; ++v)
            for (int j = 1; j <= m; ++j)
                if (!en(v, j)) return false;
    } else {
        for (int j = 1; j <= m; ++j)
            for (int v = 1; v <= n; ++v)
                if (!en(v, j)) return false;
    }
    return true;
}

}  // namespace

void IndlaesDataFil(TProjekt& p, int t) {
    if (t < 1 || t > MaksTabeller) return;
    auto& tabel = p.Tabeller[t];
    if (tabel.AntalInddata <= 0) {
        Flade().Informationsboks(IngenInddata(t, "indl\xE6se"));
        return;
    }
    auto valgt = Flade().AabnFilDialog("Datafiler (*.dat)|*.dat| Alle Filer (*.*)|*.*", "*.dat");
    if (!valgt || *valgt == "*.dat") return;
    const std::string navn = valgt->substr(0, FilnavnLaengde);
    DataFilNavn = navn;
    auto indhold = LaesTekstFil(navn);
    if (!indhold) {
        Fejl = true;
        VisFejl("Fejl ved indl\xE6sning fra filen " + navn);
        return;
    }
    Fejl = false;
    std::string_view tekst = *indhold;
    auto linieSlut = tekst.find_first_of("\r\n");
    const bool komma = tekst.substr(0, linieSlut).find(',') != std::string_view::npos;

    std::string kopi;
    if (komma) {
        // The plain copy: one blank between values, a line end after each line of the layout.
        TDataLaeser laeser(tekst, true);
        const int n = MinHel(tabel.AntalInddata, MaksVariable);
        const int sidste = tabel.TabelType == 'R' ? tabel.AntalIndgange : n;
        bool ok = LaesVaerdier(tabel, laeser, [&](int v, int j, std::string_view tal) {
            kopi += tal;
            kopi += ((tabel.TabelType == 'R' ? j : v) == sidste) ? "\r\n" : " ";
        });
        if (!ok) return;
        const std::string kopiNavn = FormatKopiNavn(navn);
        auto resultat = SkrivFilSikkert(kopiNavn, kopi);
        if (resultat == TSkrivning::KanIkkeOprettes)
            Flade().Informationsboks("Fejl ved AssignFile. Filnavne= " + kopiNavn + ", " + navn);
        if (resultat != TSkrivning::Skrevet) {
            Flade().Fejlboks("Fejl ved skrivning af filen " + kopiNavn);
            return;
        }
        tekst = kopi;
    }
    TDataLaeser laeser(tekst, false);
    LaesVaerdier(tabel, laeser, [&](int v, int j, std::string_view tal) { tabel.Celler.SaetCelle(tal, v, j + 1); });
}

}  // namespace plotvik
