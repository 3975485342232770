// The printed E2 statement: page 1 (`TfiE21Prn`, header and table 1) and page 2 (`TfiE22Prn`, tables I and II).
#pragma once
#include <QString>

#include "model/e2_record.h"
#include "report/page_report.h"

namespace dz {

class TfiE21Prn {
public:
    TfiE21Prn();
    report::PageReport qrE21Prn;
};

class TfiE22Prn {
public:
    TfiE22Prn();
    report::PageReport qrE22Prn;
};

// Every data label of the page from the statement.
void FillE2Page1(TfiE21Prn& page, const E2Record& record);
void FillE2Page2(TfiE22Prn& page, const E2Record& record);

// The row numbers of table 1 from `first` on (first, first + 1, … first + 15); 0 or below
// keeps the page's own 1 to 16.
void NumberE2Rows(TfiE21Prn& page, int first);

// The titles of the two pages: "E2 Σελ.1", "E2 Σελ.2".
QString E2PageTitle(int page);

// The margins the print dialog gives a page: 5 mm each, the top and the left made wider by the
// increases asked for (millimetres).
void SetE2PrintMargins(report::PageReport& page, double moreTop, double moreLeft);
// On a two-sided job the content moves instead: what the top and left gain, the bottom and the
// right give up.
void ShiftE2Content(report::PageReport& page, double moreTop, double moreLeft);

}  // namespace dz
