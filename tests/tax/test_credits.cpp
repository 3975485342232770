// Stamp duty on rents, taxes counted against the income tax, advance payment of the next year.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }

const TaxCase kCases[] = {
    {"stamp duty", {{105, 10000}, {101, 2000}}, {}, kOnTime, &R::RentStamp, {360, 0}},
    {"stamp duty supplement", {{105, 10000}, {101, 2000}}, {}, kOnTime, &R::RentStampOga, {72, 0}},
    {"stamp duty total", {{105, 10000}, {101, 2000}}, {}, kOnTime, &R::StampTotal, {432, 0}},
    {"stamp duty late", {{105, 10000}, {101, 2000}}, {}, Late(2), &R::StampLateSurcharge, {10.80, 0}},
    {"stamp duty less rents without duty", {{105, 10000}, {741, 4000}}, {}, kOnTime, &R::RentStamp, {180, 0}},
    {"stamp duty not for dwellings", {{103, 10000}}, {}, kOnTime, &R::RentStamp, {0, 0}},
    {"withheld salary tax grossed up", {{301, 10000}, {315, 985}}, {}, kOnTime, &R::SalaryTaxWithheld, {1000, 0}},
    {"withheld 347 grossed up too", {{301, 10000}, {315, 985}, {347, 197}}, {}, kOnTime, &R::SalaryTaxWithheld, {1200, 0}},
    {"foreign salary credit capped by the Greek tax", {{389, 30000}, {651, 9000}}, {}, kOnTime, &R::ForeignTaxCredit, {7100, 0}},
    {"foreign salary credit the tax paid", {{389, 30000}, {651, 1000}}, {}, kOnTime, &R::ForeignTaxCredit, {1000, 0}},
    {"foreign capital income credit", {{295, 1000}, {669, 1000}, {673, 1000}, {683, 1000}}, {}, kOnTime, &R::ForeignTaxCredit, {450, 0}},
    {"foreign business credit", {{411, 10000}, {653, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {2600, 0}},
    {"foreign property credit by the rental scale", {{171, 20000}, {175, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {3960, 0}},
    {"foreign securities credit", {{865, 10000}, {867, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {1500, 0}},
    {"foreign navy credit both crews", {{263, 10000}, {201, 3}, {267, 4000}, {265, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {1300, 0}},
    {"foreign navy credit unknown category", {{263, 10000}, {201, 5}, {265, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {0, 0}},
    {"foreign agri credit", {{463, 10000}, {469, 5000}}, {}, kOnTime, &R::ForeignTaxCredit, {1300, 0}},
    {"foreign loss gives no negative credit", {{301, 20000}, {411, -5000}, {653, 100}}, {}, kOnTime, &R::ForeignTaxCredit, {0, 0}},
    {"foreign property loss gives no negative credit", {{301, 20000}, {171, -5000}, {175, 100}}, {}, kOnTime, &R::ForeignTaxCredit, {0, 0}},
    {"negative tax paid abroad gives no credit", {{389, 30000}, {651, -100}}, {}, kOnTime, &R::ForeignTaxCredit, {0, 0}},
    {"credits total", {{301, 30000}, {315, 985}, {257, 1}, {601, 2}, {293, 4}, {827, 8}, {901, 1000}}, {}, kOnTime, &R::TotalTaxCredits, {1015, 0}},
    {"prior advance kept apart", {{301, 30000}, {901, 1000}}, {}, kOnTime, &R::PriorAdvance, {1000, 0}},
    {"advance on business profits", {{401, 20000}}, {}, kOnTime, &R::AdvancePayment, {2860, 0}},
    {"advance less prepaid business tax", {{401, 20000}, {601, 1000}}, {}, kOnTime, &R::AdvancePayment, {1860, 0}},
    {"advance halved on first filing", {{401, 20000}, {601, 1000}}, {327}, kOnTime, &R::AdvancePayment, {930, 0}},
    {"advance not reduced by 20 percent income", {{401, 20000}, {655, 4000}}, {}, kOnTime, &R::AdvancePayment, {2860, 0}},
    {"advance reduced by 25 percent income", {{401, 20000}, {655, 5000}}, {}, kOnTime, &R::AdvancePayment, {2145, 0}},
    {"advance on agri income", {{461, 20000}}, {}, kOnTime, &R::AdvancePayment, {0.275 * 2600, 0}},
    {"no advance on salaries", {{301, 30000}}, {}, kOnTime, &R::AdvancePayment, {0, 0}},
    {"no advance for an heir", {{401, 20000}}, {331}, kOnTime, &R::AdvancePayment, {0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Credits, TaxCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

// The advance threshold, on a person whose business tax is exactly 60 (advance 33).
TEST(Advance, ThirtyOrLessIsDropped) {
    const struct {
        double prepaid, advance;
    } cases[] = {{3, 0}, {2.99, 30.01}, {0, 33}};
    for (const auto& c : cases) {
        Declaration d;
        d.r.TotalIncome[0] = 1000;
        d.r.CategoryTax[0][kTaxBusiness] = 60;
        d.r.IncomeTaxDue[0] = 60;
        d.Set(601, c.prepaid);
        StepContext s = d.Context();
        ComputeCreditsAndAdvance(s);
        EXPECT_NEAR(d.r.AdvancePayment[0], c.advance, kCent) << "prepaid " << c.prepaid;
    }
}

TEST(Advance, NoneWhenNoTaxIsDue) {
    Declaration d;
    d.r.TotalIncome[0] = 1000;
    d.r.CategoryTax[0][kTaxBusiness] = 60;
    StepContext s = d.Context();
    ComputeCreditsAndAdvance(s);
    EXPECT_EQ(d.r.AdvancePayment[0], 0);
}

}  // namespace
}  // namespace dz::tax::testing
