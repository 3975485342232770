// Recognising declaration file names and deleting every declaration.
#include "model/declaration_index.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/byte_image.h"

namespace dz {

std::optional<QString> AfmOfDeclarationFileName(DeclarationKind kind, QStringView fileName) {
    const QString prefix = KindPrefix(kind);
    static const QString kSuffix = QStringLiteral(".dta");
    if (!fileName.startsWith(prefix) || !fileName.endsWith(kSuffix)) return std::nullopt;
    if (fileName.size() < prefix.size() + kSuffix.size()) return std::nullopt;
    const QStringView afm = fileName.mid(prefix.size(), fileName.size() - prefix.size() - kSuffix.size());
    if (afm.size() > 12 || !IsSafeAfmForFileName(afm)) return std::nullopt;
    return afm.toString();
}

IndexListing ListDeclarations(DeclarationKind kind) {
    IndexListing listing;
    const QDir tables(QString::fromLatin1(kTablesFolder));
    const QFileInfoList infos = tables.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                     QDir::Unsorted);
    const qint64 size = RecordSize(kind);
    listing.entries.reserve(infos.size());
    // The names and the tax number lie in the first 99 bytes of both kinds of record.
    constexpr int kNamesEnd = 99;
    char head[kNamesEnd];
    for (const QFileInfo& info : infos) {
        const auto fileAfm = AfmOfDeclarationFileName(kind, info.fileName());
        if (!fileAfm) continue;
        QFile file(info.filePath());
        if (!info.isFile() || info.size() < size || !file.open(QIODevice::ReadOnly) || file.read(head, kNamesEnd) != kNamesEnd) {
            listing.unreadable << info.fileName();
            continue;
        }
        E1Declaration names;
        const auto* bytes = reinterpret_cast<const uint8_t*>(head);
        ImageReader reader(bytes);
        reader.Text("Afm", 4, names.Afm);
        reader.Text("Surname", 17, names.Surname);
        reader.Text("FirstName", 58, names.FirstName);
        listing.entries.push_back({names.Surname.ToString(), names.FirstName.ToString(), names.Afm.ToString(), *fileAfm});
    }
    return listing;
}

QStringList DeleteAllDeclarationFiles() {
    QStringList failed;
    QDir tables(QString::fromLatin1(kTablesFolder));
    const QStringList names = tables.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const bool declaration = AfmOfDeclarationFileName(DeclarationKind::E1, name) ||
                                 AfmOfDeclarationFileName(DeclarationKind::E2, name);
        if (declaration && !QFile::remove(tables.filePath(name))) failed << name;
    }
    return failed;
}

}  // namespace dz
