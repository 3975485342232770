// Drawing a form page description as a picture: white paper, black rules and boxes, Greek captions.
#pragma once
#include <QImage>

#include "forms/form_page.h"

class QPainter;

namespace dz::forms {

enum class RenderTarget {
    Screen,  // the entry window's picture: boxes of the form and of the window
    Print,   // the printed page: boxes of the form and the print-only ones
};

// Whether an item of the description belongs on the target.
bool DrawnOn(Presence presence, RenderTarget target);

// Draws the page onto `painter` scaled to `size` (a picture, a printed page). The texts take
// `family` when one is given (the typeface chosen for printing), else the form's own faces.
void PaintPage(QPainter& painter, const FormPage& page, QSize size, RenderTarget target,
               const QString& family = QString());

// A grey-scale picture of `size` (the page's own size when empty).
QImage RenderPage(const FormPage& page, RenderTarget target, QSize size = QSize());

}  // namespace dz::forms
