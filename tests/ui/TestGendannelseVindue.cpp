// Recovery as the student sees it: after a crash and "Ja" the window looks as
// it did (no welcome panel, the grid with the typed and computed values, the
// graph sheet's fields, the sheet in front), and a file on the command line
// never replaces restored work unasked. Read from the controls, not the model.
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

class GendannelseVindue : public FormTest {
protected:
    void TearDown() override {
        FormTest::TearDown();
        QFile::remove(TAutogem::FilNavn());
    }
    // Fald read from its data file (t = 0.10 .. 0.50), 0.25 and 0.35 typed over
    // measurements 2 and 3; the recovery file written; the run ends unclosed,
    // as a kill ends it; a new run starts with `fil` on its command line.
    void TastNedbrudOgStart(bool beregn, const std::string& fil, std::deque<bool> svar) {
        NytVindue();
        HentProjekt(Kopi("Fald.prj"));
        Kopi("FaldTabel_1.dat");
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/FaldTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        form->SaetProgramstyring(1, false);
        QAbstractItemModel* m = form->TabelGrid[1]->model();
        m->setData(m->index(2, 0), QStringLiteral("0.25"));
        m->setData(m->index(3, 0), QStringLiteral("0.35"));
        if (beregn) {
            Klik(form->BeregnTabelButton[1]);
            form->VisArk(3);
            form->xmaxEdit[1]->setText(QStringLiteral("0.5"));  // typed, no command since
        }
        form->Autogem->SkrivNu();
        form->Autogem->VentPaaSkrivning();
        form->Projekt.TekstGemt = true;
        form.reset();
        flade.Vist.clear();
        flade.Svar = std::move(svar);
        form = std::make_unique<TPlotvikForm>();
        form->show();
        form->StartMedProjekt(fil);
        QApplication::processEvents();
    }
    bool VelkomstVist() { return Find<TVelkomst>("VelkomstPanel")->isVisible(); }
};

TEST_F(GendannelseVindue, YesShowsTheWindowAsItWas) {
    // v = g*t and s = g*t^2/2 with g = 9.82 at t = 0.35, by hand: 3.437 and 0.601475.
    const struct {
        bool beregnet;
        int forrest;  // the sheet in front before the crash
        const char *v3, *s3;
    } raekker[] = {{false, 1, "", ""}, {true, 3, "3.44", "0.601"}};
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.beregnet);
        TastNedbrudOgStart(r.beregnet, "", {true});
        ASSERT_EQ(flade.Vist.size(), 1u) << flade.Sidste();
        EXPECT_FALSE(VelkomstVist());
        EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[r.forrest]);
        EXPECT_TRUE(form->TabelGrid[1]->isVisibleTo(form->TabelSide[1]));
        EXPECT_EQ(Celle(1, 1, 0), "0.10");
        EXPECT_EQ(Celle(1, 2, 0), "0.25");
        EXPECT_EQ(Celle(1, 3, 0), "0.35");
        EXPECT_EQ(Celle(1, 3, 1), r.v3);
        EXPECT_EQ(Celle(1, 3, 2), r.s3);
        // The graph sheet's fields are shown once the table has been computed.
        EXPECT_EQ(form->XakseEdit[1]->isVisibleTo(form->GrafSide[1]), r.beregnet);
        if (r.beregnet) {
            EXPECT_EQ(form->XakseEdit[1]->text(), QStringLiteral("t"));
            EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("0.5"));
            Klik(form->TegnGrafButton[1]);
            ASSERT_GT(form->GrafResultaterListBox[1]->count(), 0);
            EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
        }
        // The file stays until the work is saved or another project loaded.
        EXPECT_TRUE(QFile::exists(TAutogem::FilNavn()));
    }
}

TEST_F(GendannelseVindue, AFileOnTheCommandLineNeverReplacesRestoredWorkUnasked) {
    const struct {
        std::deque<bool> svar;
        int spoergsmaal;  // yes/no questions asked
        bool gendannet;   // the restored Fald stays; else Pendul is loaded
    } raekker[] = {{{false}, 1, false}, {{true, false}, 2, true}, {{true, true}, 2, false}};
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.spoergsmaal * 10 + r.gendannet);
        const std::string pendul = mappe + "/Pendul.prj";
        TastNedbrudOgStart(false, Kopi("Pendul.prj"), r.svar);
        std::vector<std::string> ja;
        for (const auto& v : flade.Vist)
            if (v.Art == Boks::JaNej) ja.push_back(v.Tekst);
        ASSERT_EQ(int(ja.size()), r.spoergsmaal);
        if (r.spoergsmaal == 2) {
            EXPECT_EQ(ja[1], "Det ikke-gemte arbejde er gendannet.\n\rSkal filen " + pendul +
                                 " hentes i stedet?\n\rDet gendannede arbejde g\xE5r da tabt.");
        }
        EXPECT_EQ(form->windowTitle(), r.gendannet ? QStringLiteral("Fald") : QStringLiteral("Pendul"));
        EXPECT_EQ(Celle(1, 2, 0), r.gendannet ? "0.25" : "");
        EXPECT_EQ(QFile::exists(TAutogem::FilNavn()), r.gendannet);
    }
}

}  // namespace
}  // namespace plotvik::test
