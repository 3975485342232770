// A shown E1 window in a scratch working folder, and the typing the E1 tests do in it.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "controls/user_dialogs.h"
#include "e1/fi_e1.h"
#include "entry_window_fixture.h"

namespace dz::test {

class E1Window : public EntryWindowFixture<TfiE1> {
protected:
    E1Window() : EntryWindowFixture({1100, 800}, {QStringLiteral("Tables")}) {}

    QLineEdit* edit(const QString& name) const {
        auto* field = window->ControlAs<QLineEdit>(name);
        EXPECT_NE(field, nullptr) << name.toStdString();
        return field;
    }
    QCheckBox* box(const QString& name) const {
        auto* b = window->ControlAs<QCheckBox>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b;
    }
    // Shows the page of `control` so that it can take the focus.
    void ShowPageOf(QWidget* control) const {
        for (int page = 0; page < TfiE1::kPageCount; ++page) {
            QWidget* sheet = window->pcPages->widget(page);
            if (sheet->isAncestorOf(control)) window->pcPages->setCurrentIndex(page);
        }
    }
    // Types into a field as the user does: focus, keys.
    void Type(const QString& name, const QString& text) const {
        QLineEdit* field = edit(name);
        ShowPageOf(field);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        for (const QChar c : text) {
            // QTest knows only ASCII keys; Greek letters arrive as the text of a key event.
            QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : 0,
                            Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    // Leaves the focused field for nowhere in particular.
    void Leave(const QString& name) const { edit(name)->clearFocus(); }
    void TypeAndLeave(const QString& name, const QString& text) const {
        Type(name, text);
        Leave(name);
    }
    void Click(const QString& name) const {
        QCheckBox* b = box(name);
        ShowPageOf(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

};

}  // namespace dz::test
