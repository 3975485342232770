// Income by category: rents, losses, unemployment benefit, foreign income, the joint switch.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

struct IncomeCase {
    const char* name;
    Amounts amounts;
    Ticks ticked;
    Pair ResultSet::*field;
    int person;
    double expected;
};
void PrintTo(const IncomeCase& c, std::ostream* os) { *os << c.name; }


class IncomeTest : public ::testing::TestWithParam<IncomeCase> {};

TEST_P(IncomeTest, Value) {
    const IncomeCase& c = GetParam();
    SCOPED_TRACE(c.name);
    Declaration d(c.amounts, c.ticked);
    const ResultSet& r = d.Run();
    EXPECT_NEAR((r.*c.field)[c.person], c.expected, kCent);
}

const IncomeCase kIncomeCases[] = {
    {"shop rent less lease compensation", {{105, 10000}, {163, 2000}, {165, 3000}}, {}, &ResultSet::ShopRentNet, 0, 7500},
    {"shop rent floored at zero", {{105, 10000}, {163, 12000}, {165, 10000}}, {}, &ResultSet::ShopRentNet, 0, 0},
    {"shop rent floored rental income", {{105, 10000}, {163, 12000}, {165, 10000}}, {}, &ResultSet::RentalIncome, 0, 0},
    {"land expenses capped at land rents", {{101, 1000}, {159, 5000}}, {}, &ResultSet::LandExpenses, 0, 1000},
    {"rental income never negative", {{101, 1000}, {159, 5000}}, {}, &ResultSet::RentalIncome, 0, 0},
    {"land expenses count land of free and own use", {{101, 1000}, {141, 1000}, {149, 1000}, {159, 2500}}, {}, &ResultSet::LandExpenses, 0, 2500},
    {"spouse sublet without 95 percent", {{112, 1000}, {114, 400}}, {}, &ResultSet::RentSublet, 1, 600},
    {"taxpayer sublet at 95 percent", {{111, 1000}, {113, 400}}, {}, &ResultSet::RentSublet, 0, 570},
    {"compensation 121 without 95 percent", {{103, 1000}, {121, 500}}, {}, &ResultSet::RentLeased, 0, 1450},
    {"rental income of all groups", {{103, 1000}, {145, 1000}, {129, 1000}, {111, 1000}}, {}, &ResultSet::RentalIncome, 0, 3800},
    {"cap base starts with leased and sublet", {{103, 1000}, {145, 1000}, {129, 1000}}, {}, &ResultSet::CapBaseIncome, 0, 950},
    {"capital income sum", {{291, 100}, {667, 200}, {671, 300}}, {}, &ResultSet::CapitalIncome, 0, 600},
    {"salary less contributions", {{301, 20000}, {303, 5000}, {351, 2000}}, {}, &ResultSet::SalaryIncome, 0, 23000},
    {"salary floored at zero", {{301, 1000}, {351, 2000}}, {}, &ResultSet::SalaryIncome, 0, 0},
    {"business loss set off up to income", {{401, 5000}, {413, 4000}, {415, 3000}}, {}, &ResultSet::BusinessLossSetOff, 0, 5000},
    {"current losses in full", {{401, 5000}, {413, 4000}, {415, 3000}, {465, 100}}, {}, &ResultSet::CurrentLosses, 0, 4100},
    {"prior losses in full", {{401, 5000}, {413, 4000}, {415, 3000}, {467, 50}}, {}, &ResultSet::PriorLosses, 0, 3050},
    {"total income after business losses", {{401, 5000}, {413, 4000}, {415, 3000}, {301, 2000}}, {}, &ResultSet::TotalIncome, 0, 2000},
    {"agri loss set off", {{461, 3000}, {465, 1000}, {467, 500}}, {}, &ResultSet::AgriLossSetOff, 0, 1500},
    {"capital gains securities floored", {{825, 1000}, {123, 500}, {829, 300}, {865, 200}, {871, 800}}, {}, &ResultSet::CapitalGains, 0, 1500},
    {"capital gains securities net", {{829, 300}, {865, 200}, {871, 100}}, {}, &ResultSet::CapitalGains, 0, 400},
    {"navy pay", {{255, 1000}, {251, 500}}, {}, &ResultSet::NavyIncome, 0, 1500},
    {"unemployment exempt with salary 6000", {{301, 6000}, {661, 5000}}, {}, &ResultSet::SalaryIncome, 0, 6000},
    {"unemployment exempt adds to exempt income", {{301, 6000}, {661, 5000}}, {}, &ResultSet::ExemptIncome, 0, 5000},
    {"unemployment taxed with salary 10500", {{301, 10500}, {661, 5000}}, {}, &ResultSet::SalaryIncome, 0, 15500},
    {"unemployment taxed joins domestic", {{301, 10500}, {661, 5000}}, {}, &ResultSet::DomesticIncome, 0, 15500},
    {"unemployment taxed amount kept", {{301, 10500}, {661, 5000}}, {}, &ResultSet::TaxedUnemployment, 0, 5000},
    {"unemployment at exactly 10000 not taxed", {{301, 10000}, {661, 5000}}, {}, &ResultSet::TaxedUnemployment, 0, 0},
    {"unemployment S counts exempt incomes", {{301, 5000}, {659, 3000}, {335, 2500}, {661, 1000}}, {}, &ResultSet::TaxedUnemployment, 0, 1000},
    {"spouse unemployment by spouse codes", {{302, 10500}, {662, 700}}, {}, &ResultSet::SalaryIncome, 1, 11200},
    {"foreign loss", {{411, -3000}}, {}, &ResultSet::ForeignLoss, 0, -3000},
    {"foreign loss adds nothing", {{301, 10000}, {411, -3000}}, {}, &ResultSet::TotalIncome, 0, 10000},
    {"foreign income sum", {{171, 1}, {295, 2}, {669, 4}, {673, 8}, {263, 16}, {389, 32}, {391, 64}, {393, 128}, {411, 256}, {463, 512}}, {}, &ResultSet::ForeignIncome, 0, 1023},
    {"foreign income counts in total", {{301, 1000}, {389, 2000}}, {}, &ResultSet::TotalIncome, 0, 3000},
    {"gross revenue", {{425, 1000}, {475, 500}}, {}, &ResultSet::GrossRevenue, 0, 1500},
    {"exempt income", {{659, 100}, {619, 200}}, {}, &ResultSet::ExemptIncome, 0, 300},
    {"cap base leaves out navy and own use", {{145, 1000}, {255, 1000}, {301, 2000}}, {}, &ResultSet::CapBaseIncome, 0, 2000},
    {"cap base less foreign loss", {{301, 5000}, {411, -1000}, {389, 500}}, {}, &ResultSet::CapBaseIncome, 0, 5000},
    {"spouse codes for spouse", {{302, 1234}}, {}, &ResultSet::SalaryIncome, 1, 1234},
};

INSTANTIATE_TEST_SUITE_P(Income, IncomeTest, ::testing::ValuesIn(kIncomeCases),
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
