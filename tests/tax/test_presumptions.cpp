// Presumed expenditure of cars, residences, pools and boats, and the year-field completion.
#include <stdexcept>

#include "tax/presumptions.h"
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST(Presumptions, YearCompletion) {
    const struct {
        int typed, year;
    } cases[] = {{9, 2009}, {1, 2001}, {10, 2010}, {11, 1911}, {95, 1995}, {99, 1999},
                 {0, 0},    {100, 100}, {2008, 2008}};
    for (const auto& c : cases) EXPECT_EQ(CompleteYear(c.typed), c.year) << "typed " << c.typed;
}

struct CarCase {
    const char* name;
    CarInput car;
    Pair expected;
};
void PrintTo(const CarCase& c, std::ostream* os) { *os << c.name; }


class CarTest : public ::testing::TestWithParam<CarCase> {};

TEST_P(CarTest, Amounts) {
    const CarCase& c = GetParam();
    SCOPED_TRACE(c.name);
    const Pair got = CarPresumption(c.car);
    EXPECT_NEAR(got[0], c.expected[0], kCent);
    EXPECT_NEAR(got[1], c.expected[1], kCent);
}

const CarCase kCarCases[] = {
    {"1550 cc rounds down to 1500", {1550, 12, 100, 2012, 0, false}, {5800, 0}},
    {"1551 cc rounds up to 1600", {1551, 12, 100, 2012, 0, false}, {6400, 0}},
    {"1250 cc rounds to 1200", {1250, 12, 100, 2012, 0, false}, {4000, 0}},
    {"150 cc rounds to 100 no presumption", {150, 12, 100, 2012, 0, false}, {0, 0}},
    {"2000 cc of 2012", {2000, 12, 100, 2012, 0, false}, {8800, 0}},
    {"2000 cc of 2007", {2000, 12, 100, 2007, 0, false}, {6160, 0}},
    {"2000 cc of 2003", {2000, 12, 100, 2003, 0, false}, {4400, 0}},
    {"2000 cc of a later year", {2000, 12, 100, 2015, 0, false}, {4400, 0}},
    {"2000 cc without year", {2000, 12, 100, 0, 0, false}, {0, 0}},
    {"3000 cc", {3000, 12, 100, 2012, 0, false}, {17800, 0}},
    {"3500 cc", {3500, 12, 100, 2012, 0, false}, {23800, 0}},
    {"reduction code 2 cancels", {2000, 12, 100, 2012, 2, false}, {0, 0}},
    {"reduction code 4 does not", {2000, 12, 100, 2012, 4, false}, {8800, 0}},
    {"half share six months for the spouse", {2000, 6, 50, 2012, 0, true}, {0, 2200}},
};

INSTANTIATE_TEST_SUITE_P(Cars, CarTest, ::testing::ValuesIn(kCarCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(Presumptions, CarReductionField) {
    EXPECT_EQ(CarReductionCode("1"), 1);
    EXPECT_EQ(CarReductionCode(" 3"), 3);
    EXPECT_EQ(CarReductionCode(""), 0);
    EXPECT_EQ(CarReductionCode("Α"), 0);
}

TEST(Presumptions, Residences) {
    ResidenceInput house;
    house.MainSurface = 100;
    house.AuxSurface = 20;
    house.ZonePrice = 3000;
    house.Detached = true;
    house.Months = 12;
    house.ShareTaxpayer = 100;
    EXPECT_NEAR(ResidencePresumption(house, 0)[0], 8904, kCent);
    EXPECT_NEAR(ResidencePresumption(house, 1)[0], 4452, kCent);
    EXPECT_NEAR(ResidencePresumption(house, 2)[0], 4452, kCent);

    // Half-counted parts and the surface bands.
    ResidenceInput flat;
    flat.MainSurface = 140;
    flat.MainHalfPart = 40;  // counts as 120
    EXPECT_NEAR(ResidenceSurfaceValue(flat), 5800, kCent);
    flat.MainHalfPart = 0;
    EXPECT_NEAR(ResidenceSurfaceValue(flat), 5800 + 110 * 20, kCent);
    flat.MainSurface = 350;
    EXPECT_NEAR(ResidenceSurfaceValue(flat), 34600 + 400 * 50, kCent);
}

TEST(Presumptions, ZoneFactorRoundsHalvesToEven) {
    EXPECT_EQ(ZoneFactor(2799.5), 1.4);   // 2800
    EXPECT_EQ(ZoneFactor(2798.5), 1.0);   // 2798
    EXPECT_EQ(ZoneFactor(4999.5), 1.7);   // 5000
    EXPECT_EQ(ZoneFactor(4998.5), 1.4);   // 4998
    EXPECT_THROW(ZoneFactor(3e9), std::range_error);
}

TEST(Presumptions, ResidenceSharesAboveHundredAreCleared) {
    Declaration d;
    d.Set(211, 100).Set(212, 20).Set(216, 3000).Set(215, 12).Set(213, 60).Set(214, 50).Tick(240);
    d.Set(218, 100).Set(219, 20).Set(223, 3000).Set(222, 12).Set(220, 100).Tick(241);
    const auto bad = ApplyResidencePresumptions(d.codes);
    EXPECT_TRUE(bad[0]);
    EXPECT_FALSE(bad[1]);
    EXPECT_EQ(d.codes.Value(213), 0);
    EXPECT_EQ(d.codes.Value(214), 0);
    EXPECT_EQ(d.codes.Value(115), 0);
    EXPECT_EQ(d.codes.Value(116), 0);
    EXPECT_NEAR(d.codes.Value(117), 4452, kCent);

    d.Set(992, 1).Set(117, 5);  // the switch turns the calculation off
    ApplyResidencePresumptions(d.codes);
    EXPECT_EQ(d.codes.Value(117), 5);
}

TEST(Presumptions, Pools) {
    PoolInput pool;
    pool.OutdoorArea = 70;
    pool.OutdoorMonths = 12;
    pool.OutdoorShareTaxpayer = 100;
    EXPECT_NEAR(PoolPresumption(pool)[0], 12800, kCent);
    pool.IndoorArea = 50;
    pool.IndoorMonths = 6;
    pool.IndoorShareSpouse = 50;
    const Pair both = PoolPresumption(pool);
    EXPECT_NEAR(both[0], 12800, kCent);
    EXPECT_NEAR(both[1], 320 * 50 * 0.5 * 0.5, kCent);
}

TEST(Presumptions, Boats) {
    BoatInput boat;
    boat.Length = 12;
    boat.FirstYear = 2011;
    boat.Months = 12;
    boat.ShareTaxpayer = 100;
    boat.Cabin = true;
    EXPECT_NEAR(BoatPresumption(boat, 0, {false, false})[0], 36000, kCent);
    boat.Sailing = true;
    EXPECT_NEAR(BoatPresumption(boat, 0, {false, false})[0], 18000, kCent);
    EXPECT_EQ(BoatPresumption(boat, 0, {true, false})[0], 0);  // code 319: resident abroad

    BoatInput sailing;  // boat 2 marked sailing only takes the table with living spaces
    sailing.Length = 8;
    sailing.Sailing = true;
    EXPECT_TRUE(BoatUsesCabinTable(sailing, 1));
    EXPECT_FALSE(BoatUsesCabinTable(sailing, 0));
    EXPECT_EQ(BoatBase(8, true), 15000);
    EXPECT_EQ(BoatBase(8, false), 10000);
    EXPECT_EQ(BoatBase(5, false), 4000);
    EXPECT_EQ(BoatBase(23, true), 318500);
    EXPECT_EQ(BoatAgeFactor(2007), 0.85);
    EXPECT_EQ(BoatAgeFactor(1999), 0.7);
}

}  // namespace
}  // namespace dz::tax::testing
