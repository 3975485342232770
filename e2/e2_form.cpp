// The E2 form value as JSON: {"texts": {"edTopos1": "…"}, "automatic": true}.
#include "e2/e2_form.h"

namespace dz {

QJsonObject E2FormJson(const E2Form& form) {
    QJsonObject texts;
    for (auto it = form.texts.cbegin(); it != form.texts.cend(); ++it) texts.insert(it.key(), it.value());
    return {{QStringLiteral("texts"), texts}, {QStringLiteral("automatic"), form.automatic}};
}

std::optional<E2Form> E2FormOfJson(const QJsonObject& json) {
    if (!json.value(QStringLiteral("texts")).isObject() || !json.value(QStringLiteral("automatic")).isBool())
        return std::nullopt;
    E2Form form;
    const QJsonObject texts = json.value(QStringLiteral("texts")).toObject();
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        if (!it.value().isString()) return std::nullopt;
        form.texts.insert(it.key(), it.value().toString());
    }
    form.automatic = json.value(QStringLiteral("automatic")).toBool();
    return form;
}

}  // namespace dz
