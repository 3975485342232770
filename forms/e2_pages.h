// The two pages of the E2 form as descriptions on an A4 landscape sheet, and their scale.
#pragma once
#include <QRect>
#include <QSize>

#include "forms/form_page.h"

namespace dz {

// The landscape sheet (297 × 210 mm) in the descriptions' unit, a tenth of a millimetre.
inline constexpr int kE2SheetWidth = 2970;
inline constexpr int kE2SheetHeight = 2100;
// The print area's top-left corner on the sheet (margins 3.5 mm left, 5 mm top).
inline constexpr int kE2AreaLeft = 35;
inline constexpr int kE2AreaTop = 50;

inline constexpr int kE2PageCount = 2;
// The screen pictures: 5 pixels a millimetre, exactly the sheet's proportions.
inline constexpr QSize kE2PicturePixels{1485, 1050};

// Page 1: the header, table 1 and its totals; page 2: tables I and II.
const forms::FormPage& E2Page(int index);
forms::FormPage BuildE2Page1();
forms::FormPage BuildE2Page2();

// The form functions measure an upright A4 sheet. A landscape picture or printed page is given
// to them as the upright sheet of the same scale, so that a tenth of a millimetre covers the
// same length across and down.
QSize UprightTarget(QSize landscape);
QSizeF UprightTarget(QSizeF landscape);

// Where a rectangle of an E2 description lies on a landscape picture of `landscape` pixels.
QRect E2ToPixels(const forms::FormRect& rect, QSize landscape);

}  // namespace dz
