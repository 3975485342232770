// The E1 reports of one print request, built, given the typeface and filled, ready to print or export.
#pragma once
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "model/e1_declaration.h"
#include "layouts/e1_reports.h"

namespace dz {

// A new, empty report of `sheet`, with its title.
std::unique_ptr<E1PrintPage> MakeE1Page(E1Sheet sheet);

// A report of `sheet` with the typeface `family` applied, then filled from the declaration.
std::unique_ptr<E1PrintPage> BuildE1Page(E1Sheet sheet, const E1Declaration& declaration, bool coloured,
                                         const QString& family);

// The sheets a one-sided request prints, in order: A4 pages 1 to 4 where `ticked`; on A3,
// ticked[0] the sheet of pages 4 and 1, ticked[1] the sheet of pages 2 and 3.
std::vector<E1Sheet> E1SheetsOf(bool a3, const std::array<bool, 4>& ticked);

// One-sided printing moves the sheets' top and bottom margins to 10 mm.
inline constexpr double kE1SingleSidedMarginMm = 10;
void SetE1SingleSidedMargins(E1PrintPage& page);

}  // namespace dz
