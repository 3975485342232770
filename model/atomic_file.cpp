// Whole-or-nothing file writes: a temporary file beside the target, every write checked,
// synced, renamed into place; permissions as the replaced file had them.
#include "model/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/errors.h"

namespace dz {
namespace {

struct ErrorText {
    int error;
    const char* text;
};

// The errors a save meets in an office: a full disk, a quota, a locked or read-only place.
constexpr ErrorText kErrorTexts[] = {
    {ENOSPC, "δεν υπάρχει ελεύθερος χώρος στο δίσκο"},
    {EDQUOT, "έχει εξαντληθεί ο χώρος που επιτρέπεται στο χρήστη"},
    {EACCES, "δεν επιτρέπεται η εγγραφή"},
    {EPERM, "δεν επιτρέπεται η εγγραφή"},
    {EROFS, "ο δίσκος είναι μόνο για ανάγνωση"},
    {EIO, "σφάλμα εισόδου/εξόδου του δίσκου"},
    {ENOENT, "ο φάκελος δεν υπάρχει"},
    {ENOTDIR, "μέρος της διαδρομής δεν είναι φάκελος"},
    {EISDIR, "υπάρχει φάκελος με αυτό το όνομα"},
    {ENAMETOOLONG, "το όνομα είναι πολύ μεγάλο"},
    {EFBIG, "το αρχείο είναι πολύ μεγάλο"},
    {EMFILE, "υπάρχουν πάρα πολλά ανοιχτά αρχεία"},
    {ENFILE, "υπάρχουν πάρα πολλά ανοιχτά αρχεία"},
    {EBUSY, "το αρχείο χρησιμοποιείται"},
    {ETXTBSY, "το αρχείο χρησιμοποιείται"},
    {EXDEV, "ο προσωρινός και ο τελικός φάκελος είναι σε διαφορετικούς δίσκους"},
};

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

QString Greek(const char* text) { return QString::fromUtf8(text); }

// The file a path names, following symbolic links, so that a link stays a link.
QString ResolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString target = info.symLinkTarget();
    return target.isEmpty() ? path : target;
}

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

QString Refusal(const QString& target) {
    const QString folder = FolderOf(target);
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat folderStat {};
    if (::stat(folderName.constData(), &folderStat) != 0)
        return QStringLiteral("ο φάκελος «%1» δεν υπάρχει").arg(folder);
    if (!S_ISDIR(folderStat.st_mode)) return QStringLiteral("το «%1» δεν είναι φάκελος").arg(folder);

    const QByteArray name = QFile::encodeName(target);
    struct stat fileStat {};
    if (::stat(name.constData(), &fileStat) == 0) {
        if (S_ISDIR(fileStat.st_mode)) return Greek("υπάρχει φάκελος με αυτό το όνομα");
        if (!S_ISREG(fileStat.st_mode)) return Greek("δεν είναι κανονικό αρχείο");
        if ((fileStat.st_mode & kAnyWrite) == 0 || ::access(name.constData(), W_OK) != 0)
            return Greek("το αρχείο είναι μόνο για ανάγνωση");
    }
    if ((folderStat.st_mode & kAnyWrite) == 0 || ::access(folderName.constData(), W_OK | X_OK) != 0)
        return QStringLiteral("δεν επιτρέπεται η εγγραφή στο φάκελο «%1»").arg(folder);
    return {};
}

// Creates the temporary file with 0666 so that the kernel applies the umask and the folder's
// default permissions, as for any new file; a random name keeps two writers apart.
int CreateTemporary(const QString& target, QByteArray& temporaryName) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                                          QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The replaced file's mode and, where allowed, its owner and group go to the new file.
bool KeepPermissions(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Not allowed to give the file that group: it keeps the user's, as with any editor.
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAll(int fd, QByteArrayView bytes) {
    const char* at = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The new file is already whole and in place, and the earlier one cannot come back: a
    // failing folder sync leaves nothing to undo, so it is not reported as a failed write.
    (void)::fsync(fd);
    ::close(fd);
}

// One file on its way: its temporary file open until synced, or the reason it failed.
struct Pending {
    QByteArray target;
    QByteArray temporary;
    int fd = -1;
    QString reason;

    bool Failed() const { return !reason.isEmpty(); }
    void Fail(int error) {
        if (fd >= 0) ::close(fd);
        fd = -1;
        if (!temporary.isEmpty()) ::unlink(temporary.constData());
        reason = SystemErrorText(error);
    }
};

Pending Start(const QString& path, QByteArrayView bytes) {
    Pending file;
    const QString target = ResolvedTarget(path);
    file.reason = Refusal(target);
    if (file.Failed()) return file;
    file.target = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(file.target.constData(), &old) == 0;
    file.fd = CreateTemporary(target, file.temporary);
    if (file.fd < 0) {
        const int error = errno;
        file.temporary.clear();
        file.Fail(error);
    } else if ((replacing && !KeepPermissions(file.fd, old)) || !WriteAll(file.fd, bytes)) {
        file.Fail(errno);
    }
    return file;
}

void Finish(Pending& file) {
    if (file.Failed()) return;
    if (::fsync(file.fd) != 0) return file.Fail(errno);
    const int closed = ::close(file.fd);
    file.fd = -1;
    if (closed != 0) return file.Fail(errno);
    if (::rename(file.temporary.constData(), file.target.constData()) != 0) return file.Fail(errno);
}

}  // namespace

QString SystemErrorText(int error) {
    for (const ErrorText& e : kErrorTexts)
        if (e.error == error) return Greek(e.text);
    return QStringLiteral("σφάλμα συστήματος %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
}

QString WriteRefusal(const QString& path) { return Refusal(ResolvedTarget(path)); }

QStringList TryWriteFilesAtomically(const std::vector<FileToWrite>& files) {
    std::vector<Pending> pending;
    pending.reserve(files.size());
    // Every file is written before the first waits for the disk, so that the waits overlap.
    for (const FileToWrite& f : files) pending.push_back(Start(f.path, f.bytes));
    QStringList reasons;
    QSet<QString> folders;
    for (Pending& file : pending) {
        Finish(file);
        if (!file.Failed()) folders.insert(FolderOf(QFile::decodeName(file.target)));
        reasons << file.reason;
    }
    for (const QString& folder : folders) SyncFolder(folder);
    return reasons;
}

QString TryWriteFileAtomically(const QString& path, QByteArrayView bytes) {
    return TryWriteFilesAtomically({{path, bytes.toByteArray()}}).constFirst();
}

QString FileWriteError(const QString& path, const QString& reason) {
    QString text = QStringLiteral("Δεν ήταν δυνατή η εγγραφή του αρχείου «%1»: %2.").arg(path, reason);
    if (QFileInfo(path).isFile()) text += QStringLiteral(" Το αρχείο που υπήρχε έμεινε όπως ήταν.");
    return text;
}

void WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    if (const QString reason = TryWriteFileAtomically(path, bytes); !reason.isEmpty())
        throw IoError(FileWriteError(path, reason));
}

}  // namespace dz
