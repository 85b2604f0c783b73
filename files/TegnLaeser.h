// The character stepping shared by the keyword-line parser and the reader of
// definition texts: a 1-based position into one line, and the end mark
// (carriage return) once the position has passed the end.
#pragma once

#include <string>

namespace plotvik {

constexpr char SlutTegn = 13;

struct TTegnLaeser {
    std::string linie;
    int pos = 0;
    char ch = SlutTegn;

    int Laengde() const { return static_cast<int>(linie.size()); }
    // Sets ch from pos without moving.
    void Opdater() { ch = (pos >= 1 && pos <= Laengde()) ? linie[static_cast<size_t>(pos - 1)] : SlutTegn; }
    void NaesteTegn() {
        if (pos <= Laengde()) ++pos;  // never runs away past the end mark
        Opdater();
    }
};

inline bool ErCiffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace plotvik
