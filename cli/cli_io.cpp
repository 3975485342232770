// Input and output helpers of the subcommands.
#include "cli/cli_io.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cstdio>

#include "model/errors.h"

namespace dz::cli {

std::optional<QString> TakeOption(QStringList& args, const QString& option) {
    const int at = args.indexOf(option);
    if (at < 0) return std::nullopt;
    if (at + 1 >= args.size()) throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& flag) { return args.removeAll(flag) > 0; }

QByteArray ReadStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) throw IoError(QStringLiteral("cannot read standard input"));
    return in.readAll();
}

QJsonObject ParseJsonObject(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw DataError(QStringLiteral("input is not valid JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject()) throw DataError(QStringLiteral("input must be one JSON object"));
    return doc.object();
}

void WriteJson(const QJsonObject& object) {
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, text.size(), stdout);
    std::fflush(stdout);
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw IoError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

}  // namespace dz::cli
