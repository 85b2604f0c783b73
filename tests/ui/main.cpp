// The UI tests' main: a QApplication on the offscreen platform, then gtest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The window's recovery file goes to a folder of this run, never the user's.
    std::string data = "/tmp/plotvik-test-data-XXXXXX";
    if (mkdtemp(data.data())) setenv("XDG_DATA_HOME", data.c_str(), 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plotvik"));
    // Settings the tests change stay in a folder of the test run, not the user's.
    // ctest runs test processes side by side, so each has a folder of its own:
    // one test's recent projects or options never reach another's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(data) + QStringLiteral("/indstillinger"));
    ::testing::InitGoogleTest(&argc, argv);
    const int resultat = RUN_ALL_TESTS();
    if (const char* d = std::getenv("XDG_DATA_HOME"); d && std::string(d) == data) std::filesystem::remove_all(data);
    return resultat;
}
