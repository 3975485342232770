// The computation's inputs for a saved E1 declaration, as the E1 window has them after showing it.
#pragma once
#include "model/code_table.h"
#include "model/e1_declaration.h"
#include "tax/result_set.h"

namespace dz::cli {

// Code table from the code list as the boxes show it: an amount as its two-decimal amount
// text reads back, a whole number rounded half to even, a yes/no box ticked when its value is
// not 0; codes without a box are ignored and later entries win. `Married`, `LateMonths` and
// the fee flags from the record (the large-city seat from codes 093/095 being exactly 1), and
// the luxury-tax bases from the cars, boats, aircraft, pool and boxes 013/014.
void InputsFromDeclaration(const E1Declaration& declaration, CodeTable& codes, tax::ClearanceInputs& inputs);

}  // namespace dz::cli
