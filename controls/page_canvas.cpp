// Painting the page picture, made for the ratio of the device being painted.
#include "controls/page_canvas.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

namespace dz {

PageCanvas::PageCanvas(Draw draw, QSize size, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the whole page
}

void PageCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The device painted on, not the widget: the window's screen, or a finer picture the page is
    // drawn into.
    const QPaintDevice* target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = target ? target->devicePixelRatio() : devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) picture_ = QPixmap::fromImage(draw_(ratio));
    painter.drawPixmap(event->rect(), picture_, QRectF(QPointF(event->rect().topLeft()) * ratio,
                                                      QSizeF(event->rect().size()) * ratio));
}

}  // namespace dz
