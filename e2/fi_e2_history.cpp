// Undo and redo in the E2 window: a step per settled edit, taken from the form value and shown back whole.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "controls/edit_real.h"
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
    history_ = new FormHistory<E2Form>(this, [this] { return Form(); }, [this](const E2Form& form) {
        ShowForm(form);
        modified_ = !history_->Values().AtSaved();
    });
    miUndo = history_->undo;
    miRedo = history_->redo;
    QAction* first = pmEdit->actions().value(0);
    pmEdit->insertActions(first, {miUndo, miRedo});
    pmEdit->insertSeparator(first);
    for (QLineEdit* field : fields_) history_->Follow(field);
    history_->Follow(sbCalcOff);
    history_->Reset();
}

}  // namespace dz
