// The main window as it starts: caption, size, sheets, menus with their
// captions, names and enabled states, the controls of every sheet, and what
// the creation step hides.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>

#include "ui/FormTestHjaelp.h"
#include "ui/graf/GrafVisning.h"
#include "ui/graf/GrafBillede.h"

namespace plotvik::test {
namespace {

using FormStart = FormTest;

TEST_F(FormStart, CaptionSizeAndSheets) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Plotvik "));
    EXPECT_EQ(form->size(), QSize(800, 570));
    QTabWidget* side = form->SideKontrol;
    ASSERT_EQ(side->count(), 6);
    const char* tekster[] = {"Tabelark 1", "TabelArk 2", "Graf Ark 1", "Graf Ark 2", "Graf Ark 3", "TekstArk"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(side->tabText(i), QString::fromLatin1(tekster[i]));
    EXPECT_EQ(side->currentIndex(), 0) << "the creation step shows \"Tabelark 1\"";
    EXPECT_EQ(form->Projekt.Tilstand, 0);
    EXPECT_TRUE(form->Projekt.TekstGemt);
    EXPECT_TRUE(form->Projekt.KontrolAfInddata);
}

struct MenuRaekke {
    const char* navn;
    const char* tekst;  // Windows-1252
    bool aktiv;
};

TEST_F(FormStart, MenuItemsWithCaptionsNamesAndEnabledStates) {
    const MenuRaekke raekker[] = {
        {"HentProjektFilMenuItem", "&Hent Projekt Fil", true},
        {"RedigerProjektFilMenuItem", "&Rediger Projekt Fil", true},
        {"OpbygProjektFilMenuItem", "&Opbyg Projekt Fil", true},
        {"OmdanTilProjektFilMenuItem", "Omdan &til Projekt Fil", true},
        {"HentFilMenuItem", "Hent &Fil", true},
        {"GemFilMenuItem", "&Gem Fil", true},
        {"GemFilSomMenuItem", "Gem Fil &Som", true},
        {"GemInddataMenuItem", "Gem &Inddata", true},
        {"UdskrivTabelMenuItem", "Udskriv &Tabel", true},
        {"UdskrivArkMenuItem", "Udskriv A&rk", true},
        {"UdskrivGrafresultaterMenuItem", "Udskriv &Grafresultater", true},
        {"UdskrivTekstMenuItem", "&Udskriv Tekst", true},
        {"AfslutMenuItem", "&Afslut", true},
        {"ImporterDataMenuItem", "&Importer data...", true},
        {"EksporterTabelMenuItem", "Eksporter &tabel...", true},
        {"KopierMenuItem", "&Kopier", true},
        {"IndsaetMenuItem", "&S\xE6t ind", true},
        {"TegnMatematiskFunktionMenuItem", "Tegn matematisk &Funktion", true},
        {"DifferentialkvotientAfFunktionMenuItem", "Differential&kvotient af funktion", false},
        {"TegnTangentTilFunktionMenuItem", "Tegn T&angent til funktion", false},
        {"ArealUnderFunktionMenuItem", "Areal &Under Funktion", false},
        {"AflaesFunktionsvaerdiMenuItem", "&Afl\xE6s Funktionsv\xE6rdi p\xE5 graf", true},
        {"FindDifferentialKvotientMenuItem", "Find &DifferentialKvotient p\xE5 graf", true},
        {"TegnTangentPaaGrafMenuItem", "Tegn &Tangent p\xE5 graf", true},
        {"ArealUnderGrafMenuItem", "&Areal under graf", true},
        {"OverskriftMenuItem", "&Overskrift", true},
        {"InddataKonstantMenuItem", "&Inddata Konstant", true},
        {"UddataKonstantMenuItem", "&Uddata Konstant", true},
        {"TabelMenuItem", "&Tabel", true},
        {"InddataVariabelMenuItem", "&Inddata Variabel", true},
        {"UddataVariabelMenuItem", "&Uddata Variabel", true},
        {"FourierTransformationMenuItem", "&Fourier Transformation", true},
        {"GrafMenuItem", "&Graf", true},
        {"AktiveTabelNoOgGrafNoMenuItem", "&Aktive TabelNo og GrafNo", true},
        {"ProgramstyringMenuItem", "123", true},
        {"KontrolafInddataMenuItem", "&Kontrol af Inddata", true},
        {"StatistikPaamaalingerMenuItem", "&Gennemsnit og Varians", true},
        {"HjaelpMenuItem", "Hj\xE6lp", true},
        {"AflaesFunktionsvaerdiPopupMenuItem", "&Afl\xE6s Funktionsv\xE6rdi p\xE5 graf", true},
        {"FindDifferentialKvotientPopupMenuItem", "Find &DifferentialKvotient p\xE5 graf", true},
        {"TegnTangentPaaGrafPopupMenuItem", "Tegn &Tangent p\xE5 graf", true},
        {"ArealUnderGrafPopupMenuItem", "&Areal under graf", true},
        // Added: the graph into a report, and the smooth drawing option.
        {"EksporterGrafMenuItem", "&Eksporter graf...", true},
        {"KopierGrafMenuItem", "Kopier graf", true},
        {"EksporterGrafPopupMenuItem", "&Eksporter graf...", true},
        {"KopierGrafPopupMenuItem", "Kopier graf", true},
        {"GlatteLinjerMenuItem", "Glatte linjer", true},
    };
    for (const auto& r : raekker) {
        QAction* a = form->findChild<QAction*>(QString::fromLatin1(r.navn));
        ASSERT_NE(a, nullptr) << r.navn;
        EXPECT_EQ(FraQString(a->text()), r.tekst) << r.navn;
        EXPECT_EQ(a->isEnabled(), r.aktiv) << r.navn;
    }
    // The top level of the menu bar, in order.
    QStringList titler;
    for (QAction* a : form->menuBar()->actions()) titler << a->text();
    EXPECT_EQ(titler, (QStringList{"&Fil", "&Rediger", "&Matematik", "&Definer", "Valgmuligheder", QString::fromUtf8("Hjælp")}));
    // The standard keys of copy and paste.
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("KopierMenuItem"))->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("IndsaetMenuItem"))->shortcut(), QKeySequence(QKeySequence::Paste));
    // The pop-up menu holds the four graph tools, then (after a separator) export and copy.
    QStringList popup;
    for (QAction* a : form->GrafPopupMenu->actions()) popup << a->objectName();
    EXPECT_EQ(popup, (QStringList{"AflaesFunktionsvaerdiPopupMenuItem", "FindDifferentialKvotientPopupMenuItem",
                                  "TegnTangentPaaGrafPopupMenuItem", "ArealUnderGrafPopupMenuItem", "",
                                  "EksporterGrafPopupMenuItem", "KopierGrafPopupMenuItem"}));
    // "Glatte linjer" is a check item, on unless it was turned off.
    QAction* glat = form->findChild<QAction*>(QStringLiteral("GlatteLinjerMenuItem"));
    EXPECT_TRUE(glat->isCheckable());
}

struct KontrolRaekke {
    const char* navn;
    const char* tekst;  // caption, or nullptr when the control has none to check
};

TEST_F(FormStart, TableSheetControlsWithCaptionsAndAccessKeys) {
    const KontrolRaekke knapper[] = {
        {"AntalMaalinger1Button", "&OK"},   {"AntalMaalinger2Button", "O&K"},
        {"AntalMaalinger3Button", "&OK"},   {"AntalMaalinger4Button", "O&K"},
        {"IndLaesTabel1Button", "&Indl\xE6s"}, {"IndLaesTabel2Button", "I&ndl\xE6s"},
        {"IndLaesTabel3Button", "&Indl\xE6s"}, {"IndLaesTabel4Button", "I&ndl\xE6s"},
        {"BeregnTabel1Button", "&Beregn"},  {"BeregnTabel2Button", "B&eregn"},
        {"BeregnTabel3Button", "&Beregn"},  {"BeregnTabel4Button", "B&eregn"},
    };
    for (const auto& k : knapper) {
        auto* b = Find<QPushButton>(k.navn);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(FraQString(b->text()), k.tekst) << k.navn;
        EXPECT_FALSE(b->isVisible()) << k.navn;
        if (std::string(k.navn).find("AntalMaalinger") == std::string::npos) {
            EXPECT_FALSE(b->isEnabled()) << k.navn << " is disabled until \"OK\"";
        }
    }
    const KontrolRaekke radio[] = {
        {"Tastatur1RadioButton", "&Tastatur"}, {"Diskfil1RadioButton", "&Diskfil"},
        {"Tastatur2RadioButton", "T&astatur"}, {"Diskfil2RadioButton", "D&iskFil"},
        {"Tastatur3RadioButton", "&Tastatur"}, {"Diskfil3RadioButton", "&Diskfil"},
        {"Tastatur4RadioButton", "T&astatur"}, {"Diskfil4RadioButton", "D&iskfil"},
    };
    for (const auto& r : radio) {
        auto* b = Find<QRadioButton>(r.navn);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(FraQString(b->text()), r.tekst) << r.navn;
    }
    for (int t = 1; t <= 4; ++t) EXPECT_TRUE(form->TastaturRadioButton[t]->isChecked()) << t;
    const KontrolRaekke grupper[] = {{"Inddata1GroupBox", "Inddata fra:"}, {"Inddata2GroupBox", "Indata fra:"},
                                     {"Inddata3GroupBox", "Inddata fra"}, {"Inddata4GroupBox", "Inddata fra"}};
    for (const auto& g : grupper) EXPECT_EQ(FraQString(Find<QGroupBox>(g.navn)->title()), g.tekst);

    const int standard[] = {0, 5, 1, 1, 1};
    for (int t = 1; t <= 4; ++t) {
        auto* s = Find<QSpinBox>(("AntalMaalinger" + std::to_string(t) + "SpinEdit").c_str());
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), 1);
        EXPECT_EQ(s->maximum(), 32767);
        EXPECT_EQ(s->value(), standard[t]) << t;
        EXPECT_EQ(FraQString(form->TabelNoLabel[t]->text()), std::to_string(t) + ".");
        EXPECT_EQ(FraQString(form->MaalingerLabel[t]->text()), "M\xE5linger");
        EXPECT_EQ(form->VariabelLabel[t]->text(), QStringLiteral("Variabel"));
        EXPECT_EQ(form->GnsLabel[t]->text(), QStringLiteral("Gns."));
        EXPECT_EQ(form->VariansLabel[t]->text(), QStringLiteral("Varians"));
        for (const char* navn : {"Tabel%1StringGrid", "TabelFelt%1Edit", "Variabeludtryk%1Edit",
                                 "Gennemsnit%1Edit", "Varians%1Edit"}) {
            const QString n = QString::fromLatin1(navn).arg(t);
            EXPECT_NE(form->findChild<QWidget*>(n), nullptr) << n.toStdString();
            EXPECT_FALSE(form->findChild<QWidget*>(n)->isVisible()) << n.toStdString();
        }
    }
    EXPECT_NE(Find<QWidget>("KonstanterStringGrid"), nullptr);
    EXPECT_NE(Find<QWidget>("Tabelfelt0Edit"), nullptr);
    EXPECT_FALSE(form->KonstanterLabel->isVisible());
    EXPECT_EQ(form->KonstanterLabel->text(), QStringLiteral("Konstanter"));
}

TEST_F(FormStart, GraphSheetControls) {
    for (int s = 1; s <= 3; ++s) {
        auto navn = [s](const char* m) { return QString::fromLatin1(m).arg(s); };
        auto* billede = form->findChild<TGrafBillede*>(navn("Graf%1Image"));
        ASSERT_NE(billede, nullptr);
        EXPECT_EQ(form->GrafImage[s].size(), QSize(550, 490));
        // The passes draw on the sheet's recording canvas, which keeps the draw list.
        EXPECT_EQ(form->GrafArkene.Ark[s].Billede, &form->GrafVisning[s]->Tegneflade());
        EXPECT_EQ(form->GrafOverskriftLabel[s]->objectName(), navn("Graf%1OverskriftLabel"));
        EXPECT_EQ(form->GrafOverskriftLabel[s]->text(), QString());  // emptied by the creation step
        EXPECT_EQ(form->findChild<QLineEdit*>(navn("AntalGrafPunkter%1Edit"))->text(), QStringLiteral("50"));
        EXPECT_TRUE(form->findChild<QRadioButton*>(navn("Kryds%1RadioButton"))->isChecked());
        for (const char* r : {"Punkt%1RadioButton", "Cirkel%1RadioButton", "Ruder%1RadioButton"})
            EXPECT_FALSE(form->findChild<QRadioButton*>(navn(r))->isChecked());
        EXPECT_EQ(form->findChild<QCheckBox*>(navn("Statistik%1CheckBox"))->text(), QStringLiteral("Statistik"));
        EXPECT_EQ(form->findChild<QCheckBox*>(navn("TegnKunPunkter%1CheckBox"))->text(),
                  QStringLiteral("Tegn kun punkter"));
        auto* behold = form->findChild<QCheckBox*>(navn("BeholdGraf%1CheckBox"));
        EXPECT_EQ(behold->text(), QStringLiteral("Behold graf"));
        EXPECT_FALSE(behold->isEnabled());
        EXPECT_EQ(form->findChild<QPushButton*>(navn("TegnGraf%1Button"))->text(),
                  s == 2 ? QStringLiteral("Tegn Graf") : QStringLiteral("Tegn graf"));
        auto* funktion = form->findChild<QPushButton*>(navn("TegnFunktion%1Button"));
        EXPECT_EQ(funktion->text(), QStringLiteral("Tegn Funktion"));
        EXPECT_FALSE(funktion->isEnabled());
        EXPECT_NE(form->findChild<QListWidget*>(navn("GrafResultater%1ListBox")), nullptr);
        EXPECT_EQ(form->GrafTypeLabel[s]->text(), QStringLiteral("Graftype: "));
        for (const char* e : {"Xakse%1Edit", "Yakse%1Edit", "xmin%1Edit", "xmax%1Edit", "ymin%1Edit", "ymax%1Edit"})
            EXPECT_NE(form->findChild<QLineEdit*>(navn(e)), nullptr) << e;
        auto* gruppe = form->findChild<QGroupBox*>(navn("GrafPunkter%1GroupBox"));
        EXPECT_EQ(gruppe->title(), QStringLiteral("Graf punkter udseende"));
        EXPECT_EQ(form->findChild<QLabel*>(navn("xmin%1Label"))->text(),
                  s == 1 ? QStringLiteral("x-min") : QStringLiteral("xmin"));
    }
    EXPECT_EQ(form->PolGradLabel[1]->text(), QStringLiteral("Polynomiumgrad: "));
    EXPECT_EQ(form->PolGradLabel[2]->text(), QStringLiteral("Polynomiumsgrad: "));
    auto* memo = Find<QPlainTextEdit>("RedigerMemo");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->parentWidget(), form->Ark[6]);
}

TEST_F(FormStart, GraphImageForwardsClicksAndOpensThePopupOnTheRightButton) {
    form->SideKontrol->setCurrentIndex(2);
    QApplication::processEvents();
    std::vector<std::tuple<int, int, int, int>> klik;
    QObject::connect(form->GrafBilledeWidget[1], &TGrafBillede::MusNed,
                     [&](int ark, Qt::MouseButton k, int x, int y) { klik.emplace_back(ark, int(k), x, y); });
    QTest::mouseClick(form->GrafBilledeWidget[1], Qt::LeftButton, Qt::NoModifier, QPoint(100, 120));
    QTest::mouseClick(form->GrafBilledeWidget[1], Qt::RightButton, Qt::NoModifier, QPoint(30, 40));
    ASSERT_EQ(klik.size(), 2u);
    EXPECT_EQ(klik[0], std::make_tuple(1, int(Qt::LeftButton), 100, 120));
    EXPECT_EQ(klik[1], std::make_tuple(1, int(Qt::RightButton), 30, 40));
    EXPECT_TRUE(form->GrafPopupMenu->isVisible());
    form->GrafPopupMenu->hide();
}

TEST_F(FormStart, GemInddataWithoutATableShowsTheErrorAndWritesNothing) {
    Menu("GemInddataMenuItem");
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
    EXPECT_EQ(flade.Vist[0].Tekst, "Kan ikke skrive inddata, n\xE5r der ikke er nogen tabel");
}

TEST_F(FormStart, InputCheckTogglesOnlyAfterOk) {
    const std::string tekst =
        "Hvis du sl\xE5r Kontrol af Inddata fra, s\xE5 bliver fejl-\n\r"
        "indtastede tal f\xF8rst kontrolleret ved beregningen\n\r"
        "af tabellen. Sl\xE5 kun kontrollen fra, hvis du har felter,\n\r"
        "som ikke best\xE5r af tal, som f.eks. navne\n\r"
        "Tryk OK for at sl\xE5 fra eller til, ellers tryk Cancel";
    const struct { bool svar; bool efter; } raekker[] = {{false, true}, {true, false}, {true, true}};
    for (const auto& r : raekker) {
        flade.Svar.push_back(r.svar);
        Menu("KontrolafInddataMenuItem");
        EXPECT_EQ(flade.Sidste(), tekst);
        EXPECT_EQ(flade.Vist.back().Art, Boks::OkAnnuller);
        EXPECT_EQ(form->Projekt.KontrolAfInddata, r.efter);
    }
}

TEST_F(FormStart, HelpOpensTheHelpFileBesideTheProgramAtItsFirstTopic) {
    // The build puts Plotvik.Hlp beside the program; the tests run beside theirs.
    const std::string sti = FraQString(QCoreApplication::applicationDirPath()) + "/Plotvik.Hlp";
    std::filesystem::copy_file(Kildesti("app/Plotvik.Hlp"), sti, std::filesystem::copy_options::overwrite_existing);
    Menu("HjaelpMenuItem");
    EXPECT_TRUE(flade.Vist.empty());
    QWidget* vindue = form->findChild<QWidget*>(QStringLiteral("HjaelpVindue"));
    ASSERT_NE(vindue, nullptr);
    EXPECT_TRUE(vindue->isVisible());
    auto* tekst = vindue->findChild<QTextBrowser*>(QStringLiteral("HjaelpTekst"));
    ASSERT_NE(tekst, nullptr);
    EXPECT_TRUE(tekst->toPlainText().contains(QStringLiteral("Overskrift(1)")));
    EXPECT_TRUE(tekst->toPlainText().contains(QString::fromUtf8("Hent Projekt Fil")));
    vindue->hide();
}

}  // namespace
}  // namespace plotvik::test
