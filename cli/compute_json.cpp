// JSON of `dovazez-cli compute`: input object → code table and inputs; result set → JSON.
#include "cli/compute_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/errors.h"
#include "tax/result_table.h"

namespace dz::cli {

namespace {

[[noreturn]] void Bad(const QString& message) { throw DataError(message); }

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Decimal text of a code, leading zeros allowed, 0 to 1000.
int CodeFromKey(const QString& key) {
    if (key.isEmpty()) Bad(QStringLiteral("amounts: empty code"));
    int value = 0;
    for (QChar ch : key) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            Bad(QStringLiteral("amounts: code %1 is not a decimal number").arg(Quoted(key)));
        }
        value = value * 10 + (ch.unicode() - '0');
        if (value > 1000) Bad(QStringLiteral("amounts: code %1 is outside 0 to 1000").arg(Quoted(key)));
    }
    return value;
}

double FiniteNumber(const QJsonValue& v, const QString& where) {
    if (!v.isDouble()) Bad(QStringLiteral("%1 is not a number").arg(where));
    const double d = v.toDouble();
    if (!std::isfinite(d)) Bad(QStringLiteral("%1 is not a finite number").arg(where));
    return d;
}

// A whole number in [low, high].
qint64 WholeNumber(const QJsonValue& v, const QString& where, double low, double high) {
    const double d = FiniteNumber(v, where);
    if (d != std::trunc(d)) Bad(QStringLiteral("%1 is not a whole number").arg(where));
    if (d < low || d > high) {
        Bad(QStringLiteral("%1 is outside %2 to %3").arg(where).arg(qint64(low)).arg(qint64(high)));
    }
    return qint64(d);
}

tax::FlagPair FlagPairFrom(const QJsonValue& v, const QString& key) {
    if (!v.isArray() || v.toArray().size() != 2) {
        Bad(QStringLiteral("%1 must be an array of two booleans [taxpayer, spouse]").arg(key));
    }
    const QJsonArray a = v.toArray();
    tax::FlagPair flags{};
    for (int p = 0; p < 2; ++p) {
        if (!a[p].isBool()) Bad(QStringLiteral("%1[%2] is not a boolean").arg(key).arg(p));
        flags[p] = a[p].toBool();
    }
    return flags;
}

tax::Pair PairFrom(const QJsonValue& v, const QString& key) {
    if (!v.isArray() || v.toArray().size() != 2) {
        Bad(QStringLiteral("%1 must be an array of two numbers [taxpayer, spouse]").arg(key));
    }
    const QJsonArray a = v.toArray();
    tax::Pair pair{};
    for (int p = 0; p < 2; ++p) pair[p] = FiniteNumber(a[p], QStringLiteral("%1[%2]").arg(key).arg(p));
    return pair;
}

void ReadLuxury(const QJsonValue& v, tax::LuxuryRecord& lux) {
    if (!v.isObject()) Bad(QStringLiteral("luxury must be an object"));
    const QJsonObject o = v.toObject();
    const struct {
        const char* key;
        tax::Pair* target;
    } fields[] = {{"base5", &lux.Base5}, {"base13", &lux.Base13}, {"tax5", &lux.Tax5}, {"tax13", &lux.Tax13}};
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool known = false;
        for (const auto& f : fields) {
            if (it.key() == QLatin1String(f.key)) {
                *f.target = PairFrom(it.value(), QStringLiteral("luxury.") + it.key());
                known = true;
            }
        }
        if (!known) Bad(QStringLiteral("luxury: unknown key %1 (base5, base13, tax5, tax13)").arg(Quoted(it.key())));
    }
}

}  // namespace

ComputeRequest ParseComputeRequest(const QByteArray& json, QByteArray* warning) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        Bad(QStringLiteral("input is not valid JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset));
    }
    if (!doc.isObject()) Bad(QStringLiteral("input must be one JSON object"));
    const QJsonObject root = doc.object();

    ComputeRequest request;
    request.Codes.Clear();
    tax::ClearanceInputs& in = request.Inputs;
    QSet<int> amountCodes;

    for (auto it = root.begin(); it != root.end(); ++it) {
        const QString key = it.key();
        const QJsonValue v = it.value();
        if (key == QLatin1String("amounts")) {
            if (!v.isObject()) Bad(QStringLiteral("amounts must be an object of code: number"));
            const QJsonObject amounts = v.toObject();
            for (auto a = amounts.begin(); a != amounts.end(); ++a) {
                const int code = CodeFromKey(a.key());
                if (amountCodes.contains(code)) {
                    Bad(QStringLiteral("amounts: code %1 is given twice").arg(code));
                }
                amountCodes.insert(code);
                request.Codes.SetValue(code, FiniteNumber(a.value(), QStringLiteral("amounts: the value of code %1").arg(Quoted(a.key()))));
            }
        } else if (key == QLatin1String("ticked")) {
            // Handled after the loop, when every amount code is known.
            if (!v.isArray()) Bad(QStringLiteral("ticked must be an array of codes"));
        } else if (key == QLatin1String("married")) {
            if (!v.isBool()) Bad(QStringLiteral("married is not a boolean"));
            in.Married = v.toBool();
        } else if (key == QLatin1String("lateMonths")) {
            in.LateMonths = static_cast<std::int32_t>(WholeNumber(v, QStringLiteral("lateMonths"),
                                                                  std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max()));
        } else if (key == QLatin1String("feeExempt")) {
            in.FeeExempt = FlagPairFrom(v, key);
        } else if (key == QLatin1String("feeSeatTourist")) {
            in.FeeSeatTourist = FlagPairFrom(v, key);
        } else if (key == QLatin1String("feeSeatLargeCity")) {
            in.FeeSeatLargeCity = FlagPairFrom(v, key);
        } else if (key == QLatin1String("luxury")) {
            ReadLuxury(v, in.LuxuryAssets);
        } else if (warning) {
            *warning += "unknown key \"" + key.toUtf8() + "\" ignored\n";
        }
    }

    const QJsonArray ticked = root.value(QLatin1String("ticked")).toArray();
    for (qsizetype i = 0; i < ticked.size(); ++i) {
        const int code = int(WholeNumber(ticked[i], QStringLiteral("ticked[%1]").arg(i), 0, 1000));
        if (amountCodes.contains(code)) {
            Bad(QStringLiteral("code %1 appears both in amounts and in ticked").arg(code));
        }
        request.Codes.SetTicked(code, true);
    }
    return request;
}

QByteArray JsonNumber(double value, const char* name) {
    if (!std::isfinite(value)) {
        Bad(QStringLiteral("result %1 is not a finite number (amounts too large)").arg(QLatin1String(name)));
    }
    if (value == 0) return QByteArrayLiteral("0");  // also −0.0: never "-0"
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, int(end - buffer));
}

namespace {

template <class Sink>
void Put(Sink& sink, const char* name, double value) { sink.Number(name, value); }
template <class Sink>
void Put(Sink& sink, const char* name, const tax::Pair& value) { sink.Pair(name, value); }
template <class Sink, std::size_t K>
void Put(Sink& sink, const char* name, const tax::PersonArrays<K>& value) { sink.Arrays(name, value); }

// Walks the result set in the order of the result-set table; the sink receives each value.
template <class Sink>
void VisitResults(const tax::ResultSet& r, const CodeTable& codes, bool married, Sink& sink) {
    sink.Bool("EmptyDeclaration", r.EmptyDeclaration);
    sink.Bool("Married", married);
    VisitResultTable(r, [&sink](const char* name, const auto& value) { Put(sink, name, value); });
    sink.Number("Code709", codes.Value(709));
    sink.Number("Code710", codes.Value(710));
}

double Normal(double v, const char* name) {
    JsonNumber(v, name);  // the finiteness check
    return v == 0 ? 0.0 : v;
}

struct ObjectSink {
    QJsonObject object;
    void Bool(const char* name, bool v) { object.insert(QLatin1String(name), v); }
    void Number(const char* name, double v) { object.insert(QLatin1String(name), Normal(v, name)); }
    void Pair(const char* name, const tax::Pair& v) {
        object.insert(QLatin1String(name), QJsonArray{Normal(v[0], name), Normal(v[1], name)});
    }
    template <std::size_t N>
    void Arrays(const char* name, const tax::PersonArrays<N>& v) {
        QJsonArray both;
        for (const auto& person : v) {
            QJsonArray items;
            for (double x : person) items.append(Normal(x, name));
            both.append(items);
        }
        object.insert(QLatin1String(name), both);
    }
};

struct TextSink {
    QByteArray text = "{";
    bool first = true;
    void Key(const char* name) {
        text += first ? "\n  \"" : ",\n  \"";
        first = false;
        text += name;
        text += "\": ";
    }
    void Bool(const char* name, bool v) {
        Key(name);
        text += v ? "true" : "false";
    }
    void Number(const char* name, double v) {
        Key(name);
        text += JsonNumber(v, name);
    }
    void Pair(const char* name, const tax::Pair& v) {
        Key(name);
        text += '[' + JsonNumber(v[0], name) + ", " + JsonNumber(v[1], name) + ']';
    }
    template <std::size_t N>
    void Arrays(const char* name, const tax::PersonArrays<N>& v) {
        Key(name);
        text += '[';
        for (int p = 0; p < 2; ++p) {
            text += p == 0 ? "[" : ", [";
            for (std::size_t i = 0; i < N; ++i) {
                if (i > 0) text += ", ";
                text += JsonNumber(v[p][i], name);
            }
            text += ']';
        }
        text += ']';
    }
};

}  // namespace

QByteArray ComputedJson(CodeTable codes, tax::ClearanceInputs inputs, bool explain) {
    std::vector<Explanation> explanations;
    if (explain) explanations = ExplainResults(tax::TraceClearance(codes, inputs), codes);  // before the run changes them
    tax::ResultSet results;
    tax::ComputeClearance(codes, inputs, results);
    return ResultSetToJsonText(results, codes, inputs.Married, explain ? &explanations : nullptr);
}

QJsonObject ResultSetToJson(const tax::ResultSet& results, const CodeTable& codes, bool married) {
    ObjectSink sink;
    VisitResults(results, codes, married, sink);
    return sink.object;
}

QByteArray ResultSetToJsonText(const tax::ResultSet& results, const CodeTable& codes, bool married,
                               const std::vector<Explanation>* explanations) {
    TextSink sink;
    VisitResults(results, codes, married, sink);
    if (explanations) {
        QJsonObject explain;
        for (const Explanation& e : *explanations) {
            QJsonArray codeNames;
            for (int code : e.codes) codeNames.append(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')));
            explain.insert(e.result, QJsonObject{{QStringLiteral("codes"), codeNames},
                                                 {QStringLiteral("inputs"), QJsonArray::fromStringList(e.inputs)},
                                                 {QStringLiteral("steps"), QJsonArray::fromStringList(e.steps)},
                                                 {QStringLiteral("text"), e.text}});
        }
        sink.Key("explain");
        sink.text += QJsonDocument(explain).toJson(QJsonDocument::Compact);
    }
    sink.text += "\n}\n";
    return sink.text;
}

}  // namespace dz::cli
