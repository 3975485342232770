// TfiE2: the E2 entry window, the two form pages with a field over every box, the row menu and the row calculation.
#pragma once
#include <QStringList>
#include <array>
#include <vector>

#include "controls/print_operations.h"
#include "controls/entry_window.h"
#include "controls/form_history.h"
#include "e2/e2_form.h"
#include "e2calc/e2_calc.h"
#include "forms/form_page.h"
#include "model/e2_record.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QToolButton;

namespace dz {

class EditField;
class TEditInt;
class TEditReal;

class TfiE2 : public EntryWindow {
    Q_OBJECT
public:
    static constexpr int kPageCount = 2;
    static constexpr std::array<int, kPageCount> kWheelStep{4, 6};  // pixels per wheel notch
    static constexpr int kCtrlPageStep = 50;
    static constexpr int kCtrlEndPosition = 400;
    static constexpr int kRowColumns = 20;  // the copyable columns of a table-1 row

    // The statement of this window; the print takes it after CollectRecord.
    E2Record& Record() { return record_; }
    const E2Record& Record() const { return record_; }
    // The table-1 row the row menu works on (1..16; 0 before the first right-click) and the
    // row copied by "Αντιγραφή Γραμμής", one text per copyable column.
    int CurrentRow = 0;
    QStringList RowClipboard;

    // A new statement: the record cleared, page 1 shown at the top, automatic calculation on,
    // not changed. "miPrint" runs `print.e2Form`, and stays disabled without it. The window
    // deletes itself when it closes.
    explicit TfiE2(const PrintOperations& print = {}, QWidget* parent = nullptr);
    ~TfiE2() override;

    // Reads the statement of that tax number and shows it, not changed, holding its lock.
    // False, nothing read, when another running program holds it and the user chose not to
    // open it; IoError when there is no such file or it cannot be read.
    bool OpenStatement(const QString& afm);
    // The form of a recovery file left by an earlier run, shown modified; the window keeps
    // that file from now on. DataError for a file whose form does not read.
    void Recover(const FoundRecovery& found);

    // What the fields hold now, as a form value; and a form shown in the fields.
    E2Form Form() const;
    void ShowForm(const E2Form& form);

    // Undo and redo of whole edits (a typed field once left with its row calculation, a pick,
    // a row command, the calculation switched), over the form value; back at the state opened
    // or saved, nothing is left to save.
    QAction* miUndo = nullptr;  // "Αναίρεση", Ctrl+Z
    QAction* miRedo = nullptr;  // "Επανάληψη", Ctrl+Shift+Z and Ctrl+Y
    void UndoEdit() { history_->Undo(); }
    void RedoEdit() { history_->Redo(); }
    const EditHistory<E2Form>& History() const { return history_->Values(); }

    void ClearFields();
    void ShowRecord();
    // Window to record. A text the code page cannot hold is a DataError and the record stays
    // as it was.
    void CollectRecord();
    void ApplyCalcMode();
    void CloseAsk() { EscapeClose(); }

    // The row calculation of table-1 row `row` (1..16) and the column totals; nothing while
    // automatic calculation is off.
    void CalcE2(int row);
    void CalcTotals();
    void RecalculateAll();
    // Leaving a date field of `row`: the date normalised, then the row calculated.
    void edDate11Exit(EditField* field, int row);

    bool AutomaticCalculation() const;

    // Commands (their QActions and buttons call these through the general error handler).
    void miSaveClick() override;
    void miSaveAsClick();
    void miPrintClick();
    void miCopyClick();
    void miPasteClick();
    void miClearClick();
    void miInsertClick();
    void miDeleteClick();
    void mTransferToPin2Click();
    void sbGetThesiClick(int position);
    void sbGetXrisiClick(int position);
    void sbGetEidosMistClick(int position);
    void sbCalcOffClick();

    // Controls by component name ("edTopos3", "edKat1", "sbGetThesi17", "Label5" …): Control, ControlAs.
    QLineEdit* Field(const char* pattern, int number) const;

    std::array<QScrollArea*, kPageCount> sbPages{};
    QToolButton* sbCalcOff = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* pmEdit = nullptr;
    QAction* miSave = nullptr;
    QAction* miSaveAs = nullptr;
    QAction* miPrint = nullptr;
    QAction* miEka2003 = nullptr;
    QAction* miPreview = nullptr;
    QAction* miCopy = nullptr;
    QAction* miPaste = nullptr;
    QAction* miClear = nullptr;
    QAction* miInsert = nullptr;
    QAction* miDelete = nullptr;
    QAction* mTransferToPin2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The fields of a table-1 row that the row calculation reads and writes.
    struct RowFields {
        EditField* date1 = nullptr;
        EditField* date2 = nullptr;
        EditField* share = nullptr;
        EditField* leaseType = nullptr;
        TEditReal* months = nullptr;
        TEditReal* rent = nullptr;
        std::array<TEditReal*, kE2IncomeColumns> columns{};
    };

    // Building (fi_e2_view.cpp).
    void BuildPage(int index);
    QWidget* MakeControl(const forms::FormBox& box, QWidget* canvas);
    void ConnectFields();
    void BuildMenus();


    // Row menu (fi_e2_rows.cpp).
    QStringList RowTexts(int row) const;
    void SetRowTexts(int row, const QStringList& texts);
    void ClearRow(int row);
    void CopyRow(int from, int to);
    bool ValidRow() const;

    void OpenColumn(TEditReal* column);
    void UpdateCalcCaption();
    // What the row calculation reads from the fields of table-1 row `row` (1..16).
    E2RowInput RowInput(int row) const;

    // The undo history, following every field and the calculation switch (fi_e2_history.cpp).
    void BuildHistory();
    // In automatic calculation, each row's income column open for a yearly amount as the row
    // calculation leaves it.
    void ReopenIncomeColumns();

    PrintOperations print_;
    E2Record record_{};
    std::array<RowFields, kE2Table1Rows> rows_{};
    std::array<TEditReal*, kE2IncomeColumns> totals_{};
    std::vector<QLineEdit*> fields_;  // every entry field, in the window's order
    FormHistory<E2Form>* history_ = nullptr;
};

}  // namespace dz
