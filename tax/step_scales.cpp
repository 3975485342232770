// Income deductions, taxable income, the category taxes and the salary-tax reduction.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// The tax on merchant-navy pay by the crew category of code 201/202; category 3 pays the lower
// crew's rate on the lower-crew part (codes 253 and 267) and the officers' rate on the rest.
double NavyScaleTax(double category, double base, double c253, double c267) {
    if (category == 1) return kNavyOfficerRate * base;
    if (category == 2) return kNavyLowerCrewRate * base;
    if (category == 3) {
        const double officerPart = base - c253 - c267;
        return officerPart > 0 ? kNavyLowerCrewRate * (c253 + c267) + kNavyOfficerRate * (base - c253 - c267) : 0.0;
    }
    return 0;
}

// The salary-tax reduction of a salary base above 0: full up to a limit, tapering to none.
double SalaryReduction(double b) {
    if (b <= kSalaryReductionFullUpTo) return kSalaryReductionMax;
    if (b <= kSalaryReductionNoneAbove) return kSalaryReductionMax - kSalaryReductionTaper * (b - kSalaryReductionFullUpTo);
    return 0;
}

}  // namespace

template <class N>
void ComputeScales(StepContextOf<N>& s) {
    auto& r = s.r;

    // Income deductions, not for non-residents.
    {
        auto rule = s.Rule(kRuleIncomeDeductions, r.DeductionShare, r.IncomeDeductions, r.DeductionItems);
        if (s.If(!r.NonResident)) {
            for (int p = 0; p < 2; ++p) {
                std::array<N, kDedCategoryCount> w{};
                w[kDedRental] = r.RentalIncome[p] + r.ForeignRental[p];
                w[kDedBusiness] = r.BusinessIncome[p] - r.BusinessLossSetOff[p] + r.ExcessToBusiness[p];
                w[kDedAgri] = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p] + r.ExcessToAgri[p];
                w[kDedSalary] = r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p];
                w[kDedDividends] = r.Dividends[p] + r.ForeignDividends[p];
                w[kDedInterest] = r.Interest[p] + r.ForeignInterest[p];
                w[kDedRoyalties] = r.Royalties[p] + r.ForeignRoyalties[p];
                w[kDedCapitalGains] = r.CapitalGains[p];
                w[kDedNavy] = r.NavyIncome[p] + r.ForeignNavy[p];
                N total = 0;
                for (N& x : w) {
                    x = Floor0(x);
                    total += x;
                }
                std::array<N, kDedCategoryCount> share{};
                {
                    auto weights = s.Rule(kRuleIncomeDeductions, share);
                    if (s.If(total > 0)) {
                        for (int i = 0; i < kDedCategoryCount; ++i) share[i] = w[i] / total;
                    }
                }

                const N capBase = s.Pick(r.PresumptionExcess[p] > 0, r.TotalIncome[p] + r.PresumptionExcess[p],
                                         r.CapBaseIncome[p]);
                auto& dedShare = r.DeductionShare[p];

                const N sponsorship = Min(s.C(61, p), kSponsorshipCap * capBase);
                for (int i = 0; i < kDedCategoryCount; ++i) dedShare[i] = sponsorship * share[i];
                r.IncomeDeductions[p] += sponsorship;
                r.DeductionItems[p][0] = sponsorship;

                const Truth<N> caseAlpha = s.T(33, p);
                {
                    auto film = s.Rule(kRuleFilmInvestment, r.DeductionShare[p], r.IncomeDeductions[p],
                                       r.DeductionItems[p]);
                    if (s.If(caseAlpha || s.T(35, p))) {
                        N amount = Min(s.C(663, p), kFilmInvestCap * capBase);
                        amount = amount * s.Pick(caseAlpha, N(kFilmCaseAlpha), N(kFilmCaseBeta));
                        for (int i = 0; i < kDedCategoryCount; ++i) dedShare[i] += amount * share[i];
                        r.IncomeDeductions[p] += amount;
                        r.DeductionItems[p][1] = amount;
                    }
                }

                r.IncomeDeductions[p] = Min(r.IncomeDeductions[p], r.TotalIncome[p] + r.PresumptionExcess[p]);
            }
            auto curator = s.Rule(kRuleCuratorNoDeductions, r.IncomeDeductions);
            if (s.If(s.T(329))) r.IncomeDeductions = {0, 0};
        }
    }

    // Taxable income as shown.
    for (int p = 0; p < 2; ++p) {
        r.TaxableIncome[p] = Floor0(r.TotalIncome[p] + r.PresumptionExcess[p] - r.IncomeDeductions[p]);
    }

    // Code 025/026, both depending on the taxpayer's difference only.
    {
        auto rule = s.Rule(kRuleArticle73, r.TaxableIncome);
        if (s.If(r.PresumptionExcess[kTaxpayer] == 0)) {
            for (int p = 0; p < 2; ++p) {
                if (s.If(s.T(25, p))) {
                    r.TaxableIncome[p] = Floor0(r.TaxableIncome[p] - kArticle73Reduction * s.C(401, p));
                }
            }
        }
    }

    // Category taxes and the salary-tax reduction.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        auto& tax = r.CategoryTax[p];
        const auto& ded = r.DeductionShare[p];
        const auto scale = [](const auto& brackets) {
            return [&brackets](double base) { return ApplyScale(brackets, base); };
        };

        tax[kTaxRental] =
            Lifted(scale(kRentalScale), Floor0(r.RentalIncome[p] + r.ForeignRental[p] - ded[kDedRental]));

        const N xBus = r.BusinessIncome[p] + r.ForeignBusiness[p] - r.BusinessLossSetOff[p];
        const N busBase = Floor0(s.Pick(xBus < 0, r.ExcessToBusiness[p], xBus - ded[kDedBusiness] + r.ExcessToBusiness[p]));
        const N revenue = c(425) + c(403) + c(409) + c(427);
        {
            auto rule = s.Rule(kRuleBusinessScale, tax[kTaxBusiness]);
            if (s.If(s.T(17, p) && 0 < revenue && revenue <= kNewBusinessRevenueLimit))
                tax[kTaxBusiness] = Lifted(scale(kNewBusinessScale), busBase);
            else
                tax[kTaxBusiness] = Lifted(scale(kBusinessScale), busBase);
        }

        const N xAgri = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p];
        const N agriBase = Floor0(s.Pick(xAgri < 0, r.ExcessToAgri[p], xAgri - ded[kDedAgri] + r.ExcessToAgri[p]));
        tax[kTaxAgri] = kAgriRate * agriBase;

        tax[kTaxDividends] = kDividendRate * Floor0(r.Dividends[p] + r.ForeignDividends[p] - ded[kDedDividends]);
        tax[kTaxInterest] = kInterestRate * Floor0(r.Interest[p] + r.ForeignInterest[p] - ded[kDedInterest]);
        tax[kTaxRoyalties] = kRoyaltyRate * Floor0(r.Royalties[p] + r.ForeignRoyalties[p] - ded[kDedRoyalties]);
        tax[kTaxCapitalGains] = kCapitalGainsRate * Floor0(r.CapitalGains[p] - ded[kDedCapitalGains]);

        const N navyBase = Floor0(r.NavyIncome[p] + r.ForeignNavy[p] - ded[kDedNavy]);
        tax[kTaxNavy] = Lifted(NavyScaleTax, c(201), navyBase, c(253), c(267));

        r.NonSalaryTax[p] = tax[kTaxRental] + tax[kTaxBusiness] + tax[kTaxAgri] + tax[kTaxDividends] +
                            tax[kTaxInterest] + tax[kTaxRoyalties] + tax[kTaxCapitalGains] + tax[kTaxNavy];

        const N salaryBase = r.SalaryIncome[p] + r.ForeignSalary[p] - ded[kDedSalary] + r.ExcessToSalary[p];
        {
            auto rule = s.Rule(kRuleSalaryScale, tax[kTaxSalary]);
            if (s.If(salaryBase > 0)) {
                if (s.If(s.T(7, p) && !r.NonResident))
                    tax[kTaxSalary] = Lifted(scale(kSalaryIslandScale), salaryBase);
                else
                    tax[kTaxSalary] = Lifted(scale(kSalaryScale), salaryBase);
            }
        }

        N sum = 0;
        for (const N& t : tax) sum += t;
        r.TaxBeforeReductions[p] = sum;

        const N b = Floor0(r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p]);
        auto rule = s.Rule(kRuleSalaryTaxReduction, tax[kTaxSalary], r.SalaryTaxReduction[p],
                           r.ReductionItems[p][kRedSalaryTax]);
        if (s.If(b > 0 && !r.NonResident)) {
            const N reduction = Min(Lifted(SalaryReduction, b), tax[kTaxSalary]);
            tax[kTaxSalary] = Floor0(tax[kTaxSalary] - reduction);
            r.SalaryTaxReduction[p] = reduction;
            r.ReductionItems[p][kRedSalaryTax] = reduction;
        }
    }
}

template void ComputeScales(StepContextOf<double>&);
template void ComputeScales(StepContextOf<Traced>&);

}  // namespace dz::tax
