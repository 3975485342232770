// The numeric content of an E1 declaration: one eight-byte slot per code 0..1000.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>

namespace dz {

// Amount and whole-number codes hold a double. A yes/no code sets only the first
// (lowest-addressed) byte of its slot, so a ticked box reads as the smallest positive
// subnormal double: not zero to a zero test, invisible in any sum with a normal number.
class CodeTable {
public:
    static constexpr int kSlots = 1001;

    void Clear() { slots_.fill(0.0); }

    static constexpr bool IsCode(int code) { return code >= 0 && code < kSlots; }

    // The slot read as a double (a ticked yes/no slot gives about 4.94e-324).
    double operator[](int code) const { return slots_[code]; }
    double Value(int code) const { return slots_[code]; }
    void SetValue(int code, double value) { slots_[code] = value; }

    // Writes only the first byte of the slot, as a check box does.
    void SetTicked(int code, bool ticked) {
        auto* bytes = reinterpret_cast<unsigned char*>(&slots_[code]);
        bytes[0] = ticked ? 1 : 0;
    }
    bool IsTicked(int code) const {
        return reinterpret_cast<const unsigned char*>(&slots_[code])[0] != 0;
    }

    const std::array<double, kSlots>& Slots() const { return slots_; }

private:
    std::array<double, kSlots> slots_{};
};

}  // namespace dz
