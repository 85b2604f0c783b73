// What a graph sheet shows, as plain data. The window copies its edit boxes
// into this before a graph command ("taken back") and mirrors it into its
// widgets afterwards; the drawing passes read and write it and draw on the
// sheet's canvas. So every graph operation works without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphs/Laerred.h"

namespace plotvik {

enum class TPunktType { Punkt = 0, Kryds = 1, Cirkel = 2, Ruder = 3 };

struct TGrafArk {
    Laerred* Billede = nullptr;           // Graf<s>Image
    bool FelterSynlige = false;           // the fields are shown once a table has been computed
    std::string Overskrift;               // Graf<s>OverskriftLabel
    std::string GrafTypeTekst = "Graftype: ";  // GrafType<s>Label, caption included
    std::string PolGradTekst;             // PolGrad<s>Label, caption included
    bool PolGradSynlig = false;
    std::string XAkse, YAkse;             // Xakse<s>Edit, Yakse<s>Edit
    std::string XMinTekst, XMaxTekst, YMinTekst, YMaxTekst;  // xmin<s>Edit ...
    std::string AntalGrafPunkter = "50";  // AntalGrafPunkter<s>Edit
    TPunktType PunktType = TPunktType::Kryds;
    bool Statistik = false;               // Statistik<s>CheckBox
    bool TegnKunPunkter = false;          // TegnKunPunkter<s>CheckBox
    bool BeholdGraf = false;              // BeholdGraf<s>CheckBox (checked)
    bool BeholdGrafAktiv = false;         // enabled after the first graph on the sheet
    bool TegnFunktionAktiv = false;       // TegnFunktion<s>Button enabled
    std::vector<std::string> Resultater;  // GrafResultater<s>ListBox
    bool LogX = false, LogY = false;      // LogX<s>CheckBox, LogY<s>CheckBox: logarithmic axes
    bool Residualer = false;              // Residualer<s>CheckBox: the fit's residuals under the graph
    // Error bars of the points' uncertainties, along x and along y.
    bool FejlstaengerX = false, FejlstaengerY = false;
};

// The function text and domain last used for a table on a sheet.
struct TFunktionPaaArk {
    std::string Funktion, Definitionsmaengde;
};

// All three sheets (index 1..3) and the per-table-and-sheet function records.
struct TGrafArkene {
    std::array<TGrafArk, 4> Ark{};
    std::array<std::array<TFunktionPaaArk, 4>, 5> Funktioner{};  // [table 1..4][sheet 1..3]
};

}  // namespace plotvik
