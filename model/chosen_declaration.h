// A declaration chosen from the index, read back from Tables. The index was filled a moment
// earlier, so a file missing now has gone since: the user is told, never shown an empty declaration.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringView>

#include "model/declaration_file.h"

namespace dz {

inline const QString kChosenDeclarationMissing = QStringLiteral("Η δήλωση με Α.Φ.Μ. %1 δεν βρέθηκε στο φάκελο Tables");

// The declaration's bytes; IoError naming the tax number when its file is gone, and as
// ReadDeclarationImage for a file that cannot be read.
QByteArray ReadChosenDeclarationImage(DeclarationKind kind, QStringView afm);

// The declaration decoded into `declaration` / `record`, untouched when reading fails.
void ReadChosenDeclaration(QStringView afm, E1Declaration& declaration);
void ReadChosenDeclaration(QStringView afm, E2Record& record);

}  // namespace dz
