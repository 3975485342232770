// The statement's recalculation: the row arithmetic applied to the record's rows, amounts rounded as shown.
#include "e2calc/e2_statement.h"

#include "model/amount_text.h"

namespace dz {

double AsShownAmount(double value) {
    if (value == 0) return 0;
    // As an amount field reads back the amount text it shows.
    return ParseDecimal(StripThousands(FormatAmount(value))).value_or(value);
}

std::array<int, kE2Table1Rows> RecalculateE2(E2Record& record, Dialogs& dialogs) {
    std::array<int, kE2Table1Rows> incomeColumns{};
    std::array<IncomeColumns, kE2Table1Rows> shown{};
    for (int r = 0; r < kE2Table1Rows; ++r) {
        E2Record::Table1Row& row = record.Table1[r];
        E2RowInput input{row.From.ToString(), row.To.ToString(), row.Share.ToString(), AsShownAmount(row.Rent),
                         record.LeaseType[r].ToString(), {}};
        for (int c = 0; c < kE2IncomeColumns; ++c) input.columns[c] = AsShownAmount(row.Income[c]);
        const E2RowResult result = CalcE2Row(input, dialogs);

        row.Months = AsShownAmount(result.months);
        row.Rent = result.rentDerived ? AsShownAmount(result.rent) : input.rent;
        if (result.clearShare) row.Share = {};
        if (result.clearLeaseType) record.LeaseType[r] = {};
        for (int c = 0; c < kE2IncomeColumns; ++c)
            row.Income[c] = c == result.incomeColumn ? AsShownAmount(result.columns[c]) : 0.0;
        shown[r] = row.Income;
        incomeColumns[r] = result.incomeColumn;
    }
    const IncomeColumns totals = ColumnTotals(shown);
    for (int c = 0; c < kE2IncomeColumns; ++c) record.Totals[c] = AsShownAmount(totals[c]);
    DeriveIncomeFlags(record);
    return incomeColumns;
}

}  // namespace dz
