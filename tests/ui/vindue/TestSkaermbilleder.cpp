// Pictures of every sheet after the Pendul example has been loaded, read and
// computed, for a person to look at. Written only when PLOTVIK_BILLEDMAPPE
// names a folder; otherwise the test just checks that every sheet paints.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <cstdlib>

#include "ui/FormTestHjaelp.h"

namespace plotvik::test {
namespace {

using Skaermbilleder = FormTest;

TEST_F(Skaermbilleder, EverySheetAfterPendulIsComputed) {
    HentPendul();
    form->AntalMaalingerSpinEdit[1]->setValue(5);
    Klik(form->AntalMaalingerButton[1]);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/PendulTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Menu("StatistikPaamaalingerMenuItem");
    Klik(form->BeregnTabelButton[1]);
    QTest::keyClicks(form->VariabeludtrykEdit[1], QStringLiteral("T"));
    QTest::keyClick(form->VariabeludtrykEdit[1], Qt::Key_Return);
    Klik(form->TegnGrafButton[1]);
    form->RedigerMemo->setPlainText(QString::fromLatin1(Laes(Kildesti("examples/Pendul.txt")).c_str()));
    form->Projekt.TekstGemt = true;

    const char* mappeNavn = std::getenv("PLOTVIK_BILLEDMAPPE");
    for (int a = 0; a < form->SideKontrol->count(); ++a) {
        form->SideKontrol->setCurrentIndex(a);
        QApplication::processEvents();
        const QPixmap billede = form->grab();
        EXPECT_EQ(billede.size(), form->size());
        if (mappeNavn)
            billede.save(QString::fromLocal8Bit(mappeNavn) + QStringLiteral("/ark%1.png").arg(a + 1));
    }
}

// The discharging capacitor example: the model fit's curve over the points
// and its result lines (parameters with uncertainties, s, R\xB2, iterations).
TEST_F(Skaermbilleder, GraphSheetWithAModelFit) {
    HentProjekt(Kopi("Kondensator.prj"));
    Kopi("KondensatorTabel_1.dat");
    QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
    form->AntalMaalingerSpinEdit[1]->setValue(21);
    Klik(form->AntalMaalingerButton[1]);
    form->DiskfilRadioButton[1]->setChecked(true);
    flade.FilSvar.push_back(mappe + "/KondensatorTabel_1.dat");
    Klik(form->IndLaesTabelButton[1]);
    Klik(form->BeregnTabelButton[1]);
    flade.Vist.clear();
    Klik(form->TegnGrafButton[1]);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_GE(form->GrafResultaterListBox[1]->count(), 7);
    form->Projekt.TekstGemt = true;
    QWidget* billede = Find<QWidget>("Graf1Image");
    for (int a = 0; a < form->SideKontrol->count(); ++a)
        if (form->SideKontrol->widget(a)->isAncestorOf(billede)) form->SideKontrol->setCurrentIndex(a);
    QApplication::processEvents();
    if (const char* mappeNavn = std::getenv("PLOTVIK_BILLEDMAPPE"))
        form->grab().save(QString::fromLocal8Bit(mappeNavn) + QStringLiteral("/modelfit.png"));
}

TEST_F(Skaermbilleder, FourTablesWithTheirMeanRows) {
    std::string prj = "Fire\r\n0\r\n4\r\n";
    for (int t = 1; t <= 4; ++t)
        prj += std::string(t % 2 ? "S" : "R") + " 2 4 10\r\nx:=?[m]\r\ny:=x*2:8:2[m]\r\n0\r\n";
    Skriv(mappe + "/Fire.prj", prj);
    HentProjekt(mappe + "/Fire.prj");
    for (int t = 1; t <= 4; ++t) {
        form->Projekt.Tabeller[t].VisGnsOgVarians = true;
        Klik(form->AntalMaalingerButton[t]);
        Klik(form->BeregnTabelButton[t]);
        EXPECT_FALSE(form->VariabeludtrykEdit[t]->isHidden());
        // The mean row lies below the grid and inside the sheet.
        EXPECT_GT(form->VariabeludtrykEdit[t]->y(), form->TabelGrid[t]->geometry().bottom());
        EXPECT_LE(form->VariabeludtrykEdit[t]->geometry().bottom(), form->Ark[t <= 2 ? 1 : 2]->height()) << t;
    }
    const char* mappeNavn = std::getenv("PLOTVIK_BILLEDMAPPE");
    for (int a = 0; a < 2; ++a) {
        form->SideKontrol->setCurrentIndex(a);
        QApplication::processEvents();
        if (mappeNavn) form->grab().save(QString::fromLocal8Bit(mappeNavn) + QStringLiteral("/fire%1.png").arg(a + 1));
    }
}

}  // namespace
}  // namespace plotvik::test
