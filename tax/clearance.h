// The computation driver `ComputeClearance`: code table and inputs to the result set.
#pragma once
#include "model/code_table.h"
#include "tax/result_set.h"

namespace dz::tax {

// Runs every step of the clearance once, in order. Resets `results` first, may set
// `inputs.Married` (spouse with domestic income) and writes codes 709 and 710 of `codes`
// (unless the declaration is empty). Allocates nothing.
void ComputeClearance(CodeTable& codes, ClearanceInputs& inputs, ResultSet& results);

}  // namespace dz::tax
