// One `ComputeClearance` of the full joint declaration, for counting its instructions:
//   valgrind --tool=callgrind --toggle-collect='dz::tax::ComputeClearance*' ./callgrind_tax
#include <cstdio>

#include "bench/joint_declaration.h"
#include "tax/clearance.h"

int main() {
    static dz::CodeTable codes;
    static dz::tax::ClearanceInputs inputs;
    static dz::tax::ResultSet results;
    dz::bench::FillJointDeclaration(codes, inputs);
    dz::tax::ComputeClearance(codes, inputs, results);
    std::printf("FinalBalance %.2f\n", results.FinalBalance);
    return 0;
}
