// Reading delimited text and checking it into an input table (see the header).
// Detection works on a sample of the first lines; the options override each
// decision, so the import dialog can show what was found and let it be changed.
#include "files/DataImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

#include <fast_float/fast_float.h>

#include "core/Tegnsaet.h"

namespace plotvik {

namespace {

constexpr int ProeveLinier = 40;  // lines the separator and the header are decided on
constexpr int VisteLinier = 20;
constexpr int MaksSoejler = 1000;
constexpr long long MaksCeller = 4'000'000;  // 32,767 measurements of 22 variables are 720,874

bool ErBlank(char c) { return c == ' ' || static_cast<unsigned char>(c) < 32; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && ErBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && ErBlank(s.back())) s.remove_suffix(1);
    return s;
}

// ---------------------------------------------------------------- code page

// A spreadsheet's "Unicode text" is UTF-16 with a byte order mark.
std::string Utf16TilUtf8(std::string_view b, bool lilleEndian) {
    std::string ud;
    ud.reserve(b.size() / 2);
    auto enhed = [&](size_t i) -> std::uint32_t {
        auto a = static_cast<unsigned char>(b[i]), c = static_cast<unsigned char>(b[i + 1]);
        return lilleEndian ? (a | (c << 8)) : ((a << 8) | c);
    };
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        std::uint32_t u = enhed(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < b.size()) {
            std::uint32_t l = enhed(i + 2);
            if (l >= 0xDC00 && l <= 0xDFFF) {
                u = 0x10000 + ((u - 0xD800) << 10) + (l - 0xDC00);
                i += 2;
            } else {
                u = '?';
            }
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            u = '?';
        }
        SkrivUtf8(ud, u);
    }
    return ud;
}

// Phone apps write the minus sign U+2212 now and then; it is a minus.
std::string Minustegn(std::string_view utf8) {
    std::string ud;
    ud.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\xE2' && i + 2 < utf8.size() && utf8[i + 1] == '\x88' && utf8[i + 2] == '\x92') {
            ud += '-';
            i += 2;
        } else {
            ud += utf8[i];
        }
    }
    return ud;
}

std::string Afkod(std::string_view bytes, TTegnsaetValg valg, TImportResultat& r) {
    if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
        r.Bom = r.Utf8 = true;
        return Utf8TilCp1252(Minustegn(Utf16TilUtf8(bytes.substr(2), bytes[0] == '\xFF')));
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        r.Bom = true;
        bytes.remove_prefix(3);  // never data, whatever the chosen code page
    }
    r.Utf8 = valg == TTegnsaetValg::Utf8 ||
             (valg == TTegnsaetValg::Auto && (r.Bom || ErUtf8MedIkkeAscii(bytes)));
    if (r.Utf8) return Utf8TilCp1252(Minustegn(bytes));
    return std::string(bytes);
}

// ---------------------------------------------------------------- fields

struct TPost {
    std::vector<std::string> Felter;
    int Linie = 0;
};

// Splits text into records of fields: quoted fields with "" for a quote may
// hold separators and line ends; CRLF, LF and CR all end a line; a line with
// nothing but blanks is no record. Stops after `maks` records (0: no limit).
class TFeltLaeser {
public:
    TFeltLaeser(std::string_view t, char sep) : t_(t), sep_(sep) {}

    bool Naeste(TPost& post) {
        for (;;) {
            if (i_ >= t_.size()) return false;
            post.Felter.clear();
            post.Linie = linie_;
            bool indhold = false;
            for (;;) {
                std::string felt;
                bool citeret = LaesFelt(felt);
                indhold = indhold || citeret || !felt.empty();
                post.Felter.push_back(std::move(felt));
                if (i_ < t_.size() && t_[i_] == sep_) {
                    ++i_;
                    indhold = true;  // a separator makes the line a row, even of empty cells
                    continue;
                }
                LinieSlut();
                break;
            }
            if (indhold) return true;
        }
    }

private:
    std::string_view t_;
    char sep_;
    size_t i_ = 0;
    int linie_ = 1;

    bool VedSlut(size_t i) const { return i >= t_.size() || t_[i] == sep_ || t_[i] == '\r' || t_[i] == '\n'; }

    void LinieSlut() {
        if (i_ >= t_.size()) return;
        if (t_[i_] == '\r' && i_ + 1 < t_.size() && t_[i_ + 1] == '\n') ++i_;
        ++i_;
        ++linie_;
    }

    // True when the field was quoted.
    bool LaesFelt(std::string& felt) {
        size_t j = i_;
        while (j < t_.size() && t_[j] == ' ' && sep_ != ' ') ++j;
        if (j < t_.size() && t_[j] == '"') {
            i_ = j + 1;
            for (;;) {
                if (i_ >= t_.size()) return true;  // an unended quote runs to the end
                char c = t_[i_];
                if (c == '"') {
                    if (i_ + 1 < t_.size() && t_[i_ + 1] == '"') {
                        felt += '"';
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                if (c == '\n' || (c == '\r' && !(i_ + 1 < t_.size() && t_[i_ + 1] == '\n'))) ++linie_;
                felt += c;
                ++i_;
            }
            // Anything between the closing quote and the separator belongs to the field.
            size_t start = i_;
            while (!VedSlut(i_)) ++i_;
            std::string_view rest = Trim(t_.substr(start, i_ - start));
            felt.append(rest);
            return true;
        }
        size_t start = i_;
        while (!VedSlut(i_)) ++i_;
        felt.assign(Trim(t_.substr(start, i_ - start)));
        return false;
    }
};

std::vector<TPost> Proeve(std::string_view tekst, char sep, int maks) {
    std::vector<TPost> poster;
    TFeltLaeser l(tekst, sep);
    TPost p;
    while (static_cast<int>(poster.size()) < maks && l.Naeste(p)) poster.push_back(p);
    return poster;
}

// ---------------------------------------------------------------- numbers

// A number with the decimal sign `dec` (the other sign is no number: it may
// be a thousands separator), read by the same library as a typed value;
// false beyond the range of a double.
bool ErTal(std::string_view tekst, char dec, double* ud = nullptr) {
    std::string_view t = Trim(tekst);
    const char anden = dec == ',' ? '.' : ',';
    if (t.find(anden) != std::string_view::npos) return false;
    bool negativ = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negativ = t[0] == '-';
        t.remove_prefix(1);
    }
    // A digit or the decimal sign first: "inf" and "nan" are no measurements.
    if (t.empty() || !((t[0] >= '0' && t[0] <= '9') || t[0] == dec)) return false;
    double v = 0;
    const auto [ptr, ec] = fast_float::from_chars_advanced(
        t.data(), t.data() + t.size(), v, fast_float::parse_options(fast_float::chars_format::general, dec));
    if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v)) return false;
    if (ud) *ud = negativ ? -v : v;
    return true;
}

bool ErTalMedEtTegn(std::string_view felt, bool kommaMuligt) {
    return ErTal(felt, '.') || (kommaMuligt && ErTal(felt, ','));
}

// A data row: at least one number, and numbers in at least half of the filled cells.
bool ErDataPost(const TPost& p, bool kommaMuligt) {
    int fyldte = 0, tal = 0;
    for (const auto& f : p.Felter) {
        if (f.empty()) continue;
        ++fyldte;
        if (ErTalMedEtTegn(f, kommaMuligt)) ++tal;
    }
    return tal > 0 && 2 * tal >= fyldte;
}

// ---------------------------------------------------------------- detection

int HyppigsteAntal(const std::vector<TPost>& poster, int& hyppighed) {
    std::map<int, int> antal;
    for (const auto& p : poster) ++antal[static_cast<int>(p.Felter.size())];
    int bedst = 1;
    hyppighed = 0;
    for (auto [n, h] : antal)
        if (h > hyppighed || (h == hyppighed && n > bedst)) bedst = n, hyppighed = h;
    return bedst;
}

bool IKlammer(std::string_view f) {
    return f.size() >= 2 && ((f.front() == '[' && f.back() == ']') || (f.front() == '(' && f.back() == ')'));
}

// A header cell of a single column: not a number, and no comma outside
// brackets or parentheses ("t", "t (s)", "Tid [s]", "[m/s^2]"); "t,v" names two columns.
bool ErEnSoejlesOverskrift(std::string_view f) {
    if (f.empty() || ErTal(f, ',') || ErTal(f, '.')) return false;
    int dybde = 0;
    for (char c : f) {
        if (c == '(' || c == '[') ++dybde;
        else if ((c == ')' || c == ']') && dybde > 0) --dybde;
        else if (c == ',' && dybde == 0) return false;
    }
    return true;
}

bool ErHeltTal(std::string_view t) {
    t = Trim(t);
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) t.remove_prefix(1);
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

enum class TEnSoejle { Nej, Ja, Tvetydig };

// Whether the lines of a block without tabs or ';' read as one column of
// numbers with decimal commas: at most two header lines (names, then
// units), then lines that are each one number in Danish notation. Tvetydig:
// every line is also two whole numbers split at its comma ("1,2" as 1 and 2).
TEnSoejle SomEnKommaSoejle(std::string_view tekst) {
    auto linier = Proeve(tekst, '\t', ProeveLinier);
    size_t i = 0;
    while (i < linier.size() && i < 2 && linier[i].Felter.size() == 1 && ErEnSoejlesOverskrift(linier[i].Felter[0])) ++i;
    if (i == linier.size()) return TEnSoejle::Nej;
    bool komma = false, toTal = true;
    for (; i < linier.size(); ++i) {
        if (linier[i].Felter.size() != 1) return TEnSoejle::Nej;
        const std::string& f = linier[i].Felter[0];
        if (!ErTal(f, ',')) return TEnSoejle::Nej;
        const size_t k = f.find(',');
        if (k == std::string::npos) {
            toTal = false;  // a line without a comma is one number either way
            continue;
        }
        komma = true;
        toTal = toTal && ErHeltTal(std::string_view(f).substr(0, k)) && ErHeltTal(std::string_view(f).substr(k + 1));
    }
    if (!komma) return TEnSoejle::Nej;  // nothing to tell apart: the usual rule reads it alike
    return toTal ? TEnSoejle::Tvetydig : TEnSoejle::Ja;
}

// Tab first, then ';', then ',': the first that splits most lines alike. A
// block with ';' or tabs may carry decimal commas, which a split on ',' would
// tear apart; so would a column of Danish numbers, read as one column when
// that reading explains every line. When a column of whole number pairs
// ("1,2") could be either, one column wins, and where two columns would
// also fit the table `note` tells the student which reading was used.
char FindSeparator(std::string_view tekst, int inddatavariabler, std::string& note) {
    if (tekst.find_first_of("\t;") == std::string_view::npos) {
        const TEnSoejle en = SomEnKommaSoejle(tekst);
        if (en == TEnSoejle::Ja) return '\t';
        if (en == TEnSoejle::Tvetydig) {
            if (inddatavariabler != 1)
                note = "Hver linie er l\xE6st som \xE9t tal med decimalkomma (\xE9n s\xF8jle), ikke som to hele tal "
                       "adskilt af komma. Var det to s\xF8jler, s\xE5 fortryd og v\xE6lg komma som separator under "
                       "\"Importer data...\".";
            return '\t';
        }
    }
    for (char sep : {'\t', ';', ','}) {
        auto poster = Proeve(tekst, sep, ProeveLinier);
        int h = 0;
        int n = HyppigsteAntal(poster, h);
        if (n > 1 && 2 * h >= static_cast<int>(poster.size())) return sep;
    }
    return '\t';
}

bool LignerEnheder(const TPost& p) {
    for (const auto& f : p.Felter) {
        if (f.empty()) continue;
        const bool klammer = (f.front() == '[' && f.back() == ']') || (f.front() == '(' && f.back() == ')');
        if (!klammer && (f.size() > 12 || f.find(' ') != std::string::npos)) return false;
    }
    return true;
}

std::string UdenKlammer(std::string_view e) {
    e = Trim(e);
    if (e.size() >= 2 && ((e.front() == '[' && e.back() == ']') || (e.front() == '(' && e.back() == ')')))
        e = Trim(e.substr(1, e.size() - 2));
    return std::string(e);
}

}  // namespace

bool ErTalMedDecimalTegn(std::string_view tekst, char decimalTegn) { return ErTal(tekst, decimalTegn); }

void DelOverskrift(std::string_view tekst, std::string& navn, std::string& enhed) {
    tekst = Trim(tekst);
    for (size_t i = 0; i < tekst.size(); ++i) {
        char aaben = tekst[i];
        if (aaben != '(' && aaben != '[') continue;
        auto luk = tekst.find(aaben == '(' ? ')' : ']', i + 1);
        if (luk == std::string_view::npos) continue;
        navn.assign(Trim(tekst.substr(0, i)));
        enhed.assign(Trim(tekst.substr(i + 1, luk - i - 1)));
        if (navn.empty()) navn.assign(tekst);
        return;
    }
    navn.assign(tekst);
    enhed.clear();
}

TImportResultat LaesDataTekst(std::string_view bytes, const TImportValg& valg) {
    TImportResultat r;
    const std::string tekst = Afkod(bytes, valg.Tegnsaet, r);
    r.Separator = valg.Separator ? valg.Separator : FindSeparator(tekst, valg.Inddatavariabler, r.Note);
    const bool kommaMuligt = valg.DecimalTegn ? valg.DecimalTegn == ',' : r.Separator != ',';

    // Header lines: the lines above the first row of numbers.
    auto proeve = Proeve(tekst, r.Separator, ProeveLinier);
    int hoved = 0;
    if (valg.Hoved != THovedValg::Nej) {
        int foerste = -1;
        for (int i = 0; i < static_cast<int>(proeve.size()) && foerste < 0; ++i)
            if (ErDataPost(proeve[i], kommaMuligt)) foerste = i;
        hoved = foerste < 0 ? 0 : foerste;
        if (valg.Hoved == THovedValg::Ja && hoved == 0 && !proeve.empty()) hoved = 1;
    }
    r.HovedLinier = hoved;

    // Every row after the header, padded to the widest.
    std::vector<TPost> data;
    {
        TFeltLaeser l(tekst, r.Separator);
        TPost p;
        for (int i = 0; l.Naeste(p); ++i)
            if (i >= hoved) data.push_back(std::move(p));
    }
    int soejler = 0;
    for (const auto& p : data) soejler = std::max(soejler, static_cast<int>(p.Felter.size()));

    // The names row and, under it, perhaps a row of units.
    const TPost* navne = nullptr;
    const TPost* enheder = nullptr;
    if (hoved >= 1) {
        navne = &proeve[static_cast<size_t>(hoved - 1)];
        if (hoved >= 2 && proeve[static_cast<size_t>(hoved - 2)].Felter.size() == navne->Felter.size() &&
            (navne->Felter.size() > 1 || IKlammer(navne->Felter[0])) && LignerEnheder(*navne)) {
            enheder = navne;
            navne = &proeve[static_cast<size_t>(hoved - 2)];
        }
        soejler = std::max(soejler, static_cast<int>(navne->Felter.size()));
    }
    // Trailing separators leave columns that are empty everywhere: they are no columns.
    auto tomSoejle = [&](int s) {
        if (navne && s < static_cast<int>(navne->Felter.size()) && !navne->Felter[s].empty()) return false;
        for (const auto& p : data)
            if (s < static_cast<int>(p.Felter.size()) && !p.Felter[s].empty()) return false;
        return true;
    };
    while (soejler > 0 && tomSoejle(soejler - 1)) --soejler;

    // A text far beyond any table (one endless line beside many short ones) is
    // not spread out into a block that would fill the memory.
    if (soejler > MaksSoejler || static_cast<long long>(soejler) * static_cast<long long>(data.size()) > MaksCeller) {
        r.Besked = "Teksten har " + std::to_string(data.size()) + " linier og op til " + std::to_string(soejler) +
                   " felter i en linie; det er for meget til at blive l\xE6st som en tabel.";
        return r;
    }

    if (navne) {
        for (int s = 0; s < soejler; ++s) {
            TKolonneNavn k;
            if (s < static_cast<int>(navne->Felter.size())) k.Tekst = navne->Felter[s];
            DelOverskrift(k.Tekst, k.Navn, k.Enhed);
            if (enheder && s < static_cast<int>(enheder->Felter.size()) && !enheder->Felter[s].empty()) {
                k.Enhed = UdenKlammer(enheder->Felter[s]);
                k.Tekst += " [" + k.Enhed + "]";
            }
            r.Hoved.push_back(std::move(k));
        }
    }

    r.Data.Raekker = static_cast<int>(data.size());
    r.Data.Soejler = soejler;
    r.Data.Celler.resize(static_cast<size_t>(r.Data.Raekker) * static_cast<size_t>(soejler));
    r.Data.Linie.reserve(data.size());
    for (int i = 0; i < r.Data.Raekker; ++i) {
        auto& felter = data[static_cast<size_t>(i)].Felter;
        r.Data.Linie.push_back(data[static_cast<size_t>(i)].Linie);
        for (int s = 0; s < soejler && s < static_cast<int>(felter.size()); ++s)
            r.Data.Celler[static_cast<size_t>(i) * static_cast<size_t>(soejler) + static_cast<size_t>(s)] =
                std::move(felter[static_cast<size_t>(s)]);
    }

    // The decimal sign: a ',' file has decimal points; otherwise the sign most numbers use.
    if (valg.DecimalTegn) {
        r.DecimalTegn = valg.DecimalTegn;
    } else if (r.Separator == ',') {
        r.DecimalTegn = '.';
    } else {
        int komma = 0, punkt = 0;
        const size_t n = std::min(r.Data.Celler.size(), static_cast<size_t>(20000));
        for (size_t i = 0; i < n; ++i) {
            const std::string& c = r.Data.Celler[i];
            if (c.find(',') != std::string::npos && ErTal(c, ',')) ++komma;
            else if (c.find('.') != std::string::npos && ErTal(c, '.')) ++punkt;
        }
        r.DecimalTegn = komma > punkt ? ',' : '.';
    }

    for (int i = 0; i < static_cast<int>(proeve.size()) && i < VisteLinier; ++i) {
        if (i < hoved) {
            r.Forhaandsvisning.push_back(proeve[static_cast<size_t>(i)].Felter);
        } else {
            const int d = i - hoved;
            if (d >= r.Data.Raekker) break;
            std::vector<std::string> raekke;
            for (int s = 0; s < soejler; ++s) raekke.push_back(r.Data.Celle(d, s));
            r.Forhaandsvisning.push_back(std::move(raekke));
        }
    }
    return r;
}

// ---------------------------------------------------------------- into a table

std::string TalFejlTekst(int tabel, char tabelType, int variabel, int kolonne, const std::string& tekst) {
    return "Fejl i Tallet: \"" + tekst + "\"\n\rTabel No: " + std::to_string(tabel) +
           (tabelType == 'R' ? " og " : ": ") + std::to_string(variabel) + ". r\xE6kke og " +
           std::to_string(kolonne) + " s\xF8jle";
}

namespace {

TIndsaetning Afvist(std::string besked) {
    TIndsaetning r;
    r.Besked = std::move(besked);
    return r;
}

// A number longer than a cell is written in the shortest form that reads
// back as the same double, instead of being cut to 32 characters (which
// could drop its exponent and give another number).
std::string KortesteForm(double v, char dec) {
    char buf[40];
    auto [slut, ec] = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, ec == std::errc() ? slut : buf);
    if (dec == ',') {
        auto k = s.find('.');
        if (k != std::string::npos) s[k] = ',';
    }
    return s;
}

}  // namespace

TIndsaetning ForberedIndsaetning(const TProjekt& p, const TCelleBlok& blok, const TIndsaetningsValg& valg) {
    const int t = valg.Tabel;
    if (t == 0)
        return Afvist("Der kan ikke s\xE6ttes ind i konstanttabellen. Skriv konstanternes v\xE6rdier i den \xE9n ad gangen.");
    if (t < 1 || t > MaksTabeller || !p.Tabeller[t].Celler.Oprettet() || p.Tabeller[t].AntalVariable < 1)
        return Afvist("Der er ingen tabel " + std::to_string(t) + " at s\xE6tte ind i.");
    const TTabelDef& tabel = p.Tabeller[t];
    if (tabel.AntalInddata <= 0)
        return Afvist("Tabel " + std::to_string(t) +
                      " har ingen inddatavariable, s\xE5 der er ingen inddata at s\xE6tte ind.");
    if (blok.Raekker <= 0 || blok.Soejler <= 0) return Afvist("Der er ingen tal at s\xE6tte ind.");

    const int antalVar = valg.RaekkerErMaalinger ? blok.Soejler : blok.Raekker;
    const int antalMaal = valg.RaekkerErMaalinger ? blok.Raekker : blok.Soejler;
    const char* akse = valg.RaekkerErMaalinger ? " s\xF8jler" : " r\xE6kker";

    // Which variable each column goes to; only input variables take values.
    if (valg.Variabler.empty() && valg.FoersteVariabel >= 1 && valg.FoersteVariabel <= tabel.AntalInddata &&
        valg.FoersteVariabel + antalVar - 1 > tabel.AntalInddata) {
        const int plads = tabel.AntalInddata - valg.FoersteVariabel + 1;
        return Afvist("Blokken har " + std::to_string(antalVar) + akse + ", men tabel " + std::to_string(t) +
                      " har kun " + std::to_string(plads) + (plads == 1 ? " inddatavariabel" : " inddatavariable") +
                      " fra variabel " + std::to_string(valg.FoersteVariabel) + " og frem. Intet er sat ind.");
    }
    std::vector<int> variabel(static_cast<size_t>(antalVar), 0);
    std::array<bool, MaksVariable + 1> brugt{};
    int valgte = 0;
    for (int i = 0; i < antalVar; ++i) {
        int v = valg.Variabler.empty() ? valg.FoersteVariabel + i
                                       : (i < static_cast<int>(valg.Variabler.size()) ? valg.Variabler[i] : 0);
        if (v == 0 && !valg.Variabler.empty()) continue;
        if (v < 1 || v > tabel.AntalVariable)
            return Afvist("Der er ingen variabel " + std::to_string(v) + " i tabel " + std::to_string(t) +
                          ". Intet er sat ind.");
        if (v > tabel.AntalInddata)
            return Afvist("Variablen " + tabel.Variable[v].Navn + " i tabel " + std::to_string(t) +
                          " beregnes af programmet; der kan kun s\xE6ttes ind i inddatavariable. Intet er sat ind.");
        if (brugt[v])
            return Afvist("To" + std::string(akse) + " skal til samme variabel " + tabel.Variable[v].Navn +
                          ". Intet er sat ind.");
        brugt[v] = true;
        variabel[static_cast<size_t>(i)] = v;
        ++valgte;
    }
    if (valgte == 0) return Afvist("Ingen af blokkens" + std::string(akse) + " er valgt til en variabel.");

    const int foerste = std::max(1, valg.FoersteMaaling);
    const long long sidste = static_cast<long long>(foerste) + antalMaal - 1;
    if (sidste > MaksIndgange) {
        std::string besked = "Blokken har " + std::to_string(antalMaal) + " m\xE5linger";
        if (foerste > 1) besked += " fra m\xE5ling " + std::to_string(foerste) + " og n\xE5r til m\xE5ling " + std::to_string(sidste);
        return Afvist(besked + ", men en tabel kan h\xF8jst have " + std::to_string(MaksIndgange) +
                      " m\xE5linger. Intet er sat ind.");
    }

    TIndsaetning r;
    // A table with no measurements typed yet takes the block's count: the
    // empty rows of its "Målinger" would only look like missing values.
    bool tom = true;
    for (int v = 1; v <= std::min(tabel.AntalInddata, tabel.Celler.Raekker()) && tom; ++v)
        for (int k = 2; k <= std::min(tabel.AntalIndgange + 1, tabel.Celler.Soejler()) && tom; ++k)
            tom = Trim(tabel.Celler.Celle(v, k)).empty();
    r.AntalIndgange = tom ? static_cast<int>(sidste) : std::max(tabel.AntalIndgange, static_cast<int>(sidste));
    r.Skrivninger.reserve(static_cast<size_t>(valgte) * static_cast<size_t>(antalMaal));
    const char dec = valg.DecimalTegn == ',' ? ',' : '.';
    for (int m = 0; m < antalMaal; ++m) {
        for (int i = 0; i < antalVar; ++i) {
            const int v = variabel[static_cast<size_t>(i)];
            if (v == 0) continue;
            const int br = valg.RaekkerErMaalinger ? m : i, bs = valg.RaekkerErMaalinger ? i : m;
            const std::string_view tekst = Trim(blok.Celle(br, bs));
            const int kolonne = foerste + m + 1;
            double x = 0;
            std::string celle;
            if (tekst.empty()) {
                // An empty cell is left empty, as an empty typed cell is.
            } else if (ErTal(tekst, dec, &x)) {
                celle = tekst.size() <= static_cast<size_t>(KortLaengde) ? std::string(tekst) : KortesteForm(x, dec);
            } else {
                celle = Kort(tekst);
                if (valg.Kontrol) {
                    r.Skrivninger.clear();
                    r.Besked = TalFejlTekst(t, tabel.TabelType, v, kolonne, celle);
                    r.FejlRaekke = br;
                    r.FejlSoejle = bs;
                    if (br < static_cast<int>(blok.Linie.size())) r.FejlLinie = blok.Linie[static_cast<size_t>(br)];
                    r.AntalIndgange = tabel.AntalIndgange;
                    return r;
                }
            }
            r.Skrivninger.push_back({v, kolonne, std::move(celle)});
        }
    }
    r.Ok = true;
    return r;
}

void SaetAntalIndgangeBevar(TTabelDef& t, int antal) {
    antal = std::clamp(antal, 1, MaksIndgange);
    const int soejler = antal + 1;
    const int synlige = t.AntalIndgange + 1;  // columns shown now; any beyond are left from a lowered "MÃ¥linger"
    if (soejler > t.Celler.Soejler()) {
        TTekstMatrix ny;
        ny.Opret(std::max(t.AntalVariable, 1), soejler);
        for (int v = 1; v <= t.Celler.Raekker(); ++v)
            for (int k = 1; k <= std::min(synlige, t.Celler.Soejler()); ++k) ny.SaetCelle(t.Celler.Celle(v, k), v, k);
        t.Celler = std::move(ny);
    } else {
        // Old values must not come back into view as if they were new measurements.
        for (int v = 1; v <= t.Celler.Raekker(); ++v)
            for (int k = synlige + 1; k <= soejler; ++k) t.Celler.SaetCelle("", v, k);
    }
    t.AntalIndgange = antal;
    SaetTabelStoerrelse(t);
}

void UdfoerIndsaetning(TProjekt& p, int tabel, const TIndsaetning& ind) {
    if (!ind.Ok || tabel < 1 || tabel > MaksTabeller) return;
    TTabelDef& t = p.Tabeller[tabel];
    if (ind.AntalIndgange > t.AntalIndgange) SaetAntalIndgangeBevar(t, ind.AntalIndgange);
    for (const auto& s : ind.Skrivninger) t.Celler.SaetCelle(s.Tekst, s.Variabel, s.Kolonne);
}

}  // namespace plotvik
