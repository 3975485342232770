// The clearance note as a printed A4 page (`TfiEkaPrn` with its report `qrEka`): layout and fill, without widgets.
#pragma once
#include <QString>
#include <array>
#include <optional>

#include "note/note_value.h"
#include "report/page_report.h"
#include "tax/result_set.h"

namespace dz {

class TfiEkaPrn {
public:
    static const QString kTitle;  // "Εκτύπωση Εκκαθαριστικού"

    // The page with its background, static texts and empty data labels; the before-print hook
    // is `qrEkaBeforePrint`.
    TfiEkaPrn();

    report::PageReport qrEka;
};

// The zero rule, run before every print or export: a label reading "0,00" prints nothing.
void qrEkaBeforePrint(report::PageReport& report);

// Fills every data label of the note (the typeface is applied before, by the caller).
void FillEkaPrint(TfiEkaPrn& layout, const ClearanceNote& input);

// "EKA2015/<tax number>.pdf", the file of a note's PDF export. Characters a file name cannot
// hold ("/" and the like) are replaced so that the file stays inside the folder.
QString EkaPdfFileName(const QString& afm);
inline constexpr const char* kEkaPdfFolder = "EKA2015";

}  // namespace dz
