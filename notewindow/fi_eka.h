// The clearance note window TfiEka: the 25-line clearance view, its breakdowns, the codes list, print buttons.
#pragma once
#include <QDialog>
#include <functional>
#include <vector>

#include "controls/print_operations.h"
#include "note/explanations.h"
#include "note/note_value.h"
#include "tax/result_set.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace dz {

class ClickablePicture;
class EkaGrid;
class TEditReal;

// Why a figure of the clearance view is what it is, and where a code's box is on the form; the
// window that computed the note supplies them (either may be empty).
struct NoteExplaining {
    std::function<Explanation(int line, int person)> explainLine;
    std::function<void(int code)> showCode;
};

class TfiEka : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;  // "Εκκαθαριστικό Σημείωμα Φόρου Εισοδήματος"
    static constexpr int kPdfTag = 99;  // the tag of btPDF: export instead of printing

    // FormCreate: builds the window and shows the note handed to it: its header, its codes list
    // and the clearance view of its lines. The window keeps its own copy; the print prints it.
    // bt10 and btPDF run `print.clearanceNote` (btPDF with `pdf`), and are disabled without it.
    explicit TfiEka(ClearanceNote note, const PrintOperations& print = {}, QWidget* parent = nullptr,
                    NoteExplaining explaining = {});
    ~TfiEka() override;

    const ClearanceNote& Note() const { return note_; }

    // The view shown: 1, 3 … 7 for a breakdown view (its button's number), 8 the clearance view.
    int EkaSection() const;
    const tax::ResultSet& Results() const { return note_.results; }

    // Operations, one per event.
    void btDisplayTheEKAClick();        // btDisplayTheEKA, imBack: the clearance view
    void ShowBreakdown(int section);    // bt1Click, bt3Click … bt7Click
    void bt10Click(QObject* sender);    // bt10 and btPDF
    void CalcMeioseois();               // cbOneDosi clicked
    void bt9Click();                    // closes the window
    // The explanation of the clearance view's current cell: its line, and its person's column
    // (the label column explains both). Opens the explanation window; a code's link in it
    // closes this window too and shows the box.
    void ExplainCurrent();

    // The breakdown button of a view (bt1, bt3 … bt7), or null.
    QPushButton* ViewButton(int section) const;

    // Header panel.
    QLabel* lbAFM;
    QLabel* lbBigName;
    QLabel* lbAddress;
    QLabel* lbDoy;
    QLabel* lbSyzBigName;
    QLabel* lbSyzAfm;
    QLabel* lbApodeixeis;
    TEditReal* edApodeixeis;

    // Grids.
    QTableWidget* sgCodes;
    EkaGrid* sgEka;

    // Button panel.
    QLabel* lb1;
    ClickablePicture* imBack;
    QPushButton* btDisplayTheEKA;
    QPushButton* btExplain;  // "Εξήγηση"
    QPushButton* bt10;
    QPushButton* btPDF;
    QPushButton* bt9;

    // Bottom panel.
    QCheckBox* cbOneDosi;

private:
    QWidget* buildHeader();
    QWidget* buildCodesGrid();
    QWidget* buildButtons();
    QWidget* buildBottom();
    void centreOnScreen();

    void ShowHeader();
    void ShowCodes();  // every entry of the codes list stays visible

    ClearanceNote note_;
    PrintOperations print_;
    NoteExplaining explaining_;
    std::vector<QPushButton*> viewButtons_;
};

}  // namespace dz
