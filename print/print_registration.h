// Plugs the print dialogs into the windows that print (clearance note, E1 form and cars list).
#pragma once

namespace dz {

// Sets the print operations of the clearance window and of the E1 window. Idempotent.
void RegisterPrintOperations();

}  // namespace dz
