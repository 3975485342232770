// Reference files beside the program (WParams/Doys.txt, wParams/Font.txt, …) found without
// regard to the case of any part of their path, as the names were written on a
// case-insensitive file system.
#pragma once
#include <QString>

namespace dz {

// The existing path that matches `relativePath` ("/"-separated, relative to the current folder)
// part by part without regard to case; the path as given when nothing matches.
QString FindReferenceFile(const QString& relativePath);

}  // namespace dz
