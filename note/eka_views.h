// The contents of the clearance grid `sgEka`: the clearance view and the six breakdown views, as row tables.
#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <span>

#include "note/note_lines.h"
#include "tax/result_set.h"

namespace dz {

// Row 0 holds the column headings; rows 1 to 25 the lines. Column 0 the label, 1 the
// taxpayer, 2 the spouse.
inline constexpr int kEkaGridRows = kEkaLineCount + 1;
inline constexpr int kEkaGridColumns = 3;
using EkaGridTexts = std::array<std::array<QString, kEkaGridColumns>, kEkaGridRows>;

// `EkaSection` of the clearance view; a breakdown view's section is its button's number.
inline constexpr int kClearanceSection = 8;

inline constexpr QStringView kTaxpayerHeading = u"ΤΟΥ ΥΠΟΧΡΕΟΥ";
inline constexpr QStringView kSpouseHeading = u"ΤΗΣ ΣΥΖΥΓΟΥ";

// One row of a breakdown view; a row without `value` shows its label only.
struct ViewRow {
    int row;
    QStringView label;
    PersonValue value;
};

// A breakdown view and the button that shows it.
struct BreakdownView {
    int section;
    QStringView button;   // component name, "bt1"
    QStringView caption;  // button caption
    std::span<const ViewRow> rows;
};

// The six breakdown views in button order (bt1, bt3 … bt7).
std::span<const BreakdownView> BreakdownViews();
const BreakdownView* FindBreakdownView(int section);

// The clearance view: headings, the 25 labels, the clearance lines.
EkaGridTexts ClearanceGrid(const EkaLines& lines);

// A breakdown view: headings, its labels and its amounts as amount text. "0,00" is kept here;
// the drawing empties it.
EkaGridTexts BreakdownGrid(const BreakdownView& view, const tax::ResultSet& results);

}  // namespace dz
