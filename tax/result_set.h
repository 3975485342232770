// The inputs and the result set of one clearance computation, under the names the clearance note uses.
#pragma once
#include <array>
#include <cstdint>

namespace dz::tax {

// Element 0 the taxpayer ("ΤΟΥ ΥΠΟΧΡΕΟΥ"), element 1 the spouse ("ΤΗΣ ΣΥΖΥΓΟΥ").
using Pair = std::array<double, 2>;
using FlagPair = std::array<bool, 2>;
template <std::size_t N>
using PersonArrays = std::array<std::array<double, N>, 2>;

inline constexpr int kTaxpayer = 0;
inline constexpr int kSpouse = 1;

// Index order of `CategoryTax`.
enum TaxCategory : int {
    kTaxRental,
    kTaxSalary,
    kTaxBusiness,
    kTaxAgri,
    kTaxDividends,
    kTaxInterest,
    kTaxRoyalties,
    kTaxCapitalGains,
    kTaxNavy,
    kTaxCategoryCount
};

// Index order of `DeductionShare`; also the order in which the weights are summed.
enum DeductionCategory : int {
    kDedRental,
    kDedBusiness,
    kDedAgri,
    kDedSalary,
    kDedDividends,
    kDedInterest,
    kDedRoyalties,
    kDedCapitalGains,
    kDedNavy,
    kDedCategoryCount
};

// Elements of `ReductionItems` that the computation fills; the others stay 0.
enum ReductionItem : int {
    kRedSalaryTax = 0,
    kRedDonations = 10,
    kRedPublicDebtGifts = 11,
    kRedDisability = 13,
    kRedMedical = 14,
    kRedRents077 = 15,
    kReductionItemCount = 17
};

inline constexpr int kDeductionItemCount = 5;

// The luxury-tax record `LuxuryAssets`: four amounts per person.
struct LuxuryRecord {
    Pair Base5{};
    Pair Base13{};
    Pair Tax5{};
    Pair Tax13{};
};

// The computation's inputs besides the code table. The caller sets them before each run;
// the driver reads them and may set `Married` (a spouse with domestic income), never resets them.
struct ClearanceInputs {
    bool Married = false;
    std::int32_t LateMonths = 0;
    FlagPair FeeExempt{};
    FlagPair FeeSeatTourist{};
    FlagPair FeeSeatLargeCity{};
    LuxuryRecord LuxuryAssets{};
};

// Every named value of one run: the results of the result-set table and the intermediate
// values the steps hand each other. A value-initialised ResultSet is the reset state.
struct ResultSet {
    // Driver
    bool EmptyDeclaration = false;
    bool NonResident = false;
    bool HeirFiling = false;
    FlagPair FirstFiling{};

    // Income by category
    Pair RentalIncome{}, CapitalIncome{}, BusinessIncome{}, AgriIncome{}, SalaryIncome{};
    Pair CapitalGains{}, NavyIncome{}, DomesticIncome{}, ForeignIncome{}, ForeignLoss{};
    Pair CurrentLosses{}, PriorLosses{}, BusinessLossSetOff{}, AgriLossSetOff{};
    Pair GrossRevenue{}, ExemptIncome{}, TotalIncome{};
    // Income by category, intermediates
    Pair RentLeased{}, RentSublet{}, RentOwnUse{}, RentFreeUse{};
    Pair LeaseCompensation{}, ShopRentNet{}, LandExpenses{}, LandLeased{};
    Pair Dividends{}, Interest{}, Royalties{};
    Pair ForeignRental{}, ForeignDividends{}, ForeignInterest{}, ForeignRoyalties{};
    Pair ForeignSalary{}, ForeignBusiness{}, ForeignAgri{}, ForeignNavy{};
    Pair BusinessLossCur{}, AgriLossCur{}, AgriLossPrior{};
    Pair TaxedUnemployment{}, CapBaseIncome{};

    // Presumptive expenditure
    Pair LivingPresumption{}, PresumptionExcess{};
    Pair Acquisitions{}, PresumptionTotal{}, SharedExpense{}, CoveringAmounts{}, NetPresumption{};
    Pair ExcessToSalary{}, ExcessToBusiness{}, ExcessToAgri{};

    // Deductions and tax scales
    PersonArrays<kDedCategoryCount> DeductionShare{};
    Pair IncomeDeductions{};
    PersonArrays<kDeductionItemCount> DeductionItems{};
    Pair TaxableIncome{};
    PersonArrays<kTaxCategoryCount> CategoryTax{};
    Pair NonSalaryTax{};
    Pair TaxBeforeReductions{}, SalaryTaxReduction{};
    PersonArrays<kReductionItemCount> ReductionItems{};

    // Receipts and reductions
    Pair ReceiptsShortfallTax{}, ReceiptsPenalty{};
    double ReceiptsDeclared = 0;
    Pair RentReduction077{}, OtherReductions{}, TaxAfterReductions{}, IncomeTaxDue{};

    // Stamp duty, credits, advance
    Pair RentStamp{}, RentStampOga{}, StampLateSurcharge{}, StampTotal{};
    Pair SalaryTaxWithheld{}, NavyTaxCertified{}, CapitalTaxWithheld{}, BusinessTaxPrepaid{};
    Pair PropertyGainTaxWithheld{}, PriorAdvance{}, ForeignTaxCredit{}, TotalTaxCredits{};
    Pair AdvancePayment{};

    // Settlement
    Pair IncomeTaxDebit{}, IncomeTaxCredit{}, WithholdingDiscount{};
    double IncomeTaxDebitTotal = 0, IncomeTaxCreditTotal = 0;
    double LateSurcharge = 0;
    Pair LateSurchargeShare{};
    double StampsAndSurcharges = 0, GrandDebit = 0, GrandCredit = 0;

    // Contribution, fee, luxury tax
    Pair SolidarityIncome{}, SolidarityExempt{}, ExemptIncomeTax{}, SolidarityWithheld{};
    Pair SolidarityBase{}, SolidarityRate{}, SolidarityContribution{};
    FlagPair SolidarityPresumptionBased{};
    Pair ProfessionalFee{}, BranchFee{}, LuxuryTax{};
    double LeviesTotal = 0;

    // Final balance
    double SolidarityWithheldTotal = 0, SettlementDiscount = 0, FinalBalance = 0;
};

}  // namespace dz::tax
