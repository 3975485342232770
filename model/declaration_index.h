// Which files of Tables are declarations, and deleting them all.
#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "model/declaration_file.h"

namespace dz {

// The tax number of a file named "E1" or "E2" + AFM + ".dta" of that kind, or nothing.
std::optional<QString> AfmOfDeclarationFileName(DeclarationKind kind, QStringView fileName);

// The declaration files of both kinds in Tables (and nothing else); returns the names of
// the files that could not be deleted.
QStringList DeleteAllDeclarationFiles();

}  // namespace dz
