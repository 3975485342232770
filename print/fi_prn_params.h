// TfiPrnParams: the print dialog of the E1 and E2 forms — paper, pages, two-sided jobs, copies, typeface, PDF.
#pragma once
#include <QDialog>
#include <array>
#include <memory>
#include <set>
#include <vector>

#include "model/e1_declaration.h"
#include "model/e2_record.h"
#include "print/print_job.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace dz {

class TEditInt;
class TEditReal;
namespace report {
class PageReport;
class PdfDocument;
}  // namespace report

enum class FormKind { E1, E2 };

class TfiPrnParams : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;         // "Παράμετροι Εκτύπωσης Δηλώσεων"
    static const QString kCompositeTitle;  // "Εκτύπωση Εντύπων"
    static const QString kNoPagesForPdf;
    static const QString kPdfNotTwoSided;
    static const QString kPdfFileOpen;

    // FormCreate: the controls, the typeface of the font file in lbFont, PdfMode off.
    explicit TfiPrnParams(QWidget* parent = nullptr);
    ~TfiPrnParams() override;

    // Adjusts the controls to the kind of form; the opener calls it once.
    void Setup(FormKind kind);
    FormKind Kind() const { return kind_; }
    // On for the duration of one PDF request, off otherwise.
    bool PdfMode = false;
    // What is printed: the declaration of the E1 window or the statement of the E2 window.
    void SetDeclaration(const E1Declaration& declaration) { e1_ = declaration; }
    void SetRecord(const E2Record& record) { e2_ = record; }

    // Handlers, one per event.
    void SelectPages();   // rgTipos or cbDuplex clicked
    void Label9Click();   // the typeface link
    void btPrintClick();  // one print request (into a PDF while PdfMode is on)
    void ShowPdfClick();  // one PDF request
    void BitBtn2Click();  // closes the dialog
    void qrCompRepA4AddReports(report::CompositeReport& composite);
    void qrCompRepA3AddReports(report::CompositeReport& composite);

    // Controls, top to bottom.
    QGroupBox* rgTipos;
    std::array<QRadioButton*, 2> rgTiposItems{};
    QLabel* lbMoreMargin;
    TEditReal* edMoreMargin;
    QLabel* lbMoremarginLeft;
    TEditReal* edMoreMarginLeft;
    QCheckBox* cbColoredPrint;
    QLabel* lbE2FirstNbr;
    TEditInt* edE2FirstNbr;
    QLabel* Label5;
    QSpinBox* ud2;
    QLineEdit* edCopies;  // the text field of ud2
    QCheckBox* cbDuplex;
    QGroupBox* gbPageSelect;
    QCheckBox* cbPage1;
    QCheckBox* cbPage2;
    QCheckBox* cbPage3;
    QCheckBox* cbPage4;
    QCheckBox* cbDupE2Ver;
    QLabel* Label9;
    QLabel* lbFont;
    QPushButton* btPrint;
    QPushButton* ShowPdf;
    QPushButton* BitBtn2;

    report::CompositeReport qrCompRepA4;
    report::CompositeReport qrCompRepA3;

    int rgTiposIndex() const;  // 0 A4, 1 A3

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A page report made for one print, with what keeps it alive.
    struct Prepared {
        std::shared_ptr<void> owner;
        report::PageReport* report = nullptr;
        int number = 0;  // its place in a two-sided pair (page or sheet number)
    };

    void BuildControls();
    std::array<bool, 4> Ticked() const;
    void PrintRequest();
    void PrintE1();
    void PrintE2();
    void PrintPage(report::PageReport& page);
    void PrintComposite(report::CompositeReport& composite, std::vector<Prepared> pages);
    // The copies, the printer and the title every page report gets before it is filled.
    void Prepare(report::PageReport& page, const QString& title) const;

    FormKind kind_ = FormKind::E1;
    E1Declaration e1_{};
    E2Record e2_{};
    QString family_;
    std::unique_ptr<report::PdfDocument> PdfDocument;
    std::set<int> selectedPair_;
    std::vector<Prepared> prepared_;
};

// Opens the print dialog for a declaration (the E1 window) or a statement (the E2 window, which
// offers no colour print).
void RunPrintDialog(QWidget* parent, const E1Declaration& declaration);
void RunPrintDialog(QWidget* parent, const E2Record& record);

}  // namespace dz
