// Special solidarity contribution, professional fee, luxury tax and their total.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// The base B of a person and whether it rests on the living presumption.
void SetBase(ResultSet& r, const StepContext& s, int p) {
    const double presumed = r.LivingPresumption[p] - s.C(657, p) - s.C(617, p);
    if (presumed > r.SolidarityIncome[p]) {
        r.SolidarityBase[p] = presumed;
        r.SolidarityPresumptionBased[p] = true;
    } else {
        r.SolidarityBase[p] = r.SolidarityIncome[p] - r.ExemptIncomeTax[p];
        r.SolidarityPresumptionBased[p] = false;
    }
}

// The other spouse's income above her presumption lowers a presumption-based base.
void OffsetBySpouse(ResultSet& r, int p, int other) {
    if (!(r.SolidarityPresumptionBased[p] && !r.SolidarityPresumptionBased[other])) return;
    const double surplus = r.SolidarityIncome[other] - r.LivingPresumption[other];
    if (!(surplus > 0)) return;
    r.SolidarityBase[p] -= surplus;
    if (r.SolidarityBase[p] < r.SolidarityIncome[p]) {
        r.SolidarityBase[p] = r.SolidarityIncome[p] - r.ExemptIncomeTax[p];
    }
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

void ComputeLevies(StepContext& s) {
    ResultSet& r = s.r;

    // Solidarity contribution.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        r.SolidarityExempt[p] = c(659) + c(619) + c(431) + c(305) + c(335) + c(995) + c(661);
        r.ExemptIncomeTax[p] = c(433) + c(613);
        r.SolidarityIncome[p] = r.TotalIncome[p] + c(659) + c(619) + c(431) + c(433) + c(613) + c(305) +
                                c(335) + c(995) + c(661);
    }
    SetBase(r, s, kTaxpayer);
    if (s.in.Married) {
        SetBase(r, s, kSpouse);
        OffsetBySpouse(r, kTaxpayer, kSpouse);
        OffsetBySpouse(r, kSpouse, kTaxpayer);
    } else {
        r.SolidarityBase[kSpouse] = 0;
    }
    for (int p = 0; p < 2; ++p) {
        const bool incomeBased = !r.SolidarityPresumptionBased[p];
        if (incomeBased) r.SolidarityBase[p] = Floor0(r.SolidarityBase[p] - r.TaxedUnemployment[p]);
        r.SolidarityContribution[p] = SolidarityContribution(r.SolidarityBase[p], &r.SolidarityRate[p]);
        r.SolidarityBase[p] = Floor0(r.SolidarityBase[p]);
        if ((s.T(905, p) || s.T(913, p) || s.T(777, p)) && incomeBased) r.SolidarityContribution[p] = 0;
        r.SolidarityWithheld[p] = s.C(333, p) + s.C(349, p) + s.C(261, p);
    }

    // Professional fee.
    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };
        double fee = 0;
        if (s.in.FeeSeatLargeCity[p]) fee = kFeeLargeCity;
        if (s.in.FeeSeatTourist[p]) fee = kFeeTourist;
        if (s.T(887, p)) fee = kFeeFreelance;
        if (s.T(889, p)) fee = kFeeCaseSt;
        if (s.in.FeeExempt[p]) fee = 0;

        double branches = 0;
        if (c(931) > 0) {
            branches = kFeePerBranch * c(931);
            if (c(935) > 0) branches = branches * c(935) / kMonthsInYear;
        }
        r.BranchFee[p] = branches;
        if (c(933) > 0) fee = fee * c(933) / kMonthsInYear;
        r.ProfessionalFee[p] = fee > 0 ? fee + branches : 0.0;
    }

    // Luxury tax.
    const LuxuryRecord& lux = s.in.LuxuryAssets;
    for (int p = 0; p < 2; ++p) r.LuxuryTax[p] = r.NonResident ? 0.0 : lux.Tax5[p] + lux.Tax13[p];

    // Total of the levies, rounded to cents.
    r.LeviesTotal = RoundToCents(r.SolidarityContribution[0] + r.SolidarityContribution[1] +
                                 r.ProfessionalFee[0] + r.ProfessionalFee[1] + r.LuxuryTax[0] +
                                 r.LuxuryTax[1]);
}

}  // namespace dz::tax
