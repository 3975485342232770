// The index of saved declarations as the entry windows open it.
#pragma once
#include <QString>
#include <optional>

#include "model/declaration_file.h"

class QWidget;

namespace dz {

// The tax number chosen from the index of `kind`. None when the index is empty (after its
// message) or closes without a choice.
std::optional<QString> ChooseFromIndex(DeclarationKind kind, QWidget* parent);

}  // namespace dz
