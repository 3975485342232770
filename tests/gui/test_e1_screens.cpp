// Pictures of the E1 window's pages for looking at (with DOVAZEZ_SCREENSHOTS=<folder>; skipped otherwise).
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "test_e1_fixture.h"

namespace dz::test {
namespace {

using E1Screens = E1Window;

TEST_F(E1Screens, EveryPageTopAndBottom) {
    const QString folder = qEnvironmentVariable("DOVAZEZ_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set DOVAZEZ_SCREENSHOTS to a folder to take the pictures";
    QDir().mkpath(folder);
    window->resize(1040, 900);
    // Something in the boxes, to see the type over the form.
    TypeAndLeave(QStringLiteral("edBigName"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    TypeAndLeave(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    TypeAndLeave(QStringLiteral("edP301"), QStringLiteral("23456,78"));
    Click(QStringLiteral("cbP327"));
    TypeAndLeave(QStringLiteral("edP005"), QStringLiteral("2"));
    TypeAndLeave(QStringLiteral("edCarIppoi1"), QStringLiteral("1600"));
    TypeAndLeave(QStringLiteral("edCarMonths1"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edCarPosost1"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edCarYear1"), QStringLiteral("7"));
    TypeAndLeave(QStringLiteral("edP211"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP213"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP215"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edP216"), QStringLiteral("1500"));
    TypeAndLeave(QStringLiteral("edTrapezaCode"), QStringLiteral("011"));
    TypeAndLeave(QStringLiteral("edIBAN"), QStringLiteral("1601101250000000012300695"));
    Click(QStringLiteral("cbMarried"));
    for (int page = 0; page < TfiE1::kPageCount; ++page) {
        window->pcPages->setCurrentIndex(page);
        QApplication::processEvents();
        window->grab().save(QStringLiteral("%1/page%2-top.png").arg(folder).arg(page + 1));
        if (page < TfiE1::kFormPages) {
            QScrollBar* bar = window->sbPages[page]->verticalScrollBar();
            bar->setValue(bar->maximum());
            QApplication::processEvents();
            window->grab().save(QStringLiteral("%1/page%2-bottom.png").arg(folder).arg(page + 1));
            bar->setValue(0);
        }
    }
}

}  // namespace
}  // namespace dz::test
