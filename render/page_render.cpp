// The page picture: frames and fills, then the boxes, then the texts fitted into their places.
#include "render/page_render.h"

#include <QFontMetricsF>
#include <QPainter>

#include "render/print_areas.h"

namespace dz::forms {
namespace {

struct StyleLook {
    TextStyle style;
    double height;  // font pixel size, in units
    bool bold;
    bool wrap;      // may break into two lines
    bool white;     // on a dark band
};

// The look of each text style.
constexpr StyleLook kLooks[] = {
    {TextStyle::Title, 36, true, false, false},       {TextStyle::Heading, 25, true, false, true},
    {TextStyle::SubHeading, 23, true, false, false},  {TextStyle::ColumnHead, 20, true, true, false},
    {TextStyle::Caption, 23, false, true, false},     {TextStyle::BoxCaption, 17, false, false, false},
    {TextStyle::CodeNumber, 21, true, false, false},  {TextStyle::Note, 19, false, false, false},
    {TextStyle::SideHeading, 19, true, false, false}, {TextStyle::WindowNote, 22, true, false, false},
};

const StyleLook& LookOf(TextStyle style) {
    for (const StyleLook& look : kLooks)
        if (look.style == style) return look;
    return kLooks[4];
}

// The shades as grey levels of black ink: 0 is the ink itself, 255 the paper.
constexpr int kLightLevel = 0xE2;
constexpr int kDarkLevel = 0x4A;

// The colour a grey level of black ink becomes in `ink`: the same share of ink on white paper.
QColor Tint(const QColor& ink, int level) {
    const auto mix = [level](int c) { return c + (255 - c) * level / 255; };
    return QColor(mix(ink.red()), mix(ink.green()), mix(ink.blue()));
}

// The families tried in turn; the narrow one takes long captions before the size shrinks.
const QString kSans = QStringLiteral("Liberation Sans");
const QString kNarrow = QStringLiteral("Liberation Sans Narrow");

// The faces a page's texts are drawn in: the form's own pair, or one chosen typeface.
struct Faces {
    QString regular;
    QString narrow;
};

Faces FacesFor(const QString& family) { return family.isEmpty() ? Faces{kSans, kNarrow} : Faces{family, family}; }

QFont MakeFont(const QString& family, double pixels, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

// Draws `text` in `rect` at the largest size up to `pixels` that fits: one line in the regular
// face, two lines, one line in the narrow face, two lines narrow, then smaller; elided at last.
void DrawFitted(QPainter& painter, const Faces& faces, const QRectF& rect, const QString& text, double pixels,
                bool bold, bool wrap, int align) {
    const Qt::Alignment alignment = Qt::Alignment(align);
    for (double scale = 1.0; scale >= 0.6; scale -= 0.05) {
        for (const QString& family : {faces.regular, faces.narrow}) {
            const QFont font = MakeFont(family, pixels * scale, bold);
            const QFontMetricsF metrics(font);
            if (metrics.horizontalAdvance(text) <= rect.width() && metrics.height() <= rect.height() + 1) {
                painter.setFont(font);
                painter.drawText(rect, alignment | Qt::TextSingleLine, text);
                return;
            }
            if (!wrap) continue;
            const QRectF needed = metrics.boundingRect(rect, alignment | Qt::TextWordWrap, text);
            if (needed.height() <= rect.height() + 1 && needed.width() <= rect.width() + 0.5) {
                painter.setFont(font);
                painter.drawText(rect, alignment | Qt::TextWordWrap, text);
                return;
            }
        }
    }
    const QFont font = MakeFont(faces.narrow, pixels * 0.6, bold);
    painter.setFont(font);
    painter.drawText(rect, alignment | Qt::TextSingleLine, QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width()));
}

void DrawText(QPainter& painter, const Faces& faces, const QColor& ink, const FormText& text, QSize size) {
    const StyleLook& look = LookOf(text.style);
    const double pixels = ToPixelsY(look.height, size);
    painter.setPen(look.white ? QColor(Qt::white) : ink);
    const QRectF rect = ToDevice(text.rect, size);
    if (text.style == TextStyle::SideHeading) {
        // Written upwards: the band's height is the line's length.
        painter.save();
        painter.translate(rect.left(), rect.bottom());
        painter.rotate(-90);
        DrawFitted(painter, faces, QRectF(0, 0, rect.height(), rect.width()), text.text, pixels, look.bold, false,
                   text.align);
        painter.restore();
        return;
    }
    DrawFitted(painter, faces, rect, text.text, pixels, look.bold, look.wrap, text.align);
}

void DrawBox(QPainter& painter, const FormBox& box, QSize size, const QColor& ink, double line) {
    // Whole pixels, exactly where ToPixels puts the window's controls.
    const QRectF r = ToPixels(box.rect, size);
    painter.setPen(QPen(ink, line));
    painter.setBrush(Qt::white);
    painter.drawRect(r);
    painter.setBrush(Qt::NoBrush);
    if (box.kind == FieldKind::Amount && box.decimals) {
        // The two-decimal area, printed apart from the integer part.
        const double x = ToPixels(DecimalsOf(box), size).left();
        painter.drawLine(QPointF(x, r.top() + r.height() * 0.45), QPointF(x, r.bottom()));
    }
    const int parts = box.split == Split::Cells ? box.cells : int(box.printParts.size());
    if (box.split == Split::None || parts < 2) return;
    painter.setPen(QPen(ink, line, box.split == Split::Lines ? Qt::DotLine : Qt::SolidLine));
    for (int k = 1; k < parts; ++k) {
        const QRectF part = ToPixels(PartOf(box.rect, box.split, k, parts), size);
        if (box.split == Split::Lines)
            painter.drawLine(QPointF(r.left() + 2, part.top()), QPointF(r.right() - 2, part.top()));
        else
            painter.drawLine(QPointF(part.left(), box.split == Split::Cells ? r.top() : r.center().y()),
                             QPointF(part.left(), r.bottom()));
    }
}

// The page drawn in black on white has only greys, whose three channels are equal: one of them
// is the grey level. (A general conversion weighs the colours anew and takes many times longer.)
QImage GreyCopy(const QImage& rgb) {
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    grey.setDevicePixelRatio(rgb.devicePixelRatio());
    const int width = rgb.width(), height = rgb.height();
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* to = grey.scanLine(y);
        for (int x = 0; x < width; ++x) to[x] = uchar(qGreen(from[x]));
    }
    return grey;
}

}  // namespace

bool DrawnOn(Presence presence, RenderTarget target) {
    switch (presence) {
    case Presence::Both:
        return true;
    case Presence::WindowOnly:
        return target == RenderTarget::Screen;
    case Presence::PrintOnly:
        return target == RenderTarget::Print;
    case Presence::Hidden:
        return false;
    }
    return false;
}

void PaintPage(QPainter& painter, const FormPage& page, QSize size, RenderTarget target, const PageLook& look) {
    const Faces faces = FacesFor(look.family);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    // Rules of 0.2 mm, never thinner than a pixel.
    const double line = std::max(1.0, ToPixelsY(2, size));
    for (const FormFrame& frame : page.frames) {
        if (!DrawnOn(frame.presence, target)) continue;
        const QRectF r = ToPixels(frame.rect, size);
        if (frame.fill != Fill::None)
            painter.fillRect(r, Tint(look.ink, frame.fill == Fill::Dark ? kDarkLevel : kLightLevel));
        if (frame.border) {
            painter.setPen(QPen(look.ink, line));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
        }
    }
    for (const FormBox& box : page.boxes) {
        if (box.kind == FieldKind::Button || box.kind == FieldKind::Picture || !DrawnOn(box.presence, target))
            continue;
        DrawBox(painter, box, size, look.ink, line);
    }
    for (const FormText& text : page.texts) {
        if (text.style == TextStyle::WindowNote || !DrawnOn(text.presence, target)) continue;
        DrawText(painter, faces, look.ink, text, size);
    }
    painter.restore();
}

void PaintPageInMm(QPainter& painter, const FormPage& page, QPointF cornerMm, const PageLook& look) {
    painter.save();
    painter.translate(cornerMm);
    painter.scale(0.1, 0.1);  // the description's tenths of a millimetre
    PaintPage(painter, page, QSize(kPageWidth, kPageHeight), RenderTarget::Print, look);
    painter.restore();
}

QImage RenderPage(const FormPage& page, RenderTarget target, QSize size, qreal ratio, QSize upright) {
    if (size.isEmpty()) size = page.pixels;
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);  // the painter counts in logical pixels
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintPage(painter, page, upright.isEmpty() ? size : upright, target);
    }
    return GreyCopy(image);
}

}  // namespace dz::forms
