// The texts the E2 window shows in its questions, notices and buttons.
#pragma once
#include <QString>

namespace dz::e2 {

inline const QString kCaption = QStringLiteral("Δήλωση Ε2");
inline const QString kCloseQuestion =
    QStringLiteral("Έχετε κάνει μεταβολές στη Δήλωση. Να αποθηκευτούν πρίν από την έξοδo;");
inline const QString kEscapeQuestion =
    QStringLiteral("Οι αλλαγές που κάνατε δεν θα αποθηκευτόυν. Να συνεχιστεί η έξοδος ;");
inline const QString kNoAfmWarning = QStringLiteral(
    "Προσοχή δεν έχετε δηλώσει τον Α.Φ.Μ. Αν θέλετε να καταχωρίσετε πολλές δηλώσεις ο Α.Φ.Μ. είναι απαραίτητος.");
inline const QString kNoFreeTable2Row = QStringLiteral("Δεν υπάρχουν διαθέσιμες γραμμές για μεταφορά στον πίνακα 2");
inline const QString kNoDeclarations = QStringLiteral("Δεν υπάρχει καταχωρημένη καμία δήλωση.");
inline const QString kCalcOn = QStringLiteral("ΑΥΤΟΜΑΤΟΣ ΥΠΟΛΟΓΙΣΜΟΣ");
inline const QString kCalcOff = QStringLiteral("ΧΩΡΙΣ ΥΠΟΛΟΓΙΣΜΟ");

}  // namespace dz::e2
