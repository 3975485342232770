// The clearance note window: views and their switching, the receipts field, the empty
// declaration, codes list, header, keys, print buttons, and what its cells look like drawn.
#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "controls/clickable_picture.h"
#include "note/note_lines.h"
#include "notewindow/eka_grid.h"
#include "notewindow/fi_eka.h"
#include "controls/edit_real.h"

namespace dz {
namespace {

using tax::ResultSet;

ResultSet Computed() {
    ResultSet r;
    r.DomesticIncome = {30000, 18000};
    r.SalaryIncome = {30000, 18000};
    r.TotalIncome = {30000, 18000};
    r.TaxableIncome = {30000, 18000};
    r.IncomeTaxDue = {2000, 0};
    r.IncomeTaxDebit = {0, 0};
    r.IncomeTaxCredit = {150, 0};
    r.IncomeTaxCreditTotal = 150;
    r.ReceiptsShortfallTax = {-220, 0};
    r.ReceiptsDeclared = 1000;
    r.RentStamp = {12.5, 0};
    r.FinalBalance = 1234.56;
    return r;
}

class ClearanceWindowTest : public ::testing::Test {
protected:
    static std::unique_ptr<TfiEka> open(const ResultSet& r, std::optional<std::vector<CodeEntry>> codes = std::nullopt,
                                        const EkaHeader& header = {"123456783", "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ",
                                                                   "ΣΤΑΔΙΟΥ 10, ΑΘΗΝΑ", "", "", ""},
                                        const PrintOperations& print = {}) {
        return std::make_unique<TfiEka>(MakeClearanceNote(header, std::move(codes), r), print);
    }

    static QStringList column(const EkaGrid* grid, int col) {
        QStringList texts;
        for (int row = 0; row < kEkaGridRows; ++row) texts << grid->cellText(row, col);
        return texts;
    }
};

TEST_F(ClearanceWindowTest, OpensOnTheClearanceView) {
    const ResultSet r = Computed();
    auto w = open(r);
    EXPECT_EQ(w->windowTitle(), "Εκκαθαριστικό Σημείωμα Φόρου Εισοδήματος");
    EXPECT_EQ(w->size(), QSize(918, 665));
    EXPECT_EQ(w->EkaSection(), kClearanceSection);
    EXPECT_EQ(w->sgEka->cellText(0, 1), "ΤΟΥ ΥΠΟΧΡΕΟΥ");
    EXPECT_EQ(w->sgEka->cellText(0, 2), "ΤΗΣ ΣΥΖΥΓΟΥ");
    EXPECT_EQ(w->sgEka->cellText(3, 0), "ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ");
    EXPECT_EQ(w->sgEka->cellText(3, 1), "30.000,00");
    EXPECT_EQ(w->sgEka->cellText(3, 2), "18.000,00");
    EXPECT_EQ(w->sgEka->cellText(9, 1), "220,00");
    EXPECT_EQ(w->sgEka->cellText(25, 1), "1.234,56");
    // The window keeps the note it shows, lines included, for its print.
    const EkaLines& lines = w->Note().lines;
    EXPECT_EQ(lines.person[0][3], "30.000,00");
    EXPECT_EQ(lines.person[1][3], "18.000,00");
    EXPECT_EQ(lines.person[0][14], "-150,00");
    EXPECT_EQ(lines, FillEkaLines(r));
}

TEST_F(ClearanceWindowTest, BreakdownAndBackKeepTheTexts) {
    auto w = open(Computed());
    w->show();
    const QStringList before[] = {column(w->sgEka, 0), column(w->sgEka, 1), column(w->sgEka, 2)};
    EXPECT_FALSE(w->imBack->isVisible());
    EXPECT_EQ(w->sgEka->rowHeight(7), 36);
    EXPECT_EQ(w->sgEka->rowHeight(19), 36);
    EXPECT_TRUE(w->sgEka->isRowHidden(20));

    QTest::mouseClick(w->ViewButton(7), Qt::LeftButton);
    EXPECT_EQ(w->EkaSection(), 7);
    EXPECT_TRUE(w->imBack->isVisible());
    EXPECT_EQ(w->sgEka->cellText(1, 0), "ΧΑΡΤΟΣΗΜΟ");
    EXPECT_EQ(w->sgEka->cellText(1, 1), "12,50");
    EXPECT_EQ(w->sgEka->cellText(1, 2), "0,00");  // kept as text, emptied when drawn
    EXPECT_EQ(w->sgEka->shownText(1, 2), "");
    EXPECT_EQ(w->sgEka->cellText(9, 0), "");     // rows the view does not name are cleared
    EXPECT_EQ(w->sgEka->cellText(9, 1), "");
    EXPECT_EQ(w->sgEka->rowHeight(7), 18);
    EXPECT_EQ(w->sgEka->rowHeight(19), 18);
    EXPECT_TRUE(w->sgEka->isRowHidden(20));

    QTest::mouseClick(w->imBack, Qt::LeftButton);
    EXPECT_EQ(w->EkaSection(), kClearanceSection);
    EXPECT_FALSE(w->imBack->isVisible());
    EXPECT_EQ(column(w->sgEka, 0), before[0]);
    EXPECT_EQ(column(w->sgEka, 1), before[1]);
    EXPECT_EQ(column(w->sgEka, 2), before[2]);

    w->ShowBreakdown(1);
    QTest::mouseClick(w->btDisplayTheEKA, Qt::LeftButton);
    EXPECT_EQ(w->EkaSection(), kClearanceSection);
    EXPECT_EQ(column(w->sgEka, 1), before[1]);
}

TEST_F(ClearanceWindowTest, RequiredReceiptsShownAndKept) {
    auto w = open(Computed());
    w->show();
    EXPECT_TRUE(w->lbApodeixeis->isVisible());
    EXPECT_TRUE(w->edApodeixeis->isVisible());
    EXPECT_EQ(w->lbApodeixeis->text(), "Απαιτούμενο Ποσό Αποδείξεων (κωδ. 049): ");
    EXPECT_EQ(w->edApodeixeis->text(), "2.000,00");
    EXPECT_DOUBLE_EQ(w->edApodeixeis->Value(), 2000);
    EXPECT_TRUE(w->edApodeixeis->isReadOnly());
    w->ShowBreakdown(3);
    EXPECT_TRUE(w->edApodeixeis->isVisible());

    ResultSet enough = Computed();
    enough.ReceiptsShortfallTax = {0, 0};
    auto quiet = open(enough);
    quiet->show();
    EXPECT_FALSE(quiet->lbApodeixeis->isVisible());
    EXPECT_FALSE(quiet->edApodeixeis->isVisible());
}

TEST_F(ClearanceWindowTest, EmptyDeclaration) {
    ResultSet r;
    r.EmptyDeclaration = true;
    auto w = open(r);
    w->show();
    for (int section : {1, 3, 4, 5, 6, 7}) EXPECT_FALSE(w->ViewButton(section)->isEnabled()) << "bt" << section;
    for (int row = 1; row < kEkaGridRows; ++row)
        for (int col : {1, 2}) EXPECT_EQ(w->sgEka->cellText(row, col), "") << "row " << row << ", column " << col;
    EXPECT_EQ(w->sgEka->cellText(1, 0), "ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ");
    EXPECT_TRUE(w->btDisplayTheEKA->isEnabled());
    EXPECT_TRUE(w->bt9->isEnabled());
    EXPECT_EQ(w->Note().lines.person[0], EkaLineTexts{});
    // Redisplaying does not bring the buttons back.
    QTest::mouseClick(w->btDisplayTheEKA, Qt::LeftButton);
    EXPECT_FALSE(w->ViewButton(1)->isEnabled());
}

TEST_F(ClearanceWindowTest, EscapeClosesFromGridButtonsAndCheckBox) {
    auto w = open(Computed());
    struct Case {
        const char* name;
        QWidget* target;
    } cases[] = {
        {"grid", w->sgEka},
        {"breakdown button", w->ViewButton(4)},
        {"exit button", w->bt9},
        {"check box", w->cbOneDosi},
    };
    for (const Case& c : cases) {
        w->show();
        c.target->setFocus();
        QTest::keyClick(c.target, Qt::Key_Down);
        EXPECT_TRUE(w->isVisible()) << c.name << ": other keys do nothing";
        QTest::keyClick(c.target, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << c.name;
    }
    w->show();
    QTest::mouseClick(w->bt9, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible()) << "bt9";
}

TEST_F(ClearanceWindowTest, PrintButtons) {
    {
        auto w = open(Computed());
        EXPECT_FALSE(w->bt10->isEnabled()) << "no print operation yet";
        EXPECT_FALSE(w->btPDF->isEnabled()) << "no print operation yet";
        EXPECT_EQ(w->bt10->text(), "Εκτύπωση");
        EXPECT_EQ(w->btPDF->text(), "Εξαγωγή σε αρχείο PDF");
        EXPECT_EQ(w->btPDF->property("tag").toInt(), 99);
    }
    QList<bool> runs;
    PrintOperations print;
    print.clearanceNote = [&](TfiEka& window, bool pdf) {
        EXPECT_EQ(window.Note().header.AFM, "123456783");
        runs << pdf;
    };
    auto w = open(Computed(), std::nullopt, {"123456783", "", "", "", "", ""}, print);
    w->show();
    QTest::mouseClick(w->bt10, Qt::LeftButton);
    QTest::mouseClick(w->btPDF, Qt::LeftButton);
    EXPECT_EQ(runs, QList<bool>({false, true}));
}

TEST_F(ClearanceWindowTest, HeaderFromTheOpener) {
    const EkaHeader e1{"123456783", "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ", "ΣΤΑΔΙΟΥ 10", "Α' ΑΘΗΝΩΝ", "ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ",
                        "100000090"};
    auto w = open(Computed(), {}, e1);
    w->show();
    EXPECT_EQ(w->Note().header, e1);
    const QLabel* labels[] = {w->lbAFM, w->lbBigName, w->lbAddress, w->lbDoy, w->lbSyzBigName, w->lbSyzAfm};
    const QString texts[] = {e1.AFM, e1.BigName, e1.Address, e1.Doy, e1.SyzBigName, e1.SyzAfm};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(labels[i]->text(), texts[i]) << labels[i]->objectName().toStdString();
    EXPECT_TRUE(w->lbAFM->isVisible());
    for (QLabel* carried : {w->lbDoy, w->lbSyzBigName, w->lbSyzAfm})
        EXPECT_FALSE(carried->isVisible()) << carried->objectName().toStdString();
}

TEST_F(ClearanceWindowTest, CodesGrid) {
    auto empty = open(Computed());
    QStringList headings;
    for (int c = 0; c < 4; ++c) headings << empty->sgCodes->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, QStringList({"Κωδ.", "Ποσό", "Κωδ.", "Ποσό"}));
    EXPECT_EQ(empty->sgCodes->rowCount(), 24) << "the short declaration's note keeps the 24 empty rows";
    EXPECT_EQ(empty->sgCodes->item(0, 0), nullptr);
    EXPECT_EQ(open(Computed(), std::vector<CodeEntry>{})->sgCodes->rowCount(), 0) << "an E1 note without codes";

    std::vector<CodeEntry> entries;
    for (int i = 0; i < 30; ++i) entries.emplace_back(301 + 2 * i, QStringLiteral("%1,00").arg(i + 1));
    for (int code : {2, 14, 302}) entries.emplace_back(code, QStringLiteral("ΝΑΙ"));
    auto w = open(Computed(), entries);
    w->show();
    ASSERT_EQ(w->sgCodes->rowCount(), 30) << "30 entries below the header row";
    EXPECT_EQ(w->sgCodes->item(29, 0)->text(), "359");
    EXPECT_EQ(w->sgCodes->item(29, 1)->text(), "30,00");
    EXPECT_EQ(w->sgCodes->item(2, 2)->text(), "302");
    EXPECT_EQ(w->sgCodes->item(3, 2)->text(), "");
    w->sgCodes->scrollToItem(w->sgCodes->item(29, 0));
    EXPECT_TRUE(w->sgCodes->viewport()->rect().contains(w->sgCodes->visualItemRect(w->sgCodes->item(29, 0))))
        << "the 30th odd entry can be seen";
}

TEST_F(ClearanceWindowTest, FinalTaxLineHoldsTheAmountToPayAndOneInstalmentTakes98AndAHalfPercent) {
    struct Case {
        const char* name;
        double finalBalance;
        const char* shown;           // row 19 before ticking
        const char* oneInstalment;   // row 19 once ticked
    };
    const Case cases[] = {
        {"to pay", 1234.56, "1.234,56", "1.216,04"},
        {"to pay, a round amount", 1000, "1.000,00", "985,00"},
        {"refund", -500, "", ""},
        {"nothing either way", 0, "", ""},
    };
    for (const Case& c : cases) {
        ResultSet r = Computed();
        r.FinalBalance = c.finalBalance;
        auto w = open(r);
        w->show();
        const EkaLines lines = w->Note().lines;
        EXPECT_EQ(w->sgEka->cellText(19, 1), c.shown) << c.name;
        EXPECT_EQ(w->sgEka->cellText(19, 2), "") << c.name << ": the spouse's column stays empty";
        w->ShowBreakdown(5);
        QTest::mouseClick(w->cbOneDosi, Qt::LeftButton, {}, QPoint(5, w->cbOneDosi->height() / 2));
        ASSERT_TRUE(w->cbOneDosi->isChecked()) << c.name;
        EXPECT_EQ(w->EkaSection(), kClearanceSection) << c.name;
        EXPECT_EQ(w->sgEka->cellText(19, 1), c.oneInstalment) << c.name;
        EXPECT_EQ(w->Note().lines, lines) << c.name << ": the print keeps the undiscounted lines";
        QTest::mouseClick(w->cbOneDosi, Qt::LeftButton, {}, QPoint(5, w->cbOneDosi->height() / 2));
        EXPECT_EQ(w->sgEka->cellText(19, 1), c.shown) << c.name << ": unticking brings the full amount back";
    }
}

// Drawn cells: the colours and the rules come out on the screen, not only in the rule tables.
class DrawnGridTest : public ClearanceWindowTest {
protected:
    static bool HasColour(const QImage& image, const QRect& rect, auto wanted) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (wanted(image.pixelColor(x, y))) return true;
        return false;
    }
    static bool Red(const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
    static bool Dark(const QColor& c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }

    QImage grab(TfiEka& w) { return w.sgEka->viewport()->grab().toImage(); }
    QRect cell(TfiEka& w, int row, int col) {
        return w.sgEka->visualItemRect(w.sgEka->item(row, col)).adjusted(1, 1, -1, -1);
    }
    // A one-pixel strip along the bottom edge of a row, across the label column.
    QRect bottomEdge(TfiEka& w, int row) {
        const int y = w.sgEka->rowViewportPosition(row) + w.sgEka->rowHeight(row) - 1;
        return QRect(10, y, 150, 1);
    }
};

TEST_F(DrawnGridTest, RedRowsBlackBreakdownsRulesAndZeroes) {
    auto w = open(Computed());
    w->show();
    QImage image = grab(*w);
    EXPECT_TRUE(HasColour(image, cell(*w, 14, 1), Red)) << "negative main tax in red";
    EXPECT_TRUE(HasColour(image, cell(*w, 3, 1), Dark)) << "an amount in black";
    EXPECT_FALSE(HasColour(image, cell(*w, 3, 1), Red)) << "an amount in black";
    EXPECT_FALSE(HasColour(image, cell(*w, 14, 2), Dark)) << "no text where the line is empty";
    for (int row : {6, 7, 18, 19}) EXPECT_TRUE(HasColour(image, bottomEdge(*w, row), Dark)) << "rule below row " << row;
    EXPECT_FALSE(HasColour(image, bottomEdge(*w, 3), Dark)) << "no rule below row 3";

    w->ShowBreakdown(7);
    image = grab(*w);
    EXPECT_TRUE(HasColour(image, cell(*w, 1, 1), Dark)) << "12,50 drawn";
    EXPECT_FALSE(HasColour(image, cell(*w, 1, 2), Dark)) << "0,00 drawn as nothing";
    for (int row : {6, 7, 18, 19}) EXPECT_FALSE(HasColour(image, bottomEdge(*w, row), Dark)) << "row " << row;
}

TEST_F(DrawnGridTest, EveryLabelFitsItsColumn) {
    auto w = open(Computed());
    const QFontMetrics metrics(w->sgEka->font());
    auto fits = [&](int section) {
        for (int row = 1; row < kEkaGridRows; ++row) {
            const QString label = w->sgEka->cellText(row, 0);
            EXPECT_LE(metrics.horizontalAdvance(label) + 5, w->sgEka->columnWidth(0))
                << "view " << section << ", row " << row << ": " << label.toStdString();
        }
    };
    fits(kClearanceSection);
    for (int section : {1, 3, 4, 5, 6, 7}) {
        w->ShowBreakdown(section);
        fits(section);
    }
}

}  // namespace
}  // namespace dz
