// The sheet under an entry window's fields: the form page's picture, drawn for the screen it is shown on.
#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace dz {

// Shows the picture `draw` makes for a device-pixel ratio, at `size` logical pixels. The picture
// is made when the page is first painted and made anew when the page is painted at another
// ratio (the window moved to another screen, or a copy of it drawn finer), so a page never
// shown costs nothing and the form's texts are always as sharp as the screen can show them.
class PageCanvas : public QWidget {
public:
    using Draw = std::function<QImage(qreal ratio)>;
    PageCanvas(Draw draw, QSize size, QWidget* parent = nullptr);

    // The picture last made (null before the first paint).
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Draw draw_;
    QPixmap picture_;
};

}  // namespace dz
