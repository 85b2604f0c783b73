// The number reader and the cell number format as they were (see the header).
// Nothing here is to be changed: this is the yardstick.
#include "support/GammelTalformat.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace plotvik::gammel {

constexpr int KortLaengde = 32;

inline int MinHel(int a, int b) { return a < b ? a : b; }
inline int MaxHel(int a, int b) { return a > b ? a : b; }

namespace {

bool ErBlankEllerStyretegn(char c) { return static_cast<unsigned char>(c) <= 32; }

// Standard decimal syntax: sign, digits, optional point and digits, optional exponent.
bool ErGyldigtTal(std::string_view s) {
    size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t cifre = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifre;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifre;
    }
    if (cifre == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t eksp = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++eksp;
        if (eksp == 0) return false;
    }
    return i == n;
}

}  // namespace

double TekstTilTal(std::string_view s, bool& fejl) {
    std::string_view t = s.substr(0, KortLaengde);
    while (!t.empty() && ErBlankEllerStyretegn(t.front())) t.remove_prefix(1);
    while (!t.empty() && ErBlankEllerStyretegn(t.back())) t.remove_suffix(1);
    char tekst[KortLaengde + 1];
    std::memcpy(tekst, t.data(), t.size());
    tekst[t.size()] = 0;
    if (char* komma = static_cast<char*>(std::memchr(tekst, ',', t.size()))) *komma = '.';
    if (!ErGyldigtTal(std::string_view(tekst, t.size()))) {
        fejl = true;
        return 0;
    }
    const char* start = tekst;
    const char* slut = tekst + t.size();
    bool negativ = false;
    if (*start == '+' || *start == '-') negativ = *start++ == '-';
    double v = 0;
    auto [ptr, ec] = std::from_chars(start, slut, v, std::chars_format::general);
    if (negativ) v = -v;
    // Out of range (or anything unusual): the C library decides, and a value
    // too large for a double comes back infinite and is refused below.
    if (ec != std::errc() || ptr != slut) v = std::strtod(tekst, nullptr);
    if (!std::isfinite(v)) {  // beyond the range of a double: not a number the program can hold
        fejl = true;
        return 0;
    }
    fejl = false;
    return v;
}


namespace {

// Is |x| * 10^k exactly halfway between two integers? Decided on the exact
// binary value: |x| = m * 2^E with m odd, and 2 * |x| * 10^k must be odd.
bool ErHalvvejs(Reel x, int k) {
    x = std::fabs(x);
    if (x == 0 || !std::isfinite(x)) return false;
    int ex = 0;
    Reel f = std::frexp(x, &ex);                       // x = f * 2^ex, f in [0.5, 1)
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 64));  // exact: 64-bit mantissa
    int E = ex - 64;
    while ((m & 1) == 0) m >>= 1, ++E;
    if (E + k + 1 != 0) return false;
    if (k >= 0) return true;
    // Dividing by 10^-k: 5^-k must divide the odd mantissa.
    std::uint64_t fem = 1;
    for (int i = 0; i < -k; ++i) {
        if (fem > UINT64_MAX / 5) return false;
        fem *= 5;
    }
    return m % fem == 0;
}

// printf with the given format, rounding exactly; an exact tie goes away from zero.
std::string Udskriv(const char* format, int praecision, Reel x, bool tie) {
    int gammel = std::fegetround();
    if (tie) std::fesetround(x > 0 ? FE_UPWARD : FE_DOWNWARD);
    int n = std::snprintf(nullptr, 0, format, praecision, x);
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), format, praecision, x);
    if (tie) std::fesetround(gammel);
    return std::string(buf.data(), static_cast<size_t>(n));
}

using U128 = unsigned __int128;

U128 TiIPotens(int n) {
    U128 r = 1;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}

int Bits(U128 v) {
    auto hoej = static_cast<std::uint64_t>(v >> 64), lav = static_cast<std::uint64_t>(v);
    if (hoej) return 128 - __builtin_clzll(hoej);
    return lav ? 64 - __builtin_clzll(lav) : 0;
}

// |x| = m * 2^E with the 64-bit mantissa of the x87 extended format.
void Mantisse(Reel ax, std::uint64_t& m, int& E) {
    static_assert(sizeof(Reel) >= 10 && std::numeric_limits<Reel>::digits == 64);
    unsigned char b[sizeof(Reel)];
    std::memcpy(b, &ax, sizeof b);
    std::memcpy(&m, b, 8);
    int eksp = (b[8] | (b[9] << 8)) & 0x7FFF;
    E = (eksp == 0 ? 1 : eksp) - 16383 - 63;
}

// Rounds |x| * 10^k to a whole number exactly, an exact tie away from zero,
// with integer arithmetic on the binary value |x| = m * 2^E. False when the
// numbers do not fit in 128 bits or the result not in 64; the caller then
// takes the slower exact route through the C library.
bool RundHeltal(Reel ax, int k, std::uint64_t& q) {
    if (ax == 0) {
        q = 0;
        return true;
    }
    if (k > 38 || k < -38) return false;
    std::uint64_t m;
    int E;
    Mantisse(ax, m, E);
    int nuller = __builtin_ctzll(m);
    m >>= nuller;
    E += nuller;
    U128 taeller = m, kvotient;
    if (k >= 0) {
        // Dividing only by a power of two: shifts, and the tie is the half bit.
        static const U128 ti[] = {TiIPotens(0), TiIPotens(1), TiIPotens(2), TiIPotens(3), TiIPotens(4),
                                  TiIPotens(5), TiIPotens(6), TiIPotens(7), TiIPotens(8), TiIPotens(9),
                                  TiIPotens(10), TiIPotens(11), TiIPotens(12), TiIPotens(13), TiIPotens(14),
                                  TiIPotens(15), TiIPotens(16), TiIPotens(17), TiIPotens(18), TiIPotens(19)};
        U128 t = k < 20 ? ti[k] : TiIPotens(k);
        if (64 - __builtin_clzll(m) + Bits(t) > 127) return false;
        taeller *= t;
        if (E >= 0) {
            if (Bits(taeller) + E > 127) return false;
            kvotient = taeller << E;
        } else if (-E >= 128) {
            kvotient = 0;  // taeller < 2^127: less than half
        } else {
            int sk = -E;
            kvotient = taeller >> sk;
            U128 rest = taeller & ((U128(1) << sk) - 1);
            if (rest >= (U128(1) << (sk - 1))) ++kvotient;  // half or more: away from zero
        }
    } else {
        U128 naevner = TiIPotens(-k);
        if (E > 0) {
            if (Bits(taeller) + E > 127) return false;
            taeller <<= E;
        } else if (E < 0) {
            if (Bits(naevner) - E > 126) return false;
            naevner <<= -E;
        }
        kvotient = taeller / naevner;
        U128 rest = taeller % naevner;
        if (rest >= naevner - rest) ++kvotient;  // half or more: away from zero
    }
    if (kvotient > UINT64_MAX) return false;
    q = static_cast<std::uint64_t>(kvotient);
    return true;
}

// Writes the decimal digits of q at the end of buf; returns where they start.
char* Cifre(std::uint64_t q, char* slut) {
    do {
        *--slut = static_cast<char>('0' + q % 10);
        q /= 10;
    } while (q);
    return slut;
}

// Fixed-point notation with d decimals, without padding.
std::string Fastkomma(Reel x, int d) {
    std::uint64_t q;
    if (d > 30 || !RundHeltal(std::fabs(x), d, q)) return Udskriv("%.*Lf", d, x, ErHalvvejs(x, d));
    char buf[64];
    char* slut = buf + sizeof buf;
    char* start = Cifre(q, slut);
    while (slut - start <= d) *--start = '0';
    char ud[72];
    char* u = ud;
    if (std::signbit(x)) *u++ = '-';
    const char* komma = slut - d;
    for (const char* c = start; c < slut; ++c) {
        if (c == komma) *u++ = '.';
        *u++ = *c;
    }
    return std::string(ud, u);
}

int Tier_eksponent(Reel x) {
    // The decimal exponent of |x| (floor of log10), read off an exact expansion.
    std::string s = Udskriv("%.*Le", 40, std::fabs(x), false);
    return std::atoi(s.c_str() + s.find('e') + 1);
}

std::string MedEksponent(const std::string& mantisse, int eksp) {
    std::string ud;
    ud.reserve(mantisse.size() + 8);
    if (mantisse[0] != '-') ud += ' ';
    ud += mantisse;
    int a = eksp < 0 ? -eksp : eksp;
    char e[6] = {'E', eksp < 0 ? '-' : '+', char('0' + a / 1000 % 10), char('0' + a / 100 % 10),
                 char('0' + a / 10 % 10), char('0' + a % 10)};
    ud.append(e, 6);
    return ud;
}

// Scientific notation with a sign position (blank or "-"), `sig` significant
// digits and a four-digit exponent: " 1.2E+0005".
std::string Videnskabelig(Reel x, int sig) {
    Reel ax = std::fabs(x);
    if (ax != 0 && sig <= 19) {
        // The exponent of the rounded value: guessed from log10, then checked on the digits.
        int e10 = static_cast<int>(std::floor(std::log10(ax)));
        const std::uint64_t lav = static_cast<std::uint64_t>(TiIPotens(sig - 1));
        const U128 hoej = TiIPotens(sig);
        for (int forsoeg = 0; forsoeg < 3; ++forsoeg) {
            std::uint64_t q;
            if (!RundHeltal(ax, sig - 1 - e10, q)) break;
            if (q < lav) { --e10; continue; }
            if (q >= hoej) { ++e10; continue; }
            char buf[32];
            char* slut = buf + sizeof buf;
            char* c = Cifre(q, slut);
            std::string mantisse;
            mantisse.reserve(24);
            if (x < 0) mantisse += '-';
            mantisse += *c++;
            if (sig > 1) {
                mantisse += '.';
                mantisse.append(c, slut);
            }
            return MedEksponent(mantisse, e10);
        }
    }
    int k = sig - 1 - Tier_eksponent(x);
    std::string s = Udskriv("%.*Le", sig - 1, x, ErHalvvejs(x, k));
    size_t e = s.find('e');
    return MedEksponent(s.substr(0, e), std::atoi(s.c_str() + e + 1));
}

std::string HoejreJuster(std::string s, int bredde) {
    if (static_cast<int>(s.size()) < bredde) s.insert(0, static_cast<size_t>(bredde - static_cast<int>(s.size())), ' ');
    return s;
}

// The two leading exponent digits are dropped when they are "00" (E+0003 -> E+03).
std::string ToCifretEksponent(std::string s) {
    size_t e = s.find('E');
    if (e != std::string::npos && e + 3 < s.size() && s[e + 2] == '0' && s[e + 3] == '0')
        s.erase(e + 2, 2);
    return s;
}

// The widest scientific text that fits in 20 characters: used where the
// literal rules would cut digits off a number and show a different one.
std::string VidenskabeligDerPasser(Reel x, int sig) {
    for (int s = sig; s >= 2; --s) {
        std::string t = ToCifretEksponent(Videnskabelig(x, s));
        if (t.size() <= 20) return t;
    }
    return ToCifretEksponent(Videnskabelig(x, 2));
}

std::string Afslut(std::string s) {
    std::erase(s, ' ');
    if (s.size() > KortLaengde) s.resize(KortLaengde);
    return s;
}

}  // namespace

std::string FormaterTal(int w, int d, Reel x) {
    // A value that is not finite has no number to show; the cell says so in a
    // short word that never reads back as a number.
    if (!std::isfinite(x)) return "Fejl";
    if (d < 0) d = 0;
    if (d != 0) {
        std::string tal = Fastkomma(x, d);
        // Padding to w and cutting to 20 would cut digits when the field is
        // wider than 20; the blanks are removed anyway, so only the number counts.
        if (tal.size() <= 20) return Afslut(tal);
        return Afslut(VidenskabeligDerPasser(x, 18));
    }
    if (x == 0) return "0.000";
    int e = static_cast<int>(std::trunc(std::log10(std::fabs(x))));
    if (e >= 0 && e <= 3) {
        int k = MinHel(3, w - e - 2);
        if (k >= 0) {
            std::string tal = Fastkomma(x, k);
            if (tal.size() <= 20) return Afslut(tal);
            return Afslut(VidenskabeligDerPasser(x, 18));
        }
        // Very narrow field: scientific in w characters with all four exponent digits.
        int sig = MinHel(18, MaxHel(2, w - 8));
        std::string t = HoejreJuster(Videnskabelig(x, sig), w);
        if (t.size() <= 20) return Afslut(t);
        return Afslut(VidenskabeligDerPasser(x, sig));
    }
    int sig = MinHel(18, MaxHel(2, (w + 2) - 8));
    std::string t = Videnskabelig(x, sig);  // exactly the field of w + 2 unless wider
    // The field of w + 2 characters: fitting in 20 keeps every digit, else fewer digits.
    if (static_cast<int>(t.size()) > 20) return Afslut(VidenskabeligDerPasser(x, sig));
    return Afslut(ToCifretEksponent(t));
}

}  // namespace plotvik::gammel
