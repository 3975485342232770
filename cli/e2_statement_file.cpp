// An E2 statement read whole, or a clear reason why not.
#include "cli/e2_statement_file.h"

#include <QFileInfo>

#include "model/declaration_file.h"
#include "model/errors.h"

namespace dz::cli {

E2Record ReadE2Statement(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) throw IoError(QStringLiteral("%1: no such file").arg(path));
    if (info.isFile() && info.size() < kE2FileSize)
        throw DataError(QStringLiteral("%1: not an E2 statement: %2 bytes, an E2 file holds %3")
                            .arg(path)
                            .arg(info.size())
                            .arg(kE2FileSize));
    const QByteArray image = *ReadDeclarationImageFromPath(path, DeclarationKind::E2);
    E2Record record;
    DecodeE2(reinterpret_cast<const uint8_t*>(image.constData()), record);
    return record;
}

}  // namespace dz::cli
