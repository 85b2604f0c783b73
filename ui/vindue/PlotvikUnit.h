// The main window: the project, the menus, the dialogs and the dispatch of
// every command between the sheets. Each kind of sheet is a widget of its
// own that owns its controls and their handlers: TTabelArk (TabelArk.h),
// TGrafArkSide (GrafArkSide.h), TTekstArk (TekstArk.h). The window's own
// handlers are spread over several files by concern:
//   PlotvikUnit.cpp          creation, dispatch to the sheets, options, help
//   PlotvikUnitOpbyg.cpp     the menus
//   PlotvikUnitFil.cpp       project and file commands
//   PlotvikUnitVaerktoej.cpp functions, graph tools, areas, Fourier
//   PlotvikUnitDefiner.cpp   definition dialogs, option dialogs, printing
//   PlotvikUnitFortryd.cpp   "&Rediger": undo and redo; autosave and recovery
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>
#include <cstdint>
#include <string>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"
#include "ui/ark/GrafArkSide.h"
#include "ui/ark/TabelArk.h"

class QTabWidget;
class QWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QRadioButton;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QTableView;
class QAction;
class QMenu;
class QUndoStack;
class TAutogem;
struct TFortrydDele;
namespace plotvik {
struct TCelleSkrivning;
struct TGendannelse;
}

class QtLaerred;
class TGrafBillede;
class TCelleModel;
class TTekstArk;
class TInddataKonstantDialog;
class TUddataKonstantDialog;
class TTabelDialog;
class TIndDataVariabelDialog;
class TUddataVariabelDialog;
class TGraferDialog;
class TOverskriftDialog;
class TFourierTransformationDialog;
class TUdskrivTabelDialog;
class TProgramstyringDialog;
class TFunktionDialogForm;
class TAktivTabelNoOgGrafNoDialog;
class TArealUnderGrafDialog;
class TUsikkerhedDialog;
class TVelkomst;
namespace plotvik { struct TIndsaetning; }

class TPlotvikForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TPlotvikForm(QWidget* parent = nullptr);
    ~TPlotvikForm() override;

    // The one project of the run and the state of the graph sheets.
    plotvik::TProjekt Projekt;
    plotvik::TGrafArkene GrafArkene;
    plotvik::TTegneTilstand TegneTilstand;
    plotvik::TVaerktoejTilstand VaerktoejTilstand;

    // Creates the thirteen dialogs once each, in the start-up order.
    void OpretDialoger();
    void OpretDefinitionsDialoger();  // PlotvikUnitDefiner.cpp
    void OpretVaerktoejsDialoger();   // PlotvikUnitVaerktoej.cpp

    // The creation step, also run again before a project is loaded.
    void FormCreate();

    // Graph sheet s (1..3): widgets -> GrafArkene.Ark[s] ("taken back"), and back.
    void TagGrafArkTilbage(int ark);
    void VisGrafArk(int ark);  // also repaints the image

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

    // The keyboard input's state, shared by both table sheets.
    plotvik::TIndtastningsTilstand Indtastning;
    std::array<bool, 5>& IndtastningAktiv = Indtastning.IndtastningAktiv;
    std::array<bool, 5>& Programstyret = Indtastning.Programstyret;
    std::array<bool, 5>& ProgramstyringMulig = Indtastning.ProgramstyringMulig;

    // The sheets' controls by table (0..4) or graph sheet (1..3), as
    // f.TabelGrid[t]; null for a number no sheet has.
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

    // ---- dialogs, created once ----
    TInddataKonstantDialog* InddataKonstantDialog = nullptr;
    TUddataKonstantDialog* UddataKonstantDialog = nullptr;
    TTabelDialog* TabelDialog = nullptr;
    TIndDataVariabelDialog* IndDataVariabelDialog = nullptr;
    TUddataVariabelDialog* UddataVariabelDialog = nullptr;
    TGraferDialog* GraferDialog = nullptr;
    TOverskriftDialog* OverskriftDialog = nullptr;
    TFourierTransformationDialog* FourierTransformationDialog = nullptr;
    TUdskrivTabelDialog* UdskrivTabelDialog = nullptr;
    TProgramstyringDialog* ProgramstyringDialog = nullptr;
    TFunktionDialogForm* FunktionDialogForm = nullptr;
    TAktivTabelNoOgGrafNoDialog* AktivTabelNoOgGrafNoDialog = nullptr;
    TArealUnderGrafDialog* ArealUnderGrafDialog = nullptr;

    // Menu items the graph tools enable later.
    QAction* GlatteLinjerMenuItem = nullptr;  // a check item, kept with QSettings
    // The graph sheet in front (1..3), or 0 when another page is.
    int ForrestGrafArk() const;
    QAction* DifferentialkvotientAfFunktionMenuItem = nullptr;
    QAction* TegnTangentTilFunktionMenuItem = nullptr;
    QAction* ArealUnderFunktionMenuItem = nullptr;

    // ---- the table commands, passed to the sheet that holds the table ----
    void OpsaetTabelGrid(int tabel);
    void IndtastTabel(int tabel, int raekke, int soejle);
    void StopIndtastning(int tabel);  // ends running input, keeping what was typed
    void UdregnTabelButtonClick(int tabel);
    void AntalMaalingerButtonClick(int tabel);
    void IndLaesTabelButtonClick(int tabel);
    // Program-controlled input (true) or the grid's own cell editing (false).
    void SaetProgramstyring(int tabel, bool programstyret);
    bool FriRedigering(int tabel) const { return !Indtastning.Programstyret[tabel]; }
    // A computed table's graphs go to their sheets.
    void VisTabelGrafer(int tabel);

    // ---- project commands (PlotvikUnitFil.cpp) ----
    void SpoergOmGem(const std::string& navn);
    void GemFil(std::string navn, bool spoerg);
    // The window set-up after LaesProjektFil; with the constants' message and input unless restoring.
    void OpsaetVindueEfterProjekt(bool spoergOmKonstanter = true);
    // "&Hent Projekt Fil" with the name already chosen (command line, dropped file, recent list).
    void HentProjekt(const std::string& navn);
    void FoerProjektHentes();                     // the save question and the fresh window
    // Reads the chosen file and sets up the window; with the constants' message and input unless told not to.
    void LaesProjektInd(const std::string& navn, bool spoergOmKonstanter = true);
    std::string MemoTekst() const;    // the text sheet as Windows-1252 lines joined by '\n'
    void SaetMemoTekst(const std::string& tekst);
    void VisArk(int ark);             // brings sheet 1..6 to the front

    // ---- "&Rediger", undo and recovery (PlotvikUnitFortryd.cpp) ----
    // One undo stack per project: cleared when another project is loaded.
    QUndoStack* Fortryd = nullptr;
    QAction* FortrydMenuItem = nullptr;
    QAction* GentagMenuItem = nullptr;
    // "&Rediger" between "&Fil" and "&Matematik", "&Fortryd" and "&Gentag" at its top.
    void OpretRedigerMenu();
    // The one way a block of cells (a paste, an import) reaches a table, as
    // one undo step named undoTekst ("Fortryd <undoTekst>"). Positions are
    // matrix positions (TCelleSkrivning); antalIndgange > 0 first sets the
    // table to that many measurements, keeping the values that fit.
    void SkrivCeller(int tabel, std::vector<plotvik::TCelleSkrivning> skrivninger, const QString& undoTekst,
                     int antalIndgange = 0);
    // Runs a command that changes table t as a whole as one undo step.
    void SomFortrydTrin(int tabel, const QString& navn, const std::function<void()>& handling);
    // A typed or edited cell as one undo step.
    void SkrivTastetCelle(int tabel, int variabel, int kolonne, const std::string& tekst);
    void NytFortrydForloeb();  // another project: nothing earlier can be undone
    // What an undo step works on, from this window.
    TFortrydDele FortrydDele();
    // Autosave: every change of the data reaches the recovery file within two seconds.
    std::unique_ptr<TAutogem> Autogem;
    void DataAendret();
    // At start: offers to restore unsaved work found in the recovery file; true when restored.
    bool SoegGendannelse();
    // At start: recovery first, then "&Hent Projekt Fil" of the file named on
    // the command line (empty: none), over restored work only on "Ja".
    void StartMedProjekt(const std::string& navn);
    void GendanArbejde(const plotvik::TGendannelse& g);
    // The window's part of the recovery file (the sheet in front, the graph
    // sheets' fields) and laying it over the restored project.
    std::string VindueTilstand() const;
    void GenskabVindue(const std::string& vindue);
    // What the recovery file keeps of the open project and its text sheet now.
    std::string GendannelsesBytes(std::int64_t tidspunkt) const;
    bool HarArbejde() const;  // a project or a text that a crash would lose

    // ---- data in and out (RedigerMenu.cpp, DataKommandoer.cpp, Velkomst.cpp) ----
    // The one way pasted and imported values reach a table: a block checked
    // by ForberedIndsaetning, written as one step.
    // One undo step ("Fortryd indsæt", "Fortryd import"; PlotvikUnitFortryd.cpp).
    void SkrivCelleblok(int tabel, const plotvik::TIndsaetning& ind,
                        const QString& undoTekst = QString::fromUtf8("indsæt"));
    // Delimited text (the clipboard's) into table t from its current cell on.
    void IndsaetTekst(int tabel, const QString& tekst);
    // The import dialog for a data file, then the values into table t.
    void ImporterDataFil(int tabel, const std::string& navn);
    // The table whose grid (or cell editor) has the focus; -1 for none.
    int TabelMedFokus() const;
    // A file dropped at a point of the window: a project is opened, data imported.
    void AabnSluppetFil(const QString& fil, QPoint punkt);
    // The welcome on the first sheet, shown while no project is loaded or being built.
    void OpdaterVelkomst();
    void OpdaterSenesteProjekter();  // "Seneste projekter" in "&Fil"
    TVelkomst* Velkomst = nullptr;
    // An example from the welcome panel, opened as the student would open it
    // and then read, computed and drawn (Velkomst.cpp); one line beside the
    // tabs tells what to try next.
    void AabnEksempel(const std::string& navn);
    QLabel* EksempelTipLabel = nullptr;
    QMenu* SenesteProjekterMenu = nullptr;

    // live capture
    // "&Opsamling..." in "&Fil" (DataKommandoer.cpp): the dialog that reads a
    // measuring device into a table, made once and kept, modeless so that the
    // grid and the graph stay in view while the lines arrive.
    class TOpsamlingDialog* OpsamlingDialog = nullptr;
    void OpsamlingMenuItemClick();

    // uncertainties: "Definer > &Usikkerhed..." gives an input variable or a
    // constant its uncertainty; "Vis &usikkerheder" in "Valgmuligheder" shows
    // the "\xB1" column beside each variable that has them (PlotvikUnitDefiner.cpp).
    TUsikkerhedDialog* UsikkerhedDialog = nullptr;
    QAction* VisUsikkerhederMenuItem = nullptr;
    void UsikkerhedMenuItemClick();
    void VisUsikkerhederMenuItemClick();
    // Sets an uncertainty from a dialog (SaetUsikkerhed); the message of a fault, or empty.
    std::string SaetUsikkerhedFraDialog(int tabel, int variabel, plotvik::TUsikkerhedsArt art,
                                        const std::string& tekst);

public slots:
    void FortrydMenuItemClick();
    void GentagMenuItemClick();
    // "&Fil" (PlotvikUnit.cpp, printing in PlotvikUnitDefiner.cpp)
    void HentProjektFilMenuItemClick();
    void RedigerProjektFilMenuItemClick();
    void OpbygProjektFilMenuItemClick();
    void OmdanTilProjektFilMenuItemClick();
    void HentFilMenuItemClick();
    void GemFilMenuItemClick();
    void GemFilSomMenuItemClick();
    void GemInddataMenuItemClick();
    void UdskrivTabelMenuItemClick();
    void UdskrivArkMenuItemClick();
    void UdskrivGrafresultaterMenuItemClick();
    void UdskrivTekstMenuItemClick();
    void EksporterGrafMenuItemClick();
    void KopierGrafMenuItemClick();
    void AfslutMenuItemClick();
    void ImporterDataMenuItemClick();
    void EksporterTabelMenuItemClick();
    // "&Rediger" (RedigerMenu.cpp)
    void KopierMenuItemClick();
    void IndsaetMenuItemClick();
    // "&Matematik" (PlotvikUnitVaerktoej.cpp)
    void TegnMatematiskFunktionMenuItemClick();
    void DifferentialkvotientAfFunktionMenuItemClick();
    void TegnTangentTilFunktionMenuItemClick();
    void ArealUnderFunktionMenuItemClick();
    void AflaesFunktionsvaerdiMenuItemClick();
    void FindDifferentialKvotientMenuItemClick();
    void TegnTangentPaaGrafMenuItemClick();
    void ArealUnderGrafMenuItemClick();
    // "&Definer" (PlotvikUnitDefiner.cpp; Fourier in PlotvikUnitVaerktoej.cpp)
    void OverskriftMenuItemClick();
    void InddataKonstantMenuItemClick();
    void UddataKonstantMenuItemClick();
    void TabelMenuItemClick();
    void InddataVariabelMenuItemClick();
    void UddataVariabelMenuItemClick();
    void FourierTransformationMenuItemClick();
    void GrafMenuItemClick();
    // "Valgmuligheder" (the first two in PlotvikUnitDefiner.cpp, the rest in PlotvikUnit.cpp)
    void AktiveTabelNoOgGrafNoMenuItemClick();
    void ProgramstyringMenuItemClick();
    void KontrolafInddataMenuItemClick();
    void StatistikPaamaalingerMenuItemClick();
    void GlatteLinjerMenuItemClick();
    // "Hjælp" (PlotvikUnit.cpp)
    void HjaelpMenuItemClick();
    // Graph sheet s = 1..3 (the first three handled by the sheet itself)
    void TegnGrafButtonClick(int ark);
    void StatistikCheckBoxClick(int ark);
    void TegnFunktionButtonClick(int ark);
    void GrafImageMouseDown(int ark, Qt::MouseButton knap, int x, int y);  // PlotvikUnitVaerktoej.cpp

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    std::string eksempel_;  // the example the tip beside the tabs belongs to
    QObject* tastatur_ = nullptr;  // the window's keyboard rules (Tastatur.h)
    bool iTrin_ = false;  // a whole-table step or an undo is running: cells are written directly
};
