// The texts the E1 window shows in its questions and notices.
#pragma once
#include <QString>

namespace dz::e1 {

inline const QString kCloseQuestion =
    QStringLiteral("Έχετε κάνει μεταβολές στη Δήλωση. Να αποθηκευτούν πρίν από την έξοδo;");
inline const QString kEscapeQuestion =
    QStringLiteral("Οι αλλαγές που κάνατε δεν θα αποθηκευτόυν. Να συνεχιστεί η έξοδος ;");
inline const QString kNoAfmWarning = QStringLiteral(
    "Προσοχή δεν έχετε δηλώσει τον Α.Φ.Μ. Αν θέλετε να καταχωρίσετε πολλές δηλώσεις ο Α.Φ.Μ. είναι απαραίτητος.");
inline const QString kTooManyCodes =
    QStringLiteral("Έχετε συμπληρώσει πάρα πολλούς κωδικούς. Κάποιοι από αυτούς δεν θα αποθηκευτούν");
inline const QString kBadShares = QStringLiteral("Τα ποσοστά που βάλατε δεν είναι σωστά");
inline const QString kNoDeclarations = QStringLiteral("Δεν υπάρχει καταχωρημένη καμία δήλωση.");

}  // namespace dz::e1
