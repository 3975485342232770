// Recovery files: the unsaved form of an entry window, kept outside Tables until it is saved or closed.
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

#include "safekeeping/file_snapshot.h"
#include "safekeeping/process_mark.h"

namespace dz {

// Which entry window a recovery file belongs to.
enum class RecoveryKind { E1, E2, ShortDeclaration };

struct RecoveryEntry {
    RecoveryKind kind = RecoveryKind::E1;
    QString name;  // surname and first name as typed
    QString afm;
    QDateTime time;
    ProcessMark process;
    // The declaration file the window opened or last saved (empty for a new one), and what
    // it was then: a save after recovery still notices another writer.
    QString file;
    FileSnapshot opened;
    QJsonObject form;  // the window's form value
    friend bool operator==(const RecoveryEntry&, const RecoveryEntry&) = default;
};

QByteArray EncodeRecovery(const RecoveryEntry& entry);
// Nothing for bytes that are not a recovery file of this program.
std::optional<RecoveryEntry> DecodeRecovery(const QByteArray& bytes);

// "recovery" in the user's data folder of the program.
QString DefaultRecoveryFolder();

struct FoundRecovery {
    QString path;
    RecoveryEntry entry;
};

// The recovery files of `folder` whose program ended without closing its windows (not those
// of a program still running, nor of another computer's), oldest first. Files that do not read
// as recovery files are left where they are.
std::vector<FoundRecovery> LeftRecoveries(const QString& folder, const ProcessMark& here);

// "Βρέθηκαν αλλαγές που δεν αποθηκεύτηκαν: …" naming the kind, name, AFM and time, and the
// three answers' meaning.
QString RecoveryQuestion(const RecoveryEntry& entry);

}  // namespace dz
