// Undo and redo in the E1 window: every box followed, a form shown back whole.
#include <QCheckBox>
#include <QLineEdit>

#include "e1/fi_e1.h"

namespace dz {

void TfiE1::BuildHistory() {
    history_ = new FormHistory<E1Form>(
        this, [this] { return Form(); },
        [this](const E1Form& form) {
            ShowForm(form);
            modified_ = !history_->Values().AtSaved();
        },
        // Changes made while the live panel is held are the window's own showing of a form.
        [this] { return liveHeld_ > 0; });
    miUndo = history_->undo;
    miRedo = history_->redo;
    for (QWidget* control : std::as_const(controls_)) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) history_->Follow(edit);
        else if (auto* box = qobject_cast<QCheckBox*>(control)) history_->Follow(box);
    }
    history_->Reset();
}

}  // namespace dz
