// The E2 window's row calculation: reading a row's fields, writing its months, rent and income columns, the totals.
#include <QToolButton>

#include "controls/user_dialogs.h"
#include "controls/edit_real.h"
#include "e2calc/e2_calc.h"
#include "e2/fi_e2.h"

namespace dz {

bool TfiE2::AutomaticCalculation() const { return sbCalcOff->isChecked(); }

void TfiE2::CalcE2(int row) {
    if (!AutomaticCalculation() || row < 1 || row > kE2Table1Rows) return;
    const RowFields& f = rows_[row - 1];
    for (TEditReal* column : f.columns) column->setEnabled(false);
    const E2RowResult result = CalcE2Row(RowInput(row), AppDialogs());

    f.months->SetValue(result.months);
    if (result.clearShare) f.share->clear();
    if (result.clearLeaseType) f.leaseType->clear();
    for (int c = 0; c < kE2IncomeColumns; ++c) {
        if (c == result.incomeColumn && result.columnOpen) OpenColumn(f.columns[c]);
        if (c != result.incomeColumn) f.columns[c]->SetValue(0);
    }
    if (result.rentDerived) f.rent->SetValue(result.rent);
    if (result.incomeColumn >= 0) f.columns[result.incomeColumn]->SetValue(result.columns[result.incomeColumn]);
    CalcTotals();
}

E2RowInput TfiE2::RowInput(int row) const {
    const RowFields& f = rows_[row - 1];
    E2RowInput input{f.date1->text(), f.date2->text(), f.share->text(), f.rent->Value(), f.leaseType->text(), {}};
    for (int c = 0; c < kE2IncomeColumns; ++c) input.columns[c] = f.columns[c]->Value();
    return input;
}

void TfiE2::CalcTotals() {
    if (!AutomaticCalculation()) return;
    std::array<IncomeColumns, kE2Table1Rows> values{};
    for (int r = 0; r < kE2Table1Rows; ++r)
        for (int c = 0; c < kE2IncomeColumns; ++c) values[r][c] = rows_[r].columns[c]->Value();
    const IncomeColumns totals = ColumnTotals(values);
    for (int c = 0; c < kE2IncomeColumns; ++c) totals_[c]->SetValue(totals[c]);
}

void TfiE2::RecalculateAll() {
    for (int row = 1; row <= kE2Table1Rows; ++row) CalcE2(row);
    CalcTotals();
}

void TfiE2::edDate11Exit(EditField* field, int row) {
    if (!field->text().isEmpty()) {
        const QString date = NormalizeDate(field->text());
        if (date != field->text()) field->setText(date);
    }
    CalcE2(row);
}

}  // namespace dz
