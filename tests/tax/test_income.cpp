// Income by category: rents, losses, unemployment benefit, foreign income, the joint switch.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }

const TaxCase kIncomeCases[] = {
    {"shop rent less lease compensation", {{105, 10000}, {163, 2000}, {165, 3000}}, {}, kOnTime, &R::ShopRentNet, {7500, 0}},
    {"shop rent floored at zero", {{105, 10000}, {163, 12000}, {165, 10000}}, {}, kOnTime, &R::ShopRentNet, {0, 0}},
    {"shop rent floored rental income", {{105, 10000}, {163, 12000}, {165, 10000}}, {}, kOnTime, &R::RentalIncome, {0, 0}},
    {"land expenses capped at land rents", {{101, 1000}, {159, 5000}}, {}, kOnTime, &R::LandExpenses, {1000, 0}},
    {"rental income never negative", {{101, 1000}, {159, 5000}}, {}, kOnTime, &R::RentalIncome, {0, 0}},
    {"land expenses count land of free and own use", {{101, 1000}, {141, 1000}, {149, 1000}, {159, 2500}}, {}, kOnTime, &R::LandExpenses, {2500, 0}},
    {"spouse sublet without 95 percent", {{112, 1000}, {114, 400}}, {}, kOnTime, &R::RentSublet, {0, 600}},
    {"taxpayer sublet at 95 percent", {{111, 1000}, {113, 400}}, {}, kOnTime, &R::RentSublet, {570, 0}},
    {"compensation 121 without 95 percent", {{103, 1000}, {121, 500}}, {}, kOnTime, &R::RentLeased, {1450, 0}},
    {"rental income of all groups", {{103, 1000}, {145, 1000}, {129, 1000}, {111, 1000}}, {}, kOnTime, &R::RentalIncome, {3800, 0}},
    {"cap base starts with leased and sublet", {{103, 1000}, {145, 1000}, {129, 1000}}, {}, kOnTime, &R::CapBaseIncome, {950, 0}},
    {"capital income sum", {{291, 100}, {667, 200}, {671, 300}}, {}, kOnTime, &R::CapitalIncome, {600, 0}},
    {"salary less contributions", {{301, 20000}, {303, 5000}, {351, 2000}}, {}, kOnTime, &R::SalaryIncome, {23000, 0}},
    {"salary floored at zero", {{301, 1000}, {351, 2000}}, {}, kOnTime, &R::SalaryIncome, {0, 0}},
    {"business loss set off up to income", {{401, 5000}, {413, 4000}, {415, 3000}}, {}, kOnTime, &R::BusinessLossSetOff, {5000, 0}},
    {"current losses in full", {{401, 5000}, {413, 4000}, {415, 3000}, {465, 100}}, {}, kOnTime, &R::CurrentLosses, {4100, 0}},
    {"prior losses in full", {{401, 5000}, {413, 4000}, {415, 3000}, {467, 50}}, {}, kOnTime, &R::PriorLosses, {3050, 0}},
    {"total income after business losses", {{401, 5000}, {413, 4000}, {415, 3000}, {301, 2000}}, {}, kOnTime, &R::TotalIncome, {2000, 0}},
    {"agri loss set off", {{461, 3000}, {465, 1000}, {467, 500}}, {}, kOnTime, &R::AgriLossSetOff, {1500, 0}},
    {"capital gains securities floored", {{825, 1000}, {123, 500}, {829, 300}, {865, 200}, {871, 800}}, {}, kOnTime, &R::CapitalGains, {1500, 0}},
    {"capital gains securities net", {{829, 300}, {865, 200}, {871, 100}}, {}, kOnTime, &R::CapitalGains, {400, 0}},
    {"navy pay", {{255, 1000}, {251, 500}}, {}, kOnTime, &R::NavyIncome, {1500, 0}},
    {"unemployment exempt with salary 6000", {{301, 6000}, {661, 5000}}, {}, kOnTime, &R::SalaryIncome, {6000, 0}},
    {"unemployment exempt adds to exempt income", {{301, 6000}, {661, 5000}}, {}, kOnTime, &R::ExemptIncome, {5000, 0}},
    {"unemployment taxed with salary 10500", {{301, 10500}, {661, 5000}}, {}, kOnTime, &R::SalaryIncome, {15500, 0}},
    {"unemployment taxed joins domestic", {{301, 10500}, {661, 5000}}, {}, kOnTime, &R::DomesticIncome, {15500, 0}},
    {"unemployment taxed amount kept", {{301, 10500}, {661, 5000}}, {}, kOnTime, &R::TaxedUnemployment, {5000, 0}},
    {"unemployment at exactly 10000 not taxed", {{301, 10000}, {661, 5000}}, {}, kOnTime, &R::TaxedUnemployment, {0, 0}},
    {"unemployment S counts exempt incomes", {{301, 5000}, {659, 3000}, {335, 2500}, {661, 1000}}, {}, kOnTime, &R::TaxedUnemployment, {1000, 0}},
    {"spouse unemployment by spouse codes", {{302, 10500}, {662, 700}}, {}, kOnTime, &R::SalaryIncome, {0, 11200}},
    {"foreign loss", {{411, -3000}}, {}, kOnTime, &R::ForeignLoss, {-3000, 0}},
    {"foreign loss adds nothing", {{301, 10000}, {411, -3000}}, {}, kOnTime, &R::TotalIncome, {10000, 0}},
    {"foreign income sum", {{171, 1}, {295, 2}, {669, 4}, {673, 8}, {263, 16}, {389, 32}, {391, 64}, {393, 128}, {411, 256}, {463, 512}}, {}, kOnTime, &R::ForeignIncome, {1023, 0}},
    {"foreign income counts in total", {{301, 1000}, {389, 2000}}, {}, kOnTime, &R::TotalIncome, {3000, 0}},
    {"gross revenue", {{425, 1000}, {475, 500}}, {}, kOnTime, &R::GrossRevenue, {1500, 0}},
    {"exempt income", {{659, 100}, {619, 200}}, {}, kOnTime, &R::ExemptIncome, {300, 0}},
    {"cap base leaves out navy and own use", {{145, 1000}, {255, 1000}, {301, 2000}}, {}, kOnTime, &R::CapBaseIncome, {2000, 0}},
    {"cap base less foreign loss", {{301, 5000}, {411, -1000}, {389, 500}}, {}, kOnTime, &R::CapBaseIncome, {5000, 0}},
    {"spouse codes for spouse", {{302, 1234}}, {}, kOnTime, &R::SalaryIncome, {0, 1234}},
};

INSTANTIATE_TEST_SUITE_P(Income, TaxCaseTest, ::testing::ValuesIn(kIncomeCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Income, SpouseSalaryMakesDeclarationJoint) {
    Declaration d({{301, 20000}, {302, 1000}});
    d.Run();
    EXPECT_TRUE(d.in.Married);
}

TEST(Income, SpouseForeignIncomeAloneDoesNotMakeJoint) {
    Declaration d({{301, 20000}, {390, 1000}});
    d.Run();
    EXPECT_FALSE(d.in.Married);
}

TEST(Income, TickedBoxAddsNothingToASum) {
    Declaration d({{301, 1000}}, {303});
    EXPECT_EQ(d.Run().SalaryIncome[0], 1000);
}

}  // namespace
}  // namespace dz::tax::testing
