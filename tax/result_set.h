// The inputs and the result set of one clearance computation, under the names the clearance note uses.
#pragma once
#include <array>
#include <cstdint>
#include <type_traits>

#include "tax/traced.h"

namespace dz::tax {

// Element 0 the taxpayer ("ΤΟΥ ΥΠΟΧΡΕΟΥ"), element 1 the spouse ("ΤΗΣ ΣΥΖΥΓΟΥ"). The computation
// runs on plain numbers, or on traced ones (`Traced`) when it is asked why.
template <class N>
using PairOf = std::array<N, 2>;
template <class N>
using FlagPairOf = std::array<Truth<N>, 2>;
template <class N, std::size_t K>
using PersonArraysOf = std::array<std::array<N, K>, 2>;

using Pair = PairOf<double>;
using FlagPair = FlagPairOf<double>;
template <std::size_t K>
using PersonArrays = PersonArraysOf<double, K>;

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
template <class N>
struct LuxuryRecordOf {
    PairOf<N> Base5{};
    PairOf<N> Base13{};
    PairOf<N> Tax5{};
    PairOf<N> Tax13{};
};
using LuxuryRecord = LuxuryRecordOf<double>;

// The computation's inputs besides the code table. The caller sets them before each run;
// the driver reads them and may set `Married` (a spouse with domestic income), never resets them.
template <class N>
struct ClearanceInputsOf {
    Truth<N> Married{};
    std::conditional_t<std::is_same_v<N, double>, std::int32_t, N> LateMonths{};
    FlagPairOf<N> FeeExempt{};
    FlagPairOf<N> FeeSeatTourist{};
    FlagPairOf<N> FeeSeatLargeCity{};
    LuxuryRecordOf<N> LuxuryAssets{};
};
using ClearanceInputs = ClearanceInputsOf<double>;

// Every named value of one run: the results of the result-set table and the intermediate
// values the steps hand each other. A value-initialised ResultSet is the reset state.
template <class N>
struct ResultSetOf {
    using Pair = PairOf<N>;
    using FlagPair = FlagPairOf<N>;
    template <std::size_t K>
    using PersonArrays = PersonArraysOf<N, K>;

    // Driver
    Truth<N> EmptyDeclaration{};
    Truth<N> NonResident{};
    Truth<N> HeirFiling{};
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
    N ReceiptsDeclared{};
    Pair RentReduction077{}, OtherReductions{}, TaxAfterReductions{}, IncomeTaxDue{};

    // Stamp duty, credits, advance
    Pair RentStamp{}, RentStampOga{}, StampLateSurcharge{}, StampTotal{};
    Pair SalaryTaxWithheld{}, NavyTaxCertified{}, CapitalTaxWithheld{}, BusinessTaxPrepaid{};
    Pair PropertyGainTaxWithheld{}, PriorAdvance{}, ForeignTaxCredit{}, TotalTaxCredits{};
    Pair AdvancePayment{};

    // Settlement
    Pair IncomeTaxDebit{}, IncomeTaxCredit{}, WithholdingDiscount{};
    N IncomeTaxDebitTotal{}, IncomeTaxCreditTotal{};
    N LateSurcharge{};
    Pair LateSurchargeShare{};
    N StampsAndSurcharges{}, GrandDebit{}, GrandCredit{};

    // Contribution, fee, luxury tax
    Pair SolidarityIncome{}, SolidarityExempt{}, ExemptIncomeTax{}, SolidarityWithheld{};
    Pair SolidarityBase{}, SolidarityRate{}, SolidarityContribution{};
    FlagPair SolidarityPresumptionBased{};
    Pair ProfessionalFee{}, BranchFee{}, LuxuryTax{};
    N LeviesTotal{};

    // Final balance
    N SolidarityWithheldTotal{}, SettlementDiscount{}, FinalBalance{};
};
using ResultSet = ResultSetOf<double>;

}  // namespace dz::tax
