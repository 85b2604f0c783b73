// Recovery after a crash, with the real program: a run types three values
// into the Pendul table and is killed with SIGKILL once the recovery file
// holds them; the next run asks, restores the values on "Ja" (or lets them
// go on "Nej"), and a normal close removes the file. A damaged recovery file
// ends in a message and a copy kept aside. Each run has a data folder of its
// own (XDG_DATA_HOME, HOME), never the user's.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/Testdata.h"

namespace plotvik::test {
namespace {

#ifdef PLOTVIK_PROGRAM

class GendannelseProces : public ::testing::Test {
protected:
    QTemporaryDir mappe;
    QString log;

    QString Gendannelsesfil() const { return mappe.path() + QStringLiteral("/data/Plotvik/gendannelse.plotvik"); }

    QProcessEnvironment Miljoe(const QString& svar, bool vis, const QString& tast) {
        QProcessEnvironment m = QProcessEnvironment::systemEnvironment();
        m.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m.insert(QStringLiteral("XDG_DATA_HOME"), mappe.path() + QStringLiteral("/data"));
        m.insert(QStringLiteral("HOME"), mappe.path());
        m.insert(QStringLiteral("PLOTVIK_TESTKROG_LOG"), log);
        m.insert(QStringLiteral("PLOTVIK_TESTKROG_SVAR"), svar);
        if (vis) m.insert(QStringLiteral("PLOTVIK_TESTKROG_VIS"), QStringLiteral("1"));
        if (!tast.isEmpty()) m.insert(QStringLiteral("PLOTVIK_TESTKROG_TAST"), tast);
        return m;
    }

    std::string Log() const {
        std::ifstream f(log.toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    // A run that types into the Pendul table and is killed once the values are kept.
    void TastOgDraeb() {
        const QString prj = mappe.path() + QStringLiteral("/Pendul.prj");
        std::filesystem::copy_file(Kildesti("examples/Pendul.prj"), prj.toStdString());
        QProcess p;
        p.setProcessEnvironment(Miljoe(QString(), false, QStringLiteral("0.2;0.90;0.4")));
        p.start(QStringLiteral(PLOTVIK_PROGRAM), {prj});
        ASSERT_TRUE(p.waitForStarted(10000));
        QElapsedTimer ur;
        ur.start();
        while (Log().find("GEMT") == std::string::npos && ur.elapsed() < 60000 && p.state() == QProcess::Running)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::string l = Log();
        const auto gemt = l.find("GEMT ");
        ASSERT_NE(gemt, std::string::npos) << "the recovery file was not written: " << l;
        // Within two seconds of the last value typed.
        EXPECT_LT(std::stol(l.substr(gemt + 5)), 2000) << l;
        p.kill();  // SIGKILL: no close, no question, no cleaning up
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
        EXPECT_TRUE(QFile::exists(Gendannelsesfil()));
        QFile::remove(log);
    }

    // A run that answers the boxes, shows table 1 in the log and closes normally.
    void StartOgVis(const QString& svar) {
        QProcess p;
        p.setProcessEnvironment(Miljoe(svar, true, QString()));
        p.start(QStringLiteral(PLOTVIK_PROGRAM), {});
        ASSERT_TRUE(p.waitForStarted(10000));
        ASSERT_TRUE(p.waitForFinished(120000)) << Log();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
    }

    void SetUp() override {
        ASSERT_TRUE(mappe.isValid());
        log = mappe.path() + QStringLiteral("/krog.log");
    }
};

TEST_F(GendannelseProces, KilledWhileTypingAndRestoredOnYes) {
    TastOgDraeb();
    StartOgVis(QStringLiteral("j"));
    const std::string l = Log();
    EXPECT_NE(l.find("BOKS Der blev fundet ikke-gemt arbejde fra "), std::string::npos) << l;
    EXPECT_NE(l.find("Pendul.prj).\n\rSkal det gendannes?"), std::string::npos) << l;
    // L and T of measurement 1, L of measurement 2 (matrix column = measurement + 1).
    EXPECT_NE(l.find("MAALINGER 5\n"), std::string::npos) << l;
    EXPECT_NE(l.find("CELLE 1 2 0.2\nCELLE 1 3 0.4\nCELLE 2 2 0.90\n"), std::string::npos) << l;
    // A normal close removes the file: nothing is asked at the next start.
    EXPECT_FALSE(QFile::exists(Gendannelsesfil()));
}

TEST_F(GendannelseProces, NoLetsTheWorkGo) {
    TastOgDraeb();
    StartOgVis(QStringLiteral("n"));
    const std::string l = Log();
    EXPECT_NE(l.find("BOKS Der blev fundet ikke-gemt arbejde fra "), std::string::npos) << l;
    EXPECT_EQ(l.find("CELLE"), std::string::npos) << l;
    EXPECT_FALSE(QFile::exists(Gendannelsesfil()));
}

TEST_F(GendannelseProces, ADamagedFileGivesAMessageAndIsKeptAside) {
    ASSERT_TRUE(QDir().mkpath(mappe.path() + QStringLiteral("/data/Plotvik")));
    const std::string skrald = "PLOTVIK? ikke en rigtig fil\x01\x02";
    {
        std::ofstream f(Gendannelsesfil().toStdString(), std::ios::binary);
        f << skrald;
    }
    StartOgVis(QString());
    const std::string l = Log();
    EXPECT_NE(l.find("BOKS Filen med ikke-gemt arbejde "), std::string::npos) << l;
    EXPECT_NE(l.find("Filen er gemt som "), std::string::npos) << l;
    EXPECT_EQ(l.find("Der blev fundet"), std::string::npos) << l;
    EXPECT_FALSE(QFile::exists(Gendannelsesfil()));
    std::ifstream kopi((Gendannelsesfil() + QStringLiteral(".beskadiget")).toStdString(), std::ios::binary);
    ASSERT_TRUE(kopi.good());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kopi), {}), skrald);
}

#endif

}  // namespace
}  // namespace plotvik::test
