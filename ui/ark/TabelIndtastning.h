// The keyboard input of the tables of one table sheet: the edit box over
// the cell being typed, the moves between cells by the input rules, a click
// or a key into a grid, and the grids' own cell editing in free editing.
#pragma once

#include <array>
#include <functional>
#include <string>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
struct TTabelKontroller;

namespace plotvik {
struct TProjekt;
struct TIndtastningsTilstand;
}  // namespace plotvik

class TTabelIndtastning {
public:
    using TStopI = std::function<void(int tabel)>;
    using TSkrivCelleI = std::function<void(int tabel, int variabel, int kolonne, const std::string& tekst)>;
    // The sheet's tables foerste..sidste and their controls; the input of a
    // table on the other sheet is ended through stopIndtastningI, and every
    // cell is written through skrivCelleI (unset: directly).
    TTabelIndtastning(plotvik::TProjekt& p, plotvik::TIndtastningsTilstand& ind,
                      const std::array<TTabelKontroller, 5>& kontroller, int foerste, int sidste,
                      const TStopI& stopIndtastningI, const TSkrivCelleI& skrivCelleI);

    void IndtastTabel(int tabel, int raekke, int soejle);
    void StopIndtastning(int tabel);  // ends running input, keeping what was typed
    void GemRedigeretCelle(int tabel, int raekke, int soejle);  // 0-based grid cell

    // A cell typed or edited, at its matrix position.
    void SkrivCelle(int tabel, int variabel, int kolonne, const std::string& tekst);
    // The controls' events, handed on by the sheet.
    void TastIFelt(int tabel, int tast);
    void FeltFokusMistet(int tabel, QFocusEvent* e);
    bool KlikIGrid(int tabel, QMouseEvent* e);
    bool TastIGrid(int tabel, QKeyEvent* e);

private:
    bool Ejer(int tabel) const { return tabel >= foerste_ && tabel <= sidste_; }
    bool FriRedigering(int tabel) const;
    void VisFeltEdit(int tabel, int raekke, int soejle);
    void TagFeltTekst(int tabel);
    void FeltForladt(int tabel);

    plotvik::TProjekt& p_;
    plotvik::TIndtastningsTilstand& ind_;
    const std::array<TTabelKontroller, 5>& k_;
    int foerste_, sidste_;
    const TStopI& stopIndtastningI_;
    const TSkrivCelleI& skrivCelleI_;
};
