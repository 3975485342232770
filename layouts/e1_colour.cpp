// Reading a colour page's picture file, when the working folder has one.
#include "layouts/e1_colour.h"

#include <QFileInfo>
#include <QImageReader>

#include "model/errors.h"
#include "model/reference_files.h"

namespace dz {

std::optional<QImage> ReadE1ColourFile(const QString& relativePath) {
    const QString path = FindReferenceFile(relativePath);
    if (!QFileInfo::exists(path)) return std::nullopt;
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw IoError(QStringLiteral("Η εικόνα %1 δεν μπορεί να διαβαστεί (%2).").arg(path, reader.errorString()));
    return picture;
}

}  // namespace dz
