// The E2 entry window as the main window opens it: empty, or from the E2 index.
#pragma once

#include "controls/print_operations.h"

class QWidget;

namespace dz {

// A new, empty E2 window that prints through `print`.
QWidget* NewE2Window(const PrintOperations& print, QWidget* parent);

// The E2 index; the chosen statement read into a new E2 window that prints through `print`,
// shown and not changed. Null when the index is empty (after its message) or closes without
// a choice.
QWidget* OpenE2FromIndex(const PrintOperations& print, QWidget* parent);

}  // namespace dz
