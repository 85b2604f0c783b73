// Windows-1252 <-> QString. Latin-1 covers every byte except 0x80-0x9F,
// where Windows-1252 puts the euro sign, curly quotes and a few letters.
#include "ui/Tegnsaet.h"

#include <array>

namespace plotvik {
namespace {

// Unicode code points of bytes 0x80..0x9F; 0 marks the five unused bytes,
// which are passed through as the C1 control of the same value.
constexpr std::array<char16_t, 32> Cp1252Hoej = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString TilQString(const std::string& tekst) {
    QString r;
    r.reserve(static_cast<qsizetype>(tekst.size()));
    for (unsigned char c : tekst) {
        if (c >= 0x80 && c <= 0x9F && Cp1252Hoej[c - 0x80] != 0)
            r.append(QChar(Cp1252Hoej[c - 0x80]));
        else
            r.append(QChar(static_cast<char16_t>(c)));
    }
    return r;
}

std::string FraQString(const QString& tekst) {
    std::string r;
    r.reserve(static_cast<size_t>(tekst.size()));
    for (QChar q : tekst) {
        char16_t u = q.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r.push_back(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (Cp1252Hoej[i] == u || (Cp1252Hoej[i] == 0 && u == 0x80 + i)) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        }
        r.push_back(b);
    }
    return r;
}

}  // namespace plotvik
