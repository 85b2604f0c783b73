// The UI tests' main: a QApplication on the offscreen platform, then gtest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plotvik"));
    // Settings the tests change stay in a folder of the test run, not the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QDir::tempPath() + QStringLiteral("/plotvik_test_indstillinger"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
