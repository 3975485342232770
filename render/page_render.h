// Drawing a form page description as a picture: white paper, black rules and boxes, Greek captions.
#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>

#include "forms/form_page.h"

class QPainter;

namespace dz::forms {

enum class RenderTarget {
    Screen,  // the entry window's picture: boxes of the form and of the window
    Print,   // the printed page: boxes of the form and the print-only ones
};

// Whether an item of the description belongs on the target.
bool DrawnOn(Presence presence, RenderTarget target);

// How a page is inked: the typeface chosen for printing (empty: the form's own faces) and the
// colour of its rules and texts, whose light tints are its shades.
struct PageLook {
    QString family;
    QColor ink = Qt::black;
};

// Draws the page onto `painter` scaled to `size` (a picture, a printed page).
void PaintPage(QPainter& painter, const FormPage& page, QSize size, RenderTarget target, const PageLook& look = {});

// Draws the page's print as lines, fills and text on a painter that counts in millimetres, the
// page's top-left corner at `cornerMm`.
void PaintPageInMm(QPainter& painter, const FormPage& page, QPointF cornerMm, const PageLook& look);

// A grey-scale picture of `size` logical pixels (the page's own size when empty) at the screen's
// device-pixel ratio: `ratio` times as many pixels each way, the rules where they fall at ratio
// 1 and the texts drawn at the finer resolution. The page is drawn as on an upright sheet of
// `upright` pixels (a landscape page's scale; empty: `size`).
QImage RenderPage(const FormPage& page, RenderTarget target, QSize size = QSize(), qreal ratio = 1,
                  QSize upright = QSize());

}  // namespace dz::forms
