// The floor, use and lease-type pick dialogs: their lists, preselection, acceptance and messages.
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "controls/user_dialogs.h"
#include "e2calc/e2_lists.h"
#include "e2/fi_select_e2.h"
#include "gui_helpers.h"

namespace dz {
namespace {

struct DialogCase {
    const char* name;
    std::function<TfiSelectList*()> make;
    const char* caption;
    const char* group;
    const char* groupCaption;
    int entries;
    int columns;
    const char* noChoice;
    int pick;
    const char* pickedText;
};

const DialogCase kDialogs[] = {
    {"floor", [] { return new TfiSelectE2Thesi; }, "Θέση", "rgThesi", "Επιλογή Ορόφου", kFloorCount, 5,
     "Δεν έχετε δηλώσει την θέση του ακινήτου.", 2, "Ισογ."},
    {"use", [] { return new TfiSelectE2Xrisi; }, "Χρήση", "rgXrisi", "Επιλογή Χρήσης", kUseCount, 1,
     "Δεν έχετε δηλώσει την χρήση του ακινήτου.", 3, "Επαγγελματική Στέγη"},
    {"lease type", [] { return new TfiSelectE2EidosMist; }, "Είδος Μίσθωσης - Χρήση Ακινήτου", "rgEidosMist",
     "Επιλογή Είδους Μίσθωσης", kLeaseTypeCount, 2, "Δεν έχετε δηλώσει τo είδος μίσθώσης του ακινήτου.", 24,
     "24.υπεκμίσθωση ακίνητης περιουσίας κωδικός Ε1 (111)"},
};

QList<QRadioButton*> Radios(TfiSelectList& dialog) { return dialog.group()->findChildren<QRadioButton*>(); }

TEST(E2PickDialogs, LookAndListsOfEachDialog) {
    for (const DialogCase& c : kDialogs) {
        std::unique_ptr<TfiSelectList> dialog(c.make());
        EXPECT_EQ(dialog->windowTitle().toStdString(), c.caption) << c.name;
        EXPECT_EQ(dialog->group()->objectName().toStdString(), c.group) << c.name;
        EXPECT_EQ(dialog->group()->title().toStdString(), c.groupCaption) << c.name;
        EXPECT_EQ(dialog->acceptButton()->text(), QStringLiteral("Αποδοχή")) << c.name;
        EXPECT_EQ(dialog->closeButton()->text(), QStringLiteral("Κλείσιμο")) << c.name;
        const QList<QRadioButton*> radios = Radios(*dialog);
        ASSERT_EQ(radios.size(), c.entries) << c.name;
        auto* grid = qobject_cast<QGridLayout*>(dialog->group()->layout());
        ASSERT_NE(grid, nullptr) << c.name;
        EXPECT_EQ(grid->columnCount(), c.columns) << c.name;
        // Filled down the first column first, then the next.
        const int rows = (c.entries + c.columns - 1) / c.columns;
        int row = -1, column = -1, span = 0;
        grid->getItemPosition(grid->indexOf(radios[rows - 1]), &row, &column, &span, &span);
        EXPECT_EQ(row, rows - 1) << c.name;
        EXPECT_EQ(column, 0) << c.name;
        if (c.columns > 1) {
            grid->getItemPosition(grid->indexOf(radios[rows]), &row, &column, &span, &span);
            EXPECT_EQ(row, 0) << c.name;
            EXPECT_EQ(column, 1) << c.name;
        }
    }
    std::unique_ptr<TfiSelectList> lease(kDialogs[2].make());
    EXPECT_EQ(Radios(*lease)[0]->text(), QStringLiteral("ΧΩΡΙΣ ΕΙΔΟΣ ΜΙΣΘΩΣΗΣ"));
    EXPECT_EQ(Radios(*lease)[40]->text(), QStringLiteral("40.Εκχώρηση στο δημόσιο"));
}

TEST(E2PickDialogs, AcceptingGivesTheChosenIndexAndText) {
    for (const DialogCase& c : kDialogs) {
        ScriptedDialogs dialogs;
        std::unique_ptr<TfiSelectList> dialog(c.make());
        test::WhenModal([&](QWidget*) {
            EXPECT_EQ(dialog->ItemIndex(), 1) << c.name << ": the preselected entry is checked";
            Radios(*dialog)[c.pick]->click();
            QTest::mouseClick(dialog->acceptButton(), Qt::LeftButton);
        });
        EXPECT_EQ(dialog->Pick(1), std::optional<int>(c.pick)) << c.name;
        EXPECT_EQ(dialog->ChosenText().toStdString(), c.pickedText) << c.name;
        EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << c.name;
    }
}

TEST(E2PickDialogs, NothingChosenKeepsTheDialogOpenAndClosingChangesNothing) {
    for (const DialogCase& c : kDialogs) {
        ScriptedDialogs dialogs;
        std::unique_ptr<TfiSelectList> dialog(c.make());
        test::WhenModal([&](QWidget*) {
            EXPECT_EQ(dialog->ItemIndex(), -1) << c.name << ": an identifier outside the list chooses nothing";
            dialog->AcceptClick();
            EXPECT_TRUE(dialog->isVisible()) << c.name;
            EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{QString::fromUtf8(c.noChoice)}) << c.name;
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        });
        EXPECT_EQ(dialog->Pick(200), std::nullopt) << c.name;
    }
}

TEST(E2PickDialogs, EscapeClosesWithoutAChoice) {
    TfiSelectE2Thesi dialog;
    test::WhenModal([&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialog.Pick(4), std::nullopt);
}

}  // namespace
}  // namespace dz
