// Stamp duty on rents, the taxes that count against the income tax, the advance payment.
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// A foreign tax credit: the tax paid abroad up to the Greek tax on that income; neither the
// Greek tax used as the cap nor the credit is ever negative: a foreign loss must not
// turn into a "credit" that raises the tax owed.
double ForeignCredit(double paidAbroad, double greekTax) {
    return Max(0.0, Min(paidAbroad, Max(0.0, greekTax)));
}

// Greek tax on merchant-navy pay by the crew category of code 201/202.
double NavyGreekTax(double category, double pay, double lowerCrewPart) {
    if (category == 1) return kNavyOfficerRate * pay;
    if (category == 2) return kNavyLowerCrewRate * pay;
    if (category == 3) return kNavyOfficerRate * (pay - lowerCrewPart) + kNavyLowerCrewRate * lowerCrewPart;
    return 0.0;
}

// Foreign salary taxed as Greek salary (code 389), for the credit's cap.
double SalaryTaxAbroad(double pay) { return pay > 0 ? ApplyScale(kSalaryScale, pay) : 0.0; }
double ForeignPropertyCredit(double paidAbroad, double rents) {
    return ForeignCredit(paidAbroad, ApplyScale(kRentalScale, rents));
}
double ForeignNavyCredit(double paidAbroad, double category, double pay, double lowerCrewPart) {
    return ForeignCredit(paidAbroad, NavyGreekTax(category, pay, lowerCrewPart));
}

}  // namespace

template <class N>
void ComputeCreditsAndAdvance(StepContextOf<N>& s) {
    auto& r = s.r;
    const N lateMonths = s.LateMonths();

    for (int p = 0; p < 2; ++p) {
        auto c = [&](int code) { return s.C(code, p); };

        // Stamp duty on rents.
        r.RentStamp[p] = kRentStampRate * (c(101) + c(105) + c(107) + c(111) + c(131) - c(741));
        r.RentStampOga[p] = kRentStampOgaRate * r.RentStamp[p];
        r.StampLateSurcharge[p] = lateMonths * kStampLateRatePerMonth * r.RentStamp[p];
        r.StampTotal[p] = r.RentStamp[p] + r.RentStampOga[p];

        // Credits.
        r.SalaryTaxWithheld[p] = c(315) / kWithheldGrossUp + c(347) / kWithheldGrossUp;
        const N salaryTaxAbroad = Lifted(SalaryTaxAbroad, c(389));
        const N creditSalary = Lifted(ForeignCredit, c(651), salaryTaxAbroad);
        const N creditCapital =
            Lifted(ForeignCredit, c(683), kDividendRate * c(295) + kInterestRate * c(669) + kRoyaltyRate * c(673));
        r.CapitalTaxWithheld[p] = c(293) + c(297) + c(675) + c(677) + c(679) + c(681);
        const N creditBusiness = Lifted(ForeignCredit, c(653), kForeignBusinessRate * c(411));
        r.BusinessTaxPrepaid[p] = c(601) + c(605) + c(611);
        const N creditProperty = Lifted(ForeignPropertyCredit, c(175), c(171));
        const N creditSecurities = Lifted(ForeignCredit, c(867), kForeignSecuritiesRate * c(865));
        r.PropertyGainTaxWithheld[p] = c(827);
        const N creditNavy = Lifted(ForeignNavyCredit, c(265), c(201), c(263), c(267));
        r.NavyTaxCertified[p] = c(257) + c(259);
        const N creditAgri = Lifted(ForeignCredit, c(469), kAgriRate * c(463));
        r.PriorAdvance[p] = c(901);
        r.ForeignTaxCredit[p] = creditSalary + creditCapital + creditBusiness + creditProperty +
                                creditSecurities + creditNavy + creditAgri;
        r.TotalTaxCredits[p] = r.SalaryTaxWithheld[p] + r.NavyTaxCertified[p] + r.BusinessTaxPrepaid[p] +
                               r.CapitalTaxWithheld[p] + r.PropertyGainTaxWithheld[p] + r.ForeignTaxCredit[p];
    }

    // Advance payment of the next year's tax.
    auto rule = s.Rule(kRuleAdvancePayment, r.AdvancePayment);
    if (s.If(r.HeirFiling || (r.IncomeTaxDue[0] == 0 && r.IncomeTaxDue[1] == 0))) return;
    for (int p = 0; p < 2; ++p) {
        auto person = s.Rule(kRuleAdvancePayment, r.AdvancePayment[p]);
        const auto& tax = r.CategoryTax[p];
        const N inc = r.TotalIncome[p] + r.PresumptionExcess[p];
        const N losses = r.BusinessLossSetOff[p] + r.AgriLossSetOff[p] + r.ForeignLoss[p];
        const N k = inc - r.SalaryIncome[p] - r.ForeignSalary[p] - r.ExcessToSalary[p] - r.NavyIncome[p] -
                    r.CapitalIncome[p] - r.CapitalGains[p] - r.RentalIncome[p] + r.BusinessLossSetOff[p] +
                    r.AgriLossSetOff[p] + r.ForeignLoss[p];
        if (!s.If(k > kAdvanceMinIncome || (kAdvanceLossLow <= k && k <= kAdvanceMinIncome && losses > 0))) continue;

        N reducing = s.C(655, p);
        if (!s.If(inc > 0 && reducing / inc >= kAdvanceReductionShare)) reducing = 0;

        const N divisor = r.IncomeTaxDue[p] + r.OtherReductions[p];
        const N onBusiness = s.Pick(divisor > 0, (tax[kTaxBusiness] + tax[kTaxAgri]) / divisor * r.OtherReductions[p],
                                    r.OtherReductions[p]);
        const N q = r.IncomeTaxDue[p] + r.OtherReductions[p] - tax[kTaxDividends] - tax[kTaxInterest] -
                    tax[kTaxRoyalties] - tax[kTaxRental] - tax[kTaxCapitalGains] - tax[kTaxSalary] -
                    tax[kTaxNavy] - onBusiness;
        const N businessPart = q - tax[kTaxAgri];
        const N agriPart = q - tax[kTaxBusiness];

        N advance = 0;
        if (s.If(inc > 0)) {
            if (s.If(tax[kTaxBusiness] > 0)) advance = kAdvanceBusinessRate * businessPart * (inc - reducing) / inc;
            if (s.If(tax[kTaxAgri] > 0)) advance = advance + kAdvanceAgriRate * agriPart * (inc - reducing) / inc;
        }
        advance = Floor0(advance);
        advance = Floor0(advance - r.BusinessTaxPrepaid[p]);
        if (s.If(r.FirstFiling[p])) advance = advance * kAdvanceFirstFilingFactor;
        if (s.If(advance <= kAdvanceMinimum)) advance = 0;
        r.AdvancePayment[p] = advance;
    }
}

template void ComputeCreditsAndAdvance(StepContextOf<double>&);
template void ComputeCreditsAndAdvance(StepContextOf<Traced>&);

}  // namespace dz::tax
