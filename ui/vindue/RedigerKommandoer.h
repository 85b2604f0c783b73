// "&Rediger": undo and redo of the data, copy and paste on the table grids,
// and the one way a block of cells, a whole-table command or a typed cell
// becomes an undo step.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/vindue/VinduesKerne.h"

namespace plotvik {
struct TCelleSkrivning;
struct TIndsaetning;
}  // namespace plotvik

class TRedigerKommandoer {
public:
    explicit TRedigerKommandoer(TVinduesKerne& kerne) : k(kerne) {}
    // The paste filter goes with its commands, before the window's core it asks.
    ~TRedigerKommandoer();
    TRedigerKommandoer(const TRedigerKommandoer&) = delete;
    TRedigerKommandoer& operator=(const TRedigerKommandoer&) = delete;

    // "&Rediger" between "&Fil" and "&Matematik": "&Fortryd" and "&Gentag"
    // on top of "&Kopier" and "&Sæt ind". The undo stack exists already.
    void OpbygMenu();

    void FortrydMenuItemClick();
    void GentagMenuItemClick();
    void KopierMenuItemClick();
    void IndsaetMenuItemClick();

    // The one way a block of cells (a paste, an import) reaches a table, as
    // one undo step named undoTekst ("Fortryd <undoTekst>"). Positions are
    // matrix positions (TCelleSkrivning); antalIndgange > 0 first sets the
    // table to that many measurements, keeping the values that fit.
    void SkrivCeller(int tabel, std::vector<plotvik::TCelleSkrivning> skrivninger, const QString& undoTekst,
                     int antalIndgange = 0);
    // Pasted and imported values: a block checked by ForberedIndsaetning, written as one step.
    void SkrivCelleblok(int tabel, const plotvik::TIndsaetning& ind,
                        const QString& undoTekst = QString::fromUtf8("indsæt"));
    // Runs a command that changes table t as a whole as one undo step.
    void SomFortrydTrin(int tabel, const QString& navn, const std::function<void()>& handling);
    // A typed or edited cell as one undo step.
    void SkrivTastetCelle(int tabel, int variabel, int kolonne, const std::string& tekst);

    // Delimited text (the clipboard's) into table t from its current cell on.
    void IndsaetTekst(int tabel, const QString& tekst);
    // The table whose grid (or cell editor) has the focus; -1 for none.
    int TabelMedFokus() const;

private:
    TVinduesKerne& k;
    QObject* blokFilter_ = nullptr;  // Ctrl+V of a block in a cell editor goes to "&Sæt ind"
    bool iTrin_ = false;  // a whole-table step or an undo is running: cells are written directly
};
