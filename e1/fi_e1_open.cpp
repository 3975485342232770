// Opening the E1 window for the main window's commands.
#include "e1/fi_e1_open.h"

#include <memory>

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "e1/e1_texts.h"
#include "e1/fi_e1.h"
#include "model/chosen_declaration.h"
#include "model/declaration_file.h"

namespace dz {

QWidget* NewE1Window(const PrintOperations& print, QWidget* parent) { return new TfiE1(print, parent); }

void LoadE1Declaration(TfiE1& window, const QString& afm) {
    ReadChosenDeclaration(afm, window.Declaration());
    window.ShowDeclaration();
    window.SetModified(false);
}

QWidget* OpenE1FromIndex(const PrintOperations& print, QWidget* parent) {
    QString afm;
    {
        TfiEntypaList index(parent);
        index.FillIndex(DeclarationKind::E1);
        if (index.DeclarationCount() == 0) {
            AppDialogs().Inform(e1::kNoDeclarations);
            return nullptr;
        }
        if (index.exec() != QDialog::Accepted) return nullptr;
        afm = index.SelectedAfm();
    }
    // A file that cannot be read leaves no half-made window behind.
    auto window = std::make_unique<TfiE1>(print, parent);
    LoadE1Declaration(*window, afm);
    return window.release();
}

}  // namespace dz
