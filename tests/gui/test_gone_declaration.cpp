// A declaration chosen from the index whose file was deleted after the index was filled: one
// message naming the tax number, no empty window, and an open short declaration left as it was.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "controls/fi_entypa_list.h"
#include "app/fi_main.h"
#include "controls/user_dialogs.h"
#include "controls/edit_afm.h"
#include "e1/code_list_editor.h"
#include "e1/fi_fast_dil.h"
#include "gui_helpers.h"
#include "model/declaration_file.h"
#include "support/test_folder.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace dz {
namespace {

QByteArray E1File(const char* afm, const QString& surname, std::initializer_list<E1Declaration::CodeEntry> codes) {
    E1Declaration d;
    AssignCut(d.Afm, QString::fromLatin1(afm), "Afm");
    AssignCut(d.Surname, surname, "Surname");
    int i = 0;
    for (const auto& entry : codes) d.Codes[i++] = entry;
    E1Image image{};
    EncodeE1(d, image.data());
    return QByteArray(reinterpret_cast<const char*>(image.data()), image.size());
}

QByteArray E2File(const char* afm) {
    E2Record record;
    AssignCut(record.Afm, QString::fromLatin1(afm), "Afm");
    AssignCut(record.Surname, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), "Surname");
    E2Image image{};
    EncodeE2(record, image.data());
    return QByteArray(reinterpret_cast<const char*>(image.data()), image.size());
}

// Answers the index that opens next: deletes the file of `afm`, then chooses its row.
void DeleteThenChoose(const QString& afm, DeclarationKind kind) {
    test::WhenModal([afm, kind](QWidget* modal) {
        auto* index = qobject_cast<TfiEntypaList*>(modal);
        ASSERT_NE(index, nullptr);
        for (int row = 0; row < index->grid()->rowCount(); ++row)
            if (index->grid()->item(row, 2)->text() == afm) index->grid()->setCurrentCell(row, 0);
        ASSERT_EQ(index->SelectedAfm(), afm);
        ASSERT_TRUE(QFile::remove(DeclarationFileName(kind, afm)));
        index->accept();
    });
}

const QString kGone = QStringLiteral("Η δήλωση με Α.Φ.Μ. 123456783 δεν βρέθηκε στο φάκελο Tables");

TEST(GoneDeclaration, MainWindowShowsOneMessageAndOpensNoWindow) {
    const struct {
        const char* name;
        DeclarationKind kind;
        QAction* TfiMain::*command;
    } cases[] = {
        {"E1", DeclarationKind::E1, &TfiMain::acLoadE1},
        {"E2", DeclarationKind::E2, &TfiMain::acLoadE2},
    };
    for (const auto& c : cases) {
        test::TestFolder folder;
        folder.makeFolder(QStringLiteral("Tables"));
        folder.writeFile(DeclarationFileName(c.kind, u"123456783"),
                         c.kind == DeclarationKind::E1 ? E1File("123456783", QStringLiteral("ΠΑΠΑΣ"), {}) : E2File("123456783"));
        TfiMain main;
        main.show();
        ScriptedDialogs dialogs;
        DeleteThenChoose(QStringLiteral("123456783"), c.kind);
        (main.*c.command)->trigger();
        EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{kGone}) << c.name;
        EXPECT_EQ(main.childCount(), 0) << c.name << ": no empty window";
    }
}

TEST(GoneDeclaration, ShortDeclarationKeepsWhatItShows) {
    test::TestFolder folder;
    folder.makeFolder(QStringLiteral("Tables"));
    folder.writeFile(DeclarationFileName(DeclarationKind::E1, u"100000090"),
                     E1File("100000090", QStringLiteral("ΑΛΦΑ"), {{301, 30000}, {1, 1}}));
    folder.writeFile(DeclarationFileName(DeclarationKind::E1, u"123456783"),
                     E1File("123456783", QStringLiteral("ΒΗΤΑ"), {{401, 5000}}));
    TfiFastDil w;
    w.OpenDeclaration(QStringLiteral("100000090"));
    const std::vector<CodeRow> rows = w.codes()->Rows();
    const E1Declaration declaration = w.Declaration();
    ASSERT_EQ(rows, (std::vector<CodeRow>{{"301", "30.000,00"}}));
    ASSERT_TRUE(w.box(1)->isChecked());

    ScriptedDialogs dialogs;
    DeleteThenChoose(QStringLiteral("123456783"), DeclarationKind::E1);
    w.findChild<QPushButton*>(QStringLiteral("btOpen"))->click();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{kGone});
    EXPECT_EQ(w.codes()->Rows(), rows);
    EXPECT_TRUE(w.box(1)->isChecked());
    EXPECT_EQ(w.afmField()->text(), QStringLiteral("100000090"));
    EXPECT_EQ(w.surnameField()->text(), QStringLiteral("ΑΛΦΑ"));
    EXPECT_TRUE(w.Declaration() == declaration) << "the record that Save writes is the opened one";
}

}  // namespace
}  // namespace dz
