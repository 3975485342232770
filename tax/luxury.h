// The luxury-tax bases of cars, boats, aircraft and pools that the E1 compute command hands the computation.
#pragma once
#include <array>

#include "model/code_table.h"
#include "tax/result_set.h"

namespace dz::tax {

inline constexpr int kLuxuryCarCount = 7;
inline constexpr int kLuxuryBoatCount = 2;

struct LuxuryCar {
    int Cc = 0;                 // edCarIppoi i, not rounded
    int FirstYear = 0;          // edCarYear i
    double AmountTaxpayer = 0;  // code 849 + 2i
    double AmountSpouse = 0;    // code 850 + 2i
};

struct LuxuryBoat {
    int Length = 0;             // edScafosLen / edScafosLen2
    bool Sailing = false;       // cbBoatType1 / cbBoatType3
    double AmountTaxpayer = 0;  // code 711 / 713
    double AmountSpouse = 0;    // code 712 / 714
};

// Everything the luxury-tax bases depend on, as plain values.
struct LuxuryInput {
    std::array<LuxuryCar, kLuxuryCarCount> Cars{};
    std::array<LuxuryBoat, kLuxuryBoatCount> Boats{};
    Pair Aircraft{};       // codes 715 / 716
    Pair Pool{};           // codes 765 / 766
    FlagPair Pensioner{};  // boxes 013 / 014
};

// Copies the code-table part of the input: the car amounts 851..864, the boat amounts
// 711..714, aircraft 715/716, pool 765/766 and the boxes 013/014 (first-byte test).
// The cars' capacity and year and the boats' length and sailing mark come from the record.
void FillLuxuryAmountsFromCodes(LuxuryInput& input, const CodeTable& codes);

// Base5, Base13, Tax5 and Tax13 of both persons, as the E1 compute command computes them.
LuxuryRecord ComputeLuxuryAssets(const LuxuryInput& input);

}  // namespace dz::tax
