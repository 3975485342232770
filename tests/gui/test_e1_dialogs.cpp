// The windows the E1 window opens: the tax-office list, the horsepower table, and the print commands once they exist.
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <unistd.h>

#include <cctype>
#include <memory>
#include <string>

#include "controls/fi_doys.h"
#include "e1/fi_horsepower.h"
#include "gui_helpers.h"
#include "model/text1253.h"
#include "test_e1_fixture.h"

namespace dz::test {
namespace {

using E1Dialogs = E1Window;

QByteArray Win1253(const QString& text) {
    QByteArray bytes(text.size(), '\0');
    int written = 0;
    EncodeWin1253(text, bytes.data(), int(bytes.size()), &written);
    return bytes.left(written);
}

TEST_F(E1Dialogs, TaxOfficeListFillsItsField) {
    folder.writeFile(QStringLiteral("WParams/Doys.txt"),
                     Win1253(QStringLiteral("Α' ΑΘΗΝΩΝ;1101\r\nΒ' ΠΕΙΡΑΙΑ;1201\r\nΚΑΛΑΜΑΤΑΣ;3411\r\n")));
    const struct {
        const char* button;
        const char* field;
        int row;
        bool choose;
        const char* expected;
    } cases[] = {
        {"sbDOY", "edDoy", 1, true, "Β' ΠΕΙΡΑΙΑ"},
        {"sbLastDOY", "edLastDoy", 2, true, "ΚΑΛΑΜΑΤΑΣ"},
        {"sbDOY", "edDoy", 0, false, "Β' ΠΕΙΡΑΙΑ"},  // closed without a choice: the field keeps its text
    };
    for (const auto& c : cases) {
        window->SetModified(false);
        const int row = c.row;
        const bool choose = c.choose;
        WhenModal([row, choose](QWidget* modal) {
            auto* list = qobject_cast<TfiDOYS*>(modal);
            ASSERT_NE(list, nullptr);
            list->sgDoys()->setCurrentCell(row, 0);
            if (choose) list->accept();
            else list->reject();
        });
        static_cast<QToolButton*>(window->Control(QLatin1String(c.button)))->click();
        EXPECT_EQ(edit(QLatin1String(c.field))->text(), QString::fromUtf8(c.expected)) << c.button;
        EXPECT_EQ(window->Modified(), c.choose) << c.button;
    }
}

// A Doys.txt that is there but cannot be read: one message naming the file and why, no list.
struct UnreadableList {
    const char* name;
    void (*make)(const TestFolder& folder);
    const char* reason;
    bool readableByRoot;  // root reads a file whatever its permissions
};

class E1UnreadableTaxOffices : public E1Window, public ::testing::WithParamInterface<UnreadableList> {};

TEST_P(E1UnreadableTaxOffices, OneMessageNamesTheFileAndTheFieldKeepsItsText) {
    const UnreadableList& c = GetParam();
    if (c.readableByRoot && ::geteuid() == 0) GTEST_SKIP() << c.name << ": root reads it anyway";
    c.make(folder);
    edit(QStringLiteral("edDoy"))->setText(QStringLiteral("Α' ΑΘΗΝΩΝ"));
    window->SetModified(false);
    ScriptedDialogs dialogs;
    auto listShown = std::make_shared<bool>(false);
    WhenModal(
        [listShown](QWidget* modal) {
            *listShown = qobject_cast<TfiDOYS*>(modal) != nullptr;
            if (*listShown) modal->close();
        },
        300);
    static_cast<QToolButton*>(window->Control(QStringLiteral("sbDOY")))->click();
    QTest::qWait(350);  // the guard above is gone before the next test
    EXPECT_FALSE(*listShown) << c.name;
    EXPECT_EQ(UserDialogs::ShownTexts(),
              QStringList{QStringLiteral("Ο κατάλογος των Δ.Ο.Υ. δεν διαβάστηκε από το αρχείο WParams/Doys.txt: ") +
                          QString::fromUtf8(c.reason)})
        << c.name;
    EXPECT_EQ(edit(QStringLiteral("edDoy"))->text(), QStringLiteral("Α' ΑΘΗΝΩΝ")) << c.name;
    EXPECT_FALSE(window->Modified()) << c.name;
}

const UnreadableList kUnreadableLists[] = {
    {"a folder named Doys.txt", [](const TestFolder& f) { f.makeFolder(QStringLiteral("WParams/Doys.txt")); },
     "είναι φάκελος, όχι αρχείο", false},
    {"a file without read permission",
     [](const TestFolder& f) {
         f.writeFile(QStringLiteral("WParams/Doys.txt"), "Α;1\r\n");
         QFile::setPermissions(f.file(QStringLiteral("WParams/Doys.txt")), QFileDevice::WriteOwner);
     },
     "δεν επιτρέπεται η ανάγνωσή του", true},
};

INSTANTIATE_TEST_SUITE_P(TaxOffices, E1UnreadableTaxOffices, ::testing::ValuesIn(kUnreadableLists),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST_F(E1Dialogs, HorsepowerTableHasEveryRowInTwoGroups) {
    const auto& rows = HorsePowerTable();
    ASSERT_EQ(rows.size(), 43u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].horsepower, int(i) + 4);
        if (i > 0) {
            EXPECT_EQ(rows[i].fromCc, rows[i - 1].toCc + 1) << "the ranges follow each other at " << i;
        }
    }
    QStringList first;
    QStringList second;
    QString title;
    WhenModal([&](QWidget* modal) {
        auto* table = qobject_cast<TfiHorsePower*>(modal);
        ASSERT_NE(table, nullptr);
        title = table->windowTitle();
        QTableWidget* grid = table->grid();
        for (int r = 2; r < grid->rowCount(); ++r) {
            if (auto* item = grid->item(r, 0)) first << item->text() + u':' + grid->item(r, 1)->text();
            if (auto* item = grid->item(r, 2)) second << item->text() + u':' + grid->item(r, 3)->text();
        }
        table->close();
    });
    static_cast<QPushButton*>(window->Control(QStringLiteral("Button1")))->click();
    EXPECT_EQ(title, QStringLiteral("Πίνακας αντιστοίχισης Φορολογίσιμων Ίππων σε Κυβικά Αυτοκινήτου"));
    ASSERT_EQ(first.size(), 22);
    ASSERT_EQ(second.size(), 21);
    EXPECT_EQ(first.front(), QStringLiteral("4:0 - 642"));
    EXPECT_EQ(first.back(), QStringLiteral("25:3500 - 3642"));
    EXPECT_EQ(second.front(), QStringLiteral("26:3643 - 3785"));
    EXPECT_EQ(second.back(), QStringLiteral("46:6500 - 6642"));
}

TEST(E1Print, PrintCommandsRunOnceTheyAreSet) {
    TestFolder folder;
    int formPrints = 0;
    int carsPrints = 0;
    QString gatheredName;
    PrintOperations print;
    print.e1Form = [&](TfiE1& w) {
        ++formPrints;
        gatheredName = w.Declaration().Surname.ToString();
    };
    print.e1Cars = [&](TfiE1&) { ++carsPrints; };
    {
        TfiE1 window(print);
        EXPECT_TRUE(window.miPrint->isEnabled());
        window.ControlAs<QLineEdit>(QStringLiteral("edBigName"))->setText(QStringLiteral("ΠΑΠΑΣ"));
        window.miPrint->trigger();
        EXPECT_EQ(formPrints, 1);
        EXPECT_EQ(gatheredName, QStringLiteral("ΠΑΠΑΣ")) << "the form prints what the window shows";
        auto* cars = static_cast<QPushButton*>(window.Control(QStringLiteral("btPrintAuto")));
        EXPECT_TRUE(cars->isEnabled());
        cars->click();
        EXPECT_EQ(carsPrints, 1);
        window.SetModified(false);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }
}

}  // namespace
}  // namespace dz::test
