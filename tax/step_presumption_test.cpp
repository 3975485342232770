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
void ReclassifyNonProfessional(StepContext& s, int p) {
    ResultSet& r = s.r;
    const double c403 = s.C(403, p);
    if (!(r.PresumptionTotal[p] <= kSmallPresumption && r.AgriIncome[p] + r.ForeignAgri[p] == 0 &&
          r.BusinessIncome[p] - c403 <= 0 && c403 > 0)) {
        return;
    }
    const double limit = Floor0(kNonProfessionalLimit - (r.RentalIncome[p] + r.ForeignRental[p] +
                                                        r.CapitalGains[p] + r.CapitalIncome[p]));
    const double sal = r.SalaryIncome[p] + r.ForeignSalary[p] + r.NavyIncome[p];
    if (sal == 0) {
        if (c403 <= limit) {
            r.SalaryIncome[p] = c403;
            r.BusinessIncome[p] = 0;
        } else {
            r.SalaryIncome[p] = limit;
            r.BusinessIncome[p] = c403 - limit;
        }
    } else if (c403 + sal <= limit) {
        r.SalaryIncome[p] += c403;
        r.BusinessIncome[p] = 0;
    } else if (sal < limit) {
        const double moved = limit - sal;
        r.BusinessIncome[p] -= moved;
        r.SalaryIncome[p] += moved;
    }
}

// The category that receives the difference; the first rule that applies decides.
ExcessCategory ChooseCategory(const StepContext& s, int p) {
    const ResultSet& r = s.r;
    auto c = [&](int code) { return s.C(code, p); };
    const double sal = r.SalaryIncome[p] + r.ForeignSalary[p] + r.NavyIncome[p];
    const double agr = r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p];
    const double oth = r.RentalIncome[p] + r.ForeignRental[p] + r.CapitalIncome[p] + r.CapitalGains[p];
    const double bus = r.BusinessIncome[p] - r.BusinessLossSetOff[p];
    const double ex = c(659) + c(619) + c(657) + c(617) + c(661) + c(431) + c(305) + c(335);

    if (s.T(777, p)) return ExcessCategory::Salary;
    if (r.DomesticIncome[p] + r.ForeignIncome[p] == 0) {
        if (c(413) > 0) return ExcessCategory::Business;
        if (c(465) + c(467) > 0) return ExcessCategory::Agri;
        return ExcessCategory::Salary;
    }
    if (sal + oth + agr < r.BusinessIncome[p]) return ExcessCategory::Business;
    if (r.CapitalIncome[p] + r.RentalIncome[p] + r.CapitalGains[p] ==
            r.DomesticIncome[p] + r.ForeignIncome[p] &&
        r.PresumptionTotal[p] <= kSmallPresumption && c(413) + c(465) + c(467) <= 0 &&
        c(431) + c(659) + c(619) == 0) {
        return ExcessCategory::Salary;
    }
    if (sal >= agr) return oth + bus + ex > sal ? ExcessCategory::Business : ExcessCategory::Salary;
    return oth + bus + ex > agr ? ExcessCategory::Business : ExcessCategory::Agri;
}

}  // namespace

void ComputePresumptionTest(StepContext& s) {
    ResultSet& r = s.r;
    const Pair& inc = r.TotalIncome;

    // Skip test.
    Pair a{};
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        a[p] = r.TotalIncome[p] + c(659) + c(619) + c(431) + c(433) + c(613) + c(305) + c(335) +
               c(995) + c(661);
    }
    if (a[0] + a[1] == 0 && s.T(319)) return;

    // Asset presumption.
    for (int p = 0; p < 2; ++p) {
        double acq = s.C(kAcquisitionCodes[0], p);
        for (std::size_t i = 1; i < std::size(kAcquisitionCodes); ++i) acq = acq + s.C(kAcquisitionCodes[i], p);
        r.Acquisitions[p] = acq;
        double total = s.C(kAssetCodes[0], p);
        for (std::size_t i = 1; i < std::size(kAssetCodes); ++i) total = total + s.C(kAssetCodes[i], p);
        r.PresumptionTotal[p] = total + acq;
    }

    // Shared expenses 769 + 770, split by income.
    const double shared = s.C(769) + s.C(770);
    const double incSum = inc[0] + inc[1];
    if (r.DomesticIncome[0] + r.DomesticIncome[1] > 0 && incSum > 0) {
        for (int p = 0; p < 2; ++p) r.SharedExpense[p] = shared * inc[p] / incSum;
    } else {
        r.SharedExpense[kTaxpayer] = shared;
        r.SharedExpense[kSpouse] = 0;
    }

    // Minimum living presumption.
    if (!s.T(385)) {
        if (s.in.Married) {
            for (int p = 0; p < 2; ++p) r.SharedExpense[p] += kMinLivingMarried;
        } else {
            r.SharedExpense[kTaxpayer] += kMinLivingSingle;
        }
    }

    for (int p = 0; p < 2; ++p) r.PresumptionTotal[p] += r.SharedExpense[p];

    // Non-residents: only acquisitions, and only with some income.
    if (r.NonResident) {
        Pair sources{};
        for (int p = 0; p < 2; ++p) {
            auto c = [&](int code) { return s.C(code, p); };
            r.PresumptionTotal[p] = 0;
            sources[p] = r.TotalIncome[p] + c(657) + c(617) + c(659) + c(619) + c(661) + c(431) +
                         c(305) + c(335);
        }
        if (sources[0] + sources[1] > 0) {
            for (int p = 0; p < 2; ++p) r.PresumptionTotal[p] = r.Acquisitions[p];
        }
    }

    // Living presumption; pensioners' 30 % off the living part.
    for (int p = 0; p < 2; ++p) {
        r.LivingPresumption[p] = r.PresumptionTotal[p] - r.Acquisitions[p];
        if (s.T(13, p)) {
            r.PresumptionTotal[p] = (r.PresumptionTotal[p] - r.Acquisitions[p]) * kPensionerLivingFactor +
                                    r.Acquisitions[p];
        }
    }

    // No presumption at all: nothing to compare.
    const double totalSum = r.PresumptionTotal[0] + r.PresumptionTotal[1];
    if (totalSum == 0) return;

    // Difference.
    if (!(incSum >= totalSum)) {
        const bool benefitCovers = !(totalSum - incSum - s.C(787) - s.C(788) > kUnemploymentCoverLimit);
        for (int p = 0; p < 2; ++p) {
            auto c = [&](int code) { return s.C(code, p); };
            const double u = benefitCovers ? c(661) : 0.0;
            const double repatriated = Min(c(783), r.Acquisitions[p]);
            r.CoveringAmounts[p] = c(781) + repatriated + c(787) + c(659) + c(619) + c(657) + c(617) +
                                   u + c(431) + c(305) + c(335);
            r.NetPresumption[p] = r.PresumptionTotal[p] - r.CoveringAmounts[p];
        }
        if (r.NetPresumption[0] + r.NetPresumption[1] > 0) {
            Pair& ex = r.PresumptionExcess;
            for (int p = 0; p < 2; ++p) ex[p] = r.NetPresumption[p] - inc[p];
            if (ex[kTaxpayer] < 0) {
                ex[kSpouse] += ex[kTaxpayer];
                ex[kTaxpayer] = 0;
            } else if (ex[kSpouse] < 0) {
                ex[kTaxpayer] += ex[kSpouse];
                ex[kSpouse] = 0;
            }
            for (int p = 0; p < 2; ++p) ex[p] = Floor0(ex[p]);
        }
    }

    // Revenue 403 moved to salary, then the category that takes each difference.
    for (int p = 0; p < 2; ++p) ReclassifyNonProfessional(s, p);
    for (int p = 0; p < 2; ++p) {
        if (!(r.PresumptionExcess[p] > 0)) continue;
        switch (ChooseCategory(s, p)) {
            case ExcessCategory::Salary: r.ExcessToSalary[p] = r.PresumptionExcess[p]; break;
            case ExcessCategory::Business: r.ExcessToBusiness[p] = r.PresumptionExcess[p]; break;
            case ExcessCategory::Agri: r.ExcessToAgri[p] = r.PresumptionExcess[p]; break;
        }
    }
}

}  // namespace dz::tax
