// The print operations handed to the windows that print.
#include "print/print_registration.h"

#include "clearance/fi_eka.h"
#include "e1/fi_e1.h"
#include "e2/fi_e2.h"
#include "print/cars_print_command.h"
#include "print/eka_print_command.h"
#include "print/fi_prn_params.h"

namespace dz {

void RegisterPrintOperations() {
    TfiEka::SetPrintOperation([](TfiEka& window, bool pdf) { PrintClearanceNote(window, pdf); });
    // The E1 window gathers its fields into its record before it asks for the dialog.
    TfiE1::SetFormPrint([](TfiE1& window) { RunPrintDialog(&window, window.Declaration()); });
    TfiE1::SetCarsPrint(PrintCarsAttachment);
    // The E2 window collects its fields into its record before it asks for the dialog.
    TfiE2::SetPrint([](TfiE2& window) { RunPrintDialog(&window, window.Record()); });
}

}  // namespace dz
