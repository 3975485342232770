// Final balance: refunds set off at 98 / 100, withheld contribution and its 1.5 % allowance.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

struct BalanceCase {
    const char* name;
    double debit, credit, levies;
    Pair contribution, withheld;
    double balance, discount;
};
void PrintTo(const BalanceCase& c, std::ostream* os) { *os << c.name; }

class BalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceTest, Value) {
    const BalanceCase& c = GetParam();
    SCOPED_TRACE(c.name);
    Declaration d;
    d.r.GrandDebit = c.debit;
    d.r.GrandCredit = c.credit;
    d.r.LeviesTotal = c.levies;
    d.r.SolidarityContribution = c.contribution;
    d.r.SolidarityWithheld = c.withheld;
    d.Set(333, c.withheld[0]).Set(334, c.withheld[1]);
    StepContext s = d.Context();
    ComputeFinalBalance(s);
    EXPECT_NEAR(d.r.FinalBalance, c.balance, kCent);
    EXPECT_NEAR(d.r.SettlementDiscount, c.discount, kCent);
    EXPECT_EQ(d.r.SolidarityWithheldTotal, c.withheld[0] + c.withheld[1]);
}

const double kG = 200 * 100 / 98.0 - 200;  // gross-up of a withheld excess of 200

const BalanceCase kCases[] = {
    {"plain debit", 3000, 0, 500, {}, {}, 3500, 0},
    {"refund set off against levies", 0, 1000, 300, {}, {}, -706, 6},
    {"refund too small", 0, 200, 500, {}, {}, 500 - 200 * 100 / 98.0, 200 - 200 * 100 / 98.0},
    {"refund of exactly 0.05 is none", 0, 0.05, 0, {}, {}, -0.05, 0},
    {"refund just above 0.05 grossed up", 0, 0.06, 1, {}, {}, 1 - 0.06 * 100 / 98, 0.06 - 0.06 * 100 / 98},
    {"refund and debit both present", 100, 1000, 0, {}, {}, 98 - 1000, 2},
    {"withheld turns a set-off balance negative", 100, 120, 50, {50, 0}, {100, 0}, 150 * 0.98 - 120 - 100 + 1.5, 1.5},
    {"withheld above contribution grossed up", 2000, 0, 400, {400, 0}, {600, 0}, 1800 - kG, -kG},
    {"withheld below contribution", 2000, 0, 400, {400, 0}, {300, 0}, 2100, 0},
    {"withheld beyond the debit without a refund", 100, 0, 400, {400, 0}, {600, 0}, -100, 0},
    {"withheld no contribution", 100, 0, 0, {0, 0}, {600, 0}, -500, 0},
    {"refund set off then withheld above contribution", 100, 1000, 300, {300, 0}, {500, 0}, 392 - 1000 - 500, 8},
    {"refund set off then withheld below contribution", 100, 1000, 300, {300, 0}, {200, 0}, 392 - 1000 - 200 + 3, 5},
    {"refund set off spouse owes contribution", 100, 1000, 300, {0, 300}, {200, 0}, 392 - 1000 - 200 + 4.5, 3.5},
};

INSTANTIATE_TEST_SUITE_P(FinalBalance, BalanceTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace dz::tax::testing
