// The six-byte real: exact bytes of known values, rounding, carry, underflow and overflow.
#include <gtest/gtest.h>

#include <cmath>

#include "model/errors.h"
#include "model/real6.h"

namespace {

std::string Hex(const dz::Real6Bytes& b) {
    std::string s;
    char buf[4];
    for (uint8_t x : b) {
        std::snprintf(buf, sizeof buf, "%02X ", x);
        s += buf;
    }
    s.pop_back();
    return s;
}

struct Case {
    const char* name;
    double value;
    const char* bytes;
};

TEST(Real6, KnownValuesEncodeToTheirBytesAndReadBackExactly) {
    const Case cases[] = {
        {"zero", 0.0, "00 00 00 00 00 00"},
        {"one", 1.0, "81 00 00 00 00 00"},
        {"two and a half", 2.5, "82 00 00 00 00 20"},
        {"minus two and a half", -2.5, "82 00 00 00 00 A0"},
        {"a hundred", 100.0, "87 00 00 00 00 48"},
        {"1234,56", 1234.56, "8B 1F 85 EB 51 1A"},
        {"minus zero is plain zero", -0.0, "00 00 00 00 00 00"},
    };
    for (const Case& c : cases) {
        const dz::Real6Bytes b = dz::EncodeReal6(c.value);
        EXPECT_EQ(Hex(b), c.bytes) << c.name;
        const double back = dz::Real6ToDouble(b.data());
        EXPECT_NEAR(back, c.value, std::fabs(c.value) * 1e-12) << c.name;
        EXPECT_EQ(dz::EncodeReal6(back), b) << c.name << " survives a second round trip";
    }
}

TEST(Real6, ExponentZeroMeansZeroWhateverTheOtherBytesHold) {
    const uint8_t bytes[6] = {0, 0xFF, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(dz::Real6ToDouble(bytes), 0.0);
}

TEST(Real6, RoundsTheSignificandHalvesAwayFromZeroWithCarry) {
    // 1 + 2^-40 is exactly half a unit of the 39-bit fraction: rounds away from zero.
    const double half = 1.0 + std::ldexp(1.0, -40);
    EXPECT_EQ(dz::RoundToReal6(half), 1.0 + std::ldexp(1.0, -39));
    EXPECT_EQ(dz::RoundToReal6(-half), -(1.0 + std::ldexp(1.0, -39)));
    // Just below half a unit: rounds down.
    EXPECT_EQ(dz::RoundToReal6(1.0 + std::ldexp(1.0, -41)), 1.0);
    // All fraction bits set and a half dropped: the carry raises the exponent.
    const double allOnes = 2.0 - std::ldexp(1.0, -45);
    const dz::Real6Bytes b = dz::EncodeReal6(allOnes);
    EXPECT_EQ(Hex(b), "82 00 00 00 00 00");
    EXPECT_EQ(dz::Real6ToDouble(b.data()), 2.0);
}

TEST(Real6, TinyValuesBecomeZeroAndHugeValuesAreAnError) {
    EXPECT_EQ(Hex(dz::EncodeReal6(1e-40)), "00 00 00 00 00 00");
    EXPECT_EQ(Hex(dz::EncodeReal6(4.94e-324)), "00 00 00 00 00 00");
    EXPECT_NE(dz::EncodeReal6(3e-39)[0], 0) << "the smallest magnitudes still encode";
    EXPECT_NO_THROW(dz::EncodeReal6(1.7e38));
    EXPECT_THROW(dz::EncodeReal6(1e39), dz::DataError);
    EXPECT_THROW(dz::EncodeReal6(-1e39), dz::DataError);
    EXPECT_THROW(dz::EncodeReal6(INFINITY), dz::DataError);
    EXPECT_THROW(dz::EncodeReal6(NAN), dz::DataError);
}

}  // namespace
