// The receipts requirement and its penalty, the tax reductions, the income tax due.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// A person's surplus over the requirement covers what the other lacks.
template <class N>
void MoveSurplus(StepContextOf<N>& s, PairOf<N>& share, const PairOf<N>& required, int to, int from) {
    auto rule = s.Rule(kRuleReceiptsSurplus, share);
    if (!s.If(share[to] < required[to] && share[from] > required[from])) return;
    const N surplus = share[from] - required[from];
    if (s.If(share[to] + surplus <= required[to])) {
        share[to] = share[to] + surplus;
        share[from] = required[from];
    } else {
        const N lacking = required[to] - share[to];
        share[to] = required[to];
        share[from] = share[from] - lacking;
    }
}

template <class N>
void ComputeReceipts(StepContextOf<N>& s) {
    auto& r = s.r;
    PairOf<N> base{}, required{}, share{};
    FlagPairOf<N> exempt{};
    for (int p = 0; p < 2; ++p) {
        base[p] = Max(0.0, r.SalaryIncome[p] + r.ForeignSalary[p]);
        {
            auto rule = s.Rule(kRuleReceipts, base[p]);
            if (s.If(r.ExcessToSalary[p] > 0)) base[p] += r.ExcessToSalary[p];
        }
        required[p] = Min(kReceiptsShare * base[p], kReceiptsRequiredMax);
        auto rule = s.Rule(kRuleReceipts, required[p], exempt[p]);
        if (s.If(s.T(23, p) && base[p] == 0)) {
            required[p] = 0;
            exempt[p] = true;
        }
    }

    r.ReceiptsDeclared = s.C(49);
    const N counted =
        Min(s.C(49), s.Pick(s.in.Married, N(kReceiptsCountedMarried), N(kReceiptsCountedSingle)));

    const N baseSum = base[0] + base[1];
    {
        auto rule = s.Rule(kRuleReceiptsShare, share);
        if (s.If(baseSum > 0)) {
            if (s.If(!exempt[0] && !exempt[1])) {
                for (int p = 0; p < 2; ++p) share[p] = counted * base[p] / baseSum;
            } else if (s.If(exempt[0] && !exempt[1])) {
                share[kSpouse] = counted;
            } else if (s.If(!exempt[0] && exempt[1])) {
                share[kTaxpayer] = counted;
            }
        }
    }
    MoveSurplus(s, share, required, kTaxpayer, kSpouse);
    MoveSurplus(s, share, required, kSpouse, kTaxpayer);

    for (int p = 0; p < 2; ++p) {
        N shortfall = s.Pick(share[p] >= required[p], N(0.0), (share[p] - required[p]) * kReceiptsPenaltyRate);
        {
            auto rule = s.Rule(kRuleReceiptsPenalty, shortfall);
            if (s.If(shortfall < 0 && s.T(23, p))) shortfall = 0;
        }
        r.ReceiptsShortfallTax[p] = shortfall;
    }
    {
        auto rule = s.Rule(kRuleReceiptsPenalty, r.ReceiptsShortfallTax);
        if (s.If(s.T(319))) r.ReceiptsShortfallTax = {0, 0};
    }
    for (int p = 0; p < 2; ++p) {
        N& salaryTax = r.CategoryTax[p][kTaxSalary];
        salaryTax = Floor0(salaryTax - r.ReceiptsShortfallTax[p]);
        auto rule = s.Rule(kRuleReceiptsPenalty, r.ReceiptsPenalty[p]);
        if (s.If(r.ReceiptsShortfallTax[p] < 0)) r.ReceiptsPenalty[p] = -r.ReceiptsShortfallTax[p];
    }
}

}  // namespace

template <class N>
void ComputeReductions(StepContextOf<N>& s) {
    auto& r = s.r;
    const Truth<N> late = s.LateMonths() != 0;
    const Truth<N> abroad = s.T(319);

    // Receipts requirement, not for late declarations.
    {
        auto rule = s.Rule(kRuleReceipts, r.ReceiptsShortfallTax, r.ReceiptsPenalty, r.ReceiptsDeclared, r.CategoryTax);
        if (s.If(!late)) ComputeReceipts(s);
    }

    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        auto& items = r.ReductionItems[p];

        // Third-sector rents 077/078.
        {
            auto rule = s.Rule(kRuleRents077, r.NonSalaryTax[p], r.RentReduction077[p], items[kRedRents077]);
            if (s.If(!abroad)) {
                r.NonSalaryTax[p] = Floor0(r.NonSalaryTax[p]);
                const N before = r.NonSalaryTax[p];
                N reduction = 0;
                {
                    auto inTime = s.Rule(kRuleRents077, reduction, items[kRedRents077]);
                    if (s.If(!late)) {
                        reduction = c(77);
                        items[kRedRents077] = c(77);
                    }
                }
                r.NonSalaryTax[p] = Floor0(r.NonSalaryTax[p] - reduction);
                r.RentReduction077[p] = Floor0(before - r.NonSalaryTax[p]);
            }
        }

        // The tax after the rent reductions, before the other reductions.
        N& due = r.TaxAfterReductions[p];
        due = r.NonSalaryTax[p] + r.CategoryTax[p][kTaxSalary];

        // Other reductions.
        {
            auto rule = s.Rule(kRuleOtherReductions, due, r.OtherReductions[p], items);
            if (s.If(!abroad)) {
                due = Floor0(due);
                const N before = due;

                {
                    auto inTime = s.Rule(kRuleDisability, due, items[kRedDisability]);
                    if (s.If(!late)) {
                        N disability = s.Pick(s.T(1, p), N(kDisabilityReduction), N(0.0));
                        disability = disability + kDisabilityReduction * c(5);
                        disability = disability + s.Pick(s.T(9, p), N(kDisabilityReduction), N(0.0));
                        items[kRedDisability] = disability;
                        due -= disability;
                    }
                }

                const N income =
                    r.SalaryIncome[p] + r.ForeignSalary[p] + r.ExcessToSalary[p] +
                    Max(0.0, r.AgriIncome[p] + r.ForeignAgri[p] - r.AgriLossSetOff[p]) + r.ExcessToAgri[p] +
                    Max(0.0, r.BusinessIncome[p] + r.ForeignBusiness[p] - r.BusinessLossSetOff[p]) +
                    r.ExcessToBusiness[p] + r.RentalIncome[p] + r.Dividends[p] + r.Interest[p] +
                    r.Royalties[p] + r.CapitalGains[p] + r.NavyIncome[p];
                const N threshold = kMedicalThreshold * income;
                N medical = s.Pick(threshold > 0 && c(51) > threshold, kMedicalRate * c(51), N(0.0));
                medical = Min(medical, kMedicalMax);
                items[kRedMedical] = medical;
                due -= medical;

                N gifts = 0, donations = 0;
                {
                    auto inTime = s.Rule(kRuleDonations, gifts, donations, items[kRedPublicDebtGifts],
                                         items[kRedDonations]);
                    if (s.If(!late)) {
                        gifts = kPublicDebtGiftRate * c(75);
                        items[kRedPublicDebtGifts] = gifts;
                        const N donationBase =
                            s.Pick(r.PresumptionExcess[p] > 0, kDonationBaseRate * (r.TotalIncome[p] + r.PresumptionExcess[p]),
                                   kDonationBaseRate * r.CapBaseIncome[p]);
                        donations = s.Pick(c(59) > kDonationMinimum, kDonationRate * Min(c(59), donationBase), N(0.0));
                        items[kRedDonations] = donations;
                    }
                }
                due = Floor0(due - (gifts + donations));
                r.OtherReductions[p] = Floor0(before - due);
            }
        }

        r.IncomeTaxDue[p] = due;
    }
}

template void ComputeReductions(StepContextOf<double>&);
template void ComputeReductions(StepContextOf<Traced>&);

}  // namespace dz::tax
