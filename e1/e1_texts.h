// The notices only the E1 window shows.
#pragma once
#include <QString>

namespace dz::e1 {

inline const QString kTooManyCodes =
    QStringLiteral("Έχετε συμπληρώσει πάρα πολλούς κωδικούς. Κάποιοι από αυτούς δεν θα αποθηκευτούν");
inline const QString kBadShares = QStringLiteral("Τα ποσοστά που βάλατε δεν είναι σωστά");

}  // namespace dz::e1
