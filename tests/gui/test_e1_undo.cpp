// Undo and redo in the E1 window, driven by real keys: a step per box left or ticked, with the
// presumptions it set off; back at the opened form nothing is left to save; redo dropped by a new edit.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/user_dialogs.h"
#include "e1/fi_e1.h"
#include "test_e1_fixture.h"

namespace dz {
namespace {

class E1Undo : public test::E1Window {
protected:
    // The keys sent where the focus is, as the user presses them.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }
    void Undo() { Press(Qt::Key_Z, Qt::ControlModifier); }
    void RedoY() { Press(Qt::Key_Y, Qt::ControlModifier); }
    void RedoShiftZ() { Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    // Leaves the box for the next one, with the key, and lets the step settle.
    void TypeAndTab(const QString& name, const QString& text) {
        Type(name, text);
        Press(Qt::Key_Tab, Qt::NoModifier);
    }
};

TEST_F(E1Undo, EditsUndoneToTheOpenedFormAndRedoneToTheEditedOne) {
    ScriptedDialogs dialogs;
    const E1Form opened = window->Form();
    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("30000"));
    TypeAndTab(QStringLiteral("edP302"), QStringLiteral("12000"));
    Click(QStringLiteral("cbMarried"));
    QApplication::processEvents();
    // A car whose presumption the window computes when its months are left.
    TypeAndTab(QStringLiteral("edCarIppoi1"), QStringLiteral("1600"));
    TypeAndTab(QStringLiteral("edCarYear1"), QStringLiteral("2008"));
    TypeAndTab(QStringLiteral("edCarPosost1"), QStringLiteral("100"));
    TypeAndTab(QStringLiteral("edCarMonths1"), QStringLiteral("12"));
    const E1Form edited = window->Form();
    ASSERT_FALSE(edit(QStringLiteral("edP851"))->text().isEmpty()) << "the car's presumption was computed";
    ASSERT_TRUE(window->Modified());
    const std::size_t steps = window->History().Steps();
    EXPECT_EQ(steps, 7u) << "one step per box left or ticked";

    // The last step takes the months and the presumption they set off together.
    Undo();
    EXPECT_TRUE(edit(QStringLiteral("edCarMonths1"))->text().isEmpty());
    EXPECT_TRUE(edit(QStringLiteral("edP851"))->text().isEmpty()) << "the presumption went with its months";

    for (std::size_t i = 1; i < steps; ++i) Undo();
    EXPECT_EQ(window->Form(), opened) << "undone to the opened form";
    EXPECT_FALSE(window->Modified()) << "nothing left to save";
    EXPECT_FALSE(window->miUndo->isEnabled());

    for (std::size_t i = 0; i < steps; ++i) (i % 2 ? RedoY() : RedoShiftZ());
    EXPECT_EQ(window->Form(), edited) << "redone to the edited form";
    EXPECT_TRUE(window->Modified());

    // A new edit after undoing drops what was undone.
    Undo();
    TypeAndTab(QStringLiteral("edP303"), QStringLiteral("500"));
    EXPECT_FALSE(window->miRedo->isEnabled());
    RedoY();
    EXPECT_EQ(edit(QStringLiteral("edP303"))->text(), QStringLiteral("500,00")) << "no redo after a new edit";
}

TEST_F(E1Undo, WhatIsBeingTypedIsTheFirstStepUndone) {
    ScriptedDialogs dialogs;
    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("30000"));
    const QString left = edit(QStringLiteral("edP301"))->text();
    Type(QStringLiteral("edP301"), QStringLiteral("45000"));
    Undo();
    EXPECT_EQ(edit(QStringLiteral("edP301"))->text(), left) << "the box shows what it held before the typing";
    EXPECT_TRUE(edit(QStringLiteral("edP301"))->hasFocus()) << "and keeps the focus";
    Undo();
    EXPECT_TRUE(edit(QStringLiteral("edP301"))->text().isEmpty());
    RedoY();
    RedoY();
    EXPECT_EQ(edit(QStringLiteral("edP301"))->text(), QStringLiteral("45000")) << "the typing comes back as it was";
}

TEST_F(E1Undo, UndoingToTheSavedFormClearsTheMarkAndWritesNothing) {
    ScriptedDialogs dialogs;
    TypeAndTab(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("30000"));
    window->miSave->trigger();
    ASSERT_FALSE(window->Modified());
    const QByteArray saved = folder.readFile(QStringLiteral("Tables/E1123456783.dta"));
    const QStringList shownBySave = UserDialogs::ShownTexts();
    TypeAndTab(QStringLiteral("edP303"), QStringLiteral("700"));
    EXPECT_TRUE(window->Modified());
    Undo();
    EXPECT_FALSE(window->Modified()) << "back at the saved form";
    Undo();
    EXPECT_TRUE(window->Modified()) << "before the save is a change again";
    EXPECT_EQ(folder.readFile(QStringLiteral("Tables/E1123456783.dta")), saved) << "undo writes no file";
    EXPECT_EQ(UserDialogs::ShownTexts(), shownBySave) << "and asks nothing";
}

}  // namespace
}  // namespace dz
