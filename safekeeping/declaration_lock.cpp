// Lock files as small JSON texts, written whole through the one atomic writer.
#include "safekeeping/declaration_lock.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/atomic_file.h"

namespace dz {
namespace {

std::optional<LockHolder> ReadLock(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    constexpr qint64 kLargestLock = 4096;
    const QJsonObject json = QJsonDocument::fromJson(file.read(kLargestLock)).object();
    const auto process = ProcessMarkOfJson(json);
    if (!process) return std::nullopt;
    return LockHolder{*process, QDateTime::fromString(json.value(QStringLiteral("since")).toString(), Qt::ISODate)};
}

}  // namespace

QString LockFileName(const QString& declarationPath) { return declarationPath + QStringLiteral(".lock"); }

std::optional<LockHolder> OtherHolder(const QString& declarationPath, const ProcessMark& here) {
    auto holder = ReadLock(LockFileName(declarationPath));
    if (!holder || holder->process == here) return std::nullopt;
    if (StateOf(holder->process, here) == ProcessState::Gone) return std::nullopt;
    return holder;
}

QString HeldQuestion(const LockHolder& holder) {
    const QString since = holder.since.isValid()
                              ? holder.since.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                              : QStringLiteral("άγνωστη ώρα");
    return QStringLiteral(
               "Η δήλωση είναι ήδη ανοιχτή από τον χρήστη %1 στον υπολογιστή %2 (από %3). "
               "Αν την αποθηκεύσετε και οι δύο, θα μείνουν μόνο οι αλλαγές όποιου αποθηκεύσει τελευταίος.\n\n"
               "Να ανοίξει παρ' όλα αυτά;")
        .arg(holder.process.user, holder.process.host, since);
}

DeclarationLock::~DeclarationLock() { Release(); }

bool DeclarationLock::Take(const QString& declarationPath, const ProcessMark& here) {
    const QString lockPath = LockFileName(declarationPath);
    if (lockPath == held_) return true;
    Release();
    if (OtherHolder(declarationPath, here)) return false;
    QJsonObject json = ProcessMarkJson(here);
    json.insert(QStringLiteral("since"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    if (!TryWriteFileAtomically(lockPath, QJsonDocument(json).toJson(QJsonDocument::Compact)).isEmpty()) return false;
    held_ = lockPath;
    here_ = here;
    return true;
}

void DeclarationLock::Release() {
    if (held_.isEmpty()) return;
    if (const auto holder = ReadLock(held_); holder && holder->process == here_) QFile::remove(held_);
    held_.clear();
}

}  // namespace dz
