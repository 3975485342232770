// Reading a declaration that the index listed.
#include "model/chosen_declaration.h"

#include "model/errors.h"

namespace dz {

QByteArray ReadChosenDeclarationImage(DeclarationKind kind, QStringView afm) {
    std::optional<QByteArray> image = ReadDeclarationImage(kind, afm);
    if (!image) throw IoError(kChosenDeclarationMissing.arg(afm.toString()));
    return *std::move(image);
}

void ReadChosenDeclaration(QStringView afm, E1Declaration& declaration) {
    const QByteArray image = ReadChosenDeclarationImage(DeclarationKind::E1, afm);
    DecodeE1(reinterpret_cast<const uint8_t*>(image.constData()), declaration);
}

void ReadChosenDeclaration(QStringView afm, E2Record& record) {
    const QByteArray image = ReadChosenDeclarationImage(DeclarationKind::E2, afm);
    DecodeE2(reinterpret_cast<const uint8_t*>(image.constData()), record);
}

}  // namespace dz
