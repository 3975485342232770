// The E2 statement's arithmetic over the whole record, as the E2 window does it with automatic
// calculation on: the window and dovazez-cli both come to the same figures through it.
#pragma once
#include <array>

#include "e2calc/e2_calc.h"
#include "model/dialogs.h"
#include "model/e2_record.h"

namespace dz {

// An amount as an amount field holds it once set: rounded as its amount text shows it
// (0.125 -> 0.13); 0 stays 0. DataError for NaN or an infinity.
double AsShownAmount(double value);

// Every table-1 row in order, then the totals: the months, a rent derived from a yearly amount,
// a refused share or lease type emptied (reported through `dialogs`), the four income columns;
// every amount as its field shows it, and the income-column flags of the lease types. The
// income column (0..3) each row's lease type selects, or -1.
std::array<int, kE2Table1Rows> RecalculateE2(E2Record& record, Dialogs& dialogs);

}  // namespace dz
