// The receipts requirement and its penalty, the tax reductions, the income tax due.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// A person's surplus over the requirement covers what the other lacks.
void MoveSurplus(Pair& share, const Pair& required, int to, int from) {
    if (!(share[to] < required[to] && share[from] > required[from])) return;
    const double surplus = share[from] - required[from];
    if (share[to] + surplus <= required[to]) {
        share[to] = share[to] + surplus;
        share[from] = required[from];
    } else {
        const double lacking = required[to] - share[to];
        share[to] = required[to];
        share[from] = share[from] - lacking;
    }
}

void ComputeReceipts(StepContext& s) {
    ResultSet& r = s.r;
    Pair base{}, required{}, share{};
    FlagPair exempt{};
    for (int p = 0; p < 2; ++p) {
        base[p] = Max(0.0, r.SalaryIncome[p] + r.ForeignSalary[p]);
        if (r.ExcessToSalary[p] > 0) base[p] += r.ExcessToSalary[p];
        required[p] = Min(kReceiptsShare * base[p], kReceiptsRequiredMax);
        if (s.T(23, p) && base[p] == 0) {
            required[p] = 0;
            exempt[p] = true;
        }
    }

    r.ReceiptsDeclared = s.C(49);
    const double counted = Min(s.C(49), s.in.Married ? kReceiptsCountedMarried : kReceiptsCountedSingle);

    const double baseSum = base[0] + base[1];
    if (baseSum > 0) {
        if (!exempt[0] && !exempt[1]) {
            for (int p = 0; p < 2; ++p) share[p] = counted * base[p] / baseSum;
        } else if (exempt[0] && !exempt[1]) {
            share[kSpouse] = counted;
        } else if (!exempt[0] && exempt[1]) {
            share[kTaxpayer] = counted;
        }
    }
    MoveSurplus(share, required, kTaxpayer, kSpouse);
    MoveSurplus(share, required, kSpouse, kTaxpayer);

    for (int p = 0; p < 2; ++p) {
        double shortfall = share[p] >= required[p] ? 0.0 : (share[p] - required[p]) * kReceiptsPenaltyRate;
        if (shortfall < 0 && s.T(23, p)) shortfall = 0;
        r.ReceiptsShortfallTax[p] = shortfall;
    }
    if (s.T(319)) r.ReceiptsShortfallTax = {0, 0};
    for (int p = 0; p < 2; ++p) {
        double& salaryTax = r.CategoryTax[p][kTaxSalary];
        salaryTax = Floor0(salaryTax - r.ReceiptsShortfallTax[p]);
        if (r.ReceiptsShortfallTax[p] < 0) r.ReceiptsPenalty[p] = -r.ReceiptsShortfallTax[p];
    }
}

}  // namespace

void ComputeReductions(StepContext& s) {
    ResultSet& r = s.r;
    const bool late = s.in.LateMonths != 0;
    const bool abroad = s.T(319);

    // Receipts requirement, not for late declarations.
    if (!late) ComputeReceipts(s);

    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        auto& items = r.ReductionItems[p];

        // Third-sector rents 077/078.
        if (!abroad) {
            r.NonSalaryTax[p] = Floor0(r.NonSalaryTax[p]);
            const double before = r.NonSalaryTax[p];
            double reduction = 0;
            if (!late) {
                reduction = c(77);
                items[kRedRents077] = c(77);
            }
            r.NonSalaryTax[p] = Floor0(r.NonSalaryTax[p] - reduction);
            r.RentReduction077[p] = Floor0(before - r.NonSalaryTax[p]);
        }

        // The tax after the rent reductions, before the other reductions.
        double& due = r.TaxAfterReductions[p];
        due = r.NonSalaryTax[p] + r.CategoryTax[p][kTaxSalary];

        // Other reductions.
        if (!abroad) {
            due = Floor0(due);
            const double before = due;

            if (!late) {
                double disability = s.T(1, p) ? kDisabilityReduction : 0.0;
                disability = disability + kDisabilityReduction * c(5);
                disability = disability + (s.T(9, p) ? kDisabilityReduction : 0.0);
                items[kRedDisability] = disability;
                due -= disability;
            }

            const double income =
                r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p] +
                Max(0.0, r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p]) + r.ExcessToAgri[p] +
                Max(0.0, r.BusinessIncome[p] + r.ForeignBusiness[p] - r.BusinessLossSetOff[p]) +
                r.ExcessToBusiness[p] + r.RentalIncome[p] + r.Dividends[p] + r.Interest[p] +
                r.Royalties[p] + r.CapitalGains[p] + r.NavyIncome[p];
            const double threshold = kMedicalThreshold * income;
            double medical = threshold > 0 && c(51) > threshold ? kMedicalRate * c(51) : 0.0;
            medical = Min(medical, kMedicalMax);
            items[kRedMedical] = medical;
            due -= medical;

            double gifts = 0, donations = 0;
            if (!late) {
                gifts = kPublicDebtGiftRate * c(75);
                items[kRedPublicDebtGifts] = gifts;
                const double donationBase =
                    r.PresumptionExcess[p] > 0
                        ? kDonationBaseRate * (r.TotalIncome[p] + r.PresumptionExcess[p])
                        : kDonationBaseRate * r.CapBaseIncome[p];
                donations = c(59) > kDonationMinimum ? kDonationRate * Min(c(59), donationBase) : 0.0;
                items[kRedDonations] = donations;
            }
            due = Floor0(due - (gifts + donations));
            r.OtherReductions[p] = Floor0(before - due);
        }

        r.IncomeTaxDue[p] = due;
    }
}

}  // namespace dz::tax
