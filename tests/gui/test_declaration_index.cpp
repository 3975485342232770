// The declaration index window: listing, Greek sorting, quick search, keys, deletion.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "model/declaration_file.h"
#include "support/test_folder.h"

namespace dz {
namespace {

class DeclarationIndexTest : public ::testing::Test {
protected:
    void Save(DeclarationKind kind, const char* afm, const char* surname, const char* first = "") {
        const int size = RecordSize(kind);
        E1Declaration d;
        AssignCut(d.Afm, QString::fromUtf8(afm), "Afm");
        AssignCut(d.Surname, QString::fromUtf8(surname), "Surname");
        AssignCut(d.FirstName, QString::fromUtf8(first), "FirstName");
        E1Image image{};
        EncodeE1(d, image.data());
        QByteArray bytes(reinterpret_cast<const char*>(image.data()), image.size());
        bytes.resize(size, '\0');
        folder.writeFile(DeclarationFileName(kind, QString::fromUtf8(afm)), bytes);
    }
    QStringList Column(const TfiEntypaList& index, int column) const {
        QStringList cells;
        for (int r = 0; r < index.grid()->rowCount(); ++r) cells << index.grid()->item(r, column)->text();
        return cells;
    }

    test::TestFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(DeclarationIndexTest, SortsGreekNamesWithoutRegardToCaseAndByTaxNumber) {
    Save(DeclarationKind::E1, "300000003", "Παππάς", "Νίκος");
    Save(DeclarationKind::E1, "100000001", "αλεξίου", "Άννα");
    Save(DeclarationKind::E1, "200000002", "Βλάχος", "Ίων");
    Save(DeclarationKind::E2, "400000004", "Ενοικιαστής");
    TfiEntypaList index;
    index.FillIndex(DeclarationKind::E1);
    EXPECT_EQ(Column(index, 0), (QStringList{"αλεξίου", "Βλάχος", "Παππάς"}));
    EXPECT_EQ(index.grid()->currentRow(), 0);
    index.SortByColumn(2);
    EXPECT_EQ(Column(index, 2), (QStringList{"100000001", "200000002", "300000003"}));
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << "no message when every file is whole";
}

TEST_F(DeclarationIndexTest, DamagedFilesAreNamedAndTheRestStayReachable) {
    Save(DeclarationKind::E1, "100000001", "Καλός");
    Save(DeclarationKind::E1, "", "Χωρίς;ΑΦΜ");
    folder.writeFile("Tables/E1999.dta", QByteArray(10, 'x'));
    folder.makeFolder("Tables/E1888.dta");
    folder.writeFile("Tables/notes E1.txt", "not a declaration");
    TfiEntypaList index;
    index.FillIndex(DeclarationKind::E1);
    EXPECT_EQ(index.DeclarationCount(), 2);
    EXPECT_EQ(Column(index, 0), (QStringList{"Καλός", "Χωρίς;ΑΦΜ"})) << "a ';' stays in its cell";
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1);
    const QString message = UserDialogs::ShownTexts().first();
    EXPECT_TRUE(message.contains("E1999.dta") && message.contains("E1888.dta")) << message.toStdString();
    EXPECT_FALSE(message.contains("notes")) << "other files are not declarations at all";
    index.grid()->setCurrentCell(1, 0);
    EXPECT_EQ(index.SelectedAfm(), QString()) << "the declaration saved without a tax number opens as Tables/E1.dta";
}

TEST_F(DeclarationIndexTest, QuickSearchIsCaseSensitiveAndByteOrdered) {
    for (const auto& [afm, name] : std::vector<std::pair<const char*, const char*>>{
             {"1", "Αλεξίου"}, {"2", "Βαρβάρα"}, {"3", "Βλάχος"}, {"4", "Γεωργίου"}, {"5", "Παππάς"}})
        Save(DeclarationKind::E1, afm, name);
    TfiEntypaList index;
    index.FillIndex(DeclarationKind::E1);
    index.show();
    const struct { const char* typed; int row; } cases[] = {
        {"Βλ", 2},  // begins with
        {"ΒΛ", 1},  // capitals sort before the small letters: the first cell after "ΒΛ" is Βαρβάρα
        {"Γ", 3},
        {"Ω", 4},   // after every cell: the last row
    };
    for (const auto& c : cases) {
        index.fastEdit()->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(index.grid()->currentRow(), c.row) << c.typed;
    }
    // Typing in the grid adds to the search; Backspace empties it.
    index.fastEdit()->clear();
    index.grid()->setFocus();
    for (QChar c : QStringLiteral("Γε")) {  // Greek letters have no key code of their own
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(index.grid(), &press);
    }
    EXPECT_EQ(index.fastEdit()->text(), QStringLiteral("Γε"));
    EXPECT_EQ(index.grid()->currentRow(), 3);
    QTest::keyClick(index.grid(), Qt::Key_Backspace);
    EXPECT_EQ(index.fastEdit()->text(), QString());
}

TEST_F(DeclarationIndexTest, EnterOpensEscapeCancels) {
    Save(DeclarationKind::E1, "123456783", "Α");
    TfiEntypaList index;
    index.FillIndex(DeclarationKind::E1);
    index.show();
    QTest::keyClick(index.grid(), Qt::Key_Return);
    EXPECT_EQ(index.result(), QDialog::Accepted);
    EXPECT_EQ(index.SelectedAfm(), QStringLiteral("123456783"));
    TfiEntypaList other;
    other.FillIndex(DeclarationKind::E1);
    other.show();
    QTest::keyClick(other.grid(), Qt::Key_Escape);
    EXPECT_EQ(other.result(), QDialog::Rejected);
}

TEST_F(DeclarationIndexTest, DeletionAsksAndRemovesOnlyThatKindsFile) {
    Save(DeclarationKind::E1, "123456783", "Διπλός");
    Save(DeclarationKind::E2, "123456783", "Διπλός");
    TfiEntypaList index;
    index.FillIndex(DeclarationKind::E2);
    index.show();
    UserDialogs::ScriptAnswers({false});
    index.DeleteSelected();
    EXPECT_TRUE(folder.exists("Tables/E2123456783.dta")) << "No deletes nothing";
    EXPECT_EQ(UserDialogs::ShownTexts().last(),
              QStringLiteral("Προσοχή !!. Να γίνει η διαγραφή της Δήλωσης του Διπλός με ΑΦΜ 123456783"));
    UserDialogs::ScriptAnswers({true});
    index.DeleteSelected();
    EXPECT_FALSE(folder.exists("Tables/E2123456783.dta"));
    EXPECT_TRUE(folder.exists("Tables/E1123456783.dta"));
    EXPECT_EQ(index.result(), QDialog::Rejected) << "after a deletion the index closes and opens nothing";
}

}  // namespace
}  // namespace dz
