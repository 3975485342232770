// The E2 row arithmetic: months between two day/months, shares, the income of a row and the totals.
#include "e2calc/e2_calc.h"

#include <QDate>
#include <QLocale>
#include <cmath>

#include "model/amount_text.h"

namespace dz {
namespace {

constexpr int kYear = 2014;
constexpr int kShareTextLength = 8;
constexpr int kSharePartLength = 10;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A number written with digits and at most one "." (optional blanks around, optional sign);
// nothing for any other text.
std::optional<double> ReadPlainNumber(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) ++digits;
        else if (text[i] == u'.' && !point) point = true;
        else return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok) return std::nullopt;
    return value;
}

// The number at the start of a share part: its leading digits and decimals; 0 when the part
// does not begin with a digit.
double ReadLeadingNumber(QStringView part) {
    part = part.left(kSharePartLength).trimmed();
    qsizetype end = 0;
    while (end < part.size() && IsDigit(part[end])) ++end;
    if (end == 0) return 0;
    qsizetype digitsEnd = end;
    if (end < part.size() && part[end] == u'.') {
        ++end;
        while (end < part.size() && IsDigit(part[end])) ++end;
        if (end > digitsEnd + 1) digitsEnd = end;
    }
    return QLocale::c().toDouble(part.left(digitsEnd));
}

int DaysOfMonthNumber(double month) {
    // Any month outside 1..12 counts 31 days; rounding a far-off number would not fit an int.
    if (!(std::fabs(month) < 100)) return 31;
    return DaysOfMonth(static_cast<int>(std::nearbyint(month)));
}

// Cuts towards zero to one decimal. Whole-day periods are exact multiples of a tenth only up
// to the floating-point error of their fractions of months (06/01 to 05/03 is 2 months but
// computes as 1.9999999999999998): that error is not allowed to lose a tenth.
double CutToTenths(double months) {
    constexpr double kTolerance = 1e-9;
    return std::trunc(months * 10 + std::copysign(kTolerance, months)) / 10;
}

}  // namespace

int DaysOfMonth(int month) {
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

QString NormalizeDate(QStringView text) {
    if (text.isEmpty()) return QString();
    const QString full = text.toString() + QStringLiteral("/%1").arg(kYear);
    const QStringList parts = full.split(u'/');
    if (parts.size() != 3) return QString();
    int numbers[3] = {};
    for (int k = 0; k < 3; ++k) {
        const QString part = parts[k].trimmed();
        if (part.isEmpty() || part.size() > 4) return QString();
        for (QChar c : part)
            if (!IsDigit(c)) return QString();
        numbers[k] = part.toInt();
    }
    const QDate date(numbers[2], numbers[1], numbers[0]);
    if (!date.isValid()) return QString();
    return date.toString(QStringLiteral("dd/MM"));
}

double MonthsBetween(QStringView from, QStringView to) {
    struct DayMonth {
        double day = 0;
        double month = 0;
        bool valid = false;
    };
    const auto read = [](QStringView text) {
        const QString full = (text.toString() + QStringLiteral("/2011")).left(10);
        DayMonth date;
        const auto day = ReadPlainNumber(QStringView(full).mid(0, 2));
        const auto month = ReadPlainNumber(QStringView(full).mid(3, 2));
        if (day && month) date = {*day, *month, true};
        return date;
    };
    const DayMonth start = read(from);
    const DayMonth end = read(to);
    if (!start.valid || !end.valid) return 0;
    const double endDays = DaysOfMonthNumber(end.month);
    const double startDays = DaysOfMonthNumber(start.month);
    const double monthTo = end.month - (endDays - end.day) / endDays;
    const double monthFrom = start.month + (start.day - 1) / startDays;
    const double months = monthTo - monthFrom + 1;
    return months == 0 ? 0 : CutToTenths(months);
}

Share ParseShare(QStringView text) {
    Share share;
    if (const qsizetype slash = text.indexOf(u'/'); slash >= 0) {
        share.a = ReadLeadingNumber(text.left(slash));
        share.b = ReadLeadingNumber(text.mid(slash + 1));
    } else {
        share.a = ReadLeadingNumber(text);
        share.b = 100;
    }
    if (share.b == 0) share = {0, 1};
    return share;
}

bool CheckShare(QStringView text, Dialogs& dialogs) {
    QString point = text.toString();
    if (const qsizetype comma = point.indexOf(u','); comma >= 0) point[comma] = u'.';
    const Share share = ParseShare(point);
    if (share.a / share.b > 1) {
        dialogs.Inform(kBadShareText);
        return false;
    }
    return true;
}

std::optional<int> ReadLeaseType(QStringView text) {
    if (text.isEmpty()) return 0;
    return ParseInteger(text);
}

E2RowResult CalcE2Row(const E2RowInput& row, Dialogs& dialogs) {
    E2RowResult result;
    result.months = MonthsBetween(row.from, row.to);

    const QString share = row.share.left(kShareTextLength).replace(u',', u'.');
    Share fraction = ParseShare(share);
    if (!CheckShare(share, dialogs)) {
        fraction = {0, 0};
        result.clearShare = true;
    }

    double rent = row.rent;
    const std::optional<int> leaseType = ReadLeaseType(row.leaseType);
    result.clearLeaseType = !leaseType;
    result.incomeColumn = IncomeColumnOfLeaseType(leaseType.value_or(0));
    result.columnOpen = result.incomeColumn >= 0 && rent == 0;

    for (int c = 0; c < kE2IncomeColumns; ++c)
        result.columns[c] = c == result.incomeColumn ? row.columns[c] : 0.0;

    if (rent == 0) {
        // The yearly amount typed into the income column gives the monthly rent.
        for (double column : result.columns) {
            if (result.months != 0) rent = column / result.months;
            if (rent != 0) break;
        }
        result.rentDerived = true;
    }
    result.rent = rent;

    double income = 0;
    if (fraction.b > 0) {
        const long double product = static_cast<long double>(rent) * result.months;
        income = static_cast<double>(fraction.a * product / fraction.b);
    }
    if (result.incomeColumn >= 0) result.columns[result.incomeColumn] = income;
    return result;
}

IncomeColumns ColumnTotals(const std::array<IncomeColumns, kE2Table1Rows>& rows) {
    IncomeColumns totals{};
    for (const IncomeColumns& row : rows)
        for (int c = 0; c < kE2IncomeColumns; ++c) totals[c] += row[c];
    return totals;
}

}  // namespace dz
