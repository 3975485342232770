// What a declaration file was when a window opened or saved it, to notice another writer since.
#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace dz {

struct FileSnapshot {
    bool exists = false;
    // The file itself: a save by another program puts a new file in its place.
    quint64 device = 0;
    quint64 inode = 0;
    QByteArray digest;  // SHA-256 of the content
    friend bool operator==(const FileSnapshot&, const FileSnapshot&) = default;
};

// The file at `path` now; a file that cannot be read counts by its identity and an empty digest.
FileSnapshot SnapshotOf(const QString& path);

QJsonObject FileSnapshotJson(const FileSnapshot& snapshot);
std::optional<FileSnapshot> FileSnapshotOfJson(const QJsonObject& json);

}  // namespace dz
