// Speed of one `ComputeClearance` of a full joint declaration (target: under 2 µs), and of its traced run.
#include <benchmark/benchmark.h>

#include "bench/joint_declaration.h"
#include "tax/clearance.h"

namespace {

void BM_ComputeClearanceJoint(benchmark::State& state) {
    dz::CodeTable codes;
    dz::tax::ClearanceInputs inputs;
    dz::bench::FillJointDeclaration(codes, inputs);
    dz::tax::ResultSet results;
    for (auto _ : state) {
        inputs.Married = true;
        dz::tax::ComputeClearance(codes, inputs, results);
        benchmark::DoNotOptimize(results.FinalBalance);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeClearanceJoint);

void BM_ComputeClearanceEmpty(benchmark::State& state) {
    dz::CodeTable codes;
    codes.Clear();
    dz::tax::ClearanceInputs inputs;
    dz::tax::ResultSet results;
    for (auto _ : state) {
        dz::tax::ComputeClearance(codes, inputs, results);
        benchmark::DoNotOptimize(results.EmptyDeclaration);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeClearanceEmpty);

// The same declaration traced: every result with its codes and rules (target: under 50 µs).
void BM_TraceClearanceJoint(benchmark::State& state) {
    dz::CodeTable codes;
    dz::tax::ClearanceInputs inputs;
    dz::bench::FillJointDeclaration(codes, inputs);
    for (auto _ : state) {
        const dz::tax::ClearanceTrace trace = dz::tax::TraceClearance(codes, inputs);
        benchmark::DoNotOptimize(trace.results.FinalBalance.v);
    }
}
BENCHMARK(BM_TraceClearanceJoint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
