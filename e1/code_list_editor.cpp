// Editing the code list: key filters per column, Enter navigation, duplicate codes refused.
#include "e1/code_list_editor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "controls/edit_field.h"

#include "controls/user_dialogs.h"
#include "model/amount_text.h"

namespace dz {
namespace {

enum Column { kCode = 0, kAmount = 1 };

// An editor line that lets through only the characters of its column: digits, "-" and
// Backspace for codes; the same and one decimal comma for amounts.
class FilteredLine : public QLineEdit {
public:
    FilteredLine(bool amount, QWidget* parent) : QLineEdit(parent), amount_(amount) {}

protected:
    bool event(QEvent* event) override { return PassHistoryKey(event) || QLineEdit::event(event); }
    void keyPressEvent(QKeyEvent* event) override {
        const QString t = event->text();
        const bool character = t.size() == 1 && t.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (character) {
            const QChar c = t.at(0);
            const bool digit = c >= u'0' && c <= u'9';
            const bool comma = amount_ && c == kDecimalSeparator && !text().contains(kDecimalSeparator);
            if (!digit && c != u'-' && !comma) return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    bool amount_;
};

class CodeListDelegate : public QStyledItemDelegate {
public:
    explicit CodeListDelegate(CodeListEditor* list) : QStyledItemDelegate(list), list_(list) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* editor = new FilteredLine(index.column() == kAmount, parent);
        editor->setFrame(false);
        if (index.column() == kAmount) editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (index.column() == kCode && !text.isEmpty() && list_->HoldsCode(text, index.row())) {
            AppDialogs().Inform(CodeListEditor::kDuplicateCode.arg(text));
            return;  // refused: the cell keeps its code
        }
        model->setData(index, text);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* editor = static_cast<QWidget*>(object);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                list_->EnterPressed();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    CodeListEditor* list_;
};

QTableWidgetItem* Item(const QString& text, int column) {
    auto* item = new QTableWidgetItem(text);
    if (column == kAmount) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

const QString CodeListEditor::kDuplicateCode = QStringLiteral("Ο κωδικός %1 υπάρχει ήδη στη λίστα.");

CodeListEditor::CodeListEditor(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("veCodes"));
    setHorizontalHeaderLabels({QStringLiteral("Κωδικός"), QStringLiteral("Ποσό")});
    setColumnWidth(kCode, 93);
    setColumnWidth(kAmount, 201);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setItemDelegate(new CodeListDelegate(this));
    Clear();
}

std::vector<CodeRow> CodeListEditor::Rows() const {
    std::vector<CodeRow> rows;
    for (int r = 0; r < rowCount(); ++r) {
        auto text = [&](int c) { return item(r, c) ? item(r, c)->text() : QString(); };
        rows.push_back({text(kCode), text(kAmount)});
    }
    return rows;
}

void CodeListEditor::SetRows(const std::vector<CodeRow>& rows) {
    setRowCount(0);
    setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        setItem(r, kCode, Item(rows[r].code, kCode));
        setItem(r, kAmount, Item(rows[r].amount, kAmount));
    }
    for (int r = static_cast<int>(rows.size()); r < rowCount(); ++r) {
        setItem(r, kCode, Item({}, kCode));
        setItem(r, kAmount, Item({}, kAmount));
    }
    setCurrentCell(0, kCode);
}

void CodeListEditor::Clear() { SetRows({}); }

void CodeListEditor::DeleteCurrentRow() {
    const int row = currentRow();
    if (row < 0) return;
    const int column = std::max(0, currentColumn());
    removeRow(row);
    if (rowCount() == 0) Clear();
    else setCurrentCell(std::min(row, rowCount() - 1), column);
}

bool CodeListEditor::HoldsCode(const QString& code, int exceptRow) const {
    const auto number = ParseInteger(code);
    for (int r = 0; r < rowCount(); ++r) {
        if (r == exceptRow || !item(r, kCode)) continue;
        const QString other = item(r, kCode)->text();
        if (other == code || (number && ParseInteger(other) == number)) return true;
    }
    return false;
}

void CodeListEditor::EnterPressed() {
    const int row = std::max(0, currentRow());
    if (currentColumn() != kAmount) {
        setCurrentCell(row, kAmount);
        return;
    }
    setCurrentCell(row, kCode);
    if (!item(row, kCode) || item(row, kCode)->text().isEmpty()) return;
    if (row == rowCount() - 1) {
        insertRow(rowCount());
        setItem(row + 1, kCode, Item({}, kCode));
        setItem(row + 1, kAmount, Item({}, kAmount));
    }
    setCurrentCell(row + 1, kCode);
}

void CodeListEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterPressed();
        return;
    case Qt::Key_Down:
        // Down on the last row adds a row to type into, once the row has a code.
        if (currentRow() == rowCount() - 1 && item(currentRow(), kCode) && !item(currentRow(), kCode)->text().isEmpty()) {
            insertRow(rowCount());
            setItem(rowCount() - 1, kCode, Item({}, kCode));
            setItem(rowCount() - 1, kAmount, Item({}, kAmount));
        }
        break;
    case Qt::Key_Delete:
        // Outside a cell's editor, Delete and Ctrl+Delete remove the row.
        if (!(event->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier))) {
            DeleteCurrentRow();
            return;
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace dz
