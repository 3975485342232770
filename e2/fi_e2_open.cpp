// Opening the E2 window for the main window's commands.
#include "e2/fi_e2_open.h"

#include <memory>

#include "controls/choose_from_index.h"
#include "e2/fi_e2.h"
#include "model/declaration_file.h"

namespace dz {

QWidget* NewE2Window(const PrintOperations& print, QWidget* parent) { return new TfiE2(print, parent); }

QWidget* OpenE2FromIndex(const PrintOperations& print, QWidget* parent) {
    const auto afm = ChooseFromIndex(DeclarationKind::E2, parent);
    if (!afm) return nullptr;
    // A file that cannot be read leaves no half-made window behind.
    auto window = std::make_unique<TfiE2>(print, parent);
    if (!window->OpenStatement(*afm)) return nullptr;
    return window.release();
}

}  // namespace dz
