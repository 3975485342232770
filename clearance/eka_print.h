// The clearance note as a printed A4 page (`TfiEkaPrn` with its report `qrEka`): layout and fill, without widgets.
#pragma once
#include <QString>
#include <array>
#include <optional>

#include "clearance/clearance_lines.h"
#include "report/page_report.h"
#include "tax/result_set.h"

namespace dz {

// The header texts of the note as the opener set them; the last three may be empty.
struct EkaPrintHeader {
    QString AFM;
    QString BigName;
    QString Address;
    QString Doy;
    QString SyzBigName;
    QString SyzAfm;
};

// Everything the printed note shows.
struct EkaPrintInput {
    EkaPrintHeader header;
    EkaLines lines;                // the clearance lines of the window (EkaLinesF, EkaLinesS)
    tax::ResultSet results;
    tax::LuxuryRecord luxury;      // the luxury-tax bases and taxes the computation was given
    // The registration numbers of cars 1 to 4 when the note comes from the E1 window; nothing
    // from the short declaration.
    std::optional<std::array<QString, 4>> carNumbers;
};

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
void FillEkaPrint(TfiEkaPrn& layout, const EkaPrintInput& input);

// "EKA2015/<tax number>.pdf", the file of a note's PDF export. Characters a file name cannot
// hold ("/" and the like) are replaced so that the file stays inside the folder.
QString EkaPdfFileName(const QString& afm);
inline constexpr const char* kEkaPdfFolder = "EKA2015";

}  // namespace dz
