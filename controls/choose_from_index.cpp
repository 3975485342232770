// The index of saved declarations as the entry windows open it.
#include "controls/choose_from_index.h"

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "controls/entry_texts.h"

namespace dz {

std::optional<QString> ChooseFromIndex(DeclarationKind kind, QWidget* parent) {
    TfiEntypaList index(parent);
    index.FillIndex(kind);
    if (index.DeclarationCount() == 0) {
        AppDialogs().Inform(entry::kNoDeclarations);
        return std::nullopt;
    }
    if (index.exec() != QDialog::Accepted) return std::nullopt;
    return index.SelectedAfm();
}

}  // namespace dz
