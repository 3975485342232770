// Simple vector drawings for the toolbar, the start panel and the about box.
#include "controls/pictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dz::pictures {
namespace {

const QColor kE1Blue(0x1f, 0x4e, 0x8c);
const QColor kE2Green(0x2e, 0x7d, 0x32);
const QColor kUpdateOrange(0xd9, 0x7a, 0x00);

// A transparent picture of `size` logical pixels at the screens' device-pixel ratio, so that the
// drawing is as sharp as the screen can show it; the painter counts in logical pixels.
QPixmap Blank(QSize size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    return pm;
}

QFont Font(int pixelSize, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    return f;
}

// A sheet of a tax form: a white page with a coloured head band carrying `label` and rows of boxes.
void DrawFormSheet(QPainter& p, const QRectF& r, const QColor& colour, const QString& label) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.translated(3, 3), 4, 4);
    p.setBrush(Qt::white);
    p.setPen(QPen(colour.darker(130), 1.2));
    p.drawRoundedRect(r, 4, 4);
    const QRectF head(r.left(), r.top(), r.width(), r.height() * 0.26);
    QPainterPath headPath;
    headPath.addRoundedRect(head, 4, 4);
    p.fillPath(headPath, colour);
    p.setPen(Qt::white);
    p.setFont(Font(static_cast<int>(head.height() * 0.62)));
    p.drawText(head, Qt::AlignCenter, label);
    p.setPen(QPen(colour.lighter(150), 1));
    const double top = head.bottom() + r.height() * 0.08;
    const double rowH = (r.bottom() - top - r.height() * 0.06) / 6.0;
    for (int i = 0; i < 6; ++i) {
        const double y = top + i * rowH;
        p.drawLine(QPointF(r.left() + 6, y + rowH * 0.7), QPointF(r.left() + r.width() * 0.55, y + rowH * 0.7));
        p.drawRect(QRectF(r.left() + r.width() * 0.62, y + rowH * 0.15, r.width() * 0.3, rowH * 0.6));
    }
    p.restore();
}

void DrawHouse(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(QColor(0xff, 0xf3, 0xd6));
    QPolygonF roof;
    roof << QPointF(r.left(), r.top() + r.height() * 0.45) << QPointF(r.center().x(), r.top())
         << QPointF(r.right(), r.top() + r.height() * 0.45);
    const QRectF body(r.left() + r.width() * 0.12, r.top() + r.height() * 0.42, r.width() * 0.76, r.height() * 0.58);
    p.drawRect(body);
    p.setBrush(QColor(0xc6, 0x42, 0x2b));
    p.drawPolygon(roof);
    p.setBrush(colour);
    p.drawRect(QRectF(body.center().x() - body.width() * 0.12, body.bottom() - body.height() * 0.55, body.width() * 0.24,
                      body.height() * 0.55));
    p.restore();
}

void DrawRefresh(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    const QRectF ring = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
    p.setPen(Qt::NoPen);
    QRadialGradient globe(ring.center(), ring.width() / 2);
    globe.setColorAt(0, QColor(0x9c, 0xd3, 0xf5));
    globe.setColorAt(1, QColor(0x2a, 0x74, 0xb8));
    p.setBrush(globe);
    p.drawEllipse(ring.adjusted(ring.width() * 0.18, ring.height() * 0.18, -ring.width() * 0.18, -ring.height() * 0.18));
    QPen pen(colour, r.width() * 0.09, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 30 * 16, 150 * 16);
    p.drawArc(ring, 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double a = r.width() * 0.13;
    // Arrow heads at the ends of the two arcs.
    const QPointF e1(ring.left() + ring.width() * 0.07, ring.center().y() + a * 0.2);
    QPolygonF h1;
    h1 << e1 + QPointF(-a, -a * 0.2) << e1 + QPointF(a, -a * 0.2) << e1 + QPointF(0, a * 0.9);
    p.drawPolygon(h1);
    const QPointF e2(ring.right() - ring.width() * 0.07, ring.center().y() - a * 0.2);
    QPolygonF h2;
    h2 << e2 + QPointF(-a, a * 0.2) << e2 + QPointF(a, a * 0.2) << e2 + QPointF(0, -a * 0.9);
    p.drawPolygon(h2);
    p.restore();
}

void DrawCaption(QPainter& p, const QRectF& r, const QString& title, const QString& subtitle, const QColor& colour) {
    p.save();
    p.setPen(colour.darker(120));
    p.setFont(Font(17));
    p.drawText(QRectF(r.left(), r.top(), r.width(), r.height() * 0.55), Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
               title);
    p.setPen(QColor(0x44, 0x44, 0x44));
    p.setFont(Font(13, false));
    p.drawText(QRectF(r.left(), r.top() + r.height() * 0.58, r.width(), r.height() * 0.42),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, subtitle);
    p.restore();
}

QPixmap Badge(QSize size, const QColor& from, const QColor& to, const QString& big, const QString& small) {
    QPixmap pm = Blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    p.setPen(Qt::white);
    if (small.isEmpty()) {
        p.setFont(Font(std::max(9, size.height() / 2)));
        p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, big);
    } else {
        const QRect top(0, 2, size.width(), size.height() * 6 / 10);
        const QRect bottom(0, size.height() * 6 / 10 - 1, size.width(), size.height() * 4 / 10);
        p.setFont(Font(std::max(9, size.height() * 2 / 5)));
        p.drawText(top, Qt::AlignCenter, big);
        p.setFont(Font(std::max(8, size.height() / 4), false));
        p.drawText(bottom, Qt::AlignCenter, small);
    }
    return pm;
}

QIcon IconFrom(void (*draw)(QPainter&, const QRectF&)) {
    QIcon icon;
    for (int s : {16, 24, 32, 48}) {
        QPixmap pm = Blank(QSize(s, s));
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, QRectF(0, 0, s, s));
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace

QPixmap StartButton(int n, QSize size) {
    QPixmap pm = Blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width();
    const double h = size.height();
    const QRectF art(w * 0.28, h * 0.06, w * 0.44, h * 0.54);
    const QRectF caption(w * 0.04, h * 0.62, w * 0.92, h * 0.36);
    switch (n) {
    case 1:
        DrawFormSheet(p, art, kE1Blue, QStringLiteral("Ε1"));
        DrawCaption(p, caption, QStringLiteral("Δήλωση Εισοδήματος Ε1"), QStringLiteral("Φυσικά Πρόσωπα\nφορολογικό έτος 2014"),
                    kE1Blue);
        break;
    case 2:
        DrawFormSheet(p, art.adjusted(-art.width() * 0.12, 0, -art.width() * 0.12, 0), kE2Green, QStringLiteral("Ε2"));
        DrawHouse(p, QRectF(art.right() - art.width() * 0.42, art.bottom() - art.height() * 0.42, art.width() * 0.56,
                            art.height() * 0.48),
                  kE2Green);
        DrawCaption(p, caption, QStringLiteral("Μισθώματα Ακινήτων Ε2"), QStringLiteral("Δήλωση Ε2\nφορολογικό έτος 2014"),
                    kE2Green);
        break;
    default:
        DrawRefresh(p, QRectF(w * 0.5 - h * 0.28, h * 0.05, h * 0.56, h * 0.56), kUpdateOrange);
        DrawCaption(p, caption, QStringLiteral("Έλεγχος Νέας Έκδοσης"), QStringLiteral("μέσω internet"), kUpdateOrange);
        break;
    }
    return pm;
}

QIcon SaveIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) {
        const double s = r.width();
        p.setPen(QPen(kE1Blue.darker(130), std::max(1.0, s / 16)));
        p.setBrush(kE1Blue);
        p.drawRoundedRect(r.adjusted(s * 0.08, s * 0.08, -s * 0.08, -s * 0.08), s * 0.08, s * 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.14, s * 0.5, s * 0.3));
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(QRectF(s * 0.22, s * 0.56, s * 0.56, s * 0.32));
        p.setBrush(kE1Blue.darker(120));
        p.drawRect(QRectF(s * 0.55, s * 0.18, s * 0.12, s * 0.22));
    });
}

QIcon PrintIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) {
        const double s = r.width();
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), std::max(1.0, s / 20)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.06, s * 0.5, s * 0.34));
        p.setBrush(QColor(0x70, 0x70, 0x78));
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.36, s * 0.88, s * 0.36), s * 0.06, s * 0.06);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.6, s * 0.5, s * 0.34));
        p.setPen(QPen(QColor(0x99, 0x99, 0x99), std::max(1.0, s / 24)));
        p.drawLine(QPointF(s * 0.32, s * 0.72), QPointF(s * 0.68, s * 0.72));
        p.drawLine(QPointF(s * 0.32, s * 0.82), QPointF(s * 0.6, s * 0.82));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3c, 0xd0, 0x5a));
        p.drawEllipse(QPointF(s * 0.82, s * 0.46), s * 0.04, s * 0.04);
    });
}

QIcon ComputeIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) {
        const double s = r.width();
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), std::max(1.0, s / 20)));
        p.setBrush(QColor(0x4a, 0x4a, 0x52));
        p.drawRoundedRect(QRectF(s * 0.16, s * 0.04, s * 0.68, s * 0.92), s * 0.08, s * 0.08);
        p.setBrush(QColor(0xcf, 0xe8, 0xc4));
        p.drawRect(QRectF(s * 0.26, s * 0.12, s * 0.48, s * 0.2));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                p.setBrush(col == 2 && row == 2 ? kUpdateOrange : QColor(0xee, 0xee, 0xee));
                p.drawRect(QRectF(s * (0.26 + col * 0.17), s * (0.42 + row * 0.17), s * 0.12, s * 0.12));
            }
    });
}

QIcon CertificatesIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) {
        const double s = r.width();
        p.setPen(QPen(QColor(0x66, 0x66, 0x66), std::max(1.0, s / 20)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.14, s * 0.06, s * 0.62, s * 0.84));
        p.setPen(QPen(QColor(0xaa, 0xaa, 0xaa), std::max(1.0, s / 24)));
        for (int i = 0; i < 4; ++i) p.drawLine(QPointF(s * 0.24, s * (0.2 + i * 0.12)), QPointF(s * 0.66, s * (0.2 + i * 0.12)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.drawEllipse(QPointF(s * 0.7, s * 0.72), s * 0.17, s * 0.17);
    });
}

namespace {

// A curved arrow over the top, its head at the left (back) or, mirrored, at the right.
void DrawTurnArrow(QPainter& p, const QRectF& r, bool back) {
    const double s = r.width();
    p.save();
    if (!back) {
        p.translate(s, 0);
        p.scale(-1, 1);
    }
    QPen pen(kE1Blue, std::max(1.5, s / 9), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(s * 0.28, s * 0.42);
    arc.cubicTo(s * 0.45, s * 0.18, s * 0.9, s * 0.25, s * 0.82, s * 0.62);
    arc.cubicTo(s * 0.78, s * 0.78, s * 0.62, s * 0.84, s * 0.5, s * 0.84);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(kE1Blue);
    QPolygonF head;
    head << QPointF(s * 0.08, s * 0.46) << QPointF(s * 0.36, s * 0.22) << QPointF(s * 0.42, s * 0.56);
    p.drawPolygon(head);
    p.restore();
}

}  // namespace

QIcon UndoIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) { DrawTurnArrow(p, r, true); });
}

QIcon RedoIcon() {
    return IconFrom([](QPainter& p, const QRectF& r) { DrawTurnArrow(p, r, false); });
}

QPixmap MakerBadge(QSize size) {
    return Badge(size, kE1Blue.lighter(120), kE1Blue.darker(140), QStringLiteral("DOVAZEZ"), QStringLiteral("www.dovazez.gr"));
}

QPixmap DistributorBadge(QSize size) {
    return Badge(size, kE2Green.lighter(120), kE2Green.darker(140), QStringLiteral("ΔΙΑΝΟΜΗ"),
                 QStringLiteral("www.dovazez-dianomi.gr"));
}

QPixmap Cover(QSize size) {
    QPixmap pm = Blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, kE1Blue.lighter(130));
    g.setColorAt(1, kE1Blue.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, w, h), 8, 8);
    DrawFormSheet(p, QRectF(w * 0.12, h * 0.34, w * 0.42, h * 0.36), kE1Blue.lighter(110), QStringLiteral("Ε1"));
    DrawFormSheet(p, QRectF(w * 0.46, h * 0.42, w * 0.42, h * 0.36), kE2Green, QStringLiteral("Ε2"));
    p.setPen(Qt::white);
    p.setFont(Font(static_cast<int>(h * 0.1)));
    p.drawText(QRectF(0, h * 0.04, w, h * 0.14), Qt::AlignCenter, QStringLiteral("DOVAZEZ"));
    p.setFont(Font(static_cast<int>(h * 0.12)));
    p.drawText(QRectF(0, h * 0.16, w, h * 0.14), Qt::AlignCenter, QStringLiteral("2015"));
    p.setFont(Font(static_cast<int>(h * 0.05), false));
    p.drawText(QRectF(0, h * 0.82, w, h * 0.14), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Φορολογία Εισοδήματος\nφορολογικό έτος 2014"));
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int s : {32, 48, 64, 128}) icon.addPixmap(Cover(QSize(s, s)));
    return icon;
}

}  // namespace dz::pictures
