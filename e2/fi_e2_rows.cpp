// The row menu of table 1: copying, pasting, clearing, inserting and deleting rows, moving a property to table 2.
#include <QAction>
#include <QLineEdit>

#include "controls/user_dialogs.h"
#include "controls/stored_text.h"
#include "e2/e2_texts.h"
#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"

namespace dz {

bool TfiE2::ValidRow() const { return CurrentRow >= 1 && CurrentRow <= kE2Table1Rows; }

QStringList TfiE2::RowTexts(int row) const {
    QStringList texts;
    for (const char* column : e2::kRowColumns) texts << Field(column, row)->text();
    return texts;
}

void TfiE2::SetRowTexts(int row, const QStringList& texts) {
    int k = 0;
    for (const char* column : e2::kRowColumns) SetStoredText(Field(column, row), texts.value(k++));
}

void TfiE2::ClearRow(int row) { SetRowTexts(row, QStringList()); }

void TfiE2::CopyRow(int from, int to) {
    RowClipboard = RowTexts(from);
    SetRowTexts(to, RowClipboard);
}

void TfiE2::miCopyClick() {
    if (!ValidRow()) return;
    RowClipboard = RowTexts(CurrentRow);
    miPaste->setEnabled(true);
}

void TfiE2::miPasteClick() {
    if (!ValidRow() || RowClipboard.size() != kRowColumns) return;
    SetRowTexts(CurrentRow, RowClipboard);
    modified_ = true;
    RecalculateAll();
}

void TfiE2::miClearClick() {
    if (!ValidRow()) return;
    ClearRow(CurrentRow);
    modified_ = true;
    RecalculateAll();
}

void TfiE2::miInsertClick() {
    if (!ValidRow()) return;
    for (int k = kE2Table1Rows; k > CurrentRow; --k) CopyRow(k - 1, k);
    ClearRow(CurrentRow);
    modified_ = true;
    RecalculateAll();
    miPaste->setEnabled(false);
}

void TfiE2::miDeleteClick() {
    if (!ValidRow()) return;
    for (int k = CurrentRow + 1; k <= kE2Table1Rows; ++k) CopyRow(k, k - 1);
    ClearRow(kE2Table1Rows);
    modified_ = true;
    RecalculateAll();
    miPaste->setEnabled(false);
}

void TfiE2::mTransferToPin2Click() {
    if (!ValidRow()) return;
    for (int m = 1; m <= kE2Table2Rows; ++m) {
        if (!Field("edPin2Topos%1", m)->text().isEmpty()) continue;
        for (const e2::TransferredField& f : e2::kTransferredFields) {
            const QString text = Field(f.from, CurrentRow)->text();
            // A position's field holds what any position holds; a column of table 2 keeps what
            // its own record field can (four characters of the surface).
            if (f.toPosition) SetStoredText(Field(f.to, m + kE2Table1Rows), text);
            else Field(f.to, m)->setText(text);
        }
        modified_ = true;
        return;
    }
    AppDialogs().Inform(e2::kNoFreeTable2Row);
}

}  // namespace dz
