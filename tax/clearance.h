// The computation driver `ComputeClearance`: code table and inputs to the result set; and the same computation traced.
#pragma once
#include <string>

#include "model/code_table.h"
#include "tax/result_set.h"
#include "tax/traced.h"

namespace dz::tax {

// Runs every step of the clearance once, in order. Resets `results` first, may set
// `inputs.Married` (spouse with domestic income) and writes codes 709 and 710 of `codes`
// (unless the declaration is empty). Allocates nothing.
void ComputeClearance(CodeTable& codes, ClearanceInputs& inputs, ResultSet& results);

// The computation run on traced numbers: every result with what it came from.
struct ClearanceTrace {
    ResultSetOf<Traced> results;
    ClearanceInputsOf<Traced> inputs;  // as the run leaves them (`Married`)
    Traced code709, code710;
    // What every result also rests on: the one box whose emptying would leave nothing to
    // compute (or the joint mark that alone keeps an empty declaration computed).
    Origin emptiness;
    std::string faults;  // with verification, the first fault of the computation's rules
};

// Runs the computation on traced numbers: the values are exactly ComputeClearance's for the
// same codes and inputs, and `codes` is left as it is. With `verify`, a decision taken outside
// the rules that name what it decides is reported in `faults` (the tests run so).
ClearanceTrace TraceClearance(const CodeTable& codes, const ClearanceInputs& inputs, bool verify = false);

// The origin a result has in the trace: its own and the emptiness test's.
inline Origin OriginIn(const ClearanceTrace& trace, const Origin& own) { return own | trace.emptiness; }

}  // namespace dz::tax
