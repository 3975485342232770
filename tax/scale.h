// Marginal scales: the one generic formula behind every bracketed rule of the computation.
#pragma once
#include <limits>
#include <span>

namespace dz::tax {

// One bracket of a scale: a base b with previous bracket's UpTo < b <= UpTo pays
// Fixed + Rate × (b − Lower). A base exactly on a boundary belongs to the lower bracket.
struct Bracket {
    double UpTo;
    double Lower;
    double Fixed;
    double Rate;
};

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// The first bracket whose UpTo is not below the base decides. Evaluated as a scale is
// written ("1320 + 33 % of the part above 12000"), so it is bit for bit that formula;
// the first bracket's 0 + r × (b − 0) is exactly r × b.
inline double ApplyScale(std::span<const Bracket> scale, double base) {
    for (const Bracket& b : scale) {
        if (base <= b.UpTo) return b.Fixed + b.Rate * (base - b.Lower);
    }
    return 0.0;  // only a NaN base gets here
}

}  // namespace dz::tax
