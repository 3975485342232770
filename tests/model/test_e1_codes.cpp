// The E1 code boxes: how many of each kind, and a few codes of every page.
#include <gtest/gtest.h>

#include "model/e1_codes.h"

namespace {

TEST(E1Codes, EveryBoxOfTheFormOnce) {
    int yesNo = 0, integer = 0, amount = 0;
    for (const dz::E1CodeBox& box : dz::E1CodeBoxes()) {
        yesNo += box.kind == dz::CodeKind::YesNo;
        integer += box.kind == dz::CodeKind::Integer;
        amount += box.kind == dz::CodeKind::Amount;
    }
    EXPECT_EQ(yesNo, 58);
    EXPECT_EQ(integer, 41);
    EXPECT_EQ(amount, 304);
    EXPECT_EQ(dz::E1CodeBoxes().size(), 403u);
}

TEST(E1Codes, KindsPagesAndControlNames) {
    const struct { int code; dz::CodeKind kind; int page; const char* control; } cases[] = {
        {1, dz::CodeKind::YesNo, 0, "cbP001"},     {5, dz::CodeKind::Integer, 0, "edP005"},
        {301, dz::CodeKind::Amount, 0, "edP301"},  {201, dz::CodeKind::Integer, 1, "edP201"},
        {991, dz::CodeKind::Amount, 1, "edP991"},  {209, dz::CodeKind::YesNo, 2, "cbP209"},
        {864, dz::CodeKind::Amount, 2, "edP864"},  {849, dz::CodeKind::YesNo, 3, "cbP849"},
        {998, dz::CodeKind::Amount, 3, "edP998"},  {93, dz::CodeKind::Amount, 4, "edp093"},
        {935, dz::CodeKind::Integer, 4, "edP935"}, {888, dz::CodeKind::YesNo, 4, "cbP888"},
        {0, dz::CodeKind::None, -1, "edP000"},     {19, dz::CodeKind::None, -1, "edP019"},
        {1000, dz::CodeKind::None, -1, "edP1000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dz::KindOfCode(c.code), c.kind) << "code " << c.code;
        EXPECT_EQ(dz::PageOfCode(c.code), c.page) << "code " << c.code;
        EXPECT_EQ(dz::CodeControlName(c.code).toStdString(), c.control) << "code " << c.code;
    }
    EXPECT_EQ(dz::KindOfCode(-1), dz::CodeKind::None);
    EXPECT_EQ(dz::KindOfCode(1001), dz::CodeKind::None);
}

}  // namespace
