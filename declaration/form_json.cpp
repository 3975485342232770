// Boxes as {"name": [text, number]}: a number box may carry more than its text shows.
#include "declaration/form_json.h"

#include <QJsonArray>
#include <algorithm>

namespace dz {

QJsonObject E1FormJson(const E1Form& form) {
    QJsonObject boxes;
    for (auto box = form.boxes.cbegin(); box != form.boxes.cend(); ++box)
        boxes.insert(box.key(), QJsonArray{box->text, box->number});
    QStringList ticked(form.ticked.cbegin(), form.ticked.cend());
    std::sort(ticked.begin(), ticked.end());
    QJsonArray order;
    for (int code : form.codeOrder) order.append(code);
    return {{QStringLiteral("boxes"), boxes},
            {QStringLiteral("ticked"), QJsonArray::fromStringList(ticked)},
            {QStringLiteral("registrationNo"), form.registrationNo},
            {QStringLiteral("codeOrder"), order}};
}

std::optional<E1Form> E1FormOfJson(const QJsonObject& json) {
    if (!json.value(QStringLiteral("boxes")).isObject()) return std::nullopt;
    E1Form form;
    const QJsonObject boxes = json.value(QStringLiteral("boxes")).toObject();
    for (auto box = boxes.constBegin(); box != boxes.constEnd(); ++box) {
        const QJsonArray pair = box.value().toArray();
        if (pair.size() != 2 || !pair[0].isString() || !pair[1].isDouble()) return std::nullopt;
        form.boxes.insert(box.key(), {pair[0].toString(), pair[1].toDouble()});
    }
    for (const QJsonValue& name : json.value(QStringLiteral("ticked")).toArray()) form.ticked.insert(name.toString());
    form.registrationNo = json.value(QStringLiteral("registrationNo")).toInt();
    for (const QJsonValue& code : json.value(QStringLiteral("codeOrder")).toArray()) form.codeOrder.push_back(code.toInt());
    return form;
}

}  // namespace dz
