// The PDF pages of dovazez-cli that other commands reuse (batch --pdf writes clearance notes).
#pragma once
#include <QString>

#include "model/e1_declaration.h"
#include "report/pdf_document.h"

namespace dz::cli {

// Adds the clearance note of a saved declaration, computed as `compute --file` does, with the
// header and the notes line filled as the E1 window fills them.
void AddClearanceNote(report::PdfDocument& document, const E1Declaration& declaration);

}  // namespace dz::cli
