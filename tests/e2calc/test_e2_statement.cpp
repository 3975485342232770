// The statement recalculated as a whole: each row written back as the window's fields hold it
// (two decimals, refused texts emptied, other columns zeroed), totals of the shown amounts.
#include <gtest/gtest.h>

#include "e2calc/e2_statement.h"
#include "model/text1253.h"
#include "support/scripted_dialogs.h"

namespace {

using dz::E2Record;

struct Row {
    const char* from;
    const char* to;
    double rent;
    const char* share;
    const char* lease;
    std::array<double, dz::kE2IncomeColumns> columns{};
};

void Put(E2Record& record, int r, const Row& row) {
    auto& t = record.Table1[r];
    dz::AssignCut(t.From, QString::fromUtf8(row.from), "From");
    dz::AssignCut(t.To, QString::fromUtf8(row.to), "To");
    dz::AssignCut(t.Share, QString::fromUtf8(row.share), "Share");
    dz::AssignCut(record.LeaseType[r], QString::fromUtf8(row.lease), "LeaseType");
    t.Rent = row.rent;
    t.Income = row.columns;
}

TEST(E2Statement, EachRowIsWrittenBackAsTheWindowShowsIt) {
    const struct {
        const char* name;
        Row row;
        double months, rent;
        const char* share;
        const char* lease;
        int column;  // 0..3, -1 for none
        double income;
        int messages;
    } cases[] = {
        {"01/01-31/12 x 500 x 50 %, type 10", {"01/01", "31/12", 500, "50", "10"}, 12, 500, "50", "10", 1, 3000, 0},
        {"a third", {"01/01", "31/12", 500, "1/3", "10"}, 12, 500, "1/3", "10", 1, 2000, 0},
        {"a yearly amount with rent 0", {"01/01", "31/12", 0, "100", "1", {1200, 0, 0, 0}}, 12, 100, "100", "1", 0, 1200, 0},
        {"a refused share", {"01/01", "31/12", 500, "150", "10"}, 12, 500, "", "10", 1, 0, 1},
        {"15/03-31/12", {"15/03", "31/12", 1000, "100", "26"}, 9.5, 1000, "100", "26", 3, 9500, 0},
        {"06/01-05/03", {"06/01", "05/03", 100, "100", "23"}, 2, 100, "100", "23", 2, 200, 0},
        {"a third of 9,5 months, rounded as shown", {"15/03", "31/12", 100, "1/3", "1"}, 9.5, 100, "1/3", "1", 0, 316.67, 0},
        {"a rent with more decimals than shown", {"01/01", "31/12", 100.004, "100", "1"}, 12, 100, "100", "1", 0, 1200, 0},
        {"a derived rent rounded", {"01/01", "31/12", 0, "100", "1", {1000, 0, 0, 0}}, 12, 83.33, "100", "1", 0, 1000, 0},
        {"a lease type that is no number", {"01/01", "31/12", 500, "100", "1x", {1, 2, 3, 4}}, 12, 500, "100", "", -1, 0, 0},
        {"lease type 39 zeroes every column", {"01/01", "31/12", 500, "100", "39", {1, 2, 3, 4}}, 12, 500, "100", "39", -1, 0, 0},
        {"a date that does not read", {"ab/cd", "31/12", 500, "100", "10"}, 0, 500, "100", "10", 1, 0, 0},
        // Stored dates are taken as they are: the window normalises them only when typed.
        {"31/04 as stored", {"31/04", "31/12", 500, "100", "10"}, 8, 500, "100", "10", 1, 4000, 0},
    };
    for (const auto& c : cases) {
        E2Record record;
        dz::ClearE2Record(record);
        Put(record, 4, c.row);
        dz::test::ScriptedDialogs dialogs;
        const auto columns = dz::RecalculateE2(record, dialogs);
        const auto& t = record.Table1[4];
        EXPECT_DOUBLE_EQ(t.Months, c.months) << c.name;
        EXPECT_DOUBLE_EQ(t.Rent, c.rent) << c.name;
        EXPECT_EQ(t.Share.ToString(), QString::fromUtf8(c.share)) << c.name;
        EXPECT_EQ(record.LeaseType[4].ToString(), QString::fromUtf8(c.lease)) << c.name;
        EXPECT_EQ(columns[4], c.column) << c.name;
        for (int k = 0; k < dz::kE2IncomeColumns; ++k) {
            EXPECT_DOUBLE_EQ(t.Income[k], k == c.column ? c.income : 0.0) << c.name << ", column " << 13 + k;
            EXPECT_DOUBLE_EQ(record.Totals[k], t.Income[k]) << c.name << ", total " << 13 + k;
            EXPECT_EQ(t.IncomeFlags[k], k == c.column ? 1 : 0) << c.name << ", flag " << 13 + k;
        }
        EXPECT_EQ(dialogs.informed.size(), size_t(c.messages)) << c.name;
        EXPECT_EQ(columns[0], -1) << c.name << ": an empty row has no column";
    }
}

TEST(E2Statement, TotalsAddTheAmountsAsShownRowByRow) {
    E2Record record;
    dz::ClearE2Record(record);
    // Three thirds of 950: 316.666... each, shown 316.67; the total is what the rows show.
    for (int r : {0, 7, 15}) Put(record, r, {"15/03", "31/12", 100, "1/3", "1"});
    Put(record, 3, {"01/01", "31/12", 500, "50", "10"});
    dz::QuietDialogs quiet;
    dz::RecalculateE2(record, quiet);
    EXPECT_DOUBLE_EQ(record.Totals[0], 950.01);
    EXPECT_DOUBLE_EQ(record.Totals[1], 3000);
    EXPECT_DOUBLE_EQ(record.Totals[2], 0);

    // Recalculating what was recalculated changes nothing.
    const E2Record once = record;
    dz::RecalculateE2(record, quiet);
    EXPECT_EQ(record, once);
}

TEST(E2Statement, AmountsAsTheirFieldsShowThem) {
    const struct {
        double value, shown;
    } cases[] = {{0, 0}, {0.125, 0.13}, {2.675, 2.67}, {-0.005, -0.01}, {1234.5, 1234.5}, {1e12 + 0.004, 1e12}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(dz::AsShownAmount(c.value), c.shown) << c.value;
}

}  // namespace
