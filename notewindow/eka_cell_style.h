// How each cell of the clearance grid is drawn: row heights, fonts and colours, text positions, rules.
#pragma once
#include <QColor>
#include <QString>
#include <QStringView>
#include <optional>

namespace dz {

inline constexpr int kEkaRowHeight = 18;
inline constexpr int kEkaTallRowHeight = 36;
inline constexpr int kEkaColumnWidths[] = {200, 123, 121};

// Rows 7 and 19 are tall in the clearance view; row 20 never shows.
int EkaRowHeight(int row, int section);

struct EkaCellLook {
    bool bold = false;
    bool italic = false;
    std::optional<QColor> color;  // none: the grid's own text colour
    int rightPadding = 0;         // the text ends this many pixels before the cell's right edge
};

// Font, colour and padding of a cell showing `text` (already through the zero rule).
EkaCellLook LookOfCell(int section, int row, int column, QStringView text);

// Top of the text in a cell: lowered towards the middle of the tall rows 7 and 19 of the
// clearance view, else the cell's top. `cellBottom` is one past the cell's last pixel.
int TextTop(int row, int section, int cellTop, int cellBottom);

// Whether a black rule runs along the bottom edge of `row` (the clearance view sets rules above
// and below rows 7 and 19, the lines it stresses).
bool RuleAfterRow(int section, int row);

}  // namespace dz
