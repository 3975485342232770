// The short declaration's check boxes as a table, and its save, open and compute rules.
#include "declaration/short_declaration.h"

#include "model/amount_text.h"
#include "model/errors.h"

namespace dz {
namespace {

// Group 0, "Κωδικοί πρώτης σελίδας": taxpayer and spouse code per row (0: no box).
constexpr int kFirstPage[][2] = {
    {327, 328}, {319, 320}, {23, 24}, {329, 0}, {330, 0}, {331, 0}, {27, 28}, {11, 12}, {13, 14}, {15, 16},
    {19, 20},   {21, 22},   {25, 26}, {7, 8},   {617, 0}, {385, 386}, {29, 30}, {905, 906}, {911, 912}, {1, 2},
};
// Group 1, "Κωδικοί πίνακα ιδιοκατοίκησης": rented, granted free, detached house per residence.
constexpr int kResidences[][3] = {{203, 0, 240}, {207, 204, 241}, {209, 205, 242}};

// The ceiling of codes 067 and 068 in the short declaration.
constexpr double kCappedCodeCeiling = 3000;
constexpr int kCappedCodes[] = {67, 68};

std::vector<ShortDeclarationBox> BuildBoxes() {
    std::vector<ShortDeclarationBox> boxes;
    for (int r = 0; r < static_cast<int>(std::size(kFirstPage)); ++r)
        for (int c = 0; c < 2; ++c)
            if (kFirstPage[r][c]) boxes.push_back({kFirstPage[r][c], 0, r, c});
    for (int r = 0; r < static_cast<int>(std::size(kResidences)); ++r)
        for (int c = 0; c < 3; ++c)
            if (kResidences[r][c]) boxes.push_back({kResidences[r][c], 1, r, c});
    return boxes;
}

// `row` counts from 0.
int ReadCode(const QString& text, int row) {
    const auto code = ParseInteger(text);
    if (!code) throw DataError(NotAnIntegerText(text, CodeRowCellLabel(row + 1, false)));
    if (*code < INT16_MIN || *code > INT16_MAX)
        throw DataError(OutOfRangeText(text, INT16_MIN, INT16_MAX, CodeRowCellLabel(row + 1, false)));
    return *code;
}

double ReadAmount(const QString& text, int row) {
    const auto value = ParseDecimal(StripThousands(text));
    if (!value) throw DataError(NotAnAmountText(text, CodeRowCellLabel(row + 1, true)));
    return *value;
}

}  // namespace

QString CodeRowCellLabel(int row, bool amount) {
    return QStringLiteral("γραμμή %1, στήλη «%2»").arg(row).arg(amount ? QStringLiteral("Ποσό") : QStringLiteral("Κωδικός"));
}

const std::vector<ShortDeclarationBox>& ShortDeclarationBoxes() {
    static const std::vector<ShortDeclarationBox> boxes = BuildBoxes();
    return boxes;
}

bool IsShortDeclarationBox(int code) {
    for (const ShortDeclarationBox& box : ShortDeclarationBoxes())
        if (box.code == code) return true;
    return false;
}

ShortDeclarationView ShowShortDeclaration(E1Declaration& d) {
    auto& codes = d.Codes;
    for (int i = 0; i < kE1CodeEntries - 1; ++i)
        for (int k = i + 1; k < kE1CodeEntries; ++k)
            if (codes[i].Code > 0 && codes[k].Code > 0 && codes[k].Code < codes[i].Code) std::swap(codes[i], codes[k]);
    ShortDeclarationView view;
    for (const auto& entry : codes) {
        if (entry.Code <= 0) continue;
        if (IsShortDeclarationBox(entry.Code)) view.ticked.insert(entry.Code);
        else view.rows.push_back({QStringLiteral("%1").arg(entry.Code, 3, 10, QLatin1Char('0')), FormatAmount(entry.Value)});
    }
    return view;
}

void GatherShortDeclaration(const QString& afm, const QString& surname, bool married, const std::set<int>& ticked,
                            const std::vector<CodeRow>& rows, E1Declaration& d) {
    std::vector<E1Declaration::CodeEntry> entries;
    for (const ShortDeclarationBox& box : ShortDeclarationBoxes())
        if (ticked.count(box.code)) entries.push_back({static_cast<int16_t>(box.code), 1.0});
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CodeRow& row = rows[r];
        if (row.code.isEmpty() || row.amount.isEmpty()) continue;
        entries.push_back({static_cast<int16_t>(ReadCode(row.code, r)), ReadAmount(row.amount, r)});
    }
    if (entries.size() > static_cast<size_t>(kE1CodeEntries))
        throw DataError(QStringLiteral("Η δήλωση έχει %1 κωδικούς· το αρχείο χωράει έως %2. Δεν αποθηκεύτηκε τίποτα.")
                            .arg(entries.size())
                            .arg(kE1CodeEntries));
    // Both texts checked before the record changes.
    FixedText<40> newSurname;
    FixedText<12> newAfm;
    AssignCut(newSurname, surname, QStringLiteral("«ΕΠΩΝΥΜΟ»"));
    AssignCut(newAfm, afm, QStringLiteral("«Α.Φ.Μ.»"));
    d.Surname = newSurname;
    d.Afm = newAfm;
    d.Married = married;
    d.Codes = {};
    std::copy(entries.begin(), entries.end(), d.Codes.begin());
}

void FillCodeTableFromShort(std::vector<CodeRow>& rows, const std::set<int>& ticked, CodeTable& codes) {
    codes.Clear();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        CodeRow& row = rows[r];
        if (row.code.isEmpty()) continue;
        const auto code = ParseInteger(row.code);
        if (!code) throw DataError(NotAnIntegerText(row.code, CodeRowCellLabel(r + 1, false)));
        const QString amount = StripThousands(row.amount);
        if (amount.isEmpty()) continue;
        if (!CodeTable::IsCode(*code))
            throw DataError(QStringLiteral("Ο κωδικός %1 δεν υπάρχει: οι κωδικοί είναι από 0 έως 1000.").arg(row.code));
        codes.SetValue(*code, ReadAmount(amount, r));
        if (std::find(std::begin(kCappedCodes), std::end(kCappedCodes), *code) != std::end(kCappedCodes) &&
            codes.Value(*code) > kCappedCodeCeiling) {
            codes.SetValue(*code, kCappedCodeCeiling);
            row.amount = QStringLiteral("3000");
        }
    }
    for (const ShortDeclarationBox& box : ShortDeclarationBoxes()) codes.SetTicked(box.code, ticked.count(box.code) > 0);
}

}  // namespace dz
