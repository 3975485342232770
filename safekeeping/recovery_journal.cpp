// One worker thread per journal, writing the newest content it was given.
#include "safekeeping/recovery_journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include "model/atomic_file.h"

namespace dz {

RecoveryJournal::RecoveryJournal(QString folder)
    : path_(folder + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".json")) {
    worker_.setMaxThreadCount(1);
}

RecoveryJournal::~RecoveryJournal() { Flush(); }

void RecoveryJournal::Keep(const RecoveryEntry& entry) {
    QByteArray bytes = EncodeRecovery(entry);
    std::lock_guard lock(mutex_);
    pending_ = std::move(bytes);
    if (!draining_) {
        draining_ = true;
        worker_.start([this] { Drain(); });
    }
}

void RecoveryJournal::Discard() {
    std::lock_guard lock(mutex_);
    pending_ = QByteArray();
    if (!draining_) {
        draining_ = true;
        worker_.start([this] { Drain(); });
    }
}

void RecoveryJournal::Adopt(const QString& path) {
    Flush();
    std::lock_guard lock(mutex_);
    if (path == path_) return;
    QFile::remove(path_);
    path_ = path;
}

void RecoveryJournal::Flush() { worker_.waitForDone(); }

QString RecoveryJournal::Path() const {
    std::lock_guard lock(mutex_);
    return path_;
}

QString RecoveryJournal::LastError() const {
    std::lock_guard lock(mutex_);
    return lastError_;
}

void RecoveryJournal::Drain() {
    for (;;) {
        QByteArray bytes;
        QString path;
        {
            std::lock_guard lock(mutex_);
            if (!pending_) {
                draining_ = false;
                return;
            }
            bytes = *std::move(pending_);
            pending_.reset();
            path = path_;
        }
        QString error;
        if (bytes.isEmpty()) {
            QFile::remove(path);
        } else {
            // The forms hold the clients' incomes: the folder is the user's alone.
            const QString folder = QFileInfo(path).absolutePath();
            if (QDir().mkpath(folder))
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            error = TryWriteFileAtomically(path, bytes);
        }
        std::lock_guard lock(mutex_);
        lastError_ = error;
    }
}

}  // namespace dz
