// The undo and redo commands and the settling of edits into steps.
#include "controls/form_history.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "controls/run_command.h"

namespace dz {

FormHistoryCommands::FormHistoryCommands(QWidget* window, std::function<bool()> held)
    : QObject(window),
      undo(new QAction(QStringLiteral("Αναίρεση"), window)),
      redo(new QAction(QStringLiteral("Επανάληψη"), window)),
      window_(window),
      held_(std::move(held)) {
    undo->setObjectName(QStringLiteral("miUndo"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setObjectName(QStringLiteral("miRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        window->addAction(action);
    }
    OnTriggered(undo, window, [this] { Undo(); });
    OnTriggered(redo, window, [this] { Redo(); });
    // A typed field is one step when it is left, with what leaving it set off: the step is
    // taken once that has run.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget*) {
        if (!typing_ || !before || !window_->isAncestorOf(before)) return;
        typing_ = false;
        QTimer::singleShot(0, this, [this] { Settle(); });
    });
}

void FormHistoryCommands::Follow(QLineEdit* field) {
    connect(field, &QLineEdit::textEdited, this, [this] {
        typing_ = true;
        undo->setEnabled(true);  // what is typed can be undone before it is left
    });
    connect(field, &QLineEdit::textChanged, this, &FormHistoryCommands::Changed);
}

void FormHistoryCommands::Follow(QAbstractButton* box) {
    connect(box, &QAbstractButton::toggled, this, &FormHistoryCommands::Changed);
}

void FormHistoryCommands::Changed() {
    if (Held() || typing_) return;
    QTimer::singleShot(0, this, [this] {
        if (!typing_) Settle();
    });
}

void FormHistoryCommands::Settle() {
    typing_ = false;
    if (Held()) return;
    if (RecordNow()) UpdateCommands();
}

void FormHistoryCommands::Undo() {
    // What is being typed is a step of its own, and the first undone.
    Settle();
    Step(false);
    UpdateCommands();
}

void FormHistoryCommands::Redo() {
    Settle();
    Step(true);
    UpdateCommands();
}

void FormHistoryCommands::UpdateCommands() {
    undo->setEnabled(CanStep(false));
    redo->setEnabled(CanStep(true));
}

void FormHistoryCommands::Showing(const std::function<void()>& show) {
    restoring_ = true;
    show();
    restoring_ = false;
}

}  // namespace dz
