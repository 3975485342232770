// The E2 page pictures: drawn from the descriptions, kept as JPEG files in the working folder.
#pragma once
#include <QImage>
#include <QString>

#include "render/page_render.h"

namespace dz {

// A grey-scale picture of E2 page `index` for `target`, of `size` pixels (the page's own size
// when empty).
QImage RenderE2Page(int index, forms::RenderTarget target, QSize size = QSize());

// "WParams/E2P1.jpg" and "WParams/E2P2.jpg" (found whatever the case of the existing names).
QString E2PictureFile(int index);

// The screen picture of page `index`: the file when it was drawn from the current description,
// otherwise drawn anew and written to the file (when the folder can be written).
QImage E2PagePicture(int index);

// Draws and writes both pictures anew (IoError when a file cannot be written); with
// `pngCopies`, a PNG beside each JPEG.
void WriteE2Pictures(const QString& folder, bool pngCopies);

}  // namespace dz
