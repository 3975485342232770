// The E2 statement as the window shows it: every entry field's whole text by the field's name
// (stored texts longer than the typing limit included) and whether the window calculates the
// rows itself. Undo and redo and the recovery file keep it.
#pragma once
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace dz {

struct E2Form {
    QHash<QString, QString> texts;  // fields that hold something; absent ones are empty
    bool automatic = true;
    friend bool operator==(const E2Form&, const E2Form&) = default;
};

QJsonObject E2FormJson(const E2Form& form);
// Nothing for JSON that is not an E2 form.
std::optional<E2Form> E2FormOfJson(const QJsonObject& json);

}  // namespace dz
