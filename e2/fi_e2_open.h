// The E2 entry window as the main window opens it: empty, or from the E2 index.
#pragma once

class QWidget;

namespace dz {

// A new, empty E2 window.
QWidget* NewE2Window(QWidget* parent);

// The E2 index; the chosen statement read into a new E2 window, shown and not changed.
// Null when the index is empty (after its message) or closes without a choice.
QWidget* OpenE2FromIndex(QWidget* parent);

}  // namespace dz
