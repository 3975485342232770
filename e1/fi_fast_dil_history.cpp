// Undo and redo in the short declaration, and its form value as JSON for the recovery file.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "controls/edit_afm.h"
#include "controls/run_command.h"
#include "e1/code_list_editor.h"
#include "e1/fi_fast_dil.h"

namespace dz {

QJsonObject ShortFormJson(const ShortForm& form) {
    QJsonArray ticked;
    for (int code : form.ticked) ticked.append(code);
    QJsonArray rows;
    for (const CodeRow& row : form.rows) rows.append(QJsonArray{row.code, row.amount});
    return {{QStringLiteral("afm"), form.afm},
            {QStringLiteral("surname"), form.surname},
            {QStringLiteral("married"), form.married},
            {QStringLiteral("ticked"), ticked},
            {QStringLiteral("rows"), rows}};
}

std::optional<ShortForm> ShortFormOfJson(const QJsonObject& json) {
    if (!json.value(QStringLiteral("rows")).isArray() || !json.value(QStringLiteral("married")).isBool())
        return std::nullopt;
    ShortForm form{json.value(QStringLiteral("afm")).toString(), json.value(QStringLiteral("surname")).toString(),
                   json.value(QStringLiteral("married")).toBool(), {}, {}};
    for (const QJsonValue& code : json.value(QStringLiteral("ticked")).toArray()) form.ticked.insert(code.toInt());
    for (const QJsonValue& row : json.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray cells = row.toArray();
        if (cells.size() != 2) return std::nullopt;
        form.rows.push_back({cells[0].toString(), cells[1].toString()});
    }
    return form;
}

void TfiFastDil::ShowForm(const ShortForm& form) {
    edAFM->setText(form.afm);
    edBigName->setText(form.surname);
    cbMarried->setChecked(form.married);
    for (auto& [code, box] : boxes_) box->setChecked(form.ticked.count(code) > 0);
    veCodes->SetRows(form.rows);
}

void TfiFastDil::BuildHistory() {
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
    connect(btUndo, &QPushButton::clicked, miUndo, &QAction::trigger);
    connect(btRedo, &QPushButton::clicked, miRedo, &QAction::trigger);

    for (QLineEdit* field : {static_cast<QLineEdit*>(edAFM), edBigName}) {
        connect(field, &QLineEdit::textEdited, this, [this] {
            typing_ = true;
            UpdateHistoryActions();
        });
        connect(field, &QLineEdit::textChanged, this, &TfiFastDil::NoteEdit);
    }
    connect(cbMarried, &QCheckBox::toggled, this, &TfiFastDil::NoteEdit);
    for (auto& [code, box] : boxes_) connect(box, &QCheckBox::toggled, this, &TfiFastDil::NoteEdit);
    // A cell is a step once its editor commits it; rows removed or added come with the edit.
    QAbstractItemModel* rows = veCodes->model();
    connect(rows, &QAbstractItemModel::dataChanged, this, &TfiFastDil::NoteEdit);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &TfiFastDil::NoteEdit);
    // A typed field is one step when it is left.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* before, QWidget*) {
        if (!typing_ || !before || !isAncestorOf(before)) return;
        typing_ = false;
        QTimer::singleShot(0, this, [this] { SettleEdit(); });
    });
    ResetHistory();
}

void TfiFastDil::ResetHistory() {
    typing_ = false;
    history_.Reset(Form());
    UpdateHistoryActions();
}

void TfiFastDil::NoteEdit() {
    if (restoring_ || typing_) return;
    QTimer::singleShot(0, this, [this] {
        if (!typing_) SettleEdit();
    });
}

void TfiFastDil::SettleEdit() {
    if (restoring_) return;
    if (history_.Record(Form())) UpdateHistoryActions();
}

void TfiFastDil::UndoEdit() {
    typing_ = false;
    SettleEdit();
    if (const ShortForm* form = history_.Undo()) Restore(*form);
}

void TfiFastDil::RedoEdit() {
    typing_ = false;
    SettleEdit();
    if (const ShortForm* form = history_.Redo()) Restore(*form);
}

void TfiFastDil::Restore(const ShortForm& form) {
    restoring_ = true;
    ShowForm(form);
    restoring_ = false;
    UpdateHistoryActions();
}

void TfiFastDil::UpdateHistoryActions() {
    if (!miUndo) return;
    miUndo->setEnabled(history_.CanUndo() || typing_);
    miRedo->setEnabled(history_.CanRedo());
    btUndo->setEnabled(miUndo->isEnabled());
    btRedo->setEnabled(miRedo->isEnabled());
}

}  // namespace dz
