// Income tax to pay or to refund per person, the late surcharge, the grand totals.
#include <cmath>

#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

double RoundToCents(double x) { return std::trunc(x * 100 + 0.5) / 100; }

namespace {

double Magnitude(double x) { return std::fabs(x); }

}  // namespace

template <class N>
void ComputeSettlement(StepContextOf<N>& s) {
    auto& r = s.r;

    // Per person.
    for (int p = 0; p < 2; ++p) {
        auto rule = s.Rule(kRuleSettlement, r.IncomeTaxCredit[p], r.IncomeTaxDebit[p], r.WithholdingDiscount[p]);
        const N prior = s.C(901, p);
        const N other = r.BusinessTaxPrepaid[p] + r.CapitalTaxWithheld[p] + r.PropertyGainTaxWithheld[p] +
                        r.ForeignTaxCredit[p] + r.NavyTaxCertified[p] + prior;
        const N withheld = r.SalaryTaxWithheld[p];
        const N foreign = r.ForeignTaxCredit[p];
        N x = Floor0(r.IncomeTaxDue[p] - foreign);
        x = x - withheld;
        if (s.If(x < 0)) {
            if (s.If(Lifted(Magnitude, x) <= foreign)) {
                r.IncomeTaxCredit[p] = -x + other - foreign;
            } else {
                r.IncomeTaxCredit[p] = -kWithholdingKept * x + other - foreign;
            }
            r.WithholdingDiscount[p] = -kWithholdingAllowance * x;
        } else {
            x = x - prior;
            const N allowance = RoundToCents(kWithholdingAllowance * withheld);
            if (s.If(x <= 0)) {
                const N d = -kWithholdingAllowance * x;
                if (s.If(d >= allowance)) {
                    r.IncomeTaxCredit[p] = -(x + allowance) - prior + other - foreign;
                    r.WithholdingDiscount[p] = allowance;
                } else {
                    r.IncomeTaxCredit[p] = -kWithholdingKept * x - prior + other - foreign;
                    r.WithholdingDiscount[p] = d;
                }
            } else {
                const N y = x + prior - other + foreign;
                if (s.If(y > 0)) {
                    r.IncomeTaxDebit[p] = y;
                } else {
                    r.IncomeTaxCredit[p] = -y;
                }
            }
        }
    }

    // Totals.
    r.IncomeTaxDebitTotal = r.IncomeTaxDebit[0] + r.IncomeTaxDebit[1];
    r.IncomeTaxCreditTotal = r.IncomeTaxCredit[0] + r.IncomeTaxCredit[1];

    // Late surcharge.
    {
        auto rule = s.Rule(kRuleLateSurcharge, r.LateSurcharge, r.LateSurchargeShare);
        if (s.If(s.LateMonths() > 0)) {
            r.LateSurcharge = kLateSurchargePerMonth * r.IncomeTaxDebitTotal * s.LateMonths();
            if (s.If(r.IncomeTaxDebitTotal > 0)) {
                r.LateSurchargeShare[kTaxpayer] = r.LateSurcharge * r.IncomeTaxDebit[kTaxpayer] / r.IncomeTaxDebitTotal;
                r.LateSurchargeShare[kSpouse] = Floor0(r.LateSurcharge - r.LateSurchargeShare[kTaxpayer]);
            }
        }
    }

    // Stamps and surcharges, and the grand totals to pay and to refund.
    r.StampsAndSurcharges = r.StampTotal[0] + r.StampTotal[1] + r.StampLateSurcharge[0] +
                            r.StampLateSurcharge[1] + r.LateSurcharge;
    r.GrandDebit = r.IncomeTaxDebitTotal + r.AdvancePayment[0] + r.AdvancePayment[1] + r.StampsAndSurcharges;
    r.GrandCredit = r.IncomeTaxCreditTotal;
}

template void ComputeSettlement(StepContextOf<double>&);
template void ComputeSettlement(StepContextOf<Traced>&);

}  // namespace dz::tax
