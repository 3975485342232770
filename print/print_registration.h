// The print operations of the windows that print (clearance note, E1 form, cars list, E2 form).
#pragma once
#include "controls/print_operations.h"

namespace dz {

// The print dialogs and commands as the windows run them.
PrintOperations MakePrintOperations();

}  // namespace dz
