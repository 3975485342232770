// A stored text put into an entry field whole, even where the user may type fewer characters.
#pragma once
#include <QString>

class QLineEdit;

namespace dz {

// Shows `text` whole in `edit`: a text longer than the field's typing limit raises the limit
// for as long as the field holds it; a later text that fits brings the typing limit back, so
// the user still cannot type past it. Opening, copying and moving a row never cut what a
// statement holds.
void SetStoredText(QLineEdit* edit, const QString& text);

}  // namespace dz
