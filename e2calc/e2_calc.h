// The arithmetic of an E2 table-1 row: dates, months of a lease, co-ownership share, income column, totals.
#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "model/dialogs.h"
#include "model/e2_record.h"

namespace dz {

inline const QString kBadShareText = QStringLiteral("Δεν έχετε δηλώσει σωστά τα ποσοστά");

using IncomeColumns = std::array<double, kE2IncomeColumns>;

// Days of a month for the months rule: February 28 (no leap years), 30 for April, June,
// September and November, 31 for every other number.
int DaysOfMonth(int month);

// A day/month of 2014 as the field keeps it: "1/3" becomes "01/03"; an empty text stays empty;
// a text that is no date of 2014 (29/02, 31/04, a lone day, other characters) becomes empty.
QString NormalizeDate(QStringView text);

// Months of a lease from day/month `from` to day/month `to` (characters 1-2 the day, 4-5 the
// month), cut towards zero to one decimal; 0 when either date does not read.
double MonthsBetween(QStringView from, QStringView to);

// A co-ownership share: the fraction a / b.
struct Share {
    double a = 0;
    double b = 100;
    friend bool operator==(const Share&, const Share&) = default;
};

// `text` has its decimal commas already turned into points. "a/b" is a fraction, a plain number
// a percentage; a zero denominator gives 0/1.
Share ParseShare(QStringView text);

// False, after kBadShareText, for a share above the whole (a / b > 1).
bool CheckShare(QStringView text, Dialogs& dialogs);

// The lease type of a row's text: 0 for an empty text, nothing for a text that is not a whole number.
std::optional<int> ReadLeaseType(QStringView text);

// What the row calculation reads from a table-1 row.
struct E2RowInput {
    QString from;
    QString to;
    QString share;
    double rent = 0;       // the monthly rent field's value
    QString leaseType;
    IncomeColumns columns{};  // the values of form columns 13 to 16
};

// What it gives back for the row's fields.
struct E2RowResult {
    double months = 0;
    bool rentDerived = false;  // the rent was 0: the rent field takes `rent` (empty when 0)
    double rent = 0;           // unrounded
    int incomeColumn = -1;     // 0..3 for form columns 13..16, -1 for none
    bool columnOpen = false;   // the income column is open for the yearly amount (rent 0)
    IncomeColumns columns{};   // every column's new value; the income unrounded
    bool clearShare = false;      // the share was refused: the field is emptied
    bool clearLeaseType = false;  // the lease type was no whole number: the field is emptied
};

// The row calculation; a share above the whole is reported through `dialogs`.
E2RowResult CalcE2Row(const E2RowInput& row, Dialogs& dialogs);

// Column totals over the rows, added in row order.
IncomeColumns ColumnTotals(const std::array<IncomeColumns, kE2Table1Rows>& rows);

}  // namespace dz
