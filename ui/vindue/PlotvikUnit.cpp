// The main window: creation of the sheets and of the command groups, the
// creation step that also runs before a project is loaded, the menus, and
// closing and dropping on the window.
#include "ui/vindue/PlotvikUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QUndoStack>

#include "ui/ark/GrafZoom.h"
#include "ui/ark/Tastatur.h"
#include "ui/ark/TekstArk.h"
#include "ui/fortryd/Autogem.h"
#include "ui/graf/GrafVisning.h"
#include "ui/vindue/DataKommandoer.h"
#include "ui/vindue/DefinerKommandoer.h"
#include "ui/vindue/FilKommandoer.h"
#include "ui/vindue/GendannelsesKommandoer.h"
#include "ui/vindue/GrafKommandoer.h"
#include "ui/vindue/RedigerKommandoer.h"
#include "ui/vindue/VelkomstKommandoer.h"

using namespace plotvik;

namespace {

const char* const ArkTekster[7] = {"", "Tabelark 1", "TabelArk 2", "Graf Ark 1", "Graf Ark 2", "Graf Ark 3", "TekstArk"};

QAction* Punkt(QMenu* menu, const QString& tekst, const char* navn) {
    QAction* a = menu->addAction(tekst);
    a->setObjectName(QString::fromLatin1(navn));
    return a;
}

}  // namespace

TPlotvikForm::TPlotvikForm(QWidget* parent)
    : QMainWindow(parent),
      TVinduesKerne(static_cast<QMainWindow&>(*this)),
      fil_(std::make_unique<TFilKommandoer>(*this)),
      data_(std::make_unique<TDataKommandoer>(*this)),
      rediger_(std::make_unique<TRedigerKommandoer>(*this)),
      gendannelse_(std::make_unique<TGendannelsesKommandoer>(*this)),
      velkomst_(std::make_unique<TVelkomstKommandoer>(*this)),
      graf_(std::make_unique<TGrafKommandoer>(*this)),
      definer_(std::make_unique<TDefinerKommandoer>(*this)) {
    Filkommandoer = fil_.get();
    Datakommandoer = data_.get();
    Redigering = rediger_.get();
    Gendannelse = gendannelse_.get();
    Velkomst = velkomst_.get();
    Grafkommandoer = graf_.get();
    Definitioner = definer_.get();

    setObjectName(QStringLiteral("PlotvikForm"));
    setWindowTitle(QStringLiteral("Plotvik "));
    QFont skrift(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("Arial")},
                 8);
    setFont(skrift);
    resize(800, 570);

    SideKontrol = new QTabWidget(this);
    SideKontrol->setObjectName(QStringLiteral("SideKontrol"));
    setCentralWidget(SideKontrol);
    Fortryd = new QUndoStack(this);
    Fortryd->setObjectName(QStringLiteral("FortrydStak"));
    Fortryd->setUndoLimit(100);
    OpbygMenuer();
    Autogem = std::make_unique<TAutogem>([this]() -> std::string {
        return HarArbejde() ? GendannelsesBytes(QDateTime::currentSecsSinceEpoch()) : std::string();
    });
    TRedigerKommandoer* r = rediger_.get();
    for (int a = 1; a <= 2; ++a) {
        TabelSide[a] = new TTabelArk(a, Projekt, Indtastning, skrift);
        TabelSide[a]->StopIndtastningI = [this](int t) { StopIndtastning(t); };
        TabelSide[a]->SkrivCelleI = [r](int t, int v, int k, const std::string& tekst) { r->SkrivTastetCelle(t, v, k, tekst); };
        TabelSide[a]->SomTrin = [r](int t, const QString& navn, const std::function<void()>& h) { r->SomFortrydTrin(t, navn, h); };
        connect(TabelSide[a], &TTabelArk::TabelBeregnet, this, [this](int t) { VisTabelGrafer(t); });
        Ark[a] = TabelSide[a];
    }
    KonstanterLabel = TabelSide[1]->KonstanterLabel;
    for (int s = 1; s <= 3; ++s) {
        GrafSide[s] = new TGrafArkSide(s, Projekt, GrafArkene, TegneTilstand, skrift);
        GrafSide[s]->SaetPopupMenu(GrafPopupMenu);
        connect(GrafSide[s], &TGrafArkSide::MusNed, this, [g = graf_.get()](int ark, Qt::MouseButton knap, int x, int y) {
            g->GrafImageMouseDown(ark, knap, x, y);
        });
        Ark[s + 2] = GrafSide[s];
    }
    TekstSide = new TTekstArk(Projekt);
    RedigerMemo = TekstSide->RedigerMemo;
    connect(RedigerMemo, &QPlainTextEdit::textChanged, this, [this] { DataAendret(); });
    Ark[6] = TekstSide;
    for (int a = 1; a <= 6; ++a) SideKontrol->addTab(Ark[a], QString::fromLatin1(ArkTekster[a]));
    // The sheet in front is part of what a restore shows again.
    connect(SideKontrol, &QTabWidget::currentChanged, this, [this] {
        if (HarArbejde()) DataAendret();
    });

    FormCreate();
    // The thirteen dialogs, once each, in the start-up order.
    definer_->OpretDialoger();
    graf_->OpretDialoger();
    setAcceptDrops(true);
    velkomst_->Opret();
    // The keys of the whole window: typing reaches the cells, the rest the menus and buttons.
    tastatur_ = new TTastaturFilter(*this, [this]() -> QWidget* { return SideKontrol ? SideKontrol->currentWidget() : nullptr; });
    QApplication::instance()->installEventFilter(tastatur_);
    TilslutArkTaster(*this, *SideKontrol);
}

TPlotvikForm::~TPlotvikForm() {
    // The base class deletes the controls after this body, when the project,
    // the input state and the graph images, members of the form, are gone
    // already; closing the window then still moves the focus, commits an open
    // cell editor and sends the controls' last events. So, while the members
    // still exist: no child's signal reaches the form's handlers any more, and
    // the sheets, whose grids and images show those members, go. (The grids
    // and their edit boxes handle their own events: no filter is left over.)
    delete tastatur_;
    tastatur_ = nullptr;
    for (QObject* barn : findChildren<QObject*>()) QObject::disconnect(barn, nullptr, this, nullptr);
    delete takeCentralWidget();
    SideKontrol = nullptr;
    for (int s = 1; s <= 3; ++s) GrafArkene.Ark[s].Billede = nullptr;
    // The last write ends before the project it was made from goes.
    Autogem.reset();
}

void TPlotvikForm::FormCreate() {
    // A new or another project ends a running capture first: its values and
    // its undo step belong to the project they were read into.
    data_->StopOpsamling();
    StopAlIndtastning();
    for (int s = 1; s <= 3; ++s) GrafSide[s]->TegnFunktionButton->setEnabled(false);
    for (int a = 1; a <= 2; ++a) TabelSide[a]->SkjulTabeller();
    StartProjekt(Projekt);
    for (int s = 1; s <= 3; ++s) GrafSide[s]->Nulstil();
    // Nothing of an earlier project's functions or armed graph tools carries over.
    VaerktoejTilstand = {};
    GrafArkene.Funktioner = {};
    for (QAction* a : {DifferentialkvotientAfFunktionMenuItem, TegnTangentTilFunktionMenuItem, ArealUnderFunktionMenuItem})
        if (a) a->setEnabled(false);
    Indtastning.AktuelRaekke = Indtastning.AktuelSoejle = -1;
    Indtastning.TastTrykket = false;
    Indtastning.SidsteTast = 0;
    setWindowTitle(QStringLiteral("Plotvik "));
    VisArk(1);
    NytFortrydForloeb();
}

// ---------------------------------------------------------------- asked of the window by name

void TPlotvikForm::HentProjekt(const std::string& navn) { fil_->HentProjekt(navn); }

void TPlotvikForm::StartMedProjekt(const std::string& navn) { gendannelse_->StartMedProjekt(navn); }

void TPlotvikForm::GendanArbejde(const TGendannelse& g) { gendannelse_->GendanArbejde(g); }

std::string TPlotvikForm::GendannelsesBytes(std::int64_t tidspunkt) const {
    return gendannelse_->GendannelsesBytes(tidspunkt);
}

void TPlotvikForm::IndsaetTekst(int t, const QString& tekst) { rediger_->IndsaetTekst(t, tekst); }

// ---------------------------------------------------------------- closing and dropping

void TPlotvikForm::closeEvent(QCloseEvent* e) {
    StopAlIndtastning();
    if (!Projekt.TekstGemt) fil_->SpoergOmGem(Projekt.TekstFilNavn);
    // A normal close, after the questions: nothing is left to recover.
    if (Autogem) Autogem->Fjern();
    e->accept();
}

void TPlotvikForm::dragEnterEvent(QDragEnterEvent* e) {
    if (TDataKommandoer::KanSlippes(e->mimeData())) e->acceptProposedAction();
}

void TPlotvikForm::dropEvent(QDropEvent* e) { data_->Slip(e); }

// ---------------------------------------------------------------- the menus

void TPlotvikForm::OpbygMenuer() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // An item runs its command; the window is the context, so that nothing
    // reaches a command once the window is going.
    auto forbind = [this](QAction* a, auto* kommandoer, auto handling) {
        connect(a, &QAction::triggered, this, [kommandoer, handling] { (kommandoer->*handling)(); });
    };

    QMenu* fil = bar->addMenu(QStringLiteral("&Fil"));
    fil->setObjectName(QStringLiteral("FilMenu"));
    forbind(Punkt(fil, QStringLiteral("&Hent Projekt Fil"), "HentProjektFilMenuItem"), fil_.get(), &TFilKommandoer::HentProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Rediger Projekt Fil"), "RedigerProjektFilMenuItem"), fil_.get(), &TFilKommandoer::RedigerProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Opbyg Projekt Fil"), "OpbygProjektFilMenuItem"), fil_.get(), &TFilKommandoer::OpbygProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Omdan &til Projekt Fil"), "OmdanTilProjektFilMenuItem"), fil_.get(), &TFilKommandoer::OmdanTilProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Hent &Fil"), "HentFilMenuItem"), fil_.get(), &TFilKommandoer::HentFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Gem Fil"), "GemFilMenuItem"), fil_.get(), &TFilKommandoer::GemFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Gem Fil &Som"), "GemFilSomMenuItem"), fil_.get(), &TFilKommandoer::GemFilSomMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Gem &Inddata"), "GemInddataMenuItem"), fil_.get(), &TFilKommandoer::GemInddataMenuItemClick);
    data_->OpbygMenuPunkter(fil);
    fil->addSeparator();
    forbind(Punkt(fil, QStringLiteral("Udskriv &Tabel"), "UdskrivTabelMenuItem"), definer_.get(), &TDefinerKommandoer::UdskrivTabelMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv A&rk"), "UdskrivArkMenuItem"), definer_.get(), &TDefinerKommandoer::UdskrivArkMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv &Grafresultater"), "UdskrivGrafresultaterMenuItem"), definer_.get(), &TDefinerKommandoer::UdskrivGrafresultaterMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Udskriv Tekst"), "UdskrivTekstMenuItem"), definer_.get(), &TDefinerKommandoer::UdskrivTekstMenuItemClick);
    fil->addSeparator();
    forbind(Punkt(fil, QStringLiteral("&Eksporter graf..."), "EksporterGrafMenuItem"), graf_.get(), &TGrafKommandoer::EksporterGrafMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Kopier graf"), "KopierGrafMenuItem"), graf_.get(), &TGrafKommandoer::KopierGrafMenuItemClick);
    fil->addSeparator();
    data_->OpbygSenesteProjekter(fil);
    forbind(Punkt(fil, QStringLiteral("&Afslut"), "AfslutMenuItem"), fil_.get(), &TFilKommandoer::AfslutMenuItemClick);

    QMenu* mat = bar->addMenu(QStringLiteral("&Matematik"));
    mat->setObjectName(QStringLiteral("MatematikMenu"));
    forbind(Punkt(mat, QStringLiteral("Tegn matematisk &Funktion"), "TegnMatematiskFunktionMenuItem"), graf_.get(), &TGrafKommandoer::TegnMatematiskFunktionMenuItemClick);
    DifferentialkvotientAfFunktionMenuItem = Punkt(mat, QStringLiteral("Differential&kvotient af funktion"), "DifferentialkvotientAfFunktionMenuItem");
    forbind(DifferentialkvotientAfFunktionMenuItem, graf_.get(), &TGrafKommandoer::DifferentialkvotientAfFunktionMenuItemClick);
    TegnTangentTilFunktionMenuItem = Punkt(mat, QStringLiteral("Tegn T&angent til funktion"), "TegnTangentTilFunktionMenuItem");
    forbind(TegnTangentTilFunktionMenuItem, graf_.get(), &TGrafKommandoer::TegnTangentTilFunktionMenuItemClick);
    ArealUnderFunktionMenuItem = Punkt(mat, QStringLiteral("Areal &Under Funktion"), "ArealUnderFunktionMenuItem");
    forbind(ArealUnderFunktionMenuItem, graf_.get(), &TGrafKommandoer::ArealUnderFunktionMenuItemClick);
    DifferentialkvotientAfFunktionMenuItem->setEnabled(false);
    TegnTangentTilFunktionMenuItem->setEnabled(false);
    ArealUnderFunktionMenuItem->setEnabled(false);
    mat->addSeparator();
    forbind(Punkt(mat, QString::fromUtf8("&Aflæs Funktionsværdi på graf"), "AflaesFunktionsvaerdiMenuItem"), graf_.get(), &TGrafKommandoer::AflaesFunktionsvaerdiMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("Find &DifferentialKvotient p\u00e5 graf"), "FindDifferentialKvotientMenuItem"), graf_.get(), &TGrafKommandoer::FindDifferentialKvotientMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("Tegn &Tangent p\u00e5 graf"), "TegnTangentPaaGrafMenuItem"), graf_.get(), &TGrafKommandoer::TegnTangentPaaGrafMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("&Areal under graf"), "ArealUnderGrafMenuItem"), graf_.get(), &TGrafKommandoer::ArealUnderGrafMenuItemClick);
    mat->addSeparator();
    QAction* tilpas = Punkt(mat, QString::fromUtf8("T&ilpas grænser"), "TilpasGraenserMenuItem");
    tilpas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(tilpas, &QAction::triggered, this, [this] { TilpasGraenserMenu(GrafSideNo(ForrestGrafArk())); });

    QMenu* def = bar->addMenu(QStringLiteral("&Definer"));
    def->setObjectName(QStringLiteral("DefinerMenu"));
    forbind(Punkt(def, QStringLiteral("&Overskrift"), "OverskriftMenuItem"), definer_.get(), &TDefinerKommandoer::OverskriftMenuItemClick);
    QMenu* konst = def->addMenu(QStringLiteral("&Konstant"));
    konst->setObjectName(QStringLiteral("KonstantMenuItem"));
    forbind(Punkt(konst, QStringLiteral("&Inddata Konstant"), "InddataKonstantMenuItem"), definer_.get(), &TDefinerKommandoer::InddataKonstantMenuItemClick);
    forbind(Punkt(konst, QStringLiteral("&Uddata Konstant"), "UddataKonstantMenuItem"), definer_.get(), &TDefinerKommandoer::UddataKonstantMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Tabel"), "TabelMenuItem"), definer_.get(), &TDefinerKommandoer::TabelMenuItemClick);
    QMenu* var = def->addMenu(QStringLiteral("&Variabel"));
    var->setObjectName(QStringLiteral("VariabelMenuItem"));
    forbind(Punkt(var, QStringLiteral("&Inddata Variabel"), "InddataVariabelMenuItem"), definer_.get(), &TDefinerKommandoer::InddataVariabelMenuItemClick);
    forbind(Punkt(var, QStringLiteral("&Uddata Variabel"), "UddataVariabelMenuItem"), definer_.get(), &TDefinerKommandoer::UddataVariabelMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Fourier Transformation"), "FourierTransformationMenuItem"), graf_.get(), &TGrafKommandoer::FourierTransformationMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Graf"), "GrafMenuItem"), definer_.get(), &TDefinerKommandoer::GrafMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Usikkerhed..."), "UsikkerhedMenuItem"), definer_.get(), &TDefinerKommandoer::UsikkerhedMenuItemClick);
    rediger_->OpbygMenu();

    QMenu* valg = bar->addMenu(QStringLiteral("Valgmuligheder"));
    valg->setObjectName(QStringLiteral("ValgmulighederMenu"));
    forbind(Punkt(valg, QStringLiteral("&Aktive TabelNo og GrafNo"), "AktiveTabelNoOgGrafNoMenuItem"), definer_.get(), &TDefinerKommandoer::AktiveTabelNoOgGrafNoMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("123"), "ProgramstyringMenuItem"), definer_.get(), &TDefinerKommandoer::ProgramstyringMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Kontrol af Inddata"), "KontrolafInddataMenuItem"), definer_.get(), &TDefinerKommandoer::KontrolafInddataMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Gennemsnit og Varians"), "StatistikPaamaalingerMenuItem"), definer_.get(), &TDefinerKommandoer::StatistikPaamaalingerMenuItemClick);
    GlatteLinjerMenuItem = Punkt(valg, QStringLiteral("Glatte linjer"), "GlatteLinjerMenuItem");
    GlatteLinjerMenuItem->setCheckable(true);
    GlatteLinjerMenuItem->setChecked(GlatteLinjer());
    forbind(GlatteLinjerMenuItem, graf_.get(), &TGrafKommandoer::GlatteLinjerMenuItemClick);
    VisUsikkerhederMenuItem = Punkt(valg, QStringLiteral("Vis &usikkerheder"), "VisUsikkerhederMenuItem");
    VisUsikkerhederMenuItem->setCheckable(true);
    forbind(VisUsikkerhederMenuItem, definer_.get(), &TDefinerKommandoer::VisUsikkerhederMenuItemClick);

    QAction* hjaelp = bar->addAction(QString::fromUtf8("Hjælp"));
    hjaelp->setObjectName(QStringLiteral("HjaelpMenuItem"));
    // Neither "Hjælp" nor "Valgmuligheder" has an access letter: F1 opens the
    // help, F10 opens "&Fil", from where the arrows reach every menu.
    hjaelp->setShortcut(QKeySequence::HelpContents);
    auto* menulinje = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menulinje->setObjectName(QStringLiteral("MenulinjeGenvej"));
    QObject::connect(menulinje, &QShortcut::activated, bar, [bar, fil] { bar->setActiveAction(fil->menuAction()); });
    forbind(hjaelp, definer_.get(), &TDefinerKommandoer::HjaelpMenuItemClick);

    // The graph images' pop-up menu repeats the four graph tools.
    GrafPopupMenu = new QMenu(this);
    GrafPopupMenu->setObjectName(QStringLiteral("GrafPopupMenu"));
    forbind(Punkt(GrafPopupMenu, QString::fromUtf8("&Aflæs Funktionsværdi på graf"), "AflaesFunktionsvaerdiPopupMenuItem"), graf_.get(), &TGrafKommandoer::AflaesFunktionsvaerdiMenuItemClick);
    forbind(Punkt(GrafPopupMenu, QStringLiteral("Find &DifferentialKvotient p\u00e5 graf"), "FindDifferentialKvotientPopupMenuItem"), graf_.get(), &TGrafKommandoer::FindDifferentialKvotientMenuItemClick);
    forbind(Punkt(GrafPopupMenu, QStringLiteral("Tegn &Tangent p\u00e5 graf"), "TegnTangentPaaGrafPopupMenuItem"), graf_.get(), &TGrafKommandoer::TegnTangentPaaGrafMenuItemClick);
    forbind(Punkt(GrafPopupMenu, QStringLiteral("&Areal under graf"), "ArealUnderGrafPopupMenuItem"), graf_.get(), &TGrafKommandoer::ArealUnderGrafMenuItemClick);
    // ... and takes the graph out into a report.
    GrafPopupMenu->addSeparator();
    forbind(Punkt(GrafPopupMenu, QStringLiteral("&Eksporter graf..."), "EksporterGrafPopupMenuItem"), graf_.get(), &TGrafKommandoer::EksporterGrafMenuItemClick);
    forbind(Punkt(GrafPopupMenu, QStringLiteral("Kopier graf"), "KopierGrafPopupMenuItem"), graf_.get(), &TGrafKommandoer::KopierGrafMenuItemClick);
}

