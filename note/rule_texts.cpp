// The rules of the computation in Greek, their constants read from the tax year's table.
#include "note/rule_texts.h"

#include <QStringList>
#include <span>

#include "model/amount_text.h"
#include "tax/scale.h"
#include "tax/tax_year_2014.h"

namespace dz {
namespace {

using namespace tax::y2014;

QString Euro(double v) { return FormatAmount(v) + QStringLiteral(" €"); }
QString Percent(double share) { return QString::number(share * 100, 'g', 4).replace(u'.', u',') + QStringLiteral("%"); }

// "22% έως 25.000,00 €, 32% έως 42.000,00 €, 42% πάνω από 42.000,00 €".
QString ScaleText(std::span<const tax::Bracket> scale) {
    QStringList bands;
    for (const tax::Bracket& b : scale) {
        if (b.UpTo == tax::kNoLimit)
            bands << QStringLiteral("%1 πάνω από %2").arg(Percent(b.Rate), Euro(b.Lower));
        else
            bands << QStringLiteral("%1 έως %2").arg(Percent(b.Rate), Euro(b.UpTo));
    }
    return bands.join(QStringLiteral(", "));
}

QString SolidarityText() {
    QStringList bands;
    for (const SolidarityBand& b : kSolidarityBands) bands << QStringLiteral("%1 από %2").arg(Percent(b.Rate), Euro(b.From));
    return QStringLiteral("Ειδική εισφορά αλληλεγγύης επί όλης της βάσης με το ποσοστό του κλιμακίου της (%1)· ό,τι "
                          "μένει μετά την εισφορά δεν πέφτει κάτω από το όριο του κλιμακίου.")
        .arg(bands.join(QStringLiteral(", ")));
}

struct RuleText {
    tax::RuleId rule;
    const char16_t* name;
};

// The short name of every rule, in the order of the computation.
constexpr RuleText kNames[] = {
    {tax::kRuleEmptyDeclaration, u"Έλεγχος κενής δήλωσης"},
    {tax::kRuleUnemploymentTaxed, u"Επίδομα ανεργίας"},
    {tax::kRuleJointDeclaration, u"Κοινή δήλωση"},
    {tax::kRuleSkipPresumptionTest, u"Παράλειψη ελέγχου τεκμηρίων"},
    {tax::kRuleSharedExpense, u"Κοινές δαπάνες συζύγων"},
    {tax::kRuleMinimumLiving, u"Ελάχιστο τεκμήριο διαβίωσης"},
    {tax::kRuleNonResidentPresumption, u"Τεκμήρια κατοίκου εξωτερικού"},
    {tax::kRulePensionerLiving, u"Μείωση τεκμηρίων συνταξιούχου"},
    {tax::kRuleNoPresumption, u"Χωρίς τεκμήρια"},
    {tax::kRulePresumptionDifference, u"Διαφορά τεκμηρίων"},
    {tax::kRuleNonProfessionalRevenue, u"Ακαθάριστα έσοδα μη επιτηδευματιών"},
    {tax::kRuleExcessCategory, u"Κατηγορία της διαφοράς τεκμηρίων"},
    {tax::kRuleIncomeDeductions, u"Εκπτώσεις από το εισόδημα"},
    {tax::kRuleFilmInvestment, u"Επενδύσεις σε κινηματογραφικά έργα"},
    {tax::kRuleCuratorNoDeductions, u"Δήλωση από κηδεμόνα"},
    {tax::kRuleArticle73, u"Άρθρο 73 ν. 3842/2010"},
    {tax::kRuleBusinessScale, u"Κλίμακα επιχειρηματικής δραστηριότητας"},
    {tax::kRuleSalaryScale, u"Κλίμακα μισθωτών και συνταξιούχων"},
    {tax::kRuleSalaryTaxReduction, u"Μείωση φόρου μισθωτών"},
    {tax::kRuleReceipts, u"Αποδείξεις δαπανών"},
    {tax::kRuleReceiptsShare, u"Κατανομή αποδείξεων"},
    {tax::kRuleReceiptsSurplus, u"Μεταφορά πλεονάσματος αποδείξεων"},
    {tax::kRuleReceiptsPenalty, u"Επιβάρυνση λόγω αποδείξεων"},
    {tax::kRuleRents077, u"Μείωση για ενοίκια κωδ. 077-078"},
    {tax::kRuleDisability, u"Μείωση αναπηρίας"},
    {tax::kRuleDonations, u"Δωρεές και χορηγίες"},
    {tax::kRuleOtherReductions, u"Μειώσεις φόρου"},
    {tax::kRuleAdvancePayment, u"Προκαταβολή φόρου"},
    {tax::kRuleSettlement, u"Εκκαθάριση φόρου εισοδήματος"},
    {tax::kRuleLateSurcharge, u"Προσαύξηση εκπρόθεσμης δήλωσης"},
    {tax::kRuleSolidarityBase, u"Βάση εισφοράς αλληλεγγύης"},
    {tax::kRuleSolidaritySpouseOffset, u"Συμψηφισμός βάσης εισφοράς συζύγων"},
    {tax::kRuleSolidarityExempt, u"Απαλλαγή από την εισφορά"},
    {tax::kRuleProfessionalFee, u"Τέλος επιτηδεύματος"},
    {tax::kRuleBranchFee, u"Τέλος υποκαταστημάτων"},
    {tax::kRuleFinalSettlement, u"Τελικό ποσό"},
};

}  // namespace

QString RuleName(tax::RuleId rule) {
    for (const RuleText& r : kNames)
        if (r.rule == rule) return QString::fromUtf16(r.name);
    return QString();
}

QString RuleDetail(tax::RuleId rule) {
    switch (rule) {
    case tax::kRuleUnemploymentTaxed:
        return QStringLiteral("Το επίδομα ανεργίας (κωδ. 661) φορολογείται ως μισθός όταν το εισόδημα μαζί με τα "
                              "απαλλασσόμενα ποσά ξεπερνά τα %1· αλλιώς είναι απαλλασσόμενο.")
            .arg(Euro(kUnemploymentTaxedAbove));
    case tax::kRuleMinimumLiving:
        return QStringLiteral("Ελάχιστη ετήσια δαπάνη διαβίωσης: %1 για κάθε σύζυγο σε κοινή δήλωση, %2 για άγαμο.")
            .arg(Euro(kMinLivingMarried), Euro(kMinLivingSingle));
    case tax::kRulePensionerLiving:
        return QStringLiteral("Για συνταξιούχους (κωδ. 013-014) οι δαπάνες διαβίωσης μετρούν κατά %1.")
            .arg(Percent(kPensionerLivingFactor));
    case tax::kRuleIncomeDeductions:
        return QStringLiteral("Οι χορηγίες (κωδ. 061) εκπίπτουν έως το %1 του εισοδήματος και μοιράζονται στις "
                              "κατηγορίες εισοδήματος αναλογικά.")
            .arg(Percent(kSponsorshipCap));
    case tax::kRuleFilmInvestment:
        return QStringLiteral("Οι επενδύσεις του κωδ. 663 μετρούν έως το %1 του εισοδήματος και εκπίπτουν κατά %2 "
                              "(περίπτωση α) ή %3 (περίπτωση β).")
            .arg(Percent(kFilmInvestCap), Percent(kFilmCaseAlpha), Percent(kFilmCaseBeta));
    case tax::kRuleArticle73:
        return QStringLiteral("Μείωση του φορολογητέου κατά %1 των καθαρών κερδών (κωδ. 401-402).")
            .arg(Percent(kArticle73Reduction));
    case tax::kRuleBusinessScale:
        return QStringLiteral("Κλίμακα επιχειρήσεων: %1· για νέους επιτηδευματίες με έσοδα έως %2: %3.")
            .arg(ScaleText(kBusinessScale), Euro(kNewBusinessRevenueLimit), ScaleText(kNewBusinessScale));
    case tax::kRuleSalaryScale:
        return QStringLiteral("Κλίμακα μισθωτών και συνταξιούχων: %1· για κατοίκους μικρών νησιών: %2.")
            .arg(ScaleText(kSalaryScale), ScaleText(kSalaryIslandScale));
    case tax::kRuleSalaryTaxReduction:
        return QStringLiteral("Μείωση φόρου %1 για εισόδημα έως %2, μειούμενη κατά %3 του ποσού πάνω από αυτό· καμία "
                              "μείωση πάνω από %4. Δεν ξεπερνά τον φόρο.")
            .arg(Euro(kSalaryReductionMax), Euro(kSalaryReductionFullUpTo), Percent(kSalaryReductionTaper),
                 Euro(kSalaryReductionNoneAbove));
    case tax::kRuleReceipts:
    case tax::kRuleReceiptsShare:
    case tax::kRuleReceiptsSurplus:
    case tax::kRuleReceiptsPenalty:
        return QStringLiteral("Απαιτούνται αποδείξεις %1 του εισοδήματος μισθωτών, έως %2. Όσες λείπουν "
                              "επιβαρύνουν τον φόρο με %3 του ποσού που λείπει.")
            .arg(Percent(kReceiptsShare), Euro(kReceiptsRequiredMax), Percent(kReceiptsPenaltyRate));
    case tax::kRuleDisability:
        return QStringLiteral("Μείωση φόρου %1 για κάθε περίπτωση αναπηρίας.").arg(Euro(kDisabilityReduction));
    case tax::kRuleDonations:
        return QStringLiteral("Δωρεές (κωδ. 059) πάνω από %1: μείωση %2 τους, έως το %3 του εισοδήματος.")
            .arg(Euro(kDonationMinimum), Percent(kDonationRate), Percent(kDonationBaseRate));
    case tax::kRuleAdvancePayment:
        return QStringLiteral("Προκαταβολή %1 του φόρου επιχειρήσεων και %2 του αγροτικού· μισή για όσους "
                              "δηλώνουν πρώτη φορά· δεν βεβαιώνεται έως %3.")
            .arg(Percent(kAdvanceBusinessRate), Percent(kAdvanceAgriRate), Euro(kAdvanceMinimum));
    case tax::kRuleSettlement:
        return QStringLiteral("Από τον φόρο αφαιρούνται οι παρακρατήσεις και οι προκαταβολές· έκπτωση %1 επί του "
                              "παρακρατημένου φόρου μισθωτών.")
            .arg(Percent(kWithholdingAllowance));
    case tax::kRuleLateSurcharge:
        return QStringLiteral("Προσαύξηση %1 τον μήνα επί του φόρου για εκπρόθεσμη δήλωση.").arg(Percent(kLateSurchargePerMonth));
    case tax::kRuleSolidarityBase:
    case tax::kRuleSolidaritySpouseOffset:
    case tax::kRuleSolidarityExempt:
        return SolidarityText();
    case tax::kRuleProfessionalFee:
        return QStringLiteral("Τέλος επιτηδεύματος: %1 σε πόλη άνω των 200.000 κατοίκων, %2 σε τουριστικό τόπο, %3 "
                              "για ελεύθερους επαγγελματίες (κωδ. 887), %4 (κωδ. 889)· ανάλογα με τους μήνες (κωδ. 933).")
            .arg(Euro(kFeeLargeCity), Euro(kFeeTourist), Euro(kFeeFreelance), Euro(kFeeCaseSt));
    case tax::kRuleBranchFee:
        return QStringLiteral("%1 για κάθε υποκατάστημα (κωδ. 931), ανάλογα με τους μήνες (κωδ. 935).").arg(Euro(kFeePerBranch));
    case tax::kRuleFinalSettlement:
        return QStringLiteral("Επιστροφή που συμψηφίζεται με ποσά για πληρωμή μετρά κατά %1/100.").arg(kSettlementKeep);
    default:
        return QString();
    }
}

}  // namespace dz
