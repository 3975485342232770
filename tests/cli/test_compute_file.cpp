// dovazez-cli compute --file: a saved declaration computed with the values its boxes would show.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"
#include "support/test_folder.h"

namespace {

using dz::test::RunCli;

QJsonObject Compute(const QStringList& args, const QByteArray& input = {}) {
    const auto r = RunCli(args, input);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

void Build(const char* path, const QByteArray& json) {
    const auto r = RunCli({"build", "--kind", "e1", "--out", path}, json);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
}

TEST(CliComputeFile, CodesReachTheComputationAsTheBoxesShowThem) {
    dz::test::TestFolder folder;
    // 12,345 shows as 12,35; 2.5 in a whole-number box shows as 2; code 019 has no box;
    // the later entry for 303 wins; a yes/no code stored as 0 stays unticked; 093 = 1 ticks
    // the large-city seat.
    Build("E1.dta", R"({"Married": true, "LateMonths": 3, "FeeExemptSpouse": true, "FeeSeatTouristTaxpayer": true,
        "Codes": [[301, 30000.004], [303, 100], [303, 2500], [302, 12.345], [5, 2.5], [19, 999], [13, 0],
                  [327, 1], [93, 1], [95, 2], [401, 20000], [402, 15000]]})");
    const QJsonObject fromFile = Compute({"compute", "--file", "E1.dta"});
    const QJsonObject fromJson = Compute({"compute"}, R"({
        "amounts": {"301": 30000, "303": 2500, "302": 12.35, "005": 2, "093": 1, "095": 2, "401": 20000, "402": 15000},
        "ticked": [327], "married": true, "lateMonths": 3,
        "feeExempt": [false, true], "feeSeatTourist": [true, false], "feeSeatLargeCity": [true, false]})");
    ASSERT_FALSE(fromFile.isEmpty());
    for (auto it = fromJson.begin(); it != fromJson.end(); ++it)
        EXPECT_EQ(fromFile.value(it.key()), it.value()) << it.key().toStdString();
}

TEST(CliComputeFile, LargeCarsGiveLuxuryTaxFromTheRecord) {
    dz::test::TestFolder folder;
    const QByteArray car = R"({"Car": [{"Cc": 3000, "FirstYear": 2012, "Months": 12, "SharePercent": 100}],
                               "Codes": [[301, 40000], [851, 9000]]})";
    Build("car.dta", car);
    Build("nocar.dta", R"({"Codes": [[301, 40000], [851, 9000]]})");
    const QJsonObject withCar = Compute({"compute", "--file", "car.dta"});
    const QJsonObject without = Compute({"compute", "--file", "nocar.dta"});
    EXPECT_GT(withCar["LuxuryTax"].toArray()[0].toDouble(), 0.0);
    EXPECT_EQ(without["LuxuryTax"].toArray()[0].toDouble(), 0.0);
}

TEST(CliComputeFile, BadFilesAndArguments) {
    dz::test::TestFolder folder;
    folder.writeFile("short.dta", QByteArray(50, '\0'));
    EXPECT_EQ(RunCli({"compute", "--file", "short.dta"}).status, 1);
    EXPECT_EQ(RunCli({"compute", "--file", "missing.dta"}).status, 1);
    EXPECT_EQ(RunCli({"compute", "--file"}).status, 2);
    folder.writeFile("empty.dta", QByteArray(6991, '\0'));
    const QJsonObject empty = Compute({"compute", "--file=empty.dta"});
    EXPECT_TRUE(empty["EmptyDeclaration"].toBool());
}

}  // namespace
