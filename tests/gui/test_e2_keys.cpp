// The E2 window at an office screen's width: the focus always on a field, the focused field in
// view, and one menu for one right-click.
#include <QAbstractScrollArea>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "controls/edit_field.h"
#include "controls/focus_chain.h"
#include "entry_keys.h"
#include "e2/fi_e2_names.h"
#include "test_e2_window.h"

namespace dz {
namespace {

using test::E2WindowTest;

class E2Keys : public E2WindowTest {
protected:
    void SetUp() override {
        E2WindowTest::SetUp();
        window->resize(1024, 768);
        QCoreApplication::processEvents();
    }

    QScrollArea* Page(int index) const { return window->sbPages[index]; }
    std::vector<QWidget*> Fields(int page) const { return FieldsWithin(Page(page)->widget()); }
    static std::string Name(const QWidget* w) { return w ? w->objectName().toStdString() : "nothing"; }

    ::testing::AssertionResult OnAFieldInView() const { return test::OnAFieldInView(*window); }

    static void Press(int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }

    // A right-click as the mouse gives it to the window: a press, then the request for a menu.
    void RightClickAt(QWidget* on, QPoint at) {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, on->mapTo(window, at));
        QCoreApplication::processEvents();
    }
};

TEST_F(E2Keys, EnterAlongARowKeepsEachFieldInViewOutToTheIncomeColumns) {
    QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);  // every income column open for typing
    ASSERT_LT(Page(0)->viewport()->width(), Page(0)->widget()->width()) << "the row is wider than the view";
    Reach(F("edTopos1"));
    F("edTopos1")->setFocus(Qt::TabFocusReason);
    int steps = 0;
    while (QApplication::focusWidget() != F("edLi1") && steps++ < 40) {
        Press(Qt::Key_Return);
        ASSERT_TRUE(OnAFieldInView()) << "Enter number " << steps;
    }
    ASSERT_EQ(QApplication::focusWidget(), F("edLi1"));
    EXPECT_GT(Page(0)->horizontalScrollBar()->value(), 0) << "the page follows the row to the right";
    QTest::keyClick(F("edLi1"), Qt::Key_7);
    EXPECT_EQ(T("edLi%1", 1), QStringLiteral("7")) << "the digit goes into the field in view";
}

TEST_F(E2Keys, AMessageBoxOnLeavingAFieldLeavesTheFocusOnTheNextField) {
    QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);  // every income column open for typing
    QLineEdit* share = F("edSinid1");
    Reach(share);
    share->setFocus(Qt::TabFocusReason);
    // As a warning box does: it comes up while the share is being left, takes the activation
    // and the focus, and goes.
    QObject boxShown;
    int boxes = 0;
    QObject::connect(static_cast<EditField*>(share), &EditField::exited, &boxShown, [&boxes] {
        QWidget box;
        box.show();
        QApplication::setActiveWindow(&box);
        ++boxes;
    });
    QTest::keyClick(share, Qt::Key_Return);
    ASSERT_EQ(boxes, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }))
        << "the window is active again";
    EXPECT_EQ(Name(QApplication::focusWidget()), Name(F("edKat1")));
    EXPECT_TRUE(OnAFieldInView());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
    EXPECT_EQ(T("edKat%1", 1), QStringLiteral("7")) << "the typing goes on in the next field";
}

TEST_F(E2Keys, AClickOnAHalfHiddenFieldBringsItIntoView) {
    QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);  // every income column open for typing
    QLineEdit* income = F("edKat3");
    Reach(F("edTopos3"));
    QScrollBar* bar = Page(0)->horizontalScrollBar();
    bar->setValue(0);
    // The view's right edge cuts the field in two.
    const int left = income->mapTo(Page(0)->widget(), QPoint(0, 0)).x();
    bar->setValue(left + income->width() / 2 - Page(0)->viewport()->width());
    const QPoint visible = income->mapFrom(Page(0)->viewport(), QPoint(Page(0)->viewport()->width() - 3, 0));
    ASSERT_LT(visible.x(), income->width()) << "part of the field shows";
    QTest::mouseClick(income, Qt::LeftButton, {}, QPoint(visible.x(), income->height() / 2));
    EXPECT_EQ(Name(QApplication::focusWidget()), Name(income));
    EXPECT_TRUE(OnAFieldInView());
}

TEST_F(E2Keys, AWindowGrowingToItsSizeScrollsBackAsFarAsTheFocusedFieldAllows) {
    // As the main window opens it: small first, the name field focused, then full size.
    window->resize(400, 300);
    QCoreApplication::processEvents();
    QLineEdit* name = F("edBigName");
    name->setFocus(Qt::OtherFocusReason);
    ASSERT_GT(Page(0)->horizontalScrollBar()->value(), 0) << "the small view follows the field";
    window->resize(1024, 768);
    QCoreApplication::processEvents();
    EXPECT_TRUE(OnAFieldInView());
    EXPECT_EQ(Page(0)->horizontalScrollBar()->value(), 0) << "the page shows from its left edge again";
}

TEST_F(E2Keys, PageEndsLeadToTheNeighbouringPage) {
    test::CheckPageEnds(*window, {
        {"Enter past page 1", 0, true, Qt::Key_Return, 1, false},
        {"Down past page 1", 0, true, Qt::Key_Down, 1, false},
        {"Up before page 2", 1, false, Qt::Key_Up, 0, true},
        {"Up before page 1 stays", 0, false, Qt::Key_Up, 0, false},
        {"Enter past page 2 stays", 1, true, Qt::Key_Return, 1, true},
    });
}

TEST_F(E2Keys, ARightClickOpensOneMenu) {
    auto* label = window->ControlAs<QLabel>(QStringLiteral("Label4"));
    ASSERT_NE(label, nullptr);
    QWidget* canvas = label->parentWidget();
    Reach(label);
    const struct {
        const char* name;
        QWidget* on;
        QPoint at;
        QMenu* menu;
        int row;  // the row the menu works on afterwards
    } cases[] = {
        {"on a row number", label, label->rect().center(), window->pmEdit, 4},
        {"on the page beside the rows", canvas, label->mapTo(canvas, QPoint(-6, label->height() / 2)),
         window->PopupMenu1, 4},
    };
    for (const auto& c : cases) {
        const QPoint onCanvas = c.on == canvas ? c.at : c.on->mapTo(canvas, c.at);
        ASSERT_EQ(canvas->childAt(onCanvas), c.on == canvas ? nullptr : c.on)
            << c.name << ": the click's target";
        RightClickAt(c.on, c.at);
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, c.menu) << c.name;
        const QList<QMenu*> all = window->findChildren<QMenu*>();
        const auto menus = std::count_if(all.cbegin(), all.cend(), [](QMenu* m) { return m->isVisible(); });
        EXPECT_EQ(menus, 1) << c.name << ": one menu shows";
        EXPECT_EQ(window->CurrentRow, c.row) << c.name;
        if (popup) QTest::keyClick(popup, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.name << ": Escape closes it";
    }
}

}  // namespace
}  // namespace dz
