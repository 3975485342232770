// The six-byte real's error path.
#include "model/real6.h"

#include "model/errors.h"

namespace dz {

void DoubleToReal6(double value, uint8_t* b, const char* what) {
    if (TryDoubleToReal6(value, b)) return;
    const QString field = what ? QStringLiteral(" (%1)").arg(QString::fromUtf8(what)) : QString();
    throw DataError(QStringLiteral("Η τιμή %1 δεν χωράει στο αρχείο της δήλωσης%2").arg(value, 0, 'g', 17).arg(field));
}

}  // namespace dz
