// Builds the main window's sheets, controls and menus, with the captions,
// access keys, defaults and object names the program is known by.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include "ui/CelleModel.h"
#include "ui/GrafBillede.h"
#include "ui/PlotvikUnit.h"
#include "ui/PlotvikUnitIntern.h"

namespace plotvik {
namespace {

QString N(const char* navn, int nr) { return QString::fromLatin1(navn).arg(nr); }

QLabel* Etiket(QWidget* ejer, const QString& tekst, const QString& navn, int x, int y, int b, int h = 16) {
    auto* l = new QLabel(tekst, ejer);
    l->setObjectName(navn);
    l->setGeometry(x, y, b, h);
    return l;
}

QLineEdit* Felt(QWidget* ejer, const QString& navn, int x, int y, int b, int h = 20) {
    auto* e = new QLineEdit(ejer);
    e->setObjectName(navn);
    e->setGeometry(x, y, b, h);
    return e;
}

QPushButton* Knap(QWidget* ejer, const QString& tekst, const QString& navn, int x, int y, int b, int h = 24) {
    auto* k = new QPushButton(tekst, ejer);
    k->setObjectName(navn);
    k->setGeometry(x, y, b, h);
    return k;
}

QAction* Punkt(QMenu* menu, const QString& tekst, const char* navn) {
    QAction* a = menu->addAction(tekst);
    a->setObjectName(QString::fromLatin1(navn));
    return a;
}

// Positions of a table's controls row on its sheet, and of its grid below.
struct TTabelPlads {
    int Ark;    // 1 or 2
    int RaekkeY;
};
constexpr TTabelPlads TabelPladser[5] = {{1, 0}, {1, 63}, {1, 316}, {2, 4}, {2, 262}};
constexpr int KontrolRaekkeHoejde = 34;

// The captions that differ from table to table.
struct TTabelTekster {
    const char* GruppeTitel;
    const char* Tastatur;
    const char* Diskfil;
    const char* Indlaes;
    const char* Beregn;
    const char* Ok;
};
const TTabelTekster TabelTekster[5] = {
    {"", "", "", "", "", ""},
    {"Inddata fra:", "&Tastatur", "&Diskfil", "&Indl\u00e6s", "&Beregn", "&OK"},
    {"Indata fra:", "T&astatur", "D&iskFil", "I&ndl\u00e6s", "B&eregn", "O&K"},
    {"Inddata fra", "&Tastatur", "&Diskfil", "&Indl\u00e6s", "&Beregn", "&OK"},
    {"Inddata fra", "T&astatur", "D&iskfil", "I&ndl\u00e6s", "B&eregn", "O&K"},
};

QTableView* NytGrid(TPlotvikForm& f, QWidget* ark, int t, const QString& navn) {
    auto* g = new QTableView(ark);
    g->setObjectName(navn);
    auto* model = new TCelleModel(f.Projekt, t, g);
    model->setObjectName(navn + "Model");
    model->FriRedigering = [&f, t] { return f.FriRedigering(t); };
    g->setModel(model);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setMinimumSectionSize(4);
    g->verticalHeader()->setMinimumSectionSize(4);
    g->horizontalHeader()->setDefaultSectionSize(StandardSoejleBredde + 1);
    g->verticalHeader()->setDefaultSectionSize(RaekkeHoejde + 1);
    g->setFrameShape(QFrame::Box);
    g->setLineWidth(1);
    g->setWordWrap(false);
    g->setSelectionMode(QAbstractItemView::NoSelection);  // program-controlled input at start
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setGeometry(4, 0, 5 * (StandardSoejleBredde + 1) + 3, 2 * (RaekkeHoejde + 1) + 3);
    f.TabelGrid[t] = g;
    f.CelleModel[t] = model;

    auto* edit = new QLineEdit(g->viewport());
    edit->setObjectName(t == 0 ? QStringLiteral("Tabelfelt0Edit") : N("TabelFelt%1Edit", t));
    edit->setFrame(false);
    edit->hide();
    f.TabelFeltEdit[t] = edit;
    return g;
}

void OpbygTabelKontroller(TPlotvikForm& f, int t) {
    QWidget* ark = f.Ark[TabelPladser[t].Ark];
    const int y = TabelPladser[t].RaekkeY;
    const TTabelTekster& tx = TabelTekster[t];
    f.TabelNoLabel[t] = Etiket(ark, N("%1.", t), N("TabelNo%1Label", t), 4, y + 9, 16);
    f.MaalingerLabel[t] = Etiket(ark, QString::fromUtf8("Målinger"), N("Maalinger%1Label", t), 22, y + 9, 48);
    auto* spin = new QSpinBox(ark);
    spin->setObjectName(N("AntalMaalinger%1SpinEdit", t));
    spin->setRange(1, MaksIndgange);
    spin->setValue(t == 1 ? 5 : 1);
    spin->setGeometry(72, y + 6, 70, 22);
    f.AntalMaalingerSpinEdit[t] = spin;
    f.AntalMaalingerButton[t] = Knap(ark, QString::fromUtf8(tx.Ok), N("AntalMaalinger%1Button", t), 146, y + 5, 40);

    auto* gruppe = new QGroupBox(QString::fromUtf8(tx.GruppeTitel), ark);
    gruppe->setObjectName(N("Inddata%1GroupBox", t));
    gruppe->setGeometry(196, y, 190, KontrolRaekkeHoejde);
    // A compact frame: the row has room for the title and one line of buttons.
    gruppe->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #b4b4b4; border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    f.InddataGroupBox[t] = gruppe;
    auto* tastatur = new QRadioButton(QString::fromUtf8(tx.Tastatur), gruppe);
    tastatur->setObjectName(N("Tastatur%1RadioButton", t));
    tastatur->setGeometry(8, 13, 84, 17);
    tastatur->setChecked(true);
    auto* disk = new QRadioButton(QString::fromUtf8(tx.Diskfil), gruppe);
    disk->setObjectName(N("Diskfil%1RadioButton", t));
    disk->setGeometry(98, 13, 84, 17);
    f.TastaturRadioButton[t] = tastatur;
    f.DiskfilRadioButton[t] = disk;
    // A style sheet does not pass the window's font on by itself.
    for (QWidget* w : {static_cast<QWidget*>(gruppe), static_cast<QWidget*>(tastatur), static_cast<QWidget*>(disk)})
        w->setFont(f.font());

    f.IndLaesTabelButton[t] = Knap(ark, QString::fromUtf8(tx.Indlaes), N("IndLaesTabel%1Button", t), 396, y + 5, 75);
    f.BeregnTabelButton[t] = Knap(ark, QString::fromUtf8(tx.Beregn), N("BeregnTabel%1Button", t), 478, y + 5, 75);

    QTableView* g = NytGrid(f, ark, t, N("Tabel%1StringGrid", t));
    g->move(4, y + KontrolRaekkeHoejde + 2);

    f.VariabelLabel[t] = Etiket(ark, QStringLiteral("Variabel"), N("Variabel%1Label", t), 4, 0, 48);
    f.VariabeludtrykEdit[t] = Felt(ark, N("Variabeludtryk%1Edit", t), 54, 0, 110, 20);
    f.GnsLabel[t] = Etiket(ark, QStringLiteral("Gns."), N("Gns%1Label", t), 174, 0, 30);
    f.GennemsnitEdit[t] = Felt(ark, N("Gennemsnit%1Edit", t), 206, 0, 150, 20);
    f.VariansLabel[t] = Etiket(ark, QStringLiteral("Varians"), N("Varians%1Label", t), 366, 0, 44);
    f.VariansEdit[t] = Felt(ark, N("Varians%1Edit", t), 412, 0, 150, 20);
    PlacerGnsRaekke(f, t);
}

}  // namespace

void PlacerGnsRaekke(TPlotvikForm& f, int t) {
    if (t < 1 || t > 4 || !f.TabelGrid[t]) return;
    const int y = f.TabelGrid[t]->geometry().bottom() + 3;
    QWidget* raekke[] = {f.VariabelLabel[t], f.VariabeludtrykEdit[t], f.GnsLabel[t],
                         f.GennemsnitEdit[t], f.VariansLabel[t], f.VariansEdit[t]};
    for (QWidget* w : raekke) {
        const bool etiket = qobject_cast<QLabel*>(w) != nullptr;
        w->move(w->x(), etiket ? y + 2 : y);
    }
}

void OpbygTabelArk(TPlotvikForm& f) {
    QWidget* ark1 = f.Ark[1];
    f.KonstanterLabel = Etiket(ark1, QStringLiteral("Konstanter"), QStringLiteral("KonstanterLabel"), 4, 1, 120, 15);
    QTableView* k = NytGrid(f, ark1, 0, QStringLiteral("KonstanterStringGrid"));
    k->move(4, 17);
    for (int t = 1; t <= MaksTabeller; ++t) OpbygTabelKontroller(f, t);
}

void OpbygGrafArk(TPlotvikForm& f) {
    static const char* Overskrifter[4] = {"", "1. Graf Overskrift", "2. Graf Overskrift", " 3. Graf Overskrift"};
    for (int s = 1; s <= 3; ++s) {
        QWidget* ark = f.Ark[s + 2];
        auto& felter = f.GrafFelter[s];
        felter.clear();
        QLabel* overskrift = Etiket(ark, QString::fromLatin1(Overskrifter[s]), N("Graf%1OverskriftLabel", s), 4, 1, 550, 17);
        QFont fed = overskrift->font();
        fed.setBold(true);
        overskrift->setFont(fed);
        f.GrafOverskriftLabel[s] = overskrift;
        felter.push_back(overskrift);

        auto* billede = new TGrafBillede(s, &f.GrafImage[s], ark);
        billede->setObjectName(N("Graf%1Image", s));
        billede->setGeometry(4, 20, f.GrafImage[s].width(), f.GrafImage[s].height());
        f.GrafBilledeWidget[s] = billede;

        const int x = 562;
        felter.push_back(Etiket(ark, QStringLiteral("x-akse"), N("Xakse%1Label", s), x, 4, 40));
        f.XakseEdit[s] = Felt(ark, N("Xakse%1Edit", s), x + 42, 2, 188);
        felter.push_back(f.XakseEdit[s]);
        felter.push_back(Etiket(ark, QStringLiteral("y-akse"), N("Yakse%1Label", s), x, 26, 40));
        f.YakseEdit[s] = Felt(ark, N("Yakse%1Edit", s), x + 42, 24, 188);
        felter.push_back(f.YakseEdit[s]);
        const bool bindestreg = s == 1;
        auto graense = [&](const char* navn, const char* tekst, int gx, int gy, QLineEdit*& edit) {
            QString t = QString::fromLatin1(tekst);
            if (!bindestreg) t.remove('-');
            felter.push_back(Etiket(ark, t, N(navn, s).replace("Edit", "Label"), gx, gy + 2, 36));
            edit = Felt(ark, N(navn, s), gx + 38, gy, 76);
            felter.push_back(edit);
        };
        graense("xmin%1Edit", "x-min", x, 48, f.xminEdit[s]);
        graense("xmax%1Edit", "x-max", x + 116, 48, f.xmaxEdit[s]);
        graense("ymin%1Edit", "y-min", x, 70, f.yminEdit[s]);
        graense("ymax%1Edit", "y-max", x + 116, 70, f.ymaxEdit[s]);

        f.GrafTypeLabel[s] = Etiket(ark, QStringLiteral("Graftype: "), N("GrafType%1Label", s), x, 94, 230);
        felter.push_back(f.GrafTypeLabel[s]);
        f.PolGradLabel[s] = Etiket(ark, QString::fromLatin1(s == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: "),
                                   N("PolGrad%1Label", s), x, 111, 230);
        f.PolGradLabel[s]->hide();

        Etiket(ark, QString::fromUtf8("Graf Opløsning"), N("AntalGrafPunkter%1Label", s), x, 134, 90);
        f.AntalGrafPunkterEdit[s] = Felt(ark, N("AntalGrafPunkter%1Edit", s), x + 94, 132, 50);
        f.AntalGrafPunkterEdit[s]->setText(QStringLiteral("50"));

        auto* gruppe = new QGroupBox(QStringLiteral("Graf punkter udseende"), ark);
        gruppe->setObjectName(N("GrafPunkter%1GroupBox", s));
        gruppe->setGeometry(x, 156, 230, 56);
        f.GrafPunkterGroupBox[s] = gruppe;
        auto radio = [&](const char* tekst, const char* navn, int rx, int ry) {
            auto* r = new QRadioButton(QString::fromLatin1(tekst), gruppe);
            r->setObjectName(N(navn, s));
            r->setGeometry(rx, ry, 100, 18);
            return r;
        };
        f.RuderRadioButton[s] = radio("Ruder", "Ruder%1RadioButton", 10, 16);
        f.KrydsRadioButton[s] = radio("Kryds", "Kryds%1RadioButton", 120, 16);
        f.CirkelRadioButton[s] = radio("Cirkel", "Cirkel%1RadioButton", 10, 34);
        f.PunktRadioButton[s] = radio("Punkt", "Punkt%1RadioButton", 120, 34);
        f.KrydsRadioButton[s]->setChecked(true);

        auto boks = [&](const char* tekst, const char* navn, int bx, int by) {
            auto* c = new QCheckBox(QString::fromLatin1(tekst), ark);
            c->setObjectName(N(navn, s));
            c->setGeometry(bx, by, 110, 18);
            return c;
        };
        f.StatistikCheckBox[s] = boks("Statistik", "Statistik%1CheckBox", x, 216);
        f.TegnKunPunkterCheckBox[s] = boks("Tegn kun punkter", "TegnKunPunkter%1CheckBox", x + 112, 216);
        f.BeholdGrafCheckBox[s] = boks("Behold graf", "BeholdGraf%1CheckBox", x, 236);
        f.BeholdGrafCheckBox[s]->setEnabled(false);

        f.TegnGrafButton[s] = Knap(ark, QString::fromLatin1(s == 2 ? "Tegn Graf" : "Tegn graf"),
                                   N("TegnGraf%1Button", s), x, 260, 110, 25);
        f.TegnFunktionButton[s] = Knap(ark, QStringLiteral("Tegn Funktion"), N("TegnFunktion%1Button", s),
                                       x + 120, 260, 110, 25);
        Etiket(ark, QStringLiteral("Graf Resultater"), N("GrafResultater%1Label", s), x, 292, 120);
        auto* liste = new QListWidget(ark);
        liste->setObjectName(N("GrafResultater%1ListBox", s));
        liste->setGeometry(x, 309, 230, 200);
        f.GrafResultaterListBox[s] = liste;
    }
}

void OpbygTekstArk(TPlotvikForm& f) {
    auto* memo = new QPlainTextEdit(f.Ark[6]);
    memo->setObjectName(QStringLiteral("RedigerMemo"));
    QFont fast(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}, 10);
    memo->setFont(fast);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.RedigerMemo = memo;
}

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
    fil->addSeparator();
    forbind(Punkt(fil, QStringLiteral("Udskriv &Tabel"), "UdskrivTabelMenuItem"), &TPlotvikForm::UdskrivTabelMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv A&rk"), "UdskrivArkMenuItem"), &TPlotvikForm::UdskrivArkMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("Udskriv &Grafresultater"), "UdskrivGrafresultaterMenuItem"), &TPlotvikForm::UdskrivGrafresultaterMenuItemClick);
    forbind(Punkt(fil, QStringLiteral("&Udskriv Tekst"), "UdskrivTekstMenuItem"), &TPlotvikForm::UdskrivTekstMenuItemClick);
    fil->addSeparator();
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

    QMenu* valg = bar->addMenu(QStringLiteral("Valgmuligheder"));
    valg->setObjectName(QStringLiteral("ValgmulighederMenu"));
    forbind(Punkt(valg, QStringLiteral("&Aktive TabelNo og GrafNo"), "AktiveTabelNoOgGrafNoMenuItem"), &TPlotvikForm::AktiveTabelNoOgGrafNoMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("123"), "ProgramstyringMenuItem"), &TPlotvikForm::ProgramstyringMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Kontrol af Inddata"), "KontrolafInddataMenuItem"), &TPlotvikForm::KontrolafInddataMenuItemClick);
    forbind(Punkt(valg, QStringLiteral("&Gennemsnit og Varians"), "StatistikPaamaalingerMenuItem"), &TPlotvikForm::StatistikPaamaalingerMenuItemClick);

    QAction* hjaelp = bar->addAction(QString::fromUtf8("Hjælp"));
    hjaelp->setObjectName(QStringLiteral("HjaelpMenuItem"));
    forbind(hjaelp, &TPlotvikForm::HjaelpMenuItemClick);

    // The graph images' pop-up menu repeats the four graph tools.
    f.GrafPopupMenu = new QMenu(&f);
    f.GrafPopupMenu->setObjectName(QStringLiteral("GrafPopupMenu"));
    forbind(Punkt(f.GrafPopupMenu, QString::fromUtf8("&Aflæs Funktionsværdi på graf"), "AflaesFunktionsvaerdiPopupMenuItem"), &TPlotvikForm::AflaesFunktionsvaerdiMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("Find &DifferentialKvotient p\u00e5 graf"), "FindDifferentialKvotientPopupMenuItem"), &TPlotvikForm::FindDifferentialKvotientMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("Tegn &Tangent p\u00e5 graf"), "TegnTangentPaaGrafPopupMenuItem"), &TPlotvikForm::TegnTangentPaaGrafMenuItemClick);
    forbind(Punkt(f.GrafPopupMenu, QStringLiteral("&Areal under graf"), "ArealUnderGrafPopupMenuItem"), &TPlotvikForm::ArealUnderGrafMenuItemClick);
}

}  // namespace plotvik
