// The uncertainties as the student meets them in the window: given through
// "Definer > Usikkerhed...", shown in the "\xB1" columns after "Beregn", kept
// in the project file, and a fault said in Danish with nothing changed.
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <cmath>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "files/PlotvikFiler.h"

namespace plotvik::test {
namespace {

class UsikkerhedVindue : public FormTest {
protected:
    ModalSvar svar;

    // Fald (g = 9,82; v = g*t; s = g*t^2/2) with t = 0,1 .. 0,5 from its data file.
    // Copied from the examples unless the copy is to be read again.
    void FaldMedData(bool kopier = true) {
        HentProjekt(kopier ? Kopi("Fald.prj") : mappe + "/Fald.prj");
        if (kopier) Kopi("FaldTabel_1.dat");
        QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
        Maalinger(1, 5);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(mappe + "/FaldTabel_1.dat");
        Klik(form->IndLaesTabelButton[1]);
        flade.Vist.clear();
    }

    // Opens the dialog on table 1's variable t with a choice and a text, and presses OK.
    void GivUsikkerhed(const char* radio, const std::string& tekst, bool forventLukket = true) {
        svar([=](QWidget* d) {
            SaetSpin(d, "TabelNoSpinEdit", 1);
            auto* v = Kontrol<QComboBox>(d, "VariabelComboBox");
            v->setCurrentIndex(v->findText("t"));
            Kontrol<QRadioButton>(d, radio)->setChecked(true);
            SkrivIFelt(d, "UsikkerhedEdit", tekst);
            TrykOK(d);
            EXPECT_EQ(d->isVisible(), !forventLukket);
        });
        Menu("UsikkerhedMenuItem");
        EXPECT_EQ(svar.Besvarede, 1);
        svar.Besvarede = 0;
    }

    // The grid's columns in screen order: the heading of each.
    std::vector<std::string> Overskrifter() {
        QTableView* g = form->TabelGrid[1];
        std::vector<std::string> o;
        for (int s = 0; s < g->model()->columnCount(); ++s) o.push_back(Celle(1, 0, g->horizontalHeader()->logicalIndex(s)));
        return o;
    }
    // The number in the cell at screen column s, row r.
    double Tal(int r, int s) {
        const std::string tekst = Celle(1, r, form->TabelGrid[1]->horizontalHeader()->logicalIndex(s));
        bool fejl = false;
        const double x = TekstTilTal(KommaTilPunkt(tekst), fejl);
        EXPECT_FALSE(fejl) << tekst;
        return x;
    }
};

TEST_F(UsikkerhedVindue, RelativUsikkerhedPaaTVisesOgFoeresVidereTilVOgS) {
    FaldMedData();
    flade.Svar.push_back(false);  // not written into the project file here
    GivUsikkerhed("UsikkerhedArtRelativRadioButton", "2");
    EXPECT_EQ(flade.Sidste(), "Gem usikkerhederne i projektfilen " + mappe + "/Fald.prj?");
    // A new "Målinger" (the table laid out again) keeps it.
    Maalinger(1, 5);
    Klik(form->BeregnTabelButton[1]);
    const int vaerdiSoejler = form->TabelGrid[1]->model()->columnCount();
    Menu("VisUsikkerhederMenuItem");
    ASSERT_EQ(form->TabelGrid[1]->model()->columnCount(), 2 * vaerdiSoejler);
    const std::vector<std::string> o = Overskrifter();
    ASSERT_EQ(o.size(), 6u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(o[2 * i + 1], "\xB1 " + o[2 * i]);
    const double g = 9.82;
    for (int m = 1; m <= 5; ++m) {
        const double t = 0.1 * m;
        EXPECT_NEAR(Tal(m, 0), t, 1e-9);
        // u(t) = 2 % of t; u(v) = g*u(t); u(s) = g*t*u(t), by hand.
        EXPECT_NEAR(Tal(m, 1), 0.02 * t, 0.02 * t * 5e-3);
        EXPECT_NEAR(Tal(m, 3), g * 0.02 * t, 0.005 + 1e-9);
        EXPECT_NEAR(Tal(m, 5), g * t * 0.02 * t, 0.0005 + 1e-9);
    }
    // The value columns keep their grid addresses: a typed t lands in t.
    KlikCelle(1, 3, 0);
    Tast(1, "0,35");
    EXPECT_EQ(form->Projekt.Tabeller[1].Celler.Celle(1, 4), "0,35");
    // Off again: the grid is the table alone.
    Menu("VisUsikkerhederMenuItem");
    EXPECT_EQ(form->TabelGrid[1]->model()->columnCount(), vaerdiSoejler);
}

TEST_F(UsikkerhedVindue, EnForkertUsikkerhedSigesPaaDanskOgAendrerIntet) {
    struct Tilfaelde { const char* radio; std::string tekst; };
    const Tilfaelde tilfaelde[] = {{"UsikkerhedArtRelativRadioButton", "-1"},
                                   {"UsikkerhedArtAbsolutRadioButton", "abc"},
                                   {"UsikkerhedArtAbsolutRadioButton", ""}};
    FaldMedData();
    for (const auto& c : tilfaelde) {
        flade.Vist.clear();
        GivUsikkerhed(c.radio, c.tekst, false);
        ASSERT_FALSE(flade.Vist.empty()) << c.tekst;
        EXPECT_EQ(flade.Vist.front().Art, Boks::Fejl);
        EXPECT_EQ(flade.Vist.front().Tekst,
                  "Usikkerheden p\xE5 t i tabel 1 skal v\xE6re et tal p\xE5 mindst 0: '" + c.tekst + "'");
        EXPECT_EQ(flade.Vist.size(), 1u) << "nothing else asked";
        EXPECT_EQ(form->Projekt.Tabeller[1].Variable[1].UsikkerhedsArt, TUsikkerhedsArt::Ingen);
    }
}

TEST_F(UsikkerhedVindue, UsikkerhedenGemmesIProjektfilenOgHentesIgen) {
    const std::string fil = Kopi("Fald.prj");
    const std::string foer = Laes(fil);
    FaldMedData();
    // A file without uncertainties, read by the window, writes back as it was.
    SkrivProjektFil(form->Projekt, mappe + "/Igen.prj");
    EXPECT_EQ(Laes(mappe + "/Igen.prj"), foer);

    flade.Svar.push_back(true);
    GivUsikkerhed("UsikkerhedArtAbsolutRadioButton", "0,01");
    EXPECT_EQ(Laes(fil), foer + "Usikkerheder 1\r\n1 1 A 0,01\r\n");

    NytVindue();
    FaldMedData(false);
    const TVariabelDef& t = form->Projekt.Tabeller[1].Variable[1];
    EXPECT_EQ(t.UsikkerhedsArt, TUsikkerhedsArt::Absolut);
    EXPECT_EQ(t.UsikkerhedsTekst, "0,01");
    // More measurements analyse the table's definitions again: it stays.
    Maalinger(1, 6);
    EXPECT_EQ(t.UsikkerhedsArt, TUsikkerhedsArt::Absolut);
    EXPECT_EQ(t.UsikkerhedsTekst, "0,01");
    // The dialog opens on what the variable has.
    svar([](QWidget* d) {
        EXPECT_TRUE(Kontrol<QRadioButton>(d, "UsikkerhedArtAbsolutRadioButton")->isChecked());
        EXPECT_EQ(Kontrol<QLineEdit>(d, "UsikkerhedEdit")->text(), QStringLiteral("0,01"));
        Kontrol<QPushButton>(d, "CancelButton")->click();
    });
    Menu("UsikkerhedMenuItem");
    EXPECT_EQ(svar.Besvarede, 1);
}

}  // namespace
}  // namespace plotvik::test
