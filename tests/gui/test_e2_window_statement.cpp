// The E2 window and the statement's recalculation without windows come to the same record:
// generated statements opened in the window (which recalculates them) and collected back equal
// what the command line computes from the same files.
#include <random>

#include "e2calc/e2_statement.h"
#include "model/text1253.h"
#include "test_e2_window.h"

namespace dz {
namespace {

class E2WindowStatement : public test::E2WindowTest {};

// Rows of every kind the arithmetic meets: valid and invalid dates, shares as percentages,
// fractions and refused values, every lease type and some that are no number, rent 0 with a
// yearly amount in one of the columns.
E2Record Generated(std::mt19937& random) {
    const auto pick = [&](std::initializer_list<const char*> texts) {
        return QString::fromUtf8(texts.begin()[std::uniform_int_distribution<size_t>(0, texts.size() - 1)(random)]);
    };
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto cents = [&](int most) { return std::uniform_int_distribution<int>(0, most * 100)(random) / 100.0; };
    E2Record record;
    ClearE2Record(record);
    AssignCut(record.Afm, QStringLiteral("123456783"), "Afm");
    for (int r = 0; r < kE2Table1Rows; ++r) {
        if (chance(0.2)) continue;
        auto& row = record.Table1[r];
        AssignCut(row.From, pick({"01/01", "15/03", "06/01", "31/12", "29/02", "1/3", "", "ab"}), "From");
        AssignCut(row.To, pick({"31/12", "05/03", "30/06", "01/01", "31/04", ""}), "To");
        AssignCut(row.Share, pick({"100", "50", "1/3", "33,33", "150", "2/0", "", "12.5", "3/4", "x"}), "Share");
        const int lease = std::uniform_int_distribution<int>(-1, 41)(random);
        AssignCut(record.LeaseType[r], lease < 0 ? QStringLiteral("1x") : lease == 0 ? QString() : QString::number(lease),
                  "LeaseType");
        if (chance(0.4)) {
            row.Income[std::uniform_int_distribution<int>(0, 3)(random)] = cents(20000);
        } else {
            row.Rent = cents(2000);
        }
        row.Months = cents(12);  // whatever was stored: recalculated
    }
    return record;
}

TEST_F(E2WindowStatement, TheWindowAndTheRecalculationAgreeOnGeneratedStatements) {
    std::mt19937 random(20150);
    for (int n = 0; n < 120; ++n) {
        const E2Record stored = Generated(random);
        E2Image image{};
        EncodeE2(stored, image.data());
        folder.writeFile(QStringLiteral("Tables/E2123456783.dta"),
                         QByteArray(reinterpret_cast<const char*>(image.data()), image.size()));
        E2Record expected;
        DecodeE2(image.data(), expected);
        QuietDialogs quiet;
        RecalculateE2(expected, quiet);

        ASSERT_TRUE(window->OpenStatement(QStringLiteral("123456783")));
        window->CollectRecord();
        const E2Record& shown = window->Record();
        for (int r = 0; r < kE2Table1Rows; ++r) {
            const auto& a = shown.Table1[r];
            const auto& b = expected.Table1[r];
            const std::string where = "statement " + std::to_string(n) + ", row " + std::to_string(r + 1);
            EXPECT_EQ(a.Months, b.Months) << where;
            EXPECT_EQ(a.Rent, b.Rent) << where;
            EXPECT_EQ(a.Share, b.Share) << where;
            EXPECT_EQ(a.Income, b.Income) << where;
            EXPECT_EQ(shown.LeaseType[r], expected.LeaseType[r]) << where;
        }
        EXPECT_EQ(shown.Totals, expected.Totals) << "statement " << n;
        EXPECT_EQ(shown, expected) << "statement " << n << ": the whole record";
        window->SetModified(false);
    }
}

}  // namespace
}  // namespace dz
