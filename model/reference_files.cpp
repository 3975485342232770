// Case-insensitive lookup of reference files.
#include "model/reference_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace dz {

QString FindReferenceFile(const QString& relativePath) {
    if (QFileInfo::exists(relativePath)) return relativePath;
    const QStringList parts = relativePath.split(u'/', Qt::SkipEmptyParts);
    QString found;
    for (const QString& part : parts) {
        const QDir dir(found.isEmpty() ? QStringLiteral(".") : found);
        QString match;
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry == part) {  // an exact match wins over a case-insensitive one
                match = entry;
                break;
            }
            if (match.isEmpty() && entry.compare(part, Qt::CaseInsensitive) == 0) match = entry;
        }
        if (match.isEmpty()) return relativePath;
        found = found.isEmpty() ? match : found + u'/' + match;
    }
    return found.isEmpty() ? relativePath : found;
}

}  // namespace dz
