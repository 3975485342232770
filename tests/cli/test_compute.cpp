// dovazez-cli compute: JSON in, the whole result set out; bad input and bad usage refused.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"

namespace {

using dz::test::CliResult;

CliResult Compute(const QByteArray& input, const QStringList& extra = {}) {
    return dz::test::RunCli(QStringList{QStringLiteral("compute")} + extra, input);
}

QJsonObject ComputeOk(const QByteArray& input) {
    const CliResult run = Compute(input);
    EXPECT_EQ(run.status, 0) << run.err.constData();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.constData();
    return doc.object();
}

double Person(const QJsonObject& o, const char* key, int p) { return o.value(QLatin1String(key)).toArray()[p].toDouble(); }

TEST(CliCompute, SingleSalary) {
    const QJsonObject o = ComputeOk(R"({"amounts": {"301": 30000, "049": 2000}, "ticked": [13], "married": false})");
    EXPECT_FALSE(o.value("EmptyDeclaration").toBool());
    EXPECT_FALSE(o.value("Married").toBool());
    EXPECT_EQ(Person(o, "SalaryIncome", 0), 30000);
    EXPECT_EQ(Person(o, "ReceiptsShortfallTax", 0), -220);
    EXPECT_EQ(o.value("ReceiptsDeclared").toDouble(), 2000);
    const QJsonArray tax = o.value("CategoryTax").toArray();
    ASSERT_EQ(tax.size(), 2);
    EXPECT_EQ(tax[0].toArray().size(), 9);
    EXPECT_EQ(o.value("DeductionItems").toArray()[1].toArray().size(), 5);
    EXPECT_EQ(o.value("ReductionItems").toArray()[0].toArray().size(), 17);
    EXPECT_EQ(o.value("ReductionItems").toArray()[0].toArray()[0].toDouble(), 1200);
    for (const char* key : {"ExcessToSalary", "ExcessToBusiness", "ExcessToAgri", "Code709", "Code710", "FinalBalance",
                            "PresumptionExcess", "RentalIncome", "LeviesTotal", "SolidarityRate"}) {
        EXPECT_TRUE(o.contains(QLatin1String(key))) << key;
    }
}

TEST(CliCompute, JointInputsAndDerivedCodes) {
    const QJsonObject o = ComputeOk(R"({
        "amounts": {"302": 12000, "851": 4400.5, "853": 100, "864": 7},
        "lateMonths": 2,
        "feeExempt": [false, false], "feeSeatTourist": [true, false], "feeSeatLargeCity": [false, true],
        "luxury": {"base5": [6160, 0], "tax5": [308, 0], "tax13": [0, 13]}})");
    EXPECT_TRUE(o.value("Married").toBool());
    EXPECT_EQ(o.value("Code709").toDouble(), 4500.5);
    EXPECT_EQ(o.value("Code710").toDouble(), 7);
    EXPECT_EQ(Person(o, "ProfessionalFee", 0), 800);
    EXPECT_EQ(Person(o, "ProfessionalFee", 1), 1000);
    EXPECT_EQ(Person(o, "LuxuryTax", 0), 308);
    EXPECT_EQ(Person(o, "LuxuryTax", 1), 13);
}

TEST(CliCompute, EmptyDeclarationAndNumberForm) {
    const CliResult run = Compute(R"({"ticked": [1, 7, 13]})");
    ASSERT_EQ(run.status, 0) << run.err.constData();
    const QJsonObject o = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(o.value("EmptyDeclaration").toBool());
    EXPECT_EQ(o.value("FinalBalance").toDouble(), 0);
    EXPECT_FALSE(run.out.contains("-0")) << "a signed zero is written as 0";
    EXPECT_TRUE(ComputeOk("{}").value("EmptyDeclaration").toBool());
}

TEST(CliCompute, NumbersReadBackExactly) {
    const CliResult run = Compute(R"({"amounts": {"301": 30000, "315": 5000}})");
    ASSERT_EQ(run.status, 0);
    // 5000 / 0.985 needs 16 or 17 digits to read back as the same double.
    EXPECT_TRUE(run.out.contains("\"SalaryTaxWithheld\": [5076.1421319796955, 0]")) << run.out.constData();
}

TEST(CliCompute, BadInputIsRefused) {
    const struct {
        const char* name;
        const char* input;
        const char* mentions;
    } cases[] = {
        {"not JSON", "{", "JSON"},
        {"not an object", "[1, 2]", "object"},
        {"code above 1000", R"({"amounts": {"1001": 5}})", "1001"},
        {"code not a number", R"({"amounts": {"3O1": 5}})", "3O1"},
        {"negative code", R"({"amounts": {"-1": 5}})", "-1"},
        {"value not a number", R"({"amounts": {"301": "5"}})", "301"},
        {"ticked code outside", R"({"ticked": [1001]})", "ticked"},
        {"ticked not a whole number", R"({"ticked": [13.5]})", "ticked"},
        {"code both amount and ticked", R"({"amounts": {"013": 1}, "ticked": [13]})", "13"},
        {"married not boolean", R"({"married": 1})", "married"},
        {"late months not whole", R"({"lateMonths": 1.5})", "lateMonths"},
        {"fee flags not two", R"({"feeExempt": [true]})", "feeExempt"},
        {"luxury unknown key", R"({"luxury": {"base7": [1, 2]}})", "base7"},
        {"luxury value not a number", R"({"luxury": {"tax5": [1, "x"]}})", "tax5"},
    };
    for (const auto& c : cases) {
        const CliResult run = Compute(c.input);
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
        EXPECT_EQ(run.err.count('\n'), 1) << c.name << ": " << run.err.constData();
        EXPECT_TRUE(run.err.contains(c.mentions)) << c.name << ": " << run.err.constData();
    }
}

TEST(CliCompute, BadUsage) {
    const CliResult run = Compute("{}", {QStringLiteral("--frobnicate")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
}

}  // namespace
