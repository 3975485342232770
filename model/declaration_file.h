// One file per kind and tax number in the folder Tables: names, reading and saving.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

#include "model/dialogs.h"
#include "model/e1_declaration.h"
#include "model/e2_record.h"

namespace dz {

enum class DeclarationKind { E1, E2 };

inline constexpr const char* kTablesFolder = "Tables";
inline const QString kSaveSucceeded = QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία");
inline const QString kOverwriteQuestion =
    QStringLiteral("Η δήλωση αυτή υπάρχει ήδη στο αρχείο. Να γίνει επικάλυψη των στοιχείων;");

int RecordSize(DeclarationKind kind);
QString KindPrefix(DeclarationKind kind);  // "E1" or "E2"

// False for a tax number that would reach outside a plain file name in Tables
// ("/", "\", a control character, a leading ".").
bool IsSafeAfmForFileName(QStringView afm);

// "Tables/E1" + AFM + ".dta"; DataError for a tax number that is not safe in a file name.
QString DeclarationFileName(DeclarationKind kind, QStringView afm);

// The first RecordSize bytes of the file, or nothing when no such file exists.
// IoError for a file shorter than a record, a folder, or an unreadable file.
std::optional<QByteArray> ReadDeclarationImage(DeclarationKind kind, QStringView afm);
std::optional<QByteArray> ReadDeclarationImageFromPath(const QString& path, DeclarationKind kind);

// Reads the declaration of that AFM into the record; false (record untouched) when there is none.
bool ReadDeclarationFile(QStringView afm, E1Declaration& declaration);
bool ReadDeclarationFile(QStringView afm, E2Record& record);

enum class SaveOutcome { Written, Declined };
// Whether writing over an existing file is still to be asked, or was agreed to already.
enum class Overwrite { Ask, Agreed };

// Saves an image under its AFM: a new file at once, an existing one after the overwrite
// question; then the success notice. The old file is replaced only once the new bytes are
// safely on disk, and keeps its permissions. IoError, before any question, for a declaration
// or folder that may not be written, and for a write that fails; DataError for an unsafe AFM.
SaveOutcome WriteDeclarationImage(DeclarationKind kind, QStringView afm, const QByteArray& image, Dialogs& dialogs,
                                  Overwrite overwrite = Overwrite::Ask);
SaveOutcome WriteDeclarationFile(const E1Declaration& declaration, Dialogs& dialogs,
                                 Overwrite overwrite = Overwrite::Ask);
SaveOutcome WriteDeclarationFile(const E2Record& record, Dialogs& dialogs, Overwrite overwrite = Overwrite::Ask);

}  // namespace dz
