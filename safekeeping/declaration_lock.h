// Lock files beside declarations: who has a declaration open, so that a second user is told.
#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

#include "safekeeping/process_mark.h"

namespace dz {

// "Tables/E1123456789.dta" is held by "Tables/E1123456789.dta.lock"; no declaration file name
// ends so, so the index, the batch command and the deletion of all files pass it by.
QString LockFileName(const QString& declarationPath);

struct LockHolder {
    ProcessMark process;
    QDateTime since;
};

// The program that holds the declaration at `path`, unless it is `here` itself, a process of
// this computer that has ended, or the lock file does not read as one.
std::optional<LockHolder> OtherHolder(const QString& declarationPath, const ProcessMark& here);

// "Τη δήλωση την έχει ανοιχτή ο χρήστης … στον υπολογιστή … από …" with the question whether to
// open it all the same.
QString HeldQuestion(const LockHolder& holder);

// The lock a window holds on the declaration it shows. Taking another declaration's lock
// lets go of the previous one; letting go removes the file only while it still names this
// program, so a lock taken over by another program is left to it.
class DeclarationLock {
public:
    DeclarationLock() = default;
    ~DeclarationLock();
    DeclarationLock(const DeclarationLock&) = delete;
    DeclarationLock& operator=(const DeclarationLock&) = delete;

    // Writes the lock of the declaration at `path` for `here`, over a lock that is not held by
    // another running program. False, and no lock, when another program holds it or the folder
    // may not be written.
    bool Take(const QString& declarationPath, const ProcessMark& here);
    void Release();
    // The lock file held, or an empty text.
    const QString& Held() const { return held_; }

private:
    QString held_;
    ProcessMark here_;
};

}  // namespace dz
