// Autosave and recovery inside one run: a change reaches the recovery file
// within two seconds, a normal close removes it, and the kept state restores
// a fresh window exactly: the cells typed and computed, "Målinger", the
// constants and their values.
#include <QElapsedTimer>
#include <QFile>

#include "FormTestHjaelp.h"
#include "files/Gendannelse.h"
#include "ui/Autogem.h"

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

}  // namespace
}  // namespace plotvik::test
