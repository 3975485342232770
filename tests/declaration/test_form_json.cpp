// The E1 form kept as JSON comes back equal, precision, ticks and the code order included.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <cmath>

#include "declaration/form_json.h"

namespace dz {
namespace {

TEST(E1FormJson, EveryPartOfTheFormComesBackExactly) {
    E1Form form;
    form.boxes.insert(QStringLiteral("edP301"), {QStringLiteral("12,35"), 12.345});
    form.boxes.insert(QStringLiteral("edSurname"), {QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ \"Ο ΝΕΟΣ\""), 0});
    form.boxes.insert(QStringLiteral("edP851"), {QStringLiteral("0,10"), 0.1 + 0.2});
    form.boxes.insert(QStringLiteral("edP003"), {QStringLiteral("-1.000.000,00"), -1e6});
    form.boxes.insert(QStringLiteral("edP005"), {QStringLiteral(""), std::nextafter(1.0, 2.0)});
    form.ticked = {QStringLiteral("cbP013"), QStringLiteral("cbTelos500F")};
    form.registrationNo = 2147483647;
    form.codeOrder = {851, 301, 3, 5};
    // Through the bytes a recovery file holds.
    const QJsonObject json = QJsonDocument::fromJson(QJsonDocument(E1FormJson(form)).toJson()).object();
    const auto back = E1FormOfJson(json);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, form);
    EXPECT_EQ(E1FormOfJson({}), std::nullopt) << "no boxes";
    EXPECT_EQ(E1FormOfJson({{QStringLiteral("boxes"), QJsonObject{{QStringLiteral("edP301"), 5}}}}), std::nullopt)
        << "a box without its text and number";
}

}  // namespace
}  // namespace dz
