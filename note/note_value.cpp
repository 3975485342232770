// The clearance note value.
#include "note/note_value.h"

#include <utility>

namespace dz {

ClearanceNote MakeClearanceNote(const EkaHeader& header, std::optional<std::vector<CodeEntry>> codes,
                                const tax::ResultSet& results,
                                const tax::LuxuryRecord& luxury, std::optional<std::array<QString, 4>> carNumbers) {
    return {header, std::move(codes), results, FillEkaLines(results), luxury, std::move(carNumbers)};
}

}  // namespace dz
