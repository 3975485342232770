// Entry point of the widget tests: one QApplication, Greek-format locale, settings apart, then GoogleTest.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The windows keep settings in the user's configuration folder: tests keep theirs apart.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
