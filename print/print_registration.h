// Plugs the print dialogs into the windows that print (clearance note, E1 form, cars list, E2 form).
#pragma once

namespace dz {

// Sets the print operations of the clearance window, the E1 window and the E2 window. Idempotent.
void RegisterPrintOperations();

}  // namespace dz
