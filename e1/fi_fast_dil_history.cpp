// Undo and redo in the short declaration, and its form value as JSON for the recovery file.
#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>

#include "controls/edit_afm.h"
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
    history_ = new FormHistory<ShortForm>(this, [this] { return Form(); }, [this](const ShortForm& form) { ShowForm(form); });
    miUndo = history_->undo;
    miRedo = history_->redo;
    for (const auto& [button, command] : {std::pair{btUndo, miUndo}, std::pair{btRedo, miRedo}}) {
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::changed, button, [button, command] { button->setEnabled(command->isEnabled()); });
    }
    history_->Follow(edAFM);
    history_->Follow(edBigName);
    history_->Follow(cbMarried);
    for (auto& [code, box] : boxes_) history_->Follow(box);
    // A cell is a step once its editor commits it, a deleted row at once.
    QAbstractItemModel* rows = veCodes->model();
    connect(rows, &QAbstractItemModel::dataChanged, history_, &FormHistoryCommands::Changed);
    connect(rows, &QAbstractItemModel::rowsRemoved, history_, &FormHistoryCommands::Changed);
    history_->Reset();
}

}  // namespace dz
