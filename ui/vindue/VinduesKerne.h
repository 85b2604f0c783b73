// The window as its commands see it: the one project of the run, the state
// of the graph sheets and of the keyboard input, the sheets themselves, the
// undo stack and autosave, and the dispatch of a table's or a graph sheet's
// command to the sheet that holds it. The main window (TPlotvikForm) is
// this core with menus around it; each group of commands (files, data,
// editing and undo, recovery, the welcome, the graph tools, the definitions)
// is a class of its own that is handed this core, and reaches another group
// only through the pointers here, never through the main window.
#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "ui/ark/GrafArkSide.h"
#include "ui/ark/TabelArk.h"

class QAction;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QUndoStack;
class QWidget;
class TAutogem;
class TCelleModel;
class TGrafBillede;
class TTekstArk;
struct TFortrydDele;

class TFilKommandoer;
class TDataKommandoer;
class TRedigerKommandoer;
class TGendannelsesKommandoer;
class TVelkomstKommandoer;
class TGrafKommandoer;
class TDefinerKommandoer;

class TVinduesKerne {
public:
    explicit TVinduesKerne(QMainWindow& hovedvindue);
    virtual ~TVinduesKerne();
    TVinduesKerne(const TVinduesKerne&) = delete;
    TVinduesKerne& operator=(const TVinduesKerne&) = delete;

    // The window the dialogs belong to, whose menus and title the commands set.
    QMainWindow& Hovedvindue;

    // The one project of the run and the state of the graph sheets.
    plotvik::TProjekt Projekt;
    plotvik::TGrafArkene GrafArkene;
    plotvik::TTegneTilstand TegneTilstand;
    plotvik::TVaerktoejTilstand VaerktoejTilstand;

    // The creation step, also run again before a project is loaded (the window's own).
    virtual void FormCreate() = 0;

    // The groups of commands, made and owned by the window.
    TFilKommandoer* Filkommandoer = nullptr;
    TDataKommandoer* Datakommandoer = nullptr;
    TRedigerKommandoer* Redigering = nullptr;
    TGendannelsesKommandoer* Gendannelse = nullptr;
    TVelkomstKommandoer* Velkomst = nullptr;
    TGrafKommandoer* Grafkommandoer = nullptr;
    TDefinerKommandoer* Definitioner = nullptr;

    // ---- the sheets: 1 "Tabelark 1", 2 "TabelArk 2", 3..5 graph sheets, 6 "TekstArk" ----
    QTabWidget* SideKontrol = nullptr;
    std::array<QWidget*, 7> Ark{};
    std::array<TTabelArk*, 3> TabelSide{};   // 1 tables 0..2, 2 tables 3 and 4
    std::array<TGrafArkSide*, 4> GrafSide{}; // graph sheet s = 1..3
    TTekstArk* TekstSide = nullptr;
    TTabelArk* TabelSideFor(int tabel) const;  // the sheet that holds table 0..4, or null
    QPlainTextEdit* RedigerMemo = nullptr;    // the text sheet's editor
    QLabel* KonstanterLabel = nullptr;        // on table sheet 1
    QMenu* GrafPopupMenu = nullptr;
    void VisArk(int ark);                     // brings sheet 1..6 to the front
    // The graph sheet in front (1..3), or 0 when another page is.
    int ForrestGrafArk() const;
    std::string MemoTekst() const;  // the text sheet as Windows-1252 lines joined by '\n'
    void SaetMemoTekst(const std::string& tekst);

    // The keyboard input's state, shared by both table sheets.
    plotvik::TIndtastningsTilstand Indtastning;
    std::array<bool, 5>& IndtastningAktiv = Indtastning.IndtastningAktiv;
    std::array<bool, 5>& Programstyret = Indtastning.Programstyret;
    std::array<bool, 5>& ProgramstyringMulig = Indtastning.ProgramstyringMulig;

    // The sheets' controls by table (0..4) or graph sheet (1..3), as
    // k.TabelGrid[t]; null for a number no sheet has.
    template <class T>
    class TOpslag {
    public:
        explicit TOpslag(std::function<T(int)> hent) : hent_(std::move(hent)) {}
        T operator[](int i) const { return hent_(i); }

    private:
        std::function<T(int)> hent_;
    };
    const TTabelKontroller& TabelKontroller(int tabel) const;
    template <class T>
    TOpslag<T*> TabelFelt(T* TTabelKontroller::*felt) {
        return TOpslag<T*>([this, felt](int t) { return TabelKontroller(t).*felt; });
    }
    TGrafArkSide* GrafSideNo(int ark) const { return ark >= 1 && ark <= 3 ? GrafSide[ark] : nullptr; }
    template <class T>
    TOpslag<T*> GrafFelt(T* TGrafArkSide::*felt) {
        return TOpslag<T*>([this, felt](int s) -> T* { return GrafSideNo(s) ? GrafSideNo(s)->*felt : nullptr; });
    }
    TOpslag<TTabelGrid*> TabelGrid = TabelFelt(&TTabelKontroller::Grid);
    TOpslag<TCelleModel*> CelleModel = TabelFelt(&TTabelKontroller::Model);
    TOpslag<TTabelFeltEdit*> TabelFeltEdit = TabelFelt(&TTabelKontroller::FeltEdit);
    TOpslag<TMaalingerSpinEdit*> AntalMaalingerSpinEdit = TabelFelt(&TTabelKontroller::AntalMaalingerSpinEdit);
    TOpslag<QPushButton*> AntalMaalingerButton = TabelFelt(&TTabelKontroller::AntalMaalingerButton);
    TOpslag<QPushButton*> IndLaesTabelButton = TabelFelt(&TTabelKontroller::IndLaesTabelButton);
    TOpslag<QPushButton*> BeregnTabelButton = TabelFelt(&TTabelKontroller::BeregnTabelButton);
    TOpslag<QRadioButton*> TastaturRadioButton = TabelFelt(&TTabelKontroller::TastaturRadioButton);
    TOpslag<QRadioButton*> DiskfilRadioButton = TabelFelt(&TTabelKontroller::DiskfilRadioButton);
    TOpslag<QGroupBox*> InddataGroupBox = TabelFelt(&TTabelKontroller::InddataGroupBox);
    TOpslag<QLineEdit*> VariabeludtrykEdit = TabelFelt(&TTabelKontroller::VariabeludtrykEdit);
    TOpslag<QLineEdit*> GennemsnitEdit = TabelFelt(&TTabelKontroller::GennemsnitEdit);
    TOpslag<QLineEdit*> VariansEdit = TabelFelt(&TTabelKontroller::VariansEdit);
    TOpslag<QLabel*> TabelNoLabel = TabelFelt(&TTabelKontroller::TabelNoLabel);
    TOpslag<QLabel*> MaalingerLabel = TabelFelt(&TTabelKontroller::MaalingerLabel);
    TOpslag<QLabel*> VariabelLabel = TabelFelt(&TTabelKontroller::VariabelLabel);
    TOpslag<QLabel*> GnsLabel = TabelFelt(&TTabelKontroller::GnsLabel);
    TOpslag<QLabel*> VariansLabel = TabelFelt(&TTabelKontroller::VariansLabel);
    const QImage& GrafBilledeFor(int ark);
    plotvik::TGrafVisning* GrafVisningFor(int ark);
    // The pixels of Graf<s>Image: the picture as drawn with "Glatte linjer" off.
    TOpslag<const QImage&> GrafImage{[this](int s) -> const QImage& { return GrafBilledeFor(s); }};
    TOpslag<plotvik::TGrafVisning*> GrafVisning{[this](int s) { return GrafVisningFor(s); }};
    TOpslag<TGrafBillede*> GrafBilledeWidget = GrafFelt(&TGrafArkSide::GrafBilledeWidget);
    TOpslag<QLabel*> GrafOverskriftLabel = GrafFelt(&TGrafArkSide::GrafOverskriftLabel);
    TOpslag<QLabel*> GrafTypeLabel = GrafFelt(&TGrafArkSide::GrafTypeLabel);
    TOpslag<QLabel*> PolGradLabel = GrafFelt(&TGrafArkSide::PolGradLabel);
    TOpslag<QLineEdit*> XakseEdit = GrafFelt(&TGrafArkSide::XakseEdit);
    TOpslag<QLineEdit*> YakseEdit = GrafFelt(&TGrafArkSide::YakseEdit);
    TOpslag<QLineEdit*> xminEdit = GrafFelt(&TGrafArkSide::xminEdit);
    TOpslag<QLineEdit*> xmaxEdit = GrafFelt(&TGrafArkSide::xmaxEdit);
    TOpslag<QLineEdit*> yminEdit = GrafFelt(&TGrafArkSide::yminEdit);
    TOpslag<QLineEdit*> ymaxEdit = GrafFelt(&TGrafArkSide::ymaxEdit);
    TOpslag<QLineEdit*> AntalGrafPunkterEdit = GrafFelt(&TGrafArkSide::AntalGrafPunkterEdit);
    TOpslag<QRadioButton*> PunktRadioButton = GrafFelt(&TGrafArkSide::PunktRadioButton);
    TOpslag<QRadioButton*> KrydsRadioButton = GrafFelt(&TGrafArkSide::KrydsRadioButton);
    TOpslag<QRadioButton*> CirkelRadioButton = GrafFelt(&TGrafArkSide::CirkelRadioButton);
    TOpslag<QRadioButton*> RuderRadioButton = GrafFelt(&TGrafArkSide::RuderRadioButton);
    TOpslag<QGroupBox*> GrafPunkterGroupBox = GrafFelt(&TGrafArkSide::GrafPunkterGroupBox);
    TOpslag<QListWidget*> GrafResultaterListBox = GrafFelt(&TGrafArkSide::GrafResultaterListBox);
    TOpslag<QCheckBox*> StatistikCheckBox = GrafFelt(&TGrafArkSide::StatistikCheckBox);
    TOpslag<QCheckBox*> TegnKunPunkterCheckBox = GrafFelt(&TGrafArkSide::TegnKunPunkterCheckBox);
    TOpslag<QCheckBox*> BeholdGrafCheckBox = GrafFelt(&TGrafArkSide::BeholdGrafCheckBox);
    TOpslag<QPushButton*> TegnGrafButton = GrafFelt(&TGrafArkSide::TegnGrafButton);
    TOpslag<QPushButton*> TegnFunktionButton = GrafFelt(&TGrafArkSide::TegnFunktionButton);

    // ---- the table commands, passed to the sheet that holds the table ----
    void OpsaetTabelGrid(int tabel);
    void IndtastTabel(int tabel, int raekke, int soejle);
    void StopIndtastning(int tabel);  // ends running input, keeping what was typed
    void StopAlIndtastning();         // ... in every table
    void UdregnTabelButtonClick(int tabel);
    void AntalMaalingerButtonClick(int tabel);
    void IndLaesTabelButtonClick(int tabel);
    // Program-controlled input (true) or the grid's own cell editing (false).
    void SaetProgramstyring(int tabel, bool programstyret);
    bool FriRedigering(int tabel) const { return !Indtastning.Programstyret[tabel]; }
    // A computed table's graphs go to their sheets.
    void VisTabelGrafer(int tabel);

    // ---- graph sheet s = 1..3 ----
    // Widgets -> GrafArkene.Ark[s] ("taken back"), and back (also repaints the image).
    void TagGrafArkTilbage(int ark);
    void VisGrafArk(int ark);
    void TegnGrafButtonClick(int ark);
    void StatistikCheckBoxClick(int ark);
    void TegnFunktionButtonClick(int ark);

    // ---- undo and autosave ----
    // One undo stack per project: cleared when another project is loaded.
    QUndoStack* Fortryd = nullptr;
    QAction* FortrydMenuItem = nullptr;
    QAction* GentagMenuItem = nullptr;
    // What an undo step works on, from this window.
    TFortrydDele FortrydDele();
    void NytFortrydForloeb();  // another project: nothing earlier can be undone
    // Autosave: every change of the data reaches the recovery file within two seconds.
    std::unique_ptr<TAutogem> Autogem;
    void DataAendret();
    bool HarArbejde() const;  // a project or a text that a crash would lose

    // Menu items the commands enable or read.
    QAction* GlatteLinjerMenuItem = nullptr;  // a check item, kept with QSettings
    QAction* VisUsikkerhederMenuItem = nullptr;
    QAction* DifferentialkvotientAfFunktionMenuItem = nullptr;
    QAction* TegnTangentTilFunktionMenuItem = nullptr;
    QAction* ArealUnderFunktionMenuItem = nullptr;
};
