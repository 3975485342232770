// Snapshots of a file: its identity on the disk and a digest of its content.
#include "safekeeping/file_snapshot.h"

#include <QCryptographicHash>
#include <QFile>
#include <sys/stat.h>

namespace dz {

FileSnapshot SnapshotOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    FileSnapshot snapshot{true, static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), {}};
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        snapshot.digest = hash.result();
    }
    return snapshot;
}

QJsonObject FileSnapshotJson(const FileSnapshot& snapshot) {
    return {{QStringLiteral("exists"), snapshot.exists},
            {QStringLiteral("device"), QString::number(snapshot.device)},
            {QStringLiteral("inode"), QString::number(snapshot.inode)},
            {QStringLiteral("sha256"), QString::fromLatin1(snapshot.digest.toHex())}};
}

std::optional<FileSnapshot> FileSnapshotOfJson(const QJsonObject& json) {
    if (!json.value(QStringLiteral("exists")).isBool()) return std::nullopt;
    bool deviceOk = false;
    bool inodeOk = false;
    FileSnapshot snapshot{json.value(QStringLiteral("exists")).toBool(),
                          json.value(QStringLiteral("device")).toString().toULongLong(&deviceOk),
                          json.value(QStringLiteral("inode")).toString().toULongLong(&inodeOk),
                          QByteArray::fromHex(json.value(QStringLiteral("sha256")).toString().toLatin1())};
    if (snapshot.exists && (!deviceOk || !inodeOk)) return std::nullopt;
    return snapshot;
}

}  // namespace dz
