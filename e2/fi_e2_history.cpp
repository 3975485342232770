// Undo and redo in the E2 window: a step per settled edit, taken from the form value and shown back whole.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "controls/edit_real.h"
#include "controls/run_command.h"
#include "controls/stored_text.h"
#include "e2/fi_e2.h"

namespace dz {

E2Form TfiE2::Form() const {
    E2Form form;
    for (const QLineEdit* field : fields_)
        if (!field->text().isEmpty()) form.texts.insert(field->objectName(), field->text());
    form.automatic = AutomaticCalculation();
    return form;
}

void TfiE2::ShowForm(const E2Form& form) {
    for (QLineEdit* field : fields_) SetStoredText(field, form.texts.value(field->objectName()));
    sbCalcOff->setChecked(form.automatic);
    UpdateCalcCaption();
    Record().CalcOff = !form.automatic;
    ApplyCalcMode();
    ReopenIncomeColumns();
}

void TfiE2::ReopenIncomeColumns() {
    if (!AutomaticCalculation()) return;
    // The rows' figures are shown as they were; only which column each row leaves open for
    // a yearly amount is taken again from the row calculation, which asks nothing here.
    QuietDialogs quiet;
    for (int row = 1; row <= kE2Table1Rows; ++row) {
        const RowFields& f = rows_[row - 1];
        const E2RowResult result = CalcE2Row(RowInput(row), quiet);
        for (int c = 0; c < kE2IncomeColumns; ++c) {
            f.columns[c]->setEnabled(false);
            if (c == result.incomeColumn && result.columnOpen) OpenColumn(f.columns[c]);
        }
    }
}

void TfiE2::BuildHistory() {
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
    QAction* first = pmEdit->actions().value(0);
    pmEdit->insertActions(first, {miUndo, miRedo});
    pmEdit->insertSeparator(first);

    for (QLineEdit* field : fields_) {
        connect(field, &QLineEdit::textEdited, this, [this] {
            typing_ = true;
            miUndo->setEnabled(true);  // what is typed can be undone before it is left
        });
        connect(field, &QLineEdit::textChanged, this, &TfiE2::NoteEdit);
    }
    connect(sbCalcOff, &QToolButton::toggled, this, &TfiE2::NoteEdit);
    // A typed field is one step when it is left, with the row calculation that leaving it set
    // off: the step is taken once that has run.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget*) {
        if (!typing_ || !before || !isAncestorOf(before)) return;
        typing_ = false;
        QTimer::singleShot(0, this, [this] { SettleEdit(); });
    });
    ResetHistory();
}

void TfiE2::ResetHistory() {
    typing_ = false;
    history_.Reset(Form());
    UpdateHistoryActions();
}

void TfiE2::NoteEdit() {
    if (restoring_ || typing_) return;
    // A command (a row pasted, a pick, the calculation switched), with what it set off, is one step.
    QTimer::singleShot(0, this, [this] {
        if (!typing_) SettleEdit();
    });
}

void TfiE2::SettleEdit() {
    if (restoring_) return;
    if (history_.Record(Form())) UpdateHistoryActions();
}

void TfiE2::UndoEdit() {
    // What is being typed is a step of its own, and the first undone.
    typing_ = false;
    SettleEdit();
    if (const E2Form* form = history_.Undo()) Restore(*form);
}

void TfiE2::RedoEdit() {
    typing_ = false;
    SettleEdit();
    if (const E2Form* form = history_.Redo()) Restore(*form);
}

void TfiE2::Restore(const E2Form& form) {
    restoring_ = true;
    ShowForm(form);
    restoring_ = false;
    modified_ = !history_.AtSaved();
    UpdateHistoryActions();
}

void TfiE2::UpdateHistoryActions() {
    if (!miUndo) return;
    miUndo->setEnabled(history_.CanUndo());
    miRedo->setEnabled(history_.CanRedo());
}

}  // namespace dz
