// The clearance lines: the 25-line table and the fill that reads it.
#include "note/note_lines.h"

#include <algorithm>

#include "note/result_values.h"
#include "model/amount_text.h"

namespace dz {
namespace {

using tax::ResultSet;
using values::Field;

// The receipts shortfall tax is 22 % of the receipts missing.
constexpr double kReceiptsPenaltyRate = 0.22;

double DeclaredIncome(const ResultSet& r, int p) {
    return std::max(0.0, r.DomesticIncome[p] - r.BusinessLossSetOff[p] - r.AgriLossSetOff[p]);
}
double ForeignNet(const ResultSet& r, int p) { return r.ForeignIncome[p] - r.ForeignLoss[p]; }
double TaxedIncome(const ResultSet& r, int p) { return r.TotalIncome[p] + r.PresumptionExcess[p]; }
double ReceiptsCharge(const ResultSet& r, int p) { return -r.ReceiptsShortfallTax[p]; }
double Reductions(const ResultSet& r, int p) {
    return r.OtherReductions[p] + r.RentReduction077[p] + r.SalaryTaxReduction[p];
}
double MainTax(const ResultSet& r, int p) { return r.IncomeTaxDebit[p] - r.IncomeTaxCredit[p]; }
double MainTaxTotal(const ResultSet& r, int) { return r.IncomeTaxDebitTotal - r.IncomeTaxCreditTotal; }
double AdvanceBoth(const ResultSet& r, int) { return r.AdvancePayment[0] + r.AdvancePayment[1]; }
double OtherCharges(const ResultSet& r, int) { return r.StampsAndSurcharges; }
double Balance(const ResultSet& r, int) { return r.FinalBalance; }

using enum LineScope;
using enum ShowWhen;

const EkaLineRule kRules[kEkaLineCount] = {
    {1, u"ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", PerPerson, DeclaredIncome, Always},
    {2, u"ΕΙΣΟΔΗΜΑ ΣΤΗΝ ΑΛΛΟΔΑΠΗ", PerPerson, ForeignNet, Positive},
    {3, u"ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", PerPerson, Field<&ResultSet::TotalIncome>, Always},
    {4, u"ΠΡΟΣΤΙΘΕΜΕΝΗ ΔΙΑΦΟΡΑ ΤΕΚΜΗΡΙΩΝ", PerPerson, Field<&ResultSet::PresumptionExcess>, Always},
    {5, u"ΦΟΡΟΛΟΓΟΥΜΕΝΟ ΕΙΣΟΔΗΜΑ", PerPerson, TaxedIncome, Always},
    {6, u"ΕΚΠΤΩΣΕΙΣ ΕΙΣΟΔΗΜΑΤΟΣ", PerPerson, Field<&ResultSet::IncomeDeductions>, Always},
    {7, u"ΤΕΛΙΚΟ ΦΟΡΟΛΟΓΟΥΜΕΝΟ ΕΙΣΟΔΗΜΑ", PerPerson, Field<&ResultSet::TaxableIncome>, Always},
    {8, u"ΦΟΡΟΣ ΚΛΙΜΑΚΑΣ", PerPerson, Field<&ResultSet::TaxBeforeReductions>, Always},
    // The shortfall tax is 0 or negative: line 9 shows the charge, line 10 what is left.
    {9, u"ΕΠΙΒΑΡΥΝΣΗ ΛΟΓΩ ΑΠΟΔΕΙΞΕΩΝ (+)", PerPerson, ReceiptsCharge, Positive},
    {10, u"", PerPerson, Field<&ResultSet::ReceiptsShortfallTax>, NonNegative},
    {11, u"ΜΕΙΩΣΕΙΣ ΦΟΡΟΥ (-)", PerPerson, Reductions, Always},
    {12, u"ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ ΚΑΙ ΣΥΜΠΛ/ΚΟΣ", PerPerson, Field<&ResultSet::IncomeTaxDue>, Always},
    {13, u"ΦΟΡΟΣ ΠΟΥ ΠΑΡΑΚΡΑΤΗΘΗΚΕ", PerPerson, Field<&ResultSet::TotalTaxCredits>, Always},
    {14, u"ΚΥΡΙΟΣ ΦΟΡΟΣ", PerPerson, MainTax, Always},
    {15, u"ΣΥΝΟΛΙΚΑ ΠΟΣΑ", LabelOnly, nullptr, Always},
    {16, u"ΚΥΡΙΟΣ ΦΟΡΟΣ", Joint, MainTaxTotal, Always},
    {17, u"ΠΡΟΚΑΤΑΒΟΛΗ ΦΟΡΟΥ", Joint, AdvanceBoth, Always},
    {18, u"ΛΟΙΠΑ ΣΥΜΒΕΒΑΙΟΥΜΕΝΑ ΠΟΣΑ", Joint, OtherCharges, Always},
    // The computation has no amount for the final tax line; it stays empty.
    {19, u"ΤΕΛΙΚΟ ΠΟΣΟ ΦΟΡΟΥ", LabelOnly, nullptr, Always},
    {20, u"", LabelOnly, nullptr, Always},
    {21, u"ΕΙΣΟΔΗΜΑ ΕΠΙΒΟΛΗΣ ΕΙΣΦΟΡΑΣ", PerPerson, Field<&ResultSet::SolidarityBase>, Always},
    {22, u"ΠΟΣΟ ΕΙΣΦΟΡΑΣ", PerPerson, Field<&ResultSet::SolidarityContribution>, Always},
    {23, u"ΤΕΛΟΣ ΕΠΙΤΗΔΕΥΜΑΤΟΣ", PerPerson, Field<&ResultSet::ProfessionalFee>, Always},
    {24, u"ΦΟΡΟΣ ΠΟΛΥΤΕΛΟΥΣ ΔΙΑΒΙΩΣΗΣ", PerPerson, Field<&ResultSet::LuxuryTax>, Always},
    {25, u"ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ", Joint, Balance, Always},
};

bool Shows(ShowWhen when, double value) {
    switch (when) {
        case Always: return true;
        case Positive: return value > 0;
        case NonNegative: return value >= 0;
    }
    return false;
}

}  // namespace

std::span<const EkaLineRule> EkaLineRules() { return kRules; }

QString ApplyZeroRule(const QString& text) {
    return text == u"0,00" ? QString() : text;
}

EkaLines FillEkaLines(const tax::ResultSet& results) {
    EkaLines lines;
    if (results.EmptyDeclaration) return lines;
    for (const EkaLineRule& rule : kRules) {
        const int persons = rule.scope == PerPerson ? 2 : rule.scope == Joint ? 1 : 0;
        for (int p = 0; p < persons; ++p) {
            const double value = rule.value(results, p);
            if (Shows(rule.when, value)) lines.person[p][rule.line] = ApplyZeroRule(FormatAmount(value));
        }
    }
    return lines;
}

std::optional<double> RequiredReceipts(const tax::ResultSet& results) {
    const double shortfall = -(results.ReceiptsShortfallTax[0] + results.ReceiptsShortfallTax[1]);
    if (!(shortfall > 0)) return std::nullopt;
    return shortfall / kReceiptsPenaltyRate + results.ReceiptsDeclared;
}

}  // namespace dz
