// Measurements in and tables out, driven as a student would: a block from a
// spreadsheet pasted into a table, copying a block, a table exported to CSV
// and imported again, files dropped on the window, the recent projects and
// the welcome on the first sheet.
#include <QClipboard>
#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>

#include "FormTestHjaelp.h"
#include "TestDialogHjaelp.h"
#include "files/DataImport.h"
#include "ui/ImporterDataDialogUnit.h"
#include "ui/Velkomst.h"

namespace plotvik::test {
namespace {

const std::string Ae = "\xE6", Oe = "\xF8", Aa = "\xE5";

class DataIndUd : public FormTest {
protected:
    void SetUp() override {
        // The recent list and the examples' copies go to the test's own folders, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Plotvik"), QStringLiteral("Plotvik")).remove(QStringLiteral("SenesteProjekter"));
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Eksempler").removeRecursively();
        FormTest::SetUp();
    }

    static void Udklip(const QString& tekst) { QGuiApplication::clipboard()->setText(tekst); }

    void TastPaa(QWidget* w, Qt::Key tast) {
        w->setFocus();
        QApplication::processEvents();
        QTest::keyClick(w, tast, Qt::ControlModifier);
        QApplication::processEvents();
    }

    // Every cell of a table's grid as shown.
    std::vector<std::string> AlleCeller(int t) {
        std::vector<std::string> c;
        QAbstractItemModel* m = form->TabelGrid[t]->model();
        for (int r = 0; r < m->rowCount(); ++r)
            for (int s = 0; s < m->columnCount(); ++s) c.push_back(Celle(t, r, s));
        return c;
    }

    static double Tal(const std::string& celle) {
        std::string s = celle;
        for (char& c : s)
            if (c == ',') c = '.';
        return std::stod(s);
    }

    void Slip(const std::string& fil, QPoint punkt) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(TilQString(fil))});
        QDragEnterEvent ind(punkt, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &ind);
        EXPECT_TRUE(ind.isAccepted());
        QDropEvent slip(QPointF(punkt), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &slip);
        QApplication::processEvents();
        QApplication::processEvents();
    }
};

// ---------------------------------------------------------------- paste

TEST_F(DataIndUd, ASpreadsheetBlockWithDecimalCommasAndAHeaderGoesIntoPendulAndComputes) {
    HentPendul();
    // Six measurements where the table has five: "Målinger" grows.
    Udklip(QString::fromUtf8("Længde\tSvingningstid\n0,20\t0,90\n0,40\t1,27\n0,60\t1,55\n0,80\t1,80\n1,00\t2,00\n1,20\t2,20\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 6);
    EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 6);
    const std::vector<std::pair<std::string, std::string>> ventet = {
        {"0,20", "0,90"}, {"0,40", "1,27"}, {"0,60", "1,55"}, {"0,80", "1,80"}, {"1,00", "2,00"}, {"1,20", "2,20"}};
    for (int m = 1; m <= 6; ++m) {
        EXPECT_EQ(Celle(1, m, 0), ventet[m - 1].first) << m;
        EXPECT_EQ(Celle(1, m, 1), ventet[m - 1].second) << m;
    }
    ASSERT_TRUE(form->BeregnTabelButton[1]->isEnabled());
    Klik(form->BeregnTabelButton[1]);
    // a = L/T^2, by hand.
    const double a[6] = {0.2 / 0.81, 0.4 / (1.27 * 1.27), 0.6 / (1.55 * 1.55), 0.8 / 3.24, 1.0 / 4.0, 1.2 / 4.84};
    for (int m = 1; m <= 6; ++m) EXPECT_NEAR(Tal(Celle(1, m, 2)), a[m - 1], 0.0005) << m;
}

TEST_F(DataIndUd, ABlockWithOneBadCellLeavesTheTableAsItWasAndNamesTheCell) {
    HentPendul();
    Udklip(QStringLiteral("0,2\t0,9\n0,4\t1,3\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    ASSERT_TRUE(flade.Vist.empty());
    const std::vector<std::string> foer = AlleCeller(1);
    struct Raekke {
        QString blok;
        std::string besked;
    };
    const std::vector<Raekke> raekker = {
        {QStringLiteral("0,5\t1,4\n0,6\tx1\n"), "Fejl i Tallet: \"x1\"\n\rTabel No: 1: 2. r" + Ae + "kke og 3 s" + Oe + "jle"},
        // A longer block would grow the table: it does not either.
        {QStringLiteral("1\t2\n1\t2\n1\t2\n1\t2\n1\t2\n1\t2\n1.000,5\t2\n"),
         "Fejl i Tallet: \"1.000,5\"\n\rTabel No: 1: 1. r" + Ae + "kke og 8 s" + Oe + "jle"},
    };
    for (const Raekke& r : raekker) {
        flade.Vist.clear();
        Udklip(r.blok);
        TastPaa(form->TabelGrid[1], Qt::Key_V);
        ASSERT_EQ(flade.Vist.size(), 1u);
        EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist[0].Tekst, r.besked);
        EXPECT_EQ(AlleCeller(1), foer);
        EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
        EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 5);
    }
}

TEST_F(DataIndUd, OutputColumnsAndTheConstantsCannotBePastedInto) {
    HentPendul();
    form->SaetProgramstyring(1, false);
    struct Raekke {
        int tabel, raekke, soejle;
        std::string besked;
    };
    const std::vector<Raekke> raekker = {
        {1, 1, 2, "Variablen a i tabel 1 beregnes af programmet; der kan kun s" + Ae + "ttes ind i inddatavariable. Intet er sat ind."},
        {0, 1, 0, "Der kan ikke s" + Ae + "ttes ind i konstanttabellen. Skriv konstanternes v" + Ae + "rdier i den " + "\xE9" + "n ad gangen."},
    };
    form->SaetProgramstyring(0, false);
    for (const Raekke& r : raekker) {
        flade.Vist.clear();
        const std::vector<std::string> foer = AlleCeller(r.tabel);
        QTableView* g = form->TabelGrid[r.tabel];
        g->setFocus();
        g->setCurrentIndex(g->model()->index(r.raekke, r.soejle));
        Udklip(QStringLiteral("1\t2\n3\t4\n"));
        TastPaa(g, Qt::Key_V);
        ASSERT_EQ(flade.Vist.size(), 1u) << r.tabel;
        EXPECT_EQ(flade.Vist[0].Tekst, r.besked);
        EXPECT_EQ(AlleCeller(r.tabel), foer);
    }
}

TEST_F(DataIndUd, InAnOpenCellEditorOneValueIsEditorTextAndABlockGoesIntoTheTable) {
    HentPendul();
    KlikCelle(1, 2, 1);  // starts the input in the second measurement of T
    QLineEdit* e = form->TabelFeltEdit[1];
    ASSERT_TRUE(e->isVisible());
    Udklip(QStringLiteral("1,35"));
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->text(), QStringLiteral("1,35"));
    EXPECT_EQ(Celle(1, 2, 1), "");  // not stored before the student leaves the cell

    Udklip(QStringLiteral("1,1\n1,2\n1,3\n"));  // one column of a spreadsheet: decimal commas
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(Celle(1, 2, 1), "1,1");
    EXPECT_EQ(Celle(1, 3, 1), "1,2");
    EXPECT_EQ(Celle(1, 4, 1), "1,3");
    EXPECT_EQ(Celle(1, 1, 1), "");
}

// ---------------------------------------------------------------- copy

TEST_F(DataIndUd, CopyGivesTheBlockAsTabTextAndAsAnHtmlTable) {
    HentPendul();
    Udklip(QStringLiteral("0,2\t0,90\n0,4\t1,27\n0,6\t1,55\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    form->SaetProgramstyring(1, false);
    QTableView* g = form->TabelGrid[1];
    g->setFocus();
    g->selectionModel()->select(QItemSelection(g->model()->index(2, 0), g->model()->index(3, 1)),
                                QItemSelectionModel::ClearAndSelect);
    TastPaa(g, Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("0,4\t1,27\n0,6\t1,55\n"));
    ASSERT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("<table><tr><td>0,4</td><td>1,27</td></tr><tr><td>0,6</td><td>1,55</td></tr></table>")))
        << data->html().toStdString();

    // With nothing selected (program-controlled input) the whole table goes, header row first.
    form->SaetProgramstyring(1, true);
    g->setFocus();
    TastPaa(g, Qt::Key_C);
    const QStringList linier = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(linier.size(), 7);  // header, five measurements, the empty rest after the last line end
    EXPECT_EQ(linier[0], TilQString(Celle(1, 0, 0) + "\t" + Celle(1, 0, 1) + "\t" + Celle(1, 0, 2)));
    EXPECT_EQ(linier[1], QStringLiteral("0,2\t0,90\t"));
    EXPECT_EQ(linier[5], QStringLiteral("\t\t"));
}

// ---------------------------------------------------------------- export and import

TEST_F(DataIndUd, AnExportedTableImportsAgainIntoAnEmptyTableWithTheSameValues) {
    HentPendul();
    Udklip(QStringLiteral("0,2\t0,90\n0,4\t1,27\n0,6\t1,55\n0,8\t1,80\n1,0\t2,00\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    Klik(form->BeregnTabelButton[1]);
    const std::string csv = mappe + "/Pendul tabel.csv";
    flade.Svar.push_back(true);  // ';' and decimal comma
    flade.FilSvar.push_back(csv);
    flade.Vist.clear();
    Menu("EksporterTabelMenuItem");
    ASSERT_EQ(flade.Vist.size(), 2u) << flade.Sidste();
    EXPECT_EQ(flade.Vist[0].Art, Boks::JaNej);
    EXPECT_EQ(flade.Vist[1].Art, Boks::GemFil);
    EXPECT_EQ(flade.Vist[1].Tekst, "CSV filer (*.csv)|*.csv|Alle filer (*.*)|*.*|" + mappe + "/PendulTabel_1.csv");
    const std::string indhold = Laes(csv);
    ASSERT_GE(indhold.size(), 3u);
    EXPECT_EQ(indhold.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(indhold.find("\r\n0,2;0,90;"), std::string::npos) << indhold;
    const std::vector<std::string> foer = AlleCeller(1);

    // A fresh Pendul: table 1 is empty until something is read into it.
    HentPendul();
    for (int m = 1; m <= 5; ++m) ASSERT_EQ(Celle(1, m, 0), "");
    ModalSvar svar;
    svar([](QWidget* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("ImporterDataDialog"));
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "SeparatorComboBox")->currentIndex(), 1);   // ';'
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "DecimalTegnComboBox")->currentIndex(), 0); // ','
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "TegnsaetComboBox")->currentIndex(), 0);    // UTF-8
        EXPECT_TRUE(plotvik::test::Find<QCheckBox>(d, "OverskriftCheckBox")->isChecked());
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "Soejle1ComboBox")->currentData().toInt(), 1);  // L
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "Soejle2ComboBox")->currentData().toInt(), 2);  // T
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "Soejle3ComboBox")->currentData().toInt(), 0);  // a is computed
        auto* vis = plotvik::test::Find<QTableWidget>(d, "ForhaandsvisningTable");
        EXPECT_EQ(vis->rowCount(), 1 + 6);  // the choices, the header and five measurements
        EXPECT_EQ(vis->item(2, 1)->text(), QStringLiteral("0,90"));
        TrykOK(d);
    });
    flade.FilSvar.push_back(csv);
    Menu("ImporterDataMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
    EXPECT_EQ(svar.Uventede, 0);
    EXPECT_TRUE(flade.Vist.size() == 1 && flade.Vist[0].Art == Boks::AabnFil) << flade.Sidste();
    Klik(form->BeregnTabelButton[1]);
    EXPECT_EQ(AlleCeller(1), foer);
}

TEST_F(DataIndUd, ExportWithCommasAndPointsAndAFailedExportSaysSo) {
    HentPendul();
    Udklip(QStringLiteral("0,2\t0,90\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    const std::string csv = mappe + "/komma.csv";
    flade.Svar.push_back(false);  // ',' and decimal point
    flade.FilSvar.push_back(csv);
    Menu("EksporterTabelMenuItem");
    EXPECT_NE(Laes(csv).find("\r\n0.2,0.90,"), std::string::npos) << Laes(csv);

    // An existing file the student does not want overwritten stays as it was.
    Skriv(csv, "gammel");
    flade.Svar = {true, false};
    flade.FilSvar.push_back(csv);
    flade.Vist.clear();
    Menu("EksporterTabelMenuItem");
    EXPECT_EQ(flade.Sidste(), "Filen: " + csv + " eksisterer\n\rSkal den overskrives?");
    EXPECT_EQ(Laes(csv), "gammel");

    // A folder by the chosen name: nothing can be written there.
    const std::string mappenavn = mappe + "/en mappe.csv";
    std::filesystem::create_directory(mappenavn);
    flade.Svar = {true, true};
    flade.FilSvar.push_back(mappenavn);
    flade.Vist.clear();
    Menu("EksporterTabelMenuItem");
    EXPECT_EQ(flade.Sidste(), "Tabellen kunne ikke eksporteres: filen " + mappenavn +
                                  " kan ikke oprettes.\n\rV" + Ae + "lg en anden mappe eller et andet navn.");
    EXPECT_TRUE(std::filesystem::is_directory(mappenavn));
}

TEST_F(DataIndUd, WithoutAProjectImportAndExportSayThereIsNoTable) {
    Menu("ImporterDataMenuItem");
    Menu("EksporterTabelMenuItem");
    EXPECT_EQ(flade.Tekster(), (std::vector<std::string>{
                                   "Der er ingen tabel at importere data i. Hent eller opbyg f" + Oe + "rst et projekt.",
                                   "Der er ingen tabel at eksportere. Hent f" + Oe + "rst et projekt."}));
}

TEST_F(DataIndUd, ABadRowOfAnImportedFileNamesTheCellAndItsLine) {
    HentPendul();
    const std::string fil = mappe + "/maalinger.csv";
    Skriv(fil, "L (m);T (s)\r\n0,2;0,90\r\n0,4;1;27\r\n0,6;1,5x\r\n");
    ModalSvar svar;
    svar([](QWidget* d) { TrykOK(d); });
    flade.FilSvar.push_back(fil);
    Menu("ImporterDataMenuItem");
    EXPECT_EQ(flade.Sidste(), "Fejl i Tallet: \"1,5x\"\n\rTabel No: 1: 2. r" + Ae + "kke og 4 s" + Oe + "jle\n\r(linie 4 i filen)");
    for (int m = 1; m <= 5; ++m) EXPECT_EQ(Celle(1, m, 0), "") << m;
}

// ---------------------------------------------------------------- dropped files, recent projects, welcome

TEST_F(DataIndUd, ADroppedProjectOpensAndADroppedDataFileIsImportedIntoTheTableUnderIt) {
    Slip(Kopi("Pendul.prj"), QPoint(300, 300));
    EXPECT_EQ(form->Projekt.Overskrift, "Pendul");
    EXPECT_EQ(form->Projekt.Tilstand, 5);
    QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    flade.Vist.clear();

    const std::string fil = mappe + "/Fjeder.tsv";
    Skriv(fil, "L\tT\n0,3\t1,10\n0,5\t1,42\n");
    ModalSvar svar;
    svar([](QWidget* d) {
        EXPECT_EQ(plotvik::test::Find<QComboBox>(d, "SeparatorComboBox")->currentIndex(), 0);  // tab
        TrykOK(d);
    });
    const QPoint underTabel1 = form->TabelGrid[1]->mapTo(form.get(), QPoint(10, 10));
    Slip(fil, underTabel1);
    EXPECT_EQ(svar.Besvarede, 1);
    // The file is shorter than the table: asked, and answered Yes, the table gets the file's count.
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{"Tabel 1 har 5 m" + Aa + "linger, filen har 2.\n\rSkal tabellen have 2 m" +
                                                        Aa + "linger? Tryk Nej for at beholde de " + Oe + "vrige m" + Aa + "linger."});
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 2);
    EXPECT_EQ(Celle(1, 1, 0), "0,3");
    EXPECT_EQ(Celle(1, 2, 1), "1,42");
}

TEST_F(DataIndUd, NoToTheShorterFileKeepsTheOtherMeasurements) {
    HentPendul();
    Udklip(QStringLiteral("9\t9\n9\t9\n9\t9\n9\t9\n9\t9\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    const std::string fil = mappe + "/kort.csv";
    Skriv(fil, "L;T\r\n0,3;1,10\r\n");
    ModalSvar svar;
    svar([](QWidget* d) { TrykOK(d); });
    flade.Svar.push_back(false);
    flade.FilSvar.push_back(fil);
    Menu("ImporterDataMenuItem");
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
    EXPECT_EQ(Celle(1, 1, 0), "0,3");
    EXPECT_EQ(Celle(1, 2, 0), "9");
    EXPECT_EQ(Celle(1, 5, 1), "9");
}

TEST_F(DataIndUd, TheRecentProjectsAreTheLastFiveNewestFirstAndOpenAgain) {
    std::vector<std::string> navne;
    for (int i = 1; i <= 6; ++i) {
        navne.push_back(mappe + "/Projekt" + std::to_string(i) + ".prj");
        std::filesystem::copy_file(Kildesti("examples/Pendul.prj"), navne.back());
        HentProjekt(navne.back());
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    }
    auto* menu = Find<QMenu>("SenesteProjekterMenu");
    ASSERT_EQ(menu->actions().size(), 5);
    for (int i = 1; i <= 5; ++i) {
        QAction* a = Find<QAction>(("SenesteProjekt" + std::to_string(i) + "MenuItem").c_str());
        EXPECT_EQ(a->text(), QStringLiteral("&%1 Projekt%2.prj").arg(i).arg(7 - i));
    }
    flade.Vist.clear();
    Menu("SenesteProjekt3MenuItem");
    EXPECT_EQ(form->Projekt.ProjektFilNavn, navne[3]);
    for (const auto& v : flade.Vist) EXPECT_NE(v.Art, Boks::AabnFil);
    EXPECT_EQ(Find<QAction>("SenesteProjekt1MenuItem")->text(), QStringLiteral("&1 Projekt4.prj"));
}

TEST_F(DataIndUd, TheWelcomeOpensAnExampleAsACopyAndGoesWhenAProjectIsLoaded) {
    auto* velkomst = Find<TVelkomst>("VelkomstPanel");
    ASSERT_TRUE(velkomst->isVisible());
    for (const char* k : {"HentProjektVelkomstButton", "OpbygProjektVelkomstButton", "EksempelPendulButton",
                          "EksempelFaldButton", "EksempelSvingningButton"})
        EXPECT_TRUE(Find<QPushButton>(k)->isVisible()) << k;
    const std::string original = Laes(Kildesti("examples/Pendul.prj"));
    Klik(Find<QPushButton>("EksempelPendulButton"));
    EXPECT_EQ(form->Projekt.Overskrift, "Pendul");
    const QString kopi = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Eksempler/Pendul.prj";
    EXPECT_EQ(form->Projekt.ProjektFilNavn, FraQString(kopi));
    EXPECT_TRUE(QFile::exists(QFileInfo(kopi).dir().filePath(QStringLiteral("PendulTabel_1.dat"))));
    EXPECT_FALSE(velkomst->isVisible());
    EXPECT_EQ(Laes(Kildesti("examples/Pendul.prj")), original);
}

TEST_F(DataIndUd, TheWelcomeGoesWhenAProjectIsBuiltAndListsTheRecentProjects) {
    const std::string navn = Kopi("Pendul.prj");
    {
        HentProjekt(navn);
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    }
    form.reset();
    form = std::make_unique<TPlotvikForm>();
    form->show();
    QApplication::processEvents();
    auto* velkomst = Find<TVelkomst>("VelkomstPanel");
    ASSERT_TRUE(velkomst->isVisible());
    auto* seneste = Find<QPushButton>("SenesteProjekt1VelkomstButton");
    EXPECT_EQ(seneste->text(), QStringLiteral("Pendul.prj"));
    Klik(Find<QPushButton>("OpbygProjektVelkomstButton"));
    EXPECT_EQ(form->Projekt.Tilstand, 2);
    EXPECT_FALSE(velkomst->isVisible());
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

// The three example files from a logger, a phone app and a spreadsheet open
// in the import dialog with every setting found; pictures of the dialog (and
// of the welcome) are written when PLOTVIK_BILLEDMAPPE names a folder.
TEST_F(DataIndUd, TheExampleDataFilesNeedNoSettingInTheImportDialog) {
    const char* billeder = std::getenv("PLOTVIK_BILLEDMAPPE");
    if (billeder) form->grab().save(QString::fromLocal8Bit(billeder) + "/velkomst.png");
    HentPendul();
    struct Raekke {
        const char* fil;
        int separator, decimal, tegnsaet;  // indexes of the choice boxes
        int soejler, dataraekker, hovedlinier;
        const char* foersteTal;
    };
    const Raekke raekker[] = {
        {"Datalogger_afkoeling.csv", 1, 0, 0, 3, 61, 1, "0,0"},
        {"Telefon_pendul.csv", 2, 1, 0, 5, 1000, 1, "0.000000000E+00"},
        {"Fjeder.tsv", 0, 0, 0, 3, 10, 2, "0,050"},
    };
    for (const Raekke& r : raekker) {
        ModalSvar svar;
        svar([&](QWidget* d) {
            auto* dlg = static_cast<TImporterDataDialog*>(d);
            EXPECT_EQ(dlg->SeparatorComboBox->currentIndex(), r.separator) << r.fil;
            EXPECT_EQ(dlg->DecimalTegnComboBox->currentIndex(), r.decimal) << r.fil;
            EXPECT_EQ(dlg->TegnsaetComboBox->currentIndex(), r.tegnsaet) << r.fil;
            EXPECT_TRUE(dlg->OverskriftCheckBox->isChecked()) << r.fil;
            EXPECT_EQ(dlg->ForhaandsvisningTable->columnCount(), r.soejler) << r.fil;
            EXPECT_EQ(dlg->Resultat().Data.Raekker, r.dataraekker) << r.fil;
            EXPECT_EQ(dlg->Resultat().HovedLinier, r.hovedlinier) << r.fil;
            ASSERT_NE(dlg->ForhaandsvisningTable->item(1 + r.hovedlinier, 0), nullptr) << r.fil;
            EXPECT_EQ(dlg->ForhaandsvisningTable->item(1 + r.hovedlinier, 0)->text(), QString::fromLatin1(r.foersteTal));
            // The first two columns go to Pendul's two input variables, L and T.
            EXPECT_EQ(dlg->Variabler()[0], 1) << r.fil;
            EXPECT_EQ(dlg->Variabler()[1], 2) << r.fil;
            if (billeder) d->grab().save(QString::fromLocal8Bit(billeder) + "/import_" + r.fil + ".png");
            d->findChild<QPushButton*>(QStringLiteral("AnnullerButton"))->click();
        });
        flade.FilSvar.push_back(Kildesti(std::string("examples/") + r.fil));
        Menu("ImporterDataMenuItem");
        EXPECT_EQ(svar.Besvarede, 1) << r.fil;
    }
    EXPECT_EQ(Celle(1, 1, 0), "");  // "Annuller" reads nothing
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

// The largest block a table takes, pasted through the window: every value
// lands, "Målinger" shows the count, and it is quick (the engine's own time
// is measured in bench/bench_import; the bound here only catches a paste
// that has become far slower, on a machine busy with other builds).
TEST_F(DataIndUd, TheLargestBlockIsPastedWholeAndQuickly) {
    HentPendul();
    QString blok;
    blok.reserve(32767 * 16);
    for (int m = 1; m <= 32767; ++m) blok += QStringLiteral("%1,5\t%2,25\n").arg(m).arg(m % 100);
    Udklip(blok);
    QElapsedTimer ur;
    ur.start();
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    const qint64 ms = ur.elapsed();
    std::printf("[ tid      ] 32767 x 2 sat ind gennem vinduet: %lld ms\n", static_cast<long long>(ms));
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 32767);
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(1, 32768), "32767,5");
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(2, 32768), "67,25");
    EXPECT_LT(ms, 5000);

    // One more row is more than a table holds: nothing is pasted.
    flade.Vist.clear();
    Udklip(blok + QStringLiteral("1\t2\n"));
    form->Projekt.Tabeller[1].Celler.SaetCelle("urort", 1, 2);
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    EXPECT_EQ(flade.Sidste(), "Blokken har 32768 m" + Aa + "linger, men en tabel kan h" + Oe + "jst have 32767 m" + Aa +
                                  "linger. Intet er sat ind.");
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.HentCelle(1, 2), "urort");
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

TEST_F(DataIndUd, InTheGridsOwnEditorABlockIsPastedFromItsCell) {
    HentPendul();
    form->SaetProgramstyring(1, false);
    QTableView* g = form->TabelGrid[1];
    g->setFocus();
    g->setCurrentIndex(g->model()->index(3, 1));
    g->edit(g->currentIndex());
    QApplication::processEvents();
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : g->viewport()->findChildren<QLineEdit*>())
        if (e != form->TabelFeltEdit[1] && e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr) << "the grid's own editor is open";
    Udklip(QStringLiteral("1,5\n1,6\n"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_EQ(Celle(1, 3, 1), "1,5");
    EXPECT_EQ(Celle(1, 4, 1), "1,6");
    EXPECT_EQ(Celle(1, 5, 1), "");
}

TEST_F(DataIndUd, InATableOfRowsTheBlocksRowsAreTheVariables) {
    std::string prj = Laes(Kildesti("examples/Pendul.prj"));
    prj.replace(prj.find("S 3 5 10"), 8, "R 3 5 10");
    Skriv(mappe + "/PendulR.prj", prj);
    HentProjekt(mappe + "/PendulR.prj");
    QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    flade.Vist.clear();
    ASSERT_EQ(form->Projekt.Tabeller[1].TabelType, 'R');
    Udklip(QStringLiteral("0,2\t0,4\t0,6\n0,90\t1,27\t1,55\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    const TTekstMatrix& c = form->Projekt.Tabeller[1].Celler;
    EXPECT_EQ(c.HentCelle(1, 2), "0,2");
    EXPECT_EQ(c.HentCelle(1, 4), "0,6");
    EXPECT_EQ(c.HentCelle(2, 2), "0,90");
    EXPECT_EQ(c.HentCelle(2, 4), "1,55");
    EXPECT_EQ(Celle(1, 0, 1), "0,2");  // the grid's first row is L
    EXPECT_EQ(Celle(1, 1, 3), "1,55");
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

// Ctrl+C belongs to "&Kopier" in the whole window; outside the grids it
// still copies what the focused list or edit box has selected.
TEST_F(DataIndUd, CopyOutsideTheGridsTakesTheGraphResultsLine) {
    HentPendul();
    Udklip(QStringLiteral("0,2\t0,90\n0,4\t1,27\n0,6\t1,55\n0,8\t1,80\n1,0\t2,00\n"));
    TastPaa(form->TabelGrid[1], Qt::Key_V);
    Klik(form->BeregnTabelButton[1]);
    form->VisArk(3);
    Klik(form->TegnGrafButton[1]);
    QListWidget* liste = form->GrafResultaterListBox[1];
    ASSERT_GE(liste->count(), 2);
    liste->setCurrentRow(1);
    TastPaa(liste, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), liste->item(1)->text());

    QLineEdit* x = form->XakseEdit[1];
    x->setText(QStringLiteral("L"));
    x->selectAll();
    Udklip(QString());
    TastPaa(x, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("L"));
}

}  // namespace
}  // namespace plotvik::test

namespace plotvik::test {
namespace {

TEST_F(DataIndUd, TheImportDialogReadsTheFileAgainWhenAChoiceChanges) {
    HentPendul();
    const std::string bytes = "L (m);T (s)\r\n0,20;0,90\r\n0,40;1,27\r\n";
    TImporterDataDialog d(form->Projekt, 1, bytes, QStringLiteral("x.csv"));
    EXPECT_EQ(d.Resultat().Data.Soejler, 2);
    EXPECT_EQ(d.Resultat().Data.Raekker, 2);
    struct Raekke {
        int separator, decimal;
        bool hoved;
        int soejler, raekker, hovedLinier;
    };
    const Raekke raekker[] = {
        {2, 1, true, 3, 2, 1},   // ',': "0", "20;0", "90"
        {1, 0, false, 2, 3, 0},  // ';' again, the names read as a row of values
        {1, 0, true, 2, 2, 1},
    };
    for (const Raekke& r : raekker) {
        d.SeparatorComboBox->setCurrentIndex(r.separator);
        d.DecimalTegnComboBox->setCurrentIndex(r.decimal);
        d.OverskriftCheckBox->setChecked(r.hoved);
        EXPECT_EQ(d.Resultat().Data.Soejler, r.soejler) << r.separator << r.hoved;
        EXPECT_EQ(d.Resultat().Data.Raekker, r.raekker) << r.separator << r.hoved;
        EXPECT_EQ(d.Resultat().HovedLinier, r.hovedLinier) << r.separator << r.hoved;
        EXPECT_EQ(d.ForhaandsvisningTable->columnCount(), r.soejler);
        EXPECT_EQ(static_cast<int>(d.Variabler().size()), r.soejler);
    }
    EXPECT_EQ(d.Resultat().DecimalTegn, ',');
    // A column left out: only T is read.
    auto* k1 = d.findChild<QComboBox*>(QStringLiteral("Soejle1ComboBox"));
    k1->setCurrentIndex(k1->findData(0));
    EXPECT_EQ(d.Variabler(), (std::vector<int>{0, 2}));
}

}  // namespace
}  // namespace plotvik::test
