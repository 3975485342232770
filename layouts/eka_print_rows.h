// The rows of the printed clearance note as tables: captions, positions, label names and values.
#pragma once
#include <span>

#include "layouts/eka_print.h"

namespace dz::ekaprint {

// Positions are in pixels at 96 per inch from the top-left corner of the area inside the margins.

// The drawn note's outer frame at the left and the right, and the rule between its two halves.
inline constexpr int kNoteLeft = 40, kNoteRight = 770;
inline constexpr int kNoteMiddle = 410;
// Every amount ends this far before the rule at its right, so that no figure touches a rule.
inline constexpr int kRuleClearance = 8;
// The captions of the right half start just inside the middle rule.
inline constexpr int kRightCaptionX = kNoteMiddle + 3;

using Value = double (*)(const ClearanceNote& in, int person);

enum class Show {
    Positive,       // the amount when strictly above 0, otherwise nothing
    Unconditional,  // the amount whatever its sign; 0 is emptied by the zero rule
};

// A row of two amounts, the taxpayer's and the spouse's.
struct PairRow {
    const char16_t* caption;
    int y;
    const char* names[2];
    Value value;  // null: the row has no amount
    bool bold = false;
};

// A block of pair rows and where its parts stand.
struct PairBlock {
    std::span<const PairRow> rows;
    int captionX;
    int captionWidth;
    int x[2];       // the taxpayer's and the spouse's amount boxes
    int width;      // of an amount box
    double points;  // of the amounts and captions
    Show show;
};

// Γ2, Γ3 and the five parts of Δ.
std::span<const PairBlock> PairBlocks();

// The lines of Δ: rows and headings spread evenly from the first to the last line of each half.
constexpr int DeltaLeftY(int slot) { return 552 + (389 * slot + 12) / 24; }   // slots 0..24
constexpr int DeltaRightY(int slot) { return 574 + (369 * slot + 8) / 17; }   // slots 0..17

// Γ1: label "qr" k "F"/"S" takes clearance line kG1Lines[k - 1].
struct LineRow {
    const char16_t* caption;
    int y;
    int line;
};
std::span<const LineRow> G1Rows();
inline constexpr int kG1X[2] = {242, 336};

// Γ4: one column per amount of the luxury record; rows for the taxpayer (F) and the spouse (S).
struct LuxuryColumn {
    const char16_t* caption;
    int x;
    const char* name;  // + "F" / "S"
    Value value;
};
std::span<const LuxuryColumn> G4Columns();
inline constexpr int kG4Y[2] = {353, 367};

// The summary grid Γ: eight columns, six rows (to pay and to refund for the taxpayer, the
// spouse and both).
inline constexpr int kSummaryX[8] = {115, 204, 285, 380, 453, 516, 578, 694};
inline constexpr int kSummaryY[6] = {408, 421, 434, 448, 461, 473};
struct SummaryCell {
    const char* name;
    int column;  // 0..7
    int row;     // 0..5
    double (*value)(const ClearanceNote& in);
};
std::span<const SummaryCell> SummaryCells();
std::span<const char16_t* const> SummaryHeadings();  // the eight column headings

// The total-amounts column adds the shown texts of other cells of its row.
struct TotalCell {
    const char* name;
    int row;
    std::span<const char* const> addends;
};
std::span<const TotalCell> TotalCells();

}  // namespace dz::ekaprint
