// Undo and redo in the E1 window: a step per settled edit, taken from the form value and shown back whole.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "controls/run_command.h"
#include "e1/fi_e1.h"

namespace dz {

void TfiE1::BuildHistory() {
    miUndo = new QAction(QStringLiteral("Αναίρεση"), this);
    miUndo->setObjectName(QStringLiteral("miUndo"));
    miUndo->setShortcut(QKeySequence::Undo);
    miRedo = new QAction(QStringLiteral("Επανάληψη"), this);
    miRedo->setObjectName(QStringLiteral("miRedo"));
    miRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {miUndo, miRedo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    OnTriggered(miUndo, this, [this] { UndoEdit(); });
    OnTriggered(miRedo, this, [this] { RedoEdit(); });

    for (QWidget* control : std::as_const(controls_)) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            connect(edit, &QLineEdit::textEdited, this, [this] {
                typing_ = true;
                miUndo->setEnabled(true);  // what is typed can be undone before it is left
            });
            connect(edit, &QLineEdit::textChanged, this, &TfiE1::NoteEdit);
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            connect(box, &QCheckBox::toggled, this, &TfiE1::NoteEdit);
        }
    }
    // A typed box is one step when it is left, with what leaving it set off (presumptions,
    // a completed year): the step is taken once those have run.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget*) {
        if (!typing_ || !before || !isAncestorOf(before)) return;
        typing_ = false;
        QTimer::singleShot(0, this, [this] { SettleEdit(); });
    });
    ResetHistory();
}

void TfiE1::ResetHistory() {
    typing_ = false;
    history_.Reset(Form());
    UpdateHistoryActions();
}

void TfiE1::NoteEdit() {
    if (restoring_ || liveHeld_ > 0 || typing_) return;
    // A tick or a pick, with whatever it sets off, is one step.
    QTimer::singleShot(0, this, [this] {
        if (!typing_) SettleEdit();
    });
}

void TfiE1::SettleEdit() {
    if (restoring_ || liveHeld_ > 0) return;
    if (history_.Record(Form())) UpdateHistoryActions();
}

void TfiE1::UndoEdit() {
    // What is being typed is a step of its own, and the first undone.
    typing_ = false;
    SettleEdit();
    if (const E1Form* form = history_.Undo()) Restore(*form);
}

void TfiE1::RedoEdit() {
    typing_ = false;
    SettleEdit();
    if (const E1Form* form = history_.Redo()) Restore(*form);
}

void TfiE1::Restore(const E1Form& form) {
    restoring_ = true;
    ShowForm(form);
    restoring_ = false;
    modified_ = !history_.AtSaved();
    UpdateHistoryActions();
}

void TfiE1::UpdateHistoryActions() {
    if (!miUndo) return;
    miUndo->setEnabled(history_.CanUndo());
    miRedo->setEnabled(history_.CanRedo());
}

}  // namespace dz
