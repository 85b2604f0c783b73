// A table sheet ("Tabelark 1" with the constants and tables 1 and 2,
// "TabelArk 2" with tables 3 and 4): its grids and their controls row
// ("Målinger", "OK", "Indlæs", "Beregn", "Tastatur"/"Diskfil"), the
// mean/variance row under each grid, the program-controlled keyboard input
// and the grids' own cell editing. Tables are numbered as the project numbers
// them (0 = the constants), on whichever sheet they sit.
#pragma once

#include <QLineEdit>
#include <QSpinBox>
#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/Projekt.h"
#include "ui/ark/TabelIndtastning.h"
#include "ui/ark/TabelKnapper.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;
class TCelleModel;

namespace plotvik {

struct TIndsaetning;

constexpr int StandardSoejleBredde = 84;  // grid column width in pixels
constexpr int RaekkeHoejde = 20;          // grid row height in pixels
constexpr int PixelPrTegn = 6;            // one character of TabelBredde
// A sheet's size in the window at its default size: at this size every
// control has the place it always had; a larger sheet gives its grids room.
constexpr int ArkBredde = 796;
constexpr int ArkHoejde = 526;

// Virtual-key code of a Qt key, 0 for keys that are ordinary typing.
int VirtuelTast(int qtTast);

// The state of the keyboard input. The input runs across the tables of both
// sheets (a click in one table ends the input in another), so there is one
// set for the program, kept by the main window and shared by its sheets.
struct TIndtastningsTilstand {
    std::array<bool, 5> IndtastningAktiv{}, SpringTil{}, TastAfsluttet{};
    int SpringRaekke = 0, SpringSoejle = 0;  // 1-based grid position of a jump
    bool TastTrykket = false;
    int SidsteTast = 0;
    int AktuelRaekke = -1, AktuelSoejle = -1;  // 0-based grid position; -1 none
    // The cell each table's input waits in (1-based grid row and column).
    std::array<int, 5> IndtastRaekke{}, IndtastSoejle{};
    // Program-controlled input per table (the program-control dialog's boxes).
    std::array<bool, 5> Programstyret{true, true, true, true, true};
    std::array<bool, 5> ProgramstyringMulig{true, true, true, true, true};
};

}  // namespace plotvik

// A table grid (Tabel<t>StringGrid, KonstanterStringGrid): a click into a
// cell starts or moves the keyboard input; in free editing it only makes
// the cell current.
class TTabelGrid : public QTableView {
public:
    TTabelGrid(QWidget* parent);
    using QTableView::edit;
    std::function<bool(QMouseEvent*)> KlikIGrid;  // true: the click is used up
    std::function<bool(QKeyEvent*)> TastIGrid;    // true: the key is used up
    std::function<void()> FokusMistet;
    // The cell being edited in the grid's own editor (free editing) is
    // written to the table and the editor closed, as when the student
    // leaves the cell; answers whether there was one. Every command that
    // rebuilds the table calls this first, so that no typing is lost.
    bool GemAabenCelle();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // A click on the current cell opens its editor once the double-click
    // time is over. The grid waits for that itself: if the table is rebuilt
    // or its input handed to the program meanwhile, no editor opens.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void UdsatRedigering();
    QTimer* udsat_ = nullptr;
    QPersistentModelIndex udsatCelle_;
    EditTrigger sidsteUdloeser_ = NoEditTriggers;
};

// The edit box that lies over the cell being typed (TabelFelt<t>Edit).
class TTabelFeltEdit : public QLineEdit {
public:
    TTabelFeltEdit(QWidget* parent) : QLineEdit(parent) {}
    std::function<void(int tast)> NavigationsTast;  // a virtual-key code
    std::function<void(QFocusEvent*)> FokusMistet;

protected:
    bool event(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// "Målinger" (AntalMaalinger<t>SpinEdit): Enter goes on to its "OK".
class TMaalingerSpinEdit : public QSpinBox {
public:
    TMaalingerSpinEdit(QWidget* parent) : QSpinBox(parent) {}
    std::function<void()> Enter;
    std::function<void(QFocusEvent*)> FokusMistet;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// The controls of one table.
struct TTabelKontroller {
    TTabelGrid* Grid = nullptr;
    TCelleModel* Model = nullptr;
    TTabelFeltEdit* FeltEdit = nullptr;
    QLabel *TabelNoLabel = nullptr, *MaalingerLabel = nullptr;
    TMaalingerSpinEdit* AntalMaalingerSpinEdit = nullptr;
    QPushButton *AntalMaalingerButton = nullptr, *IndLaesTabelButton = nullptr, *BeregnTabelButton = nullptr;
    QGroupBox* InddataGroupBox = nullptr;
    QRadioButton *TastaturRadioButton = nullptr, *DiskfilRadioButton = nullptr;
    QLabel *VariabelLabel = nullptr, *GnsLabel = nullptr, *VariansLabel = nullptr;
    QLineEdit *VariabeludtrykEdit = nullptr, *GennemsnitEdit = nullptr, *VariansEdit = nullptr;
};

class TTabelArk : public QWidget {
    Q_OBJECT
public:
    // Sheet 1 holds the constants and tables 1 and 2, sheet 2 tables 3 and 4.
    TTabelArk(int arkNo, plotvik::TProjekt& p, plotvik::TIndtastningsTilstand& ind, const QFont& skrift,
              QWidget* parent = nullptr);
    ~TTabelArk() override;

    static int ArkForTabel(int tabel) { return tabel <= 2 ? 1 : 2; }
    bool Ejer(int tabel) const { return tabel >= foerste_ && tabel <= sidste_; }
    // The controls of a table on this sheet; empty for any other number.
    const TTabelKontroller& K(int tabel) const;
    QLabel* KonstanterLabel = nullptr;  // sheet 1 only

    // Ends the input in a table of either sheet (the main window dispatches).
    std::function<void(int tabel)> StopIndtastningI;
    // Every cell typed or edited in a grid is written through this (matrix
    // position); the window makes an undo step of it. Unset: written directly.
    std::function<void(int tabel, int variabel, int kolonne, const std::string& tekst)> SkrivCelleI;
    // A command that changes a table as a whole runs through this, so that
    // the window can make one undo step of it. Unset: just run.
    std::function<void(int tabel, const QString& navn, const std::function<void()>& handling)> SomTrin;

    void OpsaetTabelGrid(int tabel);
    void VisOverskrifter(int tabel);
    void VisCelleblok(int tabel, int foersteRaekke, int sidsteRaekke, int foersteSoejle, int sidsteSoejle);
    // The keyboard input (TabelIndtastning.h).
    void IndtastTabel(int tabel, int raekke, int soejle) { indtastning_.IndtastTabel(tabel, raekke, soejle); }
    // Ends running input, keeping what was typed.
    void StopIndtastning(int tabel) { indtastning_.StopIndtastning(tabel); }
    // A cell edited in the grid's own editor, 0-based.
    void GemRedigeretCelle(int tabel, int raekke, int soejle) { indtastning_.GemRedigeretCelle(tabel, raekke, soejle); }
    // The commands on a whole table (TabelKnapper.h).
    void UdregnTabelButtonClick(int tabel) { knapper_.UdregnTabelButtonClick(tabel); }
    void AntalMaalingerButtonClick(int tabel) { knapper_.AntalMaalingerButtonClick(tabel); }
    void IndLaesTabelButtonClick(int tabel) { knapper_.IndLaesTabelButtonClick(tabel); }
    void VariabeludtrykEditExit(int tabel) { knapper_.VariabeludtrykEditExit(tabel); }
    // A checked block of cells (paste, import) written into table t as one step.
    void SkrivCelleblok(int tabel, const plotvik::TIndsaetning& ind) { knapper_.SkrivCelleblok(tabel, ind); }
    // The table whose controls or grid lie at a point of the sheet; 0 for none.
    int TabelVed(QPoint punkt) const { return knapper_.TabelVed(punkt); }
    // Program-controlled input (true) or the grid's own cell editing (false).
    void SaetProgramstyring(int tabel, bool programstyret);
    bool FriRedigering(int tabel) const { return !ind_.Programstyret[tabel]; }

    // Hides every table's grid and controls (the creation step).
    void SkjulTabeller();
    // Shows table t's controls row and grid after a project has been read.
    void VisTabel(int tabel);
    // Lays out the constants' grid after a project has been read.
    void OpsaetKonstantGrid();
    // The "\xB1" columns beside the variables with uncertainties, in every
    // table of the sheet; and laid out again for table t when its
    // uncertainties have come or gone (after a computation).
    void VisUsikkerheder(bool vis);
    void OpdaterUsikkerheder(int tabel);

signals:
    // "Beregn" has computed the table; its graphs go to their sheets.
    void TabelBeregnet(int tabel);

public:
    // Places the controls for the sheet's current size (the sheet's layout
    // does this at every resize).
    void Placer();

private:
    void OpbygKonstanter();
    void OpbygTabel(int tabel);
    TTabelGrid* NytGrid(int tabel, const QString& navn);
    void Forbind(int tabel);
    void PlacerGnsRaekke(int tabel);
    // The grid's size from the model, the program control it allows, and its place.
    void LaegGridUd(int tabel);
    // Moves each "\xB1" column (row) of the model beside its variable on the screen.
    void FlytUsikkerhedsSoejler(int tabel);
    void PlacerTabel(int tabel);
    // Extra room of a larger sheet: how far table t moves down, how much
    // higher its grid may grow, how much wider every grid may grow.
    int Forskydning(int tabel) const;
    int Vaekst(int tabel) const;
    int EkstraBredde() const;
    struct TGridMaal {
        QSize Stoerrelse;
        bool ForBred = false, ForHoej = false;
    };
    // The grid's size: the whole table, up to the room the sheet has.
    TGridMaal GridMaal(int tabel) const;

    int arkNo_, foerste_, sidste_;
    plotvik::TProjekt& p_;
    plotvik::TIndtastningsTilstand& ind_;
    std::array<TTabelKontroller, 5> k_{};
    // The size of the whole table (0 x 0 before it is set up), and the
    // controls row and grid position at the sheet's default size.
    std::array<QSize, 5> indhold_{};
    std::array<std::vector<std::pair<QWidget*, QPoint>>, 5> raekkePlads_{};
    std::array<QPoint, 5> gridPlads_{};
    TTabelIndtastning indtastning_{p_, ind_, k_, foerste_, sidste_, StopIndtastningI, SkrivCelleI};
    TTabelKnapper knapper_{*this, p_};
};
