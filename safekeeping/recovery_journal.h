// The recovery file of one entry window, written on a thread of its own so that typing never waits.
#pragma once
#include <QByteArray>
#include <QString>
#include <QThreadPool>
#include <mutex>
#include <optional>

#include "safekeeping/recovery_file.h"

namespace dz {

class RecoveryJournal {
public:
    // The window's file goes into `folder` under a name of its own.
    explicit RecoveryJournal(QString folder);
    // Waits for what was asked to be done.
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    // Writes `entry` in place of the file's earlier content through the atomic writer; of
    // entries given while a write is under way, only the last is written.
    void Keep(const RecoveryEntry& entry);
    // Removes the file, after any write asked for before.
    void Discard();
    // Continues with a file left by an earlier run, which from now on is this journal's.
    void Adopt(const QString& path);
    // Waits until every write and removal asked for is done.
    void Flush();

    QString Path() const;
    // Why the last write failed, in Greek; empty once one succeeds.
    QString LastError() const;

private:
    void Drain();

    mutable std::mutex mutex_;
    QString path_;
    std::optional<QByteArray> pending_;  // bytes to write, or an empty array to remove the file
    bool draining_ = false;
    QString lastError_;
    QThreadPool worker_;
};

}  // namespace dz
