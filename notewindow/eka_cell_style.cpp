// The drawing rules of the clearance grid as row sets read by small functions.
#include "notewindow/eka_cell_style.h"

#include <algorithm>
#include <span>

#include "note/eka_views.h"

namespace dz {
namespace {

constexpr int kTallRows[] = {7, 19};
constexpr int kHiddenRows[] = {20};
constexpr int kBoldItalicRows[] = {9, 10};
constexpr int kRedRows[] = {10, 11, 13};
constexpr int kRedWhenNegativeRows[] = {14, 16, 19};
constexpr int kRuleAboveRows[] = {8, 20};
constexpr int kRuleBelowRows[] = {6, 18};
constexpr int kLabelPadding = 5;
constexpr int kAmountPadding = 20;

bool In(std::span<const int> rows, int row) { return std::ranges::find(rows, row) != rows.end(); }

}  // namespace

int EkaRowHeight(int row, int section) {
    if (In(kHiddenRows, row)) return 0;
    if (section == kClearanceSection && In(kTallRows, row)) return kEkaTallRowHeight;
    return kEkaRowHeight;
}

EkaCellLook LookOfCell(int section, int row, int column, QStringView text) {
    EkaCellLook look;
    look.rightPadding = column == 0 ? kLabelPadding : kAmountPadding;
    if (section != kClearanceSection) {
        look.color = QColor(Qt::black);
        return look;
    }
    if (column == 0) return look;
    look.bold = true;
    look.italic = In(kBoldItalicRows, row);
    const bool red = In(kRedRows, row) || (In(kRedWhenNegativeRows, row) && text.startsWith(u'-'));
    look.color = QColor(red ? Qt::red : Qt::black);
    return look;
}

int TextTop(int row, int section, int cellTop, int cellBottom) {
    // Only while the row is tall: lowered in a normal 18-pixel row, the text would lose its
    // lower part to the clipping.
    if (EkaRowHeight(row, section) == kEkaTallRowHeight) return (cellTop + cellBottom - 5) / 2;
    return cellTop;
}

bool RuleAfterRow(int section, int row) {
    if (section != kClearanceSection) return false;
    return In(kRuleBelowRows, row) || In(kRuleAboveRows, row + 1);
}

}  // namespace dz
