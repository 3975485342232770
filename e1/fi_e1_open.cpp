// Opening the E1 window for the main window's commands.
#include "e1/fi_e1_open.h"

#include <memory>

#include "controls/choose_from_index.h"
#include "e1/fi_e1.h"
#include "model/chosen_declaration.h"
#include "model/declaration_file.h"

namespace dz {

QWidget* NewE1Window(const PrintOperations& print, QWidget* parent) { return new TfiE1(print, parent); }

bool LoadE1Declaration(TfiE1& window, const QString& afm) {
    const QString file = DeclarationFileName(DeclarationKind::E1, afm);
    if (!WorkKeeper::MayOpen(file)) return false;
    ReadChosenDeclaration(afm, window.Declaration());
    window.ShowDeclaration();
    window.SetModified(false);
    window.Keeper().Opened(file);
    return true;
}

QWidget* OpenE1FromIndex(const PrintOperations& print, QWidget* parent) {
    const auto afm = ChooseFromIndex(DeclarationKind::E1, parent);
    if (!afm) return nullptr;
    // A file that cannot be read leaves no half-made window behind.
    auto window = std::make_unique<TfiE1>(print, parent);
    if (!LoadE1Declaration(*window, *afm)) return nullptr;
    return window.release();
}

}  // namespace dz
