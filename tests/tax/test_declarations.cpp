// Whole declarations through every step, checked against amounts worked out by hand.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

struct Expect {
    const char* what;
    double got;
    double want;
};

void Check(const char* name, std::initializer_list<Expect> values) {
    for (const Expect& e : values) EXPECT_NEAR(e.got, e.want, 1e-6) << name << ": " << e.what;
}

TEST(Declarations, SingleSalaryWithShortReceipts) {
    Declaration d({{301, 30000}, {49, 2000}, {315, 5000}, {333, 300}});
    const ResultSet& r = d.Run();
    const double withheld = 5000 / 0.985;
    Check("single salary", {{"IncomeTaxDue", r.IncomeTaxDue[0], 6120},
                            {"SalaryTaxWithheld", r.SalaryTaxWithheld[0], withheld},
                            {"IncomeTaxDebit", r.IncomeTaxDebit[0], 6120 - withheld},
                            {"SolidarityContribution", r.SolidarityContribution[0], 600},
                            {"LeviesTotal", r.LeviesTotal, 600},
                            {"SettlementDiscount", r.SettlementDiscount, 0},
                            {"FinalBalance", r.FinalBalance, 6120 - withheld + 600 - 300}});
}

TEST(Declarations, JointBusinessAndSalary) {
    Declaration d({{401, 20000}, {302, 15000}, {49, 1500}});
    const ResultSet& r = d.Run();
    EXPECT_TRUE(d.in.Married);
    Check("joint", {{"taxpayer business tax", r.CategoryTax[0][kTaxBusiness], 5200},
                    {"spouse salary tax", r.CategoryTax[1][kTaxSalary], 1200},
                    {"spouse penalty", r.ReceiptsPenalty[1], 0},
                    {"taxpayer advance", r.AdvancePayment[0], 2860},
                    {"spouse advance", r.AdvancePayment[1], 0},
                    {"GrandDebit", r.GrandDebit, 9260},
                    {"taxpayer contribution", r.SolidarityContribution[0], 200},
                    {"spouse contribution", r.SolidarityContribution[1], 150},
                    {"FinalBalance", r.FinalBalance, 9610}});
}

TEST(Declarations, LateWithPresumptionDifference) {
    Declaration d({{301, 5000}, {115, 10000}}, {}, false, 2);
    const ResultSet& r = d.Run();
    Check("late", {{"PresumptionExcess", r.PresumptionExcess[0], 8000},
                   {"ExcessToSalary", r.ExcessToSalary[0], 8000},
                   {"TaxableIncome", r.TaxableIncome[0], 13000},
                   {"IncomeTaxDue", r.IncomeTaxDue[0], 760},
                   {"ReceiptsPenalty", r.ReceiptsPenalty[0], 0},
                   {"LateSurcharge", r.LateSurcharge, 15.2},
                   {"LateSurchargeShare", r.LateSurchargeShare[0], 15.2},
                   {"GrandDebit", r.GrandDebit, 775.2},
                   {"SolidarityBase", r.SolidarityBase[0], 13000},
                   {"SolidarityContribution", r.SolidarityContribution[0], 130},
                   {"FinalBalance", r.FinalBalance, 905.2}});
}

TEST(Declarations, RefundSetOffAgainstTheContribution) {
    Declaration d({{301, 20000}, {315, 4000}, {49, 5000}});
    const ResultSet& r = d.Run();
    Check("refund", {{"IncomeTaxDue", r.IncomeTaxDue[0], 2300},
                     {"IncomeTaxCredit", r.IncomeTaxCredit[0], 1734.5},
                     {"WithholdingDiscount", r.WithholdingDiscount[0], 0.015 * (4000 / 0.985 - 2300)},
                     {"SolidarityContribution", r.SolidarityContribution[0], 200},
                     {"SettlementDiscount", r.SettlementDiscount, 4},
                     {"FinalBalance", r.FinalBalance, -1538.5}});
}

TEST(Declarations, EveryPersonalResultStaysWithItsPerson) {
    // The same declaration entered for the spouse gives the taxpayer's results mirrored.
    const Amounts taxpayer = {{301, 30000}, {401, 12000}, {103, 8000}, {291, 500}, {461, 3000}, {115, 6000},
                              {719, 4000},  {315, 4000},  {601, 500},  {61, 300},  {59, 400},   {333, 100}};
    Amounts spouse;
    for (const auto& [code, value] : taxpayer) spouse.push_back({code + 1, value});
    Declaration a(taxpayer, {}, true), b(spouse, {}, true);
    a.Set(302, 1);  // both joint, the other person almost without income
    b.Set(301, 1);
    const ResultSet& ra = a.Run();
    const ResultSet& rb = b.Run();
    EXPECT_NEAR(ra.IncomeTaxDue[0], rb.IncomeTaxDue[1], 1e-9);
    EXPECT_NEAR(ra.AdvancePayment[0], rb.AdvancePayment[1], 1e-9);
    EXPECT_NEAR(ra.SolidarityContribution[0], rb.SolidarityContribution[1], 1e-9);
    EXPECT_NEAR(ra.IncomeTaxDebit[0], rb.IncomeTaxDebit[1], 1e-9);
    for (int i = 0; i < kTaxCategoryCount; ++i) EXPECT_NEAR(ra.CategoryTax[0][i], rb.CategoryTax[1][i], 1e-9) << i;
}

}  // namespace
}  // namespace dz::tax::testing
