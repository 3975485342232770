// The short declaration window: opening through the index, typing codes, saving, computing.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "notewindow/fi_eka.h"
#include "controls/edit_afm.h"
#include "controls/entry_texts.h"
#include "e1/code_list_editor.h"
#include "e1/fi_fast_dil.h"
#include "gui_helpers.h"
#include "model/declaration_file.h"
#include "support/test_folder.h"

namespace dz {
namespace {

class ShortDeclarationWindowTest : public ::testing::Test {
protected:
    // A declaration as the E1 window would save it, with a byte in a reserved range that only
    // another version of the program might have written.
    QByteArray SaveE1(const char* afm) {
        E1Declaration d;
        AssignCut(d.Afm, QString::fromUtf8(afm), "Afm");
        AssignCut(d.Surname, QStringLiteral("ΠΑΠΑΣ"), "Surname");
        AssignCut(d.FirstName, QStringLiteral("ΝΙΚΟΣ"), "FirstName");
        AssignCut(d.Residence[0].Address, QStringLiteral("ΟΔΟΣ 1"), "Address");
        d.Car[0].Cc = 1600;
        d.Codes[0] = {301, 30000};
        d.Codes[1] = {1, 1};
        d.Codes[4] = {49, 1234.5};
        E1Image image{};
        EncodeE1(d, image.data());
        image[110] = 0x5A;
        QByteArray bytes(reinterpret_cast<const char*>(image.data()), image.size());
        folder.writeFile(DeclarationFileName(DeclarationKind::E1, QString::fromUtf8(afm)), bytes);
        return bytes;
    }

    void TypeInCell(TfiFastDil& w, int row, int column, const QString& text) {
        CodeListEditor* list = w.codes();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last editor is gone
        list->setCurrentCell(row, column);
        list->editItem(list->item(row, column));
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(editor, &press);
        }
        QTest::keyClick(editor, Qt::Key_Return);
    }

    test::TestFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(ShortDeclarationWindowTest, OpensThroughTheIndexWithCodesSortedAndBoxesTicked) {
    SaveE1("123456783");
    TfiFastDil w;
    test::WhenModal([](QWidget* modal) {
        auto* index = qobject_cast<TfiEntypaList*>(modal);
        ASSERT_NE(index, nullptr);
        index->grid()->setCurrentCell(0, 0);
        index->accept();
    });
    w.OpenClick();
    EXPECT_EQ(w.afmField()->text(), QStringLiteral("123456783"));
    EXPECT_EQ(w.surnameField()->text(), QStringLiteral("ΠΑΠΑΣ"));
    EXPECT_EQ(w.codes()->Rows(), (std::vector<CodeRow>{{"049", "1.234,50"}, {"301", "30.000,00"}}));
    EXPECT_TRUE(w.box(1)->isChecked());
    EXPECT_FALSE(w.box(2)->isChecked());
}

TEST_F(ShortDeclarationWindowTest, SavingKeepsWhatTheWindowDoesNotShow) {
    const QByteArray original = SaveE1("123456783");
    TfiFastDil w;
    w.OpenDeclaration("123456783");
    w.surnameField()->setText(QStringLiteral("ΝΕΟΣ"));
    w.box(30)->setChecked(true);
    UserDialogs::ScriptAnswers({true});  // overwrite
    w.SaveClick();
    EXPECT_EQ(UserDialogs::ShownTexts().last(), kSaveSucceeded);
    const QByteArray saved = folder.readFile("Tables/E1123456783.dta");
    EXPECT_EQ(saved[110], 0x5A) << "a reserved byte of the opened file is written back as it was";
    E1Declaration back;
    ASSERT_TRUE(ReadDeclarationFile(u"123456783", back));
    EXPECT_EQ(back.Surname.ToString(), QStringLiteral("ΝΕΟΣ"));
    EXPECT_EQ(back.FirstName.ToString(), QStringLiteral("ΝΙΚΟΣ"));
    EXPECT_EQ(back.Residence[0].Address.ToString(), QStringLiteral("ΟΔΟΣ 1"));
    EXPECT_EQ(back.Car[0].Cc, 1600);
    const std::vector<std::pair<int, double>> codes = {{30, 1}, {1, 1}, {49, 1234.5}, {301, 30000}};
    for (size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(back.Codes[i].Code, codes[i].first) << "entry " << i;
        EXPECT_EQ(back.Codes[i].Value, codes[i].second) << "entry " << i;
    }
}

TEST_F(ShortDeclarationWindowTest, TypedRowsAreSavedAndDuplicatesRefused) {
    folder.makeFolder("Tables");
    TfiFastDil w;
    w.show();
    TypeInCell(w, 0, 0, "301");
    EXPECT_EQ(w.codes()->currentColumn(), 1) << "Enter in the code column moves to the amount";
    TypeInCell(w, 0, 1, "1234,5");
    EXPECT_EQ(w.codes()->currentRow(), 1) << "Enter in the amount column goes to a new row";
    TypeInCell(w, 1, 0, "30a1");  // the letter is refused
    ASSERT_FALSE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_EQ(UserDialogs::ShownTexts().last(), CodeListEditor::kDuplicateCode.arg("301"));
    EXPECT_EQ(w.codes()->item(1, 0)->text(), QString()) << "a code another row holds is refused";
    TypeInCell(w, 1, 0, "049");
    TypeInCell(w, 1, 1, "7,5,5");  // a second comma is refused
    EXPECT_EQ(w.codes()->Rows()[1], (CodeRow{"049", "7,55"}));
    w.SaveClick();
    E1Declaration back;
    ASSERT_TRUE(ReadDeclarationFile(u"", back)) << "an empty tax number saves Tables/E1.dta without a warning";
    EXPECT_EQ(back.Codes[0].Code, 301);
    EXPECT_EQ(back.Codes[0].Value, 1234.5);
    EXPECT_EQ(back.Codes[1].Code, 49);
}

TEST_F(ShortDeclarationWindowTest, ComputeCapsCodes067And068AndShowsTheClearanceNote) {
    TfiFastDil w;
    w.codes()->SetRows({{"301", "20.000,00"}, {"067", "3.500,00"}});
    w.marriedBox()->setChecked(false);
    w.afmField()->setText(QStringLiteral("123456783"));
    w.surnameField()->setText(QStringLiteral("ΠΑΠΑΣ"));
    EkaHeader header;
    double salary = -1;
    test::WhenModal([&](QWidget* modal) {
        auto* eka = qobject_cast<TfiEka*>(modal);
        ASSERT_NE(eka, nullptr);
        header = eka->Note().header;
        salary = eka->Results().SalaryIncome[0];
        eka->close();
    });
    w.EkaClick();
    EXPECT_EQ(w.codes()->Rows()[1].amount, QStringLiteral("3000"));
    EXPECT_EQ(header.AFM, QStringLiteral("123456783"));
    EXPECT_EQ(header.BigName, QStringLiteral("ΠΑΠΑΣ"));
    EXPECT_EQ(header.Address, QString());
    EXPECT_EQ(salary, 20000.0);
}

TEST_F(ShortDeclarationWindowTest, BadRowsStopTheComputeWithOneMessage) {
    TfiFastDil w;
    w.show();
    w.codes()->SetRows({{"1-2", "5"}});
    QTest::mouseClick(w.findChild<QWidget*>("btEka"), Qt::LeftButton);
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1);
    EXPECT_EQ(UserDialogs::ShownTexts().first(),
              QStringLiteral("Το «1-2» δεν είναι έγκυρος ακέραιος αριθμός (γραμμή 1, στήλη «Κωδικός»)."));
}

TEST_F(ShortDeclarationWindowTest, LeavingWithTypedChangesAsksFirstAndNoKeepsThem) {
    SaveE1("123456783");
    enum class Leave { Escape, ExitButton, CloseWindow };
    struct Case {
        const char* name;
        bool open;         // opened from the file first
        bool typeARow;
        bool save;         // saved after typing
        Leave how;
        QList<bool> answers;
        bool asked;
        bool closed;
    };
    const Case cases[] = {
        {"nothing typed, Escape", false, false, false, Leave::Escape, {}, false, true},
        {"opened, nothing changed, Exit", true, false, false, Leave::ExitButton, {}, false, true},
        {"typed, Escape, No", false, true, false, Leave::Escape, {false}, true, false},
        {"typed, Exit, No", true, true, false, Leave::ExitButton, {false}, true, false},
        {"typed, window closed, No", false, true, false, Leave::CloseWindow, {false}, true, false},
        {"typed, Escape, Yes", false, true, false, Leave::Escape, {true}, true, true},
        {"typed and saved, Escape", true, true, true, Leave::Escape, {true}, false, true},
    };
    for (const Case& c : cases) {
        UserDialogs::StopScript();
        UserDialogs::ClearShownTexts();
        TfiFastDil w;
        w.show();
        QApplication::setActiveWindow(&w);
        if (c.open) w.OpenDeclaration(QStringLiteral("123456783"));
        if (c.typeARow) w.codes()->SetRows({{"303", "100"}});
        UserDialogs::ScriptAnswers({true});  // the save's overwrite question
        if (c.save) w.SaveClick();
        UserDialogs::StopScript();
        UserDialogs::ClearShownTexts();
        UserDialogs::ScriptAnswers(c.answers);
        switch (c.how) {
        case Leave::Escape: QTest::keyClick(w.codes(), Qt::Key_Escape); break;
        case Leave::ExitButton: QTest::mouseClick(w.findChild<QWidget*>("btClose"), Qt::LeftButton); break;
        case Leave::CloseWindow: w.close(); break;
        }
        EXPECT_EQ(!UserDialogs::ShownTexts().isEmpty(), c.asked) << c.name;
        if (c.asked) {
            EXPECT_EQ(UserDialogs::ShownTexts().first(), entry::kEscapeQuestion) << c.name;
        }
        EXPECT_EQ(w.isVisible(), !c.closed) << c.name;
        if (!c.closed) {
            EXPECT_EQ(w.codes()->Rows().front(), (CodeRow{"303", "100"})) << c.name;
        }
    }
}

TEST_F(ShortDeclarationWindowTest, TheSelectedRowIsDeletedByKeyOrButton) {
    struct Case {
        const char* name;
        std::function<void(TfiFastDil&)> remove;
    };
    const Case cases[] = {
        {"Delete", [](TfiFastDil& w) { QTest::keyClick(w.codes(), Qt::Key_Delete); }},
        {"Ctrl+Delete", [](TfiFastDil& w) { QTest::keyClick(w.codes(), Qt::Key_Delete, Qt::ControlModifier); }},
        {"the button", [](TfiFastDil& w) { QTest::mouseClick(w.findChild<QWidget*>("btDeleteRow"), Qt::LeftButton); }},
    };
    for (const Case& c : cases) {
        TfiFastDil w;
        w.show();
        w.codes()->SetRows({{"049", "1"}, {"301", "2"}, {"303", "3"}});
        w.codes()->setCurrentCell(1, 1);
        c.remove(w);
        EXPECT_EQ(w.codes()->Rows(), (std::vector<CodeRow>{{"049", "1"}, {"303", "3"}})) << c.name;
        EXPECT_EQ(w.codes()->currentRow(), 1) << c.name << ": the row below becomes the selected one";
        w.codes()->SetRows({{"049", "1"}});
        c.remove(w);
        EXPECT_EQ(w.codes()->Rows(), (std::vector<CodeRow>{{"", ""}})) << c.name << ": one empty row is left to type into";
    }
}

TEST_F(ShortDeclarationWindowTest, SaysThatItsComputationLeavesOutTheLuxuryTax) {
    TfiFastDil w;
    w.show();
    auto* note = w.findChild<QLabel*>("lbNoLuxuryTax");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("φόρο πολυτελούς διαβίωσης")));
}

TEST_F(ShortDeclarationWindowTest, EditsUndoneToTheOpenedFormAndRedoneByKeysAndButtons) {
    SaveE1("123456783");
    TfiFastDil w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.OpenDeclaration("123456783"));
    const ShortForm opened = w.Form();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QTest::keyClick(target, key, modifiers);
        QApplication::processEvents();
    };
    struct Edit {
        const char* name;
        std::function<void()> act;
    };
    const Edit edits[] = {
        {"the surname typed",
         [&] {
             w.surnameField()->setFocus();
             w.surnameField()->selectAll();
             QTest::keyClicks(w.surnameField(), "NEOS");
             press(Qt::Key_Return, Qt::NoModifier);
         }},
        {"a box ticked", [&] { QTest::mouseClick(w.box(30), Qt::LeftButton, {}, QPoint(4, w.box(30)->height() / 2)); }},
        {"a code typed into a new row",
         [&] {
             w.codes()->setFocus();
             w.codes()->setCurrentCell(1, 1);
             press(Qt::Key_Return, Qt::NoModifier);  // past the last amount: a new row
             TypeInCell(w, 2, 0, "303");
         }},
        {"its amount typed", [&] { TypeInCell(w, 2, 1, "1200"); }},
        {"the first row deleted",
         [&] {
             w.codes()->setFocus();
             w.codes()->setCurrentCell(0, 0);
             press(Qt::Key_Delete, Qt::NoModifier);
         }},
    };
    std::vector<ShortForm> after;
    for (const Edit& e : edits) {
        const std::size_t before = w.History().Steps();
        e.act();
        QApplication::processEvents();
        EXPECT_EQ(w.History().Steps(), before + 1) << e.name << ": one step";
        after.push_back(w.Form());
    }
    ASSERT_EQ(w.Form().rows, (std::vector<CodeRow>{{"301", "30.000,00"}, {"303", "1200"}}));
    ASSERT_TRUE(w.Modified());

    for (std::size_t i = after.size(); i-- > 0;) {
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.Form(), i == 0 ? opened : after[i - 1]) << "undoing " << edits[i].name;
    }
    EXPECT_FALSE(w.Modified()) << "undone to the opened form";
    for (std::size_t i = 0; i < after.size(); ++i) {
        press(i % 2 ? Qt::Key_Y : Qt::Key_Z, i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(w.Form(), after[i]) << "redoing " << edits[i].name;
    }
    EXPECT_TRUE(w.Modified());

    auto* undo = w.findChild<QPushButton*>(QStringLiteral("btUndo"));
    auto* redo = w.findChild<QPushButton*>(QStringLiteral("btRedo"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("Αναίρεση"));
    EXPECT_FALSE(redo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(w.Form(), after[after.size() - 2]);
    QTest::mouseClick(redo, Qt::LeftButton);
    EXPECT_EQ(w.Form(), after.back());
    UserDialogs::ScriptAnswers({true});  // leave the changes
    w.reject();
}

}  // namespace
}  // namespace dz
