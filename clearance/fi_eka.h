// The clearance note window TfiEka: the 25-line clearance view, its breakdowns, the codes list, print buttons.
#pragma once
#include <QDialog>
#include <vector>

#include "app/print_operations.h"
#include "clearance/eka_codes.h"
#include "tax/result_set.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace dz {

class ClickablePicture;
class EkaGrid;
class TEditReal;

// The header of the clearance note, set by the opener. The E1 window sets all six; the short
// declaration sets the first three (an empty address) and leaves the last three empty. The last
// three are never shown in the window; the print carries them.
struct EkaHeader {
    QString AFM;
    QString BigName;  // surname, one blank, first name
    QString Address;
    QString Doy;         // tax office
    QString SyzBigName;  // spouse's surname and first name
    QString SyzAfm;
};

class TfiEka : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;  // "Εκκαθαριστικό Σημείωμα Φόρου Εισοδήματος"
    static constexpr int kPdfTag = 99;  // the tag of btPDF: export instead of printing

    // FormCreate: builds the window and shows the clearance view of `results` at once, which
    // fills the clearance lines (`EkaLinesF`, `EkaLinesS`). The window keeps its own copy.
    // bt10 and btPDF run `print.clearanceNote` (btPDF with `pdf`), and are disabled without it.
    explicit TfiEka(const tax::ResultSet& results, const PrintOperations& print = {}, QWidget* parent = nullptr);
    ~TfiEka() override;

    void SetHeader(const EkaHeader& header);
    EkaHeader Header() const;

    // Fills the codes grid: the codes the declaration fills, with the text to show (see
    // CodeEntryText). Every entry stays visible; an opener that calls nothing leaves the grid
    // with its header only.
    void SetCodes(const std::vector<CodeEntry>& entries);

    // The view shown: 1, 3 … 7 for a breakdown view (its button's number), 8 the clearance view.
    int EkaSection() const;
    const tax::ResultSet& Results() const { return results_; }

    // Operations, one per event.
    void btDisplayTheEKAClick();        // btDisplayTheEKA, imBack: the clearance view
    void ShowBreakdown(int section);    // bt1Click, bt3Click … bt7Click
    void bt10Click(QObject* sender);    // bt10 and btPDF
    void CalcMeioseois();               // cbOneDosi clicked
    void bt9Click();                    // closes the window

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

    tax::ResultSet results_;
    PrintOperations print_;
    std::vector<QPushButton*> viewButtons_;
};

}  // namespace dz
