// The clearance note as a value: what its window shows and its print prints, made once by
// whoever computed it (the E1 window, the short declaration, dovazez-cli) and handed on.
#pragma once
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "note/note_lines.h"
#include "note/eka_codes.h"
#include "tax/result_set.h"

namespace dz {

// The header of the note. The E1 window fills all six; the short declaration the first three
// (an empty address). The last three are never shown in the window; the print carries them.
struct EkaHeader {
    QString AFM;
    QString BigName;  // surname, one blank, first name
    QString Address;
    QString Doy;         // tax office
    QString SyzBigName;  // spouse's surname and first name
    QString SyzAfm;
    bool operator==(const EkaHeader&) const = default;
};

struct ClearanceNote {
    EkaHeader header;
    // The filled code boxes the codes list shows; nothing from the short declaration, whose
    // note leaves the list's empty rows as they are.
    std::optional<std::vector<CodeEntry>> codes;
    tax::ResultSet results;
    EkaLines lines;               // the 25 lines of both persons, from `results`
    tax::LuxuryRecord luxury;     // the luxury-tax bases and taxes the computation was given
    // The registration numbers of cars 1 to 4 when the note comes from an E1 declaration;
    // nothing from the short declaration.
    std::optional<std::array<QString, 4>> carNumbers;
};

// A note with its lines filled from the results.
ClearanceNote MakeClearanceNote(const EkaHeader& header, std::optional<std::vector<CodeEntry>> codes,
                                const tax::ResultSet& results,
                                const tax::LuxuryRecord& luxury = {},
                                std::optional<std::array<QString, 4>> carNumbers = std::nullopt);

}  // namespace dz
