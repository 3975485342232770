// The print operations handed to the windows that print.
#include "print/print_registration.h"

#include "clearance/fi_eka.h"
#include "print/eka_print_command.h"

namespace dz {

void RegisterPrintOperations() {
    TfiEka::SetPrintOperation([](TfiEka& window, bool pdf) { PrintClearanceNote(window, pdf); });
}

}  // namespace dz
