// The main window: creation, the creation step that also runs before a
// project is loaded, the graph sheets' fields, the options menu, help and
// closing. Tables are in PlotvikUnitTabel.cpp, file commands in
// PlotvikUnitFil.cpp, the controls themselves in PlotvikUnitOpbyg.cpp.
#include "ui/PlotvikUnit.h"

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
#include "ui/CelleModel.h"
#include "ui/GrafBillede.h"
#include "ui/PlotvikUnitIntern.h"
#include "ui/QtLaerred.h"
#include "ui/Tegnsaet.h"

using namespace plotvik;

namespace {

const char* const ArkNavne[7] = {"", "Tabelark1", "TabelArk2", "GrafArk1", "GrafArk2", "GrafArk3", "TekstArk"};
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

    for (int s = 1; s <= 3; ++s) {
        GrafImage[s] = QImage(550, 490, QImage::Format_RGB32);
        GrafImage[s].fill(Qt::white);
        GrafLaerred[s] = std::make_unique<QtLaerred>(GrafImage[s]);
        GrafArkene.Ark[s].Billede = GrafLaerred[s].get();
    }

    SideKontrol = new QTabWidget(this);
    SideKontrol->setObjectName(QStringLiteral("SideKontrol"));
    setCentralWidget(SideKontrol);
    for (int a = 1; a <= 6; ++a) {
        Ark[a] = new QWidget();
        Ark[a]->setObjectName(QString::fromLatin1(ArkNavne[a]));
        SideKontrol->addTab(Ark[a], QString::fromLatin1(ArkTekster[a]));
    }
    OpbygMenuer(*this);
    OpbygTabelArk(*this);
    OpbygGrafArk(*this);
    OpbygTekstArk(*this);
    auto* tekstLayout = new QVBoxLayout(Ark[6]);
    tekstLayout->setContentsMargins(2, 2, 2, 2);
    tekstLayout->addWidget(RedigerMemo);

    // One handler serves the like controls of every table and sheet.
    auto* haendelser = new TTabelHaendelser(*this);
    haendelser->setParent(this);
    haendelser->setObjectName(QStringLiteral("TabelHaendelser"));
    for (int t = 0; t <= MaksTabeller; ++t) {
        TabelFeltEdit[t]->installEventFilter(haendelser);
        TabelGrid[t]->viewport()->installEventFilter(haendelser);
        TabelGrid[t]->installEventFilter(haendelser);
        connect(CelleModel[t], &TCelleModel::CelleRedigeret, this,
                [this, t](int r, int c) { GemRedigeretCelle(t, r, c); }, Qt::QueuedConnection);
        connect(TabelGrid[t]->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, t](const QModelIndex& ny, const QModelIndex&) {
                    if (FriRedigering(t) && ny.isValid()) {
                        AktuelRaekke = ny.row();
                        AktuelSoejle = ny.column();
                        Projekt.AktivTabel = t;
                    }
                });
        if (t == 0) continue;
        AntalMaalingerSpinEdit[t]->installEventFilter(haendelser);
        if (auto* e = AntalMaalingerSpinEdit[t]->findChild<QLineEdit*>()) e->installEventFilter(haendelser);
        connect(AntalMaalingerButton[t], &QPushButton::clicked, this, [this, t] { AntalMaalingerButtonClick(t); });
        connect(IndLaesTabelButton[t], &QPushButton::clicked, this, [this, t] { IndLaesTabelButtonClick(t); });
        connect(BeregnTabelButton[t], &QPushButton::clicked, this, [this, t] { UdregnTabelButtonClick(t); });
        connect(VariabeludtrykEdit[t], &QLineEdit::editingFinished, this, [this, t] { VariabeludtrykEditExit(t); });
    }
    for (int s = 1; s <= 3; ++s) {
        connect(TegnGrafButton[s], &QPushButton::clicked, this, [this, s] { TegnGrafButtonClick(s); });
        connect(TegnFunktionButton[s], &QPushButton::clicked, this, [this, s] { TegnFunktionButtonClick(s); });
        connect(StatistikCheckBox[s], &QCheckBox::clicked, this, [this, s] { StatistikCheckBoxClick(s); });
        connect(GrafBilledeWidget[s], &TGrafBillede::MusNed, this,
                [this](int ark, Qt::MouseButton knap, int x, int y) { GrafImageMouseDown(ark, knap, x, y); });
        GrafBilledeWidget[s]->SaetPopupMenu(GrafPopupMenu);
        if (s <= 2) {
            // Enter, or leaving the box with Tab, goes on to "Tegn graf".
            connect(AntalGrafPunkterEdit[s], &QLineEdit::returnPressed, this,
                    [this, s] { TegnGrafButton[s]->setFocus(); });
            QWidget::setTabOrder(AntalGrafPunkterEdit[s], TegnGrafButton[s]);
        }
    }
    connect(RedigerMemo, &QPlainTextEdit::textChanged, this, [this] { Projekt.TekstGemt = false; });

    FormCreate();
    OpretDialoger();
}

TPlotvikForm::~TPlotvikForm() {
    // The base class deletes the controls after this body, when the project
    // and the graph images, members of the form, are gone already; closing
    // the window then still moves the focus, commits an open cell editor and
    // sends the controls' last events. So, while the members still exist:
    // the table filter goes (deleting it takes it off every control), no
    // child's signal reaches the form's handlers any more, and the sheets,
    // whose grids and images show the project and the graph images, go.
    delete findChild<QObject*>(QStringLiteral("TabelHaendelser"), Qt::FindDirectChildrenOnly);
    for (QObject* barn : findChildren<QObject*>()) QObject::disconnect(barn, nullptr, this, nullptr);
    delete SideKontrol;
    SideKontrol = nullptr;
    for (int s = 1; s <= 3; ++s) GrafArkene.Ark[s].Billede = nullptr;
}

void TPlotvikForm::OpretDialoger() {
    OpretDefinitionsDialoger();
    OpretVaerktoejsDialoger();
}

void TPlotvikForm::FormCreate() {
    for (int t = 0; t <= MaksTabeller; ++t) StopIndtastning(t);
    for (int s = 1; s <= 3; ++s) TegnFunktionButton[s]->setEnabled(false);
    SkjulTabeller(*this);
    StartProjekt(Projekt);
    NulstilGrafArk(*this);
    // Nothing of an earlier project's functions or armed graph tools carries over.
    VaerktoejTilstand = {};
    GrafArkene.Funktioner = {};
    for (QAction* a : {DifferentialkvotientAfFunktionMenuItem, TegnTangentTilFunktionMenuItem, ArealUnderFunktionMenuItem})
        if (a) a->setEnabled(false);
    AktuelRaekke = AktuelSoejle = -1;
    TastTrykket = false;
    SidsteTast = 0;
    setWindowTitle(QStringLiteral("Plotvik "));
    VisArk(1);
}

void TPlotvikForm::VisArk(int ark) {
    if (ark >= 1 && ark <= 6) SideKontrol->setCurrentWidget(Ark[ark]);
}

namespace plotvik {

void SkjulTabeller(TPlotvikForm& f) {
    f.TabelGrid[0]->hide();
    f.TabelFeltEdit[0]->hide();
    f.KonstanterLabel->hide();
    f.CelleModel[0]->SaetStoerrelse(0, 0);
    for (int t = 1; t <= MaksTabeller; ++t) {
        QWidget* skjul[] = {f.TabelGrid[t], f.TabelFeltEdit[t], f.TabelNoLabel[t], f.MaalingerLabel[t],
                            f.AntalMaalingerSpinEdit[t], f.AntalMaalingerButton[t], f.InddataGroupBox[t],
                            f.TastaturRadioButton[t], f.DiskfilRadioButton[t]};
        for (QWidget* w : skjul) w->hide();
        QWidget* gnsRaekke[] = {f.VariabelLabel[t], f.VariabeludtrykEdit[t], f.GnsLabel[t],
                                f.GennemsnitEdit[t], f.VariansLabel[t], f.VariansEdit[t],
                                f.IndLaesTabelButton[t], f.BeregnTabelButton[t]};
        for (QWidget* w : gnsRaekke) {
            w->hide();
            w->setEnabled(false);
        }
        // The radio buttons sit in the group box; both are shown with it.
        f.TastaturRadioButton[t]->show();
        f.DiskfilRadioButton[t]->show();
        f.TastaturRadioButton[t]->setChecked(true);
        f.VariabeludtrykEdit[t]->clear();
        f.GennemsnitEdit[t]->clear();
        f.VariansEdit[t]->clear();
        f.CelleModel[t]->SaetStoerrelse(0, 0);
    }
    for (int t = 0; t <= MaksTabeller; ++t) {
        f.IndtastningAktiv[t] = f.SpringTil[t] = f.TastAfsluttet[t] = false;
    }
}

void NulstilGrafArk(TPlotvikForm& f) {
    for (int s = 1; s <= 3; ++s) {
        TGrafArk& a = f.GrafArkene.Ark[s];
        Laerred* billede = a.Billede;
        const TPunktType punkt = a.PunktType;
        const std::string oploesning = a.AntalGrafPunkter;
        a = TGrafArk{};
        a.Billede = billede;
        a.PunktType = punkt;
        a.AntalGrafPunkter = oploesning.empty() ? "50" : oploesning;
        a.PolGradTekst = s == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: ";
        f.GrafImage[s].fill(Qt::white);
        f.VisGrafArk(s);
    }
    for (auto& tabel : f.GrafArkene.Funktioner)
        for (auto& ark : tabel) ark = TFunktionPaaArk{};
}

}  // namespace plotvik

void TPlotvikForm::TagGrafArkTilbage(int s) {
    if (s < 1 || s > 3) return;
    TGrafArk& a = GrafArkene.Ark[s];
    a.XAkse = Lang(FraQString(XakseEdit[s]->text()));
    a.YAkse = Lang(FraQString(YakseEdit[s]->text()));
    a.XMinTekst = Kort(FraQString(xminEdit[s]->text()));
    a.XMaxTekst = Kort(FraQString(xmaxEdit[s]->text()));
    a.YMinTekst = Kort(FraQString(yminEdit[s]->text()));
    a.YMaxTekst = Kort(FraQString(ymaxEdit[s]->text()));
    a.AntalGrafPunkter = Kort(FraQString(AntalGrafPunkterEdit[s]->text()));
    a.PunktType = PunktRadioButton[s]->isChecked()    ? TPunktType::Punkt
                  : CirkelRadioButton[s]->isChecked() ? TPunktType::Cirkel
                  : RuderRadioButton[s]->isChecked()  ? TPunktType::Ruder
                                                      : TPunktType::Kryds;
    a.Statistik = StatistikCheckBox[s]->isChecked();
    a.TegnKunPunkter = TegnKunPunkterCheckBox[s]->isChecked();
    a.BeholdGraf = BeholdGrafCheckBox[s]->isChecked();
}

void TPlotvikForm::VisGrafArk(int s) {
    if (s < 1 || s > 3) return;
    const TGrafArk& a = GrafArkene.Ark[s];
    GrafOverskriftLabel[s]->setText(TilQString(a.Overskrift));
    XakseEdit[s]->setText(TilQString(a.XAkse));
    YakseEdit[s]->setText(TilQString(a.YAkse));
    xminEdit[s]->setText(TilQString(a.XMinTekst));
    xmaxEdit[s]->setText(TilQString(a.XMaxTekst));
    yminEdit[s]->setText(TilQString(a.YMinTekst));
    ymaxEdit[s]->setText(TilQString(a.YMaxTekst));
    AntalGrafPunkterEdit[s]->setText(TilQString(a.AntalGrafPunkter));
    switch (a.PunktType) {
        case TPunktType::Punkt: PunktRadioButton[s]->setChecked(true); break;
        case TPunktType::Cirkel: CirkelRadioButton[s]->setChecked(true); break;
        case TPunktType::Ruder: RuderRadioButton[s]->setChecked(true); break;
        default: KrydsRadioButton[s]->setChecked(true); break;
    }
    StatistikCheckBox[s]->setChecked(a.Statistik);
    TegnKunPunkterCheckBox[s]->setChecked(a.TegnKunPunkter);
    BeholdGrafCheckBox[s]->setChecked(a.BeholdGraf);
    BeholdGrafCheckBox[s]->setEnabled(a.BeholdGrafAktiv);
    TegnFunktionButton[s]->setEnabled(a.TegnFunktionAktiv);
    GrafTypeLabel[s]->setText(TilQString(a.GrafTypeTekst));
    PolGradLabel[s]->setText(TilQString(a.PolGradTekst));
    for (QWidget* w : GrafFelter[s]) w->setVisible(a.FelterSynlige);
    PolGradLabel[s]->setVisible(a.FelterSynlige && a.PolGradSynlig);
    GrafResultaterListBox[s]->clear();
    for (const std::string& linie : a.Resultater) GrafResultaterListBox[s]->addItem(TilQString(linie));
    GrafBilledeWidget[s]->update();
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
