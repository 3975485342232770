// The computation driver: emptiness test, reset between runs, derived codes 709/710, flags.
#include <cstring>

#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

bool AllZero(const ResultSet& r) {
    ResultSet zero{};
    zero.EmptyDeclaration = r.EmptyDeclaration;
    zero.NonResident = r.NonResident;
    return std::memcmp(&zero, &r, sizeof r) == 0;
}

TEST(Driver, BoxesThatDoNotCallForAComputation) {
    for (int code : {1, 7, 13, 17, 327, 905, 913}) {
        Declaration d({}, {code});
        const ResultSet& r = d.Run();
        EXPECT_TRUE(r.EmptyDeclaration) << "box " << code;
        EXPECT_TRUE(AllZero(r)) << "box " << code;
    }
    Declaration all({}, {1, 7, 13, 17, 327, 905, 913});
    EXPECT_TRUE(all.Run().EmptyDeclaration);
}

TEST(Driver, AnyOtherCodeIsContent) {
    const struct {
        const char* name;
        Amounts amounts;
        Ticks ticked;
    } cases[] = {
        {"spouse box 002", {}, {2}},
        {"box 023", {}, {23}},
        {"box 1000", {}, {1000}},
        {"negative amount", {{301, -1}}, {}},
        {"amount 1 in a yes/no code", {{23, 1}}, {}},
        {"spouse amount", {{302, 100}}, {}},
    };
    for (const auto& c : cases) {
        Declaration d(c.amounts, c.ticked);
        EXPECT_FALSE(d.Run().EmptyDeclaration) << c.name;
    }
}

TEST(Driver, MarriedAloneIsComputed) {
    Declaration d({}, {}, true);
    const ResultSet& r = d.Run();
    EXPECT_FALSE(r.EmptyDeclaration);
    EXPECT_EQ(r.LivingPresumption[0], 2500);
    EXPECT_EQ(r.LivingPresumption[1], 2500);
    EXPECT_EQ(r.ExcessToSalary[1], 2500);
}

TEST(Driver, SpouseAmountMakesTheDeclarationJoint) {
    Declaration d({{302, 5000}});
    const ResultSet& r = d.Run();
    EXPECT_TRUE(d.in.Married);
    EXPECT_EQ(r.LivingPresumption[0], 2500);
}

TEST(Driver, CarPresumptionsAddUpInto709And710) {
    Declaration d({{709, 99999}, {710, 12345}, {301, 10000}});
    for (int i = 0; i < 7; ++i) d.Set(851 + 2 * i, 100 * (i + 1)).Set(852 + 2 * i, 10 * (i + 1));
    d.Run();
    EXPECT_EQ(d.codes.Value(709), 2800);
    EXPECT_EQ(d.codes.Value(710), 280);
    EXPECT_EQ(d.r.PresumptionTotal[0], 2800 + 3000);
}

TEST(Driver, EveryRunStartsFromZero) {
    Declaration d({{301, 30000}, {401, 20000}, {315, 9000}});
    d.Run();
    const ResultSet first = d.r;
    d.Run();
    EXPECT_EQ(std::memcmp(&first, &d.r, sizeof first), 0);

    d.codes.Clear();
    d.codes.SetTicked(13, true);
    EXPECT_TRUE(AllZero(d.Run()));
}

TEST(Driver, DerivedFlags) {
    Declaration d({{301, 100}}, {319, 331, 328});
    const ResultSet& r = d.Run();
    EXPECT_TRUE(r.NonResident);
    EXPECT_TRUE(r.HeirFiling);
    EXPECT_FALSE(r.FirstFiling[0]);
    EXPECT_TRUE(r.FirstFiling[1]);

    Declaration eu({{301, 100}}, {319, 385});
    EXPECT_FALSE(eu.Run().NonResident);
}

TEST(Driver, AmountInAYesNoCodeIsNotATick) {
    Declaration ticked({{301, 30000}}, {7});
    Declaration typed({{301, 30000}, {7, 1}});
    EXPECT_EQ(ticked.Run().TaxBeforeReductions[0], 6600);
    EXPECT_EQ(typed.Run().TaxBeforeReductions[0], 7100);
}

}  // namespace
}  // namespace dz::tax::testing
