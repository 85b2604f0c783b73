// The recovery file: what restores a session after a crash or a power cut.
// The window rebuilds the project from its description text (as "Omdan til
// Projekt Fil" does) and then lays the kept state over it: every table's
// cells and number of measurements, the constants' values and the flags.
//
// The file is binary: a header (a mark, a version, the body's length and its
// CRC-32) and the body. A file cut short or changed by a single bit is
// refused with a message, never half-read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Projekt.h"
#include "files/SikkerSkrivning.h"

namespace plotvik {

struct TGendannelsesTabel {
    int AntalIndgange = 0;
    bool VisGnsOgVarians = false;
    int Raekker = 0, Soejler = 0;     // the cell matrix's size (0 x 0: not created)
    std::vector<std::string> Celler;  // row by row
    // Graph axes and limits are taken back from the graph sheets, so they may differ from the description.
    std::array<TGrafDef, 4> Grafer{};  // 1..3
    std::array<bool, 4> Statistik{};
};

struct TGendannelse {
    std::int64_t Tidspunkt = 0;  // seconds since 1970-01-01 UTC
    std::string ProjektTekst;    // the text sheet's text (Windows-1252)
    std::string ProjektFilNavn, TekstFilNavn;
    bool TekstGemt = true, KontrolAfInddata = true;
    int AktivTabel = 0, AktivGraf = 0, Tilstand = 0;
    std::array<double, 23> KonstantVaerdi{};
    std::array<TGendannelsesTabel, 5> Tabeller{};  // 0 = constants
    // What the window keeps of how it looked (the sheet in front, the graph
    // sheets' fields), in its own words: read and written only by the window.
    // A file without it restores the project alone.
    std::string Vindue;
};

// What the project holds now, with the text sheet's text and the time.
TGendannelse TagGendannelse(const TProjekt& p, std::string_view projektTekst, std::int64_t tidspunkt);

// Lays the kept state over a project rebuilt from ProjektTekst.
void AnvendGendannelse(TProjekt& p, const TGendannelse& g);

std::string SerialiserGendannelse(const TGendannelse& g);
// The same bytes as SerialiserGendannelse(TagGendannelse(p, ...)) with the
// window's part `vindue`, without copying the cells first.
std::string SerialiserGendannelse(const TProjekt& p, std::string_view projektTekst, std::int64_t tidspunkt,
                                  std::string_view vindue = {});

struct TGendannelsesLaesning {
    bool Ok = false;
    std::string Besked;  // Danish, when not Ok
    TGendannelse Data;
};
TGendannelsesLaesning LaesGendannelse(std::string_view bytes);

// Atomic: the previous recovery file stays whole if the write fails.
TSkrivning SkrivGendannelsesFil(const std::string& navn, const TGendannelse& g);
TGendannelsesLaesning LaesGendannelsesFil(const std::string& navn);

// Moves a damaged recovery file aside ("navn.beskadiget", then
// ".beskadiget-2", ...), never over another file. The new name, or nothing
// when it could not be moved.
std::optional<std::string> FlytBeskadigetFil(const std::string& navn);

// "9. december 2026 kl. 14:05" in local time, for the question at start.
std::string GendannelsesTid(std::int64_t tidspunkt);
// "Der blev fundet ikke-gemt arbejde fra <tid>..." with the project's name.
std::string GendannelsesSpoergsmaal(const TGendannelse& g);

// CRC-32 (the one of zip and PNG) of the bytes.
std::uint32_t Crc32(std::string_view bytes);

}  // namespace plotvik
