// Recovery as the student sees it, read from the controls: after a crash and
// "Ja" no welcome panel, the grid with the typed and computed values, the
// graph sheet's fields, the sheet that was in front; a file on the command
// line replaces restored work only after a second "Ja".
#include <QFile>
#include <QListWidget>
#include <QTabWidget>

#include "FormTestHjaelp.h"
#include "ui/Autogem.h"
#include "ui/Velkomst.h"

namespace plotvik::test {
namespace {

using GendannelseVindue = FormTest;

TEST_F(GendannelseVindue, TheWindowComesBackAsItWasAndAFileReplacesItOnlyOnYes) {
    // PendulTabel_1.dat: T = 0.90, 1.27, 1.55 ... a = L/T^2 by hand: 0.35 / 1.55^2 = 0.1457.
    const struct {
        bool beregn, medFil;
        std::deque<bool> svar;
        bool gendannet;
        int forrest;
        const char *a3;
    } raekker[] = {
        {false, false, {true}, true, 1, ""},
        {true, false, {true}, true, 3, "0.146"},
        {false, true, {false}, false, 1, ""},
        {false, true, {true, false}, true, 1, ""},
        {false, true, {true, true}, false, 1, ""},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(testing::Message() << r.beregn << r.medFil << r.svar.size() << r.gendannet);
        NytVindue();
        QFile::remove(TAutogem::FilNavn());
        PendulMedData();
        form->SaetProgramstyring(1, false);
        QAbstractItemModel* m = form->TabelGrid[1]->model();
        m->setData(m->index(3, 0), QStringLiteral("0.35"));
        if (r.beregn) {
            Klik(form->BeregnTabelButton[1]);
            form->VisArk(3);
            form->xmaxEdit[1]->setText(QStringLiteral("1.6"));  // typed, no command since
        }
        form->Autogem->SkrivNu();
        form->Autogem->VentPaaSkrivning();
        // Ended as a kill ends it: nothing asked, nothing removed.
        form->Projekt.TekstGemt = true;
        form.reset();
        flade.Vist.clear();
        flade.Svar = r.svar;
        form = std::make_unique<TPlotvikForm>();
        form->show();
        const std::string fald = r.medFil ? Kopi("Fald.prj") : std::string();
        form->StartMedProjekt(fald);
        QApplication::processEvents();

        ASSERT_GE(flade.Vist.size(), r.svar.size());
        if (r.svar.size() == 2) {
            EXPECT_EQ(flade.Vist[1].Tekst, "Det ikke-gemte arbejde er gendannet.\n\rSkal filen " + fald +
                                               " hentes i stedet?\n\rDet gendannede arbejde g\xE5r da tabt.");
        }
        EXPECT_FALSE(Find<TVelkomst>("VelkomstPanel")->isVisible());
        EXPECT_EQ(form->windowTitle(), r.gendannet ? QStringLiteral("Pendul") : QStringLiteral("Fald"));
        EXPECT_EQ(QFile::exists(TAutogem::FilNavn()), r.gendannet);
        if (!r.gendannet) continue;
        EXPECT_EQ(form->SideKontrol->currentWidget(), form->Ark[r.forrest]);
        EXPECT_TRUE(form->TabelGrid[1]->isVisibleTo(form->TabelSide[1]));
        EXPECT_EQ(Celle(1, 1, 0), "0.2");
        EXPECT_EQ(Celle(1, 3, 0), "0.35");
        EXPECT_EQ(Celle(1, 3, 2), r.a3);
        // The graph sheet's fields are shown once the table has been computed.
        EXPECT_EQ(form->XakseEdit[1]->isVisibleTo(form->GrafSide[1]), r.beregn);
        if (r.beregn) {
            EXPECT_EQ(form->XakseEdit[1]->text(), QStringLiteral("L"));
            EXPECT_EQ(form->xmaxEdit[1]->text(), QStringLiteral("1.6"));
            Klik(form->TegnGrafButton[1]);
            ASSERT_GT(form->GrafResultaterListBox[1]->count(), 0);
            EXPECT_EQ(form->GrafResultaterListBox[1]->item(0)->text(), QStringLiteral("Regressionslinie:"));
        }
    }
    QFile::remove(TAutogem::FilNavn());
}

}  // namespace
}  // namespace plotvik::test
