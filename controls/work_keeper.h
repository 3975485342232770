// WorkKeeper: what keeps an entry window's work safe between saves. It holds the lock of the
// declaration the window shows, remembers what that file was when opened or saved so that a
// save never silently overwrites another writer's, and keeps the unsaved form in a recovery
// file outside Tables.
#pragma once
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "safekeeping/declaration_lock.h"
#include "safekeeping/file_snapshot.h"
#include "safekeeping/recovery_file.h"
#include "safekeeping/recovery_journal.h"

class QTimer;

namespace dz {

inline const QString kChangedOnDiskQuestion = QStringLiteral(
    "Η δήλωση άλλαξε στο δίσκο αφού την ανοίξατε (την αποθήκευσε άλλο πρόγραμμα ή άλλος χρήστης). "
    "Αν αποθηκεύσετε, οι αλλαγές εκείνες θα χαθούν.\n\nΝα αποθηκευτεί παρ' όλα αυτά;");
inline const QString kDeletedOnDiskQuestion = QStringLiteral(
    "Η δήλωση διαγράφηκε από το δίσκο αφού την ανοίξατε.\n\nΝα αποθηκευτεί ξανά;");
inline const QString kUnreadableRecovery = QStringLiteral("Το αρχείο ανάκτησης «%1» δεν περιέχει στοιχεία δήλωσης.");

// What the window shows now, for its recovery file.
struct KeptForm {
    QString name;
    QString afm;
    QJsonObject form;
};

class WorkKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kKeepIntervalMs = 30'000;

    // `modified` and `current` ask the window; `folder` is where recovery files go.
    WorkKeeper(RecoveryKind kind, std::function<bool()> modified, std::function<KeptForm()> current,
               QObject* parent, const QString& folder = DefaultRecoveryFolder());
    ~WorkKeeper() override;

    // Whether to open the declaration at `path`: when another running program holds it, the
    // user is told who and since when and chooses (No by default).
    static bool MayOpen(const QString& path);
    // The window now shows the declaration read from `path`.
    void Opened(const QString& path);

    struct SaveCheck {
        bool write = true;
        bool overwriteAgreed = false;  // the user already agreed to write over the file
    };
    // Before saving to `path`: when it is the file the window opened and another writer has
    // changed, replaced or deleted it since, the user is asked first (No by default).
    SaveCheck BeforeSave(const QString& path) const;
    // After a save to `path` (or the user kept the file that was there): the file is the
    // window's now, and nothing is left to recover.
    void Saved(const QString& path);
    // The window closes: its recovery file and lock go.
    void Closed();

    // The form as it stands into the recovery file when modified, out of it when not; also
    // every kKeepIntervalMs and at each page change.
    void KeepNow();
    // The window took over the form of a recovery file left by an earlier run.
    void Recovered(const FoundRecovery& found);

    QString RecoveryPath() const { return journal_.Path(); }
    // Waits for the recovery file's writes (closing, tests).
    void Flush() { journal_.Flush(); }

private:
    RecoveryEntry Entry() const;

    RecoveryKind kind_;
    std::function<bool()> modified_;
    std::function<KeptForm()> current_;
    ProcessMark here_;
    QString file_;
    FileSnapshot opened_;
    DeclarationLock lock_;
    RecoveryJournal journal_;
    QJsonObject kept_;  // the form last handed to the journal; empty when none is kept
    QTimer* timer_ = nullptr;
};

}  // namespace dz
