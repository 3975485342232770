// JSON form of the records, walked over the same layout descriptions as the file images.
#include "model/record_json.h"

#include <QJsonArray>
#include <QSet>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "model/e1_layout.h"
#include "model/e2_layout.h"
#include "model/errors.h"
#include "model/real6.h"

namespace dz {
namespace {

// Where the field being visited goes: the top level, a single object, an element of an
// array of objects, or (for a nameless field) an element of an array of values.
struct Place {
    const char* group = nullptr;
    int index = -1;

    QString Name(const char* field) const {
        QString name = group ? QString::fromLatin1(group) : QString();
        if (group && index >= 0) name += QStringLiteral("[%1]").arg(index + 1);
        if (*field) name += (group ? QStringLiteral(".") : QString()) + QLatin1String(field);
        return name;
    }
};

class JsonWriter {
public:
    void Element(const char* group, int index) { place_ = {group, index}; }
    void Single(const char* group) { place_ = {group, -1}; }
    void End() { place_ = {}; }
    void Int32(const char* n, int, int32_t x) { Put(n, x); }
    void Int16(const char* n, int, int16_t x) { Put(n, x); }
    void UInt8(const char* n, int, uint8_t x) { Put(n, x); }
    void Bool(const char* n, int, bool x) { Put(n, x); }
    void StarFlag(const char* n, int, bool x) { Put(n, x); }
    void Real(const char* n, int, double x) { Put(n, x); }
    template <size_t N>
    void Flags(const char*, int, const std::array<uint8_t, N>&) {}  // derived on reading back
    template <int N>
    void Text(const char* n, int, const FixedText<N>& t, int = N) {
        const int bad = FirstUndefinedWin1253(t.data.data(), t.size);
        if (bad >= 0)
            throw DataError(QStringLiteral("the text of field %1 holds the byte 0x%2, which Windows-1253 leaves undefined")
                                .arg(place_.Name(n))
                                .arg(static_cast<uint8_t>(t.data[bad]), 2, 16, QLatin1Char('0')));
        Put(n, t.ToString());
    }

    QJsonObject Finish() {
        for (auto& [group, objects] : elements_) {
            QJsonArray array;
            for (const QJsonObject& o : objects) {
                if (group == "Codes") array.append(QJsonArray{o["Code"], o["Value"]});
                else array.append(o);
            }
            root_[QString::fromStdString(group)] = array;
        }
        for (auto& [group, values] : values_) {
            QJsonArray array;
            for (const QJsonValue& v : values) array.append(v);
            root_[QString::fromStdString(group)] = array;
        }
        for (auto& [group, object] : singles_) root_[QString::fromStdString(group)] = object;
        return root_;
    }

private:
    void Put(const char* name, const QJsonValue& value) {
        if (!place_.group) {
            root_[QLatin1String(name)] = value;
        } else if (place_.index < 0) {
            singles_[place_.group][QLatin1String(name)] = value;
        } else if (!*name) {
            auto& values = values_[place_.group];
            if (static_cast<int>(values.size()) <= place_.index) values.resize(place_.index + 1);
            values[place_.index] = value;
        } else {
            auto& objects = elements_[place_.group];
            if (static_cast<int>(objects.size()) <= place_.index) objects.resize(place_.index + 1);
            objects[place_.index][QLatin1String(name)] = value;
        }
    }

    Place place_;
    QJsonObject root_;
    std::map<std::string, std::vector<QJsonObject>> elements_;
    std::map<std::string, std::vector<QJsonValue>> values_;
    std::map<std::string, QJsonObject> singles_;
};

class JsonReader {
public:
    explicit JsonReader(const QJsonObject& root) : root_(root) {}
    void Element(const char* group, int index) { place_ = {group, index}; }
    void Single(const char* group) { place_ = {group, -1}; }
    void End() { place_ = {}; }

    void Int32(const char* n, int, int32_t& x) { x = static_cast<int32_t>(Integer(n, INT32_MIN, INT32_MAX)); }
    void Int16(const char* n, int, int16_t& x) { x = static_cast<int16_t>(Integer(n, INT16_MIN, INT16_MAX)); }
    void UInt8(const char* n, int, uint8_t& x) { x = static_cast<uint8_t>(Integer(n, 0, 255)); }
    void Bool(const char* n, int, bool& x) {
        const QJsonValue v = Get(n);
        if (v.isUndefined()) return;
        if (!v.isBool()) Fail(n, QStringLiteral("must be true or false"));
        x = v.toBool();
    }
    void StarFlag(const char* n, int o, bool& x) { Bool(n, o, x); }
    void Real(const char* n, int, double& x) {
        const QJsonValue v = Get(n);
        if (v.isUndefined()) return;
        if (!v.isDouble()) Fail(n, QStringLiteral("must be a number"));
        x = v.toDouble();
        uint8_t bytes[6];
        try {
            DoubleToReal6(x, bytes);
        } catch (const DataError&) {
            Fail(n, QStringLiteral("is too large for the six-byte real of the file"));
        }
    }
    template <size_t N>
    void Flags(const char*, int, std::array<uint8_t, N>&) {}
    template <int N>
    void Text(const char* n, int, FixedText<N>& t, int capacity = N) {
        const QJsonValue v = Get(n);
        if (v.isUndefined()) return;
        if (!v.isString()) Fail(n, QStringLiteral("must be a text"));
        AssignStrict(t, v.toString(), place_.Name(n), capacity);
    }

private:
    [[noreturn]] void Fail(const char* n, const QString& what) const {
        throw DataError(QStringLiteral("field %1 %2").arg(place_.Name(n), what));
    }

    qint64 Integer(const char* n, qint64 low, qint64 high) {
        const QJsonValue v = Get(n);
        if (v.isUndefined()) return 0;
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || d != std::floor(d) || d < low || d > high)
            Fail(n, QStringLiteral("must be a whole number from %1 to %2").arg(low).arg(high));
        return static_cast<qint64>(d);
    }

    // The JSON value of the field, or undefined when it is absent.
    QJsonValue Get(const char* name) const {
        if (!place_.group) return root_.value(QLatin1String(name));
        const QJsonValue group = root_.value(QLatin1String(place_.group));
        if (group.isUndefined()) return QJsonValue(QJsonValue::Undefined);
        if (place_.index < 0) {
            if (!group.isObject()) Fail("", QStringLiteral("must be an object"));
            return group.toObject().value(QLatin1String(name));
        }
        if (!group.isArray()) Fail("", QStringLiteral("must be an array"));
        const QJsonArray array = group.toArray();
        if (place_.index >= array.size()) return QJsonValue(QJsonValue::Undefined);
        const QJsonValue element = array.at(place_.index);
        if (!*name) return element;
        if (std::string_view(place_.group) == "Codes") {  // [code, value] pairs
            if (!element.isArray() || element.toArray().size() != 2)
                Fail("", QStringLiteral("must be a [code, value] pair"));
            return element.toArray().at(std::string_view(name) == "Code" ? 0 : 1);
        }
        if (!element.isObject()) Fail("", QStringLiteral("must be an object"));
        return element.toObject().value(QLatin1String(name));
    }

    const QJsonObject& root_;
    Place place_;
};

// Rejects keys the record does not have and arrays longer than the record's, by comparing
// with the JSON of an empty record.
void CheckShape(const QJsonObject& json, const QJsonObject& shape) {
    for (auto it = json.begin(); it != json.end(); ++it) {
        const QString& key = it.key();
        if (!shape.contains(key)) throw DataError(QStringLiteral("unknown field %1").arg(key));
        const QJsonValue expected = shape.value(key);
        const QJsonValue given = it.value();
        if (expected.isArray() && given.isArray()) {
            const QJsonArray e = expected.toArray();
            const QJsonArray g = given.toArray();
            if (g.size() > e.size())
                throw DataError(QStringLiteral("field %1 has %2 elements; at most %3").arg(key).arg(g.size()).arg(e.size()));
            for (int i = 0; i < g.size(); ++i)
                if (e.at(0).isObject() && g.at(i).isObject()) {
                    try {
                        CheckShape(g.at(i).toObject(), e.at(0).toObject());
                    } catch (const DataError& error) {
                        throw DataError(QStringLiteral("%1[%2]: %3").arg(key).arg(i + 1).arg(error.message()));
                    }
                }
        } else if (expected.isObject() && given.isObject()) {
            CheckShape(given.toObject(), expected.toObject());
        }
    }
}

}  // namespace

QJsonObject E1ToJson(const E1Declaration& declaration) {
    JsonWriter writer;
    VisitE1Layout(declaration, writer);
    return writer.Finish();
}

QJsonObject E2ToJson(const E2Record& record) {
    JsonWriter writer;
    VisitE2Layout(record, writer);
    return writer.Finish();
}

E1Declaration E1FromJson(const QJsonObject& json) {
    static const QJsonObject shape = E1ToJson(E1Declaration{});
    CheckShape(json, shape);
    E1Declaration declaration;
    JsonReader reader(json);
    VisitE1Layout(declaration, reader);
    return declaration;
}

E2Record E2FromJson(const QJsonObject& json) {
    static const QJsonObject shape = E2ToJson(E2Record{});
    CheckShape(json, shape);
    E2Record record;
    JsonReader reader(json);
    VisitE2Layout(record, reader);
    DeriveIncomeFlags(record);
    return record;
}

}  // namespace dz
