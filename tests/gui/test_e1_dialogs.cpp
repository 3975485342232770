// The windows the E1 window opens: the tax-office list, the horsepower table, and the print commands once they exist.
#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

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
    TfiE1::SetFormPrint([&](TfiE1& w) {
        ++formPrints;
        gatheredName = w.Declaration().Surname.ToString();
    });
    TfiE1::SetCarsPrint([&](TfiE1&) { ++carsPrints; });
    {
        TfiE1 window;
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
    TfiE1::SetFormPrint(nullptr);
    TfiE1::SetCarsPrint(nullptr);
}

}  // namespace
}  // namespace dz::test
