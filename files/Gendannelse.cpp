// The recovery file (see the header). Numbers are written little-endian
// whatever the machine; every read is checked against the bytes left, so a
// damaged body can never make the reader run past its end.
#include "files/Gendannelse.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>


namespace plotvik {

namespace {

constexpr char Maerke[8] = {'P', 'L', 'O', 'T', 'V', 'I', 'K', 'G'};
constexpr std::uint32_t Version = 1;
constexpr size_t HovedLaengde = 8 + 4 + 8 + 4;

const char* const Beskadiget = "Filen med ikke-gemt arbejde er beskadiget eller afkortet og kan ikke bruges.";

// ---------------------------------------------------------------- writing

class TSkriver {
public:
    std::string ud;
    void U8(std::uint8_t v) { ud += static_cast<char>(v); }
    void U32(std::uint32_t v) {
        char b[4];
        for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (8 * i));
        ud.append(b, 4);
    }
    void U64(std::uint64_t v) {
        char b[8];
        for (int i = 0; i < 8; ++i) b[i] = static_cast<char>(v >> (8 * i));
        ud.append(b, 8);
    }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void F64(double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        U64(u);
    }
    void Tekst(std::string_view s) {
        U32(static_cast<std::uint32_t>(s.size()));
        ud.append(s);
    }
    void Celle(const std::string& s) {  // cells hold at most 32 characters
        const size_t n = std::min<size_t>(s.size(), 255);
        U8(static_cast<std::uint8_t>(n));
        ud.append(s, 0, n);
    }
};

// ---------------------------------------------------------------- reading

class TLaeser {
public:
    explicit TLaeser(std::string_view b) : b_(b) {}
    bool ok = true;
    size_t Rest() const { return b_.size() - i_; }

    std::uint8_t U8() { return Tag(1) ? static_cast<std::uint8_t>(b_[i_ - 1]) : 0; }
    std::uint32_t U32() {
        if (!Tag(4)) return 0;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b_[i_ - 4 + i])) << (8 * i);
        return v;
    }
    std::uint64_t U64() {
        if (!Tag(8)) return 0;
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(static_cast<unsigned char>(b_[i_ - 8 + i])) << (8 * i);
        return v;
    }
    int I32(int lav, int hoej) {
        auto v = static_cast<std::int32_t>(U32());
        if (v < lav || v > hoej) ok = false;
        return ok ? v : lav;
    }
    bool Bool() {
        std::uint8_t v = U8();
        if (v > 1) ok = false;
        return v == 1;
    }
    double F64() {
        std::uint64_t u = U64();
        double v;
        std::memcpy(&v, &u, 8);
        return v;
    }
    std::string Tekst() { return Stykke(U32()); }
    std::string Celle() { return Stykke(U8()); }

private:
    std::string_view b_;
    size_t i_ = 0;
    bool Tag(size_t n) {
        if (!ok || Rest() < n) {
            ok = false;
            return false;
        }
        i_ += n;
        return true;
    }
    std::string Stykke(std::uint64_t n) {
        if (!ok || n > Rest()) {
            ok = false;
            return {};
        }
        std::string s(b_.substr(i_, n));
        i_ += n;
        return s;
    }
};

void SkrivGraf(TSkriver& s, const TGrafDef& g) {
    s.Tekst(g.GrafNavn);
    s.I32(g.GrafArkNo);
    s.Tekst(g.XGraf);
    s.Tekst(g.YGraf);
    s.U8(static_cast<std::uint8_t>(g.GrafType));
    s.I32(g.PolGrad);
    s.F64(g.XMin);
    s.F64(g.XMax);
    s.F64(g.YMin);
    s.F64(g.YMax);
}

TGrafDef LaesGraf(TLaeser& l) {
    TGrafDef g;
    g.GrafNavn = l.Tekst();
    g.GrafArkNo = l.I32(INT32_MIN, INT32_MAX);
    g.XGraf = l.Tekst();
    g.YGraf = l.Tekst();
    g.GrafType = static_cast<char>(l.U8());
    g.PolGrad = l.I32(INT32_MIN, INT32_MAX);
    g.XMin = l.F64();
    g.XMax = l.F64();
    g.YMin = l.F64();
    g.YMax = l.F64();
    return g;
}

std::uint32_t CrcTabel[8][256];
bool LavCrcTabel() {
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        CrcTabel[0][i] = c;
    }
    for (int t = 1; t < 8; ++t)
        for (int i = 0; i < 256; ++i) CrcTabel[t][i] = (CrcTabel[t - 1][i] >> 8) ^ CrcTabel[0][CrcTabel[t - 1][i] & 0xFF];
    return true;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
    static const bool klar = LavCrcTabel();
    (void)klar;
    std::uint32_t c = 0xFFFFFFFFu;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    // Eight bytes a step: the recovery file of a full table is several megabytes.
    while (n >= 8) {
        std::uint32_t a = c ^ (p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
        std::uint32_t b = p[4] | (p[5] << 8) | (p[6] << 16) | (static_cast<std::uint32_t>(p[7]) << 24);
        c = CrcTabel[7][a & 0xFF] ^ CrcTabel[6][(a >> 8) & 0xFF] ^ CrcTabel[5][(a >> 16) & 0xFF] ^ CrcTabel[4][a >> 24] ^
            CrcTabel[3][b & 0xFF] ^ CrcTabel[2][(b >> 8) & 0xFF] ^ CrcTabel[1][(b >> 16) & 0xFF] ^ CrcTabel[0][b >> 24];
        p += 8;
        n -= 8;
    }
    while (n--) c = CrcTabel[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

namespace {

// Everything but the cells.
TGendannelse TagFelter(const TProjekt& p, std::string_view projektTekst, std::int64_t tidspunkt) {
    TGendannelse g;
    g.Tidspunkt = tidspunkt;
    g.ProjektTekst = std::string(projektTekst);
    g.ProjektFilNavn = p.ProjektFilNavn;
    g.TekstFilNavn = p.TekstFilNavn;
    g.TekstGemt = p.TekstGemt;
    g.KontrolAfInddata = p.KontrolAfInddata;
    g.AktivTabel = p.AktivTabel;
    g.AktivGraf = p.AktivGraf;
    g.Tilstand = p.Tilstand;
    g.KonstantVaerdi = p.KonstantVaerdi;
    for (int t = 0; t <= MaksTabeller; ++t) {
        const TTabelDef& kilde = p.Tabeller[t];
        TGendannelsesTabel& m = g.Tabeller[t];
        m.AntalIndgange = kilde.AntalIndgange;
        m.VisGnsOgVarians = kilde.VisGnsOgVarians;
        m.Grafer = kilde.Grafer;
        m.Statistik = kilde.Statistik;
    }
    return g;
}

}  // namespace

TGendannelse TagGendannelse(const TProjekt& p, std::string_view projektTekst, std::int64_t tidspunkt) {
    TGendannelse g = TagFelter(p, projektTekst, tidspunkt);
    for (int t = 0; t <= MaksTabeller; ++t) {
        const TTabelDef& kilde = p.Tabeller[t];
        TGendannelsesTabel& m = g.Tabeller[t];
        if (!kilde.Celler.Oprettet()) continue;
        m.Raekker = kilde.Celler.Raekker();
        m.Soejler = kilde.Celler.Soejler();
        m.Celler.reserve(static_cast<size_t>(m.Raekker) * static_cast<size_t>(m.Soejler));
        for (int r = 1; r <= m.Raekker; ++r)
            for (int s = 1; s <= m.Soejler; ++s) m.Celler.push_back(kilde.Celler.Celle(r, s));
    }
    return g;
}

void AnvendGendannelse(TProjekt& p, const TGendannelse& g) {
    p.ProjektFilNavn = g.ProjektFilNavn;
    p.TekstFilNavn = g.TekstFilNavn;
    p.TekstGemt = g.TekstGemt;
    p.KontrolAfInddata = g.KontrolAfInddata;
    p.AktivTabel = g.AktivTabel;
    p.AktivGraf = g.AktivGraf;
    p.Tilstand = g.Tilstand;
    p.KonstantVaerdi = g.KonstantVaerdi;
    for (int t = 0; t <= MaksTabeller; ++t) {
        const TGendannelsesTabel& m = g.Tabeller[t];
        TTabelDef& tabel = p.Tabeller[t];
        tabel.VisGnsOgVarians = m.VisGnsOgVarians;
        tabel.Grafer = m.Grafer;
        tabel.Statistik = m.Statistik;
        tabel.AntalIndgange = m.AntalIndgange;
        if (m.Raekker > 0 && m.Celler.size() == static_cast<size_t>(m.Raekker) * static_cast<size_t>(m.Soejler)) {
            tabel.Celler.Opret(m.Raekker, m.Soejler);
            size_t i = 0;
            for (int r = 1; r <= m.Raekker; ++r)
                for (int s = 1; s <= m.Soejler; ++s) tabel.Celler.SaetCelle(m.Celler[i++], r, s);
            SaetTabelStoerrelse(tabel);
        } else {
            tabel.Celler.Frigiv();
        }
    }
}

namespace {

// The body from the kept fields of g and each table's cells as `celler`
// writes them (size, then every cell), so that the window's project can be
// written without first copying its cells.
template <typename Celler>
std::string Serialiser(const TGendannelse& g, size_t antalCeller, Celler celler) {
    TSkriver s;
    s.ud.reserve(HovedLaengde + g.ProjektTekst.size() + 4096 + antalCeller * 8);
    s.ud.append(HovedLaengde, '\0');  // filled in when the body is known
    s.U64(static_cast<std::uint64_t>(g.Tidspunkt));
    s.Tekst(g.ProjektTekst);
    s.Tekst(g.ProjektFilNavn);
    s.Tekst(g.TekstFilNavn);
    s.U8(g.TekstGemt);
    s.U8(g.KontrolAfInddata);
    s.I32(g.AktivTabel);
    s.I32(g.AktivGraf);
    s.I32(g.Tilstand);
    for (double k : g.KonstantVaerdi) s.F64(k);
    for (int t = 0; t <= MaksTabeller; ++t) {
        const TGendannelsesTabel& tabel = g.Tabeller[t];
        s.I32(tabel.AntalIndgange);
        s.U8(tabel.VisGnsOgVarians);
        for (int k = 1; k <= MaksGrafer; ++k) {
            SkrivGraf(s, tabel.Grafer[k]);
            s.U8(tabel.Statistik[k]);
        }
        celler(s, t);
    }
    // Without the window's part the file is as it was before there was one.
    if (!g.Vindue.empty()) s.Tekst(g.Vindue);
    std::string_view krop(s.ud.data() + HovedLaengde, s.ud.size() - HovedLaengde);
    TSkriver h;
    h.ud.append(Maerke, 8);
    h.U32(Version);
    h.U64(krop.size());
    h.U32(Crc32(krop));
    s.ud.replace(0, HovedLaengde, h.ud);
    return std::move(s.ud);
}

}  // namespace

std::string SerialiserGendannelse(const TGendannelse& g) {
    size_t antal = 0;
    for (const auto& t : g.Tabeller) antal += t.Celler.size();
    return Serialiser(g, antal, [&](TSkriver& s, int t) {
        const TGendannelsesTabel& tabel = g.Tabeller[t];
        const bool hel = tabel.Celler.size() == static_cast<size_t>(tabel.Raekker) * static_cast<size_t>(tabel.Soejler);
        s.I32(hel ? tabel.Raekker : 0);
        s.I32(hel ? tabel.Soejler : 0);
        if (hel)
            for (const auto& c : tabel.Celler) s.Celle(c);
    });
}

std::string SerialiserGendannelse(const TProjekt& p, std::string_view projektTekst, std::int64_t tidspunkt,
                                  std::string_view vindue) {
    TGendannelse g = TagFelter(p, projektTekst, tidspunkt);
    g.Vindue = std::string(vindue);
    size_t antal = 0;
    for (const auto& t : p.Tabeller) antal += static_cast<size_t>(t.Celler.Raekker()) * static_cast<size_t>(t.Celler.Soejler());
    return Serialiser(g, antal, [&](TSkriver& s, int t) {
        const TTekstMatrix& c = p.Tabeller[t].Celler;
        const int raekker = c.Oprettet() ? c.Raekker() : 0, soejler = c.Oprettet() ? c.Soejler() : 0;
        s.I32(raekker);
        s.I32(soejler);
        for (int r = 1; r <= raekker; ++r)
            for (int k = 1; k <= soejler; ++k) s.Celle(c.Celle(r, k));
    });
}

TGendannelsesLaesning LaesGendannelse(std::string_view bytes) {
    TGendannelsesLaesning r;
    if (bytes.size() < 8 || std::memcmp(bytes.data(), Maerke, 8) != 0) {
        r.Besked = "Filen med ikke-gemt arbejde er ikke en gendannelsesfil fra Plotvik.";
        return r;
    }
    if (bytes.size() < HovedLaengde) {
        r.Besked = Beskadiget;
        return r;
    }
    TLaeser h(bytes.substr(8, HovedLaengde - 8));
    const std::uint32_t version = h.U32();
    const std::uint64_t laengde = h.U64();
    const std::uint32_t crc = h.U32();
    if (version != Version) {
        r.Besked = "Filen med ikke-gemt arbejde er skrevet af en anden udgave af Plotvik (version " +
                   std::to_string(version) + ") og kan ikke l\xE6ses.";
        return r;
    }
    const std::string_view krop = bytes.substr(HovedLaengde);
    if (laengde != krop.size() || Crc32(krop) != crc) {
        r.Besked = Beskadiget;
        return r;
    }

    TLaeser l(krop);
    TGendannelse& g = r.Data;
    g.Tidspunkt = static_cast<std::int64_t>(l.U64());
    g.ProjektTekst = l.Tekst();
    g.ProjektFilNavn = l.Tekst();
    g.TekstFilNavn = l.Tekst();
    g.TekstGemt = l.Bool();
    g.KontrolAfInddata = l.Bool();
    g.AktivTabel = l.I32(INT32_MIN, INT32_MAX);  // kept as the project had them
    g.AktivGraf = l.I32(INT32_MIN, INT32_MAX);
    g.Tilstand = l.I32(INT32_MIN, INT32_MAX);
    for (double& k : g.KonstantVaerdi) k = l.F64();
    for (auto& t : g.Tabeller) {
        if (!l.ok) break;
        t.AntalIndgange = l.I32(INT32_MIN, INT32_MAX);
        t.VisGnsOgVarians = l.Bool();
        for (int k = 1; k <= MaksGrafer; ++k) {
            t.Grafer[k] = LaesGraf(l);
            t.Statistik[k] = l.Bool();
        }
        t.Raekker = l.I32(0, MaksVariable + 1);
        t.Soejler = l.I32(0, MaksIndgange + 2);
        if (!l.ok) break;
        if ((t.Raekker == 0) != (t.Soejler == 0)) {
            l.ok = false;
            break;
        }
        const size_t n = static_cast<size_t>(t.Raekker) * static_cast<size_t>(t.Soejler);
        if (n > l.Rest()) {  // every cell takes at least its length byte
            l.ok = false;
            break;
        }
        t.Celler.reserve(n);
        for (size_t i = 0; i < n && l.ok; ++i) t.Celler.push_back(l.Celle());
    }
    // The window's part came later: a file written before it ends here.
    // An empty one is never written: one in a file is damage.
    if (l.ok && l.Rest() > 0) {
        g.Vindue = l.Tekst();
        if (g.Vindue.empty()) l.ok = false;
    }
    if (!l.ok || l.Rest() != 0) {
        r.Data = {};
        r.Besked = Beskadiget;
        return r;
    }
    r.Ok = true;
    return r;
}

TSkrivning SkrivGendannelsesFil(const std::string& navn, const TGendannelse& g) {
    return SkrivFilSikkert(navn, SerialiserGendannelse(g));
}

TGendannelsesLaesning LaesGendannelsesFil(const std::string& navn) {
    TGendannelsesLaesning r;
    std::ifstream ind(navn, std::ios::binary);
    std::ostringstream ss;
    if (ind) ss << ind.rdbuf();
    if (!ind || ind.bad()) {
        r.Besked = "Filen med ikke-gemt arbejde kunne ikke l\xE6ses: " + navn;
        return r;
    }
    return LaesGendannelse(ss.str());
}

namespace {

bool Findes(const std::string& navn) {
    struct stat info {};
    return ::lstat(navn.c_str(), &info) == 0;
}

}  // namespace

std::optional<std::string> FlytBeskadigetFil(const std::string& navn) {
    if (!Findes(navn)) return std::nullopt;
    for (int i = 1; i <= 1000; ++i) {
        const std::string ny = navn + ".beskadiget" + (i == 1 ? std::string() : "-" + std::to_string(i));
        // A hard link cannot replace an existing name, so no kept copy is ever overwritten.
        if (::link(navn.c_str(), ny.c_str()) == 0) {
            if (::unlink(navn.c_str()) != 0) {
                ::unlink(ny.c_str());
                return std::nullopt;
            }
            return ny;
        }
        if (errno == EEXIST) continue;
        // A file system without hard links: rename to a name that is free.
        if (Findes(ny)) continue;
        if (::rename(navn.c_str(), ny.c_str()) == 0) return ny;
        return std::nullopt;
    }
    return std::nullopt;
}

std::string GendannelsesTid(std::int64_t tidspunkt) {
    static const char* const maaneder[12] = {"januar", "februar", "marts",     "april",   "maj",      "juni",
                                             "juli",   "august",  "september", "oktober", "november", "december"};
    std::time_t t = static_cast<std::time_t>(tidspunkt);
    std::tm tm{};
    if (!::localtime_r(&t, &tm)) return "et ukendt tidspunkt";
    char kl[8];
    std::snprintf(kl, sizeof kl, "%02d:%02d", tm.tm_hour, tm.tm_min);
    return std::to_string(tm.tm_mday) + ". " + maaneder[tm.tm_mon] + " " + std::to_string(tm.tm_year + 1900) +
           " kl. " + kl;
}

std::string GendannelsesSpoergsmaal(const TGendannelse& g) {
    std::string s = "Der blev fundet ikke-gemt arbejde fra " + GendannelsesTid(g.Tidspunkt);
    if (!g.ProjektFilNavn.empty()) s += " (projektet " + g.ProjektFilNavn + ")";
    return s + ".\n\rSkal det gendannes?";
}

}  // namespace plotvik
