// The codes grid `sgCodes` of the clearance window: which filled code boxes it lists and where.
#pragma once
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "model/e1_codes.h"

namespace dz {

// One listed code: the code and the text shown beside it ("ΝΑΙ", a whole number, an amount).
using CodeEntry = std::pair<int, QString>;

// The text a code box of the given kind adds to the list, or nothing: a ticked yes/no box
// (value not 0) gives "ΝΑΙ", a whole number above 0 its digits, an amount above 0 its amount text.
std::optional<QString> CodeEntryText(CodeKind kind, double value);

// The code written as three digits ("001", "049", "301").
QString CodeNumberText(int code);

inline constexpr int kCodesGridColumns = 4;
inline constexpr int kCodesGridStartRows = 24;  // data rows below the header row at creation
using CodesGridRow = std::array<QString, kCodesGridColumns>;

// The data rows of the grid (the header row not included): codes 1 to 999 in ascending order,
// odd codes in columns 0 and 1, even codes in columns 2 and 3, each side filled from the top.
// As many rows as the longer side needs.
std::vector<CodesGridRow> LayOutCodes(std::vector<CodeEntry> entries);

}  // namespace dz
