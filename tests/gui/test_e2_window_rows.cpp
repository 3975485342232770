// Rows of table 1 typed as a user types them: dates, shares, rents and lease types give months, incomes and totals.
#include <QScrollArea>
#include <QTabWidget>

#include "controls/edit_real.h"
#include "e2calc/e2_calc.h"
#include "e2/e2_texts.h"
#include "controls/run_command.h"
#include <QDir>
#include "test_e2_window.h"

namespace dz {
namespace {

using test::E2WindowTest;

constexpr const char* kColumns[] = {"edKat%1", "edGr%1", "edGi%1", "edLi%1"};

struct TypedRow {
    const char* name;
    const char* from;
    const char* to;
    const char* rent;
    const char* share;
    int leaseType;
    // what the row shows afterwards
    const char* shownFrom;
    const char* months;
    const char* shownShare;
    std::array<const char*, 4> columns;
    bool shareMessage = false;
};

const TypedRow kRows[] = {
    {"half share of a dwelling", "1/1", "31/12", "500", "50", 10, "01/01", "12,00", "50", {"", "3.000,00", "", ""}},
    {"a third", "1/1", "31/12", "500", "1/3", 10, "01/01", "12,00", "1/3", {"", "2.000,00", "", ""}},
    {"from mid-March", "15/3", "31/12", "1000", "100", 1, "15/03", "9,50", "100", {"9.500,00", "", "", ""}},
    {"share with a comma", "1/7", "31/12", "400", "33,33", 24, "01/07", "6,00", "33,33", {"", "", "799,92", ""}},
    {"share above the whole", "1/1", "31/12", "500", "150", 26, "01/01", "12,00", "", {"", "", "", ""}, true},
    {"zero denominator", "1/1", "31/12", "500", "2/0", 10, "01/01", "12,00", "2/0", {"", "", "", ""}},
    {"reversed dates", "31/12", "1/1", "100", "100", 10, "31/12", "-11,90", "100", {"", "-1.190,00", "", ""}},
    {"29 February", "29/2", "31/12", "100", "100", 10, "", "", "100", {"", "", "", ""}},
    {"lease type 39", "1/1", "31/12", "500", "100", 39, "01/01", "12,00", "100", {"", "", "", ""}},
};

TEST_F(E2WindowTest, TypedRowsGiveTheirMonthsIncomesAndTotals) {
    int row = 0;
    for (const TypedRow& r : kRows) {
        ++row;
        UserDialogs::ClearShownTexts();
        Pick("sbGetEidosMist%1", row, r.leaseType);
        EXPECT_EQ(T("edEidosMist%1", row), QString::number(r.leaseType)) << r.name;
        Type("edDate1%1", row, QString::fromUtf8(r.from));
        Type("edDate2%1", row, QString::fromUtf8(r.to));
        Type("edEnoikio%1", row, QString::fromUtf8(r.rent));
        Type("edSinid%1", row, QString::fromUtf8(r.share));

        EXPECT_EQ(T("edDate1%1", row).toStdString(), r.shownFrom) << r.name;
        EXPECT_EQ(T("edMonths%1", row).toStdString(), r.months) << r.name;
        EXPECT_EQ(T("edSinid%1", row).toStdString(), r.shownShare) << r.name;
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(T(kColumns[c], row).toStdString(), r.columns[c]) << r.name << ", column " << 13 + c;
            // With a monthly rent typed, no income column stays open for typing.
            EXPECT_FALSE(F(kColumns[c], row)->isEnabled()) << r.name << ", column " << 13 + c;
        }
        EXPECT_EQ(UserDialogs::ShownTexts(), r.shareMessage ? QStringList{kBadShareText} : QStringList()) << r.name;
    }
    EXPECT_EQ(T("edTotal%1", 1), QStringLiteral("9.500,00"));
    EXPECT_EQ(T("edTotal%1", 2), QStringLiteral("3.810,00"));
    EXPECT_EQ(T("edTotal%1", 3), QStringLiteral("799,92"));
    EXPECT_EQ(T("edTotal%1", 4), QString());
    EXPECT_TRUE(window->Modified());
}

TEST_F(E2WindowTest, YearlyAmountTypedInTheOpenColumnGivesTheMonthlyRent) {
    const struct { const char* share; const char* income; } cases[] = {{"100", "1.200,00"}, {"50", "600,00"}};
    int row = 0;
    for (const auto& c : cases) {
        ++row;
        Pick("sbGetEidosMist%1", row, 1);
        Type("edDate1%1", row, QStringLiteral("1/1"));
        Type("edDate2%1", row, QStringLiteral("31/12"));
        Type("edSinid%1", row, QString::fromUtf8(c.share));
        ASSERT_TRUE(F("edKat%1", row)->isEnabled()) << "share " << c.share << ": the column opens while the rent is 0";
        EXPECT_FALSE(F("edGr%1", row)->isEnabled()) << "share " << c.share;
        Type("edKat%1", row, QStringLiteral("1200"));
        EXPECT_EQ(T("edEnoikio%1", row), QStringLiteral("100,00")) << "share " << c.share;
        EXPECT_EQ(T("edKat%1", row).toStdString(), c.income) << "share " << c.share;
    }
    EXPECT_EQ(T("edTotal%1", 1), QStringLiteral("1.800,00"));
}

TEST_F(E2WindowTest, ARentBeyondWhatTheAmountTextHoldsCannotBeTypedAndTheWindowGoesOn) {
    Pick("sbGetEidosMist%1", 1, 10);
    Type("edDate1%1", 1, QStringLiteral("1/1"));
    Type("edDate2%1", 1, QStringLiteral("31/12"));
    Type("edSinid%1", 1, QStringLiteral("100"));
    UserDialogs::ClearShownTexts();
    Type("edEnoikio%1", 1, QStringLiteral("1") + QString(308, u'0'));  // stops at thirteen whole digits
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_EQ(T("edEnoikio%1", 1), QStringLiteral("1.000.000.000.000,00"));
    EXPECT_EQ(T("edGr%1", 1), QStringLiteral("12.000.000.000.000,00"));
    Type("edEnoikio%1", 1, QStringLiteral("500"));
    EXPECT_EQ(T("edGr%1", 1), QStringLiteral("6.000,00"));
}

TEST_F(E2WindowTest, ASaveStopsAtARentLeftWithATextThatDoesNotRead) {
    Type(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    Pick("sbGetEidosMist%1", 1, 10);
    Type("edEnoikio%1", 1, QStringLiteral("500"));
    UserDialogs::ClearShownTexts();
    Type("edEnoikio%1", 1, QStringLiteral("1-2"));
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1) << "refused when the field is left";
    const QString refusal = UserDialogs::ShownTexts().first();
    EXPECT_TRUE(refusal.contains(QStringLiteral("«1-2»"))) << refusal.toStdString();
    UserDialogs::ClearShownTexts();
    EXPECT_FALSE(RunCommand(nullptr, [this] { window->miSaveClick(); }));
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{refusal}) << "the save names the field and writes nothing";
    EXPECT_EQ(QApplication::focusWidget(), F(QStringLiteral("edEnoikio1")));
    EXPECT_TRUE(QDir(QStringLiteral("Tables")).entryList(QDir::Files).isEmpty());
}

TEST_F(E2WindowTest, FieldsShowWhatTheyAreFor) {
    const QColor information = QApplication::palette().color(QPalette::ToolTipBase);
    const struct { const char* field; QColor base; bool enabled; bool visible; } cases[] = {
        {"edTopos1", information, true, true},      {"edEnoikio1", information, true, true},
        {"edPlace1", information, true, true},      {"edKat1", Qt::white, false, true},
        {"edTotal4", Qt::white, false, true},       {"edPin2Misto9", information, true, true},
        {"edThesiID1", QApplication::palette().color(QPalette::Highlight), true, false},
    };
    for (const auto& c : cases) {
        QLineEdit* field = F(QString::fromLatin1(c.field));
        EXPECT_EQ(field->palette().color(QPalette::Base), c.base) << c.field;
        EXPECT_EQ(field->isEnabled(), c.enabled) << c.field;
        EXPECT_EQ(field->isHidden(), !c.visible) << c.field;
    }
    EXPECT_TRUE(F("edPlace1")->isReadOnly());
    EXPECT_TRUE(F("edEidosMist20")->isReadOnly());
    EXPECT_EQ(F("edTopos1")->maxLength(), 30);
    EXPECT_EQ(window->objectName(), QStringLiteral("fiE2"));
    EXPECT_EQ(window->windowTitle(), e2::kCaption);
    EXPECT_TRUE(window->sbCalcOff->isChecked());
    EXPECT_EQ(window->sbCalcOff->text(), e2::kCalcOn);
    EXPECT_EQ(window->pcPages->currentIndex(), 0);
    EXPECT_FALSE(window->Modified());
    EXPECT_FALSE(window->miPrint->isEnabled()) << "printing waits for the print dialog";
}

TEST_F(E2WindowTest, WithoutCalculationEveryAmountIsTypedAndNothingIsComputed) {
    QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);
    EXPECT_EQ(window->sbCalcOff->text(), e2::kCalcOff);
    EXPECT_TRUE(window->Record().CalcOff);
    EXPECT_TRUE(window->Modified());
    for (const char* name : {"edKat1", "edLi16", "edTotal1", "edMonths3"}) {
        QLineEdit* field = F(QString::fromLatin1(name));
        EXPECT_TRUE(field->isEnabled()) << name;
        EXPECT_FALSE(field->isReadOnly()) << name;
        EXPECT_TRUE(field->focusPolicy() & Qt::TabFocus) << name;
    }
    EXPECT_FALSE(F("edXrisiID1")->isVisibleTo(window)) << "identifiers stay hidden";

    Pick("sbGetEidosMist%1", 1, 10);
    Type("edDate1%1", 1, QStringLiteral("1/1"));
    Type("edDate2%1", 1, QStringLiteral("31/12"));
    Type("edEnoikio%1", 1, QStringLiteral("500"));
    Type("edSinid%1", 1, QStringLiteral("100"));
    Type("edKat%1", 1, QStringLiteral("77"));
    Type("edTotal%1", 1, QStringLiteral("5"));
    EXPECT_EQ(T("edDate1%1", 1), QStringLiteral("01/01")) << "dates are still normalised";
    EXPECT_EQ(T("edMonths%1", 1), QString());
    EXPECT_EQ(T("edGr%1", 1), QString());
    EXPECT_EQ(T("edKat%1", 1), QStringLiteral("77,00"));
    EXPECT_EQ(T("edTotal%1", 1), QStringLiteral("5,00"));

    // Back on: nothing is recalculated until the row's next trigger.
    QTest::mouseClick(window->sbCalcOff, Qt::LeftButton);
    EXPECT_EQ(window->sbCalcOff->text(), e2::kCalcOn);
    EXPECT_FALSE(F("edKat1")->isEnabled());
    EXPECT_EQ(T("edMonths%1", 1), QString());
    Type("edSinid%1", 1, QStringLiteral("100"));
    EXPECT_EQ(T("edMonths%1", 1), QStringLiteral("12,00"));
    EXPECT_EQ(T("edKat%1", 1), QString());
    EXPECT_EQ(T("edGr%1", 1), QStringLiteral("6.000,00"));
    EXPECT_EQ(T("edTotal%1", 1), QString());
    EXPECT_EQ(T("edTotal%1", 2), QStringLiteral("6.000,00"));
}

TEST_F(E2WindowTest, AllRowsRecalculateToTheSameValues) {
    for (int row = 1; row <= 16; ++row) {
        F("edDate1%1", row)->setText(QStringLiteral("01/%1").arg((row - 1) % 12 + 1, 2, 10, QLatin1Char('0')));
        F("edDate2%1", row)->setText(QStringLiteral("31/12"));
        static_cast<TEditReal*>(F("edEnoikio%1", row))->SetValue(100 * row);
        F("edSinid%1", row)->setText(QStringLiteral("1/3"));
        F("edEidosMist%1", row)->setText(QString::number(row * 2));
    }
    window->RecalculateAll();
    QStringList first;
    for (int row = 1; row <= 16; ++row)
        for (const char* column : kColumns) first << T(column, row);
    for (int t = 1; t <= 4; ++t) first << T("edTotal%1", t);
    window->RecalculateAll();
    QStringList second;
    for (int row = 1; row <= 16; ++row)
        for (const char* column : kColumns) second << T(column, row);
    for (int t = 1; t <= 4; ++t) second << T("edTotal%1", t);
    EXPECT_EQ(first, second);
    // Row 3: 100 × 3 a month from 01/03, lease type 6, a third: 300 × 10 / 3.
    EXPECT_EQ(T("edKat%1", 3), QStringLiteral("1.000,00"));
}

}  // namespace
}  // namespace dz
