// Measurements in and tables out, driven as a student would: a block from a
// spreadsheet pasted into a table, copying a block, a table exported to CSV
// and imported again, and an example opened from the welcome.
#include <QClipboard>
#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/vindue/Velkomst.h"

namespace plotvik::test {
namespace {

const std::string Ae = "\xE6", Oe = "\xF8";

class DataIndUd : public FormTest {
protected:
    void SetUp() override {
        // The examples' copies go to the test's own folders, never the user's.
        QStandardPaths::setTestModeEnabled(true);
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

    // Pendul loaded and a block pasted into its measurement table.
    void PendulMed(const QString& blok) {
        HentPendul();
        Udklip(blok);
        TastPaa(form->TabelGrid[1], Qt::Key_V);
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
};

TEST_F(DataIndUd, ASpreadsheetBlockWithDecimalCommasAndAHeaderGoesIntoPendulAndComputes) {
    // Six measurements where the table has five: "Målinger" grows.
    PendulMed(QString::fromUtf8("Længde\tSvingningstid\n0,20\t0,90\n0,40\t1,27\n0,60\t1,55\n0,80\t1,80\n1,00\t2,00\n1,20\t2,20\n"));
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

TEST_F(DataIndUd, AColumnWithDecimalCommasPastesAsOneColumn) {
    // Pendul has two input variables: pairs of whole numbers could fill both
    // from the first, not from the second.
    const std::string note = "Hver linie er l" + Ae + "st som \xE9t tal med decimalkomma (\xE9n s" + Oe +
                             "jle), ikke som to hele tal adskilt af komma. Var det to s" + Oe + "jler, s\xE5 fortryd og v" +
                             Ae + "lg komma som separator under \"Importer data...\".";
    struct Raekke {
        const char* navn;
        QString blok;
        int soejle;  // the grid column pasted into
        std::vector<std::string> celler;
        bool note;
    };
    const std::vector<Raekke> raekker = {
        {"a column with its header, two variables left", QStringLiteral("t\n0,1\n0,2\n0,3\n"), 0, {"0,1", "0,2", "0,3"}, true},
        {"the same into the last variable", QStringLiteral("t\n0,1\n0,2\n0,3\n"), 1, {"0,1", "0,2", "0,3"}, false},
        {"whole numbers among decimals, CRLF", QStringLiteral("0\r\n0,5\r\n1,25\r\n\r\n"), 0, {"0", "0,5", "1,25"}, false},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.navn);
        HentPendul();
        flade.Vist.clear();
        form->SaetProgramstyring(1, false);
        QTableView* g = form->TabelGrid[1];
        g->setCurrentIndex(g->model()->index(1, r.soejle));
        Udklip(r.blok);
        TastPaa(g, Qt::Key_V);
        for (int m = 1; m <= 3; ++m) EXPECT_EQ(Celle(1, m, r.soejle), r.celler[m - 1]) << m;
        EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 3);  // the table had nothing typed
        if (r.note) {
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
            EXPECT_EQ(flade.Vist[0].Tekst, note);
        } else {
            EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
        }
    }
}

TEST_F(DataIndUd, ABlockWithOneBadCellLeavesTheTableAsItWasAndNamesTheCell) {
    PendulMed(QStringLiteral("0,2\t0,9\n0,4\t1,3\n"));
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
        // The two measurements pasted first, as many as the empty table took.
        EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 2);
        EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 2);
    }
}

TEST_F(DataIndUd, CopyGivesTheBlockAsTabTextAndAsAnHtmlTable) {
    PendulMed(QStringLiteral("0,2\t0,90\n0,4\t1,27\n0,6\t1,55\n"));
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
    ASSERT_EQ(linier.size(), 5);  // header, the three measurements pasted, the empty rest after the last line end
    EXPECT_EQ(linier[0], TilQString(Celle(1, 0, 0) + "\t" + Celle(1, 0, 1) + "\t" + Celle(1, 0, 2)));
    EXPECT_EQ(linier[1], QStringLiteral("0,2\t0,90\t"));
    EXPECT_EQ(linier[3], QStringLiteral("0,6\t1,55\t"));
}

TEST_F(DataIndUd, AnExportedTableImportsAgainIntoAnEmptyTableWithTheSameValues) {
    PendulMed(QStringLiteral("0,2\t0,90\n0,4\t1,27\n0,6\t1,55\n0,8\t1,80\n1,0\t2,00\n"));
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
    // Read, computed and drawn at once, without a box: PendulTabel_1.dat's first
    // measurement L = 0.2, T = 0.90 gives a = L/T^2 = 0.247; its graph in front.
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{});
    EXPECT_EQ(Celle(1, 1, 0), "0.2");
    EXPECT_EQ(Celle(1, 1, 2), "0.247");
    EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[3]);
    ASSERT_GT(form->GrafResultaterListBox[1]->count(), 0);
    EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
    EXPECT_TRUE(Find<QLabel>("EksempelTipLabel")->isVisible());
    // "Hent Projekt Fil" of the copy loads it as always: the constants first, no values.
    HentProjekt(FraQString(kopi));
    EXPECT_EQ(flade.Sidste(), "Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter");
    EXPECT_EQ(Celle(1, 1, 0), "");
    EXPECT_FALSE(Find<QLabel>("EksempelTipLabel")->isVisible());
}

}  // namespace
}  // namespace plotvik::test
