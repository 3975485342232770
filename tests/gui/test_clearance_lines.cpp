// The widget-free side of the clearance note: its 25 lines, the receipts rule, the breakdown
// views' rows, the cell-drawing rules and the codes list.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "note/note_lines.h"
#include "notewindow/eka_cell_style.h"
#include "note/eka_codes.h"
#include "note/eka_views.h"

namespace dz {
namespace {

using tax::ResultSet;
using Expected = std::map<int, std::pair<QString, QString>>;  // line -> (F, S); others empty

// Compares all 50 texts, so that a stray text in a line meant to stay empty fails too.
void ExpectLines(const EkaLines& lines, const Expected& expected, const char* name) {
    for (int line = 1; line <= kEkaLineCount; ++line) {
        const auto it = expected.find(line);
        const QString f = it == expected.end() ? QString() : it->second.first;
        const QString s = it == expected.end() ? QString() : it->second.second;
        EXPECT_EQ(lines.person[0][line], f) << name << ", line " << line << ", taxpayer";
        EXPECT_EQ(lines.person[1][line], s) << name << ", line " << line << ", spouse";
    }
}

ResultSet Single() {
    ResultSet r;
    r.SalaryIncome = {30000, 0};
    r.DomesticIncome = {30000, 0};
    r.TotalIncome = {30000, 0};
    r.PresumptionExcess = {1234.5, 0};
    r.TaxableIncome = {31234.5, 0};
    r.TaxBeforeReductions = {6895.04, 0};
    r.SalaryTaxReduction = {1900, 0};
    r.OtherReductions = {100.25, 0};
    r.IncomeTaxDue = {4894.79, 0};
    r.TotalTaxCredits = {5200, 0};
    r.IncomeTaxDebit = {0, 0};
    r.IncomeTaxCredit = {305.21, 0};
    r.IncomeTaxDebitTotal = 0;
    r.IncomeTaxCreditTotal = 305.21;
    r.SolidarityBase = {31234.5, 0};
    r.SolidarityContribution = {624.69, 0};
    r.ProfessionalFee = {650, 0};
    r.FinalBalance = 969.48;
    return r;
}

ResultSet Joint() {
    ResultSet r = Single();
    r.DomesticIncome = {30000, 18000};
    r.BusinessLossSetOff = {500, 0};
    r.AgriLossSetOff = {0, 250};
    r.ForeignIncome = {2500, 0};
    r.TotalIncome = {32000, 17750};
    r.IncomeDeductions = {0, 300};
    r.TaxableIncome = {33234.5, 17450};
    r.IncomeTaxDebit = {1200, 0};
    r.IncomeTaxCredit = {0, 80.5};
    r.IncomeTaxDebitTotal = 1200;
    r.IncomeTaxCreditTotal = 80.5;
    r.AdvancePayment = {1000, 234.56};
    r.StampsAndSurcharges = 72.3;
    r.LuxuryTax = {0, 440};
    r.FinalBalance = -1234567.891;
    return r;
}

TEST(ClearanceLines, FromResultSets) {
    const Expected single = {
        {1, {"30.000,00", ""}},   {3, {"30.000,00", ""}}, {4, {"1.234,50", ""}},  {5, {"31.234,50", ""}},
        {7, {"31.234,50", ""}},   {8, {"6.895,04", ""}},  {11, {"2.000,25", ""}}, {12, {"4.894,79", ""}},
        {13, {"5.200,00", ""}},   {14, {"-305,21", ""}},  {16, {"-305,21", ""}},  {21, {"31.234,50", ""}},
        {22, {"624,69", ""}},     {23, {"650,00", ""}},   {25, {"969,48", ""}},
    };
    ExpectLines(FillEkaLines(Single()), single, "single");

    const Expected joint = {
        {1, {"29.500,00", "17.750,00"}}, {2, {"2.500,00", ""}},       {3, {"32.000,00", "17.750,00"}},
        {4, {"1.234,50", ""}},           {5, {"33.234,50", "17.750,00"}}, {6, {"", "300,00"}},
        {7, {"33.234,50", "17.450,00"}}, {8, {"6.895,04", ""}},       {11, {"2.000,25", ""}},
        {12, {"4.894,79", ""}},          {13, {"5.200,00", ""}},      {14, {"1.200,00", "-80,50"}},
        {16, {"1.119,50", ""}},          {17, {"1.234,56", ""}},      {18, {"72,30", ""}},
        {21, {"31.234,50", ""}},         {22, {"624,69", ""}},        {23, {"650,00", ""}},
        {24, {"", "440,00"}},            {25, {"-1.234.567,89", ""}},
    };
    ExpectLines(FillEkaLines(Joint()), joint, "joint");
}

// Amounts that round to zero, negative incomes and the receipts lines 9 and 10.
TEST(ClearanceLines, SignsZeroRuleAndReceipts) {
    ResultSet r;
    r.DomesticIncome = {1000, 0.004};
    r.BusinessLossSetOff = {1500, 0};      // line 1 floored at zero
    r.ForeignIncome = {-3000, 0};
    r.ForeignLoss = {-3000, 0};            // line 2 only when above zero
    r.TotalIncome = {-0.004, 0};           // "0,00": emptied
    r.ReceiptsShortfallTax = {-220, 0};    // line 9 shows 220, line 10 nothing
    r.IncomeTaxDebit = {0, 150};
    r.IncomeTaxCredit = {150, 0};
    r.SolidarityBase = {-0.0, 0.005};      // 0,01 shows
    const Expected expected = {
        {9, {"220,00", ""}},
        {14, {"-150,00", "150,00"}},
        {21, {"", "0,01"}},
    };
    ExpectLines(FillEkaLines(r), expected, "signs");
}

TEST(ClearanceLines, EmptyDeclarationShowsNothing) {
    ResultSet r = Joint();
    r.EmptyDeclaration = true;
    EXPECT_EQ(FillEkaLines(r), EkaLines{});
}

TEST(ClearanceLines, RequiredReceipts) {
    struct Case {
        const char* name;
        tax::Pair shortfall;
        double declared;
        std::optional<double> required;
    } cases[] = {
        {"taxpayer short", {-220, 0}, 1000, 2000},
        {"both short, shared code 049", {-110, -55}, 500, 1250},
        {"spouse short only", {0, -22}, 0, 100},
        {"no shortfall", {0, 0}, 3000, std::nullopt},
        {"negative zero", {-0.0, -0.0}, 3000, std::nullopt},
    };
    for (const Case& c : cases) {
        ResultSet r;
        r.ReceiptsShortfallTax = c.shortfall;
        r.ReceiptsDeclared = c.declared;
        const std::optional<double> got = RequiredReceipts(r);
        ASSERT_EQ(got.has_value(), c.required.has_value()) << c.name;
        if (got) {
            EXPECT_NEAR(*got, *c.required, 1e-6) << c.name;
        }
    }
}

// Every amount of the breakdown views in a result set where each value is told apart.
ResultSet Distinct() {
    ResultSet r;
    r.RentalIncome = {101, 201};
    r.CapitalIncome = {102, 202};
    r.SalaryIncome = {103, 203};
    r.BusinessIncome = {104, 204};
    r.AgriIncome = {105, 205};
    r.CapitalGains = {106, 206};
    r.ForeignIncome = {-107, 207};
    r.DomesticIncome = {1000, 2000};
    r.CurrentLosses = {109, 209};
    r.PriorLosses = {110, 210};
    r.ForeignLoss = {-107, 0};
    r.TotalIncome = {114, 214};
    r.ExemptIncome = {116, 216};
    r.GrossRevenue = {117, 217};
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < tax::kReductionItemCount; ++i) r.ReductionItems[p][i] = 300 + 100 * p + i;
        for (int i = 0; i < tax::kDeductionItemCount; ++i) r.DeductionItems[p][i] = 500 + 100 * p + i;
    }
    r.TaxAfterReductions = {401, 0};
    r.BusinessTaxPrepaid = {502, 602};
    r.PriorAdvance = {503, 603};
    r.AdvancePayment = {700, 800};
    r.FirstFiling = {false, true};
    r.RentStamp = {901, 1001};
    r.RentStampOga = {902, 1002};
    r.StampLateSurcharge = {903, 1003};
    r.StampTotal = {1803, 2003};
    r.LateSurchargeShare = {907, 1007};
    return r;
}

TEST(BreakdownViews, RowsOfEveryView) {
    struct Row {
        int section, row;
        const char16_t* label;
        const char* f;
        const char* s;
    } rows[] = {
        {1, 1, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΑΚΙΝΗΤΑ", "101,00", "201,00"},
        {1, 2, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΚΙΝΗΤΕΣ ΑΞΙΕΣ", "102,00", "202,00"},
        {1, 3, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΜΙΣΘΩΤΕΣ ΥΠΗΡΕΣΙΕΣ", "103,00", "203,00"},
        {1, 4, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΕΠΙΧΕΙΡΗΜΑΤΙΚΗ ΔΡΑΣΤ.", "104,00", "204,00"},
        {1, 5, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΓΕΩΡΓΙΚΕΣ ΕΠΙΧΕΙΡΗΣΕΙΣ", "105,00", "205,00"},
        {1, 6, u"ΕΙΣΟΔΗΜΑ ΑΠΟ ΥΠΕΡΑΞΙΑ", "106,00", "206,00"},
        {1, 7, u"ΕΙΣΟΔΗΜΑ ΑΛΛΟΔΑΠΗΣ ΠΡΟΕΛΕΥΣΗΣ", "-107,00", "207,00"},
        {1, 8, u"ΣΥΝΟΛΙΚΟ ΕΙΣΟΔΗΜΑ", "893,00", "2.207,00"},
        {1, 9, u"ΖΗΜΙΕΣ ΑΠΟ ΕΠΙΧΕΙΡΗΣΕΙΣ", "109,00", "209,00"},
        {1, 10, u"ΖΗΜΙΕΣ ΑΠΟ ΠΡΟΗΓΟΥΜΕΝΑ ΕΤΗ", "110,00", "210,00"},
        {1, 11, u"ΖΗΜΙΕΣ ΑΠΟ ΤΗΝ ΑΛΛΟΔΑΠΗ", "-107,00", "0,00"},
        {1, 12, u"ΣΥΝΟΛΙΚΗ ΖΗΜΙΑ", "326,00", "419,00"},  // the foreign loss adds by its size
        {1, 14, u"ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ", "114,00", "214,00"},
        {1, 16, u"ΑΥΤΟΤΕΛΗ ΦΟΡΟΛ. ΠΟΣΑ ... ΚΛΠ.", "116,00", "216,00"},
        {1, 17, u"ΑΚΑΘΑΡΙΣΤΑ ΕΣΟΔΑ ΑΠΟ ΑΤΟΜ ΕΠΙΧ", "117,00", "217,00"},
        {3, 1, u"ΜΕΙΩΣΗ ΠΑΡ. 2  ΑΡΘΡΟΥ 9 2238/94", "300,00", "400,00"},
        {3, 2, u"ΙΑΤΡΙΚΑ ΕΞΟΔΑ", "314,00", "414,00"},
        {3, 3, u"ΔΩΡΕΕΣ ΙΑΤΡΙΚΩΝ ΜΗΧΑΝΗΜΑΤΩΝ", "", ""},
        {3, 4, u"ΔΩΡΕΕΣ ΧΡ. ΠΟΣΩΝ ΣΤΟ ΔΗΜΟΣΙΟ", "310,00", "410,00"},
        {3, 5, u"ΔΩΡΕΕΣ ΑΠΟΣΒΕΣΗΣ ΔΗΜ.ΧΡΕΟΥΣ ", "311,00", "411,00"},
        {3, 6, u"ΔΙΑΤΡΟΦΗ", "", ""},
        {3, 7, u"ΜΙΣΘΩΜΑΤΑ ΣΤΟ ΙΣΤΟΡΙΚΟ ΚΕΝΤΡΟ", "315,00", "415,00"},
        {3, 8, u"ΜΕΙΩΣΗ ΛΟΓΩ ΑΝΑΠΗΡΙΑΣ", "313,00", "413,00"},
        {3, 11, u"ΕΚΠΤΩΣΕΙΣ ΑΠΟ ΤΟ ΕΙΣΟΔΗΜΑ", "", ""},
        {3, 13, u"ΠΟΛΙΤΙΣΤΙΚΕΣ ΧΟΡΗΓΙΕΣ", "500,00", "600,00"},
        {3, 14, u"ΕΠΕΝΔΥΣΗ ΣΕ ΚΙΝΗΜ/ΚΕΣ ΤΑΙΝΙΕΣ", "501,00", "601,00"},
        {4, 1, u"ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ", "401,00", "0,00"},
        {4, 2, u"ΣΥΜΠΛΗΡΩΜΑΤΙΚΟΣ ΦΟΡΟΣ", "", ""},
        {5, 1, u"ΠΑΡΑΚΡΑΤΗΣΗ ΜΙΣΘΩΤΩΝ", "", ""},
        {5, 2, u"ΠΑΡΑΚΡΑΤΗΣΗ ΕΠΑΓΓΕΛΜΑΤΙΩΝ κλπ", "502,00", "602,00"},
        {5, 3, u"ΠΡΟΚΑΤΑΒΟΛΗ ΠΡΟΗΓ. ΟΙΚΟΝ. ΕΤΟΥΣ", "503,00", "603,00"},
        {6, 1, u"ΠΡΟΚΑΤΑΒΟΛΗ ΕΠΟΜΕΝΟΥ ΕΤΟΥΣ", "700,00", "1.600,00"},  // spouse's first filing
        {7, 1, u"ΧΑΡΤΟΣΗΜΟ", "901,00", "1.001,00"},
        {7, 2, u"ΟΓΑ ΧΑΡΤΟΣΗΜΟΥ", "902,00", "1.002,00"},
        {7, 3, u"ΕΚΠΡΟΘΕΣΜΟ ΧΑΡΤΟΣΗΜΟΥ", "903,00", "1.003,00"},
        {7, 4, u"ΧΑΡΤΟΣΗΜΟ ΕΛΓΑ", "", ""},
        {7, 5, u"ΕΚΠΡΟΘΕΣΜΟ ΧΑΡΤΟΣΗΜΟΥ ΕΛΓΑ", "", ""},
        {7, 6, u"ΣΥΝΟΛΟ ΣΥΜΒΕΒΑΙΟΥΜΕΝΩΝ ΠΟΣΩΝ", "2.706,00", "3.006,00"},
        {7, 7, u"ΕΚΠΡΟΘΕΣΜΟ ΦΟΡΟΥ", "907,00", "1.007,00"},
    };
    const ResultSet r = Distinct();
    for (const BreakdownView& view : BreakdownViews()) {
        const EkaGridTexts grid = BreakdownGrid(view, r);
        EXPECT_EQ(grid[0][0], QString()) << "view " << view.section;
        EXPECT_EQ(grid[0][1], u"ΤΟΥ ΥΠΟΧΡΕΟΥ") << "view " << view.section;
        EXPECT_EQ(grid[0][2], u"ΤΗΣ ΣΥΖΥΓΟΥ") << "view " << view.section;
        for (int row = 1; row < kEkaGridRows; ++row) {
            const Row* want = nullptr;
            for (const Row& candidate : rows)
                if (candidate.section == view.section && candidate.row == row) want = &candidate;
            const QString label = want ? QString::fromUtf16(want->label) : QString();
            const QString f = want ? QString::fromUtf8(want->f) : QString();
            const QString s = want ? QString::fromUtf8(want->s) : QString();
            EXPECT_EQ(grid[row][0], label) << "view " << view.section << ", row " << row;
            EXPECT_EQ(grid[row][1], f) << "view " << view.section << ", row " << row << ", taxpayer";
            EXPECT_EQ(grid[row][2], s) << "view " << view.section << ", row " << row << ", spouse";
        }
    }
}

TEST(BreakdownViews, ButtonsInOrder) {
    QStringList buttons, captions;
    for (const BreakdownView& view : BreakdownViews()) {
        buttons << view.button.toString();
        captions << view.caption.toString();
        EXPECT_EQ(FindBreakdownView(view.section), &view);
    }
    EXPECT_EQ(buttons, QStringList({"bt1", "bt3", "bt4", "bt5", "bt6", "bt7"}));
    // Latin T and A at the end of the first caption, as on the form.
    EXPECT_EQ(captions.first(), QStringLiteral("ΕΙΣΟΔΗΜΑ") + QStringLiteral("TA"));
    EXPECT_EQ(FindBreakdownView(kClearanceSection), nullptr);
    EXPECT_EQ(FindBreakdownView(2), nullptr);
}

TEST(ClearanceView, LabelsHeadingsAndLines) {
    EkaLines lines;
    lines.person[0][3] = "1,00";
    lines.person[1][24] = "2,00";
    const EkaGridTexts grid = ClearanceGrid(lines);
    EXPECT_EQ(grid[0][1], u"ΤΟΥ ΥΠΟΧΡΕΟΥ");
    EXPECT_EQ(grid[0][2], u"ΤΗΣ ΣΥΖΥΓΟΥ");
    EXPECT_EQ(grid[3][1], "1,00");
    EXPECT_EQ(grid[24][2], "2,00");
    const std::map<int, QString> labels = {
        {1, "ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ"},      {9, "ΕΠΙΒΑΡΥΝΣΗ ΛΟΓΩ ΑΠΟΔΕΙΞΕΩΝ (+)"}, {10, ""},
        {12, "ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ ΚΑΙ ΣΥΜΠΛ/ΚΟΣ"}, {15, "ΣΥΝΟΛΙΚΑ ΠΟΣΑ"}, {16, "ΚΥΡΙΟΣ ΦΟΡΟΣ"},
        {19, "ΤΕΛΙΚΟ ΠΟΣΟ ΦΟΡΟΥ"},   {20, ""},  {25, "ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ"},
    };
    for (const auto& [row, label] : labels) EXPECT_EQ(grid[row][0], label) << "row " << row;
    for (int row = 1; row < kEkaGridRows; ++row)
        EXPECT_EQ(EkaLineRules()[row - 1].line, row) << "the rule table is in line order";
}

TEST(EkaCellStyle, FontsAndColours) {
    const QColor red(Qt::red), black(Qt::black);
    struct Case {
        const char* name;
        int section, row, column;
        const char* text;
        bool bold, italic;
        std::optional<QColor> color;
        int padding;
    } cases[] = {
        {"label keeps the grid colour", 8, 14, 0, "ΚΥΡΙΟΣ ΦΟΡΟΣ", false, false, std::nullopt, 5},
        {"amount bold black", 8, 12, 1, "-150,00", true, false, black, 20},
        {"negative main tax red", 8, 14, 1, "-150,00", true, false, red, 20},
        {"positive main tax black", 8, 14, 2, "150,00", true, false, black, 20},
        {"negative total main tax red", 8, 16, 1, "-1,00", true, false, red, 20},
        {"negative final tax red", 8, 19, 1, "-1,00", true, false, red, 20},
        {"negative final balance black", 8, 25, 1, "-1,00", true, false, black, 20},
        {"receipts charge bold italic", 8, 9, 1, "220,00", true, true, black, 20},
        {"receipts rest bold italic red", 8, 10, 2, "1,00", true, true, red, 20},
        {"reductions red", 8, 11, 1, "2.000,25", true, false, red, 20},
        {"withheld red", 8, 13, 2, "5.200,00", true, false, red, 20},
        {"headings bold", 8, 0, 1, "ΤΟΥ ΥΠΟΧΡΕΟΥ", true, false, black, 20},
        {"breakdown regular black", 1, 14, 1, "-150,00", false, false, black, 20},
        {"breakdown red row black", 3, 11, 2, "1,00", false, false, black, 20},
        {"breakdown label black", 7, 1, 0, "ΧΑΡΤΟΣΗΜΟ", false, false, black, 5},
    };
    for (const Case& c : cases) {
        const EkaCellLook look = LookOfCell(c.section, c.row, c.column, QString::fromUtf8(c.text));
        EXPECT_EQ(look.bold, c.bold) << c.name;
        EXPECT_EQ(look.italic, c.italic) << c.name;
        EXPECT_EQ(look.color, c.color) << c.name;
        EXPECT_EQ(look.rightPadding, c.padding) << c.name;
    }
}

TEST(EkaCellStyle, RowHeightsRulesAndTextTop) {
    for (int row = 0; row < kEkaGridRows; ++row) {
        const bool tall = row == 7 || row == 19;
        const int clearance = row == 20 ? 0 : tall ? 36 : 18;
        const int breakdown = row == 20 ? 0 : 18;
        EXPECT_EQ(EkaRowHeight(row, kClearanceSection), clearance) << "row " << row;
        EXPECT_EQ(EkaRowHeight(row, 4), breakdown) << "row " << row;
        // Rules above and below the tall rows, in the clearance view only.
        EXPECT_EQ(RuleAfterRow(kClearanceSection, row), row == 6 || row == 7 || row == 18 || row == 19)
            << "row " << row;
        EXPECT_FALSE(RuleAfterRow(1, row)) << "row " << row;
    }
    struct Case {
        const char* name;
        int row, section, top, bottom, textTop;
    } cases[] = {
        {"tall row 7", 7, kClearanceSection, 100, 136, 115},
        {"tall row 19", 19, kClearanceSection, 101, 137, 116},
        {"normal row", 8, kClearanceSection, 136, 154, 136},
        {"row 7 of a breakdown keeps its text whole", 7, 1, 100, 118, 100},
    };
    for (const Case& c : cases) EXPECT_EQ(TextTop(c.row, c.section, c.top, c.bottom), c.textTop) << c.name;
}

TEST(EkaCodes, EntryTexts) {
    struct Case {
        const char* name;
        CodeKind kind;
        double value;
        std::optional<QString> text;
    } cases[] = {
        {"ticked", CodeKind::YesNo, 1, QStringLiteral("ΝΑΙ")},
        {"ticked slot", CodeKind::YesNo, 4.94e-324, QStringLiteral("ΝΑΙ")},
        {"unticked", CodeKind::YesNo, 0, std::nullopt},
        {"whole number", CodeKind::Integer, 3, QStringLiteral("3")},
        {"whole number 0", CodeKind::Integer, 0, std::nullopt},
        {"negative whole number", CodeKind::Integer, -2, std::nullopt},
        {"amount", CodeKind::Amount, 30000, QStringLiteral("30.000,00")},
        {"negative amount", CodeKind::Amount, -5, std::nullopt},
        {"no box", CodeKind::None, 5, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(CodeEntryText(c.kind, c.value), c.text) << c.name;
    EXPECT_EQ(CodeNumberText(1), "001");
    EXPECT_EQ(CodeNumberText(49), "049");
    EXPECT_EQ(CodeNumberText(301), "301");
}

TEST(EkaCodes, SidesFillIndependently) {
    std::vector<CodeEntry> entries;
    for (int i = 0; i < 30; ++i) entries.emplace_back(301 + 2 * i, QString::number(i));
    entries.emplace_back(6, "ΝΑΙ");
    entries.emplace_back(2, "1,00");
    entries.emplace_back(302, "18.000,00");
    entries.emplace_back(1000, "dropped");
    entries.emplace_back(0, "dropped");
    const std::vector<CodesGridRow> rows = LayOutCodes(entries);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[0], (CodesGridRow{"301", "0", "002", "1,00"}));
    EXPECT_EQ(rows[1], (CodesGridRow{"303", "1", "006", "ΝΑΙ"}));
    EXPECT_EQ(rows[2], (CodesGridRow{"305", "2", "302", "18.000,00"}));
    EXPECT_EQ(rows[3], (CodesGridRow{"307", "3", "", ""}));
    EXPECT_EQ(rows[29], (CodesGridRow{"359", "29", "", ""}));
    EXPECT_TRUE(LayOutCodes({}).empty());
}

}  // namespace
}  // namespace dz
