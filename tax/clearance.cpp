// The driver of the clearance computation: reset, emptiness test, preliminaries, then every step.
#include "tax/clearance.h"

#include "tax/clearance_steps.h"

namespace dz::tax {

namespace {

// Taxpayer boxes that do not by themselves call for a computation.
constexpr int kNotContent[] = {1, 7, 13, 17, 327, 905, 913};

bool IsContent(int code) {
    for (int n : kNotContent)
        if (n == code) return false;
    return true;
}

bool HasContent(const CodeTable& codes) {
    const auto& slots = codes.Slots();
    for (int code = 1; code < CodeTable::kSlots; ++code) {
        if (slots[code] == 0.0) continue;  // a ticked box reads as a subnormal: not zero
        if (IsContent(code)) return true;
    }
    return false;
}

// Codes 709/710: the car presumptions of cars 1 to 7, codes 851..863 and 852..864.
constexpr int kCarsTotalCode = 709;
constexpr int kFirstCarCode = 851;
constexpr int kCarCount = 7;

const CodeTable& PlainCodes(const CodeTable& codes) { return codes; }
const CodeTable& PlainCodes(const TracedCodes& codes) { return codes.Plain(); }

}  // namespace

template <class N>
bool ResetAndPrepare(StepContextOf<N>& s) {
    // Reset every result and intermediate; derive NonResident.
    s.r = ResultSetOf<N>{};
    s.r.NonResident = s.T(319) && !s.T(385);

    // The emptiness test (a traced run gives its origin to every result afterwards).
    if (!Plain(s.in.Married) && !HasContent(PlainCodes(s.codes))) {
        s.r.EmptyDeclaration = true;
        return false;
    }

    // Preliminaries: the car presumptions add up into 709/710; the filing flags.
    for (int p = 0; p < 2; ++p) {
        N cars = s.C(kFirstCarCode, p);
        for (int i = 1; i < kCarCount; ++i) cars = cars + s.C(kFirstCarCode + 2 * i, p);
        s.codes.SetValue(kCarsTotalCode + p, cars);
        s.r.FirstFiling[p] = s.T(327, p);
    }
    s.r.HeirFiling = s.T(331);
    return true;
}

template bool ResetAndPrepare(StepContextOf<double>&);
template bool ResetAndPrepare(StepContextOf<Traced>&);

template <class N>
void RunSteps(StepContextOf<N>& s) {
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

void ComputeClearance(CodeTable& codes, ClearanceInputs& inputs, ResultSet& results) {
    TracerOf<double> plain;
    StepContext s{codes, inputs, results, plain};
    RunSteps(s);
}

namespace {

Origin FromSource(int source) {
    Origin from;
    from.sources.set(static_cast<std::size_t>(source));
    return from;
}

template <std::size_t K>
std::array<Traced, K> FromSources(const std::array<double, K>& values, int firstSource) {
    std::array<Traced, K> traced{};
    for (std::size_t i = 0; i < K; ++i) traced[i] = {values[i], FromSource(firstSource + int(i))};
    return traced;
}
template <std::size_t K>
std::array<TracedBool, K> FromSources(const std::array<bool, K>& values, int firstSource) {
    std::array<TracedBool, K> traced{};
    for (std::size_t i = 0; i < K; ++i) traced[i] = {values[i], FromSource(firstSource + int(i))};
    return traced;
}

ClearanceInputsOf<Traced> TracedInputs(const ClearanceInputs& in) {
    ClearanceInputsOf<Traced> t;
    t.Married = {in.Married, FromSource(kSourceMarried)};
    t.LateMonths = {double(in.LateMonths), FromSource(kSourceLateMonths)};
    t.FeeExempt = FromSources(in.FeeExempt, kSourceFeeExempt);
    t.FeeSeatTourist = FromSources(in.FeeSeatTourist, kSourceFeeSeatTourist);
    t.FeeSeatLargeCity = FromSources(in.FeeSeatLargeCity, kSourceFeeSeatLargeCity);
    t.LuxuryAssets.Base5 = FromSources(in.LuxuryAssets.Base5, kSourceLuxuryBase5);
    t.LuxuryAssets.Base13 = FromSources(in.LuxuryAssets.Base13, kSourceLuxuryBase13);
    t.LuxuryAssets.Tax5 = FromSources(in.LuxuryAssets.Tax5, kSourceLuxuryTax5);
    t.LuxuryAssets.Tax13 = FromSources(in.LuxuryAssets.Tax13, kSourceLuxuryTax13);
    return t;
}

// One change of one box empties a computed declaration only when a single box holds content
// and the declaration is not joint, or when a joint declaration has no content at all.
Origin EmptinessOrigin(const CodeTable& codes, bool married) {
    int content = 0, only = 0;
    for (int code = 1; code < CodeTable::kSlots; ++code) {
        if (codes.Value(code) == 0.0 || !IsContent(code)) continue;
        ++content;
        only = code;
    }
    Origin from;
    if (!married && content == 1) from.sources.set(static_cast<std::size_t>(only));
    if (married && content == 0) from.sources.set(kSourceMarried);
    return from;
}

}  // namespace

ClearanceTrace TraceClearance(const CodeTable& codes, const ClearanceInputs& inputs, bool verify) {
    ClearanceTrace trace;
    trace.inputs = TracedInputs(inputs);
    TracedCodes traced(codes);
    TracerOf<Traced> tracer(verify);
    StepContextOf<Traced> s{traced, trace.inputs, trace.results, tracer};
    RunSteps(s);
    trace.code709 = traced.Value(709);
    trace.code710 = traced.Value(710);
    if (!trace.results.EmptyDeclaration.v) trace.emptiness = EmptinessOrigin(codes, inputs.Married);
    trace.faults = tracer.Faults();
    return trace;
}

}  // namespace dz::tax
