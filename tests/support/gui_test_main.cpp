// Entry point of the widget tests: one QApplication, Greek-format locale, then GoogleTest.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
