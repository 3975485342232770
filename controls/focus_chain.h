// The fields of one page in tab order, for Enter, Down and Up in the entry windows.
#pragma once
#include <vector>

class QWidget;

namespace dz {

// The fields of `area`: its descendants that are shown within it, enabled and take the focus
// by tabbing, in the window's tab order. Scroll areas and tab bars are frames, never fields.
std::vector<QWidget*> FieldsWithin(QWidget* area);

}  // namespace dz
