// The result-set table: every result of the computation under its name, in the table's order.
#pragma once

namespace dz::tax {

// Calls `visit(name, value)` for each result of `r` (a result set of any number type), in
// the order of the result-set table. A value is a number, a pair of numbers (taxpayer,
// spouse) or two arrays of numbers.
template <class Results, class Visit>
void VisitResultTable(Results& r, Visit&& visit) {
    visit("RentalIncome", r.RentalIncome);
    visit("CapitalIncome", r.CapitalIncome);
    visit("BusinessIncome", r.BusinessIncome);
    visit("AgriIncome", r.AgriIncome);
    visit("SalaryIncome", r.SalaryIncome);
    visit("CapitalGains", r.CapitalGains);
    visit("NavyIncome", r.NavyIncome);
    visit("DomesticIncome", r.DomesticIncome);
    visit("ForeignIncome", r.ForeignIncome);
    visit("ForeignLoss", r.ForeignLoss);
    visit("CurrentLosses", r.CurrentLosses);
    visit("PriorLosses", r.PriorLosses);
    visit("BusinessLossSetOff", r.BusinessLossSetOff);
    visit("AgriLossSetOff", r.AgriLossSetOff);
    visit("GrossRevenue", r.GrossRevenue);
    visit("ExemptIncome", r.ExemptIncome);
    visit("TotalIncome", r.TotalIncome);
    visit("LivingPresumption", r.LivingPresumption);
    visit("PresumptionExcess", r.PresumptionExcess);
    visit("ExcessToSalary", r.ExcessToSalary);
    visit("ExcessToBusiness", r.ExcessToBusiness);
    visit("ExcessToAgri", r.ExcessToAgri);
    visit("IncomeDeductions", r.IncomeDeductions);
    visit("DeductionItems", r.DeductionItems);
    visit("TaxableIncome", r.TaxableIncome);
    visit("CategoryTax", r.CategoryTax);
    visit("TaxBeforeReductions", r.TaxBeforeReductions);
    visit("SalaryTaxReduction", r.SalaryTaxReduction);
    visit("ReductionItems", r.ReductionItems);
    visit("ReceiptsShortfallTax", r.ReceiptsShortfallTax);
    visit("ReceiptsPenalty", r.ReceiptsPenalty);
    visit("ReceiptsDeclared", r.ReceiptsDeclared);
    visit("RentReduction077", r.RentReduction077);
    visit("OtherReductions", r.OtherReductions);
    visit("TaxAfterReductions", r.TaxAfterReductions);
    visit("IncomeTaxDue", r.IncomeTaxDue);
    visit("RentStamp", r.RentStamp);
    visit("RentStampOga", r.RentStampOga);
    visit("StampLateSurcharge", r.StampLateSurcharge);
    visit("StampTotal", r.StampTotal);
    visit("SalaryTaxWithheld", r.SalaryTaxWithheld);
    visit("NavyTaxCertified", r.NavyTaxCertified);
    visit("CapitalTaxWithheld", r.CapitalTaxWithheld);
    visit("BusinessTaxPrepaid", r.BusinessTaxPrepaid);
    visit("PropertyGainTaxWithheld", r.PropertyGainTaxWithheld);
    visit("PriorAdvance", r.PriorAdvance);
    visit("ForeignTaxCredit", r.ForeignTaxCredit);
    visit("TotalTaxCredits", r.TotalTaxCredits);
    visit("AdvancePayment", r.AdvancePayment);
    visit("IncomeTaxDebit", r.IncomeTaxDebit);
    visit("IncomeTaxCredit", r.IncomeTaxCredit);
    visit("IncomeTaxDebitTotal", r.IncomeTaxDebitTotal);
    visit("IncomeTaxCreditTotal", r.IncomeTaxCreditTotal);
    visit("WithholdingDiscount", r.WithholdingDiscount);
    visit("LateSurcharge", r.LateSurcharge);
    visit("LateSurchargeShare", r.LateSurchargeShare);
    visit("StampsAndSurcharges", r.StampsAndSurcharges);
    visit("GrandDebit", r.GrandDebit);
    visit("GrandCredit", r.GrandCredit);
    visit("SolidarityIncome", r.SolidarityIncome);
    visit("SolidarityExempt", r.SolidarityExempt);
    visit("ExemptIncomeTax", r.ExemptIncomeTax);
    visit("SolidarityWithheld", r.SolidarityWithheld);
    visit("SolidarityBase", r.SolidarityBase);
    visit("SolidarityRate", r.SolidarityRate);
    visit("SolidarityContribution", r.SolidarityContribution);
    visit("ProfessionalFee", r.ProfessionalFee);
    visit("BranchFee", r.BranchFee);
    visit("LuxuryTax", r.LuxuryTax);
    visit("LeviesTotal", r.LeviesTotal);
    visit("SolidarityWithheldTotal", r.SolidarityWithheldTotal);
    visit("SettlementDiscount", r.SettlementDiscount);
    visit("FinalBalance", r.FinalBalance);
}

}  // namespace dz::tax
