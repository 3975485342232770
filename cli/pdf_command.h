// The PDF pages of dovazez-cli that other commands reuse (batch --pdf writes clearance notes).
#pragma once
#include <QString>

#include "model/e1_declaration.h"

namespace dz::cli {

// The clearance note of a saved declaration, computed as `compute --file` does, with the
// header and the notes line filled as the E1 window fills them, written to `out` in one piece.
// IoError when the file cannot be written (an earlier file of that name stays).
void WriteClearancePdf(const E1Declaration& declaration, const QString& out);

}  // namespace dz::cli
