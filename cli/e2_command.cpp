// `dovazez-cli e2 --file E2FILE [--out E2FILE2]`: the statement's arithmetic as the E2 window
// does it with automatic calculation on, as JSON; optionally the recalculated statement written.
#include <QFileInfo>
#include <QJsonArray>
#include <cstdio>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/e2_statement_file.h"
#include "e2calc/e2_statement.h"
#include "model/atomic_file.h"
#include "model/errors.h"

namespace dz::cli {
namespace {

constexpr int kFirstIncomeColumn = 13;  // the form's number of the first income column

QJsonArray Numbers(const std::array<double, kE2IncomeColumns>& values) {
    QJsonArray numbers;
    for (double v : values) numbers.append(v);
    return numbers;
}

QJsonObject Report(const E2Record& record, const std::array<int, kE2Table1Rows>& incomeColumns) {
    QJsonArray rows;
    for (int r = 0; r < kE2Table1Rows; ++r) {
        const E2Record::Table1Row& row = record.Table1[r];
        rows.append(QJsonObject{
            {QStringLiteral("row"), r + 1},
            {QStringLiteral("months"), row.Months},
            {QStringLiteral("rent"), row.Rent},
            {QStringLiteral("share"), row.Share.ToString()},
            {QStringLiteral("lease"), record.LeaseType[r].ToString()},
            {QStringLiteral("incomeColumn"),
             incomeColumns[r] < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(kFirstIncomeColumn + incomeColumns[r])},
            {QStringLiteral("columns"), Numbers(row.Income)},
        });
    }
    return {{QStringLiteral("rows"), rows}, {QStringLiteral("totals"), Numbers(record.Totals)}};
}

}  // namespace

int RunE2(const QStringList& arguments) {
    QStringList args = arguments;
    std::optional<QString> file, out;
    try {
        file = TakeOption(args, QStringLiteral("--file"));
        out = TakeOption(args, QStringLiteral("--out"));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "dovazez-cli e2: %s\n", e.message.toUtf8().constData());
        return kExitUsage;
    }
    if (!file || !args.isEmpty()) {
        std::fputs("dovazez-cli e2: usage: e2 --file E2FILE [--out E2FILE2]\n", stderr);
        return kExitUsage;
    }
    E2Record record = ReadE2Statement(*file);
    QuietDialogs quiet;  // a refused share shows as its emptied text
    const auto incomeColumns = RecalculateE2(record, quiet);
    if (out) {
        E2Image image{};
        EncodeE2(record, image.data());
        WriteFileAtomically(*out, QByteArray(reinterpret_cast<const char*>(image.data()), image.size()));
    }
    WriteJson(Report(record, incomeColumns));
    return kExitOk;
}

}  // namespace dz::cli
