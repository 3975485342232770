// Undo and redo in the E2 window, driven by real keys: a step per field left (with its row
// calculation), per pick, per row command and per switch of the calculation; a deleted row
// comes back whole, long stored texts included; undo never writes the file.
#include <QLabel>
#include <QMenu>

#include "e2/fi_e2_names.h"
#include "model/declaration_file.h"
#include "model/text1253.h"
#include "test_e2_window.h"

namespace dz {
namespace {

const QString kLong = QStringLiteral("123456789012345");  // longer than the 9 digits the user may type

class E2Undo : public test::E2WindowTest {
protected:
    void SetUp() override {
        E2WindowTest::SetUp();
        E2Record stored;
        ClearE2Record(stored);
        AssignCut(stored.Afm, QStringLiteral("123456783"), "Afm");
        AssignCut(stored.SupplyNo[0], kLong, "SupplyNo");
        AssignCut(stored.Table1[0].Location, QStringLiteral("Οδός Πρώτη 1"), "Location");
        AssignCut(stored.Table1[1].Location, QStringLiteral("Οδός Δεύτερη 2"), "Location");
        E2Image image{};
        EncodeE2(stored, image.data());
        folder.writeFile(kFile, QByteArray(reinterpret_cast<const char*>(image.data()), kE2FileSize));
        ASSERT_TRUE(window->OpenStatement(QStringLiteral("123456783")));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        if (QApplication::activeWindow() != window) {  // the row menu had it
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.data();
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    }
    void Undo() { Press(Qt::Key_Z, Qt::ControlModifier); }
    void Redo(int i) { i % 2 ? Press(Qt::Key_Y, Qt::ControlModifier) : Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    void TypeAndSettle(const char* pattern, int n, const QString& text) {
        Type(pattern, n, text);
        QApplication::processEvents();
    }
    QStringList Row(int k) const {
        QStringList texts;
        for (const char* column : e2::kRowColumns) texts << T(column, k);
        return texts;
    }
    void RowCommand(int row, QAction* command) {
        auto* label = window->ControlAs<QLabel>(QStringLiteral("Label%1").arg(row));
        QTest::mouseClick(label, Qt::RightButton);
        window->pmEdit->hide();
        command->trigger();
        QApplication::processEvents();
    }

    const QString kFile = QStringLiteral("Tables/E2123456783.dta");
};

TEST_F(E2Undo, EditsUndoneToTheOpenedStatementAndRedoneToTheEditedOne) {
    const E2Form opened = window->Form();
    const QStringList row1 = Row(1);
    ASSERT_EQ(T("edParoxesDEH%1", 1), kLong);

    struct Edit {
        const char* name;
        std::function<void()> act;
    };
    const Edit edits[] = {
        {"a location typed", [&] { TypeAndSettle("edTopos%1", 2, QStringLiteral("Οδός Νέα 3")); }},
        {"a start date typed", [&] { TypeAndSettle("edDate1%1", 2, QStringLiteral("1/3")); }},
        {"an end date typed", [&] { TypeAndSettle("edDate2%1", 2, QStringLiteral("31/12")); }},
        {"a share typed", [&] { TypeAndSettle("edSinid%1", 2, QStringLiteral("50")); }},
        {"a lease type picked",
         [&] {
             Pick("sbGetEidosMist%1", 2, 1);
             QApplication::processEvents();
         }},
        {"a rent typed, the row calculated", [&] { TypeAndSettle("edEnoikio%1", 2, QStringLiteral("500")); }},
        {"row 1 deleted", [&] { RowCommand(1, window->miDelete); }},
        {"the calculation switched off",
         [&] {
             QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);
             QApplication::processEvents();
         }},
    };
    std::vector<E2Form> after;
    for (const Edit& e : edits) {
        const std::size_t before = window->History().Steps();
        e.act();
        EXPECT_EQ(window->History().Steps(), before + 1) << e.name << ": one step";
        after.push_back(window->Form());
    }
    ASSERT_EQ(T("edTotal%1", 1), QStringLiteral("2.500,00"))
        << "10 months of 500 at 50 %, calculated when the rent was left, in the column of the lease type";
    ASSERT_NE(T("edParoxesDEH%1", 1), kLong) << "row 1 deleted";
    EXPECT_TRUE(window->Modified());

    for (std::size_t i = after.size(); i-- > 0;) {
        Undo();
        const E2Form expected = i == 0 ? opened : after[i - 1];
        EXPECT_EQ(window->Form(), expected) << "undoing " << edits[i].name;
        if (i == 6) {
            EXPECT_EQ(Row(1), row1) << "the deleted row back whole";
            EXPECT_EQ(F("edParoxesDEH%1", 1)->maxLength(), kLong.size()) << "its long text shown whole";
        }
    }
    EXPECT_FALSE(window->Modified()) << "undone to the opened statement";
    EXPECT_FALSE(window->miUndo->isEnabled());

    for (std::size_t i = 0; i < after.size(); ++i) {
        Redo(int(i));
        EXPECT_EQ(window->Form(), after[i]) << "redoing " << edits[i].name;
    }
    EXPECT_TRUE(window->Modified());
    EXPECT_FALSE(window->AutomaticCalculation()) << "the switch is part of the statement";
}

TEST_F(E2Undo, UndoAfterASaveWritesNothingAndTheSavedStateIsNothingToSave) {
    TypeAndSettle("edTopos%1", 3, QStringLiteral("Οδός Τρίτη"));
    TypeAndSettle("edTopos%1", 4, QStringLiteral("Οδός Τέταρτη"));
    dialogs.answers({true});  // write over the opened file
    window->miSave->trigger();
    ASSERT_FALSE(window->Modified());
    const QByteArray saved = folder.readFile(kFile);

    Undo();
    EXPECT_EQ(T("edTopos%1", 4), QString());
    EXPECT_TRUE(window->Modified()) << "the saved state was left";
    EXPECT_EQ(folder.readFile(kFile), saved) << "undo writes nothing";
    Redo(0);
    EXPECT_FALSE(window->Modified()) << "back at the saved state";

    // A new edit after undoing drops what was undone.
    Undo();
    TypeAndSettle("edTopos%1", 5, QStringLiteral("Οδός Πέμπτη"));
    EXPECT_FALSE(window->miRedo->isEnabled());
    EXPECT_EQ(folder.readFile(kFile), saved);
}

TEST_F(E2Undo, AColumnOpenForAYearlyAmountStaysOpenAcrossUndoAndRedo) {
    TypeAndSettle("edDate1%1", 3, QStringLiteral("1/1"));
    TypeAndSettle("edDate2%1", 3, QStringLiteral("31/12"));
    TypeAndSettle("edSinid%1", 3, QStringLiteral("100"));
    Pick("sbGetEidosMist%1", 3, 1);  // a lease type of column 13, rent left at 0
    QApplication::processEvents();
    ASSERT_TRUE(F("edKat%1", 3)->isEnabled()) << "open for the yearly amount";
    TypeAndSettle("edTopos%1", 5, QStringLiteral("Οδός Πέμπτη"));
    Undo();
    EXPECT_TRUE(F("edKat%1", 3)->isEnabled()) << "still open after an undo";
    EXPECT_FALSE(F("edGr%1", 3)->isEnabled()) << "the other columns stay closed";
    Redo(0);
    EXPECT_TRUE(F("edKat%1", 3)->isEnabled()) << "and after a redo";
}

TEST_F(E2Undo, TheRowMenuOffersUndoAndRedoFirstWithTheirKeys) {
    const QList<QAction*> items = window->pmEdit->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Αναίρεση"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Επανάληψη"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_TRUE(items[1]->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
}

}  // namespace
}  // namespace dz
