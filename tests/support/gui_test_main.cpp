// Entry point of the widget tests: one QApplication, Greek-format locale, settings apart, then GoogleTest.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "safekeeping/recovery_file.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The windows keep settings in the user's configuration folder: tests keep theirs apart.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    // Windows dropped by a test without closing keep their recovery files, as after a crash.
    QDir(dz::DefaultRecoveryFolder()).removeRecursively();
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    QDir(dz::DefaultRecoveryFolder()).removeRecursively();
    return failed;
}
