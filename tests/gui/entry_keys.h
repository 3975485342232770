// Checks that the keyboard tests of the E1 and E2 windows share: where the focus is after a key.
#pragma once
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

#include "controls/entry_window.h"
#include "controls/focus_chain.h"

namespace dz::test {

inline QScrollArea* PageOf(const EntryWindow& window, int index) {
    return qobject_cast<QScrollArea*>(window.pcPages->widget(index));
}

inline std::vector<QWidget*> FieldsOfPage(const EntryWindow& window, int index) {
    return FieldsWithin(PageOf(window, index)->widget());
}

inline std::string FocusName(const QWidget* w) { return w ? w->objectName().toStdString() : "nothing"; }

// The focus is on a field of the page shown, wholly inside the page's view.
inline ::testing::AssertionResult OnAFieldInView(const EntryWindow& window) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || qobject_cast<QAbstractScrollArea*>(focus) || qobject_cast<QTabBar*>(focus) ||
        focus == window.pcPages)
        return ::testing::AssertionFailure() << "the focus is on " << FocusName(focus);
    QScrollArea* page = PageOf(window, window.pcPages->currentIndex());
    if (!page->widget()->isAncestorOf(focus))
        return ::testing::AssertionFailure() << FocusName(focus) << " is not on the page shown";
    const QRect place(focus->mapTo(page->viewport(), QPoint(0, 0)), focus->size());
    if (!page->viewport()->rect().contains(place))
        return ::testing::AssertionFailure() << FocusName(focus) << " lies out of view";
    return ::testing::AssertionSuccess();
}

struct PageEndCase {
    const char* name;
    int page;
    bool fromLast;  // the key is pressed in the page's last field, else in its first
    int key;
    int toPage;
    bool toLast;
};

// Each key pressed at a page's end lands on the first or last field of the page it leads to.
inline void CheckPageEnds(EntryWindow& window, const std::vector<PageEndCase>& cases) {
    for (const PageEndCase& c : cases) {
        window.pcPages->setCurrentIndex(c.page);
        const std::vector<QWidget*> from = FieldsOfPage(window, c.page);
        ASSERT_FALSE(from.empty()) << c.name;
        (c.fromLast ? from.back() : from.front())->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(c.key));
        EXPECT_EQ(window.pcPages->currentIndex(), c.toPage) << c.name;
        const std::vector<QWidget*> to = FieldsOfPage(window, c.toPage);
        EXPECT_EQ(FocusName(QApplication::focusWidget()), FocusName(c.toLast ? to.back() : to.front())) << c.name;
        EXPECT_TRUE(OnAFieldInView(window)) << c.name;
    }
}

}  // namespace dz::test
