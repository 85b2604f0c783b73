// Recovery as the student sees it: after a crash and "Ja" the window looks as
// it did (the welcome panel gone, the grid with every typed and computed
// value, the graph sheet's fields with what was typed into them, the sheet
// that was in front), and a file named on the command line never replaces
// restored work without a question. Read from the controls, not the model.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>

#include "FormTestHjaelp.h"
#include "ui/Autogem.h"
#include "ui/GrafArkSide.h"
#include "ui/Velkomst.h"

namespace plotvik::test {
namespace {

const char* const ErstatSpoergsmaal =
    "Det ikke-gemte arbejde er gendannet.\n\rSkal filen %1 hentes i stedet?\n\rDet gendannede arbejde g\xE5r da tabt.";

class GendannelseVindue : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        QFile::remove(TAutogem::FilNavn());
    }
    void TearDown() override {
        FormTest::TearDown();
        QFile::remove(TAutogem::FilNavn());
    }

    // Fald read from its data file (t = 0.10 .. 0.50), then 0.25 and 0.35
    // typed over measurements 2 and 3 of t, as the grid's own editing does.
    void FaldMedTastedeVaerdier() {
        HentProjekt(Kopi("Fald.prj"));
        Kopi("FaldTabel_1.dat");
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/FaldTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        form->SaetProgramstyring(1, false);
        QAbstractItemModel* m = form->TabelGrid[1]->model();
        ASSERT_TRUE(m->setData(m->index(2, 0), QStringLiteral("0.25")));
        ASSERT_TRUE(m->setData(m->index(3, 0), QStringLiteral("0.35")));
        QApplication::processEvents();
    }

    // The recovery file written, then the run ends without a close (as a
    // kill does: nothing is asked, nothing removed), and a new run starts.
    void NedbrudOgNyStart(const std::string& kommandolinje, std::deque<bool> svar) {
        form->Autogem->SkrivNu();
        form->Autogem->VentPaaSkrivning();
        ASSERT_TRUE(QFile::exists(TAutogem::FilNavn()));
        form->Projekt.TekstGemt = true;
        form.reset();
        flade.Vist.clear();
        form = std::make_unique<TPlotvikForm>();
        form->show();
        QApplication::processEvents();
        flade.Svar = std::move(svar);
        form->StartMedProjekt(kommandolinje);
        QApplication::processEvents();
    }

    bool VelkomstVist() { return Find<TVelkomst>("VelkomstPanel")->isVisible(); }
    QWidget* Forrest() { return form->SideKontrol->currentWidget(); }
};

TEST_F(GendannelseVindue, YesShowsTheWindowAsItWas) {
    struct Raekke {
        const char* hvad;
        bool beregnet;  // "Beregn" and a limit typed on "Graf Ark 1", which was in front
        int forrest;    // sheet in front after the restore
        std::vector<std::pair<int, std::string>> tKolonne;  // grid row -> t as shown
        // v = g*t and s = g*t^2/2 with g = 9.82 at t = 0.35, by hand: 3.437 and 0.601475.
        std::string v3, s3;
    };
    const std::vector<Raekke> raekker = {
        {"typed, not computed", false, 1, {{1, "0.10"}, {2, "0.25"}, {3, "0.35"}, {5, "0.50"}}, "", ""},
        {"computed, graph sheet in front", true, 3, {{1, "0.10"}, {2, "0.25"}, {3, "0.35"}, {4, "0.40"}}, "3.44",
         "0.601"},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.hvad);
        NytVindue();
        FaldMedTastedeVaerdier();
        if (r.beregnet) {
            Klik(form->BeregnTabelButton[1]);
            form->VisArk(3);
            form->xmaxEdit[1]->setText(QStringLiteral("0.5"));  // typed, no command since
            form->StatistikCheckBox[1]->setChecked(true);
        }
        NedbrudOgNyStart("", {true});
        ASSERT_EQ(flade.Vist.size(), 1u) << flade.Sidste();
        EXPECT_EQ(flade.Vist[0].Tekst.rfind("Der blev fundet ikke-gemt arbejde fra ", 0), 0u) << flade.Vist[0].Tekst;

        EXPECT_FALSE(VelkomstVist());
        EXPECT_EQ(Forrest(), form->Ark[r.forrest]);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Fald"));
        EXPECT_TRUE(form->TabelGrid[1]->isVisibleTo(form->TabelSide[1]));
        EXPECT_TRUE(form->TabelGrid[0]->isVisibleTo(form->TabelSide[1]));
        for (const auto& [raekke, t] : r.tKolonne) EXPECT_EQ(Celle(1, raekke, 0), t) << raekke;
        EXPECT_EQ(Celle(1, 3, 1), r.v3);
        EXPECT_EQ(Celle(1, 3, 2), r.s3);
        EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 5);
        EXPECT_TRUE(form->BeregnTabelButton[1]->isEnabled());

        // The graph sheet's fields were shown only once the table was computed.
        QLineEdit* x = form->XakseEdit[1];
        EXPECT_EQ(x->isVisibleTo(form->GrafSide[1]), r.beregnet);
        if (r.beregnet) {
            EXPECT_EQ(x->text(), QStringLiteral("t"));
            EXPECT_EQ(form->YakseEdit[1]->text(), QStringLiteral("v"));
            EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("0.5"));
            EXPECT_TRUE(form->StatistikCheckBox[1]->isChecked());
            // Drawn again by "Tegn graf": the line of the restored values.
            Klik(form->TegnGrafButton[1]);
            ASSERT_GT(form->GrafResultaterListBox[1]->count(), 1);
            EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
        }
        // The file stays until the work is saved or another project loaded.
        EXPECT_TRUE(QFile::exists(TAutogem::FilNavn()));
    }
}

TEST_F(GendannelseVindue, AFileOnTheCommandLineNeverReplacesRestoredWorkUnasked) {
    struct Raekke {
        const char* hvad;
        std::deque<bool> svar;
        bool spoergOmErstat;   // the second question is asked
        bool gendannet;        // the typed 0.25 is in the grid
        bool filenTilbage;     // the recovery file is still there
    };
    const std::vector<Raekke> raekker = {
        {"no: the work goes, the file is loaded", {false}, false, false, false},
        {"yes, then keep the restored work", {true, false}, true, true, true},
        {"yes, then load the file instead", {true, true}, true, false, false},
    };
    for (const Raekke& r : raekker) {
        SCOPED_TRACE(r.hvad);
        NytVindue();
        FaldMedTastedeVaerdier();
        const std::string pendul = Kopi("Pendul.prj");
        NedbrudOgNyStart(pendul, r.svar);
        std::vector<Boks> forventet = {Boks::JaNej};
        if (r.spoergOmErstat) forventet.push_back(Boks::JaNej);
        // Pendul has constants to type: its message comes when it is loaded.
        if (!r.gendannet) forventet.push_back(Boks::Information);
        std::vector<Boks> vist;
        for (const auto& v : flade.Vist) vist.push_back(v.Art);
        EXPECT_EQ(vist, forventet) << flade.Sidste();
        if (r.spoergOmErstat) {
            EXPECT_EQ(flade.Vist[1].Tekst, FraQString(QString::fromLatin1(ErstatSpoergsmaal).arg(TilQString(pendul))));
        }
        EXPECT_EQ(form->windowTitle(), r.gendannet ? QStringLiteral("Fald") : QStringLiteral("Pendul"));
        EXPECT_FALSE(VelkomstVist());
        if (r.gendannet) {
            EXPECT_EQ(Celle(1, 2, 0), "0.25");
        }
        EXPECT_EQ(QFile::exists(TAutogem::FilNavn()), r.filenTilbage);
    }
}

}  // namespace
}  // namespace plotvik::test
