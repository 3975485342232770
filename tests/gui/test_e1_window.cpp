// The E1 window as built: its pages, its controls over the boxes, its commands, its keys and wheel.
#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "controls/edit_afm.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "declaration/e1_bindings.h"
#include "test_e1_fixture.h"
#include "forms/form_page.h"
#include "model/e1_codes.h"

namespace dz::test {
namespace {

using E1Build = E1Window;

TEST_F(E1Build, PagesCommandsAndState) {
    EXPECT_EQ(window->objectName(), QStringLiteral("fiE1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Δήλωση Φορολογίας Εισοδήματος (Ε1)"));
    const QStringList tabs = {QStringLiteral("Σελίδα 1"), QStringLiteral("Σελίδα 2"), QStringLiteral("Σελίδα 3"),
                              QStringLiteral("Σελίδα 4"), QStringLiteral("Ειδικές Περιπτώσεις")};
    ASSERT_EQ(window->pcPages->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(window->pcPages->tabText(i), tabs[i]) << i;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window->sbPages[i]->objectName(), QStringLiteral("sbPage%1").arg(i + 1));
        EXPECT_EQ(window->sbPages[i]->widget()->size(), forms::E1Page(i).pixels) << "page " << i + 1;
        EXPECT_EQ(window->sbPages[i]->verticalScrollBar()->value(), 0);
    }
    EXPECT_EQ(window->pcPages->currentIndex(), 0);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(QApplication::focusWidget(), window->Control(QStringLiteral("edDoy")));
    for (const char* item : {"miSave", "miPrint", "miEka2003", "miPreview"})
        EXPECT_NE(window->findChild<QAction*>(QLatin1String(item)), nullptr) << item;
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("miSaveAs")), nullptr);
    // Until the print dialogs exist, their commands are off.
    EXPECT_FALSE(window->miPrint->isEnabled());
    EXPECT_FALSE(window->Control(QStringLiteral("btPrintAuto"))->isEnabled());
}

TEST_F(E1Build, EveryCodeHasAControlOfItsKindOverItsBox) {
    int count = 0;
    for (const E1CodeBox& code : E1CodeBoxes()) {
        const QString name = CodeControlName(code.code);
        QWidget* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(window->CodeControl(code.code), control) << name.toStdString();
        ++count;
        switch (code.kind) {
        case CodeKind::YesNo:
            EXPECT_TRUE(qobject_cast<QCheckBox*>(control)) << name.toStdString();
            break;
        case CodeKind::Integer:
            EXPECT_TRUE(qobject_cast<TEditInt*>(control)) << name.toStdString();
            break;
        default:
            EXPECT_TRUE(qobject_cast<TEditReal*>(control)) << name.toStdString();
        }
        EXPECT_TRUE(window->pcPages->widget(code.page)->isAncestorOf(control)) << name.toStdString();
        if (code.page < 4) {
            const forms::FormBox* box = forms::E1Page(code.page).Find(name);
            ASSERT_NE(box, nullptr) << name.toStdString();
            if (box->presence == forms::Presence::Hidden) continue;
            // Over its box, inside the printed rule.
            const QRect r = forms::ToPixels(box->rect, forms::E1Page(code.page).pixels);
            EXPECT_TRUE(r.contains(control->geometry())) << name.toStdString();
            EXPECT_GE(control->width(), r.width() - 4) << name.toStdString();
        }
    }
    EXPECT_EQ(count, 403);
    for (const char* hidden : {"edp093", "edp095", "edP992", "edP993", "edP994"})
        EXPECT_TRUE(window->Control(QLatin1String(hidden))->isHidden()) << hidden;
}

TEST_F(E1Build, RecordFieldsHaveControlsOfTheirKind) {
    for (const TextBinding& b : TextBindings()) {
        auto* edit = window->ControlAs<QLineEdit>(b.control);
        ASSERT_NE(edit, nullptr) << b.control.toStdString();
        EXPECT_EQ(edit->maxLength(), b.capacity) << b.control.toStdString();
    }
    for (const NumberBinding& b : NumberBindings()) {
        E1Declaration d;
        const bool isInteger = RangeOf(b.field(d)).has_value();
        QWidget* control = window->Control(b.control);
        ASSERT_NE(control, nullptr) << b.control.toStdString();
        if (isInteger) EXPECT_TRUE(qobject_cast<TEditInt*>(control)) << b.control.toStdString();
        else EXPECT_TRUE(qobject_cast<TEditReal*>(control)) << b.control.toStdString();
    }
    for (const FlagBinding& b : FlagBindings()) EXPECT_NE(window->ControlAs<QCheckBox>(b.control), nullptr);
    for (const char* afm : {"edAFM", "edSyzAFM", "edEkprosAFM", "ed801", "edP2AFM4", "edCompany12cAFM"})
        EXPECT_TRUE(window->ControlAs<TEditAFM>(QLatin1String(afm))) << afm;
    for (const char* other : {"sbDOY", "sbLastDOY", "btPrintAuto", "Button1", "imAutoType", "cbTelos500F",
                              "cbTelos500S", "cbTelos400F", "cbTelos400S"})
        EXPECT_NE(window->Control(QLatin1String(other)), nullptr) << other;
    EXPECT_EQ(box(QStringLiteral("cbExairesiF"))->text(), QStringLiteral("NAI"));
    EXPECT_EQ(box(QStringLiteral("cbP777"))->text(), QStringLiteral("ΝΑΙ"));
    EXPECT_EQ(window->Control(QStringLiteral("sbDOY"))->toolTip(), QStringLiteral("Κατάλογος Δ.Ο.Υ."));
    EXPECT_TRUE(window->Control(QStringLiteral("edP232"))->toolTip().startsWith(QStringLiteral("Η επιφάνεια")));
}

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

TEST_F(E1Build, KeysMoveBetweenFieldsAndPages) {
    QWidget* doy = window->Control(QStringLiteral("edDoy"));
    QWidget* postcode = window->Control(QStringLiteral("edDOYTK"));
    doy->setFocus();
    Press(doy, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), postcode) << "Enter: next field (the list button takes no focus)";
    Press(postcode, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), doy) << "Up: previous field";
    Press(doy, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), postcode) << "Down: next field";

    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int from;
        int to;
    } pages[] = {
        {"PgDn", Qt::Key_PageDown, Qt::NoModifier, 0, 1},
        {"PgDn wraps", Qt::Key_PageDown, Qt::NoModifier, 4, 0},
        {"PgUp wraps", Qt::Key_PageUp, Qt::NoModifier, 0, 4},
        {"PgUp", Qt::Key_PageUp, Qt::NoModifier, 3, 2},
        {"Ctrl+PgDn on the special cases", Qt::Key_PageDown, Qt::ControlModifier, 4, 0},
        {"Ctrl+PgUp on the special cases", Qt::Key_PageUp, Qt::ControlModifier, 4, 3},
        {"Ctrl+PgDn on a form page scrolls", Qt::Key_PageDown, Qt::ControlModifier, 2, 2},
    };
    for (const auto& c : pages) {
        window->pcPages->setCurrentIndex(c.from);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus && window->isAncestorOf(focus)) << c.name;
        Press(focus, c.key, c.modifiers);
        EXPECT_EQ(window->pcPages->currentIndex(), c.to) << c.name;
        if (c.to == 0)
            EXPECT_EQ(QApplication::focusWidget(), window->Control(QStringLiteral("edDoy"))) << c.name << ": page 1 "
                                                                                               "shown, tax office";
        else
            EXPECT_TRUE(window->pcPages->currentWidget()->isAncestorOf(QApplication::focusWidget()))
                << c.name << ": the keys go on working on the new page";
    }
}

TEST_F(E1Build, CtrlKeysAndTheWheelScroll) {
    QScrollBar* page1 = window->sbPages[0]->verticalScrollBar();
    QScrollBar* page3 = window->sbPages[2]->verticalScrollBar();
    window->pcPages->setCurrentIndex(2);
    QWidget* field = QApplication::focusWidget();
    ASSERT_TRUE(field && window->sbPages[2]->isAncestorOf(field));
    page3->setValue(0);
    Press(field, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(page3->value(), 50);
    Press(field, Qt::Key_PageUp, Qt::ControlModifier);
    Press(field, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(page3->value(), 0) << "stops at the top";
    Press(field, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page1->value(), std::min(400, page1->maximum())) << "Ctrl+End scrolls page 1's box";
    EXPECT_EQ(page3->value(), 0);
    Press(field, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(page1->value(), 0);
    EXPECT_EQ(window->pcPages->currentIndex(), 2);

    const auto wheel = [&](int delta) {
        QWidget* viewport = window->sbPages[2]->viewport();
        const QPointF at(50, 50);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    page3->setValue(100);
    wheel(-120);
    EXPECT_EQ(page3->value(), 106) << "a notch towards the user";
    wheel(-360);
    EXPECT_EQ(page3->value(), 124);
    wheel(120);
    EXPECT_EQ(page3->value(), 118) << "a notch away from the user";
}

TEST_F(E1Build, EscapeClosesAtOnceWhenNothingChanged) {
    QWidget* doy = window->Control(QStringLiteral("edDoy"));
    ScriptedDialogs dialogs;
    Press(doy, Qt::Key_Escape);
    QApplication::processEvents();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "closed and destroyed";
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(E1Build, ExemptionPictureShowsWhileInTheExemptionField) {
    QWidget* picture = window->Control(QStringLiteral("imAutoType"));
    EXPECT_TRUE(picture->isHidden());
    Type(QStringLiteral("edCarMeiwsi2"), QString());
    EXPECT_FALSE(picture->isHidden());
    Leave(QStringLiteral("edCarMeiwsi2"));
    EXPECT_TRUE(picture->isHidden());
}

}  // namespace
}  // namespace dz::test
