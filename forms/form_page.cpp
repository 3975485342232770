// Unit conversion and look-up for form page descriptions; the E1 pages built once.
#include "forms/form_page.h"

#include <QtMath>
#include <array>

#include "forms/e1_pages.h"

namespace dz::forms {

QRect ToPixels(const FormRect& rect, QSize target) {
    const double sx = double(target.width()) / kPageWidth;
    const double sy = double(target.height()) / kPageHeight;
    const int left = qRound(rect.x * sx);
    const int top = qRound(rect.y * sy);
    const int right = qRound(rect.right() * sx);
    const int bottom = qRound(rect.bottom() * sy);
    return QRect(left, top, right - left, bottom - top);
}

QRectF ToDevice(const FormRect& rect, QSizeF target) {
    const double sx = target.width() / kPageWidth;
    const double sy = target.height() / kPageHeight;
    return QRectF(rect.x * sx, rect.y * sy, rect.w * sx, rect.h * sy);
}

double ToPixelsY(double units, QSizeF target) { return units * target.height() / kPageHeight; }

const FormBox* FormPage::Find(const QString& name) const {
    for (const FormBox& box : boxes)
        if (box.name == name) return &box;
    return nullptr;
}

const FormPage& E1Page(int index) {
    static const std::array<FormPage, kE1PageCount> pages{BuildE1Page1(), BuildE1Page2(), BuildE1Page3(),
                                                          BuildE1Page4()};
    return pages.at(static_cast<std::size_t>(index));
}

}  // namespace dz::forms
