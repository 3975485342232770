// The row tables of the printed clearance note.
#include "layouts/eka_print_rows.h"

#include <algorithm>

namespace dz::ekaprint {
namespace {

using tax::ResultSet;

template <tax::Pair ResultSet::*Member>
double R(const ClearanceNote& in, int p) {
    return (in.results.*Member)[static_cast<std::size_t>(p)];
}
template <auto Member, int Index>
double Item(const ClearanceNote& in, int p) {
    return (in.results.*Member)[static_cast<std::size_t>(p)][Index];
}
template <tax::Pair tax::LuxuryRecord::*Member>
double Lux(const ClearanceNote& in, int p) {
    return (in.luxury.*Member)[static_cast<std::size_t>(p)];
}

double WholeIncome(const ClearanceNote& in, int p) {
    const ResultSet& r = in.results;
    return r.TotalIncome[p] + r.SolidarityExempt[p] + r.ExemptIncomeTax[p];
}
double SeatFee(const ClearanceNote& in, int p) {
    return in.results.ProfessionalFee[p] - in.results.BranchFee[p];
}
double AllIncome(const ClearanceNote& in, int p) {
    return in.results.DomesticIncome[p] + in.results.ForeignIncome[p];
}
// The foreign loss is held negative while the other two losses are positive: the total counts
// it by its size, as the clearance window's incomes view does.
double AllLosses(const ClearanceNote& in, int p) {
    const ResultSet& r = in.results;
    return r.PriorLosses[p] + r.CurrentLosses[p] - r.ForeignLoss[p];
}
double AllStamps(const ClearanceNote& in, int p) {
    return in.results.StampTotal[p] + in.results.StampLateSurcharge[p];
}
constexpr int kReductionRows[] = {tax::kRedSalaryTax, tax::kRedMedical, tax::kRedDonations, tax::kRedPublicDebtGifts,
                                  tax::kRedRents077, tax::kRedDisability};
double AllReductions(const ClearanceNote& in, int p) {
    double sum = 0;
    for (int item : kReductionRows) sum += in.results.ReductionItems[p][item];
    return sum;
}
double AllDeductions(const ClearanceNote& in, int p) {
    return in.results.DeductionItems[p][0] + in.results.DeductionItems[p][1];
}

// --- Γ2, Γ3 ---
const PairRow kG2[] = {
    {u"ΣΥΝΟΛ.ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", 184, {"qrEisfora11", "qrEisfora12"}, R<&ResultSet::TotalIncome>},
    {u"ΑΠΑΛΛΑΣΣΟΜΕΝΑ Δ', Ε', Ζ' ΠΗΓΗΣ", 198, {"qrEisfora21", "qrEisfora22"}, nullptr},
    {u"ΑΥΤΟΤΕΛΗ ΦΟΡΟΛΟΓΟΥΜΕΝΑ,ΚΤΛ.", 211, {"qrEisfora31", "qrEisfora32"}, R<&ResultSet::SolidarityExempt>},
    {u"ΦΟΡ. ΑΥΤΟΤ. ΦΟΡ/ΝΩΝ ΠΟΣΩΝ", 224, {"qrEisfora41", "qrEisfora42"}, R<&ResultSet::ExemptIncomeTax>},
    {u"ΣΥΝΟΛΙΚΟ ΕΙΣΟΔΗΜΑ", 237, {"qrEisfora51", "qrEisfora52"}, WholeIncome},
    {u"ΤΕΚΜΑΡΤΟ ΕΙΣΟΔΗΜΑ", 250, {"qrEisfora61", "qrEisfora62"}, R<&ResultSet::LivingPresumption>},
    {u"ΕΙΣΟΔΗΜΑ ΕΠΙΒΟΛΗΣ ΕΙΣΦΟΡΑΣ", 262, {"qrEisfora71", "qrEisfora72"}, R<&ResultSet::SolidarityBase>},
    // The rate prints with two decimals like an amount (0.02 prints 0,02).
    {u"ΣΥΝΤΕΛΕΣΤΗΣ ΕΙΣΦΟΡΑΣ", 274, {"qrEisfora81", "qrEisfora82"}, R<&ResultSet::SolidarityRate>},
    {u"ΠΟΣΟ ΕΙΣΦΟΡΑΣ", 288, {"qrEisfora91", "qrEisfora92"}, R<&ResultSet::SolidarityContribution>},
    {u"ΠΑΡΑΚΡ. ΕΙΣΦΟΡΑΣ ΑΛΛΗΛΕΓΓΥΗΣ", 302, {"qrEisfora101", "qrEisfora102"}, R<&ResultSet::SolidarityWithheld>},
};
const PairRow kG3[] = {
    {u"ΠΟΣΟ ΕΔΡΑΣ", 340, {"qrEpitidEdraF", "qrEpitidEdraS"}, SeatFee},
    {u"ΠΟΣΟ ΥΠΟΚΑΤΑΣΤΗΜΑΤΩΝ", 354, {"qrEpitidYpokF", "qrEpitidYpokS"}, R<&ResultSet::BranchFee>},
};

// --- Δ ---
constexpr auto LeftY = DeltaLeftY;
constexpr auto RightY = DeltaRightY;

const PairRow kIncomes[] = {
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΑΚΙΝΗΤΑ", LeftY(0), {"qrPin11", "qrPin21"}, R<&ResultSet::RentalIncome>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΚΙΝΗΤΕΣ ΑΞΙΕΣ", LeftY(1), {"qrPin12", "qrPin22"}, R<&ResultSet::CapitalIncome>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΜΙΣΘ. ΥΠΗΡΕΣΙΕΣ", LeftY(2), {"qrPin13", "qrPin23"}, R<&ResultSet::SalaryIncome>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΕΠΙΧ/ΚΗ ΔΡΑΣΤ.", LeftY(3), {"qrPin14", "qrPin24"}, R<&ResultSet::BusinessIncome>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΓΕΩΡΓ. ΕΠΙΧ/ΣΕΙΣ", LeftY(4), {"qrPin15", "qrPin25"}, R<&ResultSet::AgriIncome>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΥΠΕΡΑΞΙΑ", LeftY(5), {"qrPin16", "qrPin26"}, R<&ResultSet::CapitalGains>},
    {u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΤΟ ΕΞΩΤΕΡΙΚΟ", LeftY(6), {"qrPin17", "qrPin27"}, R<&ResultSet::ForeignIncome>},
    {u"ΣΥΝΟΛΟ", LeftY(7), {"qrPin18", "qrPin28"}, AllIncome, true},
    {u"ΖΗΜΙΕΣ ΑΠΟ ΕΠΙΧΕΙΡΗΣΕΙΣ", LeftY(8), {"qrPin19", "qrPin29"}, R<&ResultSet::CurrentLosses>},
    {u"ΖΗΜΙΕΣ ΠΡΟΗΓΟΥΜΕΝΩΝ ΕΤΩΝ", LeftY(9), {"qrPin110", "qrPin210"}, R<&ResultSet::PriorLosses>},
    {u"ΖΗΜΙΕΣ ΑΠΟ ΤΟ ΕΞΩΤΕΡΙΚΟ", LeftY(10), {"qrPin111", "qrPin211"}, R<&ResultSet::ForeignLoss>},
    {u"ΣΥΝΟΛΟ", LeftY(11), {"qrPin112", "qrPin212"}, AllLosses, true},
    {u"ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", LeftY(12), {"qrPin113", "qrPin213"}, R<&ResultSet::TotalIncome>},
    {u"ΠΡΟΣΤΙΘ. ΔΙΑΦΟΡΑ ΤΕΚΜΗΡΙΩΝ", LeftY(13), {"qrPin114", "qrPin214"}, R<&ResultSet::PresumptionExcess>},
    {u"ΕΙΣΟΔ. ΑΠΑΛΛΑΣΣΟΜΕΝΑ ΦΟΡΟΥ", LeftY(14), {"qrPin115", "qrPin215"}, R<&ResultSet::ExemptIncome>},
};
const PairRow kTax[] = {
    {u"ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ", LeftY(16), {"qrPin51", "qrPin61"}, R<&ResultSet::TaxAfterReductions>},
    {u"ΣΥΜΠΛΗΡΩΜΑΤΙΚΟΣ ΦΟΡΟΣ", LeftY(17), {"qrPin52", "qrPin62"}, nullptr},
    {u"ΠΡΟΚΑΤΑΒΟΛΗ ΕΠΟΜΕΝΟΥ ΕΤΟΥΣ", LeftY(18), {"qrPin53", "qrPin63"}, R<&ResultSet::AdvancePayment>},
};
const PairRow kStamps[] = {
    {u"ΧΑΡΤΟΣΗΜΟ", LeftY(20), {"qrPin71", "qrPin81"}, R<&ResultSet::RentStamp>},
    {u"ΟΓΑ ΧΑΡΤΟΣΗΜΟΥ", LeftY(21), {"qrPin72", "qrPin82"}, R<&ResultSet::RentStampOga>},
    {u"ΕΚΠΡΟΘΕΣΜΟ ΧΑΡΤΟΣΗΜΟΥ", LeftY(22), {"qrPin73", "qrPin83"}, R<&ResultSet::StampLateSurcharge>},
    {u"ΧΑΡΤΟΣΗΜΟ ΕΛΓΑ", LeftY(23), {"qrPin74", "qrPin84"}, nullptr},
    {u"ΣΥΝΟΛΟ", LeftY(24), {"qrPin75", "qrPin85"}, AllStamps, true},
};
const PairRow kReductions[] = {
    {u"ΜΕΙΩΣΗ ΠΑΡ. 2  ΑΡΘΡΟΥ 9 2238/94", RightY(0), {"qrPin37", "qrPin47"}, Item<&ResultSet::ReductionItems, tax::kRedSalaryTax>},
    {u"ΙΑΤΡΙΚΑ ΕΞΟΔΑ", RightY(1), {"qrPin312", "qrPin412"}, Item<&ResultSet::ReductionItems, tax::kRedMedical>},
    {u"ΔΩΡΕΕΣ ΙΑΤΡΙΚΩΝ ΜΗΧΑΝΗΜΑΤΩΝ", RightY(2), {"qrPin315", "qrPin415"}, nullptr},
    {u"ΔΩΡΕΕΣ ΧΡ. ΠΟΣΩΝ ΣΤΟ ΔΗΜΟΣΙΟ", RightY(3), {"qrPin317", "qrPin417"}, Item<&ResultSet::ReductionItems, tax::kRedDonations>},
    {u"ΔΩΡΕΕΣ ΑΠΟΣΒΕΣΗΣ ΔΗΜ.ΧΡΕΟΥΣ ", RightY(4), {"qrPin318", "qrPin418"},
     Item<&ResultSet::ReductionItems, tax::kRedPublicDebtGifts>},
    {u"ΔΙΑΤΡΟΦΗ", RightY(5), {"qrPin38", "qrPin48"}, nullptr},
    {u"ΜΙΣΘΩΜΑΤΑ ΣΤΟ ΙΣΤΟΡΙΚΟ ΚΕΝΤΡΟ", RightY(6), {"qrPin313", "qrPin413"}, Item<&ResultSet::ReductionItems, tax::kRedRents077>},
    {u"ΜΕΙΩΣΗ ΛΟΓΩ ΑΝΑΠΗΡΙΑΣ", RightY(7), {"qrPin311", "qrPin411"}, Item<&ResultSet::ReductionItems, tax::kRedDisability>},
    {u"ΣΥΝΟΛΟ", RightY(8), {"qrTotalMiwseisF", "qrTotalMiwseisS"}, AllReductions, true},
    {u"ΠΟΛΙΤΙΣΤΙΚΕΣ ΧΟΡΗΓΙΕΣ", RightY(10), {"qrPin310", "qrPin410"}, Item<&ResultSet::DeductionItems, 0>},
    {u"ΕΠΕΝΔΥΣΗ ΣΕ ΚΙΝΗΜ/ΚΕΣ ΤΑΙΝΙΕΣ", RightY(11), {"qrPin314", "qrPin414"}, Item<&ResultSet::DeductionItems, 1>},
    {u"ΣΥΝΟΛΟ", RightY(12), {"qrPin106", "qrPin107"}, AllDeductions, true},
};
const PairRow kWithheld[] = {
    {u"ΦΟΡΟΣ ΑΛΛΟΔΑΠΗΣ", RightY(14), {"qrPin91", "qrPin101"}, R<&ResultSet::ForeignTaxCredit>},
    {u"ΠΑΡΑΚΡΑΤΗΣΗ ΜΙΣΘΩΤΩΝ", RightY(15), {"qrPin92", "qrPin102"}, R<&ResultSet::SalaryTaxWithheld>},
    {u"ΠΑΡΑΚΡΑΤΗΣΗ ΕΠΑΓΓΕΛΜΑΤΙΩΝ ", RightY(16), {"qrPin94", "qrPin104"}, R<&ResultSet::BusinessTaxPrepaid>},
    {u"ΠΡΟΚΑΤΑΒΟΛΗ ΠΡΟΗΓ. ΕΤΟΥΣ", RightY(17), {"qrPin95", "qrPin105"}, R<&ResultSet::PriorAdvance>},
};

// The amounts of Δ as wide as the spouse's column allows before the rule at its right.
constexpr int kDeltaLeftX[2] = {220, 314}, kDeltaRightX[2] = {581, 680};
constexpr int kDeltaLeftWidth = std::min(88, kNoteMiddle - kRuleClearance - kDeltaLeftX[1]);
constexpr int kDeltaRightWidth = std::min(88, kNoteRight - kRuleClearance - kDeltaRightX[1]);

const PairBlock kBlocks[] = {
    {kG2, kRightCaptionX, 598 - kRightCaptionX, {600, 694}, 60, 7, Show::Positive},
    {kG3, kRightCaptionX, 596 - kRightCaptionX, {599, 693}, 60, 7, Show::Positive},
    {kIncomes, 44, 174, {kDeltaLeftX[0], kDeltaLeftX[1]}, kDeltaLeftWidth, 8, Show::Unconditional},
    {kTax, 44, 174, {kDeltaLeftX[0], kDeltaLeftX[1]}, kDeltaLeftWidth, 8, Show::Unconditional},
    {kStamps, 44, 174, {kDeltaLeftX[0], kDeltaLeftX[1]}, kDeltaLeftWidth, 8, Show::Unconditional},
    {kReductions, kRightCaptionX, 578 - kRightCaptionX, {kDeltaRightX[0], kDeltaRightX[1]}, kDeltaRightWidth, 8,
     Show::Unconditional},
    {kWithheld, kRightCaptionX, 578 - kRightCaptionX, {kDeltaRightX[0], kDeltaRightX[1]}, kDeltaRightWidth, 8,
     Show::Unconditional},
};

// --- Γ1 ---
const LineRow kG1[] = {
    {u"ΣΥΝΟΛ.ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", 184, 3},     {u"ΠΡΟΣΤ.ΔΙΑΦΟΡΑ ΤΕΚΜΗΡΙΩΝ", 198, 4},
    {u"ΕΚΠΤΩΣΕΙΣ ΕΙΣΟΔΗΜΑΤΟΣ", 211, 6},      {u"ΦΟΡΟΛΟΓΗΤΕΟ ΕΙΣΟΔΗΜΑ", 224, 7},
    {u"ΦΟΡΟΣ ΚΛΙΜΑΚΑΣ", 237, 8},             {u"ΕΠΙΒΑΡΥΝΣΗ ΑΠΟΔΕΙΞΕΩΝ (+)", 250, 9},
    {u"ΩΦΕΛΕΙΑ ΛΟΓΩ ΑΠΟΔΕΙΞΕΩΝ (-)", 262, 10}, {u"ΜΕΙΩΣΕΙΣ ΑΠΟ ΤΟ ΦΟΡΟ", 274, 11},
    {u"ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ & ΣΥΜΠΛ.", 288, 12}, {u"ΦΟΡΟΣ ΠΟΥ ΠΑΡΑΚΡΑΤΗΘΗΚΕ", 302, 13},
    {u"ΚΥΡΙΟΣ ΦΟΡΟΣ (+/-)", 315, 14},
};

// --- Γ4 ---
const LuxuryColumn kG4[] = {
    {u"ΤΕΚΜ. ΔΑΠΑΝΗ 5%", 127, "qrTekmDap5", Lux<&tax::LuxuryRecord::Base5>},
    {u"ΤΕΚΜ. ΔΑΠΑΝΗ 13%", 199, "qrTekmDap10", Lux<&tax::LuxuryRecord::Base13>},
    {u"ΦΟΡΟΣ 5%", 271, "qrForosPol5", Lux<&tax::LuxuryRecord::Tax5>},
    {u"ΦΟΡΟΣ 13%", 342, "qrForosPol10", Lux<&tax::LuxuryRecord::Tax13>},
};

// --- summary Γ ---
template <tax::Pair ResultSet::*Member, int P>
double Of(const ClearanceNote& in) {
    return (in.results.*Member)[P];
}
template <tax::Pair ResultSet::*A, tax::Pair ResultSet::*B, int P>
double Diff(const ClearanceNote& in) {
    return (in.results.*A)[P] - (in.results.*B)[P];
}
template <tax::Pair ResultSet::*Member>
double Both(const ClearanceNote& in) {
    return (in.results.*Member)[0] + (in.results.*Member)[1];
}
template <int P>
double IncomeTaxCharges(const ClearanceNote& in) {
    const ResultSet& r = in.results;
    return r.IncomeTaxDebit[P] + r.AdvancePayment[P] + r.StampTotal[P];
}
double IncomeTaxChargesBoth(const ClearanceNote& in) {
    const ResultSet& r = in.results;
    return r.IncomeTaxDebitTotal + r.AdvancePayment[0] + r.AdvancePayment[1] + r.StampTotal[0] + r.StampTotal[1];
}
double IncomeTaxCreditBoth(const ClearanceNote& in) { return in.results.IncomeTaxCreditTotal; }
// What is left to pay (sign +1) or to refund (sign -1) of one person's contribution.
template <int Sign>
double SolidarityPart(const ClearanceNote& in, int p) {
    return std::max(0.0, Sign * (in.results.SolidarityContribution[p] - in.results.SolidarityWithheld[p]));
}
template <int Sign>
double SolidarityBoth(const ClearanceNote& in) {
    return SolidarityPart<Sign>(in, 0) + SolidarityPart<Sign>(in, 1);
}
// The luxury tax the computation charged: 0 for a non-resident even when the record holds
// amounts, so that the summary adds up to the final amount.
template <int P>
double Luxury(const ClearanceNote& in) {
    return in.results.LuxuryTax[P];
}

using RS = ResultSet;
const SummaryCell kSummary[] = {
    {"qr11", 0, 0, Diff<&RS::IncomeTaxDebit, &RS::IncomeTaxCredit, 0>},
    {"qr21", 0, 1, Diff<&RS::IncomeTaxCredit, &RS::IncomeTaxDebit, 0>},
    {"qr31", 0, 2, Diff<&RS::IncomeTaxDebit, &RS::IncomeTaxCredit, 1>},
    {"qr41", 0, 3, Diff<&RS::IncomeTaxCredit, &RS::IncomeTaxDebit, 1>},
    {"qr51", 0, 4, Both<&RS::IncomeTaxDebit>},
    {"qr61", 0, 5, Both<&RS::IncomeTaxCredit>},
    {"qr12", 1, 0, Of<&RS::AdvancePayment, 0>},
    {"qr32", 1, 2, Of<&RS::AdvancePayment, 1>},
    {"qr52", 1, 4, Both<&RS::AdvancePayment>},
    {"qr13", 2, 0, Of<&RS::StampTotal, 0>},
    {"qr33", 2, 2, Of<&RS::StampTotal, 1>},
    {"qr53", 2, 4, Both<&RS::StampTotal>},
    {"qr14", 3, 0, IncomeTaxCharges<0>},
    {"qr24", 3, 1, Of<&RS::IncomeTaxCredit, 0>},
    {"qr34", 3, 2, IncomeTaxCharges<1>},
    {"qr44", 3, 3, Of<&RS::IncomeTaxCredit, 1>},
    {"qr54", 3, 4, IncomeTaxChargesBoth},
    {"qr64", 3, 5, IncomeTaxCreditBoth},
    {"qrEisfora1", 4, 0, Diff<&RS::SolidarityContribution, &RS::SolidarityWithheld, 0>},
    {"qrEisfora2", 4, 1, Diff<&RS::SolidarityWithheld, &RS::SolidarityContribution, 0>},
    {"qrEisfora3", 4, 2, Diff<&RS::SolidarityContribution, &RS::SolidarityWithheld, 1>},
    {"qrEisfora4", 4, 3, Diff<&RS::SolidarityWithheld, &RS::SolidarityContribution, 1>},
    {"qrEisfora5", 4, 4, SolidarityBoth<1>},
    {"qrEisfora6", 4, 5, SolidarityBoth<-1>},
    {"qrTelosEpitidF", 5, 0, Of<&RS::ProfessionalFee, 0>},
    {"qrTelosEpitidS", 5, 2, Of<&RS::ProfessionalFee, 1>},
    {"qrTelosEpitid", 5, 4, Both<&RS::ProfessionalFee>},
    {"qrForosPolF", 6, 0, Luxury<0>},
    {"qrForosPolS", 6, 2, Luxury<1>},
    {"qrForosPol", 6, 4, [](const ClearanceNote& in) { return Luxury<0>(in) + Luxury<1>(in); }},
};
const char16_t* const kSummaryHeadings[8] = {u"KYPIOΣ ΦOPOΣ",    u"ΠΡΟΚΑΤΑΒ. ΦOPOY", u"ΣYMBEB/ΝΑ ΠOΣA",
                                             u"ΣYNOΛA Φ.Ε.",     u"EIΣΦ. AΛΛ/ΓΓYHΣ", u"TEΛOΣ EΠIT/TOΣ",
                                             u"ΦΟΡΟΣ ΠΟΛ. ΔΙΑΒ", u"ΣYNOΛIKA ΠOΣA"};

const char* const kTotal1[] = {"qr14", "qrEisfora1", "qrTelosEpitidF", "qrForosPolF"};
const char* const kTotal2[] = {"qr24", "qrEisfora2"};
const char* const kTotal3[] = {"qr34", "qrEisfora3", "qrTelosEpitidS", "qrForosPolS"};
const char* const kTotal4[] = {"qr44", "qrEisfora4"};
const char* const kTotal5[] = {"qr54", "qrEisfora5", "qrTelosEpitid", "qrForosPol"};
const char* const kTotal6[] = {"qr64", "qrEisfora6"};
const TotalCell kTotals[] = {
    {"qrTotalPosa1", 0, kTotal1}, {"qrTotalPosa2", 1, kTotal2}, {"qrTotalPosa3", 2, kTotal3},
    {"qrTotalPosa4", 3, kTotal4}, {"qrTotalPosa5", 4, kTotal5}, {"qrTotalPosa6", 5, kTotal6},
};

}  // namespace

std::span<const PairBlock> PairBlocks() { return kBlocks; }
std::span<const LineRow> G1Rows() { return kG1; }
std::span<const LuxuryColumn> G4Columns() { return kG4; }
std::span<const SummaryCell> SummaryCells() { return kSummary; }
std::span<const char16_t* const> SummaryHeadings() { return kSummaryHeadings; }
std::span<const TotalCell> TotalCells() { return kTotals; }

}  // namespace dz::ekaprint
