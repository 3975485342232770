// Tax-number check digit.
#include "model/afm.h"

namespace dz {

bool IsValidAfm(QStringView text) {
    if (text.isEmpty()) return true;
    if (text.size() < 9) return false;
    const QStringView nine = text.right(9);
    int digits[9];
    for (int i = 0; i < 9; ++i) {
        const QChar c = nine[i];
        if (c < u'0' || c > u'9') return false;
        digits[i] = c.unicode() - u'0';
    }
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += digits[i] << (8 - i);
    return digits[8] == (sum % 11) % 10;
}

}  // namespace dz
