// The clearance window's print and PDF export (its buttons bt10 and btPDF).
#pragma once

namespace dz {

class TfiEka;

// Prints the note the window shows on a printer chosen in the printer dialog, or writes "EKA2015/<AFM>.pdf"
// (replacing an earlier one) and opens it. Errors are shown in a box; nothing is reported done
// that was not.
void PrintClearanceNote(TfiEka& window, bool pdf);

}  // namespace dz
