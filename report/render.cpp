// Drawing a page report on any device: backgrounds, then the enabled labels, in the device's dots.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "report/page_report.h"
#include "report/units.h"

namespace dz::report {
namespace {

// A text that would run out of its box is drawn smaller, down to this size.
constexpr double kSmallestFitPoints = 3.5;

// Where the layout's millimetres land on the device.
struct Placement {
    double scale = 1;    // the layout drawn smaller to fit wider margins
    QPointF originMm;    // the layout's top-left corner on the sheet
    double dotsPerMmX = 1;
    double dotsPerMmY = 1;

    QPointF Dots(QPointF mm) const {
        return {(originMm.x() + mm.x() * scale) * dotsPerMmX, (originMm.y() + mm.y() * scale) * dotsPerMmY};
    }
    QRectF Dots(const QRectF& mm) const { return QRectF(Dots(mm.topLeft()), Dots(mm.bottomRight())); }
};

Placement PlacementOf(const PageReport& report, const QPaintDevice& device) {
    Placement p;
    if (device.devType() == QInternal::Image) {
        // A picture keeps its exact dots per metre; its logical resolution is rounded to whole dpi.
        const auto& image = static_cast<const QImage&>(device);
        p.dotsPerMmX = image.dotsPerMeterX() / 1000.0;
        p.dotsPerMmY = image.dotsPerMeterY() / 1000.0;
    } else {
        p.dotsPerMmX = MmToDots(1, device.logicalDpiX());
        p.dotsPerMmY = MmToDots(1, device.logicalDpiY());
    }
    const QRectF area = report.PrintableRectMm();
    const QRectF design = report.designArea();
    p.originMm = area.topLeft();
    if (design.width() > 0 && design.height() > 0) {
        p.scale = std::min({1.0, area.width() / design.width(), area.height() / design.height()});
        p.originMm -= design.topLeft() * p.scale;
        if (p.scale < 1) p.originMm.rx() += (area.width() - design.width() * p.scale) / 2;
    }
    return p;
}

QFont FontOf(const FontSpec& spec, double scale) {
    QFont font(spec.family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(1.0, spec.pointSize * scale));
    font.setBold(spec.bold);
    return font;
}

void DrawLabel(QPainter& painter, const Label& label, const Placement& place) {
    QPaintDevice* device = painter.device();
    QFont font = FontOf(label.font, place.scale);
    QFontMetricsF metrics(font, device);
    const QRectF box = place.Dots(label.box);
    double width = metrics.horizontalAdvance(label.text);
    if (label.fit && box.width() > 0 && width > box.width()) {
        const double shrink = std::max(kSmallestFitPoints / font.pointSizeF(), box.width() / width);
        font.setPointSizeF(font.pointSizeF() * shrink);
        metrics = QFontMetricsF(font, device);
        width = metrics.horizontalAdvance(label.text);
    }
    double x = box.left();
    if (label.align == Align::Right) x = box.right() - width;
    else if (label.align == Align::Centre) x = box.center().x() - width / 2;
    const double lineHeight = metrics.ascent() + metrics.descent();
    const double top = box.height() > 0 ? box.top() + (box.height() - lineHeight) / 2 : box.top();
    painter.setFont(font);
    painter.drawText(QPointF(x, top + metrics.ascent()), label.text);
}

}  // namespace

void RenderReport(const PageReport& report, QPainter& painter) {
    const Placement place = PlacementOf(report, *painter.device());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const ReportImage& image : report.Images())
        if (!image.image.isNull()) painter.drawImage(place.Dots(image.rect), image.image);
    for (const ReportDrawing& drawing : report.Drawings()) {
        painter.save();
        const QPointF origin = place.Dots(QPointF(0, 0));
        painter.setTransform(QTransform(place.scale * place.dotsPerMmX, 0, 0, place.scale * place.dotsPerMmY,
                                        origin.x(), origin.y()),
                             true);
        drawing(painter);
        painter.restore();
    }
    painter.setPen(Qt::black);
    for (const Label& label : report.Labels())
        if (label.enabled && !label.text.isEmpty()) DrawLabel(painter, label, place);
    painter.restore();
}

}  // namespace dz::report
