// The E2 page descriptions built once, and the scale of a landscape sheet for the form functions.
#include "forms/e2_pages.h"

#include <array>

namespace dz {

const forms::FormPage& E2Page(int index) {
    static const std::array<forms::FormPage, kE2PageCount> pages{BuildE2Page1(), BuildE2Page2()};
    return pages.at(static_cast<std::size_t>(index));
}

QSize UprightTarget(QSize landscape) {
    return QSize(qRound(landscape.width() * double(forms::kPageWidth) / kE2SheetWidth),
                 qRound(landscape.height() * double(forms::kPageHeight) / kE2SheetHeight));
}

QSizeF UprightTarget(QSizeF landscape) {
    return QSizeF(landscape.width() * forms::kPageWidth / kE2SheetWidth,
                  landscape.height() * forms::kPageHeight / kE2SheetHeight);
}

QRect E2ToPixels(const forms::FormRect& rect, QSize landscape) {
    return forms::ToPixels(rect, UprightTarget(landscape));
}

}  // namespace dz
