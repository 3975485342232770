// A number that knows what it was computed from: the codes and other inputs it read, and the rules it passed through.
#pragma once
#include <bitset>
#include <cmath>

#include "model/code_table.h"

namespace dz::tax {

// The sources of a value: codes 0 to 1000, then the computation's other inputs, one number each.
enum Source : int {
    kSourceMarried = CodeTable::kSlots,
    kSourceLateMonths,
    kSourceFeeExempt,                            // + person
    kSourceFeeSeatTourist = kSourceFeeExempt + 2,  // + person
    kSourceFeeSeatLargeCity = kSourceFeeSeatTourist + 2,
    kSourceLuxuryBase5 = kSourceFeeSeatLargeCity + 2,
    kSourceLuxuryBase13 = kSourceLuxuryBase5 + 2,
    kSourceLuxuryTax5 = kSourceLuxuryBase13 + 2,
    kSourceLuxuryTax13 = kSourceLuxuryTax5 + 2,
    kSourceCount = kSourceLuxuryTax13 + 2,
};

inline constexpr int kMaxRules = 128;

// What a value came from: its sources, and the rules of the computation (by number, see
// explain_rules) that shaped it.
struct Origin {
    std::bitset<kSourceCount> sources;
    std::bitset<kMaxRules> rules;

    Origin& operator|=(const Origin& o) {
        sources |= o.sources;
        rules |= o.rules;
        return *this;
    }
    friend Origin operator|(Origin a, const Origin& b) { return a |= b; }
    bool operator==(const Origin&) const = default;
};

// A number with its origin. Its arithmetic is the plain double arithmetic, operation for
// operation, so that a traced computation gives exactly the plain one's values.
struct Traced {
    double v = 0;
    Origin from;

    Traced() = default;
    Traced(double value) : v(value) {}  // a constant of the rules: no origin
    Traced(double value, Origin origin) : v(value), from(std::move(origin)) {}

    Traced& operator+=(const Traced& o) { return *this = *this + o; }
    Traced& operator-=(const Traced& o) { return *this = *this - o; }
    Traced& operator*=(const Traced& o) { return *this = *this * o; }

    friend Traced operator+(const Traced& a, const Traced& b) { return {a.v + b.v, a.from | b.from}; }
    friend Traced operator-(const Traced& a, const Traced& b) { return {a.v - b.v, a.from | b.from}; }
    friend Traced operator/(const Traced& a, const Traced& b) { return {a.v / b.v, a.from | b.from}; }
    friend Traced operator-(const Traced& a) { return {-a.v, a.from}; }
    // A product with an exact zero is zero whatever the other factor (every amount is finite):
    // it comes from the zero alone.
    friend Traced operator*(const Traced& a, const Traced& b) {
        if (a.v == 0 && std::isfinite(b.v)) return {a.v * b.v, a.from};
        if (b.v == 0 && std::isfinite(a.v)) return {a.v * b.v, b.from};
        return {a.v * b.v, a.from | b.from};
    }
};

// A truth value with its origin: what a comparison or a ticked box tells.
struct TracedBool {
    bool v = false;
    Origin from;

    TracedBool() = default;
    TracedBool(bool value) : v(value) {}
    TracedBool(bool value, Origin origin) : v(value), from(std::move(origin)) {}

    friend TracedBool operator!(const TracedBool& a) { return {!a.v, a.from}; }
    // Both sides are always read. When both would decide alone (both false for "and", both
    // true for "or"), one changed source turns the answer only if it feeds both sides.
    friend TracedBool operator&&(const TracedBool& a, const TracedBool& b) {
        if (!a.v && !b.v) return {false, Common(a.from, b.from)};
        if (!a.v) return {false, a.from};
        if (!b.v) return {false, b.from};
        return {true, a.from | b.from};
    }
    friend TracedBool operator||(const TracedBool& a, const TracedBool& b) {
        if (a.v && b.v) return {true, Common(a.from, b.from)};
        if (a.v) return {true, a.from};
        if (b.v) return {true, b.from};
        return {false, a.from | b.from};
    }

private:
    static Origin Common(const Origin& a, const Origin& b) {
        Origin both;
        both.sources = a.sources & b.sources;
        both.rules = a.rules | b.rules;
        return both;
    }
};

inline TracedBool operator<(const Traced& a, const Traced& b) { return {a.v < b.v, a.from | b.from}; }
inline TracedBool operator<=(const Traced& a, const Traced& b) { return {a.v <= b.v, a.from | b.from}; }
inline TracedBool operator>(const Traced& a, const Traced& b) { return {a.v > b.v, a.from | b.from}; }
inline TracedBool operator>=(const Traced& a, const Traced& b) { return {a.v >= b.v, a.from | b.from}; }
inline TracedBool operator==(const Traced& a, const Traced& b) { return {a.v == b.v, a.from | b.from}; }
inline TracedBool operator!=(const Traced& a, const Traced& b) { return {a.v != b.v, a.from | b.from}; }

// The plain value of a number or a truth value of either kind.
inline double Plain(double v) { return v; }
inline double Plain(const Traced& t) { return t.v; }
inline bool Plain(bool b) { return b; }
inline bool Plain(const TracedBool& b) { return b.v; }

// The truth type that goes with a number type.
template <class N>
struct TruthOf {
    using type = bool;
};
template <>
struct TruthOf<Traced> {
    using type = TracedBool;
};
template <class N>
using Truth = typename TruthOf<N>::type;

}  // namespace dz::tax
