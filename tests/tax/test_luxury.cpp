// Luxury-tax bases of cars, boats, aircraft and pools.
#include "tax/luxury.h"
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

struct LuxuryCase {
    const char* name;
    LuxuryInput input;
    LuxuryRecord expected;
};
void PrintTo(const LuxuryCase& c, std::ostream* os) { *os << c.name; }


LuxuryInput OneCar(int cc, int year, double taxpayer, double spouse = 0) {
    LuxuryInput in;
    in.Cars[0] = {cc, year, taxpayer, spouse};
    return in;
}

LuxuryInput OneBoat(int length, bool sailing, double amount) {
    LuxuryInput in;
    in.Boats[1] = {length, sailing, amount, 0};
    return in;
}

LuxuryInput Pensioner(LuxuryInput in) {
    in.Pensioner = {true, false};
    return in;
}

class LuxuryTest : public ::testing::TestWithParam<LuxuryCase> {};

TEST_P(LuxuryTest, Bases) {
    const LuxuryCase& c = GetParam();
    SCOPED_TRACE(c.name);
    const LuxuryRecord got = ComputeLuxuryAssets(c.input);
    for (int p = 0; p < 2; ++p) {
        EXPECT_NEAR(got.Base5[p], c.expected.Base5[p], kCent) << "Base5 person " << p;
        EXPECT_NEAR(got.Base13[p], c.expected.Base13[p], kCent) << "Base13 person " << p;
        EXPECT_NEAR(got.Tax5[p], c.expected.Tax5[p], kCent) << "Tax5 person " << p;
        EXPECT_NEAR(got.Tax13[p], c.expected.Tax13[p], kCent) << "Tax13 person " << p;
    }
}

const LuxuryCase kLuxuryCases[] = {
    {"2000 cc car of 2006 at 5 percent", OneCar(2000, 2006, 6160), {{6160, 0}, {0, 0}, {308, 0}, {0, 0}}},
    {"1929 cc is the first taxed", OneCar(1929, 2010, 1000), {{1000, 0}, {0, 0}, {50, 0}, {0, 0}}},
    {"1928 cc carries no tax", OneCar(1928, 2010, 1000), {}},
    {"2500 cc still at 5 percent", OneCar(2500, 2010, 1000), {{1000, 0}, {0, 0}, {50, 0}, {0, 0}}},
    {"2600 cc at 13 percent", OneCar(2600, 2010, 1000), {{0, 0}, {1000, 0}, {0, 0}, {130, 0}}},
    {"car of 2004 carries no tax", OneCar(2600, 2004, 1000), {}},
    {"spouse car amount to spouse base", OneCar(2600, 2010, 0, 2000), {{0, 0}, {0, 2000}, {0, 0}, {0, 260}}},
    {"pensioner 30 percent less", Pensioner(OneCar(2000, 2006, 6160)), {{4312, 0}, {0, 0}, {215.6, 0}, {0, 0}}},
    {"6 m sailing boat no tax", OneBoat(6, true, 5000), {}},
    {"6 m motor boat at 13 percent", OneBoat(6, false, 5000), {{0, 0}, {5000, 0}, {0, 0}, {650, 0}}},
    {"5 m motor boat no tax", OneBoat(5, false, 5000), {}},
};

INSTANTIATE_TEST_SUITE_P(Luxury, LuxuryTest, ::testing::ValuesIn(kLuxuryCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Luxury, AircraftAndPoolFromCodes) {
    Declaration d;
    d.Set(715, 1000).Set(766, 2000).Set(853, 700).Set(712, 300).Tick(14);
    LuxuryInput in;
    in.Cars[1] = {3000, 2012, 0, 0};
    in.Boats[0] = {10, false, 0, 0};
    FillLuxuryAmountsFromCodes(in, d.codes);
    const LuxuryRecord lux = ComputeLuxuryAssets(in);
    EXPECT_NEAR(lux.Base13[0], 1700, kCent);
    EXPECT_NEAR(lux.Base13[1], (2000 + 300) * 0.7, kCent);
}

}  // namespace
}  // namespace dz::tax::testing
