// SortGrid: a stable, case-insensitive Greek-collation sort of whole grid rows.
#include "controls/grid_helpers.h"

#include <QApplication>
#include <QCollator>
#include <QLocale>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <algorithm>
#include <memory>
#include <vector>

namespace dz {
namespace {

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

bool RowIsEmpty(const QTableWidget* grid, int row) {
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!CellText(grid, row, c).isEmpty()) return false;
    return true;
}

class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace

void SortGrid(QTableWidget* grid, int column) {
    if (!grid) return;
    const HourglassCursor hourglass;
    const int columns = grid->columnCount();
    // Counting only the rows with a first cell would leave the last rows unsorted whenever a
    // first cell in between is empty.
    int rows = grid->rowCount();
    while (rows > 0 && RowIsEmpty(grid, rows - 1)) --rows;

    if (column >= 0 && column < columns && rows > 1) {
        QCollator collator{QLocale(QLocale::Greek, QLocale::Greece)};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<int> order(static_cast<size_t>(rows));
        std::vector<QString> keys(static_cast<size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            order[static_cast<size_t>(r)] = r;
            keys[static_cast<size_t>(r)] = CellText(grid, r, column);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return collator.compare(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]) < 0;
        });

        // Take every item of the sorted rows out, then put them back in the new order.
        const bool signalsWereBlocked = grid->blockSignals(true);
        std::vector<std::vector<QTableWidgetItem*>> taken(static_cast<size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            auto& row = taken[static_cast<size_t>(r)];
            row.reserve(static_cast<size_t>(columns));
            for (int c = 0; c < columns; ++c) row.push_back(grid->takeItem(r, c));
        }
        for (int r = 0; r < rows; ++r) {
            const auto& from = taken[static_cast<size_t>(order[static_cast<size_t>(r)])];
            for (int c = 0; c < columns; ++c)
                if (from[static_cast<size_t>(c)]) grid->setItem(r, c, from[static_cast<size_t>(c)]);
        }
        grid->blockSignals(signalsWereBlocked);
        grid->viewport()->update();
    }

    if (grid->rowCount() > 0) grid->setCurrentCell(0, std::max(grid->currentColumn(), 0));
}

}  // namespace dz
