// The short declaration by codes: a declaration typed as a list of codes and amounts.
#pragma once
#include <QDialog>
#include <QJsonObject>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "controls/form_history.h"
#include "controls/print_operations.h"
#include "declaration/short_declaration.h"
#include "model/e1_declaration.h"
#include "safekeeping/recovery_file.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dz {

class CodeListEditor;
class TEditAFM;
class WorkKeeper;

// What the user has typed into the short declaration, as the save would take it.
struct ShortForm {
    QString afm;
    QString surname;
    bool married = false;
    std::set<int> ticked;
    std::vector<CodeRow> rows;  // without empty rows
    friend bool operator==(const ShortForm&, const ShortForm&) = default;
};
QJsonObject ShortFormJson(const ShortForm& form);
std::optional<ShortForm> ShortFormOfJson(const QJsonObject& json);

class TfiFastDil : public QDialog {
    Q_OBJECT
public:
    // The clearance note opened from here (EkaClick) prints through `print`.
    explicit TfiFastDil(const PrintOperations& print = {}, QWidget* parent = nullptr);

    void OpenClick();
    void SaveClick();
    void EkaClick();

    // Opens the declaration of that tax number (what OpenClick does after the index). False,
    // the window as it was, when another running program holds it and the user chose not to
    // open it; IoError, the window as it was, when its file is gone or cannot be read.
    bool OpenDeclaration(const QString& afm);
    // The form of a recovery file left by an earlier run, shown modified; the window keeps
    // that file from now on. DataError for a file whose form does not read.
    void Recover(const FoundRecovery& found);

    // What the window shows now, and a form shown in it.
    ShortForm Form() const;
    void ShowForm(const ShortForm& form);

    // Undo and redo of whole edits (a typed field once left, a cell committed, a row deleted,
    // a tick) over the form value; also the buttons "Αναίρεση" and "Επανάληψη".
    QAction* miUndo = nullptr;  // Ctrl+Z
    QAction* miRedo = nullptr;  // Ctrl+Shift+Z and Ctrl+Y
    void UndoEdit() { history_->Undo(); }
    void RedoEdit() { history_->Redo(); }
    const EditHistory<ShortForm>& History() const { return history_->Values(); }
    WorkKeeper& Keeper() const { return *keeper_; }

    const E1Declaration& Declaration() const { return declaration_; }
    CodeListEditor* codes() const { return veCodes; }
    QCheckBox* box(int code) const;
    TEditAFM* afmField() const { return edAFM; }
    QLineEdit* surnameField() const { return edBigName; }
    QCheckBox* marriedBox() const { return cbMarried; }

    // Whether what the window shows differs from what was opened, saved or started with.
    bool Modified() const;

    // Escape, "Έξοδος" and closing: typed changes are given up only after a question.
    void reject() override;
    // The window closes: its recovery file and lock go.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::set<int> TickedCodes() const;
    // The undo history, following every field, box and cell (fi_fast_dil_history.cpp).
    void BuildHistory();

    PrintOperations print_;
    E1Declaration declaration_;
    E1Image base_{};  // the opened file's bytes: what no field names is written back as it was
    TEditAFM* edAFM;
    QLineEdit* edBigName;
    QCheckBox* cbMarried;
    CodeListEditor* veCodes;
    std::map<int, QCheckBox*> boxes_;
    QPushButton* btOpen;
    QPushButton* btSave;
    QPushButton* btEka;
    QPushButton* btClose;
    QPushButton* btDeleteRow;
    QPushButton* btUndo = nullptr;
    QPushButton* btRedo = nullptr;
    ShortForm kept_;  // as opened, saved or started
    FormHistory<ShortForm>* history_ = nullptr;
    WorkKeeper* keeper_ = nullptr;
};

}  // namespace dz
