// The print operations handed to the windows that print.
#include "print/print_registration.h"

#include "notewindow/fi_eka.h"
#include "e1/fi_e1.h"
#include "e2/fi_e2.h"
#include "print/cars_print_command.h"
#include "print/eka_print_command.h"
#include "print/fi_prn_params.h"

namespace dz {

PrintOperations MakePrintOperations() {
    PrintOperations print;
    print.clearanceNote = PrintClearanceNote;
    // The E1 window gathers its fields into its record before it asks for the dialog.
    print.e1Form = [](TfiE1& window) { RunPrintDialog(&window, window.Declaration()); };
    print.e1Cars = PrintCarsAttachment;
    // The E2 window collects its fields into its record before it asks for the dialog.
    print.e2Form = [](TfiE2& window) { RunPrintDialog(&window, window.Record()); };
    return print;
}

}  // namespace dz
