// Line-art pictures as 1-bit images that a PDF keeps small and sharp.
#pragma once
#include <QImage>

namespace dz::report {

// A 1-bit copy of `source` whose colour table is exactly {black, white}: such an image goes into
// a PDF as 1-bit data (a few kilobytes a page) instead of a JPEG. Dark pixels print black; the
// light grey shades of the form print as an even pattern of dots, so shaded bands stay visible.
QImage ToBlackAndWhite(const QImage& source);

}  // namespace dz::report
