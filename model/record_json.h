// Declaration records as JSON objects (texts as UTF-8, row blocks as arrays of objects),
// the interchange form of the command-line companion.
#pragma once
#include <QJsonObject>

#include "model/e1_declaration.h"
#include "model/e2_record.h"

namespace dz {

// DataError for a text holding a byte that Windows-1253 leaves undefined, named with its field.
QJsonObject E1ToJson(const E1Declaration& declaration);
QJsonObject E2ToJson(const E2Record& record);

// DataError for an unknown key, a wrong type, a text longer than its field, a character that
// Windows-1253 cannot hold, or a number out of its field's range. Missing keys stay empty.
E1Declaration E1FromJson(const QJsonObject& json);
// Also derives the income-column flags of table 1 from the lease types, as saving does.
E2Record E2FromJson(const QJsonObject& json);

}  // namespace dz
