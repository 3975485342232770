// Every box of the E1 window, the E2 window and the short declaration is named as the form shows
// it, for screen readers and for the messages that leaving a box or saving gives.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "e1/fi_fast_dil.h"
#include "forms/e2_pages.h"
#include "forms/form_page.h"
#include "model/e1_codes.h"
#include "test_e1_fixture.h"
#include "test_e2_window.h"

namespace dz::test {
namespace {

class E1Names : public E1Window {};
class E2Names : public E2WindowTest {};

// The boxes of `pages` that the window shows a control for.
template <typename Page>
void CheckControlsNamedByTheirLabels(const EntryWindow& window, int pages, Page page, const char* form) {
    int named = 0;
    for (int p = 0; p < pages; ++p)
        for (const forms::FormBox& box : page(p).boxes) {
            if (box.presence == forms::Presence::PrintOnly) continue;
            const std::string where = std::string(form) + " " + box.name.toStdString();
            QWidget* control = window.Control(box.name);
            ASSERT_NE(control, nullptr) << where;
            EXPECT_EQ(control->accessibleName().toStdString(), box.label.toStdString()) << where;
            EXPECT_FALSE(control->accessibleName().isEmpty()) << where;
            ++named;
        }
    EXPECT_GT(named, 0) << form;
}

TEST_F(E1Names, EveryCodeBoxAndFieldHasTheFormsNameForIt) {
    EXPECT_FALSE(window->windowTitle().isEmpty());
    int codes = 0;
    for (const E1CodeBox& code : E1CodeBoxes()) {
        QWidget* control = window->Control(CodeControlName(code.code));
        ASSERT_NE(control, nullptr) << code.code;
        EXPECT_EQ(control->accessibleName(), forms::CodeLabel(code.code)) << code.code;
        ++codes;
    }
    EXPECT_EQ(codes, 403);
    CheckControlsNamedByTheirLabels(*window, forms::kE1PageCount, &forms::E1Page, "E1");
    // The special cases' questions that carry no code are named by their question.
    EXPECT_TRUE(window->Control(QStringLiteral("cbTelos400S"))->accessibleName().endsWith(QStringLiteral("(Σύζυγος)")));
}

TEST_F(E2Names, EveryFieldHasTheFormsNameForIt) {
    EXPECT_FALSE(window->windowTitle().isEmpty());
    CheckControlsNamedByTheirLabels(*window, kE2PageCount, &E2Page, "E2");
    EXPECT_EQ(F("edEName%1", 3)->accessibleName(), QStringLiteral("«Ονοματεπώνυμο» της γραμμής 3"));
}

TEST(ShortDeclarationNames, EveryBoxHasAName) {
    TfiFastDil window;
    EXPECT_FALSE(window.windowTitle().isEmpty());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool entry = qobject_cast<QLineEdit*>(control) || qobject_cast<QCheckBox*>(control);
        if (!entry || control->objectName().isEmpty()) continue;  // a grid's cell editor has no name of its own
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        if (control->objectName().startsWith(QLatin1String("cbP"))) {
            EXPECT_EQ(control->accessibleName(), forms::CodeLabel(control->objectName().mid(3).toInt()))
                << control->objectName().toStdString();
        }
    }
}

// A number outside the range the record keeps is refused on leaving the field: the box named
// as the form shows it, the focus back in the field, and no presumption computed from it.
TEST_F(E1Names, ACarOf40000ccIsRefusedWhenItsFieldIsLeft) {
    ScriptedDialogs dialogs;
    QLineEdit* cc = edit(QStringLiteral("edCarIppoi2"));
    TypeAndLeave(QStringLiteral("edCarMonths2"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edCarPosost2"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edCarYear2"), QStringLiteral("2012"));
    Type(QStringLiteral("edCarIppoi2"), QStringLiteral("40000"));
    ASSERT_EQ(QApplication::focusWidget(), cc);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << "nothing is reported while typing";
    QTest::keyClick(cc, Qt::Key_Tab);
    EXPECT_EQ(UserDialogs::ShownTexts(),
              QStringList{QStringLiteral("Το «40000» είναι εκτός ορίων: δεκτές τιμές από -32768 έως 32767 "
                                         "(«Κυβικά εκατοστά (cc)» του αυτοκινήτου 2).")});
    EXPECT_EQ(QApplication::focusWidget(), cc);
    EXPECT_EQ(cc->text(), QStringLiteral("40000"));
    EXPECT_NE(edit(QStringLiteral("edP853"))->text(), QStringLiteral("461.800,00"));

    // Saving does not take the last good value behind the refused text either.
    TypeAndLeave(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    UserDialogs::ClearShownTexts();
    EXPECT_FALSE(RunCommand(nullptr, [this] { window->miSaveClick(); }));
    ASSERT_FALSE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_TRUE(UserDialogs::ShownTexts().first().contains(QStringLiteral("«Κυβικά εκατοστά (cc)» του αυτοκινήτου 2")));
    EXPECT_FALSE(folder.exists(QStringLiteral("Tables/E1123456783.dta")));
    EXPECT_EQ(QApplication::focusWidget(), cc);
}

// Whichever key leaves the field, the box that refused its text keeps the focus.
TEST_F(E1Names, TheFocusComesBackAfterTheBoxThatLeavingCaused) {
    const struct {
        const char* name;
        Qt::Key key;
        const char* field;
        const char* keys;
        const char16_t* message;
    } cases[] = {
        {"Enter on an amount", Qt::Key_Return, "edP301", "1-2", u"Το «1-2» δεν είναι έγκυρο ποσό (κωδικός 301)."},
        {"Tab on an amount", Qt::Key_Tab, "edP302", "5-", u"Το «5-» δεν είναι έγκυρο ποσό (κωδικός 302)."},
        {"Enter on months", Qt::Key_Enter, "edCarMonths3", "300",
         u"Το «300» είναι εκτός ορίων: δεκτές τιμές από 0 έως 255 («Μήνες κατοχής» του αυτοκινήτου 3)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        QLineEdit* field = edit(QLatin1String(c.field));
        Type(QLatin1String(c.field), QLatin1String(c.keys));
        ASSERT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->text(), QLatin1String(c.keys)) << "every key went into the field";
        EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
        QTest::keyClick(field, c.key);
        EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{QString::fromUtf16(c.message)});
        EXPECT_EQ(QApplication::focusWidget(), field);
        field->clear();
    }
}

TEST_F(E2Names, ATenantOutsideTheCodePageIsNamedByItsBox) {
    ScriptedDialogs dialogs;
    window->ControlAs<QLineEdit>(QStringLiteral("edAFM"))->setText(QStringLiteral("123456783"));
    F("edEName%1", 2)->setText(QStringLiteral("Café"));
    EXPECT_FALSE(RunCommand(nullptr, [this] { window->miSaveClick(); }));
    EXPECT_EQ(UserDialogs::ShownTexts().last(),
              QStringLiteral("Ο χαρακτήρας «é» δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253 "
                             "(«Ονοματεπώνυμο» της γραμμής 2)."));
    EXPECT_FALSE(folder.exists(QStringLiteral("Tables/E2123456783.dta")));
}

}  // namespace
}  // namespace dz::test
