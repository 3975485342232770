// E1 record to and from its file image.
#include "model/e1_declaration.h"

#include <cstring>

#include "model/byte_image.h"
#include "model/e1_layout.h"

namespace dz {

void ClearDeclaration(E1Declaration& declaration) { declaration = E1Declaration{}; }

void EncodeE1(const E1Declaration& declaration, uint8_t* image) {
    std::memset(image, 0, kE1FileSize);
    EncodeE1Over(declaration, image);
}

void EncodeE1Over(const E1Declaration& declaration, uint8_t* image) {
    ImageWriter writer(image);
    VisitE1Layout(declaration, writer);
}

void DecodeE1(const uint8_t* image, E1Declaration& declaration) {
    ImageReader reader(image);
    VisitE1Layout(declaration, reader);
}

}  // namespace dz
