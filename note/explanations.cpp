// Explanations built from a traced run: the origin of a result read as codes, inputs and rules, and told in Greek.
#include "note/explanations.h"

#include <cmath>

#include "model/amount_text.h"
#include "note/note_lines.h"
#include "note/rule_texts.h"
#include "tax/result_table.h"

namespace dz {
namespace {

using tax::Origin;
using tax::Traced;

struct Label {
    const char* result;
    const char16_t* label;
};

constexpr Label kLabels[] = {
    {"EmptyDeclaration", u"Κενή δήλωση"},
    {"Married", u"Κοινή δήλωση συζύγων"},
    {"RentalIncome", u"Εισόδημα από ακίνητα"},
    {"CapitalIncome", u"Εισόδημα από κεφάλαιο"},
    {"BusinessIncome", u"Εισόδημα από επιχειρηματική δραστηριότητα"},
    {"AgriIncome", u"Εισόδημα από αγροτική δραστηριότητα"},
    {"SalaryIncome", u"Εισόδημα από μισθούς και συντάξεις"},
    {"CapitalGains", u"Υπεραξίες"},
    {"NavyIncome", u"Εισόδημα ναυτικών"},
    {"DomesticIncome", u"Δηλωθέν εισόδημα ημεδαπής"},
    {"ForeignIncome", u"Εισόδημα στην αλλοδαπή"},
    {"ForeignLoss", u"Ζημιά στην αλλοδαπή"},
    {"CurrentLosses", u"Ζημιές του έτους"},
    {"PriorLosses", u"Ζημιές προηγούμενων ετών"},
    {"BusinessLossSetOff", u"Συμψηφισμός ζημιών επιχείρησης"},
    {"AgriLossSetOff", u"Συμψηφισμός αγροτικών ζημιών"},
    {"GrossRevenue", u"Ακαθάριστα έσοδα"},
    {"ExemptIncome", u"Απαλλασσόμενο εισόδημα"},
    {"TotalIncome", u"Συνολικό δηλωθέν εισόδημα"},
    {"LivingPresumption", u"Τεκμήριο διαβίωσης"},
    {"PresumptionExcess", u"Προστιθέμενη διαφορά τεκμηρίων"},
    {"ExcessToSalary", u"Διαφορά τεκμηρίων ως μισθός"},
    {"ExcessToBusiness", u"Διαφορά τεκμηρίων ως εισόδημα επιχείρησης"},
    {"ExcessToAgri", u"Διαφορά τεκμηρίων ως αγροτικό εισόδημα"},
    {"IncomeDeductions", u"Εκπτώσεις εισοδήματος"},
    {"DeductionItems", u"Εκπτώσεις εισοδήματος ανά είδος"},
    {"TaxableIncome", u"Τελικό φορολογούμενο εισόδημα"},
    {"CategoryTax", u"Φόρος ανά κατηγορία εισοδήματος"},
    {"TaxBeforeReductions", u"Φόρος κλίμακας"},
    {"SalaryTaxReduction", u"Μείωση φόρου μισθωτών"},
    {"ReductionItems", u"Μειώσεις φόρου ανά είδος"},
    {"ReceiptsShortfallTax", u"Επιβάρυνση λόγω αποδείξεων"},
    {"ReceiptsPenalty", u"Πρόστιμο αποδείξεων"},
    {"ReceiptsDeclared", u"Αποδείξεις που δηλώθηκαν"},
    {"RentReduction077", u"Μείωση για ενοίκια κωδ. 077"},
    {"OtherReductions", u"Μειώσεις φόρου"},
    {"TaxAfterReductions", u"Φόρος μετά τις μειώσεις"},
    {"IncomeTaxDue", u"Φόρος που αναλογεί"},
    {"RentStamp", u"Χαρτόσημο μισθωμάτων"},
    {"RentStampOga", u"ΟΓΑ χαρτοσήμου"},
    {"StampLateSurcharge", u"Προσαύξηση χαρτοσήμου"},
    {"StampTotal", u"Σύνολο χαρτοσήμου"},
    {"SalaryTaxWithheld", u"Φόρος μισθωτών που παρακρατήθηκε"},
    {"NavyTaxCertified", u"Φόρος ναυτικών"},
    {"CapitalTaxWithheld", u"Φόρος κεφαλαίου που παρακρατήθηκε"},
    {"BusinessTaxPrepaid", u"Φόρος επιχείρησης που προκαταβλήθηκε"},
    {"PropertyGainTaxWithheld", u"Φόρος υπεραξίας ακινήτων"},
    {"PriorAdvance", u"Προκαταβολή προηγούμενου έτους"},
    {"ForeignTaxCredit", u"Πίστωση φόρου αλλοδαπής"},
    {"TotalTaxCredits", u"Φόρος που παρακρατήθηκε"},
    {"AdvancePayment", u"Προκαταβολή φόρου"},
    {"IncomeTaxDebit", u"Φόρος εισοδήματος για πληρωμή"},
    {"IncomeTaxCredit", u"Φόρος εισοδήματος για επιστροφή"},
    {"IncomeTaxDebitTotal", u"Σύνολο φόρου για πληρωμή"},
    {"IncomeTaxCreditTotal", u"Σύνολο φόρου για επιστροφή"},
    {"WithholdingDiscount", u"Έκπτωση παρακρατημένου φόρου"},
    {"LateSurcharge", u"Προσαύξηση εκπρόθεσμης δήλωσης"},
    {"LateSurchargeShare", u"Προσαύξηση ανά σύζυγο"},
    {"StampsAndSurcharges", u"Λοιπά βεβαιούμενα ποσά"},
    {"GrandDebit", u"Σύνολο για πληρωμή"},
    {"GrandCredit", u"Σύνολο για επιστροφή"},
    {"SolidarityIncome", u"Εισόδημα για την εισφορά αλληλεγγύης"},
    {"SolidarityExempt", u"Απαλλασσόμενα ποσά εισφοράς"},
    {"ExemptIncomeTax", u"Αυτοτελώς φορολογημένα ποσά"},
    {"SolidarityWithheld", u"Εισφορά που παρακρατήθηκε"},
    {"SolidarityBase", u"Εισόδημα επιβολής εισφοράς"},
    {"SolidarityRate", u"Συντελεστής εισφοράς"},
    {"SolidarityContribution", u"Ειδική εισφορά αλληλεγγύης"},
    {"ProfessionalFee", u"Τέλος επιτηδεύματος"},
    {"BranchFee", u"Τέλος υποκαταστημάτων"},
    {"LuxuryTax", u"Φόρος πολυτελούς διαβίωσης"},
    {"LeviesTotal", u"Σύνολο εισφοράς, τέλους και φόρου πολυτελούς διαβίωσης"},
    {"SolidarityWithheldTotal", u"Σύνολο εισφοράς που παρακρατήθηκε"},
    {"SettlementDiscount", u"Έκπτωση εκκαθάρισης"},
    {"FinalBalance", u"Τελικό ποσό πληρωμής ή επιστροφής"},
    {"Code709", u"Κωδικός 709 (τεκμήρια αυτοκινήτων υπόχρεου)"},
    {"Code710", u"Κωδικός 710 (τεκμήρια αυτοκινήτων συζύγου)"},
};

const QString kPersons[2] = {QStringLiteral("υπόχρεος"), QStringLiteral("σύζυγος")};

// The other inputs by source number: their names in the result set and in Greek.
struct InputName {
    int source;
    const char* name;
    const char16_t* greek;
};
constexpr InputName kInputs[] = {
    {tax::kSourceMarried, "Married", u"κοινή δήλωση συζύγων"},
    {tax::kSourceLateMonths, "LateMonths", u"μήνες καθυστέρησης"},
    {tax::kSourceFeeExempt, "FeeExempt[0]", u"απαλλαγή υπόχρεου από το τέλος επιτηδεύματος"},
    {tax::kSourceFeeExempt + 1, "FeeExempt[1]", u"απαλλαγή συζύγου από το τέλος επιτηδεύματος"},
    {tax::kSourceFeeSeatTourist, "FeeSeatTourist[0]", u"έδρα υπόχρεου σε τουριστικό τόπο"},
    {tax::kSourceFeeSeatTourist + 1, "FeeSeatTourist[1]", u"έδρα συζύγου σε τουριστικό τόπο"},
    {tax::kSourceFeeSeatLargeCity, "FeeSeatLargeCity[0]", u"έδρα υπόχρεου σε μεγάλη πόλη"},
    {tax::kSourceFeeSeatLargeCity + 1, "FeeSeatLargeCity[1]", u"έδρα συζύγου σε μεγάλη πόλη"},
    {tax::kSourceLuxuryBase5, "LuxuryAssets.Base5[0]", u"βάση φόρου πολυτελείας 5% υπόχρεου"},
    {tax::kSourceLuxuryBase5 + 1, "LuxuryAssets.Base5[1]", u"βάση φόρου πολυτελείας 5% συζύγου"},
    {tax::kSourceLuxuryBase13, "LuxuryAssets.Base13[0]", u"βάση φόρου πολυτελείας 13% υπόχρεου"},
    {tax::kSourceLuxuryBase13 + 1, "LuxuryAssets.Base13[1]", u"βάση φόρου πολυτελείας 13% συζύγου"},
    {tax::kSourceLuxuryTax5, "LuxuryAssets.Tax5[0]", u"φόρος πολυτελείας 5% υπόχρεου (αυτοκίνητα)"},
    {tax::kSourceLuxuryTax5 + 1, "LuxuryAssets.Tax5[1]", u"φόρος πολυτελείας 5% συζύγου (αυτοκίνητα)"},
    {tax::kSourceLuxuryTax13, "LuxuryAssets.Tax13[0]", u"φόρος πολυτελείας 13% υπόχρεου"},
    {tax::kSourceLuxuryTax13 + 1, "LuxuryAssets.Tax13[1]", u"φόρος πολυτελείας 13% συζύγου"},
};

// A result's traced numbers: those of one person, or all.
struct Found {
    bool known = false;
    Origin origin;
    QStringList values;  // "υπόχρεος 1.234,56", or the one value
};

void Add(Found& f, const Traced& t, const QString& who) {
    f.origin |= t.from;
    const QString amount = FormatAmount(t.v);
    f.values << (who.isEmpty() ? amount : who + QLatin1Char(' ') + amount);
}
void Add(Found& f, const tax::TracedBool& b, const QString& who) {
    f.origin |= b.from;
    const QString yes = b.v ? QStringLiteral("ναι") : QStringLiteral("όχι");
    f.values << (who.isEmpty() ? yes : who + QLatin1Char(' ') + yes);
}

template <std::size_t K>
void AddPerson(Found& f, const std::array<Traced, K>& items, const QString& who) {
    Origin origin;
    double sum = 0;
    for (const Traced& t : items) {
        origin |= t.from;
        sum += t.v;
    }
    Add(f, Traced{sum, origin}, who);
}

void Take(Found& f, const Traced& t, int) { Add(f, t, QString()); }
void Take(Found& f, const std::array<Traced, 2>& pair, int person) {
    for (int p = 0; p < 2; ++p)
        if (person < 0 || person == p) Add(f, pair[std::size_t(p)], kPersons[p]);
}
template <std::size_t K>
void Take(Found& f, const std::array<std::array<Traced, K>, 2>& arrays, int person) {
    for (int p = 0; p < 2; ++p)
        if (person < 0 || person == p) AddPerson(f, arrays[std::size_t(p)], kPersons[p]);
}

Found Find(const tax::ClearanceTrace& trace, const QString& result, int person) {
    Found f;
    if (result == u"Married") {
        Add(f, trace.inputs.Married, QString());
    } else if (result == u"EmptyDeclaration") {
        Add(f, trace.results.EmptyDeclaration, QString());
    } else if (result == u"Code709" || result == u"Code710") {
        Add(f, result == u"Code709" ? trace.code709 : trace.code710, QString());
    } else {
        tax::VisitResultTable(trace.results, [&](const char* name, const auto& value) {
            if (result != QLatin1String(name)) return;
            Take(f, value, person);
            f.known = true;
        });
        if (!f.known) return f;
    }
    f.known = true;
    f.origin = tax::OriginIn(trace, f.origin);
    return f;
}

QString CodeText(const CodeTable& codes, int code) {
    const QString number = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
    const double value = codes.Value(code);
    if (value != 0 && std::fabs(value) < 1e-300) return number + QStringLiteral(" (επιλεγμένος)");
    return QStringLiteral("%1 (%2)").arg(number, FormatAmount(value));
}

}  // namespace

QString ResultLabel(const QString& result) {
    for (const Label& l : kLabels)
        if (result == QLatin1String(l.result)) return QString::fromUtf16(l.label);
    return QString();
}

namespace {

// The explanation of numbers found in the trace, under a name and a Greek label.
Explanation Describe(const QString& result, const QString& label, const Found& found, const CodeTable& codes) {
    Explanation e;
    e.result = result;
    e.label = label;
    QStringList given, empty;
    for (int code = 0; code < CodeTable::kSlots; ++code) {
        if (!found.origin.sources.test(std::size_t(code))) continue;
        e.codes << code;
        if (codes.Value(code) != 0) given << CodeText(codes, code);
        else empty << QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
    }
    QStringList inputsGreek;
    for (const InputName& input : kInputs) {
        if (!found.origin.sources.test(std::size_t(input.source))) continue;
        e.inputs << QLatin1String(input.name);
        inputsGreek << QString::fromUtf16(input.greek);
    }
    QStringList details;
    for (int rule = 0; rule < tax::kRuleCount; ++rule) {
        if (!found.origin.rules.test(std::size_t(rule))) continue;
        e.steps << RuleName(tax::RuleId(rule));
        const QString detail = RuleDetail(tax::RuleId(rule));
        if (!detail.isEmpty() && !details.contains(detail)) details << detail;
    }

    QString text = QStringLiteral("%1: %2.").arg(e.label, found.values.join(QStringLiteral(", ")));
    if (given.isEmpty() && empty.isEmpty() && inputsGreek.isEmpty()) {
        text += QStringLiteral(" Δεν εξαρτάται από κανέναν κωδικό.");
    } else {
        if (!given.isEmpty()) text += QStringLiteral(" Προκύπτει από τους κωδικούς %1.").arg(given.join(QStringLiteral(", ")));
        if (!empty.isEmpty())
            text += QStringLiteral(" Θα μπορούσαν να το μεταβάλουν και %1 κενοί κωδικοί ακόμη.").arg(empty.size());
        if (!inputsGreek.isEmpty()) text += QStringLiteral(" Λαμβάνονται υπόψη: %1.").arg(inputsGreek.join(QStringLiteral(", ")));
    }
    if (!e.steps.isEmpty()) text += QStringLiteral(" Κανόνες: %1.").arg(e.steps.join(QStringLiteral(", ")));
    if (!details.isEmpty()) text += QLatin1Char(' ') + details.join(QLatin1Char(' '));
    e.text = text;
    return e;
}

void Gather(std::vector<double>& values, const Traced& t) { values.push_back(t.v); }
template <class T, std::size_t K>
void Gather(std::vector<double>& values, const std::array<T, K>& a) {
    for (const T& e : a) Gather(values, e);
}
void Spread(const std::vector<double>& values, std::size_t& at, double& v) { v = values[at++]; }
template <class T, std::size_t K>
void Spread(const std::vector<double>& values, std::size_t& at, std::array<T, K>& a) {
    for (T& e : a) Spread(values, at, e);
}

// The plain figures of the result table, as the clearance lines read them.
tax::ResultSet PlainResults(const tax::ClearanceTrace& trace) {
    std::vector<double> values;
    tax::VisitResultTable(trace.results, [&values](const char*, const auto& value) { Gather(values, value); });
    tax::ResultSet plain;
    std::size_t at = 0;
    tax::VisitResultTable(plain, [&](const char*, auto& value) { Spread(values, at, value); });
    return plain;
}

// The results each line of the clearance view shows.
struct LineResults {
    int line;
    std::initializer_list<const char*> results;
};
const LineResults kLineResults[] = {
    {1, {"DomesticIncome", "BusinessLossSetOff", "AgriLossSetOff"}},
    {2, {"ForeignIncome", "ForeignLoss"}},
    {3, {"TotalIncome"}},
    {4, {"PresumptionExcess"}},
    {5, {"TotalIncome", "PresumptionExcess"}},
    {6, {"IncomeDeductions"}},
    {7, {"TaxableIncome"}},
    {8, {"TaxBeforeReductions"}},
    {9, {"ReceiptsShortfallTax"}},
    {10, {"ReceiptsShortfallTax"}},
    {11, {"OtherReductions", "RentReduction077", "SalaryTaxReduction"}},
    {12, {"IncomeTaxDue"}},
    {13, {"TotalTaxCredits"}},
    {14, {"IncomeTaxDebit", "IncomeTaxCredit"}},
    {16, {"IncomeTaxDebitTotal", "IncomeTaxCreditTotal"}},
    {17, {"AdvancePayment"}},
    {18, {"StampsAndSurcharges"}},
    {21, {"SolidarityBase"}},
    {22, {"SolidarityContribution"}},
    {23, {"ProfessionalFee"}},
    {24, {"LuxuryTax"}},
    {25, {"FinalBalance"}},
};

}  // namespace

Explanation ExplainResult(const tax::ClearanceTrace& trace, const CodeTable& codes, const QString& result, int person) {
    const Found found = Find(trace, result, person);
    if (!found.known) return {};
    return Describe(result, ResultLabel(result), found, codes);
}

Explanation ExplainLine(const tax::ClearanceTrace& trace, const CodeTable& codes, int line, int person) {
    for (const LineResults& entry : kLineResults) {
        if (entry.line != line) continue;
        Found all;
        QStringList names;
        for (const char* result : entry.results) {
            const Found found = Find(trace, QLatin1String(result), person);
            all.origin |= found.origin;
            names << QLatin1String(result);
        }
        // The amounts are those the line shows.
        const tax::ResultSet plain = PlainResults(trace);
        for (const EkaLineRule& rule : EkaLineRules()) {
            if (rule.line != line || !rule.value) continue;
            const int persons = rule.scope == LineScope::PerPerson ? 2 : 1;
            for (int p = 0; p < persons; ++p) {
                if (person >= 0 && persons == 2 && p != person) continue;
                const QString amount = FormatAmount(rule.value(plain, p));
                all.values << (persons == 2 ? kPersons[p] + QLatin1Char(' ') + amount : amount);
            }
            all.known = true;
            return Describe(names.join(QLatin1Char('+')), rule.label.toString(), all, codes);
        }
    }
    return {};
}

std::vector<Explanation> ExplainResults(const tax::ClearanceTrace& trace, const CodeTable& codes) {
    std::vector<Explanation> all;
    all.push_back(ExplainResult(trace, codes, QStringLiteral("EmptyDeclaration"), -1));
    all.push_back(ExplainResult(trace, codes, QStringLiteral("Married"), -1));
    tax::VisitResultTable(trace.results, [&](const char* name, const auto&) {
        all.push_back(ExplainResult(trace, codes, QLatin1String(name), -1));
    });
    all.push_back(ExplainResult(trace, codes, QStringLiteral("Code709"), -1));
    all.push_back(ExplainResult(trace, codes, QStringLiteral("Code710"), -1));
    return all;
}

}  // namespace dz
