// Recognising declaration file names and deleting every declaration.
#include "model/declaration_index.h"

#include <QDir>
#include <QFile>

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
