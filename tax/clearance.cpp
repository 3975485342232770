// The driver of the clearance computation: reset, emptiness test, preliminaries, then every step.
#include "tax/clearance.h"

#include "tax/clearance_steps.h"

namespace dz::tax {

namespace {

// Taxpayer boxes that do not by themselves call for a computation.
constexpr int kNotContent[] = {1, 7, 13, 17, 327, 905, 913};

bool HasContent(const CodeTable& codes) {
    const auto& slots = codes.Slots();
    for (int code = 1; code < CodeTable::kSlots; ++code) {
        if (slots[code] == 0.0) continue;  // a ticked box reads as a subnormal: not zero
        bool excluded = false;
        for (int n : kNotContent) excluded |= (n == code);
        if (!excluded) return true;
    }
    return false;
}

// Codes 709/710: the car presumptions of cars 1 to 7, codes 851..863 and 852..864.
constexpr int kCarsTotalCode = 709;
constexpr int kFirstCarCode = 851;
constexpr int kCarCount = 7;

}  // namespace

bool ResetAndPrepare(StepContext& s) {
    // Reset every result and intermediate; derive NonResident.
    s.r = ResultSet{};
    s.r.NonResident = s.T(319) && !s.T(385);

    // The emptiness test.
    if (!s.in.Married && !HasContent(s.codes)) {
        s.r.EmptyDeclaration = true;
        return false;
    }

    // Preliminaries: the car presumptions add up into 709/710; the filing flags.
    for (int p = 0; p < 2; ++p) {
        double cars = s.C(kFirstCarCode, p);
        for (int i = 1; i < kCarCount; ++i) cars = cars + s.C(kFirstCarCode + 2 * i, p);
        s.codes.SetValue(kCarsTotalCode + p, cars);
        s.r.FirstFiling[p] = s.T(327, p);
    }
    s.r.HeirFiling = s.T(331);
    return true;
}

void ComputeClearance(CodeTable& codes, ClearanceInputs& inputs, ResultSet& results) {
    StepContext s{codes, inputs, results};
    if (!ResetAndPrepare(s)) return;
    ComputeIncome(s);
    ComputePresumptionTest(s);
    ComputeScales(s);
    ComputeReductions(s);
    ComputeCreditsAndAdvance(s);
    ComputeSettlement(s);
    ComputeLevies(s);
    ComputeFinalBalance(s);
}

}  // namespace dz::tax
