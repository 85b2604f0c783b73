// Windows-1252 <-> UTF-8, and reading a text file in either.
#include "core/Tegnsaet.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

namespace plotvik {

namespace {

// Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes map to
// the C1 control of the same number so that every byte survives a round trip.
constexpr std::uint16_t Omraade80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t TilUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return Omraade80[b - 0x80];
    return b;
}

char FraUnicode(std::uint32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (Omraade80[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at i; returns its length, 0 when it is not valid.
size_t LaesUtf8(std::string_view s, size_t i, std::uint32_t& u) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    size_t n;
    std::uint32_t mindst;
    if (b < 0x80) { u = b; return 1; }
    if ((b & 0xE0) == 0xC0) { n = 2; u = b & 0x1F; mindst = 0x80; }
    else if ((b & 0xF0) == 0xE0) { n = 3; u = b & 0x0F; mindst = 0x800; }
    else if ((b & 0xF8) == 0xF0) { n = 4; u = b & 0x07; mindst = 0x10000; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        unsigned char c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        u = (u << 6) | (c & 0x3F);
    }
    if (u < mindst || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

void SkrivUtf8(std::string& ud, std::uint32_t u) {
    if (u < 0x80) {
        ud += static_cast<char>(u);
    } else if (u < 0x800) {
        ud += static_cast<char>(0xC0 | (u >> 6));
        ud += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        ud += static_cast<char>(0xE0 | (u >> 12));
        ud += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        ud += static_cast<char>(0xF0 | (u >> 18));
        ud += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        ud += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (u & 0x3F));
    }
}

bool ErUtf8MedIkkeAscii(std::string_view bytes) {
    bool ikkeAscii = false;
    for (size_t i = 0; i < bytes.size();) {
        std::uint32_t u;
        size_t n = LaesUtf8(bytes, i, u);
        if (n == 0) return false;
        if (n > 1) ikkeAscii = true;
        i += n;
    }
    return ikkeAscii;
}

std::string Utf8TilCp1252(std::string_view utf8) {
    std::string ud;
    ud.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        std::uint32_t u;
        size_t n = LaesUtf8(utf8, i, u);
        if (n == 0) {  // not UTF-8 here: keep the byte as it is
            ud += utf8[i++];
            continue;
        }
        ud += FraUnicode(u);
        i += n;
    }
    return ud;
}

std::string Cp1252TilUtf8(std::string_view tekst) {
    std::string ud;
    ud.reserve(tekst.size() + tekst.size() / 4);
    for (char c : tekst) SkrivUtf8(ud, TilUnicode(static_cast<unsigned char>(c)));
    return ud;
}

std::optional<std::string> LaesTekstFil(const std::string& navn) {
    std::ifstream ind(navn, std::ios::binary);
    if (!ind) return std::nullopt;
    std::ostringstream ss;
    ss << ind.rdbuf();
    if (ind.bad()) return std::nullopt;
    std::string indhold = ss.str();
    bool bom = indhold.size() >= 3 && indhold.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (bom) indhold.erase(0, 3);
    if (bom || ErUtf8MedIkkeAscii(indhold)) return Utf8TilCp1252(indhold);
    return indhold;
}

}  // namespace plotvik
