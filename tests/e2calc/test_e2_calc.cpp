// The E2 row arithmetic: date normalisation, months, shares, the row's income and the totals.
#include <gtest/gtest.h>

#include <QStringList>

#include "e2calc/e2_calc.h"
#include "support/scripted_dialogs.h"

namespace {

using dz::E2RowInput;
using dz::E2RowResult;
using dz::test::ScriptedDialogs;

TEST(E2Calc, DatesAreNormalisedOrEmptied) {
    const struct { const char* typed; const char* kept; } cases[] = {
        {"1/3", "01/03"},   {"01/03", "01/03"}, {"31/12", "31/12"}, {" 5/ 7", "05/07"},
        {"", ""},           {"29/02", ""},      {"31/04", ""},      {"15", ""},
        {"1/13", ""},       {"0/5", ""},        {"1/3/2014", ""},   {"1-3", ""},
        {"α/3", ""},        {"1/3/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dz::NormalizeDate(QString::fromUtf8(c.typed)).toStdString(), c.kept) << "typed '" << c.typed << "'";
}

TEST(E2Calc, MonthsBetweenDates) {
    const struct { const char* from; const char* to; double months; } cases[] = {
        {"01/01", "31/12", 12},   {"15/03", "31/12", 9.5},  {"01/02", "28/02", 1},
        {"01/01", "15/01", 0.4},  {"01/07", "31/12", 6},    {"31/12", "01/01", -11.9},
        {"01/04", "03/04", 0.1},  {"16/01", "31/01", 0.5},  {"01/01", "01/01", 0},
        // whole-day periods whose fractions of months add up to a whole number exactly
        {"06/01", "05/03", 2},    {"12/01", "11/05", 4},    {"01/03", "31/03", 1},
        // an empty or unreadable date gives nothing
        {"", "31/12", 0},         {"01/01", "", 0},         {"1/3", "31/12", 0},
        {"aa/01", "31/12", 0},    {"01/01", "31/xx", 0},
        // a month outside 1..12 counts 31 days
        {"01/13", "31/13", 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(dz::MonthsBetween(QString::fromUtf8(c.from), QString::fromUtf8(c.to)), c.months)
            << c.from << " to " << c.to;
}

TEST(E2Calc, EveryWholeDayPeriodOf2014IsCutToAnExactTenth) {
    // Against exact integer arithmetic: months × (days of both months) is a whole number.
    for (int m1 = 1; m1 <= 12; ++m1)
        for (int d1 = 1; d1 <= dz::DaysOfMonth(m1); ++d1)
            for (int m2 = 1; m2 <= 12; ++m2)
                for (int d2 = 1; d2 <= dz::DaysOfMonth(m2); d2 += 3) {
                    const long long D1 = dz::DaysOfMonth(m1), D2 = dz::DaysOfMonth(m2);
                    // (m2 - (D2-d2)/D2) - (m1 + (d1-1)/D1) + 1, over D1*D2
                    const long long num = (m2 * D2 - (D2 - d2)) * D1 - (m1 * D1 + d1 - 1) * D2 + D1 * D2;
                    const long long tenths = num * 10 / (D1 * D2);  // C++ division cuts towards zero
                    const QString from = QStringLiteral("%1/%2").arg(d1, 2, 10, QLatin1Char('0')).arg(m1, 2, 10, QLatin1Char('0'));
                    const QString to = QStringLiteral("%1/%2").arg(d2, 2, 10, QLatin1Char('0')).arg(m2, 2, 10, QLatin1Char('0'));
                    ASSERT_DOUBLE_EQ(dz::MonthsBetween(from, to), tenths / 10.0)
                        << from.toStdString() << " to " << to.toStdString();
                }
}

TEST(E2Calc, DaysOfMonth) {
    const struct { int month; int days; } cases[] = {{1, 31}, {2, 28}, {4, 30}, {6, 30}, {9, 30}, {11, 30},
                                                     {12, 31}, {0, 31}, {13, 31}, {-2, 31}};
    for (const auto& c : cases) EXPECT_EQ(dz::DaysOfMonth(c.month), c.days) << "month " << c.month;
}

TEST(E2Calc, SharesAreFractionsOrPercentages) {
    const struct { const char* text; double a; double b; } cases[] = {
        {"50", 50, 100},    {"33.33", 33.33, 100}, {"1/3", 1, 3},      {"2/0", 0, 1},
        {"", 0, 100},       {"abc", 0, 100},       {"12a", 12, 100},  {"1/x", 0, 1},
        {"-5", 0, 100},     {".5", 0, 100},        {"1.5/3", 1.5, 3}, {"100", 100, 100},
        {"1234567890123/2", 1234567890, 2},  // each part is read from its first ten characters
    };
    for (const auto& c : cases) {
        const dz::Share share = dz::ParseShare(QString::fromUtf8(c.text));
        EXPECT_DOUBLE_EQ(share.a, c.a) << "share '" << c.text << "'";
        EXPECT_DOUBLE_EQ(share.b, c.b) << "share '" << c.text << "'";
    }
}

TEST(E2Calc, ShareAboveTheWholeIsRefusedWithItsMessage) {
    const struct { const char* text; bool accepted; } cases[] = {
        {"100", true}, {"1/1", true},  {"33,33", true}, {"2/0", true},  {"", true},
        {"150", false}, {"100,01", false}, {"3/2", false}, {"4,5/4", false},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;  // no answers: the calculation asks nothing
        EXPECT_EQ(dz::CheckShare(QString::fromUtf8(c.text), dialogs), c.accepted) << "share '" << c.text << "'";
        EXPECT_EQ(dialogs.informed, c.accepted ? QStringList() : QStringList{dz::kBadShareText}) << "share '" << c.text << "'";
    }
}

struct RowCase {
    const char* name;
    E2RowInput input;
    double months;
    int column;
    double income;
    double rent;  // the rent the row ends with
    bool open = false;
    bool shareCleared = false;
    bool leaseCleared = false;
};

TEST(E2Calc, RowIncomeGoesToTheColumnOfItsLeaseType) {
    const auto row = [](const char* from, const char* to, double rent, const char* share, const char* lease,
                        dz::IncomeColumns columns = {}) {
        return E2RowInput{QString::fromUtf8(from), QString::fromUtf8(to), QString::fromUtf8(share), rent,
                          QString::fromUtf8(lease), columns};
    };
    const RowCase cases[] = {
        {"half share of a dwelling", row("01/01", "31/12", 500, "50", "10"), 12, 1, 3000, 500},
        {"a third", row("01/01", "31/12", 500, "1/3", "10"), 12, 1, 2000, 500},
        {"full share, shop", row("01/01", "31/12", 500, "100", "1"), 12, 0, 6000, 500},
        {"decimal comma", row("01/01", "31/12", 1000, "33,33", "24"), 12, 2, 3999.6, 1000},
        {"part of the year", row("15/03", "31/12", 1000, "100", "26"), 9.5, 3, 9500, 1000},
        {"empty share", row("01/01", "31/12", 500, "", "10"), 12, 1, 0, 500},
        {"share above the whole", row("01/01", "31/12", 500, "150", "10"), 12, 1, 0, 500, false, true},
        {"zero denominator", row("01/01", "31/12", 500, "2/0", "10"), 12, 1, 0, 500},
        {"lease type 39", row("01/01", "31/12", 500, "100", "39", {1, 2, 3, 4}), 12, -1, 0, 500},
        {"lease type 40", row("01/01", "31/12", 500, "100", "40"), 12, -1, 0, 500},
        {"no lease type", row("01/01", "31/12", 500, "100", "", {1, 2, 3, 4}), 12, -1, 0, 500},
        {"lease type not a number", row("01/01", "31/12", 500, "100", "1α"), 12, -1, 0, 500, false, false, true},
        {"reversed dates", row("31/12", "01/01", 100, "100", "10"), -11.9, 1, -1190, 100},
        {"yearly amount gives the rent", row("01/01", "31/12", 0, "100", "1", {1200, 0, 0, 0}), 12, 0, 1200, 100, true},
        {"yearly amount, half share", row("01/01", "31/12", 0, "50", "1", {1200, 0, 0, 0}), 12, 0, 600, 100, true},
        {"rent 0, nothing typed", row("01/01", "31/12", 0, "100", "10"), 12, 1, 0, 0, true},
        {"rent 0, no months", row("", "", 0, "100", "10", {0, 1200, 0, 0}), 0, 1, 0, 0, true},
        {"amount in another column", row("01/01", "31/12", 0, "100", "10", {1200, 0, 0, 0}), 12, 1, 0, 0, true},
        {"share cut to eight characters", row("01/01", "31/12", 100, "50.000009", "1"), 12, 0, 600, 100},
    };
    for (const RowCase& c : cases) {
        ScriptedDialogs dialogs;  // no answers: the calculation asks nothing
        const E2RowResult r = dz::CalcE2Row(c.input, dialogs);
        EXPECT_DOUBLE_EQ(r.months, c.months) << c.name;
        EXPECT_EQ(r.incomeColumn, c.column) << c.name;
        for (int k = 0; k < dz::kE2IncomeColumns; ++k)
            EXPECT_NEAR(r.columns[k], k == c.column ? c.income : 0.0, 1e-9) << c.name << ", column " << 13 + k;
        EXPECT_NEAR(r.rent, c.rent, 1e-9) << c.name;
        EXPECT_EQ(r.rentDerived, c.input.rent == 0) << c.name;
        EXPECT_EQ(r.columnOpen, c.open) << c.name;
        EXPECT_EQ(r.clearShare, c.shareCleared) << c.name;
        EXPECT_EQ(r.clearLeaseType, c.leaseCleared) << c.name;
        EXPECT_EQ(dialogs.informed.size(), c.shareCleared ? 1 : 0) << c.name;
    }
}

TEST(E2Calc, TotalsAddTheRowsPerColumn) {
    std::array<dz::IncomeColumns, dz::kE2Table1Rows> rows{};
    rows[0] = {3000, 0, 0, 0};
    rows[3] = {0, 2000.5, 0, -10};
    rows[15] = {0.1, 0.2, 7, 0};
    const dz::IncomeColumns totals = dz::ColumnTotals(rows);
    EXPECT_DOUBLE_EQ(totals[0], 3000.1);
    EXPECT_DOUBLE_EQ(totals[1], 2000.7);
    EXPECT_DOUBLE_EQ(totals[2], 7);
    EXPECT_DOUBLE_EQ(totals[3], -10);
}

}  // namespace
