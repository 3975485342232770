// dovazez-cli batch: a folder of declarations to one CSV, damaged files named and skipped.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"
#include "support/test_folder.h"

namespace {

using dz::test::RunCli;

void Build(const QString& path, const QByteArray& json) {
    const auto r = RunCli({"build", "--kind", "e1", "--out", path}, json);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
}

TEST(CliBatch, OneLinePerDeclarationMatchingComputeFile) {
    dz::test::TestFolder folder;
    folder.makeFolder("Tables");
    Build("Tables/E1123456783.dta", R"({"Afm": "123456783", "Surname": "ΠΑΠΑΣ, ΝΙΚΟΣ", "FirstName": "Ο \"ΜΙΚΡΟΣ\"",
        "Married": true, "Codes": [[301, 30000], [302, 18000], [49, 1000]]})");
    Build("Tables/E1100000090.dta", R"({"Afm": "100000090", "Surname": "ΑΛΦΑ", "Codes": [[401, 50000]]})");
    folder.writeFile("Tables/E1999.dta", QByteArray(40, '\0'));     // damaged
    folder.writeFile("Tables/E2123456783.dta", QByteArray(7620, '\0'));  // an empty E2 statement: in the second CSV
    folder.writeFile("Tables/notes.txt", "x");

    const auto r = RunCli({"batch", "Tables"});
    EXPECT_EQ(r.status, 1) << "a skipped file makes the run fail, after the others are done";
    EXPECT_TRUE(r.err.contains("E1999.dta")) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 6) << r.out.toStdString();
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[5], ",,,0.00,0.00,0.00,0.00") << "the E2 statement's line";
    EXPECT_TRUE(lines[0].startsWith("afm,surname,first_name,"));
    EXPECT_TRUE(lines[1].startsWith("100000090,ΑΛΦΑ,,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("123456783,\"ΠΑΠΑΣ, ΝΙΚΟΣ\",\"Ο \"\"ΜΙΚΡΟΣ\"\"\",")) << lines[2].toStdString();

    const QJsonObject one = QJsonDocument::fromJson(RunCli({"compute", "--file", "Tables/E1123456783.dta"}).out).object();
    const QList<QByteArray> fields = lines[2].split(',');
    const QByteArray finalBalance = fields.last();
    EXPECT_NEAR(finalBalance.toDouble(), one["FinalBalance"].toDouble(), 0.005);
    EXPECT_NEAR(fields[fields.size() - 7].toDouble(), one["TotalIncome"].toArray()[0].toDouble(), 0.005);
}

TEST(CliBatch, AmountsAsTheClearanceNoteRoundsThemWithADecimalPoint) {
    const struct {
        const char* name;
        const char* afm;
        const char* codes;
        const char* amounts;  // the seven amount columns
    } cases[] = {
        {"cents of an unrounded tax, a refund", "123456783", "[[301, 12345.67], [315, 2000]]",
         "12345.67,0.00,887.65,0.00,123.46,0.00,-1004.67"},
        {"a contribution of exactly half a cent rounds up", "100000090", "[[301, 13012.5]]",
         "13012.50,0.00,1049.03,0.00,130.13,0.00,1179.16"},
        {"nothing declared", "094014201", "[]", "0.00,0.00,0.00,0.00,0.00,0.00,0.00"},
    };
    dz::test::TestFolder folder;
    folder.makeFolder("Tables");
    for (const auto& c : cases)
        Build(QStringLiteral("Tables/E1%1.dta").arg(c.afm),
              QStringLiteral(R"({"Afm": "%1", "Surname": "Χ", "Codes": %2})").arg(c.afm, c.codes).toUtf8());
    const auto r = RunCli({"batch", "Tables"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    for (const auto& c : cases) {
        const QByteArray line = QByteArray(c.afm) + ",Χ,," + c.amounts;
        EXPECT_TRUE(r.out.contains(line + '\n')) << c.name << ": " << r.out.toStdString();
    }
}

TEST(CliBatch, ClearanceNotesAsPdfNamedAfterTheTaxNumber) {
    dz::test::TestFolder folder;
    folder.makeFolder("Tables");
    Build("Tables/E1123456783.dta", R"({"Afm": "123456783", "Surname": "ΠΑΠΑΣ", "Codes": [[301, 30000]]})");
    Build("Tables/E1.dta", R"({"Surname": "ΧΩΡΙΣ ΑΦΜ", "Codes": [[301, 10000]]})");
    const auto r = RunCli({"batch", "Tables", "--pdf", "notes"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    for (const char* name : {"notes/123456783.pdf", "notes/E1.pdf"}) {
        ASSERT_TRUE(folder.exists(name)) << name;
        EXPECT_TRUE(folder.readFile(name).startsWith("%PDF")) << name;
    }
}

TEST(CliBatch, EmptyAndMissingFolders) {
    dz::test::TestFolder folder;
    folder.makeFolder("empty");
    auto r = RunCli({"batch", "empty"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count('\n'), 1) << "the header alone";
    EXPECT_EQ(RunCli({"batch", "missing"}).status, 1);
    EXPECT_EQ(RunCli({"batch"}).status, 2);
}

}  // namespace
