// The tax-office list: reading Doys.txt, SearchKey, the quick search, SortGrid and the dialog's keys.
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <cctype>
#include <functional>
#include <optional>
#include <string>

#include "model/doys_list.h"
#include "controls/fi_doys.h"
#include "controls/grid_helpers.h"
#include "gui_helpers.h"
#include "support/test_folder.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(QChar c, std::ostream* os) { *os << '\'' << QString(c).toStdString() << '\''; }

namespace dz {
namespace {

QByteArray Win1253(const QString& text) {
    QStringEncoder encoder("windows-1253");
    QByteArray bytes = encoder.encode(text);
    EXPECT_FALSE(encoder.hasError()) << text.toStdString();
    return bytes;
}

std::string CaseName(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// Real key clicks, Greek letters included (QTest::keyClicks handles Latin-1 only).
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

// ---------------------------------------------------------------- file

struct ParseCase {
    const char* name;
    QString file;  // written in Windows-1253
    QList<DoysRow> rows;
};

class ParseDoysTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoysTest, Rows) {
    const ParseCase& c = GetParam();
    const QList<DoysRow> rows = ParseDoysFile(Win1253(c.file));
    ASSERT_EQ(rows.size(), c.rows.size()) << c.name;
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].description, c.rows[i].description) << c.name << " row " << i;
        EXPECT_EQ(rows[i].code, c.rows[i].code) << c.name << " row " << i;
    }
}

const QString k24 = QStringLiteral("123456789012345678901234");
const QString k20 = QStringLiteral("12345678901234567890");

const ParseCase kParseCases[] = {
    {"description and code", QStringLiteral("ΑΘΗΝΩΝ Α;1101\r\n"), {{QStringLiteral("ΑΘΗΝΩΝ Α"), "1101"}}},
    {"second semicolon stays in the code", QStringLiteral("Α;11;22\r\n"), {{QStringLiteral("Α"), "11;22"}}},
    {"code cut to twenty", QStringLiteral("Χ;") + k24 + "\r\n", {{QStringLiteral("Χ"), k20}}},
    {"line without semicolon is a code", QStringLiteral("ΒΟΛΟΥ") + k24, {{"", (QStringLiteral("ΒΟΛΟΥ") + k24).left(20)}}},
    {"empty lines give empty rows", QStringLiteral("Α;1\r\n\r\n\nΒ;2\r\n"), {{"Α", "1"}, {"", ""}, {"", ""}, {"Β", "2"}}},
    {"bare line feeds", QStringLiteral("Α;1\nΒ;2\n"), {{"Α", "1"}, {"Β", "2"}}},
    {"last line without line end", QStringLiteral("Α;1\r\nΒ;2"), {{"Α", "1"}, {"Β", "2"}}},
    {"nothing trimmed", QStringLiteral(" Α ; 1 \r\n"), {{" Α ", " 1 "}}},
    {"carriage return inside a line stays", QStringLiteral("Α\r;1\r\n"), {{"Α\r", "1"}}},
    {"empty file", "", {}},
    {"accented and small letters as they are", QStringLiteral("Ηρακλείου;ά"), {{QStringLiteral("Ηρακλείου"), QStringLiteral("ά")}}},
};

INSTANTIATE_TEST_SUITE_P(Doys, ParseDoysTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- SearchKey

TEST(SearchKey, TurnsWhatIsTypedIntoGreekCapitals) {
    const struct {
        QChar typed;
        QChar key;
    } cases[] = {
        {u'a', u'Α'}, {u'u', u'Θ'}, {u'h', u'Η'}, {u't', u'Τ'}, {u'j', u'Ξ'}, {u'c', u'Ψ'},
        {u'v', u'Ω'}, {u'w', u'Σ'}, {u'A', u'Α'}, {u'U', u'Θ'}, {u'W', u'Σ'}, {u'V', u'Ω'},
        {u'α', u'Α'}, {u'ς', u'Σ'}, {u'σ', u'Σ'}, {u'ά', u'Α'}, {u'έ', u'Ε'}, {u'ή', u'Η'},
        {u'ί', u'Ι'}, {u'ό', u'Ο'}, {u'ύ', u'Υ'}, {u'ώ', u'Ω'}, {u'Α', u'Α'}, {u'Ω', u'Ω'},
        {u'q', u'q'}, {u'Q', u'Q'}, {u'ϊ', u'ϊ'}, {u'Ά', u'Ά'}, {u'7', u'7'}, {u' ', u' '},
        {u'.', u'.'}, {u'*', u'*'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SearchKey(c.typed), c.key) << "typed " << QString(c.typed).toStdString();
}

TEST(SearchKey, WhatTheGridAppendsToTheQuickSearch) {
    const struct {
        QChar typed;
        std::optional<QChar> appended;
    } cases[] = {
        {u'a', u'Α'},  {u' ', u' '},  {u'.', u'.'},  {u'0', u'0'},    {u'9', u'9'},
        {u'q', u'q'},  {u'Z', u'Ζ'},  {u'A', u'Α'},  {u'~', u'~'},    {u'Ά', u'Ά'},  // code 162
        {u'ω', u'Ω'},  // code 217, the last one let through
        {u'Ϊ', std::nullopt},  // code 218
        {u'ϊ', std::nullopt},  {u'*', std::nullopt}, {u'-', std::nullopt}, {u',', std::nullopt},
        {u'@', std::nullopt},  // code 64
        {QChar(0x0436), std::nullopt},  // not in the code page
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuickSearchCharacter(c.typed), c.appended) << "typed " << QString(c.typed).toStdString();
}

// ---------------------------------------------------------------- quick search

struct SearchCase {
    const char* name;
    QStringList cells;
    QString text;
    int row;
};

class QuickSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(QuickSearchTest, ChosenRow) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(QuickSearchRow(c.cells, c.text), c.row) << c.name;
}

const QStringList kOffices = {QStringLiteral("ΑΓΙΟΥ ΝΙΚΟΛΑΟΥ"), QStringLiteral("ΑΘΗΝΩΝ Α"), QStringLiteral("ΑΘΗΝΩΝ Β"),
                              QStringLiteral("ΒΟΛΟΥ"), QStringLiteral("ΠΑΤΡΩΝ")};

const SearchCase kSearchCases[] = {
    {"prefix", kOffices, QStringLiteral("ΑΘΗ"), 1},
    {"whole cell", kOffices, QStringLiteral("ΑΘΗΝΩΝ Β"), 2},
    {"first cell after the text", kOffices, QStringLiteral("ΑΔ"), 1},
    {"after every cell gives the last row", kOffices, QStringLiteral("Ω"), 4},
    {"small letters sort after capitals", kOffices, QStringLiteral("αθη"), 4},
    {"case matters", {QStringLiteral("ΒΛΑΧΟΣ"), QStringLiteral("Βλάχος")}, QStringLiteral("Βλ"), 1},
    {"unsorted data stops at the first later cell", {QStringLiteral("ΒΒ"), QStringLiteral("ΑΒ")}, QStringLiteral("ΑΒ"), 0},
    {"windows-1253 order, not unicode", {QStringLiteral("€1"), QStringLiteral("Α")}, QStringLiteral("Ά"), 1},
    {"codes", {"100", "1101", "20"}, "11", 1},
    {"empty rows at the end", {QStringLiteral("Α"), "", ""}, QStringLiteral("Β"), 2},
    {"no rows", {}, QStringLiteral("Α"), -1},
};

INSTANTIATE_TEST_SUITE_P(Doys, QuickSearchTest, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return CaseName(info.param.name); });

// ---------------------------------------------------------------- SortGrid

QTableWidget* MakeGrid(QWidget* parent, const QList<QStringList>& rows) {
    const int columns = rows.isEmpty() ? 2 : static_cast<int>(rows.first().size());
    auto* grid = new QTableWidget(static_cast<int>(rows.size()), columns, parent);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns; ++c) grid->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    return grid;
}

QList<QStringList> Rows(const QTableWidget* grid) {
    QList<QStringList> rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid->columnCount(); ++c) row << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        rows << row;
    }
    return rows;
}

struct SortCase {
    const char* name;
    int column;
    QList<QStringList> before;
    QList<QStringList> after;
};

class SortGridTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortGridTest, SortedRows) {
    const SortCase& c = GetParam();
    QWidget window;
    QTableWidget* grid = MakeGrid(&window, c.before);
    if (grid->rowCount() > 1) grid->setCurrentCell(grid->rowCount() - 1, 1);
    SortGrid(grid, c.column);
    EXPECT_EQ(Rows(grid), c.after) << c.name;
    if (grid->rowCount() > 0) {
        EXPECT_EQ(grid->currentRow(), 0) << c.name;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
}

const SortCase kSortCases[] = {
    {"codes in text order", 1,
     {{"Α", "20"}, {"Β", "100"}, {"Γ", "3"}},
     {{"Β", "100"}, {"Α", "20"}, {"Γ", "3"}}},
    {"greek without regard to case", 0,
     {{QStringLiteral("Παππάς"), "1"}, {QStringLiteral("αλεξίου"), "2"}, {QStringLiteral("Βλάχος"), "3"}},
     {{QStringLiteral("αλεξίου"), "2"}, {QStringLiteral("Βλάχος"), "3"}, {QStringLiteral("Παππάς"), "1"}}},
    {"equal keys keep their order", 0,
     {{QStringLiteral("ΒΟΛΟΥ"), "1"}, {QStringLiteral("αθηνων"), "2"}, {QStringLiteral("ΑΘΗΝΩΝ"), "3"},
      {QStringLiteral("βολου"), "4"}, {QStringLiteral("Αθηνων"), "5"}},
     {{QStringLiteral("αθηνων"), "2"}, {QStringLiteral("ΑΘΗΝΩΝ"), "3"}, {QStringLiteral("Αθηνων"), "5"},
      {QStringLiteral("ΒΟΛΟΥ"), "1"}, {QStringLiteral("βολου"), "4"}}},
    {"equal codes keep their order", 1,
     {{"Γ", "1"}, {"Α", "2"}, {"Β", "1"}, {"Δ", "2"}},
     {{"Γ", "1"}, {"Β", "1"}, {"Α", "2"}, {"Δ", "2"}}},
    {"unused rows stay at the end", 0,
     {{"Γ", "1"}, {"Β", "2"}, {"Α", "3"}, {"", ""}, {"", ""}},
     {{"Α", "3"}, {"Β", "2"}, {"Γ", "1"}, {"", ""}, {"", ""}}},
    {"a row with an empty first cell is sorted too", 1,
     {{"Γ", "1"}, {"", "9"}, {"Α", "3"}, {"Β", "2"}},
     {{"Γ", "1"}, {"Β", "2"}, {"Α", "3"}, {"", "9"}}},
    {"an empty first cell sorts first", 0,
     {{"Γ", "1"}, {"", "9"}, {"Α", "3"}, {"Β", "2"}},
     {{"", "9"}, {"Α", "3"}, {"Β", "2"}, {"Γ", "1"}}},
    {"three columns by the last", 2,
     {{"Α", "α", "300"}, {"Β", "β", "100"}, {"Γ", "γ", "200"}},
     {{"Β", "β", "100"}, {"Γ", "γ", "200"}, {"Α", "α", "300"}}},
    {"empty grid", 0, {}, {}},
    {"column outside the grid", 5, {{"Β", "1"}, {"Α", "2"}}, {{"Β", "1"}, {"Α", "2"}}},
};

INSTANTIATE_TEST_SUITE_P(Grid, SortGridTest, ::testing::ValuesIn(kSortCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(SortGrid, ItemsMoveWithTheirDataAndTheHourglassShowsMeanwhile) {
    QWidget window;
    QTableWidget* grid = MakeGrid(&window, {{"Β", "1"}, {"Α", "2"}});
    grid->item(0, 1)->setData(Qt::UserRole, 41);
    QList<Qt::CursorShape> cursors;
    QObject::connect(grid->model(), &QAbstractItemModel::dataChanged, [&] {
        cursors << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
    });
    SortGrid(grid, 0);
    EXPECT_EQ(grid->item(1, 1)->data(Qt::UserRole).toInt(), 41);
    ASSERT_FALSE(cursors.isEmpty());
    EXPECT_EQ(cursors.first(), Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---------------------------------------------------------------- the dialog

const QString kDoysFile = QStringLiteral(
    "ΑΓΙΟΥ ΝΙΚΟΛΑΟΥ;8111\r\n"
    "ΑΘΗΝΩΝ Α;1101\r\n"
    "ΑΘΗΝΩΝ Β;20\r\n"
    "ΒΟΛΟΥ;100\r\n"
    "ΠΑΤΡΩΝ;3321");

class DoysDialogTest : public ::testing::Test {
protected:
    void Open() {
        dialog = std::make_unique<TfiDOYS>();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        grid = dialog->sgDoys();
    }
    void WriteList(const QString& relative = QStringLiteral("WParams/Doys.txt")) {
        folder.writeFile(relative, Win1253(kDoysFile));
    }
    QString Current(int column = 0) const { return grid->item(grid->currentRow(), column)->text(); }

    test::TestFolder folder;
    std::unique_ptr<TfiDOYS> dialog;
    QTableWidget* grid = nullptr;
};

TEST_F(DoysDialogTest, ShowsTheFileInItsOrder) {
    WriteList(QStringLiteral("wparams/DOYS.TXT"));  // found without regard to case
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Κατάλογος Δ.Ο.Υ."));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Περιγραφή"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Κωδικός"));
    EXPECT_EQ(grid->columnWidth(0), 333);
    EXPECT_EQ(grid->columnWidth(1), 80);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(Rows(grid), (QList<QStringList>{{QStringLiteral("ΑΓΙΟΥ ΝΙΚΟΛΑΟΥ"), "8111"},
                                              {QStringLiteral("ΑΘΗΝΩΝ Α"), "1101"},
                                              {QStringLiteral("ΑΘΗΝΩΝ Β"), "20"},
                                              {QStringLiteral("ΒΟΛΟΥ"), "100"},
                                              {QStringLiteral("ΠΑΤΡΩΝ"), "3321"}}));
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(QApplication::focusWidget(), grid);  // typing goes to the list at once
    EXPECT_EQ(dialog->SortIndex(), 0);
    EXPECT_EQ(dialog->rgIndexSelect()->title(), QStringLiteral("Ταξινόμιση"));
}

TEST_F(DoysDialogTest, MissingFileLeavesEmptyRows) {
    Open();
    EXPECT_EQ(grid->rowCount(), TfiDOYS::kDefaultDataRows);
    for (const QStringList& row : Rows(grid)) EXPECT_EQ(row, (QStringList{"", ""}));
    EXPECT_EQ(dialog->SelectedDescription(), "");
}

TEST_F(DoysDialogTest, TypingLatinLettersSearchesGreekCapitals) {
    WriteList();
    Open();
    TypeText(grid, "auh");
    EXPECT_EQ(dialog->edFastEdit()->text(), QStringLiteral("ΑΘΗ"));
    EXPECT_EQ(Current(), QStringLiteral("ΑΘΗΝΩΝ Α"));
    TypeText(grid, QStringLiteral("νων β"));
    EXPECT_EQ(dialog->edFastEdit()->text(), QStringLiteral("ΑΘΗΝΩΝ Β"));
    EXPECT_EQ(Current(), QStringLiteral("ΑΘΗΝΩΝ Β"));
    TypeText(grid, "*");  // not a search character
    EXPECT_EQ(dialog->edFastEdit()->text(), QStringLiteral("ΑΘΗΝΩΝ Β"));
}

TEST_F(DoysDialogTest, MovementKeysEmptyTheSearchInsertIsDiscarded) {
    WriteList();
    Open();
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool empties;
    } cases[] = {
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, true},
        {"Page Up", Qt::Key_PageUp, Qt::NoModifier, true},
        {"Page Down", Qt::Key_PageDown, Qt::NoModifier, true},
        {"Home", Qt::Key_Home, Qt::NoModifier, true},
        {"Up", Qt::Key_Up, Qt::NoModifier, true},
        {"Down", Qt::Key_Down, Qt::NoModifier, true},
        {"Shift+Down", Qt::Key_Down, Qt::ShiftModifier, true},
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, false},
        {"Ctrl+Down", Qt::Key_Down, Qt::ControlModifier, false},
        {"Insert", Qt::Key_Insert, Qt::NoModifier, false},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, false},
    };
    for (const auto& c : cases) {
        dialog->edFastEdit()->clear();
        TypeText(grid, "b");
        ASSERT_EQ(Current(), QStringLiteral("ΒΟΛΟΥ")) << c.name;
        QTest::keyClick(grid, c.key, c.modifiers);
        EXPECT_EQ(dialog->edFastEdit()->text().isEmpty(), c.empties) << c.name;
        EXPECT_TRUE(dialog->isVisible()) << c.name;
    }
    dialog->edFastEdit()->clear();
    TypeText(grid, "b");
    QTest::keyClick(grid, Qt::Key_Down);  // the grid still moves
    EXPECT_EQ(Current(), QStringLiteral("ΠΑΤΡΩΝ"));
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(Current(), QStringLiteral("ΠΑΤΡΩΝ"));
}

TEST_F(DoysDialogTest, ChoosingTheCodeSortsByCodeAndSearchesCodes) {
    WriteList();
    Open();
    TypeText(grid, "p");
    ASSERT_EQ(Current(), QStringLiteral("ΠΑΤΡΩΝ"));
    auto* byCode = dialog->rgIndexSelect()->findChildren<QRadioButton*>().at(1);
    ASSERT_EQ(byCode->text(), QStringLiteral("Κωδικός"));
    QTest::mouseClick(byCode, Qt::LeftButton);
    EXPECT_EQ(dialog->SortIndex(), 1);
    EXPECT_EQ(dialog->edFastEdit()->text(), "");
    QStringList codes;
    for (const QStringList& row : Rows(grid)) codes << row[1];
    EXPECT_EQ(codes, (QStringList{"100", "1101", "20", "3321", "8111"}));
    EXPECT_EQ(grid->currentRow(), 0);
    grid->setFocus();
    TypeText(grid, "2");
    EXPECT_EQ(Current(1), "20");
    EXPECT_EQ(Current(0), QStringLiteral("ΑΘΗΝΩΝ Β"));
    dialog->SelectSortIndex(0);
    EXPECT_EQ(Current(0), QStringLiteral("ΑΓΙΟΥ ΝΙΚΟΛΑΟΥ"));
    EXPECT_EQ(dialog->edFastEdit()->text(), "");
}

TEST_F(DoysDialogTest, TypingIntoTheSearchFieldSearchesAsTyped) {
    WriteList();
    Open();
    dialog->edFastEdit()->setText(QStringLiteral("ΒΟ"));
    EXPECT_EQ(Current(), QStringLiteral("ΒΟΛΟΥ"));
    dialog->edFastEdit()->setText(QStringLiteral("βο"));  // no SearchKey here: small letters sort last
    EXPECT_EQ(Current(), QStringLiteral("ΠΑΤΡΩΝ"));
}

struct PickCase {
    const char* name;
    std::function<void(QTableWidget*)> act;
    std::optional<QString> picked;
};

class DoysPickTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(DoysPickTest, CallerReadsTheDescription) {
    const PickCase& c = GetParam();
    test::TestFolder folder;
    folder.writeFile(QStringLiteral("WParams/Doys.txt"), Win1253(kDoysFile));
    bool acted = false;
    test::WhenModal([&](QWidget* modal) {
        auto* grid = modal->findChild<QTableWidget*>(QStringLiteral("sgDoys"));
        if (!grid) {
            modal->close();
            return;
        }
        grid->setFocus();
        c.act(grid);
        acted = true;
    });
    const std::optional<QString> picked = TfiDOYS::Pick(nullptr);
    EXPECT_TRUE(acted) << c.name;
    EXPECT_EQ(picked, c.picked) << c.name;
}

const PickCase kPickCases[] = {
    {"Enter accepts the current row",
     [](QTableWidget* grid) {
         QTest::keyClick(grid, Qt::Key_Down);
         QTest::keyClick(grid, Qt::Key_Down);
         QTest::keyClick(grid, Qt::Key_Return);
     },
     QStringLiteral("ΑΘΗΝΩΝ Β")},
    {"Enter after a quick search",
     [](QTableWidget* grid) {
         TypeText(grid, "bo");
         QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
     },
     QStringLiteral("ΒΟΛΟΥ")},
    {"double click accepts",
     [](QTableWidget* grid) {
         const QRect cell = grid->visualRect(grid->model()->index(4, 1));
         QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
         QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
     },
     QStringLiteral("ΠΑΤΡΩΝ")},
    {"Escape rejects", [](QTableWidget* grid) { QTest::keyClick(grid, Qt::Key_Escape); }, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Doys, DoysPickTest, ::testing::ValuesIn(kPickCases),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace dz
