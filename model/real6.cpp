// Conversion between doubles and the six-byte real.
#include "model/real6.h"

#include <cmath>
#include <cstring>

#include "model/errors.h"

namespace dz {

double Real6ToDouble(const uint8_t* b) {
    const int e = b[0];
    if (e == 0) return 0.0;
    uint64_t fraction = 0;
    for (int i = 4; i >= 0; --i) fraction = (fraction << 8) | b[1 + i];
    const uint64_t sign = (fraction >> 39) & 1;
    fraction &= (uint64_t{1} << 39) - 1;
    // Every biased exponent 1..255 is a normal double exponent: build the bits directly.
    const uint64_t bits = (sign << 63) | (static_cast<uint64_t>(e - 129 + 1023) << 52) | (fraction << 13);
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

void DoubleToReal6(double value, uint8_t* b, const char* what) {
    std::memset(b, 0, 6);
    if (value == 0.0) return;
    if (!std::isfinite(value))
        throw DataError(QStringLiteral("Η τιμή δεν είναι αριθμός%1").arg(what ? QStringLiteral(" (%1)").arg(QString::fromUtf8(what)) : QString()));
    const bool negative = value < 0;
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (exponent == 0) {
        // Subnormal doubles are far below the smallest six-byte real.
        return;
    }
    // 53-bit significand 1.m; keep 40 bits, adding the highest dropped bit.
    uint64_t significand = (uint64_t{1} << 52) | mantissa;
    significand = (significand >> 13) + ((significand >> 12) & 1);
    int biased = exponent - 1023 + 129;
    if (significand >> 40) {  // carry out of the significand
        significand >>= 1;
        ++biased;
    }
    if (biased <= 0) return;
    if (biased > 255)
        throw DataError(QStringLiteral("Η τιμή %1 είναι πολύ μεγάλη για το αρχείο της δήλωσης%2")
                            .arg(value, 0, 'g', 17)
                            .arg(what ? QStringLiteral(" (%1)").arg(QString::fromUtf8(what)) : QString()));
    uint64_t fraction = significand & ((uint64_t{1} << 39) - 1);
    if (negative) fraction |= uint64_t{1} << 39;
    b[0] = static_cast<uint8_t>(biased);
    for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<uint8_t>(fraction >> (8 * i));
}

}  // namespace dz
