// The main window: creation of the sheets, the creation step that also runs
// before a project is loaded, the dispatch of commands to the sheet that
// holds a table or a graph, the options menu, help and closing.
#include "ui/vindue/PlotvikUnit.h"

#include <QDateTime>
#include <QUndoStack>

#include "ui/fortryd/Autogem.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/Brugerflade.h"
#include "core/Tegnsaet.h"
#include "files/PlotvikFiler.h"
#include "ui/ark/CelleModel.h"
#include "ui/vindue/OpsamlingDialog.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"
#include "ui/vindue/PlotvikUnitIntern.h"
#include "ui/graf/QtLaerred.h"
#include "ui/ark/Tastatur.h"
#include "ui/ark/TekstArk.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

const char* const ArkTekster[7] = {"", "Tabelark 1", "TabelArk 2", "Graf Ark 1", "Graf Ark 2", "Graf Ark 3", "TekstArk"};

}  // namespace

TPlotvikForm::TPlotvikForm(QWidget* parent) : QMainWindow(parent) {
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
    OpbygMenuer(*this);
    Fortryd = new QUndoStack(this);
    Fortryd->setObjectName(QStringLiteral("FortrydStak"));
    Fortryd->setUndoLimit(100);
    OpretRedigerMenu();
    Autogem = std::make_unique<TAutogem>([this]() -> std::string {
        return HarArbejde() ? GendannelsesBytes(QDateTime::currentSecsSinceEpoch()) : std::string();
    });
    for (int a = 1; a <= 2; ++a) {
        TabelSide[a] = new TTabelArk(a, Projekt, Indtastning, skrift);
        TabelSide[a]->StopIndtastningI = [this](int t) { StopIndtastning(t); };
        TabelSide[a]->SkrivCelleI = [this](int t, int v, int k, const std::string& tekst) { SkrivTastetCelle(t, v, k, tekst); };
        TabelSide[a]->SomTrin = [this](int t, const QString& navn, const std::function<void()>& h) { SomFortrydTrin(t, navn, h); };
        connect(TabelSide[a], &TTabelArk::TabelBeregnet, this, &TPlotvikForm::VisTabelGrafer);
        Ark[a] = TabelSide[a];
    }
    KonstanterLabel = TabelSide[1]->KonstanterLabel;
    for (int s = 1; s <= 3; ++s) {
        GrafSide[s] = new TGrafArkSide(s, Projekt, GrafArkene, TegneTilstand, skrift);
        GrafSide[s]->SaetPopupMenu(GrafPopupMenu);
        connect(GrafSide[s], &TGrafArkSide::MusNed, this, &TPlotvikForm::GrafImageMouseDown);
        Ark[s + 2] = GrafSide[s];
    }
    TekstSide = new TTekstArk(Projekt);
    RedigerMemo = TekstSide->RedigerMemo;
    connect(RedigerMemo, &QPlainTextEdit::textChanged, this, &TPlotvikForm::DataAendret);
    Ark[6] = TekstSide;
    for (int a = 1; a <= 6; ++a) SideKontrol->addTab(Ark[a], QString::fromLatin1(ArkTekster[a]));
    // The sheet in front is part of what a restore shows again.
    connect(SideKontrol, &QTabWidget::currentChanged, this, [this] {
        if (HarArbejde()) DataAendret();
    });

    FormCreate();
    OpretDialoger();
    OpretVelkomst(*this);
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

void TPlotvikForm::OpretDialoger() {
    OpretDefinitionsDialoger();
    OpretVaerktoejsDialoger();
}

void TPlotvikForm::FormCreate() {
    // A new or another project ends a running capture first: its values and
    // its undo step belong to the project they were read into.
    if (OpsamlingDialog && OpsamlingDialog->Koerer()) OpsamlingDialog->StopButtonClick();
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
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

void TPlotvikForm::VisArk(int ark) {
    if (ark >= 1 && ark <= 6) SideKontrol->setCurrentWidget(Ark[ark]);
}

// ---------------------------------------------------------------- dispatch to the sheets

TTabelArk* TPlotvikForm::TabelSideFor(int t) const {
    if (t < 0 || t > MaksTabeller) return nullptr;
    return TabelSide[TTabelArk::ArkForTabel(t)];
}

const TTabelKontroller& TPlotvikForm::TabelKontroller(int t) const {
    static const TTabelKontroller ingen{};
    TTabelArk* side = TabelSideFor(t);
    return side ? side->K(t) : ingen;
}

const QImage& TPlotvikForm::GrafBilledeFor(int s) {
    static const QImage ingen;
    return GrafSideNo(s) ? GrafSide[s]->GrafImage() : ingen;
}

TGrafVisning* TPlotvikForm::GrafVisningFor(int s) { return GrafSideNo(s) ? GrafSide[s]->Visning.get() : nullptr; }

void TPlotvikForm::OpsaetTabelGrid(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->OpsaetTabelGrid(t);
}

void TPlotvikForm::IndtastTabel(int t, int r, int c) {
    if (TTabelArk* side = TabelSideFor(t)) side->IndtastTabel(t, r, c);
}

void TPlotvikForm::StopIndtastning(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->StopIndtastning(t);
}

void TPlotvikForm::UdregnTabelButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->UdregnTabelButtonClick(t);
}

void TPlotvikForm::AntalMaalingerButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->AntalMaalingerButtonClick(t);
}

void TPlotvikForm::IndLaesTabelButtonClick(int t) {
    if (TTabelArk* side = TabelSideFor(t)) side->IndLaesTabelButtonClick(t);
}

void TPlotvikForm::SaetProgramstyring(int t, bool programstyret) {
    if (TTabelArk* side = TabelSideFor(t)) side->SaetProgramstyring(t, programstyret);
}

void TPlotvikForm::VisTabelGrafer(int t) {
    if (t < 1 || t > MaksTabeller) return;
    const TTabelDef& T = Projekt.Tabeller[t];
    for (int g = 1; g <= MinHel(T.AntalGrafer, MaksGrafer); ++g)
        if (TGrafArkSide* side = GrafSideNo(T.Grafer[g].GrafArkNo)) side->VisTabelGraf(T.Grafer[g]);
}

void TPlotvikForm::TagGrafArkTilbage(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TagTilbage();
}

void TPlotvikForm::VisGrafArk(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->Vis();
}

void TPlotvikForm::TegnGrafButtonClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TegnGrafButtonClick();
}

void TPlotvikForm::StatistikCheckBoxClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->StatistikCheckBoxClick();
}

void TPlotvikForm::TegnFunktionButtonClick(int s) {
    if (TGrafArkSide* side = GrafSideNo(s)) side->TegnFunktionButtonClick();
}

// ---------------------------------------------------------------- "Valgmuligheder"

void TPlotvikForm::KontrolafInddataMenuItemClick() {
    const std::string tekst =
        "Hvis du sl\xE5r Kontrol af Inddata fra, s\xE5 bliver fejl-\n\r"
        "indtastede tal f\xF8rst kontrolleret ved beregningen\n\r"
        "af tabellen. Sl\xE5 kun kontrollen fra, hvis du har felter,\n\r"
        "som ikke best\xE5r af tal, som f.eks. navne\n\r"
        "Tryk OK for at sl\xE5 fra eller til, ellers tryk Cancel";
    if (Flade().OkEllerAnnuller(tekst)) Projekt.KontrolAfInddata = !Projekt.KontrolAfInddata;
}

void TPlotvikForm::StatistikPaamaalingerMenuItemClick() {
    Flade().Informationsboks(
        "Tryk p\xE5 \"Beregn\", efter at dette punkt er valgt\n\r"
        "Hvis ikke edit felterne bliver vist, s\xE5 gentag menuvalget.");
    const int t = Projekt.AktivTabel == 0 ? 1 : Projekt.AktivTabel;
    if (t >= 1 && t <= MaksTabeller) Projekt.Tabeller[t].VisGnsOgVarians = true;
}

// ---------------------------------------------------------------- "&Fil"

void TPlotvikForm::GemInddataMenuItemClick() {
    if (Projekt.AktivTabel <= 0 || Projekt.AktivTabel > MaksTabeller) {
        Flade().Fejlboks("Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
        return;
    }
    Fejl = false;
    GemDataFil(Projekt, Projekt.AktivTabel);
    Fejl = false;
}

void TPlotvikForm::AfslutMenuItemClick() {
    QApplication::processEvents();
    close();
}

void TPlotvikForm::closeEvent(QCloseEvent* e) {
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
    if (!Projekt.TekstGemt) SpoergOmGem(Projekt.TekstFilNavn);
    // A normal close, after the questions: nothing is left to recover.
    if (Autogem) Autogem->Fjern();
    e->accept();
}

// ---------------------------------------------------------------- "Hjælp"

namespace {

// The help file is plain text; a line "@n Title" starts the topic with
// context number n, a line that begins with two blanks is shown as typed.
QString HjaelpSomHtml(const QString& tekst) {
    QString html = QStringLiteral("<html><body style='font-family:Arial,Liberation Sans; font-size:10pt'>");
    bool foruddannet = false, afsnit = false;
    auto slutAfsnit = [&] {
        if (afsnit) html += QStringLiteral("</p>");
        afsnit = false;
    };
    for (QString linie : tekst.split('\n')) {
        linie.remove('\r');
        const bool kode = linie.startsWith(QStringLiteral("  "));
        if (kode != foruddannet) {
            slutAfsnit();
            html += kode ? QStringLiteral("<pre>") : QStringLiteral("</pre>");
            foruddannet = kode;
        }
        if (linie.startsWith('@')) {
            slutAfsnit();
            const int mellemrum = linie.indexOf(' ');
            const QString nr = linie.mid(1, mellemrum < 0 ? -1 : mellemrum - 1);
            const QString titel = mellemrum < 0 ? QString() : linie.mid(mellemrum + 1);
            html += QStringLiteral("<a name='k%1'></a><h2>%2</h2>").arg(nr, titel.toHtmlEscaped());
        } else if (kode) {
            html += linie.toHtmlEscaped() + '\n';
        } else if (linie.trimmed().isEmpty()) {
            slutAfsnit();
        } else {
            if (!afsnit) html += QStringLiteral("<p>");
            afsnit = true;
            html += linie.toHtmlEscaped() + ' ';
        }
    }
    slutAfsnit();
    if (foruddannet) html += QStringLiteral("</pre>");
    return html + QStringLiteral("</body></html>");
}

}  // namespace

void TPlotvikForm::HjaelpMenuItemClick() {
    // Beside the program (a build folder), else where the package installs it.
    const QString mappe = QCoreApplication::applicationDirPath();
    const QString sti = mappe + QStringLiteral("/Plotvik.Hlp");
    auto indhold = LaesTekstFil(FraQString(sti));
    if (!indhold) indhold = LaesTekstFil(FraQString(mappe + QStringLiteral("/../share/plotvik/Plotvik.Hlp")));
    if (!indhold) {
        Flade().Fejlboks("Kan ikke \xE5" "bne hj\xE6lpefilen " + FraQString(sti));
        return;
    }
    auto* vindue = findChild<QDialog*>(QStringLiteral("HjaelpVindue"));
    QTextBrowser* browser = nullptr;
    if (!vindue) {
        vindue = new QDialog(this);
        vindue->setObjectName(QStringLiteral("HjaelpVindue"));
        vindue->setWindowTitle(QString::fromUtf8("Plotvik Hjælp"));
        vindue->resize(780, 540);
        browser = new QTextBrowser(vindue);
        browser->setObjectName(QStringLiteral("HjaelpTekst"));
        auto* l = new QVBoxLayout(vindue);
        l->addWidget(browser);
    } else {
        browser = vindue->findChild<QTextBrowser*>(QStringLiteral("HjaelpTekst"));
    }
    browser->setHtml(HjaelpSomHtml(TilQString(*indhold)));
    browser->scrollToAnchor(QStringLiteral("k1"));
    vindue->show();
    vindue->raise();
}
