// The six-byte real of the declaration files: biased exponent, sign and 39-bit fraction.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>

namespace dz {

using Real6Bytes = std::array<uint8_t, 6>;

// Exact: every six-byte real is a double.
inline double Real6ToDouble(const uint8_t* b) {
    if (b[0] == 0) return 0.0;
    uint32_t low;
    std::memcpy(&low, b + 1, 4);  // little-endian host; two loads, no round trip through memory
    uint64_t fraction = low | (static_cast<uint64_t>(b[5]) << 32);
    const uint64_t sign = (fraction >> 39) & 1;
    fraction &= (uint64_t{1} << 39) - 1;
    // Every biased exponent 1..255 is a normal double exponent: build the bits directly.
    const uint64_t bits = (sign << 63) | (static_cast<uint64_t>(b[0] - 129 + 1023) << 52) | (fraction << 13);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// Rounds the significand to 40 bits (halves away from zero, a carry raises the exponent);
// values too small for the format become zero. False (bytes unspecified) when the value is
// too large for the format or not finite.
inline bool TryDoubleToReal6(double value, uint8_t* b) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    if (exponent == 0x7FF) return false;
    uint64_t significand = (uint64_t{1} << 52) | (bits & ((uint64_t{1} << 52) - 1));
    significand = (significand >> 13) + ((significand >> 12) & 1);
    int biased = exponent - 1023 + 129 + static_cast<int>(significand >> 40);
    if (significand >> 40) significand >>= 1;
    if (exponent == 0 || biased <= 0) {  // zero, subnormal doubles, and values below the format
        std::memset(b, 0, 6);
        return true;
    }
    if (biased > 255) return false;
    const uint64_t fraction = (significand & ((uint64_t{1} << 39) - 1)) | ((bits >> 63) << 39);
    b[0] = static_cast<uint8_t>(biased);
    const auto low = static_cast<uint32_t>(fraction);
    std::memcpy(b + 1, &low, 4);
    b[5] = static_cast<uint8_t>(fraction >> 32);
    return true;
}

// Rounds the significand to 40 bits (halves away from zero); values too small for the
// format become zero; values too large (or not finite) throw DataError naming `what`.
void DoubleToReal6(double value, uint8_t* bytes, const char* what = nullptr);

inline Real6Bytes EncodeReal6(double value) {
    Real6Bytes b{};
    DoubleToReal6(value, b.data());
    return b;
}

// The value a double becomes after a round trip through the file format.
inline double RoundToReal6(double value) {
    uint8_t b[6];
    DoubleToReal6(value, b);
    return Real6ToDouble(b);
}

}  // namespace dz
