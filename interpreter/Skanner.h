// The character reader shared by the expression readers: the text, the
// position and the current character, with the end mark after the last
// character. Numbers are scanned here too, since both evaluators read them
// the same way apart from the exponent letter.
#pragma once

#include <string>
#include <string_view>

namespace plotvik {

constexpr char SlutTegn = '\r';      // the current character once the text is used up
constexpr int MaksIndlejring = 200;  // parentheses inside each other that a reader follows

struct TLaeser {
    std::string Tekst;
    int Pos = 0;
    int Laengde = 0;
    char Tegn = SlutTegn;

    TLaeser() = default;
    explicit TLaeser(std::string_view tekst);  // position 0, then reads the first character

    void NaesteTegn() {
        ++Pos;
        Tegn = Pos > Laengde ? SlutTegn : Tekst[static_cast<size_t>(Pos - 1)];
    }
    // The end is the position past the text: a carriage return inside the
    // text is an ordinary character.
    bool Slut() const { return Pos > Laengde; }
    // Does the text continue with s from the current character on?
    bool Fortsaetter(std::string_view s) const;
};

inline bool ErCiffer(char c) { return c >= '0' && c <= '9'; }

// Reads a number that begins with the current digit: digits, points and
// commas, then an exponent letter with an optional sign and digits. The
// exponent letter is 'e', and also 'E' when storeE is true. Returns the text read.
std::string LaesTalTekst(TLaeser& l, bool storeE);

// A message is cut to 255 characters before it is shown.
std::string Meddelelse(std::string_view tekst);

}  // namespace plotvik
