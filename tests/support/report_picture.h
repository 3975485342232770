// A report drawn on a picture, and where its ink lies.
#pragma once
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "report/page_report.h"

namespace dz::test {

// The report drawn on a white picture of its sheet at `dotsPerMm` dots per millimetre.
inline QImage RenderToImage(const report::PageReport& page, double dotsPerMm = 10) {
    const QSizeF mm = page.PaperSizeMm();
    QImage image(qRound(mm.width() * dotsPerMm), qRound(mm.height() * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    report::RenderReport(page, painter);
    painter.end();
    return image;
}

// The smallest rectangle holding every dark pixel inside `within` (null when there is none).
inline QRect InkBounds(const QImage& image, QRect within = QRect()) {
    if (within.isNull()) within = image.rect();
    within &= image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace dz::test
