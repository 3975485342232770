// The E2 page pictures: drawn from the descriptions, kept as JPEG files in the working folder.
#pragma once
#include <QImage>
#include <QString>

#include "render/page_render.h"

namespace dz {

// A grey-scale picture of E2 page `index` for `target`, of `size` logical pixels (the page's own
// size when empty) at device-pixel ratio `ratio`.
QImage RenderE2Page(int index, forms::RenderTarget target, QSize size = QSize(), qreal ratio = 1);

// "WParams/E2P1.jpg" and "WParams/E2P2.jpg" (found whatever the case of the existing names).
QString E2PictureFile(int index);

// The screen picture of page `index` for a screen of device-pixel ratio `ratio`. At ratio 1: the
// file when it was drawn from the current description, otherwise drawn anew and written to the
// file (when the folder can be written); at a higher ratio drawn at that ratio each time.
QImage E2PagePicture(int index, qreal ratio = 1);

// Draws and writes both pictures anew (IoError when a file cannot be written); with
// `pngCopies`, a PNG beside each JPEG.
void WriteE2Pictures(const QString& folder, bool pngCopies);

}  // namespace dz
