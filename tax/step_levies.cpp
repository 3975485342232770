// Special solidarity contribution, professional fee, luxury tax and their total.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// The base B of a person and whether it rests on the living presumption.
template <class N>
void SetBase(StepContextOf<N>& s, int p) {
    auto& r = s.r;
    auto rule = s.Rule(kRuleSolidarityBase, r.SolidarityBase[p], r.SolidarityPresumptionBased[p]);
    const N presumed = r.LivingPresumption[p] - s.C(657, p) - s.C(617, p);
    if (s.If(presumed > r.SolidarityIncome[p])) {
        r.SolidarityBase[p] = presumed;
        r.SolidarityPresumptionBased[p] = true;
    } else {
        r.SolidarityBase[p] = r.SolidarityIncome[p] - r.ExemptIncomeTax[p];
        r.SolidarityPresumptionBased[p] = false;
    }
}

// The other spouse's income above her presumption lowers a presumption-based base.
template <class N>
void OffsetBySpouse(StepContextOf<N>& s, int p, int other) {
    auto& r = s.r;
    auto rule = s.Rule(kRuleSolidaritySpouseOffset, r.SolidarityBase[p]);
    if (!s.If(r.SolidarityPresumptionBased[p] && !r.SolidarityPresumptionBased[other])) return;
    const N surplus = r.SolidarityIncome[other] - r.LivingPresumption[other];
    if (!s.If(surplus > 0)) return;
    r.SolidarityBase[p] -= surplus;
    if (s.If(r.SolidarityBase[p] < r.SolidarityIncome[p])) {
        r.SolidarityBase[p] = r.SolidarityIncome[p] - r.ExemptIncomeTax[p];
    }
}

// The contribution of a base and the rate of its band; traced, both come from the base.
void SetContribution(double base, double& contribution, double& rate) { contribution = SolidarityContribution(base, &rate); }
void SetContribution(const Traced& base, Traced& contribution, Traced& rate) {
    double plainRate = 0;
    contribution = {SolidarityContribution(base.v, &plainRate), base.from};
    rate = {plainRate, base.from};
}

// The professional fee of a person from the seat, the kind of work and the months.
double FeeOf(bool largeCity, bool tourist, bool freelance, bool caseSt, bool exempt) {
    double fee = 0;
    if (largeCity) fee = kFeeLargeCity;
    if (tourist) fee = kFeeTourist;
    if (freelance) fee = kFeeFreelance;
    if (caseSt) fee = kFeeCaseSt;
    if (exempt) fee = 0;
    return fee;
}

}  // namespace

// The contribution of a base by its band; the bands join without gaps.
double SolidarityContribution(double base, double* rate) {
    const SolidarityBand* band = nullptr;
    for (const SolidarityBand& b : kSolidarityBands) {
        if (base >= b.From) band = &b;
    }
    if (band == nullptr) {
        *rate = 0;
        return 0;
    }
    *rate = band->Rate;
    double contribution = band->Rate * base;
    if (base - contribution < band->Floor) contribution = base - band->Floor;
    return contribution;
}

template <class N>
void ComputeLevies(StepContextOf<N>& s) {
    auto& r = s.r;

    // Solidarity contribution.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        r.SolidarityExempt[p] = c(659) + c(619) + c(431) + c(305) + c(335) + c(995) + c(661);
        r.ExemptIncomeTax[p] = c(433) + c(613);
        r.SolidarityIncome[p] = r.TotalIncome[p] + c(659) + c(619) + c(431) + c(433) + c(613) + c(305) +
                                c(335) + c(995) + c(661);
    }
    SetBase(s, kTaxpayer);
    {
        auto rule = s.Rule(kRuleSolidarityBase, r.SolidarityBase, r.SolidarityPresumptionBased);
        if (s.If(s.in.Married)) {
            SetBase(s, kSpouse);
            OffsetBySpouse(s, kTaxpayer, kSpouse);
            OffsetBySpouse(s, kSpouse, kTaxpayer);
        } else {
            r.SolidarityBase[kSpouse] = 0;
        }
    }
    for (int p = 0; p < 2; ++p) {
        const Truth<N> incomeBased = !r.SolidarityPresumptionBased[p];
        {
            auto rule = s.Rule(kRuleSolidarityBase, r.SolidarityBase[p]);
            if (s.If(incomeBased)) r.SolidarityBase[p] = Floor0(r.SolidarityBase[p] - r.TaxedUnemployment[p]);
        }
        SetContribution(r.SolidarityBase[p], r.SolidarityContribution[p], r.SolidarityRate[p]);
        r.SolidarityBase[p] = Floor0(r.SolidarityBase[p]);
        {
            auto rule = s.Rule(kRuleSolidarityExempt, r.SolidarityContribution[p]);
            if (s.If((s.T(905, p) || s.T(913, p) || s.T(777, p)) && incomeBased)) r.SolidarityContribution[p] = 0;
        }
        r.SolidarityWithheld[p] = s.C(333, p) + s.C(349, p) + s.C(261, p);
    }

    // Professional fee.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        N fee = Lifted(FeeOf, s.in.FeeSeatLargeCity[p], s.in.FeeSeatTourist[p], s.T(887, p), s.T(889, p),
                       s.in.FeeExempt[p]);

        N branches = 0;
        {
            auto rule = s.Rule(kRuleBranchFee, branches);
            if (s.If(c(931) > 0)) {
                branches = kFeePerBranch * c(931);
                if (s.If(c(935) > 0)) branches = branches * c(935) / kMonthsInYear;
            }
        }
        r.BranchFee[p] = branches;
        {
            auto rule = s.Rule(kRuleProfessionalFee, fee);
            if (s.If(c(933) > 0)) fee = fee * c(933) / kMonthsInYear;
        }
        r.ProfessionalFee[p] = s.Pick(fee > 0, fee + branches, N(0.0));
    }

    // Luxury tax.
    const auto& lux = s.in.LuxuryAssets;
    for (int p = 0; p < 2; ++p) r.LuxuryTax[p] = s.Pick(r.NonResident, N(0.0), lux.Tax5[p] + lux.Tax13[p]);

    // Total of the levies, rounded to cents.
    r.LeviesTotal = RoundToCents(r.SolidarityContribution[0] + r.SolidarityContribution[1] +
                                 r.ProfessionalFee[0] + r.ProfessionalFee[1] + r.LuxuryTax[0] +
                                 r.LuxuryTax[1]);
}

template void ComputeLevies(StepContextOf<double>&);
template void ComputeLevies(StepContextOf<Traced>&);

}  // namespace dz::tax
