// The rules of the computation, by number: what a traced value passed through. Their Greek
// descriptions and constants are in explain_rules.
#pragma once

namespace dz::tax {

enum RuleId : int {
    kRuleEmptyDeclaration,
    kRuleUnemploymentTaxed,
    kRuleJointDeclaration,
    kRuleSkipPresumptionTest,
    kRuleSharedExpense,
    kRuleMinimumLiving,
    kRuleNonResidentPresumption,
    kRulePensionerLiving,
    kRuleNoPresumption,
    kRulePresumptionDifference,
    kRuleNonProfessionalRevenue,
    kRuleExcessCategory,
    kRuleIncomeDeductions,
    kRuleFilmInvestment,
    kRuleCuratorNoDeductions,
    kRuleArticle73,
    kRuleBusinessScale,
    kRuleSalaryScale,
    kRuleSalaryTaxReduction,
    kRuleReceipts,
    kRuleReceiptsShare,
    kRuleReceiptsSurplus,
    kRuleReceiptsPenalty,
    kRuleRents077,
    kRuleDisability,
    kRuleDonations,
    kRuleOtherReductions,
    kRuleAdvancePayment,
    kRuleSettlement,
    kRuleLateSurcharge,
    kRuleSolidarityBase,
    kRuleSolidaritySpouseOffset,
    kRuleSolidarityExempt,
    kRuleProfessionalFee,
    kRuleBranchFee,
    kRuleFinalSettlement,
    kRuleCount
};

}  // namespace dz::tax
