// A live capture: the bytes a measuring device sends, as they arrive, turned
// into measurements of an input table. Each line of values is one
// measurement, written through the same check as pasted and typed values; the
// table's "Målinger" grows with the lines. A malformed line is counted and
// skipped and never touches a row. The capture stops by itself, with a
// message, when the table is full or the device goes away; every value
// received before that is kept. The port itself belongs to the window; this
// part is fed with bytes and the time they arrived.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Projekt.h"
#include "files/DataImport.h"
#include "files/OpsamlingsLinie.h"

namespace plotvik {

struct TOpsamlingsValg {
    int Tabel = 1;
    // Field i of a line goes to variable Variabler[i]; 0 leaves it out.
    // Empty: by the names of a header or the labels where they match the
    // table's input variables, otherwise to the input variables in order.
    std::vector<int> Variabler;
    // An input variable that gets the arrival time (seconds since Start) of
    // each line, for a device that sends no time of its own; 0: none.
    int TidVariabel = 0;
    // The first measurement written; 0: the one after the last measurement
    // that has a value (1 in an empty table).
    int FoersteMaaling = 0;
};

class TOpsamling {
public:
    TOpsamling(TProjekt& p, TOpsamlingsValg valg);

    // Checks that the table can take the capture; false with the reason in Besked().
    bool Start(double tid = 0);
    // Bytes that arrived `tid` seconds after Start's time. Gives the number of
    // measurements they completed.
    int Modtag(std::string_view bytes, double tid);
    // The student's Stop: a line not ended yet is left out.
    void Stop();
    // The device is gone (unplugged, closed): stops with the message.
    void Afbryd();

    bool Koerer() const { return koerer_; }
    int Maalinger() const { return antal_; }        // measurements written by this capture
    int Fejllinier() const { return fejl_ + samler_.ForLange(); }  // lines skipped
    int FoersteMaaling() const { return foerste_; }
    // Measurements per second over the last second up to `naa` (seconds on
    // Start's clock; before the last read: the last read's time).
    double Rate(double naa = 0) const;
    // Why the capture stopped by itself; empty while it runs and after Stop.
    const std::string& Besked() const { return besked_; }
    // A line for the student about the capture so far.
    std::string Status() const;
    const TLinieFormat& Format() const { return fortolker_.Format(); }
    // The variable each field goes to, once the first line of values has decided it.
    const std::vector<int>& Variabler() const { return variabler_; }

private:
    TProjekt& p_;
    TOpsamlingsValg valg_;
    TLinieSamler samler_;
    TLinieFortolker fortolker_;
    bool koerer_ = false;
    double start_ = 0, sidsteTid_ = 0;
    int foerste_ = 1, antal_ = 0, fejl_ = 0;
    bool kapacitet_ = false;  // matrix columns grown ahead of "Målinger"; trimmed when the capture ends
    std::string besked_;
    std::vector<int> variabler_;   // per field; decided at the first line of values
    std::vector<int> blokFelter_;  // the fields that go into the table, in block column order
    TCelleBlok blok_;              // the lines of one read, before they are written
    int blokLinier_ = 0;
    char blokTegn_ = 0;  // the decimal sign the block's lines were read with
    double tid_ = 0;     // the arrival time of the read being taken
    std::deque<std::pair<double, int>> rate_;

    void Linie(std::string_view linie);
    void BestemVariabler();
    bool SkrivBlok(double tid);
    void Afslut(std::string besked);
    int Plads() const { return MaksIndgange - (foerste_ + antal_ + blokLinier_) + 1; }
};

// The measurement after the last one of the table's input variables that has a value.
int NaesteTommeMaaling(const TTabelDef& t);

}  // namespace plotvik
