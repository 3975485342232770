// Income by category, foreign income, losses set off, exempt and total income.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

template <class N>
void ComputeIncome(StepContextOf<N>& s) {
    auto& r = s.r;
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };

        // Rental income.
        r.LeaseCompensation[p] = Min(c(163), c(165));
        r.ShopRentNet[p] = Floor0(kRentNetShare * c(105) - r.LeaseCompensation[p]);
        r.LandLeased[p] = c(101);
        r.RentLeased[p] = kRentNetShare * c(101) + kRentNetShare * c(103) + kRentNetShare * c(107) +
                          kRentNetShare * c(109) + kRentNetShare * c(131) + kRentNetShare * c(133) +
                          r.ShopRentNet[p] + c(121);
        r.RentSublet[p] = (c(111) - c(113)) * kSubletNetShare[p];
        r.RentOwnUse[p] = kRentNetShare * c(145) + kRentNetShare * c(149);
        r.RentFreeUse[p] = kRentNetShare * c(129) + kRentNetShare * c(143) + kRentNetShare * c(141) +
                           kRentNetShare * c(147);
        r.LandExpenses[p] = Min(c(159), c(101) + c(141) + c(149));
        r.RentalIncome[p] = Floor0(r.RentLeased[p] + r.RentSublet[p] + r.RentOwnUse[p] +
                                   r.RentFreeUse[p] - r.LandExpenses[p]);
        r.CapBaseIncome[p] = r.RentLeased[p] + r.RentSublet[p];

        // Dividends, interest, royalties.
        r.Dividends[p] = c(291);
        r.Interest[p] = c(667);
        r.Royalties[p] = c(671);
        r.CapitalIncome[p] = r.Dividends[p] + r.Interest[p] + r.Royalties[p];

        // Salaries and pensions.
        r.SalaryIncome[p] = Floor0(c(301) + c(303) + c(321) + c(325) + c(307) + c(309) + c(311) +
                                   c(343) - c(351));

        // Business.
        r.BusinessIncome[p] = c(401) + c(403) + c(409) + c(427);
        r.BusinessLossSetOff[p] = Min(c(413) + c(415), r.BusinessIncome[p]);
        r.BusinessLossCur[p] = c(413);
        r.CurrentLosses[p] += c(413);
        r.PriorLosses[p] += c(415);

        // Agriculture.
        r.AgriIncome[p] = c(461);
        r.AgriLossSetOff[p] = Min(c(465) + c(467), r.AgriIncome[p]);
        r.AgriLossCur[p] = c(465);
        r.AgriLossPrior[p] = c(467);
        r.CurrentLosses[p] += c(465);
        r.PriorLosses[p] += c(467);

        // Capital gains.
        r.CapitalGains[p] = c(825) + c(123) + Max(0.0, c(829) + c(865) - c(871));

        // Merchant navy.
        r.NavyIncome[p] = c(255) + c(251);

        // Foreign income.
        r.ForeignRental[p] = c(171);
        r.ForeignDividends[p] = c(295);
        r.ForeignInterest[p] = c(669);
        r.ForeignRoyalties[p] = c(673);
        r.ForeignNavy[p] = c(263);
        r.ForeignSalary[p] = c(389) + c(391) + c(393);
        r.ForeignBusiness[p] = c(411);
        r.ForeignAgri[p] = c(463);
        r.ForeignIncome[p] = r.ForeignRental[p] + r.ForeignDividends[p] + r.ForeignInterest[p] +
                             r.ForeignRoyalties[p] + r.ForeignNavy[p] + r.ForeignSalary[p] +
                             r.ForeignBusiness[p] + r.ForeignAgri[p];
        r.ForeignLoss[p] = Min(0.0, r.ForeignIncome[p]);

        // Totals.
        r.DomesticIncome[p] = r.RentalIncome[p] + r.CapitalIncome[p] + r.BusinessIncome[p] +
                              r.AgriIncome[p] + r.SalaryIncome[p] + r.CapitalGains[p] +
                              r.NavyIncome[p];
        r.ExemptIncome[p] = c(659) + c(619);
        const N sUnemployment = r.DomesticIncome[p] + c(659) + c(619) + c(657) + c(617) +
                                     c(433) + c(613) + c(431) + c(305) + c(335);
        // Benefit 661 is taxed as salary when S is above the limit, otherwise exempt; an arm
        // that adds nothing leaves the figures free of the test.
        const Truth<N> taxed = sUnemployment > kUnemploymentTaxedAbove;
        const N zero = 0.0;
        r.DomesticIncome[p] += s.Pick(taxed, c(661), zero);
        r.SalaryIncome[p] += s.Pick(taxed, c(661), zero);
        r.TaxedUnemployment[p] = s.Pick(taxed, c(661), zero);
        r.ExemptIncome[p] += s.Pick(taxed, zero, c(661));
        const N setOff = r.ForeignLoss[p] + r.BusinessLossSetOff[p] + r.AgriLossSetOff[p];
        r.TotalIncome[p] = Floor0(r.DomesticIncome[p] + r.ForeignIncome[p] - setOff);
        r.CapBaseIncome[p] = Floor0(r.CapBaseIncome[p] +
                                    (r.CapitalIncome[p] + r.BusinessIncome[p] + r.AgriIncome[p] +
                                     r.SalaryIncome[p] + r.CapitalGains[p] + r.ForeignIncome[p] -
                                     setOff));
        r.GrossRevenue[p] = c(475) + c(425);
    }

    // A spouse with domestic income makes the declaration joint.
    auto rule = s.Rule(kRuleJointDeclaration, s.in.Married);
    if (s.If(r.DomesticIncome[kSpouse] > 0)) s.in.Married = true;
}

template void ComputeIncome(StepContextOf<double>&);
template void ComputeIncome(StepContextOf<Traced>&);

}  // namespace dz::tax
