// Builds the main window's menus and the graph images' pop-up menu, with the
// captions, access keys and object names the program is known by.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "ui/vindue/PlotvikUnit.h"
#include "ui/graf/GrafVisning.h"
#include "ui/ark/GrafZoom.h"
#include "ui/vindue/PlotvikUnitIntern.h"

namespace plotvik {
namespace {

QAction* Punkt(QMenu* menu, const QString& tekst, const char* navn) {
    QAction* a = menu->addAction(tekst);
    a->setObjectName(QString::fromLatin1(navn));
    return a;
}

}  // namespace

void OpbygMenuer(TPlotvikForm& f) {
    QMenuBar* bar = f.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto forbind = [&f](QAction* a, void (TPlotvikForm::*slot)()) {
        QObject::connect(a, &QAction::triggered, &f, [&f, slot] { (f.*slot)(); });
    };

    QMenu* fil = bar->addMenu(QStringLiteral("&Fil"));
    fil->setObjectName(QStringLiteral("FilMenu"));
    forbind(Punkt(fil, QStringLiteral("&Hent Projekt Fil"), "HentProjektFilMenuItem"), &TPlotvikForm::HentProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Rediger Projekt Fil"), "RedigerProjektFilMenuItem"), &TPlotvikForm::RedigerProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Opbyg Projekt Fil"), "OpbygProjektFilMenuItem"), &TPlotvikForm::OpbygProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Omdan &til Projekt Fil"), "OmdanTilProjektFilMenuItem"), &TPlotvikForm::OmdanTilProjektFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Hent &Fil"), "HentFilMenuItem"), &TPlotvikForm::HentFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Gem Fil"), "GemFilMenuItem"), &TPlotvikForm::GemFilMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Gem Fil &Som"), "GemFilSomMenuItem"), &TPlotvikForm::GemFilSomMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Gem &Inddata"), "GemInddataMenuItem"), &TPlotvikForm::GemInddataMenuItemClick);
    OpbygDataPunkter(f, fil);
    fil->addSeparator();
    forbind(Punkt(fil, QStringLiteral("Udskriv &Tabel"), "UdskrivTabelMenuItem"), &TPlotvikForm::UdskrivTabelMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv A&rk"), "UdskrivArkMenuItem"), &TPlotvikForm::UdskrivArkMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv &Grafresultater"), "UdskrivGrafresultaterMenuItem"), &TPlotvikForm::UdskrivGrafresultaterMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Udskriv Tekst"), "UdskrivTekstMenuItem"), &TPlotvikForm::UdskrivTekstMenuItemClick);
    fil->addSeparator();
    forbind(Punkt(fil, QStringLiteral("&Eksporter graf..."), "EksporterGrafMenuItem"), &TPlotvikForm::EksporterGrafMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Kopier graf"), "KopierGrafMenuItem"), &TPlotvikForm::KopierGrafMenuItemClick);
    fil->addSeparator();
    OpbygSenesteProjekter(f, fil);
    forbind(Punkt(fil, QStringLiteral("&Afslut"), "AfslutMenuItem"), &TPlotvikForm::AfslutMenuItemClick);

    QMenu* mat = bar->addMenu(QStringLiteral("&Matematik"));
    mat->setObjectName(QStringLiteral("MatematikMenu"));
    forbind(Punkt(mat, QStringLiteral("Tegn matematisk &Funktion"), "TegnMatematiskFunktionMenuItem"), &TPlotvikForm::TegnMatematiskFunktionMenuItemClick);
    f.DifferentialkvotientAfFunktionMenuItem = Punkt(mat, QStringLiteral("Differential&kvotient af funktion"), "DifferentialkvotientAfFunktionMenuItem");
    forbind(f.DifferentialkvotientAfFunktionMenuItem, &TPlotvikForm::DifferentialkvotientAfFunktionMenuItemClick);
    f.TegnTangentTilFunktionMenuItem = Punkt(mat, QStringLiteral("Tegn T&angent til funktion"), "TegnTangentTilFunktionMenuItem");
    forbind(f.TegnTangentTilFunktionMenuItem, &TPlotvikForm::TegnTangentTilFunktionMenuItemClick);
    f.ArealUnderFunktionMenuItem = Punkt(mat, QStringLiteral("Areal &Under Funktion"), "ArealUnderFunktionMenuItem");
    forbind(f.ArealUnderFunktionMenuItem, &TPlotvikForm::ArealUnderFunktionMenuItemClick);
    f.DifferentialkvotientAfFunktionMenuItem->setEnabled(false);
    f.TegnTangentTilFunktionMenuItem->setEnabled(false);
    f.ArealUnderFunktionMenuItem->setEnabled(false);
    mat->addSeparator();
    forbind(Punkt(mat, QString::fromUtf8("&Aflæs Funktionsværdi på graf"), "AflaesFunktionsvaerdiMenuItem"), &TPlotvikForm::AflaesFunktionsvaerdiMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("Find &DifferentialKvotient p\u00e5 graf"), "FindDifferentialKvotientMenuItem"), &TPlotvikForm::FindDifferentialKvotientMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("Tegn &Tangent p\u00e5 graf"), "TegnTangentPaaGrafMenuItem"), &TPlotvikForm::TegnTangentPaaGrafMenuItemClick);
    forbind(Punkt(mat, QStringLiteral("&Areal under graf"), "ArealUnderGrafMenuItem"), &TPlotvikForm::ArealUnderGrafMenuItemClick);
    mat->addSeparator();
    QAction* tilpas = Punkt(mat, QString::fromUtf8("T&ilpas grænser"), "TilpasGraenserMenuItem");
    tilpas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(tilpas, &QAction::triggered, &f, [&f] { TilpasGraenserMenu(f.GrafSideNo(f.ForrestGrafArk())); });

    QMenu* def = bar->addMenu(QStringLiteral("&Definer"));
    def->setObjectName(QStringLiteral("DefinerMenu"));
    forbind(Punkt(def, QStringLiteral("&Overskrift"), "OverskriftMenuItem"), &TPlotvikForm::OverskriftMenuItemClick);
    QMenu* konst = def->addMenu(QStringLiteral("&Konstant"));
    konst->setObjectName(QStringLiteral("KonstantMenuItem"));
    forbind(Punkt(konst, QStringLiteral("&Inddata Konstant"), "InddataKonstantMenuItem"), &TPlotvikForm::InddataKonstantMenuItemClick);
    forbind(Punkt(konst, QStringLiteral("&Uddata Konstant"), "UddataKonstantMenuItem"), &TPlotvikForm::UddataKonstantMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Tabel"), "TabelMenuItem"), &TPlotvikForm::TabelMenuItemClick);
    QMenu* var = def->addMenu(QStringLiteral("&Variabel"));
    var->setObjectName(QStringLiteral("VariabelMenuItem"));
    forbind(Punkt(var, QStringLiteral("&Inddata Variabel"), "InddataVariabelMenuItem"), &TPlotvikForm::InddataVariabelMenuItemClick);
    forbind(Punkt(var, QStringLiteral("&Uddata Variabel"), "UddataVariabelMenuItem"), &TPlotvikForm::UddataVariabelMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Fourier Transformation"), "FourierTransformationMenuItem"), &TPlotvikForm::FourierTransformationMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Graf"), "GrafMenuItem"), &TPlotvikForm::GrafMenuItemClick);
    forbind(Punkt(def, QStringLiteral("&Usikkerhed..."), "UsikkerhedMenuItem"), &TPlotvikForm::UsikkerhedMenuItemClick);
    OpbygKopierOgIndsaet(f);

    QMenu* valg = bar->addMenu(QStringLiteral("Valgmuligheder"));
    valg->setObjectName(QStringLiteral("ValgmulighederMenu"));
    forbind(Punkt(valg, QStringLiteral("&Aktive TabelNo og GrafNo"), "AktiveTabelNoOgGrafNoMenuItem"), &TPlotvikForm::AktiveTabelNoOgGrafNoMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("123"), "ProgramstyringMenuItem"), &TPlotvikForm::ProgramstyringMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Kontrol af Inddata"), "KontrolafInddataMenuItem"), &TPlotvikForm::KontrolafInddataMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Gennemsnit og Varians"), "StatistikPaamaalingerMenuItem"), &TPlotvikForm::StatistikPaamaalingerMenuItemClick);
    f.GlatteLinjerMenuItem = Punkt(valg, QStringLiteral("Glatte linjer"), "GlatteLinjerMenuItem");
    f.GlatteLinjerMenuItem->setCheckable(true);
    f.GlatteLinjerMenuItem->setChecked(GlatteLinjer());
    forbind(f.GlatteLinjerMenuItem, &TPlotvikForm::GlatteLinjerMenuItemClick);
    f.VisUsikkerhederMenuItem = Punkt(valg, QStringLiteral("Vis &usikkerheder"), "VisUsikkerhederMenuItem");
    f.VisUsikkerhederMenuItem->setCheckable(true);
    forbind(f.VisUsikkerhederMenuItem, &TPlotvikForm::VisUsikkerhederMenuItemClick);

    QAction* hjaelp = bar->addAction(QString::fromUtf8("Hjælp"));
    hjaelp->setObjectName(QStringLiteral("HjaelpMenuItem"));
    // Neither "Hjælp" nor "Valgmuligheder" has an access letter: F1 opens the
    // help, F10 opens "&Fil", from where the arrows reach every menu.
    hjaelp->setShortcut(QKeySequence::HelpContents);
    auto* menulinje = new QShortcut(QKeySequence(Qt::Key_F10), &f);
    menulinje->setObjectName(QStringLiteral("MenulinjeGenvej"));
    QObject::connect(menulinje, &QShortcut::activated, bar, [bar, fil] { bar->setActiveAction(fil->menuAction()); });
    forbind(hjaelp, &TPlotvikForm::HjaelpMenuItemClick);

    // The graph images' pop-up menu repeats the four graph tools.
    f.GrafPopupMenu = new QMenu(&f);
    f.GrafPopupMenu->setObjectName(QStringLiteral("GrafPopupMenu"));
    forbind(Punkt(f.GrafPopupMenu, QString::fromUtf8("&Aflæs Funktionsværdi på graf"), "AflaesFunktionsvaerdiPopupMenuItem"), &TPlotvikForm::AflaesFunktionsvaerdiMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("Find &DifferentialKvotient p\u00e5 graf"), "FindDifferentialKvotientPopupMenuItem"), &TPlotvikForm::FindDifferentialKvotientMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("Tegn &Tangent p\u00e5 graf"), "TegnTangentPaaGrafPopupMenuItem"), &TPlotvikForm::TegnTangentPaaGrafMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("&Areal under graf"), "ArealUnderGrafPopupMenuItem"), &TPlotvikForm::ArealUnderGrafMenuItemClick);
    // ... and takes the graph out into a report.
    f.GrafPopupMenu->addSeparator();
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("&Eksporter graf..."), "EksporterGrafPopupMenuItem"), &TPlotvikForm::EksporterGrafMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("Kopier graf"), "KopierGrafPopupMenuItem"), &TPlotvikForm::KopierGrafMenuItemClick);
}

}  // namespace plotvik
