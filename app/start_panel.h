// The start panel `MainPanel1` of the main window: three large picture buttons.
#pragma once
#include <QFrame>
#include <QLabel>
#include <array>

namespace dz {

// Button n (1..3) is a back panel "PnB" (the shadow, workspace colour, 252 x 225), a front
// panel "PnF" (button-highlight colour, 252 x 219) 7 px left of and 4 (button 1) or 7 px
// (buttons 2, 3) above it, and on the front the picture "imgPn" whose "tag" property is n.
// Pressing the left mouse button on a picture moves its front 4 px right and down in the
// tooltip-background colour; releasing moves it back in the highlight colour and, when the
// release is on the picture, emits pictureClicked(n).
class StartPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kFrontSize{252, 219};
    static constexpr QSize kBackSize{252, 225};

    explicit StartPanel(QWidget* parent = nullptr);

    // A disabled button shows its picture greyed and ignores the mouse.
    void setButtonEnabled(int n, bool enabled);
    void setButtonToolTip(int n, const QString& tip);

    QFrame* back(int n) const { return backs_[n - 1]; }
    QFrame* front(int n) const { return fronts_[n - 1]; }
    QLabel* picture(int n) const { return pictures_[n - 1]; }
    // Where the front panel of button n lies when not pressed (relative to its button).
    QPoint frontHome(int n) const;

    QColor highlightColour() const;
    QColor pressedColour() const;
    QColor shadowColour() const;

signals:
    void pictureClicked(int tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setFrontColour(int n, const QColor& colour);
    int buttonOf(QObject* picture) const;

    std::array<QFrame*, 3> backs_{};
    std::array<QFrame*, 3> fronts_{};
    std::array<QLabel*, 3> pictures_{};
    std::array<bool, 3> pressed_{};
};

}  // namespace dz
