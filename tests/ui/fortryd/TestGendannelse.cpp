// Autosave and recovery inside one run: a change reaches the recovery file
// within two seconds, a normal close removes it, and the kept state restores
// a fresh window exactly: the cells typed and computed, "Målinger", the
// constants and their values, and the window as it looked.
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>

#include "ui/FormTestHjaelp.h"
#include "files/Gendannelse.h"
#include "ui/fortryd/Autogem.h"
#include "ui/vindue/Velkomst.h"

namespace plotvik::test {
namespace {

class Gendannelse : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        QFile::remove(TAutogem::FilNavn());
    }
    void PendulBeregnet() {
        PendulMedData();
        Klik(form->BeregnTabelButton[1]);
    }
};

TEST_F(Gendannelse, AChangeIsKeptWithinTwoSecondsAndANormalCloseRemovesIt) {
    PendulBeregnet();
    QElapsedTimer ur;
    ur.start();
    while (!QFile::exists(TAutogem::FilNavn()) && ur.elapsed() < 5000) QTest::qWait(20);
    EXPECT_LT(ur.elapsed(), 2000);
    ASSERT_TRUE(QFile::exists(TAutogem::FilNavn()));
    form->Autogem->VentPaaSkrivning();
    const TGendannelsesLaesning l = LaesGendannelsesFil(QFile::encodeName(TAutogem::FilNavn()).toStdString());
    ASSERT_TRUE(l.Ok) << l.Besked;
    EXPECT_EQ(l.Data.Tabeller[1].AntalIndgange, 5);
    form->Projekt.TekstGemt = true;
    form->close();
    EXPECT_FALSE(QFile::exists(TAutogem::FilNavn()));
}

TEST_F(Gendannelse, AFreshWindowIsRestoredExactly) {
    PendulBeregnet();
    form->SaetProgramstyring(0, false);
    QAbstractItemModel* k = form->TabelGrid[0]->model();
    ASSERT_TRUE(k->setData(k->index(1, 0), QStringLiteral("9,81")));
    QApplication::processEvents();
    Maalinger(1, 4);  // lowered: the fifth measurement is kept hidden
    const TProjekt foer = form->Projekt;
    const TGendannelsesLaesning l = LaesGendannelse(form->GendannelsesBytes(1796810400));
    ASSERT_TRUE(l.Ok) << l.Besked;
    form->Projekt.TekstGemt = true;
    form = std::make_unique<TPlotvikForm>();
    flade.Vist.clear();
    form->GendanArbejde(l.Data);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    const TProjekt& efter = form->Projekt;
    EXPECT_EQ(efter.AntalTabeller, 1);
    EXPECT_EQ(efter.ProjektFilNavn, foer.ProjektFilNavn);
    EXPECT_EQ(efter.KonstantVaerdi, foer.KonstantVaerdi);
    EXPECT_EQ(efter.KonstantVaerdi[1], 9.81);
    for (int t = 0; t <= 1; ++t) {
        const TTekstMatrix &a = foer.Tabeller[t].Celler, &b = efter.Tabeller[t].Celler;
        ASSERT_EQ(a.Raekker(), b.Raekker()) << t;
        ASSERT_EQ(a.Soejler(), b.Soejler()) << t;
        for (int r = 1; r <= a.Raekker(); ++r)
            for (int s = 1; s <= a.Soejler(); ++s) EXPECT_EQ(a.Celle(r, s), b.Celle(r, s)) << t << ":" << r << "," << s;
    }
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 4);
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 5);
    // As the grid shows them: the computed a = L/T^2 (0.2/0.81 by hand) and the typed constant.
    EXPECT_EQ(Celle(1, 1, 2), "0.247");
    EXPECT_EQ(Celle(0, 1, 0), "9,81");
    EXPECT_TRUE(form->BeregnTabelButton[1]->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pendul"));
    // Nothing of the crashed run can be undone in the restored one.
    EXPECT_FALSE(form->FortrydMenuItem->isEnabled());
}

// After a crash and "Ja" the window looks as it did, read from the controls:
// no welcome panel, the grid with the typed and computed values, the graph
// sheet's fields, the sheet in front; a file on the command line replaces
// restored work only after a second "Ja".
TEST_F(Gendannelse, TheWindowComesBackAsItWasAndAFileReplacesItOnlyOnYes) {
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
