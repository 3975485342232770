// Click detection for picture links (toolbar pictures, about box).
#include "controls/clickable_picture.h"

#include <QMouseEvent>

namespace dz {

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(event);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace dz
