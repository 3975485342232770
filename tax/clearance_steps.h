// The steps of `ComputeClearance`, one function per step, exposed so tests can run one alone.
// Each step is written once for any number type: plain numbers for the computation, traced
// numbers (`Traced`) when the program is asked why a figure is what it is.
#pragma once
#include "model/code_table.h"
#include "tax/result_set.h"
#include "tax/trace_context.h"

namespace dz::tax {

// What every step reads and writes. Codes are read per person: C(301, p) is code 301 for
// the taxpayer (p = 0) and code 302 for the spouse (p = 1).
//
// Every decision on a computed value goes through `If` (a branch) or `Pick` (a choice of
// value), and every branch lies inside a `Rule` that names the values its branches may write,
// so that a traced run knows what each value depended on.
template <class N>
struct StepContextOf {
    CodesOf<N>& codes;
    ClearanceInputsOf<N>& in;
    ResultSetOf<N>& r;
    TracerOf<N>& trace;

    N C(int oddCode, int p) const { return codes.Value(oddCode + p); }
    N C(int code) const { return codes.Value(code); }
    // Yes/no codes are tested by the first byte of their slot: an amount typed for such a
    // code (1.0 has a zero first byte) is not a ticked box.
    Truth<N> T(int oddCode, int p) const { return codes.IsTicked(oddCode + p); }
    Truth<N> T(int code) const { return codes.IsTicked(code); }
    N LateMonths() const { return N(in.LateMonths); }

    bool If(const Truth<N>& condition) { return trace.Branch(condition); }
    N Pick(const Truth<N>& condition, const N& whenTrue, const N& whenFalse) {
        return trace.Choose(condition, whenTrue, whenFalse);
    }
    template <class... Places>
    RuleScopeOf<N> Rule(RuleId rule, Places&... places) {
        return RuleScopeOf<N>(trace, rule, {PlaceOf(places)...});
    }
};

using StepContext = StepContextOf<double>;

// Reset, emptiness test and preliminaries. Returns false when the declaration is empty (the run stops).
template <class N> bool ResetAndPrepare(StepContextOf<N>& s);
template <class N> void ComputeIncome(StepContextOf<N>& s);              // income by category
template <class N> void ComputePresumptionTest(StepContextOf<N>& s);     // presumptive expenditure
template <class N> void ComputeScales(StepContextOf<N>& s);              // deductions and tax scales
template <class N> void ComputeReductions(StepContextOf<N>& s);          // receipts and reductions
template <class N> void ComputeCreditsAndAdvance(StepContextOf<N>& s);   // stamp duty, credits, advance
template <class N> void ComputeSettlement(StepContextOf<N>& s);          // income tax settlement
template <class N> void ComputeLevies(StepContextOf<N>& s);              // contribution, fee, luxury tax
template <class N> void ComputeFinalBalance(StepContextOf<N>& s);        // final balance

// Floored at zero: a negative value becomes 0.
inline double Floor0(double v) { return v < 0 ? 0.0 : v; }
inline Traced Floor0(const Traced& v) { return {Floor0(v.v), v.from}; }
// Min and max; on equal operands either is the value.
inline double Min(double a, double b) { return b < a ? b : a; }
inline double Max(double a, double b) { return b > a ? b : a; }
inline Traced Min(const Traced& a, const Traced& b) { return {Min(a.v, b.v), a.from | b.from}; }
inline Traced Max(const Traced& a, const Traced& b) { return {Max(a.v, b.v), a.from | b.from}; }
// Rounding to cents: the integer part of (x × 100 + 0.5), divided by 100.
double RoundToCents(double x);
inline Traced RoundToCents(const Traced& x) { return {RoundToCents(x.v), x.from}; }
// The solidarity contribution of a base by its band; `rate` receives the band's rate.
double SolidarityContribution(double base, double* rate);

// A function of plain numbers applied to numbers of either kind: a traced result comes from
// all the arguments.
template <class T>
inline constexpr bool kIsTraced = std::is_same_v<T, Traced> || std::is_same_v<T, TracedBool>;

template <class F, class... Args>
auto Lifted(F f, const Args&... args) {
    if constexpr (!(kIsTraced<Args> || ...)) {
        return f(args...);
    } else {
        Origin from;
        ((from |= OriginOf(args)), ...);
        return Traced{f(Plain(args)...), from};
    }
}

}  // namespace dz::tax
