// Reading a saved E2 statement for the commands, with the file named in every error.
#pragma once
#include <QString>

#include "model/e2_record.h"

namespace dz::cli {

// IoError for a file that is missing or cannot be read, DataError for one that is not an E2
// statement (shorter than its record: an E1 file, a damaged file).
E2Record ReadE2Statement(const QString& path);

}  // namespace dz::cli
