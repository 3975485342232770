// Presumptive expenditure test: the difference added to income and the category that takes it.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// Codes of the asset presumption, taxpayer's odd codes.
constexpr int kAssetCodes[] = {115, 117, 119, 707, 709, 711, 713, 731, 715, 765};
// Codes of the money spent on acquisitions.
constexpr int kAcquisitionCodes[] = {719, 721, 723, 743, 735, 759, 725, 727};

enum class ExcessCategory { Salary, Business, Agri };

// Non-professional revenue of code 403 moves to salary income for small presumptions.
template <class N>
void ReclassifyNonProfessional(StepContextOf<N>& s, int p) {
    auto& r = s.r;
    auto rule = s.Rule(kRuleNonProfessionalRevenue, r.SalaryIncome[p], r.BusinessIncome[p]);
    const N c403 = s.C(403, p);
    if (!s.If(r.PresumptionTotal[p] <= kSmallPresumption && r.AgriIncome[p] + r.ForeignAgri[p] == 0 &&
              r.BusinessIncome[p] - c403 <= 0 && c403 > 0)) {
        return;
    }
    const N limit = Floor0(kNonProfessionalLimit - (r.RentalIncome[p] + r.ForeignRental[p] +
                                                   r.CapitalGains[p] + r.CapitalIncome[p]));
    const N sal = r.SalaryIncome[p] + r.ForeignSalary[p] + r.NavyIncome[p];
    if (s.If(sal == 0)) {
        if (s.If(c403 <= limit)) {
            r.SalaryIncome[p] = c403;
            r.BusinessIncome[p] = 0;
        } else {
            r.SalaryIncome[p] = limit;
            r.BusinessIncome[p] = c403 - limit;
        }
    } else if (s.If(c403 + sal <= limit)) {
        r.SalaryIncome[p] += c403;
        r.BusinessIncome[p] = 0;
    } else if (s.If(sal < limit)) {
        const N moved = limit - sal;
        r.BusinessIncome[p] -= moved;
        r.SalaryIncome[p] += moved;
    }
}

// The category that receives the difference; the first rule that applies decides.
template <class N>
ExcessCategory ChooseCategory(StepContextOf<N>& s, int p) {
    const auto& r = s.r;
    auto c = [&](int code) { return s.C(code, p); };
    const N sal = r.SalaryIncome[p] + r.ForeignSalary[p] + r.NavyIncome[p];
    const N agr = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p];
    const N oth = r.RentalIncome[p] + r.ForeignRental[p] + r.CapitalIncome[p] + r.CapitalGains[p];
    const N bus = r.BusinessIncome[p] - r.BusinessLossSetOff[p];
    const N ex = c(659) + c(619) + c(657) + c(617) + c(661) + c(431) + c(305) + c(335);

    if (s.If(s.T(777, p))) return ExcessCategory::Salary;
    if (s.If(r.DomesticIncome[p] + r.ForeignIncome[p] == 0)) {
        if (s.If(c(413) > 0)) return ExcessCategory::Business;
        if (s.If(c(465) + c(467) > 0)) return ExcessCategory::Agri;
        return ExcessCategory::Salary;
    }
    if (s.If(sal + oth + agr < r.BusinessIncome[p])) return ExcessCategory::Business;
    if (s.If(r.CapitalIncome[p] + r.RentalIncome[p] + r.CapitalGains[p] == r.DomesticIncome[p] + r.ForeignIncome[p] &&
             r.PresumptionTotal[p] <= kSmallPresumption && c(413) + c(465) + c(467) <= 0 &&
             c(431) + c(659) + c(619) == 0)) {
        return ExcessCategory::Salary;
    }
    if (s.If(sal >= agr))
        return s.If(oth + bus + ex > sal) ? ExcessCategory::Business : ExcessCategory::Salary;
    return s.If(oth + bus + ex > agr) ? ExcessCategory::Business : ExcessCategory::Agri;
}

}  // namespace

template <class N>
void ComputePresumptionTest(StepContextOf<N>& s) {
    auto& r = s.r;
    const auto& inc = r.TotalIncome;

    // Skip test: everything the test writes depends on it.
    auto skip = s.Rule(kRuleSkipPresumptionTest, r.Acquisitions, r.PresumptionTotal, r.SharedExpense,
                       r.LivingPresumption, r.CoveringAmounts, r.NetPresumption, r.PresumptionExcess,
                       r.SalaryIncome, r.BusinessIncome, r.ExcessToSalary, r.ExcessToBusiness, r.ExcessToAgri);
    PairOf<N> a{};
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        a[p] = r.TotalIncome[p] + c(659) + c(619) + c(431) + c(433) + c(613) + c(305) + c(335) +
               c(995) + c(661);
    }
    if (s.If(a[0] + a[1] == 0 && s.T(319))) return;

    // Asset presumption.
    for (int p = 0; p < 2; ++p) {
        N acq = s.C(kAcquisitionCodes[0], p);
        for (std::size_t i = 1; i < std::size(kAcquisitionCodes); ++i) acq = acq + s.C(kAcquisitionCodes[i], p);
        r.Acquisitions[p] = acq;
        N total = s.C(kAssetCodes[0], p);
        for (std::size_t i = 1; i < std::size(kAssetCodes); ++i) total = total + s.C(kAssetCodes[i], p);
        r.PresumptionTotal[p] = total + acq;
    }

    // Shared expenses 769 + 770, split by income.
    const N shared = s.C(769) + s.C(770);
    const N incSum = inc[0] + inc[1];
    {
        auto rule = s.Rule(kRuleSharedExpense, r.SharedExpense);
        if (s.If(r.DomesticIncome[0] + r.DomesticIncome[1] > 0 && incSum > 0)) {
            for (int p = 0; p < 2; ++p) r.SharedExpense[p] = shared * inc[p] / incSum;
        } else {
            r.SharedExpense[kTaxpayer] = shared;
            r.SharedExpense[kSpouse] = 0;
        }
    }

    // Minimum living presumption.
    {
        auto rule = s.Rule(kRuleMinimumLiving, r.SharedExpense);
        if (s.If(!s.T(385))) {
            if (s.If(s.in.Married)) {
                for (int p = 0; p < 2; ++p) r.SharedExpense[p] += kMinLivingMarried;
            } else {
                r.SharedExpense[kTaxpayer] += kMinLivingSingle;
            }
        }
    }

    for (int p = 0; p < 2; ++p) r.PresumptionTotal[p] += r.SharedExpense[p];

    // Non-residents: only acquisitions, and only with some income.
    {
        auto rule = s.Rule(kRuleNonResidentPresumption, r.PresumptionTotal);
        if (s.If(r.NonResident)) {
            PairOf<N> sources{};
            for (int p = 0; p < 2; ++p) {
                auto c = [&](int code) { return s.C(code, p); };
                r.PresumptionTotal[p] = 0;
                sources[p] = r.TotalIncome[p] + c(657) + c(617) + c(659) + c(619) + c(661) + c(431) +
                             c(305) + c(335);
            }
            if (s.If(sources[0] + sources[1] > 0)) {
                for (int p = 0; p < 2; ++p) r.PresumptionTotal[p] = r.Acquisitions[p];
            }
        }
    }

    // Living presumption; pensioners' 30 % off the living part.
    for (int p = 0; p < 2; ++p) {
        r.LivingPresumption[p] = r.PresumptionTotal[p] - r.Acquisitions[p];
        auto rule = s.Rule(kRulePensionerLiving, r.PresumptionTotal[p]);
        if (s.If(s.T(13, p))) {
            r.PresumptionTotal[p] = (r.PresumptionTotal[p] - r.Acquisitions[p]) * kPensionerLivingFactor +
                                    r.Acquisitions[p];
        }
    }

    // No presumption at all: nothing to compare.
    const N totalSum = r.PresumptionTotal[0] + r.PresumptionTotal[1];
    auto rest = s.Rule(kRuleNoPresumption, r.CoveringAmounts, r.NetPresumption, r.PresumptionExcess, r.SalaryIncome,
                       r.BusinessIncome, r.ExcessToSalary, r.ExcessToBusiness, r.ExcessToAgri);
    if (s.If(totalSum == 0)) return;

    // Difference.
    {
        auto difference = s.Rule(kRulePresumptionDifference, r.CoveringAmounts, r.NetPresumption, r.PresumptionExcess);
        if (s.If(!(incSum >= totalSum))) {
            const Truth<N> benefitCovers = !(totalSum - incSum - s.C(787) - s.C(788) > kUnemploymentCoverLimit);
            for (int p = 0; p < 2; ++p) {
                auto c = [&](int code) { return s.C(code, p); };
                const N u = s.Pick(benefitCovers, c(661), N(0.0));
                const N repatriated = Min(c(783), r.Acquisitions[p]);
                r.CoveringAmounts[p] = c(781) + repatriated + c(787) + c(659) + c(619) + c(657) + c(617) +
                                       u + c(431) + c(305) + c(335);
                r.NetPresumption[p] = r.PresumptionTotal[p] - r.CoveringAmounts[p];
            }
            if (s.If(r.NetPresumption[0] + r.NetPresumption[1] > 0)) {
                auto& ex = r.PresumptionExcess;
                for (int p = 0; p < 2; ++p) ex[p] = r.NetPresumption[p] - inc[p];
                if (s.If(ex[kTaxpayer] < 0)) {
                    ex[kSpouse] += ex[kTaxpayer];
                    ex[kTaxpayer] = 0;
                } else if (s.If(ex[kSpouse] < 0)) {
                    ex[kTaxpayer] += ex[kSpouse];
                    ex[kSpouse] = 0;
                }
                for (int p = 0; p < 2; ++p) ex[p] = Floor0(ex[p]);
            }
        }
    }

    // Revenue 403 moved to salary, then the category that takes each difference.
    for (int p = 0; p < 2; ++p) ReclassifyNonProfessional(s, p);
    for (int p = 0; p < 2; ++p) {
        auto rule = s.Rule(kRuleExcessCategory, r.ExcessToSalary[p], r.ExcessToBusiness[p], r.ExcessToAgri[p]);
        if (!s.If(r.PresumptionExcess[p] > 0)) continue;
        switch (ChooseCategory(s, p)) {
            case ExcessCategory::Salary: r.ExcessToSalary[p] = r.PresumptionExcess[p]; break;
            case ExcessCategory::Business: r.ExcessToBusiness[p] = r.PresumptionExcess[p]; break;
            case ExcessCategory::Agri: r.ExcessToAgri[p] = r.PresumptionExcess[p]; break;
        }
    }
}

template void ComputePresumptionTest(StepContextOf<double>&);
template void ComputePresumptionTest(StepContextOf<Traced>&);

}  // namespace dz::tax
