// The E2 pick lists: floor labels, use names and the lease-type list.
#include <gtest/gtest.h>

#include "e2calc/e2_lists.h"
#include "model/e2_record.h"

namespace {

TEST(E2Lists, FloorLabels) {
    const struct { int id; const char* label; const char* entry; } cases[] = {
        {0, "", "ΧΩΡΙΣ ΘΕΣΗ"}, {1, "Υπ.", "Υπ."}, {2, "0", "Ισογ."}, {3, "1", "1"},
        {52, "50", "50"},      {53, "", ""},      {-1, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dz::FloorLabel(c.id).toStdString(), c.label) << "floor " << c.id;
        EXPECT_EQ(dz::FloorListEntry(c.id).toStdString(), c.entry) << "floor " << c.id;
    }
}

TEST(E2Lists, UseNames) {
    const struct { int id; const char* longName; const char* shortName; } cases[] = {
        {0, "", ""}, {1, "Οικία", "Οικία"}, {2, "Μονοκατοκία", "Μον/κία"},
        {7, "Σταθμ.Αυτ.Δ.Χ.", "Στ.Αυτ.ΔΧ"}, {14, "Άλλη Χρήση", "Άλλη Χρ."}, {15, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dz::UseLongName(c.id).toStdString(), c.longName) << "use " << c.id;
        EXPECT_EQ(dz::UseShortName(c.id).toStdString(), c.shortName) << "use " << c.id;
    }
    EXPECT_EQ(dz::UseListEntry(0), QStringLiteral("ΧΩΡΙΣ ΧΡΗΣΗ"));
}

TEST(E2Lists, LeaseTypesAreNumberedAndSelectTheirIncomeColumn) {
    const QStringList& list = dz::LeaseTypeList();
    ASSERT_EQ(list.size(), dz::kLeaseTypeCount);
    EXPECT_EQ(list.first(), QStringLiteral("ΧΩΡΙΣ ΕΙΔΟΣ ΜΙΣΘΩΣΗΣ"));
    for (int i = 1; i < list.size(); ++i)
        EXPECT_TRUE(list[i].startsWith(QString::number(i) + '.')) << "entry " << i << " is numbered " << i;
    const struct { int lease; int column; } columns[] = {
        {0, -1}, {1, 0}, {9, 0}, {10, 1}, {22, 1}, {23, 2}, {25, 2}, {26, 3}, {38, 3}, {39, -1}, {40, -1}};
    for (const auto& c : columns) EXPECT_EQ(dz::IncomeColumnOfLeaseType(c.lease), c.column) << "lease type " << c.lease;
}

}  // namespace
