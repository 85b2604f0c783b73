// Text and number helpers. FormaterTal decides what the student sees in
// every cell and result line, so its rules are followed digit for digit;
// rounding to the shown digits is exact, with a tie going away from zero as
// a student rounds by hand.
#include "core/PlotvikTyper.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <fast_float/fast_float.h>

#include "core/Brugerflade.h"

namespace plotvik {

std::string Kort(std::string_view s) { return std::string(s.substr(0, KortLaengde)); }
std::string Lang(std::string_view s) { return std::string(s.substr(0, LangLaengde)); }

char StortBogstav(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u == 0xE6 || u == 0xF8 || u == 0xE5) return static_cast<char>(u - 32);  // æ ø å
    return c;
}

char LilleBogstav(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u == 0xC6 || u == 0xD8 || u == 0xC5) return static_cast<char>(u + 32);  // Æ Ø Å
    return c;
}

std::string SmaaBogstaver(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = LilleBogstav(c);
    return r;
}

std::string FjernMellemrum(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s)
        if (c != ' ') r += c;
    return r;
}

std::string FjernMellemrumUdenforCitat(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    bool iCitat = false;
    for (char c : s) {
        if (c == '"') {
            iCitat = !iCitat;
            r += c;
        } else if (iCitat || c != ' ') {
            r += c;
        }
    }
    return r;
}

std::string Gentag(char c, int n) { return n > 0 ? std::string(static_cast<size_t>(n), c) : std::string(); }

void IndsaetVed(std::string& s, int p, std::string_view t) {
    if (p <= 0) return;
    const int laengde = static_cast<int>(s.size());
    if (p > laengde + 1) s += Gentag(' ', p - 1 - laengde);
    if (p - 1 + static_cast<int>(t.size()) >= static_cast<int>(s.size())) {
        s.resize(static_cast<size_t>(p - 1));
        s += t;
    } else {
        s.replace(static_cast<size_t>(p - 1), t.size(), t);
    }
}

std::string KommaTilPunkt(std::string_view s) {
    std::string r = Kort(s);
    auto i = r.find(',');
    if (i != std::string::npos) r[i] = '.';
    return r;
}

namespace {

bool ErBlankEllerStyretegn(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

// The text is a decimal number in the standard syntax (sign, digits with an
// optional point and digits, an optional exponent), read to the nearest
// double; the first comma is the decimal mark when there is one, so the
// student may type either. fast_float reads it; the sign is taken here, since
// fast_float would also accept "inf", "nan" and a second sign after a "+".
double TekstTilTal(std::string_view s, bool& fejl) {
    std::string_view t = s.substr(0, KortLaengde);
    while (!t.empty() && ErBlankEllerStyretegn(t.front())) t.remove_prefix(1);
    while (!t.empty() && ErBlankEllerStyretegn(t.back())) t.remove_suffix(1);
    const char* p = t.data();
    const char* const slut = p + t.size();
    bool negativ = false;
    if (p != slut && (*p == '+' || *p == '-')) negativ = *p++ == '-';
    if (p == slut) {
        fejl = true;
        return 0;
    }
    // With a comma in the text, a point is no decimal mark but junk, just as
    // a second comma is.
    const char komma = std::memchr(p, ',', static_cast<size_t>(slut - p)) ? ',' : '.';
    if (!((*p >= '0' && *p <= '9') || *p == komma)) {
        fejl = true;
        return 0;
    }
    double v = 0;
    const auto [ptr, ec] = fast_float::from_chars_advanced(
        p, slut, v, fast_float::parse_options(fast_float::chars_format::general, komma));
    // Beyond the range of a double comes back infinite: not a number the program can hold.
    if (ec != std::errc() || ptr != slut || !std::isfinite(v)) {
        fejl = true;
        return 0;
    }
    fejl = false;
    return negativ ? -v : v;
}

int TekstTilHeltal(std::string_view s) {
    std::string_view t = s.substr(0, KortLaengde);
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    size_t i = 0;
    bool negativ = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativ = t[i++] == '-';
    if (i == t.size()) return 0;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return 0;
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) return 0;
    }
    if (negativ) v = -v;
    if (v > 2147483647LL || v < -2147483648LL) return 0;
    return static_cast<int>(v);
}

// ---------------------------------------------------------------- FormaterTal
//
// The digits come from std::to_chars. The quick route formats the double
// nearest x, which is exact whenever x is not too close to a half of the
// last shown digit (x is a long double: the double nearest it can lie on the
// other side of such a half). Close to a half, the long double itself is
// formatted, and an exact tie, which to_chars rounds to even, is rounded away
// from zero from the one-digit-longer text, which is then exact.

namespace {

constexpr int MaksPotens = 400;  // beyond the exponent of every double and every digit count

// 10^k as the nearest long double, read by the C library (correctly rounded).
Reel Ti(int k) {
    static const Reel* const potenser = [] {
        static Reel v[2 * MaksPotens + 1];
        for (int i = -MaksPotens; i <= MaksPotens; ++i)
            v[i + MaksPotens] = std::strtold(("1e" + std::to_string(i)).c_str(), nullptr);
        return v;
    }();
    return potenser[k + MaksPotens];
}

// Is |x| * 10^k so far from a half that x and the double nearest it round
// alike at that digit? y below carries at most two roundings of 2^-64; the
// double differs from x by at most 2^-53 relatively (x and the double are
// both normal here, or k is small enough that a subnormal difference is nil).
bool LangtFraHalv(Reel ax, int k) {
    if (k < -MaksPotens || k > MaksPotens) return false;
    const Reel y = ax * Ti(k);
    if (!(y < 0x1p48L)) return false;
    // The nearest whole number: below 2^48, adding 2^63 leaves no fraction bit
    // in the 64-bit mantissa (quicker than a conversion to an integer).
    const Reel hel = (y + 0x1p63L) - 0x1p63L;
    return 0.5L - std::fabs(y - hel) > y * 0x1p-50L + 0x1p-40L;
}

// Is |x| * 10^k surely above `graense`, the double nearest x too?
bool SikkertOver(Reel ax, int k, Reel graense) {
    if (k < -MaksPotens || k > MaksPotens) return false;
    const Reel y = ax * Ti(k);
    return y < 0x1p48L && y - graense > y * 0x1p-50L + 0x1p-40L;
}

// Is |x| * 10^k exactly halfway between two integers? Decided on the exact
// binary value: |x| = m * 2^E with m odd (the 64-bit mantissa of the x87
// extended format), and 2 * |x| * 10^k must be odd.
bool ErHalvvejs(Reel x, int k) {
    static_assert(sizeof(Reel) >= 10 && std::numeric_limits<Reel>::digits == 64);
    if (x == 0 || !std::isfinite(x)) return false;
    unsigned char b[sizeof(Reel)];
    std::memcpy(b, &x, sizeof b);
    std::uint64_t m;
    std::memcpy(&m, b, 8);
    const int eksp = (b[8] | (b[9] << 8)) & 0x7FFF;
    if (m == 0) return false;
    const int nuller = __builtin_ctzll(m);
    m >>= nuller;
    const int E = (eksp == 0 ? 1 : eksp) - 16383 - 63 + nuller;
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

// to_chars of x with the given precision: of the double when x is one (or
// when the caller has made sure the double rounds alike), else of the long double.
char* Skriv(char* buf, char* slut, Reel x, bool somDouble, std::chars_format form, int praecision) {
    if (somDouble) return std::to_chars(buf, slut, static_cast<double>(x), form, praecision).ptr;
    return std::to_chars(buf, slut, x, form, praecision).ptr;
}

// Adds one unit in the last place to the number text [start, slut) (an
// optional "-", digits and at most one point). Returns true when the carry
// ran out of the first digit, which is then written as a new "1" in front.
bool LaegEnTil(char* start, char* slut) {
    char* cifre = start + (*start == '-');
    for (char* c = slut; c > cifre;) {
        --c;
        if (*c == '.') continue;
        if (*c != '9') {
            ++*c;
            return false;
        }
        *c = '0';
    }
    std::memmove(cifre + 1, cifre, static_cast<size_t>(slut - cifre));
    *cifre = '1';
    return true;
}

constexpr int Buffer = 64;

// Fixed-point notation with d decimals into buf, without padding; returns the
// length, or -1 when the text would be longer than 20 characters (it is
// never shown then).
int Fastkomma(Reel x, int d, char* buf) {
    const Reel ax = std::fabs(x);
    if (d > 18 || !(ax < 1e20L)) return -1;
    const bool erDouble = static_cast<Reel>(static_cast<double>(x)) == x;
    char* slut;
    if (ErHalvvejs(x, d)) {
        // A tie: the text one decimal longer is exact and ends in 5.
        slut = Skriv(buf, buf + Buffer, x, erDouble, std::chars_format::fixed, d + 1) - 1;
        if (d == 0) --slut;  // and the point
        slut += LaegEnTil(buf, slut);
    } else {
        slut = Skriv(buf, buf + Buffer, x, erDouble || LangtFraHalv(ax, d), std::chars_format::fixed, d);
    }
    const int n = static_cast<int>(slut - buf);
    return n <= 20 ? n : -1;
}

// The decimal exponent of to_chars' scientific text "d.ddde+XX".
int LaesEksponent(const char* e, const char* slut) {
    int v = 0;
    for (const char* c = e + 2; c < slut; ++c) v = v * 10 + (*c - '0');
    return e[1] == '-' ? -v : v;
}

// Scientific notation with a sign position (blank or "-"), `sig` significant
// digits (2 to 18) and a four-digit exponent: " 1.2E+0005". Writes sig + 8
// characters into buf.
int Videnskabelig(Reel x, int sig, char* buf) {
    const Reel ax = std::fabs(x);
    const double dx = static_cast<double>(ax);
    const bool erDouble = static_cast<Reel>(dx) == ax;
    char* m = buf + 1;  // the mantissa without its sign
    char* slut = nullptr;
    int eksp = 0;
    // The quick try formats the double; for a long double that is none it
    // must lie far enough from a half of the last digit.
    bool somDouble = erDouble || std::isnormal(dx);
    for (int forsoeg = 0; forsoeg < 2; ++forsoeg) {
        slut = Skriv(m, buf + Buffer, ax, somDouble, std::chars_format::scientific, sig - 1);
        char* e = std::find(m, slut, 'e');
        eksp = LaesEksponent(e, slut);
        slut = e;
        if (erDouble || !somDouble) break;
        const int k = sig - 1 - eksp;
        bool sikker = LangtFraHalv(ax, k);
        // "1.000" may have come from a carry that x itself does not make:
        // then one digit further to the right is the true exponent.
        if (sikker && m[0] == '1' && std::all_of(m + 2, slut, [](char c) { return c == '0'; }))
            sikker = SikkertOver(ax, k + 1, Ti(sig) - 0.5L);
        if (sikker) break;
        somDouble = false;
    }
    if (ErHalvvejs(ax, sig - 1 - eksp)) {
        // A tie, which to_chars rounds to even: one digit more is exact and ends in 5.
        slut = Skriv(m, buf + Buffer, ax, erDouble, std::chars_format::scientific, sig);
        slut = std::find(m, slut, 'e') - 1;
        if (LaegEnTil(m, slut)) {  // 9.99|5 became 10.00: 1.000 one decade up
            m[1] = '.';
            std::fill(m + 2, m + 1 + sig, '0');
            ++eksp;
        }
    }
    buf[0] = std::signbit(x) ? '-' : ' ';  // -0 too
    char* u = m + sig + 1;
    const int a = eksp < 0 ? -eksp : eksp;
    u[0] = 'E';
    u[1] = eksp < 0 ? '-' : '+';
    u[2] = static_cast<char>('0' + a / 1000 % 10);
    u[3] = static_cast<char>('0' + a / 100 % 10);
    u[4] = static_cast<char>('0' + a / 10 % 10);
    u[5] = static_cast<char>('0' + a % 10);
    return sig + 8;
}

// The two leading exponent digits are dropped when they are "00" (E+0003 -> E+03).
int ToCifretEksponent(char* buf, int n) {
    char* e = buf + n - 6;
    if (e[2] == '0' && e[3] == '0') {
        e[2] = e[4];
        e[3] = e[5];
        return n - 2;
    }
    return n;
}

// The text without its sign blank (no other blank is left; every text here
// is shorter than the 32 characters a cell holds).
std::string Afslut(const char* buf, int n) {
    const int b = buf[0] == ' ';
    return std::string(buf + b, static_cast<size_t>(n - b));
}

// The widest scientific text that fits in 20 characters: used where the
// literal rules would cut digits off a number and show a different one.
// Every such text has at least sig + 6 characters, so the search starts at 14.
std::string VidenskabeligDerPasser(Reel x, int sig) {
    char buf[Buffer];
    for (int s = MinHel(sig, 14); s >= 2; --s) {
        int n = ToCifretEksponent(buf, Videnskabelig(x, s, buf));
        if (n <= 20) return Afslut(buf, n);
    }
    return Afslut(buf, ToCifretEksponent(buf, Videnskabelig(x, 2, buf)));
}

// trunc(log10(|x|)) as the C library gives it, needed only to tell 0..3
// from the rest: away from the powers of ten comparisons decide; close to
// one, log10 itself does, so that a value just below a power of ten is
// placed exactly as before.
int HeleTierPotens(Reel ax) {
    static constexpr Reel graenser[] = {0.1L, 1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L};
    int i = 0;  // graenser[i - 1] <= ax < graenser[i]
    while (i < 6 && ax >= graenser[i]) ++i;
    const bool naer = (i > 0 && ax - graenser[i - 1] <= graenser[i - 1] * 0x1p-40L) ||
                      (i < 6 && graenser[i] - ax <= graenser[i] * 0x1p-40L);
    if (naer) return static_cast<int>(std::trunc(std::log10(ax)));
    static constexpr int e[] = {-1, 0, 0, 1, 2, 3, 4};
    return e[i];
}

}  // namespace

std::string FormaterTal(int w, int d, Reel x) {
    // A value that is not finite has no number to show; the cell says so in a
    // short word that never reads back as a number.
    if (!std::isfinite(x)) return "Fejl";
    if (d < 0) d = 0;
    char buf[Buffer];
    if (d != 0) {
        // Padding to w and cutting to 20 would cut digits when the field is
        // wider than 20; the blanks are removed anyway, so only the number counts.
        const int n = Fastkomma(x, d, buf);
        if (n >= 0) return std::string(buf, static_cast<size_t>(n));
        return VidenskabeligDerPasser(x, 18);
    }
    if (x == 0) return "0.000";
    const int e = HeleTierPotens(std::fabs(x));
    if (e >= 0 && e <= 3) {
        const int k = MinHel(3, w - e - 2);
        if (k >= 0) {
            const int n = Fastkomma(x, k, buf);
            if (n >= 0) return std::string(buf, static_cast<size_t>(n));
            return VidenskabeligDerPasser(x, 18);
        }
        // Very narrow field: scientific in w characters with all four exponent digits.
        const int sig = MinHel(18, MaxHel(2, w - 8));
        const int n = Videnskabelig(x, sig, buf);
        if (MaxHel(n, w) <= 20) return Afslut(buf, n);
        return VidenskabeligDerPasser(x, sig);
    }
    const int sig = MinHel(18, MaxHel(2, (w + 2) - 8));
    // Exactly the field of w + 2 unless wider; fitting in 20 keeps every digit, else fewer digits.
    const int n = Videnskabelig(x, sig, buf);
    if (n > 20) return VidenskabeligDerPasser(x, sig);
    return Afslut(buf, ToCifretEksponent(buf, n));
}

void VisFejl(const std::string& meddelelse) {
    if (Flade().FejlMedIgnorer(meddelelse)) Fejl = false;
}

void SorterPar(int n, double x[], double y[]) {
    for (int i = 1; i <= n - 1; ++i) {
        int mindst = i;
        for (int j = i + 1; j <= n; ++j)
            if (x[j] < x[mindst]) mindst = j;
        Byt(x[i], x[mindst]);
        Byt(y[i], y[mindst]);
    }
}

}  // namespace plotvik
