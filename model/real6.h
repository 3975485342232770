// The six-byte real of the declaration files: biased exponent, sign and 39-bit fraction.
#pragma once
#include <array>
#include <cstdint>

namespace dz {

using Real6Bytes = std::array<uint8_t, 6>;

// Exact: every six-byte real is a double.
double Real6ToDouble(const uint8_t* bytes);

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
