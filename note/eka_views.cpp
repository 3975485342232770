// The row tables of the six breakdown views and the texts they put into the clearance grid.
#include "note/eka_views.h"

#include "note/result_values.h"
#include "model/amount_text.h"

namespace dz {
namespace {

using tax::ResultSet;
using values::Field;
using values::Item;

double AllIncome(const ResultSet& r, int p) { return r.DomesticIncome[p] + r.ForeignIncome[p]; }

// `ForeignLoss` is held as a negative amount (the foreign result when below zero) while the
// other two losses are positive: the total counts it by its size, so that a foreign loss adds
// to the total loss instead of cancelling part of it.
double AllLosses(const ResultSet& r, int p) {
    return r.CurrentLosses[p] + r.PriorLosses[p] - r.ForeignLoss[p];
}

// The advance before the halving granted to a first filing.
double NextYearAdvance(const ResultSet& r, int p) {
    return r.FirstFiling[p] ? r.AdvancePayment[p] * 2 : r.AdvancePayment[p];
}

double AllStamps(const ResultSet& r, int p) { return r.StampTotal[p] + r.StampLateSurcharge[p]; }

template <int Index>
constexpr PersonValue kReduction = Item<&ResultSet::ReductionItems, Index>;
template <int Index>
constexpr PersonValue kDeduction = Item<&ResultSet::DeductionItems, Index>;

const ViewRow kIncomes[] = {
    {1, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΑΚΙΝΗΤΑ", Field<&ResultSet::RentalIncome>},
    {2, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΚΙΝΗΤΕΣ ΑΞΙΕΣ", Field<&ResultSet::CapitalIncome>},
    {3, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΜΙΣΘΩΤΕΣ ΥΠΗΡΕΣΙΕΣ", Field<&ResultSet::SalaryIncome>},
    {4, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΕΠΙΧΕΙΡΗΜΑΤΙΚΗ ΔΡΑΣΤ.", Field<&ResultSet::BusinessIncome>},
    {5, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΓΕΩΡΓΙΚΕΣ ΕΠΙΧΕΙΡΗΣΕΙΣ", Field<&ResultSet::AgriIncome>},
    {6, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΥΠΕΡΑΞΙΑ", Field<&ResultSet::CapitalGains>},
    {7, u"ΕΙΣΟΔΗΜΑ ΑΛΛΟΔΑΠΗΣ ΠΡΟΕΛΕΥΣΗΣ", Field<&ResultSet::ForeignIncome>},
    {8, u"ΣΥΝΟΛΙΚΟ ΕΙΣΟΔΗΜΑ", AllIncome},
    {9, u"ΖΗΜΙΕΣ ΑΠΟ ΕΠΙΧΕΙΡΗΣΕΙΣ", Field<&ResultSet::CurrentLosses>},
    {10, u"ΖΗΜΙΕΣ ΑΠΟ ΠΡΟΗΓΟΥΜΕΝΑ ΕΤΗ", Field<&ResultSet::PriorLosses>},
    {11, u"ΖΗΜΙΕΣ ΑΠΟ ΤΗΝ ΑΛΛΟΔΑΠΗ", Field<&ResultSet::ForeignLoss>},
    {12, u"ΣΥΝΟΛΙΚΗ ΖΗΜΙΑ", AllLosses},
    {14, u"ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", Field<&ResultSet::TotalIncome>},
    {16, u"ΑΥΤΟΤΕΛΗ ΦΟΡΟΛ. ΠΟΣΑ ... ΚΛΠ.", Field<&ResultSet::ExemptIncome>},
    {17, u"ΑΚΑΘΑΡΙΣΤΑ ΕΣΟΔΑ ΑΠΟ ΑΤΟΜ ΕΠΙΧ", Field<&ResultSet::GrossRevenue>},
};

const ViewRow kReductions[] = {
    {1, u"ΜΕΙΩΣΗ ΠΑΡ. 2  ΑΡΘΡΟΥ 9 2238/94", kReduction<tax::kRedSalaryTax>},
    {2, u"ΙΑΤΡΙΚΑ ΕΞΟΔΑ", kReduction<tax::kRedMedical>},
    {3, u"ΔΩΡΕΕΣ ΙΑΤΡΙΚΩΝ ΜΗΧΑΝΗΜΑΤΩΝ", nullptr},
    {4, u"ΔΩΡΕΕΣ ΧΡ. ΠΟΣΩΝ ΣΤΟ ΔΗΜΟΣΙΟ", kReduction<tax::kRedDonations>},
    {5, u"ΔΩΡΕΕΣ ΑΠΟΣΒΕΣΗΣ ΔΗΜ.ΧΡΕΟΥΣ ", kReduction<tax::kRedPublicDebtGifts>},
    {6, u"ΔΙΑΤΡΟΦΗ", nullptr},
    {7, u"ΜΙΣΘΩΜΑΤΑ ΣΤΟ ΙΣΤΟΡΙΚΟ ΚΕΝΤΡΟ", kReduction<tax::kRedRents077>},
    {8, u"ΜΕΙΩΣΗ ΛΟΓΩ ΑΝΑΠΗΡΙΑΣ", kReduction<tax::kRedDisability>},
    {11, u"ΕΚΠΤΩΣΕΙΣ ΑΠΟ ΤΟ ΕΙΣΟΔΗΜΑ", nullptr},
    {13, u"ΠΟΛΙΤΙΣΤΙΚΕΣ ΧΟΡΗΓΙΕΣ", kDeduction<0>},
    {14, u"ΕΠΕΝΔΥΣΗ ΣΕ ΚΙΝΗΜ/ΚΕΣ ΤΑΙΝΙΕΣ", kDeduction<1>},
};

const ViewRow kSupplementary[] = {
    {1, u"ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ", Field<&ResultSet::TaxAfterReductions>},
    {2, u"ΣΥΜΠΛΗΡΩΜΑΤΙΚΟΣ ΦΟΡΟΣ", nullptr},
};

const ViewRow kWithheld[] = {
    {1, u"ΠΑΡΑΚΡΑΤΗΣΗ ΜΙΣΘΩΤΩΝ", nullptr},
    {2, u"ΠΑΡΑΚΡΑΤΗΣΗ ΕΠΑΓΓΕΛΜΑΤΙΩΝ κλπ", Field<&ResultSet::BusinessTaxPrepaid>},
    {3, u"ΠΡΟΚΑΤΑΒΟΛΗ ΠΡΟΗΓ. ΟΙΚΟΝ. ΕΤΟΥΣ", Field<&ResultSet::PriorAdvance>},
};

const ViewRow kAdvance[] = {
    {1, u"ΠΡΟΚΑΤΑΒΟΛΗ ΕΠΟΜΕΝΟΥ ΕΤΟΥΣ", NextYearAdvance},
};

const ViewRow kOtherCharges[] = {
    {1, u"ΧΑΡΤΟΣΗΜΟ", Field<&ResultSet::RentStamp>},
    {2, u"ΟΓΑ ΧΑΡΤΟΣΗΜΟΥ", Field<&ResultSet::RentStampOga>},
    {3, u"ΕΚΠΡΟΘΕΣΜΟ ΧΑΡΤΟΣΗΜΟΥ", Field<&ResultSet::StampLateSurcharge>},
    {4, u"ΧΑΡΤΟΣΗΜΟ ΕΛΓΑ", nullptr},
    {5, u"ΕΚΠΡΟΘΕΣΜΟ ΧΑΡΤΟΣΗΜΟΥ ΕΛΓΑ", nullptr},
    {6, u"ΣΥΝΟΛΟ ΣΥΜΒΕΒΑΙΟΥΜΕΝΩΝ ΠΟΣΩΝ", AllStamps},
    {7, u"ΕΚΠΡΟΘΕΣΜΟ ΦΟΡΟΥ", Field<&ResultSet::LateSurchargeShare>},
};

// "ΕΙΣΟΔΗΜΑTA" ends in a Latin T and A, as the form has it.
const BreakdownView kViews[] = {
    {1, u"bt1", u"ΕΙΣΟΔΗΜΑTA", kIncomes},
    {3, u"bt3", u"ΜΕΙΩΣΕΙΣ", kReductions},
    {4, u"bt4", u"ΣΥΜΠΛΗΡΩΜΑΤΙΚΟΣ ΦΟΡΟΣ", kSupplementary},
    {5, u"bt5", u"ΠΑΡΑΚΡΑΤΗΣΗ", kWithheld},
    {6, u"bt6", u"ΠΡΟΚΑΤΑΒΟΛΗ", kAdvance},
    {7, u"bt7", u"ΣΥΜΒΕΒΑΙΟΥΜΕΝΑ ΠΟΣΑ", kOtherCharges},
};

EkaGridTexts WithHeadings() {
    EkaGridTexts grid;
    grid[0][1] = kTaxpayerHeading.toString();
    grid[0][2] = kSpouseHeading.toString();
    return grid;
}

}  // namespace

std::span<const BreakdownView> BreakdownViews() { return kViews; }

const BreakdownView* FindBreakdownView(int section) {
    for (const BreakdownView& view : kViews)
        if (view.section == section) return &view;
    return nullptr;
}

EkaGridTexts ClearanceGrid(const EkaLines& lines) {
    EkaGridTexts grid = WithHeadings();
    for (const EkaLineRule& rule : EkaLineRules()) {
        grid[rule.line][0] = rule.label.toString();
        for (int p = 0; p < 2; ++p) grid[rule.line][1 + p] = lines.person[p][rule.line];
    }
    return grid;
}

EkaGridTexts BreakdownGrid(const BreakdownView& view, const tax::ResultSet& results) {
    EkaGridTexts grid = WithHeadings();
    for (const ViewRow& row : view.rows) {
        grid[row.row][0] = row.label.toString();
        if (!row.value) continue;
        for (int p = 0; p < 2; ++p) grid[row.row][1 + p] = FormatAmount(row.value(results, p));
    }
    return grid;
}

}  // namespace dz
