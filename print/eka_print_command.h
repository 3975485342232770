// The clearance window's print and PDF export (its buttons bt10 and btPDF).
#pragma once

namespace dz {

class TfiEka;
struct EkaPrintInput;

// What the printed note shows for `window`: its header, the clearance lines as they stand, its
// result set, and, when the note comes from the E1 window, that window's luxury-tax amounts
// and registration numbers.
EkaPrintInput EkaPrintInputOf(const TfiEka& window);

// Prints the note on a printer chosen in the printer dialog, or writes "EKA2015/<AFM>.pdf"
// (replacing an earlier one) and opens it. Errors are shown in a box; nothing is reported done
// that was not.
void PrintClearanceNote(TfiEka& window, bool pdf);

}  // namespace dz
