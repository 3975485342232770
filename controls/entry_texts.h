// The texts the E1 and E2 entry windows both show.
#pragma once
#include <QString>

namespace dz::entry {

inline const QString kCloseQuestion =
    QStringLiteral("Έχετε κάνει μεταβολές στη Δήλωση. Να αποθηκευτούν πρίν από την έξοδo;");
inline const QString kEscapeQuestion =
    QStringLiteral("Οι αλλαγές που κάνατε δεν θα αποθηκευτόυν. Να συνεχιστεί η έξοδος ;");
inline const QString kNoAfmWarning = QStringLiteral(
    "Προσοχή δεν έχετε δηλώσει τον Α.Φ.Μ. Αν θέλετε να καταχωρίσετε πολλές δηλώσεις ο Α.Φ.Μ. είναι απαραίτητος.");
inline const QString kNoDeclarations = QStringLiteral("Δεν υπάρχει καταχωρημένη καμία δήλωση.");

}  // namespace dz::entry
