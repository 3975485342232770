// The E1 window by keyboard alone: Enter, Down and Up walk every field of the four pages and
// the special cases, the focus always on a field in view; PgUp/PgDn work on check boxes too.
#include <QAbstractScrollArea>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <algorithm>

#include "controls/focus_chain.h"
#include "entry_keys.h"
#include "test_e1_fixture.h"

namespace dz::test {
namespace {

class E1Keys : public E1Window {
protected:
    void SetUp() override {
        E1Window::SetUp();
        window->resize(1024, 768);
        QCoreApplication::processEvents();
    }

    QScrollArea* Page(int index) const { return qobject_cast<QScrollArea*>(window->pcPages->widget(index)); }
    std::vector<QWidget*> Fields(int page) const { return FieldsWithin(Page(page)->widget()); }
    static QString Name(const QWidget* w) { return w ? w->objectName() : QStringLiteral("nothing"); }

    ::testing::AssertionResult OnAFieldInView() const { return test::OnAFieldInView(*window); }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

TEST_F(E1Keys, EnterAndUpWalkEveryFieldOfEveryPageInView) {
    ScriptedDialogs dialogs;
    int fieldCount = 0;
    for (int page = 0; page < TfiE1::kPageCount; ++page) fieldCount += int(Fields(page).size());
    Fields(0).front()->setFocus();

    const struct {
        const char* name;
        int key;
        int firstPage;
        int lastPage;
    } walks[] = {{"Enter", Qt::Key_Return, 0, TfiE1::kPageCount - 1}, {"Up", Qt::Key_Up, TfiE1::kPageCount - 1, 0}};
    for (const auto& walk : walks) {
        int page = walk.firstPage;
        int steps = 0;
        for (QWidget* before = nullptr; before != QApplication::focusWidget() && steps <= fieldCount; ++steps) {
            before = QApplication::focusWidget();
            Press(walk.key);
            ASSERT_TRUE(OnAFieldInView()) << walk.name << " from " << Name(before).toStdString();
            const int now = window->pcPages->currentIndex();
            ASSERT_TRUE(now == page || now == page + (walk.lastPage > walk.firstPage ? 1 : -1))
                << walk.name << " from " << Name(before).toStdString() << ": page " << now + 1 << " after page "
                << page + 1;
            page = now;
        }
        EXPECT_EQ(page, walk.lastPage) << walk.name << ": the walk ends on the last page it goes to";
        const std::vector<QWidget*> last = Fields(walk.lastPage);
        EXPECT_EQ(QApplication::focusWidget(), walk.key == Qt::Key_Up ? last.front() : last.back())
            << walk.name << ": it stops at the end of the last page, it does not wrap";
        EXPECT_EQ(steps, fieldCount) << walk.name << ": every field on the way, then the stop";
    }
}

TEST_F(E1Keys, PageEndsLeadToTheNeighbouringPage) {
    ScriptedDialogs dialogs;
    test::CheckPageEnds(*window, {
        {"Enter past page 1", 0, true, Qt::Key_Return, 1, false},
        {"Down past page 3", 2, true, Qt::Key_Down, 3, false},
        {"Down past page 4 to the special cases", 3, true, Qt::Key_Down, 4, false},
        {"Up before page 2", 1, false, Qt::Key_Up, 0, true},
        {"Up before the special cases", 4, false, Qt::Key_Up, 3, true},
        {"Up before page 1 stays", 0, false, Qt::Key_Up, 0, false},
        {"Enter past the special cases stays", 4, true, Qt::Key_Return, 4, true},
    });

    // Tab and Shift+Tab go as Enter and Up do, never to a field of a page that is not showing.
    const struct {
        const char* name;
        int page;
        int key;
        Qt::KeyboardModifiers modifiers;
        int toPage;
    } tabs[] = {
        {"Tab past page 2", 1, Qt::Key_Tab, Qt::NoModifier, 2},
        {"Tab past the special cases", 4, Qt::Key_Tab, Qt::NoModifier, 4},
        {"Shift+Tab before page 4", 3, Qt::Key_Backtab, Qt::ShiftModifier, 2},
    };
    for (const auto& c : tabs) {
        window->pcPages->setCurrentIndex(c.page);
        const std::vector<QWidget*> fields = Fields(c.page);
        (c.key == Qt::Key_Tab ? fields.back() : fields.front())->setFocus(Qt::OtherFocusReason);
        Press(c.key, c.modifiers);
        EXPECT_EQ(window->pcPages->currentIndex(), c.toPage) << c.name;
        EXPECT_TRUE(OnAFieldInView()) << c.name;
    }
}

TEST_F(E1Keys, CheckBoxesAndButtonsTakeTheNavigationKeys) {
    ScriptedDialogs dialogs;
    const auto firstBox = [&](int page) -> QWidget* {
        for (QWidget* w : Fields(page))
            if (qobject_cast<QCheckBox*>(w)) return w;
        return nullptr;
    };
    const struct {
        const char* name;
        QWidget* control;
        int key;
        int toPage;
    } cases[] = {
        {"PgDn on a box of page 1", firstBox(0), Qt::Key_PageDown, 1},
        {"PgUp on a box of page 3", firstBox(2), Qt::Key_PageUp, 1},
        {"PgDn on a box of the special cases wraps", firstBox(4), Qt::Key_PageDown, 0},
        // -1: the page before the button's
        {"PgUp on the horsepower button", window->Control(QStringLiteral("Button1")), Qt::Key_PageUp, -1},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        ShowPageOf(c.control);
        const int page = window->pcPages->currentIndex();
        c.control->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), c.control) << c.name;
        Press(c.key);
        const int before = (page + TfiE1::kPageCount - 1) % TfiE1::kPageCount;
        EXPECT_EQ(window->pcPages->currentIndex(), c.toPage >= 0 ? c.toPage : before) << c.name;
        EXPECT_TRUE(OnAFieldInView()) << c.name;
    }

    // Enter and the arrows go from a box or a button to the next field, and Space still ticks.
    for (QWidget* control : {firstBox(0), window->Control(QStringLiteral("Button1"))}) {
        ShowPageOf(control);
        const std::vector<QWidget*> fields = Fields(window->pcPages->currentIndex());
        const auto at = std::find(fields.begin(), fields.end(), control);
        ASSERT_TRUE(at != fields.end() && at + 1 != fields.end()) << Name(control).toStdString();
        for (const int key : {Qt::Key_Return, Qt::Key_Down}) {
            control->setFocus(Qt::OtherFocusReason);
            Press(key);
            EXPECT_EQ(QApplication::focusWidget(), at[1]) << Name(control).toStdString() << " key " << key;
        }
        control->setFocus(Qt::OtherFocusReason);
        Press(Qt::Key_Up);
        EXPECT_EQ(QApplication::focusWidget(), at == fields.begin() ? control : at[-1]) << Name(control).toStdString();
    }
    auto* box = qobject_cast<QCheckBox*>(firstBox(0));
    ShowPageOf(box);
    box->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Space);
    EXPECT_TRUE(box->isChecked()) << "Space ticks the box";
}

TEST_F(E1Keys, AClickOnAHalfHiddenFieldBringsItIntoView) {
    QWidget* field = window->Control(QStringLiteral("edP301"));
    ASSERT_NE(field, nullptr);
    ShowPageOf(field);
    QScrollArea* page = Page(window->pcPages->currentIndex());
    // Scrolled so that the view's lower edge cuts the field in two.
    const int top = field->mapTo(page->widget(), QPoint(0, 0)).y();
    const int cut = top + field->height() / 2 - page->viewport()->height();
    page->verticalScrollBar()->setValue(cut);
    ASSERT_EQ(page->verticalScrollBar()->value(), cut) << "the page scrolls that far";
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() / 2, 2));
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_TRUE(OnAFieldInView());
}

}  // namespace
}  // namespace dz::test
