// Drawing the back arrow and the PDF glyph (no art files to ship).
#include "notewindow/eka_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace dz::pictures {

QPixmap EkaBack(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    p.setPen(QPen(QColor(20, 60, 140), s / 24));
    p.setBrush(QColor(70, 130, 210));
    p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
    QPainterPath arrow;
    arrow.moveTo(s * 0.18, s * 0.50);
    arrow.lineTo(s * 0.46, s * 0.24);
    arrow.lineTo(s * 0.46, s * 0.39);
    arrow.lineTo(s * 0.80, s * 0.39);
    arrow.lineTo(s * 0.80, s * 0.61);
    arrow.lineTo(s * 0.46, s * 0.61);
    arrow.lineTo(s * 0.46, s * 0.76);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return pixmap;
}

QIcon PdfGlyph() {
    constexpr int kSide = 32;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(6, 1);
    page.lineTo(20, 1);
    page.lineTo(27, 8);
    page.lineTo(27, 31);
    page.lineTo(6, 31);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(20, 1, 20, 8);
    p.drawLine(20, 8, 27, 8);
    p.fillRect(QRect(2, 15, 24, 11), QColor(200, 20, 20));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(2, 15, 24, 11), Qt::AlignCenter, QStringLiteral("PDF"));
    return QIcon(pixmap);
}

}  // namespace dz::pictures
