// TfiE1: the E1 entry window, the four form pages with a control over every box, the special cases
// and the live clearance panel beside them.
#pragma once
#include <QPointer>
#include <array>
#include <vector>

#include "controls/print_operations.h"
#include "controls/entry_window.h"
#include "controls/form_history.h"
#include "declaration/e1_form.h"
#include "forms/form_page.h"
#include "model/code_table.h"
#include "model/e1_codes.h"
#include "model/e1_declaration.h"
#include "model/edit_history.h"
#include "tax/result_set.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QToolButton;

namespace dz {

class LiveClearancePanel;
class TEditInt;
class TEditReal;
class TEditAFM;

class TfiE1 : public EntryWindow {
    Q_OBJECT
public:
    static const QString kCaption;          // "Δήλωση Φορολογίας Εισοδήματος (Ε1)"
    static constexpr int kPageCount = 5;    // four form pages and the special cases
    static constexpr int kFormPages = 4;
    static constexpr int kWheelStep = 6;    // pixels per wheel notch
    static constexpr int kCtrlPageStep = 50;
    static constexpr int kCtrlEndPosition = 400;

    // FormCreate: clears the record, builds the pages (drawing a missing page picture into
    // WParams), shows page 0 scrolled to the top, not modified. "miPrint" runs
    // `print.e1Form` and btPrintAuto `print.e1Cars`, each disabled without its operation; the
    // clearance note opened from here gets `print` too. The window deletes itself when it closes.
    explicit TfiE1(const PrintOperations& print = {}, QWidget* parent = nullptr);
    ~TfiE1() override;

    // The declaration record of this window: filled by GatherDeclaration, shown by ShowDeclaration.
    E1Declaration& Declaration() { return declaration_; }
    const E1Declaration& Declaration() const { return declaration_; }

    // What the boxes hold now, as a form value; and a form shown in the boxes.
    E1Form Form() const;
    void ShowForm(const E1Form& form);
    // Window to record (GatherForm). A value that its field cannot hold is a DataError and
    // nothing changes, neither the record nor the window; more than 150 filled codes keeps the
    // first 150 and says so.
    void GatherDeclaration();
    // Record to window (FormOfDeclaration).
    void ShowDeclaration();

    // The form of a recovery file left by an earlier run, shown modified; the window keeps that
    // file from now on. DataError for a file whose form does not read.
    void Recover(const FoundRecovery& found);

    // Commands (their QActions call these through the general error handler).
    void miSaveClick() override;
    void miPrintClick();
    void miEka2003Click();
    void btPrintAutoClick();
    void Button1Click();
    void sbDOYClick();
    void sbLastDOYClick();

    // The computation's inputs as the compute command sets them from the window.
    void ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const;
    // The box of a code in view with the focus (nothing for a code without a box).
    void ShowCode(int code);
    // The explanation of a result of the form's computation (`person` -1 for a joint figure),
    // in its own window; its codes lead to their boxes.
    void ExplainFigure(const QString& result, int person);

    // The live clearance panel beside the pages, and the command that shows or hides it (F9).
    // Its shown or hidden state is kept between runs in LivePanelSettingsFile(); shown at first.
    LiveClearancePanel* pnLive = nullptr;
    QAction* miLiveClearance = nullptr;
    QAction* miLiveFigures = nullptr;  // Ctrl+F9: the keys to the panel's figures; Escape there comes back
    static QString LivePanelSettingsFile();
    // The panel's figures from what the boxes hold now, computed as the compute command does;
    // nothing is computed while the panel is hidden or a whole form is being shown.
    void RefreshLiveClearance();

    // Controls by component name ("edP301", "cbP013", "edCarIppoi3", "edDoy" …): Control, ControlAs.
    // The code control of `code` (the hidden carriers of 093 and 095 included).
    QWidget* CodeControl(int code) const;

    // Undo and redo of whole edits (a typed box once left, a tick, a pick, with what they set
    // off), over the form value; back at the state opened or saved, nothing is left to save.
    QAction* miUndo = nullptr;  // "Αναίρεση", Ctrl+Z
    QAction* miRedo = nullptr;  // "Επανάληψη", Ctrl+Shift+Z and Ctrl+Y
    void UndoEdit() { history_->Undo(); }
    void RedoEdit() { history_->Redo(); }
    const EditHistory<E1Form>& History() const { return history_->Values(); }

    std::array<QScrollArea*, kFormPages> sbPages{};  // sbPage1 … sbPage4
    QScrollArea* sbSpecial = nullptr;
    QAction* miEka2003 = nullptr;
    QAction* miSave = nullptr;
    QAction* miPrint = nullptr;
    QAction* miPreview = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct CodeBox {
        int code;
        CodeKind kind;
        QWidget* widget;
    };

    // Building (e1_page_view.cpp, e1_special_cases.cpp).
    void BuildFormPage(int index);
    void BuildSpecialCases();
    QWidget* MakeControl(const forms::FormBox& box, QWidget* parent);
    void Register(QWidget* control, int code);
    void ConnectEditing();

    // The undo history, following every box (e1_history.cpp).
    void BuildHistory();

    // The live clearance panel (e1_live_clearance.cpp).
    void BuildLiveClearance();
    void ShowLiveClearance(bool shown);
    // A field that the pages cannot show whole beside the panel gets their whole width while it
    // has the focus: the panel steps aside and comes back at the next field that fits.
    void MakeRoomFor(QWidget* focused);
    void ComputeLiveClearance();
    // What the boxes hold now is where the panel's changes start from.
    void StartLiveChanges();
    // Box changes made while it lives leave the panel alone, and it refreshes the panel once at the end.
    class LiveHold {
    public:
        explicit LiveHold(TfiE1& window) : window_(window) { ++window_.liveHeld_; }
        ~LiveHold() {
            if (--window_.liveHeld_ == 0) window_.RefreshLiveClearance();
        }
        LiveHold(const LiveHold&) = delete;
        LiveHold& operator=(const LiveHold&) = delete;

    private:
        TfiE1& window_;
    };

    // Keyboard (fi_e1_keys.cpp).
    void FocusOnPage(int index) override;

    // Automatic calculations (e1_presumptions.cpp).
    void ConnectPresumptions();
    void CalcCars();
    void CalcResidences();
    void CalcPools();
    void CalcBoats();
    void CompleteYearField(TEditInt* field);
    // A calculated value into a field; a change of its text marks the declaration modified.
    void SetCalculated(TEditReal* field, double value);
    void SetCalculated(TEditInt* field, int value);

    double AmountOf(const QString& name) const;
    int IntegerOf(const QString& name) const;
    bool TickedOf(const QString& name) const;
    QString TextOf(const QString& name) const;

    PrintOperations print_;
    E1Declaration declaration_{};
    bool closing_ = false;  // leaving a field while the window closes calculates nothing
    std::vector<CodeBox> codeBoxes_;                 // in the window's control order
    std::array<QWidget*, CodeTable::kSlots> byCode_{};
    std::vector<QWidget*> navigation_;               // the fields that take the navigation keys
    QLabel* imAutoType = nullptr;
    int liveHeld_ = 0;
    FormHistory<E1Form>* history_ = nullptr;
    QSplitter* spLive = nullptr;
    QPointer<QWidget> lastField_;  // the field of the pages the user was in last
};

}  // namespace dz
