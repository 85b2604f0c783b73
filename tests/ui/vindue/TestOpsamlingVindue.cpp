// Live capture through the window, without hardware: a pseudo-terminal pair
// stands in for the sensor. The test's writer thread is the Arduino on one
// side; the capture dialog opens the other side by its path, as a student
// types a port, and the grid, the graph and the undo stack are read as the
// student sees them.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>
#include <cmath>
#include <functional>
#include <thread>

#include "files/Gendannelse.h"
#include "support/PtyPar.h"
#include "ui/FormTestHjaelp.h"
#include "ui/vindue/OpsamlingDialog.h"
#include "ui/fortryd/Autogem.h"

namespace plotvik::test {
namespace {

const std::string Afbrudt = "Opsamlingen er stoppet, fordi forbindelsen til m\xE5leren blev afbrudt. ";
const std::string Halv = " Den sidste linie n\xE5" "ede ikke frem i sin helhed og er ikke taget med.";
const std::string ForMangePunkter = "Kun de f\xF8rste 1023 m\xE5linger kan vises i grafen";

// Line i as the sketch would print it: A0 first, then the time, as the header names them.
int A0(int i) { return 5000 + 3 * i; }
std::string Linier(int fra, int til) {
    std::string s;
    for (int i = fra; i <= til; ++i) s += std::to_string(A0(i)) + "\t" + std::to_string(i) + "\r\n";
    return s;
}

int IkkeHvide(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if ((b.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

class OpsamlingVindue : public FormTest {
protected:
    TPtyPar pty;
    TOpsamlingDialog* d = nullptr;

    // The capture example loaded, "&Opsamling..." opened and the device's path typed as its port.
    void AabnDialog() {
        ASSERT_GE(pty.Skriver, 0);
        HentProjekt(Kopi("Opsamling.prj"));
        flade.Vist.clear();
        Menu("OpsamlingMenuItem");
        d = form->findChild<TOpsamlingDialog*>(QStringLiteral("OpsamlingDialog"));
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(d->isModal()) << "the window and its graph stay in reach";
        Find<QComboBox>(d, "PortComboBox")->setCurrentText(QString::fromStdString(pty.Sti));
        EXPECT_EQ(Find<QComboBox>(d, "BaudComboBox")->currentText(), QStringLiteral("9600"));
    }

    // Events run until the condition holds, at most ten seconds.
    static bool Vent(const std::function<bool()>& betingelse) {
        QElapsedTimer ur;
        ur.start();
        while (!betingelse()) {
            if (ur.elapsed() > 10000) return false;
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    bool Viser(int n) { return d->AntalMaalingerLabel->text() == QString::fromUtf8("Målinger: %1").arg(n); }

    static double Tal(std::string s) {
        for (char& c : s)
            if (c == ',') c = '.';
        return std::stod(s);
    }
};

TEST_F(OpsamlingVindue, TwoThousandLinesGrowTheGridAndTheGraphAndGoAsOneUndoStep) {
    AabnDialog();
    QFile::remove(TAutogem::FilNavn());
    const int trinFoer = form->Fortryd->count();
    const int foerStart = IkkeHvide(form->GrafImage[1]);
    Klik(Find<QPushButton>(d, "StartButton"));
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    EXPECT_FALSE(form->AntalMaalingerButton[1]->isEnabled()) << "the table waits while the capture writes";

    // A header in the other order than the table's variables: the names decide.
    std::thread foerste([&] { pty.Skriv("A0\tt\r\n" + Linier(1, 500)); });
    ASSERT_TRUE(Vent([&] { return Viser(500); }));
    foerste.join();
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 500) << "the grid grows while lines arrive";
    EXPECT_EQ(Celle(1, 500, 0), "500");
    // The points are drawn as they come, without changing the student's "Tegn kun punkter".
    ASSERT_TRUE(Vent([&] { return IkkeHvide(form->GrafImage[1]) > foerStart; }));
    EXPECT_FALSE(form->TegnKunPunkterCheckBox[1]->isChecked());
    // The recovery file follows the capture while it runs.
    const std::string fil = QFile::encodeName(TAutogem::FilNavn()).toStdString();
    ASSERT_TRUE(Vent([&] {
        if (!QFile::exists(TAutogem::FilNavn())) return false;
        const TGendannelsesLaesning l = LaesGendannelsesFil(fil);
        return l.Ok && l.Data.Tabeller[1].AntalIndgange >= 500;
    }));

    std::thread resten([&] { pty.Skriv(Linier(501, 2000)); });
    ASSERT_TRUE(Vent([&] { return Viser(2000); }));
    resten.join();
    Klik(Find<QPushButton>(d, "StopButton"));

    // Stop draws the graph once more with its fit, through the usual message for a long table.
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{ForMangePunkter});
    EXPECT_EQ(FraQString(d->StatusLabel->text()), "2000 m\xE5linger opsamlet.");
    EXPECT_EQ(d->SprungetOverLabel->text(), QString::fromUtf8("Sprunget over: 0 linier, der ikke kunne læses"));
    EXPECT_TRUE(Find<QPushButton>(d, "StartButton")->isEnabled());
    EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 2000);
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 2000);
    EXPECT_EQ(form->TabelGrid[1]->model()->rowCount(), 2001);
    for (int m : {1, 2, 1000, 2000}) {
        SCOPED_TRACE(m);
        EXPECT_EQ(Celle(1, m, 0), std::to_string(m));
        EXPECT_EQ(Celle(1, m, 1), std::to_string(A0(m)));
        // U = A0*5/1023 with three decimals, computed when the capture ended.
        EXPECT_NEAR(Tal(Celle(1, m, 2)), A0(m) * 5.0 / 1023.0, 0.0006);
    }
    EXPECT_TRUE(form->AntalMaalingerButton[1]->isEnabled());

    // One step undoes the whole capture.
    EXPECT_EQ(form->Fortryd->count(), trinFoer + 1);
    EXPECT_EQ(form->Fortryd->undoText(), QStringLiteral("opsamling"));
    Menu("FortrydMenuItem");
    EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 10);
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 10);
    EXPECT_EQ(Celle(1, 1, 0), "");
    EXPECT_EQ(Celle(1, 1, 1), "");
}

TEST_F(OpsamlingVindue, ADeviceGoneInTheMiddleOfALineStopsWithTheMessageAndKeepsTheValues) {
    AabnDialog();
    const int trinFoer = form->Fortryd->count();
    Klik(Find<QPushButton>(d, "StartButton"));
    ASSERT_TRUE(flade.Vist.empty()) << flade.Sidste();
    pty.Skriv("t;A0\n1;10\n2;20\nzz\n3;30\n4;4");
    ASSERT_TRUE(Vent([&] { return Viser(3); }));
    QTest::qWait(150);  // the rest of the write, the half line, has been read too
    pty.LukSkriver();
    ASSERT_TRUE(Vent([&] { return Find<QPushButton>(d, "StartButton")->isEnabled(); }));

    const std::string besked = Afbrudt + "3 m\xE5linger er gemt i tabel 1." + Halv;
    EXPECT_EQ(flade.Tekster(), std::vector<std::string>{besked});
    EXPECT_EQ(FraQString(d->StatusLabel->text()), besked);
    EXPECT_EQ(d->SprungetOverLabel->text(), QString::fromUtf8("Sprunget over: 1 linie, der ikke kunne læses"));
    EXPECT_FALSE(Find<QPushButton>(d, "StopButton")->isEnabled());
    // An empty table takes the capture's count, as it takes a pasted block's.
    EXPECT_EQ(form->AntalMaalingerSpinEdit[1]->value(), 3);
    for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(Celle(1, m, 0), std::to_string(m)) << m;
        EXPECT_EQ(Celle(1, m, 1), std::to_string(10 * m)) << m;
    }
    EXPECT_EQ(form->Fortryd->count(), trinFoer + 1);
    EXPECT_TRUE(form->FortrydMenuItem->isEnabled());
}

TEST_F(OpsamlingVindue, WhileItRunsTheMenusWaitAndClosingTheWindowEndsItFirst) {
    AabnDialog();
    Klik(Find<QPushButton>(d, "StartButton"));
    pty.Skriv("1\t10\n2\t20\n");
    ASSERT_TRUE(Vent([&] { return Viser(2); }));
    EXPECT_FALSE(form->menuBar()->isEnabled()) << "no other project or definition under a running capture";
    EXPECT_FALSE(form->FortrydMenuItem->isEnabled());
    form->close();
    EXPECT_FALSE(d->Koerer());
    EXPECT_TRUE(form->menuBar()->isEnabled());
    EXPECT_EQ(form->Projekt.Tabeller[1].AntalIndgange, 2);
    EXPECT_EQ(form->Fortryd->undoText(), QStringLiteral("opsamling"));
}

}  // namespace
}  // namespace plotvik::test
