// The clearance window's own pictures, drawn with QPainter: the back arrow `imBack` and the PDF glyph.
#pragma once
#include <QIcon>
#include <QPixmap>

namespace dz::pictures {

// A left-pointing arrow on a round badge, `side` pixels square.
QPixmap EkaBack(int side = 48);

// A page with a folded corner and a red "PDF" band.
QIcon PdfGlyph();

}  // namespace dz::pictures
