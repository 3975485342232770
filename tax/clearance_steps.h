// The steps of `ComputeClearance`, one function per step, exposed so tests can run one alone.
#pragma once
#include "model/code_table.h"
#include "tax/result_set.h"

namespace dz::tax {

// What every step reads and writes. Codes are read per person: C(301, p) is code 301 for
// the taxpayer (p = 0) and code 302 for the spouse (p = 1).
struct StepContext {
    CodeTable& codes;
    ClearanceInputs& in;
    ResultSet& r;

    double C(int oddCode, int p) const { return codes.Value(oddCode + p); }
    double C(int code) const { return codes.Value(code); }
    // Yes/no codes are tested by the first byte of their slot: an amount typed for such a
    // code (1.0 has a zero first byte) is not a ticked box.
    bool T(int oddCode, int p) const { return codes.IsTicked(oddCode + p); }
    bool T(int code) const { return codes.IsTicked(code); }
};

// Reset, emptiness test and preliminaries. Returns false when the declaration is empty (the run stops).
bool ResetAndPrepare(StepContext& s);
void ComputeIncome(StepContext& s);              // income by category
void ComputePresumptionTest(StepContext& s);     // presumptive expenditure
void ComputeScales(StepContext& s);              // deductions and tax scales
void ComputeReductions(StepContext& s);          // receipts and reductions
void ComputeCreditsAndAdvance(StepContext& s);   // stamp duty, credits, advance
void ComputeSettlement(StepContext& s);          // income tax settlement
void ComputeLevies(StepContext& s);              // contribution, fee, luxury tax
void ComputeFinalBalance(StepContext& s);        // final balance

// Floored at zero: a negative value becomes 0.
inline double Floor0(double v) { return v < 0 ? 0.0 : v; }
// Min and max; on equal operands either is the value.
inline double Min(double a, double b) { return b < a ? b : a; }
inline double Max(double a, double b) { return b > a ? b : a; }
// Rounding to cents: the integer part of (x × 100 + 0.5), divided by 100.
double RoundToCents(double x);
// The solidarity contribution of a base by its band; `rate` receives the band's rate.
double SolidarityContribution(double base, double* rate);

}  // namespace dz::tax
