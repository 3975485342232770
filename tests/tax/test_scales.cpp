// Tax scales, income deductions, taxable income and the salary-tax reduction.
#include "tax/scale.h"
#include "tax/tax_year_2014.h"
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

using namespace y2014;

TEST(Scales, BoundariesBelongToTheLowerBracket) {
    const struct {
        const char* name;
        std::span<const Bracket> scale;
        double base, tax;
    } cases[] = {
        {"rental 12000", kRentalScale, 12000, 1320},
        {"rental 20000", kRentalScale, 20000, 3960},
        {"rental negative stays in the first bracket", kRentalScale, -100, -11},
        {"salary 25000", kSalaryScale, 25000, 5500},
        {"salary 30000", kSalaryScale, 30000, 7100},
        {"salary 42000", kSalaryScale, 42000, 10940},
        {"salary 50000", kSalaryScale, 50000, 14300},
        {"island 37500", kSalaryIslandScale, 37500, 8250},
        {"island 30000", kSalaryIslandScale, 30000, 6600},
        {"island 42000", kSalaryIslandScale, 42000, 9690},
        {"island 50000", kSalaryIslandScale, 50000, 13050},
        {"business 50000", kBusinessScale, 50000, 13000},
        {"business 60000", kBusinessScale, 60000, 16300},
        {"new business 10000", kNewBusinessScale, 10000, 1300},
        {"new business 50000", kNewBusinessScale, 50000, 11700},
        {"new business 60000", kNewBusinessScale, 60000, 15000},
    };
    for (const auto& c : cases) EXPECT_NEAR(ApplyScale(c.scale, c.base), c.tax, kCent) << c.name;
}

struct ScaleCase {
    const char* name;
    Amounts amounts;
    Ticks ticked;
    double (*get)(const ResultSet&);
    double expected;
};
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class ScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTest, Value) {
    const ScaleCase& c = GetParam();
    SCOPED_TRACE(c.name);
    Declaration d(c.amounts, c.ticked);
    d.Set(49, 21000);  // receipts enough for every case: no penalty in the salary tax
    EXPECT_NEAR(c.get(d.Run()), c.expected, kCent);
}

double SalaryTax(const ResultSet& r) { return r.CategoryTax[0][kTaxSalary]; }
double SalaryTaxBefore(const ResultSet& r) { return r.TaxBeforeReductions[0]; }
double Reduction(const ResultSet& r) { return r.SalaryTaxReduction[0]; }
double ReductionItem(const ResultSet& r) { return r.ReductionItems[0][kRedSalaryTax]; }
double RentalTax(const ResultSet& r) { return r.CategoryTax[0][kTaxRental]; }
double BusinessTax(const ResultSet& r) { return r.CategoryTax[0][kTaxBusiness]; }
double AgriTax(const ResultSet& r) { return r.CategoryTax[0][kTaxAgri]; }
double NavyTax(const ResultSet& r) { return r.CategoryTax[0][kTaxNavy]; }
double CapitalTaxes(const ResultSet& r) {
    return r.CategoryTax[0][kTaxDividends] + r.CategoryTax[0][kTaxInterest] + r.CategoryTax[0][kTaxRoyalties] +
           r.CategoryTax[0][kTaxCapitalGains];
}
double Deductions(const ResultSet& r) { return r.IncomeDeductions[0]; }
double Sponsorship(const ResultSet& r) { return r.DeductionItems[0][0]; }
double Film(const ResultSet& r) { return r.DeductionItems[0][1]; }
double SalaryShare(const ResultSet& r) { return r.DeductionShare[0][kDedSalary]; }
double RentalShare(const ResultSet& r) { return r.DeductionShare[0][kDedRental]; }
double Taxable(const ResultSet& r) { return r.TaxableIncome[0]; }
double SpouseTaxable(const ResultSet& r) { return r.TaxableIncome[1]; }

const ScaleCase kCases[] = {
    {"rental base 20000", {{103, 20000 / 0.95}}, {}, RentalTax, 3960},
    {"salary 30000 before reduction", {{301, 30000}}, {}, SalaryTaxBefore, 7100},
    {"salary 30000 reduction", {{301, 30000}}, {}, Reduction, 1200},
    {"salary 30000 reduction item", {{301, 30000}}, {}, ReductionItem, 1200},
    {"salary 30000 tax", {{301, 30000}}, {}, SalaryTax, 5900},
    {"salary 30000 island", {{301, 30000}}, {7}, SalaryTax, 5400},
    {"salary 8000 reduction capped at the tax", {{301, 8000}}, {}, Reduction, 1760},
    {"salary 8000 tax zero", {{301, 8000}}, {}, SalaryTax, 0},
    {"salary 21000 full reduction", {{301, 21000}}, {}, Reduction, 2100},
    {"salary 42000 tax", {{301, 42000}}, {}, SalaryTax, 10940},
    {"salary 42000 no reduction", {{301, 42000}}, {}, Reduction, 0},
    {"non-resident no reduction", {{301, 30000}}, {319}, Reduction, 0},
    {"non-resident no island scale", {{301, 30000}}, {319, 7}, SalaryTax, 7100},
    {"code 385 keeps a resident", {{301, 30000}}, {319, 385, 7}, SalaryTax, 5400},
    {"business 60000", {{401, 60000}}, {}, BusinessTax, 16300},
    {"new business with revenue 9000", {{401, 60000}, {425, 9000}}, {17}, BusinessTax, 15000},
    {"new business with revenue 10000", {{401, 60000}, {425, 10000}}, {17}, BusinessTax, 15000},
    {"new business with revenue 10001", {{401, 60000}, {425, 10001}}, {17}, BusinessTax, 16300},
    {"new business without revenue", {{401, 60000}}, {17}, BusinessTax, 16300},
    {"business loss abroad only difference taxed", {{401, 1000}, {411, -5000}, {719, 20000}}, {}, BusinessTax, 0.26 * 22000},
    {"business with foreign profits", {{401, 10000}, {411, 5000}}, {}, BusinessTax, 3900},
    {"business after losses", {{401, 10000}, {413, 4000}}, {}, BusinessTax, 1560},
    {"agri 13 percent", {{461, 10000}, {465, 2000}}, {}, AgriTax, 1040},
    {"capital taxes", {{291, 1000}, {295, 1000}, {667, 1000}, {671, 1000}, {825, 1000}}, {}, CapitalTaxes, 200 + 150 + 200 + 150},
    {"navy officer", {{255, 20000}, {201, 1}}, {}, NavyTax, 3000},
    {"navy lower crew", {{255, 20000}, {201, 2}}, {}, NavyTax, 2000},
    {"navy both", {{255, 20000}, {201, 3}, {253, 5000}, {267, 3000}}, {}, NavyTax, 2600},
    {"navy both lower crew exceeds", {{255, 20000}, {201, 3}, {253, 15000}, {267, 5000}}, {}, NavyTax, 0},
    {"navy unknown category", {{255, 20000}, {201, 4}}, {}, NavyTax, 0},
    {"sponsorship capped at 10 percent", {{301, 30000}, {61, 5000}}, {}, Sponsorship, 3000},
    {"sponsorship charged to salary", {{301, 30000}, {61, 5000}}, {}, SalaryShare, 3000},
    {"sponsorship lowers the salary base", {{301, 30000}, {61, 5000}}, {}, SalaryTaxBefore, 6140},
    {"sponsorship spread by income", {{301, 30000}, {103, 10000 / 0.95}, {61, 2000}}, {}, RentalShare, 500},
    {"film case beta", {{301, 30000}, {663, 10000}}, {35}, Film, 1200},
    {"film case alpha", {{301, 30000}, {663, 10000}}, {33}, Film, 2400},
    {"film without a case", {{301, 30000}, {663, 10000}}, {}, Film, 0},
    {"deductions add up", {{301, 30000}, {663, 10000}, {61, 1000}}, {33}, Deductions, 3400},
    {"non-resident no deductions", {{301, 30000}, {61, 1000}}, {319}, Deductions, 0},
    {"guardian filing no deductions", {{301, 30000}, {61, 1000}}, {329}, Deductions, 0},
    {"guardian filing keeps the shares", {{301, 30000}, {61, 1000}}, {329}, SalaryShare, 1000},
    {"taxable income", {{301, 30000}, {61, 1000}}, {}, Taxable, 29000},
    {"code 025 takes 20 percent of profits", {{301, 30000}, {401, 10000}}, {25}, Taxable, 38000},
    {"code 026 for the spouse", {{301, 30000}, {402, 10000}}, {26}, SpouseTaxable, 8000},
    {"code 025 not with a difference", {{401, 1000}, {719, 20000}}, {25}, Taxable, 23000},
};

INSTANTIATE_TEST_SUITE_P(Scales, ScaleTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Scales, DeductionsCappedAtTheIncome) {
    // Land rents eaten by land expenses: no income, but the cap base keeps the leased rents.
    Declaration d({{101, 10000}, {159, 10000}, {61, 5000}}, {385});
    const ResultSet& r = d.Run();
    EXPECT_EQ(r.TotalIncome[0], 0);
    EXPECT_NEAR(r.DeductionItems[0][0], 950, kCent);
    EXPECT_EQ(r.IncomeDeductions[0], 0);
    EXPECT_EQ(r.TaxableIncome[0], 0);
}

}  // namespace
}  // namespace dz::tax::testing
