// The E1 entry window as the main window opens it: empty, or from the E1 index.
#pragma once
#include <QString>

#include "controls/print_operations.h"

class QWidget;

namespace dz {

class TfiE1;

// A new, empty E1 window that prints through `print`.
QWidget* NewE1Window(const PrintOperations& print, QWidget* parent);

// The E1 index; the chosen declaration read into a new E1 window that prints through `print`,
// shown and not modified. Null when the index is empty (after its message) or closes without
// a choice.
QWidget* OpenE1FromIndex(const PrintOperations& print, QWidget* parent);

// Reads the declaration of `afm` into `window` and shows it; the window is not modified after
// and holds the declaration's lock. False, the window untouched, when another running program
// holds the declaration and the user chose not to open it; IoError, the window untouched, when
// the file is gone or cannot be read.
bool LoadE1Declaration(TfiE1& window, const QString& afm);

}  // namespace dz
