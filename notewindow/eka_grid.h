// The clearance grid `sgEka`: a read-only 26 × 3 text grid drawn by the clearance view's cell rules.
#pragma once
#include <QTableWidget>

#include "note/eka_views.h"

namespace dz {

// The narrow face of the window's grids: long Greek labels in narrow columns.
QFont EkaNarrowFont();

class EkaGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit EkaGrid(QWidget* parent = nullptr);

    // Shows a view's texts; `section` chooses the drawing rules and the row heights.
    void showView(int section, const EkaGridTexts& texts);
    int section() const { return section_; }

    // A cell's text as stored, and as drawn (the zero rule applied).
    QString cellText(int row, int column) const;
    QString shownText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

protected:
    // The black rules of the clearance view go over the cells and the grid lines.
    void paintEvent(QPaintEvent* event) override;

private:
    void applyRowHeights();

    int section_ = kClearanceSection;
};

}  // namespace dz
