// Entry point of the tests of drawn pages: a QGuiApplication (fonts and pictures, no widgets),
// Greek-format locale, then GoogleTest.
#include <QGuiApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
