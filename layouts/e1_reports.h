// The six printed E1 reports (four A4 pages, two A3 sheets): the form pages drawn under a label over every box.
#pragma once
#include <QColor>
#include <QString>
#include <memory>
#include <vector>

#include "report/page_report.h"

namespace dz {

enum class E1Sheet { Page1, Page2, Page3, Page4, Sheet41, Sheet23 };

// A report of the E1 form: its sheet, the form pages on it (0-based, left to right) and where
// each page's picture lies on the layout.
class E1PrintPage {
public:
    explicit E1PrintPage(E1Sheet sheet);
    virtual ~E1PrintPage() = default;

    E1Sheet sheet() const { return sheet_; }
    const std::vector<int>& formPages() const { return pages_; }

    // Prints a picture of the whole A4 sheet, such as a colour background file, instead of the
    // page at `position` (0: left) drawn from its description; a null picture draws it again.
    void SetSheetPicture(int position, const QImage& picture);

    // The colour the page at `position` is drawn in (black unless set).
    void SetInk(int position, const QColor& ink);
    QColor Ink(int position) const;

    report::PageReport report;

private:
    E1Sheet sheet_;
    std::vector<int> pages_;
    // Shared with the report's drawings, so that they see every change however the page moves.
    std::shared_ptr<std::vector<QColor>> inks_;
};

// The report classes the print dialog builds, one per sheet.
class TfiE11PrnFull : public E1PrintPage {
public:
    TfiE11PrnFull() : E1PrintPage(E1Sheet::Page1) {}
};
class TfiE12PrnFull : public E1PrintPage {
public:
    TfiE12PrnFull() : E1PrintPage(E1Sheet::Page2) {}
};
class TfiE13PrnFull : public E1PrintPage {
public:
    TfiE13PrnFull() : E1PrintPage(E1Sheet::Page3) {}
};
class TfiE14PrnFull : public E1PrintPage {
public:
    TfiE14PrnFull() : E1PrintPage(E1Sheet::Page4) {}
};
class TfiE1_41_Prn : public E1PrintPage {
public:
    TfiE1_41_Prn() : E1PrintPage(E1Sheet::Sheet41) {}
};
class TfiE1_23_Prn : public E1PrintPage {
public:
    TfiE1_23_Prn() : E1PrintPage(E1Sheet::Sheet23) {}
};

// The report's title ("E1 Σελ.1" … "E1 Σελ.2 (A3)").
QString E1SheetTitle(E1Sheet sheet);

}  // namespace dz
