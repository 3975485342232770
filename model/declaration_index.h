// Which files of Tables are declarations, and deleting them all.
#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "model/declaration_file.h"

namespace dz {

// The tax number of a file named "E1" or "E2" + AFM + ".dta" of that kind, or nothing.
std::optional<QString> AfmOfDeclarationFileName(DeclarationKind kind, QStringView fileName);

// One declaration of the index: the record's names and tax number, and the tax number its
// file is named after (the one to open or delete).
struct IndexEntry {
    QString surname;
    QString firstName;
    QString afm;
    QString fileAfm;
};

struct IndexListing {
    std::vector<IndexEntry> entries;  // in the order the folder lists them
    QStringList unreadable;           // declaration files that are not whole records
};

// Every declaration file of the kind in Tables. Files that cannot be read as a record (too
// short, folders, unreadable) are left out and named in `unreadable`; a missing Tables
// folder gives an empty listing.
IndexListing ListDeclarations(DeclarationKind kind);

struct DeletedFiles {
    int deleted = 0;     // declaration files removed
    QStringList failed;  // the names of those that could not be
};

// Deletes the declaration files of both kinds in Tables (and nothing else).
DeletedFiles DeleteAllDeclarationFiles();

}  // namespace dz
