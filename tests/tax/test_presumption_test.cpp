// Presumptive expenditure test: minimum living costs, sharing, covering money, category of the difference.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }

const TaxCase kCases[] = {
    {"only a box single minimum", {}, {23}, kOnTime, &R::PresumptionTotal, {3000, 0}},
    {"only a box single difference", {}, {23}, kOnTime, &R::PresumptionExcess, {3000, 0}},
    {"only a box taxed as salary", {}, {23}, kOnTime, &R::ExcessToSalary, {3000, 0}},
    {"married minimum each", {}, {}, kMarried, &R::PresumptionTotal, {2500, 2500}},
    {"married spouse shortfall offsets taxpayer", {{301, 1000}, {302, 3000}}, {}, kMarried, &R::PresumptionExcess, {1000, 0}},
    {"married taxpayer shortfall offsets spouse", {{301, 3000}, {302, 1000}}, {}, kMarried, &R::PresumptionExcess, {0, 1000}},
    {"married sum covers no difference", {{301, 4000}, {302, 2000}}, {}, kMarried, &R::PresumptionExcess, {0, 0}},
    {"code 385 no minimum", {{301, 100}}, {385}, kOnTime, &R::PresumptionTotal, {0, 0}},
    {"pensioner 30 percent off living part", {{115, 3000}, {719, 4000}}, {13}, kOnTime, &R::PresumptionTotal, {8200, 0}},
    {"pensioner living presumption before reduction", {{115, 3000}, {719, 4000}}, {13}, kOnTime, &R::LivingPresumption, {6000, 0}},
    {"tuition shared by income", {{769, 5000}, {301, 30000}, {302, 10000}}, {}, kMarried, &R::SharedExpense, {6250, 3750}},
    {"tuition all to taxpayer without domestic income", {{769, 5000}}, {}, kMarried, &R::SharedExpense, {7500, 2500}},
    {"repatriated capital up to acquisitions", {{719, 10000}, {783, 20000}}, {}, kOnTime, &R::PresumptionExcess, {3000, 0}},
    {"unemployment benefit does not cover a large gap", {{719, 13000}, {661, 5000}}, {}, kOnTime, &R::PresumptionExcess, {16000, 0}},
    {"unemployment benefit covers gap of 10000 after 787", {{719, 13000}, {661, 5000}, {787, 6000}}, {}, kOnTime, &R::PresumptionExcess, {5000, 0}},
    {"covering money", {{719, 20000}, {781, 5000}, {659, 1000}, {305, 2000}}, {}, kOnTime, &R::PresumptionExcess, {15000, 0}},
    {"non-resident with income only acquisitions", {{301, 20000}, {719, 30000}, {115, 5000}}, {319}, kOnTime, &R::PresumptionTotal, {30000, 0}},
    {"non-resident with income difference", {{301, 20000}, {719, 30000}}, {319}, kOnTime, &R::PresumptionExcess, {10000, 0}},
    {"non-resident without income nothing", {{719, 30000}}, {319}, kOnTime, &R::PresumptionTotal, {0, 0}},
    {"non-resident without income no living", {{719, 30000}}, {319}, kOnTime, &R::LivingPresumption, {0, 0}},
    {"non-resident with exempt income only acquisitions", {{659, 100}, {719, 30000}}, {319}, kOnTime, &R::PresumptionExcess, {29900, 0}},
    {"revenue 403 all to salary", {{403, 5000}, {115, 5000}}, {}, kOnTime, &R::SalaryIncome, {5000, 0}},
    {"revenue 403 leaves business", {{403, 5000}, {115, 5000}}, {}, kOnTime, &R::BusinessIncome, {0, 0}},
    {"revenue 403 above the limit salary part", {{403, 9000}, {115, 5000}}, {}, kOnTime, &R::SalaryIncome, {6000, 0}},
    {"revenue 403 above the limit business part", {{403, 9000}, {115, 5000}}, {}, kOnTime, &R::BusinessIncome, {3000, 0}},
    {"revenue 403 presumption exactly 9500", {{403, 9000}, {115, 6500}}, {}, kOnTime, &R::SalaryIncome, {6000, 0}},
    {"revenue 403 presumption above 9500", {{403, 9000}, {115, 6500.01}}, {}, kOnTime, &R::SalaryIncome, {0, 0}},
    {"revenue 403 with salary within limit", {{403, 2000}, {301, 3000}}, {}, kOnTime, &R::SalaryIncome, {5000, 0}},
    {"revenue 403 with salary moves the rest", {{403, 5000}, {301, 3000}}, {}, kOnTime, &R::SalaryIncome, {6000, 0}},
    {"revenue 403 with salary business rest", {{403, 5000}, {301, 3000}}, {}, kOnTime, &R::BusinessIncome, {2000, 0}},
    {"revenue 403 with rents lowers the limit", {{403, 5000}, {103, 2000}}, {}, kOnTime, &R::SalaryIncome, {4100, 0}},
    {"revenue 403 not with other business income", {{403, 5000}, {401, 10}}, {}, kOnTime, &R::SalaryIncome, {0, 0}},
    {"category long-term unemployed salary", {{401, 1000}, {719, 10000}}, {777}, kOnTime, &R::ExcessToSalary, {12000, 0}},
    {"category no income with business loss", {{413, 100}, {719, 1000}}, {}, kOnTime, &R::ExcessToBusiness, {4000, 0}},
    {"category no income with agri loss", {{467, 100}, {719, 1000}}, {}, kOnTime, &R::ExcessToAgri, {4000, 0}},
    {"category mainly business", {{401, 3000}, {301, 1000}, {719, 10000}}, {}, kOnTime, &R::ExcessToBusiness, {9000, 0}},
    {"category only rents salary", {{103, 1000}, {115, 5000}}, {}, kOnTime, &R::ExcessToSalary, {7050, 0}},
    {"category rents above 9500 business", {{103, 1000}, {115, 10000}}, {}, kOnTime, &R::ExcessToBusiness, {12050, 0}},
    {"category salary against others", {{301, 3000}, {103, 1000}, {719, 10000}}, {}, kOnTime, &R::ExcessToSalary, {9050, 0}},
    {"category agri against others", {{461, 3000}, {103, 1000}, {719, 10000}}, {}, kOnTime, &R::ExcessToAgri, {9050, 0}},
    {"category agri outweighed by exempt", {{461, 3000}, {659, 3500}, {719, 10000}}, {}, kOnTime, &R::ExcessToBusiness, {6500, 0}},
};

INSTANTIATE_TEST_SUITE_P(Presumption, TaxCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(PresumptionTest, TheDifferenceGoesToExactlyOneCategory) {
    Declaration d({{301, 3000}, {401, 2000}, {461, 500}, {719, 20000}});
    const ResultSet& r = d.Run();
    ASSERT_GT(r.PresumptionExcess[0], 0);
    EXPECT_EQ(r.ExcessToSalary[0] + r.ExcessToBusiness[0] + r.ExcessToAgri[0], r.PresumptionExcess[0]);
    EXPECT_EQ(int(r.ExcessToSalary[0] > 0) + int(r.ExcessToBusiness[0] > 0) + int(r.ExcessToAgri[0] > 0), 1);
}

}  // namespace
}  // namespace dz::tax::testing
