// Income tax settlement: debit or refund per person, the 1.5 % allowance, late surcharge, grand totals.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

struct SettlementCase {
    const char* name;
    double due, withheld, foreign, prepaid, priorAdvance;
    double debit, credit, discount;
};
void PrintTo(const SettlementCase& c, std::ostream* os) { *os << c.name; }

class SettlementTest : public ::testing::TestWithParam<SettlementCase> {};

// Runs the settlement alone for the spouse, whose figures come after the taxpayer's in
// every loop: a slip between the two persons shows up as a wrong spouse result.
TEST_P(SettlementTest, Spouse) {
    const SettlementCase& c = GetParam();
    SCOPED_TRACE(c.name);
    Declaration d;
    d.r.IncomeTaxDue[1] = c.due;
    d.r.SalaryTaxWithheld[1] = c.withheld;
    d.r.ForeignTaxCredit[1] = c.foreign;
    d.r.BusinessTaxPrepaid[1] = c.prepaid;
    d.Set(902, c.priorAdvance);
    StepContext s = d.Context();
    ComputeSettlement(s);
    EXPECT_NEAR(d.r.IncomeTaxDebit[1], c.debit, kCent);
    EXPECT_NEAR(d.r.IncomeTaxCredit[1], c.credit, kCent);
    EXPECT_NEAR(d.r.WithholdingDiscount[1], c.discount, kCent);
    EXPECT_EQ(d.r.IncomeTaxDebit[0], 0);
    EXPECT_EQ(d.r.IncomeTaxCredit[0], 0);
    EXPECT_NEAR(d.r.IncomeTaxDebitTotal, c.debit, kCent);
    EXPECT_NEAR(d.r.IncomeTaxCreditTotal, c.credit, kCent);
}

const SettlementCase kCases[] = {
    {"withheld exceeds the tax", 5000, 6000, 0, 0, 0, 0, 985, 15},
    {"refund within the foreign credit", 5000, 3500, 2000, 0, 0, 0, 500, 7.5},
    {"advance covers the rest allowance larger", 5000, 4000, 0, 0, 1500, 0, 492.5, 7.5},
    {"advance covers the rest allowance smaller", 5000, 4000, 0, 0, 6000, 0, 4940, 60},
    {"other credits leave a debit", 5000, 4000, 0, 300, 0, 700, 0, 0},
    {"prepaid exceeds the tax", 2000, 0, 0, 2500, 0, 0, 500, 0},
    {"tax fully paid", 2000, 0, 0, 2000, 0, 0, 0, 0},
    {"foreign credit above the tax refunds nothing", 1000, 0, 3000, 0, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Settlement, SettlementTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Settlement, LateSurchargeSplitByDebit) {
    Declaration d;
    d.in.LateMonths = 3;
    d.r.IncomeTaxDue = {1500, 500};
    d.r.StampTotal = {100, 10};
    d.r.StampLateSurcharge = {4.5, 0.45};
    d.r.AdvancePayment = {200, 0};
    StepContext s = d.Context();
    ComputeSettlement(s);
    EXPECT_NEAR(d.r.LateSurcharge, 60, kCent);
    EXPECT_NEAR(d.r.LateSurchargeShare[0], 45, kCent);
    EXPECT_NEAR(d.r.LateSurchargeShare[1], 15, kCent);
    EXPECT_NEAR(d.r.StampsAndSurcharges, 110 + 4.95 + 60, kCent);
    EXPECT_NEAR(d.r.GrandDebit, 2000 + 200 + 174.95, kCent);
    EXPECT_EQ(d.r.GrandCredit, 0);
}

TEST(Settlement, NoSurchargeOnTime) {
    Declaration d;
    d.r.IncomeTaxDue = {1500, 500};
    StepContext s = d.Context();
    ComputeSettlement(s);
    EXPECT_EQ(d.r.LateSurcharge, 0);
    EXPECT_EQ(d.r.LateSurchargeShare[0], 0);
}

}  // namespace
}  // namespace dz::tax::testing
