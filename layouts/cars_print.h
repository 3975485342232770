// The cars list (`TfiPrintAuto` with its report `qrPrintAuto`): cars 4 to 7 of the E1 declaration on one A4 sheet.
#pragma once
#include <QString>

#include "model/e1_declaration.h"
#include "report/page_report.h"

namespace dz {

class TfiPrintAuto {
public:
    static const QString kTitle;  // "E1 Εκτύπωση Αυτοκινήτων"
    TfiPrintAuto();
    report::PageReport qrPrintAuto;
};

// Fills every label from the declaration's cars 4 to 7 and its code entries 857 to 864.
void FillCarsAttachment(TfiPrintAuto& layout, const E1Declaration& declaration);

}  // namespace dz
