// Recovery files as JSON: the entry window's form value with what is needed to offer it again.
#include "safekeeping/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <algorithm>
#include <array>

namespace dz {
namespace {

constexpr char kFormat[] = "dovazez-recovery-1";

struct KindName {
    RecoveryKind kind;
    const char* key;
    const char* caption;
};
constexpr std::array<KindName, 3> kKinds{{
    {RecoveryKind::E1, "E1", "Δήλωση Ε1"},
    {RecoveryKind::E2, "E2", "Έντυπο Ε2"},
    {RecoveryKind::ShortDeclaration, "E1-short", "Συνοπτική δήλωση Ε1"},
}};

const KindName& NameOf(RecoveryKind kind) {
    return *std::find_if(kKinds.begin(), kKinds.end(), [kind](const KindName& k) { return k.kind == kind; });
}

}  // namespace

QByteArray EncodeRecovery(const RecoveryEntry& entry) {
    const QJsonObject json{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("kind"), QLatin1String(NameOf(entry.kind).key)},
                           {QStringLiteral("name"), entry.name},
                           {QStringLiteral("afm"), entry.afm},
                           {QStringLiteral("time"), entry.time.toUTC().toString(Qt::ISODateWithMs)},
                           {QStringLiteral("process"), ProcessMarkJson(entry.process)},
                           {QStringLiteral("file"), entry.file},
                           {QStringLiteral("opened"), FileSnapshotJson(entry.opened)},
                           {QStringLiteral("form"), entry.form}};
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

std::optional<RecoveryEntry> DecodeRecovery(const QByteArray& bytes) {
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    if (json.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)) return std::nullopt;
    const QString key = json.value(QStringLiteral("kind")).toString();
    const auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const KindName& k) { return key == QLatin1String(k.key); });
    const auto process = ProcessMarkOfJson(json.value(QStringLiteral("process")).toObject());
    const auto opened = FileSnapshotOfJson(json.value(QStringLiteral("opened")).toObject());
    const QDateTime time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (kind == kKinds.end() || !process || !opened || !time.isValid() || !json.value(QStringLiteral("form")).isObject())
        return std::nullopt;
    return RecoveryEntry{kind->kind,
                         json.value(QStringLiteral("name")).toString(),
                         json.value(QStringLiteral("afm")).toString(),
                         time,
                         *process,
                         json.value(QStringLiteral("file")).toString(),
                         *opened,
                         json.value(QStringLiteral("form")).toObject()};
}

QString DefaultRecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

std::vector<FoundRecovery> LeftRecoveries(const QString& folder, const ProcessMark& here) {
    std::vector<FoundRecovery> found;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        auto entry = DecodeRecovery(file.readAll());
        if (!entry || StateOf(entry->process, here) != ProcessState::Gone) continue;
        found.push_back({file.fileName(), *std::move(entry)});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const FoundRecovery& a, const FoundRecovery& b) { return a.entry.time < b.entry.time; });
    return found;
}

QString RecoveryQuestion(const RecoveryEntry& entry) {
    const QString name = entry.name.trimmed().isEmpty() ? QStringLiteral("χωρίς όνομα") : entry.name.trimmed();
    const QString afm = entry.afm.trimmed().isEmpty() ? QStringLiteral("χωρίς Α.Φ.Μ.")
                                                      : QStringLiteral("Α.Φ.Μ. %1").arg(entry.afm.trimmed());
    return QStringLiteral(
               "Το πρόγραμμα δεν τερματίστηκε κανονικά και βρέθηκαν αλλαγές που δεν αποθηκεύτηκαν:\n\n"
               "%1: %2, %3\nτελευταία αλλαγή: %4\n\n"
               "Να ανακτηθούν; «Ναι» ανοίγει τη δήλωση με τις αλλαγές, «Όχι» τις κρατά για την επόμενη "
               "εκκίνηση, «Απόρριψη» τις διαγράφει.")
        .arg(QString::fromUtf8(NameOf(entry.kind).caption), name, afm,
             entry.time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
}

}  // namespace dz
