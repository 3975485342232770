// The windows the program opens can print: the entry windows, and the clearance notes opened from them.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "controls/fi_entypa_list.h"
#include "app/shell_windows.h"
#include "controls/user_dialogs.h"
#include "notewindow/fi_eka.h"
#include "e1/fi_e1.h"
#include "e1/fi_fast_dil.h"
#include "e2/fi_e2.h"
#include "gui_helpers.h"
#include "support/test_folder.h"

namespace dz {
namespace {

constexpr char kAfm[] = "123456783";

// Saves a declaration under kAfm from a new window made by `newWindow`.
void SaveOne(const ChildFactory& newWindow) {
    std::unique_ptr<QWidget> window(newWindow(nullptr));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->findChild<QLineEdit*>(QStringLiteral("edAFM"))->setText(QString::fromLatin1(kAfm));
    window->findChild<QAction*>(QStringLiteral("miSave"))->trigger();
}

// Chooses the first declaration of the index that opens next.
void ChooseFirstInIndex() {
    test::WhenModal([](QWidget* modal) {
        auto* index = qobject_cast<TfiEntypaList*>(modal);
        ASSERT_NE(index, nullptr);
        index->grid()->setCurrentCell(0, 0);
        index->accept();
    });
}

// The print buttons of the clearance note that opens next, read and the note closed.
struct NoteButtons {
    bool seen = false;
    bool print = false;
    bool pdf = false;
};
void ReadNextNote(NoteButtons& buttons) {
    test::WhenModal([&buttons](QWidget* modal) {
        auto* eka = qobject_cast<TfiEka*>(modal);
        ASSERT_NE(eka, nullptr);
        buttons = {true, eka->bt10->isEnabled(), eka->btPDF->isEnabled()};
        eka->close();
    });
}

class ShellPrint : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeFolder(QStringLiteral("Tables"));
        folder.makeFolder(QStringLiteral("WParams"));
    }

    test::TestFolder folder;
    ScriptedDialogs dialogs;
    const ShellWindows windows = DefaultShellWindows();
};

TEST_F(ShellPrint, EveryEntryWindowOfTheShellPrintsItsFormAndTheE1ItsCarsList) {
    const struct {
        const char* name;
        ChildFactory ShellWindows::*open;
        ChildFactory ShellWindows::*saveFirst;  // the window that saves the declaration the index offers
        const char* fiName;
        bool carsList;  // btPrintAuto, the E1 window's
    } cases[] = {
        {"a new E1 window", &ShellWindows::newE1, nullptr, "fiE1", true},
        {"an E1 window from the index", &ShellWindows::loadE1, &ShellWindows::newE1, "fiE1", true},
        {"a new E2 window", &ShellWindows::newE2, nullptr, "fiE2", false},
        {"an E2 window from the index", &ShellWindows::loadE2, &ShellWindows::newE2, "fiE2", false},
    };
    for (const auto& c : cases) {
        if (c.saveFirst) {
            SaveOne(windows.*c.saveFirst);
            ChooseFirstInIndex();
        }
        std::unique_ptr<QWidget> window((windows.*c.open)(nullptr));
        ASSERT_NE(window, nullptr) << c.name;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        ASSERT_EQ(window->objectName(), QLatin1String(c.fiName)) << c.name;
        EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("miPrint"))->isEnabled()) << c.name << ": the form prints";
        if (!c.carsList) continue;
        auto* cars = window->findChild<QPushButton*>(QStringLiteral("btPrintAuto"));
        ASSERT_NE(cars, nullptr) << c.name;
        EXPECT_TRUE(cars->isEnabled()) << c.name << ": the cars list prints";
    }
}

TEST_F(ShellPrint, TheClearanceNotesOpenedFromTheShellsWindowsPrintAndExport) {
    const struct {
        const char* name;
        std::function<void(const ShellWindows&, NoteButtons&)> openNote;
    } cases[] = {
        {"from the E1 window",
         [](const ShellWindows& windows, NoteButtons& buttons) {
             std::unique_ptr<QWidget> window(windows.newE1(nullptr));
             window->setAttribute(Qt::WA_DeleteOnClose, false);
             ReadNextNote(buttons);
             window->findChild<QAction*>(QStringLiteral("miEka2003"))->trigger();
         }},
        {"from the short declaration",
         [](const ShellWindows& windows, NoteButtons& buttons) {
             test::WhenModal([&buttons](QWidget* modal) {
                 auto* shortDeclaration = qobject_cast<TfiFastDil*>(modal);
                 ASSERT_NE(shortDeclaration, nullptr);
                 ReadNextNote(buttons);
                 shortDeclaration->EkaClick();
                 shortDeclaration->reject();
             });
             windows.fastEntry(nullptr);
         }},
    };
    for (const auto& c : cases) {
        NoteButtons buttons;
        c.openNote(windows, buttons);
        ASSERT_TRUE(buttons.seen) << c.name << ": the note opened";
        EXPECT_TRUE(buttons.print) << c.name << ": bt10 prints";
        EXPECT_TRUE(buttons.pdf) << c.name << ": btPDF exports";
    }
}

}  // namespace
}  // namespace dz
