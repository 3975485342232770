// dovazez-cli dump and build: JSON to declaration files and back, byte for byte; bad input refused.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_runner.h"
#include "support/test_folder.h"

namespace {

using dz::test::RunCli;

const QByteArray kE1Json = R"({
  "RegistrationNo": 4711, "Afm": "123456783", "Surname": "ΠΑΠΑΔΟΠΟΥΛΟΣ", "FirstName": "Ιωάννης",
  "Married": true, "LateMonths": 2, "FeeExemptSpouse": true,
  "Residence": [{"Address": "Οδός Αθηνάς 5", "Floor": "2", "SupplyNo": "1234567890"}, {"SupplyNo": "22"}],
  "Car": [{"Plate": "ΙΚΑ1234", "Cc": 1598, "Months": 12, "SharePercent": 100, "FirstYear": 2008,
           "ForSpouse": true, "ExemptMark": "Α"}],
  "Boat": [{}, {"Length": 8, "Sailing": true}],
  "Pool": {"OutdoorArea": 40.5, "OutdoorShareTaxpayer": 100},
  "Dependant": [{"Name": "Μαρία", "BirthYear": "2005", "OtherAmka": "01020304050"}],
  "Iban": "GR1601101250000000012300695",
  "Codes": [[301, 30000], [13, 1], [0, 0], [851, 4400.5]]
})";

TEST(CliDumpBuild, BuildDumpBuildReproducesTheFileByteForByte) {
    dz::test::TestFolder folder;
    // The IBAN above has 27 characters: one too many for its field.
    auto r = RunCli({"build", "--kind", "e1", "--out", "a.dta"}, kE1Json);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Iban")) << r.err.toStdString();
    EXPECT_FALSE(folder.exists("a.dta")) << "nothing is written for bad input";

    const QByteArray json = QByteArray(kE1Json).replace("GR1601101250000000012300695", "GR160110125000000001230069");
    r = RunCli({"build", "--kind", "e1", "--out", "a.dta"}, json);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray first = folder.readFile("a.dta");
    ASSERT_EQ(first.size(), 6991);
    EXPECT_EQ(static_cast<uint8_t>(first[17]), 12) << "surname length";
    EXPECT_EQ(static_cast<uint8_t>(first[18]), 0xD0) << "Π";

    r = RunCli({"dump", "a.dta"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject dumped = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(dumped["Surname"].toString(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(dumped["Codes"].toArray().size(), 150);
    EXPECT_EQ(dumped["Codes"].toArray()[0].toArray()[1].toDouble(), 30000.0);

    r = RunCli({"build", "--kind", "e1", "--out", "b.dta"}, r.out);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(folder.readFile("b.dta"), first);
}

TEST(CliDumpBuild, E2StatementRoundTripsAndDerivesTheIncomeColumns) {
    dz::test::TestFolder folder;
    const QByteArray json = R"({"Tag": 9, "Afm": "123456783", "Surname": "ΚΩΣΤΑΣ",
        "Table1": [{"Location": "ΑΘΗΝΑ", "From": "1/1", "To": "31/12", "Months": 12, "Rent": 500, "Share": "100",
                    "Col13": 6000}, {"Location": "ΠΕΙΡΑΙΑΣ"}],
        "LeaseType": ["5", "24"], "UseId": [3, 1], "FloorId": [4], "Totals": [6000, 0, 0, 0],
        "Table3": [{}, {}, {}, {"Title": "ΣΥΜΒΟΛΑΙΟ"}], "CalcOff": true})";
    auto r = RunCli({"build", "--kind", "e2", "--out", "E2.dta"}, json);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray bytes = folder.readFile("E2.dta");
    ASSERT_EQ(bytes.size(), 7620);
    EXPECT_EQ(bytes[251 + 157], 1) << "lease type 5 selects column 13";
    EXPECT_EQ(bytes[251 + 162 + 159], 1) << "lease type 24 selects column 15";

    r = RunCli({"dump", "E2.dta"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out).object()["Table1"].toArray().size(), 16);
    r = RunCli({"build", "--kind", "e2", "--out", "again.dta"}, r.out);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(folder.readFile("again.dta"), bytes);
}

TEST(CliDumpBuild, DumpTellsTheKindBySizeOrByOption) {
    dz::test::TestFolder folder;
    QByteArray e1(6991, '\0');
    e1[17] = 3;
    e1[18] = 'A';
    e1[19] = 'B';
    e1[20] = 'C';
    folder.writeFile("long.bin", e1 + QByteArray(100, '\x55'));
    auto r = RunCli({"dump", "long.bin"});
    EXPECT_EQ(r.status, 1) << "a size of neither kind needs --kind";
    r = RunCli({"dump", "long.bin", "--kind", "e1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out).object()["Surname"].toString(), QStringLiteral("ABC"));

    folder.writeFile("short.dta", QByteArray(100, '\0'));
    r = RunCli({"dump", "short.dta", "--kind", "e2"});
    EXPECT_EQ(r.status, 1);

    e1[19] = static_cast<char>(0xFF);  // a byte Windows-1253 leaves undefined
    folder.writeFile("bad.dta", e1);
    r = RunCli({"dump", "bad.dta"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Surname")) << r.err.toStdString();
}

TEST(CliDumpBuild, UsageErrorsExitTwoAndInputErrorsExitOne) {
    dz::test::TestFolder folder;
    const struct { const char* name; QStringList args; QByteArray input; int status; } cases[] = {
        {"no command", {}, {}, 2},
        {"unknown command", {"frobnicate"}, {}, 2},
        {"build without kind", {"build", "--out", "x.dta"}, "{}", 2},
        {"build with a bad kind", {"build", "--kind", "e3", "--out", "x.dta"}, "{}", 2},
        {"build without out", {"build", "--kind", "e1"}, "{}", 2},
        {"dump without a path", {"dump"}, {}, 2},
        {"dump of a missing file", {"dump", "missing.dta"}, {}, 1},
        {"not JSON", {"build", "--kind", "e1", "--out", "x.dta"}, "{oops", 1},
        {"a JSON array", {"build", "--kind", "e1", "--out", "x.dta"}, "[]", 1},
        {"an amount too large", {"build", "--kind", "e2", "--out", "x.dta"}, R"({"Totals": [1e300]})", 1},
    };
    for (const auto& c : cases) {
        const auto r = RunCli(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << c.name << " explains itself";
        EXPECT_FALSE(folder.exists("x.dta")) << c.name << " wrote nothing";
    }
}

}  // namespace
