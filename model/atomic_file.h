// The one way the program writes a file: whole or not at all, keeping the file's permissions.
#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace dz {

// Why the file at `path` may not be written, in Greek, or an empty text when it may: a folder
// that does not exist, a file or folder the user may not write, a target that is a folder.
// A file or folder whose mode gives no one the right to write counts as read-only even for
// the administrator, as editors treat it.
QString WriteRefusal(const QString& path);

// Writes `bytes` to a new file in the target's folder, checking every write, syncs it to disk,
// renames it over `path` and syncs the folder. A replaced file keeps its mode (and its owner
// and group where the system allows); a new one gets 0666 less the umask. A symbolic link is
// written through to its target. On any failure the new file is removed, an earlier file stays
// byte for byte as it was, and the reason is returned in Greek; an empty text means written.
QString TryWriteFileAtomically(const QString& path, QByteArrayView bytes);

struct FileToWrite {
    QString path;
    QByteArray bytes;
};

// Several files, each whole or not at all as above, sharing the waits for the disk: all are
// written, then synced, renamed and their folders synced. The reasons in the order given
// (empty for a file written). Each file stays open until synced: a few dozen at a time.
QStringList TryWriteFilesAtomically(const std::vector<FileToWrite>& files);

// TryWriteFileAtomically raising IoError with FileWriteError's text.
void WriteFileAtomically(const QString& path, QByteArrayView bytes);

// "Δεν ήταν δυνατή η εγγραφή του αρχείου «path»: reason." and whether an earlier file is kept.
QString FileWriteError(const QString& path, const QString& reason);

// The Greek text of a system error number, with the system's own words for the rare ones.
QString SystemErrorText(int error);

}  // namespace dz
