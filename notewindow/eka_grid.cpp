// The clearance grid: its items, the delegate that draws each cell, the rules over the rows.
#include "notewindow/eka_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "note/note_lines.h"
#include "notewindow/eka_cell_style.h"

namespace dz {
namespace {

// Draws a cell as the clearance view wants it: right-aligned text with its padding, the
// view's font style and colour, the zero rule, clipped to the cell.
class EkaCellDelegate : public QStyledItemDelegate {
public:
    explicit EkaCellDelegate(EkaGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->fillRect(option.rect, option.palette.base());
        const QString text = ApplyZeroRule(index.data().toString());
        if (text.isEmpty()) return;
        const int row = index.row();
        const EkaCellLook look = LookOfCell(grid_->section(), row, index.column(), text);
        QFont font = option.font;
        font.setBold(look.bold);
        font.setItalic(look.italic);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(font);
        painter->setPen(look.color.value_or(option.palette.color(QPalette::Text)));
        const int top = TextTop(row, grid_->section(), option.rect.top(), option.rect.bottom() + 1);
        const QRect box(option.rect.left(), top, option.rect.width() - look.rightPadding,
                        QFontMetrics(font).height());
        painter->drawText(box, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, text);
        painter->restore();
    }

private:
    EkaGrid* grid_;
};

// A narrow face, made smaller where needed, so that the longest label of every view fits its
// column whole instead of losing its start to the clipping.
QFont LabelFittingFont() {
    QFont font = EkaNarrowFont();
    QStringList labels;
    for (const EkaLineRule& rule : EkaLineRules()) labels << rule.label.toString();
    for (const BreakdownView& view : BreakdownViews())
        for (const ViewRow& row : view.rows) labels << row.label.toString();
    const int room = kEkaColumnWidths[0] - LookOfCell(kClearanceSection, 1, 0, {}).rightPadding - 1;
    for (; font.pointSizeF() > 5; font.setPointSizeF(font.pointSizeF() - 0.5)) {
        const QFontMetrics metrics(font);
        const bool fits = std::ranges::all_of(labels, [&](const QString& label) {
            return metrics.horizontalAdvance(label) <= room;
        });
        if (fits) break;
    }
    return font;
}

}  // namespace

QFont EkaNarrowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSizeF(8);
    return font;
}

EkaGrid::EkaGrid(QWidget* parent) : QTableWidget(kEkaGridRows, kEkaGridColumns, parent) {
    setObjectName(QStringLiteral("sgEka"));
    setFont(LabelFittingFont());
    setItemDelegate(new EkaCellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < kEkaGridColumns; ++column) setColumnWidth(column, kEkaColumnWidths[column]);
    for (int row = 0; row < kEkaGridRows; ++row)
        for (int column = 0; column < kEkaGridColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            setItem(row, column, item);
        }
    applyRowHeights();
}

void EkaGrid::showView(int section, const EkaGridTexts& texts) {
    section_ = section;
    for (int row = 0; row < kEkaGridRows; ++row)
        for (int column = 0; column < kEkaGridColumns; ++column) setCellText(row, column, texts[row][column]);
    applyRowHeights();
    viewport()->update();
}

QString EkaGrid::cellText(int row, int column) const { return item(row, column)->text(); }

QString EkaGrid::shownText(int row, int column) const { return ApplyZeroRule(cellText(row, column)); }

void EkaGrid::setCellText(int row, int column, const QString& text) { item(row, column)->setText(text); }

void EkaGrid::applyRowHeights() {
    for (int row = 0; row < kEkaGridRows; ++row) {
        const int height = EkaRowHeight(row, section_);
        setRowHidden(row, height == 0);
        if (height > 0) setRowHeight(row, height);
    }
}

void EkaGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(Qt::black);
    const int left = columnViewportPosition(0);
    const int right = columnViewportPosition(kEkaGridColumns - 1) + columnWidth(kEkaGridColumns - 1);
    for (int row = 0; row < kEkaGridRows; ++row) {
        if (isRowHidden(row) || !RuleAfterRow(section_, row)) continue;
        const int y = rowViewportPosition(row) + rowHeight(row) - 1;
        painter.drawLine(left, y, right, y);
    }
}

}  // namespace dz
