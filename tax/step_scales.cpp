// Income deductions, taxable income, the category taxes and the salary-tax reduction.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

void ComputeScales(StepContext& s) {
    ResultSet& r = s.r;

    // Income deductions, not for non-residents.
    if (!r.NonResident) {
        for (int p = 0; p < 2; ++p) {
            std::array<double, kDedCategoryCount> w{};
            w[kDedRental] = r.RentalIncome[p] + r.ForeignRental[p];
            w[kDedBusiness] = r.BusinessIncome[p] - r.BusinessLossSetOff[p] + r.ExcessToBusiness[p];
            w[kDedAgri] = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p] + r.ExcessToAgri[p];
            w[kDedSalary] = r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p];
            w[kDedDividends] = r.Dividends[p] + r.ForeignDividends[p];
            w[kDedInterest] = r.Interest[p] + r.ForeignInterest[p];
            w[kDedRoyalties] = r.Royalties[p] + r.ForeignRoyalties[p];
            w[kDedCapitalGains] = r.CapitalGains[p];
            w[kDedNavy] = r.NavyIncome[p] + r.ForeignNavy[p];
            double total = 0;
            for (double& x : w) {
                x = Floor0(x);
                total += x;
            }
            std::array<double, kDedCategoryCount> share{};
            if (total > 0) {
                for (int i = 0; i < kDedCategoryCount; ++i) share[i] = w[i] / total;
            }

            const double capBase = r.PresumptionExcess[p] > 0
                                       ? r.TotalIncome[p] + r.PresumptionExcess[p]
                                       : r.CapBaseIncome[p];
            auto& dedShare = r.DeductionShare[p];

            const double sponsorship = Min(s.C(61, p), kSponsorshipCap * capBase);
            for (int i = 0; i < kDedCategoryCount; ++i) dedShare[i] = sponsorship * share[i];
            r.IncomeDeductions[p] += sponsorship;
            r.DeductionItems[p][0] = sponsorship;

            const bool caseAlpha = s.T(33, p);
            if (caseAlpha || s.T(35, p)) {
                double film = Min(s.C(663, p), kFilmInvestCap * capBase);
                film = film * (caseAlpha ? kFilmCaseAlpha : kFilmCaseBeta);
                for (int i = 0; i < kDedCategoryCount; ++i) dedShare[i] += film * share[i];
                r.IncomeDeductions[p] += film;
                r.DeductionItems[p][1] = film;
            }

            r.IncomeDeductions[p] = Min(r.IncomeDeductions[p], r.TotalIncome[p] + r.PresumptionExcess[p]);
        }
        if (s.T(329)) r.IncomeDeductions = {0, 0};
    }

    // Taxable income as shown.
    for (int p = 0; p < 2; ++p) {
        r.TaxableIncome[p] = Floor0(r.TotalIncome[p] + r.PresumptionExcess[p] - r.IncomeDeductions[p]);
    }

    // Code 025/026, both depending on the taxpayer's difference only.
    if (r.PresumptionExcess[kTaxpayer] == 0) {
        for (int p = 0; p < 2; ++p) {
            if (s.T(25, p)) {
                r.TaxableIncome[p] = Floor0(r.TaxableIncome[p] - kArticle73Reduction * s.C(401, p));
            }
        }
    }

    // Category taxes and the salary-tax reduction.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        auto& tax = r.CategoryTax[p];
        const auto& ded = r.DeductionShare[p];

        tax[kTaxRental] = ApplyScale(kRentalScale, Floor0(r.RentalIncome[p] + r.ForeignRental[p] - ded[kDedRental]));

        const double xBus = r.BusinessIncome[p] + r.ForeignBusiness[p] - r.BusinessLossSetOff[p];
        const double busBase =
            Floor0(xBus < 0 ? r.ExcessToBusiness[p] : xBus - ded[kDedBusiness] + r.ExcessToBusiness[p]);
        const double revenue = c(425) + c(403) + c(409) + c(427);
        const bool newSmall = s.T(17, p) && 0 < revenue && revenue <= kNewBusinessRevenueLimit;
        tax[kTaxBusiness] = newSmall ? ApplyScale(kNewBusinessScale, busBase) : ApplyScale(kBusinessScale, busBase);

        const double xAgri = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p];
        const double agriBase = Floor0(xAgri < 0 ? r.ExcessToAgri[p] : xAgri - ded[kDedAgri] + r.ExcessToAgri[p]);
        tax[kTaxAgri] = kAgriRate * agriBase;

        tax[kTaxDividends] = kDividendRate * Floor0(r.Dividends[p] + r.ForeignDividends[p] - ded[kDedDividends]);
        tax[kTaxInterest] = kInterestRate * Floor0(r.Interest[p] + r.ForeignInterest[p] - ded[kDedInterest]);
        tax[kTaxRoyalties] = kRoyaltyRate * Floor0(r.Royalties[p] + r.ForeignRoyalties[p] - ded[kDedRoyalties]);
        tax[kTaxCapitalGains] = kCapitalGainsRate * Floor0(r.CapitalGains[p] - ded[kDedCapitalGains]);

        const double navyBase = Floor0(r.NavyIncome[p] + r.ForeignNavy[p] - ded[kDedNavy]);
        const double category = c(201);
        if (category == 1) {
            tax[kTaxNavy] = kNavyOfficerRate * navyBase;
        } else if (category == 2) {
            tax[kTaxNavy] = kNavyLowerCrewRate * navyBase;
        } else if (category == 3) {
            const double officerPart = navyBase - c(253) - c(267);
            tax[kTaxNavy] = officerPart > 0
                                ? kNavyLowerCrewRate * (c(253) + c(267)) + kNavyOfficerRate * (navyBase - c(253) - c(267))
                                : 0.0;
        } else {
            tax[kTaxNavy] = 0;
        }

        r.NonSalaryTax[p] = tax[kTaxRental] + tax[kTaxBusiness] + tax[kTaxAgri] + tax[kTaxDividends] +
                            tax[kTaxInterest] + tax[kTaxRoyalties] + tax[kTaxCapitalGains] + tax[kTaxNavy];

        const double salaryBase = r.SalaryIncome[p] + r.ForeignSalary[p] - ded[kDedSalary] + r.ExcessToSalary[p];
        if (salaryBase > 0) {
            const bool island = s.T(7, p) && !r.NonResident;
            tax[kTaxSalary] = island ? ApplyScale(kSalaryIslandScale, salaryBase) : ApplyScale(kSalaryScale, salaryBase);
        }

        double sum = 0;
        for (double t : tax) sum += t;
        r.TaxBeforeReductions[p] = sum;

        const double b = Floor0(r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p]);
        if (b > 0 && !r.NonResident) {
            double reduction = 0;
            if (b <= kSalaryReductionFullUpTo) {
                reduction = kSalaryReductionMax;
            } else if (b <= kSalaryReductionNoneAbove) {
                reduction = kSalaryReductionMax - kSalaryReductionTaper * (b - kSalaryReductionFullUpTo);
            }
            reduction = Min(reduction, tax[kTaxSalary]);
            tax[kTaxSalary] = Floor0(tax[kTaxSalary] - reduction);
            r.SalaryTaxReduction[p] = reduction;
            r.ReductionItems[p][kRedSalaryTax] = reduction;
        }
    }
}

}  // namespace dz::tax
