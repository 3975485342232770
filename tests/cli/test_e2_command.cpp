// dovazez-cli e2: a saved statement's arithmetic as JSON, the recalculated statement written
// whole on request, bad files refused with one line; batch lists the statements of a folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"
#include "e2calc/e2_statement.h"
#include "model/e1_declaration.h"
#include "model/text1253.h"
#include "support/test_folder.h"

namespace dz {
namespace {

using test::RunCli;

struct Row {
    int index;
    const char* from;
    const char* to;
    double rent;
    const char* share;
    const char* lease;
    std::array<double, kE2IncomeColumns> columns{};
};

E2Record Statement(const char* afm, const char* surname, std::initializer_list<Row> rows) {
    E2Record record;
    ClearE2Record(record);
    AssignCut(record.Afm, QString::fromUtf8(afm), "Afm");
    AssignCut(record.Surname, QString::fromUtf8(surname), "Surname");
    for (const Row& row : rows) {
        auto& t = record.Table1[row.index];
        AssignCut(t.From, QString::fromUtf8(row.from), "From");
        AssignCut(t.To, QString::fromUtf8(row.to), "To");
        AssignCut(t.Share, QString::fromUtf8(row.share), "Share");
        AssignCut(record.LeaseType[row.index], QString::fromUtf8(row.lease), "LeaseType");
        t.Rent = row.rent;
        t.Income = row.columns;
    }
    return record;
}

QByteArray Image(const E2Record& record) {
    E2Image image{};
    EncodeE2(record, image.data());
    return QByteArray(reinterpret_cast<const char*>(image.data()), image.size());
}

const std::initializer_list<Row> kRows = {
    {0, "01/01", "31/12", 500, "50", "10"},
    {1, "01/01", "31/12", 500, "1/3", "10"},
    {2, "01/01", "31/12", 0, "100", "1", {1200, 0, 0, 0}},
    {3, "01/01", "31/12", 500, "150", "24"},
    {4, "15/03", "31/12", 1000, "100", "26"},
    {5, "06/01", "05/03", 100, "100", "23"},
};

TEST(CliE2, TheArithmeticOfEveryRowAndTheTotals) {
    test::TestFolder folder;
    folder.writeFile("E2.dta", Image(Statement("123456783", "ΠΑΠΑΣ", kRows)));
    const auto r = RunCli({"e2", "--file", "E2.dta"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << "no message for the refused share: " << r.err.toStdString();
    const QJsonObject out = QJsonDocument::fromJson(r.out).object();
    const QJsonArray rows = out["rows"].toArray();
    ASSERT_EQ(rows.size(), kE2Table1Rows);
    const struct {
        const char* name;
        int row;
        double months, rent;
        const char* share;
        const char* lease;
        QJsonValue column;
        QJsonArray columns;
    } cases[] = {
        {"12 x 500 x 50 %", 1, 12, 500, "50", "10", 14, {0, 3000, 0, 0}},
        {"a third", 2, 12, 500, "1/3", "10", 14, {0, 2000, 0, 0}},
        {"a yearly amount with rent 0", 3, 12, 100, "100", "1", 13, {1200, 0, 0, 0}},
        {"a refused share", 4, 12, 500, "", "24", 15, {0, 0, 0, 0}},
        {"15/03-31/12", 5, 9.5, 1000, "100", "26", 16, {0, 0, 0, 9500}},
        {"06/01-05/03", 6, 2, 100, "100", "23", 15, {0, 0, 200, 0}},
        {"an empty row", 7, 0, 0, "", "", QJsonValue::Null, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const QJsonObject row = rows[c.row - 1].toObject();
        EXPECT_EQ(row["row"].toInt(), c.row) << c.name;
        EXPECT_EQ(row["months"].toDouble(), c.months) << c.name;
        EXPECT_EQ(row["rent"].toDouble(), c.rent) << c.name;
        EXPECT_EQ(row["share"].toString(), QString::fromUtf8(c.share)) << c.name;
        EXPECT_EQ(row["lease"].toString(), QString::fromUtf8(c.lease)) << c.name;
        EXPECT_EQ(row["incomeColumn"], c.column) << c.name;
        EXPECT_EQ(row["columns"].toArray(), c.columns) << c.name;
    }
    EXPECT_EQ(out["totals"].toArray(), (QJsonArray{1200, 5000, 200, 9500}));
}

TEST(CliE2, OutWritesTheRecalculatedStatementWhole) {
    test::TestFolder folder;
    const E2Record stored = Statement("123456783", "ΠΑΠΑΣ", kRows);
    folder.writeFile("E2.dta", Image(stored));
    ASSERT_EQ(RunCli({"e2", "--file", "E2.dta", "--out", "E2new.dta"}).status, 0);
    E2Record expected = stored;
    QuietDialogs quiet;
    RecalculateE2(expected, quiet);
    EXPECT_EQ(folder.readFile("E2new.dta"), Image(expected));
    EXPECT_EQ(folder.readFile("E2.dta"), Image(stored)) << "the statement read is left as it was";
    const QJsonObject dumped = QJsonDocument::fromJson(RunCli({"dump", "E2new.dta"}).out).object();
    EXPECT_EQ(dumped["Totals"].toArray(), (QJsonArray{1200, 5000, 200, 9500})) << "through dump";

    const auto blocked = RunCli({"e2", "--file", "E2.dta", "--out", "missing/E2new.dta"});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_TRUE(blocked.err.contains("missing/E2new.dta")) << blocked.err.toStdString();
    EXPECT_FALSE(folder.exists("missing"));
}

TEST(CliE2, FilesThatAreNoStatementAndBadUsage) {
    test::TestFolder folder;
    folder.writeFile("E1.dta", QByteArray(kE1FileSize, '\0'));
    folder.writeFile("half.dta", QByteArray(kE2FileSize / 2, '\0'));
    const struct {
        const char* name;
        QStringList args;
        int status;
        const char* says;
    } cases[] = {
        {"a missing file", {"e2", "--file", "none.dta"}, 1, "none.dta"},
        {"an E1 declaration", {"e2", "--file", "E1.dta"}, 1, "not an E2"},
        {"a damaged statement", {"e2", "--file", "half.dta"}, 1, "not an E2"},
        {"a folder", {"e2", "--file", "."}, 1, ""},
        {"no file named", {"e2"}, 2, "usage"},
        {"--file without its value", {"e2", "--file"}, 2, ""},
        {"an unknown option", {"e2", "--file", "E1.dta", "--all"}, 2, "usage"},
    };
    for (const auto& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << c.name << ": one line: " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
    }
}

TEST(CliBatch, StatementsFollowInACsvOfTheirOwn) {
    test::TestFolder folder;
    folder.makeFolder("Tables");
    folder.writeFile("Tables/E2123456783.dta", Image(Statement("123456783", "ΠΑΠΑΣ, ΝΙΚΟΣ", kRows)));
    folder.writeFile("Tables/E2100000090.dta", Image(Statement("100000090", "ΑΛΦΑ", {{0, "01/07", "31/12", 300, "100", "1"}})));
    folder.writeFile("Tables/E2999.dta", QByteArray(100, '\0'));
    folder.writeFile("Tables/E2123456783.dta.lock", "{}");
    const auto r = RunCli({"batch", "Tables"});
    EXPECT_EQ(r.status, 1) << "the damaged statement is named and skipped";
    EXPECT_TRUE(r.err.contains("E2999.dta")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(".lock")) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 5) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("afm,surname,first_name,total_income_taxpayer")) << "no E1 declarations: their header";
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "afm,surname,first_name,total_13,total_14,total_15,total_16");
    EXPECT_EQ(lines[3], "100000090,ΑΛΦΑ,,1800.00,0.00,0.00,0.00");
    EXPECT_EQ(lines[4], "123456783,\"ΠΑΠΑΣ, ΝΙΚΟΣ\",,1200.00,5000.00,200.00,9500.00");
}

}  // namespace
}  // namespace dz
