// Small helpers shared by the subcommands: options, standard input, JSON output, files.
#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace dz::cli {

// Thrown for a command line that does not fit the command (exit status 2).
struct UsageError {
    QString message;
};

// The value after `option` in args (removing both), or nothing when absent.
std::optional<QString> TakeOption(QStringList& args, const QString& option);
bool TakeFlag(QStringList& args, const QString& flag);

QByteArray ReadStandardInput();
QJsonObject ParseJsonObject(const QByteArray& bytes);  // DataError when not one JSON object
void WriteJson(const QJsonObject& object);
QByteArray ReadWholeFile(const QString& path);

}  // namespace dz::cli
