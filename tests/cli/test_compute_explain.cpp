// dovazez-cli compute --explain: the same results, and per result its codes, inputs, rules and Greek text.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"
#include "support/test_folder.h"

namespace {

using dz::test::RunCli;

QJsonObject Computed(const QStringList& args, const QByteArray& input = {}) {
    const auto r = RunCli(args, input);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).object();
}

QStringList Strings(const QJsonValue& v) {
    QStringList list;
    for (const QJsonValue& e : v.toArray()) list << e.toString();
    return list;
}

TEST(CliComputeExplain, TheResultsAreTheComputedOnesAndEachNamesWhereItCameFrom) {
    dz::test::TestFolder folder;
    // Code 093 ticked is the taxpayer's seat in a large city, in the file as in the JSON.
    const QByteArray input =
        R"({"amounts": {"301": 30000, "049": 2000, "302": 15000, "101": 6000, "093": 1}, "married": true,
            "feeSeatLargeCity": [true, false]})";
    const auto build = RunCli({"build", "--kind", "e1", "--out", "E1.dta"},
                              R"({"Married": true, "Codes": [[301, 30000], [49, 2000], [302, 15000], [101, 6000], [93, 1]]})");
    ASSERT_EQ(build.status, 0) << build.err.toStdString();
    struct Case {
        const char* name;
        QStringList args;
        QByteArray input;
    };
    const Case cases[] = {{"JSON input", {"compute"}, input}, {"a saved file", {"compute", "--file", "E1.dta"}, {}}};
    for (const Case& c : cases) {
        QJsonObject explained = Computed(c.args + QStringList{"--explain"}, c.input);
        const QJsonObject plain = Computed(c.args, c.input);
        const QJsonObject explain = explained.take("explain").toObject();
        EXPECT_EQ(explained, plain) << c.name << ": the results are those of compute";
        for (auto it = plain.begin(); it != plain.end(); ++it)
            EXPECT_TRUE(explain.contains(it.key())) << c.name << ": " << it.key().toStdString() << " explained";

        const QJsonObject tax = explain.value("IncomeTaxDue").toObject();
        const QStringList codes = Strings(tax.value("codes"));
        for (const char* code : {"301", "302", "049"}) EXPECT_TRUE(codes.contains(code)) << c.name << ": " << code;
        EXPECT_FALSE(codes.contains("709")) << c.name << ": a car box the tax never read";
        EXPECT_TRUE(Strings(tax.value("steps")).contains(QStringLiteral("Κλίμακα μισθωτών και συνταξιούχων"))) << c.name;
        const QString text = tax.value("text").toString();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Φόρος που αναλογεί: υπόχρεος "))) << c.name << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("301 (30.000,00)"))) << c.name << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("22% έως 25.000,00 €"))) << c.name << ": the scale's bands";

        EXPECT_TRUE(Strings(explain.value("ProfessionalFee").toObject().value("inputs")).contains("FeeSeatLargeCity[0]"))
            << c.name;
        EXPECT_TRUE(Strings(explain.value("RentalIncome").toObject().value("codes")).contains("101")) << c.name;
        EXPECT_FALSE(Strings(explain.value("RentalIncome").toObject().value("codes")).contains("301")) << c.name;
    }
}

TEST(CliComputeExplain, BadUsageIsStillRefused) {
    EXPECT_EQ(RunCli({"compute", "--explain", "extra"}, "{}").status, 2);
    EXPECT_EQ(RunCli({"compute", "--explain"}, "not json").status, 1);
}

}  // namespace
