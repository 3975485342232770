// Field access in byte images.
#include "model/byte_image.h"

#include "model/errors.h"

namespace dz {

QString FieldPath::Name(const char* field) const {
    if (!group_) return QString::fromLatin1(field);
    if (index_ < 0) return QStringLiteral("%1.%2").arg(QLatin1String(group_), QLatin1String(field));
    return QStringLiteral("%1[%2].%3").arg(QLatin1String(group_)).arg(index_ + 1).arg(QLatin1String(field));
}

void ImageWriter::ThrowOverflow(const char* name, double x) const {
    throw DataError(QStringLiteral("Η τιμή %1 του πεδίου %2 δεν χωράει στο αρχείο της δήλωσης")
                        .arg(x, 0, 'g', 17)
                        .arg(path_.Name(name)));
}

}  // namespace dz
