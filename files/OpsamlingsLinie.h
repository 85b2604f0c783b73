// The lines a measuring device prints over a serial connection: the bytes cut
// into lines as they arrive (a line may come in several reads, several lines in
// one), and each line read as numbers without any settings: tabs, blanks, ';'
// or ',' between the fields, decimal point or comma as in an imported file,
// "label:value" pairs, and a header line with names before the first values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plotvik {

// Cuts a byte stream into lines. LF, CR and CRLF all end a line (a CRLF cut
// between two reads gives an empty line, which the reader skips). A line that
// grows beyond the limit without an end is garbage from a wrong baud rate or a
// binary device: it is dropped up to its end and counted.
class TLinieSamler {
public:
    explicit TLinieSamler(size_t maksLaengde = 4096) : maks_(maksLaengde) {}

    // Calls linie(std::string_view) for every line completed by these bytes,
    // in order; the view is valid during the call only.
    template <class F>
    void Modtag(std::string_view bytes, F&& linie) {
        while (!bytes.empty()) {
            size_t slut = 0;
            while (slut < bytes.size() && bytes[slut] != '\n' && bytes[slut] != '\r') ++slut;
            if (slut == bytes.size()) {
                Gem(bytes);
                return;
            }
            if (kasserer_) {
                kasserer_ = false;
            } else if (rest_.empty()) {
                if (slut <= maks_) linie(bytes.substr(0, slut));
                else ++forLange_;
            } else {
                Gem(bytes.substr(0, slut));
                if (!kasserer_) linie(std::string_view(rest_));
                kasserer_ = false;
            }
            rest_.clear();
            bytes.remove_prefix(slut + 1);
        }
    }

    // The bytes of a line not ended yet.
    std::string_view Rest() const { return rest_; }
    bool HarRest() const { return !rest_.empty() || kasserer_; }
    // Lines dropped because they grew too long.
    int ForLange() const { return forLange_; }
    void Nulstil() {
        rest_.clear();
        kasserer_ = false;
    }

private:
    size_t maks_;
    std::string rest_;
    bool kasserer_ = false;  // in a line that was too long, up to its end
    int forLange_ = 0;

    void Gem(std::string_view del) {
        if (kasserer_) return;
        if (rest_.size() + del.size() > maks_) {
            rest_.clear();
            kasserer_ = true;
            ++forLange_;
            return;
        }
        rest_.append(del);
    }
};

enum class TLinieArt { Tom, Hoved, Data, Fejl };

// What the stream has shown so far; fixed by the first line of values, so
// that every later line is read alike.
struct TLinieFormat {
    char DecimalTegn = 0;   // 0 until a number has shown one
    int AntalFelter = 0;    // 0 until the first line of values
    bool Etiketter = false; // the values come as "label:value"
    std::vector<std::string> Navne;  // the header's names or the labels, one per field; empty: none
};

// Reads one line at a time. A line of values must have as many fields as the
// first one, every field a number with the stream's decimal sign (the number
// syntax of a typed value); anything else is a malformed line, which changes
// nothing. Lines of text before the first values are a header (the last one
// before the values gives the names).
class TLinieFortolker {
public:
    // felter: how many fields the student expects, 0 when not known; decides
    // whether "1,5" is one number with a decimal comma (one field) or two.
    explicit TLinieFortolker(int felter = 0) : forventet_(felter) {}

    TLinieArt Fortolk(std::string_view linie);
    // The values of the last data line, in field order (by label when the
    // values are labelled); valid until the next line.
    const std::vector<std::string_view>& Felter() const { return vaerdier_; }
    const TLinieFormat& Format() const { return format_; }

private:
    int forventet_;
    TLinieFormat format_;
    std::string arbejde_;  // a labelled line with the blanks around its ':' taken out
    std::vector<std::string_view> felter_, vaerdier_, etiketter_;
    std::vector<std::string> raaEtiketter_;  // the first line's labels as sent

    // Splits the line into felter_; gives the separator found (0: one field).
    char DelFelter(std::string_view linie, bool etiketter);
    TLinieArt Vaerdier(bool etiketter, char adskiller);
};

}  // namespace plotvik
