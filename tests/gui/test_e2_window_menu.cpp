// The E2 window's row menu, pick buttons, keys and wheel.
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "controls/edit_int.h"
#include "controls/entry_texts.h"
#include "e2/e2_texts.h"
#include "e2/fi_e2_names.h"
#include "model/declaration_file.h"
#include "test_e2_window.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace dz {
namespace {

using test::E2WindowTest;

class E2RowMenuTest : public E2WindowTest {
protected:
    // Row k of table 1 filled with texts that name it, and a lease that gives it an income.
    void FillRows() {
        for (int k = 1; k <= 16; ++k) {
            for (const char* column : e2::kRowColumns) F(column, k)->setText(QStringLiteral("%1").arg(k));
            F("edTopos%1", k)->setText(QStringLiteral("Οδός %1").arg(k));
            F("edDate1%1", k)->setText(QStringLiteral("01/01"));
            F("edDate2%1", k)->setText(QStringLiteral("31/12"));
            F("edEnoikio%1", k)->setText(QStringLiteral("100"));
            F("edSinid%1", k)->setText(QStringLiteral("100"));
            F("edEidosMist%1", k)->setText(QStringLiteral("10"));
        }
        window->RecalculateAll();
        window->SetModified(false);
    }

    QStringList Row(int k) const {
        QStringList texts;
        for (const char* column : e2::kRowColumns) texts << T(column, k);
        return texts;
    }

    // The menu of row `row` as the user opens it: a right-click on the row's number.
    void RightClick(int row) {
        auto* label = window->ControlAs<QLabel>(QStringLiteral("Label%1").arg(row));
        ASSERT_NE(label, nullptr);
        QTest::mouseClick(label, Qt::RightButton);
        EXPECT_EQ(window->CurrentRow, row);
        EXPECT_TRUE(window->pmEdit->isVisible());
        window->pmEdit->hide();
    }
};

TEST_F(E2RowMenuTest, InsertAndDeleteMoveWholeRows) {
    enum class Op { Insert, Delete };
    const struct { const char* name; Op op; int row; } cases[] = {
        {"insert on row 1", Op::Insert, 1},  {"insert on row 7", Op::Insert, 7},  {"insert on row 16", Op::Insert, 16},
        {"delete on row 1", Op::Delete, 1},  {"delete on row 7", Op::Delete, 7},  {"delete on row 16", Op::Delete, 16},
    };
    for (const auto& c : cases) {
        FillRows();
        std::vector<QStringList> before(17);
        for (int k = 1; k <= 16; ++k) before[k] = Row(k);
        RightClick(c.row);
        window->miCopy->trigger();
        ASSERT_TRUE(window->miPaste->isEnabled());
        (c.op == Op::Insert ? window->miInsert : window->miDelete)->trigger();

        for (int k = 1; k <= 16; ++k) {
            QStringList expected;
            if (c.op == Op::Insert)
                expected = k < c.row ? before[k] : k == c.row ? QStringList() : before[k - 1];
            else
                expected = k < c.row ? before[k] : k == 16 ? QStringList() : before[k + 1];
            if (expected.isEmpty()) {
                for (const QString& text : Row(k)) EXPECT_EQ(text, QString()) << c.name << ", row " << k << " is empty";
            } else {
                EXPECT_EQ(Row(k), expected) << c.name << ", row " << k;
            }
        }
        EXPECT_FALSE(window->miPaste->isEnabled()) << c.name;
        EXPECT_TRUE(window->Modified()) << c.name;
        // 15 rows of 12 × 100 a month, whatever moved.
        EXPECT_EQ(T("edTotal%1", 2), QStringLiteral("18.000,00")) << c.name;
    }
}

TEST_F(E2RowMenuTest, CopyPasteAndClearWorkOnTheRowClicked) {
    FillRows();
    window->miPaste->setEnabled(false);
    RightClick(3);
    window->miCopy->trigger();
    EXPECT_EQ(window->RowClipboard, Row(3));
    EXPECT_FALSE(window->Modified()) << "copying changes nothing";
    RightClick(5);
    window->miPaste->trigger();
    EXPECT_EQ(Row(5), Row(3));
    EXPECT_EQ(T("edThesiID%1", 5), QStringLiteral("3"));
    EXPECT_EQ(static_cast<TEditInt*>(F("edXrisiID%1", 5))->Value(), 3) << "identifiers take their value from the text";
    EXPECT_TRUE(window->Modified());
    RightClick(6);
    window->miClear->trigger();
    for (const QString& text : Row(6)) EXPECT_EQ(text, QString());
    EXPECT_EQ(T("edTotal%1", 2), QStringLiteral("18.000,00"));
    EXPECT_EQ(Row(7)[0], QStringLiteral("Οδός 7")) << "no other row is touched";
}

TEST_F(E2RowMenuTest, ASecondWindowHasItsOwnStatementRowAndCopiedRow) {
    FillRows();
    RightClick(3);
    window->miCopy->trigger();
    window->CollectRecord();
    const E2Record first = window->Record();

    TfiE2 second;
    second.setAttribute(Qt::WA_DeleteOnClose, false);
    E2Record empty{};
    ClearE2Record(empty);
    EXPECT_EQ(second.Record(), empty) << "the second window starts with an empty statement";
    EXPECT_EQ(second.CurrentRow, 0) << "no row of the second window was clicked";
    EXPECT_TRUE(second.RowClipboard.isEmpty()) << "nothing was copied in the second window";
    EXPECT_NE(first, empty) << "the first window's statement has its rows";
    EXPECT_EQ(window->Record(), first) << "opening the second window leaves the first window's statement";
    EXPECT_EQ(window->CurrentRow, 3) << "and its row";
    EXPECT_EQ(window->RowClipboard, Row(3)) << "and its copied row";
}

TEST_F(E2RowMenuTest, TransferFillsTheFirstFreeRowOfTable2) {
    FillRows();
    F("edSurfa%1", 4)->setText(QStringLiteral("12345"));
    F("edPin2Topos1")->setText(QStringLiteral("Α"));
    F("edPin2Topos2")->setText(QStringLiteral("Β"));
    const QStringList row4 = Row(4);
    RightClick(4);
    window->mTransferToPin2->trigger();
    EXPECT_EQ(T("edPin2Topos%1", 3), QStringLiteral("Οδός 4"));
    EXPECT_EQ(T("edPin2Place%1", 3), QStringLiteral("4"));
    EXPECT_EQ(T("edPin2InUse%1", 3), QStringLiteral("4"));
    EXPECT_EQ(T("edPin2Surfa%1", 3), QStringLiteral("1234")) << "table 2 keeps four characters of the surface";
    EXPECT_EQ(T("edParoxesDEH%1", 19), QStringLiteral("4"));
    EXPECT_EQ(T("edThesiID%1", 19), QStringLiteral("4"));
    EXPECT_EQ(T("edXrisiID%1", 19), QStringLiteral("4"));
    EXPECT_EQ(T("edEidosMist%1", 19), QStringLiteral("10"));
    EXPECT_EQ(Row(4), row4) << "the row of table 1 stays as it was";
    EXPECT_EQ(T("edPin2Topos%1", 4), QString());

    for (int m = 4; m <= 9; ++m) F("edPin2Topos%1", m)->setText(QStringLiteral("Χ"));
    UserDialogs::ClearShownTexts();
    window->mTransferToPin2->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{e2::kNoFreeTable2Row});
}

TEST_F(E2RowMenuTest, StoredTextsLongerThanTheTypingLimitMoveWholeAndAreSavedWhole) {
    const QString kLong = QStringLiteral("123456789012345");  // a supply number the user could type 9 digits of
    constexpr int kTypingLimit = 9;
    E2Record stored;
    AssignCut(stored.Afm, QStringLiteral("123456783"), "Afm");
    AssignCut(stored.SupplyNo[0], kLong, "SupplyNo");
    AssignCut(stored.SupplyNo[1], QStringLiteral("22"), "SupplyNo");
    for (int k = 0; k < 3; ++k) AssignCut(stored.Table1[k].Location, QStringLiteral("Οδός %1").arg(k + 1), "Location");
    E2Image image{};
    EncodeE2(stored, image.data());
    folder.writeFile(QStringLiteral("Tables/E2123456783.dta"),
                     QByteArray(reinterpret_cast<const char*>(image.data()), kE2FileSize));
    window->OpenStatement(QStringLiteral("123456783"));

    const struct {
        const char* step;
        std::function<void()> act;
        QStringList supplyNumbers;  // rows 1 to 4
    } steps[] = {
        {"copy row 1, paste on row 3",
         [&] {
             RightClick(1);
             window->miCopy->trigger();
             RightClick(3);
             window->miPaste->trigger();
         },
         {kLong, "22", kLong, ""}},
        {"insert on row 1",
         [&] {
             RightClick(1);
             window->miInsert->trigger();
         },
         {"", kLong, "22", kLong}},
        {"delete row 1",
         [&] {
             RightClick(1);
             window->miDelete->trigger();
         },
         {kLong, "22", kLong, ""}},
    };
    for (const auto& s : steps) {
        s.act();
        for (int k = 1; k <= 4; ++k) {
            QLineEdit* field = F("edParoxesDEH%1", k);
            EXPECT_EQ(field->text(), s.supplyNumbers[k - 1]) << s.step << ", row " << k;
            // A field that holds a short text again takes no more than the user may type.
            EXPECT_EQ(field->maxLength(), std::max<int>(kTypingLimit, field->text().size())) << s.step << ", row " << k;
        }
    }
    RightClick(3);
    window->mTransferToPin2->trigger();
    EXPECT_EQ(T("edParoxesDEH%1", 17), kLong) << "transferred to the first row of table 2";

    dialogs.answers({true});  // overwrite
    window->miSave->trigger();
    E2Record saved;
    ASSERT_TRUE(ReadDeclarationFile(u"123456783", saved));
    const QStringList savedNumbers = {saved.SupplyNo[0].ToString(), saved.SupplyNo[1].ToString(),
                                      saved.SupplyNo[2].ToString(), saved.SupplyNo[3].ToString(),
                                      saved.SupplyNo[16].ToString()};
    EXPECT_EQ(savedNumbers, (QStringList{kLong, "22", kLong, "", kLong}));
}

TEST_F(E2WindowTest, PickButtonsFillTheFieldsOfTheirPosition) {
    Pick("sbGetThesi%1", 3, 2);
    EXPECT_EQ(T("edPlace%1", 3), QStringLiteral("0")) << "the ground floor";
    EXPECT_EQ(static_cast<TEditInt*>(F("edThesiID%1", 3))->Value(), 2);
    EXPECT_TRUE(window->Modified());

    Pick("sbGetXrisi%1", 18, 3);
    EXPECT_EQ(T("edPin2InUse%1", 2), QStringLiteral("Επαγγ. Στέγη"));
    EXPECT_EQ(static_cast<TEditInt*>(F("edXrisiID%1", 18))->Value(), 3);

    Pick("sbGetThesi%1", 27, 1);
    EXPECT_EQ(T("edPin3Place%1", 2), QStringLiteral("Υπ."));

    Pick("sbGetEidosMist%1", 20, 24);
    EXPECT_EQ(T("edEidosMist%1", 20), QStringLiteral("24"));
    Pick("sbGetEidosMist%1", 20, 0);
    EXPECT_EQ(T("edEidosMist%1", 20), QString()) << "no lease type leaves the field empty";

    // The dialog opens on what the field holds; closing it changes nothing.
    test::WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TfiSelectList*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->ItemIndex(), 2);
        dialog->reject();
    });
    QTest::mouseClick(window->ControlAs<QToolButton>(QStringLiteral("sbGetThesi3")), Qt::LeftButton);
    EXPECT_EQ(T("edPlace%1", 3), QStringLiteral("0"));
    window->SetModified(false);
    Pick("sbGetXrisi%1", 3, -1);
    EXPECT_FALSE(window->Modified());
}

TEST_F(E2WindowTest, KeysMoveBetweenFieldsAndPages) {
    window->resize(1000, 500);
    QCoreApplication::processEvents();
    QLineEdit* topos = F("edTopos1");
    topos->setFocus(Qt::TabFocusReason);
    QTest::keyClick(topos, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), F("edPlace1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), F("edInUse1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), topos);

    QScrollBar* bar1 = window->sbPages[0]->verticalScrollBar();
    ASSERT_GT(bar1->maximum(), TfiE2::kCtrlEndPosition);
    QTest::keyClick(topos, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(bar1->value(), 50);
    QTest::keyClick(topos, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(bar1->value(), 0);
    QTest::keyClick(topos, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar1->value(), TfiE2::kCtrlEndPosition);
    QTest::keyClick(topos, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar1->value(), 0);
    QTest::keyClick(topos, Qt::Key_End);
    EXPECT_EQ(bar1->value(), 0) << "End alone stays in the field";

    QTest::keyClick(topos, Qt::Key_PageDown);
    EXPECT_EQ(window->pcPages->currentIndex(), 1);
    ASSERT_TRUE(window->sbPages[1]->isAncestorOf(QApplication::focusWidget())) << "the keys go on on page 2";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(window->pcPages->currentIndex(), 0) << "the pages wrap around";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(window->pcPages->currentIndex(), 1);
}

TEST_F(E2WindowTest, WheelNotchesScrollFourPixelsOnPage1AndSixOnPage2) {
    window->resize(1000, 500);
    QCoreApplication::processEvents();
    for (int page = 0; page < TfiE2::kPageCount; ++page) {
        window->pcPages->setCurrentIndex(page);
        QWidget* viewport = window->sbPages[page]->viewport();
        QScrollBar* bar = window->sbPages[page]->verticalScrollBar();
        bar->setValue(100);
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &event);
        };
        wheel(-3 * 120);  // three notches towards the user
        EXPECT_EQ(bar->value(), 100 + 3 * TfiE2::kWheelStep[page]) << "page " << page + 1;
        wheel(120);
        EXPECT_EQ(bar->value(), 100 + 2 * TfiE2::kWheelStep[page]) << "page " << page + 1;
        wheel(60);
        wheel(60);  // two halves make one notch
        EXPECT_EQ(bar->value(), 100 + TfiE2::kWheelStep[page]) << "page " << page + 1;
    }
}

TEST_F(E2WindowTest, EscapeAsksBeforeLosingChanges) {
    const struct { const char* name; bool changed; QList<bool> answers; bool closes; int asked; } cases[] = {
        {"nothing changed", false, {}, true, 0},
        {"keep the window", true, {false}, false, 1},
        {"leave without saving", true, {true, false}, true, 2},
    };
    for (const auto& c : cases) {
        if (!window) {
            window = new TfiE2;
            window->show();
            QApplication::setActiveWindow(window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        UserDialogs::ScriptAnswers(c.answers);
        Type("edTopos%1", 1, QStringLiteral("Οδός"));
        window->SetModified(c.changed);
        UserDialogs::ClearShownTexts();
        QPointer<TfiE2> watched = window;
        QTest::keyClick(F("edTopos1"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(watched.isNull(), c.closes) << c.name;
        EXPECT_EQ(UserDialogs::ShownTexts().size(), c.asked) << c.name;
        if (c.asked > 0) {
            EXPECT_EQ(UserDialogs::ShownTexts()[0], entry::kEscapeQuestion) << c.name;
        }
        if (c.asked > 1) {
            EXPECT_EQ(UserDialogs::ShownTexts()[1], entry::kCloseQuestion) << c.name;
        }
        EXPECT_FALSE(folder.exists("Tables/E2.dta")) << c.name;
    }
}

}  // namespace
}  // namespace dz
