// Drawing a page report on any device: backgrounds, then the enabled labels, in the device's dots.
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "report/page_report.h"
#include "report/units.h"

namespace dz::report {
namespace {

// A text that would run out of its box is drawn smaller, down to this size, and below it
// narrower, down to this share of its width (percent).
constexpr double kSmallestFitPoints = 5;
constexpr int kNarrowestFitStretch = 55;

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

// How a fitted text is made to fit its box: a factor on its size, then a horizontal stretch.
struct Fitting {
    double size = 1;
    int stretch = 100;  // percent
};

Fitting FittingOf(const Label& label, const Placement& place, const QPaintDevice* device) {
    if (!label.fit || label.text.isEmpty()) return {};
    const QFont font = FontOf(label.font, place.scale);
    const double room = place.Dots(label.box).width();
    const double width = QFontMetricsF(font, device).horizontalAdvance(label.text);
    if (room <= 0 || width <= room) return {};
    Fitting f;
    const double floor = std::min(1.0, kSmallestFitPoints / font.pointSizeF());
    f.size = std::max(floor, room / width);
    const double left = room / (width * f.size);
    if (left < 1) f.stretch = std::max(kNarrowestFitStretch, int(std::floor(left * 100)));
    return f;
}

void DrawLabel(QPainter& painter, const Label& label, const Placement& place, const Fitting& fitting) {
    QPaintDevice* device = painter.device();
    QFont font = FontOf(label.font, place.scale);
    if (fitting.size < 1) font.setPointSizeF(font.pointSizeF() * fitting.size);
    if (fitting.stretch < 100) font.setStretch(fitting.stretch);
    const QFontMetricsF metrics(font, device);
    const QRectF box = place.Dots(label.box);
    const double width = metrics.horizontalAdvance(label.text);
    double x = box.left();
    if (label.align == Align::Right) x = box.right() - width;
    else if (label.align == Align::Centre) x = box.center().x() - width / 2;
    const double lineHeight = metrics.ascent() + metrics.descent();
    const double top = box.height() > 0 ? box.top() + (box.height() - lineHeight) / 2 : box.top();
    painter.setFont(font);
    painter.drawText(QPointF(x, top + metrics.ascent()), label.text);
}

bool Printed(const Label& label) { return label.enabled && !label.text.isEmpty(); }

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
        drawing(painter, report);
        painter.restore();
    }
    painter.setPen(Qt::black);
    // The labels of a group take the smallest size and width that any of them needs.
    QHash<QString, Fitting> groups;
    for (const Label& label : report.Labels()) {
        if (!Printed(label) || label.fitGroup.isEmpty()) continue;
        const Fitting own = FittingOf(label, place, painter.device());
        const auto it = groups.constFind(label.fitGroup);
        groups.insert(label.fitGroup, it == groups.constEnd() ? own
                                                              : Fitting{std::min(it->size, own.size),
                                                                        std::min(it->stretch, own.stretch)});
    }
    for (const Label& label : report.Labels()) {
        if (!Printed(label)) continue;
        const Fitting fitting =
            label.fitGroup.isEmpty() ? FittingOf(label, place, painter.device()) : groups.value(label.fitGroup);
        DrawLabel(painter, label, place, fitting);
    }
    painter.restore();
}

}  // namespace dz::report
