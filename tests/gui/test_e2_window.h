// A shown E2 window in a scratch folder, and typing into its fields as a user does.
#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "controls/user_dialogs.h"
#include "e2/fi_e2.h"
#include "e2/fi_select_list.h"
#include "entry_window_fixture.h"
#include "gui_helpers.h"

namespace dz::test {

class E2WindowTest : public EntryWindowFixture<TfiE2> {
protected:
    E2WindowTest() : EntryWindowFixture({1400, 900}, {QStringLiteral("Tables"), QStringLiteral("WParams")}) {}

    QLineEdit* F(const QString& name) const {
        auto* field = window->ControlAs<QLineEdit>(name);
        EXPECT_NE(field, nullptr) << name.toStdString();
        return field;
    }
    QLineEdit* F(const char* pattern, int n) const { return F(QString::fromLatin1(pattern).arg(n)); }
    QString T(const char* pattern, int n) const { return F(pattern, n)->text(); }

    // Keys as a keyboard gives them: ASCII through QTest, other characters (Greek) as key
    // events that carry their text.
    static void Keys(QWidget* field, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(field, c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(field, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(field, &release);
            }
        }
    }

    // As the user reaches a control: the window active, the control's page shown, in view.
    void Reach(QWidget* control) {
        if (QApplication::activeWindow() != window) {
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        for (int page = 0; page < TfiE2::kPageCount; ++page)
            if (window->sbPages[page]->isAncestorOf(control)) {
                window->pcPages->setCurrentIndex(page);
                window->sbPages[page]->ensureWidgetVisible(control);
            }
    }

    // Enters the field, replaces its text by typing, and leaves it with Enter.
    void Type(const QString& name, const QString& text) {
        QLineEdit* field = F(name);
        ASSERT_TRUE(field->isEnabled()) << name.toStdString() << " is closed";
        Reach(field);
        field->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field) << name.toStdString();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        Keys(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void Type(const char* pattern, int n, const QString& text) { Type(QString::fromLatin1(pattern).arg(n), text); }

    // Clicks the pick button and chooses entry `index` in its dialog (nothing when negative:
    // the dialog is closed).
    void Pick(const QString& button, int index) {
        WhenModal([index](QWidget* modal) {
            auto* dialog = qobject_cast<TfiSelectList*>(modal);
            ASSERT_NE(dialog, nullptr);
            if (index < 0) {
                dialog->reject();
                return;
            }
            dialog->findChildren<QRadioButton*>().at(index)->click();
            dialog->AcceptClick();
        });
        auto* pick = window->ControlAs<QToolButton>(button);
        ASSERT_NE(pick, nullptr) << button.toStdString();
        Reach(pick);
        QTest::mouseClick(pick, Qt::LeftButton);
    }
    void Pick(const char* pattern, int position, int index) { Pick(QString::fromLatin1(pattern).arg(position), index); }

    ScriptedDialogs dialogs;
};

}  // namespace dz::test
