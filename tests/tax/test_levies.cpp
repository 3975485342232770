// Solidarity contribution bands and bases, professional fee, luxury tax, their rounded total.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST(Levies, SolidarityBands) {
    const struct {
        double base, rate, contribution;
    } cases[] = {
        {12000, 0, 0},          {12000.99, 0, 0},          {12001, 0.01, 0.01},
        {15000, 0.01, 150},     {20000, 0.01, 200},        {20000.5, 0.01, 200.005},
        {20001, 0.02, 200.02},  {30000, 0.02, 600},        {50000, 0.02, 1000},
        {50001, 0.03, 1000.03}, {100000, 0.03, 3000},      {100000.995, 0.03, 3000.02985},
        {100001, 0.04, 3000.04}, {200000, 0.04, 8000},     {-5, 0, 0},
    };
    for (const auto& c : cases) {
        double rate = -1;
        EXPECT_NEAR(SolidarityContribution(c.base, &rate), c.contribution, kCent) << "base " << c.base;
        EXPECT_EQ(rate, c.rate) << "base " << c.base;
    }
}

TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }

const TaxCase kCases[] = {
    {"income based", {{301, 30000}}, {}, kOnTime, &R::SolidarityContribution, {600, 0}},
    {"presumption based", {{301, 25000}, {115, 37000}}, {}, kOnTime, &R::SolidarityBase, {40000, 0}},
    {"presumption based contribution", {{301, 25000}, {115, 37000}}, {}, kOnTime, &R::SolidarityContribution, {800, 0}},
    {"presumption based not exempt by 913", {{301, 25000}, {115, 37000}}, {913}, kOnTime, &R::SolidarityContribution, {800, 0}},
    {"presumption less exempt incomes 657 617", {{301, 25000}, {115, 37000}, {657, 4000}}, {}, kOnTime, &R::SolidarityBase, {36000, 0}},
    {"exempt incomes count", {{301, 20000}, {659, 5000}, {433, 1000}}, {}, kOnTime, &R::SolidarityIncome, {26000, 0}},
    {"tax on exempt incomes off the base", {{301, 20000}, {659, 5000}, {433, 1000}}, {}, kOnTime, &R::SolidarityBase, {25000, 0}},
    {"taxed unemployment off an income base", {{301, 20000}, {661, 5000}}, {}, kOnTime, &R::SolidarityContribution, {500, 0}},
    {"spouse surplus lowers the taxpayer base", {{301, 20000}, {115, 37500}, {302, 50000}, {116, 7500}}, {}, kMarried, &R::SolidarityBase, {20000, 50000}},
    {"spouse surplus contribution", {{301, 20000}, {115, 37500}, {302, 50000}, {116, 7500}}, {}, kMarried, &R::SolidarityContribution, {200, 1000}},
    {"spouse small surplus", {{301, 20000}, {115, 37500}, {302, 20000}, {116, 7500}}, {}, kMarried, &R::SolidarityBase, {30000, 20000}},
    {"taxpayer surplus lowers the spouse base", {{302, 20000}, {116, 37500}, {301, 50000}, {115, 7500}}, {}, kMarried, &R::SolidarityBase, {50000, 20000}},
    {"unemployed income based exempt", {{301, 30000}}, {777}, kOnTime, &R::SolidarityContribution, {0, 0}},
    {"disabled income based exempt", {{301, 30000}}, {905}, kOnTime, &R::SolidarityContribution, {0, 0}},
    {"spouse exemption by the spouse box", {{301, 30000}, {302, 30000}}, {906}, kMarried, &R::SolidarityContribution, {600, 0}},
    {"withheld contribution", {{333, 10}, {349, 20}, {261, 40}, {334, 1}}, {}, kOnTime, &R::SolidarityWithheld, {70, 1}},
    {"fee freelance", {{301, 100}}, {887}, kOnTime, &R::ProfessionalFee, {650, 0}},
    {"fee case st", {{301, 100}}, {888, 889}, kOnTime, &R::ProfessionalFee, {500, 650}},
    {"fee with branches stopped after 6 months", {{301, 100}, {931, 2}, {933, 6}}, {887}, kOnTime, &R::ProfessionalFee, {1525, 0}},
    {"fee branches for part of the year", {{301, 100}, {931, 2}, {935, 6}}, {887}, kOnTime, &R::ProfessionalFee, {1250, 0}},
    {"branches alone cost nothing", {{301, 100}, {931, 2}}, {}, kOnTime, &R::ProfessionalFee, {0, 0}},
    {"branch fee kept", {{301, 100}, {931, 2}}, {}, kOnTime, &R::BranchFee, {1200, 0}},
};

INSTANTIATE_TEST_SUITE_P(Levies, TaxCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Levies, FeeFlagsLaterRuleWins) {
    const struct {
        const char* name;
        bool largeCity, tourist, exempt;
        Ticks ticked;
        double fee;
    } cases[] = {
        {"large city", true, false, false, {}, 1000},
        {"tourist over large city", true, true, false, {}, 800},
        {"case st over large city", true, false, false, {889}, 500},
        {"exempt over everything", true, true, true, {887, 889}, 0},
    };
    for (const auto& c : cases) {
        Declaration d({{301, 100}}, c.ticked);
        d.in.FeeSeatLargeCity = {c.largeCity, false};
        d.in.FeeSeatTourist = {c.tourist, false};
        d.in.FeeExempt = {c.exempt, false};
        EXPECT_EQ(d.Run().ProfessionalFee[0], c.fee) << c.name;
    }
}

TEST(Levies, LuxuryTaxAndRoundedTotal) {
    Declaration d({{301, 12001}}, {}, true);  // contribution 0.01 (plus noise)
    d.in.LuxuryAssets.Tax5 = {308, 0};
    d.in.LuxuryAssets.Tax13 = {0, 130.004};
    d.in.FeeSeatTourist = {false, true};
    const ResultSet& r = d.Run();
    EXPECT_EQ(r.LuxuryTax[0], 308);
    EXPECT_EQ(r.LuxuryTax[1], 130.004);
    EXPECT_EQ(r.LeviesTotal, 1238.01);
}

TEST(Levies, NoLuxuryTaxForResidentsAbroad) {
    Declaration d({{301, 12001}}, {319});
    d.in.LuxuryAssets.Tax5 = {308, 0};
    EXPECT_EQ(d.Run().LuxuryTax[0], 0);
}

}  // namespace
}  // namespace dz::tax::testing
