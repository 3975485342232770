// Declaration files: naming, reading whole records, and saves that never destroy the old file.
#include "model/declaration_file.h"

#include <QFile>
#include <QFileInfo>

#include "model/atomic_file.h"
#include "model/errors.h"

namespace dz {

int RecordSize(DeclarationKind kind) { return kind == DeclarationKind::E1 ? kE1FileSize : kE2FileSize; }

QString KindPrefix(DeclarationKind kind) {
    return kind == DeclarationKind::E1 ? QStringLiteral("E1") : QStringLiteral("E2");
}

bool IsSafeAfmForFileName(QStringView afm) {
    if (afm.startsWith(u'.')) return false;
    for (QChar c : afm)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

QString DeclarationFileName(DeclarationKind kind, QStringView afm) {
    if (!IsSafeAfmForFileName(afm))
        throw DataError(QStringLiteral("Ο Α.Φ.Μ. «%1» περιέχει χαρακτήρες που δεν επιτρέπονται σε όνομα αρχείου "
                                       "(/, \\, χαρακτήρες ελέγχου ή τελεία στην αρχή). Δεν γράφτηκε τίποτα.")
                            .arg(afm.toString()));
    return QStringLiteral("%1/%2%3.dta").arg(QLatin1String(kTablesFolder), KindPrefix(kind), afm.toString());
}

std::optional<QByteArray> ReadDeclarationImageFromPath(const QString& path, DeclarationKind kind) {
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    if (info.isDir()) throw IoError(QStringLiteral("Το %1 είναι φάκελος, όχι αρχείο δήλωσης.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("Δεν ήταν δυνατό το άνοιγμα του αρχείου %1: %2").arg(path, file.errorString()));
    const int size = RecordSize(kind);
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        throw IoError(QStringLiteral("Το αρχείο %1 είναι κατεστραμμένο: έχει %2 bytes, ενώ μια δήλωση %3 έχει %4.")
                          .arg(path)
                          .arg(info.size())
                          .arg(KindPrefix(kind))
                          .arg(size));
    return bytes;
}

std::optional<QByteArray> ReadDeclarationImage(DeclarationKind kind, QStringView afm) {
    return ReadDeclarationImageFromPath(DeclarationFileName(kind, afm), kind);
}

bool ReadDeclarationFile(QStringView afm, E1Declaration& declaration) {
    const auto image = ReadDeclarationImage(DeclarationKind::E1, afm);
    if (!image) return false;
    DecodeE1(reinterpret_cast<const uint8_t*>(image->constData()), declaration);
    return true;
}

bool ReadDeclarationFile(QStringView afm, E2Record& record) {
    const auto image = ReadDeclarationImage(DeclarationKind::E2, afm);
    if (!image) return false;
    DecodeE2(reinterpret_cast<const uint8_t*>(image->constData()), record);
    return true;
}

SaveOutcome WriteDeclarationImage(DeclarationKind kind, QStringView afm, const QByteArray& image, Dialogs& dialogs,
                                  Overwrite overwrite) {
    const QString name = DeclarationFileName(kind, afm);
    if (image.size() != RecordSize(kind))
        throw DataError(QStringLiteral("Εσωτερικό σφάλμα: εικόνα δήλωσης %1 bytes").arg(image.size()));
    // A declaration that may not be written is refused before the overwrite question.
    if (const QString refusal = WriteRefusal(name); !refusal.isEmpty()) throw IoError(FileWriteError(name, refusal));
    if (overwrite == Overwrite::Ask && QFileInfo::exists(name) && !dialogs.AskYesNo(kOverwriteQuestion))
        return SaveOutcome::Declined;
    WriteFileAtomically(name, image);
    dialogs.Inform(kSaveSucceeded);
    return SaveOutcome::Written;
}

SaveOutcome WriteDeclarationFile(const E1Declaration& declaration, Dialogs& dialogs, Overwrite overwrite) {
    QByteArray image(kE1FileSize, '\0');
    EncodeE1(declaration, reinterpret_cast<uint8_t*>(image.data()));
    return WriteDeclarationImage(DeclarationKind::E1, declaration.Afm.ToString(), image, dialogs, overwrite);
}

SaveOutcome WriteDeclarationFile(const E2Record& record, Dialogs& dialogs, Overwrite overwrite) {
    QByteArray image(kE2FileSize, '\0');
    EncodeE2(record, reinterpret_cast<uint8_t*>(image.data()));
    return WriteDeclarationImage(DeclarationKind::E2, record.Afm.ToString(), image, dialogs, overwrite);
}

}  // namespace dz
