// Opening the E2 window for the main window's commands.
#include "e2/fi_e2_open.h"

#include <memory>

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "e2/e2_texts.h"
#include "e2/fi_e2.h"
#include "model/declaration_file.h"

namespace dz {

QWidget* NewE2Window(const PrintOperations& print, QWidget* parent) { return new TfiE2(print, parent); }

QWidget* OpenE2FromIndex(const PrintOperations& print, QWidget* parent) {
    QString afm;
    {
        TfiEntypaList index(parent);
        index.FillIndex(DeclarationKind::E2);
        if (index.DeclarationCount() == 0) {
            AppDialogs().Inform(e2::kNoDeclarations);
            return nullptr;
        }
        if (index.exec() != QDialog::Accepted) return nullptr;
        afm = index.SelectedAfm();
    }
    // A file that cannot be read leaves no half-made window behind.
    auto window = std::make_unique<TfiE2>(print, parent);
    window->OpenStatement(afm);
    return window.release();
}

}  // namespace dz
