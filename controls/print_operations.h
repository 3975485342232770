// The print operations of the windows that print, handed to each window when it is created.
#pragma once
#include <functional>

namespace dz {

class TfiE1;
class TfiE2;
class TfiEka;

// What the windows' print buttons run. The windows cannot reach the print dialogs themselves:
// the print layer fills these once (print/print_registration.cpp) and the shell gives them to
// every window it creates, which passes them on to the windows it opens. A window given an
// empty operation keeps the buttons of that operation disabled.
struct PrintOperations {
    // The clearance note's print (bt10), or its PDF export when `pdf` (btPDF).
    std::function<void(TfiEka& window, bool pdf)> clearanceNote;
    // The E1 form ("miPrint"); it runs after the window gathered its declaration.
    std::function<void(TfiE1& window)> e1Form;
    // The E1 cars list (btPrintAuto): shows its printer dialog, then gathers the declaration itself.
    std::function<void(TfiE1& window)> e1Cars;
    // The E2 statement ("miPrint"); it runs after the window collected its record.
    std::function<void(TfiE2& window)> e2Form;
};

}  // namespace dz
