// The fixed pick lists of an E2 row: floors, uses of the property and kinds of lease.
#pragma once
#include <QString>
#include <QStringList>

namespace dz {

inline constexpr int kFloorCount = 53;      // identifiers 0..52
inline constexpr int kUseCount = 15;        // identifiers 0..14
inline constexpr int kLeaseTypeCount = 41;  // indexes 0..40

// The text of a floor identifier in the pick dialog ("ΧΩΡΙΣ ΘΕΣΗ", "Υπ.", "Ισογ.", "1".."50").
QString FloorListEntry(int id);
// The floor text stored in a row: empty, "Υπ.", "0", "1".."50"; empty outside the list.
QString FloorLabel(int id);

QString UseListEntry(int id);
// The names shown in the window and printed on the form; empty outside 1..14.
QString UseLongName(int id);
QString UseShortName(int id);

// The entries of the lease-type dialog, "ΧΩΡΙΣ ΕΙΔΟΣ ΜΙΣΘΩΣΗΣ" first.
const QStringList& LeaseTypeList();

}  // namespace dz
