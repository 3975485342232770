// The entry fields driven by real key and focus events: TEditInt, TEditReal, TEditAFM.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <cctype>
#include <memory>
#include <string>

#include "controls/user_dialogs.h"
#include "controls/edit_afm.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "gui_helpers.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace dz {
namespace {

void TypeText(QWidget* widget, const QString& keys);

const QString kLabel = QStringLiteral("κωδικός 301");

// A shown, active window holding a plain field, the field under test and the next plain field
// (in that tab order), so that entering and leaving are real focus changes.
template <class Field>
class FieldWindow {
public:
    FieldWindow() : window(std::make_unique<QWidget>()) {
        auto* layout = new QVBoxLayout(window.get());
        before = new QLineEdit(window.get());
        field = new Field(window.get());
        field->setAccessibleName(kLabel);  // as the windows name their boxes
        next = new QLineEdit(window.get());
        layout->addWidget(before);
        layout->addWidget(field);
        layout->addWidget(next);
        window->show();
        QApplication::setActiveWindow(window.get());
        active = QTest::qWaitForWindowActive(window.get());
        before->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void enter() {
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void leave() {
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void type(const QString& keys) { TypeText(field, keys); }

    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    Field* field = nullptr;
    QLineEdit* next = nullptr;
    bool active = false;
};

// Types `keys` one real key click at a time; unlike QTest::keyClicks also characters outside
// Latin-1 (Greek letters), which arrive as the key events a Greek keyboard gives.
void TypeText(QWidget* widget, const QString& keys) {
    for (const QChar c : keys) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        }
    }
}

// A field without a window's label (built on its own) names no box.
QString IntError(const QString& text, const QString& box = kLabel) {
    return box.isEmpty() ? QStringLiteral("Το «%1» δεν είναι έγκυρος ακέραιος αριθμός.").arg(text)
                         : QStringLiteral("Το «%1» δεν είναι έγκυρος ακέραιος αριθμός (%2).").arg(text, box);
}
QString FloatError(const QString& text, const QString& box = kLabel) {
    return box.isEmpty() ? QStringLiteral("Το «%1» δεν είναι έγκυρο ποσό.").arg(text)
                         : QStringLiteral("Το «%1» δεν είναι έγκυρο ποσό (%2).").arg(text, box);
}

// Readable test names from free text.
std::string CaseName(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// ---------------------------------------------------------------- TEditInt

struct IntTyping {
    const char* name;
    QString keys;
    QString text;
    int value;
    QStringList errors;
    int changes;  // OnChange raised
};

class IntTypingTest : public ::testing::TestWithParam<IntTyping> {};

TEST_P(IntTypingTest, TypedKeysGiveTextAndValue) {
    const IntTyping& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    QSignalSpy changes(w.field, &TEditInt::changed);
    w.enter();
    w.type(c.keys);
    EXPECT_EQ(w.field->text(), c.text);
    EXPECT_EQ(w.field->Value(), c.value);
    EXPECT_EQ(UserDialogs::ShownTexts(), c.errors);
    EXPECT_EQ(changes.count(), c.changes);
}

const IntTyping kIntTyping[] = {
    {"digit zero stays on screen", "0", "0", 0, {}, 1},
    {"digits", "123", "123", 123, {}, 3},
    {"negative", "-42", "-42", -42, {}, 3},
    {"lone minus counts as zero", "-", "-", 0, {}, 1},
    // A text that does not read is reported on leaving, never while typing.
    {"minus inside keeps the last good value", "1-2", "1-2", 1, {}, 1},
    {"letters comma and stop discarded", "1a2,b.3 ", "123", 123, {}, 3},
    {"greek letters discarded", QStringLiteral("αβ7"), "7", 7, {}, 1},
    {"beyond 32 bits keeps the last good value", "2147483648", "2147483648", 214748364, {}, 9},
    {"lowest 32 bit value", "-2147483648", "-2147483648", -2147483647 - 1, {}, 11},
};

INSTANTIATE_TEST_SUITE_P(EditInt, IntTypingTest, ::testing::ValuesIn(kIntTyping),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(EditInt, CreatedEmptyWithValueZero) {
    TEditInt field;
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(field.Value(), 0);
}

TEST(EditInt, SetValueShowsDigitsAndZeroEmpties) {
    ScriptedDialogs dialogs;
    TEditInt field;
    field.SetValue(1234);
    EXPECT_EQ(field.text(), "1234");
    EXPECT_EQ(field.Value(), 1234);
    field.SetValue(-7);
    EXPECT_EQ(field.text(), "-7");
    EXPECT_EQ(field.Value(), -7);
    field.SetValue(0);
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(field.Value(), 0);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST(EditInt, ValueFollowsTextSetDirectly) {
    ScriptedDialogs dialogs;
    TEditInt field;
    field.setText("15");
    EXPECT_EQ(field.Value(), 15);
    field.setText("x");
    EXPECT_EQ(field.Value(), 15);  // kept
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_EQ(field.Refusal(), IntError("x", QString()));
    field.setText("");
    EXPECT_EQ(field.Value(), 0);
}

TEST(EditInt, EnterIsDiscardedButReachesKeyDown) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    QList<int> downs;
    QStringList presses;
    QObject::connect(w.field, &EditField::keyDown, [&](QKeyEvent* e) { downs << e->key(); });
    QObject::connect(w.field, &EditField::keyPressed, [&](QKeyEvent* e) { presses << e->text(); });
    w.enter();
    w.type("5");
    QTest::keyClick(w.field, Qt::Key_Return);
    QTest::keyClick(w.field, Qt::Key_A);
    EXPECT_EQ(w.field->text(), "5");
    EXPECT_EQ(downs, (QList<int>{Qt::Key_5, Qt::Key_Return, Qt::Key_A}));
    EXPECT_EQ(presses, QStringList{"5"});  // OnKeyPress sees only what the field lets through
}

TEST(EditInt, BackspaceDeleteAndNavigationKeysEdit) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    w.enter();
    w.type("1234");
    QTest::keyClick(w.field, Qt::Key_Backspace);
    EXPECT_EQ(w.field->text(), "123");
    QTest::keyClick(w.field, Qt::Key_Home);
    QTest::keyClick(w.field, Qt::Key_Delete);
    EXPECT_EQ(w.field->text(), "23");
    QTest::keyClick(w.field, Qt::Key_Right);
    w.type("9");
    EXPECT_EQ(w.field->text(), "293");
    EXPECT_EQ(w.field->Value(), 293);
}

TEST(EditInt, CtrlShortcutsPassAndPastingIsNotFiltered) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    w.enter();
    w.type("12");
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.field->selectedText(), "12");
    QApplication::clipboard()->setText("7x");
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->text(), "7x");  // the text stays as pasted
    EXPECT_EQ(w.field->Value(), 12);   // and Value keeps its previous value
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    w.leave();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{IntError("7x")});
}

TEST(EditInt, LeavingRaisesOnExit) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    QSignalSpy exits(w.field, &TEditInt::exited);
    w.enter();
    w.type("42");
    EXPECT_EQ(exits.count(), 0);
    QTest::keyClick(w.field, Qt::Key_Tab);  // a real Tab moves on
    EXPECT_EQ(QApplication::focusWidget(), w.next);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(w.field->text(), "42");
}

// Leaving by a real Tab key: a text that does not read, or a number outside the range the
// record keeps, is refused with a Greek box naming the field; the focus stays, OnExit does not run.
struct IntLeaving {
    const char* name;
    QString keys;
    int value;  // after leaving
    QStringList errors;
};

class IntLeavingTest : public ::testing::TestWithParam<IntLeaving> {};

TEST_P(IntLeavingTest, RefusedTextKeepsTheFocus) {
    const IntLeaving& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    w.field->SetRange(-32768, 32767);  // a field of 16 bits, as the cars' cc
    QSignalSpy exits(w.field, &TEditInt::exited);
    w.enter();
    w.type(c.keys);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << "nothing is reported while typing";
    QTest::keyClick(w.field, Qt::Key_Tab);
    EXPECT_EQ(UserDialogs::ShownTexts(), c.errors);
    EXPECT_EQ(QApplication::focusWidget(), c.errors.isEmpty() ? static_cast<QWidget*>(w.next) : w.field);
    EXPECT_EQ(exits.count(), c.errors.isEmpty() ? 1 : 0);
    EXPECT_EQ(w.field->text(), c.keys);
    EXPECT_EQ(w.field->Value(), c.value);
}

const IntLeaving kIntLeaving[] = {
    {"in range", "32767", 32767, {}},
    {"minus inside", "1-2", 1, {IntError("1-2")}},
    {"above the range", "40000", 4000,
     {QStringLiteral("Το «40000» είναι εκτός ορίων: δεκτές τιμές από -32768 έως 32767 (κωδικός 301).")}},
    {"below the range", "-32769", -3276,
     {QStringLiteral("Το «-32769» είναι εκτός ορίων: δεκτές τιμές από -32768 έως 32767 (κωδικός 301).")}},
};

INSTANTIATE_TEST_SUITE_P(EditInt, IntLeavingTest, ::testing::ValuesIn(kIntLeaving),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(EditInt, MendedAfterARefusalTheFieldIsLeftAtLast) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditInt> w;
    ASSERT_TRUE(w.active);
    QSignalSpy exits(w.field, &TEditInt::exited);
    w.enter();
    w.type("1-2");
    QTest::keyClick(w.field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.field);
    w.type("\b\b");
    QTest::keyClick(w.field, Qt::Key_Backspace);
    QTest::keyClick(w.field, Qt::Key_Backspace);
    w.type("2");
    QTest::keyClick(w.field, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.next);
    EXPECT_EQ(w.field->Value(), 12);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{IntError("1-2")});
}

// ---------------------------------------------------------------- TEditReal

struct RealSetValue {
    const char* name;
    double x;
    QString text;
    double value;
};

class RealSetValueTest : public ::testing::TestWithParam<RealSetValue> {};

TEST_P(RealSetValueTest, ShowsAmountTextAndValueAsShown) {
    const RealSetValue& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    TEditReal field;
    field.SetValue(999);  // a previous value that must not survive
    field.SetValue(c.x);
    EXPECT_EQ(field.text(), c.text);
    EXPECT_EQ(field.Value(), c.value);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

const RealSetValue kRealSetValue[] = {
    {"zero empties", 0.0, "", 0.0},
    {"below half a cent", 0.004, "0,00", 0.0},
    {"minus below half a cent has no sign", -0.004, "0,00", 0.0},
    {"thousands", 1234.5, "1.234,50", 1234.5},
    {"half cent away from zero", 0.125, "0,13", 0.13},
    {"negative half cent", -0.125, "-0,13", -0.13},
    {"binary below half", 2.675, "2,67", 2.67},
    {"millions negative", -1234567.891, "-1.234.567,89", -1234567.89},
};

INSTANTIATE_TEST_SUITE_P(EditReal, RealSetValueTest, ::testing::ValuesIn(kRealSetValue),
                         [](const auto& info) { return CaseName(info.param.name); });

struct RealTyping {
    const char* name;
    QString keys;
    QString text;   // while still in the field
    double value;   // while still in the field
    QStringList errors = {};
};

class RealTypingTest : public ::testing::TestWithParam<RealTyping> {};

TEST_P(RealTypingTest, TypedKeysGiveTextAndValue) {
    const RealTyping& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    w.enter();
    w.type(c.keys);
    EXPECT_EQ(w.field->text(), c.text);
    EXPECT_EQ(w.field->Value(), c.value);
    EXPECT_EQ(UserDialogs::ShownTexts(), c.errors);
}

const RealTyping kRealTyping[] = {
    {"digits", "1234", "1234", 1234},
    {"decimal comma", "12,5", "12,5", 12.5},
    {"second comma ignored", "12,3,4", "12,34", 12.34},
    {"full stop ignored", "1.234", "1234", 1234},
    {"lone minus counts as zero", "-", "-", 0},
    {"negative", "-5,25", "-5,25", -5.25},
    {"letters and blanks ignored", "a1 b2", "12", 12},
    {"trailing comma reads", "7,", "7,", 7},
    {"lone comma keeps the last good value", ",5", ",5", 0.5},
    {"minus inside keeps the last good value", "1-2", "1-2", 1},
    {"whole digits stop at thirteen", "12345678901234", "1234567890123", 1234567890123},
    {"fifteen digits in all", "1234567890123,456", "1234567890123,45", 1234567890123.45},
    {"decimals take the digits the whole part leaves", "1,234567890123456", "1,23456789012345", 1.23456789012345},
};

INSTANTIATE_TEST_SUITE_P(EditReal, RealTypingTest, ::testing::ValuesIn(kRealTyping),
                         [](const auto& info) { return CaseName(info.param.name); });

struct RealLeaving {
    const char* name;
    QString keys;
    QString text;  // after leaving
    double value;  // after leaving
    int exits;
    QStringList errors = {};
};

class RealLeavingTest : public ::testing::TestWithParam<RealLeaving> {};

TEST_P(RealLeavingTest, LeavingShowsAmountTextAndKeepsValueUnrounded) {
    const RealLeaving& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QSignalSpy exits(w.field, &TEditReal::exited);
    w.enter();
    w.type(c.keys);
    w.leave();
    // A refused text keeps the focus in its field.
    EXPECT_EQ(QApplication::focusWidget(), c.errors.isEmpty() ? static_cast<QWidget*>(w.next) : w.field);
    EXPECT_EQ(w.field->text(), c.text);
    EXPECT_EQ(w.field->Value(), c.value);
    EXPECT_EQ(exits.count(), c.exits);
    EXPECT_EQ(UserDialogs::ShownTexts(), c.errors);
}

const RealLeaving kRealLeaving[] = {
    {"rounds on screen only", "12,345", "12,35", 12.345, 1},
    {"groups thousands", "1234,5", "1.234,50", 1234.5, 1},
    {"millions", "1234567,891", "1.234.567,89", 1234567.891, 1},
    {"half cent", "0,125", "0,13", 0.125, 1},
    {"tiny shows zero", "0,004", "0,00", 0.004, 1},
    {"tiny negative shows unsigned zero", "-0,004", "0,00", -0.004, 1},
    {"whole number", "5", "5,00", 5, 1},
    {"empty", "", "", 0, 1},
    {"largest amount reads back as typed", "9999999999999,99", "9.999.999.999.999,99", 9999999999999.99, 1},
    {"lone minus is refused", "-", "-", 0, 0, {FloatError("-")}},
    {"minus inside stays", "1-2", "1-2", 1, 0, {FloatError("1-2")}},
};

INSTANTIATE_TEST_SUITE_P(EditReal, RealLeavingTest, ::testing::ValuesIn(kRealLeaving),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(EditReal, CreatedEmptyRightAligned) {
    TEditReal field;
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(field.Value(), 0.0);
    EXPECT_EQ(field.Alignment(), Qt::AlignRight);
    field.SetAlignment(Qt::AlignHCenter);
    EXPECT_EQ(field.Alignment(), Qt::AlignHCenter);
    EXPECT_EQ(field.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    field.SetAlignment(Qt::AlignLeft);
    EXPECT_EQ(field.Alignment(), Qt::AlignLeft);
}

TEST(EditReal, EnteringRemovesThousandsAndSelectsAllLeavingRestores) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    w.field->SetValue(1234.5);
    EXPECT_EQ(w.field->text(), "1.234,50");
    w.enter();
    EXPECT_EQ(w.field->text(), "1234,50");
    EXPECT_EQ(w.field->selectedText(), "1234,50");
    EXPECT_EQ(w.field->Value(), 1234.5);
    w.leave();
    EXPECT_EQ(w.field->text(), "1.234,50");
    EXPECT_EQ(w.field->Value(), 1234.5);
    // Overtyping the selected text.
    w.enter();
    w.type("98765,4");
    w.leave();
    EXPECT_EQ(w.field->text(), "98.765,40");
    EXPECT_EQ(w.field->Value(), 98765.4);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST(EditReal, EnteringAnEmptyFieldLeavesItEmpty) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QSignalSpy changes(w.field, &TEditReal::changed);
    w.enter();
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(changes.count(), 0);
}

TEST(EditReal, CommaMayReplaceASelectedComma) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    w.field->SetValue(12.5);
    w.enter();  // "12,50", all selected
    QTest::keyClick(w.field, Qt::Key_Home);
    QTest::keyClick(w.field, Qt::Key_Right);
    QTest::keyClick(w.field, Qt::Key_Right);
    QTest::keyClick(w.field, Qt::Key_End, Qt::ShiftModifier);
    ASSERT_EQ(w.field->selectedText(), ",50");
    w.type(",75");
    EXPECT_EQ(w.field->text(), "12,75");
    EXPECT_EQ(w.field->Value(), 12.75);
    w.type(",");  // a second comma still is not
    EXPECT_EQ(w.field->text(), "12,75");
}

TEST(EditReal, LoneMinusKeepsThePreviousValueOnLeaving) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QSignalSpy exits(w.field, &TEditReal::exited);
    w.field->SetValue(7);
    w.enter();
    w.type("-");  // overtypes the selection; "-" counts as 0 while typing
    EXPECT_EQ(w.field->Value(), 0.0);
    w.leave();
    EXPECT_EQ(w.field->text(), "-");
    EXPECT_EQ(w.field->Value(), 0.0);
    EXPECT_EQ(exits.count(), 0);  // the window's OnExit does not run
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{FloatError("-")});
}

TEST(EditReal, ValueFollowsTextSetDirectly) {
    ScriptedDialogs dialogs;
    TEditReal field;
    field.setText("1.234,5");  // a pasted row
    EXPECT_EQ(field.Value(), 1234.5);
    field.setText("-");
    EXPECT_EQ(field.Value(), 0.0);
    field.setText("12,3");
    field.setText("abc");
    EXPECT_EQ(field.Value(), 12.3);
    EXPECT_EQ(field.text(), "abc");
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_EQ(field.Refusal(), FloatError("abc", QString()));
}

TEST(EditReal, OwnHandlingRunsBeforeTheWindowsEvents) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QList<double> valuesOnChange;
    QStringList textOnExit;
    QList<double> valueOnExit;
    QObject::connect(w.field, &EditField::changed, [&] { valuesOnChange << w.field->Value(); });
    QObject::connect(w.field, &EditField::exited, [&] {
        textOnExit << w.field->text();
        valueOnExit << w.field->Value();
    });
    w.enter();
    w.type("2,5");
    EXPECT_EQ(valuesOnChange, (QList<double>{2, 2, 2.5}));
    w.leave();
    EXPECT_EQ(textOnExit, QStringList{"2,50"});
    EXPECT_EQ(valueOnExit, QList<double>{2.5});
}

TEST(EditReal, KeyDownHandlerCanTakeTheKey) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    // The entry windows move on with Enter and Down from their key-down handler.
    QObject::connect(w.field, &EditField::keyDown, [&](QKeyEvent* e) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Down) {
            w.next->setFocus(Qt::TabFocusReason);
            e->accept();
        }
    });
    QSignalSpy exits(w.field, &TEditReal::exited);
    w.enter();
    w.type("3,456");
    QTest::keyClick(w.field, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.next);
    EXPECT_EQ(w.field->text(), "3,46");
    EXPECT_EQ(w.field->Value(), 3.456);
    EXPECT_EQ(exits.count(), 1);
}

TEST(EditReal, KeyPressHandlerCanSwallowACharacter) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QObject::connect(w.field, &EditField::keyPressed, [&](QKeyEvent* e) {
        if (e->text() == "9") e->accept();
    });
    w.enter();
    w.type("1929");
    EXPECT_EQ(w.field->text(), "12");
}

TEST(EditReal, AnotherWindowInFrontIsNotLeavingTheField) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditReal> w;
    ASSERT_TRUE(w.active);
    QSignalSpy exits(w.field, &TEditReal::exited);
    w.field->SetValue(1234.5);
    w.enter();
    w.type("12,345");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(w.field->text(), "12,345");
    EXPECT_EQ(exits.count(), 0);
    other.hide();
    QApplication::setActiveWindow(w.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    EXPECT_EQ(w.field->text(), "12,345");
    w.leave();
    EXPECT_EQ(w.field->text(), "12,35");
    EXPECT_EQ(exits.count(), 1);
}

TEST(EditReal, FocusComesBackAfterTheErrorBoxOfLeavingTheField) {
    UserDialogs::StopScript();  // a real box this time
    UserDialogs::ClearShownTexts();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new TEditReal(&window);
    auto* second = new TEditReal(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    second->SetValue(1234.5);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus(Qt::TabFocusReason);
    TypeText(first, "-");
    bool boxShown = false;
    test::WhenModal([&](QWidget* box) {
        boxShown = true;
        box->close();
    });
    QTest::keyClick(first, Qt::Key_Tab);  // the box runs inside the focus change
    EXPECT_TRUE(boxShown);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(second->text(), "1.234,50");
    EXPECT_EQ(first->text(), "-");
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{FloatError("-", QString())});
    UserDialogs::ClearShownTexts();
}

// ---------------------------------------------------------------- TEditAFM

struct AfmLeaving {
    const char* name;
    QString keys;
    bool informs;
};

class AfmLeavingTest : public ::testing::TestWithParam<AfmLeaving> {};

TEST_P(AfmLeavingTest, ChecksAfterTheWindowsOnExit) {
    const AfmLeaving& c = GetParam();
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    FieldWindow<TEditAFM> w;
    ASSERT_TRUE(w.active);
    QList<int> boxesBeforeOnExit;
    QObject::connect(w.field, &EditField::exited, [&] { boxesBeforeOnExit << static_cast<int>(UserDialogs::ShownTexts().size()); });
    w.enter();
    w.type(c.keys);
    w.leave();
    EXPECT_EQ(boxesBeforeOnExit, QList<int>{0});  // OnExit first
    const QStringList message{QStringLiteral("Το ΑΦΜ που δώσατε δεν είναι σωστό")};
    EXPECT_EQ(UserDialogs::ShownTexts(), c.informs ? message : QStringList{});
    EXPECT_EQ(w.field->text(), c.keys);  // never cleared
    EXPECT_EQ(QApplication::focusWidget(), w.next);
}

const AfmLeaving kAfmLeaving[] = {
    {"empty passes", "", false},
    {"valid", "123456783", false},
    {"two letters then nine digits", "EL123456783", false},
    {"greek letters then nine digits", QStringLiteral("ΑΦ123456783"), false},
    {"remainder ten", "100000090", false},
    {"all zeros", "000000000", false},
    {"wrong check digit", "123456789", true},
    {"eight digits", "12345678", true},
    {"eight digits then a letter", "12345678X", true},
};

INSTANTIATE_TEST_SUITE_P(EditAfm, AfmLeavingTest, ::testing::ValuesIn(kAfmLeaving),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(EditAfm, AnyCharacterTypedAndEveryEventReachesTheWindow) {
    ScriptedDialogs dialogs;
    FieldWindow<TEditAFM> w;
    ASSERT_TRUE(w.active);
    QSignalSpy changes(w.field, &EditField::changed);
    int downs = 0;
    QObject::connect(w.field, &EditField::keyDown, [&] { ++downs; });
    QStringList presses;
    QObject::connect(w.field, &EditField::keyPressed, [&](QKeyEvent* e) { presses << e->text(); });
    w.enter();
    w.type(QStringLiteral("α.,-Z9"));
    EXPECT_EQ(w.field->text(), QStringLiteral("α.,-Z9"));
    EXPECT_EQ(changes.count(), 6);
    EXPECT_EQ(downs, 6);
    EXPECT_EQ(presses.join(""), QStringLiteral("α.,-Z9"));
}

}  // namespace
}  // namespace dz
