// Grid helpers: the stable text sort of a grid's rows (tax-office list, declaration index).
#pragma once

class QTableWidget;

namespace dz {

// Sorts the data rows of `grid` by the texts of column `column`, ascending, case ignored,
// in Greek collation order (QCollator of el_GR; text order, so "100" before "20"); rows
// whose keys compare equal keep their order (a stable merge sort). Every row down to the last
// one that holds any text is sorted, also a row whose first cell is empty (a surname left
// blank); wholly empty rows after it (a grid's unused rows) stay at the end. Whole rows move,
// items with all their data. Afterwards the first row is the current row (its current column
// kept). The grid's horizontal header is the fixed heading row and is not sorted; the grid's
// own sorting (setSortingEnabled) must stay off. The hourglass cursor shows while it runs.
// A column outside the grid leaves the rows as they are.
void SortGrid(QTableWidget* grid, int column);

}  // namespace dz
