// The E1 window's cars list command (its button btPrintAuto).
#pragma once

namespace dz {

class TfiE1;

// The printer dialog first; when confirmed, the window's fields are gathered and the cars list
// is printed on the printer chosen.
void PrintCarsAttachment(TfiE1& window);

}  // namespace dz
