// The main window: the sheets with the table grids, the graph images and the
// text sheet, the menus, and the dispatch of every command to the engine.
// Its handlers are spread over several files by concern:
//   PlotvikUnit.cpp          creation, tables, project and file commands, help
//   PlotvikUnitGraf.cpp      "Tegn graf", the "Statistik" boxes
//   PlotvikUnitVaerktoej.cpp functions, graph tools, areas, Fourier
//   PlotvikUnitDefiner.cpp   definition dialogs, option dialogs, printing
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/GrafTegning.h"
#include "graphs/GrafVaerktoej.h"

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

class QtLaerred;
class TGrafBillede;
class TCelleModel;
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

    // ---- controls (index by table 0..4 or sheet 1..3; unused slots null) ----
    QTabWidget* SideKontrol = nullptr;
    std::array<QWidget*, 7> Ark{};  // 1 "Tabelark 1", 2 "TabelArk 2", 3..5 graph sheets, 6 "TekstArk"
    std::array<QTableView*, 5> TabelGrid{};       // KonstanterStringGrid, Tabel1StringGrid..
    std::array<TCelleModel*, 5> CelleModel{};
    std::array<QLineEdit*, 5> TabelFeltEdit{};    // Tabelfelt0Edit, TabelFelt1Edit..
    std::array<QSpinBox*, 5> AntalMaalingerSpinEdit{};
    std::array<QPushButton*, 5> AntalMaalingerButton{};
    std::array<QPushButton*, 5> IndLaesTabelButton{};
    std::array<QPushButton*, 5> BeregnTabelButton{};
    std::array<QRadioButton*, 5> TastaturRadioButton{};
    std::array<QRadioButton*, 5> DiskfilRadioButton{};
    std::array<QLineEdit*, 5> VariabeludtrykEdit{}, GennemsnitEdit{}, VariansEdit{};

    std::array<QImage, 4> GrafImage{};            // the pixels of Graf<s>Image
    std::array<std::unique_ptr<QtLaerred>, 4> GrafLaerred{};
    std::array<TGrafBillede*, 4> GrafBilledeWidget{};  // shows GrafImage[s]; objectName Graf<s>Image
    std::array<QLabel*, 4> GrafOverskriftLabel{}, GrafTypeLabel{}, PolGradLabel{};
    std::array<QLineEdit*, 4> XakseEdit{}, YakseEdit{}, xminEdit{}, xmaxEdit{}, yminEdit{}, ymaxEdit{};
    std::array<QLineEdit*, 4> AntalGrafPunkterEdit{};
    std::array<QRadioButton*, 4> PunktRadioButton{}, KrydsRadioButton{}, CirkelRadioButton{},
        RuderRadioButton{};
    std::array<QListWidget*, 4> GrafResultaterListBox{};
    std::array<QCheckBox*, 4> StatistikCheckBox{}, TegnKunPunkterCheckBox{}, BeholdGrafCheckBox{};
    std::array<QPushButton*, 4> TegnGrafButton{}, TegnFunktionButton{};
    QPlainTextEdit* RedigerMemo = nullptr;
    QMenu* GrafPopupMenu = nullptr;

    // Program-controlled input possible per table (the program-control dialog's boxes).
    std::array<bool, 5> Programstyret{true, true, true, true, true};
    std::array<bool, 5> ProgramstyringMulig{true, true, true, true, true};

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

    // ---- further controls of the table and graph sheets ----
    QLabel* KonstanterLabel = nullptr;
    std::array<QLabel*, 5> TabelNoLabel{}, MaalingerLabel{}, VariabelLabel{}, GnsLabel{}, VariansLabel{};
    std::array<QGroupBox*, 5> InddataGroupBox{};
    std::array<QGroupBox*, 4> GrafPunkterGroupBox{};
    // The fields of graph sheet s that show once a table has been computed.
    std::array<std::vector<QWidget*>, 4> GrafFelter{};
    // Menu items the graph tools enable later.
    QAction* DifferentialkvotientAfFunktionMenuItem = nullptr;
    QAction* TegnTangentTilFunktionMenuItem = nullptr;
    QAction* ArealUnderFunktionMenuItem = nullptr;

    // ---- program-controlled keyboard input (one set for the program) ----
    std::array<bool, 5> IndtastningAktiv{}, SpringTil{}, TastAfsluttet{};
    int SpringRaekke = 0, SpringSoejle = 0;  // 1-based grid position of a jump
    bool TastTrykket = false;
    int SidsteTast = 0;
    int AktuelRaekke = -1, AktuelSoejle = -1;  // 0-based grid position; -1 none
    // The cell each table's input waits in (1-based grid row and column).
    std::array<int, 5> IndtastRaekke{}, IndtastSoejle{};

    // ---- table operations (PlotvikUnitTabel.cpp) ----
    void OpsaetTabelGrid(int tabel);
    void VisOverskrifter(int tabel);
    void VisCelleblok(int tabel, int foersteRaekke, int sidsteRaekke, int foersteSoejle, int sidsteSoejle);
    void IndtastTabel(int tabel, int raekke, int soejle);
    void StopIndtastning(int tabel);      // ends running input, keeping what was typed
    void GemRedigeretCelle(int tabel, int raekke, int soejle);  // 0-based grid cell
    void UdregnTabelButtonClick(int tabel);
    void AntalMaalingerButtonClick(int tabel);
    void IndLaesTabelButtonClick(int tabel);
    void VariabeludtrykEditExit(int tabel);
    // Program-controlled input (true) or the grid's own cell editing (false).
    void SaetProgramstyring(int tabel, bool programstyret);
    bool FriRedigering(int tabel) const { return !Programstyret[tabel]; }

    // ---- project commands (PlotvikUnitFil.cpp) ----
    void SpoergOmGem(const std::string& navn);
    void GemFil(std::string navn, bool spoerg);
    void OpsaetVindueEfterProjekt();  // the window set-up after LaesProjektFil
    // "&Hent Projekt Fil" with the name already chosen (command line, dropped file, recent list).
    void HentProjekt(const std::string& navn);
    void FoerProjektHentes();                     // the save question and the fresh window
    void LaesProjektInd(const std::string& navn); // reads the chosen file and sets up the window
    std::string MemoTekst() const;    // the text sheet as Windows-1252 lines joined by '\n'
    void SaetMemoTekst(const std::string& tekst);
    void VisArk(int ark);             // brings sheet 1..6 to the front

public slots:
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
    void AfslutMenuItemClick();
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
    // "Hjælp" (PlotvikUnit.cpp)
    void HjaelpMenuItemClick();
    // Graph sheet s = 1..3
    void TegnGrafButtonClick(int ark);                 // PlotvikUnitGraf.cpp
    void StatistikCheckBoxClick(int ark);              // PlotvikUnitGraf.cpp
    void TegnFunktionButtonClick(int ark);             // PlotvikUnitVaerktoej.cpp
    void GrafImageMouseDown(int ark, Qt::MouseButton knap, int x, int y);  // PlotvikUnitVaerktoej.cpp

protected:
    void closeEvent(QCloseEvent* e) override;
};
