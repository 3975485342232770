// The texts only the E2 window shows, in its notices and buttons.
#pragma once
#include <QString>

namespace dz::e2 {

inline const QString kCaption = QStringLiteral("Δήλωση Ε2");
inline const QString kNoFreeTable2Row = QStringLiteral("Δεν υπάρχουν διαθέσιμες γραμμές για μεταφορά στον πίνακα 2");
inline const QString kCalcOn = QStringLiteral("ΑΥΤΟΜΑΤΟΣ ΥΠΟΛΟΓΙΣΜΟΣ");
inline const QString kCalcOff = QStringLiteral("ΧΩΡΙΣ ΥΠΟΛΟΓΙΣΜΟ");

}  // namespace dz::e2
