// Moving the focus to the next or previous field of one window (Enter, Down and Up in the entry windows).
#pragma once

class QWidget;

namespace dz {

// The focus chain runs through the whole main window; only `window`'s visible, enabled fields
// that take the focus by tabbing count, and the tab bar of its pages is passed over.
void MoveFocusWithin(QWidget* window, bool forward);

}  // namespace dz
