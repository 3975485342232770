// The E1 form value as JSON, for recovery files: every text, number, tick and the code order
// come back exactly as they were.
#pragma once
#include <QJsonObject>
#include <optional>

#include "declaration/e1_form.h"

namespace dz {

QJsonObject E1FormJson(const E1Form& form);
// Nothing for JSON that is not an E1 form.
std::optional<E1Form> E1FormOfJson(const QJsonObject& json);

}  // namespace dz
